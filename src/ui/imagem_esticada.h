#pragma once
#include <QSvgRenderer>
#include <QWidget>

namespace quelva {

// A picture stretched to the widget's whole area, whatever its proportions, as the program's artwork is shown
// (the logo panel, the About window). The picture is a vector drawing, so it stays sharp at any size.
class ImagemEsticada : public QWidget {
    Q_OBJECT
public:
    explicit ImagemEsticada(const QString& caminho = {}, QWidget* pai = nullptr);

    // Replaces the picture; false when `caminho` is not a drawing that can be shown (the widget then shows
    // nothing).
    bool definirImagem(const QString& caminho);
    bool temImagem() const { return desenho_.isValid(); }
    QString caminho() const { return caminho_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QSvgRenderer desenho_;
    QString caminho_;
};

}  // namespace quelva

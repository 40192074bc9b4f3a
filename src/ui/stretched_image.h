#pragma once
#include <QSvgRenderer>
#include <QWidget>

namespace quelva {

// A picture stretched to the widget's whole area, whatever its proportions, as the program's artwork is shown
// (the logo panel, the About window). The picture is a vector drawing, so it stays sharp at any size.
class StretchedImage : public QWidget {
    Q_OBJECT
public:
    explicit StretchedImage(const QString& path = {}, QWidget* parent = nullptr);

    // Replaces the picture; false when `path` is not a drawing that can be shown (the widget then shows
    // nothing).
    bool setImage(const QString& path);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer drawing_;
};

}  // namespace quelva

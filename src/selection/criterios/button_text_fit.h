#pragma once
#include <QObject>

class QPushButton;

namespace quelva {

class ErrorPolicy;

// Keeps a button's caption whole at the button's design width: whenever the button is resized, its font
// shrinks, a point at a time down to a floor, until the caption fits; it never grows beyond the font it had.
// The design widths were made for a narrower face than most systems have.
class ButtonTextFit : public QObject {
public:
    ButtonTextFit(QPushButton* botao, ErrorPolicy& politica);

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    void fit();
    QPushButton* botao_;
    ErrorPolicy& politica_;
    int tamanhoOriginal_;
};

}  // namespace quelva

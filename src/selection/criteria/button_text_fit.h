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
    ButtonTextFit(QPushButton* button, ErrorPolicy& policy);

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    void fit();
    QPushButton* button_;
    ErrorPolicy& policy_;
    int originalPointSize_;
};

}  // namespace quelva

#pragma once
#include <QPushButton>

namespace quelva {

// A push button whose caption breaks into lines when it is wider than the button, as "Salvar em Excel" does
// on its tall, narrow button.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace quelva

#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace quelva {

class ErrorPolicy;

// Hands every character typed into a control to a handler as its key code, before the control sees it, the
// way a key-press handler can veto a key: the handler sets the code to 0 and the character is discarded.
// Keys that type nothing (arrows, Delete, Tab between controls) never reach the handler; text that arrives by
// other means (pasted, dropped, set by the program) does not either.
class TypedCharacterFilter : public QObject {
public:
    using Handler = std::function<void(int& KeyAscii)>;
    TypedCharacterFilter(QWidget* control, ErrorPolicy& policy, Handler handler);

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    ErrorPolicy& policy_;
    Handler handler_;
};

}  // namespace quelva

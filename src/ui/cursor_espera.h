#pragma once
#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace quelva {

// The wait pointer on the control that received the event (or on the whole program without one) while a
// handler works; the control's own pointer again when it ends, however it ends, or earlier with restaurar().
class CursorEspera {
public:
    explicit CursorEspera(QWidget* widget = nullptr) : widget_(widget), global_(widget == nullptr) {
        if (global_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            previous_ = widget->cursor();
            hadCursor_ = widget->testAttribute(Qt::WA_SetCursor);
            widget->setCursor(Qt::WaitCursor);
        }
    }
    ~CursorEspera() { restaurar(); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

    void restaurar() {
        if (done_) return;
        done_ = true;
        if (global_) {
            QApplication::restoreOverrideCursor();
        } else if (widget_) {
            if (hadCursor_) widget_->setCursor(previous_);
            else widget_->unsetCursor();
        }
    }

private:
    QPointer<QWidget> widget_;
    bool global_;
    QCursor previous_;
    bool hadCursor_ = false;
    bool done_ = false;
};

}  // namespace quelva

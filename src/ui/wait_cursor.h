#pragma once
#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QWidget>

namespace quelva {

// The wait pointer on the control that received the event (or on the whole program without one) while a
// handler works; the control's own pointer again when it ends, however it ends, or earlier with restore().
class WaitCursor {
public:
    explicit WaitCursor(QWidget* widget = nullptr) : widget_(widget), global_(widget == nullptr) {
        if (widget == nullptr) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            previous_ = widget->cursor();
            hadCursor_ = widget->testAttribute(Qt::WA_SetCursor);
            widget->setCursor(Qt::WaitCursor);
        }
    }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void restore() {
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

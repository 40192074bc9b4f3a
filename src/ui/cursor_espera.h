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
    explicit CursorEspera(QWidget* controle = nullptr) : controle_(controle), global_(controle == nullptr) {
        if (global_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            anterior_ = controle->cursor();
            tinhaCursor_ = controle->testAttribute(Qt::WA_SetCursor);
            controle->setCursor(Qt::WaitCursor);
        }
    }
    ~CursorEspera() { restaurar(); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

    void restaurar() {
        if (feito_) return;
        feito_ = true;
        if (global_) {
            QApplication::restoreOverrideCursor();
        } else if (controle_) {
            if (tinhaCursor_) controle_->setCursor(anterior_);
            else controle_->unsetCursor();
        }
    }

private:
    QPointer<QWidget> controle_;
    bool global_;
    QCursor anterior_;
    bool tinhaCursor_ = false;
    bool feito_ = false;
};

}  // namespace quelva

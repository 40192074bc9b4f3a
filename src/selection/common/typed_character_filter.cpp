#include "typed_character_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "error_policy.h"

namespace quelva {

TypedCharacterFilter::TypedCharacterFilter(QWidget* control, ErrorPolicy& policy, Handler handler)
    : QObject(control), policy_(policy), handler_(std::move(handler)) {
    control->installEventFilter(this);
}

bool TypedCharacterFilter::eventFilter(QObject*, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(e);
    const QString text = press->text();
    // Focus moves and deletion are not characters, though some platforms give them a control code.
    if (text.isEmpty() || press->key() == Qt::Key_Tab || press->key() == Qt::Key_Backtab || press->key() == Qt::Key_Delete)
        return false;
    bool discard = false;
    const bool completed = policy_.run([&] {
        // An input method may deliver several characters in one event: one veto discards them all.
        for (QChar c : text) {
            int KeyAscii = c.unicode();
            handler_(KeyAscii);
            if (KeyAscii == 0) discard = true;
        }
    });
    return discard || !completed;
}

}  // namespace quelva

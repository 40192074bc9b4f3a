#include "type_to_find.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "error_policy.h"

namespace quelva {

TypeToFind::TypeToFind(QComboBox* list, ErrorPolicy& policy) : QObject(list), list_(list), policy_(policy) {
    list->installEventFilter(this);
}

bool TypeToFind::eventFilter(QObject*, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(e);
    const QString text = press->text();
    // Shortcuts and keys that type nothing keep their usual meaning.
    if (text.isEmpty() || !text.at(0).isPrint() || (press->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    policy_.run([&] { find(text); });
    return true;
}

void TypeToFind::find(const QString& text) {
    const bool continuing = lastKey_.isValid() && lastKey_.elapsed() <= QApplication::keyboardInputInterval();
    lastKey_.start();
    typed_ = continuing ? typed_ + text : text;

    int found = firstBeginningWith(typed_, 0);
    const bool sameLetter = typed_.size() > 1 && typed_.count(typed_.at(0)) == typed_.size();
    if (found < 0 && sameLetter) found = firstBeginningWith(typed_.left(1), list_->currentIndex() + 1);
    if (found >= 0) list_->setCurrentIndex(found);
}

// The first entry from `from` on, then from the top, whose text begins with `prefix`; -1 when none does.
int TypeToFind::firstBeginningWith(const QString& prefix, int from) const {
    const int n = list_->count();
    for (int k = 0; k < n; ++k) {
        const int i = (from + k) % n;
        if (list_->itemText(i).startsWith(prefix, Qt::CaseInsensitive)) return i;
    }
    return -1;
}

}  // namespace quelva

#include "typed_character_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include "error_policy.h"
#include "windows1252.h"

namespace quelva {

TypedCharacterFilter::TypedCharacterFilter(QWidget* control, ErrorPolicy& policy, TypedCharacterRules rules, Handler handler)
    : QObject(control), policy_(policy), rules_(rules), handler_(std::move(handler)) {
    control->installEventFilter(this);
}

bool TypedCharacterFilter::eventFilter(QObject*, QEvent* e) {
    if (e->type() == QEvent::InputMethod && rules_.inputMethodText) {
        auto* im = static_cast<QInputMethodEvent*>(e);
        QString kept;
        policy_.run([&] {
            for (char32_t c : im->commitString().toUcs4())
                if (accepted(QString::fromUcs4(&c, 1))) kept += QString::fromUcs4(&c, 1);
        });
        if (kept != im->commitString()) im->setCommitString(kept, im->replacementStart(), im->replacementLength());
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(e);
    const QString text = press->text();
    if (rules_.focusAndDeleteKeysPass && (text.isEmpty() || press->key() == Qt::Key_Tab ||
                                          press->key() == Qt::Key_Backtab || press->key() == Qt::Key_Delete))
        return false;
    // An input method may deliver several characters in one event: one veto discards them all.
    bool discard = false;
    policy_.run([&] { discard = !accepted(text); });
    return discard || policy_.ended();
}

bool TypedCharacterFilter::accepted(const QString& text) const {
    if (rules_.codes == TypedCharacterRules::Codes::Unicode) {
        bool all = true;  // every unit reaches the handler, even after a veto
        for (QChar c : text)
            if ((rules_.controlCharacters || c.isPrint()) && !acceptedCode(c.unicode())) all = false;
        return all;
    }
    for (char32_t c : text.toUcs4()) {
        if (!rules_.controlCharacters && !QChar::isPrint(c)) continue;
        const std::optional<std::uint8_t> code = windows1252::fromUnicode(c);
        if (!code || !acceptedCode(*code)) return false;  // a character the page lacks is never typed there
    }
    return true;
}

bool TypedCharacterFilter::acceptedCode(int code) const {
    int KeyAscii = code;
    handler_(KeyAscii);
    return KeyAscii != 0;
}

}  // namespace quelva

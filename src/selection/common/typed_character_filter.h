#pragma once
#include <QObject>
#include <functional>

class QString;
class QWidget;

namespace quelva {

class ErrorPolicy;

// What a box's key-press handler is shown of what is typed into it; the boxes differ in these alone.
struct TypedCharacterRules {
    // The handler's key codes: each UTF-16 unit's Unicode value, or each character's code in the Windows
    // Latin-1 page (a character the page lacks is refused without reaching the handler).
    enum class Codes { Unicode, Windows1252 };
    Codes codes = Codes::Unicode;
    // Control characters (Backspace, Enter, Escape) reach the handler too; otherwise they edit the text unseen.
    bool controlCharacters = true;
    // Tab, Backtab, Delete and keys that type nothing pass at once, never held back (not even once the
    // program is ending), though some platforms give the first three a control code.
    bool focusAndDeleteKeysPass = true;
    // The text an input method commits is filtered as well, character by character: the refused ones are
    // left out and the rest still arrives.
    bool inputMethodText = false;
};

// Hands every character typed into a control to a handler as its key code, before the control sees it, the
// way a key-press handler can veto a key: the handler sets the code to 0 and the character is discarded.
// Keys that type nothing (arrows) never reach the handler; text that arrives by other means (pasted,
// dropped, set by the program) does not either.
class TypedCharacterFilter : public QObject {
public:
    using Handler = std::function<void(int& KeyAscii)>;
    TypedCharacterFilter(QWidget* control, ErrorPolicy& policy, TypedCharacterRules rules, Handler handler);

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    // Whether every character of `text` is taken; runs under the policy's caller.
    bool accepted(const QString& text) const;
    bool acceptedCode(int code) const;

    ErrorPolicy& policy_;
    TypedCharacterRules rules_;
    Handler handler_;
};

}  // namespace quelva

#include "typed_character_filter.h"

#include <QKeyEvent>
#include <QWidget>

#include "error_policy.h"

namespace quelva {

TypedCharacterFilter::TypedCharacterFilter(QWidget* controle, ErrorPolicy& politica, Handler handler)
    : QObject(controle), politica_(politica), handler_(std::move(handler)) {
    controle->installEventFilter(this);
}

bool TypedCharacterFilter::eventFilter(QObject*, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* tecla = static_cast<QKeyEvent*>(e);
    const QString texto = tecla->text();
    // Focus moves and deletion are not characters, though some platforms give them a control code.
    if (texto.isEmpty() || tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab || tecla->key() == Qt::Key_Delete)
        return false;
    bool descartar = false;
    const bool concluiu = politica_.run([&] {
        // An input method may deliver several characters in one event: one veto discards them all.
        for (QChar c : texto) {
            int KeyAscii = c.unicode();
            handler_(KeyAscii);
            if (KeyAscii == 0) descartar = true;
        }
    });
    return descartar || !concluiu;
}

}  // namespace quelva

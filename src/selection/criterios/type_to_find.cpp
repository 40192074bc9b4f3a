#include "type_to_find.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

#include "error_policy.h"

namespace quelva {

TypeToFind::TypeToFind(QComboBox* lista, ErrorPolicy& politica) : QObject(lista), lista_(lista), politica_(politica) {
    lista->installEventFilter(this);
}

bool TypeToFind::eventFilter(QObject*, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    const auto* tecla = static_cast<QKeyEvent*>(e);
    const QString texto = tecla->text();
    // Shortcuts and keys that type nothing keep their usual meaning.
    if (texto.isEmpty() || !texto.at(0).isPrint() || (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    politica_.run([&] { find(texto); });
    return true;
}

void TypeToFind::find(const QString& texto) {
    const bool continua = ultimaTecla_.isValid() && ultimaTecla_.elapsed() <= QApplication::keyboardInputInterval();
    ultimaTecla_.start();
    digitado_ = continua ? digitado_ + texto : texto;

    int achado = firstBeginningWith(digitado_, 0);
    const bool mesmaLetra = digitado_.size() > 1 && digitado_.count(digitado_.at(0)) == digitado_.size();
    if (achado < 0 && mesmaLetra) achado = firstBeginningWith(digitado_.left(1), lista_->currentIndex() + 1);
    if (achado >= 0) lista_->setCurrentIndex(achado);
}

// The first entry from `desde` on, then from the top, whose text begins with `inicio`; -1 when none does.
int TypeToFind::firstBeginningWith(const QString& inicio, int desde) const {
    const int n = lista_->count();
    for (int k = 0; k < n; ++k) {
        const int i = (desde + k) % n;
        if (lista_->itemText(i).startsWith(inicio, Qt::CaseInsensitive)) return i;
    }
    return -1;
}

}  // namespace quelva

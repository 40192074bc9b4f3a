#include "locality_entry.h"

#include <QListWidgetItem>

#include "quelva_limits.h"

namespace quelva {

namespace {
constexpr int kPapelEntrada = Qt::UserRole + 1;
}  // namespace

QString localityEntryText(const QString& visivel, int codigo) {
    QString s = visivel + QString(kLocalityEntryBlanks, QLatin1Char(' '));
    const QString digitos = QString::number(codigo);
    // The code overwrites what stands there, whatever the length of the text before it.
    s.replace(kLocalityCodePosition - 1, digitos.size(), digitos);
    return s;
}

int codeOfLocalityEntry(const QString& entrada) {
    const QString parte = entrada.mid(kLocalityCodePosition - 1, kLocalityCodeDigits);
    int valor = 0;
    for (QChar c : parte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

QListWidgetItem* newLocalityItem(const QString& entrada, const QString& nome) {
    // The leading blanks are the indent and stay; the trailing ones and the code are not shown.
    QString visivel = entrada.left(kLocalityCodePosition - 1);
    while (!visivel.isEmpty() && visivel.back() == QLatin1Char(' ')) visivel.chop(1);
    auto* item = new QListWidgetItem(visivel);
    item->setData(kPapelEntrada, entrada);
    item->setData(Qt::AccessibleTextRole, nome);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return item;
}

QString entryOfLocalityItem(const QListWidgetItem* item) { return item->data(kPapelEntrada).toString(); }

}  // namespace quelva

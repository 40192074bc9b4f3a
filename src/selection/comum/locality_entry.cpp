#include "locality_entry.h"

#include <QListWidgetItem>

namespace quelva {

namespace {
constexpr int kPosicaoCodigo = 300;  // counting from 1
constexpr int kDigitosCodigo = 3;
constexpr int kPapelEntrada = Qt::UserRole + 1;
}  // namespace

QString localityEntryText(const QString& visivel, int codigo) {
    QString s = visivel + QString(kPosicaoCodigo, QLatin1Char(' '));
    const QString digitos = QString::number(codigo);
    // The code overwrites what stands there, whatever the length of the text before it.
    s.replace(kPosicaoCodigo - 1, digitos.size(), digitos);
    return s;
}

int codeOfLocalityEntry(const QString& entrada) {
    const QString parte = entrada.mid(kPosicaoCodigo - 1, kDigitosCodigo);
    int valor = 0;
    for (QChar c : parte) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        valor = valor * 10 + (c.unicode() - '0');
    }
    return valor;
}

QListWidgetItem* newLocalityItem(const QString& entrada, const QString& nome) {
    // The leading blanks are the indent and stay; the trailing ones and the code are not shown.
    QString visivel = entrada.left(kPosicaoCodigo - 1);
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

#include "cell_number.h"

#include <QRegularExpression>

namespace quelva {

QString SubstituirTexto(const QString& texto, const QString& procurar, const QString& por) {
    if (procurar.size() != 1) return texto;
    QString saida;
    saida.reserve(texto.size());
    for (QChar c : texto) {
        if (c == procurar.front()) saida += por;
        else saida += c;
    }
    return saida;
}

std::optional<double> numberFromCellText(const QString& texto) {
    static const QRegularExpression numero(QStringLiteral("^[+-]?(?:[0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]+)(?:,[0-9]+)?$"));
    if (!numero.match(texto).hasMatch()) return std::nullopt;
    // The thousands' points go, the decimal comma becomes the point the C locale reads.
    QString semPontos = SubstituirTexto(texto, QStringLiteral("."), QString());
    semPontos.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double valor = semPontos.toDouble(&ok);
    if (!ok) return std::nullopt;
    return valor;
}

}  // namespace quelva

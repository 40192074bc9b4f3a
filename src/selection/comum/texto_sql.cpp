#include "texto_sql.h"

namespace quelva {

std::string textoSql(const QString& texto) {
    QString s = texto;
    s.replace(QLatin1Char('\''), QLatin1String("''"));
    return "'" + s.toStdString() + "'";
}

std::string literalLike(const QString& texto) {
    QString s;
    for (QChar c : texto) {
        if (c == QLatin1Char('[') || c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('#'))
            s += QLatin1Char('[') + c + QLatin1Char(']');
        else if (c == QLatin1Char('\''))
            s += QLatin1String("''");
        else
            s += c;
    }
    return s.toStdString();
}

}  // namespace quelva

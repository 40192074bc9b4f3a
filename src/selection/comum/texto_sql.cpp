#include "texto_sql.h"

#include "sql_text.h"

namespace quelva {

std::string textoSql(const QString& texto) { return jet::quoteText(texto.toStdString()); }
std::string literalLike(const QString& texto) { return jet::likeLiteral(texto.toStdString()); }

}  // namespace quelva

#include "sql_quoting.h"

#include "sql_text.h"

namespace quelva {

std::string quotedText(const QString& text) { return jet::quoteText(text.toStdString()); }
std::string likeText(const QString& text) { return jet::likeLiteral(text.toStdString()); }

}  // namespace quelva

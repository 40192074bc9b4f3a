#pragma once
#include <QString>
#include <string>

namespace quelva {

// A text placed into a statement as a literal: in single quotes, a quote inside doubled. A keyword or code
// holding an apostrophe then finds itself instead of breaking the statement.
std::string textoSql(const QString& texto);

// The part of a Like pattern that must match itself: quotes doubled and Like's wildcards in brackets.
std::string literalLike(const QString& texto);

}  // namespace quelva

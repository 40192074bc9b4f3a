#pragma once
#include <QString>
#include <string>

namespace quelva {

// The engine's quoting (sql_text.h) for the panels' texts: a literal, and the part of a Like pattern that
// must match itself.
std::string quotedText(const QString& text);
std::string likeText(const QString& text);

}  // namespace quelva

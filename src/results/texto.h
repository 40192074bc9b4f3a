#pragma once
#include <QString>
#include <string>

namespace quelva {

// Leading and trailing blanks removed (blanks only: other white space is part of the text).
QString trimBlanks(const QString& s);
std::string trimBlanks(const std::string& s);

}  // namespace quelva

#pragma once
#include <QString>

namespace quelva {

// Leading and trailing blanks removed (blanks only: other white space is part of the text).
QString trimBlanks(const QString& s);

}  // namespace quelva

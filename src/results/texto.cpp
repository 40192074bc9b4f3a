#include "texto.h"

namespace quelva {

QString trimBlanks(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s[a] == u' ') ++a;
    while (b > a && s[b - 1] == u' ') --b;
    return a == 0 && b == s.size() ? s : s.mid(a, b - a);
}

}  // namespace quelva

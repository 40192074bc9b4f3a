#include "texto.h"

namespace quelva {

QString trimBlanks(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s[a] == u' ') ++a;
    while (b > a && s[b - 1] == u' ') --b;
    return a == 0 && b == s.size() ? s : s.mid(a, b - a);
}

std::string trimBlanks(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace quelva

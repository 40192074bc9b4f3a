#include "sql_text.h"

namespace jet {

namespace {
std::string quoted(const std::string& s, char q) {
    std::string out(1, q);
    for (char c : s) {
        if (c == q) out += q;
        out += c;
    }
    return out + q;
}
}  // namespace

std::string quoteName(const std::string& name) { return quoted(name, '"'); }
std::string quoteText(const std::string& text) { return quoted(text, '\''); }

std::string likeLiteral(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '[' || c == '*' || c == '?' || c == '#') out += std::string("[") + c + "]";
        else if (c == '\'') out += "''";
        else out += c;
    }
    return out;
}

}  // namespace jet

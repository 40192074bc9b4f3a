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

}  // namespace jet

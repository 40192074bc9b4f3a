#include "format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "error.h"
#include "jet_date.h"
#include "text.h"

namespace jet {
namespace {

const char* const kDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// The format split at ";" outside quotes and escapes.
std::vector<std::string> sections(std::string_view f) {
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < f.size(); ++i) {
        char c = f[i];
        if (c == '"') {
            std::size_t close = f.find('"', i + 1);
            if (close == std::string_view::npos) close = f.size() - 1;
            out.back() += f.substr(i, close - i + 1);
            i = close;
        } else if (c == '\\' && i + 1 < f.size()) {
            out.back() += f.substr(i, 2);
            ++i;
        } else if (c == ';') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

// ---- numbers ----

// Integer digits with a comma every three.
std::string grouped(const std::string& digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

struct NumberPattern {
    std::vector<std::string> items;  // "0", "#", ".", "E+" ... or a literal text
    int intZeros = 0, intDigits = 0, fracZeros = 0, fracDigits = 0;
    bool grouping = false, percent = false, scientific = false, point = false;
    int expZeros = 0;
    int thousands = 0;  // commas at the end of the integer digits, each dividing the number by 1000
};

NumberPattern readNumberPattern(const std::string& f) {
    NumberPattern p;
    bool afterPoint = false, inExp = false;
    int commas = 0;  // since the last integer digit
    for (std::size_t i = 0; i < f.size(); ++i) {
        char c = f[i];
        if (c == '"') {
            std::size_t close = f.find('"', i + 1);
            if (close == std::string::npos) close = f.size();
            p.items.push_back("L" + f.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '\\' && i + 1 < f.size()) {
            p.items.push_back("L" + f.substr(++i, 1));
        } else if ((c == 'E' || c == 'e') && i + 1 < f.size() && (f[i + 1] == '+' || f[i + 1] == '-') && !inExp) {
            p.items.push_back(f.substr(i, 2));
            p.scientific = inExp = true;
            ++i;
        } else if (c == '0' || c == '#') {
            if (inExp) { if (c == '0') ++p.expZeros; continue; }
            // a comma between digits groups them; commas after the last digit scale the number instead
            if (!afterPoint && commas > 0 && p.intDigits > 0) p.grouping = true;
            if (!afterPoint) commas = 0;
            p.items.push_back(std::string(1, c));
            if (afterPoint) { ++p.fracDigits; if (c == '0') p.fracZeros = p.fracDigits; }
            else { ++p.intDigits; if (c == '0') ++p.intZeros; }
        } else if (c == '.' && !afterPoint && !inExp) {
            afterPoint = p.point = true;
            p.items.push_back(".");
            if (p.intDigits > 0) p.thousands = commas;
            commas = 0;
        } else if (c == ',' && !afterPoint) {
            ++commas;
        } else {
            if (c == '%') p.percent = true;
            p.items.push_back("L" + std::string(1, c));
        }
    }
    if (!afterPoint && p.intDigits > 0) p.thousands = commas;
    return p;
}

// `v` with `decimals` decimals, its digits beyond the 15 significant ones a Double holds written as zeros,
// as Jet writes them; as long as the number needs.
std::string fixedDigits(double v, int decimals) {
    const int magnitude = v > 0 ? static_cast<int>(std::floor(std::log10(v))) : 0;
    const int exact = std::clamp(kDoubleDigits - 1 - magnitude, 0, decimals);
    std::string out(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", exact, v)), '\0');
    std::snprintf(out.data(), out.size() + 1, "%.*f", exact, v);
    if (decimals > exact) {
        if (exact == 0) out += '.';
        out.append(static_cast<std::size_t>(decimals - exact), '0');
    }
    return out;
}

// `v` (not negative) written into the pattern.
std::string layNumber(double v, const NumberPattern& p) {
    if (p.percent) v *= 100;
    v /= std::pow(1000.0, p.thousands);
    if (!std::isfinite(v)) throw Error(kOverflow);
    int exponent = 0;
    if (p.scientific && v != 0) {
        exponent = static_cast<int>(std::floor(std::log10(v))) - std::max(p.intDigits, 1) + 1;
        double m = roundDecimal(v / std::pow(10.0, exponent), p.fracDigits, false);
        if (m >= std::pow(10.0, std::max(p.intDigits, 1))) ++exponent;
        v = v / std::pow(10.0, exponent);
    }
    v = roundDecimal(v, p.fracDigits, false);
    const std::string all = fixedDigits(v, p.fracDigits);
    std::size_t dot = all.find('.');
    std::string intPart = all.substr(0, dot), frac = dot == std::string::npos ? "" : all.substr(dot + 1);
    while (static_cast<int>(frac.size()) > p.fracZeros && !frac.empty() && frac.back() == '0') frac.pop_back();
    if (intPart == "0" && p.intZeros == 0) intPart.clear();
    while (static_cast<int>(intPart.size()) < p.intZeros) intPart.insert(intPart.begin(), '0');
    if (p.grouping) intPart = grouped(intPart);

    std::string out;
    int intSeen = 0, fracSeen = 0;
    // Integer digits fill the placeholders from the right; the first placeholder takes any extra digits.
    const int shown = static_cast<int>(intPart.size());
    std::size_t intUsed = 0;
    for (const std::string& it : p.items) {
        if (it[0] == 'L') { out += it.substr(1); continue; }
        if (it == ".") { out += '.'; continue; }
        if (it[0] == 'E' || it[0] == 'e') {
            std::string e = std::to_string(std::abs(exponent));
            while (static_cast<int>(e.size()) < p.expZeros) e.insert(e.begin(), '0');
            out += it[0];
            out += exponent < 0 ? "-" : it[1] == '+' ? "+" : "";
            out += e;
            continue;
        }
        const bool fraction = p.point && intSeen == p.intDigits;
        if (!fraction) {
            ++intSeen;
            const int fromRight = p.intDigits - intSeen;  // placeholders after this one
            const int upTo = shown - fromRight;           // digits up to and including this one
            if (intSeen == 1) {
                const int take = p.grouping ? shown : std::max(0, upTo);
                out += intPart.substr(0, static_cast<std::size_t>(take));
                intUsed = static_cast<std::size_t>(take);
            } else if (!p.grouping && upTo > 0 && intUsed < intPart.size()) {
                out += intPart[intUsed++];
            }
        } else {
            if (fracSeen < static_cast<int>(frac.size())) out += frac[static_cast<std::size_t>(fracSeen)];
            ++fracSeen;
        }
    }
    return out;
}

std::string formatNumberWith(double v, const std::string& format) {
    std::vector<std::string> s = sections(format);
    std::string f = s[0];
    bool sign = v < 0;
    if (v < 0 && s.size() > 1 && !s[1].empty()) { f = s[1]; sign = false; }
    else if (v == 0 && s.size() > 2 && !s[2].empty()) f = s[2];
    std::string out = layNumber(std::fabs(v), readNumberPattern(f));
    return sign && out.find_first_of("123456789") != std::string::npos ? "-" + out : out;
}

// ---- dates ----

std::string twoDigits(long long n) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02lld", n);
    return buf;
}

std::string formatDateWith(const DateTime& d, const std::string& f);

std::string generalDate(const DateTime& d) {
    if (d.seconds == 0) return formatDateWith(d, "m/d/yyyy");
    if (d.days == 0) return formatDateWith(d, "h:nn:ss AM/PM");
    return formatDateWith(d, "m/d/yyyy h:nn:ss AM/PM");
}

bool startsWithNoCase(const std::string& f, std::size_t i, const char* w) {
    for (std::size_t k = 0; w[k]; ++k)
        if (i + k >= f.size() || std::tolower(static_cast<unsigned char>(f[i + k])) != std::tolower(static_cast<unsigned char>(w[k]))) return false;
    return true;
}

std::string formatDateWith(const DateTime& d, const std::string& f) {
    const CivilDate c = civilFromDays(d.days);
    const int h = d.seconds / 3600, mi = d.seconds / 60 % 60, s = d.seconds % 60;
    const bool twelve = lowerCase(f).find("am/pm") != std::string::npos || lowerCase(f).find("a/p") != std::string::npos ||
                        lowerCase(f).find("ampm") != std::string::npos;
    const int hour = twelve ? (h % 12 == 0 ? 12 : h % 12) : h;
    std::string out;
    bool afterHour = false;
    for (std::size_t i = 0; i < f.size();) {
        char ch = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i])));
        std::size_t run = 1;
        while (i + run < f.size() && std::tolower(static_cast<unsigned char>(f[i + run])) == ch) ++run;
        if (f[i] == '"') {
            std::size_t close = f.find('"', i + 1);
            if (close == std::string::npos) close = f.size();
            out += f.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (f[i] == '\\' && i + 1 < f.size()) { out += f[i + 1]; i += 2; continue; }
        if (startsWithNoCase(f, i, "am/pm")) { out += h < 12 ? f.substr(i, 2) : f.substr(i + 3, 2); i += 5; continue; }
        if (startsWithNoCase(f, i, "a/p")) { out += h < 12 ? f.substr(i, 1) : f.substr(i + 2, 1); i += 3; continue; }
        if (startsWithNoCase(f, i, "ampm")) { out += h < 12 ? "AM" : "PM"; i += 4; continue; }
        switch (ch) {
        case 'd':
            if (run == 1) out += std::to_string(c.day);
            else if (run == 2) out += twoDigits(c.day);
            else if (run == 3) out += std::string(kDayNames[weekdayOf(d.days) - 1]).substr(0, 3);
            else if (run == 4) out += kDayNames[weekdayOf(d.days) - 1];
            else if (run == 5) out += formatDateWith(d, "m/d/yyyy");
            else out += formatDateWith(d, "dddd, mmmm d, yyyy");
            break;
        case 'm':
            if (afterHour && run <= 2) out += run == 1 ? std::to_string(mi) : twoDigits(mi);
            else if (run == 1) out += std::to_string(c.month);
            else if (run == 2) out += twoDigits(c.month);
            else if (run == 3) out += std::string(kMonthNames[c.month - 1]).substr(0, 3);
            else out += kMonthNames[c.month - 1];
            break;
        case 'y':
            if (run == 1) out += std::to_string(d.days - daysFromCivil(c.year, 1, 1) + 1);
            else if (run == 2) out += twoDigits(c.year % 100);
            else out += std::to_string(c.year);
            break;
        case 'h': out += run == 1 ? std::to_string(hour) : twoDigits(hour); break;
        case 'n': out += run == 1 ? std::to_string(mi) : twoDigits(mi); break;
        case 's': out += run == 1 ? std::to_string(s) : twoDigits(s); break;
        case 'q': out += std::to_string((c.month - 1) / 3 + 1); run = 1; break;
        case 'w': out += std::to_string(run == 1 ? weekdayOf(d.days) : (d.days - (daysFromCivil(c.year, 1, 1) - (weekdayOf(daysFromCivil(c.year, 1, 1)) - 1))) / 7 + 1); break;
        case 'c': out += generalDate(d); run = 1; break;
        case 't':
            if (run >= 5) { out += formatDateWith(d, "h:nn:ss AM/PM"); run = 5; break; }
            out.append(f, i, run);
            break;
        default: out.append(f, i, run); break;
        }
        if (ch == 'h') afterHour = true;
        else if (ch != ':' && ch != ' ' && ch != 'm') afterHour = false;
        i += run;
    }
    return out;
}

// A custom format is a date format when it has date or time letters and no digit placeholders.
bool isDateFormat(const std::string& f) {
    bool letters = false;
    for (std::size_t i = 0; i < f.size(); ++i) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i])));
        if (c == '"') { i = f.find('"', i + 1); if (i == std::string::npos) break; continue; }
        if (c == '\\') { ++i; continue; }
        if (c == '0' || c == '#') return false;
        if (std::string_view("dmyhnswqc").find(c) != std::string_view::npos) letters = true;
    }
    return letters;
}

bool hasDigitPlaceholder(const std::string& f) {
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '"') { i = f.find('"', i + 1); if (i == std::string::npos) break; continue; }
        if (f[i] == '\\') { ++i; continue; }
        if (f[i] == '0' || f[i] == '#') return true;
    }
    return false;
}

struct Named { const char* name; const char* pattern; };
const Named kNumberFormats[] = {
    {"general number", ""},        {"currency", "$#,##0.00;($#,##0.00)"}, {"fixed", "0.00"},
    {"standard", "#,##0.00"},      {"percent", "0.00%"},                 {"scientific", "0.00E+00"},
};
const Named kDateFormats[] = {
    {"general date", "c"},       {"long date", "dddd, mmmm d, yyyy"}, {"medium date", "dd-mmm-yy"},
    {"short date", "m/d/yyyy"},  {"long time", "h:nn:ss AM/PM"},     {"medium time", "hh:nn AM/PM"},
    {"short time", "hh:nn"},
};

}  // namespace

std::optional<std::string> formatValue(const Value& v, std::string_view formatText) {
    if (v.isNull()) return std::nullopt;
    const std::string format(formatText), name = lowerCase(formatText);
    DateTime date;
    double number = 0;
    const bool isText = v.kind() == Value::Kind::Text;
    bool isDate = isText && parseDateText(v.toText(), date);
    if (isText && !isDate && !format.empty()) {  // without a format a text stays as written
        if (const auto d = readDate(v.toText())) { date = *d; isDate = true; }
    }
    const bool isNumber = !isText || parseNumber(v.toText(), number);
    if (!isText) number = v.toDouble();

    if (name == "yes/no" || name == "true/false" || name == "on/off") {
        if (!isNumber) return v.toText();
        const bool t = number != 0;
        if (name == "yes/no") return std::string(t ? "Yes" : "No");
        if (name == "true/false") return std::string(t ? "True" : "False");
        return std::string(t ? "On" : "Off");
    }
    std::string pattern = format;
    bool dateNamed = false;
    for (const Named& n : kDateFormats)
        if (name == n.name) { pattern = n.pattern; dateNamed = true; }
    for (const Named& n : kNumberFormats)
        if (name == n.name) pattern = n.pattern;

    // A date under a number format is its serial number, as CDbl reads it.
    if (isDate && hasDigitPlaceholder(pattern)) return formatNumberWith(toSerial(date), pattern);
    if (isDate || (isNumber && (dateNamed || isDateFormat(pattern)))) {
        if (!isDate) {
            const auto d = fromSerial(number);
            if (!d) return v.toText();
            date = *d;
        }
        return pattern.empty() ? generalDate(date) : formatDateWith(date, pattern);
    }
    if (isNumber) {
        if (pattern.empty()) return v.kind() == Value::Kind::Integer ? v.toText() : formatNumber(number);
        return formatNumberWith(number, pattern);
    }
    // a text: ">" all capitals, "<" all small letters
    if (pattern.find('>') != std::string::npos) return upperCase(v.toText());
    if (pattern.find('<') != std::string::npos) return lowerCase(v.toText());
    return v.toText();
}

}  // namespace jet

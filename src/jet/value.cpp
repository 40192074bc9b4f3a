#include "value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "error.h"

namespace jet {

Value::Kind Value::kind() const {
    switch (data_.index()) {
    case 1: return Kind::Integer;
    case 2: return Kind::Double;
    case 3: return Kind::Text;
    case 4: return Kind::Boolean;
    default: return Kind::Null;
    }
}

std::string formatNumber(double v, int digits) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Inf" : "-Inf";
    char buf[64];
    // Jet writes at most `digits` significant digits, so that a double's binary noise (0.1 + 0.2) never shows,
    // and switches to an exponent where printf's %G does: below 1E-04 and from 1E+digits.
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    std::string s(buf, r.ptr);
    if (s == "-0") return "0";
    auto e = s.find('e');
    if (e != std::string::npos) s[e] = 'E';  // 1e+20 -> 1E+20, the way VB writes exponents
    return s;
}

double toSingle(double v) {
    if (!std::isfinite(v) || v == 0) return v;
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, kSingleDigits - 1);
    double out = v;
    std::from_chars(buf, r.ptr, out);
    return out;
}

double roundDecimal(double v, int places, bool halfToEven) {
    if (!std::isfinite(v) || v == 0) return v;
    char buf[48];
    // d.dddddddddddddde+XX: the 15 significant digits and the exponent
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, kDoubleDigits - 1);
    std::string digits(1, buf[0]);
    digits.append(buf + 2, buf + 1 + kDoubleDigits);
    int exponent = std::atoi(std::string(buf + 2 + kDoubleDigits, r.ptr).c_str());
    const int keep = exponent + 1 + places;  // digits left before the rounding position
    if (keep >= kDoubleDigits) return v;
    if (keep < 0) return 0.0;
    const int next = digits[static_cast<std::size_t>(keep)] - '0';
    const bool rest = digits.find_first_not_of('0', static_cast<std::size_t>(keep) + 1) != std::string::npos;
    bool up = next > 5 || (next == 5 && rest);
    if (next == 5 && !rest) up = !halfToEven || (keep > 0 && (digits[static_cast<std::size_t>(keep) - 1] - '0') % 2 == 1);
    long long n = keep > 0 ? std::atoll(digits.substr(0, static_cast<std::size_t>(keep)).c_str()) : 0;
    if (up) ++n;
    std::string text = std::to_string(n) + "e-" + std::to_string(places);
    double out = std::strtod(text.c_str(), nullptr);
    return v < 0 ? -out : out;
}

bool parseNumber(const std::string& s, double& out) {
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    if (b == e) return false;
    const char* first = s.data() + b;
    if (*first == '+') ++first;
    auto r = std::from_chars(first, s.data() + e, out);
    // from_chars also reads "inf" and "nan", which in Jet are texts like any other
    return r.ec == std::errc() && r.ptr == s.data() + e && std::isfinite(out);
}

std::string Value::toText() const {
    switch (kind()) {
    case Kind::Null: return {};
    case Kind::Integer: return std::to_string(std::get<std::int64_t>(data_));
    case Kind::Double: return formatNumber(std::get<double>(data_));
    case Kind::Text: return std::get<std::string>(data_);
    case Kind::Boolean: return std::get<BoolBox>(data_).v ? "True" : "False";
    }
    return {};
}

double Value::toDouble() const {
    switch (kind()) {
    case Kind::Integer: return static_cast<double>(std::get<std::int64_t>(data_));
    case Kind::Double: return std::get<double>(data_);
    case Kind::Boolean: return std::get<BoolBox>(data_).v ? -1.0 : 0.0;
    case Kind::Text: {
        double d = 0;
        return parseNumber(std::get<std::string>(data_), d) ? d : 0.0;
    }
    case Kind::Null: return 0.0;
    }
    return 0.0;
}

std::optional<std::int64_t> wholeNumber(double v) {
    const double r = std::nearbyint(v);  // the default rounding mode: halves to even
    // -2^63 is exact as a double, +2^63 is the first value beyond; NaN fails both comparisons.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) return std::nullopt;
    return static_cast<std::int64_t>(r);
}

std::int64_t Value::toInteger() const {
    if (kind() == Kind::Integer) return std::get<std::int64_t>(data_);
    const auto n = wholeNumber(toDouble());
    if (!n) throw Error(kOverflow);
    return *n;
}

bool Value::toBool() const {
    if (kind() == Kind::Text) return !std::get<std::string>(data_).empty();
    return toDouble() != 0.0;
}

}  // namespace jet

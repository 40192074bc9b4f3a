#include "value.h"

#include <charconv>
#include <cmath>
#include <cstring>

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

std::string formatNumber(double v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Inf" : "-Inf";
    if (v == 0) return "0";  // also folds -0
    char buf[64];
    // Whole numbers within the exact range print without exponent, as Jet shows them.
    if (std::fabs(v) < 1e15 && v == std::floor(v)) {
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v));
        return std::string(buf, r.ptr);
    }
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, r.ptr);
    auto e = s.find('e');
    if (e != std::string::npos) {  // 1e+20 -> 1E+20, the way VB writes exponents
        s[e] = 'E';
        if (s[e + 1] != '-' && s[e + 1] != '+') s.insert(e + 1, "+");
    }
    return s;
}

bool parseNumber(const std::string& s, double& out) {
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    if (b == e) return false;
    const char* first = s.data() + b;
    if (*first == '+') ++first;
    auto r = std::from_chars(first, s.data() + e, out);
    return r.ec == std::errc() && r.ptr == s.data() + e;
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

std::int64_t Value::toInteger() const {
    if (kind() == Kind::Integer) return std::get<std::int64_t>(data_);
    return static_cast<std::int64_t>(std::nearbyint(toDouble()));  // default rounding mode: halves to even
}

bool Value::toBool() const {
    if (kind() == Kind::Text) return !std::get<std::string>(data_).empty();
    return toDouble() != 0.0;
}

}  // namespace jet

#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace jet {

// One field value as Jet hands it over: Null, a whole number, a real number, a text or a Boolean.
// Texts are UTF-8.
class Value {
public:
    enum class Kind { Null, Integer, Double, Text, Boolean };

    Value() = default;
    static Value integer(std::int64_t v) { Value r; r.data_ = v; return r; }
    static Value real(double v) { Value r; r.data_ = v; return r; }
    static Value text(std::string v) { Value r; r.data_ = std::move(v); return r; }
    static Value boolean(bool v) { Value r; r.data_ = BoolBox{v}; return r; }

    Kind kind() const;
    bool isNull() const { return kind() == Kind::Null; }
    bool isNumber() const { return kind() == Kind::Integer || kind() == Kind::Double || kind() == Kind::Boolean; }

    // Jet's conversions. A Boolean is -1 or 0 as a number; Null becomes "" as text and 0 as a number.
    std::string toText() const;
    double toDouble() const;
    std::int64_t toInteger() const;  // rounds halves to even, as CLng does; jet::Error beyond 64 bits
    bool toBool() const;             // non-zero and non-empty

    // For the console and for messages: Booleans as True/False, numbers in their plain C-locale form.
    std::string display() const { return toText(); }

    bool operator==(const Value& o) const { return data_ == o.data_; }

private:
    struct BoolBox { bool v; bool operator==(const BoolBox& o) const { return v == o.v; } };
    std::variant<std::monostate, std::int64_t, double, std::string, BoolBox> data_;
};

// Significant digits Jet shows of a Double and of a Single.
inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

// A real number as Jet writes it as text: at most `digits` significant digits ("0.3" for 0.1 + 0.2, "3",
// "1E+20", "1E-05").
std::string formatNumber(double v, int digits = kDoubleDigits);

// A Single as the engine keeps it: the double nearest its 7 significant digits, so that 0.15 stored in a
// Single column is 0.15 and not the binary 0.150000006.
double toSingle(double v);

// `v` rounded to `places` decimals, reading it as the decimal Jet shows (15 significant digits), so that 2.675
// is a half. Halves go to the even neighbour (Round, CCur) or away from zero (Format).
double roundDecimal(double v, int places, bool halfToEven);

// The whole number nearest `v`, halves to even as CLng rounds; nothing for NaN, an infinity or a value beyond
// a 64-bit integer. Every conversion of a Double to an integer in the engine goes through here: a bare cast of
// such a value is undefined and, in integer division, a signal.
std::optional<std::int64_t> wholeNumber(double v);

// Reads a number in the C locale from the whole of `s` (blanks around allowed). False when `s` is not one.
bool parseNumber(const std::string& s, double& out);

}  // namespace jet

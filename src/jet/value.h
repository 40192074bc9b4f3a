#pragma once
#include <cstdint>
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
    std::int64_t toInteger() const;  // rounds halves to even, as CLng does
    bool toBool() const;             // non-zero and non-empty

    // For the console and for messages: Booleans as True/False, numbers in their plain C-locale form.
    std::string display() const { return toText(); }

    bool operator==(const Value& o) const { return data_ == o.data_; }

private:
    struct BoolBox { bool v; bool operator==(const BoolBox& o) const { return v == o.v; } };
    std::variant<std::monostate, std::int64_t, double, std::string, BoolBox> data_;
};

// A real number in its shortest form that reads back to the same value ("12.5", "3", "1E+20").
std::string formatNumber(double v);

// Reads a number in the C locale from the whole of `s` (blanks around allowed). False when `s` is not one.
bool parseNumber(const std::string& s, double& out);

}  // namespace jet

// Jet's operators and its number functions and conversions.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fn_impl.h"
#include "jet_date.h"
#include "sql_args.h"
#include "text.h"
#include "value.h"

namespace jet::fn {
namespace {

// The largest Currency, 922337203685477.5807, as a double.
constexpr double kCurrencyLimit = 922337203685477.5807;

// A Double result; Jet stops the statement where the value leaves a Double's range.
void resultReal(sqlite3_context* ctx, double r) {
    if (std::isfinite(r)) sqlite3_result_double(ctx, r);
    else resultError(ctx, kOverflow);
}

bool numbersOrNull(sqlite3_context* ctx, sqlite3_value** a, int n, Num* out) {
    for (int i = 0; i < n; ++i) {
        if (isNull(a[i])) { sqlite3_result_null(ctx); return false; }
    }
    for (int i = 0; i < n; ++i) {
        if (!argNumber(a[i], out[i])) { resultError(ctx, kTypeMismatch); return false; }
    }
    return true;
}

bool dateArg(sqlite3_value* v, DateTime& d) {
    return sqlite3_value_type(v) == SQLITE_TEXT && parseDateText(argText(v), d);
}

// What an operator gives: a value, or the message that stops the statement.
struct Outcome {
    Value value;
    const char* error = nullptr;
};

Outcome failed(const char* message) { return {Value(), message}; }
Outcome realOutcome(double r) { return std::isfinite(r) ? Outcome{Value::real(r)} : failed(kOverflow); }

bool dateValue(const Value& v, DateTime& d) { return v.kind() == Value::Kind::Text && parseDateText(v.toText(), d); }

// A date plus or minus days is a date, and the difference of two dates a number of days, as in Jet.
std::optional<Outcome> dateArith(char op, const Value& a, const Value& b) {
    DateTime x, y;
    const bool dx = dateValue(a, x), dy = dateValue(b, y);
    if (!dx && !dy) return std::nullopt;
    if (op == '-' && dx && dy) return Outcome{Value::real(toSerial(x) - toSerial(y))};
    if (dx == dy || (op == '-' && dy)) return std::nullopt;
    Num n;
    if (!valueNumber(dx ? b : a, n)) return std::nullopt;
    const std::optional<DateTime> r = fromSerial(toSerial(dx ? x : y) + (op == '-' ? -n.value() : n.value()));
    if (!r) return failed(kOverflow);
    return Outcome{Value::text(dateText(*r))};
}

Outcome joined(std::string a, const std::string& b) {
    if (a.size() + b.size() > kMaxTextBytes) return failed(kTextTooLong);
    a += b;
    return {Value::text(std::move(a))};
}

// The binary operators of Jet: + - * / \ Mod (as '%') ^ and &.
Outcome operate(char op, const Value& a, const Value& b) {
    if (op == '&') return a.isNull() && b.isNull() ? Outcome{} : joined(a.toText(), b.toText());
    if (a.isNull() || b.isNull()) return {};
    if (op == '+' || op == '-')
        if (std::optional<Outcome> d = dateArith(op, a, b)) return *d;
    if (op == '+' && a.kind() == Value::Kind::Text && b.kind() == Value::Kind::Text)
        return joined(a.toText(), b.toText());  // "+" on two texts joins them
    Num x, y;
    if (!valueNumber(a, x) || !valueNumber(b, y)) return failed(kTypeMismatch);
    switch (op) {
    case '+': case '-': case '*': {
        if (x.isInt && y.isInt) {
            std::int64_t r;
            bool over = op == '+' ? __builtin_add_overflow(x.i, y.i, &r)
                      : op == '-' ? __builtin_sub_overflow(x.i, y.i, &r)
                                  : __builtin_mul_overflow(x.i, y.i, &r);
            if (!over) return {Value::integer(r)};
        }
        return realOutcome(op == '+' ? x.value() + y.value() : op == '-' ? x.value() - y.value() : x.value() * y.value());
    }
    case '/':
        if (y.value() == 0) return failed("Divisão por zero.");
        return realOutcome(x.value() / y.value());
    case '\\': case '%': {
        // Integer division and Mod round their operands to whole numbers first, as VBA does.
        const std::optional<std::int64_t> ix = x.isInt ? x.i : wholeNumber(x.d), iy = y.isInt ? y.i : wholeNumber(y.d);
        if (!ix || !iy) return failed(kOverflow);
        if (*iy == 0) return failed("Divisão por zero.");
        // The one quotient beyond 64 bits: the processor stops the program on it rather than answer.
        if (*ix == INT64_MIN && *iy == -1) return failed(kOverflow);
        return {Value::integer(op == '\\' ? *ix / *iy : *ix % *iy)};
    }
    case '^': {
        const double r = std::pow(x.value(), y.value());
        if (std::isnan(r)) return failed(kInvalidArgument);  // a negative number to a fractional power
        return realOutcome(r);
    }
    }
    return failed(kInvalidArgument);
}

void answer(sqlite3_context* ctx, const Outcome& o) {
    if (o.error) { resultError(ctx, o.error); return; }
    switch (o.value.kind()) {
    case Value::Kind::Null: sqlite3_result_null(ctx); return;
    case Value::Kind::Integer: case Value::Kind::Boolean: sqlite3_result_int64(ctx, o.value.toInteger()); return;
    case Value::Kind::Double: sqlite3_result_double(ctx, o.value.toDouble()); return;
    case Value::Kind::Text: resultText(ctx, o.value.toText()); return;
    }
}

template <char Op>
void arith(sqlite3_context* ctx, sqlite3_value** a) {
    answer(ctx, operate(Op, argValue(a[0]), argValue(a[1])));
}

// The operator a chain names as it is printed ("+", "mod" ...).
char chainOperator(sqlite3_value* v) {
    const std::string t = argText(v);
    return t == "mod" ? '%' : t.size() == 1 ? t[0] : '?';
}

}  // namespace

void concat(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'&'>(ctx, a); }

void add(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'+'>(ctx, a); }
void subtract(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'-'>(ctx, a); }
void multiply(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'*'>(ctx, a); }
void divide(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'/'>(ctx, a); }
void intDivide(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'\\'>(ctx, a); }
void modulo(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'%'>(ctx, a); }
void power(sqlite3_context* ctx, int, sqlite3_value** a) { arith<'^'>(ctx, a); }

// chain(x0, op1, x1, op2, x2 ...): ((x0 op1 x1) op2 x2) ..., the left-associative chain the translator prints
// flat, since SQLite's parser takes only some thirty nested calls.
void chain(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    Outcome acc{argValue(a[0])};
    for (int i = 1; i + 1 < argc && !acc.error; i += 2) acc = operate(chainOperator(a[i]), acc.value, argValue(a[i + 1]));
    answer(ctx, acc);
}

void negate(sqlite3_context* ctx, int, sqlite3_value** a) {
    Num x;
    if (!numbersOrNull(ctx, a, 1, &x)) return;
    if (x.isInt && x.i != INT64_MIN) sqlite3_result_int64(ctx, -x.i);
    else sqlite3_result_double(ctx, -x.value());
}

// And, Or and Not work bit by bit on whole numbers, as in Jet; True (-1) and False (0) make them logical.
// Null And 0 is 0 and Null Or -1 is -1 whatever the Null stands for; otherwise Null stays Null.
void bitAnd(sqlite3_context* ctx, int, sqlite3_value** a) {
    std::int64_t x = 0, y = 0;
    const bool nx = isNull(a[0]), ny = isNull(a[1]);
    if ((!nx && !argInt(ctx, a[0], x)) || (!ny && !argInt(ctx, a[1], y))) return;
    if (nx || ny) {
        if ((nx && !ny && y == 0) || (ny && !nx && x == 0)) sqlite3_result_int64(ctx, 0);
        else sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, x & y);
}

void bitOr(sqlite3_context* ctx, int, sqlite3_value** a) {
    std::int64_t x = 0, y = 0;
    const bool nx = isNull(a[0]), ny = isNull(a[1]);
    if ((!nx && !argInt(ctx, a[0], x)) || (!ny && !argInt(ctx, a[1], y))) return;
    if (nx || ny) {
        if ((nx && !ny && y == -1) || (ny && !nx && x == -1)) sqlite3_result_int64(ctx, -1);
        else sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, x | y);
}

void bitNot(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::int64_t x;
    if (argInt(ctx, a[0], x)) sqlite3_result_int64(ctx, ~x);
}

void like(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1])) { sqlite3_result_null(ctx); return; }
    sqlite3_result_int(ctx, jetLike(argText(a[0]), argText(a[1])) ? 1 : 0);
}

namespace {

// "&H1F", "&O17" or "&17" in Val's text, `t` past the "&": a whole number that up to 16 bits is an Integer
// ("&HFFFF" is -1) and up to 32 a Long, as VBA reads them. False beyond 32 bits.
bool radixNumber(std::string_view t, double& out) {
    int base = 8;
    if (!t.empty() && (t[0] == 'H' || t[0] == 'h')) { base = 16; t.remove_prefix(1); }
    else if (!t.empty() && (t[0] == 'O' || t[0] == 'o')) t.remove_prefix(1);
    std::uint64_t v = 0;
    for (char c : t) {
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
        if (d >= base) break;
        v = v * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFu) return false;
    }
    out = v <= 0xFFFF ? static_cast<std::int16_t>(v) : static_cast<std::int32_t>(v);
    return true;
}

}  // namespace

// Val: the number at the start of a text, 0 when there is none. Blanks, tabs and line breaks anywhere are
// skipped; an exponent (E or D) counts, and "&H" / "&O" begin a hexadecimal or octal number.
void val(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { resultError(ctx, kInvalidNull); return; }
    std::string t;
    for (char c : argText(a[0]))
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') t += c;
    double r = 0;
    if (!t.empty() && t[0] == '&') {
        if (!radixNumber(std::string_view(t).substr(1), r)) { resultError(ctx, kOverflow); return; }
        resultReal(ctx, r);
        return;
    }
    std::size_t i = 0;
    auto digits = [&] { while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i; };
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    digits();
    if (i < t.size() && t[i] == '.') { ++i; digits(); }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t k = i + 1;
        if (k < t.size() && (t[k] == '-' || t[k] == '+')) ++k;
        if (k < t.size() && t[k] >= '0' && t[k] <= '9') {
            t[i] = 'e';
            i = k;
            digits();
        }
    }
    std::string number = t.substr(0, i);
    if (number.find_first_of("0123456789") == std::string::npos) number.clear();
    if (!number.empty() && number[0] == '+') number.erase(0, 1);
    if (!number.empty()) {
        // from_chars, unlike strtod, reads the point whatever the program's locale
        auto res = std::from_chars(number.data(), number.data() + number.size(), r);
        if (res.ec == std::errc::result_out_of_range && number.find("e-") == std::string::npos) {
            resultError(ctx, kOverflow);
            return;
        }
        if (res.ec != std::errc()) r = 0;  // below a Double's range, or no number at all
    }
    resultReal(ctx, r);
}

// IsNumeric: a number, or a text that reads as one (Val's forms, written whole); a date is not.
void isnumeric(sqlite3_context* ctx, int, sqlite3_value** a) {
    bool numeric = false;
    switch (sqlite3_value_type(a[0])) {
    case SQLITE_INTEGER: case SQLITE_FLOAT: numeric = true; break;
    case SQLITE_TEXT: {
        std::string t = argText(a[0]);
        double d;
        std::size_t b = t.find_first_not_of(' '), e = t.find_last_not_of(' ');
        t = b == std::string::npos ? std::string() : t.substr(b, e - b + 1);
        if (t.size() > 1 && t[0] == '&') {
            const std::size_t from = t[1] == 'H' || t[1] == 'h' || t[1] == 'O' || t[1] == 'o' ? 2 : 1;
            const bool hex = from == 2 && (t[1] == 'H' || t[1] == 'h');
            numeric = t.size() > from && t.find_first_not_of(hex ? "0123456789abcdefABCDEF" : "01234567", from) == std::string::npos &&
                      radixNumber(std::string_view(t).substr(1), d);
        } else {
            for (char& c : t) if (c == 'd' || c == 'D') c = 'e';
            numeric = t.find_first_of("0123456789") != std::string::npos && t.find_first_of("xXpPnN") == std::string::npos &&
                      parseNumber(t, d);
        }
        break;
    }
    default: break;
    }
    sqlite3_result_int(ctx, numeric ? 1 : 0);
}

void sqr(sqlite3_context* ctx, int, sqlite3_value** a) {
    Num x;
    if (!numbersOrNull(ctx, a, 1, &x)) return;
    if (x.value() < 0) { resultError(ctx, kInvalidArgument); return; }
    sqlite3_result_double(ctx, std::sqrt(x.value()));
}

namespace {

// CByte, CInt, CLng: halves to even, and an error outside the type's range.
void toWhole(sqlite3_context* ctx, sqlite3_value* v, std::int64_t lo, std::int64_t hi) {
    std::int64_t n;
    if (!argInt(ctx, v, n)) return;
    if (n < lo || n > hi) { resultError(ctx, kOverflow); return; }
    sqlite3_result_int64(ctx, n);
}

}  // namespace

void clng(sqlite3_context* ctx, int, sqlite3_value** a) { toWhole(ctx, a[0], INT32_MIN, INT32_MAX); }
void cint(sqlite3_context* ctx, int, sqlite3_value** a) { toWhole(ctx, a[0], INT16_MIN, INT16_MAX); }
void cbyte(sqlite3_context* ctx, int, sqlite3_value** a) { toWhole(ctx, a[0], 0, 255); }

void cdbl(sqlite3_context* ctx, int, sqlite3_value** a) {
    double d;
    if (argReal(ctx, a[0], d)) sqlite3_result_double(ctx, d);
}

void csng(sqlite3_context* ctx, int, sqlite3_value** a) {
    double d;
    if (!argReal(ctx, a[0], d)) return;
    if (std::fabs(d) > 3.402823466e38) { resultError(ctx, kOverflow); return; }
    sqlite3_result_double(ctx, toSingle(d));
}

void ccur(sqlite3_context* ctx, int, sqlite3_value** a) {
    double d;
    if (!argReal(ctx, a[0], d)) return;
    if (std::fabs(d) > kCurrencyLimit) { resultError(ctx, kOverflow); return; }
    sqlite3_result_double(ctx, roundDecimal(d, 4, true));
}

// 1 or 0 here: the translator turns it into Jet's -1 / 0 like any other condition.
void cbool(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { resultError(ctx, kInvalidNull); return; }
    if (sqlite3_value_type(a[0]) == SQLITE_TEXT) {
        std::string t = lowerCase(argText(a[0]));
        if (t == "true" || t == "false") { sqlite3_result_int(ctx, t == "true"); return; }
    }
    double d;
    if (argReal(ctx, a[0], d)) sqlite3_result_int(ctx, d != 0);
}

namespace {

// Int and Fix of a date are the date at its serial's whole part (so Int of 29 December 1899, 6 a.m., whose
// serial is -1.25, is 28 December).
bool wholeDate(sqlite3_context* ctx, sqlite3_value* v, double (*whole)(double)) {
    DateTime d;
    if (!dateArg(v, d)) return false;
    const std::optional<DateTime> r = fromSerial(whole(toSerial(d)));
    if (r) resultText(ctx, dateText(*r));
    else resultError(ctx, kOverflow);
    return true;
}

double floorOf(double v) { return std::floor(v); }
double truncOf(double v) { return std::trunc(v); }

}  // namespace

void intPart(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (wholeDate(ctx, a[0], floorOf)) return;
    Num x;
    if (numbersOrNull(ctx, a, 1, &x)) resultNumber(ctx, std::floor(x.value()), x.isInt || sqlite3_value_type(a[0]) == SQLITE_INTEGER);
}

void fix(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (wholeDate(ctx, a[0], truncOf)) return;
    Num x;
    if (numbersOrNull(ctx, a, 1, &x)) resultNumber(ctx, std::trunc(x.value()), x.isInt);
}

void abs(sqlite3_context* ctx, int, sqlite3_value** a) {
    Num x;
    if (!numbersOrNull(ctx, a, 1, &x)) return;
    if (x.isInt && x.i != INT64_MIN) sqlite3_result_int64(ctx, x.i < 0 ? -x.i : x.i);
    else sqlite3_result_double(ctx, std::fabs(x.value()));
}

void sgn(sqlite3_context* ctx, int, sqlite3_value** a) {
    Num x;
    if (numbersOrNull(ctx, a, 1, &x)) sqlite3_result_int(ctx, x.value() > 0 ? 1 : x.value() < 0 ? -1 : 0);
}

// Round(x[, places]): halves to the even neighbour, as Jet's Round does.
void round(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::int64_t places = 0;
    if (argc > 1 && !argInt(ctx, a[1], places)) return;
    if (places < 0 || places > 22) { resultError(ctx, kInvalidArgument); return; }
    Num x;
    if (!argNumber(a[0], x)) { resultError(ctx, kTypeMismatch); return; }
    if (x.isInt && sqlite3_value_type(a[0]) == SQLITE_INTEGER) { sqlite3_result_int64(ctx, x.i); return; }
    sqlite3_result_double(ctx, roundDecimal(x.value(), static_cast<int>(places), true));
}

namespace {

// Hex and Oct write a negative number in two's complement, 16 bits wide when it fits an Integer, else 32.
void radix(sqlite3_context* ctx, sqlite3_value* v, int base) {
    if (isNull(v)) { sqlite3_result_null(ctx); return; }
    std::int64_t n;
    if (!argInt(ctx, v, n)) return;
    if (n < INT32_MIN || n > INT32_MAX) { resultError(ctx, kOverflow); return; }
    std::uint64_t u = n >= 0 ? static_cast<std::uint64_t>(n)
                    : n >= INT16_MIN ? static_cast<std::uint64_t>(n) & 0xFFFFu
                                     : static_cast<std::uint64_t>(n) & 0xFFFFFFFFu;
    std::string s;
    do {
        s.insert(s.begin(), "0123456789ABCDEF"[u % static_cast<unsigned>(base)]);
        u /= static_cast<unsigned>(base);
    } while (u);
    resultText(ctx, s);
}

}  // namespace

void hex(sqlite3_context* ctx, int, sqlite3_value** a) { radix(ctx, a[0], 16); }
void oct(sqlite3_context* ctx, int, sqlite3_value** a) { radix(ctx, a[0], 8); }

// Str: the number's text with a blank where a positive number's sign would be.
void str(sqlite3_context* ctx, int, sqlite3_value** a) {
    Num x;
    if (!numbersOrNull(ctx, a, 1, &x)) return;
    std::string s = x.isInt ? std::to_string(x.i) : formatNumber(x.d);
    resultText(ctx, s[0] == '-' ? s : " " + s);
}

// A subquery used as a value: `rows` is how many rows it gave, `v` the first one's value.
void onlyRow(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (sqlite3_value_int64(a[0]) > 1) {
        resultError(ctx, "No máximo um registro pode ser retornado por esta subconsulta.");
        return;
    }
    sqlite3_result_value(ctx, a[1]);
}

// ---- Sum and Avg ----

namespace {

// Whole numbers add exactly. Values with at most four decimals (every Currency value, most typed amounts)
// add exactly as ten-thousandths, so that the Freight of every order totals 64942.69 and not
// 64942.69000000006; anything else adds as doubles with compensation for the lost low bits.
struct Sum {
    std::int64_t count = 0;
    bool whole = true, scaled = true;
    std::int64_t wholeSum = 0, scaledSum = 0;
    double sum = 0, lost = 0;
};

void addScaled(Sum& s, double v) {
    if (!s.scaled) return;
    double t = v * 10000;
    double r = std::nearbyint(t);
    std::int64_t n;
    if (!(std::fabs(t) < 9e15) || r / 10000 != v || __builtin_add_overflow(s.scaledSum, *wholeNumber(r), &n)) {
        s.scaled = false;
        return;
    }
    s.scaledSum = n;
}

}  // namespace

void sumStep(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) return;
    auto* s = static_cast<Sum*>(sqlite3_aggregate_context(ctx, sizeof(Sum)));
    if (!s) { sqlite3_result_error_nomem(ctx); return; }
    if (s->count == 0) *s = Sum{};
    Num x;
    if (!argNumber(a[0], x)) { resultError(ctx, kTypeMismatch); return; }
    ++s->count;
    if (s->whole && !(x.isInt && sqlite3_value_type(a[0]) == SQLITE_INTEGER && !__builtin_add_overflow(s->wholeSum, x.i, &s->wholeSum)))
        s->whole = false;
    addScaled(*s, x.value());
    // Neumaier's compensated sum
    double v = x.value(), t = s->sum + v;
    s->lost += std::fabs(s->sum) >= std::fabs(v) ? (s->sum - t) + v : (v - t) + s->sum;
    s->sum = t;
}

namespace {

double total(const Sum& s) {
    if (s.scaled && std::fabs(static_cast<double>(s.scaledSum)) < 9e15) return static_cast<double>(s.scaledSum) / 10000;
    return s.sum + s.lost;
}

}  // namespace

void sumFinal(sqlite3_context* ctx) {
    auto* s = static_cast<Sum*>(sqlite3_aggregate_context(ctx, 0));
    if (!s || s->count == 0) { sqlite3_result_null(ctx); return; }
    if (s->whole) sqlite3_result_int64(ctx, s->wholeSum);
    else resultReal(ctx, total(*s));  // a total beyond a Double stops the statement, as in Jet
}

void avgFinal(sqlite3_context* ctx) {
    auto* s = static_cast<Sum*>(sqlite3_aggregate_context(ctx, 0));
    if (!s || s->count == 0) { sqlite3_result_null(ctx); return; }
    const double n = static_cast<double>(s->count);
    if (s->whole) sqlite3_result_double(ctx, static_cast<double>(s->wholeSum) / n);
    else if (s->scaled && std::fabs(static_cast<double>(s->scaledSum)) < 9e15) sqlite3_result_double(ctx, static_cast<double>(s->scaledSum) / (10000 * n));
    else resultReal(ctx, (s->sum + s->lost) / n);  // Jet adds first: a total beyond a Double is an overflow
}

}  // namespace jet::fn

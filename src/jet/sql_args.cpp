#include "sql_args.h"

#include <cmath>

#include "jet_date.h"
#include "value.h"

namespace jet {

std::string argText(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return std::to_string(sqlite3_value_int64(v));
    case SQLITE_FLOAT: return formatNumber(sqlite3_value_double(v));
    case SQLITE_NULL: return {};
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return p ? std::string(p, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string();
    }
    }
}

Value argValue(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return Value::integer(sqlite3_value_int64(v));
    case SQLITE_FLOAT: return Value::real(sqlite3_value_double(v));
    case SQLITE_NULL: return Value();
    default: return Value::text(argText(v));
    }
}

bool valueNumber(const Value& v, Num& out) {
    switch (v.kind()) {
    case Value::Kind::Integer: case Value::Kind::Boolean:
        out = {true, v.toInteger(), 0};
        out.d = static_cast<double>(out.i);
        return true;
    case Value::Kind::Double: out = {false, 0, v.toDouble()}; return true;
    case Value::Kind::Text: {
        double d;
        DateTime date;
        const std::string& t = v.toText();
        if (parseDateText(t, date)) d = toSerial(date);  // a date counts as its serial, as in Jet
        else if (!parseNumber(t, d)) return false;
        out = {false, 0, d};
        if (d == std::floor(d) && std::fabs(d) < 9e15) { out.isInt = true; out.i = *wholeNumber(d); }
        return true;
    }
    case Value::Kind::Null: return false;
    }
    return false;
}

bool argNumber(sqlite3_value* v, Num& out) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: out = {true, sqlite3_value_int64(v), 0}; out.d = static_cast<double>(out.i); return true;
    case SQLITE_FLOAT: out = {false, 0, sqlite3_value_double(v)}; return true;
    case SQLITE_TEXT: return valueNumber(Value::text(argText(v)), out);
    default: return false;
    }
}

bool argInt(sqlite3_context* ctx, sqlite3_value* v, std::int64_t& out) {
    Num n;
    if (!argNumber(v, n)) {
        resultError(ctx, isNull(v) ? kInvalidNull : kTypeMismatch);
        return false;
    }
    if (n.isInt) { out = n.i; return true; }
    const auto whole = wholeNumber(n.d);
    if (!whole) { resultError(ctx, kOverflow); return false; }
    out = *whole;
    return true;
}

bool argReal(sqlite3_context* ctx, sqlite3_value* v, double& out) {
    Num n;
    if (!argNumber(v, n)) {
        resultError(ctx, isNull(v) ? kInvalidNull : kTypeMismatch);
        return false;
    }
    out = n.value();
    return true;
}

void resultError(sqlite3_context* ctx, const char* message) {
    const std::string marked = kEngineMessageMark + std::string(message);
    sqlite3_result_error(ctx, marked.c_str(), static_cast<int>(marked.size()));
}

void resultText(sqlite3_context* ctx, const std::string& s) {
    if (s.size() > kMaxTextBytes) { resultError(ctx, kTextTooLong); return; }
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void resultNumber(sqlite3_context* ctx, double v, bool wasInt) {
    if (wasInt && std::fabs(v) < 9e15) sqlite3_result_int64(ctx, *wholeNumber(v));
    else sqlite3_result_double(ctx, v);
}

}  // namespace jet

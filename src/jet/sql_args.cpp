#include "sql_args.h"

#include <cmath>

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

bool argNumber(sqlite3_value* v, Num& out) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: out = {true, sqlite3_value_int64(v), 0}; out.d = static_cast<double>(out.i); return true;
    case SQLITE_FLOAT: out = {false, 0, sqlite3_value_double(v)}; return true;
    case SQLITE_TEXT: {
        double d;
        if (!parseNumber(argText(v), d)) return false;
        out = {false, 0, d};
        if (d == std::floor(d) && std::fabs(d) < 9e15) { out.isInt = true; out.i = static_cast<std::int64_t>(d); }
        return true;
    }
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
    if (!(std::fabs(n.d) < 9.2e18)) { resultError(ctx, kOverflow); return false; }
    out = static_cast<std::int64_t>(std::nearbyint(n.d));
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

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void resultNumber(sqlite3_context* ctx, double v, bool wasInt) {
    if (wasInt && std::fabs(v) < 9e15) sqlite3_result_int64(ctx, static_cast<std::int64_t>(v));
    else sqlite3_result_double(ctx, v);
}

}  // namespace jet

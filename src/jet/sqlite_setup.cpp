#include "sqlite_setup.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "error.h"
#include "text.h"
#include "value.h"

namespace jet {
namespace {

// ---- reading arguments the way Jet converts them ----

bool isNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

std::string argText(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return std::to_string(sqlite3_value_int64(v));
    case SQLITE_FLOAT: return formatNumber(sqlite3_value_double(v));
    case SQLITE_NULL: return {};
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
        return p ? std::string(p, sqlite3_value_bytes(v)) : std::string();
    }
    }
}

// A number argument: true with `isInt` telling whether it is whole. Texts that read as numbers count,
// as Jet converts "12" to 12 in arithmetic; any other text is a type mismatch.
struct Num { bool isInt; std::int64_t i; double d; };

const char* kTypeMismatch = "Tipos incompatíveis na expressão.";
const char* kInvalidArgument = "Chamada de procedimento ou argumento inválido.";

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

void resultText(sqlite3_context* ctx, const std::string& s) {
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

std::int64_t argInt(sqlite3_context* ctx, sqlite3_value* v, bool& ok) {
    Num n;
    ok = argNumber(v, n);
    if (!ok) { sqlite3_result_error(ctx, kTypeMismatch, -1); return 0; }
    return n.isInt ? n.i : static_cast<std::int64_t>(std::nearbyint(n.d));
}

// ---- the collation ----

int collate(void* rules, int na, const void* a, int nb, const void* b) {
    return static_cast<TextRules*>(rules)->compare(std::string_view(static_cast<const char*>(a), na),
                                                   std::string_view(static_cast<const char*>(b), nb));
}

void destroyRules(void* rules) { delete static_cast<TextRules*>(rules); }

// ---- operators ----

// "&": joins texts; Null counts as an empty text.
void fnConcat(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) && isNull(a[1])) { sqlite3_result_null(ctx); return; }
    resultText(ctx, argText(a[0]) + argText(a[1]));
}

template <char Op>
void fnArith(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1])) { sqlite3_result_null(ctx); return; }
    if (Op == '+' && sqlite3_value_type(a[0]) == SQLITE_TEXT && sqlite3_value_type(a[1]) == SQLITE_TEXT) {
        resultText(ctx, argText(a[0]) + argText(a[1]));  // "+" on two texts joins them
        return;
    }
    Num x, y;
    if (!argNumber(a[0], x) || !argNumber(a[1], y)) { sqlite3_result_error(ctx, kTypeMismatch, -1); return; }
    const bool ints = x.isInt && y.isInt;
    switch (Op) {
    case '+': case '-': case '*': {
        if (ints) {
            std::int64_t r;
            bool over = Op == '+' ? __builtin_add_overflow(x.i, y.i, &r)
                      : Op == '-' ? __builtin_sub_overflow(x.i, y.i, &r)
                                  : __builtin_mul_overflow(x.i, y.i, &r);
            if (!over) { sqlite3_result_int64(ctx, r); return; }
        }
        double r = Op == '+' ? x.d + y.d : Op == '-' ? x.d - y.d : x.d * y.d;
        if (x.isInt) r = Op == '+' ? static_cast<double>(x.i) + y.d : Op == '-' ? static_cast<double>(x.i) - y.d : static_cast<double>(x.i) * y.d;
        sqlite3_result_double(ctx, r);
        return;
    }
    case '/': {
        double dx = x.isInt ? static_cast<double>(x.i) : x.d, dy = y.isInt ? static_cast<double>(y.i) : y.d;
        if (dy == 0) { sqlite3_result_error(ctx, "Divisão por zero.", -1); return; }
        sqlite3_result_double(ctx, dx / dy);
        return;
    }
    case '\\': case '%': {
        // Integer division and Mod round their operands to whole numbers first, as VBA does.
        std::int64_t ix = x.isInt ? x.i : static_cast<std::int64_t>(std::nearbyint(x.d));
        std::int64_t iy = y.isInt ? y.i : static_cast<std::int64_t>(std::nearbyint(y.d));
        if (iy == 0) { sqlite3_result_error(ctx, "Divisão por zero.", -1); return; }
        sqlite3_result_int64(ctx, Op == '\\' ? ix / iy : ix % iy);
        return;
    }
    case '^': {
        double dx = x.isInt ? static_cast<double>(x.i) : x.d, dy = y.isInt ? static_cast<double>(y.i) : y.d;
        sqlite3_result_double(ctx, std::pow(dx, dy));
        return;
    }
    }
}

void fnNeg(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    Num x;
    if (!argNumber(a[0], x)) { sqlite3_result_error(ctx, kTypeMismatch, -1); return; }
    if (x.isInt && x.i != INT64_MIN) sqlite3_result_int64(ctx, -x.i);
    else sqlite3_result_double(ctx, -x.d);
}

void fnLike(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1])) { sqlite3_result_null(ctx); return; }
    sqlite3_result_int(ctx, jetLike(argText(a[0]), argText(a[1])) ? 1 : 0);
}

// ---- text functions ----

template <bool Upper>
void fnCase(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    resultText(ctx, Upper ? upperCase(argText(a[0])) : lowerCase(argText(a[0])));
}

// Left (L), Right (R).
template <char Side>
void fnSide(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    bool ok;
    std::int64_t n = argInt(ctx, a[1], ok);
    if (!ok) return;
    if (n < 0) { sqlite3_result_error(ctx, kInvalidArgument, -1); return; }
    std::u32string s = toUtf32(argText(a[0]));
    std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(n), s.size());
    resultText(ctx, toUtf8(Side == 'L' ? s.substr(0, k) : s.substr(s.size() - k)));
}

void fnMid(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    bool ok;
    std::int64_t start = argInt(ctx, a[1], ok);
    if (!ok) return;
    std::int64_t len = INT64_MAX;
    if (argc > 2) {
        len = argInt(ctx, a[2], ok);
        if (!ok) return;
    }
    if (start < 1 || len < 0) { sqlite3_result_error(ctx, kInvalidArgument, -1); return; }
    std::u32string s = toUtf32(argText(a[0]));
    if (static_cast<std::uint64_t>(start) > s.size()) { resultText(ctx, ""); return; }
    resultText(ctx, toUtf8(s.substr(static_cast<std::size_t>(start - 1),
                                    static_cast<std::size_t>(std::min<std::int64_t>(len, static_cast<std::int64_t>(s.size()))))));
}

// Trim (B), LTrim (L), RTrim (R): Jet removes blanks only, not tabs or line breaks.
template <char Side>
void fnTrim(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::string s = argText(a[0]);
    std::size_t b = 0, e = s.size();
    if (Side != 'R') while (b < e && s[b] == ' ') ++b;
    if (Side != 'L') while (e > b && s[e - 1] == ' ') --e;
    resultText(ctx, s.substr(b, e - b));
}

void fnLen(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(toUtf32(argText(a[0])).size()));
}

// CStr of Null would stop the whole statement in Jet; a Null result lets "&" carry on with an empty text.
void fnCStr(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    resultText(ctx, argText(a[0]));
}

void fnSpace(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    bool ok;
    std::int64_t n = argInt(ctx, a[0], ok);
    if (!ok) return;
    if (n < 0 || n > 1'000'000) { sqlite3_result_error(ctx, kInvalidArgument, -1); return; }
    resultText(ctx, std::string(static_cast<std::size_t>(n), ' '));
}

// InStr([start,] text, sought): 1-based position, 0 when absent; letters compare ignoring case.
void fnInStr(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    std::int64_t start = 1;
    int i = 0;
    if (argc == 3) {
        if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
        bool ok;
        start = argInt(ctx, a[0], ok);
        if (!ok) return;
        if (start < 1) { sqlite3_result_error(ctx, kInvalidArgument, -1); return; }
        i = 1;
    }
    if (isNull(a[i]) || isNull(a[i + 1])) { sqlite3_result_null(ctx); return; }
    std::u32string s = toUtf32(argText(a[i])), t = toUtf32(argText(a[i + 1]));
    for (auto& c : s) c = foldCase(c);
    for (auto& c : t) c = foldCase(c);
    if (static_cast<std::uint64_t>(start) > s.size() + 1) { sqlite3_result_int(ctx, 0); return; }
    auto pos = s.find(t, static_cast<std::size_t>(start - 1));
    sqlite3_result_int64(ctx, pos == std::u32string::npos ? 0 : static_cast<std::int64_t>(pos) + 1);
}

// Val: the number at the start of a text, 0 when there is none.
void fnVal(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_error(ctx, "Uso inválido de Null.", -1); return; }
    std::string s = argText(a[0]);
    std::string digits;
    for (char c : s) {
        if (c == ' ' || c == '\t') continue;
        if ((c >= '0' && c <= '9') || c == '.' || ((c == '-' || c == '+') && digits.empty())) digits += c;
        else break;
    }
    sqlite3_result_double(ctx, std::strtod(digits.c_str(), nullptr));
}

template <char Kind>  // 'L' CLng / CInt, 'D' CDbl
void fnConvert(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_error(ctx, "Uso inválido de Null.", -1); return; }
    Num x;
    if (!argNumber(a[0], x)) { sqlite3_result_error(ctx, kTypeMismatch, -1); return; }
    if (Kind == 'D') sqlite3_result_double(ctx, x.isInt ? static_cast<double>(x.i) : x.d);
    else sqlite3_result_int64(ctx, x.isInt ? x.i : static_cast<std::int64_t>(std::nearbyint(x.d)));
}

void fnInt(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    Num x;
    if (!argNumber(a[0], x)) { sqlite3_result_error(ctx, kTypeMismatch, -1); return; }
    if (x.isInt) sqlite3_result_int64(ctx, x.i);
    else sqlite3_result_double(ctx, std::floor(x.d));
}

void fnAbs(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    Num x;
    if (!argNumber(a[0], x)) { sqlite3_result_error(ctx, kTypeMismatch, -1); return; }
    if (x.isInt && x.i != INT64_MIN) sqlite3_result_int64(ctx, x.i < 0 ? -x.i : x.i);
    else sqlite3_result_double(ctx, std::fabs(x.d));
}

// Chr: the character of a code (0 to 255 as Windows-1252 reads them, above that as Unicode).
void fnChr(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_error(ctx, "Uso inválido de Null.", -1); return; }
    bool ok;
    std::int64_t n = argInt(ctx, a[0], ok);
    if (!ok) return;
    static const char32_t k1252[32] = {0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160,
                                       0x2039, 0x152, 0x8D, 0x17D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                       0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178};
    if (n < 0 || n > 0x10FFFF) { sqlite3_result_error(ctx, kInvalidArgument, -1); return; }
    char32_t c = n >= 0x80 && n < 0xA0 ? k1252[n - 0x80] : static_cast<char32_t>(n);
    resultText(ctx, toUtf8(std::u32string(1, c)));
}

void fnAsc(sqlite3_context* ctx, int, sqlite3_value** a) {
    std::u32string s = toUtf32(argText(a[0]));
    if (isNull(a[0]) || s.empty()) { sqlite3_result_error(ctx, kInvalidArgument, -1); return; }
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(s[0]));
}

struct Fn { const char* name; int argc; void (*f)(sqlite3_context*, int, sqlite3_value**); };

const Fn kFunctions[] = {
    {"jet_concat", 2, fnConcat},   {"jet_add", 2, fnArith<'+'>},  {"jet_sub", 2, fnArith<'-'>},
    {"jet_mul", 2, fnArith<'*'>},  {"jet_div", 2, fnArith<'/'>},  {"jet_idiv", 2, fnArith<'\\'>},
    {"jet_mod", 2, fnArith<'%'>},  {"jet_pow", 2, fnArith<'^'>},  {"jet_neg", 1, fnNeg},
    {"jet_like", 2, fnLike},       {"jet_ucase", 1, fnCase<true>}, {"jet_lcase", 1, fnCase<false>},
    {"jet_left", 2, fnSide<'L'>},  {"jet_right", 2, fnSide<'R'>}, {"jet_mid", 2, fnMid},
    {"jet_mid", 3, fnMid},         {"jet_trim", 1, fnTrim<'B'>},  {"jet_ltrim", 1, fnTrim<'L'>},
    {"jet_rtrim", 1, fnTrim<'R'>}, {"jet_len", 1, fnLen},         {"jet_cstr", 1, fnCStr},
    {"jet_space", 1, fnSpace},     {"jet_instr", 2, fnInStr},     {"jet_instr", 3, fnInStr},
    {"jet_val", 1, fnVal},         {"jet_clng", 1, fnConvert<'L'>}, {"jet_cint", 1, fnConvert<'L'>},
    {"jet_cdbl", 1, fnConvert<'D'>}, {"jet_int", 1, fnInt},       {"jet_abs", 1, fnAbs},
    {"jet_chr", 1, fnChr},         {"jet_asc", 1, fnAsc},
};

}  // namespace

void registerJetSqlite(sqlite3* db) {
    // A double-quoted name that matches no column must be an error, not silently a text: translated
    // statements quote every name that way.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    auto* rules = new TextRules();
    if (sqlite3_create_collation_v2(db, kCollation, SQLITE_UTF8, rules, collate, destroyRules) != SQLITE_OK) {
        delete rules;
        throw Error(std::string("Não foi possível registrar a comparação de textos: ") + sqlite3_errmsg(db));
    }
    for (const Fn& f : kFunctions) {
        if (sqlite3_create_function_v2(db, f.name, f.argc, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, f.f, nullptr,
                                       nullptr, nullptr) != SQLITE_OK)
            throw Error(std::string("Não foi possível registrar a função ") + f.name + ": " + sqlite3_errmsg(db));
    }
}

}  // namespace jet

#include "functions.h"

#include <algorithm>
#include <array>
#include <string>

#include "fn_impl.h"

namespace jet {
namespace {

using namespace fn;

constexpr JetFunction scalar(const char* jet, const char* sql, int minArgs, int maxArgs, SqlFunction f) {
    return {jet, sql, minArgs, maxArgs, f, nullptr, nullptr, true, false};
}
constexpr JetFunction inlined(const char* jet, int minArgs, int maxArgs) {
    return {jet, nullptr, minArgs, maxArgs, nullptr, nullptr, nullptr, true, false};
}
constexpr JetFunction aggregate(const char* jet, const char* sql, SqlFunction step, SqlFinal final) {
    return {jet, sql, 1, 1, nullptr, step, final, true, true};
}
constexpr JetFunction clock(const char* jet, const char* sql, SqlFunction f) {
    return {jet, sql, 0, 0, f, nullptr, nullptr, false, false};
}

const JetFunction kList[] = {
    // operators
    scalar("&", "jet_concat", 2, 2, concat),       scalar("+", "jet_add", 2, 2, add),
    scalar("-", "jet_sub", 2, 2, subtract),        scalar("*", "jet_mul", 2, 2, multiply),
    scalar("/", "jet_div", 2, 2, divide),          scalar("\\", "jet_idiv", 2, 2, intDivide),
    scalar("mod", "jet_mod", 2, 2, modulo),        scalar("^", "jet_pow", 2, 2, power),
    scalar("neg", "jet_neg", 1, 1, negate),        scalar("and", "jet_and", 2, 2, bitAnd),
    scalar("or", "jet_or", 2, 2, bitOr),           scalar("not", "jet_not", 1, 1, bitNot),
    scalar("like", "jet_like", 2, 2, like),
    // texts
    scalar("ucase", "jet_ucase", 1, 1, ucase),     scalar("lcase", "jet_lcase", 1, 1, lcase),
    scalar("left", "jet_left", 2, 2, left),        scalar("right", "jet_right", 2, 2, right),
    scalar("mid", "jet_mid", 2, 3, mid),           scalar("trim", "jet_trim", 1, 1, trim),
    scalar("ltrim", "jet_ltrim", 1, 1, ltrim),     scalar("rtrim", "jet_rtrim", 1, 1, rtrim),
    scalar("len", "jet_len", 1, 1, len),           scalar("cstr", "jet_cstr", 1, 1, cstr),
    scalar("space", "jet_space", 1, 1, space),     scalar("instr", "jet_instr", 2, 3, instr),
    scalar("chr", "jet_chr", 1, 1, chr),           scalar("asc", "jet_asc", 1, 1, asc),
    scalar("replace", "jet_replace", 3, 6, replace), scalar("strcomp", "jet_strcomp", 2, 3, strcomp),
    scalar("strreverse", "jet_strreverse", 1, 1, strreverse), scalar("format", "jet_format", 1, 2, format),
    scalar("str", "jet_str", 1, 1, str),           scalar("string", "jet_string", 2, 2, string),
    // numbers and conversions
    scalar("val", "jet_val", 1, 1, val),           scalar("clng", "jet_clng", 1, 1, clng),
    scalar("cint", "jet_cint", 1, 1, cint),        scalar("cbyte", "jet_cbyte", 1, 1, cbyte),
    scalar("cdbl", "jet_cdbl", 1, 1, cdbl),        scalar("csng", "jet_csng", 1, 1, csng),
    scalar("ccur", "jet_ccur", 1, 1, ccur),        scalar("cbool", "jet_cbool", 1, 1, cbool),
    scalar("int", "jet_int", 1, 1, intPart),       scalar("fix", "jet_fix", 1, 1, fix),
    scalar("abs", "jet_abs", 1, 1, abs),           scalar("sgn", "jet_sgn", 1, 1, sgn),
    scalar("round", "jet_round", 1, 2, round),     scalar("hex", "jet_hex", 1, 1, hex),
    scalar("oct", "jet_oct", 1, 1, oct),           scalar("sqr", "jet_sqr", 1, 1, sqr),
    scalar("isnumeric", "jet_isnumeric", 1, 1, isnumeric),
    // dates
    scalar("year", "jet_year", 1, 1, year),        scalar("month", "jet_month", 1, 1, month),
    scalar("day", "jet_day", 1, 1, day),           scalar("weekday", "jet_weekday", 1, 2, weekday),
    clock("date", "jet_date", date),               clock("now", "jet_now", now),
    clock("time", "jet_time", time),               scalar("dateadd", "jet_dateadd", 3, 3, dateadd),
    scalar("datediff", "jet_datediff", 3, 5, datediff), scalar("datepart", "jet_datepart", 2, 4, datepart),
    scalar("dateserial", "jet_dateserial", 3, 3, dateserial), scalar("cdate", "jet_cdate", 1, 1, cdate),
    scalar("isdate", "jet_isdate", 1, 1, isdate),
    // written out by the translator
    inlined("iif", 3, 3),                          inlined("nz", 1, 2),
    inlined("switch", 2, kAnyCount),               inlined("choose", 2, kAnyCount),
    inlined("isnull", 1, 1),
    // aggregates
    aggregate("count", "count", nullptr, nullptr), aggregate("min", "min", nullptr, nullptr),
    aggregate("max", "max", nullptr, nullptr),     aggregate("sum", "jet_sum", sumStep, sumFinal),
    aggregate("avg", "jet_avg", sumStep, avgFinal),
    // the check that a subquery used as a value gives at most one row
    scalar("", "jet_only_row", 2, 2, onlyRow),
    // a left-associative chain of operators, printed flat
    scalar("chain", "jet_chain", 3, kAnyCount, chain),
};

// SQLite's own functions that translations write: Nz, and Top's ranking inside subqueries.
constexpr std::array<std::string_view, 4> kSqliteFunctions = {"coalesce", "rank", "row_number", "count"};

}  // namespace

std::span<const JetFunction> jetFunctions() { return kList; }

const JetFunction* findJetFunction(std::string_view jet) {
    if (jet.empty()) return nullptr;
    for (const JetFunction& f : kList)
        if (jet == f.jet) return &f;
    return nullptr;
}

bool allowedSqlFunction(std::string_view sql) {
    std::string lower(sql);
    for (char& c : lower) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (std::find(kSqliteFunctions.begin(), kSqliteFunctions.end(), lower) != kSqliteFunctions.end()) return true;
    for (const JetFunction& f : kList)
        if (f.sql && lower == f.sql) return true;
    return false;
}

}  // namespace jet

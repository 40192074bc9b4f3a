// Jet's text functions.
#include <algorithm>
#include <cstdint>
#include <string>

#include "fn_impl.h"
#include "format.h"
#include "sql_args.h"
#include "text.h"
#include "windows1252.h"

namespace jet::fn {
namespace {

template <bool Upper>
void changeCase(sqlite3_context* ctx, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    resultText(ctx, Upper ? upperCase(argText(a[0])) : lowerCase(argText(a[0])));
}

template <char Side>
void side(sqlite3_context* ctx, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::int64_t n;
    if (!argInt(ctx, a[1], n)) return;
    if (n < 0) { resultError(ctx, kInvalidArgument); return; }
    std::u32string s = toUtf32(argText(a[0]));
    std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(n), s.size());
    resultText(ctx, toUtf8(Side == 'L' ? s.substr(0, k) : s.substr(s.size() - k)));
}

// Jet removes blanks only, not tabs or line breaks.
template <char Side>
void trimBlanks(sqlite3_context* ctx, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::string s = argText(a[0]);
    std::size_t b = 0, e = s.size();
    if (Side != 'R') while (b < e && s[b] == ' ') ++b;
    if (Side != 'L') while (e > b && s[e - 1] == ' ') --e;
    resultText(ctx, s.substr(b, e - b));
}

std::u32string folded(std::u32string s) {
    for (auto& c : s) c = foldCase(c);
    return s;
}

// The compare argument of Replace and StrComp: 0 binary, 1 text (the default in a query, as InStr).
bool textCompare(sqlite3_context* ctx, sqlite3_value* v, bool& ok) {
    std::int64_t mode = 1;
    ok = isNull(v) || argInt(ctx, v, mode);
    if (ok && mode != 0 && mode != 1) { resultError(ctx, kInvalidArgument); ok = false; }
    return mode == 1;
}

}  // namespace

void ucase(sqlite3_context* ctx, int, sqlite3_value** a) { changeCase<true>(ctx, a); }
void lcase(sqlite3_context* ctx, int, sqlite3_value** a) { changeCase<false>(ctx, a); }
void left(sqlite3_context* ctx, int, sqlite3_value** a) { side<'L'>(ctx, a); }
void right(sqlite3_context* ctx, int, sqlite3_value** a) { side<'R'>(ctx, a); }
void trim(sqlite3_context* ctx, int, sqlite3_value** a) { trimBlanks<'B'>(ctx, a); }
void ltrim(sqlite3_context* ctx, int, sqlite3_value** a) { trimBlanks<'L'>(ctx, a); }
void rtrim(sqlite3_context* ctx, int, sqlite3_value** a) { trimBlanks<'R'>(ctx, a); }

void mid(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::int64_t start, len = INT64_MAX;
    if (!argInt(ctx, a[1], start)) return;
    if (argc > 2 && !argInt(ctx, a[2], len)) return;
    if (start < 1 || len < 0) { resultError(ctx, kInvalidArgument); return; }
    std::u32string s = toUtf32(argText(a[0]));
    if (static_cast<std::uint64_t>(start) > s.size()) { resultText(ctx, ""); return; }
    resultText(ctx, toUtf8(s.substr(static_cast<std::size_t>(start - 1),
                                    static_cast<std::size_t>(std::min<std::int64_t>(len, static_cast<std::int64_t>(s.size()))))));
}

void len(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    sqlite3_result_int64(ctx, static_cast<std::int64_t>(toUtf32(argText(a[0])).size()));
}

// CStr of Null would stop the whole statement in Jet; a Null result lets "&" carry on with an empty text.
void cstr(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    resultText(ctx, argText(a[0]));
}

void space(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    std::int64_t n;
    if (!argInt(ctx, a[0], n)) return;
    if (n < 0) { resultError(ctx, kInvalidArgument); return; }
    if (static_cast<std::uint64_t>(n) > kMaxTextBytes) { resultError(ctx, kTextTooLong); return; }
    resultText(ctx, std::string(static_cast<std::size_t>(n), ' '));
}

// String(count, character): the character as a text (its first character) or as a code, as Chr reads it.
void string(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1])) { sqlite3_result_null(ctx); return; }
    std::int64_t n;
    if (!argInt(ctx, a[0], n)) return;
    if (n < 0) { resultError(ctx, kInvalidArgument); return; }
    std::string one;
    if (sqlite3_value_type(a[1]) == SQLITE_TEXT) {
        const std::u32string s = toUtf32(argText(a[1]));
        if (s.empty()) { resultError(ctx, kInvalidArgument); return; }
        one = toUtf8(s.substr(0, 1));
    } else {
        std::int64_t code;
        if (!argInt(ctx, a[1], code)) return;
        if (code < 0 || code > 255) { resultError(ctx, kInvalidArgument); return; }
        one = toUtf8(std::u32string(1, windows1252::toUnicode(static_cast<std::uint8_t>(code))));
    }
    if (static_cast<std::uint64_t>(n) > kMaxTextBytes / one.size()) { resultError(ctx, kTextTooLong); return; }
    std::string out;
    out.reserve(static_cast<std::size_t>(n) * one.size());
    for (std::int64_t i = 0; i < n; ++i) out += one;
    resultText(ctx, out);
}

// InStr([start,] text, sought): 1-based position, 0 when absent; letters compare ignoring case.
void instr(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    std::int64_t start = 1;
    int i = 0;
    if (argc == 3) {
        if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
        if (!argInt(ctx, a[0], start)) return;
        if (start < 1) { resultError(ctx, kInvalidArgument); return; }
        i = 1;
    }
    if (isNull(a[i]) || isNull(a[i + 1])) { sqlite3_result_null(ctx); return; }
    std::u32string s = folded(toUtf32(argText(a[i]))), t = folded(toUtf32(argText(a[i + 1])));
    if (static_cast<std::uint64_t>(start) > s.size() + 1) { sqlite3_result_int(ctx, 0); return; }
    auto pos = TextSearch(std::move(t)).find(s, static_cast<std::size_t>(start - 1));
    sqlite3_result_int64(ctx, pos == std::u32string::npos ? 0 : static_cast<std::int64_t>(pos) + 1);
}

// Chr: the character of a code (0 to 255 as Windows-1252 reads them, above that as Unicode).
void chr(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { resultError(ctx, kInvalidNull); return; }
    std::int64_t n;
    if (!argInt(ctx, a[0], n)) return;
    if (n < 0 || n > 0x10FFFF) { resultError(ctx, kInvalidArgument); return; }
    char32_t c = n <= 0xFF ? windows1252::toUnicode(static_cast<std::uint8_t>(n)) : static_cast<char32_t>(n);
    resultText(ctx, toUtf8(std::u32string(1, c)));
}

void asc(sqlite3_context* ctx, int, sqlite3_value** a) {
    std::u32string s = toUtf32(argText(a[0]));
    if (isNull(a[0]) || s.empty()) { resultError(ctx, kInvalidArgument); return; }
    // The code Chr takes back: the Windows-1252 byte, or the Unicode value of a character outside it.
    const auto byte = windows1252::fromUnicode(s[0]);
    sqlite3_result_int64(ctx, byte ? static_cast<std::int64_t>(*byte) : static_cast<std::int64_t>(s[0]));
}

// Replace(text, find, with[, start[, count[, compare]]]). As in VBA, the result begins at `start`.
void replace(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    if (isNull(a[1]) || isNull(a[2])) { resultError(ctx, kInvalidNull); return; }
    std::int64_t start = 1, count = -1;
    if (argc > 3 && !argInt(ctx, a[3], start)) return;
    if (argc > 4 && !argInt(ctx, a[4], count)) return;
    bool ok = true;
    const bool text = argc > 5 ? textCompare(ctx, a[5], ok) : true;
    if (!ok) return;
    if (start < 1 || count < -1) { resultError(ctx, kInvalidArgument); return; }
    std::u32string s = toUtf32(argText(a[0]));
    if (static_cast<std::uint64_t>(start) > s.size()) { resultText(ctx, ""); return; }
    s = s.substr(static_cast<std::size_t>(start - 1));
    const std::u32string find = toUtf32(argText(a[1])), with = toUtf32(argText(a[2]));
    if (find.empty() || count == 0) { resultText(ctx, toUtf8(s)); return; }
    const std::u32string hay = text ? folded(s) : s, needle = text ? folded(find) : find;
    const TextSearch search(needle);
    std::u32string out;
    std::size_t at = 0;
    for (std::int64_t done = 0; count < 0 || done < count; ++done) {
        std::size_t p = search.find(hay, at);
        if (p == std::u32string::npos) break;
        // Counted in characters of four bytes at most: the UTF-8 result is no longer than four times this.
        if (out.size() + (p - at) + with.size() > kMaxTextBytes) { resultError(ctx, kTextTooLong); return; }
        out.append(s, at, p - at);
        out += with;
        at = p + find.size();
    }
    out += s.substr(at);
    resultText(ctx, toUtf8(out));
}

// StrComp(a, b[, compare]): -1, 0 or 1; text compare ignores case as "=" does, binary compares codes.
void strcomp(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0]) || isNull(a[1])) { sqlite3_result_null(ctx); return; }
    bool ok = true;
    const bool text = argc > 2 ? textCompare(ctx, a[2], ok) : true;
    if (!ok) return;
    int r;
    if (text) {
        r = static_cast<const TextRules*>(sqlite3_user_data(ctx))->compare(argText(a[0]), argText(a[1]));
    } else {
        std::u32string x = toUtf32(argText(a[0])), y = toUtf32(argText(a[1]));
        r = x < y ? -1 : x == y ? 0 : 1;
    }
    sqlite3_result_int(ctx, r);
}

void strreverse(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[0])) { resultError(ctx, kInvalidNull); return; }
    std::u32string s = toUtf32(argText(a[0]));
    std::reverse(s.begin(), s.end());
    resultText(ctx, toUtf8(s));
}

void format(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    // A format character writes at most a few dozen (a whole date for "c"): a format this long is no format
    // a person writes, and its result would pass the cap only after being built.
    if (argc > 1 && static_cast<std::size_t>(sqlite3_value_bytes(a[1])) > kMaxTextBytes / 64) {
        resultError(ctx, kTextTooLong);
        return;
    }
    try {
        std::optional<std::string> r = formatValue(argValue(a[0]), argc > 1 && !isNull(a[1]) ? argText(a[1]) : std::string());
        if (r) resultText(ctx, *r);
        else sqlite3_result_null(ctx);
    } catch (const Error& e) {
        resultError(ctx, e.what());  // nothing may be thrown through SQLite
    }
}

}  // namespace jet::fn

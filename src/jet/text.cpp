#include "text.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include "error.h"

namespace jet {

TextRules::TextRules() {
    UErrorCode st = U_ZERO_ERROR;
    collator_ = ucol_open("pt_BR", &st);
    if (U_FAILURE(st)) throw Error(std::string("Não foi possível preparar a comparação de textos: ") + u_errorName(st));
    ucol_setStrength(collator_, UCOL_SECONDARY);
}

TextRules::~TextRules() { ucol_close(collator_); }

int TextRules::compare(std::string_view a, std::string_view b) const {
    UErrorCode st = U_ZERO_ERROR;
    UCollationResult r = ucol_strcollUTF8(collator_, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                          static_cast<int32_t>(b.size()), &st);
    if (U_FAILURE(st)) return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return r == UCOL_LESS ? -1 : (r == UCOL_EQUAL ? 0 : 1);
}

static std::u16string toUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (char32_t c : toUtf32(s)) {
        if (c > 0xFFFF) {
            out.push_back(static_cast<char16_t>(U16_LEAD(c)));
            out.push_back(static_cast<char16_t>(U16_TRAIL(c)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::string TextRules::sortKey(std::string_view s) const {
    std::u16string u = toUtf16(s);
    std::string key(u.size() * 4 + 16, '\0');
    for (;;) {
        int32_t n = ucol_getSortKey(collator_, reinterpret_cast<const UChar*>(u.data()), static_cast<int32_t>(u.size()),
                                    reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
        if (n <= static_cast<int32_t>(key.size())) {
            key.resize(n);
            return key;
        }
        key.resize(n);
    }
}

std::u32string toUtf32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    int32_t i = 0, n = static_cast<int32_t>(s.size());
    const auto* p = reinterpret_cast<const uint8_t*>(s.data());
    while (i < n) {
        UChar32 c;
        U8_NEXT(p, i, n, c);
        out.push_back(c < 0 ? 0xFFFD : static_cast<char32_t>(c));  // invalid bytes become the replacement mark
    }
    return out;
}

std::string toUtf8(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) {
        uint8_t buf[4];
        int32_t i = 0;
        UBool err = false;
        U8_APPEND(buf, i, 4, static_cast<UChar32>(c), err);
        if (err) continue;
        out.append(reinterpret_cast<char*>(buf), i);
    }
    return out;
}

static std::string mapCase(std::string_view s, bool upper) {
    std::u32string u = toUtf32(s);
    for (char32_t& c : u) c = static_cast<char32_t>(upper ? u_toupper(static_cast<UChar32>(c)) : u_tolower(static_cast<UChar32>(c)));
    return toUtf8(u);
}

std::string upperCase(std::string_view s) { return mapCase(s, true); }
std::string lowerCase(std::string_view s) { return mapCase(s, false); }
bool sameName(std::string_view a, std::string_view b) { return lowerCase(a) == lowerCase(b); }
char32_t foldCase(char32_t c) { return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)); }

namespace {

// Matches one pattern element starting at pattern[pi] against character c; sets `next` past the element.
// Returns false when the element is malformed ("[" without "]"), which then matches nothing.
bool elementMatches(const std::u32string& pat, std::size_t pi, char32_t c, std::size_t& next, bool& ok) {
    ok = true;
    char32_t p = pat[pi];
    if (p == U'?') { next = pi + 1; return true; }
    if (p == U'#') { next = pi + 1; return c >= U'0' && c <= U'9'; }
    if (p != U'[') { next = pi + 1; return foldCase(p) == foldCase(c); }
    std::size_t close = pat.find(U']', pi + 1);
    if (close == std::u32string::npos) { ok = false; next = pat.size(); return false; }
    next = close + 1;
    std::size_t i = pi + 1;
    bool negate = false;
    if (i < close && pat[i] == U'!') { negate = true; ++i; }
    if (i == close) return !negate ? false : true;  // "[]" matches nothing, "[!]" anything
    bool found = false;
    char32_t fc = foldCase(c);
    while (i < close) {
        char32_t lo = pat[i];
        if (i + 2 < close && pat[i + 1] == U'-') {
            char32_t hi = pat[i + 2];
            if (fc >= foldCase(lo) && fc <= foldCase(hi)) found = true;
            if (c >= lo && c <= hi) found = true;
            i += 3;
        } else {
            if (foldCase(lo) == fc) found = true;
            ++i;
        }
    }
    return found != negate;
}

}  // namespace

bool jetLike(std::string_view textIn, std::string_view patternIn) {
    const std::u32string text = toUtf32(textIn);
    const std::u32string pat = toUtf32(patternIn);
    // Greedy match with one back-track point for the last "*": linear for the patterns Jet users write.
    std::size_t t = 0, p = 0;
    std::size_t starP = std::u32string::npos, starT = 0;
    while (t < text.size()) {
        if (p < pat.size() && pat[p] == U'*') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pat.size()) {
            std::size_t next;
            bool ok;
            if (elementMatches(pat, p, text[t], next, ok)) {
                p = next;
                ++t;
                continue;
            }
            if (!ok) return false;
        }
        if (starP == std::u32string::npos) return false;
        p = starP;
        t = ++starT;
    }
    while (p < pat.size() && pat[p] == U'*') ++p;
    return p == pat.size();
}

}  // namespace jet

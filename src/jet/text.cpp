#include "text.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

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
    if (a == b) return 0;  // at memory speed: texts of megabytes are compared once for every row
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
std::string foldName(std::string_view name) {
    const std::u16string u = toUtf16(name);
    std::u16string out(u.size() * 3 + 1, u'\0');  // a character folds to three at most
    UErrorCode st = U_ZERO_ERROR;
    const int32_t n = u_strFoldCase(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
                                    reinterpret_cast<const UChar*>(u.data()), static_cast<int32_t>(u.size()),
                                    U_FOLD_CASE_DEFAULT, &st);
    if (U_FAILURE(st)) return lowerCase(name);
    std::string utf8;
    utf8.reserve(static_cast<std::size_t>(n));
    for (int32_t i = 0; i < n;) {
        UChar32 c;
        U16_NEXT(out.data(), i, n, c);
        uint8_t buf[4];
        int32_t k = 0;
        UBool err = false;
        U8_APPEND(buf, k, 4, c, err);
        if (!err) utf8.append(reinterpret_cast<char*>(buf), static_cast<std::size_t>(k));
    }
    return utf8;
}

bool sameName(std::string_view a, std::string_view b) { return foldName(a) == foldName(b); }
char32_t foldCase(char32_t c) { return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)); }

TextSearch::TextSearch(std::u32string needle) : needle_(std::move(needle)), border_(needle_.size(), 0) {
    for (std::size_t i = 1, k = 0; i < needle_.size(); ++i) {
        while (k > 0 && needle_[i] != needle_[k]) k = border_[k - 1];
        if (needle_[i] == needle_[k]) ++k;
        border_[i] = k;
    }
}

std::size_t TextSearch::find(std::u32string_view hay, std::size_t from) const {
    if (from > hay.size()) return std::u32string::npos;
    if (needle_.empty()) return from;
    for (std::size_t i = from, k = 0; i < hay.size(); ++i) {
        while (k > 0 && hay[i] != needle_[k]) k = border_[k - 1];
        if (hay[i] == needle_[k] && ++k == needle_.size()) return i + 1 - k;
    }
    return std::u32string::npos;
}

namespace {

// One element of a Like pattern between its stars: a character, ?, # or a set [..] / [!..].
struct LikeElement {
    enum class Kind { Char, Any, Digit, Set } kind = Kind::Char;
    char32_t c = 0;           // folded, for Char
    std::u32string set;       // what lies between the brackets, without the "!"
    bool negate = false;

    bool matches(char32_t x) const {
        switch (kind) {
        case Kind::Char: return c == foldCase(x);
        case Kind::Any: return true;
        case Kind::Digit: return x >= U'0' && x <= U'9';
        case Kind::Set: break;
        }
        if (set.empty()) return negate;  // "[]" matches nothing, "[!]" anything
        bool found = false;
        const char32_t fx = foldCase(x);
        for (std::size_t i = 0; i < set.size() && !found;) {
            const char32_t lo = set[i];
            if (i + 2 < set.size() && set[i + 1] == U'-') {
                const char32_t hi = set[i + 2];
                found = (fx >= foldCase(lo) && fx <= foldCase(hi)) || (x >= lo && x <= hi);
                i += 3;
            } else {
                found = foldCase(lo) == fx;
                ++i;
            }
        }
        return found != negate;
    }
};
using LikeRun = std::vector<LikeElement>;

// The runs between the stars; false for a "[" without its "]", which no text matches.
bool likeRuns(const std::u32string& pat, std::vector<LikeRun>& runs) {
    runs.assign(1, {});
    for (std::size_t i = 0; i < pat.size(); ++i) {
        LikeElement e;
        switch (pat[i]) {
        case U'*': runs.emplace_back(); continue;
        case U'?': e.kind = LikeElement::Kind::Any; break;
        case U'#': e.kind = LikeElement::Kind::Digit; break;
        case U'[': {
            const std::size_t close = pat.find(U']', i + 1);
            if (close == std::u32string::npos) return false;
            e.kind = LikeElement::Kind::Set;
            std::size_t from = i + 1;
            if (from < close && pat[from] == U'!') { e.negate = true; ++from; }
            e.set = pat.substr(from, close - from);
            i = close;
            break;
        }
        default: e.c = foldCase(pat[i]);
        }
        runs.back().push_back(std::move(e));
    }
    return true;
}

bool runMatchesAt(const LikeRun& run, const std::u32string& text, std::size_t at) {
    for (std::size_t j = 0; j < run.size(); ++j)
        if (!run[j].matches(text[at + j])) return false;
    return true;
}

// Where `run` first matches wholly inside text[from, to), or npos. A run of plain characters is a text
// search; one with wildcards goes through the bit-parallel shift-and, 64 pattern elements to a word.
std::size_t findRun(const LikeRun& run, const std::u32string& text, const std::u32string& foldedText, std::size_t from,
                    std::size_t to) {
    const std::size_t m = run.size();
    if (m == 0) return from;
    if (to - from < m) return std::u32string::npos;
    const bool plain = std::all_of(run.begin(), run.end(), [](const LikeElement& e) { return e.kind == LikeElement::Kind::Char; });
    if (plain) {
        std::u32string needle;
        for (const LikeElement& e : run) needle.push_back(e.c);
        const std::size_t p = TextSearch(std::move(needle)).find(std::u32string_view(foldedText).substr(0, to), from);
        return p;
    }
    const std::size_t words = (m + 63) / 64;
    std::unordered_map<char32_t, std::vector<std::uint64_t>> masks;
    std::vector<std::uint64_t> state(words, 0);
    for (std::size_t i = from; i < to; ++i) {
        auto [it, fresh] = masks.try_emplace(text[i]);
        if (fresh) {
            it->second.assign(words, 0);
            for (std::size_t j = 0; j < m; ++j)
                if (run[j].matches(text[i])) it->second[j / 64] |= std::uint64_t{1} << (j % 64);
        }
        std::uint64_t carry = 1;
        for (std::size_t w = 0; w < words; ++w) {
            const std::uint64_t next = state[w] >> 63;
            state[w] = ((state[w] << 1) | carry) & it->second[w];
            carry = next;
        }
        if (state[(m - 1) / 64] >> ((m - 1) % 64) & 1) return i + 1 - m;
    }
    return std::u32string::npos;
}

}  // namespace

bool jetLike(std::string_view textIn, std::string_view patternIn) {
    const std::u32string text = toUtf32(textIn);
    std::vector<LikeRun> runs;
    if (!likeRuns(toUtf32(patternIn), runs)) return false;
    const LikeRun& first = runs.front();
    if (runs.size() == 1) return first.size() == text.size() && runMatchesAt(first, text, 0);
    // Each run between two stars matches where it first can: any later match leaves less text to the rest.
    const LikeRun& last = runs.back();
    if (first.size() + last.size() > text.size() || !runMatchesAt(first, text, 0) ||
        !runMatchesAt(last, text, text.size() - last.size()))
        return false;
    std::u32string folded = text;
    for (char32_t& c : folded) c = foldCase(c);
    std::size_t at = first.size();
    const std::size_t end = text.size() - last.size();
    for (std::size_t r = 1; r + 1 < runs.size(); ++r) {
        const std::size_t p = findRun(runs[r], text, folded, at, end);
        if (p == std::u32string::npos) return false;
        at = p + runs[r].size();
    }
    return true;
}

}  // namespace jet

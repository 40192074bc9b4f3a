#pragma once
#include <string>
#include <string_view>
#include <vector>

struct UCollator;

namespace jet {

// Jet's way with text: compare ignoring case but not accents, accented letters sorting next to their base
// letter. One instance per database handle; ICU collators are not shared across handles so that nothing
// global is mutable.
class TextRules {
public:
    TextRules();
    ~TextRules();
    TextRules(const TextRules&) = delete;
    TextRules& operator=(const TextRules&) = delete;

    int compare(std::string_view a, std::string_view b) const;
    // Bytes that compare equal exactly when the texts compare equal: a key for hash look-ups.
    std::string sortKey(std::string_view s) const;

private:
    UCollator* collator_;
};

std::u32string toUtf32(std::string_view s);
std::string toUtf8(std::u32string_view s);
std::string upperCase(std::string_view s);
std::string lowerCase(std::string_view s);
// Names of tables, columns, aliases and a criterion's fields, which Jet matches without regard to case, for
// every letter ("DESCRIÇÃO" is "Descrição"): the one folding of names in the engine (Unicode full case folding).
std::string foldName(std::string_view name);
bool sameName(std::string_view a, std::string_view b);
char32_t foldCase(char32_t c);

// Where a text first occurs in another, in time linear in both (Knuth-Morris-Pratt): the search of InStr,
// Replace and Like, whose texts may be megabytes long. Prepared once for a text sought many times.
class TextSearch {
public:
    explicit TextSearch(std::u32string needle);
    // The first position at or after `from` where the text occurs, or npos.
    std::size_t find(std::u32string_view hay, std::size_t from) const;
    std::size_t size() const { return needle_.size(); }

private:
    std::u32string needle_;
    std::vector<std::size_t> border_;  // border_[i]: the longest proper border of needle_[0..i]
};

// Jet's Like: * any run, ? one character, # one digit, [abc] [a-z] [!abc] one character of (not of) a set;
// letters match ignoring case. The whole text must match. Linear in the text for a pattern of plain runs
// between its stars, and never worse than the text times the pattern's length over 64.
bool jetLike(std::string_view text, std::string_view pattern);

}  // namespace jet

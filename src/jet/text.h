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
// Names of tables, columns and aliases, which Jet matches without regard to case.
bool sameName(std::string_view a, std::string_view b);
char32_t foldCase(char32_t c);

// Jet's Like: * any run, ? one character, # one digit, [abc] [a-z] [!abc] one character of (not of) a set;
// letters match ignoring case. The whole text must match.
bool jetLike(std::string_view text, std::string_view pattern);

}  // namespace jet

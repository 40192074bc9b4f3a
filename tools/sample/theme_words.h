#pragma once
#include <string>
#include <vector>

#include "survey_plan.h"

namespace sample {

// The invented vocabulary of the sample's themes. Each theme brings its subthemes and the things its
// variables count or ask about, each with the keyword it files under.
struct Noun {
    std::string phrase;   // as it reads in a variable name: "escolas municipais"
    std::string keyword;  // "Escola"
};

struct ThemeWords {
    std::string name;
    std::string keyword;  // carried by every variable of the theme
    std::vector<std::string> subthemes;
    std::vector<Noun> nouns;
    bool sanitation = false;        // its cells may hold "SB"
    std::string repeatedSubtheme;   // non-empty for the theme that holds the repeated group
};

const std::vector<ThemeWords>& themeWords();

// What a name starts with for each kind of value, and the phrases that may end it.
const std::vector<std::string>& namePrefixes(ValueKind kind);
const std::vector<std::string>& nameEndings();
// Answer lists of Category variables.
const std::vector<std::vector<std::string>>& categoryLists();

// The repeated group: the 27 value columns in number order, then the name column "M1_NOME".
std::vector<RepeatedColumn> repeatedColumns();
// Names of the bodies a municipality lists in the repeated group.
const std::vector<std::string>& councilNames();

const std::vector<std::string>& sourceTexts();
// Note texts; the one made only of blanks is there on purpose (a note that says nothing).
const std::vector<std::string>& noteTexts();
int blankNoteCode();

}  // namespace sample

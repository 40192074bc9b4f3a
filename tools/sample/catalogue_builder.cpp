#include "catalogue_builder.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "rng.h"
#include "text_case.h"
#include "theme_words.h"

namespace sample {
namespace {

// How many ordinary variables each ordinary subtheme gets: uneven, as real questionnaires are, but at
// least one each.
std::vector<int> splitEvenly(int total, int parts, Rng& rng) {
    if (parts <= 0 || total < parts) throw std::invalid_argument("variáveis de menos para os subtemas pedidos");
    std::vector<int> weights(static_cast<std::size_t>(parts));
    int weightSum = 0;
    for (auto& w : weights) weightSum += (w = static_cast<int>(rng.between(6, 14)));
    std::vector<int> sizes(weights.size(), 1);
    int given = parts;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int extra = (total - parts) * weights[i] / weightSum;
        sizes[i] += extra;
        given += extra;
    }
    for (std::size_t i = 0; given < total; i = (i + 1) % sizes.size(), ++given) ++sizes[i];
    return sizes;
}

ValueKind drawKind(Rng& rng) {
    const auto r = rng.below(10);
    if (r < 5) return ValueKind::Count;
    if (r < 8) return ValueKind::YesNo;
    if (r < 9) return ValueKind::Decimal;
    return ValueKind::Category;
}

void drawScale(Variable& v, Rng& rng) {
    static const std::int64_t countScales[] = {20, 300, 5000, 200000};
    switch (v.kind) {
    case ValueKind::Count: v.scale = countScales[rng.below(4)]; break;
    case ValueKind::Decimal:
        // Either a percentage with one decimal or a measure with two and thousands ("1.234,56").
        if (rng.chance(1, 2)) { v.decimals = 1; v.scale = 1000; }
        else { v.decimals = 2; v.scale = 500000; }
        break;
    case ValueKind::Category: v.categories = rng.pick(categoryLists()); break;
    case ValueKind::YesNo: break;
    }
}

std::string drawName(ValueKind kind, const Noun& noun, Rng& rng) {
    return rng.pick(namePrefixes(kind)) + noun.phrase + rng.pick(nameEndings());
}

std::string joinKeywords(const std::vector<std::string>& pieces) {
    std::string s;
    for (const auto& p : pieces) s += (s.empty() ? "" : ";") + p;
    return s;
}

void addKeyword(Variable& v, const std::string& keyword) {
    const std::string padded = ";" + v.keywords + ";";
    if (padded.find(";" + keyword + ";") == std::string::npos) v.keywords += ";" + keyword;
}

struct Builder {
    const Sizes& sizes;
    Rng rng;
    Catalogue cat;
    std::set<std::string> names;
    std::vector<std::size_t> ordinary;  // positions of the ordinary variables in `cat.variables`

    Builder(const Sizes& s, std::uint64_t seed) : sizes(s), rng(seed) {}

    void themes() {
        const auto& words = themeWords();
        for (int pos : sizes.themes) {
            if (pos < 1 || pos > static_cast<int>(words.size())) throw std::invalid_argument("tema inexistente");
            cat.themes.push_back({pos, words[static_cast<std::size_t>(pos) - 1].name});
        }
    }

    void ordinaryVariable(const ThemeWords& theme, const Subtheme& sub) {
        Variable v;
        v.themeCode = sub.themeCode;
        v.subthemeCode = sub.code;
        v.kind = drawKind(rng);
        drawScale(v, rng);
        v.sanitation = theme.sanitation;
        // Names repeat now and then in a draw; a bounded retry keeps a vocabulary too small from looping.
        for (int tries = 0;; ++tries) {
            const Noun& noun = rng.pick(theme.nouns);
            v.name = drawName(v.kind, noun, rng);
            v.keywords = noun.keyword == theme.keyword ? noun.keyword : joinKeywords({noun.keyword, theme.keyword});
            if (names.insert(v.name).second) break;
            if (tries > 10000) throw std::runtime_error("vocabulário pequeno demais para as variáveis pedidas");
        }
        v.criterion = (v.kind == ValueKind::Count || v.kind == ValueKind::YesNo) && rng.below(12) < 5;
        ordinary.push_back(cat.variables.size());
        cat.variables.push_back(std::move(v));
    }

    void repeatedVariables(const ThemeWords& theme, const Subtheme& sub) {
        const auto cols = repeatedColumns();
        for (int k : sizes.repeatedNumbers) {
            if (k < 1 || k > kRepeatedColumns) throw std::invalid_argument("número de subvariável fora de 1..27");
            const auto& col = cols[static_cast<std::size_t>(k) - 1];
            Variable v;
            v.themeCode = sub.themeCode;
            v.subthemeCode = sub.code;
            v.code = col.code;
            v.name = col.name;
            v.table = kRepeatedTable;
            v.kind = col.kind;
            v.keywords = joinKeywords({"Conselho", theme.keyword});
            names.insert(v.name);
            cat.variables.push_back(std::move(v));
        }
    }

    void variables() {
        const auto& words = themeWords();
        const int ordinarySubthemes = static_cast<int>(sizes.themes.size()) * sizes.subthemesPerTheme;
        const auto perSubtheme = splitEvenly(sizes.ordinaryVariables, ordinarySubthemes, rng);
        std::size_t nextSize = 0;
        int subCode = 0;
        for (const auto& theme : cat.themes) {
            const auto& tw = words[static_cast<std::size_t>(theme.code) - 1];
            if (sizes.subthemesPerTheme > static_cast<int>(tw.subthemes.size()))
                throw std::invalid_argument("subtemas pedidos além da lista do tema");
            std::vector<std::string> subNames(tw.subthemes.begin(), tw.subthemes.begin() + sizes.subthemesPerTheme);
            // The repeated group sits among the theme's subthemes, not at an end.
            const auto repeatedAt = std::min<std::size_t>(2, subNames.size());
            if (!tw.repeatedSubtheme.empty()) subNames.insert(subNames.begin() + static_cast<long>(repeatedAt), tw.repeatedSubtheme);
            for (const auto& subName : subNames) {
                Subtheme sub{++subCode, theme.code, subName};
                cat.subthemes.push_back(sub);
                if (subName == tw.repeatedSubtheme) {
                    repeatedVariables(tw, sub);
                } else {
                    for (int i = 0; i < perSubtheme[nextSize]; ++i) ordinaryVariable(tw, sub);
                    ++nextSize;
                }
            }
        }
        for (std::size_t i = 0; i < cat.variables.size(); ++i) cat.variables[i].numSeq = static_cast<int>(i) + 1;
    }

    // Consecutive ordinary variables share a table, the tables taking turns, so every table gets some.
    void tablesAndCodes() {
        const auto& tables = ordinaryTables();
        std::vector<int> used(tables.size(), 0);
        for (std::size_t j = 0; j < ordinary.size(); ++j) {
            const auto t = (j / static_cast<std::size_t>(sizes.tableRun)) % tables.size();
            auto& v = cat.variables[ordinary[j]];
            v.table = tables[t];
            const int n = ++used[t];
            v.code = codePrefix(v.table) + (n < 10 ? "00" : n < 100 ? "0" : "") + std::to_string(n);
        }
        if (ordinary.size() < tables.size() * static_cast<std::size_t>(sizes.tableRun) - sizes.tableRun + 1)
            throw std::invalid_argument("variáveis comuns de menos para ocupar todas as tabelas");
    }

    void sourcesAndNotes() {
        for (std::size_t i = 0; i < sourceTexts().size(); ++i) cat.sources.push_back({static_cast<int>(i) + 1, sourceTexts()[i]});
        for (std::size_t i = 0; i < noteTexts().size(); ++i) cat.notes.push_back({static_cast<int>(i) + 1, noteTexts()[i]});
        for (auto& v : cat.variables) {
            v.sourceCode = rng.chance(1, 8) ? 0 : static_cast<int>(rng.between(1, static_cast<std::int64_t>(cat.sources.size())));
            v.noteCode = rng.below(20) < 11 ? 0 : static_cast<int>(rng.between(1, static_cast<std::int64_t>(cat.notes.size())));
        }
    }

    // Most variables have one definition; `none` has none and `two` has two.
    void definitions(std::size_t none, std::size_t two) {
        for (std::size_t i = 0; i < cat.variables.size(); ++i) {
            const auto& v = cat.variables[i];
            if (i == none || (i != two && rng.chance(1, 9))) continue;
            cat.definitions.push_back({v.code, "Refere-se a \"" + v.name + "\", conforme declarado pela prefeitura ao questionário de 1999."});
            if (i == two)
                cat.definitions.push_back({v.code, "Segunda definição registrada para a mesma variável: inclui os registros do ano anterior."});
        }
    }

    // The odd cases, each on a variable of its own picked at random among the ordinary ones:
    // - a criterion variable whose code is longer than the 20 characters the criteria list shows;
    // - keywords "Casa" and "casa" on two rows, "D'Água" (an apostrophe), "Água" (an accented first
    //   letter), RADIO and RADIODIFUSAO (one inside the other), an empty piece (";;"), and a theme keyword
    //   in capitals beside its usual spelling;
    // - a variable with neither source nor note, one whose note is made of blanks;
    // - a variable without definition and one with two.
    void placeOddCases() {
        std::vector<std::size_t> pool = ordinary;
        rng.shuffle(pool);
        std::size_t next = 0;
        auto take = [&]() -> Variable& {
            if (next >= pool.size()) throw std::invalid_argument("variáveis comuns de menos para os casos incomuns");
            return cat.variables[pool[next++]];
        };
        // The long code goes on the first Count variable of the pool, moved to the front.
        for (std::size_t i = 0; i < pool.size(); ++i)
            if (cat.variables[pool[i]].kind == ValueKind::Count) { std::swap(pool[0], pool[i]); break; }
        Variable& longCode = take();
        if (longCode.kind != ValueKind::Count) throw std::invalid_argument("nenhuma variável de contagem");
        longCode.code = codePrefix(longCode.table) + "_TOTAL_INFORMADO_PELA_PREFEITURA";
        longCode.criterion = true;

        for (const char* kw : {"Casa", "casa", "D'Água", "Água", "RADIO", "RADIODIFUSAO"}) addKeyword(take(), kw);
        Variable& emptyPiece = take();
        emptyPiece.keywords = emptyPiece.keywords + ";;Agenda";
        Variable& capitals = take();
        const auto& theme = themeWords()[static_cast<std::size_t>(capitals.themeCode) - 1];
        capitals.keywords = joinKeywords({upperPt(theme.keyword), "Destaque"});

        Variable& bare = take();
        bare.sourceCode = 0;
        bare.noteCode = 0;
        take().noteCode = blankNoteCode();

        // A YesNo criterion variable is needed by criteria on answers; make sure there is one.
        bool yesNoCriterion = false;
        for (auto i : ordinary) yesNoCriterion |= cat.variables[i].criterion && cat.variables[i].kind == ValueKind::YesNo;
        if (!yesNoCriterion)
            for (auto i : ordinary)
                if (cat.variables[i].kind == ValueKind::YesNo) { cat.variables[i].criterion = true; break; }

        const std::size_t noDefinition = pool.at(next++);
        definitions(noDefinition, pool.at(next++));
    }

    // A few variables are broken down in sub-variables (urban and rural parts).
    void subVariables() {
        int made = 0;
        for (auto i : ordinary) {
            const auto& v = cat.variables[i];
            if (v.kind != ValueKind::Count || v.code.size() > 6 || made == 2) continue;
            cat.subVariables.push_back({v.code, v.code + "U", v.name + " - zona urbana"});
            cat.subVariables.push_back({v.code, v.code + "R", v.name + " - zona rural"});
            ++made;
        }
    }
};

}  // namespace

std::string codePrefix(const std::string& table) {
    if (table == "TL99") return "L";
    if (table == "socioe_char") return "S";
    if (table.size() == 2 && table[0] == 'T') return table.substr(1);
    throw std::invalid_argument("tabela sem prefixo de código: " + table);
}

Catalogue buildCatalogue(const Sizes& sizes, std::uint64_t seed) {
    Builder b(sizes, seed);
    b.themes();
    b.variables();
    b.tablesAndCodes();
    b.sourcesAndNotes();
    b.placeOddCases();
    b.subVariables();
    b.cat.repeatedColumns = repeatedColumns();
    return std::move(b.cat);
}

}  // namespace sample

// The catalogue tables of the generated file, for the full sample and the small one.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>

#include "sample_db.h"
#include "text_case.h"

namespace sample_test {
namespace {

struct Sample {
    const char* name;
    const std::filesystem::path& (*dir)();
    int variables;
    bool full;
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

class Catalogue : public ::testing::TestWithParam<Sample> {
protected:
    SampleDb db{GetParam().dir() / "Quelva.mdb"};

    std::vector<std::string> keywordPieces() const {
        std::vector<std::string> pieces;
        for (const auto& text : db.texts("SELECT [Palavra-Chave] FROM CD_VAR")) {
            std::size_t from = 0;
            for (std::size_t at; (at = text.find(';', from)) != std::string::npos; from = at + 1)
                pieces.push_back(text.substr(from, at - from));
            pieces.push_back(text.substr(from));
        }
        return pieces;
    }
};

TEST_P(Catalogue, VariablesAreNumberedWithoutGaps) {
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_VAR"), GetParam().variables);
    const auto seq = db.texts("SELECT NumSeq FROM CD_VAR ORDER BY NumSeq");
    for (std::size_t i = 0; i < seq.size(); ++i) ASSERT_EQ(seq[i], std::to_string(i + 1));
    EXPECT_EQ(db.number("SELECT count(DISTINCT CodVariavel) FROM CD_VAR"), GetParam().variables);
}

TEST_P(Catalogue, EachThemeAndSubthemeIsOneRunOfNumSeq) {
    for (const char* column : {"CodTema", "CodSubTema"}) {
        const auto codes = db.texts(std::string("SELECT ") + column + " FROM CD_VAR ORDER BY NumSeq");
        std::set<std::string> closed;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (i > 0 && codes[i] != codes[i - 1]) closed.insert(codes[i - 1]);
            ASSERT_EQ(closed.count(codes[i]), 0u) << column << " " << codes[i] << " comes back at NumSeq " << i + 1;
        }
    }
    EXPECT_EQ(db.number("SELECT count(*) FROM (SELECT CodSubTema FROM CD_VAR GROUP BY CodSubTema HAVING count(DISTINCT CodTema) > 1)"), 0);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_VAR WHERE CodTema NOT IN (SELECT CodTema FROM CD_TEMA) OR CodSubTema NOT IN (SELECT CodSubTema FROM CD_SUBTEMA)"), 0);
    EXPECT_EQ(db.number("SELECT count(*) - count(DISTINCT CodSubTema) FROM CD_SUBTEMA"), 0);
    const auto themes = db.number("SELECT count(*) FROM CD_TEMA");
    const auto subthemes = db.number("SELECT count(*) FROM CD_SUBTEMA");
    if (GetParam().full) {
        EXPECT_EQ(themes, 8);
        EXPECT_GE(subthemes, 40);
        EXPECT_LE(subthemes, 60);
    } else {
        EXPECT_EQ(themes, 3);
    }
}

TEST_P(Catalogue, EveryVariableHasItsColumnInItsSurveyTable) {
    const std::set<std::string> expected{"TK", "TJ", "TM", "TM1", "TI", "TH", "TA", "TB", "TL99", "TD", "TG", "socioe_char"};
    const auto tables = db.texts("SELECT DISTINCT NomeTabela FROM CD_VAR");
    EXPECT_EQ(std::set<std::string>(tables.begin(), tables.end()), expected);
    for (const auto& r : db.rows("SELECT NomeTabela, CodVariavel FROM CD_VAR WHERE NomeTabela <> 'TM1'")) {
        const auto cols = db.columns(*r[0]);
        EXPECT_NE(std::find(cols.begin(), cols.end(), *r[1]), cols.end()) << *r[1] << " missing from " << *r[0];
    }
}

TEST_P(Catalogue, RepeatedGroupVariablesAreTheM1CodesOfTM1) {
    const std::regex m1(R"(M1_10(0[1-9]|1[0-9]|2[0-7]))");
    const auto rows = db.rows("SELECT CodVariavel, NomeTabela, criterio, CodSubTema FROM CD_VAR ORDER BY NumSeq");
    std::set<std::string> subthemes;
    int count = 0;
    for (const auto& r : rows) {
        const bool isM1 = r[0]->rfind("M1", 0) == 0;
        EXPECT_EQ(isM1, *r[1] == "TM1") << *r[0];
        if (!isM1) continue;
        ++count;
        EXPECT_TRUE(std::regex_match(*r[0], m1)) << *r[0];
        EXPECT_EQ(*r[2], "0") << *r[0] << " is not a criterion";
        subthemes.insert(*r[3]);
    }
    EXPECT_EQ(subthemes.size(), 1u);
    if (GetParam().full) {
        EXPECT_EQ(count, 27);
    } else {
        EXPECT_GE(count, 3);
    }
    const auto names = db.texts("SELECT CodVariavel FROM CD_VARM1 ORDER BY CodVariavel");
    ASSERT_EQ(names.size(), 28u);
    EXPECT_EQ(names.front(), "M1_1001");
    EXPECT_EQ(names[26], "M1_1027");
    EXPECT_EQ(names.back(), "M1_NOME");
}

TEST_P(Catalogue, AboutAThirdOfOrdinaryVariablesAreCriteriaOneWithALongCode) {
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_VAR WHERE criterio NOT IN (-1, 0) OR typeof(criterio) <> 'integer'"), 0);
    const auto ordinary = db.number("SELECT count(*) FROM CD_VAR WHERE CodVariavel NOT LIKE 'M1%'");
    const auto criteria = db.number("SELECT count(*) FROM CD_VAR WHERE criterio = -1");
    if (GetParam().full) {
        EXPECT_GT(criteria * 100, ordinary * 28);
        EXPECT_LT(criteria * 100, ordinary * 39);
    } else {
        EXPECT_GE(criteria, 2);
    }
    EXPECT_GE(db.number("SELECT count(*) FROM CD_VAR WHERE criterio = -1 AND length(CodVariavel) > 20"), 1);
}

TEST_P(Catalogue, KeywordsHoldEveryCaseTheIndexMustHandle) {
    const auto pieces = keywordPieces();
    std::map<std::string, int> rowsOf;
    for (const auto& p : pieces) ++rowsOf[p];
    auto has = [&](const std::string& k) { return rowsOf.count(k) > 0; };
    EXPECT_TRUE(has("Casa") && has("casa"));
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_VAR WHERE ';' || [Palavra-Chave] || ';' GLOB '*;Casa;*' "
                        "AND ';' || [Palavra-Chave] || ';' GLOB '*;casa;*'"), 0) << "Casa and casa must sit in different rows";
    EXPECT_TRUE(has("Água"));
    EXPECT_TRUE(has("D'Água"));
    EXPECT_TRUE(has("RADIO") && has("RADIODIFUSAO"));
    EXPECT_TRUE(has("")) << "an empty piece between two separators";
    EXPECT_GE(db.number("SELECT count(*) FROM CD_VAR WHERE [Palavra-Chave] GLOB '*;;*'"), 1);
    std::map<std::string, std::set<std::string>> spellings;
    for (const auto& [k, n] : rowsOf) spellings[sample::upperPt(k)].insert(k);
    EXPECT_GE(std::count_if(spellings.begin(), spellings.end(), [](auto& s) { return s.second.size() > 1; }), 2)
        << "Casa/casa and a theme keyword in capitals beside its usual spelling";
    const auto most = std::max_element(rowsOf.begin(), rowsOf.end(), [](auto& a, auto& b) { return a.second < b.second; });
    EXPECT_GE(most->second, GetParam().full ? 50 : 8);
    for (char letter : {'W', 'Y'})
        for (const auto& p : pieces) EXPECT_NE(std::toupper(static_cast<unsigned char>(p.empty() ? ' ' : p[0])), letter) << p;
}

TEST_P(Catalogue, SourcesNotesAndDefinitionsIncludeTheEmptyCases) {
    EXPECT_GE(db.number("SELECT count(*) FROM CD_VAR WHERE CodFonte = 0 AND CodNota = 0"), 1);
    EXPECT_GE(db.number("SELECT count(*) FROM CD_VAR WHERE CodFonte <> 0"), 1);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_VAR WHERE CodFonte <> 0 AND CodFonte NOT IN (SELECT CodFonte FROM CD_FONTES)"), 0);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_VAR WHERE CodNota <> 0 AND CodNota NOT IN (SELECT CodNota FROM CD_NOTAS)"), 0);
    const auto blank = db.texts("SELECT CodNota FROM CD_NOTAS WHERE trim(DescricaoNota) = '' AND length(DescricaoNota) > 0");
    ASSERT_EQ(blank.size(), 1u);
    EXPECT_GE(db.number("SELECT count(*) FROM CD_VAR WHERE CodNota = " + blank[0]), 1);

    EXPECT_GE(db.number("SELECT count(*) FROM CD_VAR WHERE CodVariavel NOT IN (SELECT CodVariavel FROM CD_DEFINICOES)"), 1);
    EXPECT_GT(db.number("SELECT count(DISTINCT CodVariavel) FROM CD_DEFINICOES") * 2, GetParam().variables);
    EXPECT_EQ(db.number("SELECT count(*) FROM (SELECT CodVariavel FROM CD_DEFINICOES GROUP BY CodVariavel HAVING count(*) = 2)"), 1);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_DEFINICOES WHERE CodVariavel NOT IN (SELECT CodVariavel FROM CD_VAR)"), 0);
    EXPECT_GE(db.number("SELECT count(*) FROM CD_SUBVAR"), 2);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_SUBVAR WHERE CodVariavel NOT IN (SELECT CodVariavel FROM CD_VAR)"), 0);
}

TEST_P(Catalogue, ColumnsAreDeclaredAsJetStoresThem) {
    const std::regex decl(R"x("([^"]+)" (INTEGER|TEXT COLLATE JET|BOOLEAN)( PRIMARY KEY)?)x");
    for (const auto& table : db.texts("SELECT name FROM sqlite_master WHERE type = 'table'")) {
        const auto sql = db.createStatement(table);
        const auto body = sql.substr(sql.find('(') + 1, sql.rfind(')') - sql.find('(') - 1);
        std::size_t declared = 0;
        for (std::sregex_iterator it(body.begin(), body.end(), decl), end; it != end; ++it) ++declared;
        EXPECT_EQ(declared, db.columns(table).size()) << sql;
    }
    const auto var = db.createStatement("CD_VAR");
    EXPECT_NE(var.find(R"("Palavra-Chave" TEXT COLLATE JET)"), std::string::npos);
    EXPECT_NE(var.find(R"("criterio" BOOLEAN)"), std::string::npos);
    EXPECT_NE(var.find(R"("NumSeq" INTEGER)"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Samples, Catalogue,
                         ::testing::Values(Sample{"full", &fullSampleDir, 706, true},
                                           Sample{"small", &smallSampleDir, 42, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace sample_test

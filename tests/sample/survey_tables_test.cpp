// The survey tables of the generated file: one row per area, values in the survey's own forms, the
// repeated group of TM1 and the criteria table.
#include <gtest/gtest.h>

#include <map>
#include <algorithm>
#include <set>

#include "sample_db.h"

namespace sample_test {
namespace {

struct Sample {
    const char* name;
    const std::filesystem::path& (*dir)();
    int missingRows;
    bool full;
};

const std::vector<std::string> kSurveyTables{"TK", "TJ", "TM", "TM1", "TI", "TH", "TA", "TB", "TL99", "TD", "TG",
                                             "socioe_char", "TABCRI", "municipios"};

std::string twoDigits(int k) { return (k < 10 ? "0" : "") + std::to_string(k); }

void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

class SurveyTables : public ::testing::TestWithParam<Sample> {
protected:
    SampleDb db{GetParam().dir() / "Quelva.mdb"};

    std::string keyOf(const std::string& table) const { return table == "municipios" ? "COD_AREA_NORVA" : "Cod_Mun"; }
};

TEST_P(SurveyTables, EveryAreaHasARowButAFewMunicipalitiesEachMissingFromOneTable) {
    const auto areas = db.texts("SELECT COD_AREA_NORVA FROM CD_AREA");
    std::map<std::string, int> missingFrom;  // area code -> tables that lack it
    std::set<std::string> tablesMissingSome;
    for (const auto& table : kSurveyTables) {
        const auto key = keyOf(table);
        ASSERT_EQ(db.columns(table).at(0), key) << table;
        EXPECT_NE(db.createStatement(table).find("\"" + key + "\" INTEGER"), std::string::npos) << table;
        const auto present = db.texts("SELECT " + key + " FROM " + table);
        const std::set<std::string> have(present.begin(), present.end());
        EXPECT_EQ(have.size(), present.size()) << table << " repeats a key";
        for (const auto& a : areas)
            if (!have.count(a)) { ++missingFrom[a]; tablesMissingSome.insert(table); }
    }
    EXPECT_EQ(static_cast<int>(missingFrom.size()), GetParam().missingRows);
    EXPECT_EQ(static_cast<int>(tablesMissingSome.size()), GetParam().missingRows);
    for (const auto& [code, tables] : missingFrom) {
        EXPECT_EQ(tables, 1) << code;
        EXPECT_GE(std::stoi(code), 1);
        EXPECT_LE(std::stoi(code), 679) << "only municipalities lose rows";
    }
}

TEST_P(SurveyTables, CellsHoldBrazilianNumbersAnswersOrTheLegendCodes) {
    // A category answer: a word starting with a capital, without digits ("Própria", "Regular").
    auto isWord = [](const std::string& v) {
        return !v.empty() && v[0] >= 'A' && v[0] <= 'Z' && std::none_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    std::map<std::string, int> codes;
    int withThousands = 0, withDecimals = 0;
    std::set<std::string> sbColumns;
    for (const auto& r : db.rows("SELECT CodVariavel, NomeTabela FROM CD_VAR WHERE NomeTabela <> 'TM1'")) {
        for (const auto& cell : db.rows("SELECT \"" + *r[0] + "\" FROM " + *r[1])) {
            ASSERT_TRUE(cell[0].has_value()) << *r[0];
            const std::string& v = *cell[0];
            long long n;
            if (readBrNumber(v, n)) {
                withThousands += v.find('.') != std::string::npos;
                withDecimals += v.find(',') != std::string::npos;
            } else if (v == "NR" || v == "SB" || v == "..." || v == "-") {
                ++codes[v];
                if (v == "SB") sbColumns.insert(*r[0]);
            } else {
                ASSERT_TRUE(v == "Sim" || v == "Não" || isWord(v)) << *r[0] << ": \"" << v << "\"";
            }
        }
    }
    for (const char* c : {"NR", "SB", "...", "-"}) EXPECT_GT(codes[c], 0) << c;
    EXPECT_GT(withThousands, 0);
    EXPECT_GT(withDecimals, 0);
    for (const auto& code : sbColumns)
        EXPECT_EQ(db.texts("SELECT NomeTema FROM CD_VAR V, CD_TEMA T WHERE V.CodTema = T.CodTema AND CodVariavel = '" + code + "'"),
                  std::vector<std::string>{"Saneamento e Meio Ambiente"})
            << "SB belongs to sanitation variables: " << code;
}

TEST_P(SurveyTables, TM1HoldsNineRepetitionsOfANameAnd27Values) {
    std::vector<std::string> expected{"Cod_Mun"};
    for (int n = 1; n <= 9; ++n) {
        expected.push_back("M1_Nome_" + std::to_string(n));
        for (int k = 1; k <= 27; ++k) expected.push_back("M1_10" + twoDigits(k) + "_" + std::to_string(n));
    }
    EXPECT_EQ(db.columns("TM1"), expected);
}

TEST_P(SurveyTables, RepetitionsHoldDashesFromEachLocalitysLastRealOneOn) {
    std::set<int> counts;
    for (const auto& row : db.rows("SELECT * FROM TM1")) {
        const int code = std::stoi(*row[0]);
        int real = 0;
        std::set<std::string> names;
        for (int n = 1; n <= 9; ++n) {
            const std::size_t first = 1 + static_cast<std::size_t>(n - 1) * 28;
            const bool isReal = *row[first] != "-";
            if (isReal) {
                ASSERT_EQ(real, n - 1) << code << ": repetition " << n << " follows a missing one";
                real = n;
                EXPECT_TRUE(names.insert(*row[first]).second) << code << " lists " << *row[first] << " twice";
            }
            for (std::size_t i = first + 1; i < first + 28; ++i) {
                if (isReal) {
                    EXPECT_NE(*row[i], "-") << code << " repetition " << n;
                } else {
                    ASSERT_EQ(*row[i], "-") << code << " repetition " << n;
                }
            }
        }
        if (code >= 1 && code <= 679) {
            EXPECT_GE(real, 1) << code;
            counts.insert(real);
        } else {
            EXPECT_EQ(real, 0) << "a group lists no councils: " << code;
        }
    }
    EXPECT_TRUE(counts.count(1));
    EXPECT_TRUE(counts.count(9));
    if (GetParam().full) { EXPECT_EQ(counts.size(), 9u); }
}

TEST_P(SurveyTables, TabcriHoldsTheWholeNumberOfEachCriterionCell) {
    const auto criteria = db.rows("SELECT CodVariavel, NomeTabela FROM CD_VAR WHERE criterio ORDER BY NumSeq");
    std::vector<std::string> expected{"Cod_Mun"};
    for (const auto& r : criteria) expected.push_back("cri_" + *r[0]);
    const auto columns = db.columns("TABCRI");
    EXPECT_EQ(std::set<std::string>(columns.begin(), columns.end()), std::set<std::string>(expected.begin(), expected.end()));
    for (const auto& r : criteria) {
        const auto column = "cri_" + *r[0];
        EXPECT_NE(db.createStatement("TABCRI").find("\"" + column + "\" INTEGER"), std::string::npos) << column;
        const auto joined = db.rows("SELECT S.\"" + *r[0] + "\", C.\"" + column + "\", typeof(C.\"" + column + "\") FROM " + *r[1] +
                                    " S, TABCRI C WHERE S.Cod_Mun = C.Cod_Mun AND S.Cod_Mun BETWEEN 1 AND 679");
        ASSERT_FALSE(joined.empty());
        for (const auto& j : joined) {
            const std::string& cell = *j[0];
            long long n;
            if (cell == "Sim" || cell == "Não") {
                EXPECT_EQ(*j[1], cell == "Sim" ? "1" : "0");
            } else if (readBrNumber(cell, n)) {
                EXPECT_EQ(*j[2], "integer") << column;
                EXPECT_EQ(*j[1], std::to_string(n)) << column << " of \"" << cell << "\"";
            } else {
                EXPECT_FALSE(j[1].has_value()) << column << ": a code has no number";
            }
        }
    }
}

TEST_P(SurveyTables, MunicipiosRepeatsTheCatalogueNames) {
    EXPECT_EQ(db.number("SELECT count(*) FROM municipios M, CD_AREA A WHERE M.COD_AREA_NORVA = A.COD_AREA_NORVA "
                        "AND M.DESCRICAO <> A.DESCRICAO COLLATE BINARY"),
              0);
    EXPECT_EQ(db.columns("municipios"), (std::vector<std::string>{"COD_AREA_NORVA", "DESCRICAO"}));
}

INSTANTIATE_TEST_SUITE_P(Samples, SurveyTables,
                         ::testing::Values(Sample{"full", &fullSampleDir, 6, true},
                                           Sample{"small", &smallSampleDir, 3, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace sample_test

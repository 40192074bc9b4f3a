// The generated file as the program sees it, through the engine: the statements of the locality list and
// the name search, run as the program writes them.
#include <gtest/gtest.h>

#include "connection.h"
#include "sample_db.h"
#include "text_case.h"

namespace sample_test {
namespace {

struct Sample {
    const char* name;
    const std::filesystem::path& (*dir)();
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

class EngineView : public ::testing::TestWithParam<Sample> {
protected:
    jet::Connection con = jet::Connection::open((GetParam().dir() / "Quelva.mdb").string());

    std::vector<std::string> localityList() const {
        std::vector<std::string> names;
        auto rs = con.openRecordset("Select * From CD_AREA Where mun<>0  ORDER by descricao");
        for (; !rs.eof(); rs.moveNext()) names.push_back(rs.field("DESCRICAO").toText());
        return names;
    }
};

// Row p of the name-search table is entry p of the locality list, under the engine's own ordering.
TEST_P(EngineView, NameSearchRowsAreTheLocalityListInCapitals) {
    const auto list = localityList();
    auto rs = con.openRecordset("Select * From nomemun order by [desc]");
    ASSERT_EQ(rs.recordCount(), static_cast<int>(list.size()));
    for (std::size_t p = 0; !rs.eof(); rs.moveNext(), ++p)
        ASSERT_EQ(rs.field("desc").toText(), sample::upperPt(list[p])) << "row " << p;
}

// The search the Localities panel runs: the first row whose name begins with the typed letters is the
// first list entry that begins with them. Every name's first word (and its first letter) is tried.
TEST_P(EngineView, FindFirstByPrefixLandsOnTheFirstMatchingListEntry) {
    const auto list = localityList();
    auto rs = con.openRecordset("Select * From nomemun order by [desc]");
    std::size_t tried = 0;
    for (const auto& name : list) {
        const std::string word = sample::upperPt(name.substr(0, name.find(' ')));
        for (const auto& typed : {word, word.substr(0, static_cast<unsigned char>(word[0]) < 0x80 ? 1 : 2)}) {
            rs.findFirst("desc like \"" + typed + "*\"");
            ASSERT_FALSE(rs.noMatch()) << typed;
            const auto p = static_cast<std::size_t>(rs.absolutePosition());
            std::size_t first = 0;
            while (sample::upperPt(list[first]).rfind(typed, 0) != 0) ++first;
            ASSERT_EQ(p, first) << typed;
            ++tried;
        }
    }
    EXPECT_EQ(tried, 2 * list.size());
    rs.findFirst("desc like \"XYZ*\"");
    EXPECT_TRUE(rs.noMatch());
}

// The statements the keyword index runs find the odd keywords the sample holds.
TEST_P(EngineView, KeywordStatementsFindTheOddKeywords) {
    auto letter = [&](const std::string& l) {
        return con.openRecordset("Select [Palavra-Chave] From CD_VAR Where ucase(left(trim([Palavra-Chave]),1)) = '" + l +
                                 "' or ucase([Palavra-Chave]) Like '*;" + l + "*' Order By NumSeq").recordCount();
    };
    EXPECT_GT(letter("C"), 0);
    EXPECT_GT(letter("R"), 0);
    EXPECT_EQ(letter("Y"), 0);
    auto carrying = [&](const std::string& k) {
        return con.openRecordset("Select * From CD_VAR Where Ucase([Palavra-Chave]) Like '*" + k + "*' Order By NumSeq").recordCount();
    };
    EXPECT_GT(carrying("RADIO"), carrying("RADIODIFUSAO"));
    EXPECT_GT(carrying("RADIODIFUSAO"), 0);
    EXPECT_GT(carrying("ÁGUA"), 0);
}

// The criteria list's statement shows the long code cut to 20 characters.
TEST_P(EngineView, CriteriaListCutsTheLongCodeTo20Characters) {
    auto rs = con.openRecordset("select cstr(mid(codvariavel+space(20),1,20)) & cstr(nomevariavel) , nomevariavel , codvariavel "
                                "from cd_var where criterio");
    ASSERT_GT(rs.recordCount(), 0);
    bool sawLong = false;
    for (; !rs.eof(); rs.moveNext()) {
        const auto code = rs.field("codvariavel").toText();
        const auto value = rs.field(0).toText();
        ASSERT_EQ(value.substr(20), rs.field("nomevariavel").toText());
        if (code.size() > 20) {
            sawLong = true;
            EXPECT_EQ(value.substr(0, 20), code.substr(0, 20));
        }
    }
    EXPECT_TRUE(sawLong);
}

INSTANTIATE_TEST_SUITE_P(Samples, EngineView,
                         ::testing::Values(Sample{"full", &fullSampleDir}, Sample{"small", &smallSampleDir}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace sample_test

// The locality catalogue of the generated file: code bands, review orders, and the name-search table.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "sample_db.h"

namespace sample_test {
namespace {

struct Sample {
    const char* name;
    const std::filesystem::path& (*dir)();
    int municipalities;
    bool full;
};

void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

enum class Band { State, Municipality, Ra, Rg, Other, Drads, Outside };

Band bandOf(int code) {
    if (code == 0) return Band::State;
    if (code >= 1 && code <= 679) return Band::Municipality;
    if (code >= 681 && code <= 695) return Band::Ra;
    if (code >= 701 && code <= 742) return Band::Rg;
    if (code == 698 || code == 700) return Band::Other;
    if (code >= 801 && code <= 823) return Band::Drads;
    return Band::Outside;
}

class Localities : public ::testing::TestWithParam<Sample> {
protected:
    SampleDb db{GetParam().dir() / "Quelva.mdb"};

    // Area codes in one review order.
    std::vector<int> reviewOrder(const std::string& column) const {
        std::vector<int> codes;
        const auto rows = db.rows("SELECT COD_AREA_NORVA, " + column + " FROM CD_AREA WHERE " + column + " > 0 ORDER BY " + column);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(*rows[i][1], std::to_string(i + 1)) << column << " has a gap or a repeat";
            codes.push_back(std::stoi(*rows[i][0]));
        }
        return codes;
    }

    // Members of each group as the review order shows them: the municipalities after the group's line,
    // up to the next group line. An RA also takes the members of its RGs.
    static std::map<int, std::vector<int>> membersInOrder(const std::vector<int>& order) {
        std::map<int, std::vector<int>> members;
        int ra = -1, group = -1;
        for (int code : order) {
            switch (bandOf(code)) {
            case Band::Ra: ra = group = code; break;
            case Band::Rg:
            case Band::Drads: group = code; break;
            case Band::Municipality:
                members[group].push_back(code);
                if (ra != group && ra != -1) members[ra].push_back(code);
                break;
            default: group = -1; break;
            }
        }
        return members;
    }
};

TEST_P(Localities, CodesFallInTheirBands) {
    std::map<Band, int> count;
    for (const auto& r : db.rows("SELECT COD_AREA_NORVA, mun, DESCRICAO FROM CD_AREA")) {
        const int code = std::stoi(*r[0]);
        const Band band = bandOf(code);
        ++count[band];
        EXPECT_NE(band, Band::Outside) << code;
        EXPECT_EQ(*r[1] != "0", band != Band::State) << "only the state total stays out of the list: " << code;
        EXPECT_FALSE(r[2]->empty()) << code;
    }
    EXPECT_EQ(count[Band::State], 1);
    EXPECT_EQ(count[Band::Municipality], GetParam().municipalities);
    EXPECT_EQ(count[Band::Other], 2);
    for (int code : {1, 5, 679}) EXPECT_EQ(db.number("SELECT count(*) FROM CD_AREA WHERE COD_AREA_NORVA = " + std::to_string(code)), 1);
    if (GetParam().full) {
        EXPECT_EQ(count[Band::Ra], 15);
        EXPECT_EQ(count[Band::Rg], 42);
        EXPECT_EQ(count[Band::Drads], 23);
    } else {
        EXPECT_GE(count[Band::Ra], 2);
        EXPECT_GE(count[Band::Rg], 2);
        EXPECT_GE(count[Band::Drads], 2);
    }
}

TEST_P(Localities, NamesIncludeTheOddCases) {
    const auto names = db.texts("SELECT DESCRICAO FROM CD_AREA WHERE COD_AREA_NORVA BETWEEN 1 AND 679");
    auto any = [&](auto pred) { return std::any_of(names.begin(), names.end(), pred); };
    EXPECT_TRUE(any([](const std::string& n) { return n.rfind("São ", 0) == 0; }));
    EXPECT_TRUE(any([](const std::string& n) { return n.rfind("Santa ", 0) == 0; }));
    EXPECT_TRUE(any([](const std::string& n) { return n.rfind("Á", 0) == 0; }));
    EXPECT_TRUE(any([](const std::string& n) { return n.find('\'') != std::string::npos; }));
    std::map<std::string, int> starts;
    for (const auto& n : names) ++starts[n.substr(0, 5)];
    EXPECT_TRUE(std::any_of(starts.begin(), starts.end(), [](auto& s) { return s.second > 1 && s.first.rfind("S", 0) != 0; }));
}

TEST_P(Localities, RaRgReviewOrderPutsEveryMunicipalityOnceUnderAnRg) {
    const auto order = reviewOrder("munseqrarg");
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order[0], 698);
    EXPECT_EQ(order[1], 700);
    std::set<int> seen;
    for (std::size_t i = 2; i < order.size(); ++i) {
        const Band b = bandOf(order[i]);
        ASSERT_TRUE(b == Band::Ra || b == Band::Rg || b == Band::Municipality) << order[i];
        if (b == Band::Ra) { EXPECT_EQ(bandOf(order.at(i + 1)), Band::Rg) << "RA " << order[i] << " opens with an RG"; }
        if (b == Band::Rg) { EXPECT_EQ(bandOf(order.at(i + 1)), Band::Municipality) << "RG " << order[i] << " has members"; }
        if (b == Band::Municipality) { EXPECT_NE(bandOf(order[i - 1]), Band::Ra); }
        EXPECT_TRUE(seen.insert(order[i]).second) << order[i];
    }
    EXPECT_EQ(bandOf(order[2]), Band::Ra);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_AREA WHERE COD_AREA_NORVA BETWEEN 1 AND 742 AND COD_AREA_NORVA <> 0 AND munseqrarg = 0"), 0);
    EXPECT_EQ(db.number("SELECT count(*) FROM CD_AREA WHERE (COD_AREA_NORVA >= 801 OR COD_AREA_NORVA = 0) AND munseqrarg <> 0"), 0);
}

TEST_P(Localities, DradsReviewOrderPutsEveryMunicipalityOnceUnderADrads) {
    const auto order = reviewOrder("munseqdrads");
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(bandOf(order[0]), Band::Drads);
    std::set<int> seen;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Band b = bandOf(order[i]);
        ASSERT_TRUE(b == Band::Drads || b == Band::Municipality) << order[i];
        if (b == Band::Drads) { EXPECT_EQ(bandOf(order.at(i + 1)), Band::Municipality) << "DRADS " << order[i] << " has members"; }
        EXPECT_TRUE(seen.insert(order[i]).second) << order[i];
    }
    EXPECT_EQ(static_cast<long long>(seen.size()), db.number("SELECT count(*) FROM CD_AREA WHERE COD_AREA_NORVA BETWEEN 1 AND 679 OR COD_AREA_NORVA BETWEEN 801 AND 823"));
}

// A group's figures total the municipalities its review order lists under it; a municipality missing from
// TABCRI leaves its groups out of the check, since the table cannot show its share.
TEST_P(Localities, GroupTotalsAddUpTheMembersOfTheReviewOrder) {
    auto members = membersInOrder(reviewOrder("munseqrarg"));
    for (auto& [code, list] : membersInOrder(reviewOrder("munseqdrads"))) members[code] = list;
    for (const auto& c : db.texts("SELECT COD_AREA_NORVA FROM CD_AREA WHERE COD_AREA_NORVA BETWEEN 1 AND 679"))
        members[0].push_back(std::stoi(c));
    std::map<int, std::map<std::string, std::optional<std::string>>> criteria;
    const auto columns = db.columns("TABCRI");
    for (const auto& row : db.rows("SELECT * FROM TABCRI"))
        for (std::size_t i = 1; i < columns.size(); ++i) criteria[std::stoi(*row[0])][columns[i]] = row[i];

    int checked = 0;
    for (const auto& [group, list] : members) {
        if (std::any_of(list.begin(), list.end(), [&](int m) { return !criteria.count(m); })) continue;
        for (std::size_t i = 1; i < columns.size(); ++i) {
            long long sum = 0;
            bool any = false;
            for (int m : list)
                if (const auto& v = criteria[m][columns[i]]) { sum += std::stoll(*v); any = true; }
            const auto& total = criteria.at(group)[columns[i]];
            ASSERT_EQ(total.has_value(), any) << group << " " << columns[i];
            if (any) { ASSERT_EQ(std::stoll(*total), sum) << group << " " << columns[i]; }
        }
        ++checked;
    }
    EXPECT_GT(checked, GetParam().full ? 60 : 5);
}

TEST_P(Localities, NameSearchRowsAlignWithTheLocalityList) {
    const auto list = db.texts("Select DESCRICAO From CD_AREA Where mun<>0  ORDER by descricao");
    const auto search = db.texts("Select [desc] From nomemun order by [desc]");
    ASSERT_EQ(search.size(), list.size());
    for (std::size_t p = 0; p < list.size(); ++p) {
        const auto same = db.number("SELECT ? = ? COLLATE JET", {search[p], list[p]});
        ASSERT_EQ(same, 1) << "row " << p << ": " << search[p] << " / " << list[p];
        for (std::size_t i = 0; i < search[p].size(); ++i) {
            const auto c = static_cast<unsigned char>(search[p][i]);
            const bool smallAscii = c >= 'a' && c <= 'z';
            const bool smallLatin1 = c == 0xC3 && i + 1 < search[p].size() && static_cast<unsigned char>(search[p][i + 1]) >= 0xA0;
            ASSERT_FALSE(smallAscii || smallLatin1) << search[p] << " is not all in capitals";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, Localities,
                         ::testing::Values(Sample{"full", &fullSampleDir, 645, true},
                                           Sample{"small", &smallSampleDir, 30, false}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace sample_test

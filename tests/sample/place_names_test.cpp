// Invented municipality names: unique, and covering the cases the locality list and its search must meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "place_names.h"
#include "text_case.h"

namespace sample {
namespace {

bool anyStartsWith(const std::vector<std::string>& names, const std::string& prefix) {
    return std::any_of(names.begin(), names.end(), [&](const auto& n) { return n.rfind(prefix, 0) == 0; });
}

bool anyContains(const std::vector<std::string>& names, const std::string& part) {
    return std::any_of(names.begin(), names.end(), [&](const auto& n) { return n.find(part) != std::string::npos; });
}

TEST(PlaceNames, EvenAShortListHoldsEveryOddCase) {
    Rng rng(3);
    const auto names = inventPlaceNames(9, rng);
    ASSERT_EQ(names.size(), 9u);
    EXPECT_TRUE(anyStartsWith(names, "São João"));
    EXPECT_TRUE(anyStartsWith(names, "São José"));
    EXPECT_TRUE(anyStartsWith(names, "Santa "));
    EXPECT_TRUE(anyStartsWith(names, "Santo "));
    EXPECT_TRUE(anyStartsWith(names, "Águas de "));
    EXPECT_TRUE(anyContains(names, "'"));
    EXPECT_TRUE(anyContains(names, "-"));
    EXPECT_EQ(std::count_if(names.begin(), names.end(), [](const auto& n) { return n.rfind("Itapo", 0) == 0; }), 2);
}

TEST(PlaceNames, NoTwoNamesMatchOnceCaseAccentsAndSignsAreSetAside) {
    Rng rng(11);
    const auto names = inventPlaceNames(645, rng);
    ASSERT_EQ(names.size(), 645u);
    std::set<std::string> keys;
    for (const auto& n : names) {
        std::string letters;
        for (char c : foldPt(n))
            if (std::isalnum(static_cast<unsigned char>(c))) letters += c;
        EXPECT_TRUE(keys.insert(letters).second) << n;
        EXPECT_NO_THROW(upperPt(n)) << n;
    }
}

TEST(PlaceNames, SameSeedSameNames) {
    Rng a(5), b(5), c(6);
    const auto first = inventPlaceNames(40, a);
    EXPECT_EQ(first, inventPlaceNames(40, b));
    EXPECT_NE(first, inventPlaceNames(40, c));
}

TEST(PlaceNames, TooFewForTheOddCasesIsRefused) {
    Rng rng(1);
    EXPECT_THROW(inventPlaceNames(8, rng), std::invalid_argument);
}

}  // namespace
}  // namespace sample

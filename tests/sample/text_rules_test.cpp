// The small text helpers the sample is built from: capitals, folding, Brazilian numbers, the random source.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "br_number.h"
#include "rng.h"
#include "text_case.h"

namespace sample {
namespace {

TEST(Capitals, PortugueseLettersKeepTheirAccents) {
    EXPECT_EQ(upperPt("São José d'Água"), "SÃO JOSÉ D'ÁGUA");
    EXPECT_EQ(upperPt("açúcar, pão, avô, têxtil, põe, à"), "AÇÚCAR, PÃO, AVÔ, TÊXTIL, PÕE, À");
    EXPECT_EQ(upperPt("Itapoã-Mirim 1999"), "ITAPOÃ-MIRIM 1999");
    EXPECT_EQ(upperPt("JÁ EM CAPITAIS"), "JÁ EM CAPITAIS");
}

TEST(Capitals, LettersOutsidePortugueseAreRefused) {
    EXPECT_THROW(upperPt("Straße"), std::invalid_argument);        // ß has no one-letter capital
    EXPECT_THROW(upperPt("ÿ"), std::invalid_argument);             // its capital lies outside Latin-1
    EXPECT_THROW(upperPt("Łódź"), std::invalid_argument);          // beyond Latin-1
    EXPECT_THROW(upperPt("preço: 5 €"), std::invalid_argument);    // three-byte sign
    EXPECT_THROW(upperPt("a\xC3"), std::invalid_argument);         // cut-off sequence
}

TEST(Folding, DropsCaseAndAccentsKeepsEverythingElse) {
    EXPECT_EQ(foldPt("São José d'Água"), "sao jose d'agua");
    EXPECT_EQ(foldPt("ÇÃÕÉÍÓÚÂÊÔÀÜ"), "caoeiouaeoau");
    EXPECT_EQ(foldPt("Itapoã-Mirim"), "itapoa-mirim");
    EXPECT_THROW(foldPt("a × b"), std::invalid_argument);  // × sits among the letters but is none
}

TEST(BrazilianNumbers, ThousandsAreGroupedWithPoints) {
    EXPECT_EQ(formatBrInteger(0), "0");
    EXPECT_EQ(formatBrInteger(999), "999");
    EXPECT_EQ(formatBrInteger(1000), "1.000");
    EXPECT_EQ(formatBrInteger(1234), "1.234");
    EXPECT_EQ(formatBrInteger(999999), "999.999");
    EXPECT_EQ(formatBrInteger(1234567), "1.234.567");
    EXPECT_EQ(formatBrInteger(-1234), "-1.234");
    EXPECT_EQ(formatBrInteger(INT64_MIN), "-9.223.372.036.854.775.808");
}

TEST(BrazilianNumbers, DecimalsFollowAComma) {
    EXPECT_EQ(formatBrDecimal(125, 1), "12,5");
    EXPECT_EQ(formatBrDecimal(5, 2), "0,05");
    EXPECT_EQ(formatBrDecimal(100, 2), "1,00");
    EXPECT_EQ(formatBrDecimal(123456, 2), "1.234,56");
    EXPECT_EQ(formatBrDecimal(-5, 1), "-0,5");
    EXPECT_THROW(formatBrDecimal(1, 0), std::invalid_argument);
    EXPECT_THROW(formatBrDecimal(1, 7), std::invalid_argument);
}

TEST(RandomSource, IsSplitmix64) {
    // The published first outputs of splitmix64 from seed 0: the sample depends on nothing but this.
    Rng r(0);
    EXPECT_EQ(r.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(r.next(), 0x6E789E6AA1B965F4ull);
    EXPECT_EQ(r.next(), 0x06C45D188009454Full);
}

TEST(RandomSource, DrawsStayInRangeAndReachBothEnds) {
    Rng r(7);
    std::set<std::int64_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const auto v = r.between(-2, 3);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 3);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 6u);
    for (int i = 0; i < 1000; ++i) ASSERT_LT(r.below(3), 3u);
}

TEST(RandomSource, ShuffleIsAPermutationAndRepeatsWithTheSeed) {
    std::vector<int> a(50), b;
    for (int i = 0; i < 50; ++i) a[static_cast<std::size_t>(i)] = i;
    b = a;
    Rng r1(42), r2(42);
    r1.shuffle(a);
    r2.shuffle(b);
    EXPECT_EQ(a, b);
    auto sorted = a;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 50; ++i) EXPECT_EQ(sorted[static_cast<std::size_t>(i)], i);
    EXPECT_NE(a, sorted);
}

TEST(RandomSource, KeyedHashDependsOnEveryKey) {
    const auto h = keyedHash(1, 2, 3, 4);
    EXPECT_EQ(h, keyedHash(1, 2, 3, 4));
    EXPECT_NE(h, keyedHash(9, 2, 3, 4));
    EXPECT_NE(h, keyedHash(1, 9, 3, 4));
    EXPECT_NE(h, keyedHash(1, 2, 9, 4));
    EXPECT_NE(h, keyedHash(1, 2, 3, 9));
    EXPECT_NE(keyedHash(1, 2, 3), keyedHash(1, 3, 2));
}

}  // namespace
}  // namespace sample

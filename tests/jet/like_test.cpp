#include <gtest/gtest.h>

#include "text.h"

using jet::jetLike;

TEST(Like, WildcardsMatchAsJetDefinesThem) {
    EXPECT_TRUE(jetLike("SANTOS", "SAN*"));
    EXPECT_TRUE(jetLike("SAN", "SAN*"));            // "*" also matches nothing
    EXPECT_FALSE(jetLike("ASANTOS", "SAN*"));       // the whole text must match
    EXPECT_TRUE(jetLike("casa;carro;Cavalo", "*;CA*"));
    EXPECT_TRUE(jetLike("abc", "a?c"));
    EXPECT_FALSE(jetLike("ac", "a?c"));             // "?" is exactly one character
    EXPECT_TRUE(jetLike("São", "S?o"));             // one character, not one byte
    EXPECT_TRUE(jetLike("a1c", "a#c"));
    EXPECT_FALSE(jetLike("abc", "a#c"));
    EXPECT_TRUE(jetLike("", "*"));
    EXPECT_FALSE(jetLike("", "?"));
    EXPECT_TRUE(jetLike("aXbXc", "*X*X*"));
    EXPECT_FALSE(jetLike("aXbc", "*X*X*"));
    EXPECT_FALSE(jetLike("aba", "*aba*aba*"));      // runs between stars never overlap
    EXPECT_TRUE(jetLike("abaaba", "*aba*aba"));
    EXPECT_FALSE(jetLike("ab", "a*b*b"));           // the last run sits at the end, after the first
    EXPECT_TRUE(jetLike("x1y2z", "*#?#*"));
}

TEST(Like, LongTextsAndPeriodicRuns) {
    const std::string many(100000, 'a');
    EXPECT_FALSE(jetLike(many, "*" + std::string(2000, 'a') + "b"));
    EXPECT_TRUE(jetLike(many + "b", "*" + std::string(2000, 'a') + "b"));
    EXPECT_TRUE(jetLike(many + "ab", "*" + std::string(2000, 'A') + "?b*"));  // the bit-parallel run, past 64
    EXPECT_FALSE(jetLike(many, "*" + std::string(70, 'a') + "[!a]*"));
    EXPECT_TRUE(jetLike("aabaabaaab", "*aabaaab"));
}

TEST(Like, CharacterListsAndRanges) {
    EXPECT_TRUE(jetLike("b", "[abc]"));
    EXPECT_FALSE(jetLike("d", "[abc]"));
    EXPECT_TRUE(jetLike("d", "[!abc]"));
    EXPECT_FALSE(jetLike("a", "[!abc]"));
    EXPECT_TRUE(jetLike("m", "[a-z]"));
    EXPECT_TRUE(jetLike("M", "[a-z]"));             // ranges ignore case too
    EXPECT_FALSE(jetLike("5", "[a-z]"));
    EXPECT_TRUE(jetLike("a*b", "a[*]b"));           // brackets make a wildcard literal
    EXPECT_FALSE(jetLike("axb", "a[*]b"));
    EXPECT_FALSE(jetLike("a", "[a"));               // an unclosed list matches nothing
}

TEST(Like, IgnoresCaseButNotAccents) {
    EXPECT_TRUE(jetLike("radiodifusao", "*RADIO*"));
    EXPECT_TRUE(jetLike("ÁGUA", "água"));
    EXPECT_FALSE(jetLike("AGUA", "ÁGUA"));
    EXPECT_FALSE(jetLike("Sao Paulo", "São*"));
}

TEST(TextRules, CompareIgnoresCaseKeepsAccentsAndSortsThemBesideTheirLetter) {
    jet::TextRules r;
    EXPECT_EQ(r.compare("casa", "CASA"), 0);
    EXPECT_NE(r.compare("agua", "água"), 0);
    EXPECT_LT(r.compare("água", "agz"), 0);         // á sorts with a, before z
    EXPECT_LT(r.compare("agua", "água"), 0);
    EXPECT_LT(r.compare("Santa", "São"), 0);
    EXPECT_LT(r.compare("São", "Sapo"), 0);
    EXPECT_EQ(r.sortKey("Água"), r.sortKey("ÁGUA"));
    EXPECT_NE(r.sortKey("Água"), r.sortKey("Agua"));
}

TEST(TextRules, CaseMappingCoversAccentedLetters) {
    EXPECT_EQ(jet::upperCase("ação d'água"), "AÇÃO D'ÁGUA");
    EXPECT_EQ(jet::lowerCase("ÉPOCA"), "época");
}

#include <gtest/gtest.h>

#include "value.h"

using jet::Value;

TEST(Value, TextFormsAreThoseOfJet) {
    EXPECT_EQ(Value().toText(), "");
    EXPECT_EQ(Value::integer(-42).toText(), "-42");
    EXPECT_EQ(Value::real(12.5).toText(), "12.5");
    EXPECT_EQ(Value::real(3.0).toText(), "3");
    EXPECT_EQ(Value::real(0.1).toText(), "0.1");
    EXPECT_EQ(Value::real(1e20).toText(), "1E+20");
    EXPECT_EQ(Value::boolean(true).toText(), "True");
    EXPECT_EQ(Value::boolean(false).toText(), "False");
}

TEST(Value, NumbersFromEveryKind) {
    EXPECT_EQ(Value::boolean(true).toDouble(), -1.0);  // Jet's True is -1
    EXPECT_EQ(Value::text(" 7 ").toDouble(), 7.0);
    EXPECT_EQ(Value::text("7a").toDouble(), 0.0);
    EXPECT_EQ(Value::real(2.5).toInteger(), 2);        // halves to even, as CLng
    EXPECT_EQ(Value::real(3.5).toInteger(), 4);
    EXPECT_EQ(Value().toInteger(), 0);
    EXPECT_TRUE(Value().isNull());
    EXPECT_FALSE(Value::text("").isNull());
}

TEST(Value, ParseNumberNeedsTheWholeText) {
    double d = 0;
    EXPECT_TRUE(jet::parseNumber("1234.5", d));
    EXPECT_EQ(d, 1234.5);
    EXPECT_FALSE(jet::parseNumber("1.234,5", d));      // Brazilian form is text, not a number
    EXPECT_FALSE(jet::parseNumber("", d));
    EXPECT_FALSE(jet::parseNumber("NR", d));
}

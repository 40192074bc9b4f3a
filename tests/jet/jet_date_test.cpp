// Dates decoded from the value Jet stores; the expected texts come from Python's datetime (30 December 1899
// plus the days), not from the decoder.
#include <gtest/gtest.h>

#include <cmath>

#include "jet_date.h"

namespace {

using jet::jetDateText;

TEST(JetDate, WholeDaysAreDatesWithoutATime) {
    EXPECT_EQ(jetDateText(0), "1899-12-30");
    EXPECT_EQ(jetDateText(36526), "2000-01-01");
    EXPECT_EQ(jetDateText(43801), "2019-12-02");
    EXPECT_EQ(jetDateText(60), "1900-02-28");  // 1900 is no leap year in Jet
    EXPECT_EQ(jetDateText(61), "1900-03-01");
}

TEST(JetDate, YearsBefore1900AndAfter2100) {
    EXPECT_EQ(jetDateText(-1), "1899-12-29");
    EXPECT_EQ(jetDateText(-365), "1898-12-30");
    EXPECT_EQ(jetDateText(-657434), "0100-01-01");
    EXPECT_EQ(jetDateText(2958465), "9999-12-31");
    EXPECT_EQ(jetDateText(73051), "2100-01-01");
}

TEST(JetDate, TheFractionIsTheTimeOfDayAlsoBefore1899) {
    EXPECT_EQ(jetDateText(0.5), "1899-12-30 12:00:00");
    EXPECT_EQ(jetDateText(1.75), "1899-12-31 18:00:00");
    EXPECT_EQ(jetDateText(-1.25), "1899-12-29 06:00:00");  // the day counts back, the time forward
    EXPECT_EQ(jetDateText(36526 + 1.0 / 86400), "2000-01-01 00:00:01");
    EXPECT_EQ(jetDateText(2958465 + 86399.0 / 86400), "9999-12-31 23:59:59");
}

TEST(JetDate, TimesRoundToTheSecondAndCarryIntoTheNextDay) {
    EXPECT_EQ(jetDateText(36526 + 0.4 / 86400), "2000-01-01");
    EXPECT_EQ(jetDateText(36526 + 1.6 / 86400), "2000-01-01 00:00:02");
    EXPECT_EQ(jetDateText(36526 + 86399.6 / 86400), "2000-01-02");
    EXPECT_EQ(jetDateText(-1 - 86399.6 / 86400), "1899-12-30");
}

TEST(JetDate, ValuesJetNeverStoresAreRefused) {
    EXPECT_FALSE(jetDateText(-657435));
    EXPECT_FALSE(jetDateText(2958466));
    EXPECT_FALSE(jetDateText(1e300));
    EXPECT_FALSE(jetDateText(NAN));
    EXPECT_FALSE(jetDateText(INFINITY));
}

}  // namespace

// Dates decoded from the value Jet stores; the expected texts come from Python's datetime (30 December 1899
// plus the days), not from the decoder.
#include <gtest/gtest.h>

#include <cmath>

#include "stored_date.h"

namespace {

using jet::storedDateText;

TEST(StoredDate, WholeDaysAreDatesWithoutATime) {
    EXPECT_EQ(storedDateText(0), "1899-12-30");
    EXPECT_EQ(storedDateText(36526), "2000-01-01");
    EXPECT_EQ(storedDateText(43801), "2019-12-02");
    EXPECT_EQ(storedDateText(60), "1900-02-28");  // 1900 is no leap year in Jet
    EXPECT_EQ(storedDateText(61), "1900-03-01");
}

TEST(StoredDate, YearsBefore1900AndAfter2100) {
    EXPECT_EQ(storedDateText(-1), "1899-12-29");
    EXPECT_EQ(storedDateText(-365), "1898-12-30");
    EXPECT_EQ(storedDateText(-657434), "0100-01-01");
    EXPECT_EQ(storedDateText(2958465), "9999-12-31");
    EXPECT_EQ(storedDateText(73051), "2100-01-01");
}

TEST(StoredDate, TheFractionIsTheTimeOfDayAlsoBefore1899) {
    EXPECT_EQ(storedDateText(0.5), "1899-12-30 12:00:00");
    EXPECT_EQ(storedDateText(1.75), "1899-12-31 18:00:00");
    EXPECT_EQ(storedDateText(-1.25), "1899-12-29 06:00:00");  // the day counts back, the time forward
    EXPECT_EQ(storedDateText(36526 + 1.0 / 86400), "2000-01-01 00:00:01");
    EXPECT_EQ(storedDateText(2958465 + 86399.0 / 86400), "9999-12-31 23:59:59");
}

TEST(StoredDate, TimesRoundToTheSecondAndCarryIntoTheNextDay) {
    EXPECT_EQ(storedDateText(36526 + 0.4 / 86400), "2000-01-01");
    EXPECT_EQ(storedDateText(36526 + 1.6 / 86400), "2000-01-01 00:00:02");
    EXPECT_EQ(storedDateText(36526 + 86399.6 / 86400), "2000-01-02");
    EXPECT_EQ(storedDateText(-1 - 86399.6 / 86400), "1899-12-30");
}

TEST(StoredDate, ValuesJetNeverStoresAreRefused) {
    EXPECT_FALSE(storedDateText(-657435));
    EXPECT_FALSE(storedDateText(2958466));
    EXPECT_FALSE(storedDateText(1e300));
    EXPECT_FALSE(storedDateText(NAN));
    EXPECT_FALSE(storedDateText(INFINITY));
}

}  // namespace

// Dates as values: whatever makes a date (a stored one, a literal, a date function, arithmetic, CDate), it
// compares, sorts, groups and converts by the day and time it stands for. Expected serials are days since
// 30 December 1899, counted by hand (4 August 1994 is 34550).
#include <gtest/gtest.h>

#include "connection.h"
#include "error.h"
#include "fixture.h"
#include "statement_helpers.h"

namespace {

class NwindDates : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string folder = testing_support::testdataFolder();
        if (!folder.empty()) db_ = new jet::Connection(jet::Connection::open(folder + "/nwind.mdb"));
    }
    static void TearDownTestSuite() {
        delete db_;
        db_ = nullptr;
    }
    void SetUp() override {
        if (!db_) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    }
    static std::string rows(const std::string& sql) { return testing_support::firstColumn(db_->openRecordset(sql)); }
    static std::string one(const std::string& sql) { return db_->openRecordset(sql).field(0).toText(); }

    static jet::Connection* db_;
};

jet::Connection* NwindDates::db_ = nullptr;

TEST_F(NwindDates, AStoredDateEqualsEveryOtherFormOfTheSameDay) {
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = #8/4/1994#"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = #1994-08-04#"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = #8/4/1994 0:00#"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = DateSerial(1994, 8, 4)"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = DateAdd('d', 1, #8/3/1994#)"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = #8/3/1994# + 1"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate = CDate('8/4/1994')"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate + 1 = #8/5/1994#"), "10248");
    EXPECT_EQ(rows("Select OrderID From Orders Where OrderDate < #8/4/1994 0:00:01# Order By OrderID"), "10248");
}

TEST_F(NwindDates, RangesSortingAndGroupingGoByTheDate) {
    EXPECT_EQ(one("Select Count(*) From Orders Where OrderDate >= #8/4/1994#"), "830");
    EXPECT_EQ(one("Select Count(*) From Orders Where OrderDate > #8/4/1994#"), "829");
    EXPECT_EQ(one("Select Count(*) From Orders Where OrderDate Between #8/4/1994# And #8/5/1994 12:00#"), "2");
    EXPECT_EQ(one("Select Min(OrderDate) From Orders"), "1994-08-04");
    EXPECT_EQ(one("Select Top 1 OrderDate From Orders Order By OrderDate Desc"),
              one("Select Max(OrderDate) From Orders"));
    // one group per day, whichever way the day was written
    EXPECT_EQ(rows("Select Count(*) From Orders Where OrderDate < #8/9/1994# Group By OrderDate Order By OrderDate"),
              "1,1,2");
    EXPECT_EQ(db_->openRecordset("Select OrderDate From Orders Where OrderID = 10248 Union Select #8/4/1994# From Orders "
                                 "Union Select DateSerial(1994, 8, 4) From Orders").recordCount(),
              1);
}

TEST_F(NwindDates, DatesConvertToTheirSerialNumbers) {
    EXPECT_EQ(one("Select CDbl(#8/4/1994#)"), "34550");
    EXPECT_EQ(one("Select CDbl(OrderDate) From Orders Where OrderID = 10248"), "34550");
    EXPECT_EQ(one("Select CLng(OrderDate) From Orders Where OrderID = 10248"), "34550");
    EXPECT_EQ(one("Select CDbl(#8/4/1994 18:00#)"), "34550.75");
    EXPECT_EQ(one("Select CLng(#8/4/1994 18:00#)"), "34551");
    EXPECT_EQ(one("Select Int(#8/4/1994 18:00#)"), "1994-08-04");  // Int of a date is a date
    EXPECT_EQ(one("Select CDbl(#12/29/1899 6:00#)"), "-1.25");     // the day counts back, the time forward
    EXPECT_EQ(one("Select Int(#12/29/1899 6:00#)"), "1899-12-28");  // the serial's whole part, as in Jet
    EXPECT_EQ(one("Select Fix(#12/29/1899 6:00#)"), "1899-12-29");
    EXPECT_EQ(one("Select #8/5/1994# - OrderDate From Orders Where OrderID = 10248"), "1");
    EXPECT_THROW(db_->openRecordset("Select CInt(#8/4/1994#)"), jet::Error);  // 34550 is beyond an Integer
}

TEST_F(NwindDates, EverySourcePrintsADateAlike) {
    jet::Recordset rs = db_->openRecordset(
        "Select OrderDate, OrderDate + 1, DateAdd('d', 1, OrderDate), DateSerial(1994, 8, 5), #8/5/1994#, "
        "CDate('8/5/1994'), OrderDate + 0.5 From Orders Where OrderID = 10248");
    EXPECT_EQ(rs.field(0).toText(), "1994-08-04");
    for (int i = 1; i < 6; ++i) EXPECT_EQ(rs.field(i).toText(), "1994-08-05") << "column " << i;
    EXPECT_EQ(rs.field(6).toText(), "1994-08-04 12:00:00");
}

TEST(StoredDates, OlderFilesKeepTheirDates) {
    const std::string folder = testing_support::testdataFolder();
    if (folder.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    jet::Connection old = jet::Connection::open(folder + "/oldDatesV2007.accdb");
    EXPECT_EQ(testing_support::firstColumn(old.openRecordset("Select DateField From Table1 Order By DateField")),
              "1392-01-10,1492-01-10,1582-10-14,1582-10-15");
    EXPECT_EQ(old.openRecordset("Select ID From Table1 Where DateField = #10/15/1582#").field(0).toText(), "1");
    jet::Connection jet4 = jet::Connection::open(folder + "/DateTestDatabase.mdb");
    EXPECT_EQ(jet4.openRecordset("Select Count(*) From DateTest Where DateTimeCol = #12/2/2021#").field(0).toText(), "3");
    EXPECT_EQ(jet4.openRecordset("Select IDCol From DateTest Where DateTimeCol < #1/1/1000#").field(0).toText(), "4");
}

}  // namespace

// Statements at the engine's edges end in a result or a message, never in a signal: integer overflow, dates
// out of range, chains of operators of any length, texts that would grow without end.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "connection.h"
#include "error.h"
#include "fixture.h"
#include "statement_helpers.h"

namespace {

const char* kOverflow = "Estouro de capacidade";
const char* kTooComplex = "Expressão muito complexa";
const char* kTooLong = "Texto longo demais";

class Limits : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new testing_support::TempDir();
        testing_support::makeDatabase(dir_->file("l.db"),
            "CREATE TABLE T (id INTEGER, big INTEGER, nome TEXT COLLATE JET);"
            "INSERT INTO T VALUES (1, -9223372036854775808, 'a'), (2, 9223372036854775807, 'b')");
        db_ = new jet::Connection(jet::Connection::open(dir_->file("l.db")));
    }
    static void TearDownTestSuite() {
        delete db_;
        delete dir_;
    }
    static std::string text(const std::string& sql) { return db_->openRecordset(sql).field(0).toText(); }
    static std::string error(const std::string& sql) { return testing_support::errorOf(*db_, sql); }
    static std::string chain(int terms, const char* op = " + ") {
        std::string s = "1";
        for (int i = 1; i < terms; ++i) s += std::string(op) + "1";
        return s;
    }

    static testing_support::TempDir* dir_;
    static jet::Connection* db_;
};

testing_support::TempDir* Limits::dir_ = nullptr;
jet::Connection* Limits::db_ = nullptr;

TEST_F(Limits, IntegerDivisionAndModOverflowWithJetsMessage) {
    EXPECT_NE(error("Select (-4294967296 * 2147483648) \\ -1").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select (-4294967296 * 2147483648) Mod -1").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select big \\ -1 From T Where id = 1").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select 1e300 \\ 1").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select 5 Mod 1e19").find(kOverflow), std::string::npos);
    EXPECT_EQ(text("Select (-4294967296 * 2147483648) \\ 1"), "-9223372036854775808");
    EXPECT_EQ(text("Select big \\ -1 From T Where id = 2"), "-9223372036854775807");
    EXPECT_EQ(text("Select 7 Mod -1"), "0");
    EXPECT_EQ(text("Select -7 \\ 2"), "-3");
    EXPECT_NE(error("Select 1e308 * 10").find(kOverflow), std::string::npos);  // a Double overflows too
    EXPECT_NE(error("Select 1e999").find(kOverflow), std::string::npos);
    EXPECT_EQ(text("Select 1e-999"), "0");
}

TEST_F(Limits, DoublesBeyondAnIntegerAreRefusedWhereverOneIsNeeded) {
    EXPECT_NE(error("Select CLng(1e19)").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select Left('abc', 1e19)").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select Hex(-1e300)").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select Top 1e30 id From T").find("TOP"), std::string::npos);
    EXPECT_THROW(jet::Value::real(1e19).toInteger(), jet::Error);
    EXPECT_THROW(jet::Value::real(std::numeric_limits<double>::quiet_NaN()).toInteger(), jet::Error);
    EXPECT_EQ(jet::Value::real(-9.2e18).toInteger(), -9200000000000000000LL);
}

TEST_F(Limits, DatesOutsideJetsRangeAreRefused) {
    EXPECT_NE(error("Select CDate(1e300)").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select #12/31/9999# + 1").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select #1/1/100# - 1").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select Year(-1e18)").find(kOverflow), std::string::npos);
    EXPECT_NE(error("Select DateAdd('d', 1e300, #1/1/2000#)").find("argumento inválido"), std::string::npos);
    EXPECT_NE(error("Select DateAdd('yyyy', 1, #12/31/9999#)").find("argumento inválido"), std::string::npos);
    EXPECT_NE(error("Select Format(1e300, 'yyyy')").find("(no error)"), std::string::npos);  // the number as it is
    EXPECT_EQ(text("Select #12/31/9999 23:59:59#"), "9999-12-31 23:59:59");
}

TEST_F(Limits, ChainsOfAnyLengthEndInAResultOrAMessage) {
    EXPECT_EQ(text("Select " + chain(30)), "30");
    EXPECT_EQ(text("Select id From T Where " + chain(30) + " = 30 And id = 2"), "2");
    // Chains up to the depth limit run, whatever SQLite's parser takes of nested calls (some thirty).
    EXPECT_EQ(text("Select " + chain(200)), "200");
    EXPECT_EQ(text("Select " + chain(200, " * ")), "1");
    EXPECT_EQ(text("Select Len(" + chain(199, " & ") + ")"), "199");
    EXPECT_EQ(text("Select 100 " + chain(199, " - ").substr(1)), "-98");
    EXPECT_EQ(text("Select 1 + 2 * 3 - 4 & 'x' & 2 ^ 3 ^ 2"), "3x64");  // precedence and left association kept
    EXPECT_NE(error("Select " + chain(100, " + 'a' + ")).find("Tipos incompatíveis"), std::string::npos);
    std::string calls = "1";
    for (int i = 0; i < 60; ++i) calls = "Abs(" + calls + ")";
    EXPECT_EQ(error("Select " + calls).find("Expressão muito complexa na instrução."), 0u);  // not SQLite's English
    for (int terms : {201, 14000, 100000}) {
        EXPECT_NE(error("Select " + chain(terms)).find(kTooComplex), std::string::npos) << terms;
        EXPECT_NE(error("Select id From T Where " + chain(terms) + " > 0").find(kTooComplex), std::string::npos) << terms;
    }
    EXPECT_NE(error("Select " + chain(20000, " & ")).find(kTooComplex), std::string::npos);
    EXPECT_NE(error("Select id From T Where id = " + chain(20000, " * ")).find(kTooComplex), std::string::npos);
    // Deep trees inside nested subqueries count as one tree.
    const std::string nested = "Select (Select (Select " + chain(150) + ") + " + chain(150) + ") + " + chain(150) + " From T";
    EXPECT_NE(error(nested).find(kTooComplex), std::string::npos);
    // Between prints its bounds twice: nesting it there would double the statement at every level.
    std::string between = "id";
    for (int i = 0; i < 60; ++i) between = "(id Between 0 And " + between + ")";
    EXPECT_NE(error("Select id From T Where " + between).find(kTooComplex), std::string::npos);
    // Many such expressions side by side count together.
    std::string sixteen = "1";
    for (int i = 0; i < 16; ++i) sixteen = "id Between 0 And (" + sixteen + ")";
    std::string many = sixteen;
    for (int i = 1; i < 40; ++i) many += ", " + sixteen;
    EXPECT_NE(error("Select " + many + " From T").find(kTooComplex), std::string::npos);
    sixteen = "id = 1";
    for (int i = 0; i < 16; ++i) sixteen += " Between 1 And 2";  // nested in the operand, printed once
    EXPECT_EQ(text("Select " + sixteen + " From T Where id = 2"), "0");
    std::string joins = "T AS t0";
    for (int i = 1; i < 5000; ++i) joins = joins + " Inner Join T AS t" + std::to_string(i) + " On t0.id = t" + std::to_string(i) + ".id";
    EXPECT_NE(error("Select t0.id From " + joins).find(kTooComplex), std::string::npos);
}

TEST_F(Limits, FindCriteriaAreBoundedAlike) {
    jet::Recordset rs = db_->openRecordset("Select * From T");
    EXPECT_THROW(rs.findFirst("id = " + chain(100000)), jet::Error);
    rs.findFirst("id = " + chain(2) + " And nome = 'b'");
    EXPECT_EQ(rs.absolutePosition(), 1);
}

TEST_F(Limits, TextsStopAtOneSharedCap) {
    EXPECT_NE(error("Select Len(Replace(Space(100000), ' ', Space(100000)))").find(kTooLong), std::string::npos);
    EXPECT_NE(error("Select Len(String(100000000, 'x'))").find(kTooLong), std::string::npos);
    EXPECT_NE(error("Select Len(Space(100000000))").find(kTooLong), std::string::npos);
    EXPECT_NE(error("Select Len(Space(10000000) & Space(10000000))").find(kTooLong), std::string::npos);
    EXPECT_NE(error("Select Len(Space(10000000) + Space(10000000))").find(kTooLong), std::string::npos);
    EXPECT_NE(error("Select Format(1, String(1000000, 'c'))").find(kTooLong), std::string::npos);
    EXPECT_EQ(text("Select Len(Replace(Space(1000), ' ', Space(1000)))"), "1000000");
    EXPECT_EQ(text("Select Len(String(1000000, 'x') & Space(1000000))"), "2000000");
}

TEST_F(Limits, AResultStopsWithAMessageBeforeMemoryRunsOut) {
    // 32 rows of 16 MB each, twice what a result may hold
    const std::string m = error("Select Space(16000000) From T AS a, T AS b, T AS c, T AS d, T AS e");
    EXPECT_EQ(m.rfind("O resultado da consulta passaria de 256 MB", 0), 0u) << m.substr(0, 200);
    // A sort holds every row before the first is read: the statement's own memory stops it there.
    const std::string sorted = error("Select Space(16000000) & a.id From T AS a, T AS b, T AS c, T AS d, T AS e Order By 1");
    EXPECT_EQ(sorted.rfind(jet::kOutOfMemory, 0), 0u) << sorted.substr(0, 200);
}

}  // namespace

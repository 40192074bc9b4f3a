#include <gtest/gtest.h>

#include "connection.h"
#include "error.h"
#include "fixture.h"

#include <filesystem>

namespace {

class RecordsetTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::makeDatabase(dir_.file("r.db"),
            "CREATE TABLE A (cod INTEGER, nome TEXT COLLATE JET, v REAL);"
            "INSERT INTO A VALUES (10, 'dez', 1.5), (20, 'Vinte', NULL), (30, 'trinta', 3), (20, 'outro vinte', 4);"
            "CREATE TABLE Vazia (cod INTEGER);"
            "CREATE TABLE Misto (c);"
            "INSERT INTO Misto VALUES ('5'), (5), ('x');"
            "CREATE TABLE N (\"Ção\" INTEGER, big INTEGER);"
            "INSERT INTO N VALUES (1, 9007199254740993), (5, 9007199254740992)");
        db_ = jet::Connection::open(dir_.file("r.db"));
    }
    testing_support::TempDir dir_;
    jet::Connection db_;
};

TEST_F(RecordsetTest, NavigationAndPositions) {
    jet::Recordset rs = db_.openRecordset("select * from A");
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_FALSE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), 0);
    EXPECT_EQ(rs.field("COD").toInteger(), 10);
    rs.moveNext();
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_TRUE(rs.field("v").isNull());
    rs.moveLast();
    EXPECT_EQ(rs.absolutePosition(), 3);
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.absolutePosition(), -1);
    EXPECT_THROW(rs.field(0), jet::Error);     // no current record past the end
    EXPECT_THROW(rs.moveNext(), jet::Error);
    rs.moveFirst();
    EXPECT_EQ(rs.field(1).toText(), "dez");
}

TEST_F(RecordsetTest, FieldsByNameAndNumber) {
    jet::Recordset rs = db_.openRecordset("select nome, cod from A order by cod desc");
    EXPECT_EQ(rs.fieldCount(), 2);
    EXPECT_EQ(rs.fieldName(0), "nome");
    EXPECT_EQ(rs.fieldName(1), "cod");
    EXPECT_EQ(rs.field("[Cod]").toInteger(), 30);
    EXPECT_THROW(rs.field("nada"), jet::Error);
    EXPECT_THROW(rs.field(2), jet::Error);
    EXPECT_THROW(rs.fieldName(-1), jet::Error);
}

TEST_F(RecordsetTest, ValuesByRowLeaveTheCurrentRowAlone) {
    jet::Recordset rs = db_.openRecordset("select cod, nome from A order by cod, nome");
    rs.moveNext();
    EXPECT_EQ(rs.value(3, 1).toText(), "trinta");
    EXPECT_EQ(rs.value(0, 0).toInteger(), 10);
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_THROW(rs.value(4, 0), jet::Error);
    EXPECT_THROW(rs.value(-1, 0), jet::Error);
    EXPECT_THROW(rs.value(0, 2), jet::Error);
}

TEST_F(RecordsetTest, EmptyRecordsetRefusesToMove) {
    jet::Recordset rs = db_.openRecordset("select * from Vazia");
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_THROW(rs.moveFirst(), jet::Error);
    EXPECT_THROW(rs.moveLast(), jet::Error);
    rs.findFirst("cod = 1");
    EXPECT_TRUE(rs.noMatch());
}

TEST_F(RecordsetTest, FindFirstFromTheTopAndKeepsPlaceWithoutMatch) {
    jet::Recordset rs = db_.openRecordset("select * from A");
    rs.moveLast();
    rs.findFirst("cod = 20");
    ASSERT_FALSE(rs.noMatch());
    EXPECT_EQ(rs.absolutePosition(), 1);  // the first of the two, searching from the top
    rs.findFirst("nome = 'TRINTA'");
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.findFirst("cod = 99");
    EXPECT_TRUE(rs.noMatch());
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.findFirst("cod = 10.0");
    EXPECT_EQ(rs.absolutePosition(), 0);
    rs.findFirst("A.cod = 30");  // a table qualifier is allowed
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.findFirst("[nome] = 'outro vinte'");
    EXPECT_EQ(rs.absolutePosition(), 3);
    rs.findFirst("nome = 'dez' ");
    EXPECT_EQ(rs.absolutePosition(), 0);
}

TEST_F(RecordsetTest, FindFirstWithAnyExpression) {
    jet::Recordset rs = db_.openRecordset("select * from A");
    rs.findFirst("nome like \"*VINTE\"");
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.findFirst("cod > 15 and v > 3");
    EXPECT_EQ(rs.absolutePosition(), 3);
    rs.findFirst("v is null");
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.findFirst("ucase(left(nome, 1)) = 'T' Or cod = 10");
    EXPECT_EQ(rs.absolutePosition(), 0);
    rs.findFirst("cod = 20");  // the index and the SQL path agree
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_THROW(rs.findFirst("cod = "), jet::Error);
    EXPECT_THROW(rs.findFirst("nada = 1"), jet::Error);
    EXPECT_THROW(rs.findFirst("nada like 'x'"), jet::Error);
}

TEST_F(RecordsetTest, FindFirstNamesFieldsInAnyCaseOfEveryLetter) {
    jet::Recordset rs = db_.openRecordset("select * from N");
    rs.findFirst("ção = 5");  // the index
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.findFirst("ÇÃO > 4");  // and SQL
    EXPECT_EQ(rs.absolutePosition(), 1);
}

TEST_F(RecordsetTest, FindFirstReadsValuesAsValuesAndWholeNumbersExactly) {
    jet::Recordset rs = db_.openRecordset("select * from N");
    rs.findFirst("big = 9007199254740992");  // beyond 2^53, one apart from the first row's
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.findFirst("big = 9007199254740993");
    EXPECT_EQ(rs.absolutePosition(), 0);
    rs.findFirst("big = 9007199254740994");
    EXPECT_TRUE(rs.noMatch());
    rs.moveLast();
    for (const char* always : {"True = -1", "Yes = -1", "on = -1"}) {
        rs.findFirst(always);
        EXPECT_EQ(rs.absolutePosition(), 0) << always;
    }
    rs.findFirst("Null = 5");
    EXPECT_TRUE(rs.noMatch());
}

TEST_F(RecordsetTest, FindFirstOnAColumnOfMixedKindsConvertsAsStatementsDo) {
    jet::Recordset rs = db_.openRecordset("select * from Misto");
    rs.findFirst("c = 'x'");
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.findFirst("c = 5");
    EXPECT_FALSE(rs.noMatch());
}

TEST_F(RecordsetTest, FindFirstReadsAFieldNamedLikeTheScratchKey) {
    testing_support::makeDatabase(dir_.file("k.db"),
        "CREATE TABLE K (rid INTEGER, jet_row INTEGER, nome TEXT COLLATE JET);"
        "INSERT INTO K VALUES (7, 70, 'a'), (5, 50, 'b'), (3, 30, 'c')");
    jet::Connection db = jet::Connection::open(dir_.file("k.db"));
    jet::Recordset rs = db.openRecordset("select * from K");
    ASSERT_EQ(rs.fieldCount(), 3);
    rs.findFirst("rid < 6");  // the field, not the row number (which is below 6 for every row)
    EXPECT_EQ(rs.absolutePosition(), 1);
    rs.findFirst("jet_row < 40 and rid > 0");
    EXPECT_EQ(rs.absolutePosition(), 2);
    rs.findFirst("rid + 0 = 7");
    EXPECT_EQ(rs.absolutePosition(), 0);
    // The key itself stays out of reach.
    jet::Recordset plain = db_.openRecordset("select * from A");
    EXPECT_THROW(plain.findFirst("jet_row < 5"), jet::Error);
    EXPECT_THROW(plain.findFirst("rid + 0 = 1"), jet::Error);
}

TEST_F(RecordsetTest, AFailedCopyForFindFirstIsAnErrorNotAnAnswer) {
    // As many fields as SQLite allows in a result: the scratch table, one key column more, cannot be made.
    std::string sql = "select 1 as f0";
    for (int i = 1; i < 2000; ++i) sql += ", " + std::to_string(i) + " as f" + std::to_string(i);
    jet::Recordset rs = db_.openRecordset(sql);
    EXPECT_THROW(rs.findFirst("f0 + 0 = 1"), jet::Error);
    EXPECT_THROW(rs.findFirst("f0 + 0 = 1"), jet::Error);  // and again: no half-made table answers the second time
    rs.findFirst("f1999 = 1999");                           // the index needs no copy
    EXPECT_FALSE(rs.noMatch());
}

TEST_F(RecordsetTest, EachCopyHasItsOwnCurrentRowAndCloseEndsUse) {
    jet::Recordset rs = db_.openRecordset("select * from A");
    rs.moveNext();
    jet::Recordset same = rs;
    EXPECT_EQ(same.absolutePosition(), 1);  // a copy starts where its original stands
    same.moveLast();
    same.findFirst("cod = -1");
    EXPECT_EQ(rs.absolutePosition(), 1);
    EXPECT_FALSE(rs.noMatch());
    EXPECT_TRUE(same.noMatch());
    rs.close();
    EXPECT_FALSE(same.isOpen());
    EXPECT_THROW(same.eof(), jet::Error);
    EXPECT_THROW(rs.field("cod"), jet::Error);
    jet::Recordset never;
    EXPECT_FALSE(never.isOpen());
    EXPECT_THROW(never.recordCount(), jet::Error);
}

TEST_F(RecordsetTest, RecordsetsOutliveTheirConnection) {
    jet::Recordset rs = db_.openRecordset("select * from A");
    db_.close();
    EXPECT_FALSE(db_.isOpen());
    EXPECT_THROW(db_.openRecordset("select * from A"), jet::Error);
    rs.findFirst("nome like 't*'");
    EXPECT_EQ(rs.field("cod").toInteger(), 30);
}

}  // namespace

#include "connection_cache.h"

namespace {

TEST(ConnectionCache, SharesOneCopyUntilTheFileChanges) {
    testing_support::TempDir dir;
    testing_support::makeDatabase(dir.file("c.db"), "CREATE TABLE t (x INTEGER); INSERT INTO t VALUES (1)");
    jet::ConnectionCache cache;
    jet::Connection a = cache.open(dir.file("c.db"));
    a.close();  // closing one connection leaves the others usable
    jet::Connection b = cache.open(dir.file("c.db"));
    EXPECT_EQ(b.openRecordset("select x from t").field(0).toInteger(), 1);

    // Replaced by a new file (another inode): the next connection sees the new data.
    testing_support::makeDatabase(dir.file("novo.db"), "CREATE TABLE t (x INTEGER); INSERT INTO t VALUES (2)");
    std::filesystem::rename(dir.file("novo.db"), dir.file("c.db"));
    EXPECT_EQ(cache.open(dir.file("c.db")).openRecordset("select x from t").field(0).toInteger(), 2);

    std::filesystem::remove(dir.file("c.db"));
    EXPECT_THROW(cache.open(dir.file("c.db")), jet::Error);
}

}  // namespace

// The import of a public Jet 3 file, cell by cell against what mdbtools' own mdb-export prints for it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "connection.h"
#include "error.h"
#include "fixture.h"
#include "mdb_tools.h"

namespace {

using mdb_tools::run;

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string cur;
    for (char c : s) {
        if (c == sep) { out.push_back(cur); cur.clear(); }
        else cur += c;
    }
    out.push_back(cur);
    return out;
}

// Our text with mdb-export's -e escapes, so both sides are compared in one form.
std::string escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

class Nwind : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = testing_support::testdataFolder();
        if (folder_.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
        file_ = folder_ + "/nwind.mdb";
        db_ = jet::Connection::open(file_);
    }
    std::string folder_, file_;
    jet::Connection db_;
};

TEST_F(Nwind, EveryTableAndCellAsMdbExportPrintsThem) {
    if (run("command -v mdb-export").empty()) GTEST_SKIP() << "mdb-export is not installed";
    std::vector<std::string> tables = split(run("mdb-tables -1 '" + file_ + "'"), '\n');
    while (!tables.empty() && tables.back().empty()) tables.pop_back();
    ASSERT_EQ(tables.size(), 9u);
    int cellsCompared = 0;
    for (const std::string& table : tables) {
        SCOPED_TRACE(table);
        std::string csv = run("mdb-export -e -Q -d '\t' -T '%Y-%m-%d %H:%M:%S' -D '%Y-%m-%d' -b strip '" + file_ + "' '" + table + "'");
        std::vector<std::string> lines = split(csv, '\n');
        while (!lines.empty() && lines.back().empty()) lines.pop_back();
        ASSERT_FALSE(lines.empty());
        std::vector<std::string> header = split(lines[0], '\t');
        jet::Recordset rs = db_.openRecordset("select * from [" + table + "]");
        ASSERT_EQ(rs.recordCount(), static_cast<int>(lines.size()) - 1);
        // Every column but the OLE pictures, which the import leaves out.
        std::vector<int> ours(header.size(), -1);
        int missing = 0;
        for (std::size_t c = 0; c < header.size(); ++c) {
            for (int f = 0; f < rs.fieldCount(); ++f)
                if (rs.fieldName(f) == header[c]) ours[c] = f;
            if (ours[c] < 0) {
                ++missing;
                EXPECT_TRUE(header[c] == "Photo" || header[c] == "Picture") << header[c];
            }
        }
        EXPECT_EQ(rs.fieldCount() + missing, static_cast<int>(header.size()));
        for (std::size_t r = 1; r < lines.size(); ++r, rs.moveNext()) {
            std::vector<std::string> theirs = split(lines[r], '\t');
            ASSERT_EQ(theirs.size(), header.size()) << lines[r];
            for (std::size_t c = 0; c < header.size(); ++c) {
                if (ours[c] < 0) continue;
                const jet::Value& v = rs.field(ours[c]);
                const std::string& t = theirs[c];
                SCOPED_TRACE(header[c] + " row " + std::to_string(r));
                switch (v.kind()) {
                case jet::Value::Kind::Null: EXPECT_EQ(t, ""); break;
                case jet::Value::Kind::Boolean: EXPECT_EQ(t, v.toBool() ? "1" : "0"); break;
                case jet::Value::Kind::Integer: EXPECT_EQ(t, v.toText()); break;
                case jet::Value::Kind::Double: {
                    double d = std::strtod(t.c_str(), nullptr);
                    // mdb-export prints a Single with 8 digits; the import keeps the 7 Jet shows
                    EXPECT_NEAR(v.toDouble(), d, 1e-7 * std::max(1.0, std::fabs(d))) << t;
                    break;
                }
                case jet::Value::Kind::Text:
                    // A date at midnight is a date alone, as Access shows it.
                    if (t.size() == 19 && t.compare(10, 9, " 00:00:00") == 0 && t[4] == '-')
                        EXPECT_EQ(v.toText(), t.substr(0, 10));
                    else
                        EXPECT_EQ(escaped(v.toText()), t);
                    break;
                }
                ++cellsCompared;
            }
        }
    }
    EXPECT_GT(cellsCompared, 10000);
}

TEST_F(Nwind, TypedValuesAccentsMemosNullsAndYesNo) {
    jet::Recordset p = db_.openRecordset("select ProductName, Discontinued, UnitPrice, UnitsInStock from Products order by ProductID");
    EXPECT_EQ(p.recordCount(), 77);
    EXPECT_EQ(p.field("UnitPrice").kind(), jet::Value::Kind::Double);
    EXPECT_EQ(p.field("UnitsInStock").kind(), jet::Value::Kind::Integer);
    EXPECT_EQ(p.field("Discontinued").kind(), jet::Value::Kind::Boolean);
    p.findFirst("ProductName = 'guaraná fantástica'");
    ASSERT_FALSE(p.noMatch());
    EXPECT_EQ(p.field("ProductName").toText(), "Guaraná Fantástica");
    EXPECT_TRUE(p.field("Discontinued").toBool());
    EXPECT_EQ(p.field("UnitPrice").toDouble(), 4.5);
    EXPECT_EQ(db_.openRecordset("select count(*) from Products where Discontinued").field(0).toInteger(), 8);
    EXPECT_EQ(db_.openRecordset("select count(*) from Products where not Discontinued").field(0).toInteger(), 69);

    jet::Recordset lines = db_.openRecordset("select Address from Employees where Address like '*' & chr(13) & chr(10) & '*'");
    ASSERT_EQ(lines.recordCount(), 3);
    EXPECT_EQ(lines.field("Address").toText(), "507 - 20th Ave. E.\r\nApt. 2A");
    EXPECT_GT(db_.openRecordset("select max(len(Notes)) from Employees").field(0).toInteger(), 300);  // memos whole

    EXPECT_EQ(db_.openRecordset("select count(*) from Customers where Region is null").field(0).toInteger(), 60);
    EXPECT_EQ(db_.openRecordset("select count(*) from Customers where City = 'SÃO PAULO'").field(0).toInteger(), 4);
    EXPECT_GT(db_.openRecordset("select * from [Umsätze]").recordCount(), 0);
    EXPECT_GT(db_.openRecordset("select * from [umsätze] u where u.OrderID > 0").recordCount(), 0);
    jet::Recordset od = db_.openRecordset("select * from [Order Details] order by OrderID, ProductID");
    EXPECT_EQ(od.fieldCount(), 5);
    EXPECT_EQ(od.field("OrderID").kind(), jet::Value::Kind::Integer);
}

TEST_F(Nwind, JetFourAndAceFilesImportToo) {
    jet::Connection jet4 = jet::Connection::open(folder_ + "/DateTestDatabase.mdb");
    jet::Recordset d = jet4.openRecordset("select * from DateTest order by IDCol");
    ASSERT_GT(d.recordCount(), 0);
    EXPECT_EQ(d.field("DateTimeCol").toText(), "2021-12-02");
    EXPECT_EQ(d.field("LongTextCol").toText(), "Hello");
    // Years libmdb cannot print (it shows them as "1900-01-00"), as the rows' own labels say.
    d.moveNext();
    EXPECT_EQ(d.field("LongTextCol").toText(), "Year 9999");
    EXPECT_EQ(d.field("DateTimeCol").toText(), "9999-01-01");
    d.moveNext();
    EXPECT_EQ(d.field("LongTextCol").toText(), "Pre-1900 years");
    EXPECT_EQ(d.field("DateTimeCol").toText(), "1898-01-01");
    EXPECT_EQ(d.field("DateCol").toText(), "1899-01-01");
    d.moveNext();
    EXPECT_EQ(d.field("LongTextCol").toText(), "Pre-1000 years");
    EXPECT_EQ(d.field("DateTimeCol").toText(), "0632-01-01");
    jet::Connection ace = jet::Connection::open(folder_ + "/ASampleDatabase.accdb");
    jet::Recordset a = ace.openRecordset("select [Asset No], Cost from [Asset Items] where [Asset No] = 30050");
    ASSERT_EQ(a.recordCount(), 1);
    EXPECT_EQ(a.field("Cost").toDouble(), 1995.5);
}

}  // namespace

namespace {

// Files of every Access version that libmdb's text would not carry whole.
class AceFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = testing_support::testdataFolder();
        if (folder_.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    }
    std::string error(const std::string& file, const std::string& sql) {
        try {
            jet::Connection::open(folder_ + "/" + file).openRecordset(sql);
        } catch (const jet::Error& e) {
            return e.what();
        }
        return "(no error)";
    }
    std::string folder_;
};

TEST_F(AceFiles, CharactersOutsideTheBasicPlaneArriveWhole) {
    jet::Connection db = jet::Connection::open(folder_ + "/testEmoticonsV2010.accdb");
    jet::Recordset rs = db.openRecordset("select key, data from data order by key");
    ASSERT_EQ(rs.recordCount(), 80);
    EXPECT_EQ(rs.field("data").toText(), "a\U0001F600a");
    EXPECT_EQ(rs.field("key").toInteger(), 0x1F600);
    for (; !rs.eof(); rs.moveNext()) {
        // Each row holds the character its key names, between two letters a.
        const char32_t c = static_cast<char32_t>(rs.field("key").toInteger());
        std::string utf8 = "a";
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
        EXPECT_EQ(rs.field("data").toText(), utf8 + "a") << rs.field("key").toInteger();
    }
}

TEST_F(AceFiles, LargeNumberIsAnExactInteger) {
    jet::Connection db = jet::Connection::open(folder_ + "/bigint.accdb");
    jet::Recordset rs = db.openRecordset("select ID, Numeric from [Table]");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.field("Numeric").kind(), jet::Value::Kind::Integer);
    EXPECT_EQ(rs.field("Numeric").toInteger(), 42);
}

TEST_F(AceFiles, AnEncryptedFileIsReportedAsSuchNamingIt) {
    const std::string m = error("db2007-enc.accdb", "select * from anything");
    EXPECT_NE(m.find("db2007-enc.accdb'"), std::string::npos) << m;
    EXPECT_NE(m.find("criptografado com uma senha"), std::string::npos) << m;
}

TEST_F(AceFiles, ALeftOutColumnIsNamedWithItsTableAndTypeAndSelectStarSkipsIt) {
    const std::string m = error("nwind.mdb", "select LastName, e.Photo from Employees as e");
    EXPECT_NE(m.find("O campo 'Photo' da tabela 'Employees' é do tipo Objeto OLE, que o Quelva não lê."), std::string::npos) << m;
    EXPECT_NE(m.find("Instrução: select LastName"), std::string::npos) << m;
    // Named in a table that has no such column, it is an unknown column as before.
    EXPECT_NE(error("nwind.mdb", "select Photo from Customers").find("O campo 'Photo' não existe"), std::string::npos);
    jet::Connection db = jet::Connection::open(folder_ + "/nwind.mdb");
    jet::Recordset rs = db.openRecordset("select * from Categories");
    for (int f = 0; f < rs.fieldCount(); ++f) EXPECT_NE(rs.fieldName(f), "Picture");
    // The list of left-out columns stays out of a statement's reach.
    EXPECT_NE(error("nwind.mdb", "select * from [quelva.left_out_columns]").find("não é permitido"), std::string::npos);
}

// Table1's definition declares 3 rows and its pages hold 4, as Access shows them: every row arrives, with
// the last results its calculated columns stored (text, number, Yes/No).
TEST_F(AceFiles, CalculatedColumnsArriveWithTheirStoredResults) {
    jet::Connection db = jet::Connection::open(folder_ + "/calcFieldTestV2010.accdb");
    jet::Recordset rs = db.openRecordset("select ID, LastFirst, LastFirstLen, MonthlySalary, IsRich from Table1 order by ID");
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.field("LastFirst").toText(), "Wayne, Bruce");
    EXPECT_EQ(rs.field("LastFirstLen").toInteger(), 12);
    EXPECT_DOUBLE_EQ(rs.field("MonthlySalary").toDouble(), 83333.3333);
    EXPECT_TRUE(rs.field("IsRich").toBool());
    rs.moveLast();
    EXPECT_EQ(rs.field("ID").toInteger(), 4);
    EXPECT_EQ(rs.field("LastFirst").toText(), "User, Test");
    EXPECT_FALSE(rs.field("IsRich").toBool());
}

}  // namespace

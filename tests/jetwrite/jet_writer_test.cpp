// The Jet writer's files as mdbtools and the engine read them back, and the input it refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>

#include "connection.h"
#include "fixture.h"
#include "jet_writer.h"
#include "mdb_tools.h"

namespace {

using namespace jetwrite;

std::string longText(std::size_t characters, const std::string& unit) {
    std::string s;
    while (s.size() < characters * unit.size()) s += unit;
    return s;
}

// Every type, Nulls in each column but the Yes/No, and memos kept in the row, on a page of their own and
// chained over pages.
Table everyType() {
    Table t{"Tipos-Gerais",
            {{"Código", Type::Long}, {"Byte", Type::Byte}, {"Inteiro", Type::Integer}, {"Simples", Type::Single},
             {"Duplo", Type::Double}, {"Moeda", Type::Currency}, {"Data", Type::DateTime}, {"Sim", Type::YesNo},
             {"Palavra-Chave", Type::Text, 40}, {"Nota", Type::Memo}},
            {}};
    t.rows.push_back({std::int64_t{-2147483647 - 1}, std::int64_t{255}, std::int64_t{-32768}, 0.25, 1.0 / 3,
                      Currency{-12345678}, Date{36526.75}, true, std::string("Município d'Ávila"), std::string("curta")});
    t.rows.push_back({std::int64_t{7}, std::monostate{}, std::monostate{}, std::monostate{}, std::monostate{}, std::monostate{},
                      std::monostate{}, false, std::monostate{}, std::monostate{}});
    t.rows.push_back({std::int64_t{2147483647}, std::int64_t{0}, std::int64_t{32767}, -1.5e10, 1e-300, Currency{1},
                      Date{1.25}, true, std::string(40, '\''), longText(2030, "é")});
    t.rows.push_back({std::int64_t{9}, std::int64_t{1}, std::int64_t{2}, 3.0, 4.0, Currency{50000}, Date{73415},
                      false, std::string("ação"), longText(9000, "Saúde ")});
    return t;
}

// What mdb-export prints for a value (dates in the form the test asks for).
std::string exported(const Value& v) {
    char buf[64];
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "1" : "0";
    if (const auto* i = std::get_if<std::int64_t>(&v)) return std::to_string(*i);
    if (const auto* s = std::get_if<std::string>(&v)) return *s;
    if (const auto* d = std::get_if<Date>(&v)) {
        const double days = std::floor(d->serial);
        const double seconds = std::round((d->serial - days) * 86400);
        const std::time_t t = static_cast<std::time_t>((days - 25569) * 86400 + seconds);
        std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", std::gmtime(&t));
        return buf;
    }
    return "";
}

void expectCell(const Column& c, const Value& v, const std::string& cell, const std::string& where) {
    if (const auto* d = std::get_if<double>(&v)) {
        const double tolerance = c.type == Type::Single ? 1e-6 : 1e-12;
        EXPECT_NEAR(std::stod(cell), *d, std::abs(*d) * tolerance) << where;
    } else if (const auto* m = std::get_if<Currency>(&v)) {
        EXPECT_DOUBLE_EQ(std::stod(cell), static_cast<double>(m->tenThousandths) / 10000) << where;
    } else {
        EXPECT_EQ(cell, exported(v)) << where;
    }
}

void expectMdbtoolsRead(const std::string& file, const Table& t) {
    const auto rows = mdb_tools::exportTable(file, t.name);
    ASSERT_EQ(rows.size(), t.rows.size() + 1) << t.name;
    for (std::size_t c = 0; c < t.columns.size(); ++c) EXPECT_EQ(rows[0].at(c), t.columns[c].name);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        ASSERT_EQ(rows[r + 1].size(), t.columns.size()) << t.name << " row " << r;
        for (std::size_t c = 0; c < t.columns.size(); ++c)
            expectCell(t.columns[c], t.rows[r][c], rows[r + 1][c], t.name + " row " + std::to_string(r) + " " + t.columns[c].name);
    }
}

class Writer : public ::testing::TestWithParam<Version> {
protected:
    testing_support::TempDir temp;
    std::string file = temp.file("t.mdb");
};

TEST_P(Writer, MdbtoolsReadEveryTypeNullsAndLongValues) {
    const Table t = everyType();
    writeJet(file, GetParam(), {t});
    EXPECT_EQ(mdb_tools::run("mdb-ver '" + file + "'"), GetParam() == Version::Jet4 ? "JET4\n" : "JET3\n");
    EXPECT_EQ(mdb_tools::run("mdb-tables -1 '" + file + "'"), t.name + "\n");
    const std::string schema = mdb_tools::run("mdb-schema '" + file + "'");
    for (const char* declared : {"[Código]\t\t\tLong Integer", "[Byte]\t\t\tByte", "[Inteiro]\t\t\tInteger", "[Simples]\t\t\tSingle",
                                 "[Duplo]\t\t\tDouble", "[Moeda]\t\t\tCurrency", "[Data]\t\t\tDateTime", "[Sim]\t\t\tBoolean",
                                 "[Palavra-Chave]\t\t\tText (40)", "[Nota]\t\t\tMemo"})
        EXPECT_NE(schema.find(declared), std::string::npos) << declared << " in\n" << schema;
    expectMdbtoolsRead(file, t);
}

TEST_P(Writer, TheEngineImportsWhatItWrote) {
    const Table t = everyType();
    writeJet(file, GetParam(), {t});
    const jet::Recordset rs = jet::Connection::open(file).openRecordset(
        "Select [Palavra-Chave], Nota, Sim, Moeda, Data From [Tipos-Gerais] Order By Código");
    ASSERT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.value(0, 0).toText(), "Município d'Ávila");
    EXPECT_EQ(rs.value(3, 1).toText(), longText(2030, "é"));
    EXPECT_EQ(rs.value(2, 1).toText(), longText(9000, "Saúde "));
    EXPECT_EQ(rs.value(1, 0).kind(), jet::Value::Kind::Null);
    EXPECT_FALSE(rs.value(1, 2).toBool());
    EXPECT_TRUE(rs.value(0, 2).toBool());
    EXPECT_DOUBLE_EQ(rs.value(0, 3).toDouble(), -1234.5678);
    EXPECT_EQ(rs.value(0, 4).toText(), "2000-01-01 18:00:00");
    EXPECT_EQ(rs.value(3, 4).toText(), "1899-12-31 06:00:00");
}

// 255 columns span the definition over pages; rows of a page each, with memos off the row, spread the
// table's pages past what an inline usage map reaches.
TEST_P(Writer, WideLongTablesWithMemosEveryOtherPage) {
    Table t{"Larga", {}, {}};
    const std::size_t width = 240;
    for (std::size_t c = 0; c < width; ++c) t.columns.push_back({"Coluna_" + std::to_string(c), Type::Text, 255});
    t.columns.push_back({"Nota", Type::Memo});
    for (int r = 0; r < 1100; ++r) {
        Row row;
        for (std::size_t c = 0; c < width; ++c) row.push_back(c % 31 == 0 ? Value{std::to_string(r * 1000 + c) + " ç"} : Value{});
        row.push_back(longText(2100, "x"));
        t.rows.push_back(std::move(row));
    }
    writeJet(file, GetParam(), {t});
    const std::string image = testing_support::readFile(file);
    const bool jet4 = GetParam() == Version::Jet4;
    const std::size_t pageSize = jet4 ? 4096 : 2048;
    const auto at = [&](std::size_t offset) {
        std::uint32_t v = 0;
        std::memcpy(&v, image.data() + offset, 4);
        return v;
    };
    // The table's definition follows the catalogue's on page 3 and spans a second page; its usage map is in
    // the reference form.
    EXPECT_NE(at(3 * pageSize + 4), 0u);
    const std::uint32_t map = at(3 * pageSize + (jet4 ? 55 : 35));
    const std::size_t mapPage = (map >> 8) * pageSize;
    std::uint16_t mapRow = 0;
    std::memcpy(&mapRow, image.data() + mapPage + (jet4 ? 14 : 10) + 2 * (map & 0xFF), 2);
    EXPECT_EQ(image[mapPage + mapRow], 1);
    expectMdbtoolsRead(file, t);
    const jet::Recordset rs = jet::Connection::open(file).openRecordset("Select Coluna_217, Nota From Larga Where Coluna_0 = '1099000 ç'");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.value(0, 0).toText(), "1099217 ç");
    EXPECT_EQ(rs.value(0, 1).toText(), longText(2100, "x"));
}

// Jet 3 keeps offsets in a byte and the 256-byte boundaries in the row's jump table: values and the end of
// the data right at 255, 256, 511, 512, 767 and 768, Nulls and empty texts after a boundary, placeholder
// jumps, 255 variable columns, and a memo whose value crosses two boundaries.
TEST(WriterJet3, MdbtoolsReadRowsAcrossTheJumpTable) {
    const auto table = [](const std::string& name, int width, std::vector<std::map<int, int>> lengths) {
        Table t{name, {}, {}};
        for (int c = 0; c < width; ++c) t.columns.push_back({"C" + std::to_string(c), Type::Text, 255});
        for (const auto& l : lengths) {
            t.rows.emplace_back(width, Value{});
            for (auto [c, n] : l) t.rows.back()[c] = std::string(n, static_cast<char>('a' + c % 26));
        }
        return t;
    };
    // Every column is variable, so their values start at byte 1; past 222 bytes of them the jump table has two
    // placeholders, which only a last column left Null survives.
    const Table widest = table("Larga", 255, {{{0, 254}, {1, 1}, {3, 0}, {4, 255}, {5, 1}, {7, 255}, {8, 1}, {10, 0}, {11, 5}},
                                              {{254, 255}}, {{0, 255}, {2, 0}, {100, 255}, {254, 1}}, {},
                                              {{0, 220}, {254, 1}}, {{0, 222}}, {{0, 255}, {1, 221}}});
    const Table narrower = table("Estreita", 254, {{{0, 222}, {253, 1}}, {{0, 255}, {1, 221}, {253, 1}}});
    const Table memo{"Nota", {{"N", Type::Long}, {"T", Type::Text, 100}, {"M", Type::Memo}, {"V", Type::Text}, {"W", Type::Text}},
                     {{std::int64_t{1}, std::string(100, 't'), longText(700, "m"), std::string(), std::monostate{}}}};
    testing_support::TempDir temp;
    writeJet(temp.file("t.mdb"), Version::Jet3, {widest, narrower, memo});
    for (const Table& t : {widest, narrower, memo}) expectMdbtoolsRead(temp.file("t.mdb"), t);
    try {
        jetImage(Version::Jet3, {table("Larga", 255, {{}, {{0, 222}, {254, 0}}})});
        ADD_FAILURE();
    } catch (const WriteError& e) {
        EXPECT_NE(std::string(e.what()).find("a tabela 'Larga', coluna 'C254', linha 2: com 255 colunas"), std::string::npos) << e.what();
    }
}

TEST_P(Writer, RefusesWhatJetRefusesNamingTheTableAndColumn) {
    const auto refused = [&](const Table& t, const std::string& says) {
        try {
            writeJet(file, GetParam(), {t});
            ADD_FAILURE() << "written: " << says;
        } catch (const WriteError& e) {
            EXPECT_NE(std::string(e.what()).find(says), std::string::npos) << e.what();
        }
    };
    refused(Table{"Má.Tabela", {{"A", Type::Long}}, {}}, "a tabela 'Má.Tabela': o Jet não aceita o caractere \".\"");
    refused(Table{"T", {{"[A]", Type::Long}}, {}}, "a tabela 'T', coluna '[A]'");
    refused(Table{"T", {{"Descrição", Type::Long}, {"DESCRIÇÃO", Type::Long}}, {}}, "coluna 'DESCRIÇÃO': nome de coluna repetido");
    refused(Table{"T", {{"Nome", Type::Text, 5}}, {{std::string("Brasília")}}}, "a tabela 'T', coluna 'Nome', linha 1: texto de 8 caracteres numa coluna de 5");
    refused(Table{"T", {{"Sim", Type::YesNo}}, {{std::monostate{}}}}, "coluna 'Sim', linha 1: Sim/Não não guarda Null");
    refused(Table{"T", {{"B", Type::Byte}}, {{std::int64_t{256}}}}, "coluna 'B', linha 1: número fora do intervalo");
    Table wide{"Cheia", {}, {}};
    for (int c = 0; c < 256; ++c) wide.columns.push_back({"C" + std::to_string(c), Type::Long});
    refused(wide, "a tabela 'Cheia': 256 colunas");
    // Twenty full texts: 5100 bytes in Jet 3, 10200 in Jet 4 (Ω keeps two bytes a character).
    const std::string fullText = longText(255, GetParam() == Version::Jet3 ? "a" : "Ω");
    Table full{"Cheia", {}, {Row(20, Value{fullText})}};
    for (int c = 0; c < 20; ++c) full.columns.push_back({"C" + std::to_string(c), Type::Text, 255});
    refused(full, "a tabela 'Cheia', linha 1: a linha tem");
    EXPECT_FALSE(std::ifstream(file).good());
}

INSTANTIATE_TEST_SUITE_P(Versions, Writer, ::testing::Values(Version::Jet4, Version::Jet3),
                         [](const auto& p) { return p.param == Version::Jet4 ? "Jet4" : "Jet3"; });

// Omega is not in the code page; U+0081 stands on one of the five bytes it leaves undefined.
TEST(WriterJet3, RefusesACharacterWindows1252Lacks) {
    for (const auto& [text, code] : {std::pair{"Ωmega", "U+03A9"}, std::pair{"a\u0081b", "U+0081"}}) {
        try {
            jetImage(Version::Jet3, {Table{"T", {{"Nome", Type::Text}}, {{std::string(text)}}}});
            ADD_FAILURE() << code;
        } catch (const WriteError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("a tabela 'T', coluna 'Nome', linha 1: o caractere ") + code +
                                                 " não existe em Windows-1252"), std::string::npos) << e.what();
        }
    }
}

}  // namespace

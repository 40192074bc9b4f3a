// quelva-sql as its users run it: the output format, --find, and the failure paths.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "fixture.h"

namespace {

struct Output {
    std::string text;
    int status = -1;
};

// Runs the console with `args` (already quoted for the shell), standard error joined to standard output.
Output runConsole(const std::string& args) {
    Output s;
    FILE* p = popen((std::string(QUELVA_SQL) + " " + args + " 2>&1").c_str(), "r");
    if (!p) return s;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) s.text.append(buf, n);
    int st = pclose(p);
    s.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

class Console : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::makeDatabase(dir_.file("d.db"),
            "CREATE TABLE T (id INTEGER, nome TEXT COLLATE JET, v REAL, ok BOOLEAN);"
            "INSERT INTO T VALUES (1, 'linha 1' || char(13) || char(10) || 'linha 2', 12.5, -1);"
            "INSERT INTO T VALUES (2, NULL, NULL, 0);"
            "INSERT INTO T VALUES (3, 'tab' || char(9) || 'e \\ barra', 3, 0)");
        file_ = "'" + dir_.file("d.db") + "'";
    }
    testing_support::TempDir dir_;
    std::string file_;
};

TEST_F(Console, NamesThenOneLinePerRowWithTabs) {
    Output s = runConsole(file_ + " \"select id, nome, v, ok from T order by id\"");
    EXPECT_EQ(s.status, 0);
    EXPECT_EQ(s.text, "id\tnome\tv\tok\n"
                       "1\tlinha 1\\nlinha 2\t12.5\tTrue\n"
                       "2\t\t\tFalse\n"
                       "3\ttab\\te \\\\ barra\t3\tFalse\n");
}

TEST_F(Console, FindPrintsThePositionOrNoMatch) {
    EXPECT_EQ(runConsole(file_ + " \"select * from T order by id desc\" --find \"id = 2\"").text, "1\n");
    EXPECT_EQ(runConsole(file_ + " \"select * from T\" --find \"nome like 'LINHA*'\"").text, "0\n");
    Output none = runConsole(file_ + " \"select * from T\" --find \"id = 9\"");
    EXPECT_EQ(none.text, "no match\n");
    EXPECT_EQ(none.status, 0);
}

TEST_F(Console, ErrorsGoToStandardErrorWithStatusOne) {
    Output s = runConsole(file_ + " \"select nada from T\"");
    EXPECT_EQ(s.status, 1);
    EXPECT_NE(s.text.find("'nada'"), std::string::npos) << s.text;
    Output missingFile = runConsole("'" + dir_.file("nenhum.mdb") + "' \"select * from T\"");
    EXPECT_EQ(missingFile.status, 1);
    EXPECT_NE(missingFile.text.find(dir_.file("nenhum.mdb")), std::string::npos);
    EXPECT_EQ(runConsole(file_ + " \"select * from T\" --find \"id =\"").status, 1);
    Output uso = runConsole(file_);
    EXPECT_EQ(uso.status, 1);
    EXPECT_NE(uso.text.find("uso: quelva-sql"), std::string::npos);
}

TEST_F(Console, EveryStatementErrorNamesTheFile) {
    const std::string file = dir_.file("d.db");
    Output missingTable = runConsole(file_ + " \"select * from CD_VAR\"");
    EXPECT_EQ(missingTable.status, 1);
    EXPECT_NE(missingTable.text.find("A tabela ou consulta 'CD_VAR' não existe no banco de dados '" + file + "'."), std::string::npos)
        << missingTable.text;
    for (const char* statement : {"select nada from T", "select * from T where", "select * from T where nome = 'x"}) {
        Output s = runConsole(file_ + " \"" + statement + "\"");
        EXPECT_EQ(s.status, 1);
        EXPECT_NE(s.text.find("'" + file + "'"), std::string::npos) << statement << ": " << s.text;
    }
}

// The console imports only the tables its statement names, found as Jet finds them: in any case, bracketed,
// behind an alias, with accents.
TEST(ConsoleOnJet, TheTablesOfTheStatementAnswer) {
    const std::string data = testing_support::testdataFolder();
    if (data.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    const std::string nwind = "'" + data + "/nwind.mdb' ";
    EXPECT_EQ(runConsole(nwind + "\"select count(*) from [umsätze] u, ORDERS o where u.OrderID = o.OrderID\"").text,
              "Expr1000\n830\n");
    EXPECT_EQ(runConsole(nwind + "\"select CompanyName from Shippers order by ShipperID\"").text,
              "CompanyName\nSpeedy Express\nUnited Package\nFederal Shipping\n");
    Output ausente = runConsole(nwind + "\"select * from Pedidos\"");
    EXPECT_EQ(ausente.status, 1);
    EXPECT_NE(ausente.text.find("'Pedidos' não existe no banco de dados '" + data + "/nwind.mdb'"), std::string::npos)
        << ausente.text;
}

}  // namespace

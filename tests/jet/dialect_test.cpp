// The everyday Jet SQL a survey user writes, pinned rule by rule on a small table.
#include <gtest/gtest.h>

#include "connection.h"
#include "error.h"
#include "fixture.h"
#include "statement_helpers.h"

namespace {

class Dialect : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new testing_support::TempDir();
        testing_support::makeDatabase(dir_->file("d.db"),
            "CREATE TABLE one (x INTEGER);"
            "INSERT INTO one VALUES (1);"
            "CREATE TABLE T (id INTEGER, nome TEXT COLLATE JET, [Palavra-Chave] TEXT COLLATE JET, n REAL, ativo BOOLEAN,"
            "                [Descrição Ão] TEXT COLLATE JET);"
            "INSERT INTO T VALUES (1, 'Água', 'Casa;carro', 1.5, -1, 'x');"
            "INSERT INTO T VALUES (2, 'agua', NULL, NULL, 0, 'y');"
            "INSERT INTO T VALUES (3, 'Abrigo', ';RADIODIFUSAO;', 2, -1, NULL);"
            "INSERT INTO T VALUES (4, 'azul', 'casa', 10, 0, 'z');"
            "INSERT INTO T VALUES (5, 'Bela', 'D''Água', 3, 0, 'w')");
        db_ = new jet::Connection(jet::Connection::open(dir_->file("d.db")));
    }
    static void TearDownTestSuite() {
        delete db_;
        delete dir_;
    }

    // The value of one expression.
    static jet::Value eval(const std::string& expr) {
        jet::Recordset rs = db_->openRecordset("Select " + expr + " From one");
        return rs.field(0);
    }
    static std::string text(const std::string& expr) { return eval(expr).toText(); }

    // The ids of T's rows that satisfy a condition, in the given order.
    static std::string ids(const std::string& where, const std::string& order = "id") {
        jet::Recordset rs = db_->openRecordset("select id from T where " + where + " order by " + order);
        std::string out;
        for (; !rs.eof(); rs.moveNext()) out += (out.empty() ? "" : ",") + rs.field("id").toText();
        return out;
    }

    static testing_support::TempDir* dir_;
    static jet::Connection* db_;
};

testing_support::TempDir* Dialect::dir_ = nullptr;
jet::Connection* Dialect::db_ = nullptr;

TEST_F(Dialect, AmpersandJoinsTextsAndTreatsNullAsEmpty) {
    EXPECT_EQ(text("'a' & 'b'"), "ab");
    EXPECT_EQ(text("'a' & Null"), "a");
    EXPECT_EQ(text("1 & 2"), "12");
    EXPECT_EQ(text("'x' & 1.5"), "x1.5");
    EXPECT_TRUE(eval("Null & Null").isNull());
}

TEST_F(Dialect, PlusJoinsTwoTextsAddsNumbersAndPropagatesNull) {
    EXPECT_EQ(text("'a' + 'b'"), "ab");
    EXPECT_TRUE(eval("'a' + Null").isNull());
    EXPECT_EQ(eval("1 + 2").toInteger(), 3);
    EXPECT_EQ(text("'12' + 1"), "13");  // a text that reads as a number is added
    EXPECT_THROW(eval("'abc' + 1"), jet::Error);
    EXPECT_EQ(text("7 / 2"), "3.5");    // "/" always divides in reals
    EXPECT_EQ(text("7 \\ 2"), "3");
    EXPECT_EQ(text("7 Mod 3"), "1");
    EXPECT_EQ(text("2 ^ 3"), "8");
    EXPECT_EQ(text("-2 ^ 2"), "-4");    // "^" binds tighter than the sign, as in VBA
    EXPECT_EQ(text("1 + 2 * 3"), "7");
    EXPECT_THROW(eval("1 / 0"), jet::Error);
}

TEST_F(Dialect, TextFunctions) {
    EXPECT_EQ(text("ucase('ação')"), "AÇÃO");
    EXPECT_EQ(text("LCase('ÁGUA')"), "água");
    EXPECT_EQ(text("left('Tarsenal', 3)"), "Tar");
    EXPECT_EQ(text("left('ab', 5)"), "ab");
    EXPECT_EQ(text("right('Tarsenal', 3)"), "nal");
    EXPECT_EQ(text("mid('Tarsenal', 4)"), "senal");
    EXPECT_EQ(text("mid('Tarsenal', 4, 2)"), "se");
    EXPECT_EQ(text("mid('ação', 2, 2)"), "çã");  // positions count characters
    EXPECT_EQ(text("mid('ab', 5, 2)"), "");
    EXPECT_EQ(text("'[' & trim('  a b  ') & ']'"), "[a b]");
    EXPECT_EQ(text("'[' & ltrim('  a ') & ']'"), "[a ]");
    EXPECT_EQ(text("'[' & rtrim('  a ') & ']'"), "[  a]");
    EXPECT_EQ(eval("len('ação')").toInteger(), 4);
    EXPECT_EQ(text("cstr(12.5)"), "12.5");
    EXPECT_EQ(text("'[' & space(3) & ']'"), "[   ]");
    EXPECT_EQ(text("Left$('abc', 1)"), "a");
    EXPECT_EQ(eval("instr('Casa;carro', 'CARRO')").toInteger(), 6);
    EXPECT_EQ(text("chr(65) & chr(13)"), "A\r");
    EXPECT_TRUE(eval("ucase(Null)").isNull());
    EXPECT_THROW(eval("mid('abc', 0, 1)"), jet::Error);
    EXPECT_THROW(eval("left('abc')"), jet::Error);
    EXPECT_THROW(eval("nofunction(1)"), jet::Error);
}

TEST_F(Dialect, TheCriteriaListExpressionPadsAndCutsTo20Characters) {
    EXPECT_EQ(text("cstr(mid('K10'+space(20),1,20)) & cstr('Nome')"), "K10                 Nome");
    EXPECT_EQ(text("cstr(mid('ABCDEFGHIJKLMNOPQRSTUVWXYZ'+space(20),1,20)) & cstr('N')"), "ABCDEFGHIJKLMNOPQRSTN");
}

TEST_F(Dialect, TextComparisonsIgnoreCaseButNotAccents) {
    EXPECT_EQ(ids("nome = 'AGUA'"), "2");
    EXPECT_EQ(ids("nome = 'água'"), "1");
    EXPECT_EQ(ids("nome <> 'agua'"), "1,3,4,5");
    EXPECT_EQ(ids("ucase(nome) = 'agua'"), "2");   // also on computed texts
    EXPECT_EQ(ids("nome < 'b'"), "1,2,3,4");
    EXPECT_EQ(ids("nome > 'AZUL'"), "5");
    EXPECT_EQ(ids("nome In ('AZUL', 'bela')"), "4,5");
    EXPECT_EQ(ids("nome Between 'a' And 'AGUZ'"), "1,2,3");
}

TEST_F(Dialect, OrderByTextSortsAccentedLettersBesideTheirBase) {
    EXPECT_EQ(ids("id > 0", "nome"), "3,2,1,4,5");
    EXPECT_EQ(ids("id > 0", "nome desc"), "5,4,1,2,3");
    EXPECT_EQ(ids("id > 0", "ucase(nome), id"), "3,2,1,4,5");
}

TEST_F(Dialect, LikeInStatements) {
    EXPECT_EQ(ids("nome like 'a*'"), "2,3,4");
    EXPECT_EQ(ids("nome like '?gua'"), "1,2");
    EXPECT_EQ(ids("nome not like 'a*'"), "1,5");
    EXPECT_EQ(ids("ucase([Palavra-Chave]) Like '*;C*'"), "1");
    EXPECT_EQ(ids("ucase([Palavra-Chave]) Like '*RADIO*'"), "3");
    EXPECT_EQ(ids("[Palavra-Chave] Like '*D''Água*'"), "5");
    EXPECT_EQ(ids("[Palavra-Chave] Like \"*D'Água*\""), "5");
}

TEST_F(Dialect, BracketsDoubleQuotesYesNoAndKeywordCase) {
    EXPECT_EQ(ids("ativo"), "1,3");                 // a yes/no column alone is a condition
    EXPECT_EQ(ids("not ativo"), "2,4,5");
    EXPECT_EQ(ids("ativo = True"), "1,3");
    EXPECT_EQ(ids("[Descrição Ão] = \"X\""), "1");
    EXPECT_EQ(ids("nome = \"AZUL\""), "4");
    jet::Recordset rs = db_->openRecordset("SELECT t.ID, T.[nome] FROM t WHERE T.Id=3 OR t.id=5 ORDER BY t.id DESC");
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.field("NOME").toText(), "Bela");
    EXPECT_TRUE(db_->openRecordset("select ativo from T where id = 1").field(0).toBool());
    EXPECT_EQ(db_->openRecordset("select ativo from T where id = 2").field(0).kind(), jet::Value::Kind::Boolean);
}

TEST_F(Dialect, NullRules) {
    EXPECT_EQ(ids("n is null"), "2");
    EXPECT_EQ(ids("n is not null"), "1,3,4,5");
    EXPECT_EQ(ids("n = Null"), "");                 // Null equals nothing
    EXPECT_EQ(ids("Nz(n, 0) = 0"), "2");
    EXPECT_EQ(ids("IIf(n > 2, 1, 0) = 1"), "4,5");
}

TEST_F(Dialect, ResultColumnsAreNamedAsJetNamesThem) {
    jet::Recordset rs = db_->openRecordset("select T.nome, id + 1, nome & 'x' As junto, id > 2 from T where id = 4");
    ASSERT_EQ(rs.fieldCount(), 4);
    EXPECT_EQ(rs.fieldName(0), "nome");
    EXPECT_EQ(rs.fieldName(1), "Expr1001");
    EXPECT_EQ(rs.fieldName(2), "junto");
    EXPECT_EQ(rs.field(3).toText(), "-1");
}

TEST_F(Dialect, AggregatesDistinctTopAndJoins) {
    EXPECT_EQ(db_->openRecordset("select count(*) from T").field(0).toInteger(), 5);
    EXPECT_EQ(db_->openRecordset("select distinct ucase(nome) from T where id <= 2").recordCount(), 2);  // Á is not A
    EXPECT_EQ(db_->openRecordset("select distinct iif(id = 2, 'abc', 'ABC') from T where id <= 2").recordCount(), 1);
    EXPECT_EQ(db_->openRecordset("select top 2 id from T order by id desc").recordCount(), 2);
    jet::Recordset j = db_->openRecordset("select a.id, b.x from T a inner join one b on a.id = b.x");
    EXPECT_EQ(j.recordCount(), 1);
    EXPECT_EQ(db_->openRecordset("select min(nome) from T").field(0).toText(), "Abrigo");
}

TEST_F(Dialect, LongOrChainsRun) {
    // The locality condition of a result run can hold every area code.
    std::string cond = "(id=0";
    for (int c = 1; c <= 850; ++c) cond += " or id=" + std::to_string(c);
    cond += ")";
    EXPECT_EQ(ids(cond + " and id <> 3"), "1,2,4,5");
}

TEST_F(Dialect, NamesMatchIgnoringTheCaseOfEveryLetter) {
    EXPECT_EQ(testing_support::firstColumn(db_->openRecordset("Select [DESCRIÇÃO ÃO] From t Where ID = 1")), "x");
    EXPECT_EQ(testing_support::firstColumn(db_->openRecordset("Select [descrição ão] From T Order By [DESCRIÇÃO ão]")), "w,x,y,z");  // Null first
}

TEST_F(Dialect, SqlitesMessagesReachTheUserInPortuguese) {
    auto message = [](const std::string& sql) { return testing_support::errorOf(*db_, sql); };
    EXPECT_EQ(message("Select Sum(Sum(id)) From T").rfind("Não é possível ter uma função agregada", 0), 0u);
    EXPECT_EQ(message("Select id From T Where Sum(id) > 1").rfind("Não é possível ter uma função agregada", 0), 0u);
    std::string joins = "T AS t0";
    for (int i = 1; i < 70; ++i) joins += ", one AS o" + std::to_string(i);
    EXPECT_EQ(message("Select t0.id From " + joins).rfind("Consulta muito complexa", 0), 0u);
    EXPECT_NE(message("Select * From dbstat").find("não é permitido"), std::string::npos);
    EXPECT_EQ(message("Select id From T Order By 5").rfind("Um número do Order By", 0), 0u);
    EXPECT_EQ(message("Select id, nome From T Union Select x From one").rfind("O número de campos", 0), 0u);
    EXPECT_EQ(message("Select 1 / 0").rfind("Divisão por zero.", 0), 0u);  // the engine's own, as written
}

TEST_F(Dialect, StatementsTheEngineCannotRunSayWhy) {
    auto message = [](const std::string& sql) {
        try {
            db_->openRecordset(sql);
        } catch (const jet::Error& e) {
            return std::string(e.what());
        }
        return std::string("(no error)");
    };
    EXPECT_NE(message("select nada from T").find("'nada'"), std::string::npos);
    EXPECT_NE(message("select * from Nenhuma").find("'Nenhuma'"), std::string::npos);
    EXPECT_NE(message("select * from T where").find("Erro de sintaxe"), std::string::npos);
    EXPECT_NE(message("select 'abc from T").find("aspas"), std::string::npos);
    EXPECT_NE(message("select [abc from T").find("colchetes"), std::string::npos);
    EXPECT_NE(message("delete from T").find("select"), std::string::npos);
    EXPECT_NE(message("select * from T; drop table T").find("Erro de sintaxe"), std::string::npos);
    EXPECT_NE(message("select id from T, one where x = 1 and id = 'a' + 1").find("Tipos incompatíveis"), std::string::npos);
    std::string deep = "select " + std::string(300, '(') + "1" + std::string(300, ')') + " from one";
    EXPECT_NE(message(deep).find("complexa"), std::string::npos);
}

}  // namespace

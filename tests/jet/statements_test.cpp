// Every statement and find criterion the program sends to its data file, as the program writes them, on a
// small file with the survey's own table and column names.
#include <gtest/gtest.h>

#include "connection.h"
#include "error.h"
#include "fixture.h"

namespace {

const char* kSurvey =
    "CREATE TABLE CD_TEMA (CodTema INTEGER, NomeTema TEXT COLLATE JET);"
    "INSERT INTO CD_TEMA VALUES (2, 'Saúde'), (1, 'Educação');"
    "CREATE TABLE CD_SUBTEMA (CodSubTema INTEGER, NomeSubTema TEXT COLLATE JET);"
    "INSERT INTO CD_SUBTEMA VALUES (11, 'Escolas'), (21, 'Hospitais'), (12, 'Bibliotecas');"
    "CREATE TABLE CD_VAR (NumSeq INTEGER, CodTema INTEGER, CodSubTema INTEGER, CodVariavel TEXT COLLATE JET,"
    "  NomeVariavel TEXT COLLATE JET, CodFonte INTEGER, CodNota INTEGER, NomeTabela TEXT COLLATE JET,"
    "  [Palavra-Chave] TEXT COLLATE JET, criterio BOOLEAN);"
    "INSERT INTO CD_VAR VALUES (1, 1, 11, 'K10', 'Escolas públicas', 1, 0, 'TK', 'Escola;Ensino', -1);"
    "INSERT INTO CD_VAR VALUES (2, 1, 12, 'A03', 'Bibliotecas', 0, 2, 'TA', ' água;Casa;;ensino médio', -1);"
    "INSERT INTO CD_VAR VALUES (3, 2, 21, 'J01', 'Leitos', 1, 1, 'TJ', 'D''Água;RADIODIFUSAO', 0);"
    "INSERT INTO CD_VAR VALUES (4, 2, 21, 'M1_1003', 'Órgão gestor', 0, 0, 'TM1', 'radio', 0);"
    "INSERT INTO CD_VAR VALUES (5, 9, 99, 'X9', 'Sem tema', 0, 0, 'TB', NULL, 0);"
    "CREATE TABLE CD_SUBVAR (CodVariavel TEXT COLLATE JET, CodSubVar TEXT COLLATE JET, NomeSubVar TEXT COLLATE JET);"
    "INSERT INTO CD_SUBVAR VALUES ('K10', 'K10B', 'Escolas - rurais'), ('K10', 'K10A', 'Escolas - urbanas');"
    "CREATE TABLE CD_VARM1 (CodVariavel TEXT COLLATE JET, NomeVariavel TEXT COLLATE JET);"
    "INSERT INTO CD_VARM1 VALUES ('M1_NOME', 'Nome do órgão'), ('M1_1003', 'Órgão gestor');"
    "CREATE TABLE CD_FONTES (CodFonte INTEGER, DescricaoFonte TEXT COLLATE JET);"
    "INSERT INTO CD_FONTES VALUES (1, 'Secretaria fictícia');"
    "CREATE TABLE CD_NOTAS (CodNota INTEGER, DescricaoNota TEXT COLLATE JET);"
    "INSERT INTO CD_NOTAS VALUES (2, 'Nota dois'), (1, '   ');"
    "CREATE TABLE CD_DEFINICOES (CodVariavel TEXT COLLATE JET, DefinicaoVariavel TEXT COLLATE JET);"
    "INSERT INTO CD_DEFINICOES VALUES ('K10', 'Estabelecimentos de ensino.'), ('J01', 'Leitos.');"
    "CREATE TABLE CD_AREA (COD_AREA_NORVA INTEGER, DESCRICAO TEXT COLLATE JET, mun INTEGER, munseqrarg INTEGER, munseqdrads INTEGER);"
    "INSERT INTO CD_AREA VALUES (0, 'Estado', 0, 0, 0), (5, 'Santa Rita', 1, 2, 3), (12, 'São Carlos', 1, 3, 2),"
    "  (7, 'Águas Belas', 1, 4, 0), (690, 'RA de Teste', 1, 1, 0), (805, 'DRADS de Teste', 1, 0, 1);"
    "CREATE TABLE nomemun ([desc] TEXT COLLATE JET);"
    "INSERT INTO nomemun VALUES ('SÃO CARLOS'), ('ÁGUAS BELAS'), ('RA DE TESTE'), ('SANTA RITA'), ('DRADS DE TESTE');"
    "CREATE TABLE municipios (COD_AREA_NORVA INTEGER, DESCRICAO TEXT COLLATE JET);"
    "INSERT INTO municipios SELECT COD_AREA_NORVA, DESCRICAO FROM CD_AREA;"
    "CREATE TABLE TABCRI (Cod_Mun INTEGER, cri_K10 INTEGER, cri_A03 INTEGER);"
    "INSERT INTO TABCRI VALUES (5, 150, 1), (12, 50, 1), (7, 200, 0), (690, 900, 1), (805, 10, 0);"
    "CREATE TABLE TM1 (Cod_Mun INTEGER, M1_Nome_1 TEXT COLLATE JET, M1_1003_1 TEXT COLLATE JET,"
    "  M1_Nome_2 TEXT COLLATE JET, M1_1003_2 TEXT COLLATE JET);"
    "INSERT INTO TM1 SELECT COD_AREA_NORVA, 'Órgão A', 'Sim', '-', '-' FROM CD_AREA;";

// The other survey tables: one value column each, a row for every locality but municipality 7 in TD.
std::string surveyTables() {
    std::string s;
    for (std::string t : {"TK", "TJ", "TM", "TI", "TH", "TA", "TB", "TL99", "TD", "TG", "socioe_char"}) {
        std::string col = t == "TK" ? "K10" : t == "TA" ? "A03" : t == "TJ" ? "J01" : "V";
        s += "CREATE TABLE " + t + " (Cod_Mun INTEGER, " + col + " TEXT COLLATE JET);";
        s += "INSERT INTO " + t + " SELECT COD_AREA_NORVA, '" + t + "-' || COD_AREA_NORVA FROM CD_AREA";
        if (t == "TD") s += " WHERE COD_AREA_NORVA <> 7";
        s += ";";
    }
    return s;
}

class Statements : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new testing_support::TempDir();
        testing_support::makeDatabase(dir_->file("Quelva.mdb"), std::string(kSurvey) + surveyTables());
        db_ = new jet::Connection(jet::Connection::open(dir_->file("Quelva.mdb")));
    }
    static void TearDownTestSuite() {
        delete db_;
        delete dir_;
    }
    static std::string column(const std::string& sql, const std::string& field) {
        jet::Recordset rs = db_->openRecordset(sql);
        std::string out;
        for (; !rs.eof(); rs.moveNext()) out += (out.empty() ? "" : "|") + rs.field(field).toText();
        return out;
    }
    static testing_support::TempDir* dir_;
    static jet::Connection* db_;
};

testing_support::TempDir* Statements::dir_ = nullptr;
jet::Connection* Statements::db_ = nullptr;

TEST_F(Statements, VariableTableAndCatalogueRecordsets) {
    EXPECT_EQ(column("Select * From CD_VAR Order By NumSeq", "CodVariavel"), "K10|A03|J01|M1_1003|X9");
    EXPECT_EQ(column("Select * From CD_TEMA order by CodTema ", "NomeTema"), "Educação|Saúde");
    EXPECT_EQ(column("Select * From CD_SUBTEMA order by CodSubTema", "CodSubTema"), "11|12|21");
    EXPECT_EQ(column("Select * From CD_VAR order by CodVariavel", "CodVariavel"), "A03|J01|K10|M1_1003|X9");
    EXPECT_EQ(column("Select * From CD_SUBVAR order by CodVariavel, CodSubVar", "CodSubVar"), "K10A|K10B");
    EXPECT_EQ(column("Select * From CD_VARM1 order by CodVariavel", "CodVariavel"), "M1_1003|M1_NOME");
    EXPECT_EQ(column("Select * From CD_AREA order by Cod_Area_Norva", "Cod_Area_Norva"), "0|5|7|12|690|805");
    EXPECT_EQ(column("Select * From CD_FONTES order by CodFonte", "DescricaoFonte"), "Secretaria fictícia");
    EXPECT_EQ(column("Select * From CD_NOTAS order by CodNota", "CodNota"), "1|2");
    EXPECT_EQ(column("Select * From CD_DEFINICOES order by CodVariavel", "CodVariavel"), "J01|K10");
    EXPECT_EQ(column("Select * From CD_Area", "DESCRICAO"), column("Select * From cd_Area", "descricao"));
}

TEST_F(Statements, FindCriteriaOfTheCatalogue) {
    jet::Recordset themes = db_->openRecordset("Select * From CD_TEMA order by CodTema ");
    themes.findFirst("CodTema = 2");
    ASSERT_FALSE(themes.noMatch());
    EXPECT_EQ(themes.field("NomeTema").toText(), "Saúde");
    themes.findFirst("CodTema = 3");
    EXPECT_TRUE(themes.noMatch());

    jet::Recordset area = db_->openRecordset("Select * From CD_AREA order by Cod_Area_Norva");
    area.findFirst("Cod_Area_Norva = 12");
    EXPECT_EQ(area.field("Descricao").toText(), "São Carlos");

    jet::Recordset var = db_->openRecordset("Select * From CD_VAR order by CodVariavel");
    var.findFirst("CodVariavel = 'k10'");  // the engine compares without regard to case
    EXPECT_EQ(var.field("NomeVariavel").toText(), "Escolas públicas");
    jet::Recordset sub = db_->openRecordset("Select * From CD_SUBVAR order by CodVariavel, CodSubVar");
    sub.findFirst("CodSubVar = 'K10B'");
    EXPECT_EQ(sub.field("NomeSubVar").toText(), "Escolas - rurais");
    jet::Recordset m1 = db_->openRecordset("Select * From CD_VARM1 order by CodVariavel");
    m1.findFirst("CodVariavel = 'M1_NOME'");
    EXPECT_EQ(m1.field("NomeVariavel").toText(), "Nome do órgão");

    jet::Recordset notes = db_->openRecordset("Select * From CD_NOTAS order by CodNota");
    notes.findFirst("CodNota = 2");
    EXPECT_EQ(notes.field("DescricaoNota").toText(), "Nota dois");
    jet::Recordset defs = db_->openRecordset("Select * From CD_DEFINICOES order by CodVariavel");
    defs.findFirst("CodVariavel = 'A03'");
    EXPECT_TRUE(defs.noMatch());
}

TEST_F(Statements, ThemeTreeJoinSkipsVariablesWithoutThemeOrSubtheme) {
    const std::string sql = std::string("Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ") +
                            "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S " + "Where V.CodTema = T.CodTema And " +
                            "V.CodSubTema = S.CodSubTema " + "Order By V.NumSeq";
    EXPECT_EQ(column(sql, "NomeSubTema"), "Escolas|Bibliotecas|Hospitais|Hospitais");
    EXPECT_EQ(column(sql, "NumSeq"), "1|2|3|4");
}

TEST_F(Statements, DefinitionWindowStatements) {
    EXPECT_EQ(column("Select * From CD_VAR Where CodVariavel = 'J01'", "NomeVariavel"), "Leitos");
    EXPECT_EQ(column("Select * From CD_SUBTEMA Where CodSubTema = 21", "NomeSubTema"), "Hospitais");
    EXPECT_EQ(column("Select * From CD_TEMA Where CodTema = 2", "NomeTema"), "Saúde");
    EXPECT_EQ(column("Select * From CD_DEFINICOES Where CodVariavel = 'J01'", "DefinicaoVariavel"), "Leitos.");
}

TEST_F(Statements, KeywordStatements) {
    auto byLetter = [](const std::string& L) {
        return std::string("Select [Palavra-Chave] From CD_VAR ") + "Where ucase(left(trim([Palavra-Chave]),1)) = '" + L +
               "' or " + "ucase([Palavra-Chave]) Like '*;" + L + "*' Order By NumSeq";
    };
    EXPECT_EQ(column(byLetter("E"), "Palavra-Chave"), "Escola;Ensino| água;Casa;;ensino médio");
    EXPECT_EQ(column(byLetter("C"), "Palavra-Chave"), " água;Casa;;ensino médio");
    EXPECT_EQ(column(byLetter("R"), "Palavra-Chave"), "D'Água;RADIODIFUSAO|radio");
    EXPECT_EQ(column(byLetter("Á"), "Palavra-Chave"), " água;Casa;;ensino médio");  // first non-blank letter
    EXPECT_EQ(column(byLetter("Z"), "Palavra-Chave"), "");

    const std::string tree = std::string("Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ") +
                             "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S " +
                             "Where V.CodTema = T.CodTema And V.CodSubTema = S.CodSubTema And " +
                             "Ucase(V.[Palavra-Chave]) Like '*" + "RADIO" + "*' " + "Order By V.NumSeq";
    EXPECT_EQ(column(tree, "NumSeq"), "3|4");  // RADIO is also found inside RADIODIFUSAO
    const std::string list = std::string("Select * ") + "From CD_VAR " + "Where Ucase([Palavra-Chave]) Like " + "'*" +
                             "D''ÁGUA" + "*' And " + "CodSubTema = " + "21" + " " + "Order By NumSeq";
    EXPECT_EQ(column(list, "CodVariavel"), "J01");
}

TEST_F(Statements, LocalityStatementsAndNameSearch) {
    EXPECT_EQ(column("Select * From CD_AREA Where mun<>0  ORDER by descricao", "[DESCRICAO]"),
              "Águas Belas|DRADS de Teste|RA de Teste|Santa Rita|São Carlos");
    EXPECT_EQ(column("Select * From nomemun order by [desc]", "desc"),
              "ÁGUAS BELAS|DRADS DE TESTE|RA DE TESTE|SANTA RITA|SÃO CARLOS");
    jet::Recordset names = db_->openRecordset("Select * From nomemun order by [desc]");
    names.findFirst("desc like \"SA*\"");
    EXPECT_EQ(names.absolutePosition(), 3);
    names.findFirst("desc like \"SÃO*\"");
    EXPECT_EQ(names.absolutePosition(), 4);
    names.findFirst("desc like \"*\"");  // an empty search text finds the first row
    EXPECT_EQ(names.absolutePosition(), 0);
    names.findFirst("desc like \"XY*\"");
    EXPECT_TRUE(names.noMatch());
    EXPECT_EQ(names.absolutePosition(), 0);  // the current row stays

    EXPECT_EQ(column("select * from cd_Area where munseqrarg > 0 order by munseqrarg", "[COD_AREA_NORVA]"), "690|5|12|7");
    EXPECT_EQ(column("select * from cd_Area where munseqdrads > 0 order by munseqdrads", "COD_AREA_NORVA"), "805|12|5");
    EXPECT_EQ(column("select * from cd_Area where mun > 0 order by descricao", "COD_AREA_NORVA"), "7|805|690|5|12");
}

TEST_F(Statements, CriteriaVariableList) {
    const std::string sql = std::string("select cstr(mid(codvariavel+space(20),1,20)) & ") +
                            "cstr(nomevariavel) , nomevariavel , codvariavel " + "from cd_var where criterio";
    jet::Recordset rs = db_->openRecordset(sql);
    ASSERT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(rs.fieldName(0), "Expr1000");
    EXPECT_EQ(rs.field(0).toText(), "K10                 Escolas públicas");
    EXPECT_EQ(rs.field("codvariavel").toText(), "K10");
}

// The result statement as the result run assembles it.
std::string resultStatement(const std::string& localities, const std::string& fields, const std::string& criteria) {
    std::string s = "Select TK.Cod_Mun, " + fields + " " +
                    "From TK, TJ, TM, TM1, TI, TH, TA, TB, TL99, TD, TG, municipios, TABCRI, socioe_char " + "WHERE " +
                    localities + " and ";
    for (std::string t : {"TJ", "TM", "TM1", "TI", "TH", "TA", "TB", "TL99", "TD", "TG", "tabcri", "socioe_char"})
        s += "TK.Cod_Mun=" + t + ".Cod_Mun and ";
    s += "TK.Cod_Mun=municipios.COD_AREA_NORVA";
    if (!criteria.empty()) s += " and (" + criteria + ")";
    return s + " Order By municipios.DESCRICAO";
}

TEST_F(Statements, ResultStatementJoinsFourteenTables) {
    jet::Recordset rs = db_->openRecordset(
        resultStatement("(TK.Cod_Mun=5 or TK.Cod_Mun=7 or TK.Cod_Mun=12 or TK.Cod_Mun=690)", "TA.A03, TK.K10", ""));
    ASSERT_EQ(rs.fieldCount(), 3);
    EXPECT_EQ(rs.fieldName(0), "Cod_Mun");
    EXPECT_EQ(rs.fieldName(1), "A03");
    EXPECT_EQ(rs.recordCount(), 3);  // 7 has no row in TD
    EXPECT_EQ(rs.field("Cod_Mun").toInteger(), 690);  // "RA de Teste" sorts first
    rs.moveLast();
    EXPECT_EQ(rs.field("K10").toText(), "TK-12");

    jet::Recordset m1 = db_->openRecordset(
        resultStatement("(TK.Cod_Mun=5)", "TM1.M1_Nome_1, TM1.M1_1003_1, TM1.M1_Nome_2, TM1.M1_1003_2", ""));
    EXPECT_EQ(m1.fieldName(1), "M1_Nome_1");
    EXPECT_EQ(m1.field("M1_1003_2").toText(), "-");
}

TEST_F(Statements, ResultStatementWithCriteria) {
    const std::string all = "(TK.Cod_Mun=5 or TK.Cod_Mun=12 or TK.Cod_Mun=690)";
    auto codes = [&](const std::string& crit) {
        jet::Recordset rs = db_->openRecordset(resultStatement(all, "TK.K10", crit));
        std::string out;
        for (; !rs.eof(); rs.moveNext()) out += (out.empty() ? "" : ",") + rs.field(0).toText();
        return out;
    };
    EXPECT_EQ(codes(" [tabcri].[cri_K10]>100 "), "690,5");
    EXPECT_EQ(codes(" [tabcri].[cri_K10]>100  and  [tabcri].[cri_A03]=1 "), "690,5");
    EXPECT_EQ(codes(" [tabcri].[cri_K10]<100  or  [tabcri].[cri_A03]=1 "), "690,5,12");
    // And binds before Or, as the connectors are written without parentheses.
    EXPECT_EQ(codes(" [tabcri].[cri_K10]<100  or  [tabcri].[cri_A03]=1  and  [tabcri].[cri_K10]>500 "), "690,12");
    EXPECT_THROW(codes(" [tabcri].[cri_X99]>1 "), jet::Error);
}

}  // namespace

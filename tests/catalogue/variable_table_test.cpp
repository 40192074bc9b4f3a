#include <gtest/gtest.h>

#include "survey_database.h"
#include "catalogue_fixture.h"
#include "error.h"
#include "fixture.h"
#include "variable_table.h"

namespace {

using quelva::SurveyDatabase;
using quelva::CarregarVetorVariavel;
using quelva::VetorVariavel;

std::string loadError(const std::string& folder) {
    auto table = std::make_unique<VetorVariavel>();
    SurveyDatabase database(folder);
    try {
        CarregarVetorVariavel(*table, database);
    } catch (const jet::Error& e) {
        return e.what();
    }
    return "(loaded)";
}

TEST(SurveyDatabase, TheFileIsQuelvaMdbInTheProgramFolder) {
    EXPECT_EQ(SurveyDatabase("/opt/quelva").filePath(), "/opt/quelva/Quelva.mdb");
    EXPECT_EQ(SurveyDatabase("").filePath(), "/Quelva.mdb");
}

TEST(CarregarVetorVariavel, FillsRowsInNumSeqOrderAndLeavesTheRestEmpty) {
    testing_support::TempDir dir;
    testing_support::makeDatabase(dir.file("Quelva.mdb"), testCatalogue(705));
    auto table = std::make_unique<VetorVariavel>();
    (*table)[3].Selecionada = jet::Value::boolean(true);
    SurveyDatabase database(dir.path());
    CarregarVetorVariavel(*table, database);
    const auto& v = *table;
    EXPECT_EQ(v[0].CodVariavel.toText(), "V1");
    EXPECT_EQ(v[0].NomeVariavel.toText(), "Variável 1");
    EXPECT_EQ(v[704].CodVariavel.toText(), "V705");
    EXPECT_EQ(v[6].CodTema.kind(), jet::Value::Kind::Integer);
    EXPECT_EQ(v[6].CodTema.toInteger(), 1 + 7 % 3);
    EXPECT_EQ(v[6].CodSubTema.toInteger(), 10 + 7 % 7);
    EXPECT_EQ(v[6].NomeTabela.toText(), "TK");
    EXPECT_EQ(v[6].CodNota.toInteger(), 0);
    EXPECT_TRUE(v[4].CodFonte.isNull());  // a null column stays empty
    EXPECT_EQ(v[5].CodFonte.toInteger(), 1);
    EXPECT_FALSE(v[3].isSelected());     // every loaded row starts unselected
    EXPECT_EQ(v[3].Selecionada.kind(), jet::Value::Kind::Boolean);
    // The 706th row stays entirely empty.
    EXPECT_TRUE(v[705].CodVariavel.isNull());
    EXPECT_TRUE(v[705].Selecionada.isNull());
    EXPECT_FALSE(v[705].isSelected());
}

TEST(CarregarVetorVariavel, ExactlyTheLimitFillsEveryRow) {
    testing_support::TempDir dir;
    testing_support::makeDatabase(dir.file("Quelva.mdb"), testCatalogue(706));
    auto table = std::make_unique<VetorVariavel>();
    SurveyDatabase database(dir.path());
    CarregarVetorVariavel(*table, database);
    EXPECT_EQ((*table)[705].CodVariavel.toText(), "V706");
}

TEST(CarregarVetorVariavel, RefusesMoreRowsThanTheTableHoldsNamingTheLimit) {
    testing_support::TempDir dir;
    testing_support::makeDatabase(dir.file("Quelva.mdb"), testCatalogue(707));
    std::string m = loadError(dir.path());
    EXPECT_NE(m.find("706"), std::string::npos) << m;
    EXPECT_NE(m.find("CD_VAR"), std::string::npos) << m;
}

TEST(CarregarVetorVariavel, EngineErrorsReachTheCaller) {
    testing_support::TempDir dir;
    EXPECT_NE(loadError(dir.path()).find(dir.file("Quelva.mdb")), std::string::npos);  // no file

    testing_support::makeDatabase(dir.file("Quelva.mdb"), "CREATE TABLE CD_TEMA (CodTema INTEGER)");
    EXPECT_NE(loadError(dir.path()).find("CD_VAR"), std::string::npos);  // no table

    testing_support::TempDir empty;
    testing_support::makeDatabase(empty.file("Quelva.mdb"), testCatalogue(0));
    EXPECT_NE(loadError(empty.path()), "(loaded)");  // no rows: no current record

    testing_support::TempDir noColumn;
    testing_support::makeDatabase(noColumn.file("Quelva.mdb"), "CREATE TABLE CD_VAR (NumSeq INTEGER, CodTema INTEGER);"
                                                               "INSERT INTO CD_VAR VALUES (1, 1)");
    EXPECT_NE(loadError(noColumn.path()).find("CodSubTema"), std::string::npos);
}

}  // namespace

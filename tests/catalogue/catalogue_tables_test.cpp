#include <gtest/gtest.h>

#include "survey_database.h"
#include "catalogue_fixture.h"
#include "error.h"
#include "fixture.h"
#include "catalogue_tables.h"

namespace {

using quelva::BuscarDescricao;
using quelva::CatalogueTables;

class CatalogueTablesTest : public ::testing::Test {
protected:
    void SetUp() override { testing_support::makeDatabase(dir_.file("Quelva.mdb"), testCatalogue(12)); }
    testing_support::TempDir dir_;
    quelva::SurveyDatabase database_{dir_.path()};
    CatalogueTables cd_;
};

TEST_F(CatalogueTablesTest, OpensTheNineRecordsetsEachInItsOrder) {
    quelva::AbrirTabelasCD(cd_, database_);
    EXPECT_TRUE(cd_.DbCatalogo.isOpen());
    auto first = [](jet::Recordset& rs, const char* field) { rs.moveFirst(); return rs.field(field).toText(); };
    EXPECT_EQ(first(cd_.RsCdTema, "NomeTema"), "Educação");
    EXPECT_EQ(first(cd_.RsCdSubTema, "CodSubTema"), "10");
    EXPECT_EQ(first(cd_.RsCdVar, "CodVariavel"), "V1");
    cd_.RsCdVar.moveNext();
    EXPECT_EQ(cd_.RsCdVar.field("CodVariavel").toText(), "V10");  // ordered by code, as text
    EXPECT_EQ(first(cd_.RsCdSubVar, "CodSubVar"), "V1A");
    cd_.RsCdSubVar.moveNext();
    EXPECT_EQ(cd_.RsCdSubVar.field("CodSubVar").toText(), "V2A");
    EXPECT_EQ(first(cd_.RsCdVarM1, "CodVariavel"), "M1_1001");
    EXPECT_EQ(first(cd_.RsCdArea, "Cod_Area_Norva"), "0");
    EXPECT_EQ(first(cd_.RsCdFontes, "CodFonte"), "1");
    EXPECT_EQ(first(cd_.RsCdNotas, "CodNota"), "1");
    EXPECT_EQ(first(cd_.RsCdDefinicoes, "CodVariavel"), "V1");
}

TEST_F(CatalogueTablesTest, BuscarDescricaoByKind) {
    quelva::AbrirTabelasCD(cd_, database_);
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(2), "TEMA"), "Saúde");
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(11), "SUBTEMA"), "Escolas");
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(12), "LOCALIDADE"), "São Carlos");
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::real(805), "LOCALIDADE"), "DRADS");
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(13), "LOCALIDADE"), "");  // absent code
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(12), "localidade"), "");  // kinds compare exactly
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(2), "OUTRO"), "");
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value(), "TEMA"), "");
}

TEST_F(CatalogueTablesTest, ClosingClosesEverythingAndReopeningReplacesIt) {
    quelva::AbrirTabelasCD(cd_, database_);
    quelva::FecharTabelasCD(cd_);
    for (int i = 0; i < CatalogueTables::kCount; ++i) EXPECT_FALSE(cd_.inOpeningOrder(i)->isOpen()) << i;
    EXPECT_FALSE(cd_.DbCatalogo.isOpen());
    // Outside a run only the search itself fails; an unknown kind does not search at all.
    EXPECT_THROW(BuscarDescricao(cd_, jet::Value::integer(12), "LOCALIDADE"), jet::Error);
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(12), "localidade"), "");
    quelva::AbrirTabelasCD(cd_, database_);
    EXPECT_EQ(BuscarDescricao(cd_, jet::Value::integer(1), "TEMA"), "Educação");
}

TEST_F(CatalogueTablesTest, AMissingCatalogueTableStopsTheOpening) {
    testing_support::TempDir other;
    testing_support::makeDatabase(other.file("Quelva.mdb"), "CREATE TABLE CD_TEMA (CodTema INTEGER, NomeTema TEXT)");
    quelva::SurveyDatabase database(other.path());
    try {
        quelva::AbrirTabelasCD(cd_, database);
        FAIL() << "opened without CD_SUBTEMA";
    } catch (const jet::Error& e) {
        EXPECT_NE(std::string(e.what()).find("CD_SUBTEMA"), std::string::npos);
    }
}

}  // namespace

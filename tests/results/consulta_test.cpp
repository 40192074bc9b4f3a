// The result statement: validation, assembly byte for byte, the length limit, and the run on the engine.
#include <gtest/gtest.h>

#include "consulta.h"
#include "dialogos_roteiro.h"
#include "resultado_fixture.h"

namespace {

using testing_support::EstadoTeste;

const char* kJuncoes =
    " From TK, TJ, TM, TM1, TI, TH, TA, TB, TL99, TD, TG, municipios, TABCRI, socioe_char WHERE (TK.Cod_Mun=5 or "
    "TK.Cod_Mun=12) and TK.Cod_Mun=TJ.Cod_Mun and TK.Cod_Mun=TM.Cod_Mun and TK.Cod_Mun=TM1.Cod_Mun and "
    "TK.Cod_Mun=TI.Cod_Mun and TK.Cod_Mun=TH.Cod_Mun and TK.Cod_Mun=TA.Cod_Mun and TK.Cod_Mun=TB.Cod_Mun and "
    "TK.Cod_Mun=TL99.Cod_Mun and TK.Cod_Mun=TD.Cod_Mun and TK.Cod_Mun=TG.Cod_Mun and TK.Cod_Mun=tabcri.Cod_Mun and "
    "TK.Cod_Mun=socioe_char.Cod_Mun and TK.Cod_Mun=municipios.COD_AREA_NORVA";

TEST(ValidarSelecao, SaysWhatIsMissing) {
    EstadoTeste t;
    testing_support::DialogosRoteiro d;
    EXPECT_FALSE(quelva::ValidarSelecao(*t.estado, d, nullptr));
    t.localidades({0});
    EXPECT_FALSE(quelva::ValidarSelecao(*t.estado, d, nullptr));
    t.estado->VetorLocalidade[0] = false;
    t.selecionar({"M1_1028"});
    EXPECT_FALSE(quelva::ValidarSelecao(*t.estado, d, nullptr));
    ASSERT_EQ(d.mensagens().size(), 3u);
    EXPECT_EQ(d.mensagens()[0].texto, "Selecionar no mínimo uma Localidade e uma Variável");
    EXPECT_EQ(d.mensagens()[1].texto, "Selecionar no mínimo uma Variável");
    EXPECT_EQ(d.mensagens()[2].texto, "Selecionar no mínimo uma Localidade");
    for (const auto& m : d.mensagens()) {
        EXPECT_EQ(m.icone, quelva::Dialogos::Icone::Informacao);
        EXPECT_EQ(m.botoes, quelva::Dialogos::Botoes::Ok);
        EXPECT_EQ(m.titulo, "");  // the application's title
    }
    t.localidades({850});  // the last code counts
    EXPECT_TRUE(quelva::ValidarSelecao(*t.estado, d, nullptr));
    EXPECT_EQ(d.mensagens().size(), 3u);
}

TEST(MontarConsulta, TheStatementByteForByteWithAndWithoutCriteria) {
    EstadoTeste t;
    t.localidades({12, 5});
    t.selecionar({"X2", "X1"});  // table order, not the order of the clicks
    auto s = quelva::MontarConsulta(*t.estado);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->toStdString(), std::string("Select TK.Cod_Mun, TA.X1, TK.X2") + kJuncoes + " Order By municipios.DESCRICAO");
    EXPECT_TRUE(t.estado->HaResultado);
    EXPECT_EQ(t.estado->QtdM1, 0);

    t.estado->ExpressaoCriterio = "   ";
    EXPECT_EQ(quelva::MontarConsulta(*t.estado)->toStdString(),
              std::string("Select TK.Cod_Mun, TA.X1, TK.X2") + kJuncoes + " Order By municipios.DESCRICAO");
    t.estado->ExpressaoCriterio = " [tabcri].[cri_X2] > 60 Or [tabcri].[cri_X2] < 0";
    EXPECT_EQ(quelva::MontarConsulta(*t.estado)->toStdString(),
              std::string("Select TK.Cod_Mun, TA.X1, TK.X2") + kJuncoes +
                  " and ( [tabcri].[cri_X2] > 60 Or [tabcri].[cri_X2] < 0) Order By municipios.DESCRICAO");
}

TEST(MontarConsulta, TheM1BlockAfterTheOrdinaryFields) {
    EstadoTeste t;
    t.localidades({5});
    t.selecionar({"M1_1012", "M1_1003"});
    auto s = quelva::MontarConsulta(*t.estado);
    ASSERT_TRUE(s);
    const std::string campos = s->toStdString().substr(0, s->indexOf(" From "));
    EXPECT_TRUE(campos.starts_with("Select TK.Cod_Mun, TM1.M1_Nome_1, TM1.M1_1003_1, TM1.M1_1012_1, TM1.M1_Nome_2, "
                                   "TM1.M1_1003_2, TM1.M1_1012_2, TM1.M1_Nome_3, TM1.M1_1003_3"))
        << campos;
    EXPECT_EQ(QString::fromStdString(campos).count(", TM1."), 27);
    EXPECT_TRUE(campos.ends_with(", TM1.M1_Nome_9, TM1.M1_1003_9, TM1.M1_1012_9")) << campos;
    EXPECT_EQ(t.estado->QtdM1, 3);
    EXPECT_TRUE(t.estado->MarcaM1[0] && t.estado->MarcaM1[3] && t.estado->MarcaM1[12]);
    EXPECT_FALSE(t.estado->MarcaM1[1]);

    // Entry 28 is recorded but has no column; it is never cleared by a later run.
    t.selecionar({"X1", "M1_1028"});
    s = quelva::MontarConsulta(*t.estado);
    EXPECT_TRUE(s->startsWith("Select TK.Cod_Mun, TA.X1, TM1.M1_Nome_1, TM1.M1_1003_1, TM1.M1_1012_1, TM1.M1_Nome_2"));
    EXPECT_FALSE(s->contains("28"));
    EXPECT_TRUE(t.estado->MarcaM1[28]);
    EXPECT_EQ(t.estado->QtdM1, 3);
    for (auto& v : t.estado->VetorVariavel) v.Selecionada = jet::Value::boolean(v.CodVariavel.toText() == "X1");
    s = quelva::MontarConsulta(*t.estado);
    EXPECT_TRUE(s->startsWith("Select TK.Cod_Mun, TA.X1 From"));
    EXPECT_EQ(t.estado->QtdM1, 0);
    EXPECT_FALSE(t.estado->MarcaM1[0]);
    EXPECT_TRUE(t.estado->MarcaM1[28]);
}

TEST(MontarConsulta, AStatementOfTwentyThousandCharactersAndNotOneMore) {
    EstadoTeste t;
    t.localidades({5});
    t.selecionar({"X1"});
    t.estado->ExpressaoCriterio = "1=1";
    const qsizetype base = quelva::MontarConsulta(*t.estado)->size();
    t.estado->ExpressaoCriterio = "1=1" + QString(20000 - base, u' ');
    auto s = quelva::MontarConsulta(*t.estado);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->size(), 20000);
    t.estado->ExpressaoCriterio += " ";
    EXPECT_FALSE(quelva::MontarConsulta(*t.estado));
}

TEST(MontarConsulta, ASubVariableNumberPastTheMarksFails) {
    EstadoTeste t;
    t.localidades({5});
    t.estado->VetorVariavel[0].CodVariavel = jet::Value::text("M1_1029");
    t.estado->VetorVariavel[0].Selecionada = jet::Value::boolean(true);
    EXPECT_FALSE(quelva::MontarConsulta(*t.estado));
    EXPECT_EQ(quelva::subVariableNumber("M1_10AB"), 0);
    EXPECT_EQ(quelva::subVariableNumber("M1_NOME"), 0);
    EXPECT_EQ(quelva::subVariableNumber("M1_1007"), 7);
    EXPECT_FALSE(quelva::belongsToM1("m1_1007"));
}

TEST(OpenResult, RowsInNameOrderOnlyForLocalitiesInEveryTable) {
    EstadoTeste t;
    t.localidades({5, 12, 20, 30});
    t.selecionar({"X2"});
    quelva::AbrirTabelasCD(t.estado->tabelasCD, t.estado->banco);
    ASSERT_TRUE(quelva::openResult(*t.estado, *quelva::MontarConsulta(*t.estado)));
    jet::Recordset& rs = t.estado->RsResultado;
    ASSERT_EQ(rs.recordCount(), 3);  // Delta has no row in TD
    EXPECT_TRUE(rs.eof() == false && rs.absolutePosition() == 2);  // left on the last record
    std::string ordem;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) ordem += rs.field("Cod_Mun").toText() + " " + rs.field("X2").toText() + ";";
    EXPECT_EQ(ordem, "12 120;5 50;20 200;");

    t.estado->ExpressaoCriterio = "[tabcri].[cri_X2] > 100";
    ASSERT_TRUE(quelva::openResult(*t.estado, *quelva::MontarConsulta(*t.estado)));
    EXPECT_EQ(t.estado->RsResultado.recordCount(), 2);
}

TEST(OpenResult, ARefusedStatementKeepsThePreviousResultAndTellsTheErrorStream) {
    EstadoTeste t;
    t.localidades({5});
    t.selecionar({"X2"});
    quelva::AbrirTabelasCD(t.estado->tabelasCD, t.estado->banco);
    ASSERT_TRUE(quelva::openResult(*t.estado, *quelva::MontarConsulta(*t.estado)));
    jet::Recordset anterior = t.estado->RsResultado;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(quelva::openResult(*t.estado, "Select TK.Cod_Mun, TK.NaoExiste From TK"));
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_NE(erro.find("NaoExiste"), std::string::npos) << erro;
    EXPECT_EQ(t.estado->RsResultado.recordCount(), 1);
    EXPECT_EQ(t.estado->RsResultado.fieldName(1), "X2");
}

}  // namespace

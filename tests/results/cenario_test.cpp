// "Ver resultado" as a user gets there: variables ticked in their panel, localities and a criterion chosen,
// then the menu; every cell of the first layout checked against the same statement run on the engine.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include "arvore_temas.h"
#include "consulta.h"
#include "grade.h"
#include "janela_teste.h"
#include "painel_resultado.h"
#include "painel_variaveis.h"

namespace {

using testing_support::JanelaTeste;

TEST(CenarioResultado, TickedVariablesLocalitiesAndACriterionBecomeTheFirstLayout) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->show();
    t.janela->MnuVariaveis->trigger();
    quelva::PainelVariaveis* v = t.janela->painelVariaveis;
    ASSERT_TRUE(testing_support::clicarNo(v->FraVar_TrwTemas, "ST1"));
    for (int i : {0, 1, 3}) {
        v->FraVar_LstNomeVariavel->setCurrentRow(i);
        QTest::keyClick(v->FraVar_LstNomeVariavel, Qt::Key_Space);
    }
    // The Localities and Criteria panels are built elsewhere; their tables are set as those panels write them.
    for (int c : {1, 5, 26, 44, 61, 98}) t.estado->VetorLocalidade[static_cast<std::size_t>(c)] = true;
    t.estado->ExpressaoCriterio = " [tabcri].[cri_K002] >= 0";

    t.janela->MnuVerResultado->trigger();
    ASSERT_TRUE(t.dialogos.mensagens().empty()) << t.dialogos.mensagens()[0].texto.toStdString();
    ASSERT_EQ(t.painelVisivel(), "FraRes");

    // The same statement, run on a connection of its own.
    const QString instrucao = *quelva::MontarConsulta(*t.estado);
    EXPECT_TRUE(instrucao.startsWith("Select TK.Cod_Mun, TK.K001, TK.K002, TJ.J001 From")) << instrucao.toStdString();
    jet::Recordset rs = t.estado->banco.abrir().openRecordset(instrucao.toStdString());
    const quelva::Grade& g = t.janela->painelResultado->grade(0);
    ASSERT_GT(rs.recordCount(), 0);
    ASSERT_EQ(g.linhas(), rs.recordCount() + 1);
    ASSERT_EQ(g.colunas(), rs.fieldCount());
    int p = 1;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++p) {
        EXPECT_EQ(g.texto(p, 0), t.estado->VetorNomeLocalidade[static_cast<std::size_t>(rs.field(0).toInteger())]);
        EXPECT_NE(rs.field(0).toInteger(), 44);  // missing from one of the joined tables
        for (int i = 1; i < rs.fieldCount(); ++i)
            EXPECT_EQ(g.texto(p, i), QString::fromStdString(rs.field(i).toText()).trimmed()) << p << "," << i;
    }
    EXPECT_EQ(g.texto(0, 3), t.janela->painelVariaveis->FraVar_LstNomeVariavel->item(3)->text());
}

}  // namespace

// "Ver resultado" as a user gets there: variables ticked in their panel, localities ticked in theirs, a
// criterion added, then the menu; every cell of the first layout checked against the same statement run on
// the engine.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "arvore_temas.h"
#include "cell_number.h"
#include "consulta.h"
#include "file_types.h"
#include "grade.h"
#include "janela_teste.h"
#include "locality_entry.h"
#include "painel_criterios.h"
#include "painel_localidades.h"
#include "painel_resultado.h"
#include "painel_variaveis.h"
#include "tabbed_frame.h"
#include "xls_reading.h"

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
    t.janela->MnuLocalidades->trigger();
    QListWidget* lista = t.janela->painelLocalidades->FraLoc_LstMunSelec;
    for (int codigo : {1, 5, 26, 61, 98, 304}) {
        int linha = -1;
        for (int i = 0; i < lista->count(); ++i)
            if (quelva::codeOfLocalityEntry(quelva::entryOfLocalityItem(lista->item(i))) == codigo) linha = i;
        ASSERT_GE(linha, 0) << codigo;
        lista->setCurrentRow(linha);
        QTest::keyClick(lista, Qt::Key_Space);
    }
    t.janela->MnuCriterios->trigger();
    quelva::PainelCriterios* c = t.janela->painelCriterios;
    for (int i = 0; i < c->FraCri_DbCmbVar->count(); ++i)
        if (c->FraCri_DbCmbVar->itemData(i).toString().left(20).trimmed() == "K002") c->FraCri_DbCmbVar->setCurrentIndex(i);
    c->FraCri_CmbOperador->setCurrentIndex(c->FraCri_CmbOperador->findText(">="));
    QTest::keyClicks(c->FraCri_TxtValor, "0");
    QTest::mouseClick(c->FraCri_CmdAdicionaCri, Qt::LeftButton);
    ASSERT_TRUE(t.estado->ExpressaoCriterio.contains("cri_K002")) << t.estado->ExpressaoCriterio.toStdString();

    t.janela->MnuVerResultado->trigger();
    ASSERT_TRUE(t.dialogos.mensagens().empty()) << t.dialogos.mensagens()[0].texto.toStdString();
    ASSERT_EQ(t.painelVisivel(), "FraRes");

    // The same statement, run on a connection of its own.
    const QString instrucao = *quelva::MontarConsulta(*t.estado);
    EXPECT_TRUE(instrucao.startsWith("Select TK.Cod_Mun, TK.K001, TK.K002, TJ.J001 From")) << instrucao.toStdString();
    EXPECT_TRUE(instrucao.contains("(TK.Cod_Mun=1 or TK.Cod_Mun=5 or TK.Cod_Mun=26 or TK.Cod_Mun=61 or TK.Cod_Mun=98 or "
                                   "TK.Cod_Mun=304)"));
    EXPECT_TRUE(instrucao.contains(" and (" + t.estado->ExpressaoCriterio + ") Order By"));
    jet::Recordset rs = t.estado->banco.abrir().openRecordset(instrucao.toStdString());
    const quelva::Grade& g = t.janela->painelResultado->grade(0);
    ASSERT_GT(rs.recordCount(), 0);
    ASSERT_EQ(g.linhas(), rs.recordCount() + 1);
    ASSERT_EQ(g.colunas(), rs.fieldCount());
    int p = 1;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++p) {
        EXPECT_EQ(g.texto(p, 0), t.estado->VetorNomeLocalidade[static_cast<std::size_t>(rs.field(0).toInteger())]);
        EXPECT_NE(rs.field(0).toInteger(), 304);  // it has no row in TJ
        for (int i = 1; i < rs.fieldCount(); ++i)
            EXPECT_EQ(g.texto(p, i), QString::fromStdString(rs.field(i).toText()).trimmed()) << p << "," << i;
    }
    EXPECT_EQ(g.texto(0, 3), t.janela->painelVariaveis->FraVar_LstNomeVariavel->item(3)->text());

    // "Salvar em Excel": the layout on screen in a workbook, read back by an independent reader.
    const std::string arquivo = t.pasta.file("resultado.xls");
    t.dialogos.escolherArquivo(QString::fromStdString(arquivo));
    QTest::mouseClick(t.janela->painelResultado->FraRes_CmdSalvar, Qt::LeftButton);
    ASSERT_TRUE(t.dialogos.mensagens().empty()) << t.dialogos.mensagens()[0].texto.toStdString();
    const xls_testing::ReadFile lido = xls_testing::readWithXlrd(arquivo);
    ASSERT_EQ(lido.fault, "");
    ASSERT_FALSE(lido.sheets.empty());
    EXPECT_EQ(lido.sheets[0].name, "Resultado - Formato 1");
    const xls_testing::Cells& celulas = lido.sheets[0].cells;
    int numeros = 0;
    for (int l = 0; l < g.linhas(); ++l) {
        for (int c = 0; c < g.colunas(); ++c) {
            const QString& texto = g.texto(l, c);
            const auto it = celulas.find({3 + l, c});
            if (texto.isEmpty()) {
                EXPECT_TRUE(it == celulas.end()) << l << "," << c;
                continue;
            }
            ASSERT_TRUE(it != celulas.end()) << l << "," << c;
            if (const auto n = quelva::numberFromCellText(texto)) {
                EXPECT_EQ(it->second, xls_testing::ReadCell::ofNumber(*n)) << l << "," << c;
                ++numeros;
            } else {
                EXPECT_EQ(it->second, xls_testing::ReadCell::ofText(texto.toStdU16String())) << l << "," << c;
            }
        }
    }
    EXPECT_GT(numeros, 0);
    EXPECT_FALSE(t.encerrouCom.has_value());
}

// What a reader must find for a grid cell: its number, or its text.
xls_testing::ReadCell lidaDe(const QString& texto) {
    if (const auto n = quelva::numberFromCellText(texto)) return xls_testing::ReadCell::ofNumber(*n);
    return xls_testing::ReadCell::ofText(texto.toStdU16String());
}

TEST(CenarioResultado, TheFormato2OfEveryMunicipalityIsSavedAsXlsx) {
    // The full sample, read where the build put it: the export only reads it.
    testing_support::TempDir pasta;
    testing_support::DialogosRoteiro dialogos;
    quelva::Estado estado{QStringLiteral(QUELVA_BIN)};
    quelva::FrmQuelva janela{estado, dialogos, [](int) {}};
    janela.Form_Load();
    janela.Form_Activate();
    janela.show();
    int variaveis = 0;
    for (auto& v : estado.VetorVariavel)
        if (variaveis < 6 && !v.CodVariavel.isNull() && v.CodVariavel.toText().rfind("M1_", 0) != 0) {
            v.Selecionada = jet::Value::boolean(true);
            ++variaveis;
        }
    janela.MnuLocalidades->trigger();
    QTest::mouseClick(janela.painelLocalidades->FraLoc_cmdmarcartodas, Qt::LeftButton);
    janela.MnuVerResultado->trigger();
    ASSERT_TRUE(dialogos.mensagens().empty()) << dialogos.mensagens()[0].texto.toStdString();
    quelva::PainelResultado* p = janela.painelResultado;
    p->FraRes_SSTab1->setTab(1);
    const quelva::Grade& g = p->grade(1);
    ASSERT_GT(g.colunas(), 255);  // past what an .xls holds

    dialogos.escolherArquivo(QString::fromStdString(pasta.file("estado")));
    QTest::mouseClick(p->FraRes_CmdSalvar, Qt::LeftButton);
    ASSERT_TRUE(dialogos.mensagens().empty()) << dialogos.mensagens()[0].texto.toStdString();
    EXPECT_EQ(dialogos.salvamentos().at(0).filtroSelecionado, quelva::filterOf(quelva::FileType::Xlsx));
    const xls_testing::ReadFile lido = xls_testing::readBack(pasta.file("estado.xlsx"));
    ASSERT_EQ(lido.fault, "");
    const xls_testing::ReadSheet& s = lido.sheets.at(0);
    EXPECT_EQ(s.name, "Resultado - Formato 2");
    EXPECT_EQ(s.frozen, "B5");
    const int R = g.linhas(), C = g.colunas();
    EXPECT_EQ(s.cells.at({3, 0}), lidaDe(g.texto(0, 0)));
    EXPECT_EQ(s.cells.at({3 + R / 2, C / 2}), lidaDe(g.texto(R / 2, C / 2)));
    EXPECT_EQ(s.cells.at({3 + R - 1, C - 1}), lidaDe(g.texto(R - 1, C - 1)));
    EXPECT_EQ(s.cells.at({3, C - 1}), lidaDe(g.texto(0, C - 1)));
}

}  // namespace

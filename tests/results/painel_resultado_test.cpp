// The result panel in the window, through its widgets: the run from the menu, its messages, the tabs, the
// legend, the layout of its controls and copying from a grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "consulta.h"
#include "frozen_headers.h"
#include "grade.h"
#include "janela_teste.h"
#include "painel_resultado.h"
#include "tabbed_frame.h"
#include "twips.h"

namespace {

using testing_support::JanelaTeste;

class PainelResultadoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.iniciar());
        t.janela->show();
        p = t.janela->painelResultado;
    }
    // Localities 1 and 5 (in every table) and two variables of TK.
    void selecionarAlgo() {
        t.estado->VetorLocalidade[1] = t.estado->VetorLocalidade[5] = true;
        for (auto& v : t.estado->VetorVariavel) {
            const std::string c = v.CodVariavel.toText();
            if (c == "K001" || c == "K002") v.Selecionada = jet::Value::boolean(true);
        }
    }
    // "Ver resultado" as the user chooses it, from another panel.
    void verResultado() {
        t.janela->MnuVariaveis->trigger();
        t.janela->MnuVerResultado->trigger();
    }
    bool visivel(QWidget* w) const { return w->isVisibleTo(t.janela.get()); }
    QString gruposVisiveis() const {
        QString s;
        for (int i = 0; i < 3; ++i)
            s += QString::number(visivel(p->FraRes_LblTituloGrid[i])) + QString::number(visivel(p->FraRes_LblSubTituloGrid[i])) +
                 QString::number(visivel(p->FraRes_MSFlexGrid[i])) + " ";
        return s.trimmed();
    }
    JanelaTeste t;
    quelva::PainelResultado* p = nullptr;
};

TEST_F(PainelResultadoTest, ARunShowsThePanelOnItsFirstTabAndEachTabItsOwnGroup) {
    selecionarAlgo();
    verResultado();
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_EQ(t.painelVisivel(), "FraRes");
    EXPECT_FALSE(visivel(t.janela->FraRes_Mensagem));
    EXPECT_EQ(p->FraRes_SSTab1->Tab(), 0);
    EXPECT_EQ(gruposVisiveis(), "111 000 000");
    EXPECT_EQ(p->grade(0).linhas(), 3);
    EXPECT_EQ(p->grade(0).texto(0, 0), "Município");
    EXPECT_EQ(p->grade(1).texto(0, 0), "Variáveis");
    EXPECT_TRUE(p->grade(2).texto(0, 0).startsWith("Município: "));
    EXPECT_EQ(p->FraRes_LblTituloGrid[2]->text(), "Lumbra 1999");
    EXPECT_EQ(p->FraRes_LblSubTituloGrid[2]->text(), "Tarsenal");

    QTabBar* abas = p->FraRes_SSTab1->tabBar();
    ASSERT_EQ(abas->count(), 3);
    EXPECT_EQ(abas->tabText(0), "Resultado - Formato 1");
    EXPECT_EQ(abas->tabText(1), "Resultado - Formato 2");
    EXPECT_EQ(abas->tabText(2), "Resultado - Formato 3");
    QTest::mouseClick(abas, Qt::LeftButton, {}, abas->tabRect(2).center());
    EXPECT_EQ(gruposVisiveis(), "000 000 111");
    QTest::mouseClick(abas, Qt::LeftButton, {}, abas->tabRect(1).center());
    EXPECT_EQ(gruposVisiveis(), "000 111 000");

    // The menu item does nothing while the panel is shown; a new run starts again on the first tab.
    t.janela->MnuVerResultado->trigger();
    EXPECT_EQ(p->FraRes_SSTab1->Tab(), 1);
    verResultado();
    EXPECT_EQ(p->FraRes_SSTab1->Tab(), 0);
    EXPECT_EQ(gruposVisiveis(), "111 000 000");
}

TEST_F(PainelResultadoTest, ButtonsAndTheHiddenPrintButton) {
    EXPECT_EQ(p->FraRes_CmdSalvar->text(), "Salvar em Excel");
    EXPECT_EQ(p->FraRes_CmdConvencoes->text(), "Convenções");
    EXPECT_EQ(p->FraRes_CmdImprimir->text(), "Imprimir");
    EXPECT_FALSE(visivel(p->FraRes_CmdImprimir));
    selecionarAlgo();
    verResultado();
    EXPECT_FALSE(visivel(p->FraRes_CmdImprimir));
    // The button runs whatever the window gave it: the export, or here a stand-in.
    int salvou = 0;
    p->onSave([&] { ++salvou; });
    QTest::mouseClick(p->FraRes_CmdSalvar, Qt::LeftButton);
    EXPECT_EQ(salvou, 1);
    EXPECT_FALSE(t.encerrouCom);
}

TEST_F(PainelResultadoTest, TheLegendOpensClosesAndIsClosedByAnInformationWindow) {
    EXPECT_EQ(p->conventions(), "NR   -  Município não respondeu\r\nSB   -  Saneamento básico do município operado pela SABESP\r\n"
                                "...  -  Dado não disponível\r\n -   -  Fenômeno inexistente");
    EXPECT_EQ(p->FraRes_TxtConvencoes->toPlainText().split('\n').size(), 4);
    // The system's fixed-pitch font, whichever family that is on this machine.
    EXPECT_EQ(p->FraRes_TxtConvencoes->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(p->FraRes_TxtConvencoes->font().pointSize(), 8);
    EXPECT_EQ(p->FraRes_FraConvencoes->title(), "Convenções");
    EXPECT_EQ(p->FraRes_CmdFechar->text(), "&Fechar");
    selecionarAlgo();
    verResultado();
    EXPECT_FALSE(visivel(p->FraRes_FraConvencoes));
    QTest::mouseClick(p->FraRes_CmdConvencoes, Qt::LeftButton);
    EXPECT_TRUE(visivel(p->FraRes_FraConvencoes));
    QTest::mouseClick(p->FraRes_CmdFechar, Qt::LeftButton);
    EXPECT_FALSE(visivel(p->FraRes_FraConvencoes));
    QTest::mouseClick(p->FraRes_CmdConvencoes, Qt::LeftButton);
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    t.janela->MnuSobre->trigger();
    EXPECT_FALSE(visivel(p->FraRes_FraConvencoes));
    EXPECT_EQ(p->FraRes_TxtConvencoes->toPlainText().split('\n').size(), 4);
}

TEST_F(PainelResultadoTest, ValidationMessagesShowNothing) {
    verResultado();
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(t.dialogos.mensagens()[0].texto, "Selecionar no mínimo uma Localidade e uma Variável");
    EXPECT_EQ(t.painelVisivel(), "FraVar");
    EXPECT_FALSE(visivel(t.janela->FraRes_Mensagem));
}

TEST_F(PainelResultadoTest, ARefusedOrTooLargeStatementKeepsThePreviousResult) {
    selecionarAlgo();
    verResultado();
    const QString antes = p->grade(0).texto(1, 1);
    const int colunas = p->grade(0).colunas();
    const int linhasAntes = t.estado->RsResultado.recordCount();
    const QString aviso = "Seleção muito grande !!\r\n\r\nFaça consultas menores.";

    t.estado->ExpressaoCriterio = "[tabcri].[naoexiste] > 1";
    testing::internal::CaptureStderr();
    verResultado();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("naoexiste"), std::string::npos);
    t.estado->ExpressaoCriterio = QString(20000, u'1');
    verResultado();
    ASSERT_EQ(t.dialogos.mensagens().size(), 2u);
    for (const auto& m : t.dialogos.mensagens()) {
        EXPECT_EQ(m.texto, aviso);
        EXPECT_EQ(m.icone, quelva::Dialogos::Icone::Critico);
        EXPECT_EQ(m.titulo, "");
    }
    EXPECT_EQ(t.painelVisivel(), "FraVar");
    EXPECT_FALSE(visivel(t.janela->FraRes_Mensagem));
    EXPECT_EQ(p->grade(0).texto(1, 1), antes);
    EXPECT_EQ(p->grade(0).colunas(), colunas);
    EXPECT_EQ(t.estado->RsResultado.recordCount(), linhasAntes);
    EXPECT_FALSE(t.estado->tabelasCD.DbCatalogo.isOpen());
    EXPECT_FALSE(t.encerrouCom);
}

TEST_F(PainelResultadoTest, NoRowsSaysSoAndKeepsTheGridsButNotTheNotes) {
    selecionarAlgo();
    verResultado();
    const QString antes = p->grade(2).texto(0, 0);
    for (auto& v : t.estado->VetorVariavel) v.Selecionada = jet::Value::boolean(v.CodVariavel.toText() == "K003");
    t.estado->ExpressaoCriterio = "1 = 0";
    verResultado();
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(t.dialogos.mensagens()[0].texto, "Nenhum dado recuperado/satisfaz o(s) critério(s).");
    EXPECT_EQ(t.dialogos.mensagens()[0].icone, quelva::Dialogos::Icone::Critico);
    EXPECT_EQ(t.painelVisivel(), "FraVar");
    EXPECT_FALSE(t.estado->HaResultado);
    EXPECT_EQ(p->grade(2).texto(0, 0), antes);
    EXPECT_TRUE(p->notesText().startsWith("Variável: " + QString::fromStdString(t.estado->VetorVariavel[2].NomeVariavel.toText())))
        << p->notesText().toStdString();
    EXPECT_EQ(p->FraRes_TxtNotas->toPlainText(), QString(p->notesText()).replace("\r\n", "\n"));
}

TEST_F(PainelResultadoTest, TheLayoutPlacesEveryControlOfThePanel) {
    const double dpi = t.janela->logicalDpiX();
    auto px = [&](int twips) { return quelva::twipsParaPixels(twips, dpi); };
    const quelva::Geometria& g = t.janela->controles.at("FraRes_MSFlexGrid3");
    EXPECT_EQ(p->FraRes_MSFlexGrid[2]->geometry(), QRect(px(g.Left), px(g.Top), px(g.Width), px(g.Height)));
    const quelva::Geometria& n = t.janela->controles.at("FraRes_TxtNotas");
    EXPECT_EQ(p->FraRes_TxtNotas->geometry(), QRect(px(n.Left), px(n.Top), px(n.Width), px(n.Height)));
    // The message frame, a control of the window, is placed now that the result panel is built.
    const quelva::Geometria& m = t.janela->controles.at("FraRes_Mensagem");
    EXPECT_EQ(t.janela->FraRes_Mensagem->geometry(), QRect(px(m.Left), px(m.Top), px(m.Width), px(m.Height)));
    const quelva::Geometria& f = t.janela->controles.at("FraRes_CmdFechar");
    EXPECT_EQ(p->FraRes_CmdFechar->geometry(), QRect(px(f.Left), px(f.Top), px(f.Width), px(f.Height)));
    // Formato 3 shares out the grid's own width.
    selecionarAlgo();
    verResultado();
    const int largura = quelva::pixelsParaTwips(p->FraRes_MSFlexGrid[2]->width(), dpi);
    EXPECT_EQ(p->grade(2).larguraColuna(0) + p->grade(2).larguraColuna(1) + 400, largura);

    delete p->FraRes_TxtNotas;
    EXPECT_THROW(t.janela->Form_Activate(), std::logic_error);
}

TEST_F(PainelResultadoTest, CtrlCCopiesTheSelectedCellsAsTabSeparatedText) {
    selecionarAlgo();
    verResultado();
    quelva::VisaoGrade* v = p->FraRes_MSFlexGrid[0];
    const quelva::Grade& g = p->grade(0);
    v->selectionModel()->select(QItemSelection(g.index(0, 0), g.index(1, 1)), QItemSelectionModel::Select);
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Município\t" + g.texto(0, 1) + "\n" + g.texto(1, 0) + "\t" + g.texto(1, 1) + "\n");
}

TEST_F(PainelResultadoTest, FormatoOneAndTwoKeepTheirTitleRowAndNameColumnInView) {
    selecionarAlgo();
    verResultado();
    for (int i = 0; i < 2; ++i) {
        p->FraRes_SSTab1->setTab(i);
        QApplication::processEvents();
        const quelva::VisaoGrade* v = p->FraRes_MSFlexGrid[i];
        EXPECT_EQ(v->frozenRows(), 1);
        EXPECT_EQ(v->frozenColumns(), 1);
        ASSERT_NE(v->frozenHeaders(), nullptr);
        const QModelIndex canto = v->frozenHeaders()->cornerView()->indexAt(QPoint(1, 1));
        EXPECT_EQ(canto.data().toString(), i == 0 ? "Município" : "Variáveis");
        EXPECT_EQ(v->frozenHeaders()->rowView()->height(), v->rowHeight(0));
    }
    // Formato 3 repeats its titles on every row: nothing frozen.
    EXPECT_EQ(p->FraRes_MSFlexGrid[2]->frozenHeaders(), nullptr);
}

}  // namespace

// The main window through its real widgets: menu, panels, start-up, activation and end.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "grade.h"
#include "error.h"
#include "estado.h"
#include "janela_teste.h"
#include "painel_resultado.h"

namespace {

using testing_support::JanelaTeste;
using quelva::Dialogos;

// The letter after "&" in a caption, in lower case; none when the caption has no access key.
QChar accessKey(const QString& caption) {
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
}

TEST(FrmQuelva, EveryMenuItemHasAnAccessKeyAndIsAlwaysEnabled) {
    JanelaTeste t;
    QMenu* info = t.janela->MnuInformacoes->menu();
    ASSERT_NE(info, nullptr);
    for (const QList<QAction*>& items : {t.janela->menuBar()->actions(), info->actions()}) {
        for (QAction* a : items) {
            if (a->isSeparator()) continue;
            EXPECT_FALSE(accessKey(a->text()).isNull()) << a->text().toStdString();
            EXPECT_TRUE(a->isEnabled());
            EXPECT_FALSE(a->isCheckable());
        }
    }
    // Within "&Informações" a key leads to one item at once.
    QSet<QChar> keys;
    for (QAction* a : info->actions())
        if (!a->isSeparator()) keys.insert(accessKey(a->text()));
    EXPECT_EQ(keys.size(), 3);
    EXPECT_EQ(t.janela->menuBar()->actions().size(), 9);
    EXPECT_EQ(info->actions().size(), 4);  // with the separator
}

TEST(FrmQuelva, TheBarLeadsThroughThePanelsInItsOrder) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    const QList<QAction*> bar = t.janela->menuBar()->actions();
    ASSERT_EQ(bar.size(), 9);
    const char* const expected[] = {"FraVar", "FraPal", "FraLoc", "FraCri", "FraSel"};
    for (int i = 0; i < 5; ++i) {
        bar[i + 1]->trigger();
        EXPECT_EQ(t.painelVisivel(), expected[i]) << i + 1;
    }
    EXPECT_EQ(bar[7], t.janela->MnuInformacoes);
    bar[8]->trigger();
    EXPECT_EQ(t.encerrouCom, 0);
}

TEST(FrmQuelva, TheMessageFrameIsYellowOnGrey) {
    JanelaTeste t;
    EXPECT_FALSE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
    EXPECT_EQ(t.janela->FraRes_Mensagem->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(t.janela->FraRes_Mensagem->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(t.janela->FraRes_LblMensagem->font().bold());
    EXPECT_EQ(t.janela->FraRes_LblMensagem->font().pointSize(), 12);
    EXPECT_EQ(t.janela->FraRes_LblMensagem->alignment(), Qt::AlignCenter);
    EXPECT_EQ(t.janela->LinMenu->palette().color(QPalette::Window), QColor(224, 224, 224));
}

TEST(FrmQuelva, StartUpShowsTheLogoAndFillsNamesAndTitles) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    EXPECT_EQ(t.painelVisivel(), "FraLog");
    EXPECT_FALSE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
    EXPECT_TRUE(t.estado->VetorVariavel[0].CodVariavel.toText() == "K001");
    EXPECT_EQ(t.estado->TituloResultado, "Lumbra 1999");
    EXPECT_EQ(t.estado->SubTituloResultado, "Tarsenal");
    EXPECT_EQ(t.estado->NoDestacadoVar, -1);
    EXPECT_EQ(t.estado->NoDestacadoPal, -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.janela->painelResultado->FraRes_LblTituloGrid[i]->text(), "Lumbra 1999");
        EXPECT_EQ(t.janela->painelResultado->FraRes_LblSubTituloGrid[i]->text(), "Tarsenal");
        EXPECT_FALSE(t.janela->painelResultado->FraRes_MSFlexGrid[i]->isVisibleTo(t.janela.get()));
    }
    // CD_AREA's row of code 0 replaces the state total's name, since the rows are copied after it is set.
    EXPECT_EQ(t.estado->VetorNomeLocalidade[0], "Total do Estado");
    EXPECT_EQ(t.estado->VetorNomeLocalidade[681], "RA de Potipecatu-Mirim");
    EXPECT_EQ(t.estado->VetorNomeLocalidade[850], "");
    EXPECT_TRUE(t.estado->RsBuscaMunicipio.isOpen());
    EXPECT_EQ(t.estado->RsArea.absolutePosition(), 0);  // moved back to its first row
    EXPECT_TRUE(t.estado->ExpressaoCriterio.isEmpty());
    EXPECT_FALSE(t.encerrouCom.has_value());
    EXPECT_TRUE(t.dialogos.mensagens().empty());
}

TEST(FrmQuelva, StateTotalKeepsItsNameWithoutARowOfCodeZero) {
    JanelaTeste t;
    testing_support::makeDatabase(t.pasta.file("Quelva.mdb"), "DELETE FROM CD_AREA WHERE COD_AREA_NORVA = 0");
    ASSERT_TRUE(t.iniciar());
    EXPECT_EQ(t.estado->VetorNomeLocalidade[0], "Totais para o Estado de São Paulo");
}

TEST(FrmQuelva, MostrarPainelByKeyword) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    const std::pair<const char*, const char*> cases[] = {
        {"VARIAVEIS", "FraVar"}, {"LOCALIDADES", "FraLoc"}, {"CRITERIOS", "FraCri"}, {"PALAVRASCHAVE", "FraPal"},
        {"VERSELECOES", "FraSel"}, {"VERRESULTADO", "FraRes"}};
    for (const auto& [keyword, panel] : cases) {
        t.janela->MostrarPainel(keyword);
        EXPECT_EQ(t.painelVisivel(), panel) << keyword;
    }
    t.janela->MostrarPainel("");
    EXPECT_EQ(t.painelVisivel(), "");
    t.janela->MostrarPainel("VARIAVEIS");
    t.janela->MostrarPainel("variaveis");  // keywords compare exactly
    EXPECT_EQ(t.painelVisivel(), "");
    t.janela->MostrarPainel("LOGO");
    EXPECT_EQ(t.painelVisivel(), "");
}

TEST(FrmQuelva, MenuItemsLeadToTheirPanelsAndDoNothingWhenAlreadyThere) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MnuCriterios->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraCri");
    t.janela->MnuCriterios->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraCri");
    t.janela->MnuVariaveis->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraVar");
    t.janela->MnuPalavrasChaves->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraPal");
    t.janela->MnuLocalidades->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraLoc");
    t.janela->MnuVerSelecoes->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraSel");
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(FrmQuelva, SairAndClosingTheWindowEndTheProgramAtOnce) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MnuSair->trigger();
    EXPECT_EQ(t.encerrouCom, 0);
    EXPECT_TRUE(t.dialogos.mensagens().empty());  // no question asked

    JanelaTeste u;
    ASSERT_TRUE(u.iniciar());
    u.janela->show();
    u.janela->close();
    EXPECT_EQ(u.encerrouCom, 0);
}

// A start-up that fails shows the error's own message under "Quelva" and ends the program with status 1.
void expectStartUpFailure(JanelaTeste& t, const std::string& fragment) {
    EXPECT_FALSE(t.iniciar());
    EXPECT_EQ(t.encerrouCom, 1);
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    const auto& m = t.dialogos.mensagens()[0];
    EXPECT_EQ(m.titulo, "Quelva");
    EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
    EXPECT_NE(m.texto.toStdString().find(fragment), std::string::npos) << m.texto.toStdString();
    EXPECT_FALSE(t.janela->isVisible());
}

TEST(FrmQuelva, StartUpFailuresEndTheProgramWithTheirMessage) {
    JanelaTeste noFile(false);
    expectStartUpFailure(noFile, noFile.pasta.file("Quelva.mdb"));

    JanelaTeste noTable;
    testing_support::makeDatabase(noTable.pasta.file("Quelva.mdb"), "DROP TABLE nomemun");
    expectStartUpFailure(noTable, "nomemun");

    JanelaTeste noColumn;
    testing_support::makeDatabase(noColumn.pasta.file("Quelva.mdb"), "ALTER TABLE CD_VAR DROP COLUMN NomeTabela");
    expectStartUpFailure(noColumn, "NomeTabela");

    JanelaTeste codeTooHigh;
    testing_support::makeDatabase(codeTooHigh.pasta.file("Quelva.mdb"),
                                  "INSERT INTO CD_AREA VALUES (851, 'Fora da faixa', 0, 0, 0)");
    expectStartUpFailure(codeTooHigh, "851");

    JanelaTeste damaged;
    testing_support::writeFile(damaged.pasta.file("Quelva.mdb"), "SQLite format 3" + std::string(200, 'x'));
    expectStartUpFailure(damaged, damaged.pasta.file("Quelva.mdb"));
}

TEST(FrmQuelva, TheMessageFrameShowsAboveThePanelAndHidesAgain) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MostrarPainel("VARIAVEIS");
    t.janela->showMessage(true);
    EXPECT_TRUE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
    EXPECT_EQ(t.painelVisivel(), "FraVar");  // not one of the panels MostrarPainel switches
    t.janela->showMessage(false);
    EXPECT_FALSE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
}

}  // namespace

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>

namespace {

// Chooses a menu item that opens a modal window; while it is open, notes its caption and the panels shown
// behind it, then closes it as the user would.
struct Modal {
    QString title = "(none)";
    QString panelsBehind;
};

Modal openAndClose(JanelaTeste& t, QAction* item) {
    Modal m;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            m.title = w->windowTitle();
            m.panelsBehind = t.painelVisivel();
            w->close();
        }
    });
    item->trigger();
    return m;
}

TEST(FrmQuelva, InformationWindowsOpenModallyAndReturnToTheLogo) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->show();
    t.janela->MnuVariaveis->trigger();
    Modal m = openAndClose(t, t.janela->MnuFichaTecnica);
    EXPECT_EQ(m.title, "Ficha Técnica");
    EXPECT_EQ(m.panelsBehind, "");             // every panel hidden while it is open
    EXPECT_EQ(t.painelVisivel(), "FraLog");   // back to the logo, not to the variables panel
    EXPECT_EQ(openAndClose(t, t.janela->MnuFichaInstitucional).title, "Ficha Institucional");
    EXPECT_EQ(openAndClose(t, t.janela->MnuApresentacao).title, "Apresentação");
    EXPECT_EQ(openAndClose(t, t.janela->MnuSobre).title, "Sobre Brenvala");
    EXPECT_EQ(t.painelVisivel(), "FraLog");
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(FrmQuelva, AMissingRecordFileIsSaidAndTheLogoComesBack) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->show();
    std::filesystem::remove(t.pasta.file("fichains.txt"));
    t.janela->MnuCriterios->trigger();
    Modal m = openAndClose(t, t.janela->MnuFichaInstitucional);
    EXPECT_EQ(m.title, "(none)");
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(t.dialogos.mensagens()[0].texto.contains(QString::fromStdString(t.pasta.file("fichains.txt"))));
    EXPECT_EQ(t.painelVisivel(), "FraLog");
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(FrmQuelva, ActivationAfterAWindowKeepsTheSelections) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.estado->VetorLocalidade[5] = true;
    t.estado->VetorVariavel[2].Selecionada = jet::Value::boolean(true);
    t.estado->ExpressaoCriterio = " [tabcri].[cri_K002]>1 ";
    openAndClose(t, t.janela->MnuSobre);
    EXPECT_TRUE(t.estado->VetorLocalidade[5]);
    EXPECT_TRUE(t.estado->VetorVariavel[2].selecionada());
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_K002]>1 ");  // cleared at the first activation only
}

TEST(FrmQuelva, TheLogoFillsItsPanel) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    EXPECT_EQ(t.janela->FraLog_ImgLogo->geometry().size(), t.janela->FraLog->size());
    EXPECT_EQ(t.janela->controles["FraLog"].Height, t.janela->medidas.AlturaTela - 500);
}

}  // namespace

namespace {

TEST(RunState, TheAreaRecordsetIsReplacedOnTheSessionConnection) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    quelva::reopenAreaRecordset(*t.estado, "select * from cd_Area where mun > 0 order by descricao");
    ASSERT_TRUE(t.estado->RsArea.isOpen());
    ASSERT_FALSE(t.estado->RsArea.eof());
    EXPECT_GT(t.estado->RsArea.field("mun").toInteger(), 0);
    EXPECT_THROW(quelva::reopenAreaRecordset(*t.estado, "select * from TabelaQueNaoExiste"), jet::Error);
}

TEST(RunState, LocalityNamesAreReadAgainFromTheAreaRecordset) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.estado->VetorNomeLocalidade[681].clear();
    quelva::fillLocalityNames(*t.estado);
    EXPECT_EQ(t.estado->VetorNomeLocalidade[681], "RA de Potipecatu-Mirim");
    EXPECT_EQ(t.estado->RsArea.absolutePosition(), 0);
}

}  // namespace

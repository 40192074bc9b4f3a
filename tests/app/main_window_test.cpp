// The main window through its real widgets: menu, panels, start-up, activation and end.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "grid.h"
#include "error.h"
#include "run_state.h"
#include "test_window.h"
#include "result_panel.h"

namespace {

using testing_support::TestWindow;
using quelva::Dialogs;

// The letter after "&" in a caption, in lower case; none when the caption has no access key.
QChar accessKey(const QString& caption) {
    const qsizetype at = caption.indexOf(u'&');
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toLower() : QChar();
}

TEST(FrmQuelva, EveryMenuItemHasAnAccessKeyAndIsAlwaysEnabled) {
    TestWindow t;
    QMenu* info = t.window->MnuInformacoes->menu();
    ASSERT_NE(info, nullptr);
    for (const QList<QAction*>& items : {t.window->menuBar()->actions(), info->actions()}) {
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
    EXPECT_EQ(t.window->menuBar()->actions().size(), 10);
    EXPECT_EQ(info->actions().size(), 4);  // with the separator
    // "Seleção" just before "&Informações", with a key of its own on the bar, and its two shortcuts unused elsewhere.
    const QList<QAction*> bar = t.window->menuBar()->actions();
    EXPECT_EQ(bar.indexOf(t.window->selectionMenu) + 1, bar.indexOf(t.window->MnuInformacoes));
    for (QAction* a : bar) {
        if (a == t.window->selectionMenu) continue;
        EXPECT_NE(accessKey(a->text()), accessKey(t.window->selectionMenu->text())) << a->text().toStdString();
    }
    EXPECT_EQ(t.window->selectionMenu->menu()->actions(), (QList<QAction*>{t.window->openSelectionAction, t.window->saveSelectionAction}));
    EXPECT_EQ(t.window->openSelectionAction->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(t.window->saveSelectionAction->shortcut(), QKeySequence("Ctrl+S"));
    for (QAction* a : t.window->findChildren<QAction*>()) {
        if (a == t.window->openSelectionAction || a == t.window->saveSelectionAction) continue;
        EXPECT_TRUE(a->shortcut().isEmpty()) << a->text().toStdString();
    }
}

TEST(FrmQuelva, TheBarLeadsThroughThePanelsInItsOrder) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    const QList<QAction*> bar = t.window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 10);
    const char* const expected[] = {"FraVar", "FraPal", "FraLoc", "FraCri", "FraSel"};
    for (int i = 0; i < 5; ++i) {
        bar[i + 1]->trigger();
        EXPECT_EQ(t.visiblePanel(), expected[i]) << i + 1;
    }
    EXPECT_EQ(bar[8], t.window->MnuInformacoes);
    bar[9]->trigger();
    EXPECT_EQ(t.endedWith, 0);
}

TEST(FrmQuelva, TheMessageFrameIsYellowOnGrey) {
    TestWindow t;
    EXPECT_FALSE(t.window->FraRes_Mensagem->isVisibleTo(t.window.get()));
    EXPECT_EQ(t.window->FraRes_Mensagem->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(t.window->FraRes_Mensagem->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(t.window->FraRes_LblMensagem->font().bold());
    EXPECT_EQ(t.window->FraRes_LblMensagem->font().pointSize(), 12);
    EXPECT_EQ(t.window->FraRes_LblMensagem->alignment(), Qt::AlignCenter);
    EXPECT_EQ(t.window->LinMenu->palette().color(QPalette::Window), QColor(224, 224, 224));
}

TEST(FrmQuelva, StartUpShowsTheLogoAndFillsNamesAndTitles) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.visiblePanel(), "FraLog");
    EXPECT_FALSE(t.window->FraRes_Mensagem->isVisibleTo(t.window.get()));
    EXPECT_TRUE(t.state->variables.VetorVariavel()[0].CodVariavel.toText() == "K001");
    EXPECT_EQ(t.state->session.TituloResultado(), "Lumbra 1999");
    EXPECT_EQ(t.state->session.SubTituloResultado(), "Tarsenal");
    EXPECT_EQ(t.state->NoDestacadoVar.index(), -1);
    EXPECT_EQ(t.state->NoDestacadoPal.index(), -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.window->resultPanel->FraRes_LblTituloGrid[i]->text(), "Lumbra 1999");
        EXPECT_EQ(t.window->resultPanel->FraRes_LblSubTituloGrid[i]->text(), "Tarsenal");
        EXPECT_FALSE(t.window->resultPanel->FraRes_MSFlexGrid[i]->isVisibleTo(t.window.get()));
    }
    // CD_AREA's row of code 0 replaces the state total's name, since the rows are copied after it is set.
    const quelva::Session& session = t.state->session;
    EXPECT_EQ(session.VetorNomeLocalidade()[0], "Total do Estado");
    EXPECT_EQ(session.VetorNomeLocalidade()[681], "RA de Potipecatu-Mirim");
    EXPECT_EQ(session.VetorNomeLocalidade()[850], "");
    EXPECT_TRUE(session.RsBuscaMunicipio().isOpen());
    EXPECT_EQ(session.RsArea().absolutePosition(), 0);  // reading the names moved no one's current row
    EXPECT_TRUE(t.state->criteria.ExpressaoCriterio().isEmpty());
    EXPECT_FALSE(t.endedWith.has_value());
    EXPECT_TRUE(t.dialogs.messages().empty());
}

TEST(FrmQuelva, StateTotalKeepsItsNameWithoutARowOfCodeZero) {
    TestWindow t;
    testing_support::editSample(t.folder.file("Quelva.mdb"), "DELETE FROM CD_AREA WHERE COD_AREA_NORVA = 0");
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.state->session.VetorNomeLocalidade()[0], "Totais para o Estado de São Paulo");
}

TEST(FrmQuelva, MostrarPainelByKeyword) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    const std::pair<const char*, const char*> cases[] = {
        {"VARIAVEIS", "FraVar"}, {"LOCALIDADES", "FraLoc"}, {"CRITERIOS", "FraCri"}, {"PALAVRASCHAVE", "FraPal"},
        {"VERSELECOES", "FraSel"}, {"VERRESULTADO", "FraRes"}};
    for (const auto& [keyword, panel] : cases) {
        t.window->MostrarPainel(keyword);
        EXPECT_EQ(t.visiblePanel(), panel) << keyword;
    }
    t.window->MostrarPainel("");
    EXPECT_EQ(t.visiblePanel(), "");
    t.window->MostrarPainel("VARIAVEIS");
    t.window->MostrarPainel("variaveis");  // keywords compare exactly
    EXPECT_EQ(t.visiblePanel(), "");
    t.window->MostrarPainel("LOGO");
    EXPECT_EQ(t.visiblePanel(), "");
}

TEST(FrmQuelva, MenuItemsLeadToTheirPanelsAndDoNothingWhenAlreadyThere) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->MnuCriterios->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraCri");
    t.window->MnuCriterios->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraCri");
    t.window->MnuVariaveis->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraVar");
    t.window->MnuPalavrasChaves->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraPal");
    t.window->MnuLocalidades->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraLoc");
    t.window->MnuVerSelecoes->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraSel");
    EXPECT_FALSE(t.endedWith.has_value());
}

TEST(FrmQuelva, SairAndClosingTheWindowEndTheProgramAtOnce) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->MnuSair->trigger();
    EXPECT_EQ(t.endedWith, 0);
    EXPECT_TRUE(t.dialogs.messages().empty());  // no question asked

    TestWindow u;
    ASSERT_TRUE(u.start());
    u.window->show();
    u.window->close();
    EXPECT_EQ(u.endedWith, 0);
}

// A start-up that fails shows the error's own message under "Quelva" and ends the program with status 1.
void expectStartUpFailure(TestWindow& t, const std::string& fragment) {
    EXPECT_FALSE(t.start());
    EXPECT_EQ(t.endedWith, 1);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    const auto& m = t.dialogs.messages()[0];
    EXPECT_EQ(m.title, "Quelva");
    EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
    EXPECT_NE(m.text.toStdString().find(fragment), std::string::npos) << m.text.toStdString();
    EXPECT_FALSE(t.window->isVisible());
}

TEST(FrmQuelva, StartUpFailuresEndTheProgramWithTheirMessage) {
    TestWindow noFile(false);
    expectStartUpFailure(noFile, noFile.folder.file("Quelva.mdb"));

    TestWindow noTable;
    testing_support::editSample(noTable.folder.file("Quelva.mdb"), "DROP TABLE nomemun");
    expectStartUpFailure(noTable, "nomemun");

    TestWindow noColumn;
    testing_support::editSample(noColumn.folder.file("Quelva.mdb"), "ALTER TABLE CD_VAR DROP COLUMN NomeTabela");
    expectStartUpFailure(noColumn, "NomeTabela");

    TestWindow codeTooHigh;
    testing_support::editSample(codeTooHigh.folder.file("Quelva.mdb"),
                                  "INSERT INTO CD_AREA VALUES (851, 'Fora da faixa', 0, 0, 0)");
    expectStartUpFailure(codeTooHigh, "851");

    TestWindow damaged;
    testing_support::writeFile(damaged.folder.file("Quelva.mdb"), "SQLite format 3" + std::string(200, 'x'));
    expectStartUpFailure(damaged, damaged.folder.file("Quelva.mdb"));
}

TEST(FrmQuelva, TheMessageFrameShowsAboveThePanelAndHidesAgain) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->MostrarPainel("VARIAVEIS");
    t.window->showMessage(true);
    EXPECT_TRUE(t.window->FraRes_Mensagem->isVisibleTo(t.window.get()));
    EXPECT_EQ(t.visiblePanel(), "FraVar");  // not one of the panels MostrarPainel switches
    t.window->showMessage(false);
    EXPECT_FALSE(t.window->FraRes_Mensagem->isVisibleTo(t.window.get()));
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

Modal openAndClose(TestWindow& t, QAction* item) {
    Modal m;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            m.title = w->windowTitle();
            m.panelsBehind = t.visiblePanel();
            w->close();
        }
    });
    item->trigger();
    return m;
}

TEST(FrmQuelva, InformationWindowsOpenModallyAndReturnToTheLogo) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->show();
    t.window->MnuVariaveis->trigger();
    Modal m = openAndClose(t, t.window->MnuFichaTecnica);
    EXPECT_EQ(m.title, "Ficha Técnica");
    EXPECT_EQ(m.panelsBehind, "");             // every panel hidden while it is open
    EXPECT_EQ(t.visiblePanel(), "FraLog");   // back to the logo, not to the variables panel
    EXPECT_EQ(openAndClose(t, t.window->MnuFichaInstitucional).title, "Ficha Institucional");
    EXPECT_EQ(openAndClose(t, t.window->MnuApresentacao).title, "Apresentação");
    EXPECT_EQ(openAndClose(t, t.window->MnuSobre).title, "Sobre Brenvala");
    EXPECT_EQ(t.visiblePanel(), "FraLog");
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_FALSE(t.endedWith.has_value());
}

TEST(FrmQuelva, AMissingRecordFileIsSaidAndTheLogoComesBack) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.window->show();
    std::filesystem::remove(t.folder.file("fichains.txt"));
    t.window->MnuCriterios->trigger();
    Modal m = openAndClose(t, t.window->MnuFichaInstitucional);
    EXPECT_EQ(m.title, "(none)");
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_TRUE(t.dialogs.messages()[0].text.contains(QString::fromStdString(t.folder.file("fichains.txt"))));
    EXPECT_EQ(t.visiblePanel(), "FraLog");
    EXPECT_FALSE(t.endedWith.has_value());
}

TEST(FrmQuelva, ActivationAfterAWindowKeepsTheSelections) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    t.state->localities.setMark(5, true);
    t.state->variables.setMark(2, true);
    t.state->criteria.append(" [tabcri].[cri_K002]>1 ");
    openAndClose(t, t.window->MnuSobre);
    EXPECT_TRUE(t.state->localities.isMarked(5));
    EXPECT_TRUE(t.state->variables.VetorVariavel()[2].isSelected());
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_K002]>1 ");  // cleared at the first activation only
}

TEST(FrmQuelva, TheLogoFillsItsPanel) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.window->FraLog_ImgLogo->geometry().size(), t.window->FraLog->size());
}

}  // namespace

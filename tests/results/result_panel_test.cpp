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

#include "result_query.h"
#include "grid.h"
#include "test_window.h"
#include "notes.h"
#include "result_panel.h"
#include "tabbed_frame.h"
#include "twips.h"
#include "variable_marks.h"
#include "xls_reading.h"

namespace {

using testing_support::TestWindow;

class ResultPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.start());
        t.window->show();
        p = t.window->resultPanel;
    }
    // Localities 1 and 5 (in every table) and two variables of TK.
    void selectSome() {
        t.state->localities.setMark(1, true);
        t.state->localities.setMark(5, true);
        testing_support::markCode(t.state->variables, "K001");
        testing_support::markCode(t.state->variables, "K002");
    }
    // "Ver resultado" as the user chooses it, from another panel.
    void showResult() {
        t.window->MnuVariaveis->trigger();
        t.window->MnuVerResultado->trigger();
    }
    bool visible(QWidget* w) const { return w->isVisibleTo(t.window.get()); }
    QString visibleGroups() const {
        QString s;
        for (int i = 0; i < 3; ++i)
            s += QString::number(visible(p->FraRes_LblTituloGrid[i])) + QString::number(visible(p->FraRes_LblSubTituloGrid[i])) +
                 QString::number(visible(p->FraRes_MSFlexGrid[i])) + " ";
        return s.trimmed();
    }
    TestWindow t;
    quelva::ResultPanel* p = nullptr;
};

TEST_F(ResultPanelTest, ARunShowsThePanelOnItsFirstTabAndEachTabItsOwnGroup) {
    selectSome();
    showResult();
    EXPECT_TRUE(t.dialogs.messages().empty());
    EXPECT_EQ(t.visiblePanel(), "FraRes");
    EXPECT_FALSE(visible(t.window->FraRes_Mensagem));
    EXPECT_EQ(p->FraRes_SSTab1->Tab(), 0);
    EXPECT_EQ(visibleGroups(), "111 000 000");
    EXPECT_EQ(p->grid(0).rows(), 3);
    EXPECT_EQ(p->grid(0).text(0, 0), "Município");
    EXPECT_EQ(p->grid(1).text(0, 0), "Variáveis");
    EXPECT_TRUE(p->grid(2).text(0, 0).startsWith("Município: "));
    EXPECT_EQ(p->FraRes_LblTituloGrid[2]->text(), "Lumbra 1999");
    EXPECT_EQ(p->FraRes_LblSubTituloGrid[2]->text(), "Tarsenal");

    QTabBar* tabs = p->FraRes_SSTab1->findChild<QTabBar*>();
    ASSERT_EQ(tabs->count(), 3);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(visibleGroups(), "000 000 111");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(visibleGroups(), "000 111 000");

    // The menu item does nothing while the panel is shown; a new run starts again on the first tab.
    t.window->MnuVerResultado->trigger();
    EXPECT_EQ(p->FraRes_SSTab1->Tab(), 1);
    showResult();
    EXPECT_EQ(p->FraRes_SSTab1->Tab(), 0);
    EXPECT_EQ(visibleGroups(), "111 000 000");
}

TEST_F(ResultPanelTest, ThePrintButtonStaysHiddenAndSaveRunsWhatTheWindowGave) {
    EXPECT_FALSE(visible(p->FraRes_CmdImprimir));
    selectSome();
    showResult();
    EXPECT_FALSE(visible(p->FraRes_CmdImprimir));
    // The button runs whatever the window gave it: the export, or here a stand-in.
    int saved = 0;
    p->onSave([&] { ++saved; });
    QTest::mouseClick(p->FraRes_CmdSalvar, Qt::LeftButton);
    EXPECT_EQ(saved, 1);
    EXPECT_FALSE(t.endedWith);
}

TEST_F(ResultPanelTest, TheLegendOpensClosesAndIsClosedByAnInformationWindow) {
    // The legend as the notes write it, its CR LF shown as the box's own line breaks.
    EXPECT_EQ(p->FraRes_TxtConvencoes->toPlainText(), quelva::conventionsText().replace("\r\n", "\n"));
    // The system's fixed-pitch font, whichever family that is on this machine.
    EXPECT_EQ(p->FraRes_TxtConvencoes->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(p->FraRes_TxtConvencoes->font().pointSize(), 8);
    selectSome();
    showResult();
    EXPECT_FALSE(visible(p->FraRes_FraConvencoes));
    QTest::mouseClick(p->FraRes_CmdConvencoes, Qt::LeftButton);
    EXPECT_TRUE(visible(p->FraRes_FraConvencoes));
    QTest::mouseClick(p->FraRes_CmdFechar, Qt::LeftButton);
    EXPECT_FALSE(visible(p->FraRes_FraConvencoes));
    QTest::mouseClick(p->FraRes_CmdConvencoes, Qt::LeftButton);
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    t.window->MnuSobre->trigger();
    EXPECT_FALSE(visible(p->FraRes_FraConvencoes));
    EXPECT_EQ(p->FraRes_TxtConvencoes->toPlainText().split('\n').size(), 4);
}

TEST_F(ResultPanelTest, ValidationMessagesShowNothing) {
    showResult();
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "Selecionar no mínimo uma Localidade e uma Variável");
    EXPECT_EQ(t.visiblePanel(), "FraVar");
    EXPECT_FALSE(visible(t.window->FraRes_Mensagem));
}

TEST_F(ResultPanelTest, ARefusedOrTooLargeStatementKeepsThePreviousResult) {
    selectSome();
    showResult();
    const QString before = p->grid(0).text(1, 1);
    const int columns = p->grid(0).columns();
    const int rowsBefore = t.state->result.RsResultado().recordCount();
    const auto marksBefore = t.state->result.MarcaM1();
    const int columnsPerRepetitionBefore = t.state->result.QtdM1();
    const QString warning = "Seleção muito grande !!\r\n\r\nFaça consultas menores.";

    t.state->criteria.clear();
    t.state->criteria.append("[tabcri].[naoexiste] > 1");
    testing::internal::CaptureStderr();
    showResult();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("naoexiste"), std::string::npos);
    t.state->criteria.clear();
    t.state->criteria.append(QString(20000, u'1'));
    showResult();
    ASSERT_EQ(t.dialogs.messages().size(), 2u);
    for (const auto& m : t.dialogs.messages()) {
        EXPECT_EQ(m.text, warning);
        EXPECT_EQ(m.icon, quelva::Dialogs::Icon::Critical);
        EXPECT_EQ(m.title, "");
    }
    EXPECT_EQ(t.visiblePanel(), "FraVar");
    EXPECT_FALSE(visible(t.window->FraRes_Mensagem));
    EXPECT_EQ(p->grid(0).text(1, 1), before);
    EXPECT_EQ(p->grid(0).columns(), columns);
    EXPECT_EQ(t.state->result.RsResultado().recordCount(), rowsBefore);
    // The failed run said only that there is no result; the last one's rows and marks stay.
    EXPECT_FALSE(t.state->result.HaResultado());
    EXPECT_EQ(t.state->result.MarcaM1(), marksBefore);
    EXPECT_EQ(t.state->result.QtdM1(), columnsPerRepetitionBefore);
    EXPECT_FALSE(t.state->result.catalogueTables().DbCatalogo.isOpen());
    EXPECT_FALSE(t.endedWith);
}

TEST_F(ResultPanelTest, NoRowsSaysSoAndKeepsTheGridsButNotTheNotes) {
    selectSome();
    showResult();
    const QString before = p->grid(2).text(0, 0);
    testing_support::markCode(t.state->variables, "K001", false);
    testing_support::markCode(t.state->variables, "K002", false);
    testing_support::markCode(t.state->variables, "K003");
    t.state->criteria.clear();
    t.state->criteria.append("1 = 0");
    showResult();
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "Nenhum dado recuperado/satisfaz o(s) critério(s).");
    EXPECT_EQ(t.dialogs.messages()[0].icon, quelva::Dialogs::Icon::Critical);
    EXPECT_EQ(t.visiblePanel(), "FraVar");
    EXPECT_FALSE(t.state->result.HaResultado());
    EXPECT_EQ(p->grid(2).text(0, 0), before);
    const QString notes = p->FraRes_TxtNotas->toPlainText();
    EXPECT_TRUE(notes.startsWith("Variável: " + QString::fromStdString(t.state->variables.VetorVariavel()[2].NomeVariavel.toText())))
        << notes.toStdString();
}

TEST_F(ResultPanelTest, Formato3SharesOutTheGridsOwnWidth) {
    selectSome();
    showResult();
    const int width = quelva::pixelsToTwips(p->FraRes_MSFlexGrid[2]->width(), t.window->logicalDpiX());
    EXPECT_EQ(p->grid(2).columnWidth(0) + p->grid(2).columnWidth(1) + 400, width);
}

TEST_F(ResultPanelTest, CtrlCCopiesTheSelectedCellsAsTabSeparatedText) {
    selectSome();
    showResult();
    quelva::GridTableView* v = p->FraRes_MSFlexGrid[0];
    const quelva::Grid& g = p->grid(0);
    v->selectionModel()->select(QItemSelection(g.index(0, 0), g.index(1, 1)), QItemSelectionModel::Select);
    QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Município\t" + g.text(0, 1) + "\n" + g.text(1, 0) + "\t" + g.text(1, 1) + "\n");
}

TEST_F(ResultPanelTest, FormatoOneAndTwoKeepTheirTitleRowAndNameColumnInView) {
    selectSome();
    showResult();
    for (int i = 0; i < 2; ++i) {
        p->FraRes_SSTab1->setTab(i);
        QApplication::processEvents();
        const quelva::GridTableView* v = p->FraRes_MSFlexGrid[i];
        const auto* rows = v->findChild<QTableView*>("frozenRows");
        const auto* columns = v->findChild<QTableView*>("frozenColumns");
        const auto* corner = v->findChild<QTableView*>("frozenCorner");
        ASSERT_TRUE(rows && columns && corner);
        EXPECT_EQ(corner->indexAt(QPoint(1, 1)).data().toString(), i == 0 ? "Município" : "Variáveis");
        EXPECT_EQ(rows->height(), v->rowHeight(0));  // one row and one column held
        EXPECT_EQ(columns->width(), v->columnWidth(0));
    }
    // Formato 3 repeats its titles on every row: nothing frozen.
    EXPECT_TRUE(p->FraRes_MSFlexGrid[2]->findChildren<QTableView*>().isEmpty());
}

// Localities 5, 1, 26, 61 and 98 (in the query's order) with K002 (4, 6, 14, 5, 0) and K003 (Não, -, Sim, Sim, Sim).
class SortedResult : public ResultPanelTest {
protected:
    void SetUp() override {
        ResultPanelTest::SetUp();
        for (int c : {1, 5, 26, 61, 98}) t.state->localities.setMark(c, true);
        testing_support::markCode(t.state->variables, "K002");
        testing_support::markCode(t.state->variables, "K003");
        showResult();
    }
    QStringList line(int tab, int index, bool row) const {
        QStringList r;
        const quelva::Grid& g = p->grid(tab);
        for (int k = 1; k < (row ? g.columns() : g.rows()); ++k) r << (row ? g.text(index, k) : g.text(k, index));
        return r;
    }
    // A click on a cell of a view laid over the grid, where the titles show.
    void clickFrozen(int tab, const char* view, int row, int column) {
        auto* v = p->FraRes_MSFlexGrid[tab]->findChild<QTableView*>(view);
        ASSERT_TRUE(v);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(p->grid(tab).index(row, column)).center());
    }
};

TEST_F(SortedResult, ATitleSortsDescendingThenAscendingThenInTheQueryOrderByMouseAndKeys) {
    using Arrow = quelva::GridCell::Arrow;
    const quelva::Grid& g = p->grid(0);
    const QString title = g.text(0, 1);
    const QStringList names = line(0, 0, false);
    clickFrozen(0, "frozenRows", 0, 1);
    EXPECT_EQ(line(0, 1, false), QStringList({"14", "6", "5", "4", "0"}));
    EXPECT_EQ(g.cell(0, 1).arrow, Arrow::Down);
    EXPECT_TRUE(g.data(g.index(0, 1), Qt::DecorationRole).isValid() && !g.data(g.index(0, 2), Qt::DecorationRole).isValid());
    EXPECT_EQ(g.data(g.index(0, 1), Qt::AccessibleDescriptionRole).toString(), "ordem decrescente");
    EXPECT_EQ(g.text(0, 1), title);
    clickFrozen(0, "frozenRows", 0, 1);
    EXPECT_EQ(line(0, 1, false), QStringList({"0", "4", "5", "6", "14"}));
    EXPECT_EQ(g.cell(0, 1).arrow, Arrow::Up);
    QTest::keyClick(p->FraRes_MSFlexGrid[0], Qt::Key_Space);
    EXPECT_EQ(line(0, 0, false), names);
    EXPECT_EQ(g.cell(0, 1).arrow, Arrow::None);
    QTest::keyClick(p->FraRes_MSFlexGrid[0], Qt::Key_Return);
    EXPECT_EQ(line(0, 1, false), QStringList({"14", "6", "5", "4", "0"}));
    // A value cell or the corner sorts nothing; Ctrl+C copies the rows as they stand.
    clickFrozen(0, "frozenCorner", 0, 0);
    QTest::mouseClick(p->FraRes_MSFlexGrid[0]->viewport(), Qt::LeftButton, {},
                      p->FraRes_MSFlexGrid[0]->visualRect(g.index(3, 2)).center());
    EXPECT_EQ(line(0, 1, false), QStringList({"14", "6", "5", "4", "0"}));
    p->FraRes_MSFlexGrid[0]->selectAll();
    QTest::keyClick(p->FraRes_MSFlexGrid[0], Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').at(1), g.text(1, 0) + "\t14\t" + g.text(1, 2));

    // Formato 2 sorts its localities by a variable's name; a code goes before the texts, ties keep their order.
    p->FraRes_SSTab1->setTab(1);
    QApplication::processEvents();
    clickFrozen(1, "frozenColumns", 2, 0);
    EXPECT_EQ(line(1, 2, true), QStringList({"-", "Sim", "Sim", "Sim", "Não"}));
    EXPECT_EQ(line(1, 0, true), QStringList({names[1], names[2], names[3], names[4], names[0]}));
    // Formato 3 keeps the query's order, and a new result starts unsorted.
    EXPECT_EQ(p->grid(2).text(0, 0), "Município: " + names[0]);
    showResult();
    EXPECT_EQ(line(0, 0, false), names);
    EXPECT_EQ(p->grid(0).cell(0, 1).arrow, Arrow::None);
    EXPECT_EQ(line(1, 0, true), names);
}

// Each file type holds the rows in the order on screen, the title as its text, read back by independent readers.
TEST_F(SortedResult, TheExportWritesTheRowsInTheOrderOnScreen) {
    clickFrozen(0, "frozenRows", 0, 1);
    const QString title = p->grid(0).text(0, 1);
    for (const char* name : {"ordem.xls", "ordem.xlsx", "ordem.csv"}) {
        const std::string file = t.folder.file(name);
        t.dialogs.chooseFile(QString::fromStdString(file));
        QTest::mouseClick(p->FraRes_CmdSalvar, Qt::LeftButton);
        const xls_testing::ReadFile read = QString(name).endsWith(".xls") ? xls_testing::readWithXlrd(file) : xls_testing::readBack(file);
        ASSERT_EQ(read.fault, "") << name;
        ASSERT_FALSE(read.sheets.empty()) << name;
        const xls_testing::Cells& cells = read.sheets[0].cells;
        const bool csv = QString(name).endsWith(".csv");
        EXPECT_EQ(cells.at({3, 1}), xls_testing::ReadCell::ofText(title.toStdU16String())) << name;
        int row = 4;
        for (int n : {14, 6, 5, 4, 0}) {
            const xls_testing::ReadCell expected =
                csv ? xls_testing::ReadCell::ofText(QString::number(n).toStdU16String()) : xls_testing::ReadCell::ofNumber(n);
            EXPECT_EQ(cells.at({row, 1}), expected) << name << " row " << row;
            EXPECT_EQ(cells.at({row, 0}), xls_testing::ReadCell::ofText(p->grid(0).text(row - 3, 0).toStdU16String())) << name;
            ++row;
        }
    }
    EXPECT_TRUE(t.dialogs.messages().empty());
}

}  // namespace

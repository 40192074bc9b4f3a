// "Ver resultado" as a user gets there: variables ticked in their panel, localities ticked in theirs, a
// criterion added, then the menu; every cell of the first layout checked against the same statement run on
// the engine.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <map>

#include "theme_tree.h"
#include "cell_number.h"
#include "result_query.h"
#include "file_types.h"
#include "grid.h"
#include "test_window.h"
#include "locality_entry.h"
#include "criteria_panel.h"
#include "localities_panel.h"
#include "result_panel.h"
#include "variables_panel.h"
#include "tabbed_frame.h"
#include "xls_reading.h"

namespace {

using testing_support::TestWindow;

// Ticks rows of the first subtheme's variable list (0: K001, 1: K002, 3: J001), as the user does.
void tickVariables(TestWindow& t, std::initializer_list<int> rows) {
    t.window->MnuVariaveis->trigger();
    quelva::VariablesPanel* v = t.window->variablesPanel;
    ASSERT_TRUE(testing_support::clickNode(v->FraVar_TrwTemas, "ST1"));
    for (int i : rows) {
        v->FraVar_LstNomeVariavel->setCurrentRow(i);
        QTest::keyClick(v->FraVar_LstNomeVariavel, Qt::Key_Space);
    }
}

void tickLocalities(TestWindow& t, std::initializer_list<int> codes) {
    t.window->MnuLocalidades->trigger();
    QListWidget* list = t.window->localitiesPanel->FraLoc_LstMunSelec;
    for (int code : codes) {
        int row = -1;
        for (int i = 0; i < list->count(); ++i)
            if (quelva::codeOfLocalityEntry(quelva::entryOfLocalityItem(list->item(i))) == code) row = i;
        ASSERT_GE(row, 0) << code;
        list->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Space);
    }
}

// "Salvar em Excel" of the first layout, read back by an independent reader: each cell of the grid where it
// stands, a number where the grid's text reads as one and a text elsewhere.
struct Saved {
    xls_testing::Cells cells;
    int numbers = 0;  // cells read as numbers
};

Saved saveAndCheck(TestWindow& t, const quelva::Grid& g) {
    const std::string file = t.folder.file("resultado.xls");
    t.dialogs.chooseFile(QString::fromStdString(file));
    QTest::mouseClick(t.window->resultPanel->FraRes_CmdSalvar, Qt::LeftButton);
    EXPECT_TRUE(t.dialogs.messages().empty()) << t.dialogs.messages()[0].text.toStdString();
    const xls_testing::ReadFile read = xls_testing::readWithXlrd(file);
    EXPECT_EQ(read.fault, "");
    if (read.sheets.empty()) {
        ADD_FAILURE() << "no sheet";
        return {};
    }
    EXPECT_EQ(read.sheets[0].name, "Resultado - Formato 1");
    const xls_testing::Cells& cells = read.sheets[0].cells;
    int numbers = 0;
    for (int l = 0; l < g.rows(); ++l) {
        for (int c = 0; c < g.columns(); ++c) {
            const QString& text = g.text(l, c);
            const auto it = cells.find({3 + l, c});
            if (text.isEmpty()) {
                EXPECT_TRUE(it == cells.end()) << l << "," << c;
                continue;
            }
            if (it == cells.end()) {
                ADD_FAILURE() << l << "," << c << " missing";
                continue;
            }
            if (const auto n = quelva::numberFromCellText(text)) {
                EXPECT_EQ(it->second, xls_testing::ReadCell::ofNumber(*n)) << l << "," << c;
                ++numbers;
            } else {
                EXPECT_EQ(it->second, xls_testing::ReadCell::ofText(text.toStdU16String())) << l << "," << c;
            }
        }
    }
    return {cells, numbers};
}

// On the sample as a Jet 4 file and as a Jet 3 one: the program reaches either through the importer.
class ResultScenarioOnForm : public ::testing::TestWithParam<std::string> {};

TEST_P(ResultScenarioOnForm, TickedVariablesLocalitiesAndACriterionBecomeTheFirstLayout) {
    TestWindow t{GetParam()};
    ASSERT_TRUE(t.start());
    t.window->show();
    tickVariables(t, {0, 1, 3});
    tickLocalities(t, {1, 5, 26, 61, 98, 304});
    t.window->MnuCriterios->trigger();
    quelva::CriteriaPanel* c = t.window->criteriaPanel;
    for (int i = 0; i < c->FraCri_DbCmbVar->count(); ++i)
        if (c->FraCri_DbCmbVar->itemData(i).toString().left(20).trimmed() == "K002") c->FraCri_DbCmbVar->setCurrentIndex(i);
    c->FraCri_CmbOperador->setCurrentIndex(c->FraCri_CmbOperador->findText(">="));
    QTest::keyClicks(c->FraCri_TxtValor, "0");
    QTest::mouseClick(c->FraCri_CmdAdicionaCri, Qt::LeftButton);
    ASSERT_TRUE(t.state->criteria.ExpressaoCriterio().contains("cri_K002")) << t.state->criteria.ExpressaoCriterio().toStdString();

    t.window->MnuVerResultado->trigger();
    ASSERT_TRUE(t.dialogs.messages().empty()) << t.dialogs.messages()[0].text.toStdString();
    ASSERT_EQ(t.visiblePanel(), "FraRes");

    // The same statement, run on a connection of its own.
    const QString statement = quelva::assembleQuery(*t.state)->statement;
    EXPECT_TRUE(statement.startsWith("Select TK.Cod_Mun, TK.K001, TK.K002, TJ.J001 From")) << statement.toStdString();
    EXPECT_TRUE(statement.contains("(TK.Cod_Mun=1 or TK.Cod_Mun=5 or TK.Cod_Mun=26 or TK.Cod_Mun=61 or TK.Cod_Mun=98 or "
                                   "TK.Cod_Mun=304)"));
    EXPECT_TRUE(statement.contains(" and (" + t.state->criteria.ExpressaoCriterio() + ") Order By"));
    jet::Recordset rs = t.state->session.database().open().openRecordset(statement.toStdString());
    const quelva::Grid& g = t.window->resultPanel->grid(0);
    ASSERT_GT(rs.recordCount(), 0);
    ASSERT_EQ(g.rows(), rs.recordCount() + 1);
    ASSERT_EQ(g.columns(), rs.fieldCount());
    int p = 1;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++p) {
        EXPECT_EQ(g.text(p, 0), t.state->session.VetorNomeLocalidade()[static_cast<std::size_t>(rs.field(0).toInteger())]);
        EXPECT_NE(rs.field(0).toInteger(), 304);  // it has no row in TJ
        for (int i = 1; i < rs.fieldCount(); ++i)
            EXPECT_EQ(g.text(p, i), QString::fromStdString(rs.field(i).toText()).trimmed()) << p << "," << i;
    }
    EXPECT_EQ(g.text(0, 3), t.window->variablesPanel->FraVar_LstNomeVariavel->item(3)->text());

    // "Salvar em Excel": the layout on screen in a workbook, read back by an independent reader.
    EXPECT_GT(saveAndCheck(t, g).numbers, 0);
    EXPECT_FALSE(t.endedWith.has_value());
}

INSTANTIATE_TEST_SUITE_P(Forms, ResultScenarioOnForm,
                         ::testing::Values(testing_support::kSmallSample, testing_support::kSmallSampleJet3),
                         [](const auto& p) { return p.index == 0 ? "Jet4" : "Jet3"; });

// A survey column stored as a number shows in every layout as the Portuguese program shows it (decimal
// comma, no thousands separator) and is saved as that same number; the sample's text columns stay as stored.
TEST(ResultScenario, NumbersOfANumericColumnShowWithTheDecimalCommaAndAreSavedAsThoseNumbers) {
    TestWindow t;
    // K002 of TK becomes a REAL column; its title and everything else of the sample stay.
    testing_support::editSample(t.folder.file("Quelva.mdb"),
                                  "ALTER TABLE TK ADD COLUMN K002_real REAL;"
                                  "UPDATE TK SET K002_real = CASE Cod_Mun WHEN 1 THEN 1234.5 WHEN 5 THEN 1500000.75"
                                  " WHEN 26 THEN 1.234 WHEN 61 THEN -0.5 END;"
                                  "ALTER TABLE TK DROP COLUMN K002; ALTER TABLE TK RENAME COLUMN K002_real TO K002");
    ASSERT_TRUE(t.start());
    t.window->show();
    tickVariables(t, {0, 1});
    tickLocalities(t, {1, 5, 26, 61});
    t.window->MnuVerResultado->trigger();
    ASSERT_TRUE(t.dialogs.messages().empty()) << t.dialogs.messages()[0].text.toStdString();

    const std::map<int, QString> expected = {{1, "1234,5"}, {5, "1500000,75"}, {26, "1,234"}, {61, "-0,5"}};
    const std::map<int, double> number = {{1, 1234.5}, {5, 1500000.75}, {26, 1.234}, {61, -0.5}};
    const quelva::ResultPanel& panel = *t.window->resultPanel;
    const quelva::Grid &g1 = panel.grid(0), &g2 = panel.grid(1), &g3 = panel.grid(2);
    ASSERT_EQ(g1.rows(), 5);
    ASSERT_EQ(g1.columns(), 3);
    jet::Recordset rs = t.state->session.database().open().openRecordset("Select Cod_Mun, K001 From TK Where Cod_Mun In (1, 5, 26, 61)");
    std::map<QString, int> codeOfName;
    for (const auto& [code, text] : expected) codeOfName[t.state->session.VetorNomeLocalidade()[static_cast<std::size_t>(code)]] = code;
    QStringList format3Texts;
    for (int l = 0; l < g3.rows(); ++l) format3Texts << g3.text(l, 1);
    for (int l = 1; l < g1.rows(); ++l) {
        const int code = codeOfName.at(g1.text(l, 0));
        EXPECT_EQ(g1.text(l, 2), expected.at(code)) << code;
        EXPECT_EQ(g2.text(2, l), expected.at(code)) << code;  // the same localities, one per column
        EXPECT_TRUE(format3Texts.contains(expected.at(code))) << code;
        rs.findFirst("Cod_Mun = " + std::to_string(code));
        EXPECT_EQ(g1.text(l, 1), QString::fromStdString(rs.field(1).toText()).trimmed()) << code;  // a text column
    }

    const xls_testing::Cells cells = saveAndCheck(t, g1).cells;
    for (int l = 1; l < g1.rows(); ++l)
        EXPECT_EQ(cells.at({3 + l, 2}), xls_testing::ReadCell::ofNumber(number.at(codeOfName.at(g1.text(l, 0)))));
    EXPECT_FALSE(t.endedWith.has_value());
}

// What a reader must find for a grid cell: its number, or its text.
xls_testing::ReadCell readFrom(const QString& text) {
    if (const auto n = quelva::numberFromCellText(text)) return xls_testing::ReadCell::ofNumber(*n);
    return xls_testing::ReadCell::ofText(text.toStdU16String());
}

TEST(ResultScenario, TheFormato2OfEveryMunicipalityIsSavedAsXlsx) {
    // The full sample, read where the build put it: the export only reads it.
    testing_support::TempDir folder;
    testing_support::ScriptedDialogs dialogs;
    quelva::RunState state{QStringLiteral(QUELVA_BIN)};
    quelva::FrmQuelva window{state, dialogs, [](int) {}};
    window.Form_Load();
    window.Form_Activate();
    window.show();
    int variables = 0;
    for (int i = 0; i < quelva::kMaxVariables && variables < 6; ++i) {
        const jet::Value& code = state.variables.VetorVariavel()[static_cast<std::size_t>(i)].CodVariavel;
        if (code.isNull() || code.toText().rfind("M1_", 0) == 0) continue;
        state.variables.setMark(i, true);
        ++variables;
    }
    window.MnuLocalidades->trigger();
    QTest::mouseClick(window.localitiesPanel->FraLoc_cmdmarcartodas, Qt::LeftButton);
    window.MnuVerResultado->trigger();
    ASSERT_TRUE(dialogs.messages().empty()) << dialogs.messages()[0].text.toStdString();
    quelva::ResultPanel* p = window.resultPanel;
    p->FraRes_SSTab1->setTab(1);
    const quelva::Grid& g = p->grid(1);
    ASSERT_GT(g.columns(), 255);  // past what an .xls holds

    dialogs.chooseFile(QString::fromStdString(folder.file("estado")));
    QTest::mouseClick(p->FraRes_CmdSalvar, Qt::LeftButton);
    ASSERT_TRUE(dialogs.messages().empty()) << dialogs.messages()[0].text.toStdString();
    EXPECT_EQ(dialogs.saveDialogs().at(0).selectedFilterName, quelva::filterOf(quelva::FileType::Xlsx));
    const xls_testing::ReadFile read = xls_testing::readBack(folder.file("estado.xlsx"));
    ASSERT_EQ(read.fault, "");
    const xls_testing::ReadSheet& s = read.sheets.at(0);
    EXPECT_EQ(s.name, "Resultado - Formato 2");
    EXPECT_EQ(s.frozen, "B5");
    const int R = g.rows(), C = g.columns();
    EXPECT_EQ(s.cells.at({3, 0}), readFrom(g.text(0, 0)));
    EXPECT_EQ(s.cells.at({3 + R / 2, C / 2}), readFrom(g.text(R / 2, C / 2)));
    EXPECT_EQ(s.cells.at({3 + R - 1, C - 1}), readFrom(g.text(R - 1, C - 1)));
    EXPECT_EQ(s.cells.at({3, C - 1}), readFrom(g.text(0, C - 1)));
}

}  // namespace

// The three layouts of a result: shapes, titles, colours, alignments, widths, heights and the M1 repetitions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "blanks.h"
#include "grid.h"
#include "grid_rules.h"
#include "layouts.h"
#include "result_fixture.h"
#include "result_query.h"
#include "result_rows.h"
#include "table_layout.h"
#include "value_order.h"

namespace {

using quelva::Grid;
using testing_support::ResultState;

const QColor kBlue(128, 128, 255), kYellow(255, 255, 192);
const Qt::Alignment kCentre = Qt::AlignCenter, kLeft = Qt::AlignLeft | Qt::AlignVCenter;

class Layouts : public ::testing::Test {
protected:
    // Runs the statement of the current selection and fills the three grids.
    void runAndLayOut(int width3 = 8000) {
        e().result.AbrirTabelasCD(e().session.database());
        std::optional<quelva::ResultOutcome> outcome = quelva::MontarConsulta(e());
        ASSERT_TRUE(outcome);
        quelva::commitResult((e()).result, std::move(*outcome));
        const std::shared_ptr<const quelva::ResultRows> rows = quelva::readResult(e(), (e()).result);
        quelva::MontarFormato1(rows, g1);
        quelva::MontarFormato2(rows, g2);
        quelva::MontarFormato3(rows, g3, width3);
        e().result.FecharTabelasCD();
    }
    quelva::RunState& e() { return *t.state; }
    static QStringList rowTexts(const Grid& g, int l) {
        QStringList r;
        for (int c = 0; c < g.columns(); ++c) r << g.text(l, c);
        return r;
    }
    static QStringList columnTexts(const Grid& g, int c) {
        QStringList r;
        for (int l = 0; l < g.rows(); ++l) r << g.text(l, c);
        return r;
    }
    ResultState t;
    Grid g1, g2, g3;
};

TEST_F(Layouts, OneLocalityAndOneVariable) {
    t.tickLocalities({12});
    t.select({"X1"});
    runAndLayOut();
    const QColor valueColour = QApplication::palette().color(QPalette::HighlightedText);

    ASSERT_EQ(g1.rows(), 2);
    ASSERT_EQ(g1.columns(), 2);
    EXPECT_EQ(rowTexts(g1, 0), QStringList({"Município", "Escolas"}));
    EXPECT_EQ(rowTexts(g1, 1), QStringList({"Alfa", "x12"}));  // the value's blanks trimmed
    EXPECT_EQ(g1.cell(0, 0).background, kBlue);
    EXPECT_EQ(g1.cell(0, 1).background, kYellow);
    EXPECT_EQ(g1.cell(1, 0).background, kBlue);
    EXPECT_EQ(g1.cell(1, 1).background, valueColour);
    EXPECT_EQ(g1.cell(0, 0).alignment, kCentre);
    EXPECT_EQ(g1.cell(0, 1).alignment, kCentre);
    EXPECT_EQ(g1.cell(1, 0).alignment, kLeft);
    EXPECT_EQ(g1.cell(1, 1).alignment, kCentre);
    EXPECT_EQ(g1.columnWidth(0), 2500);
    EXPECT_EQ(g1.columnWidth(1), 2500);
    EXPECT_EQ(g1.rowHeight(0), 480);
    EXPECT_EQ(g1.rowHeight(1), 480);
    EXPECT_TRUE(g1.wordWrap());

    ASSERT_EQ(g2.rows(), 2);
    ASSERT_EQ(g2.columns(), 2);
    EXPECT_EQ(rowTexts(g2, 0), QStringList({"Variáveis", "Alfa"}));
    EXPECT_EQ(rowTexts(g2, 1), QStringList({"Escolas", "x12"}));
    EXPECT_EQ(g2.cell(0, 0).background, kYellow);
    EXPECT_EQ(g2.cell(0, 1).background, kBlue);
    EXPECT_EQ(g2.cell(1, 0).background, kYellow);
    EXPECT_EQ(g2.cell(1, 0).alignment, kCentre);  // titles centred here, unlike Formato 1's names
    EXPECT_EQ(g2.cell(1, 1).background, valueColour);
    EXPECT_EQ(g2.columnWidth(1), 2500);

    ASSERT_EQ(g3.columns(), 2);
    EXPECT_EQ(columnTexts(g3, 0), QStringList({"Município: Alfa", "Escolas"}));
    EXPECT_EQ(columnTexts(g3, 1), QStringList({"", "x12"}));
    EXPECT_EQ(g3.cell(0, 1).background, kBlue);
    EXPECT_EQ(g3.cell(0, 1).alignment, kLeft);
    EXPECT_EQ(g3.cell(1, 0).background, kYellow);
    EXPECT_EQ(g3.cell(1, 0).alignment, kLeft);
    EXPECT_EQ(g3.cell(1, 1).background, valueColour);
    EXPECT_EQ(g3.cell(1, 1).alignment, kCentre);
    EXPECT_EQ(g3.columnWidth(0), 5000);
    EXPECT_EQ(g3.columnWidth(1), 2600);
}

TEST_F(Layouts, TwoLocalitiesInNameOrderAndANullValueAsAnEmptyCell) {
    t.tickLocalities({20, 12});
    t.select({"X1", "X2"});
    runAndLayOut(9001);
    EXPECT_EQ(columnTexts(g1, 0), QStringList({"Município", "Alfa", "Gama"}));
    EXPECT_EQ(rowTexts(g1, 2), QStringList({"Gama", "", "200"}));
    EXPECT_EQ(rowTexts(g2, 0), QStringList({"Variáveis", "Alfa", "Gama"}));
    EXPECT_EQ(rowTexts(g2, 2), QStringList({"Creches", "120", "200"}));
    EXPECT_EQ(columnTexts(g3, 0), QStringList({"Município: Alfa", "Escolas", "Creches", "Município: Gama", "Escolas", "Creches"}));
    EXPECT_EQ(columnTexts(g3, 1), QStringList({"", "x12", "120", "", "", "200"}));
    EXPECT_EQ(g3.cell(3, 0).background, kBlue);
    // The first column takes five eighths of the width: 9001 / 4 x 2.5 = 5625.625
    EXPECT_EQ(g3.columnWidth(0), 5626);
    EXPECT_EQ(g3.columnWidth(0) + g3.columnWidth(1), 9001 - 400);  // the second column takes the rest, less 400
}

TEST_F(Layouts, RowHeightsFollowTheLongestTextOfTheRow) {
    t.tickLocalities({12});
    t.select({"T30", "T31", "T61"});
    runAndLayOut();
    // Formato 2 has a row per variable: titles of 30, 31 and 61 characters.
    ASSERT_EQ(g2.rows(), 4);
    EXPECT_EQ(g2.text(1, 0).size(), 30);
    EXPECT_EQ(g2.rowHeight(0), 480);
    EXPECT_EQ(g2.rowHeight(1), 480);
    EXPECT_EQ(g2.rowHeight(2), 720);
    EXPECT_EQ(g2.rowHeight(3), 960);
    EXPECT_EQ(rowTexts(g2, 1).last(), "NR");  // codes shown as stored
    EXPECT_EQ(rowTexts(g2, 3).last(), "...");
    // Formato 1 has them all in its title row.
    EXPECT_EQ(g1.rowHeight(0), 960);
    EXPECT_EQ(g1.rowHeight(1), 480);
    EXPECT_EQ(quelva::rowHeightFor(0), 480);
    EXPECT_EQ(quelva::rowHeightFor(60), 720);
    EXPECT_EQ(quelva::rowHeightFor(90), 960);
    EXPECT_EQ(quelva::rowHeightFor(91), 1200);
}

TEST_F(Layouts, M1RepetitionsPastTheLastWithDataAreDroppedInFormats1And2) {
    t.tickLocalities({5, 12, 20});
    t.select({"M1_1003"});
    runAndLayOut();
    // QtdM1 = 2 (name and sub-variable 3), K = 3: 1 + 3 x 2 columns.
    EXPECT_EQ(e().result.QtdM1(), 2);
    EXPECT_EQ(rowTexts(g1, 0), QStringList({"Município", "Nome do conselho - Órgão 1", "Tem sede - Órgão 1",
                                         "Nome do conselho - Órgão 2", "Tem sede - Órgão 2", "Nome do conselho - Órgão 3",
                                         "Tem sede - Órgão 3"}));
    EXPECT_EQ(rowTexts(g1, 1), QStringList({"Alfa", "Conselho 1", "Sim", "Conselho 2", "Sim", "Conselho 3", "Sim"}));
    EXPECT_EQ(rowTexts(g1, 2), QStringList({"Beta", "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(rowTexts(g1, 3), QStringList({"Gama", "Conselho 1", "Sim", "Conselho 2", "Sim", "-", "-"}));
    EXPECT_EQ(g1.cell(0, 6).background, kYellow);
    ASSERT_EQ(g2.rows(), 7);
    EXPECT_EQ(columnTexts(g2, 0).last(), "Tem sede - Órgão 3");
    EXPECT_EQ(columnTexts(g2, 3), QStringList({"Gama", "Conselho 1", "Sim", "Conselho 2", "Sim", "-", "-"}));
}

TEST_F(Layouts, AllM1ValuesDashKeepOneRepetition) {
    t.tickLocalities({5});
    t.select({"M1_1003", "M1_1012", "X2"});
    runAndLayOut();
    EXPECT_EQ(e().result.QtdM1(), 3);
    EXPECT_EQ(rowTexts(g1, 0), QStringList({"Município", "Creches", "Nome do conselho - Órgão 1", "Tem sede - Órgão 1",
                                         "Reuniões - Órgão 1"}));
    EXPECT_EQ(rowTexts(g1, 1), QStringList({"Beta", "50", "-", "-", "-"}));  // " - " trimmed
    EXPECT_EQ(g2.rows(), 5);
    // Formato 3 lists repetition 1 even when its name column holds "-".
    EXPECT_EQ(columnTexts(g3, 0), QStringList({"Município: Beta", "Creches", "Nome do conselho - Órgão 1", "Tem sede - Órgão 1",
                                          "Reuniões - Órgão 1"}));
}

TEST_F(Layouts, Format3DropsRepetitionsLocalityByLocality) {
    t.tickLocalities({12, 20});
    t.select({"M1_1012"});
    runAndLayOut();
    EXPECT_EQ(columnTexts(g3, 0),
              QStringList({"Município: Alfa", "Nome do conselho - Órgão 1", "Reuniões - Órgão 1", "Nome do conselho - Órgão 2",
                           "Reuniões - Órgão 2", "Nome do conselho - Órgão 3", "Reuniões - Órgão 3", "Município: Gama",
                           "Nome do conselho - Órgão 1", "Reuniões - Órgão 1", "Nome do conselho - Órgão 2",
                           "Reuniões - Órgão 2"}));
    EXPECT_EQ(columnTexts(g3, 1), QStringList({"", "Conselho 1", "1", "Conselho 2", "2", "Conselho 3", "3", "", "Conselho 1", "1",
                                          "Conselho 2", "2"}));
}

TEST_F(Layouts, AnEmptyResultKeepsThePreviousGrids) {
    t.tickLocalities({12});
    t.select({"X2"});
    runAndLayOut();
    const QStringList before1 = rowTexts(g1, 1), before2 = rowTexts(g2, 1), before3 = columnTexts(g3, 0);
    e().criteria.clear();
    e().criteria.append("[tabcri].[cri_X2] > 1000");
    t.select({"X1"});
    runAndLayOut();
    EXPECT_FALSE(e().result.HaResultado());
    EXPECT_EQ(g1.columns(), 2);
    EXPECT_EQ(rowTexts(g1, 1), before1);
    EXPECT_EQ(rowTexts(g2, 1), before2);
    EXPECT_EQ(columnTexts(g3, 0), before3);
}

TEST_F(Layouts, Format3RowsAreAsHighAsTheirLongerCellAndKeepTheirColours) {
    t.tickLocalities({12, 20});
    t.select({"T30", "T31", "T61", "M1_1012"});
    runAndLayOut();
    // Alfa: heading, three titles, three repetitions of two M1 fields; Gama: heading, three titles, two.
    ASSERT_EQ(g3.rows(), 1 + 3 + 6 + 1 + 3 + 4);
    const QStringList values = columnTexts(g3, 1);
    EXPECT_EQ(values.mid(0, 4), QStringList({"", "NR", "SB", "..."}));
    EXPECT_EQ(values.mid(10, 4), QStringList({"", "NR", "SB", "..."}));
    EXPECT_EQ(g3.text(17, 0), "Reuniões - Órgão 2");
    EXPECT_EQ(g3.text(17, 1), "2");
    const int heights[] = {480, 480, 720, 960};
    for (int base : {0, 10})
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g3.rowHeight(base + k), heights[k]) << base + k;
    EXPECT_EQ(g3.cell(10, 1).background, kBlue);
    EXPECT_EQ(g3.cell(17, 0).background, kYellow);
    EXPECT_EQ(g3.cell(17, 1).alignment, kCentre);
    EXPECT_THROW(g3.text(g3.rows(), 0), std::out_of_range);
}

// Sorted, a locality's row keeps its height; a variable's series carries its source.
TEST(SortedLayout, RowsMoveWithTheirHeightsAndASeriesCarriesItsSource) {
    ResultState t("UPDATE TK SET X2 = '" + std::string(40, 'z') + "' WHERE Cod_Mun = 5;");
    t.tickLocalities({5, 12, 20});
    t.select({"X1", "X2"});
    quelva::RunState& e = *t.state;
    e.result.AbrirTabelasCD(e.session.database());
    quelva::commitResult(e.result, std::move(*quelva::MontarConsulta(e)));
    Grid g;
    quelva::MontarFormato1(quelva::readResult(e, e.result), g);
    e.result.FecharTabelasCD();
    const auto& layout = dynamic_cast<const quelva::TableLayout&>(*g.source());
    EXPECT_EQ(layout.rowHeight(2), 720);  // Beta's, second by name
    const auto sorted = layout.sorted({2, quelva::SortDirection::Descending}, quelva::ValueOrder());
    EXPECT_EQ(sorted->text(1, 0) + sorted->text(2, 0) + sorted->text(3, 0), "GamaAlfaBeta");
    EXPECT_TRUE(sorted->rowHeight(2) == 480 && sorted->rowHeight(3) == 720);
    EXPECT_EQ(sorted->series(1).source, "Censo");
    EXPECT_EQ(sorted->series(1).localities, std::vector<QString>({"Gama", "Alfa", "Beta"}));
    EXPECT_EQ(sorted->series(2).source, "");  // no source code
}

TEST(CellRules, OnlyBlanksAreTrimmedFromEitherEnd) {
    EXPECT_EQ(quelva::trimBlanks(QStringLiteral("  a b  ")), "a b");
    EXPECT_EQ(quelva::trimBlanks(QStringLiteral("\ta \n")), "\ta \n");
    EXPECT_EQ(quelva::trimBlanks(QStringLiteral("   ")), "");
    EXPECT_EQ(quelva::trimBlanks(std::string_view("  a b  ")), "a b");
    EXPECT_EQ(quelva::trimBlanks(std::string_view(" \ta\t ")), "\ta\t");
    EXPECT_TRUE(quelva::trimBlanks(std::string_view("  ")).empty());
}

TEST(CellRules, TextLengthsAreCountedAsTheGridCountsThem) {
    for (const char* s : {"", "abc", "Órgão", "ação e reunião", "\xF0\x9F\x98\x80 ok", "日本"})
        EXPECT_EQ(quelva::utf16Length(s), QString::fromUtf8(s).size()) << s;
}

TEST(TituloColuna, CatalogueNamesSubVariablesM1AndUnknownFields) {
    ResultState t;
    quelva::CatalogueTables cd;
    quelva::AbrirTabelasCD(cd, t.state->session.database());
    EXPECT_EQ(quelva::TituloColuna(cd, "X2"), "Creches");
    EXPECT_EQ(quelva::TituloColuna(cd, "X1A"), "Escolas públicas");
    EXPECT_EQ(quelva::TituloColuna(cd, "M1_Nome_7"), "Nome do conselho - Órgão 7");
    EXPECT_EQ(quelva::TituloColuna(cd, "M1_1012_9"), "Reuniões - Órgão 9");
    EXPECT_EQ(quelva::TituloColuna(cd, "ZZ9"), "ZZ9");
    EXPECT_EQ(quelva::TituloColuna(cd, "M1_1099_2"), "M1_1099_2");
    EXPECT_EQ(quelva::TituloColuna(cd, "O'Hara"), "O'Hara");
}

}  // namespace

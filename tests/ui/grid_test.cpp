// The one grid of the program: what resizing keeps, how often views are told, and what reaches the view.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

#include "grade.h"
#include "politica_roteiro.h"

namespace {

using quelva::Grade;
using quelva::VisaoGrade;
using Scripted = testing_support::PoliticaRoteiro;

// A grid shown by a view that runs its keys under an error policy.
struct GridInView {
    Grade g;
    Scripted p;
    VisaoGrade v{p.politica};
    GridInView() { v.definirGrade(&g); }
};

// Sections stand for twips at one resolution, each rounded to the nearest pixel: two of them keep the
// proportion of their twips within that rounding.
::testing::AssertionResult inProportion(int pixelsA, int twipsA, int pixelsB, int twipsB) {
    const double gap = std::abs(static_cast<double>(pixelsA) * twipsB - static_cast<double>(pixelsB) * twipsA);
    if (gap <= 0.5 * (twipsA + twipsB)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << pixelsA << " px for " << twipsA << " twips against " << pixelsB << " px for "
                                         << twipsB << " twips";
}

// A grid whose cell (l, c) reads "l,c".
void fillNumbered(Grade& g, int rows, int columns) {
    g.definirTamanho(rows, columns);
    for (int l = 0; l < rows; ++l)
        for (int c = 0; c < columns; ++c) g.definirTexto(l, c, QStringLiteral("%1,%2").arg(l).arg(c));
}

TEST(Grid, GrowingKeepsEveryCellInItsPlaceAndShrinkingDropsTheRest) {
    Grade g;
    fillNumbered(g, 3, 4);
    g.writableCell(2, 3).negrito = true;
    g.definirLarguraColuna(1, 2000);
    g.definirAlturaLinha(2, 600);

    g.definirTamanho(5, 6);
    EXPECT_EQ(g.texto(2, 3), "2,3");
    EXPECT_TRUE(g.celula(2, 3).negrito);
    EXPECT_EQ(g.texto(0, 1), "0,1");
    EXPECT_EQ(g.texto(4, 5), "");
    EXPECT_EQ(g.texto(2, 4), "");  // the new column is empty, not the old row's neighbour
    EXPECT_EQ(g.larguraColuna(1), 2000);
    EXPECT_EQ(g.larguraColuna(5), quelva::kLarguraColunaPadrao);
    EXPECT_EQ(g.alturaLinha(2), 600);
    EXPECT_EQ(g.alturaLinha(4), quelva::kAlturaLinhaPadrao);

    g.definirTamanho(2, 2);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.columnCount(), 2);
    EXPECT_EQ(g.texto(1, 1), "1,1");
    EXPECT_THROW(g.texto(2, 0), std::out_of_range);
    EXPECT_THROW(g.texto(0, 2), std::out_of_range);

    // Cells dropped are gone for good: growing again brings back empty ones.
    g.definirTamanho(3, 4);
    EXPECT_EQ(g.texto(2, 3), "");
    EXPECT_FALSE(g.celula(2, 3).negrito);
    EXPECT_EQ(g.larguraColuna(3), quelva::kLarguraColunaPadrao);

    g.definirTamanho(0, 0);
    EXPECT_EQ(g.rowCount(), 0);
}

TEST(Grid, ABatchOfChangesTellsTheViewsOnceNestedBatchesIncluded) {
    Grade g;
    g.definirTamanho(100, 10);
    QSignalSpy resets(&g, &QAbstractItemModel::modelReset);
    QSignalSpy cellNotices(&g, &QAbstractItemModel::dataChanged);
    QSignalSpy sizeNotices(&g, &Grade::medidasAlteradas);

    g.iniciarAlteracoes();
    g.iniciarAlteracoes();
    fillNumbered(g, 200, 20);
    for (int l = 0; l < 200; ++l) g.definirAlturaLinha(l, 480);
    g.concluirAlteracoes();
    EXPECT_EQ(resets.count(), 0);  // the inner batch's end says nothing yet
    g.concluirAlteracoes();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(sizeNotices.count(), 1);
    EXPECT_EQ(cellNotices.count(), 0);

    // Outside a batch, one cell is one notice for that cell alone.
    g.definirTexto(7, 3, "x");
    ASSERT_EQ(cellNotices.count(), 1);
    EXPECT_EQ(cellNotices.at(0).at(0).value<QModelIndex>(), g.index(7, 3));
}

TEST(Grid, WordWrapWidthsAndHeightsReachTheView) {
    GridInView t;
    auto& [g, p, v] = t;
    fillNumbered(g, 3, 2);
    EXPECT_FALSE(v.wordWrap());

    g.definirQuebraTexto(true);
    EXPECT_TRUE(v.wordWrap());

    // Against the default sizes of column 0 and row 0: three times as wide, three times as tall.
    g.definirLarguraColuna(1, 3 * quelva::kLarguraColunaPadrao);
    g.definirAlturaLinha(2, 3 * quelva::kAlturaLinhaPadrao);
    const QHeaderView& columns = *v.horizontalHeader();
    const QHeaderView& rows = *v.verticalHeader();
    EXPECT_GT(columns.sectionSize(1), columns.sectionSize(0));
    EXPECT_TRUE(inProportion(columns.sectionSize(1), 3, columns.sectionSize(0), 1));
    EXPECT_GT(rows.sectionSize(2), rows.sectionSize(0));
    EXPECT_TRUE(inProportion(rows.sectionSize(2), 3, rows.sectionSize(0), 1));

    // A view given a grid already filled takes its measures at once.
    VisaoGrade other(p.politica);
    other.definirGrade(&g);
    EXPECT_TRUE(other.wordWrap());
    EXPECT_EQ(other.verticalHeader()->sectionSize(2), rows.sectionSize(2));
    EXPECT_EQ(other.horizontalHeader()->sectionSize(1), columns.sectionSize(1));
}

// A multiplication table worked out as it is asked, counting the cells asked for.
class MultiplicationTable : public quelva::CellSource {
public:
    int rows() const override { return 1000; }
    int columns() const override { return 3; }
    quelva::GridCell cell(int l, int c) const override {
        ++asked;
        quelva::GridCell g;
        g.texto = QString::number(l * c);
        g.fundo = l % 2 ? QColor(255, 255, 192) : QColor();
        g.alinhamento = Qt::AlignCenter;
        return g;
    }
    int columnWidth(int c) const override { return 1000 + c; }
    int rowHeight(int l) const override { return l == 7 ? 720 : 480; }
    bool wordWrap() const override { return true; }
    mutable int asked = 0;
};

TEST(Grid, ASourceAnswersEveryReadAndTheGridRefusesWritesUntilStoredAgain) {
    Scripted p;
    Grade g;
    fillNumbered(g, 2, 2);
    VisaoGrade v{p.politica};
    v.definirGrade(&g);
    QSignalSpy resets(&g, &QAbstractItemModel::modelReset);
    auto source = std::make_shared<MultiplicationTable>();
    g.definirFonte(source);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(source->asked, 0);  // nothing is worked out up front

    EXPECT_EQ(g.linhas(), 1000);
    EXPECT_EQ(g.rowCount(), 1000);
    EXPECT_EQ(g.colunas(), 3);
    EXPECT_EQ(g.texto(999, 2), "1998");
    EXPECT_EQ(g.celula(3, 1).fundo, QColor(255, 255, 192));
    Grade::Celula slot;
    EXPECT_EQ(&g.celula(3, 2, slot), &slot);  // worked out into the place given
    EXPECT_EQ(slot.texto, "6");
    EXPECT_EQ(g.data(g.index(3, 2), Qt::DisplayRole).toString(), "6");
    EXPECT_EQ(g.data(g.index(3, 2), Qt::TextAlignmentRole).toInt(), static_cast<int>(Qt::AlignCenter));
    EXPECT_FALSE(g.data(g.index(2, 2), Qt::BackgroundRole).isValid());
    EXPECT_THROW(g.texto(1000, 0), std::out_of_range);
    EXPECT_THROW(g.celula(0, 3), std::out_of_range);
    EXPECT_THROW(g.alturaLinha(1000), std::out_of_range);
    EXPECT_THROW(g.larguraColuna(-1), std::out_of_range);

    // The view takes the source's measures.
    EXPECT_TRUE(v.wordWrap());
    EXPECT_GT(v.verticalHeader()->sectionSize(7), v.verticalHeader()->sectionSize(6));
    EXPECT_TRUE(inProportion(v.verticalHeader()->sectionSize(7), 720, v.verticalHeader()->sectionSize(6), 480));
    // Copy reads the same cells.
    v.selectionModel()->select(QItemSelection(g.index(2, 1), g.index(3, 2)), QItemSelectionModel::Select);
    EXPECT_EQ(v.textoSelecionado(), "2\t4\n3\t6\n");

    // Computed cells have nowhere to be written; the grid holds them unchanged.
    EXPECT_THROW(g.writableCell(0, 0), std::logic_error);
    EXPECT_THROW(g.definirTexto(0, 0, "x"), std::logic_error);
    EXPECT_THROW(g.definirAlturaLinha(0, 240), std::logic_error);
    EXPECT_EQ(g.texto(0, 0), "0");

    // Sizing the grid makes it a stored one again, empty.
    g.definirTamanho(1, 1);
    EXPECT_EQ(g.source(), nullptr);
    EXPECT_EQ(g.texto(0, 0), "");
    g.definirTexto(0, 0, "x");
    EXPECT_EQ(g.texto(0, 0), "x");
    EXPECT_NE(&g.celula(0, 0, slot), &slot);  // a stored cell is read where it is
    EXPECT_EQ(g.celula(0, 0, slot).texto, "x");
    EXPECT_FALSE(v.wordWrap());
}

TEST(Grid, CellsShowTheirTextColourAlignmentAndWeight) {
    Grade g;
    g.definirTamanho(1, 2);
    Grade::Celula& c = g.writableCell(0, 1);
    c.texto = "12";
    c.fundo = QColor(255, 255, 192);
    c.alinhamento = Qt::AlignRight | Qt::AlignVCenter;
    c.negrito = true;
    const QModelIndex i = g.index(0, 1);
    EXPECT_EQ(g.data(i, Qt::DisplayRole).toString(), "12");
    EXPECT_EQ(g.data(i, Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 192));
    EXPECT_EQ(g.data(i, Qt::TextAlignmentRole).toInt(), static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_TRUE(g.data(i, Qt::FontRole).value<QFont>().bold());
    // A cell left alone has the view's own background and font.
    EXPECT_FALSE(g.data(g.index(0, 0), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(g.data(g.index(0, 0), Qt::FontRole).isValid());
    EXPECT_FALSE(g.data(g.index(0, 0), Qt::ForegroundRole).isValid());
    // A text colour and a font size of the cell's own; the size alone does not make it bold.
    g.writableCell(0, 0).cor = QColor(0, 0, 255);
    g.writableCell(0, 0).tamanhoFonte = 11;
    EXPECT_EQ(g.data(g.index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    const QFont f = g.data(g.index(0, 0), Qt::FontRole).value<QFont>();
    EXPECT_EQ(f.pointSize(), 11);
    EXPECT_FALSE(f.bold());
}

// A view may ask for a cell the grid no longer has (an index kept from before it shrank): an empty value, as
// a model answers, and nothing thrown into the toolkit.
TEST(Grid, AnIndexOutsideTheGridHasNoData) {
    Grade g;
    fillNumbered(g, 3, 3);
    const QModelIndex corner = g.index(2, 2), column = g.index(0, 2), row = g.index(2, 0);
    g.definirTamanho(2, 2);
    for (const QModelIndex& i : {corner, column, row}) {
        ASSERT_TRUE(i.isValid());
        for (int role : {int(Qt::DisplayRole), int(Qt::BackgroundRole), int(Qt::FontRole)})
            EXPECT_FALSE(g.data(i, role).isValid()) << i.row() << "," << i.column() << " " << role;
    }
    EXPECT_EQ(g.data(g.index(1, 1), Qt::DisplayRole).toString(), "1,1");
}

TEST(Grid, RowsAddedOneAtATimeKeepTheirCells) {
    Grade g;
    g.definirTamanho(1, 2);
    for (int l = 0; l < 1000; ++l) {
        if (l > 0) g.definirTamanho(g.linhas() + 1, 2);
        g.definirTexto(l, 1, QString::number(l));
    }
    EXPECT_EQ(g.texto(0, 1), "0");
    EXPECT_EQ(g.texto(999, 1), "999");
    EXPECT_EQ(g.texto(500, 0), "");
    g.definirTamanho(3, 2);
    g.definirTamanho(4, 2);
    EXPECT_EQ(g.texto(2, 1), "2");
    EXPECT_EQ(g.texto(3, 1), "");  // a row cut and grown again comes back empty
}

TEST(GridTableView, SelectedCellsAsTabSeparatedText) {
    GridInView t;
    auto& [g, p, v] = t;
    fillNumbered(g, 4, 4);
    EXPECT_EQ(v.textoSelecionado(), "");
    g.definirTexto(1, 2, "a\tb");
    g.definirTexto(2, 1, "diz \"sim\"");
    g.definirTexto(2, 2, "duas\nlinhas");
    v.selectionModel()->select(QItemSelection(g.index(1, 1), g.index(2, 2)), QItemSelectionModel::Select);
    EXPECT_EQ(v.textoSelecionado(), "1,1\t\"a\tb\"\n\"diz \"\"sim\"\"\"\t\"duas\nlinhas\"\n");
    // Two separate cells: the rectangle that holds them, the cells between left empty.
    v.clearSelection();
    v.selectionModel()->select(g.index(0, 0), QItemSelectionModel::Select);
    v.selectionModel()->select(g.index(1, 3), QItemSelectionModel::Select);
    EXPECT_EQ(v.textoSelecionado(), "0,0\t\t\t\n\t\t\t1,3\n");
}

// Any grid's copy key, not only the result grids', fails into the error policy and not into the toolkit.
TEST(GridTableView, AFailingCopyEndsUnderTheErrorPolicy) {
    GridInView t;
    auto& [g, p, v] = t;
    fillNumbered(g, 3, 3);
    v.selectionModel()->select(g.index(2, 2), QItemSelectionModel::Select);
    // Inside a batch the view is not yet told that the selected cell is gone.
    g.iniciarAlteracoes();
    g.definirTamanho(1, 1);
    QTest::keyClick(&v, Qt::Key_C, Qt::ControlModifier);
    g.concluirAlteracoes();
    ASSERT_EQ(p.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(p.dialogos.mensagens()[0].texto.contains("fora da grade")) << p.dialogos.mensagens()[0].texto.toStdString();
    EXPECT_EQ(p.fins, std::vector<int>{1});
}

}  // namespace

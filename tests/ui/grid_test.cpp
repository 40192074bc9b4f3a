// The one grid of the program: what resizing keeps, how often views are told, and what reaches the view.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <vector>

#include "grid.h"
#include "scripted_policy.h"

namespace {

using quelva::Grid;
using quelva::GridTableView;
using Scripted = testing_support::ScriptedPolicy;

// A grid shown by a view that runs its keys under an error policy.
struct GridInView {
    Grid g;
    Scripted p;
    GridTableView v{p.policy};
    GridInView() {
        v.setGrid(&g);
        v.show();
    }
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
void fillNumbered(Grid& g, int rows, int columns) {
    g.setSize(rows, columns);
    for (int l = 0; l < rows; ++l)
        for (int c = 0; c < columns; ++c) g.setText(l, c, QStringLiteral("%1,%2").arg(l).arg(c));
}

TEST(Grid, GrowingKeepsEveryCellInItsPlaceAndShrinkingDropsTheRest) {
    Grid g;
    fillNumbered(g, 3, 4);
    g.writableCell(2, 3).bold = true;
    g.setColumnWidth(1, 2000);
    g.setRowHeight(2, 600);

    g.setSize(5, 6);
    EXPECT_EQ(g.text(2, 3), "2,3");
    EXPECT_TRUE(g.cell(2, 3).bold);
    EXPECT_EQ(g.text(0, 1), "0,1");
    EXPECT_EQ(g.text(4, 5), "");
    EXPECT_EQ(g.text(2, 4), "");  // the new column is empty, not the old row's neighbour
    EXPECT_EQ(g.columnWidth(1), 2000);
    EXPECT_EQ(g.columnWidth(5), quelva::kDefaultGridColumnWidth);
    EXPECT_EQ(g.rowHeight(2), 600);
    EXPECT_EQ(g.rowHeight(4), quelva::kDefaultGridRowHeight);

    g.setSize(2, 2);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.columnCount(), 2);
    EXPECT_EQ(g.text(1, 1), "1,1");
    EXPECT_THROW(g.text(2, 0), std::out_of_range);
    EXPECT_THROW(g.text(0, 2), std::out_of_range);

    // Cells dropped are gone for good: growing again brings back empty ones.
    g.setSize(3, 4);
    EXPECT_EQ(g.text(2, 3), "");
    EXPECT_FALSE(g.cell(2, 3).bold);
    EXPECT_EQ(g.columnWidth(3), quelva::kDefaultGridColumnWidth);

    g.setSize(0, 0);
    EXPECT_EQ(g.rowCount(), 0);
}

TEST(Grid, ABatchOfChangesTellsTheViewsOnceNestedBatchesIncluded) {
    Grid g;
    g.setSize(100, 10);
    QSignalSpy resets(&g, &QAbstractItemModel::modelReset);
    QSignalSpy cellNotices(&g, &QAbstractItemModel::dataChanged);
    QSignalSpy sizeNotices(&g, &Grid::sizesChanged);

    g.beginChanges();
    g.beginChanges();
    fillNumbered(g, 200, 20);
    for (int l = 0; l < 200; ++l) g.setRowHeight(l, 480);
    g.endChanges();
    EXPECT_EQ(resets.count(), 0);  // the inner batch's end says nothing yet
    g.endChanges();
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(sizeNotices.count(), 1);
    EXPECT_EQ(cellNotices.count(), 0);

    // Outside a batch, one cell is one notice for that cell alone.
    g.setText(7, 3, "x");
    ASSERT_EQ(cellNotices.count(), 1);
    EXPECT_EQ(cellNotices.at(0).at(0).value<QModelIndex>(), g.index(7, 3));
}

TEST(Grid, WordWrapWidthsAndHeightsReachTheView) {
    GridInView t;
    auto& [g, p, v] = t;
    fillNumbered(g, 3, 2);
    EXPECT_FALSE(v.wordWrap());

    g.setWordWrap(true);
    EXPECT_TRUE(v.wordWrap());

    // Against the default sizes of column 0 and row 0: three times as wide, three times as tall.
    g.setColumnWidth(1, 3 * quelva::kDefaultGridColumnWidth);
    g.setRowHeight(2, 3 * quelva::kDefaultGridRowHeight);
    const QHeaderView& columns = *v.horizontalHeader();
    const QHeaderView& rows = *v.verticalHeader();
    EXPECT_GT(columns.sectionSize(1), columns.sectionSize(0));
    EXPECT_TRUE(inProportion(columns.sectionSize(1), 3, columns.sectionSize(0), 1));
    EXPECT_GT(rows.sectionSize(2), rows.sectionSize(0));
    EXPECT_TRUE(inProportion(rows.sectionSize(2), 3, rows.sectionSize(0), 1));

    // A view given a grid already filled takes its wrapping at once, its measures once it is shown.
    GridTableView other(p.policy);
    other.setGrid(&g);
    EXPECT_TRUE(other.wordWrap());
    EXPECT_NE(other.verticalHeader()->sectionSize(2), rows.sectionSize(2));
    other.show();
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
        g.text = QString::number(l * c);
        g.background = l % 2 ? QColor(255, 255, 192) : QColor();
        g.alignment = Qt::AlignCenter;
        return g;
    }
    int columnWidth(int c) const override { return 1000 + c; }
    int rowHeight(int l) const override { return l == 7 ? 720 : 480; }
    bool wordWrap() const override { return true; }
    mutable int asked = 0;
};

TEST(Grid, ASourceAnswersEveryReadAndTheGridRefusesWritesUntilStoredAgain) {
    Scripted p;
    Grid g;
    fillNumbered(g, 2, 2);
    GridTableView v{p.policy};
    v.setGrid(&g);
    v.show();
    QSignalSpy resets(&g, &QAbstractItemModel::modelReset);
    auto source = std::make_shared<MultiplicationTable>();
    g.setSource(source);
    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(source->asked, 0);  // nothing is worked out up front

    EXPECT_EQ(g.rows(), 1000);
    EXPECT_EQ(g.rowCount(), 1000);
    EXPECT_EQ(g.columns(), 3);
    EXPECT_EQ(g.text(999, 2), "1998");
    EXPECT_EQ(g.cell(3, 1).background, QColor(255, 255, 192));
    Grid::Cell slot;
    EXPECT_EQ(&g.cell(3, 2, slot), &slot);  // worked out into the place given
    EXPECT_EQ(slot.text, "6");
    EXPECT_EQ(g.data(g.index(3, 2), Qt::DisplayRole).toString(), "6");
    EXPECT_EQ(g.data(g.index(3, 2), Qt::TextAlignmentRole).toInt(), static_cast<int>(Qt::AlignCenter));
    EXPECT_FALSE(g.data(g.index(2, 2), Qt::BackgroundRole).isValid());
    EXPECT_THROW(g.text(1000, 0), std::out_of_range);
    EXPECT_THROW(g.cell(0, 3), std::out_of_range);
    EXPECT_THROW(g.rowHeight(1000), std::out_of_range);
    EXPECT_THROW(g.columnWidth(-1), std::out_of_range);

    // The view takes the source's measures.
    EXPECT_TRUE(v.wordWrap());
    EXPECT_GT(v.verticalHeader()->sectionSize(7), v.verticalHeader()->sectionSize(6));
    EXPECT_TRUE(inProportion(v.verticalHeader()->sectionSize(7), 720, v.verticalHeader()->sectionSize(6), 480));
    // Copy reads the same cells.
    v.selectionModel()->select(QItemSelection(g.index(2, 1), g.index(3, 2)), QItemSelectionModel::Select);
    EXPECT_EQ(v.selectedText(), "2\t4\n3\t6\n");

    // Computed cells have nowhere to be written; the grid holds them unchanged.
    EXPECT_THROW(g.writableCell(0, 0), std::logic_error);
    EXPECT_THROW(g.setText(0, 0, "x"), std::logic_error);
    EXPECT_THROW(g.setRowHeight(0, 240), std::logic_error);
    EXPECT_EQ(g.text(0, 0), "0");

    // Sizing the grid makes it a stored one again, empty.
    g.setSize(1, 1);
    EXPECT_EQ(g.source(), nullptr);
    EXPECT_EQ(g.text(0, 0), "");
    g.setText(0, 0, "x");
    EXPECT_EQ(g.text(0, 0), "x");
    EXPECT_NE(&g.cell(0, 0, slot), &slot);  // a stored cell is read where it is
    EXPECT_EQ(g.cell(0, 0, slot).text, "x");
    EXPECT_FALSE(v.wordWrap());
}

TEST(Grid, CellsShowTheirTextColourAlignmentAndWeight) {
    Grid g;
    g.setSize(1, 2);
    Grid::Cell& c = g.writableCell(0, 1);
    c.text = "12";
    c.background = QColor(255, 255, 192);
    c.alignment = Qt::AlignRight | Qt::AlignVCenter;
    c.bold = true;
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
    g.writableCell(0, 0).color = QColor(0, 0, 255);
    g.writableCell(0, 0).fontSize = 11;
    EXPECT_EQ(g.data(g.index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    const QFont f = g.data(g.index(0, 0), Qt::FontRole).value<QFont>();
    EXPECT_EQ(f.pointSize(), 11);
    EXPECT_FALSE(f.bold());
}

// A view may ask for a cell the grid no longer has (an index kept from before it shrank): an empty value, as
// a model answers, and nothing thrown into the toolkit.
TEST(Grid, AnIndexOutsideTheGridHasNoData) {
    Grid g;
    fillNumbered(g, 3, 3);
    const QModelIndex corner = g.index(2, 2), column = g.index(0, 2), row = g.index(2, 0);
    g.setSize(2, 2);
    for (const QModelIndex& i : {corner, column, row}) {
        ASSERT_TRUE(i.isValid());
        for (int role : {int(Qt::DisplayRole), int(Qt::BackgroundRole), int(Qt::FontRole)})
            EXPECT_FALSE(g.data(i, role).isValid()) << i.row() << "," << i.column() << " " << role;
    }
    EXPECT_EQ(g.data(g.index(1, 1), Qt::DisplayRole).toString(), "1,1");
}

TEST(Grid, RowsAddedOneAtATimeKeepTheirCells) {
    Grid g;
    g.setSize(1, 2);
    for (int l = 0; l < 1000; ++l) {
        if (l > 0) g.setSize(g.rows() + 1, 2);
        g.setText(l, 1, QString::number(l));
    }
    EXPECT_EQ(g.text(0, 1), "0");
    EXPECT_EQ(g.text(999, 1), "999");
    EXPECT_EQ(g.text(500, 0), "");
    g.setSize(3, 2);
    g.setSize(4, 2);
    EXPECT_EQ(g.text(2, 1), "2");
    EXPECT_EQ(g.text(3, 1), "");  // a row cut and grown again comes back empty
}

TEST(GridTableView, SelectedCellsAsTabSeparatedText) {
    GridInView t;
    auto& [g, p, v] = t;
    fillNumbered(g, 4, 4);
    EXPECT_EQ(v.selectedText(), "");
    g.setText(1, 2, "a\tb");
    g.setText(2, 1, "diz \"sim\"");
    g.setText(2, 2, "duas\nlinhas");
    v.selectionModel()->select(QItemSelection(g.index(1, 1), g.index(2, 2)), QItemSelectionModel::Select);
    EXPECT_EQ(v.selectedText(), "1,1\t\"a\tb\"\n\"diz \"\"sim\"\"\"\t\"duas\nlinhas\"\n");
    // Two separate cells: the rectangle that holds them, the cells between left empty.
    v.clearSelection();
    v.selectionModel()->select(g.index(0, 0), QItemSelectionModel::Select);
    v.selectionModel()->select(g.index(1, 3), QItemSelectionModel::Select);
    EXPECT_EQ(v.selectedText(), "0,0\t\t\t\n\t\t\t1,3\n");
}

// Any grid's copy key, not only the result grids', fails into the error policy and not into the toolkit.
TEST(GridTableView, AFailingCopyEndsUnderTheErrorPolicy) {
    GridInView t;
    auto& [g, p, v] = t;
    fillNumbered(g, 3, 3);
    v.selectionModel()->select(g.index(2, 2), QItemSelectionModel::Select);
    // Inside a batch the view is not yet told that the selected cell is gone.
    g.beginChanges();
    g.setSize(1, 1);
    QTest::keyClick(&v, Qt::Key_C, Qt::ControlModifier);
    g.endChanges();
    ASSERT_EQ(p.dialogs.messages().size(), 1u);
    EXPECT_TRUE(p.dialogs.messages()[0].text.contains("fora da grade")) << p.dialogs.messages()[0].text.toStdString();
    EXPECT_EQ(p.ends, std::vector<int>{1});
}

}  // namespace

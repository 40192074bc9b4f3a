// The first rows and columns of a grid kept in view: where the views laid over stand and what they show after
// the grid scrolled, how they follow sizes, and that their cells remain the grid's own.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "grid.h"
#include "scripted_policy.h"

namespace {

using quelva::Grid;
using quelva::GridTableView;

// A grid of 60 × 40 cells reading "l,c", with columns and rows of uneven sizes, in a view
// much smaller than it, shown.
class FrozenHeadersTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.setSize(60, 40);
        g.beginChanges();
        for (int l = 0; l < 60; ++l)
            for (int c = 0; c < 40; ++c) g.setText(l, c, QStringLiteral("%1,%2").arg(l).arg(c));
        for (int c = 0; c < 40; ++c) g.setColumnWidth(c, 1200 + 100 * (c % 3));
        for (int l = 0; l < 60; ++l) g.setRowHeight(l, 360 + 120 * (l % 2));
        g.setColumnWidth(0, 2500);
        g.setRowHeight(0, 600);
        g.endChanges();
        v.setGrid(&g);
        v.setFrozenHeaders(1, 1);
        v.resize(420, 320);
        v.show();
        v.activateWindow();
        QApplication::processEvents();
    }
    void scroll(int horizontal, int vertical) {
        v.horizontalScrollBar()->setValue(horizontal);
        v.verticalScrollBar()->setValue(vertical);
        QApplication::processEvents();
    }
    QRect area() const { return v.viewport()->geometry(); }
    testing_support::ScriptedPolicy p;
    Grid g;
    GridTableView v{p.policy};
    // The parts laid over the view, as the view holds them.
    QTableView* rowPart() const { return v.findChild<QTableView*>("frozenRows"); }
    QTableView* columnPart() const { return v.findChild<QTableView*>("frozenColumns"); }
    QTableView* cornerPart() const { return v.findChild<QTableView*>("frozenCorner"); }
};

TEST_F(FrozenHeadersTest, TheHeaderRowAndColumnStayInViewWhereverTheGridScrolls) {
    ASSERT_NE(rowPart(), nullptr);
    ASSERT_NE(columnPart(), nullptr);
    ASSERT_NE(cornerPart(), nullptr);
    for (auto [h, vert] : {std::pair{v.horizontalScrollBar()->maximum(), v.verticalScrollBar()->maximum()},
                           std::pair{v.horizontalScrollBar()->maximum() / 2, 3}, std::pair{0, 0}}) {
        scroll(h, vert);
        SCOPED_TRACE(QStringLiteral("rolagem %1, %2").arg(h).arg(vert).toStdString());
        const QTableView& rowView = *rowPart();
        const QTableView& columnView = *columnPart();
        const QTableView& cornerView = *cornerPart();
        // Over the viewport's top edge, left edge and corner, exactly as big as the frozen cells.
        EXPECT_EQ(rowView.geometry(), QRect(area().x(), area().y(), area().width(), v.rowHeight(0)));
        EXPECT_EQ(columnView.geometry(), QRect(area().x(), area().y(), v.columnWidth(0), area().height()));
        EXPECT_EQ(cornerView.geometry(), QRect(area().x(), area().y(), v.columnWidth(0), v.rowHeight(0)));
        EXPECT_TRUE(rowView.isVisible() && columnView.isVisible() && cornerView.isVisible());
        EXPECT_EQ(cornerView.indexAt(QPoint(1, 1)), g.index(0, 0));
        EXPECT_EQ(cornerView.indexAt(QPoint(cornerView.width() - 1, cornerView.height() - 1)), g.index(0, 0));
        // The header row shows row 0 of the very columns the grid shows beneath it, each where the grid has
        // it; the header column column 0 of the very rows.
        int columns = 0, rows = 0;
        for (int c = 1; c < g.columns(); ++c) {
            const QRect below = v.visualRect(g.index(30, c));
            if (below.right() < 0 || below.left() >= area().width()) continue;
            ++columns;
            const QRect above = rowView.visualRect(g.index(0, c));
            EXPECT_EQ(above.left(), below.left()) << c;
            EXPECT_EQ(above.width(), below.width()) << c;
            EXPECT_EQ(above.top(), 0) << c;
            EXPECT_EQ(rowView.indexAt(QPoint(below.center().x(), rowView.height() / 2)), g.index(0, c)) << c;
        }
        for (int l = 1; l < g.rows(); ++l) {
            const QRect beside = v.visualRect(g.index(l, 20));
            if (beside.bottom() < 0 || beside.top() >= area().height()) continue;
            ++rows;
            const QRect frozen = columnView.visualRect(g.index(l, 0));
            EXPECT_EQ(frozen.top(), beside.top()) << l;
            EXPECT_EQ(frozen.height(), beside.height()) << l;
            EXPECT_EQ(frozen.left(), 0) << l;
            EXPECT_EQ(columnView.indexAt(QPoint(columnView.width() / 2, beside.center().y())), g.index(l, 0)) << l;
        }
        EXPECT_GE(columns, 3);
        EXPECT_GE(rows, 3);
    }
    // Far right and down, the last cells sit beside the headers of their row and column.
    scroll(v.horizontalScrollBar()->maximum(), v.verticalScrollBar()->maximum());
    const QRect lastColumn = rowPart()->visualRect(g.index(0, 39));
    EXPECT_EQ(lastColumn.left(), v.visualRect(g.index(59, 39)).left());
    EXPECT_LE(lastColumn.right(), area().width());
    const QRect lastRow = columnPart()->visualRect(g.index(59, 0));
    EXPECT_EQ(lastRow.top(), v.visualRect(g.index(59, 39)).top());
    EXPECT_LE(lastRow.bottom(), area().height());
    // The wheel over a header edge scrolls the whole grid, headers following.
    const int before = v.verticalScrollBar()->value();
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(rowPart()->viewport(), &wheel);
    QApplication::processEvents();
    EXPECT_LT(v.verticalScrollBar()->value(), before);
    EXPECT_EQ(rowPart()->indexAt(QPoint(1, 1)).row(), 0);
    EXPECT_EQ(columnPart()->indexAt(QPoint(1, area().height() - 1)), g.index(v.rowAt(area().height() - 1), 0));
}

TEST_F(FrozenHeadersTest, AssistiveTechnologyMeetsTheGridOnceAsOneTable) {
    EXPECT_NE(QAccessible::queryAccessibleInterface(&v)->tableInterface(), nullptr);
    ASSERT_EQ(v.findChildren<QTableView*>().size(), 3);
    for (QTableView* part : v.findChildren<QTableView*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(part);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->tableInterface(), nullptr);
        EXPECT_TRUE(a->state().invisible);
        EXPECT_EQ(a->childCount(), 0);
    }
}

TEST_F(FrozenHeadersTest, SizesAndPlaceFollowTheGridAndTheView) {
    // Measures of the grid, a section set on the view itself, and the view resized.
    g.setColumnWidth(0, 3000);
    g.setRowHeight(0, 900);
    v.setColumnWidth(7, 77);
    v.setRowHeight(9, 55);
    v.resize(600, 500);
    QApplication::processEvents();
    for (const QTableView* o : {rowPart(), columnPart(), cornerPart()}) {
        SCOPED_TRACE(o->objectName().toStdString());
        for (int c : {0, 7, 39}) EXPECT_EQ(o->columnWidth(c), v.columnWidth(c));
        for (int l : {0, 9, 59}) EXPECT_EQ(o->rowHeight(l), v.rowHeight(l));
    }
    EXPECT_EQ(rowPart()->columnWidth(7), 77);
    EXPECT_EQ(columnPart()->rowHeight(9), 55);
    EXPECT_EQ(rowPart()->geometry(), QRect(area().x(), area().y(), area().width(), v.rowHeight(0)));
    EXPECT_EQ(columnPart()->geometry(), QRect(area().x(), area().y(), v.columnWidth(0), area().height()));
    EXPECT_EQ(cornerPart()->size(), QSize(v.columnWidth(0), v.rowHeight(0)));

    // A grid filled anew with other sizes; then cut to nothing, which leaves nothing to lay over.
    g.setSize(80, 50);
    g.setColumnWidth(45, 2000);
    QApplication::processEvents();
    EXPECT_EQ(rowPart()->columnWidth(45), v.columnWidth(45));
    scroll(v.horizontalScrollBar()->maximum(), v.verticalScrollBar()->maximum());
    EXPECT_EQ(rowPart()->visualRect(g.index(0, 49)).left(), v.visualRect(g.index(79, 49)).left());
    EXPECT_LE(rowPart()->visualRect(g.index(0, 49)).right(), area().width());
    g.setSize(0, 0);
    QApplication::processEvents();
    EXPECT_FALSE(rowPart()->isVisible());
    EXPECT_FALSE(columnPart()->isVisible());
    EXPECT_FALSE(cornerPart()->isVisible());
    // A frozen edge as large as the viewport covers it and no more.
    g.setSize(3, 3);
    g.setRowHeight(0, 20000);
    QApplication::processEvents();
    EXPECT_EQ(rowPart()->height(), area().height());
}

TEST_F(FrozenHeadersTest, FrozenCellsAreTheGridsOwnToSelectCopyAndReach) {
    scroll(v.horizontalScrollBar()->maximum() / 2, v.verticalScrollBar()->maximum() / 2);
    // A click on a frozen cell selects it in the grid, where the copy finds it.
    const int y = area().height() / 2;
    const int row = v.rowAt(y);
    QTest::mouseClick(columnPart()->viewport(), Qt::LeftButton, {}, QPoint(3, y));
    EXPECT_EQ(v.currentIndex(), g.index(row, 0));
    EXPECT_EQ(v.selectedText(), QStringLiteral("%1,0\n").arg(row));
    // The keyboard goes to the grid, whose copy key copies what was clicked.
    ASSERT_TRUE(v.hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("%1,0\n").arg(row));
    const int x = area().width() / 2;
    const int clickedColumn = v.columnAt(x);
    QTest::mouseClick(rowPart()->viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(x, 3));
    EXPECT_TRUE(v.selectionModel()->isSelected(g.index(0, clickedColumn)));
    EXPECT_TRUE(v.selectionModel()->isSelected(g.index(row, 0)));

    // Reaching a cell of the header row scrolls sideways only; a cell hidden under the header row comes out
    // from under it.
    const int vertical = v.verticalScrollBar()->value();
    v.scrollTo(g.index(0, 39));
    EXPECT_EQ(v.verticalScrollBar()->value(), vertical);
    EXPECT_LE(v.visualRect(g.index(0, 39)).right(), area().width());
    const QModelIndex hidden = g.index(v.rowAt(1), 5);
    ASSERT_LT(v.visualRect(hidden).top(), rowPart()->height());
    v.scrollTo(hidden);
    EXPECT_GE(v.visualRect(hidden).top(), rowPart()->height());
    EXPECT_LT(v.verticalScrollBar()->value(), vertical);
    // Likewise under the header column, and the other way for a cell of the header column.
    const int horizontal = v.horizontalScrollBar()->value();
    const QModelIndex covered = g.index(20, v.columnAt(1));
    v.scrollTo(covered);
    EXPECT_GE(v.visualRect(covered).left(), columnPart()->width());
    v.horizontalScrollBar()->setValue(horizontal);
    v.scrollTo(g.index(58, 0));
    EXPECT_EQ(v.horizontalScrollBar()->value(), horizontal);
    EXPECT_GE(v.visualRect(g.index(58, 0)).top(), rowPart()->height());
    EXPECT_LE(v.visualRect(g.index(58, 0)).bottom(), area().height());
}

TEST(FrozenHeaders, NoneInANewViewAndNoneLeftWhenUnfrozen) {
    testing_support::ScriptedPolicy p;
    Grid g;
    g.setSize(5, 5);
    GridTableView v{p.policy};
    v.setGrid(&g);
    EXPECT_TRUE(v.findChildren<QTableView*>().isEmpty());
    v.setFrozenHeaders(1, 0);
    EXPECT_EQ(v.findChildren<QTableView*>().size(), 1);
    EXPECT_EQ(v.findChild<QTableView*>("frozenColumns"), nullptr);
    v.setFrozenHeaders(2, 1);
    EXPECT_EQ(v.findChildren<QTableView*>().size(), 3);
    EXPECT_EQ(v.findChild<QTableView*>("frozenRows")->height(), v.rowHeight(0) + v.rowHeight(1));
    EXPECT_EQ(v.findChild<QTableView*>("frozenColumns")->width(), v.columnWidth(0));
    // Another grid for the same view: the views laid over show it and share its selection.
    Grid other;
    other.setSize(4, 4);
    v.setGrid(&other);
    for (const QTableView* o : v.findChildren<QTableView*>()) {
        EXPECT_EQ(o->model(), &other);
        EXPECT_EQ(o->selectionModel(), v.selectionModel());
    }
    v.setFrozenHeaders(0, 0);
    EXPECT_TRUE(v.findChildren<QTableView*>().isEmpty());
}

}  // namespace

#pragma once
#include <QColor>
#include <memory>
#include <vector>

#include "cell_source.h"
#include "value_order.h"

namespace quelva {

class ResultRows;

// What tells Formato 1 and 2 apart: which way the result runs, the corner's text, and the colours and
// alignment of the header cells.
struct TableStyle {
    bool localitiesDown = true;  // a row per locality (Formato 1), else a column per locality (Formato 2)
    QString corner;
    QColor cornerColour, row0Colour, column0Colour;
    Qt::Alignment column0Alignment;  // of column 0 below the corner
};

// The variable the localities are sorted by (a field of the result, from 1) and which way; field 0 with None
// is the query's order.
struct SortKey {
    int field = 0;
    SortDirection direction = SortDirection::None;
};

// One variable of the result as the table shows it: its title and source, and each locality's name and
// cell in the table's order.
struct VariableSeries {
    QString variable;
    QString source;
    std::vector<QString> localities;
    std::vector<QString> cells;
};

// The cells of Formato 1 or 2, read from the result when asked: a header row and a name column, the corner
// in its own colour, the values centred in the value colour, every column kResultColumnWidth wide, each
// row as high as its longest text needs (measured once, from the lengths the result keeps). The localities
// stand in the order of its sort key: the order on screen, which the copy and the export read as they read
// any cell; the sorted variable's title carries an arrow beside its unchanged text.
class TableLayout : public CellSource {
public:
    TableLayout(std::shared_ptr<const ResultRows> rows, TableStyle style);

    int rows() const override;
    int columns() const override;
    GridCell cell(int row, int column) const override;
    QString text(int row, int column) const override;
    int columnWidth(int column) const override;
    int rowHeight(int row) const override;
    bool wordWrap() const override { return true; }

    const SortKey& sortKey() const { return key_; }
    // The same table with the localities in the order of `key`, sharing the result and its measures.
    std::shared_ptr<const TableLayout> sorted(SortKey key, const ValueOrder& order) const;
    // The field whose title the cell is (the first row of Formato 1, the first column of Formato 2); 0 for
    // any other cell.
    int titleField(int row, int column) const;
    // The field a cell belongs to; 0 for the corner and the locality names.
    int fieldOf(int row, int column) const;
    // The first field and one past the last that the table shows.
    int firstField() const { return 1; }
    int endField() const;
    VariableSeries series(int field) const;

private:
    // Screen row and column as record (-1 for the header) and field (0 for the names).
    void locate(int row, int column, int& record, int& field) const;
    int textLength(int record, int field) const;
    // The record at a place (from 0) of the localities on screen.
    int recordAt(int place) const { return order_.empty() ? place : order_[static_cast<std::size_t>(place)]; }

    std::shared_ptr<const ResultRows> rows_;
    TableStyle style_;
    QColor valueColour_;
    std::shared_ptr<const std::vector<int>> heights_;  // in the query's order
    SortKey key_;
    std::vector<int> order_;  // the record at each place; empty: the query's order
};

}  // namespace quelva

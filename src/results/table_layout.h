#pragma once
#include <QColor>
#include <memory>
#include <vector>

#include "cell_source.h"

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

// The cells of Formato 1 or 2, read from the result when asked: a header row and a name column, the corner
// in its own colour, the values centred in the value colour, every column kResultColumnWidth wide, each
// row as high as its longest text needs (measured once, from the lengths the result keeps).
class TableLayout : public CellSource {
public:
    TableLayout(std::shared_ptr<const ResultRows> rows, TableStyle style);

    int rows() const override;
    int columns() const override;
    GridCell cell(int row, int column) const override;
    QString text(int row, int column) const override;
    int columnWidth(int column) const override;
    int rowHeight(int row) const override { return heights_[static_cast<std::size_t>(row)]; }
    bool wordWrap() const override { return true; }

private:
    // Screen row and column as record (-1 for the header) and field (0 for the names).
    void locate(int row, int column, int& record, int& field) const;
    int textLength(int record, int field) const;

    std::shared_ptr<const ResultRows> rows_;
    TableStyle style_;
    QColor valueColour_;
    std::vector<int> heights_;
};

}  // namespace quelva

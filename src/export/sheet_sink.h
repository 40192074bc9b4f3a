#pragma once
// Where the exported worksheet goes: an .xls or .xlsx workbook, or a .csv text. The layout (worksheet.h) is
// written once over this interface, so that the three files hold the same rows.
#include <QColor>
#include <QString>
#include <vector>

namespace quelva {

// What a writer may show of the grid beyond its cells: where it starts, its columns' widths on screen, and
// whether its header row and first column stay in view while the sheet scrolls.
struct GridView {
    int firstRow = 0;                // rows and columns count from 0
    std::vector<int> columnWidths;   // in twips, one per grid column
    bool frozenHeaders = false;
};

// Cells arrive row by row and, within a row, from left to right; a row never comes back. Failures are
// xls::Error, their message naming the file and the reason.
class SheetSink {
public:
    virtual ~SheetSink() = default;

    // The most rows one sheet holds: the layout carries rows past it over to a second sheet.
    virtual int maxRows() const = 0;
    // Starts a worksheet with this name; the first one before any cell.
    virtual void startSheet(const QString& name) = 0;
    virtual void describeGrid(const GridView& grid) = 0;
    // `fill` is the background the cell has on screen when the writer should show it, invalid otherwise. An
    // empty `text` is an empty cell.
    virtual void text(int row, int column, const QString& text, const QColor& fill) = 0;
    // A cell whose text reads as a number: its value, and the text as the grid shows it.
    virtual void number(int row, int column, double value, const QString& text, const QColor& fill) = 0;
    // Writes the file, under its name only once complete.
    virtual void save() = 0;
};

}  // namespace quelva

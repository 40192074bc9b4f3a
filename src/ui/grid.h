#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QTableView>
#include <functional>
#include <memory>
#include <vector>

#include "cell_source.h"

namespace quelva {

// A grid as the program fills it: text cells addressed by row and column from 0, each with its own background,
// alignment, text colour, font size and weight; each column its own width and each row its own height, in
// twips; word wrap. No fixed rows or columns. One class serves every grid of the program (results, records, presentation).
// Its cells are either stored in it, written one by one, or worked out on demand by a CellSource: every read
// below answers from whichever the grid holds.
class Grid : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit Grid(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    using Cell = GridCell;

    // The cells, sizes and word wrap of `source` from now on, the stored cells dropped; null empties the grid.
    void setSource(std::shared_ptr<const CellSource> source);
    const CellSource* source() const { return source_.get(); }

    // Sizes of the stored cells: growing keeps what is there, shrinking drops the cells beyond. A grid that
    // had a source starts again from stored cells.
    void setSize(int rows, int columns);
    int rows() const { return source_ ? source_->rows() : rows_; }
    int columns() const { return source_ ? source_->columns() : columns_; }

    // A cell as the grid shows it; out of the grid throws std::out_of_range.
    Cell cell(int row, int column) const;
    QString text(int row, int column) const;
    // The same cell without a copy where it is stored; a computed one is put in `slot`. For readers of
    // every cell of a grid (the export).
    const Cell& cell(int row, int column, Cell& slot) const;
    // A stored cell, to be written; a grid with a source has none (std::logic_error).
    Cell& writableCell(int row, int column);
    void setText(int row, int column, const QString& text);

    void setColumnWidth(int column, int twips);
    int columnWidth(int column) const;
    void setRowHeight(int row, int twips);
    int rowHeight(int row) const;

    bool wordWrap() const { return source_ ? source_->wordWrap() : wordWrap_; }
    void setWordWrap(bool on);

    // Many cells changed at once: one notice to the views instead of one per cell.
    void beginChanges();
    void endChanges();

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : columns(); }
    // Empty for an index outside the grid, as a view may ask while the grid changes size.
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    void sizesChanged();

private:
    void notify(int row, int column);
    void checkInside(int row, int column) const;
    std::size_t offset(int row, int column) const;
    void requireStored() const;
    std::shared_ptr<const CellSource> source_;
    int rows_ = 0, columns_ = 0;
    std::vector<Cell> cells_;
    std::vector<int> widths_, heights_;
    bool wordWrap_ = false;
    int batchDepth_ = 0;
};

class ErrorPolicy;
class FrozenHeaders;

// The view of a Grid: no headers, sizes converted from twips at the screen's resolution. Cells can be
// selected, and Ctrl+C copies the selection as a spreadsheet expects it, under the program's error policy.
// A cell clicked, or Enter or Space on the current one, is told as chosen.
// Its first rows and columns may be kept in view while the rest scrolls.
class GridTableView : public QTableView {
    Q_OBJECT
public:
    explicit GridTableView(ErrorPolicy& policy, QWidget* parent = nullptr);
    ~GridTableView() override;
    void setGrid(Grid* grid);
    Grid* grid() const { return grid_; }

    // The first `rows` rows and `columns` columns stay in view while the rest scrolls (none of either in a new
    // view). They stay ordinary cells of the grid, with their own colours and sizes, selected and copied like
    // any other; only the screen keeps them.
    void setFrozenHeaders(int rows, int columns);

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // The selected cells as tab-separated text: the rectangle that holds the selection, one line per row
    // (cells of it that are not selected stay empty); a text holding a tab, a line break or a quote is put
    // in quotes, its quotes doubled. Empty without a selection.
    QString selectedText() const;

signals:
    // A cell the user chose: clicked, wherever it shows (frozen or not), or the current cell on Enter or
    // Space. What choosing a cell does is the owner's.
    void cellChosen(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void applySizes();
    Grid* grid_ = nullptr;
    // Sizes that changed while the view was hidden, applied when it is shown.
    bool sizesPending_ = false;
    ErrorPolicy& policy_;
    FrozenHeaders* frozen_ = nullptr;
};

// Default sizes of a new row and column, in twips.
inline constexpr int kDefaultGridColumnWidth = 975;
inline constexpr int kDefaultGridRowHeight = 240;

}  // namespace quelva

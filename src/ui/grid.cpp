#include "grid.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <stdexcept>
#include <string>

#include "error_policy.h"
#include "frozen_headers.h"

#include "twips.h"

namespace quelva {

namespace {

const char* const kAscending = "ordem crescente";
const char* const kDescending = "ordem decrescente";

}  // namespace

void Grid::setSource(std::shared_ptr<const CellSource> source) {
    if (!batchDepth_) beginResetModel();
    source_ = std::move(source);
    cells_ = {};
    widths_ = {};
    heights_ = {};
    rows_ = columns_ = 0;
    if (!batchDepth_) {
        endResetModel();
        emit sizesChanged();
    }
}

void Grid::setSize(int rows, int columns) {
    if (rows < 0 || columns < 0) throw std::out_of_range("tamanho de grade negativo");
    // Inside a batch the views are told once, at its end.
    if (!batchDepth_) beginResetModel();
    source_.reset();
    const std::size_t total = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    if (columns == columns_) {
        // Rows added or cut at the end: the cells stay where they are, and a grid grown one row at a time
        // costs no more than one grown at once.
        cells_.resize(total);
    } else {
        std::vector<Cell> resized(total);
        for (int l = 0; l < std::min(rows, rows_); ++l)
            for (int c = 0; c < std::min(columns, columns_); ++c)
                resized[static_cast<std::size_t>(l) * columns + c] = std::move(cells_[static_cast<std::size_t>(l) * columns_ + c]);
        cells_ = std::move(resized);
    }
    widths_.resize(static_cast<std::size_t>(columns), kDefaultGridColumnWidth);
    heights_.resize(static_cast<std::size_t>(rows), kDefaultGridRowHeight);
    rows_ = rows;
    columns_ = columns;
    if (!batchDepth_) {
        endResetModel();
        emit sizesChanged();
    }
}

void Grid::checkInside(int row, int column) const {
    // A column past the last would otherwise land on the next row's cell.
    if (row < 0 || row >= rows() || column < 0 || column >= columns())
        throw std::out_of_range("célula (" + std::to_string(row) + ", " + std::to_string(column) + ") fora da grade");
}

std::size_t Grid::offset(int row, int column) const {
    checkInside(row, column);
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

void Grid::requireStored() const {
    if (source_) throw std::logic_error("as células desta grade são calculadas, não gravadas");
}

Grid::Cell Grid::cell(int row, int column) const {
    if (!source_) return cells_[offset(row, column)];
    checkInside(row, column);
    return source_->cell(row, column);
}

const Grid::Cell& Grid::cell(int row, int column, Cell& slot) const {
    if (!source_) return cells_[offset(row, column)];
    checkInside(row, column);
    slot = source_->cell(row, column);
    return slot;
}

QString Grid::text(int row, int column) const {
    if (!source_) return cells_[offset(row, column)].text;
    checkInside(row, column);
    return source_->text(row, column);
}

Grid::Cell& Grid::writableCell(int row, int column) {
    requireStored();
    return cells_[offset(row, column)];
}

void Grid::setText(int row, int column, const QString& text) {
    writableCell(row, column).text = text;
    notify(row, column);
}

int Grid::columnWidth(int column) const {
    if (!source_) return widths_.at(static_cast<std::size_t>(column));
    if (column < 0 || column >= source_->columns()) throw std::out_of_range("coluna fora da grade");
    return source_->columnWidth(column);
}

int Grid::rowHeight(int row) const {
    if (!source_) return heights_.at(static_cast<std::size_t>(row));
    if (row < 0 || row >= source_->rows()) throw std::out_of_range("linha fora da grade");
    return source_->rowHeight(row);
}

void Grid::setColumnWidth(int column, int twips) {
    requireStored();
    widths_.at(static_cast<std::size_t>(column)) = twips;
    if (!batchDepth_) emit sizesChanged();
}

void Grid::setRowHeight(int row, int twips) {
    requireStored();
    heights_.at(static_cast<std::size_t>(row)) = twips;
    if (!batchDepth_) emit sizesChanged();
}

void Grid::setWordWrap(bool on) {
    requireStored();
    wordWrap_ = on;
    if (!batchDepth_) emit sizesChanged();
}

void Grid::beginChanges() {
    if (batchDepth_++ == 0) beginResetModel();
}

void Grid::endChanges() {
    if (--batchDepth_ == 0) {
        endResetModel();
        emit sizesChanged();
    }
}

void Grid::notify(int row, int column) {
    if (batchDepth_) return;
    QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

QVariant Grid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows() || index.column() >= columns()) return {};
    // The view asks for many roles a cell does not use; a computed cell is worked out only for those it has.
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case Qt::BackgroundRole:
    case Qt::TextAlignmentRole:
    case Qt::ForegroundRole:
    case Qt::FontRole:
    case Qt::DecorationRole:
    case Qt::AccessibleDescriptionRole: break;
    default: return {};
    }
    const Cell c = cell(index.row(), index.column());
    switch (role) {
    case Qt::BackgroundRole: return c.background.isValid() ? QVariant(c.background) : QVariant();
    case Qt::TextAlignmentRole: return QVariant(static_cast<int>(c.alignment));
    case Qt::ForegroundRole: return c.color.isValid() ? QVariant(c.color) : QVariant();
    case Qt::AccessibleDescriptionRole:
        // What the arrow shows, told to a screen reader.
        if (c.arrow == Cell::Arrow::None) return {};
        return QString::fromUtf8(c.arrow == Cell::Arrow::Up ? kAscending : kDescending);
    case Qt::DecorationRole:
        if (c.arrow == Cell::Arrow::None) return {};
        return QApplication::style()->standardIcon(c.arrow == Cell::Arrow::Up ? QStyle::SP_ArrowUp : QStyle::SP_ArrowDown);
    case Qt::FontRole:
        if (c.bold || c.fontSize > 0) {
            QFont f;
            f.setBold(c.bold);
            if (c.fontSize > 0) f.setPointSize(c.fontSize);
            return f;
        }
        return {};
    default: return {};
    }
}

GridTableView::GridTableView(ErrorPolicy& policy, QWidget* parent) : QTableView(parent), policy_(policy) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) { emit cellChosen(i.row(), i.column()); });
}

// The views laid over go first, while the headers, scroll bars and viewport they follow are still whole.
GridTableView::~GridTableView() { delete frozen_; }

void GridTableView::setGrid(Grid* grid) {
    if (grid_) disconnect(grid_, nullptr, this, nullptr);
    grid_ = grid;
    setModel(grid);
    if (frozen_) frozen_->followModel();
    if (grid) {
        connect(grid, &Grid::sizesChanged, this, &GridTableView::applySizes);
        applySizes();
    }
}

void GridTableView::applySizes() {
    if (!grid_) return;
    setWordWrap(grid_->wordWrap());
    // A result's hidden layouts (Formato 3 has a row per cell of the table) are sized when first shown, not
    // on the way to showing Formato 1.
    sizesPending_ = !isVisible();
    if (sizesPending_) return;
    const double dpi = logicalDpiY();
    // Row heights set one by one are quadratic in the header unless its updates wait for the loop's end.
    QHeaderView* v = verticalHeader();
    QHeaderView* h = horizontalHeader();
    v->setUpdatesEnabled(false);
    h->setUpdatesEnabled(false);
    for (int c = 0; c < grid_->columns(); ++c) h->resizeSection(c, twipsToPixels(grid_->columnWidth(c), logicalDpiX()));
    for (int l = 0; l < grid_->rows(); ++l) v->resizeSection(l, twipsToPixels(grid_->rowHeight(l), dpi));
    h->setUpdatesEnabled(true);
    v->setUpdatesEnabled(true);
    if (frozen_) frozen_->place();
}

void GridTableView::setFrozenHeaders(int rows, int columns) {
    if (!frozen_) {
        frozen_ = new FrozenHeaders(*this, [this](const std::function<void()>& f) { policy_.run(f); });
        connect(frozen_, &FrozenHeaders::clicked, this, [this](const QModelIndex& i) { emit cellChosen(i.row(), i.column()); });
    }
    frozen_->set(rows, columns);
}


void GridTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    const int horizontal = horizontalScrollBar()->value(), vertical = verticalScrollBar()->value();
    QTableView::scrollTo(index, hint);
    if (frozen_) frozen_->keepClear(index, horizontal, vertical);
}

namespace {

QString quotedCell(const QString& t) {
    if (!t.contains(u'\t') && !t.contains(u'\n') && !t.contains(u'\r') && !t.contains(u'"')) return t;
    QString r = t;
    return u'"' + r.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

}  // namespace

QString GridTableView::selectedText() const {
    if (!grid_ || !selectionModel()) return {};
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) return {};
    int top = grid_->rows(), bottom = -1, left = grid_->columns(), right = -1;
    for (const QItemSelectionRange& r : selection) {
        top = std::min(top, r.top());
        bottom = std::max(bottom, r.bottom());
        left = std::min(left, r.left());
        right = std::max(right, r.right());
    }
    const bool rectangle = selection.size() == 1;
    QString text;
    for (int l = top; l <= bottom; ++l) {
        for (int c = left; c <= right; ++c) {
            if (c > left) text += u'\t';
            if (rectangle || selection.contains(grid_->index(l, c))) text += quotedCell(grid_->text(l, c));
        }
        text += u'\n';
    }
    return text;
}

void GridTableView::showEvent(QShowEvent* e) {
    QTableView::showEvent(e);
    if (sizesPending_) policy_.run([this] { applySizes(); });
}

void GridTableView::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    // Where no one takes the chosen cell, the keys keep their ordinary work.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        currentIndex().isValid() && isSignalConnected(QMetaMethod::fromSignal(&GridTableView::cellChosen))) {
        const QModelIndex current = currentIndex();
        emit cellChosen(current.row(), current.column());
        e->accept();
        return;
    }
    if (!e->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(e);
        return;
    }
    policy_.run([this] { QApplication::clipboard()->setText(selectedText()); });
    e->accept();
}

}  // namespace quelva

#include "grade.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <stdexcept>
#include <string>

#include "error_policy.h"
#include "frozen_headers.h"

#include "twips.h"

namespace quelva {

void Grade::definirFonte(std::shared_ptr<const CellSource> source) {
    if (!batchDepth_) beginResetModel();
    source_ = std::move(source);
    cells_ = {};
    widths_ = {};
    heights_ = {};
    rows_ = columns_ = 0;
    if (!batchDepth_) {
        endResetModel();
        emit medidasAlteradas();
    }
}

void Grade::definirTamanho(int rows, int columns) {
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
        std::vector<Celula> resized(total);
        for (int l = 0; l < std::min(rows, rows_); ++l)
            for (int c = 0; c < std::min(columns, columns_); ++c)
                resized[static_cast<std::size_t>(l) * columns + c] = std::move(cells_[static_cast<std::size_t>(l) * columns_ + c]);
        cells_ = std::move(resized);
    }
    widths_.resize(static_cast<std::size_t>(columns), kLarguraColunaPadrao);
    heights_.resize(static_cast<std::size_t>(rows), kAlturaLinhaPadrao);
    rows_ = rows;
    columns_ = columns;
    if (!batchDepth_) {
        endResetModel();
        emit medidasAlteradas();
    }
}

void Grade::checkInside(int row, int column) const {
    // A column past the last would otherwise land on the next row's cell.
    if (row < 0 || row >= linhas() || column < 0 || column >= colunas())
        throw std::out_of_range("célula (" + std::to_string(row) + ", " + std::to_string(column) + ") fora da grade");
}

std::size_t Grade::offset(int row, int column) const {
    checkInside(row, column);
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

void Grade::requireStored() const {
    if (source_) throw std::logic_error("as células desta grade são calculadas, não gravadas");
}

Grade::Celula Grade::celula(int row, int column) const {
    if (!source_) return cells_[offset(row, column)];
    checkInside(row, column);
    return source_->cell(row, column);
}

const Grade::Celula& Grade::celula(int row, int column, Celula& slot) const {
    if (!source_) return cells_[offset(row, column)];
    checkInside(row, column);
    slot = source_->cell(row, column);
    return slot;
}

QString Grade::texto(int row, int column) const {
    if (!source_) return cells_[offset(row, column)].texto;
    checkInside(row, column);
    return source_->text(row, column);
}

Grade::Celula& Grade::writableCell(int row, int column) {
    requireStored();
    return cells_[offset(row, column)];
}

void Grade::definirTexto(int row, int column, const QString& text) {
    writableCell(row, column).texto = text;
    notify(row, column);
}

int Grade::larguraColuna(int column) const {
    if (!source_) return widths_.at(static_cast<std::size_t>(column));
    if (column < 0 || column >= source_->columns()) throw std::out_of_range("coluna fora da grade");
    return source_->columnWidth(column);
}

int Grade::alturaLinha(int row) const {
    if (!source_) return heights_.at(static_cast<std::size_t>(row));
    if (row < 0 || row >= source_->rows()) throw std::out_of_range("linha fora da grade");
    return source_->rowHeight(row);
}

void Grade::definirLarguraColuna(int column, int twips) {
    requireStored();
    widths_.at(static_cast<std::size_t>(column)) = twips;
    if (!batchDepth_) emit medidasAlteradas();
}

void Grade::definirAlturaLinha(int row, int twips) {
    requireStored();
    heights_.at(static_cast<std::size_t>(row)) = twips;
    if (!batchDepth_) emit medidasAlteradas();
}

void Grade::definirQuebraTexto(bool on) {
    requireStored();
    wordWrap_ = on;
    if (!batchDepth_) emit medidasAlteradas();
}

void Grade::iniciarAlteracoes() {
    if (batchDepth_++ == 0) beginResetModel();
}

void Grade::concluirAlteracoes() {
    if (--batchDepth_ == 0) {
        endResetModel();
        emit medidasAlteradas();
    }
}

void Grade::notify(int row, int column) {
    if (batchDepth_) return;
    QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

QVariant Grade::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= linhas() || index.column() >= colunas()) return {};
    // The view asks for many roles a cell does not use; a computed cell is worked out only for those it has.
    switch (role) {
    case Qt::DisplayRole: return texto(index.row(), index.column());
    case Qt::BackgroundRole:
    case Qt::TextAlignmentRole:
    case Qt::ForegroundRole:
    case Qt::FontRole: break;
    default: return {};
    }
    const Celula c = celula(index.row(), index.column());
    switch (role) {
    case Qt::BackgroundRole: return c.fundo.isValid() ? QVariant(c.fundo) : QVariant();
    case Qt::TextAlignmentRole: return QVariant(static_cast<int>(c.alinhamento));
    case Qt::ForegroundRole: return c.cor.isValid() ? QVariant(c.cor) : QVariant();
    case Qt::FontRole:
        if (c.negrito || c.tamanhoFonte > 0) {
            QFont f;
            f.setBold(c.negrito);
            if (c.tamanhoFonte > 0) f.setPointSize(c.tamanhoFonte);
            return f;
        }
        return {};
    default: return {};
    }
}

VisaoGrade::VisaoGrade(ErrorPolicy& policy, QWidget* parent) : QTableView(parent), policy_(policy) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
}

// The views laid over go first, while the headers, scroll bars and viewport they follow are still whole.
VisaoGrade::~VisaoGrade() { delete frozen_; }

void VisaoGrade::definirGrade(Grade* grid) {
    if (grid_) disconnect(grid_, nullptr, this, nullptr);
    grid_ = grid;
    setModel(grid);
    if (frozen_) frozen_->followModel();
    if (grid) {
        connect(grid, &Grade::medidasAlteradas, this, &VisaoGrade::applySizes);
        applySizes();
    }
}

void VisaoGrade::applySizes() {
    if (!grid_) return;
    setWordWrap(grid_->quebraTexto());
    const double dpi = logicalDpiY();
    // Row heights set one by one are quadratic in the header unless its updates wait for the loop's end.
    QHeaderView* v = verticalHeader();
    QHeaderView* h = horizontalHeader();
    v->setUpdatesEnabled(false);
    h->setUpdatesEnabled(false);
    for (int c = 0; c < grid_->colunas(); ++c) h->resizeSection(c, twipsParaPixels(grid_->larguraColuna(c), logicalDpiX()));
    for (int l = 0; l < grid_->linhas(); ++l) v->resizeSection(l, twipsParaPixels(grid_->alturaLinha(l), dpi));
    h->setUpdatesEnabled(true);
    v->setUpdatesEnabled(true);
    if (frozen_) frozen_->place();
}

void VisaoGrade::setFrozenHeaders(int rows, int columns) {
    if (!frozen_) frozen_ = new FrozenHeaders(*this, [this](const std::function<void()>& f) { policy_.run(f); });
    frozen_->set(rows, columns);
}

int VisaoGrade::frozenRows() const { return frozen_ ? frozen_->rows() : 0; }
int VisaoGrade::frozenColumns() const { return frozen_ ? frozen_->columns() : 0; }

void VisaoGrade::scrollTo(const QModelIndex& index, ScrollHint hint) {
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

QString VisaoGrade::textoSelecionado() const {
    if (!grid_ || !selectionModel()) return {};
    const QItemSelection selection = selectionModel()->selection();
    if (selection.isEmpty()) return {};
    int top = grid_->linhas(), bottom = -1, left = grid_->colunas(), right = -1;
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
            if (rectangle || selection.contains(grid_->index(l, c))) text += quotedCell(grid_->texto(l, c));
        }
        text += u'\n';
    }
    return text;
}

void VisaoGrade::keyPressEvent(QKeyEvent* e) {
    if (!e->matches(QKeySequence::Copy)) {
        QTableView::keyPressEvent(e);
        return;
    }
    policy_.run([this] { QApplication::clipboard()->setText(textoSelecionado()); });
    e->accept();
}

}  // namespace quelva

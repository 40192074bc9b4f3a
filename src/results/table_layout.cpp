#include "table_layout.h"

#include <algorithm>

#include "grid_rules.h"
#include "result_rows.h"

namespace quelva {

TableLayout::TableLayout(std::shared_ptr<const ResultRows> rows, TableStyle style)
    : rows_(std::move(rows)), style_(std::move(style)), valueColour_(valueColour()) {
    const int R = this->rows(), C = columns();
    std::vector<int> heights(static_cast<std::size_t>(R), 0);
    for (int l = 0; l < R; ++l) {
        int& longest = heights[static_cast<std::size_t>(l)];
        for (int c = 0; c < C; ++c) {
            int record = 0, field = 0;
            locate(l, c, record, field);
            longest = std::max(longest, textLength(record, field));
        }
    }
    AjustarAlturaLinhas(heights);
    heights_ = std::make_shared<const std::vector<int>>(std::move(heights));
}

int TableLayout::rows() const { return style_.localitiesDown ? rows_->records() + 1 : rows_->tableFields(); }
int TableLayout::columns() const { return style_.localitiesDown ? rows_->tableFields() : rows_->records() + 1; }
int TableLayout::endField() const { return rows_->tableFields(); }

void TableLayout::locate(int row, int column, int& record, int& field) const {
    const int place = (style_.localitiesDown ? row : column) - 1;
    record = place < 0 ? -1 : recordAt(place);
    field = style_.localitiesDown ? column : row;
}

int TableLayout::rowHeight(int row) const {
    // A row of Formato 1 is a locality's, and moves with it; a row of Formato 2 is a field's.
    const int measured = style_.localitiesDown && row > 0 ? recordAt(row - 1) + 1 : row;
    return (*heights_)[static_cast<std::size_t>(measured)];
}

int TableLayout::textLength(int record, int field) const {
    if (record < 0) return static_cast<int>(field == 0 ? style_.corner.size() : rows_->title(field).size());
    return field == 0 ? static_cast<int>(rows_->place(record).size()) : rows_->length(record, field);
}

QString TableLayout::text(int row, int column) const {
    int record = 0, field = 0;
    locate(row, column, record, field);
    if (record < 0) return field == 0 ? style_.corner : rows_->title(field);
    return field == 0 ? rows_->place(record) : rows_->value(record, field);
}

GridCell TableLayout::cell(int row, int column) const {
    GridCell c;
    c.text = text(row, column);
    c.alignment = Qt::AlignCenter;
    if (row == 0) {
        c.background = column == 0 ? style_.cornerColour : style_.row0Colour;
    } else if (column == 0) {
        c.background = style_.column0Colour;
        c.alignment = style_.column0Alignment;
    } else {
        c.background = valueColour_;
    }
    if (key_.direction != SortDirection::None && titleField(row, column) == key_.field)
        c.arrow = key_.direction == SortDirection::Descending ? GridCell::Arrow::Down : GridCell::Arrow::Up;
    return c;
}

int TableLayout::columnWidth(int) const { return kResultColumnWidth; }

int TableLayout::titleField(int row, int column) const {
    const int title = style_.localitiesDown ? row : column, field = style_.localitiesDown ? column : row;
    return title == 0 && field > 0 ? field : 0;
}

int TableLayout::fieldOf(int row, int column) const { return style_.localitiesDown ? column : row; }

std::shared_ptr<const TableLayout> TableLayout::sorted(SortKey key, const ValueOrder& order) const {
    auto copy = std::make_shared<TableLayout>(*this);
    copy->key_ = key;
    copy->order_.clear();
    if (key.direction == SortDirection::None || key.field <= 0 || key.field >= endField()) {
        copy->key_ = SortKey{};
        return copy;
    }
    std::vector<QString> cells;
    cells.reserve(static_cast<std::size_t>(rows_->records()));
    for (int r = 0; r < rows_->records(); ++r) cells.push_back(rows_->value(r, key.field));
    copy->order_ = order.sorted(cells, key.direction);
    return copy;
}

VariableSeries TableLayout::series(int field) const {
    VariableSeries s;
    s.variable = rows_->title(field);
    s.source = rows_->source(field);
    for (int p = 0; p < rows_->records(); ++p) {
        s.localities.push_back(rows_->place(recordAt(p)));
        s.cells.push_back(rows_->value(recordAt(p), field));
    }
    return s;
}

}  // namespace quelva

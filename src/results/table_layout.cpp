#include "table_layout.h"

#include <algorithm>

#include "grid_rules.h"
#include "result_rows.h"

namespace quelva {

TableLayout::TableLayout(std::shared_ptr<const ResultRows> rows, TableStyle style)
    : rows_(std::move(rows)), style_(std::move(style)), valueColour_(valueColour()) {
    const int R = this->rows(), C = columns();
    heights_.assign(static_cast<std::size_t>(R), 0);
    for (int l = 0; l < R; ++l) {
        int& longest = heights_[static_cast<std::size_t>(l)];
        for (int c = 0; c < C; ++c) {
            int record = 0, field = 0;
            locate(l, c, record, field);
            longest = std::max(longest, textLength(record, field));
        }
    }
    AjustarAlturaLinhas(heights_);
}

int TableLayout::rows() const { return style_.localitiesDown ? rows_->records() + 1 : rows_->tableFields(); }
int TableLayout::columns() const { return style_.localitiesDown ? rows_->tableFields() : rows_->records() + 1; }

void TableLayout::locate(int row, int column, int& record, int& field) const {
    record = (style_.localitiesDown ? row : column) - 1;
    field = style_.localitiesDown ? column : row;
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
    return c;
}

int TableLayout::columnWidth(int) const { return kResultColumnWidth; }

}  // namespace quelva

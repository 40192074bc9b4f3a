#include <algorithm>
#include <vector>

#include "cell_source.h"
#include "layouts.h"
#include "grid.h"
#include "grid_rules.h"
#include "result_rows.h"
#include "twips.h"

namespace quelva {

namespace {

const char* kLocalityPrefix = "Município: ";
// Column 1 leaves this much of the grid's width free, for the scroll bar.
constexpr int kColumn1Margin = 400;

// The record cards, read from the result when asked: for each record a heading row naming the locality,
// then a row per field (title, value), the M1 fields from the record's cut on left out. Where each card
// starts and every row's height are worked out once.
class CardLayout : public CellSource {
public:
    CardLayout(std::shared_ptr<const ResultRows> rows, int gridWidth)
        : rows_(std::move(rows)), prefix_(QString::fromUtf8(kLocalityPrefix)), valueColour_(valueColour()) {
        const int F = rows_->fields();
        for (int i = 1; i < F; ++i)
            if (!rows_->isM1(i)) plainFields_.push_back(i);
        starts_.reserve(static_cast<std::size_t>(rows_->records()) + 1);
        starts_.push_back(0);
        std::vector<int> longestText;
        for (int p = 0; p < rows_->records(); ++p) {
            longestText.push_back(static_cast<int>(prefix_.size() + rows_->place(p).size()));
            for (int k = 0, n = fieldCount(p); k < n; ++k) {
                const int field = fieldAt(p, k);
                longestText.push_back(std::max(static_cast<int>(rows_->title(field).size()), rows_->length(p, field)));
            }
            starts_.push_back(static_cast<int>(longestText.size()));
        }
        AjustarAlturaLinhas(longestText);
        heights_ = std::move(longestText);
        widths_[0] = roundHalfEven(gridWidth / 4.0 * 2.5);
        widths_[1] = gridWidth - widths_[0] - kColumn1Margin;
    }

    int rows() const override { return starts_.back(); }
    int columns() const override { return 2; }
    int columnWidth(int column) const override { return widths_[column]; }
    int rowHeight(int row) const override { return heights_[static_cast<std::size_t>(row)]; }
    bool wordWrap() const override { return true; }

    QString text(int row, int column) const override {
        int record = 0, field = 0;
        locate(row, record, field);
        if (field == 0) return column == 0 ? prefix_ + rows_->place(record) : QString();
        return column == 0 ? rows_->title(field) : rows_->value(record, field);
    }

    GridCell cell(int row, int column) const override {
        int record = 0, field = 0;
        locate(row, record, field);
        GridCell c;
        c.text = text(row, column);
        c.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        if (field == 0) {
            c.background = localityColour();
        } else if (column == 0) {
            c.background = variableColour();
        } else {
            c.background = valueColour_;
            c.alignment = Qt::AlignCenter;
        }
        return c;
    }

private:
    // How many fields record `p`'s card lists: every field before its cut, and the plain ones after it.
    int fieldCount(int p) const {
        const int cut = rows_->m1CutFrom(p);
        return cut - 1 + static_cast<int>(plainFields_.end() - plainsFrom(cut));
    }
    // The `k`th field record `p`'s card lists.
    int fieldAt(int p, int k) const {
        const int cut = rows_->m1CutFrom(p);
        return k < cut - 1 ? k + 1 : plainsFrom(cut)[k - (cut - 1)];
    }
    std::vector<int>::const_iterator plainsFrom(int field) const {
        return std::lower_bound(plainFields_.begin(), plainFields_.end(), field);
    }
    // A row as its record and field; field 0 for the heading.
    void locate(int row, int& record, int& field) const {
        record = static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), row) - starts_.begin()) - 1;
        const int k = row - starts_[static_cast<std::size_t>(record)];
        field = k == 0 ? 0 : fieldAt(record, k - 1);
    }

    std::shared_ptr<const ResultRows> rows_;
    QString prefix_;
    QColor valueColour_;
    std::vector<int> plainFields_;  // the fields outside the M1 group, in order
    std::vector<int> starts_;       // the heading row of each card, and the row count last
    std::vector<int> heights_;
    int widths_[2] = {};
};

}  // namespace

void MontarFormato3(const std::shared_ptr<const ResultRows>& result, Grid& grid, int gridWidth) {
    if (!result) return;
    grid.setSource(std::make_shared<const CardLayout>(result, gridWidth));
}

}  // namespace quelva

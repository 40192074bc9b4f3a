#include "value_order.h"

#include <algorithm>
#include <numeric>

#include "cell_number.h"
#include "notes.h"
#include "text.h"

namespace quelva {

SortDirection nextDirection(SortDirection d) {
    switch (d) {
    case SortDirection::None: return SortDirection::Descending;
    case SortDirection::Descending: return SortDirection::Ascending;
    case SortDirection::Ascending: break;
    }
    return SortDirection::None;
}

ValueOrder::ValueOrder() : text_(std::make_unique<jet::TextRules>()), codes_(legendCodes()) {}
ValueOrder::~ValueOrder() = default;

ValueOrder::Rank ValueOrder::rank(const QString& cell) const {
    Rank r;
    if (cell.isEmpty()) return r;
    if (const std::optional<double> n = numberFromCellText(cell)) {
        r.kind = Kind::Number;
        r.number = *n;
        return r;
    }
    const auto code = std::find(codes_.begin(), codes_.end(), cell);
    if (code != codes_.end()) {
        r.kind = Kind::Code;
        r.code = static_cast<int>(code - codes_.begin());
        return r;
    }
    r.kind = Kind::Text;
    r.key = text_->sortKey(cell.toStdString());
    return r;
}

bool ValueOrder::before(const Rank& a, const Rank& b, SortDirection d) {
    if (a.kind != b.kind) return a.kind < b.kind;
    const bool descending = d == SortDirection::Descending;
    switch (a.kind) {
    case Kind::Number: return descending ? a.number > b.number : a.number < b.number;
    case Kind::Text: return descending ? a.key > b.key : a.key < b.key;
    case Kind::Code: return a.code < b.code;
    case Kind::Empty: break;
    }
    return false;
}

std::vector<int> ValueOrder::sorted(const std::vector<QString>& cells, SortDirection d) const {
    std::vector<int> positions(cells.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (d == SortDirection::None) return positions;
    std::vector<Rank> ranks;
    ranks.reserve(cells.size());
    for (const QString& c : cells) ranks.push_back(rank(c));
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        return before(ranks[static_cast<std::size_t>(a)], ranks[static_cast<std::size_t>(b)], d);
    });
    return positions;
}

}  // namespace quelva

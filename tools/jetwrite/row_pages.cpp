#include "row_pages.h"

namespace jetwrite {

RowPages::RowPages(PageFile& file, std::uint32_t owner, std::uint32_t first) : file_(file), owner_(owner) {
    if (first != 0) open(first);
}

void RowPages::open(std::uint32_t page) {
    Bytes& p = file_.page(page);
    p[0] = 0x01;
    p[1] = 0x01;
    put32(p, 4, owner_);
    current_ = page;
    rows_ = 0;
    top_ = file_.format().pageSize;
    pages_.push_back(page);
}

std::uint32_t RowPages::add(const Bytes& row) {
    const Format& f = file_.format();
    const int size = static_cast<int>(row.size());
    const auto tableEnd = [&] { return f.rowCountOffset + 2 + 2 * (rows_ + 1); };
    if (current_ == 0 || top_ - size < tableEnd()) open(file_.allocate());
    Bytes& p = file_.page(current_);
    top_ -= size;
    std::copy(row.begin(), row.end(), p.begin() + top_);
    put16(p, static_cast<std::size_t>(f.rowCountOffset + 2 + 2 * rows_), static_cast<std::uint32_t>(top_));
    ++rows_;
    put16(p, static_cast<std::size_t>(f.rowCountOffset), static_cast<std::uint32_t>(rows_));
    put16(p, 2, static_cast<std::uint32_t>(top_ - (f.rowCountOffset + 2 + 2 * rows_)));
    return rowPointer(current_, rows_ - 1);
}

}  // namespace jetwrite

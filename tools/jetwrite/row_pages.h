#pragma once
#include <cstdint>
#include <vector>

#include "page_file.h"

namespace jetwrite {

// Rows packed into pages of one owner (a table's definition page, or long values): rows fill a page from
// its end towards its header, and a row that no longer fits starts the next page.
class RowPages {
public:
    // `first`: a page already taken to fill before any new one (0: none).
    RowPages(PageFile& file, std::uint32_t owner, std::uint32_t first = 0);
    // Adds the row (at most Format::maxRowSize() bytes) and returns its pointer.
    std::uint32_t add(const Bytes& row);
    // Starts a page of its own for the next row.
    void breakPage() { current_ = 0; }
    const std::vector<std::uint32_t>& pages() const { return pages_; }

private:
    void open(std::uint32_t page);

    PageFile& file_;
    std::uint32_t owner_;
    std::uint32_t current_ = 0;
    int rows_ = 0;
    int top_ = 0;
    std::vector<std::uint32_t> pages_;
};

// What long-value pages carry where a data page names its table.
inline constexpr std::uint32_t kLongValueOwner = 0x4C41564C;  // "LVAL"

}  // namespace jetwrite

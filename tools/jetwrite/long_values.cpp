#include "long_values.h"

namespace jetwrite {
namespace {

constexpr std::uint32_t kInline = 0x80000000;
constexpr std::uint32_t kSingleRow = 0x40000000;
constexpr std::size_t kNextPointer = 4;

Bytes header(std::size_t length, std::uint32_t form, std::uint32_t pointer) {
    Bytes h;
    append(h, static_cast<std::uint32_t>(length) | form, 4);
    append(h, pointer, 4);
    append(h, 0, 4);
    return h;
}

}  // namespace

Bytes inlineLongValue(const Bytes& value) {
    Bytes field = header(value.size(), kInline, 0);
    append(field, value);
    return field;
}

Bytes storeLongValue(PageFile& file, const Bytes& value) {
    const auto capacity = static_cast<std::size_t>(file.format().maxRowSize());
    if (value.size() <= capacity) {
        RowPages page(file, kLongValueOwner);
        return header(value.size(), kSingleRow, page.add(value));
    }
    // The pieces are written last to first, so that each knows the page of the one after it.
    const std::size_t piece = capacity - kNextPointer;
    const std::size_t count = (value.size() + piece - 1) / piece;
    std::vector<std::uint32_t> pages(count);
    for (auto& p : pages) p = file.allocate();
    std::uint32_t next = 0;
    for (std::size_t k = count; k-- > 0;) {
        Bytes row;
        append(row, next, 4);
        const auto from = value.begin() + static_cast<std::ptrdiff_t>(k * piece);
        row.insert(row.end(), from, from + static_cast<std::ptrdiff_t>(std::min(piece, value.size() - k * piece)));
        RowPages page(file, kLongValueOwner, pages[k]);
        next = page.add(row);
    }
    return header(value.size(), 0, next);
}

}  // namespace jetwrite

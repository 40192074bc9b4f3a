#pragma once
#include "row_pages.h"

namespace jetwrite {

// A memo's 12 bytes in its row (length, where the value is, a pointer), followed by the value itself when
// it stays in the row.
inline constexpr std::size_t kLongValueHeader = 12;

// The field of a value kept in the row.
Bytes inlineLongValue(const Bytes& value);

// Writes the value outside the row and returns its field: on a long-value page of its own when it fits
// one row, otherwise in pieces chained across pages, each piece pointing to the next.
Bytes storeLongValue(PageFile& file, const Bytes& value);

}  // namespace jetwrite

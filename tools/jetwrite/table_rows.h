#pragma once
#include "row_pages.h"
#include "table_layout.h"

namespace jetwrite {

// Writes the table's rows into data pages of its own, their long values as they come; returns the data
// pages. A row that does not fit a page even with every memo outside it is a WriteError naming the row.
std::vector<std::uint32_t> writeRows(PageFile& file, const Table& t, const TableLayout& layout, std::uint32_t owner);

}  // namespace jetwrite

#pragma once
#include <optional>
#include <vector>

#include "table_layout.h"
#include "bytes.h"

namespace jetwrite {

// One row's values as their bytes: nothing for a Null; a Yes/No as its bit.
struct RowFields {
    std::vector<std::optional<Bytes>> bytes;
    std::vector<bool> bits;
};

// The row as a data page stores it: the column count, the fixed values, the variable ones, their offsets
// (Jet 3: one byte each, with the table of 256-byte jumps), their count and the null mask.
Bytes buildRow(const Format& f, const TableLayout& layout, const RowFields& fields);

}  // namespace jetwrite

#pragma once
#include <vector>

#include "bytes.h"
#include "table_layout.h"

namespace jetwrite {

// Refuses what Jet would refuse or a reader would misread, with a WriteError that names the table and the
// column: a name Jet does not take, more than 255 columns, a text longer than its column, a value of
// another type than its column's, a number out of its type's range, a Null in a Yes/No column (Jet keeps
// Yes/No in the row's null bit, so a Null would read as No). Whether a row fits a page is checked where it
// is laid out.
void validate(const Format& f, const std::vector<Table>& tables);

// Refuses the Jet 3 row `r` of `t`, as built, that readers would misread. They count a row's jumps from
// its length and drop one placeholder (0xFF) when the data ends below the last boundary; a second one
// stays and, with 255 variable columns, matches the index of the end of the data, which then reads 256
// bytes further: the last variable column's value, unless it is Null, would take in the row's offsets.
// Access 97 writes 0xFF there too, so no other placeholder is safe.
void checkJumpTable(const Format& f, const Table& t, std::size_t r, const TableLayout& layout, const Bytes& row);

// "a tabela 'T', coluna 'C'", the prefix of every message about a value or a column.
std::string place(const Table& t, const Column* c = nullptr);

}  // namespace jetwrite

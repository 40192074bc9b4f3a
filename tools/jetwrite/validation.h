#pragma once
#include <vector>

#include "format.h"

namespace jetwrite {

// Refuses what Jet would refuse or a reader would misread, with a WriteError that names the table and the
// column: a name Jet does not take, more than 255 columns, a text longer than its column, a value of
// another type than its column's, a number out of its type's range, a Null in a Yes/No column (Jet keeps
// Yes/No in the row's null bit, so a Null would read as No). Whether a row fits a page is checked where it
// is laid out.
void validate(const Format& f, const std::vector<Table>& tables);

// "a tabela 'T', coluna 'C'", the prefix of every message about a value or a column.
std::string place(const Table& t, const Column* c = nullptr);

}  // namespace jetwrite

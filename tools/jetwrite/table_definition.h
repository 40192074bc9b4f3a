#pragma once
#include <vector>

#include "table_layout.h"
#include "page_file.h"

namespace jetwrite {

struct DefinitionFacts {
    bool system = false;
    std::uint32_t rows = 0;
    std::uint32_t usedPages = 0;  // pointer to the row of the table's usage map
    std::uint32_t freePages = 0;  // pointer to the row of its map of pages with free space
};

// The table definition as one run of bytes, starting with room for its first page's 8-byte header: the
// table's counts and map pointers, one entry per column, the column names. No index is declared.
Bytes tableDefinition(const Format& f, const Table& t, const TableLayout& layout, const DefinitionFacts& facts);

// How many pages a definition of `length` bytes spans (each page repeats the 8-byte header).
std::size_t definitionPageCount(const Format& f, std::size_t length);

// Writes the definition over `pages`, each pointing to the next.
void writeDefinition(PageFile& file, const std::vector<std::uint32_t>& pages, const Bytes& definition);

}  // namespace jetwrite

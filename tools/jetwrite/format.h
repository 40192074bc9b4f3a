#pragma once
#include <cstdint>

#include "description.h"

namespace jetwrite {

// Where the two versions differ in their page layouts.
struct Format {
    Version version;
    int pageSize;
    int rowCountOffset;   // the number of rows of a data page; its row offsets follow
    int mapSize;          // the size of a table's usage map
    int columnEntrySize;  // a column's entry in the table definition
    int definitionStart;  // where the table definition's column entries start (there are no indexes)

    bool jet4() const { return version == Version::Jet4; }
    // The largest row a data page holds: the page less its header and the row's offset.
    int maxRowSize() const { return pageSize - rowCountOffset - 4; }
};

const Format& formatOf(Version v);

// The code page and sort order ("General") every text of the file is written in.
inline constexpr std::uint32_t kCodePage = 1252;
inline constexpr std::uint32_t kGeneralSortOrder = 0x0409;

// A row's address as pages point to it: the page number in the high three bytes, the row in the low one.
inline std::uint32_t rowPointer(std::uint32_t page, int row) { return page << 8 | static_cast<std::uint32_t>(row); }

}  // namespace jetwrite

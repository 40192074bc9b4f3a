#pragma once
// The workbook's shared string table: every distinct text once, cells refer to it by index.
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "byte_buffer.h"

namespace xls {

class StringTable {
public:
    // The index of `text`, added on first use.
    std::uint32_t intern(std::u16string_view text);
    std::size_t size() const { return texts_.size(); }

    // Writes SST (continued in CONTINUE records past the record size limit) and the EXTSST that indexes it.
    // `references` is the number of cells that point into the table. Positions in EXTSST are offsets in
    // `out`, which must therefore hold the stream from its first byte.
    void write(ByteBuffer& out, std::uint32_t references) const;

private:
    std::deque<std::u16string> texts_;  // a deque: the map's keys view into these and must not move
    std::unordered_map<std::u16string_view, std::uint32_t> index_;
};

}  // namespace xls

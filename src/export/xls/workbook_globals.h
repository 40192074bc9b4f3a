#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_buffer.h"
#include "string_table.h"

namespace xls {

// Writes the workbook globals substream, BOF to EOF, at the start of `out`. `textCells`: how many cells of
// all sheets refer to the string table. Returns, for each sheet, where its BOUNDSHEET record holds the
// stream position of the sheet's BOF, to be filled in once that is known.
std::vector<std::size_t> writeGlobals(ByteBuffer& out, const std::vector<std::u16string>& sheetNames,
                                      const StringTable& strings, std::uint32_t textCells);

}  // namespace xls

#pragma once
#include <span>

#include "byte_buffer.h"
#include "workbook.h"

namespace xls {

// Writes one worksheet substream, BOF to EOF, at the end of `out` (which holds the stream from its start:
// the sheet's index records hold stream positions). `cells` as Sheet::finalCells gives them. `shown`: the
// sheet the workbook opens on.
void writeSheetStream(ByteBuffer& out, std::span<const Cell> cells, bool shown);

}  // namespace xls

#pragma once
// The container of an Excel 97-2003 file: a compound document (version 3, 512-byte sectors) holding one
// stream, "Workbook".
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace xls {

// Streams shorter than this would go to the compound document's mini stream, which Excel's own files never
// use for the workbook; shorter workbooks are padded with zeros to this size, after their last record.
inline constexpr std::size_t kMiniStreamCutoff = 4096;
// The largest stream a version 3 document holds.
inline constexpr std::size_t kMaxStreamSize = 0x7FFFFFFF;

using WriteBytes = std::function<void(const std::uint8_t* data, std::size_t size)>;

// Hands the whole compound document, front to back, to `write`. `stream` holds at most kMaxStreamSize bytes.
void writeCompoundFile(std::span<const std::uint8_t> stream, const WriteBytes& write);

}  // namespace xls

#pragma once
// The export's fixed limits: the largest grid "Salvar em Excel" writes, and what the .xls format itself holds.
// Limits of the survey and of the result run are in quelva_limits.h; the engine's and the importer's with them.
#include <cstddef>

namespace quelva {

// The largest grid the Excel export writes; the workbook format itself allows a few more.
inline constexpr int kMaxExportRows = 65530;
inline constexpr int kMaxExportColumns = 255;

}  // namespace quelva

namespace xls {

// BIFF8's own sheet size.
inline constexpr int kMaxRows = 65536;
inline constexpr int kMaxColumns = 256;
// The most characters one cell holds.
inline constexpr std::size_t kMaxTextLength = 32767;
// The longest sheet name.
inline constexpr std::size_t kMaxSheetNameLength = 31;

}  // namespace xls

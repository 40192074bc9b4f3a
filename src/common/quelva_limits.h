#pragma once
// Every fixed limit of the program in one place: the survey's table sizes, the longest statement the result
// run builds, and what the importer may spend on one data file.
#include <cstdint>

namespace quelva {

// Area codes run from 0 (the state total) to this code.
inline constexpr int kMaxCodigoArea = 850;

// A band of area codes, both ends included.
struct AreaBand {
    int first, last;
    constexpr bool contains(int code) const { return code >= first && code <= last; }
};
// The region groups among the area codes. An entry ticked in the RA/RG band is an RA/RG group, but only the
// two RA/RG selection bands are examined, and cleared, as "the RA/RG selection": 696-700 stay out of it.
inline constexpr AreaBand kRaRgBand{681, 742};
inline constexpr AreaBand kRaRgSelectionBands[] = {{681, 695}, {701, 742}};
inline constexpr AreaBand kDradsBand{801, 823};

// A locality list entry: the name, this many blanks, and the area code written over them from the character
// position below (counting from 1), in at most this many digits.
inline constexpr int kLocalityEntryBlanks = 300;
inline constexpr int kLocalityCodePosition = 300;
inline constexpr int kLocalityCodeDigits = 3;
// Rows of the variable table; CD_VAR may hold no more.
inline constexpr int kMaxVariaveis = 706;
// Marks of the repeated group M1: sub-variables 1..27 and entry 28 at indexes 1..28, index 0 unused.
inline constexpr int kM1Marks = 29;
// The result run refuses a locality condition or a statement longer than this, in characters.
inline constexpr int kMaxStatementLength = 20000;

// The largest grid the Excel export writes; the workbook format itself allows a few more.
inline constexpr int kMaxExportRows = 65530;
inline constexpr int kMaxExportColumns = 255;

}  // namespace quelva

namespace jet {

// The importer's child process is stopped after this long, whatever the file.
inline constexpr int kImportTimeLimitSeconds = 60;
// ... and may not reserve more address space than this.
inline constexpr std::uint64_t kImportAddressSpaceBytes = 8ull << 30;

}  // namespace jet

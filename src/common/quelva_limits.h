#pragma once
// The survey's and the program's fixed limits: the area codes and their bands, the table sizes, the entries'
// widths and the longest statement the result run builds. The export's limits are in export_limits.h.
#include <cstdint>

namespace quelva {

// Area codes run from 0 (the state total) to this code.
inline constexpr int kMaxAreaCode = 850;

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
// The municipalities among the area codes.
inline constexpr AreaBand kMunicipalityBand{1, 679};
// The RA/RG bands of the review panel's consistency check: unlike the selection bands, they include 700.
inline constexpr AreaBand kRaRgCheckBands[] = {{681, 695}, {700, 742}};
// The criteria variable list's value: the code in its first this many characters, the name in the next ones.
inline constexpr int kCriteriaCodeWidth = 20;
inline constexpr int kCriteriaNameWidth = 300;

// A locality list entry: the name, this many blanks, and the area code written over them from the character
// position below (counting from 1), in at most this many digits.
inline constexpr int kLocalityEntryBlanks = 300;
inline constexpr int kLocalityCodePosition = 300;
inline constexpr int kLocalityCodeDigits = 3;
// The area code of the state total.
inline constexpr int kStateTotalCode = 0;
// Rows of the variable table; CD_VAR may hold no more.
inline constexpr int kMaxVariables = 706;
// Marks of the repeated group M1: sub-variables 1..27 and entry 28 at indexes 1..28, index 0 unused.
inline constexpr int kM1Marks = 29;
// Repetitions of the M1 group in a result, and the sub-variables (1..27) that have a column in each.
inline constexpr int kM1Repetitions = 9;
inline constexpr int kM1Columns = 27;
// The result run refuses a locality condition or a statement longer than this, in characters.
inline constexpr int kMaxStatementLength = 20000;

}  // namespace quelva

namespace jet {

// What the importer may spend on one Jet file. A damaged file can send libmdb into a loop that reads the same
// pages again and again, so every budget is derived from the file's size: what a good file needs grows with
// it, and a loop is caught long before it starves the machine. See import_budget.h for how they combine.

// No row takes fewer bytes than this: its 2-byte slot in the page's row table, a column count and a
// variable-column count (1 byte each in Jet 3) and a null mask of at least one byte. A table definition
// that declares more rows than the file's size allows at this rate is damaged.
inline constexpr std::uint64_t kImportMinRowBytes = 5;
// The values a file yields, counted as they are copied (text in UTF-8, 8 bytes a number or date): a Jet
// value never grows more than 3 times in UTF-8 or in a date's text, and pages are never full, so 4 times
// the file is far beyond any good file; the floor lets small files hold long memos.
inline constexpr std::uint64_t kImportOutputFloorBytes = 32ull << 20;
inline constexpr std::uint64_t kImportOutputPerFileByte = 4;
// Memory of the importer's process (its address space, and what the program lets it keep resident): the
// libraries take under 100 MiB, the copy it builds and serialises about 3 times the output above.
inline constexpr std::uint64_t kImportMemoryFloorBytes = 256ull << 20;
inline constexpr std::uint64_t kImportMemoryPerFileByte = 16;
// Time: libmdb reads a good file at tens of megabytes a second on a slow machine; allow 2 MiB a second
// after a floor for starting the process, so that a damaged file of 10 MB ends within 10 seconds.
inline constexpr double kImportTimeFloorSeconds = 3.0;
inline constexpr double kImportSecondsPerMebibyte = 0.5;
// A build under AddressSanitizer runs slower and keeps shadow memory beside every allocation.
inline constexpr int kImportSanitizerAllowance = 4;

}  // namespace jet

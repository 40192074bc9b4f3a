#pragma once
// The survey's and the program's fixed limits: the area codes and their bands, the table sizes, the entries'
// widths and the longest statement the result run builds. The export's limits are in export_limits.h, what
// the importer may spend on one data file in src/jet/import_budget.h.
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

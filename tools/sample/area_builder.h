#pragma once
#include <cstdint>

#include "quelva_limits.h"
#include "sizes.h"
#include "survey_plan.h"

namespace sample {

// Area code bands of the locality catalogue, the program's own: the sample must fall in the bands it reads.
inline constexpr int kStateCode = quelva::kStateTotalCode;
inline constexpr int kLastMunicipalityCode = quelva::kMunicipalityBand.last;
inline constexpr int kFirstRaCode = quelva::kRaRgSelectionBands[0].first;
inline constexpr int kLastRaCode = quelva::kRaRgSelectionBands[0].last;
inline constexpr int kMetropolitanCode = 698;
inline constexpr int kInteriorCode = 700;
inline constexpr int kFirstRgCode = quelva::kRaRgSelectionBands[1].first;
inline constexpr int kLastRgCode = quelva::kRaRgSelectionBands[1].last;
inline constexpr int kFirstDradsCode = quelva::kDradsBand.first;
inline constexpr int kLastDradsCode = quelva::kDradsBand.last;

// The state total, the municipalities and the region groups, with their names, the municipalities each
// group totals, the two review orders (munseqrarg, munseqdrads) and the repetitions of the repeated group.
//
// RA/RG review order: the metropolitan region (698) and the interior (700) first, then each RA (681–695)
// followed by its RGs (701–742), each RG followed by its municipalities. DRADS review order: each DRADS
// (801–823) followed by its municipalities. Within a group, municipalities follow their names with case
// and accents set aside.
Localities buildLocalities(const Sizes& sizes, std::uint64_t seed);

}  // namespace sample

#pragma once
#include <cstdint>

#include "sizes.h"
#include "survey_plan.h"

namespace amostra {

// Area code bands of the locality catalogue.
inline constexpr int kStateCode = 0;
inline constexpr int kLastMunicipalityCode = 679;
inline constexpr int kFirstRaCode = 681;
inline constexpr int kLastRaCode = 695;
inline constexpr int kMetropolitanCode = 698;
inline constexpr int kInteriorCode = 700;
inline constexpr int kFirstRgCode = 701;
inline constexpr int kLastRgCode = 742;
inline constexpr int kFirstDradsCode = 801;
inline constexpr int kLastDradsCode = 823;

// The state total, the municipalities and the region groups, with their names, the municipalities each
// group totals, the two review orders (munseqrarg, munseqdrads) and the repetitions of the repeated group.
//
// RA/RG review order: the metropolitan region (698) and the interior (700) first, then each RA (681–695)
// followed by its RGs (701–742), each RG followed by its municipalities. DRADS review order: each DRADS
// (801–823) followed by its municipalities. Within a group, municipalities follow their names with case
// and accents set aside.
Localities buildLocalities(const Sizes& sizes, std::uint64_t seed);

}  // namespace amostra

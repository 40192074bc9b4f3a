#pragma once
#include <QString>
#include <array>
#include <optional>

#include "quelva_limits.h"

namespace quelva {

// The two families of region groups, which a selection must not mix.
enum class RegionFamily { RaRg, Drads };

using LocalityMarks = std::array<bool, kMaxAreaCode + 1>;

// The family of a ticked entry by its code; none for a municipality or any other locality.
std::optional<RegionFamily> regionFamily(int code);

// Whether some code the family's selection is made of is selected (for RA/RG, 681-695 and 701-742 only).
bool familySelected(const LocalityMarks& marks, RegionFamily family);

// Cancels the family's selection: the same codes as familySelected() looks at.
void clearFamily(LocalityMarks& marks, RegionFamily family);

RegionFamily otherFamily(RegionFamily family);

// The question asked when an entry of `family` is ticked while the other family is selected, and its title.
QString switchFamilyQuestion(RegionFamily family);
QString switchFamilyTitle();

}  // namespace quelva

#pragma once
#include <QString>

#include "locality_selection.h"

namespace quelva {

// The question asked when an entry of `family` is ticked while the other family is selected, and its title.
QString switchFamilyQuestion(RegionFamily family);
QString switchFamilyTitle();

}  // namespace quelva

#pragma once
#include "value.h"

namespace quelva {

// The area code in a row of CD_AREA (its COD_AREA_NORVA). The program's tables are indexed by it, so a
// code outside 0..850, or none, is an error naming the code (jet::Error), never a write out of bounds.
int areaCode(const jet::Value& code);

}  // namespace quelva

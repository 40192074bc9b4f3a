#pragma once
#include <cstdint>

#include "sizes.h"
#include "survey_plan.h"

namespace sample {

// Themes, subthemes and variables with their codes, names, tables, keywords, sources, notes and
// definitions. Every theme and subtheme occupies one run of NumSeq, and the odd cases the program's panels
// must cope with are placed on purpose (see the comment on `placeOddCases`).
Catalogue buildCatalogue(const Sizes& sizes, std::uint64_t seed);

// The code prefix of each ordinary survey table's variables ("K" for TK, "S" for socioe_char ...).
std::string codePrefix(const std::string& table);

}  // namespace sample

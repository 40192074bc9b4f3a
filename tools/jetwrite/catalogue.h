#pragma once
#include <vector>

#include "description.h"

namespace jetwrite {

// The system catalogue, MSysObjects, whose definition every reader looks for on page 2: its own entry
// and one per table, with what readers take from it (the object's id, which is its definition's page,
// its name, its type and its flags).
inline constexpr std::uint32_t kCataloguePage = 2;

Table catalogueTable(const std::vector<Table>& tables, const std::vector<std::uint32_t>& definitionPages);

}  // namespace jetwrite

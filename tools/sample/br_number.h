#pragma once
#include <cstdint>
#include <string>

namespace sample {

// Numbers written as the survey's tables print them: "." between groups of thousands, "," before decimals.

// 1234 gives "1.234"; -1234567 gives "-1.234.567".
std::string formatBrInteger(std::int64_t v);

// `scaled` holds the value times 10^decimals: (125, 1) gives "12,5"; (123456, 2) gives "1.234,56";
// (5, 2) gives "0,05".
std::string formatBrDecimal(std::int64_t scaled, int decimals);

}  // namespace sample

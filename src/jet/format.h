#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "value.h"

namespace jet {

// Jet's Format(value, format) with the named formats ("Currency", "Short Date" ...) and custom ones
// ("#,##0.00", "dd/mm/yyyy", ">"), written as Jet writes them with English settings, the same conventions
// as the engine's numbers as text. A text that reads as a date or a number is formatted as one. Null for Null.
// Throws jet::Error when the number, scaled as the format says, leaves a Double (an infinity is never written).
std::optional<std::string> formatValue(const Value& v, std::string_view format);

}  // namespace jet

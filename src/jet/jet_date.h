#pragma once
#include <optional>
#include <string>

namespace jet {

// The text of a date as Jet stores it: a double counting days from 30 December 1899, whose fraction (taken
// without its sign, also before 1899) is the time of day. "YYYY-MM-DD HH:MM:SS", rounded to the second, or
// "YYYY-MM-DD" alone when the time is midnight, as Access shows a date without a time. Nothing for a value
// outside the years 100 to 9999 that Jet accepts, which only a damaged file holds.
std::optional<std::string> jetDateText(double stored);

}  // namespace jet

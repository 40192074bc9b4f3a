#pragma once
#include <optional>
#include <string>

namespace jet {

// The text of a date as a Jet file stores it: a double counting days from 30 December 1899, whose fraction
// (taken without its sign, also before 1899) is the time of day. The engine's one form of a date (`dateText`):
// "YYYY-MM-DD HH:MM:SS", rounded to the second, or "YYYY-MM-DD" alone when the time is midnight. Nothing
// for a value outside the years 100 to 9999 that Jet accepts, which only a damaged file holds. libmdb's own
// text cannot serve: it prints dates before 1900 or after 2100 as "1900-01-00".
std::optional<std::string> storedDateText(double stored);

}  // namespace jet

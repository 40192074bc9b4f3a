#include "stored_date.h"

#include <cmath>

#include "jet_date.h"

namespace jet {
namespace {

// A little beyond Jet's range on both sides: what lies further cannot even be counted in days safely.
constexpr double kFarthest = 4e6;

}  // namespace

std::optional<std::string> storedDateText(double stored) {
    if (!std::isfinite(stored) || std::fabs(stored) > kFarthest) return std::nullopt;
    DateTime d{static_cast<std::int64_t>(std::trunc(stored)), 0};
    auto seconds = std::llround(std::fabs(stored - std::trunc(stored)) * 86400);
    if (seconds >= 86400) {  // 23:59:59.6 rounds to the next midnight, the next day on the calendar
        seconds -= 86400;
        ++d.days;
    }
    d.seconds = static_cast<int>(seconds);
    if (!inDateRange(d)) return std::nullopt;
    std::string text = dateText(d);
    return d.seconds == 0 ? text.substr(0, 10) : text;
}

}  // namespace jet

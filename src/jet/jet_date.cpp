#include "jet_date.h"

#include <cmath>
#include <cstdio>

namespace jet {
namespace {

// 1 January 100 and the last second of 31 December 9999, in Jet's days.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;
constexpr long long kSecondsPerDay = 86400;
// Jet's day 0 in days from 1 January 1970.
constexpr long long kJetEpoch = -25569;

struct CivilDate {
    long long year;
    unsigned month, day;
};

// Days since 1 January 1970 to a proleptic Gregorian date (the algorithm of H. Hinnant's date library).
CivilDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<long long>(yoe) + era * 400 + (m <= 2), m, d};
}

}  // namespace

std::optional<std::string> jetDateText(double stored) {
    if (!std::isfinite(stored) || stored < kFirstDay || stored >= kLastDay + 1) return std::nullopt;
    long long day = static_cast<long long>(std::trunc(stored));
    long long seconds = std::llround(std::fabs(stored - static_cast<double>(day)) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {  // 23:59:59.6 rounds to the next midnight
        seconds -= kSecondsPerDay;
        ++day;
    }
    const CivilDate c = civilFromDays(day + kJetEpoch);
    if (c.year > 9999) return std::nullopt;
    char text[64];
    if (seconds == 0)
        std::snprintf(text, sizeof text, "%04lld-%02u-%02u", c.year, c.month, c.day);
    else
        std::snprintf(text, sizeof text, "%04lld-%02u-%02u %02lld:%02lld:%02lld", c.year, c.month, c.day, seconds / 3600,
                      seconds / 60 % 60, seconds % 60);
    return std::string(text);
}

}  // namespace jet

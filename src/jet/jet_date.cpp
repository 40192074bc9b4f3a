#include "jet_date.h"

#include <cmath>
#include <cstdio>

namespace jet {
namespace {

// Days from 1899-12-30 to 1970-01-01, the day zero of the civil-date algorithms below.
constexpr std::int64_t kEpochShift = 25569;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

bool digits(std::string_view s, std::size_t at, std::size_t n, int& out) {
    if (at + n > s.size()) return false;
    out = 0;
    for (std::size_t i = at; i < at + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        out = out * 10 + (s[i] - '0');
    }
    return true;
}

// "HH:MM" or "HH:MM:SS" from `at` to the end of `s`.
bool parseTime(std::string_view s, std::size_t at, int& seconds) {
    int h, m, sec = 0;
    if (!digits(s, at, 2, h) || at + 2 >= s.size() || s[at + 2] != ':' || !digits(s, at + 3, 2, m)) return false;
    std::size_t end = at + 5;
    if (end < s.size()) {
        if (s[end] != ':' || !digits(s, end + 1, 2, sec)) return false;
        end += 3;
    }
    if (end != s.size() || h > 23 || m > 59 || sec > 59) return false;
    seconds = h * 3600 + m * 60 + sec;
    return true;
}

}  // namespace

std::int64_t daysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d) {
    y += floorDiv(m - 1, 12);
    m = m - 1 - floorDiv(m - 1, 12) * 12 + 1;
    // Howard Hinnant's days_from_civil, then shifted to Jet's day zero.
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kEpochShift + (d - 1);
}

CivilDate civilFromDays(std::int64_t days) {
    std::int64_t z = days - kEpochShift + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (m <= 2)), m, d};
}

int daysInMonth(int year, int month) {
    return static_cast<int>(daysFromCivil(year, month + 1, 1) - daysFromCivil(year, month, 1));
}

int weekdayOf(std::int64_t days, int firstDay) {
    // 1899-12-30 was a Saturday (7).
    const int sunday1 = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
    return (sunday1 - firstDay + 7) % 7 + 1;
}

bool parseDateText(std::string_view s, DateTime& out) {
    int y, m, d;
    if (digits(s, 0, 4, y) && s.size() >= 10 && s[4] == '-' && digits(s, 5, 2, m) && s[7] == '-' && digits(s, 8, 2, d)) {
        if (m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return false;
        out.days = daysFromCivil(y, m, d);
        out.seconds = 0;
        if (s.size() == 10) return true;
        return s[10] == ' ' && parseTime(s, 11, out.seconds);
    }
    out.days = 0;
    return parseTime(s, 0, out.seconds);
}

std::string dateText(const DateTime& d) {
    CivilDate c = civilFromDays(d.days);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, d.seconds / 3600,
                  d.seconds / 60 % 60, d.seconds % 60);
    return buf;
}

DateTime fromSerial(double serial) {
    double whole = std::trunc(serial);
    auto seconds = static_cast<std::int64_t>(std::llround(std::fabs(serial - whole) * 86400));
    DateTime d{static_cast<std::int64_t>(whole), 0};
    if (seconds >= 86400) {  // rounded up to the next midnight
        seconds -= 86400;
        d.days += serial < 0 ? -1 : 1;
    }
    d.seconds = static_cast<int>(seconds);
    return d;
}

double toSerial(const DateTime& d) {
    const double f = d.seconds / 86400.0;
    return d.days < 0 ? static_cast<double>(d.days) - f : static_cast<double>(d.days) + f;
}

bool inDateRange(const DateTime& d) {
    return d.days >= daysFromCivil(100, 1, 1) && d.days <= daysFromCivil(9999, 12, 31);
}

}  // namespace jet

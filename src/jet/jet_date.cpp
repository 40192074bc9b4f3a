#include "jet_date.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <vector>

#include "value.h"

namespace jet {
namespace {

// Days from 1899-12-30 to 1970-01-01, the day zero of the civil-date algorithms below.
constexpr std::int64_t kEpochShift = 25569;

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

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

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
    if (d.seconds == 0) {
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", c.year, c.month, c.day);
    } else {
        std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day, d.seconds / 3600,
                      d.seconds / 60 % 60, d.seconds % 60);
    }
    return buf;
}

namespace {

const char* const kMonths[] = {"january", "february", "march",     "april",   "may",      "june",
                               "july",    "august",   "september", "october", "november", "december"};

// 1 to 12 for an English month name or its first three letters or more; 0 otherwise.
int monthNamed(std::string_view w) {
    if (w.size() < 3) return 0;
    for (int m = 0; m < 12; ++m) {
        std::string_view full = kMonths[m];
        if (w.size() > full.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < w.size() && same; ++i)
            same = std::tolower(static_cast<unsigned char>(w[i])) == full[i];
        if (same) return m + 1;
    }
    return 0;
}

struct Field {
    bool word;
    std::string_view text;
};

// "h:mm[:ss][ AM|PM]" in `s`, whole.
bool readTime(std::string_view s, int& seconds) {
    std::size_t i = 0;
    int part[3] = {0, 0, 0};
    int n = 0;
    while (n < 3) {
        std::size_t b = i;
        int v = 0;
        while (i < s.size() && i - b < 3 && std::isdigit(static_cast<unsigned char>(s[i]))) v = v * 10 + (s[i++] - '0');
        if (i == b) return false;
        part[n++] = v;
        if (i < s.size() && s[i] == ':') ++i;
        else break;
    }
    if (n < 2) return false;
    while (i < s.size() && s[i] == ' ') ++i;
    std::string rest;
    for (; i < s.size(); ++i) rest += static_cast<char>(std::tolower(static_cast<unsigned char>(s[i])));
    int h = part[0];
    if (!rest.empty()) {
        const bool am = rest == "am" || rest == "a", pm = rest == "pm" || rest == "p";
        if ((!am && !pm) || h < 1 || h > 12) return false;
        h = h % 12 + (pm ? 12 : 0);
    }
    if (h > 23 || part[1] > 59 || part[2] > 59) return false;
    seconds = h * 3600 + part[1] * 60 + part[2];
    return true;
}

bool readCalendar(std::string_view s, std::int64_t& days) {
    std::vector<Field> fields;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '/' || c == '-' || c == '.' || c == ',') { ++i; continue; }
        std::size_t b = i;
        const bool word = std::isalpha(c);
        if (!word && !std::isdigit(c)) return false;
        while (i < s.size() && (word ? std::isalpha(static_cast<unsigned char>(s[i])) : std::isdigit(static_cast<unsigned char>(s[i])))) ++i;
        if (i - b > 9) return false;
        fields.push_back({word, s.substr(b, i - b)});
    }
    if (fields.size() != 3) return false;
    int month = 0, at = -1;
    for (int k = 0; k < 3; ++k) {
        if (!fields[k].word) continue;
        if (at >= 0 || !(month = monthNamed(fields[k].text))) return false;
        at = k;
    }
    auto number = [](std::string_view t) { return std::stoi(std::string(t)); };
    std::string_view yearText;
    int day = 0;
    if (at < 0) {
        // y-m-d when the first number has the year's digits, m/d/y otherwise
        const bool yearFirst = fields[0].text.size() >= 3;
        yearText = fields[yearFirst ? 0 : 2].text;
        month = number(fields[yearFirst ? 1 : 0].text);
        day = number(fields[yearFirst ? 2 : 1].text);
    } else if (at == 0 || at == 1) {  // "Aug 4, 1994" or "4-Aug-1994"
        yearText = fields[2].text;
        day = number(fields[at == 0 ? 1 : 0].text);
    } else {
        return false;
    }
    int year = number(yearText);
    if (yearText.size() <= 2) year += year < 30 ? 2000 : 1900;
    if (month < 1 || month > 12 || year < 100 || year > 9999 || day < 1 || day > daysInMonth(year, month)) return false;
    days = daysFromCivil(year, month, day);
    return true;
}

}  // namespace

std::optional<DateTime> readDate(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    // The time begins with the number before the first colon.
    std::size_t colon = s.find(':'), timeAt = s.size();
    if (colon != std::string_view::npos) {
        timeAt = colon;
        while (timeAt > 0 && std::isdigit(static_cast<unsigned char>(s[timeAt - 1]))) --timeAt;
        if (timeAt > 0 && s[timeAt - 1] != ' ') return std::nullopt;
    }
    DateTime d;
    std::string_view calendar = s.substr(0, timeAt);
    while (!calendar.empty() && calendar.back() == ' ') calendar.remove_suffix(1);
    if (calendar.empty() && timeAt == s.size()) return std::nullopt;
    if (!calendar.empty() && !readCalendar(calendar, d.days)) return std::nullopt;
    if (timeAt < s.size() && !readTime(s.substr(timeAt), d.seconds)) return std::nullopt;
    return d;
}

std::optional<DateTime> fromSerial(double serial) {
    // Far beyond the years 100 to 9999 a serial need not even be counted in days.
    if (!(std::fabs(serial) <= 4e6)) return std::nullopt;
    const double whole = std::trunc(serial);
    const auto days = wholeNumber(whole), seconds = wholeNumber(std::fabs(serial - whole) * 86400);
    if (!days || !seconds) return std::nullopt;
    DateTime d{*days, static_cast<int>(*seconds)};
    if (d.seconds >= 86400) {  // 23:59:59.6 rounds to the next midnight, the next day on the calendar
        d.seconds -= 86400;
        ++d.days;
    }
    if (!inDateRange(d)) return std::nullopt;
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

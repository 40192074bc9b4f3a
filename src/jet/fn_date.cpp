// Jet's date functions, on the engine's dates (see jet_date.h).
#include <cmath>
#include <ctime>
#include <string>

#include "fn_impl.h"
#include "jet_date.h"
#include "sql_args.h"
#include "text.h"

namespace jet::fn {
namespace {

// A date argument: a date, a text that reads as one, or a serial number. False after setting the error.
bool argDate(sqlite3_context* ctx, sqlite3_value* v, DateTime& out) {
    if (isNull(v)) { resultError(ctx, kInvalidNull); return false; }
    if (sqlite3_value_type(v) == SQLITE_TEXT) {
        const std::string t = argText(v);
        if (parseDateText(t, out)) return true;
        if (const auto d = readDate(t)) { out = *d; return true; }
        resultError(ctx, kTypeMismatch);
        return false;
    }
    Num n;
    if (!argNumber(v, n)) { resultError(ctx, kTypeMismatch); return false; }
    const auto d = fromSerial(n.value());
    if (!d) { resultError(ctx, kOverflow); return false; }
    out = *d;
    return true;
}

void resultDate(sqlite3_context* ctx, const DateTime& d) {
    if (!inDateRange(d)) { resultError(ctx, kInvalidArgument); return; }
    resultText(ctx, dateText(d));
}

// The optional first-day-of-week argument: 1 Sunday ... 7 Saturday; 0 (the system's) is Sunday.
bool argFirstDay(sqlite3_context* ctx, int argc, sqlite3_value** a, int at, int& out) {
    out = 1;
    if (argc <= at || isNull(a[at])) return true;
    std::int64_t n;
    if (!argInt(ctx, a[at], n)) return false;
    if (n < 0 || n > 7) { resultError(ctx, kInvalidArgument); return false; }
    out = n == 0 ? 1 : static_cast<int>(n);
    return true;
}

enum class Interval { Year, Quarter, Month, DayOfYear, Day, Weekday, Week, Hour, Minute, Second, None };

Interval intervalOf(const std::string& s) {
    const std::string i = lowerCase(s);
    if (i == "yyyy") return Interval::Year;
    if (i == "q") return Interval::Quarter;
    if (i == "m") return Interval::Month;
    if (i == "y") return Interval::DayOfYear;
    if (i == "d") return Interval::Day;
    if (i == "w") return Interval::Weekday;
    if (i == "ww") return Interval::Week;
    if (i == "h") return Interval::Hour;
    if (i == "n") return Interval::Minute;
    if (i == "s") return Interval::Second;
    return Interval::None;
}

bool argInterval(sqlite3_context* ctx, sqlite3_value* v, Interval& out) {
    if (isNull(v)) { resultError(ctx, kInvalidNull); return false; }
    out = intervalOf(argText(v));
    if (out == Interval::None) { resultError(ctx, kInvalidArgument); return false; }
    return true;
}

template <int Part>  // 0 year, 1 month, 2 day
void civilPart(sqlite3_context* ctx, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    DateTime d;
    if (!argDate(ctx, a[0], d)) return;
    CivilDate c = civilFromDays(d.days);
    sqlite3_result_int(ctx, Part == 0 ? c.year : Part == 1 ? c.month : c.day);
}

DateTime current() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {daysFromCivil(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday), tm.tm_hour * 3600 + tm.tm_min * 60 + tm.tm_sec};
}

// The first day of the week holding `days`.
std::int64_t weekStart(std::int64_t days, int firstDay) { return days - (weekdayOf(days, firstDay) - 1); }

DateTime addMonths(const DateTime& d, std::int64_t months) {
    CivilDate c = civilFromDays(d.days);
    std::int64_t m = c.month - 1 + months;
    std::int64_t y = c.year + floorDiv(m, 12);
    int month = static_cast<int>(m - (y - c.year) * 12) + 1;
    if (y < 100 || y > 9999) return {daysFromCivil(10000, 1, 1), 0};  // out of range, refused by the caller
    int day = std::min(c.day, daysInMonth(static_cast<int>(y), month));
    return {daysFromCivil(y, month, day), d.seconds};
}

}  // namespace

void year(sqlite3_context* ctx, int, sqlite3_value** a) { civilPart<0>(ctx, a); }
void month(sqlite3_context* ctx, int, sqlite3_value** a) { civilPart<1>(ctx, a); }
void day(sqlite3_context* ctx, int, sqlite3_value** a) { civilPart<2>(ctx, a); }

void weekday(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[0])) { sqlite3_result_null(ctx); return; }
    DateTime d;
    int first;
    if (!argDate(ctx, a[0], d) || !argFirstDay(ctx, argc, a, 1, first)) return;
    sqlite3_result_int(ctx, weekdayOf(d.days, first));
}

void date(sqlite3_context* ctx, int, sqlite3_value**) { resultDate(ctx, {current().days, 0}); }
void now(sqlite3_context* ctx, int, sqlite3_value**) { resultDate(ctx, current()); }
void time(sqlite3_context* ctx, int, sqlite3_value**) { resultDate(ctx, {0, current().seconds}); }

// DateAdd(interval, number, date): months and years keep the day, or take the month's last when it is shorter.
void dateadd(sqlite3_context* ctx, int, sqlite3_value** a) {
    if (isNull(a[2])) { sqlite3_result_null(ctx); return; }
    Interval iv;
    double n;
    DateTime d;
    if (!argInterval(ctx, a[0], iv) || !argReal(ctx, a[1], n) || !argDate(ctx, a[2], d)) return;
    // Beyond four million days every interval leaves Jet's range of dates.
    if (!(std::fabs(n) <= 4e6)) { resultError(ctx, kInvalidArgument); return; }
    const std::int64_t k = *wholeNumber(std::trunc(n));
    switch (iv) {
    case Interval::Year: d = addMonths(d, k * 12); break;
    case Interval::Quarter: d = addMonths(d, k * 3); break;
    case Interval::Month: d = addMonths(d, k); break;
    case Interval::DayOfYear: case Interval::Day: case Interval::Weekday: d.days += k; break;
    case Interval::Week: d.days += 7 * k; break;
    case Interval::Hour: case Interval::Minute: case Interval::Second: {
        const std::int64_t s = d.seconds + k * (iv == Interval::Hour ? 3600 : iv == Interval::Minute ? 60 : 1);
        d.days += floorDiv(s, 86400);
        d.seconds = static_cast<int>(s - floorDiv(s, 86400) * 86400);
        break;
    }
    case Interval::None: break;
    }
    resultDate(ctx, d);
}

// DateDiff(interval, date1, date2[, firstday]): how many interval boundaries lie between the two dates.
void datediff(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[1]) || isNull(a[2])) { sqlite3_result_null(ctx); return; }
    Interval iv;
    DateTime x, y;
    int first;
    if (!argInterval(ctx, a[0], iv) || !argDate(ctx, a[1], x) || !argDate(ctx, a[2], y) ||
        !argFirstDay(ctx, argc, a, 3, first))
        return;
    const CivilDate cx = civilFromDays(x.days), cy = civilFromDays(y.days);
    std::int64_t r = 0;
    switch (iv) {
    case Interval::Year: r = cy.year - cx.year; break;
    case Interval::Quarter: r = (cy.year * 4 + (cy.month - 1) / 3) - (cx.year * 4 + (cx.month - 1) / 3); break;
    case Interval::Month: r = (cy.year * 12 + cy.month) - (cx.year * 12 + cx.month); break;
    case Interval::DayOfYear: case Interval::Day: r = y.days - x.days; break;
    case Interval::Weekday: r = (y.days - x.days) / 7; break;
    case Interval::Week: r = (weekStart(y.days, first) - weekStart(x.days, first)) / 7; break;
    case Interval::Hour: r = (y.days * 24 + y.seconds / 3600) - (x.days * 24 + x.seconds / 3600); break;
    case Interval::Minute: r = (y.days * 1440 + y.seconds / 60) - (x.days * 1440 + x.seconds / 60); break;
    case Interval::Second: r = (y.days * 86400 + y.seconds) - (x.days * 86400 + x.seconds); break;
    case Interval::None: break;
    }
    sqlite3_result_int64(ctx, r);
}

// DatePart(interval, date[, firstday[, firstweek]]); firstweek 1 is the week of 1 January, 2 the first
// week with four days of the new year, 3 the first whole week.
void datepart(sqlite3_context* ctx, int argc, sqlite3_value** a) {
    if (isNull(a[1])) { sqlite3_result_null(ctx); return; }
    Interval iv;
    DateTime d;
    int first;
    std::int64_t firstWeek = 1;
    if (!argInterval(ctx, a[0], iv) || !argDate(ctx, a[1], d) || !argFirstDay(ctx, argc, a, 2, first)) return;
    if (argc > 3 && !isNull(a[3]) && !argInt(ctx, a[3], firstWeek)) return;
    if (firstWeek == 0) firstWeek = 1;
    if (firstWeek < 1 || firstWeek > 3) { resultError(ctx, kInvalidArgument); return; }
    const CivilDate c = civilFromDays(d.days);
    std::int64_t r = 0;
    switch (iv) {
    case Interval::Year: r = c.year; break;
    case Interval::Quarter: r = (c.month - 1) / 3 + 1; break;
    case Interval::Month: r = c.month; break;
    case Interval::DayOfYear: r = d.days - daysFromCivil(c.year, 1, 1) + 1; break;
    case Interval::Day: r = c.day; break;
    case Interval::Weekday: r = weekdayOf(d.days, first); break;
    case Interval::Week: {
        auto weekOne = [&](int y) {
            const std::int64_t jan1 = daysFromCivil(y, 1, 1);
            const int before = weekdayOf(jan1, first) - 1;  // days of that week in the year before
            if (firstWeek == 1 || (firstWeek == 2 && before <= 3) || before == 0) return jan1 - before;
            return jan1 + 7 - before;
        };
        std::int64_t start = weekOne(c.year);
        if (d.days < start) start = weekOne(c.year - 1);
        r = (d.days - start) / 7 + 1;
        break;
    }
    case Interval::Hour: r = d.seconds / 3600; break;
    case Interval::Minute: r = d.seconds / 60 % 60; break;
    case Interval::Second: r = d.seconds % 60; break;
    case Interval::None: break;
    }
    sqlite3_result_int64(ctx, r);
}

// DateSerial(year, month, day): two-digit years 0-29 are 2000-2029 and 30-99 are 1930-1999.
void dateserial(sqlite3_context* ctx, int, sqlite3_value** a) {
    std::int64_t y, m, d;
    for (int i = 0; i < 3; ++i)
        if (isNull(a[i])) { sqlite3_result_null(ctx); return; }
    if (!argInt(ctx, a[0], y) || !argInt(ctx, a[1], m) || !argInt(ctx, a[2], d)) return;
    if (y >= 0 && y <= 29) y += 2000;
    else if (y >= 30 && y <= 99) y += 1900;
    if (y < 0 || y > 20000 || std::llabs(m) > 200000 || std::llabs(d) > 10000000) { resultError(ctx, kInvalidArgument); return; }
    resultDate(ctx, {daysFromCivil(y, m, d), 0});
}

// CDate also takes a number written as text, as a serial.
void cdate(sqlite3_context* ctx, int, sqlite3_value** a) {
    DateTime d;
    double serial;
    if (sqlite3_value_type(a[0]) == SQLITE_TEXT && !readDate(argText(a[0])) && parseNumber(argText(a[0]), serial)) {
        const auto fromText = fromSerial(serial);
        if (!fromText) { resultError(ctx, kOverflow); return; }
        d = *fromText;
    } else if (!argDate(ctx, a[0], d)) {
        return;
    }
    resultDate(ctx, d);
}

// IsDate: whether CDate would take the value: a date or a text that reads as one (a number is not).
void isdate(sqlite3_context* ctx, int, sqlite3_value** a) {
    DateTime d;
    const bool date = sqlite3_value_type(a[0]) == SQLITE_TEXT && (parseDateText(argText(a[0]), d) || readDate(argText(a[0])));
    sqlite3_result_int(ctx, date ? 1 : 0);
}

}  // namespace jet::fn

#pragma once
// Jet's dates: a count of days since 30 December 1899 and a time of day. The engine keeps them as text in
// the form the import writes ("1996-07-04 00:00:00"); these are the calculations behind the date functions.
#include <cstdint>
#include <string>
#include <string_view>

namespace jet {

struct DateTime {
    std::int64_t days = 0;  // since 1899-12-30
    int seconds = 0;        // into the day, 0 to 86399
};

struct CivilDate { int year, month, day; };

// Days since 1899-12-30 of a calendar date; months and days out of range carry over (month 13 is January
// of the next year, day 0 the last day of the month before), as DateSerial does.
std::int64_t daysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day);
CivilDate civilFromDays(std::int64_t days);
int daysInMonth(int year, int month);
// 1 for Sunday ... 7 for Saturday, counted from `firstDay` (1 Sunday ... 7 Saturday) as Weekday does.
int weekdayOf(std::int64_t days, int firstDay = 1);

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS]" or "HH:MM[:SS]" (a time alone is on 1899-12-30). False otherwise.
bool parseDateText(std::string_view s, DateTime& out);
// "YYYY-MM-DD HH:MM:SS", the form dates have throughout the engine.
std::string dateText(const DateTime& d);

// Jet's serial number: days and the fraction of a day. Before 1899-12-30 the fraction still counts forward
// (-1.25 is 29 December 1899, 6 a.m.).
DateTime fromSerial(double serial);
double toSerial(const DateTime& d);

// Jet's range of dates: the years 100 to 9999.
bool inDateRange(const DateTime& d);

}  // namespace jet

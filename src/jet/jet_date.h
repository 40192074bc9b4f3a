#pragma once
// Jet's dates: a count of days since 30 December 1899 and a time of day. Inside the engine a date value is
// the one text `dateText` writes, whatever made it (a stored date, a literal, a date function, arithmetic):
// "1996-07-04" at midnight, "1996-07-04 10:30:00" otherwise. That form sorts and compares as the dates do,
// so that "=", "<", Order By, Group By, Min and Max need nothing of their own; the conversions to numbers
// read it back as Jet's serial number.
#include <cstdint>
#include <optional>
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
// `a` divided by `b`, rounded down: how days, months and years carry when a count goes below zero.
std::int64_t floorDiv(std::int64_t a, std::int64_t b);
// 1 for Sunday ... 7 for Saturday, counted from `firstDay` (1 Sunday ... 7 Saturday) as Weekday does.
int weekdayOf(std::int64_t days, int firstDay = 1);

// The engine's own form of a date: "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS]" or "HH:MM[:SS]" (a time alone is on
// 1899-12-30). False otherwise; this is how a value is recognised as a date.
bool parseDateText(std::string_view s, DateTime& out);
// How a date becomes text, the one place that decides it: "YYYY-MM-DD" at midnight, else "YYYY-MM-DD HH:MM:SS".
std::string dateText(const DateTime& d);

// A date written as people write it, as CDate, IsDate and the date literals read it with English settings:
// "8/4/1994", "1994-08-04", "4-Aug-1994", "August 4, 1994", each with or without a time ("10:30", "10:30:15 PM");
// a time alone is on 1899-12-30. Years of one or two digits are 1930 to 2029. Nothing for anything else or
// for a date outside Jet's range.
std::optional<DateTime> readDate(std::string_view s);

// Jet's serial number: days and the fraction of a day. Before 1899-12-30 the fraction still counts forward
// (-1.25 is 29 December 1899, 6 a.m.). Nothing for a serial outside Jet's range of dates.
std::optional<DateTime> fromSerial(double serial);
double toSerial(const DateTime& d);

// Jet's range of dates: the years 100 to 9999.
bool inDateRange(const DateTime& d);

}  // namespace jet

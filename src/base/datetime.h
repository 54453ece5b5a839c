// Dates and times as the scheduler keeps them: a double counting days since 1899-12-30
// 00:00 local time, the fraction being the time of day, to the millisecond. Encoding,
// decoding and formatting follow the truncation rules of the Delphi runtime, so stored
// timestamps and computed targets come out the same as the program always wrote them.
#pragma once

#include <string>
#include <string_view>

namespace kq {

// Days since 1899-12-30; negative values lie before it (the fraction still counts forward).
using DateTime = double;

constexpr DateTime kOneHour = 1.0 / 24;
constexpr DateTime kOneMinute = 1.0 / (24 * 60);
constexpr DateTime kOneSecond = 1.0 / (24 * 60 * 60);
constexpr long long kMSecsPerDay = 24LL * 60 * 60 * 1000;

// The three timestamp patterns of the program: log keys, and building/splitting schedules.
inline constexpr std::string_view kLogStampFormat = "yyyy-mm-dd hh:mm:ss";
inline constexpr std::string_view kDateDigitsFormat = "yyyymmdd";
inline constexpr std::string_view kDateTimeDigitsFormat = "yyyymmddhhmmss";

struct CalendarDate {
  int year = 0, month = 0, day = 0;  // all 0 when the value lies outside 0001..
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

struct ClockTime {
  int hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

bool IsLeapYear(int year);
// Days of the month (28..31), 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// Year 1..9999, month 1..12, day 1..last day of the month; false leaves `value` alone.
bool TryEncodeDate(int year, int month, int day, DateTime& value);
// As TryEncodeDate; throws ConvertError("Invalid argument to date encode").
DateTime EncodeDate(int year, int month, int day);
// Hour 0..23, minute and second 0..59, millisecond 0..999; the result is the fraction of a day.
bool TryEncodeTime(int hour, int minute, int second, int millisecond, DateTime& value);
// As TryEncodeTime; throws ConvertError("Invalid argument to time encode").
DateTime EncodeTime(int hour, int minute, int second, int millisecond);
// Date plus time of day; for dates before 1899-12-30 the time is subtracted, as the runtime does.
bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                       int millisecond, DateTime& value);
DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond);

// The value is first rounded to whole milliseconds (half to even), so a time a fraction of a
// millisecond before midnight decodes as 00:00:00.000 of the next day, in both functions.
CalendarDate DecodeDate(DateTime value);
ClockTime DecodeTime(DateTime value);

// Formats like the runtime's FormatDateTime for numeric patterns: yyyy/yy, m/mm (minutes when
// they follow an hour), d/dd, h/hh (24-hour), n/nn, s/ss, z/zzz; letters are case-insensitive;
// text in quotes and every other character is copied as it is.
std::string FormatDateTime(std::string_view pattern, DateTime value);

// Reads exactly the form the scheduler builds, "yyyy-mm-dd   hh:mm:ss" (three spaces, every
// field zero-padded to its width); anything else, hour 24 or minute 60 included, is refused.
bool TryStrToDateTime(std::string_view text, DateTime& value);
// As TryStrToDateTime; throws ConvertError("'<text>' is not a valid date and time").
DateTime StrToDateTime(std::string_view text);

}  // namespace kq

#include "base/datetime.h"

#include <cmath>

#include "base/error.h"

namespace kq {
namespace {

// Day number of 1899-12-30 when 0001-01-01 is day 1.
constexpr long long kDateDelta = 693594;

constexpr int kDaysBeforeMonth[2][13] = {
    {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335}};

// A value split into a day number (1 = 0001-01-01) and milliseconds into that day.
struct TimeStamp {
  long long date = 0;
  long long msec = 0;
};

// Rounds to whole milliseconds in extended precision with the FPU's half-to-even rule, as
// the runtime does, then splits; before the epoch the fraction counts forward from the day
// that Trunc gives. Values far outside the calendar give day 0.
TimeStamp ToTimeStamp(DateTime value) {
  TimeStamp ts;
  if (!std::isfinite(value) || std::fabs(value) > 1e10) return ts;
  const long long ms = std::llrint(static_cast<long double>(value) * kMSecsPerDay);
  const long long magnitude = ms < 0 ? -ms : ms;
  const long long days = magnitude / kMSecsPerDay;
  ts.date = (ms < 0 ? -days : days) + kDateDelta;
  ts.msec = magnitude % kMSecsPerDay;
  return ts;
}

void AppendNumber(std::string& out, long long n, int width) {
  std::string digits;
  const bool negative = n < 0;
  unsigned long long u = negative ? 0ULL - static_cast<unsigned long long>(n) : n;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + u % 10));
    u /= 10;
  } while (u != 0);
  while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), '0');
  if (negative) out += '-';
  out += digits;
}

// The number in `count` ASCII digits at `pos` (already known to be digits).
int ReadDigits(std::string_view text, std::size_t pos, std::size_t count) {
  int value = 0;
  for (std::size_t i = pos; i < pos + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month];
}

bool TryEncodeDate(int year, int month, int day, DateTime& value) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return false;
  const long long y = year - 1;
  const long long date = y * 365 + y / 4 - y / 100 + y / 400 +
                         kDaysBeforeMonth[IsLeapYear(year)][month] + day - kDateDelta;
  value = static_cast<DateTime>(date);
  return true;
}

DateTime EncodeDate(int year, int month, int day) {
  DateTime value = 0;
  if (!TryEncodeDate(year, month, day, value))
    throw ConvertError("Invalid argument to date encode");
  return value;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, DateTime& value) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    return false;
  const long long ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  value = static_cast<DateTime>(ms) / static_cast<DateTime>(kMSecsPerDay);
  return true;
}

DateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  DateTime value = 0;
  if (!TryEncodeTime(hour, minute, second, millisecond, value))
    throw ConvertError("Invalid argument to time encode");
  return value;
}

bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                       int millisecond, DateTime& value) {
  DateTime date = 0, time = 0;
  if (!TryEncodeDate(year, month, day, date) ||
      !TryEncodeTime(hour, minute, second, millisecond, time))
    return false;
  value = date >= 0 ? date + time : date - time;
  return true;
}

DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                        int millisecond) {
  const DateTime date = EncodeDate(year, month, day);
  const DateTime time = EncodeTime(hour, minute, second, millisecond);
  return date >= 0 ? date + time : date - time;
}

CalendarDate DecodeDate(DateTime value) {
  long long t = ToTimeStamp(value).date;
  if (t <= 0) return {};
  // Whole 400-, 100-, 4- and 1-year cycles; the last day of a 400- or 4-year cycle would
  // otherwise count as the first day of the next 100- or 1-year cycle.
  --t;
  long long year = 1 + 400 * (t / 146097);
  t %= 146097;
  long long centuries = t / 36524;
  if (centuries == 4) centuries = 3;
  t -= centuries * 36524;
  year += 100 * centuries + 4 * (t / 1461);
  t %= 1461;
  long long years = t / 365;
  if (years == 4) years = 3;
  t -= years * 365;
  year += years;
  const bool leap = IsLeapYear(static_cast<int>(year));
  int month = 1;
  while (month < 12 && t >= kDaysBeforeMonth[leap][month + 1]) ++month;
  return {static_cast<int>(year), month,
          static_cast<int>(t - kDaysBeforeMonth[leap][month]) + 1};
}

ClockTime DecodeTime(DateTime value) {
  const long long ms = ToTimeStamp(value).msec;
  return {static_cast<int>(ms / 3600000), static_cast<int>(ms / 60000 % 60),
          static_cast<int>(ms / 1000 % 60), static_cast<int>(ms % 1000)};
}

std::string FormatDateTime(std::string_view pattern, DateTime value) {
  const CalendarDate d = DecodeDate(value);
  const ClockTime t = DecodeTime(value);
  std::string out;
  char last = 0;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i];
    if (c == '"' || c == '\'') {
      const std::size_t end = pattern.find(c, i + 1);
      const std::size_t stop = end == std::string_view::npos ? pattern.size() : end;
      out.append(pattern.substr(i + 1, stop - i - 1));
      i = stop + 1;
      continue;
    }
    char token = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    if (token < 'A' || token > 'Z') {
      out += c;
      ++i;
      continue;
    }
    // A run of one letter in either case is one field.
    std::size_t count = 1;
    while (i + count < pattern.size() && (pattern[i + count] | 0x20) == (c | 0x20)) ++count;
    if (token == 'M' && last == 'H') token = 'N';
    last = token;
    const int width = count >= 2 ? 2 : 1;
    switch (token) {
      case 'Y':
        if (count <= 2)
          AppendNumber(out, d.year % 100, 2);
        else
          AppendNumber(out, d.year, 4);
        break;
      case 'M': AppendNumber(out, d.month, width); break;
      case 'D': AppendNumber(out, d.day, width); break;
      case 'H': AppendNumber(out, t.hour, width); break;
      case 'N': AppendNumber(out, t.minute, width); break;
      case 'S': AppendNumber(out, t.second, width); break;
      case 'Z': AppendNumber(out, t.millisecond, count >= 3 ? 3 : 1); break;
      default: out.append(pattern.substr(i, count)); break;
    }
    i += count;
  }
  return out;
}

bool TryStrToDateTime(std::string_view text, DateTime& value) {
  // "yyyy-mm-dd   hh:mm:ss"
  static constexpr std::string_view kShape = "dddd-dd-dd   dd:dd:dd";
  if (text.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) return false;
  }
  return TryEncodeDateTime(ReadDigits(text, 0, 4), ReadDigits(text, 5, 2),
                           ReadDigits(text, 8, 2), ReadDigits(text, 13, 2),
                           ReadDigits(text, 16, 2), ReadDigits(text, 19, 2), 0, value);
}

DateTime StrToDateTime(std::string_view text) {
  DateTime value = 0;
  if (!TryStrToDateTime(text, value))
    throw ConvertError("'" + std::string(text) + "' is not a valid date and time");
  return value;
}

}  // namespace kq

// Dates and times: calendar arithmetic, the runtime's rounding, the three timestamp
// patterns and the strict parser of scheduled times.
#include "base/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <ostream>

#include "base/clock.h"
#include "base/error.h"

namespace kq {

void PrintTo(const CalendarDate& d, std::ostream* os) {
  *os << d.year << "-" << d.month << "-" << d.day;
}
void PrintTo(const ClockTime& t, std::ostream* os) {
  *os << t.hour << ":" << t.minute << ":" << t.second << "." << t.millisecond;
}

namespace {

TEST(DateTimeEncode, KnownDays) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1899, 12, 31), 1.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(1970, 1, 1), 25569.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(2007, 7, 6), 39269.0);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(DateTimeEncode, LeapYears) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
  EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2.0);
  EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1.0);
}

TEST(DateTimeEncode, RefusesImpossibleParts) {
  DateTime v = 123;
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29, v));
  EXPECT_FALSE(TryEncodeDate(2100, 2, 29, v));
  EXPECT_FALSE(TryEncodeDate(0, 1, 1, v));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, v));
  EXPECT_FALSE(TryEncodeDate(2007, 0, 1, v));
  EXPECT_FALSE(TryEncodeDate(2007, 4, 31, v));
  EXPECT_FALSE(TryEncodeDate(2007, 4, 0, v));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, v));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, v));
  EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, v));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, v));
  EXPECT_FALSE(TryEncodeTime(-1, 0, 0, 0, v));
  EXPECT_EQ(v, 123);
  try {
    EncodeDate(2023, 2, 29);
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument to date encode");
  }
  try {
    EncodeTime(24, 0, 0, 0);
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "Invalid argument to time encode");
  }
}

TEST(DateTimeEncode, TimeIsFractionOfDay) {
  EXPECT_EQ(EncodeTime(0, 0, 0, 0), 0.0);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_DOUBLE_EQ(EncodeTime(1, 0, 0, 0), kOneHour);
  EXPECT_DOUBLE_EQ(EncodeTime(0, 1, 0, 0), kOneMinute);
  EXPECT_DOUBLE_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000.0);
  EXPECT_EQ(EncodeDateTime(2007, 7, 6, 18, 0, 0, 0), 39269.75);
}

// Before the epoch the day is Trunc(value) and the time of day is the fraction's magnitude.
TEST(DateTimeEncode, NegativeDatesSubtractTheTime) {
  EXPECT_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
  EXPECT_EQ(DecodeDate(-1.25), (CalendarDate{1899, 12, 29}));
  EXPECT_EQ(DecodeTime(-1.25), (ClockTime{6, 0, 0, 0}));
  EXPECT_EQ(DecodeDate(-0.5), (CalendarDate{1899, 12, 30}));
  EXPECT_EQ(DecodeTime(-0.5), (ClockTime{12, 0, 0, 0}));
  const DateTime old = EncodeDateTime(1066, 10, 14, 9, 30, 15, 250);
  EXPECT_LT(old, 0);
  EXPECT_EQ(DecodeDate(old), (CalendarDate{1066, 10, 14}));
  EXPECT_EQ(DecodeTime(old), (ClockTime{9, 30, 15, 250}));
  EXPECT_EQ(FormatDateTime(kLogStampFormat, old), "1066-10-14 09:30:15");
}

TEST(DateTimeDecode, EveryDayOfEightCenturiesRoundTrips) {
  DateTime expected = EncodeDate(1600, 1, 1);
  for (int y = 1600; y <= 2400; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInMonth(y, m); ++d) {
        ASSERT_EQ(EncodeDate(y, m, d), expected) << y << "-" << m << "-" << d;
        const DateTime evening = expected >= 0 ? expected + 0.75 : expected - 0.75;
        ASSERT_EQ(DecodeDate(evening), (CalendarDate{y, m, d})) << expected;
        expected += 1;
      }
}

TEST(DateTimeDecode, EverySecondOfADayRoundTrips) {
  const DateTime day = EncodeDate(2024, 2, 29);
  for (int s = 0; s < 86400; ++s) {
    const ClockTime t{s / 3600, s / 60 % 60, s % 60, (s * 7) % 1000};
    const DateTime v = day + EncodeTime(t.hour, t.minute, t.second, t.millisecond);
    ASSERT_EQ(DecodeTime(v), t) << s;
    ASSERT_EQ(DecodeDate(v), (CalendarDate{2024, 2, 29})) << s;
  }
}

TEST(DateTimeDecode, CalendarEnds) {
  EXPECT_EQ(DecodeDate(-693593), (CalendarDate{1, 1, 1}));
  EXPECT_EQ(DecodeDate(2958465.5), (CalendarDate{9999, 12, 31}));
  // Before 0001-01-01 and for values that are no number at all, every part is 0.
  EXPECT_EQ(DecodeDate(-693594), (CalendarDate{}));
  EXPECT_EQ(DecodeDate(std::numeric_limits<double>::quiet_NaN()), (CalendarDate{}));
  EXPECT_EQ(DecodeDate(std::numeric_limits<double>::infinity()), (CalendarDate{}));
  EXPECT_EQ(DecodeDate(1e300), (CalendarDate{}));
  EXPECT_EQ(DecodeTime(std::numeric_limits<double>::quiet_NaN()), (ClockTime{}));
}

TEST(DateTimeDecode, RoundsToTheNearestMillisecond) {
  const DateTime day = EncodeDate(2007, 7, 6);
  const DateTime ms = 1.0 / 86400000.0;
  EXPECT_EQ(DecodeTime(day + 1.4 * ms).millisecond, 1);
  EXPECT_EQ(DecodeTime(day + 1.6 * ms).millisecond, 2);
  EXPECT_EQ(DecodeTime(day + EncodeTime(10, 20, 30, 999) + 0.6 * ms), (ClockTime{10, 20, 31, 0}));
  EXPECT_EQ(DecodeTime(day + EncodeTime(10, 59, 59, 999) + 0.6 * ms), (ClockTime{11, 0, 0, 0}));
}

// A value less than half a millisecond before midnight is midnight of the next day, in the
// date, the time and the formatted text alike; never "24:00:00" and never the old date.
TEST(DateTimeDecode, JustBeforeMidnight) {
  const DateTime day = EncodeDate(2007, 12, 31);
  const DateTime last = day + EncodeTime(23, 59, 59, 999);
  EXPECT_EQ(DecodeDate(last), (CalendarDate{2007, 12, 31}));
  EXPECT_EQ(DecodeTime(last), (ClockTime{23, 59, 59, 999}));
  EXPECT_EQ(FormatDateTime(kLogStampFormat, last), "2007-12-31 23:59:59");

  const DateTime almost = day + 0.9999999999;
  EXPECT_EQ(DecodeDate(almost), (CalendarDate{2008, 1, 1}));
  EXPECT_EQ(DecodeTime(almost), (ClockTime{0, 0, 0, 0}));
  EXPECT_EQ(FormatDateTime(kDateTimeDigitsFormat, almost), "20080101000000");

  // Computed the way a delay is added: whole hours, then minutes, in floating point.
  DateTime target = (EncodeDateTime(2007, 12, 31, 22, 59, 0, 0) * 24 + 1) / 24;
  target = (target * 1440 + 1) / 1440;
  EXPECT_EQ(FormatDateTime(kLogStampFormat, target), "2008-01-01 00:00:00");
}

TEST(DateTimeFormat, ThreePatternsZeroPadded) {
  const DateTime v = EncodeDateTime(2007, 1, 2, 3, 4, 5, 678);
  EXPECT_EQ(FormatDateTime(kLogStampFormat, v), "2007-01-02 03:04:05");
  EXPECT_EQ(FormatDateTime(kDateDigitsFormat, v), "20070102");
  EXPECT_EQ(FormatDateTime(kDateTimeDigitsFormat, v), "20070102030405");
  const DateTime pm = EncodeDateTime(2007, 7, 6, 17, 58, 0, 0);
  EXPECT_EQ(FormatDateTime(kLogStampFormat, pm), "2007-07-06 17:58:00");
  EXPECT_EQ(FormatDateTime(kDateTimeDigitsFormat, pm).substr(8, 2), "17");
  EXPECT_EQ(FormatDateTime(kDateTimeDigitsFormat, pm).substr(10, 2), "58");
  EXPECT_EQ(FormatDateTime(kDateDigitsFormat, EncodeDate(33, 3, 3)), "00330303");
}

TEST(DateTimeFormat, MinutesAfterHoursAndOtherFields) {
  const DateTime v = EncodeDateTime(2009, 11, 8, 7, 6, 5, 4);
  EXPECT_EQ(FormatDateTime("hh:mm", v), "07:06");
  EXPECT_EQ(FormatDateTime("mm/dd hh", v), "11/08 07");
  EXPECT_EQ(FormatDateTime("HH:NN:SS.ZZZ", v), "07:06:05.004");
  EXPECT_EQ(FormatDateTime("yy m d h n s z", v), "09 11 8 7 6 5 4");
  EXPECT_EQ(FormatDateTime("'at' hh \"o'clock\"", v), "at 07 o'clock");
  EXPECT_EQ(FormatDateTime("", v), "");
}

TEST(DateTimeParse, ReadsTheScheduleForm) {
  EXPECT_EQ(StrToDateTime("2007-07-06   17:58:00"), EncodeDateTime(2007, 7, 6, 17, 58, 0, 0));
  EXPECT_EQ(StrToDateTime("2008-02-29   00:00:00"), EncodeDate(2008, 2, 29));
  EXPECT_EQ(StrToDateTime("1899-12-30   23:59:59"), EncodeTime(23, 59, 59, 0));
  EXPECT_EQ(StrToDateTime("1899-12-29   06:00:00"), -1.25);
}

TEST(DateTimeParse, RefusesAnythingElse) {
  for (const char* bad : {
           "2007-07-06   24:00:00",   // hour 24 passes the range check, not the parser
           "2007-07-06   17:60:00",   // minute 60
           "2007-07-06   01:75:80",   // an hour typed as "017" shifts the fixed positions
           "2007-07-06   17:58:60",
           "2007-02-29   17:58:00",
           "2007-13-01   17:58:00",
           "2007-00-10   17:58:00",
           "0000-01-01   00:00:00",
           "2007-07-06 17:58:00",     // one space
           "2007-07-06    17:58:00",
           " 2007-07-06   17:58:00",
           "2007-07-06   17:58:00 ",
           "2007-7-6   17:58:00",
           "2007/07/06   17:58:00",
           "2007-07-06   17:5:00",
           "2007-07-06   1 :58:00",
           "2007-07-06   +7:58:00",
           "2007-07-06   -1:58:00",
           "2007-07-06   \xEF\xBC\x91" "7:58:00",
           "",
       }) {
    DateTime v = 42;
    EXPECT_FALSE(TryStrToDateTime(bad, v)) << bad;
    EXPECT_EQ(v, 42) << bad;
    EXPECT_THROW(StrToDateTime(bad), ConvertError) << bad;
  }
}

TEST(DateTimeParse, ErrorTextNamesTheText) {
  try {
    StrToDateTime("2007-07-06   24:00:00");
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'2007-07-06   24:00:00' is not a valid date and time");
  }
  try {
    StrToDateTime("明天");
    FAIL();
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'明天' is not a valid date and time");
  }
}

TEST(Clock, ManualClockMovesOnlyWhenTold) {
  ManualClock clock(EncodeDateTime(2007, 7, 6, 23, 30, 0, 0));
  const Clock& c = clock;
  EXPECT_EQ(FormatDateTime(kLogStampFormat, c.Now()), "2007-07-06 23:30:00");
  clock.Advance(kOneHour);
  EXPECT_EQ(FormatDateTime(kLogStampFormat, c.Now()), "2007-07-07 00:30:00");
  clock.Set(0);
  EXPECT_EQ(c.Now(), 0);
}

// The system clock reads local time: it agrees with the C library's local time to the second.
TEST(Clock, SystemClockIsLocalTime) {
  const SystemClock clock;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::time_t before = std::time(nullptr);
    const DateTime now = clock.Now();
    const std::time_t after = std::time(nullptr);
    if (before != after) continue;  // a second boundary fell between the readings
    const std::tm* local = std::localtime(&before);
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(DecodeDate(now), (CalendarDate{local->tm_year + 1900, local->tm_mon + 1,
                                             local->tm_mday}));
    const ClockTime t = DecodeTime(now);
    EXPECT_EQ(t.hour, local->tm_hour);
    EXPECT_EQ(t.minute, local->tm_min);
    EXPECT_EQ(t.second, local->tm_sec > 59 ? 59 : local->tm_sec);
    return;
  }
  FAIL() << "the clock never held still for a second";
}

}  // namespace
}  // namespace kq

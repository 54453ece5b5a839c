// The countdown's split of the time left, its text, the tick on which the task is due and
// when its timer next wakes.
#include "app/core/countdown.h"

#include <gtest/gtest.h>

namespace kq {
namespace {

DateTime Left(int d, int h, int m, double s) {
  return d + h * kOneHour + m * kOneMinute + s * kOneSecond;
}

std::string TextFor(DateTime left) { return RemainingText(SplitRemaining(left)); }

TEST(Countdown, PartsArePaddedExceptTheDays) {
  EXPECT_EQ(TextFor(Left(1, 2, 3, 4.5)), "剩余：1 天 02 时 03 分 04 秒 ");
  EXPECT_EQ(TextFor(Left(0, 1, 5, 9.25)), "剩余：0 天 01 时 05 分 09 秒 ");
  EXPECT_EQ(TextFor(Left(0, 23, 59, 59.9)), "剩余：0 天 23 时 59 分 59 秒 ");
  EXPECT_EQ(TextFor(Left(400, 12, 30, 30.5)), "剩余：400 天 12 时 30 分 30 秒 ");
}

TEST(Countdown, LastSecondsAndTheDueTick) {
  const DateTime two = Left(0, 0, 0, 1.999), one = Left(0, 0, 0, 1.001);
  EXPECT_EQ(TextFor(two), "剩余：0 天 00 时 00 分 01 秒 ");
  EXPECT_EQ(TextFor(one), "剩余：0 天 00 时 00 分 01 秒 ");
  EXPECT_FALSE(IsDue(two));
  EXPECT_FALSE(IsDue(one));
  const DateTime under = Left(0, 0, 0, 0.999);
  EXPECT_EQ(TextFor(under), "剩余：0 天 00 时 00 分 00 秒 ");
  EXPECT_TRUE(IsDue(under));
  EXPECT_TRUE(IsDue(0));
  EXPECT_EQ(TextFor(0), "剩余：0 天 00 时 00 分 00 秒 ");
}

TEST(Countdown, TimeAlreadyPastGivesNegativePartsUnpadded) {
  // Woken from sleep half a day after the target.
  const DateTime left = -Left(0, 12, 0, 0.5);
  EXPECT_EQ(SplitRemaining(left).hours, -12);
  EXPECT_EQ(TextFor(left), "剩余：0 天 -12 时 00 分 00 秒 ");
  EXPECT_TRUE(IsDue(left));
  EXPECT_EQ(TextFor(-Left(2, 0, 3, 30.5)), "剩余：-2 天 00 时 -3 分 -30 秒 ");
}

TEST(Countdown, EachStepTruncatesTowardZero) {
  EXPECT_EQ(SplitRemaining(Left(0, 0, 0, 59.5)), (RemainingParts{0, 0, 0, 59}));
  EXPECT_EQ(SplitRemaining(Left(3, 0, 59, 0.5)), (RemainingParts{3, 0, 59, 0}));
  EXPECT_EQ(SplitRemaining(-Left(0, 1, 30, 45.5)), (RemainingParts{0, -1, -30, -45}));
}

TEST(Countdown, AWholeSecondLeftBetweenTwoClockReadingsShowsThatSecond) {
  // Targets are whole seconds and the clock reads milliseconds: the difference of the two
  // dates is a hair off, and the seconds must not read one less because of it.
  const DateTime target = EncodeDateTime(2007, 7, 6, 18, 0, 0, 0);
  for (int k : {1, 3, 6, 12, 25, 48, 60, 61, 3600, 86400 + 7}) {
    // The clock's reading k seconds before, made from its fields as the system clock makes it.
    const DateTime before = target - k * kOneSecond;
    const CalendarDate d = DecodeDate(before);
    const ClockTime t = DecodeTime(before);
    const DateTime clock = EncodeDateTime(d.year, d.month, d.day, t.hour, t.minute, t.second,
                                          t.millisecond);
    const RemainingParts p = SplitRemaining(target - clock);
    EXPECT_EQ(((p.days * 24 + p.hours) * 60 + p.minutes) * 60 + p.seconds, k) << k;
    EXPECT_FALSE(IsDue(target - clock)) << k;
  }
}

TEST(CountdownTimer, AimsJustPastTheNextWholeSecond) {
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 5, 0.3), false), 301u);
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 0, 1.999), false), 1000u);
  EXPECT_EQ(NextTickDelayMs(Left(2, 3, 4, 5.75), false), 751u);
  // Just past a boundary (or due) the timer still waits the system's 10 ms.
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 0, 7.004), false), 10u);
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 0, 7), false), 10u);
  EXPECT_EQ(NextTickDelayMs(-Left(0, 12, 0, 0), false), 10u);
}

TEST(CountdownTimer, AWarningStillToComeIsAimedAtTheMinuteLeft) {
  // 60.5 s left: the minute comes before the seconds drop to 59.
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 0, 60.5), true), 500u);
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 0, 60.5), false), 501u);
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 1, 0.02), true), 20u);
  // Further off, or once the minute is reached, the display alone decides.
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 5, 0.3), true), 301u);
  EXPECT_EQ(NextTickDelayMs(Left(0, 0, 0, 59.4), true), 401u);
}

}  // namespace
}  // namespace kq

// The countdown's split of the time left, its text and the tick on which the task is due.
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

}  // namespace
}  // namespace kq

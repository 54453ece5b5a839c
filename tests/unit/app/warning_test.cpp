// The last warning: the moment it shows and hides, its text for each second, and the
// arithmetic of "推迟 10 分钟".
#include "app/core/warning.h"

#include <gtest/gtest.h>

#include "app/core/schedule.h"

namespace kq {
namespace {

DateTime Seconds(double s) { return s * kOneSecond; }

TEST(LastWarning, ComesAtAMinuteLeftOnlyForCountdownsStartedEarlier) {
  EXPECT_TRUE(WarnsAhead(Seconds(60.001)));
  EXPECT_TRUE(WarnsAhead(Seconds(3600)));
  EXPECT_FALSE(WarnsAhead(Seconds(60)));  // a delay of one minute: just asked for
  EXPECT_FALSE(WarnsAhead(0));            // a delay of 0 minutes
  EXPECT_FALSE(WarningShows(true, Seconds(60.001)));
  EXPECT_TRUE(WarningShows(true, Seconds(60)));
  EXPECT_TRUE(WarningShows(true, Seconds(1)));
  EXPECT_FALSE(WarningShows(true, Seconds(0.999)));  // due: the task goes ahead
  EXPECT_FALSE(WarningShows(true, Seconds(-30)));
  EXPECT_FALSE(WarningShows(false, Seconds(30)));
}

TEST(LastWarning, SaysTheSecondsTheCountdownShowsAndTheTask) {
  const auto item = [](int index, std::string_view command) {
    return std::string(TaskItemText(index, command).value_or("?"));
  };
  EXPECT_EQ(WarningText(ShownSeconds(SplitRemaining(Seconds(60))), item(0, "")),
            "还有 60 秒将关闭计算机。");
  EXPECT_EQ(WarningText(ShownSeconds(SplitRemaining(Seconds(59.999))), item(1, "")),
            "还有 59 秒将注销计算机。");
  EXPECT_EQ(WarningText(ShownSeconds(SplitRemaining(Seconds(1.2))), item(2, "")),
            "还有 1 秒将重启计算机。");
  for (int n = 1; n <= 60; ++n)
    EXPECT_EQ(ShownSeconds(SplitRemaining(Seconds(n + 0.5))), n);
  // No item selected: the item whose command the last start took.
  EXPECT_EQ(item(-1, "command.com /C shutdown -r"), "重启计算机");
  EXPECT_EQ(TaskItemText(-1, ""), std::nullopt);
}

TEST(LastWarning, PostponingAddsTenMinutesAcrossDayAndYearEnds) {
  const auto text = [](DateTime t) { return FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", t); };
  EXPECT_EQ(text(Postponed(EncodeDateTime(2007, 7, 6, 17, 58, 0, 0))), "2007-07-06 18:08:00.000");
  EXPECT_EQ(text(Postponed(EncodeDateTime(2026, 12, 31, 23, 55, 30, 250))),
            "2027-01-01 00:05:30.250");
  // Postponed again and again, it stays on the millisecond.
  DateTime t = EncodeDateTime(2007, 7, 6, 17, 58, 0, 0);
  for (int i = 0; i < 1000; ++i) t = Postponed(t);
  EXPECT_EQ(text(t), "2007-07-13 16:38:00.000");
  EXPECT_TRUE(WarnsAhead(Postponed(EncodeDateTime(2007, 7, 6, 17, 58, 0, 0)) -
                         EncodeDateTime(2007, 7, 6, 17, 57, 30, 0)));
}

}  // namespace
}  // namespace kq

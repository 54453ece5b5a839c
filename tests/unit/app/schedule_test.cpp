// Entries of the main window turned into a target moment: padding, range notices, the
// strict reading of the digit string, delays, the "每天" roll-over and the task table.
#include "app/core/schedule.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/core/machine.h"
#include "base/error.h"

namespace kq {
namespace {

DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return EncodeDateTime(y, mo, d, h, mi, s, ms);
}

std::string ErrorOf(DateTime picked, std::string_view hour, std::string_view minute) {
  try {
    DecideAtTime(picked, hour, minute, false, At(2000, 1, 1));
  } catch (const ConvertError& e) {
    return e.what();
  }
  return "no error";
}

TEST(PadTwoDigits, OnlyASingleCharacterGetsAZero) {
  EXPECT_EQ(PadTwoDigits("7"), "07");
  EXPECT_EQ(PadTwoDigits("0"), "00");
  EXPECT_EQ(PadTwoDigits(""), "");
  EXPECT_EQ(PadTwoDigits("17"), "17");
  EXPECT_EQ(PadTwoDigits("017"), "017");
  EXPECT_EQ(PadTwoDigits("-3"), "-3");
  EXPECT_EQ(PadTwoDigits("时"), "时");  // one character, but not one byte: left alone
}

TEST(AtTime, PaddedEntriesGiveThatMinuteOfThePickedDate) {
  // The picker's time of day does not matter, only its date.
  const DateTime picked = At(2007, 7, 6, 13, 14, 15, 16);
  const ScheduleDecision d =
      DecideAtTime(picked, PadTwoDigits("7"), PadTwoDigits("5"), false, At(2007, 7, 6, 6));
  ASSERT_EQ(d.kind, ScheduleDecision::kStart);
  EXPECT_EQ(d.target, At(2007, 7, 6, 7, 5));
  EXPECT_EQ(AtTimeText(picked, "07", "05"), "2007-07-06   07:05:00");
}

TEST(AtTime, HourAndMinuteOutOfRangeGiveTheirNotices) {
  const DateTime day = At(2007, 7, 6);
  const std::string hour_notice = "注意：定时小时只能在0-24之间！";
  const std::string minute_notice = "注意：定时分钟只能在0-60之间";
  for (auto [h, m, text] : {std::tuple{"25", "00", hour_notice}, {"-1", "00", hour_notice},
                            {"99", "61", hour_notice}, {"10", "61", minute_notice},
                            {"10", "-5", minute_notice}}) {
    const ScheduleDecision d = DecideAtTime(day, h, m, true, day - 1);
    EXPECT_EQ(d.kind, ScheduleDecision::kNotice) << h << ":" << m;
    EXPECT_EQ(d.text, text) << h << ":" << m;
  }
}

TEST(AtTime, TextsThatAreNoTimeEndInTheConversionErrors) {
  const DateTime day = At(2007, 7, 6);
  // In range for the checks, but no time of day.
  EXPECT_EQ(ErrorOf(day, "24", "00"), "'2007-07-06   24:00:00' is not a valid date and time");
  EXPECT_EQ(ErrorOf(day, "10", "60"), "'2007-07-06   10:60:00' is not a valid date and time");
  // A third digit shifts every later field.
  EXPECT_EQ(ErrorOf(day, "017", "05"), "'2007-07-06   01:70:50' is not a valid date and time");
  EXPECT_EQ(ErrorOf(day, "10", "005"), "'2007-07-06   10:00:50' is not a valid date and time");
  // A sign or a hexadecimal number passes the integer conversion but not the time text.
  EXPECT_EQ(ErrorOf(day, "+7", "00"), "'2007-07-06   +7:00:00' is not a valid date and time");
  EXPECT_EQ(ErrorOf(day, "$A", "00"), "'2007-07-06   $A:00:00' is not a valid date and time");
  // Not integers at all.
  EXPECT_EQ(ErrorOf(day, "", "00"), "'' is not a valid integer value");
  EXPECT_EQ(ErrorOf(day, "07", "ab"), "'ab' is not a valid integer value");
  EXPECT_EQ(ErrorOf(day, " 7", "00"), "'2007-07-06    7:00:00' is not a valid date and time");
}

TEST(AtTime, AMomentAlreadyGoneIsRefusedUnlessEveryDay) {
  const DateTime day = At(2007, 7, 6);
  const std::string past = "注意：定时时间不能小于当前时间！";
  // The current minute has second 0, so it has already begun: refused.
  ScheduleDecision d = DecideAtTime(day, "17", "58", false, At(2007, 7, 6, 17, 58, 0, 1));
  EXPECT_EQ(d.kind, ScheduleDecision::kInPast);
  EXPECT_EQ(d.text, past);
  // Exactly at that moment it is not yet past.
  d = DecideAtTime(day, "17", "58", false, At(2007, 7, 6, 17, 58));
  EXPECT_EQ(d.kind, ScheduleDecision::kStart);
  // Started at 23:30 the proposed time is 00:30 of the picked day, already gone.
  d = DecideAtTime(day, "00", "30", false, At(2007, 7, 6, 23, 30, 12));
  EXPECT_EQ(d.kind, ScheduleDecision::kInPast);
  EXPECT_EQ(d.text, past);
}

TEST(AtTime, EveryDayMovesAPastMomentToItsNextOccurrence) {
  struct Case {
    DateTime picked, now, expected;
    const char *hour, *minute;
  } cases[] = {
      // proposed after 23:00: the next day
      {At(2007, 7, 6), At(2007, 7, 6, 23, 30, 12), At(2007, 7, 7, 0, 30), "00", "30"},
      // the current minute: tomorrow
      {At(2007, 7, 6), At(2007, 7, 6, 17, 58, 30), At(2007, 7, 7, 17, 58), "17", "58"},
      // across the end of a month, a year, a leap February
      {At(2007, 7, 31), At(2007, 7, 31, 23, 59, 59), At(2007, 8, 1, 0, 10), "00", "10"},
      {At(2007, 12, 31), At(2007, 12, 31, 12), At(2008, 1, 1, 8), "08", "00"},
      {At(2008, 2, 28), At(2008, 2, 28, 9), At(2008, 2, 29, 8, 59), "08", "59"},
      {At(2007, 2, 28), At(2007, 2, 28, 9), At(2007, 3, 1, 8, 59), "08", "59"},
      // a date picked weeks ago: the next occurrence from now, which may be today
      {At(2007, 6, 1), At(2007, 7, 6, 10), At(2007, 7, 6, 11, 15), "11", "15"},
      {At(2007, 6, 1), At(2007, 7, 6, 12), At(2007, 7, 7, 11, 15), "11", "15"},
      // still ahead: unchanged
      {At(2007, 7, 6), At(2007, 7, 6, 10), At(2007, 7, 6, 17, 58), "17", "58"},
      {At(2007, 7, 9), At(2007, 7, 6, 10), At(2007, 7, 9, 1, 2), "01", "02"},
  };
  for (const Case& c : cases) {
    const ScheduleDecision d = DecideAtTime(c.picked, c.hour, c.minute, true, c.now);
    ASSERT_EQ(d.kind, ScheduleDecision::kStart) << FormatDateTime("yyyy-mm-dd hh:nn", c.now);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", d.target),
              FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", c.expected));
    EXPECT_EQ(d.target, c.expected);
    EXPECT_GE(d.target, c.now);
  }
}

TEST(EveryDay, AfterTheTaskTheScheduleRollsOverToItsTimeOnTheNextDay) {
  struct Case {
    DateTime schedule, now, expected;
  } cases[] = {
      // on the due tick, across the end of a month, a year, a leap February
      {At(2007, 7, 31, 23, 30), At(2007, 7, 31, 23, 29, 59, 500), At(2007, 8, 1, 23, 30)},
      {At(2007, 12, 31, 8, 0), At(2007, 12, 31, 8, 0, 0, 16), At(2008, 1, 1, 8, 0)},
      {At(2008, 2, 28, 6, 15), At(2008, 2, 28, 6, 15), At(2008, 2, 29, 6, 15)},
      // the same wall-clock time across a daylight-saving change (Europe, 2026): 02:30 does
      // not exist on 29 March, and is reached when the clock jumps to 03:00; on 25 October
      // the clock goes back from 02:00 to 01:00, and the second 01:30 must not run it again
      {At(2026, 3, 28, 2, 30), At(2026, 3, 28, 2, 30), At(2026, 3, 29, 2, 30)},
      {At(2026, 3, 29, 2, 30), At(2026, 3, 29, 3, 0, 0, 20), At(2026, 3, 30, 2, 30)},
      {At(2026, 10, 25, 1, 30), At(2026, 10, 25, 1, 30), At(2026, 10, 26, 1, 30)},
      {At(2026, 10, 25, 1, 30), At(2026, 10, 25, 1, 0, 5), At(2026, 10, 26, 1, 30)},
      // postponed past midnight: the time as started, on the day after its own
      {At(2007, 7, 6, 23, 55), At(2007, 7, 7, 0, 5), At(2007, 7, 7, 23, 55)},
      // asleep for days: the next occurrence from now
      {At(2007, 7, 6, 8, 0), At(2007, 7, 9, 9, 0), At(2007, 7, 10, 8, 0)},
      {At(2007, 7, 6, 8, 0), At(2007, 7, 9, 7, 0), At(2007, 7, 9, 8, 0)},
  };
  for (const Case& c : cases) {
    const DateTime next = NextDailyTarget(c.schedule, c.now);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", next),
              FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", c.expected))
        << FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", c.now);
    EXPECT_EQ(next, c.expected);
  }
}

TEST(Delay, HoursAndMinutesAreAddedWithoutUpperBound) {
  const DateTime now = At(2007, 7, 6, 17, 58, 12, 345);
  ScheduleDecision d = DecideDelay("01", "00", now);
  ASSERT_EQ(d.kind, ScheduleDecision::kStart);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", d.target), "2007-07-06 18:58:12.345");
  d = DecideDelay("30", "500", now);
  ASSERT_EQ(d.kind, ScheduleDecision::kStart);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", d.target), "2007-07-08 08:18:12.345");
  d = DecideDelay("0", "-1", now);
  EXPECT_EQ(d.kind, ScheduleDecision::kInPast);
  EXPECT_EQ(d.text, "注意：延迟时间不能小于当前时间！");
  d = DecideDelay("-1", "90", now);  // -60 + 90 minutes: ahead
  EXPECT_EQ(d.kind, ScheduleDecision::kStart);
}

TEST(Delay, ZeroHoursZeroMinutesIsNeverRefused) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<long long> ms(0, 80LL * 365 * kMSecsPerDay);
  for (int i = 0; i < 100000; ++i) {
    const DateTime now = 36526 + static_cast<double>(ms(random)) / kMSecsPerDay;
    const ScheduleDecision d = DecideDelay("0", "0", now);
    ASSERT_EQ(d.kind, ScheduleDecision::kStart) << i;
    ASSERT_EQ(d.target, now) << i;
  }
}

TEST(Delay, EntriesThatAreNoIntegersGiveTheDelayMessage) {
  const DateTime now = At(2007, 7, 6, 12);
  for (auto [h, m] : {std::pair{"", "00"}, {"01", ""}, {"1a", "0"}, {"1", " "}}) {
    const ScheduleDecision d = DecideDelay(h, m, now);
    EXPECT_EQ(d.kind, ScheduleDecision::kBadDelay);
    EXPECT_EQ(d.text, "您输入的延迟天数与小时数不正确,必须为数字!");
  }
}

struct Recorder : MachineActions {
  std::string calls;
  bool Shutdown() override { return Note("shutdown;"); }
  bool Restart() override { return Note("restart;"); }
  bool LogOff() override { return Note("logoff;"); }
  bool Note(const char* what) {
    calls += what;
    return calls != "shutdown;logoff;";  // the second task is refused
  }
};

TEST(Tasks, IndexGivesTheCommandAndTheTask) {
  EXPECT_EQ(TaskCommandFor(0), "command.com /C shutdown -f");
  EXPECT_EQ(TaskCommandFor(1), "command.com /C shutdown -l");
  EXPECT_EQ(TaskCommandFor(2), "command.com /C shutdown -r");
  EXPECT_EQ(TaskCommandFor(-1), std::nullopt);
  EXPECT_EQ(TaskCommandFor(3), std::nullopt);

  Recorder r;
  std::vector<bool> taken;
  for (int i : {0, 1, 2}) taken.push_back(CarryOut(*TaskToCarryOut(i, "command.com /C shutdown -r"), r));
  EXPECT_EQ(r.calls, "shutdown;logoff;restart;");
  EXPECT_EQ(taken, (std::vector<bool>{true, false, true}));  // what the machine answered
}

TEST(Tasks, WithoutASelectionTheLastCommandDecides) {
  EXPECT_EQ(TaskToCarryOut(-1, "command.com /C shutdown -f"), MachineTask::kShutdown);
  EXPECT_EQ(TaskToCarryOut(-1, "command.com /C shutdown -l"), MachineTask::kLogOff);
  EXPECT_EQ(TaskToCarryOut(-1, "command.com /C shutdown -r"), MachineTask::kRestart);
  EXPECT_EQ(TaskToCarryOut(-1, ""), std::nullopt);
  EXPECT_EQ(TaskToCarryOut(-1, "notepad"), std::nullopt);
}

}  // namespace
}  // namespace kq

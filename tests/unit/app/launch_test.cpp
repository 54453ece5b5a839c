// Started by the Startup-folder shortcut or otherwise: only "/autorun" with a saved daily
// at-a-time schedule starts the countdown by itself.
#include "app/core/launch.h"

#include <gtest/gtest.h>

namespace kq {
namespace {

TEST(Launch, OnlyTheSingleAutorunArgumentCounts) {
  EXPECT_TRUE(IsAutorunStart({"/autorun"}));
  EXPECT_TRUE(IsAutorunStart({"/AutoRun"}));
  EXPECT_FALSE(IsAutorunStart({}));
  EXPECT_FALSE(IsAutorunStart({"autorun"}));
  EXPECT_FALSE(IsAutorunStart({"/autorun", "/autorun"}));
  EXPECT_FALSE(IsAutorunStart({"/autorun "}));
  EXPECT_FALSE(IsAutorunStart({"-autorun"}));
}

TEST(Launch, TheSavedScheduleStartsOnlyWhenDailyAtATimeAndFullyRead) {
  LoadedSettings daily;
  daily.stage = LoadedSettings::kAll;
  daily.values.every_day = true;
  daily.values.at_time = true;
  EXPECT_TRUE(StartsSavedSchedule(true, daily));
  EXPECT_FALSE(StartsSavedSchedule(false, daily));  // started by hand: only put back
  LoadedSettings once = daily;
  once.values.every_day = false;
  EXPECT_FALSE(StartsSavedSchedule(true, once));
  LoadedSettings delay = daily;
  delay.values.at_time = false;
  EXPECT_FALSE(StartsSavedSchedule(true, delay));
  LoadedSettings damaged = daily;  // "tasktype" no integer: the start-up stops there
  damaged.stage = LoadedSettings::kModes;
  EXPECT_FALSE(StartsSavedSchedule(true, damaged));
  EXPECT_FALSE(StartsSavedSchedule(true, LoadedSettings{}));  // nothing saved
}

}  // namespace
}  // namespace kq

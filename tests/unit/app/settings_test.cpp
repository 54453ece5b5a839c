// The settings file and the event log on real files: the nine keys and their order, the
// gate on "save", loading rules with damaged files, and log keys that never collide.
#include "app/core/settings.h"

#include <gtest/gtest.h>

#include "app/core/event_log.h"
#include "base/encoding.h"
#include "base/error.h"
#include "unit/base/temp_dir.h"

namespace kq {
namespace {

using test::TempDir;

class SettingsFile : public ::testing::Test {
 protected:
  std::string Text(const std::string& name = "zelvosoft.ini") const {
    return Cp936ToUtf8(dir_.ReadBytes(name));
  }
  void SetText(const std::string& utf8) const {
    dir_.WriteBytes("zelvosoft.ini", Utf8ToCp936(utf8));
  }

  TempDir dir_;
  IniFiles files_{dir_.Path("")};
};

TEST(IniFilesLocation, FolderOfTheProgramKeepsItsSeparator) {
  EXPECT_EQ(FolderOf("C:\\Program Files\\关机\\kqshutdown.exe"), "C:\\Program Files\\关机\\");
  EXPECT_EQ(FolderOf("/tmp/x/kqshutdown.exe"), "/tmp/x/");
  EXPECT_EQ(FolderOf("C:kqshutdown.exe"), "C:");
  EXPECT_EQ(FolderOf("kqshutdown.exe"), "");
  EXPECT_EQ(IniFiles("C:\\a\\").PathOf(kSettingsFile), "C:\\a\\zelvosoft.ini");
}

TEST_F(SettingsFile, ANewFileHoldsTheNineKeysInOrder) {
  SettingsValues v;
  v.hour = "7";  // stored as typed: padding happens only when a schedule starts
  v.minute = "05";
  v.delay_hour = "01";
  v.delay_minute = "00";
  SaveSettings(files_, v);
  EXPECT_EQ(Text(),
            "[system]\r\n"
            "info=Zelvo定时自动关机器 V1.0\r\n"
            "save=1\r\n"
            "every=0\r\n"
            "timetype=0\r\n"
            "tasktype=0\r\n"
            "[ontime]\r\n"
            "hour=7\r\n"
            "minute=05\r\n"
            "[delay]\r\n"
            "hour=01\r\n"
            "minute=00\r\n");
}

TEST_F(SettingsFile, SavedValuesComeBack) {
  SettingsValues v;
  v.every_day = true;
  v.at_time = false;
  v.task_index = 2;
  v.hour = "7";
  v.minute = "";
  v.delay_hour = "30";
  v.delay_minute = "500";
  SaveSettings(files_, v);
  LoadedSettings loaded = LoadSettings(files_);
  EXPECT_EQ(loaded.stage, LoadedSettings::kAll);
  EXPECT_EQ(loaded.error, "");
  EXPECT_EQ(loaded.values, v);
  // Saving again replaces in place: same file, new values.
  v.every_day = false;
  v.at_time = true;
  v.task_index = -1;  // typed text matching no item
  SaveSettings(files_, v);
  EXPECT_NE(Text().find("every=0\r\ntimetype=0\r\ntasktype=-1\r\n[ontime]"), std::string::npos);
  loaded = LoadSettings(files_);
  EXPECT_EQ(loaded.values, v);
}

TEST_F(SettingsFile, OnlyTheExactTextOneOpensTheGate) {
  LoadedSettings defaults;
  EXPECT_EQ(LoadSettings(files_).stage, LoadedSettings::kNothing);  // no file
  for (const char* save : {"0", "yes", " 1", "1 ", "01", "", "１"}) {
    SetText(std::string("[system]\r\nsave=") + save +
            "\r\nevery=1\r\ntimetype=1\r\ntasktype=2\r\n[ontime]\r\nhour=3\r\n");
    const LoadedSettings loaded = LoadSettings(files_);
    EXPECT_EQ(loaded.stage, LoadedSettings::kNothing) << save;
    EXPECT_EQ(loaded.values, defaults.values) << save;
  }
}

TEST_F(SettingsFile, ModesReadOnlyTheirExactTexts) {
  SetText("[SYSTEM]\r\nSave=1\r\nevery=yes\r\ntimetype=\r\ntasktype=1\r\n");
  LoadedSettings loaded = LoadSettings(files_);
  EXPECT_EQ(loaded.stage, LoadedSettings::kAll);
  EXPECT_FALSE(loaded.values.every_day);
  EXPECT_FALSE(loaded.values.at_time);  // anything but "0", an empty text too
  EXPECT_EQ(loaded.values.task_index, 1);
  EXPECT_EQ(loaded.values.hour, "");    // missing keys leave the edits empty
  EXPECT_EQ(loaded.values.delay_minute, "");
}

TEST_F(SettingsFile, ATaskTypeThatIsNoIntegerStopsLoadingThere) {
  SetText("[system]\r\nsave=1\r\nevery=1\r\ntimetype=1\r\ntasktype=two\r\n"
          "[ontime]\r\nhour=3\r\n[delay]\r\nhour=4\r\n");
  LoadedSettings loaded = LoadSettings(files_);
  EXPECT_EQ(loaded.stage, LoadedSettings::kModes);
  EXPECT_EQ(loaded.error, "'two' is not a valid integer value");
  EXPECT_TRUE(loaded.values.every_day);
  EXPECT_FALSE(loaded.values.at_time);
  EXPECT_EQ(loaded.values.hour, "");
  EXPECT_EQ(loaded.values.delay_hour, "");

  SetText("[system]\r\nsave=1\r\n");  // missing: an empty text, no integer either
  EXPECT_EQ(LoadSettings(files_).error, "'' is not a valid integer value");
  SetText("[system]\r\nsave=1\r\ntasktype=7\r\n");  // an integer out of range is the window's
  EXPECT_EQ(LoadSettings(files_).values.task_index, 7);
}

TEST_F(SettingsFile, DamagedFilesLoadWhatTheRulesGive) {
  // Only CR, then only LF line ends.
  SetText("[system]\rsave=1\rtasktype=2\r[ontime]\rhour=08\r");
  LoadedSettings loaded = LoadSettings(files_);
  EXPECT_EQ(loaded.values.task_index, 2);
  EXPECT_EQ(loaded.values.hour, "08");
  SetText("[system]\nsave=1\ntasktype=0\n[delay]\nminute=15\n");
  EXPECT_EQ(LoadSettings(files_).values.delay_minute, "15");
  // A huge value comes back cut to what the read buffer holds.
  SetText("[system]\r\nsave=1\r\ntasktype=0\r\n[ontime]\r\nhour=" + std::string(5000, '9') +
          "\r\n");
  EXPECT_EQ(LoadSettings(files_).values.hour, std::string(2047, '9'));
  // Binary garbage around the values.
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) & 0xFF);
  dir_.WriteBytes("zelvosoft.ini", garbage + "\r\n[system]\r\nsave=1\r\ntasktype=1\r\n" + garbage);
  EXPECT_EQ(LoadSettings(files_).values.task_index, 1);
  dir_.WriteBytes("zelvosoft.ini", garbage);
  EXPECT_EQ(LoadSettings(files_).stage, LoadedSettings::kNothing);
}

TEST_F(SettingsFile, AFolderThatCannotBeWrittenStopsAtTheFirstValue) {
  const IniFiles nowhere(dir_.Path("missing folder") + "/");
  try {
    SaveSettings(nowhere, SettingsValues{});
    FAIL() << "no error";
  } catch (const WriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + nowhere.PathOf(kSettingsFile));
  }
  EXPECT_THROW(WriteLogEvent(nowhere, "2007-07-06 17:00:00", "x"), WriteError);
}

TEST_F(SettingsFile, EventsInOneSecondKeepTheirOwnKeys) {
  const DateTime t = EncodeDateTime(2007, 7, 6, 17, 58, 0, 100);
  const DateTime same_second = EncodeDateTime(2007, 7, 6, 17, 58, 0, 900);
  const DateTime next = EncodeDateTime(2007, 7, 6, 17, 58, 1, 0);
  std::vector<std::string> keys;
  auto log = [&](DateTime now, std::string_view text) {
    keys.push_back(FreeLogKey(files_, now));
    WriteLogEvent(files_, keys.back(), text);
  };
  log(t, "开始执行Zelvo定时自动关机器。");
  log(same_second, "停止执行Zelvo定时自动关机器。");
  log(same_second, "开始执行Zelvo定时自动关机器。");
  log(next, "到时执行之前约定的任务");
  EXPECT_EQ(keys, (std::vector<std::string>{"2007-07-06 17:58:00", "2007-07-06 17:58:00 #2",
                                            "2007-07-06 17:58:00 #3", "2007-07-06 17:58:01"}));
  EXPECT_EQ(Text("zelvolog.txt"),
            "[SYSTEMLOG]\r\n"
            "2007-07-06 17:58:00=开始执行Zelvo定时自动关机器。\r\n"
            "2007-07-06 17:58:00 #2=停止执行Zelvo定时自动关机器。\r\n"
            "2007-07-06 17:58:00 #3=开始执行Zelvo定时自动关机器。\r\n"
            "2007-07-06 17:58:01=到时执行之前约定的任务\r\n");
  // The log goes beside the settings, not into them.
  EXPECT_FALSE(dir_.Exists("zelvosoft.ini"));
}

}  // namespace
}  // namespace kq

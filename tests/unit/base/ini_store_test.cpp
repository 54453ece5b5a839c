// The INI store on real files: lookup rules, where new lines go, what reads give back, and
// that a failed write never damages the file.
#include "base/ini_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/encoding.h"
#include "base/error.h"
#include "unit/base/temp_dir.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace kq {
namespace {

using test::TempDir;

class IniStore : public ::testing::Test {
 protected:
  std::string Read(std::string_view section, std::string_view key) const {
    return ReadIniString(file_, section, key);
  }
  void Write(std::string_view section, std::string_view key, std::string_view value) const {
    WriteIniString(file_, section, key, value);
  }
  // The file's bytes as UTF-8, for comparing with readable expectations.
  std::string Text() const { return Cp936ToUtf8(dir_.ReadBytes("zelvosoft.ini")); }
  void SetText(const std::string& utf8) const {
    dir_.WriteBytes("zelvosoft.ini", Utf8ToCp936(utf8));
  }

  TempDir dir_;
  std::string file_ = dir_.Path("zelvosoft.ini");
};

TEST_F(IniStore, MissingThingsReadAsEmpty) {
  EXPECT_EQ(Read("system", "save"), "");  // no file
  SetText("[system]\r\nsave=1\r\n");
  EXPECT_EQ(Read("ontime", "hour"), "");  // no section
  EXPECT_EQ(Read("system", "every"), "");  // no key
  EXPECT_EQ(Read("system", "save"), "1");
  EXPECT_EQ(ReadIniString(dir_.Path("no such folder/x.ini"), "system", "save"), "");
}

// The settings file written from scratch: sections and keys in the order written, CR LF
// line ends, Chinese text as code page 936 bytes.
TEST_F(IniStore, NewFileHoldsKeysInTheOrderWritten) {
  Write("system", "info", "Zelvo定时自动关机器 V1.0");
  Write("system", "save", "1");
  Write("system", "every", "0");
  Write("system", "timetype", "1");
  Write("system", "tasktype", "2");
  Write("ontime", "hour", "7");
  Write("ontime", "minute", "58");
  Write("delay", "hour", "01");
  Write("delay", "minute", "00");
  EXPECT_EQ(dir_.ReadBytes("zelvosoft.ini"),
            "[system]\r\ninfo=Zelvo" + Utf8ToCp936("定时自动关机器") +
                " V1.0\r\nsave=1\r\nevery=0\r\ntimetype=1\r\ntasktype=2\r\n"
                "[ontime]\r\nhour=7\r\nminute=58\r\n[delay]\r\nhour=01\r\nminute=00\r\n");
  EXPECT_EQ(Read("system", "info"), "Zelvo定时自动关机器 V1.0");
  EXPECT_EQ(Read("ontime", "hour"), "7");
  EXPECT_EQ(Read("delay", "hour"), "01");
  EXPECT_FALSE(dir_.Exists("zelvosoft.ini.tmp"));
}

TEST_F(IniStore, NamesMatchWithoutRegardToCase) {
  SetText("[System]\r\nSave=1\r\n");
  EXPECT_EQ(Read("SYSTEM", "save"), "1");
  EXPECT_EQ(Read("system", "SAVE"), "1");
  Write("sYsTeM", "sAVE", "0");
  EXPECT_EQ(Text(), "[System]\r\nSave=0\r\n");  // the file keeps its own spelling
}

TEST_F(IniStore, ExistingKeyIsReplacedInItsLine) {
  SetText("; settings\r\n[system]\r\nsave=1\r\nevery=1\r\n\r\n[ontime]\r\nhour=17\r\n");
  Write("system", "save", "0");
  EXPECT_EQ(Text(), "; settings\r\n[system]\r\nsave=0\r\nevery=1\r\n\r\n[ontime]\r\nhour=17\r\n");
  Write("ontime", "hour", "");
  EXPECT_EQ(Text(), "; settings\r\n[system]\r\nsave=0\r\nevery=1\r\n\r\n[ontime]\r\nhour=\r\n");
  EXPECT_EQ(Read("ontime", "hour"), "");
}

TEST_F(IniStore, NewKeyGoesAfterTheLastLineOfItsSection) {
  SetText("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
  Write("a", "z", "3");
  Write("a", "w", "4");
  Write("b", "v", "5");
  EXPECT_EQ(Text(), "[a]\r\nx=1\r\nz=3\r\nw=4\r\n\r\n[b]\r\ny=2\r\nv=5\r\n");
  Write("c", "u", "6");
  EXPECT_EQ(Text(), "[a]\r\nx=1\r\nz=3\r\nw=4\r\n\r\n[b]\r\ny=2\r\nv=5\r\n[c]\r\nu=6\r\n");
}

TEST_F(IniStore, FileWithoutFinalLineBreak) {
  SetText("[a]\r\nx=1");
  Write("a", "y", "2");
  EXPECT_EQ(Text(), "[a]\r\nx=1\r\ny=2\r\n");
  SetText("[a]\r\nx=1");
  Write("b", "y", "2");
  EXPECT_EQ(Text(), "[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
  SetText("[a]");
  Write("a", "y", "2");
  EXPECT_EQ(Text(), "[a]\r\ny=2\r\n");
}

// The event log: a new second appends a key; a second event in the same second replaces it.
TEST_F(IniStore, LogEventsAppendAndShareASecond) {
  const std::string log = dir_.Path("zelvolog.txt");
  WriteIniString(log, "SYSTEMLOG", "2007-07-06 17:00:00", "运行Zelvo定时自动关机器。");
  WriteIniString(log, "SYSTEMLOG", "2007-07-06 17:00:05", "开始执行Zelvo定时自动关机器。");
  WriteIniString(log, "SYSTEMLOG", "2007-07-06 17:00:05", "停止执行Zelvo定时自动关机器。");
  WriteIniString(log, "SYSTEMLOG", "2007-07-06 17:01:00", "退出Zelvo定时自动关机器。");
  EXPECT_EQ(Cp936ToUtf8(dir_.ReadBytes("zelvolog.txt")),
            "[SYSTEMLOG]\r\n"
            "2007-07-06 17:00:00=运行Zelvo定时自动关机器。\r\n"
            "2007-07-06 17:00:05=停止执行Zelvo定时自动关机器。\r\n"
            "2007-07-06 17:01:00=退出Zelvo定时自动关机器。\r\n");
}

TEST_F(IniStore, ValuesComeBackExactlyAsWritten) {
  for (const char* value : {" 1", "1 ", "a=b", "[x]", "; not a comment", "\t", "剩余：0 天 "}) {
    Write("system", "save", value);
    EXPECT_EQ(Read("system", "save"), value);
  }
  // Line breaks would add lines to the file; they are stored as spaces.
  Write("system", "save", "1\r\n[evil]\r\nx=2");
  EXPECT_EQ(Read("system", "save"), "1  [evil]  x=2");
  EXPECT_EQ(Read("evil", "x"), "");
}

TEST_F(IniStore, SpacesAroundNamesAndFirstSectionWins) {
  SetText("orphan=0\r\n  [ system ]  \r\n  save =1\r\n[system]\r\nsave=2\r\nevery=1\r\n");
  EXPECT_EQ(Read("", "orphan"), "");
  EXPECT_EQ(Read("system", "save"), "1");
  EXPECT_EQ(Read("system", "every"), "");  // only the first [system] counts
  Write("system", "save", "3");
  EXPECT_EQ(Text(), "orphan=0\r\n  [ system ]  \r\n  save =3\r\n[system]\r\nsave=2\r\nevery=1\r\n");
}

TEST_F(IniStore, ReadsCrOnlyLfOnlyAndMixedLineEnds) {
  SetText("[a]\rx=1\r[b]\ry=2\r");
  EXPECT_EQ(Read("a", "x"), "1");
  EXPECT_EQ(Read("b", "y"), "2");
  SetText("[a]\nx=1\n\n[b]\ny=2");
  EXPECT_EQ(Read("a", "x"), "1");
  EXPECT_EQ(Read("b", "y"), "2");
  SetText("[a]\r\nx=1\n[b]\ry=2\n\rz=3");
  EXPECT_EQ(Read("a", "x"), "1");
  EXPECT_EQ(Read("b", "y"), "2");
  EXPECT_EQ(Read("b", "z"), "3");
  // Lines written later end in CR LF; the file's other lines keep their own ends.
  SetText("[a]\nx=1\n[b]\ny=2\n");
  Write("a", "x", "9");
  Write("a", "w", "8");
  EXPECT_EQ(Text(), "[a]\nx=9\r\nw=8\r\n[b]\ny=2\n");
}

TEST_F(IniStore, ReadGivesAtMost2047Bytes) {
  Write("s", "ascii", std::string(3000, 'a'));
  EXPECT_EQ(Read("s", "ascii"), std::string(2047, 'a'));
  Write("s", "exact", std::string(2047, 'b'));
  EXPECT_EQ(Read("s", "exact"), std::string(2047, 'b'));
  // 1500 Chinese characters are 3000 bytes: 1023 of them fit, the 1024th would be split.
  std::string chinese, expected;
  for (int i = 0; i < 1500; ++i) chinese += "关";
  for (int i = 0; i < 1023; ++i) expected += "关";
  Write("s", "chinese", chinese);
  EXPECT_EQ(Read("s", "chinese"), expected);
  Write("s", "shifted", "a" + chinese);
  EXPECT_EQ(Read("s", "shifted"), "a" + expected);
  Write("s", "shifted2", "aa" + chinese);
  EXPECT_EQ(Read("s", "shifted2"), "aa" + expected.substr(0, expected.size() - 3));
  EXPECT_EQ(Cp936ByteLength(Read("s", "shifted2")), 2046u);
}

TEST_F(IniStore, HugeValuesAndGarbage) {
  const std::string huge(5 * 1024 * 1024, 'x');
  SetText("[a]\r\nbig=" + huge + "\r\nnext=1\r\n");
  EXPECT_EQ(Read("a", "big"), std::string(2047, 'x'));
  EXPECT_EQ(Read("a", "next"), "1");

  std::string junk;
  unsigned seed = 7;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1103515245 + 12345;
    junk += static_cast<char>(seed >> 16);
  }
  dir_.WriteBytes("zelvosoft.ini", junk);
  for (const char* section : {"a", "system", "SYSTEMLOG", ""}) Read(section, "x");
  // Writing into garbage keeps every byte of it and adds the value at the end.
  Write("system", "save", "1");
  const std::string bytes = dir_.ReadBytes("zelvosoft.ini");
  ASSERT_GE(bytes.size(), junk.size());
  EXPECT_EQ(bytes.substr(0, junk.size()), junk);
  EXPECT_EQ(Read("system", "save"), "1");

  dir_.WriteBytes("zelvosoft.ini", std::string("[a]\r\nx=1\0" "2\r\n", 12));
  EXPECT_EQ(Read("a", "x"), "1");  // a value ends at a NUL byte
}

// Trail bytes of code page 936 can be ASCII letters or "]": they are neither folded nor
// taken for the end of a section name.
TEST_F(IniStore, DoubleByteNamesAreComparedByCharacter) {
  const std::string upper = Cp936ToUtf8("\x81\x41");  // two different characters whose
  const std::string lower = Cp936ToUtf8("\x81\x61");  // trail bytes are "A" and "a"
  const std::string bracket = Cp936ToUtf8("\x81\x5D");  // trail byte "]"
  ASSERT_NE(upper, lower);
  Write(upper, "k", "1");
  EXPECT_EQ(Read(upper, "k"), "1");
  EXPECT_EQ(Read(lower, "k"), "");
  Write(upper + bracket, upper, "2");
  EXPECT_EQ(Read(upper + bracket, upper), "2");
  EXPECT_EQ(Read(upper + bracket, lower), "");
  EXPECT_EQ(Read(upper, "k"), "1");
}

TEST_F(IniStore, ChineseFolderNames) {
  TempDir dir;
  std::filesystem::create_directories(test::PathFromUtf8(dir.Path("定时 关机")));
  const std::string path = dir.Path("定时 关机/zelvosoft.ini");
  WriteIniString(path, "system", "save", "1");
  WriteIniString(path, "system", "info", "中文");
  EXPECT_EQ(ReadIniString(path, "system", "save"), "1");
  EXPECT_EQ(ReadIniString(path, "system", "info"), "中文");
  EXPECT_TRUE(dir.Exists("定时 关机/zelvosoft.ini"));
}

// A folder nobody can write into, root included: its "parent" is a regular file.
TEST_F(IniStore, UnwritableFolderGivesTheRuntimesText) {
  dir_.WriteBytes("plain-file", "x");
  const std::string path = dir_.Path("plain-file") + "/zelvosoft.ini";
  try {
    WriteIniString(path, "system", "save", "1");
    FAIL() << "no error";
  } catch (const WriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  EXPECT_EQ(ReadIniString(path, "system", "save"), "");
  EXPECT_EQ(dir_.ReadBytes("plain-file"), "x");
}

TEST_F(IniStore, UnreadableFileIsNotReplaced) {
  std::filesystem::create_directory(test::PathFromUtf8(file_));  // the "file" is a folder
  EXPECT_THROW(Write("system", "save", "1"), WriteError);
  EXPECT_TRUE(std::filesystem::is_directory(test::PathFromUtf8(file_)));
  EXPECT_EQ(Read("system", "save"), "");
}

TEST_F(IniStore, FailedWriteLeavesTheOldFile) {
  SetText("[system]\r\nsave=1\r\n");
  // The temporary file cannot be made: a folder has its name.
  std::filesystem::create_directory(test::PathFromUtf8(file_ + ".tmp"));
  EXPECT_THROW(Write("system", "save", "0"), WriteError);
  EXPECT_EQ(Text(), "[system]\r\nsave=1\r\n");
  EXPECT_EQ(Read("system", "save"), "1");
}

#ifndef _WIN32
// The disk fills up halfway through the new file: the old one stays whole and the partial
// temporary file is removed. (A file size limit stands in for the full disk.)
TEST_F(IniStore, DiskFullHalfwayLeavesTheOldFile) {
  SetText("[system]\r\nsave=1\r\n");
  rlimit old_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 100000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    Write("system", "big", std::string(300000, 'z'));
  } catch (const WriteError& e) {
    threw = std::string(e.what()) == "Unable to write to " + file_;
  }
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_TRUE(threw);
  EXPECT_EQ(Text(), "[system]\r\nsave=1\r\n");
  EXPECT_FALSE(dir_.Exists("zelvosoft.ini.tmp"));
}
#endif

}  // namespace
}  // namespace kq

// What the program decides once at start: where its two files go, and that it runs only
// once per session (a second start brings the first forward).
#include "app_fixture.h"

#include "app/data_folder_win.h"
#include "app/single_instance.h"

namespace apptest {
namespace {

using ProgramStart = KqTest;

TEST_F(ProgramStart, FilesGoBesideTheProgramOrIntoThePerUserFolderWhenThatCannotBeWritten) {
  std::filesystem::create_directory(kq::test::PathFromUtf8(dir.Path("Program Files")));
  services.ProgramPath = kq::ui::Widen(dir.Path("Program Files\\kqshutdown.exe"));
  services.IniFolder.clear();
  // The folder can be written: the files stay beside the program, and the check leaves
  // nothing behind.
  Start();
  EXPECT_TRUE(dir.Exists("Program Files/zelvolog.txt"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(
                              kq::test::PathFromUtf8(dir.Path("Program Files"))),
                          std::filesystem::directory_iterator()),
            1);
  // It cannot (as under "Program Files" without administrator rights): the per-user folder,
  // made when missing, for reading and writing.
  delete app;
  SetUp();
  services.ProgramPath = kq::ui::Widen(dir.Path("Program Files\\kqshutdown.exe"));
  services.IniFolder.clear();
  services.LocalAppData = dir.Path("AppData\\Local");
  std::filesystem::create_directories(kq::test::PathFromUtf8(dir.Path("AppData/Local")));
  services.CanWriteFolder = [](const std::string&) { return false; };
  Start();
  const std::string per_user = "AppData/Local/Zelvo定时自动关机器/";
  EXPECT_EQ(w.DM_kq->Files().Folder(), dir.Path("AppData\\Local") + "\\Zelvo定时自动关机器\\");
  EXPECT_TRUE(dir.Exists(per_user + "zelvolog.txt"));
  WatchBoxes();
  w.MAIN_KQ->btn_saveClick();
  EXPECT_TRUE(dir.Exists(per_user + "zelvosoft.ini"));
  EXPECT_TRUE(errors.empty());
  // Windows names the user's own folder.
  EXPECT_FALSE(kq::LocalAppDataFolder().empty());
}

TEST_F(ProgramStart, OneProgramPerSessionAndASecondStartBringsTheFirstForward) {
  {
    TSingleInstance first;
    EXPECT_TRUE(first.IsFirst());
    TSingleInstance second;
    EXPECT_FALSE(second.IsFirst());
  }
  EXPECT_TRUE(TSingleInstance().IsFirst());  // free again once the first has ended

  // What the running program does when a second start asks it: back from the tray, in front.
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->MinimizeToTray();
  ASSERT_FALSE(IsWindowVisible(m->Handle()));
  EXPECT_EQ(SendMessageW(app->Handle(), TSingleInstance::BringForwardMessage(), 0, 0),
            TSingleInstance::kBroughtForward);
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_TRUE(IsWindowVisible(m->Handle()));
  EXPECT_TRUE(uitest::PumpUntil([&] { return GetForegroundWindow() == m->Handle(); }));
}

}  // namespace
}  // namespace apptest

// The real program under Wine, driven with the mouse and keyboard: start, save with its
// notice, exit; the notification area as the way back to a hidden program; the about box
// asked for twice; a second start; a delay of zero that shuts the (Wine) session down.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

const std::wstring kMain = L"Zelvo定时自动关机器V1.0";

TEST(Kqshutdown, StartsSavesAndExits) {
  Program p;
  ASSERT_TRUE(p.Start());
  HWND main = p.WaitForWindow(L"TMAIN_KQ", kMain);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(p.LogHas("=运行Zelvo定时自动关机器。"));
  ASSERT_TRUE(WaitSettled(main));

  // "保存设置": the notice says so; after "确定" the log has the event.
  HWND save = FindChild(main, L"Button", L"保存设置");
  ASSERT_NE(save, nullptr);
  Click(save);
  HWND notice = p.WaitForWindow(L"TMSG_KQ", L"注意");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(p.Log().find("保存设置Zelvo定时自动关机器。"), std::string::npos);
  // Centred on the main window. The skin fits the notice once it shows: its frame, a few
  // pixels larger than the system's, grows it to the right and down from where it was centred.
  EXPECT_TRUE(WaitSettled(notice));
  RECT mr, nr;
  GetWindowRect(main, &mr);
  GetWindowRect(notice, &nr);
  EXPECT_NEAR(nr.left, mr.left + (mr.right - mr.left) / 2 - (nr.right - nr.left) / 2, 5);
  EXPECT_NEAR(nr.top, mr.top + (mr.bottom - mr.top) / 2 - (nr.bottom - nr.top) / 2, 5);
  HWND ok = FindChild(notice, L"Button", L"确定");
  ASSERT_NE(ok, nullptr);
  Click(ok);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(notice); }));
  EXPECT_TRUE(p.LogHas("=保存设置Zelvo定时自动关机器。"));
  const std::string settings = p.Settings();
  EXPECT_NE(settings.find("[system]\r\ninfo=Zelvo定时自动关机器 V1.0\r\nsave=1\r\nevery=0\r\n"
                          "timetype=0\r\ntasktype=0\r\n[ontime]\r\nhour="),
            std::string::npos)
      << settings;
  EXPECT_NE(settings.find("[delay]\r\nhour=01\r\nminute=00\r\n"), std::string::npos);
  // The files are beside the program, not in the folder it was started from.
  EXPECT_EQ(GetFileAttributesW((p.Elsewhere() + L"zelvolog.txt").c_str()), INVALID_FILE_ATTRIBUTES);

  // "退出" logs and ends the program.
  Click(FindChild(main, L"Button", L"退出"));
  EXPECT_TRUE(p.Ended(10000));
  EXPECT_NE(p.Log().find("=退出Zelvo定时自动关机器。"), std::string::npos);
}

// Started and settled; the main window.
HWND StartedMain(Program& p) {
  if (!p.Start()) return nullptr;
  HWND main = p.WaitForWindow(L"TMAIN_KQ", kMain);
  if (!main || !p.LogHas("=运行Zelvo定时自动关机器。") || !WaitSettled(main)) return nullptr;
  return main;
}

// With a popup menu of the program open, chooses the entry `downs` steps down ("显示/隐藏" 1,
// "停止执行" 2, "关于软件" 3: the separator is skipped). Keys go to the foreground thread, so
// they are pressed once the program has the foreground; before that they would go elsewhere.
bool ChooseFromOpenMenu(const Program& p, int downs) {
  if (!WaitFor([] { return VisibleMenu() != nullptr; })) return false;
  if (!WaitFor([&] {
        DWORD pid = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &pid);
        return pid == p.Pid();
      }))
    return false;
  for (int i = 0; i < downs; ++i) Key(VK_DOWN);
  Key(VK_RETURN);
  return WaitFor([] { return VisibleMenu() == nullptr; });
}

// The main window's own menu, opened with a right click on its background.
bool ChooseFromWindowMenu(const Program& p, HWND main, int downs) {
  RightClickAt(main, POINT{160, 160});  // between the task box and the buttons
  return ChooseFromOpenMenu(p, downs);
}

// The tray icon's menu.
bool ChooseFromTrayMenu(const Program& p, HWND icon, int downs) {
  Click(icon);  // the first click only activates Wine's tray window
  Sleep(GetDoubleClickTime() + 100);
  RECT r;
  GetWindowRect(icon, &r);
  MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Button(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  return ChooseFromOpenMenu(p, downs);
}

TEST(Kqshutdown, HiddenBeforeAnyScheduleTheProgramKeepsAnIconToComeBackBy) {
  Program p;
  HWND main = StartedMain(p);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(TrayIcons().empty());
  ASSERT_TRUE(ChooseFromWindowMenu(p, main, 1));  // "显示/隐藏"
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
  ASSERT_TRUE(WaitFor([] { return TrayIcons().size() == 1; }));
  // A double click on the icon brings the window back.
  HWND icon = TrayIcons()[0];
  Click(icon);
  Sleep(GetDoubleClickTime() + 100);
  DoubleClick(icon);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main); }));
}

TEST(Kqshutdown, TheAboutBoxAskedForAgainFromTheTrayComesForwardWithoutAnError) {
  Program p;
  HWND main = StartedMain(p);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ChooseFromWindowMenu(p, main, 1));  // to the tray: the icon shows
  ASSERT_TRUE(WaitFor([] { return TrayIcons().size() == 1; }));
  HWND icon = TrayIcons()[0];
  ASSERT_TRUE(ChooseFromTrayMenu(p, icon, 3));  // "关于软件"
  HWND about = p.WaitForWindow(L"Taboutsoft_kq");
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ChooseFromTrayMenu(p, icon, 3));  // again, while it is open
  Sleep(500);
  EXPECT_EQ(FindTopLevel(p.Pid(), L"#32770"), nullptr) << Text(FindTopLevel(p.Pid(), L"#32770"));
  EXPECT_TRUE(IsWindowVisible(about));
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == about; }));
}

TEST(Kqshutdown, ASecondStartBringsTheFirstForwardAndEnds) {
  Program p;
  HWND main = StartedMain(p);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ChooseFromWindowMenu(p, main, 1));  // in the tray
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }));
  HANDLE second = p.StartAgain();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(WaitForSingleObject(second, 15000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(second, &code);
  CloseHandle(second);
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main); }));
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }));
  // One program logged one start.
  const std::string log = p.Log();
  EXPECT_EQ(log.find("=运行"), log.rfind("=运行")) << log;
}

TEST(Kqshutdown, ZeroDelayShutsTheSessionDown) {
  Program p;
  ASSERT_TRUE(p.Start());
  HWND main = p.WaitForWindow(L"TMAIN_KQ", kMain);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(p.LogHas("=运行Zelvo定时自动关机器。"));
  ASSERT_TRUE(WaitSettled(main));
  HWND delay = FindChild(main, L"Button", L"延迟：");
  ASSERT_NE(delay, nullptr);
  Click(delay);
  // The two delay edits stand on the radio button's row, hours first. (Found by place, not
  // by text: the time-of-day edits above may hold "01" or "00" too, depending on the clock.)
  const std::vector<HWND> row = EditsOnRowOf(main, delay);
  ASSERT_EQ(row.size(), 2u);
  HWND hours = row[0];
  HWND minutes = row[1];
  EXPECT_EQ(Text(hours), L"01");
  EXPECT_EQ(Text(minutes), L"00");
  TypeInto(hours, L"0");
  TypeInto(minutes, L"0");
  EXPECT_EQ(Text(hours), L"0");
  EXPECT_EQ(Text(minutes), L"0");
  Click(FindChild(main, L"Button", L"执行"));
  // The real ExitWindowsEx: Wine ends its own session, and with it the program.
  const bool ended = p.Ended(20000);
  HWND notice = FindTopLevel(p.Pid(), L"TMSG_KQ");
  EXPECT_TRUE(ended) << (notice ? "a notice is up\n" : "no notice\n") << p.Log();
  const std::string log = p.Log();
  const size_t start = log.find("=开始执行Zelvo定时自动关机器。");
  const size_t due = log.find("=到时执行之前约定的任务");
  EXPECT_NE(start, std::string::npos) << log;
  EXPECT_NE(due, std::string::npos) << log;
  EXPECT_LT(start, due);
}

}  // namespace
}  // namespace e2e

// The real program under Wine, driven with the mouse and keyboard: start, save with its
// notice, exit; a delay of zero that shuts the (Wine) session down.
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
  EXPECT_TRUE(p.Ended(20000));
  const std::string log = p.Log();
  const size_t start = log.find("=开始执行Zelvo定时自动关机器。");
  const size_t due = log.find("=到时执行之前约定的任务");
  EXPECT_NE(start, std::string::npos) << log;
  EXPECT_NE(due, std::string::npos) << log;
  EXPECT_LT(start, due);
}

}  // namespace
}  // namespace e2e

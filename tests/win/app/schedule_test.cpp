// Start and stop of a schedule, the countdown on the ticks of the real timer, and the task
// carried out once, after its log event, with the clock and the machine actions substituted.
#include "app_fixture.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "app/startup_shortcut.h"

namespace apptest {
namespace {

// A link as earlier versions made it: to the program, without arguments.
bool MakeLinkWithoutArguments(const std::wstring& path, const std::wstring& target) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellLinkW, reinterpret_cast<void**>(&link))) &&
            SUCCEEDED(link->SetPath(target.c_str())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Save(path.c_str(), TRUE));
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  return ok;
}

using Schedule = KqTest;

TEST_F(Schedule, StartSendsTheWindowToTheTrayAndStopReturnsToIdle) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->cb_task->SetItemIndex(1);
  StartDelay(L"1", L"30");
  EXPECT_TRUE(Counting());
  EXPECT_TRUE(m->Timer1->Enabled());
  EXPECT_TRUE(m->TrayIconVisible());
  EXPECT_TRUE(app->IsMinimized());
  EXPECT_FALSE(IsWindowVisible(m->Handle()));
  EXPECT_EQ(m->TargetTime, At(2007, 7, 6, 19, 28, 30, 250));
  EXPECT_EQ(m->TaskCommand, L"command.com /C shutdown -l");
  EXPECT_EQ(Events("=开始执行Zelvo定时自动关机器。"), 1);
  // The countdown, on the real timer's ticks.
  ASSERT_TRUE(uitest::PumpUntil([&] { return m->edt_timeleave->Text() != L""; }));
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 01 时 30 分 00 秒 ");
  EXPECT_EQ(m->TrayHint(), L"剩余：0 天 01 时 30 分 00 秒 ");
  clock.Advance(kq::kOneHour + 29 * kq::kOneMinute + 58.5 * kq::kOneSecond);
  ASSERT_TRUE(uitest::PumpUntil(
      [&] { return m->edt_timeleave->Text() == L"剩余：0 天 00 时 00 分 01 秒 "; }));
  EXPECT_TRUE(machine.calls.empty());

  clock.Advance(0.2 * kq::kOneSecond);
  m->btn_stopClick();
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(m->Timer1->Enabled());
  EXPECT_EQ(m->edt_timeleave->Text(), L"已经停止执行");
  EXPECT_EQ(m->TrayHint(), L"已经停止执行");
  EXPECT_TRUE(m->TrayIconVisible());  // the icon stays
  EXPECT_TRUE(app->IsMinimized());    // and the window is neither shown nor hidden
  EXPECT_EQ(Events("=停止执行Zelvo定时自动关机器。"), 1);
  clock.Advance(kq::kOneHour);
  uitest::PumpFor(100);
  EXPECT_TRUE(machine.calls.empty());
  EXPECT_EQ(m->edt_timeleave->Text(), L"已经停止执行");
  EXPECT_TRUE(errors.empty());
}

TEST_F(Schedule, ARefusedStartChangesNothingButTheTimer) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  WatchBoxes();
  const std::string log_before = Log();
  struct Case {
    const wchar_t *hour, *minute;
    const wchar_t* notice;
  } cases[] = {
      {L"25", L"00", L"注意：定时小时只能在0-24之间！"},
      {L"10", L"61", L"注意：定时分钟只能在0-60之间"},
      {L"17", L"58", L"注意：定时时间不能小于当前时间！"},  // the current minute
      {L"9", L"5", L"注意：定时时间不能小于当前时间！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(kq::ui::Narrow(c.notice));
    boxes.clear();
    m->edt_hour->SetText(c.hour);
    m->edt_minu->SetText(c.minute);
    m->btn_runClick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, L"notice");
    EXPECT_EQ(boxes[0].caption, L"注意");
    EXPECT_EQ(boxes[0].text, c.notice);
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(m->Timer1->Enabled());
    EXPECT_FALSE(m->TrayIconVisible());
    EXPECT_FALSE(app->IsMinimized());
  }
  EXPECT_EQ(m->edt_hour->Text(), L"09");  // padded before the checks
  EXPECT_EQ(m->edt_minu->Text(), L"05");
  // Texts that are no time end in the conversion errors, shown by the standard error box.
  boxes.clear();
  for (auto [h, mi, error] : {std::tuple{L"24", L"00", "'2007-07-06   24:00:00' is not a valid date and time"},
                             {L"017", L"05", "'2007-07-06   01:70:50' is not a valid date and time"},
                             {L"", L"05", "'' is not a valid integer value"}}) {
    m->edt_hour->SetText(h);
    m->edt_minu->SetText(mi);
    errors.clear();
    Press(m->btn_run);
    EXPECT_EQ(errors, (std::vector<std::string>{error}));
    EXPECT_TRUE(Idle());
  }
  EXPECT_TRUE(boxes.empty());
  // Delay entries that are no numbers get the standard message box.
  StartDelay(L"", L"00");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, L"message");
  EXPECT_EQ(boxes[0].caption, L"Zelvo定时自动关机器");
  EXPECT_EQ(boxes[0].text, L"您输入的延迟天数与小时数不正确,必须为数字!");
  boxes.clear();
  StartDelay(L"-1", L"0");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"注意：延迟时间不能小于当前时间！");
  EXPECT_TRUE(Idle());
  EXPECT_EQ(Log(), log_before);  // nothing logged
}

TEST_F(Schedule, EveryDayMovesAGoneTimeToTomorrow) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->CKB_EVERYDAy->SetChecked(true);
  m->edt_hour->SetText(L"8");
  m->edt_minu->SetText(L"0");
  m->btn_runClick();
  EXPECT_TRUE(Counting());
  EXPECT_EQ(m->TargetTime, At(2007, 7, 7, 8, 0));
}

TEST_F(Schedule, EveryDayRollsOverAfterTheTaskToTheTimeAsStarted) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->CKB_EVERYDAy->SetChecked(true);
  m->edt_hour->SetText(L"18");
  m->edt_minu->SetText(L"00");
  m->btn_runClick();
  ASSERT_EQ(m->TargetTime, At(2007, 7, 6, 18, 0));
  // Postponed once from the warning; the next day keeps 18:00 all the same.
  clock.Set(At(2007, 7, 6, 17, 59, 30));
  m->Timer1Timer();
  Press(w.WARN_KQ->btn_postpone);
  clock.Set(At(2007, 7, 6, 18, 10, 0, 5));
  m->Timer1Timer();
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
  EXPECT_EQ(m->TargetTime, At(2007, 7, 7, 18, 0));
  EXPECT_TRUE(m->Timer1->Enabled());
  EXPECT_TRUE(Counting());
  EXPECT_EQ(Events("=开始执行Zelvo定时自动关机器。"), 2);
  const std::string log = Log();
  EXPECT_LT(log.find("=到时执行之前约定的任务"), log.rfind("=开始执行Zelvo定时自动关机器。"));
  ASSERT_TRUE(uitest::PumpUntil(
      [&] { return m->edt_timeleave->Text() == L"剩余：0 天 23 时 49 分 59 秒 "; }));
  // And again the day after, until a stop ends it.
  clock.Set(At(2007, 7, 7, 18, 0));
  m->Timer1Timer();
  EXPECT_EQ(machine.calls.size(), 2u);
  EXPECT_EQ(m->TargetTime, At(2007, 7, 8, 18, 0));
  // Refused by Windows: the next day is counting down before the notice waits for the user.
  machine.taken = false;
  bool rolled_over_at_notice = false;
  WatchBoxes([&](const SeenBox&) {
    rolled_over_at_notice = m->Timer1->Enabled() && m->TargetTime == At(2007, 7, 9, 18, 0);
  });
  clock.Set(At(2007, 7, 8, 18, 0));
  m->Timer1Timer();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"注意：未能执行约定的任务！");
  EXPECT_TRUE(rolled_over_at_notice);
  m->btn_stopClick();
  clock.Set(At(2007, 7, 9, 18, 0));
  uitest::PumpFor(100);
  EXPECT_EQ(machine.calls.size(), 3u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Schedule, AClockChangeOrAResumeBringsTheCountdownUpToDateAtOnce) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  StartDelay(L"0", L"10");
  clock.Advance(0.3 * kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_EQ(m->Timer1->Interval(), 701u);  // asleep until the seconds drop
  clock.Advance(5 * kq::kOneMinute);
  SendMessageW(m->Handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 04 分 59 秒 ");
  clock.Advance(kq::kOneMinute + 0.5 * kq::kOneSecond);
  SendMessageW(m->Handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);  // going to sleep: nothing
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 04 分 59 秒 ");
  SendMessageW(m->Handle(), WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 03 分 59 秒 ");
  EXPECT_EQ(m->Timer1->Interval(), 201u);
  // Woken after the target: the task at once.
  clock.Advance(kq::kOneHour);
  SendMessageW(m->Handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
}

TEST_F(Schedule, StartedByTheShortcutASavedDailyScheduleCountsDownFromTheTray) {
  const std::string daily =
      "[system]\r\nsave=1\r\nevery=1\r\ntimetype=0\r\ntasktype=2\r\n"
      "[ontime]\r\nhour=8\r\nminute=15\r\n[delay]\r\nhour=01\r\nminute=00\r\n";
  WriteSettings(daily);
  services.Autorun = true;
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  ASSERT_TRUE(uitest::PumpUntil([&] { return m->Timer1->Enabled(); }));
  EXPECT_EQ(m->TargetTime, At(2007, 7, 7, 8, 15));  // the next 08:15
  EXPECT_EQ(m->cb_task->ItemIndex(), 2);
  EXPECT_TRUE(Counting());
  EXPECT_TRUE(app->IsMinimized());
  EXPECT_TRUE(m->TrayIconVisible());
  EXPECT_FALSE(IsWindowVisible(m->Handle()));
  EXPECT_EQ(Events("=开始执行Zelvo定时自动关机器。"), 1);
  // Started by hand, or with a schedule that is not daily at a time: only put back.
  for (auto [autorun, settings] : {std::pair{false, daily},
                                   {true, std::string("[system]\r\nsave=1\r\nevery=0\r\n"
                                                      "timetype=0\r\ntasktype=0\r\n")}}) {
    delete app;
    SetUp();
    WriteSettings(settings);
    services.Autorun = autorun;
    Start();
    uitest::PumpFor(100);
    EXPECT_TRUE(Idle()) << autorun;
    EXPECT_FALSE(app->IsMinimized());
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(Schedule, TheTaskRunsOnceOnTheDueTickAfterItsLogEvent) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->cb_task->SetItemIndex(2);
  std::string log_at_call;
  machine.on_call = [&] { log_at_call = Log(); };
  StartDelay(L"0", L"1");
  clock.Advance(58.5 * kq::kOneSecond);  // 1.5 s left
  ASSERT_TRUE(uitest::PumpUntil(
      [&] { return m->edt_timeleave->Text() == L"剩余：0 天 00 时 00 分 01 秒 "; }));
  uitest::PumpFor(50);
  EXPECT_TRUE(machine.calls.empty());
  clock.Advance(0.6 * kq::kOneSecond);  // 0.9 s left: due
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 00 分 00 秒 ");
  EXPECT_NE(log_at_call.find("2007-07-06 17:59:29=到时执行之前约定的任务"), std::string::npos)
      << log_at_call;
  clock.Advance(kq::kOneMinute);
  uitest::PumpFor(150);
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"restart"}));
  EXPECT_FALSE(m->Timer1->Enabled());
  EXPECT_TRUE(Counting());  // until the user stops
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 00 分 00 秒 ");  // keeps its last text
  m->btn_stopClick();
  EXPECT_TRUE(Idle());
}

TEST_F(Schedule, ZeroDelayRunsTheTaskOnTheFirstTick) {
  Start();
  StartDelay(L"0", L"0");
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
  EXPECT_EQ(Events("=到时执行之前约定的任务"), 1);
}

TEST_F(Schedule, AfterSleepPastTheTargetTheFirstTickActsAtOnce) {
  Start();
  StartDelay(L"2", L"0");
  clock.Advance(14 * kq::kOneHour + 0.5 * kq::kOneSecond);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  EXPECT_EQ(w.MAIN_KQ->edt_timeleave->Text(), L"剩余：0 天 -12 时 00 分 00 秒 ");
}

TEST_F(Schedule, TextTypedIntoTheTaskListKeepsThePreviousCommand) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->cb_task->SetItemIndex(2);
  StartDelay(L"5", L"0");
  m->btn_stopClick();
  EXPECT_EQ(m->TaskCommand, L"command.com /C shutdown -r");
  // The user types over the selection.
  HWND edit = m->cb_task->EditHandle();
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t ch : std::wstring(L"明天关机")) SendMessageW(edit, WM_CHAR, ch, 0);
  EXPECT_EQ(m->cb_task->ItemIndex(), -1);
  StartDelay(L"0", L"0");
  EXPECT_TRUE(Counting());
  EXPECT_EQ(m->TaskCommand, L"command.com /C shutdown -r");
  // With no item selected, the command of the last start names the task.
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"restart"}));
}

TEST_F(Schedule, AStartWithNoTaskIsRefusedAndTypedItemTextSelectsTheItem) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  WatchBoxes();
  const std::string log_before = Log();
  m->cb_task->SetItemIndex(-1);
  m->edt_hour->SetText(L"9");
  m->edt_minu->SetText(L"5");
  m->CKB_EVERYDAy->SetChecked(true);  // so 09:05 lies ahead
  m->btn_runClick();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, L"注意");
  EXPECT_EQ(boxes[0].text, L"注意：请选择要执行的任务！");
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(m->Timer1->Enabled());
  EXPECT_FALSE(m->TrayIconVisible());
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_EQ(m->edt_hour->Text(), L"09");  // padded, as after any refusal
  EXPECT_EQ(Log(), log_before);
  // The exact text of an item, typed, is that item.
  HWND edit = m->cb_task->EditHandle();
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t ch : std::wstring(L"重启计算机")) SendMessageW(edit, WM_CHAR, ch, 0);
  ASSERT_EQ(m->cb_task->ItemIndex(), -1);
  m->btn_runClick();
  EXPECT_TRUE(Counting());
  EXPECT_EQ(m->cb_task->ItemIndex(), 2);
  EXPECT_EQ(m->TaskCommand, L"command.com /C shutdown -r");
}

TEST_F(Schedule, ARefusedTaskIsLoggedAndShownWithTheWindowBack) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  WatchBoxes();
  machine.taken = false;
  StartDelay(L"0", L"1");
  ASSERT_TRUE(app->IsMinimized());
  clock.Advance(kq::kOneMinute);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !boxes.empty(); }));
  EXPECT_EQ(boxes[0].text, L"注意：未能执行约定的任务！");
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
  EXPECT_NE(Log().find("=到时执行之前约定的任务\r\n"), std::string::npos);
  EXPECT_EQ(Events("=未能执行约定的任务"), 1);
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_TRUE(IsWindowVisible(m->Handle()));
  EXPECT_TRUE(Counting());  // until the user stops
  m->btn_stopClick();
  EXPECT_TRUE(Idle());
  EXPECT_TRUE(errors.empty());
}

TEST_F(Schedule, ASessionEndCancelledAfterOurRequestIsLoggedAndShown) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  WatchBoxes();
  // Someone else's cancelled session end is none of the program's business.
  SendMessageW(app->Handle(), WM_ENDSESSION, FALSE, 0);
  uitest::PumpFor(50);
  EXPECT_TRUE(boxes.empty());
  StartDelay(L"0", L"0");
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  uitest::PumpFor(50);
  EXPECT_TRUE(boxes.empty());  // taken: nothing to say yet
  EXPECT_TRUE(app->IsMinimized());
  SendMessageW(app->Handle(), WM_ENDSESSION, FALSE, 0);  // another program refused
  ASSERT_TRUE(uitest::PumpUntil([&] { return !boxes.empty(); }));
  EXPECT_EQ(boxes[0].text, L"注意：约定的任务被取消！");
  EXPECT_EQ(Events("=约定的任务被取消"), 1);
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_TRUE(IsWindowVisible(m->Handle()));
  EXPECT_TRUE(m->TrayIconVisible());
  EXPECT_TRUE(Counting());
  SendMessageW(app->Handle(), WM_ENDSESSION, FALSE, 0);  // told once
  uitest::PumpFor(50);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Schedule, StopFromTheTrayMenuWhileIdleStillLogs) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  EXPECT_FALSE(app->IsMinimized());
  m->N2->Click();  // shown: goes to the tray (its icon shown first), then stops
  EXPECT_TRUE(app->IsMinimized());
  EXPECT_TRUE(m->TrayIconVisible());
  EXPECT_TRUE(Idle());
  EXPECT_EQ(Events("=停止执行Zelvo定时自动关机器。"), 1);
  m->N2->Click();  // in the tray: comes back, then stops again
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_TRUE(IsWindowVisible(m->Handle()));
  EXPECT_EQ(Events("=停止执行Zelvo定时自动关机器。"), 2);
  m->N1->Click();
  EXPECT_TRUE(app->IsMinimized());
  m->N1->Click();
  EXPECT_FALSE(app->IsMinimized());
}

TEST_F(Schedule, ALogThatCannotBeWrittenNeitherStopsTheCountdownNorTheTask) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  // The log file turns into a folder: every event write fails from now on.
  std::filesystem::remove(kq::test::PathFromUtf8(dir.Path("zelvolog.txt")));
  std::filesystem::create_directory(kq::test::PathFromUtf8(dir.Path("zelvolog.txt")));
  m->Rb_yc->SetChecked(true);
  m->edt_ychour->SetText(L"0");
  m->edt_ycminu->SetText(L"1");
  Press(m->btn_run);
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_TRUE(Counting());
  EXPECT_TRUE(m->Timer1->Enabled());
  clock.Advance(kq::kOneMinute);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  uitest::PumpFor(150);
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
  EXPECT_EQ(errors.size(), 2u);  // one box for the due tick, not one per tick
  EXPECT_FALSE(m->Timer1->Enabled());
  // A stop whose event cannot be written still stops.
  clock.Set(At(2007, 7, 6, 18));
  Press(m->btn_stop);  // (its event cannot be written either)
  m->edt_ycminu->SetText(L"5");
  errors.clear();
  Press(m->btn_run);
  EXPECT_TRUE(Counting());
  errors.clear();
  Press(m->btn_stop);
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_FALSE(m->Timer1->Enabled());
  EXPECT_TRUE(Idle());
}

TEST_F(Schedule, TheCountdownTextIsSetOnlyWhenItChanges) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  int set_texts = 0;
  TWndMethod saved = m->edt_timeleave->WindowProc;
  m->edt_timeleave->WindowProc = [&](TMessage& msg) {
    if (msg.Msg == WM_SETTEXT) ++set_texts;
    saved(msg);
  };
  StartDelay(L"0", L"10");
  clock.Advance(0.5 * kq::kOneSecond);
  for (int i = 0; i < 10; ++i) m->Timer1Timer();  // ten ticks within one second
  EXPECT_EQ(set_texts, 1);
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 09 分 59 秒 ");
  clock.Advance(kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_EQ(set_texts, 2);
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 09 分 58 秒 ");
  m->edt_timeleave->WindowProc = saved;
}

TEST_F(Schedule, TheAutorunBoxMakesAndRemovesTheStartupShortcut) {
  std::filesystem::create_directory(kq::test::PathFromUtf8(dir.Path("Startup")));
  const std::string link = "Startup/Zelvo定时自动关机器.lnk";
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  EXPECT_FALSE(m->ckb_autorun->Checked());
  ClickControl(m->ckb_autorun);
  ASSERT_TRUE(uitest::PumpUntil([&] { return dir.Exists(link); }));
  EXPECT_TRUE(m->ckb_autorun->Checked());
  EXPECT_TRUE(StartupShortcut(services.StartupFolder, services.ProgramPath).HasAutorunArgument());
  // At the next start the box shows the shortcut.
  delete app;
  SetUp();
  Start();
  EXPECT_TRUE(w.MAIN_KQ->ckb_autorun->Checked());
  ClickControl(w.MAIN_KQ->ckb_autorun);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !dir.Exists(link); }));
  EXPECT_FALSE(w.MAIN_KQ->ckb_autorun->Checked());
  // A shortcut to another program is not ours.
  services.ProgramPath = L"C:\\other\\kqshutdown.exe";
  delete app;
  SetUp();
  services.ProgramPath = L"C:\\other\\kqshutdown.exe";
  Create();
  w.MAIN_KQ->ckb_autorun->SetChecked(true);
  w.MAIN_KQ->ckb_autorunClick();
  delete app;
  SetUp();
  Start();
  EXPECT_FALSE(w.MAIN_KQ->ckb_autorun->Checked());
  EXPECT_TRUE(errors.empty());
}

TEST_F(Schedule, AShortcutOfAnEarlierVersionIsMadeAgainWithTheAutorunArgument) {
  std::filesystem::create_directory(kq::test::PathFromUtf8(dir.Path("Startup")));
  const StartupShortcut shortcut(services.StartupFolder, services.ProgramPath);
  ASSERT_TRUE(MakeLinkWithoutArguments(shortcut.Path(), services.ProgramPath));
  ASSERT_TRUE(shortcut.Exists());
  ASSERT_FALSE(shortcut.HasAutorunArgument());
  Start();
  EXPECT_TRUE(w.MAIN_KQ->ckb_autorun->Checked());
  EXPECT_TRUE(shortcut.HasAutorunArgument());
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest

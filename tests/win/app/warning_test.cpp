// The last warning a minute before the task: its texts, its skin, that it takes no focus,
// and what its two buttons and no answer at all do. The clock is the test's; ticks are
// given by hand, so every second is exact.
#include "app_fixture.h"

#include <fstream>
#include <iterator>

#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"

namespace apptest {
namespace {

class LastWarning : public KqTest {
 protected:
  TWARN_KQ* Warn() const { return w.WARN_KQ; }
  bool WarningUp() const {
    return Warn()->HandleAllocated() && IsWindowVisible(Warn()->HandleOrNull());
  }
  std::wstring WarningText() const { return uitest::WindowText(Warn()->st_text->Handle()); }
  // The main window's skin, read from the default skin the build packs (this suite's
  // program carries none), switched on as at a real start.
  void SkinTheProgram() {
    std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
    ASSERT_FALSE(file.empty());
    std::vector<std::uint8_t> stream(4);
    for (int i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(file.size() >> (8 * i));
    stream.insert(stream.end(), file.begin(), file.end());
    ASSERT_TRUE(w.MAIN_KQ->SkinData1->ReadSkinStream(stream));
    w.MAIN_KQ->SkinData1->SetActive(true);
    ASSERT_TRUE(uitest::PumpUntil([] { return SkinManager() && SkinManager()->SkinningEnabled; }));
  }
};

TEST_F(LastWarning, AppearsAtAMinuteLeftSkinnedOnTopAndWithoutTakingTheFocus) {
  Start();
  SkinTheProgram();
  TMAIN_KQ* m = w.MAIN_KQ;
  StartDelay(L"0", L"2");
  // The user works in the window meanwhile.
  m->RestoreFromTray();
  uitest::PumpFor(50);
  m->edt_timeleave->SetFocus();
  const HWND active = GetActiveWindow(), focus = GetFocus();
  ASSERT_EQ(active, m->Handle());
  clock.Advance(59.5 * kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_FALSE(WarningUp());
  clock.Advance(0.5 * kq::kOneSecond);  // exactly a minute left
  m->Timer1Timer();
  ASSERT_TRUE(WarningUp());
  HWND h = Warn()->Handle();
  EXPECT_EQ(uitest::WindowText(h), L"即将执行任务");
  EXPECT_EQ(WarningText(), L"还有 60 秒将关闭计算机。");
  EXPECT_EQ(uitest::WindowText(Warn()->btn_postpone->Handle()), L"推迟 10 分钟");
  EXPECT_EQ(uitest::WindowText(Warn()->btn_cancel->Handle()), L"取消执行");
  wchar_t cls[32] = {};
  GetClassNameW(Warn()->st_text->Handle(), cls, 32);
  EXPECT_EQ(lstrcmpiW(cls, L"Static"), 0);
  EXPECT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(SendMessageW(h, 0x3504 /* SKM_QUERYSKINNED */, 0, 0), 1);
  EXPECT_EQ(GetActiveWindow(), active);
  EXPECT_EQ(GetFocus(), focus);
  // It counts down with the window, second by second.
  clock.Advance(0.001 * kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_EQ(WarningText(), L"还有 59 秒将关闭计算机。");
  clock.Advance(58 * kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_EQ(WarningText(), L"还有 1 秒将关闭计算机。");
  EXPECT_TRUE(machine.calls.empty());
  // No answer: the task goes ahead on its tick, and the warning goes with it.
  clock.Advance(kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
  EXPECT_FALSE(WarningUp());
  EXPECT_TRUE(errors.empty());
}

TEST_F(LastWarning, GoesNeitherToTheTrayNorBackWithTheWindow) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->cb_task->SetItemIndex(2);
  StartDelay(L"0", L"5");
  ASSERT_TRUE(app->IsMinimized());
  clock.Advance(4 * kq::kOneMinute + 30 * kq::kOneSecond);
  m->Timer1Timer();
  ASSERT_TRUE(WarningUp());
  EXPECT_EQ(WarningText(), L"还有 30 秒将重启计算机。");
  // "显示/隐藏": the window comes back and goes again; the warning stays.
  m->N1Click();
  EXPECT_TRUE(WarningUp());
  m->N1Click();
  EXPECT_TRUE(WarningUp());
  // The timer's own ticks keep it going.
  clock.Advance(kq::kOneSecond);
  ASSERT_TRUE(uitest::PumpUntil([&] { return WarningText() == L"还有 29 秒将重启计算机。"; }));
  // Closed with the task, it does not come back with the window.
  clock.Advance(kq::kOneMinute);
  m->Timer1Timer();
  EXPECT_FALSE(WarningUp());
  m->N1Click();
  EXPECT_FALSE(app->IsMinimized());
  EXPECT_FALSE(WarningUp());
}

TEST_F(LastWarning, PostponingMovesTheTargetTenMinutesAndWarnsAgain) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  StartDelay(L"0", L"2");
  const kq::DateTime target = m->TargetTime;
  clock.Advance(70 * kq::kOneSecond);
  m->Timer1Timer();
  ASSERT_TRUE(WarningUp());
  Press(Warn()->btn_postpone);
  EXPECT_FALSE(WarningUp());
  EXPECT_EQ(kq::FormatDateTime("hh:nn:ss.zzz", m->TargetTime),
            kq::FormatDateTime("hh:nn:ss.zzz", target + 10 * kq::kOneMinute));
  EXPECT_EQ(Events("=推迟执行Zelvo定时自动关机器。"), 1);
  EXPECT_EQ(m->edt_timeleave->Text(), L"剩余：0 天 00 时 10 分 50 秒 ");
  EXPECT_TRUE(Counting());
  clock.Advance(9 * kq::kOneMinute + 50 * kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_TRUE(WarningUp());
  EXPECT_EQ(WarningText(), L"还有 60 秒将关闭计算机。");
  clock.Advance(kq::kOneMinute);
  m->Timer1Timer();
  EXPECT_EQ(machine.calls, (std::vector<std::string>{"shutdown"}));
  EXPECT_TRUE(errors.empty());
}

TEST_F(LastWarning, CancellingIsTheStopButton) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  StartDelay(L"1", L"0");
  clock.Advance(kq::kOneHour - 10 * kq::kOneSecond);
  m->Timer1Timer();
  ASSERT_TRUE(WarningUp());
  Press(Warn()->btn_cancel);
  EXPECT_FALSE(WarningUp());
  EXPECT_TRUE(Idle());
  EXPECT_FALSE(m->Timer1->Enabled());
  EXPECT_EQ(m->edt_timeleave->Text(), L"已经停止执行");
  EXPECT_EQ(Events("=停止执行Zelvo定时自动关机器。"), 1);
  clock.Advance(kq::kOneMinute);
  uitest::PumpFor(100);
  EXPECT_TRUE(machine.calls.empty());
}

TEST_F(LastWarning, ACountdownStartedWithAMinuteOrLessIsNotQuestioned) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  StartDelay(L"0", L"1");
  clock.Advance(30 * kq::kOneSecond);
  m->Timer1Timer();
  EXPECT_FALSE(WarningUp());
  m->btn_stopClick();
  StartDelay(L"0", L"0");
  ASSERT_TRUE(uitest::PumpUntil([&] { return !machine.calls.empty(); }));
  EXPECT_FALSE(WarningUp());
}

}  // namespace
}  // namespace apptest

// The scheduler's own windows with the stored skin, used as a user would: the main window,
// the notice and the about box open, move, minimise, restore and close; switching the skin
// off and on at run time restores and re-applies the look without leaks.
#include "app/kq_aboutsoft.h"
#include "app/kq_dm.h"
#include "app/kq_main.h"
#include "app/kq_msg.h"
#include "app/kq_warn.h"
#include "app/pro_kqshutdown.h"
#include "base/clock.h"
#include "base/datetime.h"
#include "base/encoding.h"
#include "skin/form/core/caption_text.h"
#include "skin/form/win_skin_form.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"
#include "ui/text.h"
#include "ui/timer.h"
#include "unit/base/temp_dir.h"
#include "win/app/program_services.h"
#include "win/skin_form/demo_forms.h"

using namespace skintest;
using kq::skin::SkinPhase;
using uitest::PumpFor;
using uitest::PumpUntil;

namespace {

class ProgramTest : public SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    w = CreateKqWindows(*app, program.services);
  }
  static bool Ready(HWND h) {
    TWinSkinForm* s = SkinManager() ? SkinManager()->FindFormSkinner(h) : nullptr;
    return s && s->Phase == SkinPhase::Ready;
  }
  apptest::ProgramServices program;
  TKqWindows w;
};

// The caption's text fits its place whole: no ellipsis cuts it.
void ExpectWholeCaption(HWND h) {
  TWinSkinForm* s = SkinManager() ? SkinManager()->FindFormSkinner(h) : nullptr;
  ASSERT_NE(s, nullptr);
  RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  wchar_t caption[256] = {};
  GetWindowTextW(h, caption, 256);
  const std::wstring text = kq::skin::DecorateCaption(caption);
  HDC dc = GetDC(h);
  HGDIOBJ old = SelectObject(dc, s->CaptionFont());
  RECT measured{};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(h, dc);
  const kq::TDataSkinTitle& title = s->Skin()->Title;
  const int room = s->CaptionTextRect.right - s->CaptionTextRect.left - title.TextBackLeft - title.TextBackRight;
  EXPECT_LE(measured.right - measured.left, room) << kq::WideToUtf8(caption);
}

// The frame of the default skin: its edge images divided by their frame counts.
TestFrame DefaultFrame(const TSkinData& d) {
  return TestFrame{d.BorderLeft.Bitmap.Width() / d.BorderLeft.FrameCount,
                   d.BorderTop.Bitmap.Height() / d.BorderTop.FrameCount,
                   d.BorderRight.Bitmap.Width() / d.BorderRight.FrameCount,
                   d.BorderBottom.Bitmap.Height() / d.BorderBottom.FrameCount};
}

TEST_F(ProgramTest, TheStoredSkinLoadsAtStart) {
  TSkinData* d = w.MAIN_KQ->SkinData1;
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->SkinLoaded());
  EXPECT_TRUE(d->Active());
  EXPECT_FALSE(d->SkinName.empty());
  EXPECT_EQ(d->SkinFormtype, sfMainform);
  EXPECT_EQ(d->DisableTag, 99);
  EXPECT_EQ(d->Skin3rd().size(), 110u);
  // Every kind but menu items and reports (the menu bar takes menu items over).
  EXPECT_EQ(d->SkinControls.Bits(), 0x7FFFBu);
  TSkinManage* m = SkinManager();
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->MainSkinData, d);
  EXPECT_EQ(m->PendingAction, 1);
  EXPECT_TRUE(m->SkinningEnabled);
  EXPECT_NE(m->HookHandle, nullptr);
}

TEST_F(ProgramTest, TheMainWindowIsSkinnedAndBehavesAsAWindow) {
  TMAIN_KQ* main = w.MAIN_KQ;
  main->HandleNeeded();
  const SIZE client = ClientSize(main->Handle());
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  const TestFrame f = DefaultFrame(*main->SkinData1);
  EXPECT_EQ(ClientOrigin(main->Handle()).x, f.left);
  EXPECT_EQ(ClientOrigin(main->Handle()).y, f.top);
  EXPECT_EQ(ClientSize(main->Handle()).cx, client.cx);
  EXPECT_EQ(ClientSize(main->Handle()).cy, client.cy);
  // Its controls stay where the definition put them.
  RECT run = WindowRectOf(main->btn_run->Handle());
  MapWindowPoints(nullptr, main->Handle(), reinterpret_cast<POINT*>(&run), 2);
  EXPECT_EQ(run.left, 14);
  EXPECT_EQ(run.top, 164);
  // Moved by its caption.
  const RECT before = WindowRectOf(main->Handle());
  const int x = before.left + 120, y = before.top + f.top / 2;
  EXPECT_EQ(SendMessageW(main->Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y)), HTCAPTION);
  uitest::MoveMouse(x, y);
  Sleep(30);
  uitest::MouseButton(true);
  Sleep(30);
  uitest::MoveMouse(x + 15, y + 10);
  Sleep(30);
  uitest::MoveMouse(x + 30, y + 20);
  Sleep(30);
  uitest::MouseButton(false);
  ASSERT_TRUE(PumpUntil([&] { return WindowRectOf(main->Handle()).left == before.left + 30; }, 3000));
  // Minimised (the whole program goes to the taskbar) and restored: still skinned.
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main->Handle()); }));
  app->Restore();
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(main->Handle()) != FALSE; }));
  PumpFor(50);
  EXPECT_TRUE(Ready(main->Handle()));
  EXPECT_EQ(ClientOrigin(main->Handle()).y, f.top);
  EXPECT_EQ(ClientSize(main->Handle()).cy, client.cy);
}

TEST_F(ProgramTest, TheNoticeAndTheAboutBoxAreSkinnedAndClose) {
  TMAIN_KQ* main = w.MAIN_KQ;
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  ExpectWholeCaption(main->Handle());
  const TestFrame f = DefaultFrame(*main->SkinData1);
  static std::function<void()>* check = nullptr;
  bool noticeSeen = false, aboutSeen = false;
  std::function<void()> inNotice = [&] {
    HWND h = w.MSG_KQ->Handle();
    ASSERT_TRUE(PumpUntil([&] { return Ready(h); }));
    EXPECT_EQ(ClientOrigin(h).y, f.top);
    // Centred on the main window with the size the skin gave it.
    RECT m{}, n{};
    GetWindowRect(main->Handle(), &m);
    GetWindowRect(h, &n);
    EXPECT_NEAR((n.left + n.right) / 2.0, (m.left + m.right) / 2.0, 1.0);
    EXPECT_NEAR((n.top + n.bottom) / 2.0, (m.top + m.bottom) / 2.0, 1.0);
    ExpectWholeCaption(h);
    noticeSeen = true;
    w.MSG_KQ->Close();  // as its "确定" does
  };
  check = &inNotice;
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    (*check)();
  });
  w.DM_kq->ShowNotice(L"注意", L"保存设置成功");
  EXPECT_TRUE(noticeSeen);
  std::function<void()> inAbout = [&] {
    HWND h = w.aboutsoft_kq->Handle();
    ASSERT_TRUE(PumpUntil([&] { return Ready(h); }));
    EXPECT_EQ(ClientOrigin(h).x, f.left);
    EXPECT_EQ(ClientOrigin(h).y, f.top);
    ExpectWholeCaption(h);
    aboutSeen = true;
    // Closed with Alt+F4's command, as the system does it.
    SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
  };
  check = &inAbout;
  SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    (*check)();
  });
  w.aboutsoft_kq->ShowModal();
  EXPECT_TRUE(aboutSeen);
  EXPECT_FALSE(IsWindowVisible(w.aboutsoft_kq->Handle()));
  check = nullptr;
}

TEST_F(ProgramTest, TheLastWarningIsSkinnedWithItsWholeCaption) {
  TMAIN_KQ* main = w.MAIN_KQ;
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  main->Rb_yc->SetChecked(true);
  main->edt_ychour->SetText(L"0");
  main->edt_ycminu->SetText(L"2");
  main->btn_runClick();
  program.clock.Advance(60 * kq::kOneSecond);
  main->Timer1Timer();
  HWND h = w.WARN_KQ->Handle();
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(h) && Ready(h); }));
  ExpectWholeCaption(h);
  main->btn_stopClick();
}

TEST_F(ProgramTest, SwitchingTheSkinOffAndOnRestoresAndReappliesTheLook) {
  TMAIN_KQ* main = w.MAIN_KQ;
  main->HandleNeeded();
  const SIZE outer = OuterSize(main->Handle());
  const LONG_PTR style = GetWindowLongPtrW(main->Handle(), GWL_STYLE);
  main->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  const SIZE skinnedOuter = OuterSize(main->Handle());
  PumpFor(50);
  // Counted from the end of the first round: controls that painted themselves before the skin
  // first came in keep cached brushes until then (skinned buttons never ask for theirs again).
  long gdi = 0, user = 0;
  for (int i = 0; i < 4; ++i) {
    main->SkinData1->SetActive(false);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(main->Handle(), SKM_QUERYSKINNED, 0, 0) == 0; }, 2000));
    EXPECT_EQ(OuterSize(main->Handle()).cx, outer.cx);
    EXPECT_EQ(OuterSize(main->Handle()).cy, outer.cy);
    EXPECT_EQ(GetWindowLongPtrW(main->Handle(), GWL_STYLE), style | WS_VISIBLE);
    EXPECT_EQ(main->Color(), cl3DLight);
    main->SkinData1->SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }, 2000));
    EXPECT_EQ(OuterSize(main->Handle()).cx, skinnedOuter.cx);
    EXPECT_EQ(OuterSize(main->Handle()).cy, skinnedOuter.cy);
    if (i == 0) {
      gdi = kq::ui::LiveGdiHandles();
      user = kq::ui::LiveUserHandles();
    }
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user);
}

}  // namespace

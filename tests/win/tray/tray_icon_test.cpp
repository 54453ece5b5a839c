// TTrayIcon against Wine's real notification area: the shell calls it makes (counted on
// their way to Shell_NotifyIconW), hint rule, animation, setters, mouse actions on the
// callback window, the application-window hook, removal notifications, end of session and
// destruction.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tray/tray_icon.h"
#include "tray_test_util.h"
#include "ui/application.h"
#include "ui/classinfo.h"
#include "ui/forms.h"
#include "ui/handles.h"
#include "ui/imglist.h"
#include "ui/menus.h"
#include "ui/timer.h"

using namespace traytest;

namespace {

constexpr COLORREF kGreen = RGB(0, 160, 0), kRed = RGB(208, 0, 0), kYellow = RGB(255, 255, 0);

class TrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    app->SetTitle(L"托盘测试");
    form = app->CreateForm<TForm>();
    form->SetCaption(L"托盘测试窗口");
    form->SetBounds(200, 200, 320, 200);
    form->Show();
    PumpFor(50);
  }
  void TearDown() override {
    delete app;
    app = nullptr;
  }

  TTrayIcon* NewTray() {
    auto* t = new TTrayIcon(form);
    t->SetShell(shell);
    return t;
  }

  // Three 32 x 32 frames, a square of green, red and yellow on a transparent ground.
  TImageList* NewFrames() {
    auto* list = new TImageList(form);
    list->SetSize(32, 32);
    TBitmap strip(96, 32);
    TCanvas& c = strip.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect(RECT{0, 0, 96, 32});
    const COLORREF colours[] = {kGreen, kRed, kYellow};
    for (int i = 0; i < 3; ++i) {
      c.Brush().SetColor(colours[i]);
      c.FillRect(RECT{i * 32 + 6, 6, i * 32 + 26, 26});
    }
    list->AddMasked(strip, clFuchsia);
    return list;
  }

  void SendCallback(TTrayIcon* t, UINT mouseMessage) {
    SendMessageW(t->Handle(), kq::tray::kCallbackMessage, t->IconData().uID, mouseMessage);
  }

  CountingShell shell;  // outlives the icons: they go with the application in TearDown
  TApplication* app = nullptr;
  TForm* form = nullptr;
};

// ---- shell calls ----

TEST_F(TrayTest, CreatedHiddenWithItsOwnWindowAndTheApplicationIcon) {
  TTrayIcon* t = NewTray();
  EXPECT_FALSE(t->Visible());
  EXPECT_TRUE(t->Hide());
  EXPECT_FALSE(t->Animate());
  EXPECT_EQ(t->IconIndex(), 0);
  EXPECT_EQ(t->RestoreOn(), imDoubleClick);
  EXPECT_EQ(t->PopupMenuOn(), imNone);
  EXPECT_EQ(t->AnimateInterval(), 1000u);
  EXPECT_TRUE(t->Hint().empty());
  EXPECT_TRUE(shell.calls.empty());

  ASSERT_TRUE(IsWindow(t->Handle()));
  EXPECT_FALSE(IsWindowVisible(t->Handle()));
  EXPECT_EQ(GetParent(t->Handle()), nullptr);  // top level: it hears the end of the session

  const NOTIFYICONDATAW& d = t->IconData();
  EXPECT_EQ(d.hWnd, t->Handle());
  EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
  EXPECT_EQ(d.uCallbackMessage, 0x401u);
  ASSERT_NE(d.hIcon, nullptr);
  EXPECT_EQ(d.hIcon, t->CurrentIcon().Handle());
  EXPECT_NE(d.hIcon, app->Icon().Handle());  // a copy of it, owned by the icon

  // Two icons are told apart by the shell.
  TTrayIcon* other = NewTray();
  EXPECT_TRUE(other->IconData().hWnd != d.hWnd || other->IconData().uID != d.uID);
}

TEST_F(TrayTest, AddModifyOnlyOnChangeAndDeleteReachTheRealTray) {
  TTrayIcon* t = NewTray();
  t->SetVisible(true);
  ASSERT_EQ(shell.Count(NIM_ADD), 1);
  EXPECT_TRUE(shell.Last().accepted);
  EXPECT_TRUE(ShellHolds(t->IconData()));
  EXPECT_TRUE(PumpUntil([] { return WineTrayIconWindows().size() == 1; }));

  t->SetHint(L"剩余：0 天 01 时 00 分 05 秒");
  ASSERT_EQ(shell.Count(NIM_MODIFY), 1);
  EXPECT_TRUE(shell.Last().accepted);
  EXPECT_EQ(shell.Last().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(shell.Last().tip, L"剩余：0 天 01 时 00 分 05 秒");

  t->SetHint(L"剩余：0 天 01 时 00 分 05 秒");
  EXPECT_EQ(shell.Count(NIM_MODIFY), 1);  // the same text again: nothing sent

  t->SetHint(L"");
  ASSERT_EQ(shell.Count(NIM_MODIFY), 2);
  EXPECT_EQ(shell.Last().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON));
  EXPECT_EQ(t->IconData().uFlags & NIF_TIP, 0u);

  t->SetVisible(false);
  EXPECT_EQ(shell.Count(NIM_DELETE), 1);
  EXPECT_TRUE(shell.Last().accepted);
  EXPECT_FALSE(ShellHolds(t->IconData()));
  EXPECT_TRUE(PumpUntil([] { return WineTrayIconWindows().empty(); }));
}

TEST_F(TrayTest, HintOfSixtyFourCodePage936BytesIsRefusedAndTheOldOneStays) {
  TTrayIcon* t = NewTray();
  t->SetVisible(true);
  t->SetHint(L"已经停止执行");
  const int modifies = shell.Count(NIM_MODIFY);

  const std::wstring zh32(32, L'关');  // 32 characters, 64 bytes in code page 936
  t->SetHint(zh32);
  EXPECT_EQ(t->Hint(), L"已经停止执行");
  EXPECT_EQ(std::wstring(t->IconData().szTip), L"已经停止执行");
  EXPECT_EQ(shell.Count(NIM_MODIFY), modifies);

  const std::wstring zh31a = std::wstring(31, L'关') + L"a";  // 63 bytes: taken whole
  t->SetHint(zh31a);
  EXPECT_EQ(t->Hint(), zh31a);
  EXPECT_EQ(shell.Last().tip, zh31a);
  EXPECT_EQ(shell.Count(NIM_MODIFY), modifies + 1);

  t->SetHint(std::wstring(64, L'x'));
  EXPECT_EQ(t->Hint(), zh31a);
  t->SetVisible(false);
}

TEST_F(TrayTest, HintWhileHiddenIsKeptAndShownWithTheAdd) {
  TTrayIcon* t = NewTray();
  t->SetHint(L"剩余");
  EXPECT_EQ(shell.Count(NIM_MODIFY), 0);  // nothing to modify yet
  t->SetVisible(true);
  ASSERT_EQ(shell.Count(NIM_ADD), 1);
  EXPECT_EQ(shell.Last().tip, L"剩余");
  EXPECT_EQ(shell.Last().flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  t->SetVisible(false);
}

TEST_F(TrayTest, RepeatedVisibleAssignmentsAreNotShellErrors) {
  TTrayIcon* t = NewTray();
  t->SetVisible(false);  // never shown: nothing to remove, no error
  EXPECT_EQ(shell.Count(NIM_DELETE), 0);
  t->SetVisible(true);
  t->SetVisible(true);  // the shell would refuse a second add of the same icon
  EXPECT_EQ(shell.Count(NIM_ADD), 1);
  EXPECT_TRUE(t->Visible());
  EXPECT_TRUE(ShellHolds(t->IconData()));
  t->SetVisible(false);
  t->SetVisible(false);
  EXPECT_EQ(shell.Count(NIM_DELETE), 1);
}

TEST_F(TrayTest, RefusedAddAndDeleteRaiseTheirTextsAndSkipHideAndHook) {
  TTrayIcon* t = NewTray();
  t->SetHide(false);
  shell.refuse_add = true;
  try {
    t->SetVisible(true);
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Cannot Create System Shell Notification Icon");
  }
  EXPECT_TRUE(t->Visible());  // already stored
  EXPECT_FALSE(t->Hide());
  EXPECT_FALSE(t->HookInstalled());

  // A second try adds it once the shell takes it.
  shell.refuse_add = false;
  t->SetVisible(true);
  EXPECT_TRUE(ShellHolds(t->IconData()));
  EXPECT_TRUE(t->Hide());
  EXPECT_TRUE(t->HookInstalled());

  shell.refuse_delete = true;
  try {
    t->SetVisible(false);
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Cannot Remove System Shell Notification Icon");
  }
  EXPECT_FALSE(t->Visible());
  EXPECT_TRUE(t->Hide());
  EXPECT_TRUE(t->HookInstalled());
  // The refusing shell left the icon in Wine's tray: take it away for real.
  NOTIFYICONDATAW d = t->IconData();
  EXPECT_TRUE(kq::tray::SystemShell().Notify(NIM_DELETE, d));
}

// ---- icon and animation ----

TEST_F(TrayTest, AnimationDrivenByItsTimerShowsImagesTwoZeroOneTwo) {
  TImageList* frames = NewFrames();
  form->BeginLoading();
  TTrayIcon* t = NewTray();
  t->SetIcons(frames);
  t->StoreIconIndex(2);
  t->SetAnimate(true);  // kept: the values are still being applied
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()),
            IconCenterColor(app->Icon().Handle()));  // the image comes with loading
  form->EndLoading();

  EXPECT_TRUE(t->Animate());
  ASSERT_TRUE(t->AnimateTimer()->Enabled());
  EXPECT_EQ(t->AnimateTimer()->Interval(), 1000u);
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), kYellow);

  t->SetVisible(true);
  std::vector<int> indices;
  std::vector<COLORREF> colours;
  for (int i = 0; i < 4; ++i) {
    const int before = shell.Count(NIM_MODIFY);
    t->AnimateTimer()->OnTimer(t->AnimateTimer());  // one tick
    indices.push_back(t->IconIndex());
    colours.push_back(IconCenterColor(t->CurrentIcon().Handle()));
    EXPECT_GT(shell.Count(NIM_MODIFY), before);
    EXPECT_EQ(shell.Last().icon, t->CurrentIcon().Handle());
    EXPECT_TRUE(shell.Last().accepted);
  }
  EXPECT_EQ(indices, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(colours, (std::vector<COLORREF>{kGreen, kRed, kYellow, kGreen}));

  t->SetAnimate(false);
  EXPECT_FALSE(t->AnimateTimer()->Enabled());
  t->SetAnimateInterval(250);
  EXPECT_EQ(t->AnimateInterval(), 250u);
  t->SetVisible(false);
}

TEST_F(TrayTest, AnimateWithoutIconsStaysFalseAfterLoadingAndNoTimerRuns) {
  form->BeginLoading();
  TTrayIcon* t = NewTray();
  t->SetAnimate(true);
  t->StoreIconIndex(2);
  form->EndLoading();
  EXPECT_FALSE(t->Animate());
  EXPECT_FALSE(t->AnimateTimer()->Enabled());
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), IconCenterColor(app->Icon().Handle()));

  t->SetAnimate(true);  // at run time too
  EXPECT_FALSE(t->Animate());
  EXPECT_FALSE(t->AnimateTimer()->Enabled());
}

TEST_F(TrayTest, SetIconIndexAndApplicationIcon) {
  TImageList* frames = NewFrames();
  TTrayIcon* t = NewTray();
  t->SetIcons(frames);
  t->SetVisible(true);
  t->SetIconIndex(1);
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), kRed);
  EXPECT_EQ(shell.Last().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(shell.Last().icon, t->CurrentIcon().Handle());

  t->SetIconIndex(7);  // no such image: the icon stays
  EXPECT_EQ(t->IconIndex(), 7);
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), kRed);
  t->AnimateStep();  // past the end: back to the first image
  EXPECT_EQ(t->IconIndex(), 0);
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), kGreen);

  t->UseApplicationIcon();
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), IconCenterColor(app->Icon().Handle()));
  EXPECT_EQ(shell.Last().icon, t->CurrentIcon().Handle());
  t->SetVisible(false);
}

// ---- Visible and Hide ----

TEST_F(TrayTest, MakingTheIconVisibleForcesHideOn) {
  TTrayIcon* t = NewTray();
  t->SetHide(false);
  EXPECT_FALSE(t->Hide());
  t->SetVisible(true);
  EXPECT_TRUE(t->Hide());
  t->SetVisible(false);
  EXPECT_FALSE(t->Hide());
  // Hiding the icon does not bring a minimised application back.
  EXPECT_TRUE(IsWindowVisible(app->Handle()));
}

TEST_F(TrayTest, HideSetterWhileVisible) {
  TTrayIcon* t = NewTray();
  t->SetVisible(true);
  HWND appWnd = app->Handle();

  // Minimised into the tray: the taskbar button (the application window) is gone.
  t->MinimizeToTray();
  EXPECT_TRUE(IsIconic(appWnd));
  EXPECT_FALSE(IsWindowVisible(appWnd));
  EXPECT_FALSE(IsWindowVisible(form->HandleOrNull()));

  // Hide := false while minimised does not bring the hidden button back...
  t->SetHide(false);
  EXPECT_FALSE(IsWindowVisible(appWnd));
  // ...and Hide := true while minimised hides it (show it first to see that).
  ShowWindow(appWnd, SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(IsWindowVisible(appWnd));
  t->SetHide(true);
  EXPECT_FALSE(IsWindowVisible(appWnd));

  // Not minimised: Hide := false shows the application window with SW_RESTORE.
  t->RestoreFromTray();
  EXPECT_FALSE(IsIconic(appWnd));
  ShowWindow(appWnd, SW_HIDE);
  t->SetHide(false);
  EXPECT_TRUE(IsWindowVisible(appWnd));
  EXPECT_FALSE(IsIconic(appWnd));
  // Hide := true while not minimised changes nothing.
  t->SetHide(true);
  EXPECT_TRUE(IsWindowVisible(appWnd));
  t->SetVisible(false);
}

TEST_F(TrayTest, HideSetterDoesNothingWhileTheIconIsHidden) {
  TTrayIcon* t = NewTray();
  HWND appWnd = app->Handle();
  t->MinimizeToTray();  // Hide is on: the button goes even without the icon
  EXPECT_FALSE(IsWindowVisible(appWnd));
  ShowWindow(appWnd, SW_SHOWMINNOACTIVE);
  t->SetHide(true);
  EXPECT_TRUE(IsWindowVisible(appWnd));
  t->RestoreFromTray();
  ShowWindow(appWnd, SW_HIDE);
  t->SetHide(false);
  EXPECT_FALSE(IsWindowVisible(appWnd));
  ShowWindow(appWnd, SW_SHOWNA);
}

TEST_F(TrayTest, MinimizeAndRestoreRaiseTheirEventsAndKeepTheButtonWithoutHide) {
  TTrayIcon* t = NewTray();
  int minimized = 0, restored = 0;
  t->OnMinimize = [&](TObject* s) {
    EXPECT_EQ(s, t);
    ++minimized;
  };
  t->OnRestore = [&](TObject* s) {
    EXPECT_EQ(s, t);
    ++restored;
  };
  t->SetHide(false);
  t->MinimizeToTray();
  EXPECT_EQ(minimized, 1);
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(app->Handle()));  // the taskbar button stays
  t->RestoreFromTray();
  EXPECT_EQ(restored, 1);
  EXPECT_FALSE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(form->HandleOrNull()));
}

// ---- mouse actions ----

TEST_F(TrayTest, DoubleClickOfAnyButtonRestores) {
  TTrayIcon* t = NewTray();
  t->SetVisible(true);
  int restored = 0;
  t->OnRestore = [&](TObject*) { ++restored; };
  for (UINT msg : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK}) {
    SCOPED_TRACE(msg);
    t->MinimizeToTray();
    ASSERT_TRUE(IsIconic(app->Handle()));
    ASSERT_FALSE(IsWindowVisible(form->HandleOrNull()));
    const int before = restored;
    SendCallback(t, msg);
    EXPECT_EQ(restored, before + 1);
    EXPECT_FALSE(IsIconic(app->Handle()));
    EXPECT_TRUE(IsWindowVisible(app->Handle()));
    EXPECT_TRUE(IsWindowVisible(form->HandleOrNull()));
  }
  // Single clicks, downs and ups do not restore under the default setting.
  t->MinimizeToTray();
  const int before = restored;
  for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN,
                   WM_MBUTTONUP, WM_MOUSEMOVE})
    SendCallback(t, msg);
  EXPECT_EQ(restored, before);
  EXPECT_TRUE(IsIconic(app->Handle()));
  t->RestoreFromTray();
  t->SetVisible(false);
}

TEST_F(TrayTest, RightButtonUpOpensThePopupMenuAtTheCursor) {
  TTrayIcon* t = NewTray();
  auto* menu = new TPopupMenu(form);
  auto* item = new TMenuItem(form);
  item->SetCaption(L"显示/隐藏");
  menu->Items()->Add(item);
  t->SetPopupMenu(menu);
  t->SetPopupMenuOn(imRightClickUp);
  t->SetVisible(true);

  int popups = 0;
  menu->OnPopup = [&](TObject*) { ++popups; };
  SendCallback(t, WM_RBUTTONDOWN);
  SendCallback(t, WM_LBUTTONUP);
  SendCallback(t, WM_RBUTTONDBLCLK);
  EXPECT_EQ(popups, 0);

  // The real menu opens (a "#32768" window shows); a helper closes it again.
  SetCursorPos(400, 300);
  bool sawMenu = false;
  POINT menuAt{};
  std::thread closer([&] {
    for (int i = 0; i < 250 && !sawMenu; ++i) {
      if (HWND m = VisibleMenuWindow()) {
        sawMenu = true;
        RECT r;
        GetWindowRect(m, &r);
        menuAt = POINT{r.left, r.top};
        PostMessageW(m, WM_KEYDOWN, VK_ESCAPE, 0);
      }
      Sleep(20);
    }
  });
  SendCallback(t, WM_RBUTTONUP);
  closer.join();
  EXPECT_EQ(popups, 1);
  EXPECT_TRUE(sawMenu);
  EXPECT_EQ(menuAt.x, 400);
  EXPECT_EQ(menuAt.y, 300);
  t->SetVisible(false);
}

TEST_F(TrayTest, MouseEventsCarryButtonShiftAndCursorAndClickOnlyWithItsHandler) {
  TTrayIcon* t = NewTray();
  std::vector<std::string> log;
  auto name = [](TMouseButton b) { return b == mbLeft ? "left" : b == mbRight ? "right" : "middle"; };
  POINT cursor{};
  TShiftState lastShift = 0;
  t->OnMouseDown = [&](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
    EXPECT_EQ(s, t);
    log.push_back(std::string("down ") + name(b));
    lastShift = sh;
    cursor = POINT{x, y};
  };
  t->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState sh, int, int) {
    log.push_back(std::string("up ") + name(b));
    lastShift = sh;
  };
  t->OnMuuseMove = [&](TObject*, TShiftState, int, int) { log.push_back("move"); };

  SetCursorPos(321, 123);
  SendCallback(t, WM_LBUTTONDOWN);
  EXPECT_EQ(lastShift & (ssLeft | ssRight | ssMiddle), ssLeft);
  EXPECT_EQ(cursor.x, 321);
  EXPECT_EQ(cursor.y, 123);
  SendCallback(t, WM_RBUTTONUP);
  EXPECT_EQ(lastShift & (ssLeft | ssRight | ssMiddle), ssRight);
  SendCallback(t, WM_MBUTTONDOWN);
  EXPECT_EQ(lastShift & (ssLeft | ssRight | ssMiddle), ssMiddle);
  // Movement is passed on whether or not a click handler is assigned.
  SendCallback(t, WM_MOUSEMOVE);
  SendCallback(t, WM_LBUTTONUP);
  EXPECT_EQ(log, (std::vector<std::string>{"down left", "up right", "down middle", "move", "up left"}));

  log.clear();
  t->OnClick = [&](TObject*) { log.push_back("click"); };
  SendCallback(t, WM_LBUTTONUP);
  SendCallback(t, WM_MOUSEMOVE);
  SendCallback(t, WM_RBUTTONUP);  // a click is the left button's
  EXPECT_EQ(log, (std::vector<std::string>{"click", "up left", "move", "up right"}));
}

TEST_F(TrayTest, EachSelectableActionRestoresBeforeItOpensTheMenu) {
  struct Case {
    TTrayIconMessage action;
    std::vector<UINT> messages;  // what sets it off
    bool needsClickHandler;
  };
  const Case cases[] = {
      {imClick, {WM_LBUTTONUP}, true},
      {imDoubleClick, {WM_LBUTTONDBLCLK}, false},
      {imMouseDown, {WM_MBUTTONDOWN}, false},
      {imMouseUp, {WM_RBUTTONUP}, false},
      {imLeftClickUp, {WM_LBUTTONUP}, false},
      {imLeftDoubleClick, {WM_LBUTTONDBLCLK}, false},
      {imRightClickUp, {WM_RBUTTONUP}, false},
      {imRightDoubleClick, {WM_RBUTTONDBLCLK}, false},
  };
  TTrayIcon* t = NewTray();
  auto* menu = new TPopupMenu(form);
  t->SetPopupMenu(menu);  // no items: Popup returns at once after OnPopup
  std::vector<std::string> log;
  t->OnRestore = [&](TObject*) { log.push_back("restore"); };
  menu->OnPopup = [&](TObject*) { log.push_back("popup"); };
  for (const Case& c : cases) {
    SCOPED_TRACE(kq::tray::TrayIconMessageName(c.action));
    t->OnClick = nullptr;
    t->SetRestoreOn(c.action);
    t->SetPopupMenuOn(c.action);
    log.clear();
    for (UINT m : c.messages) SendCallback(t, m);
    if (c.needsClickHandler) {
      EXPECT_TRUE(log.empty());
      t->OnClick = [&](TObject*) { log.push_back("click"); };
      for (UINT m : c.messages) SendCallback(t, m);
      EXPECT_EQ(log, (std::vector<std::string>{"restore", "popup", "click"}));
    } else {
      EXPECT_EQ(log, (std::vector<std::string>{"restore", "popup"}));
    }
  }
  t->SetRestoreOn(imNone);
  t->SetPopupMenuOn(imNone);
  log.clear();
  for (UINT m = WM_MOUSEMOVE; m <= WM_MBUTTONDBLCLK; ++m) SendCallback(t, m);
  EXPECT_TRUE(log.empty());
}

TEST_F(TrayTest, OtherMessagesOfTheHiddenWindowAnswerZero) {
  TTrayIcon* t = NewTray();
  EXPECT_EQ(SendMessageW(t->Handle(), WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_EQ(SendMessageW(t->Handle(), WM_USER + 7, 1, 2), 0);
  SendMessageW(t->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(t->Handle()));  // not closed from outside
}

// ---- the application-window hook ----

TEST_F(TrayTest, HookTurnsSystemMinimizeAndRestoreIntoTrayOperationsAndPassesThemOn) {
  TTrayIcon* t = NewTray();
  int minimized = 0, restored = 0;
  t->OnMinimize = [&](TObject*) { ++minimized; };
  t->OnRestore = [&](TObject*) { ++restored; };
  EXPECT_FALSE(t->HookInstalled());
  t->SetVisible(true);
  EXPECT_TRUE(t->HookInstalled());

  // A hook installed after the icon's sees what the icon's hook lets through.
  std::vector<WPARAM> seenAfter;
  const int later = app->HookMainWindow([&](TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND) seenAfter.push_back(m.WParam & 0xFFF0);
    return false;
  });

  // The minimise button of the main form goes to the application window.
  SendMessageW(form->HandleOrNull(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(minimized, 1);
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(app->Handle()));  // no taskbar button
  EXPECT_FALSE(IsWindowVisible(form->HandleOrNull()));

  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(restored, 1);
  EXPECT_FALSE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(form->HandleOrNull()));
  EXPECT_EQ(seenAfter, (std::vector<WPARAM>{SC_MINIMIZE, SC_RESTORE}));

  // With the icon hidden the hook is gone: minimising keeps the taskbar button.
  t->SetVisible(false);
  EXPECT_FALSE(t->HookInstalled());
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(minimized, 1);
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(app->Handle()));
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(restored, 1);
  app->UnhookMainWindow(later);
}

// ---- references, end of session, destruction ----

TEST_F(TrayTest, FreedImageListAndPopupMenuAreForgotten) {
  TImageList* frames = NewFrames();
  auto* menu = new TPopupMenu(form);
  TTrayIcon* t = NewTray();
  t->SetIcons(frames);
  t->SetPopupMenu(menu);
  t->SetAnimate(true);
  t->SetPopupMenuOn(imRightClickUp);
  t->SetVisible(true);

  delete frames;
  EXPECT_EQ(t->Icons(), nullptr);
  delete menu;
  EXPECT_EQ(t->PopupMenu(), nullptr);

  // Both keep working without them.
  t->AnimateTimer()->OnTimer(t->AnimateTimer());
  EXPECT_EQ(t->IconIndex(), 0);
  SendCallback(t, WM_RBUTTONUP);
  t->SetVisible(false);
}

TEST_F(TrayTest, ReferencesHeldOutsideTheOwnerAreForgottenToo) {
  // Image list and menu owned by another component than the icon's owner.
  auto* elsewhere = new TComponent(nullptr);
  auto* frames = new TImageList(elsewhere);
  auto* menu = new TPopupMenu(elsewhere);
  TTrayIcon* t = NewTray();
  t->SetIcons(frames);
  t->SetPopupMenu(menu);
  delete elsewhere;
  EXPECT_EQ(t->Icons(), nullptr);
  EXPECT_EQ(t->PopupMenu(), nullptr);

  // And a replaced reference no longer clears the new one.
  auto* a = new TImageList(form);
  auto* b = new TImageList(form);
  t->SetIcons(a);
  t->SetIcons(b);
  delete a;
  EXPECT_EQ(t->Icons(), b);
}

TEST_F(TrayTest, OnlyASessionThatReallyEndsRemovesTheIcon) {
  TTrayIcon* t = NewTray();
  t->SetVisible(true);
  ASSERT_TRUE(ShellHolds(t->IconData()));
  EXPECT_EQ(SendMessageW(t->Handle(), WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_TRUE(ShellHolds(t->IconData()));
  // A cancelled end (wParam 0: another program refused, or the user) keeps the icon.
  SendMessageW(t->Handle(), WM_ENDSESSION, FALSE, 0);
  EXPECT_EQ(shell.Count(NIM_DELETE), 0);
  EXPECT_TRUE(ShellHolds(t->IconData()));
  SendMessageW(t->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(shell.Count(NIM_DELETE), 1);
  EXPECT_FALSE(ShellHolds(t->IconData()));
  EXPECT_TRUE(t->Visible());
  // Showing it again adds it again.
  t->SetVisible(true);
  EXPECT_EQ(shell.Count(NIM_ADD), 2);
  EXPECT_TRUE(ShellHolds(t->IconData()));
}

TEST_F(TrayTest, ARestartedNotificationAreaGetsTheVisibleIconBack) {
  TTrayIcon* t = NewTray();
  const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  SendMessageW(t->Handle(), taskbarCreated, 0, 0);  // hidden: nothing to add
  EXPECT_EQ(shell.Count(NIM_ADD), 0);

  t->SetVisible(true);
  t->SetHint(L"剩余");
  // The shell forgets the icon, as when Explorer ends, then announces a new notification area.
  NOTIFYICONDATAW d = t->IconData();
  ASSERT_TRUE(kq::tray::SystemShell().Notify(NIM_DELETE, d));
  ASSERT_FALSE(ShellHolds(t->IconData()));
  SendMessageW(t->Handle(), taskbarCreated, 0, 0);
  EXPECT_EQ(shell.Count(NIM_ADD), 2);
  EXPECT_EQ(shell.Last().tip, L"剩余");
  EXPECT_TRUE(ShellHolds(t->IconData()));
  t->SetVisible(false);
  EXPECT_FALSE(ShellHolds(t->IconData()));
}

TEST_F(TrayTest, DestructionDeletesTheIconTheWindowAndTheHook) {
  TTrayIcon* t = NewTray();
  int minimized = 0;
  t->OnMinimize = [&](TObject*) { ++minimized; };
  t->SetVisible(true);
  const NOTIFYICONDATAW d = t->IconData();
  HWND wnd = t->Handle();
  ASSERT_TRUE(ShellHolds(d));

  delete t;
  EXPECT_EQ(shell.Count(NIM_DELETE), 1);
  EXPECT_FALSE(ShellHolds(d));
  EXPECT_FALSE(IsWindow(wnd));
  // The hook went with it: minimising now is the application's alone.
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(minimized, 0);
  EXPECT_TRUE(IsWindowVisible(app->Handle()));
  SendMessageW(app->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(PumpUntil([] { return WineTrayIconWindows().empty(); }));
}

TEST_F(TrayTest, OwnerFreesTheIconWithTheRestOfTheWindow) {
  TTrayIcon* t = NewTray();
  t->SetVisible(true);
  const NOTIFYICONDATAW d = t->IconData();
  delete form;
  form = nullptr;
  EXPECT_FALSE(ShellHolds(d));
}

TEST_F(TrayTest, NoWindowsOrIconsLeak) {
  TImageList* frames = NewFrames();
  const long users = kq::ui::LiveUserHandles();
  const long gdi = kq::ui::LiveGdiHandles();
  for (int i = 0; i < 20; ++i) {
    TTrayIcon* t = NewTray();
    t->SetIcons(frames);
    t->SetAnimate(true);
    t->SetVisible(true);
    t->SetHint(L"剩余 " + std::to_wstring(i));
    for (int k = 0; k < 5; ++k) t->AnimateStep();
    t->UseApplicationIcon();
    delete t;
  }
  EXPECT_EQ(kq::ui::LiveUserHandles(), users);
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
}

TEST_F(TrayTest, PublishedPropertiesByName) {
  TTrayIcon* t = NewTray();
  const std::vector<std::string> own = {"Visible",     "Hint",  "PopupMenu",   "Hide",
                                        "RestoreOn",   "PopupMenuOn", "Icons", "IconIndex",
                                        "AnimateInterval", "Animate", "Handle"};
  std::vector<std::string> names = t->ClassType().PropNames();
  ASSERT_GE(names.size(), own.size());
  EXPECT_EQ(std::vector<std::string>(names.end() - own.size(), names.end()), own);

  EXPECT_EQ(GetPropText(t, "RestoreOn"), L"imDoubleClick");
  EXPECT_EQ(GetPropText(t, "PopupMenuOn"), L"imNone");
  EXPECT_TRUE(SetPropText(t, "PopupMenuOn", L"imRightClickUp"));
  EXPECT_EQ(t->PopupMenuOn(), imRightClickUp);
  EXPECT_FALSE(SetPropText(t, "RestoreOn", L"imSometimes"));
  EXPECT_EQ(t->RestoreOn(), imDoubleClick);
  EXPECT_TRUE(SetPropText(t, "AnimateInterval", L"500"));
  EXPECT_EQ(t->AnimateInterval(), 500u);
  EXPECT_EQ(GetPropText(t, "Handle"), std::to_wstring(reinterpret_cast<UINT_PTR>(t->Handle())));
  EXPECT_FALSE(SetPropText(t, "Handle", L"0"));

  // IconIndex by name is only stored; the picture follows at the next step.
  TImageList* frames = NewFrames();
  t->SetIcons(frames);
  t->SetIconIndex(0);
  EXPECT_TRUE(SetPropText(t, "IconIndex", L"1"));
  EXPECT_EQ(t->IconIndex(), 1);
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), kGreen);
  t->AnimateStep();
  EXPECT_EQ(IconCenterColor(t->CurrentIcon().Handle()), kYellow);

  EXPECT_TRUE(SetPropObject(t, "PopupMenu", new TPopupMenu(form)));
  EXPECT_NE(t->PopupMenu(), nullptr);
  EXPECT_FALSE(SetPropObject(t, "Icons", t->PopupMenu()));  // wrong kind
}

}  // namespace

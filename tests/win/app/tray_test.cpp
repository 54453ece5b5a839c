// The main window's tray icon, tried as a user would: the real mouse on the window's
// minimise button, on the icon in Wine's notification area and on the tray menu; what the
// notification area shows is read back from the screen.
//
// Set KQ_SHOT_DIR to a folder to keep screenshots of the minimised program, its tray menu
// and the about box opened from it.
#include <atomic>
#include <thread>

#include "app_fixture.h"
#include "win/tray/tray_test_util.h"

namespace apptest {
namespace {

using traytest::SaveScreenshot;

class Tray : public KqTest {
 protected:
  // The single icon Wine's notification area shows.
  static HWND TrayIconWindow() {
    HWND found = nullptr;
    uitest::PumpUntil([&] {
      auto icons = traytest::WineTrayIconWindows();
      found = icons.size() == 1 ? icons[0] : nullptr;
      return found != nullptr;
    });
    return found;
  }

  // The middle of a caption button, found by asking the window what lies where.
  static POINT CaptionButton(HWND wnd, LRESULT which) {
    RECT r{};
    GetWindowRect(wnd, &r);
    const int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int first = -1, last = -1;
    for (int x = r.left; x < r.right; ++x) {
      if (SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == which) {
        if (first < 0) first = x;
        last = x;
      }
    }
    return POINT{(first + last) / 2, y};
  }

  enum class Hue { Other, Green, Red, Yellow };
  // The colour most of the strongly coloured pixels of a screen rectangle have.
  static Hue DominantHue(HWND wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    int counts[4] = {};
    HDC screen = GetDC(nullptr);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        const COLORREF c = GetPixel(screen, x, y);
        const int R = GetRValue(c), G = GetGValue(c), B = GetBValue(c);
        if (R > 150 && G > 150 && B < 100) ++counts[static_cast<int>(Hue::Yellow)];
        else if (G > R + 40 && G > B + 40) ++counts[static_cast<int>(Hue::Green)];
        else if (R > G + 60 && R > B + 60) ++counts[static_cast<int>(Hue::Red)];
      }
    ReleaseDC(nullptr, screen);
    int best = 0;
    for (int i = 1; i < 4; ++i)
      if (counts[i] > counts[best]) best = i;
    return counts[best] >= 6 ? static_cast<Hue>(best) : Hue::Other;
  }

  static void DoubleClickAt(POINT p) {
    uitest::MoveMouse(p.x, p.y);
    Sleep(30);
    for (int i = 0; i < 2; ++i) {
      uitest::MouseButton(true);
      uitest::MouseButton(false);
    }
  }

  // Waits (on a helper thread) until pred holds.
  static bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 5000) {
    for (int waited = 0; !pred(); waited += 20) {
      if (waited > timeoutMs) return false;
      Sleep(20);
    }
    return true;
  }
};

TEST_F(Tray, TheIconIsSetUpAsTheWindowDefinesIt) {
  Create();
  TTrayIcon* t = w.MAIN_KQ->TrayIcon1;
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Owner(), w.MAIN_KQ);
  EXPECT_EQ(t->PopupMenu(), w.MAIN_KQ->PopupMenu1);
  EXPECT_EQ(t->Icons(), w.MAIN_KQ->iglIcons);
  EXPECT_TRUE(t->Hide());
  EXPECT_EQ(t->RestoreOn(), imDoubleClick);
  EXPECT_EQ(t->PopupMenuOn(), imRightClickUp);
  EXPECT_EQ(t->IconIndex(), 2);
  EXPECT_TRUE(t->Animate());
  EXPECT_TRUE(t->AnimateTimer()->Enabled());
  EXPECT_EQ(t->AnimateInterval(), 1000u);
  EXPECT_FALSE(t->Visible());
  EXPECT_FALSE(w.MAIN_KQ->TrayIconVisible());
  EXPECT_TRUE(traytest::WineTrayIconWindows().empty());
}

TEST_F(Tray, StartingAScheduleShowsTheAnimatedBeetleWithTheCountdownAsHint) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->Rb_yc->SetChecked(true);
  m->edt_ychour->SetText(L"1");
  m->edt_ycminu->SetText(L"30");
  ClickControl(m->btn_run);
  ASSERT_TRUE(uitest::PumpUntil([&] { return m->TrayIconVisible(); }));
  HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr);
  // The window went into the notification area, its taskbar button with it.
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(m->Handle()));
  ASSERT_TRUE(uitest::PumpUntil([&] { return !m->TrayHint().empty(); }));
  EXPECT_EQ(m->TrayHint(), L"剩余：0 天 01 时 30 分 00 秒 ");
  EXPECT_EQ(std::wstring(m->TrayIcon1->IconData().szTip), m->TrayHint());

  // The yellow beetle first, then green, red, yellow: one frame per tick of the animation.
  EXPECT_TRUE(uitest::PumpUntil([&] { return DominantHue(icon) == Hue::Yellow; }));
  for (Hue next : {Hue::Green, Hue::Red, Hue::Yellow}) {
    m->TrayIcon1->AnimateTimer()->OnTimer(m->TrayIcon1->AnimateTimer());
    EXPECT_TRUE(uitest::PumpUntil([&] { return DominantHue(icon) == next; }))
        << static_cast<int>(next) << " shows " << static_cast<int>(DominantHue(icon));
  }
  m->btn_stopClick();
}

TEST_F(Tray, MinimiseDoubleClickBackAndTheMenuOpensTheAboutBox) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->ShowTrayIcon();  // as the first start of a schedule does
  HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr);
  const POINT iconAt = uitest::CenterOf(icon);
  const POINT minimize = CaptionButton(m->Handle(), HTMINBUTTON);
  HWND mainWnd = m->Handle(), appWnd = app->Handle();

  std::atomic<bool> done{false};
  bool minimised = false, buttonGone = true, restored = false, inFront = false, menuShown = false,
       aboutShown = false, aboutModal = false, mainDisabled = false, aboutClosed = false;
  std::vector<std::wstring> items;
  std::thread user([&] {
    // The window's own minimise button.
    uitest::ClickAt(minimize.x, minimize.y);
    minimised = WaitFor([&] { return IsIconic(appWnd) && !IsWindowVisible(mainWnd); });
    buttonGone = WaitFor([&] { return !IsWindowVisible(appWnd); });
    SaveScreenshot("tray_minimised");

    // A double click on the icon brings the window back to the front.
    DoubleClickAt(iconAt);
    restored = WaitFor([&] { return IsWindowVisible(mainWnd) && !IsIconic(appWnd); });
    inFront = WaitFor([&] { return GetForegroundWindow() == mainWnd; });

    // A right click opens the menu.
    uitest::ClickAt(iconAt.x, iconAt.y, true);
    HWND menuWnd = nullptr;
    menuShown = WaitFor([&] { return (menuWnd = traytest::VisibleMenuWindow()) != nullptr; });
    if (menuShown) {
      Sleep(200);  // let it paint for the picture
      SaveScreenshot("tray_menu");
      HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWnd, MN_GETHMENU, 0, 0));
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        items.push_back(text);
      }
      // "关于软件" with the mouse.
      RECT r{};
      GetMenuItemRect(nullptr, menu, 3, &r);
      uitest::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      HWND about = nullptr;
      aboutShown = WaitFor([&] {
        about = w.aboutsoft_kq->HandleOrNull();
        return about && IsWindowVisible(about);
      });
      if (aboutShown) {
        aboutModal = w.aboutsoft_kq->IsModal();
        mainDisabled = !IsWindowEnabled(mainWnd);
        Sleep(200);
        SaveScreenshot("tray_about");
        // A click on its background closes it.
        RECT c{};
        GetClientRect(about, &c);
        POINT p{c.right - 6, c.bottom - 6};
        ClientToScreen(about, &p);
        uitest::ClickAt(p.x, p.y);
        aboutClosed = WaitFor([&] { return !IsWindowVisible(about) && IsWindowEnabled(mainWnd); });
      }
    }
    done = true;
  });
  uitest::PumpUntil([&] { return done.load(); }, 30000);
  user.join();

  EXPECT_TRUE(minimised);
  EXPECT_TRUE(buttonGone);
  EXPECT_TRUE(restored);
  EXPECT_TRUE(inFront);
  EXPECT_TRUE(menuShown);
  EXPECT_EQ(items, (std::vector<std::wstring>{L"显示/隐藏", L"停止执行", L"", L"关于软件"}));
  EXPECT_TRUE(aboutShown);
  EXPECT_TRUE(aboutModal);
  EXPECT_TRUE(mainDisabled);
  EXPECT_TRUE(aboutClosed);
  EXPECT_TRUE(errors.empty());
}

TEST_F(Tray, InTheTrayTheMenuClosesOnAClickElsewhereAndShowHideBringsTheWindowBack) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->ShowTrayIcon();
  HWND icon = TrayIconWindow();
  ASSERT_NE(icon, nullptr);
  const POINT iconAt = uitest::CenterOf(icon);
  const POINT minimize = CaptionButton(m->Handle(), HTMINBUTTON);
  HWND mainWnd = m->Handle(), appWnd = app->Handle();

  std::atomic<bool> done{false};
  bool minimised = false, menuShown = false, menuGone = false, stillInTray = false,
       menuAgain = false, restored = false, inFront = false;
  std::thread user([&] {
    uitest::ClickAt(minimize.x, minimize.y);
    minimised = WaitFor([&] { return IsIconic(appWnd) && !IsWindowVisible(mainWnd); });

    // Opened from the tray with no window shown, the menu still closes on a click elsewhere.
    uitest::ClickAt(iconAt.x, iconAt.y, true);
    menuShown = WaitFor([] { return traytest::VisibleMenuWindow() != nullptr; });
    uitest::ClickAt(900, 900);
    menuGone = WaitFor([] { return traytest::VisibleMenuWindow() == nullptr; });
    stillInTray = IsIconic(appWnd) && !IsWindowVisible(mainWnd) && !IsWindowVisible(appWnd);

    // "显示/隐藏" brings the window back to the front. (Two right clicks on the icon within the
    // double-click time are a double click, which restores by itself.)
    Sleep(GetDoubleClickTime() + 100);
    uitest::ClickAt(iconAt.x, iconAt.y, true);
    HWND menuWnd = nullptr;
    menuAgain = WaitFor([&] { return (menuWnd = traytest::VisibleMenuWindow()) != nullptr; });
    if (menuAgain) {
      HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWnd, MN_GETHMENU, 0, 0));
      RECT r{};
      GetMenuItemRect(nullptr, menu, 0, &r);
      uitest::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      restored = WaitFor([&] { return IsWindowVisible(mainWnd) && !IsIconic(appWnd); });
      inFront = WaitFor([&] { return GetForegroundWindow() == mainWnd; });
    }
    done = true;
  });
  uitest::PumpUntil([&] { return done.load(); }, 30000);
  user.join();

  EXPECT_TRUE(minimised);
  EXPECT_TRUE(menuShown);
  EXPECT_TRUE(menuGone);
  EXPECT_TRUE(stillInTray);
  EXPECT_TRUE(menuAgain);
  EXPECT_TRUE(restored);
  EXPECT_TRUE(inFront);
  EXPECT_TRUE(IsWindowVisible(appWnd));  // the taskbar button is back
  EXPECT_TRUE(errors.empty());
}

TEST_F(Tray, ShowHideFromTheMenuTogglesBetweenTrayAndWindow) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  // Before any schedule there is no icon yet: going to the tray shows it first, so the
  // hidden program can be reached.
  ASSERT_FALSE(m->TrayIconVisible());
  m->N1->Click();
  EXPECT_TRUE(m->TrayIconVisible());
  EXPECT_TRUE(traytest::ShellHolds(m->TrayIcon1->IconData()));
  EXPECT_TRUE(IsIconic(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(app->Handle()));
  EXPECT_FALSE(IsWindowVisible(m->Handle()));
  m->N1->Click();
  EXPECT_FALSE(IsIconic(app->Handle()));
  EXPECT_TRUE(IsWindowVisible(m->Handle()));
  EXPECT_TRUE(uitest::PumpUntil([&] { return GetForegroundWindow() == m->Handle(); }));
}

TEST_F(Tray, ClosingTheProgramTakesTheIconAway) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->ShowTrayIcon();
  const NOTIFYICONDATAW d = m->TrayIcon1->IconData();
  ASSERT_TRUE(traytest::ShellHolds(d));
  m->btn_closeClick();
  uitest::PumpUntil([&] { return app->Terminated(); });
  delete app;
  app = nullptr;
  EXPECT_FALSE(traytest::ShellHolds(d));
  EXPECT_TRUE(WaitFor([] { return traytest::WineTrayIconWindows().empty(); }));
}

}  // namespace
}  // namespace apptest

// The scheduler's own menus with the stored skin, used with the real mouse and keyboard: the
// tray menu, the main window's context menu and the skinned system popup open in the skin's
// look (the "MenuBackground" border, the hot item's "MenuItem" frame 4, disabled items in the
// shadow colour), a click runs an item, and closing every menu leaves the skin manager
// expecting a plain popup again.
//
// Set KQ_SHOT_DIR to a folder to keep pictures of the open menus.
#include <gtest/gtest.h>

#include "app/kq_aboutsoft.h"
#include "app/kq_dm.h"
#include "app/kq_main.h"
#include "app/kq_msg.h"
#include "app/pro_kqshutdown.h"
#include "base/clock.h"
#include "base/datetime.h"
#include "skin/engine/core/manager_rules.h"
#include "skin/form/win_skin_form.h"
#include "tray/tray_icon.h"
#include "ui/menus.h"
#include "ui/text.h"
#include "unit/base/temp_dir.h"
#include "win/app/program_services.h"
#include "win/skin_menus/menu_test_util.h"

using namespace menutest;

namespace {

// Colours of the default skin.
constexpr COLORREF kMenuBorder = RGB(169, 180, 192);  // outer line of "MenuBackground"
constexpr COLORREF kMenuFace = RGB(255, 255, 255);    // its inside
constexpr COLORREF kHotFill = RGB(220, 233, 247);     // frame 4 of "MenuItem"
constexpr COLORREF kMenuText = RGB(31, 41, 51);
constexpr COLORREF kShadow = RGB(169, 180, 192);      // ButtonShadow: disabled items

class ProgramMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    app = new TApplication();
    w = CreateKqWindows(*app, program.services);
    m = w.MAIN_KQ;
    m->Show();
    ASSERT_TRUE(uitest::PumpUntil([&] {
      TWinSkinForm* s = SkinManager() ? SkinManager()->FindFormSkinner(m->Handle()) : nullptr;
      return s && s->Phase == kq::skin::SkinPhase::Ready;
    }));
    SetForegroundWindow(m->Handle());
    uitest::PumpFor(100);
    // The test's own handlers: the about box would wait for a user.
    m->N4->OnClick = [this](TObject*) { ++aboutClicks; };
    m->N2->SetEnabled(false);
  }
  void TearDown() override {
    delete app;
    FreeSkinManager();
  }

  // What a user sees of the open menu `menu`: its border, a hot item, a disabled item.
  struct Look {
    bool shown = false;
    COLORREF corner = 0, inside = 0, hot = 0, cold = 0, enabledText = 0, disabledText = 0;
    std::vector<std::wstring> texts;
  };
  static Look LookAt(HMENU menu, HWND menuWindow) {
    Look l;
    l.shown = true;
    RECT wr{};
    GetWindowRect(menuWindow, &wr);
    l.corner = ScreenPixel(wr.left, wr.top + 10);
    l.inside = ScreenPixel(wr.left + 1, wr.top + 10);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      l.texts.push_back(text);
    }
    // The mouse over the first item makes it hot.
    const RECT first = ItemRect(menu, 0);
    uitest::MoveMouse(first.left + 40, (first.top + first.bottom) / 2);
    Sleep(300);
    l.hot = ScreenPixel(first.left + 6, (first.top + first.bottom) / 2);
    const RECT last = ItemRect(menu, 3);
    l.cold = ScreenPixel(last.left + 6, (last.top + last.bottom) / 2);
    RECT text = ItemRect(menu, 3);
    text.left += 28;
    l.enabledText = Darkest(text);
    RECT disabled = ItemRect(menu, 1);
    disabled.left += 28;
    l.disabledText = Darkest(disabled);
    return l;
  }
  static void ExpectSkinned(const Look& l) {
    EXPECT_TRUE(l.shown);
    EXPECT_EQ(l.texts, (std::vector<std::wstring>{L"显示/隐藏", L"停止执行", L"", L"关于软件"}));
    EXPECT_EQ(l.corner, kMenuBorder) << std::hex << l.corner;
    EXPECT_EQ(l.inside, kMenuFace) << std::hex << l.inside;
    EXPECT_EQ(l.hot, kHotFill) << std::hex << l.hot;
    EXPECT_EQ(l.cold, kMenuFace) << std::hex << l.cold;
    EXPECT_TRUE(Near(l.enabledText, kMenuText, 40)) << std::hex << l.enabledText;
    // Disabled text is no darker than the shadow colour, and it is there.
    EXPECT_TRUE(Near(l.disabledText, kShadow, 40)) << std::hex << l.disabledText;
  }

  apptest::ProgramServices program;
  TApplication* app = nullptr;
  TKqWindows w;
  TMAIN_KQ* m = nullptr;
  int aboutClicks = 0;
};

TEST_F(ProgramMenus, TheTrayMenuOpensSkinnedAndItsItemRuns) {
  m->ShowTrayIcon();
  HWND icon = nullptr;
  ASSERT_TRUE(uitest::PumpUntil([&] {
    auto icons = traytest::WineTrayIconWindows();
    icon = icons.size() == 1 ? icons[0] : nullptr;
    return icon != nullptr;
  }));
  const POINT iconAt = uitest::CenterOf(icon);
  HMENU menu = m->PopupMenu1->Handle();
  Look look;
  bool closed = false;
  int kindWhileOpen = -1;
  RunUser([&] {
    uitest::ClickAt(iconAt.x, iconAt.y, true);
    if (!WaitFor([&] { return MenuShown(menu); })) return;
    Sleep(200);
    kindWhileOpen = Peek(SkinManager()->MenuKind);
    look = LookAt(menu, WindowOfMenu(menu));
    SaveScreenshot("menus_tray");
    const POINT about = Middle(ItemRect(menu, 3));
    uitest::ClickAt(about.x, about.y);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  ExpectSkinned(look);
  EXPECT_EQ(kindWhileOpen, kq::skin::kMenuKindPopup);
  EXPECT_TRUE(closed);
  EXPECT_EQ(aboutClicks, 1);
  // Every menu closed: the next one is a plain popup again.
  EXPECT_EQ(SkinManager()->MenuKind, kq::skin::kMenuKindPopup);
  EXPECT_FALSE(SkinManager()->MenuFromMenuBar);
  EXPECT_TRUE(SkinManager()->PopupMenuSkinners.empty());
}

TEST_F(ProgramMenus, TheContextMenuOpensSkinnedAndADisabledItemDoesNothing) {
  // A point of the window's own background.
  HWND main = m->Handle();
  POINT at{};
  RECT cr{};
  GetClientRect(main, &cr);
  for (int y = cr.bottom - 3; y > 0 && !at.x; y -= 3)
    for (int x = 3; x < cr.right; x += 3)
      if (ChildWindowFromPointEx(main, POINT{x, y}, CWP_SKIPINVISIBLE) == main) {
        at = POINT{x, y};
        break;
      }
  ASSERT_NE(at.x, 0);
  ClientToScreen(main, &at);
  HMENU menu = m->PopupMenu1->Handle();
  Look look;
  bool stillOpen = false, closed = false;
  int stopClicks = 0;
  m->N2->OnClick = [&](TObject*) { ++stopClicks; };
  RunUser([&] {
    uitest::ClickAt(at.x, at.y, true);
    if (!WaitFor([&] { return MenuShown(menu); })) return;
    Sleep(200);
    look = LookAt(menu, WindowOfMenu(menu));
    SaveScreenshot("menus_context");
    // The disabled item takes no click; the menu stays open.
    const POINT stop = Middle(ItemRect(menu, 1));
    uitest::ClickAt(stop.x, stop.y);
    Sleep(300);
    stillOpen = MenuShown(menu);
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  ExpectSkinned(look);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(closed);
  EXPECT_EQ(stopClicks, 0);
  EXPECT_EQ(SkinManager()->MenuKind, kq::skin::kMenuKindPopup);
}

TEST_F(ProgramMenus, TheSystemPopupOpensSkinnedOnTheCaption) {
  HWND main = m->Handle();
  TWinSkinForm* skinner = SkinManager()->FindFormSkinner(main);
  ASSERT_NE(skinner, nullptr);
  ASSERT_NE(skinner->SystemPopup(), nullptr);
  HMENU menu = skinner->SystemPopup()->Handle();
  RECT wr{};
  GetWindowRect(main, &wr);
  const POINT caption{wr.left + 120, wr.top + skinner->FrameTop / 2};
  bool shown = false;
  COLORREF corner = 0;
  int kindWhileOpen = -1;
  std::vector<std::wstring> texts;
  RunUser([&] {
    uitest::ClickAt(caption.x, caption.y, true);
    shown = WaitFor([&] { return MenuShown(menu); });
    if (!shown) return;
    Sleep(200);
    kindWhileOpen = Peek(SkinManager()->MenuKind);
    RECT r{};
    GetWindowRect(WindowOfMenu(menu), &r);
    corner = ScreenPixel(r.left, r.top + 10);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      texts.push_back(text);
    }
    SaveScreenshot("menus_system");
    Press(VK_ESCAPE);
    WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(shown);
  EXPECT_EQ(kindWhileOpen, kq::skin::kMenuKindSystem);
  EXPECT_EQ(corner, kMenuBorder) << std::hex << corner;
  // The main window cannot be maximised: restore, minimise, the line, close.
  EXPECT_EQ(texts, (std::vector<std::wstring>{L" Restore ", L" Minimize ", L"", L" Close \tShift+F4"}));
  EXPECT_EQ(SkinManager()->MenuKind, kq::skin::kMenuKindPopup);
}

}  // namespace

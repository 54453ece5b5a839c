// The skinned menu bar used with the real mouse (the X server's pointer) and keyboard: the bar
// is painted in the frame from the skin, a click opens an entry's popup without its surplus
// separators, the arrow keys and the mouse move from entry to entry while a popup is open,
// Alt+letter opens an entry and Alt alone enters no menu loop, a disabled entry lights up but
// opens nothing, and a popup menu whose Tag switches the skin off keeps the system's look.
// After every menu has closed the skin manager expects a plain popup again.
//
// Set KQ_SHOT_DIR to a folder to keep pictures of the open menus.
#include <gtest/gtest.h>

#include "skin/engine/core/manager_rules.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "ui/handles.h"
#include "ui/messages.h"
#include "win/skin_menus/menu_bar_form.h"
#include "win/skin_menus/menu_test_util.h"

using namespace menutest;

namespace {

// Colours of the default skin.
constexpr COLORREF kBarFace = RGB(240, 242, 245);     // frame 1 of "menuBar"
constexpr COLORREF kHotFrame = RGB(255, 255, 255);    // ButtonHilight: a bar button's hot frame
constexpr COLORREF kBarText = RGB(31, 41, 51);        // MenuBarText
constexpr COLORREF kMenuBorder = RGB(169, 180, 192);  // outer line of "MenuBackground"
constexpr COLORREF kMenuFace = RGB(255, 255, 255);    // its inside
constexpr COLORREF kHotFill = RGB(220, 233, 247);     // frame 4 of "MenuItem"

class MenuBar : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    app = new TApplication();
    form = new TMenuBarForm(app, DefaultSkinStream());
    form->Show();
    ASSERT_TRUE(uitest::PumpUntil([&] {
      skinner = SkinManager() ? SkinManager()->FindFormSkinner(form->Handle()) : nullptr;
      return skinner && skinner->Phase == kq::skin::SkinPhase::Ready && skinner->MenuBar;
    }));
    SetForegroundWindow(form->Handle());
    uitest::PumpFor(150);
    // The pointer starts away from the window.
    RunUser([] { XMoveTo(1200, 1000); });
  }
  void TearDown() override {
    delete app;
    FreeSkinManager();
  }

  // The screen rectangle of a bar button, and its middle.
  RECT ButtonRect(int index) const {
    RECT wr{};
    GetWindowRect(form->Handle(), &wr);
    RECT b = skinner->MenuBar->Button(index)->BoundsRect;
    OffsetRect(&b, wr.left, wr.top);
    return b;
  }
  POINT ButtonMiddle(int index) const { return Middle(ButtonRect(index)); }
  // Only `menu` is open.
  static bool OnlyShown(HMENU menu) {
    const std::vector<HWND> open = VisibleMenus();
    return open.size() == 1 && MenuOf(open[0]) == menu;
  }
  HMENU File() const { return form->mnu_file->Handle(); }
  HMENU Edit() const { return form->mnu_edit->Handle(); }
  HMENU Help() const { return form->mnu_help->Handle(); }
  int Kind() const { return Peek(SkinManager()->MenuKind); }
  // Every menu closed: the next one is a plain popup again.
  void ExpectAllClosed() {
    EXPECT_TRUE(VisibleMenus().empty());
    EXPECT_EQ(SkinManager()->MenuKind, kq::skin::kMenuKindPopup);
    EXPECT_FALSE(SkinManager()->MenuFromMenuBar);
    EXPECT_TRUE(SkinManager()->PopupMenuSkinners.empty());
    EXPECT_FALSE(skinner->MenuTracking);
  }
  // The screen pixel in the glyph column of an item of an open menu (left of its text).
  static COLORREF ItemPixel(HMENU menu, int position) {
    const RECT r = ItemRect(menu, position);
    return ScreenPixel(r.left + 6, (r.top + r.bottom) / 2);
  }
  // Waits until the item's pixel is `colour`; returns the pixel last seen.
  static COLORREF WaitForItemPixel(HMENU menu, int position, COLORREF colour) {
    COLORREF seen = 0;
    WaitFor([&] { return (seen = ItemPixel(menu, position)) == colour; }, 3000);
    return seen;
  }
  static COLORREF BorderPixel(HMENU menu) {
    RECT wr{};
    GetWindowRect(WindowOfMenu(menu), &wr);
    return ScreenPixel(wr.left, wr.top + 10);
  }

  TApplication* app = nullptr;
  TMenuBarForm* form = nullptr;
  TWinSkinForm* skinner = nullptr;
};

TEST_F(MenuBar, TheBarIsPaintedInTheFrameFromTheSkin) {
  HWND wnd = form->Handle();
  // The window has no system menu bar; the skinner's buttons stand for its entries.
  EXPECT_EQ(GetMenu(wnd), nullptr);
  TWinSkinMenu* bar = skinner->MenuBar;
  ASSERT_EQ(bar->Buttons.size(), 4u);
  EXPECT_EQ(bar->Button(0)->Caption, L"文件(&F)");
  EXPECT_EQ(bar->Button(3)->Caption, L"帮助(&H)");
  EXPECT_FALSE(bar->Button(2)->Enabled);
  EXPECT_EQ(bar->Button(0)->SubMenu, File());
  // The buttons follow each other in the row between the caption and the client area.
  RECT wr{};
  GetWindowRect(wnd, &wr);
  POINT client{0, 0};
  ClientToScreen(wnd, &client);
  const RECT first = ButtonRect(0);
  EXPECT_EQ(first.top, wr.top + skinner->FrameTop);
  EXPECT_EQ(client.y, wr.top + skinner->FrameTop + GetSystemMetrics(SM_CYMENU));
  for (int i = 1; i < 4; ++i) EXPECT_EQ(ButtonRect(i).left, ButtonRect(i - 1).right);
  // The skin's bar face, its text colour, and the shadow colour for the disabled entry.
  const RECT last = ButtonRect(3);
  const POINT beyond{last.right + 20, (last.top + last.bottom) / 2};
  uitest::PumpUntil([&] { return ScreenPixel(beyond.x, beyond.y) == kBarFace; }, 2000);
  EXPECT_EQ(ScreenPixel(beyond.x, beyond.y), kBarFace);
  EXPECT_EQ(ScreenPixel(first.left + 1, first.top + 3), kBarFace);
  EXPECT_TRUE(Near(Darkest(first), kBarText, 40)) << std::hex << Darkest(first);
  EXPECT_TRUE(Near(Darkest(ButtonRect(2)), GetSysColor(COLOR_BTNSHADOW), 40)) << std::hex << Darkest(ButtonRect(2));
}

TEST_F(MenuBar, AClickOpensThePopupWithoutSurplusSeparators) {
  HMENU file = File();
  bool shown = false, closed = false;
  int kindWhileOpen = -1;
  bool fromBarWhileOpen = false;
  std::vector<std::wstring> texts;
  std::vector<bool> separators;
  COLORREF border = 0, hot = 0, cold = 0, frame = 0;
  bool swatchDrawn = false;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(0))) return;
    shown = WaitFor([&] { return OnlyShown(file); });
    if (!shown) return;
    kindWhileOpen = Kind();
    fromBarWhileOpen = Peek(SkinManager()->MenuFromMenuBar);
    for (int i = 0; i < GetMenuItemCount(file); ++i) {
      wchar_t text[64] = {};
      GetMenuStringW(file, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      texts.push_back(text);
      separators.push_back((GetMenuState(file, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0);
    }
    // The first entry is selected as the popup opens; the pointer stays on the bar.
    hot = WaitForItemPixel(file, 0, kHotFill);
    cold = ItemPixel(file, 1);
    border = BorderPixel(file);
    // The bar button is framed while its popup is open.
    const RECT b = ButtonRect(0);
    frame = ScreenPixel(b.left, (b.top + b.bottom) / 2);
    // The item the program draws itself keeps its own drawing.
    const RECT swatch = ItemRect(file, 4);
    swatchDrawn = ScreenPixel((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2) == kSwatchColour;
    SaveScreenshot("menubar_file");
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  ASSERT_TRUE(shown);
  EXPECT_EQ(kindWhileOpen, kq::skin::kMenuKindMenuBar);
  EXPECT_TRUE(fromBarWhileOpen);
  // Leading, doubled and trailing separators are gone while the popup is open.
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"新建(&N)", L"打开(&O)\tCtrl+O", L"", L"最近(&R)", L"", L"",
                                              L"退出(&X)"}));
  EXPECT_EQ(separators, (std::vector<bool>{false, false, true, false, false, true, false}));
  EXPECT_EQ(border, kMenuBorder) << std::hex << border;
  EXPECT_EQ(hot, kHotFill) << std::hex << hot;
  EXPECT_EQ(cold, kMenuFace) << std::hex << cold;
  EXPECT_EQ(frame, kHotFrame) << std::hex << frame;
  EXPECT_TRUE(swatchDrawn);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(form->Clicked.empty());
  // Closed, the submenu has all of its entries again, drawn by the system but for the one
  // the program draws itself.
  EXPECT_EQ(GetMenuItemCount(file), 10);
  for (int i = 0; i < GetMenuItemCount(file); ++i) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_ID;
    ASSERT_TRUE(GetMenuItemInfoW(file, static_cast<UINT>(i), TRUE, &mi));
    EXPECT_EQ((mi.fType & MFT_OWNERDRAW) != 0, mi.wID == form->N_swatch->Command()) << i;
  }
  ExpectAllClosed();
}

TEST_F(MenuBar, AClickOnAnItemRunsIt) {
  HMENU edit = Edit();
  bool closed = false;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(1)) || !WaitFor([&] { return OnlyShown(edit); })) return;
    XClickAt(Middle(ItemRect(edit, 2)));  // 复制
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(closed);
  uitest::PumpUntil([&] { return !form->Clicked.empty(); }, 2000);
  EXPECT_EQ(form->Clicked, (std::vector<std::string>{"N_copy"}));
  // Its entries (it had no separator to hide) are the system's to draw again.
  for (int i = 0; i < GetMenuItemCount(edit); ++i) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(edit, static_cast<UINT>(i), TRUE, &mi));
    EXPECT_FALSE(mi.fType & MFT_OWNERDRAW) << i;
  }
  ExpectAllClosed();
}

TEST_F(MenuBar, RightAndLeftMoveAlongTheBarAndWrapAround) {
  bool fileShown = false, helpShown = false, fileAgain = false, editShown = false, closed = false;
  HMENU file = File(), edit = Edit(), help = Help();
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(0))) return;
    fileShown = WaitFor([&] { return OnlyShown(file); });
    if (!fileShown) return;
    WaitForItemPixel(file, 0, kHotFill);
    // Left on the first entry opens the last.
    Press(VK_LEFT);
    helpShown = WaitFor([&] { return OnlyShown(help); });
    WaitForItemPixel(help, 0, kHotFill);
    // Right on the last opens the first.
    Press(VK_RIGHT);
    fileAgain = WaitFor([&] { return OnlyShown(file); });
    WaitForItemPixel(file, 0, kHotFill);
    Press(VK_RIGHT);
    editShown = WaitFor([&] { return OnlyShown(edit); });
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(fileShown);
  EXPECT_TRUE(helpShown);
  EXPECT_TRUE(fileAgain);
  EXPECT_TRUE(editShown);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(form->Clicked.empty());
  ExpectAllClosed();
}

TEST_F(MenuBar, RightOnAnItemWithASubmenuOpensTheSubmenu) {
  HMENU file = File(), recent = form->N_recent->Handle();
  bool selected = false, submenu = false, stayed = false, back = false, closed = false, arrowHighlight = true;
  COLORREF arrowDark = 0;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(0)) || !WaitFor([&] { return OnlyShown(file); })) return;
    WaitForItemPixel(file, 0, kHotFill);
    // Down twice: 打开, then 最近 (the separator is passed over).
    Press(VK_DOWN);
    Press(VK_DOWN);
    selected = WaitFor([&] { return (GetMenuState(file, 3, MF_BYPOSITION) & MF_HILITE) != 0; });
    Press(VK_RIGHT);
    submenu = WaitFor([&] { return MenuShown(recent); });
    stayed = MenuShown(file) && VisibleMenus().size() == 2;
    // The item's arrow is the skin's, in its text colour on its frame, not the system's
    // arrow on a highlight square.
    RECT arrow = ItemRect(file, 3);
    arrow.left = arrow.right - 16;
    arrowDark = Darkest(arrow);
    arrowHighlight = false;
    for (int y = arrow.top; y < arrow.bottom; ++y)
      for (int x = arrow.left; x < arrow.right; ++x)
        arrowHighlight = arrowHighlight || ScreenPixel(x, y) == GetSysColor(COLOR_HIGHLIGHT);
    SaveScreenshot("menubar_submenu");
    // Left in the submenu closes it and stays on the entry.
    WaitForItemPixel(recent, 0, kHotFill);
    Press(VK_LEFT);
    back = WaitFor([&] { return OnlyShown(file); });
    Sleep(200);
    back = back && OnlyShown(file);
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(selected);
  EXPECT_TRUE(submenu);
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(Near(arrowDark, kBarText, 40)) << std::hex << arrowDark;
  EXPECT_FALSE(arrowHighlight);
  EXPECT_TRUE(back);
  EXPECT_TRUE(closed);
  ExpectAllClosed();
}

TEST_F(MenuBar, MovingThePointerToAnotherEntrySwitchesPopups) {
  HMENU file = File(), edit = Edit(), help = Help();
  bool fileShown = false, editShown = false, helpShown = false, closed = false;
  COLORREF hot = 0, cold = 0, border = 0, helpHot = 0, fileFrame = 0, editFrame = 0;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(0))) return;
    fileShown = WaitFor([&] { return OnlyShown(file); });
    if (!fileShown) return;
    WaitForItemPixel(file, 0, kHotFill);
    XMoveTo(ButtonMiddle(1));
    editShown = WaitFor([&] { return OnlyShown(edit); });
    if (!editShown) return;
    // The switched-to popup is skinned as the first one: its hot item in frame 4.
    WaitForItemPixel(edit, 0, kHotFill);
    // Only the open entry is framed on the bar.
    const RECT fileButton = ButtonRect(0), editButton = ButtonRect(1);
    fileFrame = ScreenPixel(fileButton.left, (fileButton.top + fileButton.bottom) / 2);
    editFrame = ScreenPixel(editButton.left, (editButton.top + editButton.bottom) / 2);
    XMoveTo(Middle(ItemRect(edit, 2)));
    hot = WaitForItemPixel(edit, 2, kHotFill);
    cold = ItemPixel(edit, 0);
    border = BorderPixel(edit);
    SaveScreenshot("menubar_switched");
    // Over the disabled entry nothing opens; on to the last one.
    XMoveTo(ButtonMiddle(3));
    helpShown = WaitFor([&] { return OnlyShown(help); });
    if (helpShown) {
      XMoveTo(Middle(ItemRect(help, 0)));
      helpHot = WaitForItemPixel(help, 0, kHotFill);
    }
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(fileShown);
  EXPECT_TRUE(editShown);
  EXPECT_EQ(fileFrame, kBarFace) << std::hex << fileFrame;
  EXPECT_EQ(editFrame, kHotFrame) << std::hex << editFrame;
  EXPECT_EQ(hot, kHotFill) << std::hex << hot;
  EXPECT_EQ(cold, kMenuFace) << std::hex << cold;
  EXPECT_EQ(border, kMenuBorder) << std::hex << border;
  EXPECT_TRUE(helpShown);
  EXPECT_EQ(helpHot, kHotFill) << std::hex << helpHot;
  EXPECT_TRUE(closed);
  EXPECT_TRUE(form->Clicked.empty());
  ExpectAllClosed();
}

TEST_F(MenuBar, ASecondClickOnTheOpenEntryClosesItsPopup) {
  HMENU file = File();
  bool shown = false, closed = false, staysClosed = false;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(0))) return;
    shown = WaitFor([&] { return OnlyShown(file); });
    if (!shown) return;
    WaitForItemPixel(file, 0, kHotFill);
    XDoTool("click 1");
    closed = WaitFor([] { return VisibleMenus().empty(); });
    // The click that closed the popup does not open it again.
    staysClosed = !WaitFor([] { return !VisibleMenus().empty(); }, 500);
  });
  EXPECT_TRUE(shown);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(staysClosed);
  ExpectAllClosed();
}

TEST_F(MenuBar, AQuickSecondClickAfterEscapeOpensThePopupAgain) {
  // The system reports a quick second click on the bar as WM_NCLBUTTONDBLCLK: made after the
  // popup has closed, it is a click too.
  HMENU file = File();
  const POINT p = ButtonMiddle(0);
  bool first = false, closed = false, again = false;
  RunUser([&] {
    first = XClickAt(p) && WaitFor([&] { return OnlyShown(file); });
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
    PostMessageW(form->Handle(), WM_NCLBUTTONDBLCLK, HTMENU, MAKELPARAM(p.x, p.y));
    again = WaitFor([&] { return OnlyShown(file); });
    Press(VK_ESCAPE);
  });
  EXPECT_TRUE(first);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(again);
  ExpectAllClosed();
}

TEST_F(MenuBar, MovingAlongTheBarPassesOverTheDisabledEntry) {
  HMENU edit = Edit(), help = Help();
  bool editShown = false, helpByKey = false, editByKey = false, editKept = false, helpByPointer = false;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(1))) return;
    editShown = WaitFor([&] { return OnlyShown(edit); });
    if (!editShown) return;
    WaitForItemPixel(edit, 0, kHotFill);
    // Right from 编辑 goes on to 帮助, Left comes back: 查看 opens nothing and is passed over.
    Press(VK_RIGHT);
    helpByKey = WaitFor([&] { return OnlyShown(help); });
    WaitForItemPixel(help, 0, kHotFill);
    Press(VK_LEFT);
    editByKey = WaitFor([&] { return OnlyShown(edit); });
    // The pointer crossing it leaves the open popup open.
    XMoveTo(ButtonMiddle(1));
    XMoveTo(ButtonMiddle(2));
    editKept = !WaitFor([&] { return !OnlyShown(edit); }, 500);
    XMoveTo(ButtonMiddle(3));
    helpByPointer = WaitFor([&] { return OnlyShown(help); });
    Press(VK_ESCAPE);
    WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(editShown);
  EXPECT_TRUE(helpByKey);
  EXPECT_TRUE(editByKey);
  EXPECT_TRUE(editKept);
  EXPECT_TRUE(helpByPointer);
  ExpectAllClosed();
}

TEST_F(MenuBar, AltAndALetterOpensTheEntryAndAltAloneEntersNoMenuLoop) {
  HMENU edit = Edit();
  const DWORD thread = GetCurrentThreadId();
  bool editShown = false, closed = false, menuModeAfterAlt = true, nothingAfterAlt = false;
  RunUser([&] {
    Key(VK_MENU, true);
    Sleep(20);
    Press('E');
    Key(VK_MENU, false);
    editShown = WaitFor([&] { return OnlyShown(edit); });
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
    Sleep(100);
    // Alt alone: no menu mode; Down afterwards opens no system menu either.
    Press(VK_MENU);
    Sleep(300);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(thread, &info);
    menuModeAfterAlt = (info.flags & GUI_INMENUMODE) != 0;
    Press(VK_DOWN);
    Sleep(300);
    nothingAfterAlt = VisibleMenus().empty();
  });
  EXPECT_TRUE(editShown);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(menuModeAfterAlt);
  EXPECT_TRUE(nothingAfterAlt);
  ExpectAllClosed();
}

TEST_F(MenuBar, OpeningAnEntrysPopupRunsTheEntrysOwnClick) {
  HMENU edit = Edit();
  int entryClicks = 0;
  form->mnu_edit->OnClick = [&](TObject*) { ++entryClicks; };
  bool shown = false, closed = false;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(1))) return;
    shown = WaitFor([&] { return OnlyShown(edit); });
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  ASSERT_TRUE(shown);
  EXPECT_TRUE(closed);
  uitest::PumpUntil([&] { return entryClicks > 0; }, 2000);
  EXPECT_EQ(entryClicks, 1);
  // Nothing inside the popup ran.
  EXPECT_TRUE(form->Clicked.empty());
  ExpectAllClosed();
}

TEST_F(MenuBar, ADisabledEntryLightsUpButOpensNothing) {
  COLORREF hover = 0;
  bool opened = false;
  RunUser([&] {
    const RECT b = ButtonRect(2);
    if (!XMoveTo(ButtonMiddle(2))) return;
    WaitFor([&] { return (hover = ScreenPixel(b.left, (b.top + b.bottom) / 2)) == kHotFrame; }, 3000);
    XDoTool("click 1");
    // Nothing can be waited for here: a popup that opens does so at once.
    opened = WaitFor([] { return !VisibleMenus().empty(); }, 600);
  });
  EXPECT_EQ(hover, kHotFrame) << std::hex << hover;
  EXPECT_FALSE(opened);
  EXPECT_TRUE(form->Clicked.empty());
  ExpectAllClosed();
}

TEST_F(MenuBar, APopupMenuWithTheDisableTagKeepsTheSystemLook) {
  HMENU plain = form->PopupMenu2->Handle();
  // Its items are the system's.
  for (int i = 0; i < GetMenuItemCount(plain); ++i) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(plain, static_cast<UINT>(i), TRUE, &mi);
    EXPECT_FALSE(mi.fType & MFT_OWNERDRAW) << i;
  }
  RECT cr{};
  GetClientRect(form->Handle(), &cr);
  POINT at{cr.right - 30, cr.bottom - 30};
  ClientToScreen(form->Handle(), &at);
  bool shown = false, closed = false;
  COLORREF border = 0, hot = 0, cold = 0;
  RunUser([&] {
    if (!XClickAt(at, 3)) return;
    shown = WaitFor([&] { return OnlyShown(plain); });
    if (!shown) return;
    XMoveTo(Middle(ItemRect(plain, 0)));
    hot = WaitForItemPixel(plain, 0, GetSysColor(COLOR_HIGHLIGHT));
    cold = ItemPixel(plain, 1);
    border = BorderPixel(plain);
    SaveScreenshot("menubar_systemlook");
    Press(VK_ESCAPE);
    closed = WaitFor([] { return VisibleMenus().empty(); });
  });
  ASSERT_TRUE(shown);
  EXPECT_NE(border, kMenuBorder) << std::hex << border;
  EXPECT_EQ(hot, GetSysColor(COLOR_HIGHLIGHT)) << std::hex << hot;
  EXPECT_EQ(cold, GetSysColor(COLOR_MENU)) << std::hex << cold;
  EXPECT_TRUE(closed);
  ExpectAllClosed();
}

TEST_F(MenuBar, OpeningAndClosingMenusLeavesNoGdiObjects) {
  HMENU file = File(), edit = Edit(), recent = form->N_recent->Handle();
  // One round: the file menu with its submenu (items, separators, the arrow, the own-drawn
  // item), a switch to the edit menu, closed with Escape.
  auto round = [&] {
    bool ok = XClickAt(ButtonMiddle(0)) && WaitFor([&] { return OnlyShown(file); });
    ok = ok && WaitForItemPixel(file, 0, kHotFill) == kHotFill;
    Press(VK_DOWN);
    Press(VK_DOWN);
    ok = ok && WaitFor([&] { return (GetMenuState(file, 3, MF_BYPOSITION) & MF_HILITE) != 0; });
    Press(VK_RIGHT);
    ok = ok && WaitFor([&] { return MenuShown(recent); });
    ok = ok && XMoveTo(ButtonMiddle(1)) && WaitFor([&] { return OnlyShown(edit); });
    ok = ok && WaitForItemPixel(edit, 0, kHotFill) == kHotFill;
    Press(VK_ESCAPE);
    return WaitFor([] { return VisibleMenus().empty(); }) && ok;
  };
  bool first = false;
  RunUser([&] { first = round(); });
  ASSERT_TRUE(first);
  uitest::PumpFor(300);
  const long before = kq::ui::LiveGdiHandles();
  int rounds = 0;
  RunUser([&] {
    for (int i = 0; i < 3; ++i) rounds += round() ? 1 : 0;
  });
  uitest::PumpFor(300);
  EXPECT_EQ(rounds, 3);
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
  ExpectAllClosed();
}

TEST_F(MenuBar, AnEntryWithoutTextTakesItsCaptionFromTheFormsMenu) {
  // With menus merged, the bar is loaded from the window's menu handle; an entry drawn by its
  // owner has no text there and is taken from the form's item at the same position.
  form->SkinData1->MenuMerge = true;
  HMENU bar = form->MainMenu1->Handle();
  HMENU help = Help();
  MENUITEMINFOW mi{};
  mi.cbSize = sizeof(mi);
  mi.fMask = MIIM_STRING;
  mi.dwTypeData = nullptr;
  ASSERT_TRUE(SetMenuItemInfoW(bar, 3, TRUE, &mi));
  mi.fMask = MIIM_FTYPE;
  mi.fType = MFT_OWNERDRAW;
  ASSERT_TRUE(SetMenuItemInfoW(bar, 3, TRUE, &mi));
  wchar_t text[16] = {};
  ASSERT_EQ(GetMenuStringW(bar, 3, text, 16, MF_BYPOSITION), 0);
  form->Perform(CM_MENUCHANGED);
  ASSERT_EQ(skinner->MenuBar->Buttons.size(), 4u);
  TMenuBtn* b = skinner->MenuBar->Button(3);
  EXPECT_EQ(b->Caption, L"帮助(&H)");
  EXPECT_EQ(b->Item, form->mnu_help);
  EXPECT_EQ(b->SubMenu, help);
  EXPECT_TRUE(b->Enabled);
  EXPECT_EQ(skinner->MenuBar->Button(0)->Caption, L"文件(&F)");
  bool shown = false;
  RunUser([&] {
    if (!XClickAt(ButtonMiddle(3))) return;
    shown = WaitFor([&] { return OnlyShown(help); });
    Press(VK_ESCAPE);
    WaitFor([] { return VisibleMenus().empty(); });
  });
  EXPECT_TRUE(shown);
  ExpectAllClosed();
}

}  // namespace


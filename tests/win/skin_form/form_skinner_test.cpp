// The form skinner on real windows: frame geometry of every window kind, the message stages,
// hit testing, window commands, the system popup, message boxes, MDI, and detaching.
#include <windowsx.h>

#include "skin/form/core/caption_buttons.h"
#include "skin/form/sys_button.h"
#include "skin/form/win_skin_form.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"
#include "win/skin_form/demo_forms.h"
#include "win/tray/tray_test_util.h"

using namespace skintest;
using kq::skin::FrameKind;
using kq::skin::SkinPhase;
using uitest::PumpFor;
using uitest::PumpUntil;

namespace {

bool Skinned(HWND w) { return SendMessageW(w, SKM_QUERYSKINNED, 0, 0) == 1; }

class FormSkinnerTest : public SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    main = app->CreateForm<TDemoMain>();
    main->Show();
    ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }));
  }
  static TWinSkinForm* SkinnerOf(HWND w) { return SkinManager() ? SkinManager()->FindFormSkinner(w) : nullptr; }
  static bool Ready(HWND w) {
    TWinSkinForm* s = SkinnerOf(w);
    return s && s->Phase == SkinPhase::Ready;
  }
  // Shows a window and waits until its skinner has made the first fit.
  static void ShowAndWait(HWND w) {
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    ASSERT_TRUE(PumpUntil([&] { return Ready(w); })) << "never skinned";
  }
  static LPARAM ScreenPoint(HWND w, int frameX, int frameY) {
    const RECT r = WindowRectOf(w);
    return MAKELPARAM(r.left + frameX, r.top + frameY);
  }
  TDemoMain* main = nullptr;
};

TEST_F(FormSkinnerTest, EveryFramedKindGetsTheSkinsBordersAndKeepsItsClientArea) {
  struct Case {
    TFormBorderStyle style;
    FrameKind kind;
  };
  for (Case c : {Case{bsSizeable, FrameKind::Sizeable}, Case{bsSingle, FrameKind::Fixed},
                 Case{bsDialog, FrameKind::Dialog}, Case{bsToolWindow, FrameKind::Fixed}}) {
    auto* f = new TDemoForm(app, c.style, L"窗口", RECT{400, 100, 700, 300});
    const HWND w = f->Handle();
    const SIZE client = ClientSize(w);
    f->Show();
    ASSERT_TRUE(PumpUntil([&] { return Ready(w); })) << c.style;
    TWinSkinForm* s = SkinnerOf(w);
    EXPECT_EQ(s->Kind, c.kind) << c.style;
    EXPECT_EQ(s->FrameLeft, kMainFrame.left);
    EXPECT_EQ(s->FrameTop, kMainFrame.top);
    EXPECT_EQ(s->FrameRight, kMainFrame.right);
    EXPECT_EQ(s->FrameBottom, kMainFrame.bottom);
    const POINT o = ClientOrigin(w);
    EXPECT_EQ(o.x, kMainFrame.left) << c.style;
    EXPECT_EQ(o.y, kMainFrame.top) << c.style;
    EXPECT_EQ(ClientSize(w).cx, client.cx) << c.style;
    EXPECT_EQ(ClientSize(w).cy, client.cy) << c.style;
    EXPECT_EQ(OuterSize(w).cx, client.cx + kMainFrame.left + kMainFrame.right) << c.style;
    EXPECT_EQ(OuterSize(w).cy, client.cy + kMainFrame.top + kMainFrame.bottom) << c.style;
    // Forms are owned by the application window: they keep their caption bit and lose the
    // caption buttons, which the skin draws.
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << c.style;
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION) << c.style;
    delete f;
  }
}

TEST_F(FormSkinnerTest, FramelessPopupsKeepTheirOwnNonClientArea) {
  auto* f = new TDemoForm(app, bsNone, L"无边框", RECT{400, 100, 600, 200});
  const HWND w = f->Handle();
  const SIZE outer = OuterSize(w);
  const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
  f->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w); }));
  TWinSkinForm* s = SkinnerOf(w);
  EXPECT_EQ(s->Kind, FrameKind::Frameless);
  EXPECT_EQ(s->FrameTop, 0);
  EXPECT_EQ(s->FrameLeft, 0);
  EXPECT_EQ(ClientOrigin(w).x, 0);
  EXPECT_EQ(ClientOrigin(w).y, 0);
  EXPECT_EQ(OuterSize(w).cx, outer.cx);
  EXPECT_EQ(OuterSize(w).cy, outer.cy);
  EXPECT_EQ(GetWindowLongPtrW(w, GWL_STYLE), style | WS_VISIBLE);
  // A bordered popup without a title bar keeps its border, through frame changes too.
  BareWindow bordered(WS_POPUP | WS_BORDER, RECT{400, 300, 600, 400});
  const POINT before = ClientOrigin(bordered.wnd);
  ShowAndWait(bordered.wnd);
  SetWindowPos(bordered.wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientOrigin(bordered.wnd).x, before.x);
  EXPECT_EQ(ClientOrigin(bordered.wnd).y, before.y);
  EXPECT_EQ(GetWindowLongPtrW(bordered.wnd, GWL_STYLE) & WS_BORDER, WS_BORDER);
}

TEST_F(FormSkinnerTest, MessageStagesOfABareWindow) {
  BareWindow bare;
  ShowAndWait(bare.wnd);
  TWinSkinForm* s = SkinnerOf(bare.wnd);
  EXPECT_EQ(s->Owner(), nullptr);
  // An unowned window loses its whole caption while skinned.
  EXPECT_EQ(GetWindowLongPtrW(bare.wnd, GWL_STYLE) & WS_CAPTION, 0);
  bare.seen.clear();
  // Answered by the skinner alone.
  EXPECT_EQ(SendMessageW(bare.wnd, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(bare.wnd, WM_NCACTIVATE, FALSE, 0), TRUE);
  EXPECT_FALSE(s->Active);
  EXPECT_EQ(SendMessageW(bare.wnd, WM_NCACTIVATE, TRUE, 0), TRUE);
  EXPECT_TRUE(s->Active);
  RedrawWindow(bare.wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_FALSE(bare.Saw(SKM_QUERYSKINNED));
  EXPECT_FALSE(bare.Saw(WM_NCACTIVATE));
  EXPECT_FALSE(bare.Saw(WM_NCPAINT));
  // Default first, then the skinned frame.
  SetWindowPos(bare.wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_TRUE(bare.Saw(WM_NCCALCSIZE));
  EXPECT_EQ(ClientOrigin(bare.wnd).y, kMainFrame.top);
  // Bare windows get the skin's face on their background.
  HDC dc = GetDC(bare.wnd);
  SendMessageW(bare.wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(200, 210, 220));
  ReleaseDC(bare.wnd, dc);
  // SC_KEYMENU without a key (Alt alone) does not start the system's menu loop.
  EXPECT_EQ(SendMessageW(bare.wnd, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
}

TEST_F(FormSkinnerTest, HitTestMakesTheSkinnedCaptionDraggable) {
  BareWindow bare;
  ShowAndWait(bare.wnd);
  const int w = OuterSize(bare.wnd).cx;
  EXPECT_EQ(SendMessageW(bare.wnd, WM_NCHITTEST, 0, ScreenPoint(bare.wnd, w / 2, 12)), HTCAPTION);
  EXPECT_EQ(SendMessageW(bare.wnd, WM_NCHITTEST, 0, ScreenPoint(bare.wnd, w / 2, kMainFrame.top - 1)), HTCAPTION);
  EXPECT_EQ(SendMessageW(bare.wnd, WM_NCHITTEST, 0, ScreenPoint(bare.wnd, w / 2, kMainFrame.top + 5)), HTCLIENT);
  // The skinned frame of a sizeable window keeps its sizing edges.
  EXPECT_EQ(SendMessageW(bare.wnd, WM_NCHITTEST, 0, ScreenPoint(bare.wnd, 1, 100)), HTLEFT);
  // The real mouse drags the window by its caption.
  const RECT before = WindowRectOf(bare.wnd);
  uitest::MoveMouse(before.left + w / 2, before.top + 12);
  Sleep(30);
  uitest::MouseButton(true);
  Sleep(30);
  uitest::MoveMouse(before.left + w / 2 + 20, before.top + 22);
  Sleep(30);
  uitest::MoveMouse(before.left + w / 2 + 40, before.top + 32);
  Sleep(30);
  uitest::MouseButton(false);
  ASSERT_TRUE(PumpUntil([&] { return WindowRectOf(bare.wnd).left == before.left + 40; }, 3000));
  EXPECT_EQ(WindowRectOf(bare.wnd).top, before.top + 20);
  EXPECT_EQ(OuterSize(bare.wnd).cx, before.right - before.left);
}

TEST_F(FormSkinnerTest, DoubleClickOnTheCaptionMaximisesAndRestores) {
  auto* f = new TDemoForm(app, bsSizeable, L"最大化", RECT{400, 100, 700, 300});
  const HWND w = f->Handle();
  f->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w); }));
  const SIZE client = ClientSize(w);
  SendMessageW(w, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(w, 60, 12));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
  TWinSkinForm* s = SkinnerOf(w);
  EXPECT_EQ(s->WindowState, kq::skin::WinState::Maximised);
  EXPECT_EQ(ClientOrigin(w).y, kMainFrame.top);  // still the skinned frame
  SendMessageW(w, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(w, 60, 12));
  ASSERT_TRUE(PumpUntil([&] { return !IsZoomed(w); }));
  EXPECT_EQ(s->WindowState, kq::skin::WinState::Normal);
  EXPECT_EQ(ClientSize(w).cx, client.cx);
  EXPECT_EQ(ClientSize(w).cy, client.cy);
  // A window that cannot maximise does not.
  auto* fixed = new TDemoForm(app, bsDialog, L"不能最大化", RECT{400, 350, 700, 500});
  fixed->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(fixed->Handle()); }));
  SendMessageW(fixed->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(fixed->Handle(), 60, 12));
  PumpFor(100);
  EXPECT_FALSE(IsZoomed(fixed->Handle()));
}

TEST_F(FormSkinnerTest, WindowCommandsAndMinimiseRestoreKeepTheSkinnedFrame) {
  auto* f = new TDemoForm(app, bsSizeable, L"最小化", RECT{400, 100, 700, 300});
  const HWND w = f->Handle();
  f->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w); }));
  const SIZE client = ClientSize(w);
  // A window command sent as WM_COMMAND arrives as WM_SYSCOMMAND.
  SendMessageW(w, WM_COMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
  EXPECT_EQ(SkinnerOf(w)->WindowState, kq::skin::WinState::Minimised);
  // Restored by somebody else than the skinner (the taskbar, ShowWindow).
  ShowWindow(w, SW_RESTORE);
  PumpFor(50);
  EXPECT_FALSE(IsIconic(w));
  EXPECT_EQ(SkinnerOf(w)->WindowState, kq::skin::WinState::Normal);
  EXPECT_EQ(ClientOrigin(w).x, kMainFrame.left);
  EXPECT_EQ(ClientOrigin(w).y, kMainFrame.top);
  EXPECT_EQ(ClientSize(w).cx, client.cx);
  EXPECT_EQ(ClientSize(w).cy, client.cy);
  // And through the system command.
  SendMessageW(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != FALSE; }));
  SendMessageW(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpFor(50);
  EXPECT_EQ(ClientOrigin(w).y, kMainFrame.top);
  EXPECT_EQ(ClientSize(w).cy, client.cy);
}

// Whether each item of the open menu window can be chosen (the skinned items are drawn by
// the program, so their texts come from the skinner's menu items).
std::vector<bool> g_openMenu;
void ReadOpenMenuAndClose() {
  g_openMenu.clear();
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  auto menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, 0x01E1 /*MN_GETHMENU*/, 0, 0));
  for (int i = 0; menu && i < GetMenuItemCount(menu); ++i)
    g_openMenu.push_back(!(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)));
  EndMenu();
}

TEST_F(FormSkinnerTest, RightClickOnTheCaptionOpensTheSystemPopup) {
  auto* f = new TDemoForm(app, bsSizeable, L"系统菜单", RECT{400, 100, 700, 300});
  const HWND w = f->Handle();
  f->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w); }));
  TWinSkinForm* s = SkinnerOf(w);
  ASSERT_NE(s->SystemPopup(), nullptr);
  EXPECT_EQ(s->SystemPopup()->Tag, 33333);
  std::vector<std::wstring> captions;
  for (TMenuItem* i : s->SystemPopup()->Items()->Items()) captions.push_back(i->Caption());
  EXPECT_EQ(captions, (std::vector<std::wstring>{L" Restore ", L" Maximize ", L" Minimize ", L"-", L" Close "}));
  auto open = [&] {
    g_openMenu.clear();
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
      KillTimer(nullptr, id);
      ReadOpenMenuAndClose();
    });
    const RECT r = WindowRectOf(w);
    uitest::ClickAt(r.left + 80, r.top + 12, true);
    PumpUntil([&] { return !g_openMenu.empty(); }, 3000);
  };
  open();
  EXPECT_EQ(g_openMenu, (std::vector<bool>{false, true, true, true, true}));  // already normal
  EXPECT_EQ(SkinManager()->MenuKind, 0);  // back to popup once the menu closed
  PumpFor(600);  // past the double-click time
  ShowWindow(w, SW_MAXIMIZE);
  PumpFor(50);
  open();
  EXPECT_EQ(g_openMenu, (std::vector<bool>{true, false, true, true, true}));
  // A second right click within the double-click time with no hot object does nothing.
  s->ShowSystemPopup(0, 0);
  PumpFor(50);
  EXPECT_TRUE(IsZoomed(w));
  EXPECT_TRUE(IsWindowVisible(w));
}

TEST_F(FormSkinnerTest, SystemPopupItemsRunTheirWindowCommands) {
  auto* f = new TDemoForm(app, bsSizeable, L"命令", RECT{400, 100, 700, 300});
  const HWND w = f->Handle();
  f->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(w); }));
  TWinSkinForm* s = SkinnerOf(w);
  TMenuItem* maximise = nullptr;
  TMenuItem* close = nullptr;
  for (TMenuItem* i : s->SystemPopup()->Items()->Items()) {
    if (i->Tag == 1) maximise = i;
    if (i->Tag == 3) close = i;
  }
  ASSERT_NE(maximise, nullptr);
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->ShortCut(), TextToShortCut(L"Shift+F4"));
  maximise->Click();
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(w) != FALSE; }));
  bool closed = false;
  f->OnClose = [&](TObject*, TCloseAction& a) {
    closed = true;
    a = caHide;
  };
  close->Click();
  ASSERT_TRUE(PumpUntil([&] { return closed; }));
  EXPECT_FALSE(IsWindowVisible(w));
}

// Opens a message box and runs `check` on it from inside its modal loop, then closes it.
void InMessageBox(const std::wstring& caption, std::function<void(HWND)> check, const wchar_t* text = L"短") {
  static std::function<void(HWND)>* pending = nullptr;
  pending = &check;
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box) return;
    KillTimer(nullptr, id);
    (*pending)(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(nullptr, text, caption.c_str(), MB_OK);
  pending = nullptr;
}

TEST_F(FormSkinnerTest, NarrowMessageBoxesAreWidenedForTheirCaption) {
  const std::wstring caption = L"这是一个非常非常非常长的消息框标题文字用来测试加宽";
  // The box as the system lays it out.
  SkinManager()->SkinningEnabled = false;
  int clientWidth = 0, buttonLeft = 0;
  InMessageBox(caption, [&](HWND box) {
    clientWidth = ClientSize(box).cx;
    RECT b = WindowRectOf(GetDlgItem(box, IDOK));
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b), 2);
    buttonLeft = b.left;
  });
  ASSERT_GT(clientWidth, 0);
  SkinManager()->SkinningEnabled = true;
  bool checked = false;
  InMessageBox(caption, [&](HWND box) {
    ASSERT_TRUE(PumpUntil([&] { return Ready(box); }));
    TWinSkinForm* s = SkinnerOf(box);
    EXPECT_TRUE(s->MessageDialog);
    EXPECT_GT(s->CaptionTextWidth, 100);
    const int needed = 20 + s->CaptionTextWidth + 60;  // TextShift + text + TextRightClip
    const int skinned = clientWidth + kMainFrame.left + kMainFrame.right;
    ASSERT_GT(needed, skinned) << "the caption should not fit";
    EXPECT_EQ(OuterSize(box).cx, needed);
    // Its controls moved right by half the difference.
    RECT b = WindowRectOf(GetDlgItem(box, IDOK));
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b), 2);
    EXPECT_EQ(b.left, buttonLeft + (needed - skinned) / 2);
    checked = true;
  });
  EXPECT_TRUE(checked);
  // A box whose caption fits keeps its client width.
  const wchar_t* longText = L"这一段正文足够长，所以消息框本身就比它的标题宽得多，不需要再加宽。";
  SkinManager()->SkinningEnabled = false;
  int wideWidth = 0;
  InMessageBox(L"注意", [&](HWND box) { wideWidth = ClientSize(box).cx; }, longText);
  SkinManager()->SkinningEnabled = true;
  InMessageBox(L"注意", [&](HWND box) {
    ASSERT_TRUE(PumpUntil([&] { return Ready(box); }));
    EXPECT_LT(20 + SkinnerOf(box)->CaptionTextWidth + 60, wideWidth);
    EXPECT_EQ(ClientSize(box).cx, wideWidth);
  }, longText);
}

TEST_F(FormSkinnerTest, MdiFrameAndChildren) {
  MdiFrame mdi(300, 200, 460, 340);
  ShowAndWait(mdi.frame);
  TWinSkinForm* frame = SkinnerOf(mdi.frame);
  EXPECT_EQ(frame->Mdi, kq::skin::MdiRole::Frame);
  EXPECT_EQ(frame->MdiClientWindow, mdi.client);
  EXPECT_EQ(SkinManager()->MdiClient, mdi.client);
  // The MDI client shows no scroll bars unless the skin's options ask for them.
  SetWindowPos(mdi.client, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(GetWindowLongPtrW(mdi.client, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), 0);
  // Children are attached when the client refreshes its menu after making them; their client
  // area stays what it was made with.
  HWND child = mdi.AddChild(L"子窗口", 10, 10, 200, 140);
  ASSERT_TRUE(PumpUntil([&] { return Ready(child); }));
  RECT expected{0, 0, 200, 140};
  AdjustWindowRectEx(&expected, WS_OVERLAPPEDWINDOW | WS_CHILD, FALSE, WS_EX_MDICHILD | WS_EX_WINDOWEDGE);
  const SIZE client{200 - ((expected.right - expected.left) - 200), 140 - ((expected.bottom - expected.top) - 140)};
  TWinSkinForm* c = SkinnerOf(child);
  EXPECT_EQ(c->Mdi, kq::skin::MdiRole::Child);
  EXPECT_EQ(ClientOrigin(child).y, kMainFrame.top);
  EXPECT_EQ(ClientSize(child).cx, client.cx);
  EXPECT_EQ(ClientSize(child).cy, client.cy);
  // Maximising a child is known to the manager: the other children keep their caption styles.
  SendMessageW(child, WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(child, 60, 12));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(child) != FALSE; }));
  EXPECT_TRUE(SkinManager()->MaximisedChildShown);
  SendMessageW(mdi.client, WM_MDICASCADE, 0, 0);
  PumpFor(50);
  EXPECT_FALSE(SkinManager()->MaximisedChildShown);
}

TEST_F(SkinTest, AMaximisedMdiChildsButtonsShowInTheFramesMenuBar) {
  // The default skin has the window-menu buttons (MDICONTROLS) and a menu-bar image.
  auto* main = app->CreateForm<TDemoMain>(DefaultSkinStream());
  main->Show();
  auto ready = [](HWND w) {
    TWinSkinForm* s = SkinManager() ? SkinManager()->FindFormSkinner(w) : nullptr;
    return s && s->Phase == SkinPhase::Ready;
  };
  ASSERT_TRUE(PumpUntil([&] { return ready(main->Handle()); }));
  MdiFrame mdi(440, 200, 460, 340, true);
  ShowWindow(mdi.frame, SW_SHOW);
  SetForegroundWindow(mdi.frame);
  ASSERT_TRUE(PumpUntil([&] { return ready(mdi.frame); }));
  HWND child = mdi.AddChild(L"子窗口", 10, 10, 200, 140);
  ASSERT_TRUE(PumpUntil([&] { return ready(child); }));
  const RECT cr = WindowRectOf(child);
  SendMessageW(child, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(cr.left + 60, cr.top + 12));
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(child) && SkinManager()->MaximisedChildShown; }));
  RedrawWindow(mdi.frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(100);
  traytest::SaveScreenshot("mdi_menu_row");
  TWinSkinForm* f = SkinManager()->FindFormSkinner(mdi.frame);
  ASSERT_TRUE(f->HasMenuBar());
  RECT wr{};
  GetWindowRect(mdi.frame, &wr);
  // Each of the three buttons shows frame 1 of its image on the screen, inside the bar.
  int buttons = 0;
  HDC screen = GetDC(nullptr);
  for (TNCObject* o : f->CaptionButtons) {
    auto* b = static_cast<TWinSysButton*>(o);
    if (b->SkinButton->Visibility != kq::skin::kVisibleInMenuBar) continue;
    ++buttons;
    ASSERT_TRUE(b->Visible);
    const RECT& r = b->BoundsRect;
    EXPECT_GE(r.top, f->FrameTop);
    EXPECT_LE(r.bottom, f->FrameTop + f->MenuBarHeight);
    const kq::Bitmap& image = b->Image();
    const int fw = image.Width() / b->Frames();
    int differing = 0, compared = 0;
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < fw; ++x) {
        const kq::Color c = image.Pixel(x, y);
        if (c == kq::kTransparentKey) continue;
        ++compared;
        const COLORREF on = GetPixel(screen, wr.left + r.left + x, wr.top + r.top + y);
        if (on != RGB(kq::ColorR(c), kq::ColorG(c), kq::ColorB(c))) ++differing;
      }
    EXPECT_GT(compared, 0);
    EXPECT_EQ(differing, 0) << "button with Action " << b->Action();
  }
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(buttons, 3);
}

TEST_F(FormSkinnerTest, DetachingGivesEverythingBack) {
  BareWindow bare;
  const LONG_PTR proc = GetWindowLongPtrW(bare.wnd, GWLP_WNDPROC);
  const LONG_PTR style = GetWindowLongPtrW(bare.wnd, GWL_STYLE) | WS_VISIBLE;
  const SIZE outer = OuterSize(bare.wnd), client = ClientSize(bare.wnd);
  ShowAndWait(bare.wnd);
  // The user makes it bigger while skinned: taking the skin off keeps the client area it has.
  SetWindowPos(bare.wnd, nullptr, 0, 0, outer.cx + 30, outer.cy + 20, SWP_NOMOVE | SWP_NOZORDER);
  const SIZE grown = ClientSize(bare.wnd);
  EXPECT_EQ(grown.cx, outer.cx + 30 - kMainFrame.left - kMainFrame.right);
  main->SkinData1->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return !Skinned(bare.wnd); }, 2000));
  EXPECT_EQ(GetWindowLongPtrW(bare.wnd, GWLP_WNDPROC), proc);
  EXPECT_EQ(GetWindowLongPtrW(bare.wnd, GWL_STYLE), style);
  EXPECT_EQ(ClientSize(bare.wnd).cx, grown.cx);
  EXPECT_EQ(ClientSize(bare.wnd).cy, grown.cy);
  EXPECT_EQ(OuterSize(bare.wnd).cx - ClientSize(bare.wnd).cx, outer.cx - client.cx);
  EXPECT_EQ(OuterSize(bare.wnd).cy - ClientSize(bare.wnd).cy, outer.cy - client.cy);
  // Skinned again when it is next activated (the switch itself skins the program's forms):
  // the same client area inside the skin's frame.
  main->SkinData1->SetActive(true);
  ASSERT_TRUE(PumpUntil([&] { return Ready(main->Handle()); }, 2000));
  SetForegroundWindow(bare.wnd);
  ASSERT_TRUE(PumpUntil([&] { return Ready(bare.wnd); }, 2000));
  EXPECT_EQ(ClientSize(bare.wnd).cx, grown.cx);
  EXPECT_EQ(ClientSize(bare.wnd).cy, grown.cy);
}

TEST_F(FormSkinnerTest, DestroyedWindowDetachesItself) {
  auto* bare = new BareWindow();
  ShowAndWait(bare->wnd);
  TWinSkinForm* s = SkinnerOf(bare->wnd);
  const long user = kq::ui::LiveUserHandles();
  delete bare;
  EXPECT_TRUE(s->Closed());
  EXPECT_FALSE(s->Subclassed());
  EXPECT_LT(kq::ui::LiveUserHandles(), user);  // the subclass link went with the window
  // The next attach frees it.
  auto* f = new TDemoForm(app, bsSizeable, L"下一个", RECT{400, 100, 700, 300});
  f->Show();
  ASSERT_TRUE(PumpUntil([&] { return Ready(f->Handle()); }));
  EXPECT_EQ(SkinManager()->FormSkinners.size(), 2u);  // the main window and the new one
}

}  // namespace

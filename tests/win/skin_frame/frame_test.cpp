// The skinned frame on real windows under Wine: the pixels on the screen are read back from
// the window DC and compared with the skin's pieces, the window region is asked of the
// system, and the caption buttons are driven with real mouse input (SendInput).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/draw/blit.h"
#include "skin/draw/skin_frame.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "skin/form/core/frame_model.h"
#include "skin/form/core/frame_paint.h"
#include "skin/form/core/frame_region.h"
#include "skin/form/sys_button.h"
#include "skin/form/win_skin_form.h"
#include "ui/handles.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"
#include "win/skin_frame/frame_test_util.h"

namespace {

using framestest::Capture;
using framestest::SkinnedWindow;

TWinSysButton* ButtonOfAction(TWinSkinForm& f, int action) {
  for (TNCObject* o : f.CaptionButtons) {
    auto* b = static_cast<TWinSysButton*>(o);
    if (b->SkinButton->Action == action && b->Visible) return b;
  }
  return nullptr;
}

// The left edge of the leftmost shown button of the caption's right end.
int ButtonsLeft(TWinSkinForm& f) {
  int left = 1 << 30;
  for (TNCObject* o : f.CaptionButtons)
    if (o->Visible && static_cast<TWinSysButton*>(o)->SkinButton->Align == 1)
      left = std::min<int>(left, o->BoundsRect.left);
  return left;
}

// Expected look of a piece in a state, as the skin renders it.
kq::Bitmap Piece(const TSkinData& skin, kq::skin::FramePart part, int w, int h, bool active) {
  const kq::skin::FrameSkin fs = kq::skin::FrameSkinOf(skin);
  return kq::skin::RenderBorderPiece(fs.Part(part), part, w, h, active);
}

// Whether `shot` shows `expected` at (x, y), pixel for pixel.
::testing::AssertionResult Shows(const kq::Bitmap& shot, int x, int y, const kq::Bitmap& expected,
                                 const kq::Rect& part) {
  for (int py = part.top; py < part.bottom; ++py)
    for (int px = part.left; px < part.right; ++px)
      if (shot.Pixel(x + px, y + py) != expected.Pixel(px, py))
        return ::testing::AssertionFailure()
               << "pixel (" << x + px << ", " << y + py << ") is " << std::hex
               << shot.Pixel(x + px, y + py) << ", the skin has " << expected.Pixel(px, py);
  return ::testing::AssertionSuccess();
}

class FrameTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { framestest::Environment::Get(); }
  TSkinData& skin() { return framestest::Environment::Get().skin(); }
};

TEST_F(FrameTest, ActiveFrameShowsFrameOneOfEveryPieceAndInactiveFrameTwo) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 360, 240, L"Frame");
  TWinSkinForm& f = win.skinner();
  const RECT wr = win.rect();
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  ASSERT_EQ(f.FrameTop, 30);
  for (const bool active : {true, false}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    win.SetActiveLook(active);
    const kq::Bitmap shot = Capture(win.hwnd());
    using kq::skin::FramePart;
    const kq::Bitmap left = Piece(skin(), FramePart::Left, f.FrameLeft, h, active);
    const kq::Bitmap right = Piece(skin(), FramePart::Right, f.FrameRight, h, active);
    const kq::Bitmap bottom = Piece(skin(), FramePart::Bottom, w - f.FrameLeft - f.FrameRight,
                                    f.FrameBottom, active);
    const kq::Bitmap top = Piece(skin(), FramePart::Top, w - f.FrameLeft - f.FrameRight, f.FrameTop,
                                 active);
    // The window's corners are cut away by the region; compare what is inside it.
    EXPECT_TRUE(Shows(shot, 0, 0, left, kq::Rect{0, 8, f.FrameLeft, h}));
    EXPECT_TRUE(Shows(shot, w - f.FrameRight, 0, right, kq::Rect{0, 8, f.FrameRight, h}));
    EXPECT_TRUE(Shows(shot, f.FrameLeft, h - f.FrameBottom, bottom, bottom.Bounds()));
    // The caption between the text's end and the right-aligned buttons is the top piece.
    const int textEnd = f.CaptionTextRect.right;
    const int buttons = ButtonsLeft(f);
    ASSERT_LT(textEnd, buttons);
    EXPECT_TRUE(Shows(shot, f.FrameLeft, 0, top,
                      kq::Rect{textEnd - f.FrameLeft, 0, buttons - f.FrameLeft, f.FrameTop}));
    // Frames 1 and 2 of the skin differ, so this tells the states apart.
    const kq::Bitmap other = Piece(skin(), FramePart::Left, f.FrameLeft, h, !active);
    EXPECT_FALSE(Shows(shot, 0, 0, other, kq::Rect{0, 40, f.FrameLeft, h - 40}));
  }
}


TEST_F(FrameTest, SingleFramePiecesLookTheSameActiveAndInactive) {
  // The bottom piece cut down to one frame (its first half).
  kq::TDataSkinBorder& bottom = skin().BorderBottom;
  const kq::Bitmap saved = bottom.Bitmap;
  const int savedCount = bottom.FrameCount;
  kq::Bitmap first(saved.Width(), saved.Height() / 2);
  kq::CopyPixels(first, 0, 0, saved, kq::Rect{0, 0, saved.Width(), saved.Height() / 2});
  bottom.Bitmap = first;
  bottom.FrameCount = 1;
  {
    SkinnedWindow win(WS_OVERLAPPEDWINDOW, 300, 200, L"Single");
    TWinSkinForm& f = win.skinner();
    const RECT wr = win.rect();
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    const kq::Rect strip{f.FrameLeft, h - f.FrameBottom, w - f.FrameRight, h};
    win.SetActiveLook(true);
    const kq::Bitmap a = Capture(win.hwnd());
    win.SetActiveLook(false);
    const kq::Bitmap b = Capture(win.hwnd());
    int differing = 0;
    for (int y = strip.top; y < strip.bottom; ++y)
      for (int x = strip.left; x < strip.right; ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
    EXPECT_EQ(differing, 0);
    // The two-frame left piece does change.
    int leftDiffering = 0;
    for (int y = 40; y < h - 10; ++y) leftDiffering += a.Pixel(1, y) != b.Pixel(1, y);
    EXPECT_GT(leftDiffering, 0);
  }
  bottom.Bitmap = saved;
  bottom.FrameCount = savedCount;
}

TEST_F(FrameTest, TheRegionCutsTheDefaultSkinsMagentaCorners) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 300, 200, L"Region");
  TWinSkinForm& f = win.skinner();
  const RECT wr = win.rect();
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(win.hwnd(), rgn), ERROR);
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));
  EXPECT_FALSE(PtInRegion(rgn, w - 1, 0));
  EXPECT_TRUE(PtInRegion(rgn, w / 2, 0));
  EXPECT_TRUE(PtInRegion(rgn, 0, h / 2));
  EXPECT_TRUE(PtInRegion(rgn, 0, h - 1));  // "Bottom" is opaque: square lower corners
  EXPECT_TRUE(PtInRegion(rgn, w / 2, h / 2));
  // Nothing magenta is on the screen inside the region.
  const kq::Bitmap shot = Capture(win.hwnd());
  int inside = 0;
  for (int y = 0; y < f.FrameTop; ++y)
    for (int x = 0; x < w; ++x)
      if (PtInRegion(rgn, x, y)) {
        ++inside;
        EXPECT_NE(shot.Pixel(x, y), kq::kTransparentKey) << x << "," << y;
      }
  EXPECT_GT(inside, w * f.FrameTop - 100);
  DeleteObject(rgn);
}

TEST_F(FrameTest, TheRegionIsRebuiltOnlyForANewSize) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 300, 200, L"Resize");
  TWinSkinForm& f = win.skinner();
  const RECT wr = win.rect();
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  ASSERT_TRUE(f.RegionSet);
  const HRGN first = f.Region;
  SetWindowPos(win.hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  framestest::PumpFor(30);
  EXPECT_EQ(f.Region, first);
  SetWindowPos(win.hwnd(), nullptr, 0, 0, w + 40, h + 20, SWP_NOMOVE | SWP_NOZORDER);
  framestest::PumpFor(30);
  EXPECT_NE(f.Region, first);
  EXPECT_EQ(f.RegionWidth, w + 40);
  EXPECT_EQ(f.RegionHeight, h + 20);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(win.hwnd(), rgn), ERROR);
  EXPECT_TRUE(PtInRegion(rgn, w + 30, h + 10));
  EXPECT_FALSE(PtInRegion(rgn, w + 39, 0));
  DeleteObject(rgn);
}

TEST_F(FrameTest, ALongCaptionEndsInAnEllipsisBeforeTextRightClip) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 400, 200,
                    L"Zelvo定时自动关机器 这个标题很长很长很长很长很长很长很长很长很长很长很长");
  TWinSkinForm& f = win.skinner();
  const RECT wr = win.rect();
  const int w = wr.right - wr.left;
  const kq::TDataSkinTitle& title = skin().Title;
  // The text's place ends at the clip, TextRightClip before the caption's end.
  EXPECT_EQ(f.CaptionTextRect.right, w - f.FrameRight - title.Margins.right);
  // Text pixels (the active title colour) end before the clip, and the last ones are the
  // three dots of the ellipsis: three short runs of columns.
  const kq::Bitmap shot = Capture(win.hwnd());
  const kq::Color ink = kq::Color(ColorToRGB(skin().TitleTextActiveColour));
  std::vector<bool> column(w, false);
  for (int x = f.CaptionTextRect.left; x < f.CaptionTextRect.right; ++x)
    for (int y = f.CaptionTextRect.top; y < f.CaptionTextRect.bottom; ++y)
      if (shot.Pixel(x, y) == ink) column[x] = true;
  int last = -1;
  for (int x = 0; x < w; ++x)
    if (column[x]) last = x;
  ASSERT_GT(last, 0);
  EXPECT_LT(last, f.CaptionTextRect.right - title.TextBackRight);
  EXPECT_GT(last, f.CaptionTextRect.right - title.TextBackRight - 25);
  int runs = 0, widest = 0, run = 0;
  for (int x = last - 11; x <= last + 1; ++x) {
    if (column[x]) {
      ++run;
    } else if (run) {
      ++runs;
      widest = std::max(widest, run);
      run = 0;
    }
  }
  EXPECT_EQ(runs, 3);
  EXPECT_LE(widest, 2);
}

// The caption's own pixels at `r` with `frame` of `image` drawn keyed over them.
kq::Bitmap ButtonLook(TSkinData& skin, TWinSkinForm& f, int w, const RECT& r, const kq::Bitmap& image,
                      int frames, int frame) {
  kq::Bitmap caption = Piece(skin, kq::skin::FramePart::Top, w - f.FrameLeft - f.FrameRight,
                             f.FrameTop, f.Active);
  kq::Bitmap look(r.right - r.left, r.bottom - r.top);
  kq::CopyPixels(look, 0, 0, caption, kq::Rect{r.left - f.FrameLeft, r.top, r.right - f.FrameLeft, r.bottom});
  kq::DrawSkinFrame(look, look.Bounds(), image, kq::Blend::Keyed, frames, frame);
  return look;
}

TEST_F(FrameTest, WindowsWithoutMaximiseBoxOrSystemMenuHideThoseButtons) {
  {
    SkinnedWindow win(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 326, 200, L"无最大化");
    TWinSkinForm& f = win.skinner();
    EXPECT_EQ(ButtonOfAction(f, 1), nullptr);
    EXPECT_NE(ButtonOfAction(f, 0), nullptr);
    EXPECT_NE(ButtonOfAction(f, 2), nullptr);
    // Where the maximise button would be, the caption shows only its own picture.
    const RECT wr = win.rect();
    const int w = wr.right - wr.left;
    const kq::Bitmap shot = Capture(win.hwnd());
    const kq::Bitmap top = Piece(skin(), kq::skin::FramePart::Top, w - f.FrameLeft - f.FrameRight,
                                 f.FrameTop, true);
    EXPECT_TRUE(Shows(shot, f.FrameLeft, 0, top, kq::Rect{w - 61 - f.FrameLeft, 5, w - 34 - f.FrameLeft, 25}));
    // Not after being asked to maximise either.
    ShowWindow(win.hwnd(), SW_MAXIMIZE);
    framestest::PumpFor(50);
    ShowWindow(win.hwnd(), SW_RESTORE);
    framestest::PumpFor(50);
    EXPECT_EQ(ButtonOfAction(f, 1), nullptr);
  }
  {
    SkinnedWindow win(WS_OVERLAPPED | WS_CAPTION, 326, 200, L"无系统菜单");
    TWinSkinForm& f = win.skinner();
    EXPECT_EQ(ButtonOfAction(f, 0), nullptr);
    EXPECT_EQ(ButtonOfAction(f, 1), nullptr);
    EXPECT_EQ(ButtonOfAction(f, 2), nullptr);
  }
}

class ButtonTest : public FrameTest {
 protected:
  void Hover(SkinnedWindow& win, TNCObject* b) {
    const RECT& r = b->BoundsRect;
    // From the caption's middle, so that the move is a move even where the cursor already is.
    framestest::MoveMouse(win.ScreenPoint((r.left + r.right) / 2 - 100, 15));
    framestest::PumpFor(30);
    framestest::MoveMouse(win.ScreenPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    framestest::PumpUntil([&] { return win.skinner().HotObject == b; }, 2000);
  }
};

TEST_F(ButtonTest, HotAndPressedLooksFollowTheMouse) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"按钮");
  TWinSkinForm& f = win.skinner();
  const RECT wr = win.rect();
  const int w = wr.right - wr.left;
  TWinSysButton* close = ButtonOfAction(f, 0);
  ASSERT_NE(close, nullptr);
  const RECT r = close->BoundsRect;
  Hover(win, close);
  ASSERT_EQ(f.HotObject, close);
  EXPECT_EQ(close->State, 3);
  const kq::Bitmap& image = close->Image();
  EXPECT_TRUE(Shows(Capture(win.hwnd()), r.left, r.top, ButtonLook(skin(), f, w, r, image, close->Frames(), 3),
                    kq::Rect{0, 0, r.right - r.left, r.bottom - r.top}));
  framestest::MouseButton(true);
  framestest::PumpUntil([&] { return close->State == 2; }, 2000);
  EXPECT_EQ(close->State, 2);
  EXPECT_TRUE(Shows(Capture(win.hwnd()), r.left, r.top, ButtonLook(skin(), f, w, r, image, close->Frames(), 2),
                    kq::Rect{0, 0, r.right - r.left, r.bottom - r.top}));
  // Sliding off to the caption's middle and letting go there does nothing.
  framestest::MoveMouse(win.ScreenPoint(w / 2, 15));
  framestest::PumpUntil([&] { return f.HotObject == nullptr; }, 2000);
  framestest::MouseButton(false);
  framestest::PumpFor(100);
  EXPECT_TRUE(IsWindow(win.hwnd()));
  EXPECT_EQ(close->State, 1);
  EXPECT_TRUE(Shows(Capture(win.hwnd()), r.left, r.top, ButtonLook(skin(), f, w, r, image, close->Frames(), 1),
                    kq::Rect{0, 0, r.right - r.left, r.bottom - r.top}));
}

TEST_F(ButtonTest, ReleasingOverAnotherButtonDoesNothing) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"按钮");
  TWinSkinForm& f = win.skinner();
  TWinSysButton* minimise = ButtonOfAction(f, 2);
  TWinSysButton* close = ButtonOfAction(f, 0);
  ASSERT_TRUE(minimise && close);
  Hover(win, minimise);
  framestest::MouseButton(true);
  framestest::PumpUntil([&] { return minimise->State == 2; }, 2000);
  Hover(win, close);
  framestest::MouseButton(false);
  framestest::PumpFor(300);
  EXPECT_TRUE(IsWindow(win.hwnd()));
  EXPECT_FALSE(IsIconic(win.hwnd()));
}

TEST_F(ButtonTest, LeavingTheFrameEndsTheHotStateWithin250Ms) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"离开");
  TWinSkinForm& f = win.skinner();
  TWinSysButton* close = ButtonOfAction(f, 0);
  ASSERT_NE(close, nullptr);
  Hover(win, close);
  ASSERT_EQ(f.HotObject, close);
  // Straight off the window: no non-client move reaches it. The hover timer's next tick
  // (every 250 ms while the window is active) takes the hot state away.
  ASSERT_NE(f.HoverTimer(), nullptr);
  EXPECT_TRUE(f.HoverTimer()->Enabled());
  EXPECT_EQ(f.HoverTimer()->Interval(), 250u);
  SetCursorPos(5, 1000);
  EXPECT_TRUE(framestest::PumpUntil([&] { return f.HotObject == nullptr; }, 1000));
  EXPECT_EQ(close->State, 1);
}

TEST_F(ButtonTest, CloseMinimiseMaximiseAndRestoreDoWhatTheySay) {
  {
    SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"动作");
    TWinSkinForm& f = win.skinner();
    auto click = [&](int action) {
      TWinSysButton* b = ButtonOfAction(f, action);
      ASSERT_NE(b, nullptr) << action;
      Hover(win, b);
      framestest::MouseButton(true);
      framestest::PumpFor(40);
      framestest::MouseButton(false);
    };
    click(1);
    EXPECT_TRUE(framestest::PumpUntil([&] { return IsZoomed(win.hwnd()) != 0; }, 2000));
    // Maximised, the restore button (Action 1 with Visibility1 1) takes the maximise button's place.
    framestest::PumpFor(100);
    click(1);
    EXPECT_TRUE(framestest::PumpUntil([&] { return !IsZoomed(win.hwnd()); }, 2000));
    framestest::PumpFor(100);
    click(2);
    EXPECT_TRUE(framestest::PumpUntil([&] { return IsIconic(win.hwnd()) != 0; }, 2000));
    ShowWindow(win.hwnd(), SW_RESTORE);
    framestest::PumpFor(100);
    click(0);
    EXPECT_TRUE(framestest::PumpUntil([&] { return !IsWindow(win.hwnd()); }, 2000));
  }
}

TEST_F(ButtonTest, ADoubleClickOnTheIconClosesTheWindow) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"图标");
  TWinSkinForm& f = win.skinner();
  TWinSysButton* icon = ButtonOfAction(f, 3);
  ASSERT_NE(icon, nullptr);
  Hover(win, icon);
  INPUT in[4] = {};
  for (int i = 0; i < 4; ++i) {
    in[i].type = INPUT_MOUSE;
    in[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(4, in, sizeof(INPUT));
  EXPECT_TRUE(framestest::PumpUntil([&] { return !IsWindow(win.hwnd()); }, 3000));
}

TEST_F(FrameTest, PaintingLeavesNoGdiObjectsBehind) {
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"泄漏");
  TWinSkinForm& f = win.skinner();
  f.PaintFrame(nullptr);
  const long before = kq::ui::LiveGdiHandles();
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 200; ++i) {
    f.PaintFrame(nullptr);
    SendMessageW(win.hwnd(), WM_NCACTIVATE, i % 2, 0);
  }
  for (int i = 0; i < 20; ++i) {
    SetWindowPos(win.hwnd(), nullptr, 0, 0, 330 + i, 240 + i, SWP_NOMOVE | SWP_NOZORDER);
    framestest::PumpFor(5);
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
  EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
}

TEST_F(ButtonTest, TheWindowDecidesOnItsOwnButtonAndHearsItsClick) {
  using framestest::ButtonOwner;
  // The default skin's sixth button (Action 200, Visibility 1000) asks the window.
  ButtonOwner::shownButton = -1;
  ButtonOwner::asked = 0;
  {
    SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"不要", 100, 100, 0, framestest::AskingWindowClass());
    EXPECT_GT(ButtonOwner::asked, 0);
    EXPECT_EQ(ButtonOfAction(win.skinner(), 200), nullptr);
  }
  ButtonOwner::shownButton = 5;
  ButtonOwner::custom.clear();
  SkinnedWindow win(WS_OVERLAPPEDWINDOW, 326, 200, L"要", 100, 100, 0, framestest::AskingWindowClass());
  TWinSkinForm& f = win.skinner();
  TWinSysButton* own = ButtonOfAction(f, 200);
  ASSERT_NE(own, nullptr);
  const RECT wr = win.rect();
  const RECT r = own->BoundsRect;
  EXPECT_EQ(r.left, (wr.right - wr.left) - own->SkinButton->XCoord);
  EXPECT_TRUE(Shows(Capture(win.hwnd()), r.left, r.top,
                    ButtonLook(skin(), f, wr.right - wr.left, r, own->Image(), own->Frames(), 1),
                    kq::Rect{0, 0, r.right - r.left, r.bottom - r.top}));
  Hover(win, own);
  framestest::MouseButton(true);
  framestest::PumpFor(40);
  framestest::MouseButton(false);
  EXPECT_TRUE(framestest::PumpUntil([] { return !ButtonOwner::custom.empty(); }, 2000));
  EXPECT_EQ(ButtonOwner::custom, (std::vector<WPARAM>{200}));
  EXPECT_TRUE(IsWindow(win.hwnd()));
}

}  // namespace

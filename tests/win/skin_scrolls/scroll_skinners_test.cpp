// The scroll-bar skinners on real windows: overlays found by discovery, placed on the real
// bars, pressed and dragged with real mouse input while the system's scroll loop scrolls.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/handles.h"
#include "ui/lists.h"
#include "ui/skin_messages.h"
#include "win/skin_scrolls/scroll_test_util.h"

using namespace scrolltest;
using namespace uitest;

namespace {

class ScrollSkinnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    form = app->CreateForm<TForm>();
    form->SetBounds(100, 100, 560, 420);
    form->SetCaption(L"滚动条");
    MoveMouse(5, 5);
  }
  void TearDown() override { delete app; }

  TListBox* NewListBox(int items, int x = 20, int y = 20, int w = 160, int h = 150) {
    auto* lb = new TListBox(form);
    lb->SetParent(form);
    lb->SetBounds(x, y, w, h);
    for (int i = 0; i < items; ++i) lb->AddItem(L"第 " + std::to_wstring(i + 1) + L" 行");
    return lb;
  }
  // Shows the form and lets the form skinner discover its controls.
  void SkinAndShow() {
    s = AttachScrollSkinner(form);
    form->Show();
    SetForegroundWindow(form->Handle());
    SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
    PumpFor(150);
  }
  template <class S>
  S* SkinnerOf(TControl* c) {
    for (TSkinControl* k : s.skinner->ControlSkinners)
      if (k->Control == c)
        if (auto* t = dynamic_cast<S*>(k)) return t;
    return nullptr;
  }

  TApplication* app = nullptr;
  TForm* form = nullptr;
  skintest::SkinnedForm s;
};

RECT BarOf(HWND w, LONG id) {
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof(sbi);
  GetScrollBarInfo(w, id, &sbi);
  return sbi.rcScrollBar;
}

RECT ScreenRectOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

}  // namespace

TEST_F(ScrollSkinnerTest, ListBoxWithOnlyAVerticalBarShowsOneOverlayExactlyOnItAndNoCorner) {
  TListBox* lb = NewListBox(40);
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinScrollbar>(lb);
  ASSERT_NE(sk, nullptr);
  ASSERT_NE(sk->VertOverlay(), nullptr);
  ASSERT_NE(sk->HorzOverlay(), nullptr);

  TWScrollbar* v = sk->VertOverlay();
  EXPECT_TRUE(v->Shown);
  EXPECT_TRUE(IsWindowVisible(v->Window()));
  const RECT bar = BarOf(lb->Handle(), OBJID_VSCROLL);
  const RECT over = ScreenRectOf(v->Window());
  EXPECT_TRUE(EqualRect(&bar, &over));
  // In front of the list box, so the mouse reaches it.
  EXPECT_EQ(WindowFromPoint(POINT{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2}), v->Window());

  EXPECT_FALSE(sk->HorzOverlay()->Shown);
  EXPECT_FALSE(IsWindowVisible(sk->HorzOverlay()->Window()));
  lb->Repaint();
  PumpFor(50);
  EXPECT_TRUE(IsRectEmpty(&sk->LastCorner));

  // The skin is on the screen: arrows, track, thumb.
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  EXPECT_EQ(ScreenPixel(OverlayPoint(v, a / 2, a / 2)), ArrowColour(9));
  EXPECT_EQ(ScreenPixel(OverlayPoint(v, a / 2, v->Length - a / 2)), ArrowColour(13));
  EXPECT_EQ(ScreenPixel(OverlayPoint(v, a / 2, (v->ThumbStart + v->ThumbEnd) / 2)), ThumbColour(1));
  EXPECT_EQ(ScreenPixel(OverlayPoint(v, a / 2, v->Length - a - 2)), TrackColour(1));
}

TEST_F(ScrollSkinnerTest, BothBarsGetOverlaysAndTheCornerSquareBetweenThemIsFilled) {
  TListBox* lb = NewListBox(40);
  lb->SetScrollWidth(600);
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinScrollbar>(lb);
  ASSERT_NE(sk, nullptr);
  EXPECT_TRUE(sk->HorzOverlay()->Shown);
  EXPECT_TRUE(sk->VertOverlay()->Shown);
  lb->Repaint();
  PumpFor(50);
  const RECT h = BarOf(lb->Handle(), OBJID_HSCROLL), v = BarOf(lb->Handle(), OBJID_VSCROLL);
  const RECT w = ScreenRectOf(lb->Handle());
  // From the bars' inner edges to 2 past their outer ones.
  const RECT expected{v.left - w.left, h.top - w.top, v.right - w.left + 2, h.bottom - w.top + 2};
  EXPECT_TRUE(EqualRect(&sk->LastCorner, &expected));
  const POINT corner{(v.left + v.right) / 2, (h.top + h.bottom) / 2};
  EXPECT_EQ(ScreenPixel(corner), skintest::kFace);
  // A repaint of the frame alone (the system draws its own corner) keeps the skin's.
  RedrawWindow(lb->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  PumpFor(50);  // Wine puts window surfaces on the screen a moment later
  EXPECT_EQ(ScreenPixel(corner), skintest::kFace);
}

TEST_F(ScrollSkinnerTest, ClickingTheArrowScrollsOneLineAndTheArrowLooksPressedUntilRelease) {
  TListBox* lb = NewListBox(40);
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinScrollbar>(lb);
  ASSERT_NE(sk, nullptr);
  TWScrollbar* v = sk->VertOverlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const POINT arrow = OverlayPoint(v, a / 2, v->Length - a / 2);
  ASSERT_EQ(lb->TopIndex(), 0);

  bool seenPressed = false;
  COLORREF afterRelease = 0;
  std::atomic<bool> released{false};
  MouseScript script([&] {
    MoveMouse(arrow.x, arrow.y);
    Sleep(50);
    MouseButton(true);
    // Released before the system's repeat delay, once the pressed look is on the screen.
    seenPressed = WaitFor([&] { return ScreenPixel(arrow) == ArrowColour(14); }, 150);
    MouseButton(false);
    released = true;
  });
  ASSERT_TRUE(script.Run());
  PumpFor(100);
  afterRelease = ScreenPixel(arrow);
  EXPECT_TRUE(seenPressed);
  EXPECT_EQ(afterRelease, ArrowColour(13));
  EXPECT_EQ(lb->TopIndex(), 1);
  EXPECT_FALSE(v->Pressing);
}

TEST_F(ScrollSkinnerTest, DraggingTheThumbPastEitherEndStopsItAtTheArrow) {
  TListBox* lb = NewListBox(100);
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinScrollbar>(lb);
  ASSERT_NE(sk, nullptr);
  TWScrollbar* v = sk->VertOverlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const int thumbLen = v->ThumbEnd - v->ThumbStart;
  ASSERT_GT(thumbLen, 0);
  const POINT grip = OverlayPoint(v, a / 2, (v->ThumbStart + v->ThumbEnd) / 2);
  const RECT bar = ScreenRectOf(v->Window());

  // Every paint while the thumb was held, with the cursor position it followed.
  std::vector<TWScrollbar::PaintRecord> paints;
  Sampler sampler([&] {
    if (v->Pressing && v->LastPaint.layout.thumbFrame == 2 &&
        (paints.empty() || paints.back().count != v->LastPaint.count))
      paints.push_back(v->LastPaint);
  });
  bool bottomShown = false, topShown = false;
  COLORREF atBottomArrow = 0, atTopArrow = 0;
  const POINT bottomEdge{grip.x, bar.bottom - a - 1}, topEdge{grip.x, bar.top + a};
  MouseScript script([&] {
    MoveMouse(grip.x, grip.y);
    Sleep(50);
    MouseButton(true);
    Sleep(60);
    MoveMouse(grip.x, grip.y + 10);
    Sleep(60);
    // Past the end, yet near enough to the bar that the system keeps tracking the thumb.
    MoveMouse(grip.x, bar.bottom + 12);
    Sleep(40);
    MoveMouse(grip.x, bar.bottom + 20);
    bottomShown = WaitFor([&] { return ScreenPixel(bottomEdge) == ThumbColour(2); }, 1500);
    atBottomArrow = ScreenPixel(POINT{grip.x, bar.bottom - a + 1});
    MoveMouse(grip.x, bar.top - 12);
    Sleep(40);
    MoveMouse(grip.x, bar.top - 20);
    topShown = WaitFor([&] { return ScreenPixel(topEdge) == ThumbColour(2); }, 1500);
    atTopArrow = ScreenPixel(POINT{grip.x, bar.top + a - 2});
  });
  ASSERT_TRUE(script.Run());

  // On the screen: the thumb's far edge right at the arrow, the arrow untouched.
  EXPECT_TRUE(bottomShown);
  EXPECT_TRUE(topShown);
  EXPECT_EQ(atBottomArrow, ArrowColour(13));
  EXPECT_EQ(atTopArrow, ArrowColour(9));
  // Each paint with the cursor past an end put the thumb at that end, at its full length.
  int below = 0, above = 0;
  for (const TWScrollbar::PaintRecord& p : paints) {
    EXPECT_EQ(p.layout.thumb.Height(), thumbLen);
    if (p.cursor.y >= bar.bottom) {
      ++below;
      EXPECT_EQ(p.layout.thumb.bottom, v->Length - a);
    }
    if (p.cursor.y < bar.top) {
      ++above;
      EXPECT_EQ(p.layout.thumb.top, a);
    }
  }
  EXPECT_GT(below, 0);
  EXPECT_GT(above, 0);
  // Back at the top when released there, and drawn from the bar again.
  PumpFor(50);
  EXPECT_EQ(lb->TopIndex(), 0);
  EXPECT_EQ(v->LastPaint.layout.thumbFrame, 1);
}

TEST_F(ScrollSkinnerTest, ThumbDraggedFarOffTheBarGoesBackWithTheList) {
  TListBox* lb = NewListBox(100);
  SkinAndShow();
  TWScrollbar* v = SkinnerOf<TSkinScrollbar>(lb)->VertOverlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const int start = v->ThumbStart;
  const POINT grip = OverlayPoint(v, a / 2, (v->ThumbStart + v->ThumbEnd) / 2);
  std::vector<TWScrollbar::PaintRecord> paints;
  Sampler sampler([&] {
    if (v->Pressing && (paints.empty() || paints.back().count != v->LastPaint.count)) paints.push_back(v->LastPaint);
  });
  int topWhileAway = -1;
  MouseScript script([&] {
    MoveMouse(grip.x, grip.y);
    Sleep(50);
    MouseButton(true);
    Sleep(60);
    MoveMouse(grip.x, grip.y + 20);
    Sleep(60);
    MoveMouse(grip.x, grip.y + 40);
    Sleep(100);
    // Far to the side: the system gives up the drag for now.
    MoveMouse(grip.x + 400, grip.y + 40);
    WaitFor([&] { return !paints.empty() && paints.back().cursor.x > grip.x + 300; }, 1500);
    Sleep(60);
    topWhileAway = lb->TopIndex();
  });
  ASSERT_TRUE(script.Run());
  ASSERT_FALSE(paints.empty());
  bool sawMoved = false;
  for (const TWScrollbar::PaintRecord& p : paints) {
    if (p.cursor.x < grip.x + 300 && p.layout.thumb.top > start) sawMoved = true;
    if (p.cursor.x > grip.x + 300) {
      EXPECT_EQ(p.layout.thumb.top, start);
    }
  }
  EXPECT_TRUE(sawMoved);
  EXPECT_GT(paints.back().cursor.x, grip.x + 300);
  EXPECT_EQ(topWhileAway, 0);
}

TEST_F(ScrollSkinnerTest, ADisabledScrollBarShowsTheDisabledTrackAndNoThumb) {
  TListBox* lb = NewListBox(40);
  auto* sb = new TScrollBar(form);
  sb->SetParent(form);
  sb->SetKind(sbVertical);
  sb->SetBounds(300, 20, GetSystemMetrics(SM_CXVSCROLL), 150);
  sb->SetParams(30, 0, 100);
  SkinAndShow();
  auto* lsk = SkinnerOf<TSkinScrollbar>(lb);
  auto* ssk = SkinnerOf<TSkinScControl>(sb);
  ASSERT_NE(lsk, nullptr);
  ASSERT_NE(ssk, nullptr);
  ASSERT_TRUE(ssk->Overlay()->Shown);
  EXPECT_FALSE(ssk->Overlay()->LastPaint.layout.thumb.IsEmpty());

  lb->SetEnabled(false);
  sb->SetEnabled(false);
  PumpFor(100);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  for (TWScrollbar* o : {lsk->VertOverlay(), ssk->Overlay()}) {
    o->Repaint();
    PumpFor(50);
    EXPECT_FALSE(o->LastPaint.enabled);
    EXPECT_EQ(o->LastPaint.layout.trackFrame, 3);
    EXPECT_TRUE(o->LastPaint.layout.thumb.IsEmpty());
    for (int y = a; y < o->Length - a; y += 9)
      EXPECT_EQ(ScreenPixel(OverlayPoint(o, a / 2, y)), TrackColour(3)) << y;
  }
}

TEST_F(ScrollSkinnerTest, ClickingTheBarsOfDisabledControlsScrollsNothing) {
  TListBox* lb = NewListBox(40);
  auto* sb = new TScrollBar(form);
  sb->SetParent(form);
  sb->SetBounds(20, 200, 240, GetSystemMetrics(SM_CYHSCROLL));
  sb->SetParams(0, 0, 50);
  SkinAndShow();
  lb->SetEnabled(false);
  sb->SetEnabled(false);
  PumpFor(50);
  TWScrollbar* v = SkinnerOf<TSkinScrollbar>(lb)->VertOverlay();
  TWScrollbar* c = SkinnerOf<TSkinScControl>(sb)->Overlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const POINT down = OverlayPoint(v, a / 2, v->Length - a / 2);
  const POINT right = OverlayPoint(c, c->Length - a / 2, a / 2);
  MouseScript script([&] {
    for (POINT p : {down, right}) {
      MoveMouse(p.x, p.y);
      Sleep(40);
      MouseButton(true);
      Sleep(60);
      MouseButton(false);
      Sleep(40);
    }
  });
  ASSERT_TRUE(script.Run());
  PumpFor(50);
  EXPECT_EQ(lb->TopIndex(), 0);
  EXPECT_EQ(sb->Position(), 0);
  EXPECT_EQ(ScreenPixel(down), ArrowColour(13));
}

TEST_F(ScrollSkinnerTest, AControlHiddenWhenSkinnedShowsItsOverlaysOnlyOnceShown) {
  TListBox* lb = NewListBox(40);
  lb->SetVisible(false);
  SkinAndShow();
  TWScrollbar* v = SkinnerOf<TSkinScrollbar>(lb)->VertOverlay();
  ASSERT_NE(v->Window(), nullptr);
  EXPECT_FALSE(IsWindowVisible(v->Window()));
  lb->SetVisible(true);
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(v->Window()));
}

TEST_F(ScrollSkinnerTest, HidingTheControlHidesItsOverlaysAtOnce) {
  TListBox* lb = NewListBox(40);
  auto* sb = new TScrollBar(form);
  sb->SetParent(form);
  sb->SetBounds(20, 200, 200, GetSystemMetrics(SM_CYHSCROLL));
  SkinAndShow();
  TWScrollbar* v = SkinnerOf<TSkinScrollbar>(lb)->VertOverlay();
  TWScrollbar* c = SkinnerOf<TSkinScControl>(sb)->Overlay();
  ASSERT_TRUE(IsWindowVisible(v->Window()));
  ASSERT_TRUE(IsWindowVisible(c->Window()));
  lb->SetVisible(false);
  sb->SetVisible(false);
  // No message handled in between.
  EXPECT_FALSE(IsWindowVisible(v->Window()));
  EXPECT_FALSE(IsWindowVisible(c->Window()));
  lb->SetVisible(true);
  sb->SetVisible(true);
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(v->Window()));
  EXPECT_TRUE(IsWindowVisible(c->Window()));
}

TEST_F(ScrollSkinnerTest, AScrollBarControlScrollsByItsArrowAndShowsItPressed) {
  auto* sb = new TScrollBar(form);
  sb->SetParent(form);
  sb->SetBounds(20, 200, 240, GetSystemMetrics(SM_CYHSCROLL));
  sb->SetParams(0, 0, 50);
  sb->SetSmallChange(5);
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinScControl>(sb);
  ASSERT_NE(sk, nullptr);
  TWScrollbar* o = sk->Overlay();
  EXPECT_FALSE(o->Vertical);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  // Parts along the bar.
  EXPECT_EQ(o->HitTest(POINT{a / 2, 3}), kq::skin::spLineUp);
  EXPECT_EQ(o->HitTest(POINT{(o->ThumbStart + o->ThumbEnd) / 2, 3}), kq::skin::spThumb);
  EXPECT_EQ(o->HitTest(POINT{o->Length - a - 2, 3}), kq::skin::spPageDown);
  EXPECT_EQ(o->HitTest(POINT{o->Length - 1, 3}), kq::skin::spLineDown);

  const POINT arrow = OverlayPoint(o, o->Length - a / 2, a / 2);
  bool seenPressed = false;
  MouseScript script([&] {
    MoveMouse(arrow.x, arrow.y);
    Sleep(50);
    MouseButton(true);
    seenPressed = WaitFor([&] { return ScreenPixel(arrow) == ArrowColour(6); }, 150);
    MouseButton(false);
  });
  ASSERT_TRUE(script.Run());
  PumpFor(100);
  EXPECT_TRUE(seenPressed);
  EXPECT_EQ(sb->Position(), 5);
  EXPECT_EQ(ScreenPixel(arrow), ArrowColour(5));
  // The thumb moved with the position.
  EXPECT_EQ(o->ThumbStart, kq::skin::ScrollControlThumb(o->Length, a, 5, 50, 0).start);
}

TEST_F(ScrollSkinnerTest, TheHorizontalBarsArrowScrollsSideways) {
  TListBox* lb = NewListBox(40);
  lb->SetScrollWidth(600);
  SkinAndShow();
  TWScrollbar* h = SkinnerOf<TSkinScrollbar>(lb)->HorzOverlay();
  ASSERT_TRUE(h->Shown);
  EXPECT_FALSE(h->Vertical);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const POINT right = OverlayPoint(h, h->Length - a / 2, a / 2);
  bool seenPressed = false;
  MouseScript script([&] {
    MoveMouse(right.x, right.y);
    Sleep(50);
    MouseButton(true);
    seenPressed = WaitFor([&] { return ScreenPixel(right) == ArrowColour(6); }, 150);
    MouseButton(false);
  });
  ASSERT_TRUE(script.Run());
  PumpFor(100);
  EXPECT_TRUE(seenPressed);
  EXPECT_GT(GetScrollPos(lb->Handle(), SB_HORZ), 0);
  EXPECT_EQ(ScreenPixel(right), ArrowColour(5));
}

TEST_F(ScrollSkinnerTest, AScrollBarControlsThumbDraggedMovesItsPosition) {
  auto* sb = new TScrollBar(form);
  sb->SetParent(form);
  sb->SetKind(sbVertical);
  sb->SetBounds(300, 20, GetSystemMetrics(SM_CXVSCROLL), 200);
  sb->SetParams(0, 0, 100);
  sb->SetPageSize(10);
  SkinAndShow();
  TWScrollbar* o = SkinnerOf<TSkinScControl>(sb)->Overlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const POINT grip = OverlayPoint(o, a / 2, (o->ThumbStart + o->ThumbEnd) / 2);
  bool pressedLook = false;
  Sampler sampler([&] {
    if (o->Pressing && o->LastPaint.layout.thumbFrame == 2) pressedLook = true;
  });
  MouseScript script([&] {
    MoveMouse(grip.x, grip.y);
    Sleep(50);
    MouseButton(true);
    Sleep(60);
    MoveMouse(grip.x, grip.y + 30);
    Sleep(60);
    MoveMouse(grip.x, grip.y + 60);
    Sleep(100);
    MouseButton(false);
  });
  ASSERT_TRUE(script.Run());
  PumpFor(50);
  EXPECT_TRUE(pressedLook);
  EXPECT_GT(sb->Position(), 20);
  // The skinned thumb stands where the new position puts it.
  EXPECT_EQ(o->ThumbStart, kq::skin::ScrollControlThumb(o->Length, a, sb->Position(), 100, 10).start);
  EXPECT_EQ(o->LastPaint.layout.thumbFrame, 1);
}

TEST_F(ScrollSkinnerTest, AListViewGetsItsBarsAndASkinnedHeader) {
  auto* lv = new TListView(form);
  lv->SetParent(form);
  lv->SetBounds(20, 20, 300, 160);
  lv->AddColumn(L"时间", 120);
  lv->AddColumn(L"事件", 200);
  for (int i = 0; i < 30; ++i) lv->AddItem({L"2026-12-08", L"事件 " + std::to_wstring(i)});
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinListView>(lv);
  ASSERT_NE(sk, nullptr);
  ASSERT_NE(sk->Header(), nullptr);
  EXPECT_EQ(sk->Header()->Handle, lv->HeaderHandle());
  EXPECT_TRUE(sk->VertOverlay()->Shown);
  EXPECT_TRUE(sk->HorzOverlay()->Shown);  // the columns are wider than the view

  HWND header = lv->HeaderHandle();
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(50);
  ASSERT_EQ(sk->Header()->LastFrames.size(), 2u);
  EXPECT_EQ(sk->Header()->LastFrames[0], 1);
  RECT item{};
  SendMessageW(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  POINT p{item.left + 3, item.top + 2};
  ClientToScreen(header, &p);
  PumpFor(50);
  EXPECT_EQ(ScreenPixel(p), HeaderColour(1));

  // The item under the mouse is hot.
  MoveMouse(p.x + 20, p.y + 2);
  PumpUntil([&] { return sk->Header()->HotItem == 0; }, 2000);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(50);
  EXPECT_EQ(sk->Header()->LastFrames[0], 4);
  EXPECT_EQ(sk->Header()->LastFrames[1], 1);
  PumpFor(50);
  EXPECT_EQ(ScreenPixel(p), HeaderColour(4));

  // Pressed while the button is down on it, hot again after.
  MouseButton(true);
  PumpFor(80);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(sk->Header()->LastFrames[0], 2);
  PumpFor(50);  // Wine puts window surfaces on the screen a moment later
  EXPECT_EQ(ScreenPixel(p), HeaderColour(2));
  MouseButton(false);
  PumpFor(80);
  RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(sk->Header()->LastFrames[0], 4);

  // A disabled list view shows its header disabled.
  MoveMouse(5, 5);
  PumpFor(50);
  lv->SetEnabled(false);
  PumpFor(50);
  EXPECT_EQ(sk->Header()->LastFrames[0], 3);
  EXPECT_EQ(sk->Header()->LastFrames[1], 3);
}

TEST_F(ScrollSkinnerTest, AHeaderItemWithAnImageShowsItsIconBesideItsCaption) {
  auto* lv = new TListView(form);
  lv->SetParent(form);
  lv->SetBounds(20, 20, 300, 160);
  lv->AddColumn(L"时间", 120);
  lv->AddColumn(L"事件", 160);
  SkinAndShow();
  auto* sk = SkinnerOf<TSkinListView>(lv);
  ASSERT_NE(sk, nullptr);
  ASSERT_NE(sk->Header(), nullptr);
  HWND header = lv->HeaderHandle();

  // One 12 x 12 icon of a colour no frame has, given to the first column only.
  constexpr COLORREF kIcon = RGB(0x10, 0xE0, 0x40);
  HIMAGELIST icons = ImageList_Create(12, 12, ILC_COLOR24, 1, 0);
  ASSERT_NE(icons, nullptr);
  {
    TBitmap glyph(12, 12);
    HBRUSH brush = CreateSolidBrush(kIcon);
    RECT all{0, 0, 12, 12};
    FillRect(glyph.MemoryDC(), &all, brush);
    DeleteObject(brush);
    HBITMAP bmp = CreateCompatibleBitmap(glyph.MemoryDC(), 12, 12);
    HDC dc = CreateCompatibleDC(glyph.MemoryDC());
    HGDIOBJ old = SelectObject(dc, bmp);
    BitBlt(dc, 0, 0, 12, 12, glyph.MemoryDC(), 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    ASSERT_EQ(ImageList_Add(icons, bmp, nullptr), 0);
    DeleteObject(bmp);
  }
  SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons));
  HDITEMW hd{};
  hd.mask = HDI_FORMAT | HDI_IMAGE;
  hd.fmt = HDF_LEFT | HDF_STRING | HDF_IMAGE;
  hd.iImage = 0;
  SendMessageW(header, HDM_SETITEMW, 0, reinterpret_cast<LPARAM>(&hd));

  // Anywhere on the first item some pixels are the icon's; none on the second.
  auto iconPixels = [&](int index) {
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(50);
    RECT r{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    HDC dc = GetDC(header);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += GetPixel(dc, x, y) == kIcon;
    ReleaseDC(header, dc);
    return n;
  };
  EXPECT_GE(iconPixels(0), 100);
  EXPECT_EQ(iconPixels(1), 0);
  SendMessageW(header, HDM_SETIMAGELIST, 0, 0);
  ImageList_Destroy(icons);
}

TEST_F(ScrollSkinnerTest, ABareWindowsBarsGetOverlaysAndItsProcedureBack) {
  form->Show();
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                              20, 20, 160, 120, form->Handle(), nullptr, nullptr, nullptr);
  for (int i = 0; i < 30; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"项目"));
  const LONG_PTR proc = GetWindowLongPtrW(list, GWLP_WNDPROC);
  s = AttachScrollSkinner(form);
  auto* sk = new TSkinScrollbarH(s.skinner);
  sk->AttachToWindow(list, s.skin, s.skinner, &s.skinner->ControlCanvas());
  PumpFor(100);
  EXPECT_TRUE(sk->VertOverlay()->Shown);
  EXPECT_FALSE(sk->HorzOverlay()->Shown);
  EXPECT_EQ(CountOverlays(form->Handle()), 2);

  // Scrolling by keyboard moves the skinned thumb too.
  const int before = sk->VertOverlay()->ThumbStart;
  SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpFor(50);
  EXPECT_GT(sk->VertOverlay()->ThumbStart, before);

  // Hidden window, hidden bars.
  ShowWindow(list, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(sk->VertOverlay()->Window()));

  delete sk;
  EXPECT_EQ(GetWindowLongPtrW(list, GWLP_WNDPROC), proc);
  EXPECT_EQ(CountOverlays(form->Handle()), 0);
  DestroyWindow(list);
}

TEST_F(ScrollSkinnerTest, SkinOnAndOffLeavesNoOverlayHandleOrSubclassingBehind) {
  TListBox* lb = NewListBox(40);
  auto* memo = new TMemo(form);
  memo->SetParent(form);
  memo->SetBounds(200, 20, 160, 100);
  memo->SetScrollBars(ssBoth);
  for (int i = 0; i < 30; ++i) memo->AddLine(L"一行文字，很长很长很长很长很长很长很长很长很长很长的一行");
  auto* sb = new TScrollBar(form);
  sb->SetParent(form);
  sb->SetBounds(20, 200, 200, GetSystemMetrics(SM_CYHSCROLL));
  auto* lv = new TListView(form);
  lv->SetParent(form);
  lv->SetBounds(200, 150, 300, 120);
  lv->AddColumn(L"名称", 100);
  lv->AddItem({L"甲"});
  form->Show();
  PumpFor(50);
  HWND header = lv->HeaderHandle();
  const LONG_PTR headerProc = GetWindowLongPtrW(header, GWLP_WNDPROC);
  const LONG_PTR lbStyle = GetWindowLongPtrW(lb->Handle(), GWL_STYLE);

  long gdiBefore = 0;
  for (int cycle = 0; cycle < 4; ++cycle) {
    s = AttachScrollSkinner(form);
    SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
    PumpFor(80);
    EXPECT_EQ(s.skinner->ControlSkinners.size(), 5u);  // list box, memo, scroll bar, list view, header
    EXPECT_GE(CountOverlays(form->Handle()), 5);
    s.skinner->Detach();
    delete s.skinner;
    PumpFor(30);
    EXPECT_EQ(CountOverlays(form->Handle()), 0);
    EXPECT_EQ(GetWindowLongPtrW(header, GWLP_WNDPROC), headerProc);
    EXPECT_EQ(lb->ComponentCount(), 0);
    EXPECT_EQ(GetWindowLongPtrW(lb->Handle(), GWL_STYLE), lbStyle);
    if (cycle == 0) gdiBefore = kq::ui::LiveGdiHandles();
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdiBefore);

  // The controls work on their own again: the list box's own bar scrolls it.
  const RECT bar = BarOf(lb->Handle(), OBJID_VSCROLL);
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  MouseScript script([&] {
    MoveMouse((bar.left + bar.right) / 2, bar.bottom - a / 2);
    Sleep(50);
    MouseButton(true);
    Sleep(60);
    MouseButton(false);
  });
  ASSERT_TRUE(script.Run());
  PumpFor(50);
  EXPECT_EQ(lb->TopIndex(), 1);
}

TEST_F(ScrollSkinnerTest, TheOverlayFollowsTheBarAwayAndBackAndTheSkinSwitchingOffAndOn) {
  TListBox* lb = NewListBox(40);
  SkinAndShow();
  TWScrollbar* v = SkinnerOf<TSkinScrollbar>(lb)->VertOverlay();
  ASSERT_TRUE(IsWindowVisible(v->Window()));
  // Few items: the list box drops its bar, the overlay goes with it.
  lb->SetItems({L"甲", L"乙"});
  PumpFor(100);
  EXPECT_FALSE(IsWindowVisible(v->Window()));
  for (int i = 0; i < 40; ++i) lb->AddItem(L"丙");
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(v->Window()));
  RECT bar = BarOf(lb->Handle(), OBJID_VSCROLL), over = ScreenRectOf(v->Window());
  EXPECT_TRUE(EqualRect(&bar, &over));

  // Moved: the overlay moves along.
  lb->SetBounds(60, 40, 160, 150);
  PumpFor(100);
  bar = BarOf(lb->Handle(), OBJID_VSCROLL);
  over = ScreenRectOf(v->Window());
  EXPECT_TRUE(EqualRect(&bar, &over));

  // Switched off: the list box's own bar shows; on again: the overlay is back.
  SendMessageW(lb->Handle(), SKM_SWITCHSKINNER, 0, 0);
  PumpFor(50);
  EXPECT_FALSE(IsWindowVisible(v->Window()));
  EXPECT_NE(WindowFromPoint(POINT{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2}), v->Window());
  SendMessageW(lb->Handle(), SKM_SWITCHSKINNER, 1, 0);
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(v->Window()));
}

TEST_F(ScrollSkinnerTest, ASkinWithoutTheArrowImageLeavesTheSystemsBarsUncovered) {
  TListBox* lb = NewListBox(40);
  s = AttachScrollSkinner(form);
  s.skin->Scrollbar.reset();
  form->Show();
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  PumpFor(100);
  auto* sk = SkinnerOf<TSkinScrollbar>(lb);
  ASSERT_NE(sk, nullptr);
  EXPECT_FALSE(IsWindowVisible(sk->VertOverlay()->Window()));
  const RECT bar = BarOf(lb->Handle(), OBJID_VSCROLL);
  EXPECT_EQ(WindowFromPoint(POINT{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2}), lb->Handle());
}

TEST_F(ScrollSkinnerTest, DestroyingTheControlTakesItsOverlaysAlong) {
  TListBox* lb = NewListBox(40);
  SkinAndShow();
  ASSERT_EQ(CountOverlays(form->Handle()), 2);
  delete lb;
  PumpFor(30);
  EXPECT_EQ(CountOverlays(form->Handle()), 0);
  EXPECT_TRUE(s.skinner->ControlSkinners.empty());
}

// The tab control, page control and tab set skinners on real windows, with real mouse input
// and pixels read back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/skin_edits.h"
#include "skin/controls/skin_tabs.h"
#include "ui/stdctrls.h"
#include "ui/tabs.h"
#include "ui/handles.h"
#include "win/skin_controls/gallery_tabs.h"
#include "win/skin_tabs/tabs_test_util.h"

using namespace tabtest;
using namespace uitest;

namespace {

RECT ItemRect(TCustomTabControl* tc, int i) { return tc->TabRect(i); }

TEST_F(TabsTest, TabsAreDrawnFromTheSkinWithTheSelectedHotAndDisabledFrames) {
  auto* tc = Add<TTabControl>(20, 20, 300, 150);
  tc->SetTabs({L"定时", L"延迟", L"任务"});
  tc->SetTabIndex(0);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinTab>(tc);
  ASSERT_NE(skinner, nullptr);
  // Attached by window: the window procedure is the skinner's.
  EXPECT_EQ(skinner->Handle, tc->Handle());
  EXPECT_NE(skinner->OldWndProc(), nullptr);
  EXPECT_EQ(skinner->Orientation, 0);
  HWND h = tc->Handle();

  const RECT r1 = ItemRect(tc, 1);
  ASSERT_GT(r1.right - r1.left, 10);
  // A tab that is not selected: frame 1, its outer half at the top, inner half at the bottom.
  EXPECT_EQ(Fresh(h, r1.left + 2, r1.top + 2), kTabOuter[1]);
  EXPECT_EQ(ClientPixel(h, r1.left + 2, r1.bottom - 2), kTabInner[1]);
  // The selected tab: frame 2, standing out above its item rectangle.
  const RECT r0 = ItemRect(tc, 0);
  EXPECT_EQ(ClientPixel(h, r0.left + 1, r0.top - 1), kTabOuter[2]);
  EXPECT_EQ(skinner->LastFrames, (std::vector<int>{2, 1, 1}));
  // The body: its edge next to the tabs, its inside; the strip beside the tabs in the form's
  // colour (never black).
  const RECT body = skinner->LastBody;
  EXPECT_EQ(body.top, r1.bottom);
  EXPECT_EQ(ClientPixel(h, body.right - 10, body.top), kBorderNear);
  EXPECT_EQ(ClientPixel(h, body.right - 1, (body.top + body.bottom) / 2), kBorderRim);
  EXPECT_EQ(ClientPixel(h, (body.left + body.right) / 2, (body.top + body.bottom) / 2), kBorderInside);
  EXPECT_EQ(ClientPixel(h, 295, 4), form->Color());
  EXPECT_EQ(form->Color(), skintest::kFace);
  // The keyed corner of a tab shows the strip behind it (the selected tab covers the corner
  // of its neighbour, so the third one).
  const RECT r2 = ItemRect(tc, 2);
  EXPECT_EQ(ClientPixel(h, r2.left, r2.top), form->Color());

  // The mouse over the third tab: hot.
  POINT p{(r2.left + r2.right) / 2, (r2.top + r2.bottom) / 2};
  ClientToScreen(h, &p);
  MoveMouse(p.x, p.y);
  PumpUntil([&] { return skinner->HotItem == 2; }, 2000);
  PumpFor(50);
  EXPECT_EQ(skinner->LastFrames[2], 4);
  EXPECT_EQ(ClientPixel(h, r2.left + 2, r2.top + 2), kTabOuter[4]);
  MoveMouse(5, 5);
  PumpUntil([&] { return skinner->HotItem == -1; }, 2000);
  PumpFor(50);
  EXPECT_EQ(ClientPixel(h, r2.left + 2, r2.top + 2), kTabOuter[1]);

  // Disabled: frame 3 on every tab, the selected one too.
  tc->SetEnabled(false);
  PumpFor(50);
  EXPECT_EQ(Fresh(h, r1.left + 2, r1.top + 2), kTabOuter[3]);
  EXPECT_EQ(ClientPixel(h, r0.left + 1, r0.top - 1), kTabOuter[3]);
  EXPECT_EQ(skinner->LastFrames, (std::vector<int>{3, 3, 3}));
}

TEST_F(TabsTest, TabsAtTheBottomAndAtTheLeftTurnTheImages) {
  auto* bottom = Add<TTabControl>(20, 20, 220, 120);
  bottom->SetTabPosition(tpBottom);
  bottom->SetTabs({L"关闭", L"注销"});
  bottom->SetTabIndex(0);
  auto* left = Add<TTabControl>(260, 20, 220, 160);
  left->SetTabPosition(tpLeft);
  left->SetTabs({L"定时", L"延迟"});
  left->SetTabIndex(0);
  SkinAll();
  auto* sb = SkinnerOf<TSkinTab>(bottom);
  auto* sl = SkinnerOf<TSkinTab>(left);
  ASSERT_TRUE(sb && sl);
  EXPECT_EQ(sb->Orientation, 1);
  EXPECT_EQ(sl->Orientation, 2);
  // Bottom: both images flipped. Left: the border turned, the tab image as it is (each tab
  // is turned when it is drawn).
  EXPECT_EQ(sb->Images().Border.Width(), kBorderW);
  EXPECT_EQ(sl->Images().Border.Width(), kBorderH);
  EXPECT_EQ(sl->Images().Tabs.Width(), 5 * kTabW);

  HWND hb = bottom->Handle();
  const RECT b1 = ItemRect(bottom, 1);
  EXPECT_EQ(Fresh(hb, b1.left + 2, b1.bottom - 2), kTabOuter[1]);
  EXPECT_EQ(ClientPixel(hb, b1.left + 2, b1.top + 2), kTabInner[1]);
  const RECT bodyB = sb->LastBody;
  EXPECT_EQ(bodyB.bottom, b1.top);
  EXPECT_EQ(ClientPixel(hb, bodyB.right - 10, bodyB.bottom - 1), kBorderNear);
  EXPECT_EQ(ClientPixel(hb, bodyB.right - 10, bodyB.top), kBorderRim);

  HWND hl = left->Handle();
  const RECT l1 = ItemRect(left, 1);
  ASSERT_GT(l1.bottom - l1.top, l1.right - l1.left);  // the tabs stand upright
  EXPECT_EQ(Fresh(hl, l1.left + 2, l1.top + 3), kTabOuter[1]);
  EXPECT_EQ(ClientPixel(hl, l1.right - 2, l1.top + 3), kTabInner[1]);
  const RECT bodyL = sl->LastBody;
  EXPECT_EQ(bodyL.left, l1.right);
  EXPECT_EQ(ClientPixel(hl, bodyL.left, bodyL.bottom - 10), kBorderNear);
  EXPECT_EQ(ClientPixel(hl, bodyL.right - 1, bodyL.bottom - 10), kBorderRim);
  // The selected tab, frame 2, stands out to the left of its item.
  const RECT l0 = ItemRect(left, 0);
  EXPECT_EQ(ClientPixel(hl, l0.left - 1, l0.top + 3), kTabOuter[2]);
}

TEST_F(TabsTest, ChoosingATabShowsItsPageOnThePagesOwnBackground) {
  auto* pc = Add<TPageControl>(20, 20, 300, 200);
  auto* first = new TTabSheet(form);
  first->SetCaption(L"定时");
  first->SetPageControl(pc);
  auto* onFirst = new TButton(form);
  onFirst->SetParent(first);
  onFirst->SetBounds(10, 10, 80, 25);
  onFirst->SetCaption(L"执行");
  auto* second = new TTabSheet(form);
  second->SetCaption(L"任务设置");
  second->SetPageControl(pc);
  auto* onSecond = new TCheckBox(form);
  onSecond->SetParent(second);
  onSecond->SetBounds(10, 10, 100, 17);
  onSecond->SetCaption(L"每天");
  int changes = 0;
  pc->OnChange = [&](TObject*) { ++changes; };
  SkinAll();
  ASSERT_NE(SkinnerOf<TSkinTab>(pc), nullptr);
  EXPECT_EQ(pc->ActivePage(), first);
  EXPECT_TRUE(IsWindowVisible(first->Handle()));
  EXPECT_FALSE(IsWindowVisible(second->Handle()));
  // The sheets lie over the display area, inside the body.
  const RECT display = pc->DisplayRect();
  EXPECT_EQ(second->Left(), display.left);
  EXPECT_EQ(second->Top(), display.top);

  // A real click on the second tab: the control reports the change through its parent.
  const RECT r1 = pc->TabRect(1);
  POINT p{(r1.left + r1.right) / 2, (r1.top + r1.bottom) / 2};
  ClientToScreen(pc->Handle(), &p);
  ClickAt(p.x, p.y);
  PumpUntil([&] { return changes > 0; }, 2000);
  PumpFor(100);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pc->ActivePageIndex(), 1);
  EXPECT_EQ(pc->ActivePage(), second);
  EXPECT_TRUE(IsWindowVisible(second->Handle()));
  EXPECT_FALSE(IsWindowVisible(first->Handle()));
  EXPECT_TRUE(second->Visible());
  EXPECT_FALSE(first->Visible());
  // The page paints its own background: the form's (face) colour, never black.
  HWND sh = second->Handle();
  RECT c;
  GetClientRect(sh, &c);
  EXPECT_EQ(second->Color(), form->Color());
  EXPECT_EQ(Fresh(sh, c.right - 8, c.bottom - 8), second->Color());
  // Seen on the screen, too (not only in the window's own DC).
  POINT sp{c.right - 8, c.bottom - 8};
  ClientToScreen(sh, &sp);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, sp.x, sp.y), second->Color());
  ReleaseDC(nullptr, screen);
  // Between the body's rim and the page, the page's colour: no band of the border image's
  // inside around the page.
  const RECT body = SkinnerOf<TSkinTab>(pc)->LastBody;
  const int ringX = body.left + 3;  // first column inside the border's margin
  ASSERT_LT(ringX, display.left) << "the page leaves no room between rim and page";
  EXPECT_EQ(Fresh(pc->Handle(), ringX, (display.top + display.bottom) / 2), second->Color());
  EXPECT_EQ(ClientPixel(pc->Handle(), body.left, (display.top + display.bottom) / 2), kBorderRim);
  // The newly selected tab shows frame 2.
  EXPECT_EQ(SkinnerOf<TSkinTab>(pc)->LastFrames, (std::vector<int>{1, 2}));
}

TEST_F(TabsTest, ForgettingTheSkinnerGivesTheWindowItsProcedureBack) {
  auto* tc = Add<TTabControl>(20, 20, 120, 80);
  for (int i = 1; i <= 8; ++i) tc->AddTab(L"第" + std::to_wstring(i) + L"项");
  tc->SetTabIndex(0);
  form->HandleNeeded();
  HWND arrows = FindWindowExW(tc->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(arrows) << "eight tabs in 120 pixels need the scroll arrows";
  const LONG_PTR before = GetWindowLongPtrW(tc->Handle(), GWLP_WNDPROC);
  const LONG_PTR arrowsBefore = GetWindowLongPtrW(arrows, GWLP_WNDPROC);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinTab>(tc);
  ASSERT_NE(skinner, nullptr);
  EXPECT_NE(GetWindowLongPtrW(tc->Handle(), GWLP_WNDPROC), before);
  // The scroll arrows are skinned, lying side by side.
  ASSERT_NE(skinner->UpDown(), nullptr);
  EXPECT_EQ(skinner->UpDown()->Handle, arrows);
  EXPECT_NE(GetWindowLongPtrW(arrows, GWLP_WNDPROC), arrowsBefore);
  RECT ac;
  GetClientRect(arrows, &ac);
  EXPECT_EQ(Fresh(arrows, 2, ac.bottom / 2), kArrow[1]);
  EXPECT_EQ(ClientPixel(arrows, ac.right - 2, ac.bottom / 2), kArrow[5]);
  // Scrolling the tabs with the arrows still works.
  POINT right{ac.right - 3, ac.bottom / 2};
  ClientToScreen(arrows, &right);
  const RECT firstBefore = tc->TabRect(0);
  ClickAt(right.x, right.y);
  PumpFor(150);
  EXPECT_LT(tc->TabRect(0).left, firstBefore.left);

  delete skinner;
  EXPECT_EQ(GetWindowLongPtrW(tc->Handle(), GWLP_WNDPROC), before);
  EXPECT_EQ(GetWindowLongPtrW(arrows, GWLP_WNDPROC), arrowsBefore);
  // The control paints itself again: no skin colour on its tabs.
  const RECT r1 = tc->TabRect(1);
  EXPECT_NE(Fresh(tc->Handle(), r1.left + 2, r1.top + 2), kTabOuter[1]);
}

TEST_F(TabsTest, ASkinChangeReadsTheImagesAgain) {
  auto* tc = Add<TTabControl>(20, 20, 300, 150);
  tc->SetTabs({L"定时", L"延迟"});
  tc->SetTabIndex(0);
  SkinAll();
  auto* skinner = SkinnerOf<TSkinTab>(tc);
  ASSERT_NE(skinner, nullptr);
  const RECT r1 = tc->TabRect(1);
  EXPECT_EQ(Fresh(tc->Handle(), r1.left + 2, r1.top + 2), kTabOuter[1]);
  // The skin's tab image is swapped: halves exchanged.
  s.skin->Tabs->Bitmap = TabStrip(kTabInner, kTabOuter);
  s.skinner->ReapplySkin();
  PumpFor(50);
  EXPECT_EQ(Fresh(tc->Handle(), r1.left + 2, r1.top + 2), kTabInner[1]);
  // A skin without tab images leaves the control to paint itself.
  s.skin->Tabs->Bitmap = kq::Bitmap();
  skinner->SkinChanged();
  PumpFor(50);
  const COLORREF own = Fresh(tc->Handle(), r1.left + 2, r1.top + 2);
  EXPECT_NE(own, kTabInner[1]);
  EXPECT_NE(own, kTabOuter[1]);
}

TEST_F(TabsTest, SwitchedOffTheTabsLookAsTheSystemDrawsThem) {
  auto* tc = Add<TTabControl>(20, 20, 300, 150);
  tc->SetTabs({L"定时", L"延迟"});
  tc->SetTabIndex(0);
  SkinAll();
  const RECT r1 = tc->TabRect(1);
  EXPECT_EQ(Fresh(tc->Handle(), r1.left + 2, r1.top + 2), kTabOuter[1]);
  SendMessageW(tc->Handle(), SKM_SWITCHSKINNER, 0, 0);
  EXPECT_NE(Fresh(tc->Handle(), r1.left + 2, r1.top + 2), kTabOuter[1]);
  SendMessageW(tc->Handle(), SKM_SWITCHSKINNER, 1, 0);
  PumpFor(50);
  EXPECT_EQ(Fresh(tc->Handle(), r1.left + 2, r1.top + 2), kTabOuter[1]);
}

TEST_F(TabsTest, ATabSetIsDrawnFromTheSkinAndStillChoosesTabs) {
  auto* set = Add<TTabSet>(80, 250, 400, 24);
  set->SetTabs({L"全部", L"关机", L"重启"});
  set->SetTabIndex(1);
  int changes = 0;
  set->OnChange = [&](TObject*) { ++changes; };
  SkinAll();
  auto* skinner = SkinnerOf<TSkinTab31>(set);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(skinner->Control, set);
  // Attached to the control: its message method is the skinner's, the window procedure
  // stays the form layer's.
  EXPECT_EQ(skinner->OldWndProc(), nullptr);
  HWND h = set->Handle();
  const RECT t0 = set->TabRect(0);
  const RECT t1 = set->TabRect(1);
  // The tabs hang down: the image of tabs at the bottom, outer half at the bottom.
  EXPECT_EQ(Fresh(h, t0.left + 2, t0.bottom - 2), kTabOuter[1]);
  EXPECT_EQ(ClientPixel(h, t1.left + 1, t1.bottom + 1), kTabOuter[2]);
  // The page edge along the top (the border's edge next to the tabs), covered by the
  // selected tab.
  RECT c;
  GetClientRect(h, &c);
  EXPECT_EQ(ClientPixel(h, c.right - 5, 0), kBorderInside);
  EXPECT_EQ(ClientPixel(h, c.right - 5, 2), kBorderNear);
  EXPECT_EQ(ClientPixel(h, t1.left + 4, 0), kTabInner[2]);
  EXPECT_EQ(ClientPixel(h, c.right - 5, c.bottom - 2), form->Color());
  EXPECT_EQ(skinner->LastFrames, (std::vector<int>{1, 2, 1}));
  // The background is never erased on its own (that would flicker).
  HDC dc = GetDC(h);
  EXPECT_EQ(SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(h, dc);

  // Hot under the mouse; a click chooses the tab.
  const RECT t2 = set->TabRect(2);
  POINT p{(t2.left + t2.right) / 2, (t2.top + t2.bottom) / 2};
  ClientToScreen(h, &p);
  MoveMouse(p.x, p.y);
  PumpUntil([&] { return skinner->HotItem == 2; }, 2000);
  PumpFor(50);
  EXPECT_EQ(skinner->LastFrames[2], 4);
  EXPECT_EQ(ClientPixel(h, t2.left + 2, t2.bottom - 2), kTabOuter[4]);
  ClickAt(p.x, p.y);
  PumpUntil([&] { return changes > 0; }, 2000);
  PumpFor(50);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(set->TabIndex(), 2);
  EXPECT_EQ(skinner->LastFrames[2], 2);
  EXPECT_EQ(ClientPixel(h, t2.left + 1, t2.bottom + 1), kTabOuter[2]);
}

TEST_F(TabsTest, WithoutATabsObjectTabbedControlsStayUnskinned) {
  auto* tc = Add<TTabControl>(20, 20, 300, 150);
  tc->SetTabs({L"定时"});
  auto* set = Add<TTabSet>(80, 250, 300, 24);
  set->SetTabs({L"全部"});
  SkinAll(false);
  EXPECT_EQ(SkinnerOf<TSkinTab>(tc), nullptr);
  EXPECT_EQ(SkinnerOf<TSkinTab31>(set), nullptr);
}

}  // namespace

namespace {

TEST_F(TabsTest, TheKeyboardMovesBetweenPagesAndTheFocusedTabShowsItsFrame) {
  auto* pc = Add<TPageControl>(20, 20, 300, 200);
  TTabSheet* sheets[3];
  const wchar_t* captions[3] = {L"定时", L"延迟", L"任务"};
  for (int i = 0; i < 3; ++i) {
    sheets[i] = new TTabSheet(form);
    sheets[i]->SetCaption(captions[i]);
    sheets[i]->SetPageControl(pc);
  }
  SkinAll();
  auto* skinner = SkinnerOf<TSkinTab>(pc);
  ASSERT_NE(skinner, nullptr);
  HWND h = pc->Handle();
  const RECT r0 = pc->TabRect(0);
  // The column where the dotted frame of the selected (and focused) tab goes.
  auto column = [&] {
    std::vector<COLORREF> c;
    for (int y = r0.top + 1; y < r0.bottom - 3; ++y) c.push_back(ClientPixel(h, r0.left + 3, y));
    return c;
  };
  Fresh(h, 0, 0);
  const std::vector<COLORREF> unfocused = column();
  pc->SetFocus();
  PumpFor(50);
  // Shown only when the keyboard's cues are on.
  SendMessageW(h, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  Fresh(h, 0, 0);
  EXPECT_TRUE(skinner->Focused);
  EXPECT_NE(column(), unfocused);

  // Right arrow: the next tab is chosen and its page shown, as by the mouse.
  int changes = 0;
  pc->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(h, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageW(h, WM_KEYUP, VK_RIGHT, 0);
  PumpFor(50);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pc->ActivePage(), sheets[1]);
  EXPECT_TRUE(IsWindowVisible(sheets[1]->Handle()));
  EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
  Fresh(h, 0, 0);
  EXPECT_EQ(skinner->LastFrames, (std::vector<int>{1, 2, 1}));
}

TEST_F(TabsTest, SkinOnAndOffOverTheTabGalleryGivesEverythingBackAndKeepsNoGdiObjects) {
  auto* g = app->CreateForm<skintest::TGalleryTabsForm>();
  g->Show();
  PumpFor(100);
  HWND pages = g->PageControl1->Handle();
  HWND many = g->tc_many->Handle();
  HWND arrows = FindWindowExW(many, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(arrows);
  const LONG_PTR pagesProc = GetWindowLongPtrW(pages, GWLP_WNDPROC);
  const LONG_PTR arrowsProc = GetWindowLongPtrW(arrows, GWLP_WNDPROC);
  long before = 0;
  for (int i = 0; i < 6; ++i) {
    if (i == 3) {  // after what the first rounds cache (each page's colour brush)
      before = kq::ui::LiveGdiHandles();
    }
    skintest::SkinnedForm on = skintest::AttachTestSkinner(g);
    AddTabImages(*on.skin);
    SendMessageW(g->Handle(), SKM_SKINCONTROLS, 0, 1000);
    g->PageControl1->SetActivePageIndex(i % 3);
    RedrawWindow(g->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(50);
    EXPECT_NE(GetWindowLongPtrW(pages, GWLP_WNDPROC), pagesProc);
    EXPECT_NE(GetWindowLongPtrW(arrows, GWLP_WNDPROC), arrowsProc);
    const RECT t = g->tc_bottom->TabRect(0);
    EXPECT_EQ(ClientPixel(g->tc_bottom->Handle(), t.left + 2, t.bottom - 2), kTabOuter[1]);
    on.skinner->Detach();
    delete on.skinner;
    delete on.skin;
    EXPECT_EQ(GetWindowLongPtrW(pages, GWLP_WNDPROC), pagesProc);
    EXPECT_EQ(GetWindowLongPtrW(arrows, GWLP_WNDPROC), arrowsProc);
    // Every round ends on the same page, so what the controls cache (their colour brushes)
    // is the same at the end of each.
    g->PageControl1->SetActivePageIndex(0);
    RedrawWindow(g->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(30);
    EXPECT_NE(ClientPixel(g->tc_bottom->Handle(), t.left + 2, t.bottom - 2), kTabOuter[1]);
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), before);
}

}  // namespace

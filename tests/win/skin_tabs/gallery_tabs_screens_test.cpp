// The tabbed controls' gallery page with the default skin: every tabbed control gets its
// skinner, each page of the page control shows on its own background (never black). With
// KQ_SHOT_DIR set, the window is also saved there as .bmp pictures, one per page, to be
// looked at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/controls/skin_edits.h"
#include "skin/data/skin_load.h"
#include "ui/text.h"
#include "win/skin_controls/default_skin.h"
#include "win/skin_controls/gallery_tabs.h"
#include "win/skin_tabs/tabs_test_util.h"

using namespace uitest;

using skintest::LoadDefaultSkin;
using skintest::Shoot;

namespace {

COLORREF ScreenPixelOf(HWND wnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(wnd, &p);
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

using TabsGallery = skintest::GalleryTest;

}  // namespace

TEST_F(TabsGallery, EveryTabbedControlWearsTheDefaultSkin) {
  MoveMouse(5, 5);
  auto* g = app->CreateForm<skintest::TGalleryTabsForm>();
  g->Show();
  SetForegroundWindow(g->Handle());
  auto* skin = new TSkinData(g);
  ASSERT_TRUE(LoadDefaultSkin(*skin));
  ASSERT_TRUE(skin->Tabs && !skin->Tabs->Bitmap.Empty() && !skin->Tabs->Bitmap2.Empty());
  auto* fs = new TWinSkinForm(g);
  fs->SetWindow(g->Handle());
  fs->AttachToForm(skin, g);
  SendMessageW(g->Handle(), SKM_SKINCONTROLS, 0, 1000);
  PumpFor(250);

  auto skinnerOf = [&](TControl* c) -> TSkinControl* {
    for (TSkinControl* s : fs->ControlSkinners)
      if (s->Control == c || s->Owner() == c) return s;
    return nullptr;
  };
  for (TCustomTabControl* c : {static_cast<TCustomTabControl*>(g->PageControl1),
                               static_cast<TCustomTabControl*>(g->tc_bottom), static_cast<TCustomTabControl*>(g->tc_left),
                               static_cast<TCustomTabControl*>(g->tc_many)}) {
    auto* s = dynamic_cast<TSkinTab*>(skinnerOf(c));
    ASSERT_NE(s, nullptr) << c->Name;
    EXPECT_FALSE(s->LastFrames.empty()) << c->Name;
  }
  EXPECT_EQ(dynamic_cast<TSkinTab*>(skinnerOf(g->tc_bottom))->Orientation, 1);
  EXPECT_EQ(dynamic_cast<TSkinTab*>(skinnerOf(g->tc_left))->Orientation, 2);
  auto* many = dynamic_cast<TSkinTab*>(skinnerOf(g->tc_many));
  ASSERT_NE(many->UpDown(), nullptr);
  EXPECT_GT(many->UpDown()->LastFrame(0), 0);
  auto* set = dynamic_cast<TSkinTab31*>(skinnerOf(g->TabSet1));
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->LastFrames, (std::vector<int>{2, 1, 1, 1}));
  // The controls on the sheets are skinned as anywhere else.
  EXPECT_NE(skinnerOf(g->btn_onpage), nullptr);
  EXPECT_NE(skinnerOf(g->cb_onpage), nullptr);
  EXPECT_NE(skinnerOf(g->lb_onpage), nullptr);
  // The time picker's spin buttons are the skin's too.
  auto* time = dynamic_cast<TSkinEdit*>(skinnerOf(g->tp_time));
  ASSERT_NE(time, nullptr);

  // Each page in turn, chosen with the mouse: shown on the face colour.
  const COLORREF face = ColorToRGB(skin->ButtonFaceColour);
  const TTabSheet* sheets[3] = {g->ts_ontime, g->ts_task, g->ts_log};
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      const RECT r = g->PageControl1->TabRect(i);
      POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
      ClientToScreen(g->PageControl1->Handle(), &p);
      ClickAt(p.x, p.y);
      MoveMouse(5, 5);
      PumpFor(150);
    }
    EXPECT_EQ(g->PageControl1->ActivePageIndex(), i);
    HWND sh = const_cast<TTabSheet*>(sheets[i])->Handle();
    ASSERT_TRUE(IsWindowVisible(sh));
    RECT c;
    GetClientRect(sh, &c);
    RedrawWindow(g->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(100);
    EXPECT_EQ(ScreenPixelOf(sh, c.right - 6, c.bottom - 6), face) << "page " << i;
    Shoot(g->Handle(), "gallery_tabs_page" + std::to_string(i + 1) + ".bmp");
    if (i == 1) {
      ASSERT_NE(time->UpDown(), nullptr);
      EXPECT_GT(time->UpDown()->LastFrame(0), 0);
      // Below the simple combo box's list: the page, not black.
      HWND cb = g->cb_simple->Handle();
      RECT cc;
      GetClientRect(cb, &cc);
      EXPECT_EQ(ScreenPixelOf(cb, cc.right / 2, cc.bottom - 1), face);
    }
  }
}

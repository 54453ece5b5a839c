// The scrolling controls' gallery page with the default skin. With KQ_SHOT_DIR set, the
// window is also saved there as .bmp pictures (idle, an arrow held down), to be looked at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/skin_load.h"
#include "ui/skin_messages.h"
#include "ui/text.h"
#include "win/skin_controls/default_skin.h"
#include "win/skin_controls/gallery_lists.h"
#include "win/skin_scrolls/scroll_test_util.h"

using namespace uitest;
using namespace scrolltest;

using skintest::LoadDefaultSkin;
using skintest::Shoot;

using ListsGallery = skintest::GalleryTest;

TEST_F(ListsGallery, EveryScrollingControlWearsTheDefaultSkin) {
  MoveMouse(5, 5);
  auto* g = app->CreateForm<skintest::TGalleryListsForm>();
  g->Show();
  SetForegroundWindow(g->Handle());
  auto* skin = new TSkinData(g);
  ASSERT_TRUE(LoadDefaultSkin(*skin));
  ASSERT_TRUE(skin->Scrollbar && skin->Headerbar);
  auto* fs = new TWinSkinForm(g);
  fs->SetWindow(g->Handle());
  fs->AttachToForm(skin, g);
  SendMessageW(g->Handle(), SKM_SKINCONTROLS, 0, 1000);
  PumpFor(250);

  auto skinnerOf = [&](TControl* c) -> TSkinControl* {
    for (TSkinControl* s : fs->ControlSkinners)
      if (s->Control == c) return s;
    return nullptr;
  };
  for (TControl* c : {static_cast<TControl*>(g->lb_log), static_cast<TControl*>(g->lb_wide),
                      static_cast<TControl*>(g->mm_notes), static_cast<TControl*>(g->ScrollBox1)})
    EXPECT_NE(dynamic_cast<TSkinScrollbar*>(skinnerOf(c)), nullptr) << c->Name;
  for (TScrollBar* b : {g->sb_horz, g->sb_vert, g->sb_off}) {
    auto* sc = dynamic_cast<TSkinScControl*>(skinnerOf(b));
    ASSERT_NE(sc, nullptr) << b->Name;
    EXPECT_TRUE(sc->Overlay()->Shown) << b->Name;
    EXPECT_GT(sc->Overlay()->LastPaint.count, 0) << b->Name;
  }
  EXPECT_TRUE(dynamic_cast<TSkinScControl*>(skinnerOf(g->sb_vert))->Overlay()->Vertical);
  EXPECT_FALSE(dynamic_cast<TSkinScControl*>(skinnerOf(g->sb_off))->Overlay()->LastPaint.enabled);
  auto* lv = dynamic_cast<TSkinListView*>(skinnerOf(g->lv_events));
  ASSERT_NE(lv, nullptr);
  ASSERT_NE(lv->Header(), nullptr);

  // One bar, both bars with the corner, and the scroll box's bars.
  auto* log = dynamic_cast<TSkinScrollbar*>(skinnerOf(g->lb_log));
  EXPECT_TRUE(log->VertOverlay()->Shown);
  EXPECT_FALSE(log->HorzOverlay()->Shown);
  auto* wide = dynamic_cast<TSkinScrollbar*>(skinnerOf(g->lb_wide));
  EXPECT_TRUE(wide->VertOverlay()->Shown && wide->HorzOverlay()->Shown);
  auto* box = dynamic_cast<TSkinScrollbar*>(skinnerOf(g->ScrollBox1));
  EXPECT_TRUE(box->VertOverlay()->Shown && box->HorzOverlay()->Shown);
  RedrawWindow(g->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(150);
  EXPECT_FALSE(IsRectEmpty(&wide->LastCorner));
  Shoot(g->Handle(), "gallery_lists.bmp", /*repaint=*/false);

  // The memo's down arrow held: pressed look on the screen while the memo scrolls.
  TWScrollbar* mv = dynamic_cast<TSkinScrollbar*>(skinnerOf(g->mm_notes))->VertOverlay();
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const POINT arrow = OverlayPoint(mv, a / 2, mv->Length - a / 2);
  const int top = g->mm_notes->TopLine();
  bool shot = false;
  Sampler sampler([&] {
    if (!shot && mv->Pressing && mv->LastPaint.lastArrowFrame == 14) {
      shot = true;
      Shoot(g->Handle(), "gallery_lists_pressed.bmp", /*repaint=*/false);
    }
  });
  MouseScript script([&] {
    MoveMouse(arrow.x, arrow.y);
    Sleep(50);
    MouseButton(true);
    Sleep(150);
    MouseButton(false);
  });
  ASSERT_TRUE(script.Run());
  EXPECT_TRUE(shot);
  PumpFor(50);
  EXPECT_GT(g->mm_notes->TopLine(), top);
}

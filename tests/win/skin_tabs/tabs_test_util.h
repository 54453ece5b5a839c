// The skin of the tab tests: the button test skin plus a "Tabs" image whose frames and halves
// have colours of their own (so a pixel tells the frame drawn and which way the image was
// turned) and a "Border" image whose edge next to the tabs differs from its other edges.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_tabs.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/skin_messages.h"
#include "ui/tabs.h"
#include "win/skin_controls/skinned_form_test.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

namespace tabtest {

using skintest::FillBox;

// Frame k (from 1): the upper half kTabOuter[k] (the side away from the page), the lower
// half kTabInner[k].
inline constexpr COLORREF kTabOuter[6] = {0, RGB(0x40, 0x60, 0x30), RGB(0x60, 0x60, 0x30), RGB(0x80, 0x60, 0x30),
                                          RGB(0xA0, 0x60, 0x30), RGB(0xC0, 0x60, 0x30)};
inline constexpr COLORREF kTabInner[6] = {0, RGB(0x40, 0x30, 0x90), RGB(0x60, 0x30, 0x90), RGB(0x80, 0x30, 0x90),
                                          RGB(0xA0, 0x30, 0x90), RGB(0xC0, 0x30, 0x90)};
inline constexpr int kTabW = 20, kTabH = 16;
// The border: its top two rows (the edge the tabs stand on) kBorderNear, the rest of its rim
// kBorderRim, the inside kBorderInside.
inline constexpr COLORREF kBorderNear = RGB(0xC0, 0x40, 0x40);
inline constexpr COLORREF kBorderRim = RGB(0x40, 0x40, 0xC0);
inline constexpr COLORREF kBorderInside = RGB(0xF8, 0xF0, 0xE0);
inline constexpr int kBorderW = 12, kBorderH = 14;
// Up-down frames 1..8, for the scroll arrows.
inline constexpr COLORREF kArrow[9] = {0, RGB(0x11, 0x22, 0x33), RGB(0x44, 0x22, 0x33), RGB(0x77, 0x22, 0x33),
                                       RGB(0xAA, 0x22, 0x33), RGB(0x11, 0x55, 0x33), RGB(0x44, 0x55, 0x33),
                                       RGB(0x77, 0x55, 0x33), RGB(0xAA, 0x55, 0x33)};

inline kq::Bitmap TabStrip(const COLORREF* outer, const COLORREF* inner) {
  kq::Bitmap b(5 * kTabW, kTabH);
  for (int f = 0; f < 5; ++f) {
    FillBox(b, f * kTabW, 0, (f + 1) * kTabW, kTabH / 2, outer[f + 1]);
    FillBox(b, f * kTabW, kTabH / 2, (f + 1) * kTabW, kTabH, inner[f + 1]);
    FillBox(b, f * kTabW, 0, f * kTabW + 1, 1, RGB(255, 0, 255));  // a keyed corner
  }
  return b;
}

inline kq::Bitmap BorderImage() {
  kq::Bitmap b(kBorderW, kBorderH);
  FillBox(b, 0, 0, kBorderW, kBorderH, kBorderRim);
  FillBox(b, 2, 2, kBorderW - 2, kBorderH - 2, kBorderInside);
  FillBox(b, 0, 0, kBorderW, 2, kBorderNear);
  return b;
}

inline void AddTabImages(TSkinData& skin) {
  skin.Tabs = std::make_unique<kq::TDataSkinBorder>("Tabs");
  skin.Tabs->Bitmap = TabStrip(kTabOuter, kTabInner);
  skin.Tabs->Bitmap2 = BorderImage();
  skin.Tabs->FrameCount = 5;
  skin.Tabs->Trans = 1;
  skin.Tabs->Margins = kq::Margins{3, 3, 3, 3};
  skin.UpDownHorz = std::make_unique<kq::TDataSkinBorder>("UpDown.Horz");
  kq::Bitmap arrows(8 * 12, 12);
  for (int f = 0; f < 8; ++f) FillBox(arrows, f * 12, 0, (f + 1) * 12, 12, kArrow[f + 1]);
  skin.UpDownHorz->Bitmap = arrows;
  skin.UpDownHorz->FrameCount = 8;
}

inline COLORREF ClientPixel(HWND wnd, int x, int y) {
  HDC dc = GetDC(wnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(wnd, dc);
  return c;
}

// A form with the test skin's form skinner attached (controls only).
class TabsTest : public skintest::SkinnedFormTest {
 protected:
  TabsTest() : SkinnedFormTest(RECT{100, 100, 520, 360}, L"标签") {}
  void AddImages(TSkinData& skin) override { AddTabImages(skin); }

  // Repaints a window now and reads a pixel of its client area back.
  static COLORREF Fresh(HWND wnd, int x, int y) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return ClientPixel(wnd, x, y);
  }
};

}  // namespace tabtest

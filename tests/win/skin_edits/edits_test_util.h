// The skin of the edit, combo, up-down, progress and track-bar tests: the test button skin
// plus control images whose frames have colours of their own, so a pixel read back from a real
// window tells which image and frame a skinner drew.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/draw/transform.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/skin_messages.h"
#include "win/skin_controls/skinned_form_test.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

namespace edittest {

using skintest::FillBox;

inline constexpr COLORREF kShadow = RGB(0x60, 0x50, 0x40);
inline constexpr COLORREF kDarkShadow = RGB(0x10, 0x10, 0x30);
// Frames of the progress image: 1 the empty bar, 2 the filled part.
inline constexpr COLORREF kProgressEmpty = RGB(0xE0, 0xE0, 0x60);
inline constexpr COLORREF kProgressFull = RGB(0x20, 0x90, 0x50);
// The thumb images: frame 2 of each.
inline constexpr COLORREF kThumbHorz = RGB(0xB0, 0x40, 0xB0);
inline constexpr COLORREF kThumbVert = RGB(0x40, 0xB0, 0xB0);
// Up-down frames 1..8 (frames 1-4 the first button's states, 5-8 the second's).
inline constexpr COLORREF kUpDown[9] = {0,
                                        RGB(0x11, 0x22, 0x33), RGB(0x44, 0x22, 0x33), RGB(0x77, 0x22, 0x33),
                                        RGB(0xAA, 0x22, 0x33), RGB(0x11, 0x55, 0x33), RGB(0x44, 0x55, 0x33),
                                        RGB(0x77, 0x55, 0x33), RGB(0xAA, 0x55, 0x33)};
// The combo images: the composite's four frames have insides of their own colours.
inline constexpr COLORREF kComboFrame[5] = {0, RGB(0x30, 0x30, 0xA0), RGB(0xA0, 0x30, 0x30),
                                            RGB(0x80, 0x80, 0x80), RGB(0x30, 0xA0, 0x30)};

// A strip of `frames` frames `w` x `h`, frame k filled with colours[k], the corners magenta.
inline kq::Bitmap Strip(int frames, int w, int h, const COLORREF* colours) {
  kq::Bitmap b(frames * w, h);
  for (int f = 0; f < frames; ++f) {
    FillBox(b, f * w, 0, (f + 1) * w, h, colours[f + 1]);
    FillBox(b, f * w, 0, f * w + 1, 1, RGB(255, 0, 255));
  }
  return b;
}

// Adds the control images to the test skin.
inline void AddControlImages(TSkinData& skin) {
  skin.ButtonShadowColour = kShadow;
  skin.ButtonDkShadowColour = kDarkShadow;

  const COLORREF progress[3] = {0, kProgressEmpty, kProgressFull};
  skin.Progress = std::make_unique<kq::TDataSkinBorder>("Progress");
  skin.Progress->Bitmap = Strip(2, 10, 10, progress);
  skin.Progress->FrameCount = 2;
  skin.Progress->Trans = 1;

  const COLORREF horz[6] = {0, 0, kThumbHorz, 0, 0, 0};
  skin.TrackbarThumbHorz = std::make_unique<kq::TDataSkinObject>("Trackbar.ThumbHorz");
  skin.TrackbarThumbHorz->Bitmap = Strip(5, 11, 19, horz);
  skin.TrackbarThumbHorz->FrameCount = 5;
  skin.TrackbarThumbHorz->Trans = 1;

  for (auto* slot : {&skin.UpDownVert, &skin.UpDownHorz}) {
    *slot = std::make_unique<kq::TDataSkinBorder>("UpDown");
    (*slot)->Bitmap = Strip(8, 12, 12, kUpDown);
    (*slot)->FrameCount = 8;
  }

  // Scroll-bar arrows (a list's bars are drawn only when the skin has them).
  const COLORREF arrows[24] = {0, RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90),
                               RGB(0x70, 0x70, 0x90), RGB(0x70, 0x70, 0x90)};
  skin.Scrollbar = std::make_unique<kq::TDataSkinObject>("Scrollbar");
  skin.Scrollbar->Bitmap = Strip(23, 16, 16, arrows);
  skin.Scrollbar->FrameCount = 23;

  // A composite combo image as the model build makes it: edge and button, magenta middle.
  const int W = kq::kComboCompositeWidth, H = kq::kComboCompositeHeight;
  kq::Bitmap composite(4 * W, H);
  for (int f = 0; f < 4; ++f) {
    FillBox(composite, f * W, 0, (f + 1) * W, H, kComboFrame[f + 1]);
    FillBox(composite, f * W + 2, 2, (f + 1) * W - 21, H - 2, RGB(255, 0, 255));
  }
  skin.ComboButton = std::make_unique<kq::TDataSkinBorder>("ComboButton");
  skin.ComboButton->Bitmap = composite;
  skin.ComboButton->FrameCount = 4;
  skin.ComboButton->Style = 2;
  skin.ComboButton->Margins = kq::Margins{2, 2, 21, 2};
  skin.SunkEdge = std::make_unique<kq::TDataSkinObject>("SunkEdge");
  skin.SunkEdge->Bitmap = composite;
  kq::MirrorBitmap(skin.SunkEdge->Bitmap);
  skin.SunkEdge->FrameCount = 4;
  skin.SunkEdge->Margins = kq::Margins{21, 2, 2, 2};
}

// A form with the test skin's form skinner attached (controls only).
class EditsTest : public skintest::SkinnedFormTest {
 protected:
  EditsTest() : SkinnedFormTest(RECT{120, 120, 460, 320}, L"编辑") {}
  void AddImages(TSkinData& skin) override { AddControlImages(skin); }

  static COLORREF WindowPixel(HWND wnd, int x, int y) {
    HDC dc = GetWindowDC(wnd);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return c;
  }
  static SIZE WindowSize(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
};

}  // namespace edittest

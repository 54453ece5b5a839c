// A skin made in code for the control-skinner tests: the button image has five frames whose
// insides have colours of their own, so a pixel read back from a real window tells which frame
// a skinner drew. Frame k (from 1) is a 20 x 20 square: a 3-pixel border of kBorder around
// kFrameInside[k].
#pragma once

#include <windows.h>

#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/forms.h"
#include "ui/stdctrls.h"

namespace skintest {

inline constexpr COLORREF kFrameInside[6] = {0,
                                             RGB(0x30, 0x70, 0xC0),   // 1 normal
                                             RGB(0xC0, 0x30, 0x30),   // 2 pressed
                                             RGB(0x90, 0x90, 0x90),   // 3 disabled
                                             RGB(0x30, 0xB0, 0x30),   // 4 hot / focused
                                             RGB(0xD0, 0xB0, 0x20)};  // 5 default
inline constexpr COLORREF kBorder = RGB(0x20, 0x20, 0x40);
inline constexpr COLORREF kFace = RGB(0xE8, 0xE4, 0xD8);
inline constexpr int kCell = 20;

inline void FillBox(kq::Bitmap& b, int x0, int y0, int x1, int y1, COLORREF c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      std::uint8_t* p = b.Row(y) + x * 3;
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
}

// Fills `skin` with the test look: the button strip, face and text colours.
inline void MakeTestSkin(TSkinData& skin) {
  kq::Bitmap strip(5 * kCell, kCell);
  for (int f = 0; f < 5; ++f) {
    FillBox(strip, f * kCell, 0, (f + 1) * kCell, kCell, kBorder);
    FillBox(strip, f * kCell + 3, 3, (f + 1) * kCell - 3, kCell - 3, kFrameInside[f + 1]);
  }
  skin.Buttons.Bitmap = strip;
  skin.Buttons.FrameCount = 5;
  skin.Buttons.Margins = kq::Margins{3, 3, 3, 3};
  skin.Buttons.Trans = 0;
  skin.Buttons.Tile = 0;
  skin.ButtonFaceColour = kFace;
  skin.ButtonTextColour = RGB(0, 0, 0);
  skin.SkinControls = kq::skin::TSkinControls(kq::skin::kDefaultSkinControls.Bits());
  // Controls only: the frame of the test windows stays the system's.
  skin.SkinControls.Exclude(xcMainMenu);
  skin.NotLoaded = false;
}

// The frame (1..5) whose inside colour this is, else 0.
inline int FrameOfColour(COLORREF c) {
  for (int f = 1; f <= 5; ++f)
    if (kFrameInside[f] == c) return f;
  return 0;
}

inline COLORREF PixelOf(HWND wnd, int x, int y) {
  HDC dc = GetDC(wnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(wnd, dc);
  return c;
}

// The frame shown by a skinned button: the inside colour just within its top-left corner.
inline int FrameShown(HWND button) {
  UpdateWindow(button);
  return FrameOfColour(PixelOf(button, 4, 4));
}

// An edit that takes the focus when the form is activated (it is created first), so that the
// buttons under test show no focus unless a test gives it to them. Tagged with the skin's
// DisableTag, so it stays out of the skinner lists the tests count.
inline TWinControl* AddFocusHolder(TForm* form) {
  auto* e = new TEdit(form);
  e->Tag = 99;
  e->SetParent(form);
  e->SetBounds(4, 200, 60, 21);
  return e;
}

// A form skinner that skins the controls of `form` (no frame), with the test skin, as the
// skin manager would attach it.
struct SkinnedForm {
  TSkinData* skin = nullptr;
  TWinSkinForm* skinner = nullptr;
};

inline SkinnedForm AttachTestSkinner(TForm* form) {
  SkinnedForm s;
  s.skin = new TSkinData(form);
  MakeTestSkin(*s.skin);
  s.skinner = new TWinSkinForm(form);
  s.skinner->SetWindow(form->Handle());
  s.skinner->AttachToForm(s.skin, form);
  return s;
}

}  // namespace skintest

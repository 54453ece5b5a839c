// Check, radio, status-bar and size-grip images for the container and check skinner tests:
// every frame is a plain square of a colour of its own (frame k: kCellColour(k)), so a pixel
// read back from a real window tells which frame a skinner drew. The top-left pixel of each
// check and radio cell is magenta, the transparent colour: it must show what lies under it.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "skin/engine/skin_data.h"
#include "ui/text.h"
#include "win/skin_controls/default_skin.h"
#include "win/skin_controls/test_skin.h"
#include "win/ui/ui_test_util.h"

namespace skintest {

inline constexpr int kCheckCell = 13;

// A colour per frame, 1..12; none of them is the face colour, magenta or gray.
inline COLORREF CellColour(int frame) {
  return RGB(0x10 + frame * 0x11, 0x60 + (frame % 3) * 0x30, 0xF0 - frame * 0x0F);
}

inline int FrameOfCellColour(COLORREF c, int frames = 12) {
  for (int f = 1; f <= frames; ++f)
    if (CellColour(f) == c) return f;
  return 0;
}

// A strip of `frames` cells of `w` x `h`.
inline kq::Bitmap CellStrip(int frames, int w = kCheckCell, int h = kCheckCell, bool keyedCorner = true) {
  kq::Bitmap strip(w * frames, h);
  for (int f = 0; f < frames; ++f) {
    FillBox(strip, f * w, 0, (f + 1) * w, h, CellColour(f + 1));
    if (keyedCorner) FillBox(strip, f * w, 0, f * w + 1, 1, RGB(255, 0, 255));
  }
  return strip;
}

inline void SetCheckImage(TSkinData& skin, int frames) {
  skin.Buttons.CheckBitmap = CellStrip(frames);
  skin.Buttons.CheckButtonFrame = frames;
}

inline void SetRadioImage(TSkinData& skin, int frames) {
  skin.Buttons.RadioBitmap = CellStrip(frames);
  skin.Buttons.RadioButtonFrame = frames;
}

inline constexpr COLORREF kShadow = RGB(0x50, 0x40, 0x90);
inline constexpr COLORREF kStatusText = RGB(0x00, 0x00, 0xA0);

// The status bar edges (3 frames of 8 x 8, no margins so each frame fills its panel), the
// shadow colour and the size-grip strip ("ExtraImages", 5 frames of 12 x 12, frame 5 with a
// magenta top-left corner).
inline void SetBoxImages(TSkinData& skin) {
  skin.ButtonShadowColour = kShadow;
  skin.StatusBarEdges = std::make_unique<kq::TDataSkinObject>("StatusBarEdges");
  skin.StatusBarEdges->Bitmap = CellStrip(3, 8, 8, false);
  skin.StatusBarEdges->FrameCount = 3;
  skin.StatusBarEdges->NormalColour2 = kStatusText;
  skin.ExtraImages = std::make_unique<kq::TDataSkinObject>("ExtraImages");
  skin.ExtraImages->Bitmap = CellStrip(5, 12, 12, true);
  skin.ExtraImages->FrameCount = 5;
  skin.ExtraImages->Trans = 1;
}

// An in-memory "#32770" dialog template: a caption, the Tahoma 9 font, and items added
// one by one (class by atom: 0x0080 button, 0x0084 scroll bar; or by name).
class DialogTemplate {
 public:
  DialogTemplate(const wchar_t* caption, short cx, short cy, DWORD style) : t_(4096, 0) {
    auto* dt = reinterpret_cast<DLGTEMPLATE*>(t_.data());
    dt->style = style | DS_SETFONT;
    dt->x = 10;
    dt->y = 10;
    dt->cx = cx;
    dt->cy = cy;
    p_ = reinterpret_cast<WORD*>(dt + 1);
    *p_++ = 0;  // menu
    *p_++ = 0;  // class
    Text(caption);
    *p_++ = 9;
    Text(L"Tahoma");
  }
  void Item(WORD atom, const wchar_t* className, DWORD style, short x, short y, short cx, short cy, WORD id,
            const wchar_t* text) {
    p_ = reinterpret_cast<WORD*>((reinterpret_cast<ULONG_PTR>(p_) + 3) & ~ULONG_PTR(3));
    auto* it = reinterpret_cast<DLGITEMTEMPLATE*>(p_);
    it->style = style | WS_CHILD | WS_VISIBLE;
    it->x = x;
    it->y = y;
    it->cx = cx;
    it->cy = cy;
    it->id = id;
    p_ = reinterpret_cast<WORD*>(it + 1);
    if (atom) {
      *p_++ = 0xFFFF;
      *p_++ = atom;
    } else {
      Text(className);
    }
    Text(text);
    *p_++ = 0;
    ++reinterpret_cast<DLGTEMPLATE*>(t_.data())->cdit;
  }
  void Button(DWORD style, short x, short y, short cx, short cy, WORD id, const wchar_t* text) {
    Item(0x0080, nullptr, style, x, y, cx, cy, id, text);
  }
  HWND Create(HWND parent, DLGPROC proc) const {
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t_.data()),
                                      parent, proc, 0);
  }

 private:
  void Text(const wchar_t* s) {
    for (; s && *s; ++s) *p_++ = static_cast<WORD>(*s);
    *p_++ = 0;
  }
  std::vector<WORD> t_;
  WORD* p_;
};

inline INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

}  // namespace skintest

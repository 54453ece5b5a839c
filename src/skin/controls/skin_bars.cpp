#include "skin/controls/skin_bars.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"
#include "skin/draw/transform.h"

using namespace kq::skin;

namespace {

kq::Color ToPixel(COLORREF c) { return kq::MakeColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

bool HasImage(const kq::TDataSkinObject* o) {
  return o && o->Bitmap.Width() > 0 && o->Bitmap.Height() > 0;
}

}  // namespace

// ---- TSkinTrackBar -----------------------------------------------------------------------

const TClassInfo& TSkinTrackBar::StaticClass() {
  static const TClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass());
  return info;
}

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}

bool TSkinTrackBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_NOTIFY:
    case CN_NOTIFY: {
      auto* cd = reinterpret_cast<NMCUSTOMDRAW*>(m.LParam);
      if (!cd || cd->hdr.code != static_cast<UINT>(NM_CUSTOMDRAW)) break;
      if (cd->dwDrawStage == CDDS_PREPAINT) {
        m.Result = CDRF_NOTIFYITEMDRAW;
        return false;
      }
      if (cd->dwDrawStage == CDDS_ITEMPREPAINT) {
        if (cd->dwItemSpec == TBCD_THUMB) {
          try {
            DrawThumb(cd->hdc);
          } catch (...) {
            // A broken skin image leaves the thumb undrawn rather than the control stuck.
          }
          m.Result = CDRF_SKIPDEFAULT;
        } else {
          m.Result = CDRF_DODEFAULT;  // channel and ticks
        }
        return false;
      }
      break;
    }
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  RECT r{};
  SendMessageW(Handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  const bool vertical = GetWindowLongPtrW(Handle, GWL_STYLE) & TBS_VERT;
  const kq::TDataSkinObject* horz = SkinData ? SkinData->TrackbarThumbHorz.get() : nullptr;
  const kq::TDataSkinObject* vert = SkinData ? SkinData->TrackbarThumbVert.get() : nullptr;
  const ThumbImage which = TrackThumbImage(vertical, HasImage(horz), HasImage(vert));
  last_thumb_ = which;
  ++thumbs_drawn_;
  const COLORREF shadow = ColorToRGB(SkinData ? SkinData->ButtonShadowColour : clBtnShadow);
  if (which == ThumbImage::None) {
    const COLORREF oldBrush = SetDCBrushColor(dc, ColorToRGB(FaceColour()));
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, shadow);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, oldBrush);
    return;
  }
  const kq::TDataSkinObject& image = which == ThumbImage::Vertical ? *vert : *horz;
  // Frame 2 of the five stretched over the thumb; magenta stays the control's channel.
  kq::Bitmap px(w, h);
  px.Fill(kq::kTransparentKey);
  kq::DrawSkinFrame(px, kq::Rect{0, 0, w, h}, image.Bitmap, kq::Blend::Opaque, 5, 2);
  TBitmap piece;
  piece.Assign(px);
  TransparentBlt(dc, r.left, r.top, w, h, piece.MemoryDC(), 0, 0, w, h, RGB(255, 0, 255));
}

void TSkinTrackBar::SkinChanged() {
  if (Handle && IsWindowVisible(Handle))
    RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// ---- TSkinProgress -----------------------------------------------------------------------

const TClassInfo& TSkinProgress::StaticClass() {
  static const TClassInfo info("TSkinProgress", &TSkinControl::StaticClass());
  return info;
}

TSkinProgress::TSkinProgress(TComponent* owner) : TSkinControl(owner) {}

bool TSkinProgress::HasProgressImage() const { return SkinData && HasImage(SkinData->Progress.get()); }

bool TSkinProgress::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (!HasProgressImage()) break;
      PaintInPlace(m);
      m.Result = 0;
      return false;
    case WM_ERASEBKGND:
      // The skin paints every pixel; without a skin image the bar erases as it always does.
      if (!HasProgressImage()) break;
      m.Result = 1;
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinProgress::DrawSkin(HDC dc, const RECT& rect) {
  (void)rect;
  if (!HasProgressImage()) return;
  const kq::TDataSkinBorder& object = *SkinData->Progress;
  // The client area: a bar with a border of its own keeps it.
  RECT c{};
  GetClientRect(Handle, &c);
  const int w = c.right, h = c.bottom;
  if (w <= 0 || h <= 0) return;
  const bool vertical = GetWindowLongPtrW(Handle, GWL_STYLE) & PBS_VERTICAL;
  PBRANGE range{};
  SendMessageW(Handle, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  const int position = static_cast<int>(SendMessageW(Handle, PBM_GETPOS, 0, 0));

  // Composed lying down: a vertical bar is turned upright afterwards, filled from the bottom.
  const int length = vertical ? h : w, thickness = vertical ? w : h;
  const int fill = ProgressFill(length, position, range.iLow, range.iHigh);
  last_fill_ = fill;
  kq::Bitmap px(length, thickness);
  px.Fill(ToPixel(ColorToRGB(FaceColour())));
  const kq::Rect all{0, 0, length, thickness};
  const kq::Centre centre = object.Tile == 1 ? kq::Centre::Tile : kq::Centre::Stretch;
  if (object.Style == 1) {
    kq::DrawSkinPiece(px, all, object.Bitmap, kq::Layout::SideBySide, centre, kq::Blend::Keyed, 1, 1,
                      object.Margins);
    const kq::Bitmap& chunk = object.Bitmap2;
    if (chunk.Width() > 0 && chunk.Height() > 0) {
      const kq::Rect strip = ProgressTileStrip(length - std::max(object.Margins.right, 0), thickness,
                                               object.Margins.left, fill, chunk.Height());
      kq::TileBitmapRect(px, strip, chunk, chunk.Bounds());
    }
  } else {
    kq::DrawSkinPiece(px, all, object.Bitmap, kq::Layout::SideBySide, centre, kq::Blend::Keyed, 2, 1,
                      object.Margins);
    if (fill > 0)
      kq::DrawSkinPiece(px, kq::Rect{0, 0, fill, thickness}, object.Bitmap, kq::Layout::SideBySide, centre,
                        kq::Blend::Keyed, 2, 2, object.Margins);
  }
  if (vertical) kq::RotateBitmapLeft(px);
  TBitmap picture;
  picture.Assign(px);
  BitBlt(dc, 0, 0, w, h, picture.MemoryDC(), 0, 0, SRCCOPY);
}

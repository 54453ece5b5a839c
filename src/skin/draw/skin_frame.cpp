#include "skin/draw/skin_frame.h"

#include <algorithm>

#include "skin/draw/blit.h"

namespace kq {

void DrawHorzThreeSlice(Bitmap& canvas, const Rect& rect, const Bitmap& image, Layout layout,
                        Blend blend, int count, int index, const Margins& margins) {
  if (!Drawable(rect)) return;
  const Rect f = FrameRect(image, layout, count, index);
  const int W = rect.Width(), H = rect.Height();
  Bitmap work(W, H);
  if (!f.IsEmpty()) {
    const int ml = std::max(margins.left, 0), mr = std::max(margins.right, 0);
    const int l = std::min(ml, W), r = std::min(mr, W);
    const int fw = f.Width();
    auto columns = [&](int dl, int dr, int sl, int sr) {
      StretchCopyClipped(work, Rect{dl, 0, dr, H}, work.Bounds(), image,
                         Rect{f.left + sl, f.top, f.left + sr, f.bottom}, f, Blend::Opaque);
    };
    if (l > 0) columns(0, l, 0, l);
    const long long m = static_cast<long long>(fw) - ml - mr;
    if (m > 0) {
      for (int x = l; x < W - r; x += static_cast<int>(m))
        columns(x, x + static_cast<int>(m), ml, ml + static_cast<int>(m));
    } else if (l < W - r) {
      const int seam = std::clamp(ml, 1, fw) - 1;
      columns(l, W - r, seam, seam + 1);
    }
    if (r > 0) columns(W - r, W, fw - r, fw);
  }
  CopyPixels(canvas, rect.left, rect.top, work, work.Bounds(), blend);
}

void DrawSkinFrame(Bitmap& dc, const Rect& rect, const Bitmap& image, Blend blend, int count,
                   int index) {
  if (!Drawable(rect)) return;
  const Rect f = FrameRect(image, Layout::SideBySide, count, index);
  StretchCopyClipped(dc, rect, dc.Bounds(), image, f, f, blend);
}

void DrawSkinFrameCentred(Bitmap& dc, const Rect& rect, const Bitmap& image, Blend blend,
                          int count, int index) {
  if (!Drawable(rect)) return;
  const Rect f = FrameRect(image, Layout::SideBySide, count, index);
  if (f.IsEmpty()) return;
  const int x = rect.left + (rect.Width() - f.Width()) / 2;
  const int y = rect.top + (rect.Height() - f.Height()) / 2;
  CopyPixels(dc, x, y, image, f, blend);
}

}  // namespace kq

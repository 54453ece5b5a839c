#include "skin/draw/nine_slice.h"

#include <algorithm>

#include "skin/draw/blit.h"

namespace kq {
namespace {

struct Slices {
  int l, t, r, b;
};

// Negative margins are read as 0; margins that do not fit the target collapse to 0.
Slices Collapse(const Margins& m, int w, int h) {
  Slices s{std::max(m.left, 0), std::max(m.top, 0), std::max(m.right, 0), std::max(m.bottom, 0)};
  if (static_cast<long long>(s.l) + s.r > w) s.l = s.r = 0;
  if (static_cast<long long>(s.t) + s.b > h) s.t = s.b = 0;
  return s;
}

// Draws the nine-slice of frame `f` onto `dst` over `at`, in the order the parts overlap
// when the centre is tiled (its last tiles are covered by the right and bottom parts).
void DrawSlices(Bitmap& dst, const Rect& at, const Bitmap& image, const Rect& f, const Slices& s,
                bool withCentre, Centre centre) {
  const int W = at.Width(), H = at.Height();
  const int x0 = at.left, y0 = at.top;
  const Rect clip = Intersect(at, dst.Bounds());
  auto part = [&](int dl, int dt, int dr, int db, int sl, int st, int sr, int sb) {
    StretchCopyClipped(dst, Rect{x0 + dl, y0 + dt, x0 + dr, y0 + db}, clip, image,
                       Rect{f.left + sl, f.top + st, f.left + sr, f.top + sb}, f, Blend::Opaque);
  };
  const int fw = f.Width(), fh = f.Height();
  const auto [l, t, r, b] = s;
  if (l > 0 && t > 0) part(0, 0, l, t, 0, 0, l, t);
  if (l > 0 && b > 0) part(0, H - b, l, H, 0, fh - b, l, fh);
  if (r > 0 && t > 0) part(W - r, 0, W, t, fw - r, 0, fw, t);
  if (l > 0) part(0, t, l, H - b, 0, t, l, fh - b);
  if (t > 0) part(l, 0, W - r, t, l, 0, fw - r, t);
  if (withCentre) {
    if (centre == Centre::Tile) {
      const Rect source{f.left + l, f.top + t, f.right - r, f.bottom - b};
      if (!source.IsEmpty())
        TileBitmapRect(dst, Intersect(Rect{x0 + l, y0 + t, x0 + W - r, y0 + H - b}, clip), image,
                       source);
    } else {
      part(l, t, W - r, H - b, l, t, fw - r, fh - b);
    }
  }
  if (r > 0 && b > 0) part(W - r, H - b, W, H, fw - r, fh - b, fw, fh);
  if (r > 0) part(W - r, t, W, H - b, fw - r, t, fw, fh - b);
  if (b > 0) part(l, H - b, W - r, H, l, fh - b, fw - r, fh);
}

}  // namespace

Bitmap RenderNineSlice(const Rect& target, const Bitmap& image, const Margins& margins,
                       Layout layout, Centre centre, int count, int index) {
  if (!Drawable(target)) return Bitmap();
  Bitmap out(target.Width(), target.Height());
  const Rect f = FrameRect(image, layout, count, index);
  if (f.IsEmpty()) return out;
  DrawSlices(out, out.Bounds(), image, f, Collapse(margins, out.Width(), out.Height()), true,
             centre);
  return out;
}

void DrawSkinPiece(Bitmap& dc, const Rect& rect, const Bitmap& image, Layout layout,
                   Centre centre, Blend blend, int count, int index, const Margins& margins) {
  if (!Drawable(rect)) return;
  const Bitmap piece = RenderNineSlice(rect, image, margins, layout, centre, count, index);
  CopyPixels(dc, rect.left, rect.top, piece, piece.Bounds(), blend);
}

void DrawNineSliceBorder(Bitmap& dc, const Rect& rect, const Bitmap& image, Layout layout,
                         int count, int index, const Margins& margins) {
  if (!Drawable(rect)) return;
  const Rect f = FrameRect(image, layout, count, index);
  if (f.IsEmpty()) return;
  DrawSlices(dc, rect, image, f, Collapse(margins, rect.Width(), rect.Height()), false,
             Centre::Stretch);
}

}  // namespace kq

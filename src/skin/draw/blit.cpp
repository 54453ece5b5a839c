#include "skin/draw/blit.h"

#include <algorithm>
#include <cstring>

namespace kq {
namespace {

using i64 = long long;

// Rectangles this large cannot come from a window or an image; refusing them keeps the
// stretch arithmetic inside 64 bits.
constexpr i64 kMaxSpan = i64{1} << 30;

i64 Span(int lo, int hi) { return static_cast<i64>(hi) - lo; }

i64 FloorDiv(i64 a, i64 b) {  // b > 0
  const i64 q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Source offset for destination offset i (see blit.h); src, dst > 0, 0 <= i < dst.
i64 SourceOffset(i64 i, i64 src, i64 dst, Axis axis) {
  if (axis == Axis::Horizontal && dst == 1 && src > 1) --src;
  if (dst >= src) return FloorDiv((2 * i + 1) * src - 1, 2 * dst);
  if (axis == Axis::Horizontal) return FloorDiv(2 * src * (i + 1) - dst, 2 * dst);
  return FloorDiv(2 * src * i - dst, 2 * dst) + 1;
}

bool IsKey(const std::uint8_t* p, const std::uint8_t key[3]) {
  return p[0] == key[0] && p[1] == key[1] && p[2] == key[2];
}

}  // namespace

bool Drawable(const Rect& r) {
  const i64 w = Span(r.left, r.right), h = Span(r.top, r.bottom);
  return w > 0 && h > 0 && w < kMaxSpan && h < kMaxSpan;
}

Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return r.IsEmpty() ? Rect{} : r;
}

std::vector<int> StretchMap(int src, int dst, Axis axis) {
  std::vector<int> map;
  if (src <= 0 || dst <= 0) return map;
  map.resize(dst);
  for (int i = 0; i < dst; ++i) map[i] = static_cast<int>(SourceOffset(i, src, dst, axis));
  return map;
}

void StretchCopyClipped(Bitmap& dst, const Rect& dstRect, const Rect& dstClip, const Bitmap& src,
                        const Rect& srcRect, const Rect& srcClip, Blend blend, Color key) {
  if (!Drawable(dstRect) || !Drawable(srcRect)) return;
  const Rect dc = Intersect(Intersect(dstClip, dst.Bounds()), dstRect);
  const Rect sc = Intersect(srcClip, src.Bounds());
  if (dc.IsEmpty() || sc.IsEmpty()) return;
  const std::uint8_t keyBytes[3] = {static_cast<std::uint8_t>(ColorB(key)),
                                    static_cast<std::uint8_t>(ColorG(key)),
                                    static_cast<std::uint8_t>(ColorR(key))};
  const bool keyed = blend == Blend::Keyed;
  const i64 sw = Span(srcRect.left, srcRect.right), sh = Span(srcRect.top, srcRect.bottom);
  const i64 dw = Span(dstRect.left, dstRect.right), dh = Span(dstRect.top, dstRect.bottom);

  // Source column (as a byte offset into its row) of every visible destination column;
  // -1 where that source column is clipped away.
  std::vector<int> cols(static_cast<std::size_t>(dc.Width()));
  bool allIn = true;
  for (int x = dc.left; x < dc.right; ++x) {
    const i64 sx = srcRect.left + SourceOffset(x - static_cast<i64>(dstRect.left), sw, dw, Axis::Horizontal);
    const bool in = sx >= sc.left && sx < sc.right;
    cols[x - dc.left] = in ? static_cast<int>(sx) * 3 : -1;
    if (!in) allIn = false;
  }
  const bool contiguous = !keyed && sw == dw && allIn;
  // A fully written opaque row that comes from the same source row as the row above is a
  // copy of it.
  const bool rowsRepeat = !keyed && allIn && &dst != &src;
  i64 lastSy = -1;
  const std::uint8_t* lastRow = nullptr;
  for (int y = dc.top; y < dc.bottom; ++y) {
    const i64 sy = srcRect.top + SourceOffset(y - static_cast<i64>(dstRect.top), sh, dh, Axis::Vertical);
    if (sy < sc.top || sy >= sc.bottom) continue;
    const std::uint8_t* s = src.Row(static_cast<int>(sy));
    std::uint8_t* d = dst.Row(y) + dc.left * 3;
    if (rowsRepeat && sy == lastSy) {
      std::memcpy(d, lastRow, cols.size() * 3);
      lastRow = d;
      continue;
    }
    lastSy = sy;
    lastRow = d;
    if (contiguous) {
      std::memmove(d, s + cols[0], cols.size() * 3);
      continue;
    }
    for (std::size_t i = 0; i < cols.size(); ++i, d += 3) {
      if (cols[i] < 0) continue;
      const std::uint8_t* p = s + cols[i];
      if (keyed && IsKey(p, keyBytes)) continue;
      d[0] = p[0];
      d[1] = p[1];
      d[2] = p[2];
    }
  }
}

void StretchCopy(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                 Blend blend) {
  StretchCopyClipped(dst, dstRect, dst.Bounds(), src, srcRect, src.Bounds(), blend);
}

void CopyPixels(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect, Blend blend,
                Color key) {
  if (!Drawable(srcRect)) return;
  const i64 right = static_cast<i64>(x) + srcRect.Width(), bottom = static_cast<i64>(y) + srcRect.Height();
  if (right > INT32_MAX || bottom > INT32_MAX) return;
  StretchCopyClipped(dst, Rect{x, y, static_cast<int>(right), static_cast<int>(bottom)}, dst.Bounds(),
                     src, srcRect, src.Bounds(), blend, key);
}

void DrawTransparent(Bitmap& dc, const Rect& rect, const Bitmap& image, Color key) {
  if (!Drawable(rect)) return;
  CopyPixels(dc, rect.left, rect.top, image, Rect{0, 0, rect.Width(), rect.Height()}, Blend::Keyed,
             key);
}

void TileBitmapRect(Bitmap& canvas, const Rect& target, const Bitmap& image, const Rect& source) {
  if (!Drawable(target) || !Drawable(source)) return;
  const Rect clip = Intersect(target, canvas.Bounds());
  if (clip.IsEmpty()) return;
  const int sw = source.Width(), sh = source.Height();
  if (Intersect(source, image.Bounds()) == source) {
    // Each visible row is its tile row repeated, starting at the right phase.
    for (int y = clip.top; y < clip.bottom; ++y) {
      const int sy = source.top + static_cast<int>((static_cast<i64>(y) - target.top) % sh);
      const std::uint8_t* tileRow = image.Row(sy) + source.left * 3;
      std::uint8_t* d = canvas.Row(y);
      int off = static_cast<int>((static_cast<i64>(clip.left) - target.left) % sw);
      for (int x = clip.left; x < clip.right;) {
        const int n = std::min(sw - off, clip.right - x);
        std::memcpy(d + x * 3, tileRow + off * 3, static_cast<std::size_t>(n) * 3);
        x += n;
        off = 0;
      }
    }
    return;
  }
  // A source part reaching past the image: tile by tile, so what lies outside the image
  // leaves the canvas as it is. Start at the first tile that reaches the visible part.
  const i64 x0 = target.left + (static_cast<i64>(clip.left) - target.left) / sw * sw;
  const i64 y0 = target.top + (static_cast<i64>(clip.top) - target.top) / sh * sh;
  for (i64 y = y0; y < clip.bottom; y += sh) {
    for (i64 x = x0; x < clip.right; x += sw) {
      const Rect tile{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + sw),
                      static_cast<int>(y + sh)};
      StretchCopyClipped(canvas, tile, clip, image, source, image.Bounds(), Blend::Opaque);
    }
  }
}

void FillRect(Bitmap& dst, const Rect& rect, Color color) {
  const Rect r = Intersect(rect, dst.Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    std::uint8_t* d = dst.Row(y) + r.left * 3;
    for (int x = r.left; x < r.right; ++x, d += 3) {
      d[0] = static_cast<std::uint8_t>(ColorB(color));
      d[1] = static_cast<std::uint8_t>(ColorG(color));
      d[2] = static_cast<std::uint8_t>(ColorR(color));
    }
  }
}

}  // namespace kq

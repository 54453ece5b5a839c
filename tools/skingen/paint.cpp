#include "skingen/paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/draw/blit.h"

namespace kq::skingen {

Color Mix(Color a, Color b, double t) {
  auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return MakeColor(ch(ColorR(a), ColorR(b)), ch(ColorG(a), ColorG(b)), ch(ColorB(a), ColorB(b)));
}

void Fill(Bitmap& b, const Rect& r, Color c) { FillRect(b, r, c); }
void HLine(Bitmap& b, int x0, int x1, int y, Color c) { FillRect(b, Rect{x0, y, x1, y + 1}, c); }
void VLine(Bitmap& b, int x, int y0, int y1, Color c) { FillRect(b, Rect{x, y0, x + 1, y1}, c); }

void VGradient(Bitmap& b, const Rect& r, Color top, Color bottom) {
  const int h = r.Height();
  for (int y = 0; y < h; ++y)
    HLine(b, r.left, r.right, r.top + y, Mix(top, bottom, h > 1 ? static_cast<double>(y) / (h - 1) : 0));
}

void PaintShape(Bitmap& b, const Rect& r, std::span<const int> cut, unsigned corners,
                const std::function<Color(const Pixel&)>& paint, bool keyOutside) {
  const int w = r.Width(), h = r.Height();
  const int n = static_cast<int>(cut.size());
  // How far the corner on the given side cuts into the row `row` rows from its edge.
  auto cutAt = [&](int row, unsigned corner) {
    return (corners & corner) && row < n ? cut[static_cast<std::size_t>(row)] : 0;
  };
  PaintMask(
      b, r,
      [&](int x, int y) {
        const int fromTop = y, fromBottom = h - 1 - y;
        const int left = std::max(cutAt(fromTop, kTopLeft), cutAt(fromBottom, kBottomLeft));
        const int right = std::max(cutAt(fromTop, kTopRight), cutAt(fromBottom, kBottomRight));
        return x >= left && x < w - right;
      },
      paint, keyOutside);
}

void PaintMask(Bitmap& b, const Rect& r, const std::function<bool(int x, int y)>& insideFn,
               const std::function<Color(const Pixel&)>& paint, bool keyOutside) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && insideFn(x, y); };
  std::vector<int> ring(static_cast<std::size_t>(w) * h, -1);
  auto at = [&](int x, int y) -> int& { return ring[static_cast<std::size_t>(y) * w + x]; };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!inside(x, y)) continue;
      const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      at(x, y) = rim ? 0 : 2;
    }
  // Ring 1: interior pixels touching the rim, diagonals included.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (at(x, y) != 2) continue;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
          if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h && at(x + dx, y + dy) == 0) at(x, y) = 1;
    }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int k = at(x, y);
      if (k < 0) {
        if (keyOutside) b.SetPixel(r.left + x, r.top + y, kTransparentKey);
      } else {
        b.SetPixel(r.left + x, r.top + y, paint(Pixel{x, y, k, w, h}));
      }
    }
}

void Glyph(Bitmap& b, int x, int y, std::initializer_list<std::string_view> rows, Color c) {
  int dy = 0;
  for (std::string_view row : rows) {
    for (int dx = 0; dx < static_cast<int>(row.size()); ++dx)
      if (row[static_cast<std::size_t>(dx)] == '#') b.SetPixel(x + dx, y + dy, c);
    ++dy;
  }
}

void GlyphCentred(Bitmap& b, const Rect& r, std::initializer_list<std::string_view> rows, Color c) {
  const int h = static_cast<int>(rows.size());
  const int w = h ? static_cast<int>(rows.begin()->size()) : 0;
  Glyph(b, r.left + (r.Width() - w) / 2, r.top + (r.Height() - h) / 2, rows, c);
}

}  // namespace kq::skingen

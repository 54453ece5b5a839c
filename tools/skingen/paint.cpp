#include "skingen/paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "skin/draw/blit.h"

namespace kq::skingen {

int Scale::operator()(int v) const {
  const long long n = static_cast<long long>(v) * dpi;
  return static_cast<int>(n >= 0 ? (n + 48) / 96 : -((-n + 48) / 96));
}

int Scale::Line() const { return std::max(1, (*this)(1)); }

namespace {

// A corner table drawn at a scale: the cut of each scaled row is read off the straight
// lines between the unscaled rows' cuts (ending at 0 past the last row), then scaled.
std::vector<int> ScaledCut(const Scale& s, std::span<const int> cut) {
  const int n = static_cast<int>(cut.size());
  if (s.dpi == 96) return std::vector<int>(cut.begin(), cut.end());
  auto at = [&](int i) { return i < 0 ? cut[0] : i < n ? cut[static_cast<std::size_t>(i)] : 0; };
  std::vector<int> out(static_cast<std::size_t>(s(n)));
  for (std::size_t j = 0; j < out.size(); ++j) {
    const double y = std::max(0.0, (static_cast<double>(j) + 0.5) * 96.0 / s.dpi - 0.5);
    const int i = static_cast<int>(y);
    const double v = at(i) + (at(i + 1) - at(i)) * (y - i);
    out[j] = static_cast<int>(std::lround(v * s.dpi / 96.0));
  }
  return out;
}

}  // namespace

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

void PaintShape(const Scale& s, Bitmap& b, const Rect& r, std::span<const int> unscaledCut, unsigned corners,
                const std::function<Color(const Pixel&)>& paint, bool keyOutside) {
  const int w = r.Width(), h = r.Height();
  const std::vector<int> cut = ScaledCut(s, unscaledCut);
  const int n = static_cast<int>(cut.size());
  // How far the corner on the given side cuts into the row `row` rows from its edge.
  auto cutAt = [&](int row, unsigned corner) {
    return (corners & corner) && row < n ? cut[static_cast<std::size_t>(row)] : 0;
  };
  PaintMask(
      s, b, r,
      [&](int x, int y) {
        const int fromTop = y, fromBottom = h - 1 - y;
        const int left = std::max(cutAt(fromTop, kTopLeft), cutAt(fromBottom, kBottomLeft));
        const int right = std::max(cutAt(fromTop, kTopRight), cutAt(fromBottom, kBottomRight));
        return x >= left && x < w - right;
      },
      paint, keyOutside);
}

void PaintMask(const Scale& s, Bitmap& b, const Rect& r, const std::function<bool(int x, int y)>& insideFn,
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
  // Peels one layer off the interior: the pixels (still marked 2) next to a pixel marked
  // `from` become `to`; 4-neighbours only, or diagonals too.
  const int line = s.Line();
  auto peel = [&](int from, int to, bool diagonals) {
    std::vector<int> next = ring;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (at(x, y) != 2) continue;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            if (!diagonals && dx != 0 && dy != 0) continue;
            if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h && at(x + dx, y + dy) == from)
              next[static_cast<std::size_t>(y) * w + x] = to;
          }
      }
    ring.swap(next);
  };
  // A thicker rim at a scale: more layers of ring 0 (marked 3 while peeling).
  for (int k = 1; k < line; ++k) {
    for (int& v : ring) if (v == 0) v = 3;
    peel(3, 0, false);
    for (int& v : ring) if (v == 3) v = 0;
  }
  // Ring 1: interior pixels touching the rim, diagonals included; as deep as the rim.
  peel(0, 1, true);
  for (int k = 1; k < line; ++k) {
    for (int& v : ring) if (v == 1) v = 4;
    peel(4, 1, true);
    for (int& v : ring) if (v == 4) v = 1;
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

void Glyph(const Scale& s, Bitmap& b, int x, int y, std::initializer_list<std::string_view> rows, Color c) {
  const int line = s.Line();
  int dy = 0;
  for (std::string_view row : rows) {
    for (int dx = 0; dx < static_cast<int>(row.size()); ++dx)
      if (row[static_cast<std::size_t>(dx)] == '#') {
        const int px = x + s(dx), py = y + s(dy);
        FillRect(b, Rect{px, py, px + line, py + line}, c);
      }
    ++dy;
  }
}

void GlyphCentred(const Scale& s, Bitmap& b, const Rect& r, std::initializer_list<std::string_view> rows, Color c) {
  const int h = static_cast<int>(rows.size());
  const int w = h ? static_cast<int>(rows.begin()->size()) : 0;
  // The glyph's size as drawn: its last pixel's scaled place plus one block.
  const int gw = w ? s(w - 1) + s.Line() : 0, gh = h ? s(h - 1) + s.Line() : 0;
  Glyph(s, b, r.left + (r.Width() - gw) / 2, r.top + (r.Height() - gh) / 2, rows, c);
}

}  // namespace kq::skingen

// Small drawing vocabulary of the skin generator: flat fills, lines, rounded shapes with a
// 1-pixel rim, glyphs written as text. Everything lands on exact pixels (no smoothing), so
// the skin stays crisp when it is cut into frames and slices.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>

#include "base/bitmap.h"

namespace kq::skingen {

// The scale a picture is drawn at. Every length is designed at 96 dpi and drawn at
// v * dpi / 96, rounded half away from zero (as MulDiv rounds); a line one pixel wide at
// 96 dpi is Line() pixels wide.
struct Scale {
  int dpi = 96;
  int operator()(int v) const;
  int Line() const;
};
inline constexpr Scale k96Dpi{96};

// 0xRRGGBB as written in colour pickers.
constexpr Color Hex(unsigned rgb) { return MakeColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
// The colour t (0..1) of the way from a to b, rounded.
Color Mix(Color a, Color b, double t);

void Fill(Bitmap& b, const Rect& r, Color c);
void HLine(Bitmap& b, int x0, int x1, int y, Color c);  // x0 .. x1 - 1
void VLine(Bitmap& b, int x, int y0, int y1, Color c);  // y0 .. y1 - 1
// A vertical gradient from `top` (first row) to `bottom` (last row).
void VGradient(Bitmap& b, const Rect& r, Color top, Color bottom);

// How many pixels each row of a corner cuts off, outermost row first.
inline constexpr int kCorner1[] = {1};
inline constexpr int kCorner2[] = {2, 1};
inline constexpr int kCorner3[] = {3, 1, 1};
inline constexpr int kCorner5[] = {5, 3, 2, 1, 1};

enum Corners : unsigned { kTopLeft = 1, kTopRight = 2, kBottomLeft = 4, kBottomRight = 8,
                          kTop = 3, kBottom = 12, kAll = 15 };

// The pixels of a rectangle with cut corners: ring 0 is the rim (inside pixels with an
// outside 4-neighbour), ring 1 the pixels just within it, ring 2 the rest; at a scale the
// rim and ring 1 are s.Line() pixels deep and the corner tables are scaled. `paint` gives
// each inside pixel its colour; outside pixels become magenta when `keyOutside`.
struct Pixel {
  int x, y;   // relative to the shape's top-left corner
  int ring;   // 0 rim, 1 just inside, 2 interior
  int w, h;   // size of the shape
};
void PaintShape(const Scale& s, Bitmap& b, const Rect& r, std::span<const int> cut, unsigned corners,
                const std::function<Color(const Pixel&)>& paint, bool keyOutside = true);
// The same for any shape: `inside` says which pixels of the rectangle belong to it.
void PaintMask(const Scale& s, Bitmap& b, const Rect& r, const std::function<bool(int x, int y)>& inside,
               const std::function<Color(const Pixel&)>& paint, bool keyOutside = true);

// Draws '#' pixels of `rows` at (x, y) in `c`; any other character leaves the pixel. At a
// scale each '#' becomes a block s.Line() pixels square at its scaled place, so strokes keep
// one even width.
void Glyph(const Scale& s, Bitmap& b, int x, int y, std::initializer_list<std::string_view> rows, Color c);
// The same glyph centred in `r`.
void GlyphCentred(const Scale& s, Bitmap& b, const Rect& r, std::initializer_list<std::string_view> rows, Color c);

}  // namespace kq::skingen

// Buttons, check and radio cells, scroll bars, progress, tabs, combo box, up-down, track bar.
#include <cstdlib>

#include "skin/draw/transform.h"
#include "skingen/art.h"
#include "skingen/palette.h"

namespace kq::skingen {
namespace {

Rect Cell(int index, int w, int h) { return Rect{index * w, 0, (index + 1) * w, h}; }

// A strip of `count` frames side by side, each drawn by `draw(bitmap, rect, index)`.
template <typename Draw>
Bitmap Strip(int count, int w, int h, Draw draw) {
  Bitmap b(count * w, h);
  b.Fill(kTransparentKey);
  for (int i = 0; i < count; ++i) draw(b, Cell(i, w, h), i);
  return b;
}

struct Face {
  Color rim, top, bottom;
  Color inner = 0;  // ring just inside the rim (0: none)
  Color rimBottom = 0;  // darker last rim row (0: same as rim)
};

void PaintFace(Bitmap& b, const Rect& r, std::span<const int> cut, unsigned corners, const Face& f) {
  PaintShape(b, r, cut, corners, [&](const Pixel& p) {
    if (p.ring == 0) return (p.y == p.h - 1 && f.rimBottom) ? f.rimBottom : f.rim;
    if (p.ring == 1 && f.inner) return f.inner;
    return Mix(f.top, f.bottom, p.h > 2 ? (p.y - 1) / static_cast<double>(p.h - 3) : 0);
  });
}

}  // namespace

// 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default button.
Bitmap PushButton() {
  return Strip(5, 22, 22, [](Bitmap& b, const Rect& r, int i) {
    switch (i) {
      case 0: PaintFace(b, r, kCorner2, kAll, {pal::kBorder, pal::kWhite, Hex(0xF1F3F6), 0, pal::kBorderDark}); break;
      case 1: PaintFace(b, r, kCorner2, kAll, {pal::kPressBorder, pal::kPressFill, Hex(0xD9E7F5)}); break;
      case 2: PaintFace(b, r, kCorner2, kAll, {pal::kDisabledBorder, pal::kDisabledFill, pal::kDisabledFill}); break;
      case 3: PaintFace(b, r, kCorner2, kAll, {pal::kAccentHot, pal::kWhite, Hex(0xE8F1FB)}); break;
      default: PaintFace(b, r, kCorner2, kAll, {pal::kAccent, pal::kWhite, Hex(0xF1F3F6), Hex(0xA9C8E8)}); break;
    }
  });
}

// 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled (or grayed).
Bitmap CheckStrip() {
  return Strip(4, 13, 13, [](Bitmap& b, const Rect& r, int i) {
    const bool checked = i == 1 || i == 3, disabled = i >= 2;
    const Color rim = checked ? (disabled ? Hex(0xB7C1CC) : pal::kAccent) : (disabled ? pal::kDisabledBorder : pal::kBorderDark);
    const Color fill = checked ? rim : (disabled ? pal::kDisabledFill : pal::kWhite);
    PaintShape(b, r, kCorner1, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
    if (checked)
      Glyph(b, r.left + 2, r.top + 3, {"........#", ".......##", "#.....##.", "##...##..", ".##.##...", "..###....", "...#....."},
            pal::kWhite);
  });
}

// 1 off, 2 on, 3 off disabled, 4 on disabled.
Bitmap RadioStrip() {
  static constexpr int kCircle[] = {4, 2, 1, 1};
  static constexpr int kDot[] = {1};
  return Strip(4, 13, 13, [](Bitmap& b, const Rect& r, int i) {
    const bool on = i == 1 || i == 3, disabled = i >= 2;
    const Color rim = disabled ? (on ? Hex(0xB7C1CC) : pal::kDisabledBorder) : (on ? pal::kAccent : pal::kBorderDark);
    const Color fill = disabled ? pal::kDisabledFill : pal::kWhite;
    PaintShape(b, r, kCircle, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
    if (on) PaintShape(b, Rect{r.left + 4, r.top + 4, r.left + 9, r.top + 9}, kDot, kAll, [&](const Pixel&) { return rim; }, false);
  });
}

// 23 frames of 17 x 17: left, right, up, down arrows, each normal, pressed, hot, disabled;
// then seven plain faces (the size box and spares).
Bitmap ScrollArrows() {
  return Strip(23, 17, 17, [](Bitmap& b, const Rect& r, int i) {
    if (i >= 16) {
      Fill(b, r, pal::kFace);
      return;
    }
    const int dir = i / 4, state = i % 4;
    const Color fill = state == 1 ? Hex(0xC3CCD6) : state == 2 ? Hex(0xDCE1E7) : pal::kTrack;
    const Color glyph = state == 3 ? pal::kGlyphDisabled : state == 0 ? pal::kGlyph : pal::kText;
    Fill(b, r, fill);
    switch (dir) {
      case 0: GlyphCentred(b, r, {"...#", "..##", ".###", "####", ".###", "..##", "...#"}, glyph); break;
      case 1: GlyphCentred(b, r, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}, glyph); break;
      case 2: GlyphCentred(b, r, {"...#...", "..###..", ".#####.", "#######"}, glyph); break;
      default: GlyphCentred(b, r, {"#######", ".#####.", "..###..", "...#..."}, glyph); break;
    }
  });
}

// 1 enabled, 2 pressed, 3 disabled, 4 hot.
Bitmap ScrollTrack(bool vertical) {
  Bitmap b = Strip(4, 16, 17, [](Bitmap& b, const Rect& r, int i) {
    Fill(b, r, i == 2 ? pal::kTrackDisabled : i == 1 ? Hex(0xDFE3E8) : pal::kTrack);
  });
  if (!vertical) return b;
  // Same frames turned upright, still side by side.
  Bitmap v(4 * 17, 16);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 17; ++x) v.SetPixel(f * 17 + x, y, b.Pixel(f * 16 + y, x));
  return v;
}

// 1 normal, 2 dragged, 3 hot: a rounded bar across the middle of the track.
Bitmap ScrollThumb(bool vertical) {
  const int len = 24, thick = 17;
  const int w = vertical ? thick : len, h = vertical ? len : thick;
  return Strip(3, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const Color c = i == 0 ? pal::kThumb : i == 1 ? pal::kThumbDrag : pal::kThumbHot;
    const Rect bar = vertical ? Rect{r.left + 4, r.top + 1, r.right - 4, r.bottom - 1}
                              : Rect{r.left + 1, r.top + 4, r.right - 1, r.bottom - 4};
    PaintShape(b, bar, kCorner2, kAll, [&](const Pixel&) { return c; });
  });
}

// 1 the trough, 2 the filled part.
Bitmap ProgressBar() {
  return Strip(2, 20, 14, [](Bitmap& b, const Rect& r, int i) {
    if (i == 0)
      PaintFace(b, r, kCorner1, kAll, {pal::kBorder, Hex(0xF7F8FA), Hex(0xF7F8FA)});
    else
      PaintFace(b, r, kCorner1, kAll, {pal::kAccentDark, pal::kAccentLight, pal::kAccent, Hex(0x6FA1D6)});
  });
}

Bitmap ProgressChunk() {
  Bitmap b(8, 10);
  b.Fill(kTransparentKey);
  VGradient(b, Rect{0, 0, 7, 10}, pal::kAccentLight, pal::kAccent);
  return b;
}

// 1 normal, 2 pressed or selected, 3 disabled, 4 hot, 5 selected: rounded at the top, open
// at the bottom when selected so the tab joins its page.
Bitmap TabFaces() {
  return Strip(5, 24, 22, [](Bitmap& b, const Rect& r, int i) {
    const bool selected = i == 1 || i == 4;
    const Color rim = i == 2 ? pal::kDisabledBorder : pal::kBorder;
    const Color fill = selected ? pal::kWhite : i == 2 ? pal::kDisabledFill : i == 3 ? Hex(0xF6F9FC) : Hex(0xE8ECF1);
    PaintShape(b, r, kCorner2, kTop, [&](const Pixel& p) {
      if (p.ring == 0 && !(selected && p.y == p.h - 1 && p.x > 0 && p.x < p.w - 1)) return rim;
      if (selected && p.y >= 1 && p.y <= 2 && p.x >= 1 && p.x < p.w - 1) return pal::kAccent;
      if (i == 3 && p.y == 1 && p.x >= 1 && p.x < p.w - 1) return pal::kAccentLight;
      return fill;
    });
  });
}

Bitmap TabBorder() {
  Bitmap b(12, 12);
  PaintShape(b, b.Bounds(), kCorner1, 0, [](const Pixel& p) { return p.ring == 0 ? pal::kBorder : pal::kWhite; });
  return b;
}

// The button part of a combo box, 1 normal, 2 pressed, 3 disabled, 4 hot. Its outer rim is
// transparent: the sunken edge under it shows through.
Bitmap ComboButtonFaces() {
  return Strip(4, 19, 21, [](Bitmap& b, const Rect& r, int i) {
    const Color fill = i == 1 ? pal::kPressFill : i == 2 ? pal::kDisabledFill : i == 3 ? pal::kHotFill : pal::kWhite;
    Fill(b, Rect{r.left, r.top + 1, r.right - 1, r.bottom - 1}, fill);
    VLine(b, r.left, r.top + 1, r.bottom - 1, i == 0 || i == 2 ? pal::kLine : pal::kHotBorder);
  });
}

// Edit frame: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
Bitmap SunkEdge() {
  return Strip(4, 12, 12, [](Bitmap& b, const Rect& r, int i) {
    const Color rim = i == 2 ? pal::kDisabledBorder : i == 0 ? pal::kBorder : pal::kAccentHot;
    const Color fill = i == 2 ? pal::kDisabledFill : pal::kWhite;
    PaintShape(b, r, kCorner1, 0, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
  });
}

// Drop-down arrows (1 normal, 2 pressed, 3 disabled, 4 hot) and the size grip (5).
Bitmap ExtraGlyphs() {
  return Strip(5, 13, 13, [](Bitmap& b, const Rect& r, int i) {
    if (i < 4) {
      const Color c = i == 2 ? pal::kGlyphDisabled : i == 0 ? pal::kGlyph : pal::kText;
      GlyphCentred(b, r, {"##...##", ".##.##.", "..###..", "...#..."}, c);
      return;
    }
    for (int d = 0; d < 3; ++d)
      for (int k = 0; k <= d; ++k) {
        const int x = r.right - 3 - 4 * (d - k), y = r.bottom - 3 - 4 * k;
        Fill(b, Rect{x, y, x + 2, y + 2}, pal::kBorder);
      }
  });
}

// Track bar thumbs: 1 normal, 2 as drawn by the skinner, 3 disabled, 4 hot, 5 pressed.
Bitmap TrackbarThumb(ThumbShape shape) {
  const bool lying = shape == ThumbShape::Vert || shape == ThumbShape::Left || shape == ThumbShape::Right;
  const int w = lying ? 19 : 11, h = lying ? 11 : 19;
  return Strip(5, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const Color fill = i == 2 ? Hex(0xC2CBD5) : i == 3 ? pal::kAccentHot : i == 4 ? pal::kAccentDark : pal::kAccent;
    const Color rim = i == 2 ? Hex(0xA9B4C0) : pal::kAccentDark;
    // Pointed thumbs end in a 5-pixel point toward the ticks.
    auto inside = [&](int x, int y) {
      const int c = 5;  // centre of the 11-pixel side
      switch (shape) {
        case ThumbShape::Down: return y < 14 || std::abs(x - c) <= 18 - y;
        case ThumbShape::Up: return y > 4 || std::abs(x - c) <= y;
        case ThumbShape::Right: return x < 14 || std::abs(y - c) <= 18 - x;
        case ThumbShape::Left: return x > 4 || std::abs(y - c) <= x;
        default: {
          // Rounded corners of one pixel.
          const bool cx = x == 0 || x == w - 1, cy = y == 0 || y == h - 1;
          return !(cx && cy);
        }
      }
    };
    PaintMask(b, r, inside, [&](const Pixel& p) {
      if (p.ring == 0) return rim;
      if (p.ring == 1 && i != 2 && p.y <= 1) return Mix(fill, pal::kWhite, 0.25);
      return fill;
    });
  });
}

// Up-down buttons: frames 1-4 the up (or left) button normal, pressed, disabled, hot;
// 5-8 the down (or right) button.
Bitmap UpDownFaces(bool horizontal) {
  const int w = horizontal ? 10 : 15, h = horizontal ? 15 : 10;
  return Strip(8, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const int state = i % 4;
    const Color fill = state == 1 ? pal::kPressFill : state == 2 ? pal::kDisabledFill : state == 3 ? pal::kHotFill : Hex(0xF6F7F9);
    const Color rim = state == 1 ? pal::kPressBorder : state == 2 ? pal::kDisabledBorder : state == 3 ? pal::kAccentHot : pal::kBorder;
    PaintShape(b, r, kCorner1, 0, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
  });
}

Bitmap UpDownGlyphs(bool horizontal) {
  const int w = horizontal ? 4 : 7, h = horizontal ? 7 : 4;
  return Strip(8, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const int state = i % 4;
    const bool second = i >= 4;
    const Color c = state == 2 ? pal::kGlyphDisabled : state == 0 ? pal::kGlyph : pal::kText;
    if (horizontal)
      Glyph(b, r.left, r.top, second ? std::initializer_list<std::string_view>{"#...", "##..", "###.", "####", "###.", "##..", "#..."}
                                     : std::initializer_list<std::string_view>{"...#", "..##", ".###", "####", ".###", "..##", "...#"}, c);
    else
      Glyph(b, r.left, r.top, second ? std::initializer_list<std::string_view>{"#######", ".#####.", "..###..", "...#..."}
                                     : std::initializer_list<std::string_view>{"...#...", "..###..", ".#####.", "#######"}, c);
  });
}

}  // namespace kq::skingen

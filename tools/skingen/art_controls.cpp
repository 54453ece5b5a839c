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

void PaintFace(const Scale& s, Bitmap& b, const Rect& r, std::span<const int> cut, unsigned corners, const Face& f) {
  PaintShape(s, b, r, cut, corners, [&](const Pixel& p) {
    const int line = s.Line();
    if (p.ring == 0) return (p.y >= p.h - line && f.rimBottom) ? f.rimBottom : f.rim;
    if (p.ring == 1 && f.inner) return f.inner;
    return Mix(f.top, f.bottom, p.h > 2 * line + 1 ? (p.y - line) / static_cast<double>(p.h - 2 * line - 1) : 0);
  });
}

}  // namespace

// 1 normal, 2 pressed, 3 disabled, 4 hot or focused, 5 default button.
Bitmap PushButton(const Scale& s) {
  return Strip(5, s(22), s(22), [&](Bitmap& b, const Rect& r, int i) {
    switch (i) {
      case 0: PaintFace(s, b, r, kCorner2, kAll, {pal::kBorder, pal::kWhite, Hex(0xF1F3F6), 0, pal::kBorderDark}); break;
      case 1: PaintFace(s, b, r, kCorner2, kAll, {pal::kPressBorder, pal::kPressFill, Hex(0xD9E7F5)}); break;
      case 2: PaintFace(s, b, r, kCorner2, kAll, {pal::kDisabledBorder, pal::kDisabledFill, pal::kDisabledFill}); break;
      case 3: PaintFace(s, b, r, kCorner2, kAll, {pal::kAccentHot, pal::kWhite, Hex(0xE8F1FB)}); break;
      default: PaintFace(s, b, r, kCorner2, kAll, {pal::kAccent, pal::kWhite, Hex(0xF1F3F6), Hex(0xA9C8E8)}); break;
    }
  });
}

// 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled (or grayed).
Bitmap CheckStrip(const Scale& s) {
  return Strip(4, s(13), s(13), [&](Bitmap& b, const Rect& r, int i) {
    const bool checked = i == 1 || i == 3, disabled = i >= 2;
    const Color rim = checked ? (disabled ? Hex(0xB7C1CC) : pal::kAccent) : (disabled ? pal::kDisabledBorder : pal::kBorderDark);
    const Color fill = checked ? rim : (disabled ? pal::kDisabledFill : pal::kWhite);
    PaintShape(s, b, r, kCorner1, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
    if (checked)
      Glyph(s, b, r.left + s(2), r.top + s(3), {"........#", ".......##", "#.....##.", "##...##..", ".##.##...", "..###....", "...#....."},
            pal::kWhite);
  });
}

// 1 off, 2 on, 3 off disabled, 4 on disabled.
Bitmap RadioStrip(const Scale& s) {
  static constexpr int kCircle[] = {4, 2, 1, 1};
  static constexpr int kDot[] = {1};
  return Strip(4, s(13), s(13), [&](Bitmap& b, const Rect& r, int i) {
    const bool on = i == 1 || i == 3, disabled = i >= 2;
    const Color rim = disabled ? (on ? Hex(0xB7C1CC) : pal::kDisabledBorder) : (on ? pal::kAccent : pal::kBorderDark);
    const Color fill = disabled ? pal::kDisabledFill : pal::kWhite;
    PaintShape(s, b, r, kCircle, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
    // The dot: 5 of 13 pixels, centred.
    const int d = s(5), at = (r.Width() - d) / 2;
    if (on) PaintShape(s, b, Rect{r.left + at, r.top + at, r.left + at + d, r.top + at + d}, kDot, kAll, [&](const Pixel&) { return rim; }, false);
  });
}

// 23 frames of 17 x 17: left, right, up, down arrows, each normal, pressed, hot, disabled;
// then seven plain faces (the size box and spares).
Bitmap ScrollArrows(const Scale& s) {
  return Strip(23, s(17), s(17), [&](Bitmap& b, const Rect& r, int i) {
    if (i >= 16) {
      Fill(b, r, pal::kFace);
      return;
    }
    const int dir = i / 4, state = i % 4;
    const Color fill = state == 1 ? Hex(0xC3CCD6) : state == 2 ? Hex(0xDCE1E7) : pal::kTrack;
    const Color glyph = state == 3 ? pal::kGlyphDisabled : state == 0 ? pal::kGlyph : pal::kText;
    Fill(b, r, fill);
    switch (dir) {
      case 0: GlyphCentred(s, b, r, {"...#", "..##", ".###", "####", ".###", "..##", "...#"}, glyph); break;
      case 1: GlyphCentred(s, b, r, {"#...", "##..", "###.", "####", "###.", "##..", "#..."}, glyph); break;
      case 2: GlyphCentred(s, b, r, {"...#...", "..###..", ".#####.", "#######"}, glyph); break;
      default: GlyphCentred(s, b, r, {"#######", ".#####.", "..###..", "...#..."}, glyph); break;
    }
  });
}

// 1 enabled, 2 pressed, 3 disabled, 4 hot.
Bitmap ScrollTrack(const Scale& s, bool vertical) {
  const int w = s(16), h = s(17);
  Bitmap b = Strip(4, w, h, [](Bitmap& b, const Rect& r, int i) {
    Fill(b, r, i == 2 ? pal::kTrackDisabled : i == 1 ? Hex(0xDFE3E8) : pal::kTrack);
  });
  if (!vertical) return b;
  // Same frames turned upright, still side by side.
  Bitmap v(4 * h, w);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < w; ++y)
      for (int x = 0; x < h; ++x) v.SetPixel(f * h + x, y, b.Pixel(f * w + y, x));
  return v;
}

// 1 normal, 2 dragged, 3 hot: a rounded bar across the middle of the track.
Bitmap ScrollThumb(const Scale& s, bool vertical) {
  const int len = s(24), thick = s(17), in = s(4), end = s(1);
  const int w = vertical ? thick : len, h = vertical ? len : thick;
  return Strip(3, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const Color c = i == 0 ? pal::kThumb : i == 1 ? pal::kThumbDrag : pal::kThumbHot;
    const Rect bar = vertical ? Rect{r.left + in, r.top + end, r.right - in, r.bottom - end}
                              : Rect{r.left + end, r.top + in, r.right - end, r.bottom - in};
    PaintShape(s, b, bar, kCorner2, kAll, [&](const Pixel&) { return c; });
  });
}

// 1 the trough, 2 the filled part.
Bitmap ProgressBar(const Scale& s) {
  return Strip(2, s(20), s(14), [&](Bitmap& b, const Rect& r, int i) {
    if (i == 0)
      PaintFace(s, b, r, kCorner1, kAll, {pal::kBorder, Hex(0xF7F8FA), Hex(0xF7F8FA)});
    else
      PaintFace(s, b, r, kCorner1, kAll, {pal::kAccentDark, pal::kAccentLight, pal::kAccent, Hex(0x6FA1D6)});
  });
}

Bitmap ProgressChunk(const Scale& s) {
  Bitmap b(s(8), s(10));
  b.Fill(kTransparentKey);
  VGradient(b, Rect{0, 0, s(8) - s.Line(), s(10)}, pal::kAccentLight, pal::kAccent);
  return b;
}

// 1 normal, 2 pressed or selected, 3 disabled, 4 hot, 5 selected: rounded at the top, open
// at the bottom when selected so the tab joins its page.
Bitmap TabFaces(const Scale& s) {
  const int L = s.Line();
  return Strip(5, s(24), s(22), [&](Bitmap& b, const Rect& r, int i) {
    const bool selected = i == 1 || i == 4;
    const Color rim = i == 2 ? pal::kDisabledBorder : pal::kBorder;
    const Color fill = selected ? pal::kWhite : i == 2 ? pal::kDisabledFill : i == 3 ? Hex(0xF6F9FC) : Hex(0xE8ECF1);
    PaintShape(s, b, r, kCorner2, kTop, [&](const Pixel& p) {
      const bool across = p.x >= L && p.x < p.w - L;  // inside the side rims
      if (p.ring == 0 && !(selected && p.y >= p.h - L && across)) return rim;
      if (selected && p.y >= L && p.y < 3 * L && across) return pal::kAccent;
      if (i == 3 && p.y >= L && p.y < 2 * L && across) return pal::kAccentLight;
      return fill;
    });
  });
}

Bitmap TabBorder(const Scale& s) {
  Bitmap b(s(12), s(12));
  PaintShape(s, b, b.Bounds(), kCorner1, 0, [](const Pixel& p) { return p.ring == 0 ? pal::kBorder : pal::kWhite; });
  return b;
}

// The button part of a combo box, 1 normal, 2 pressed, 3 disabled, 4 hot. Its outer rim is
// transparent: the sunken edge under it shows through.
Bitmap ComboButtonFaces(const Scale& s) {
  const int L = s.Line();
  return Strip(4, s(19), s(21), [&](Bitmap& b, const Rect& r, int i) {
    const Color fill = i == 1 ? pal::kPressFill : i == 2 ? pal::kDisabledFill : i == 3 ? pal::kHotFill : pal::kWhite;
    Fill(b, Rect{r.left, r.top + L, r.right - L, r.bottom - L}, fill);
    Fill(b, Rect{r.left, r.top + L, r.left + L, r.bottom - L}, i == 0 || i == 2 ? pal::kLine : pal::kHotBorder);
  });
}

// Edit frame: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
Bitmap SunkEdge(const Scale& s) {
  return Strip(4, s(12), s(12), [&](Bitmap& b, const Rect& r, int i) {
    const Color rim = i == 2 ? pal::kDisabledBorder : i == 0 ? pal::kBorder : pal::kAccentHot;
    const Color fill = i == 2 ? pal::kDisabledFill : pal::kWhite;
    PaintShape(s, b, r, kCorner1, 0, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
  });
}

// Drop-down arrows (1 normal, 2 pressed, 3 disabled, 4 hot) and the size grip (5).
Bitmap ExtraGlyphs(const Scale& s) {
  return Strip(5, s(13), s(13), [&](Bitmap& b, const Rect& r, int i) {
    if (i < 4) {
      const Color c = i == 2 ? pal::kGlyphDisabled : i == 0 ? pal::kGlyph : pal::kText;
      GlyphCentred(s, b, r, {"##...##", ".##.##.", "..###..", "...#..."}, c);
      return;
    }
    for (int d = 0; d < 3; ++d)
      for (int k = 0; k <= d; ++k) {
        const int x = r.right - s(3 + 4 * (d - k)), y = r.bottom - s(3 + 4 * k);
        Fill(b, Rect{x, y, x + s(2), y + s(2)}, pal::kBorder);
      }
  });
}

// Track bar thumbs: 1 normal, 2 as drawn by the skinner, 3 disabled, 4 hot, 5 pressed.
Bitmap TrackbarThumb(const Scale& s, ThumbShape shape) {
  const bool lying = shape == ThumbShape::Vert || shape == ThumbShape::Left || shape == ThumbShape::Right;
  const int w = lying ? s(19) : s(11), h = lying ? s(11) : s(19);
  return Strip(5, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const Color fill = i == 2 ? Hex(0xC2CBD5) : i == 3 ? pal::kAccentHot : i == 4 ? pal::kAccentDark : pal::kAccent;
    const Color rim = i == 2 ? Hex(0xA9B4C0) : pal::kAccentDark;
    // Pointed thumbs end in a point toward the ticks, at 45 degrees.
    auto inside = [&](int x, int y) {
      const int c = ((lying ? h : w) - 1) / 2;  // centre of the short side
      switch (shape) {
        case ThumbShape::Down: return y < h - 1 - c || std::abs(x - c) <= h - 1 - y;
        case ThumbShape::Up: return y >= c || std::abs(x - c) <= y;
        case ThumbShape::Right: return x < w - 1 - c || std::abs(y - c) <= w - 1 - x;
        case ThumbShape::Left: return x >= c || std::abs(y - c) <= x;
        default: {
          // Rounded corners of one pixel (at the scale's line width).
          const int L = s.Line();
          const bool cx = x < L || x >= w - L, cy = y < L || y >= h - L;
          return !(cx && cy);
        }
      }
    };
    PaintMask(s, b, r, inside, [&](const Pixel& p) {
      if (p.ring == 0) return rim;
      if (p.ring == 1 && i != 2 && p.y < 2 * s.Line()) return Mix(fill, pal::kWhite, 0.25);
      return fill;
    });
  });
}

// Up-down buttons: frames 1-4 the up (or left) button normal, pressed, disabled, hot;
// 5-8 the down (or right) button.
Bitmap UpDownFaces(const Scale& s, bool horizontal) {
  const int w = s(horizontal ? 10 : 15), h = s(horizontal ? 15 : 10);
  return Strip(8, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const int state = i % 4;
    const Color fill = state == 1 ? pal::kPressFill : state == 2 ? pal::kDisabledFill : state == 3 ? pal::kHotFill : Hex(0xF6F7F9);
    const Color rim = state == 1 ? pal::kPressBorder : state == 2 ? pal::kDisabledBorder : state == 3 ? pal::kAccentHot : pal::kBorder;
    PaintShape(s, b, r, kCorner1, 0, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
  });
}

Bitmap UpDownGlyphs(const Scale& s, bool horizontal) {
  // The glyph's own size at the scale: its last pixel's place plus one block.
  auto drawn = [&](int n) { return s(n - 1) + s.Line(); };
  const int w = drawn(horizontal ? 4 : 7), h = drawn(horizontal ? 7 : 4);
  return Strip(8, w, h, [&](Bitmap& b, const Rect& r, int i) {
    const int state = i % 4;
    const bool second = i >= 4;
    const Color c = state == 2 ? pal::kGlyphDisabled : state == 0 ? pal::kGlyph : pal::kText;
    if (horizontal)
      Glyph(s, b, r.left, r.top, second ? std::initializer_list<std::string_view>{"#...", "##..", "###.", "####", "###.", "##..", "#..."}
                                     : std::initializer_list<std::string_view>{"...#", "..##", ".###", "####", ".###", "..##", "...#"}, c);
    else
      Glyph(s, b, r.left, r.top, second ? std::initializer_list<std::string_view>{"#######", ".#####.", "..###..", "...#..."}
                                     : std::initializer_list<std::string_view>{"...#...", "..###..", ".#####.", "#######"}, c);
  });
}

}  // namespace kq::skingen

// The window frame, caption and caption buttons.
#include <cstdlib>

#include "skin/draw/blit.h"
#include "skingen/art.h"
#include "skingen/palette.h"

namespace kq::skingen {
namespace {

struct FrameColours {
  Color rim, inner, top, body, light;
};
constexpr FrameColours kActive{pal::kFrameRim, pal::kFrameInner, pal::kCaptionTop, pal::kCaption,
                               pal::kCaptionLight};
constexpr FrameColours kInactive{pal::kFrameRimI, pal::kFrameInnerI, pal::kCaptionTopI, pal::kCaptionI,
                                 pal::kCaptionLightI};

// A whole small window (frame only), from which the four pieces are cut, so that they meet
// without seams: rounded top corners, a lit line inside the caption's rim, a darker line
// round the client area.
Bitmap MiniWindow(const Scale& s, const FrameColours& c) {
  const int F = s(kFrameWidth), C = s(kCaptionHeight), L = s.Line();
  const int W = 2 * F + s(kTopLength), H = s(kEdgeLength);
  Bitmap b(W, H);
  PaintShape(s, b, b.Bounds(), kCorner5, kTop, [&](const Pixel& p) {
    if (p.ring == 0) return c.rim;
    const bool client = p.x >= F && p.x < W - F && p.y >= C && p.y < H - F;
    if (client) return pal::kFace;
    if (p.y < C - L) {
      if (p.ring == 1) return c.light;
      return Mix(c.top, c.body, (p.y - 2 * L) / static_cast<double>(C - 4 * L));
    }
    // The line round the client area, from the caption's last rows down.
    auto in = [](int v, int from, int to) { return v >= from && v < to; };
    const bool innerLine = (in(p.x, F - L, F) || in(p.x, W - F, W - F + L) || in(p.y, C - L, C) ||
                            in(p.y, H - F, H - F + L)) &&
                           p.x >= F - L && p.x < W - F + L && p.y < H - F + L;
    return innerLine ? c.inner : c.body;
  });
  return b;
}

}  // namespace

Bitmap FrameEdge(const Scale& s, char which) {
  const Bitmap active = MiniWindow(s, kActive), inactive = MiniWindow(s, kInactive);
  const int W = active.Width(), H = active.Height(), F = s(kFrameWidth);
  Rect part;
  bool sideBySide = true;
  switch (which) {
    case 'L': part = Rect{0, 0, F, H}; break;
    case 'R': part = Rect{W - F, 0, W, H}; break;
    case 'T': part = Rect{F, 0, W - F, s(kCaptionHeight)}; sideBySide = false; break;
    default: part = Rect{F, H - F, W - F, H}; sideBySide = false; break;
  }
  const int w = part.Width(), h = part.Height();
  Bitmap out(sideBySide ? 2 * w : w, sideBySide ? h : 2 * h);
  CopyPixels(out, 0, 0, active, part);
  CopyPixels(out, sideBySide ? w : 0, sideBySide ? 0 : h, inactive, part);
  return out;
}

// A quiet plate behind the caption text of the active window; none when inactive.
Bitmap CaptionTextBack(const Scale& s) {
  const int w = 2 * s(kTopCap) + s(8), h = s(kCaptionHeight);
  Bitmap b(w, 2 * h);
  b.Fill(kTransparentKey);
  PaintShape(s, b, Rect{0, s(6), w, h - s(6)}, kCorner3, kAll, [](const Pixel& p) {
    return p.ring == 0 ? Mix(pal::kCaption, pal::kCaptionTop, 0.5) : Mix(pal::kCaption, pal::kCaptionLight, 0.35);
  });
  return b;
}

namespace {

// Glyphs of one-pixel lines, as crisp as the frame's own lines.
void DrawCaptionGlyph(const Scale& s, Bitmap& b, const Rect& r, CaptionGlyph g, Color c) {
  switch (g) {
    case CaptionGlyph::Close:
      GlyphCentred(s, b, r, {"#........#", ".#......#.", "..#....#..", "...#..#...", "....##....",
                          "....##....", "...#..#...", "..#....#..", ".#......#.", "#........#"}, c);
      break;
    case CaptionGlyph::Maximise:
      GlyphCentred(s, b, r, {"##########", "#........#", "#........#", "#........#", "#........#",
                          "#........#", "#........#", "#........#", "#........#", "##########"}, c);
      break;
    case CaptionGlyph::Restore:
      GlyphCentred(s, b, r, {"..########", "..#......#", "..#......#", "########.#", "#......#.#",
                          "#......#.#", "#......###", "#......#..", "#......#..", "########.."}, c);
      break;
    case CaptionGlyph::Minimise:
      GlyphCentred(s, b, r, {"..........", "..........", "..........", "..........", "..........",
                          "##########", "..........", "..........", "..........", ".........."}, c);
      break;
    case CaptionGlyph::Tray:
      GlyphCentred(s, b, r, {"....#.....", "....#.....", "....#.....", "....#.....", "..#.#.#...",
                          "...###....", "....#.....", "#........#", "#........#", "##########"}, c);
      break;
  }
}

}  // namespace

Bitmap CaptionButton(const Scale& s, CaptionGlyph glyph) {
  const int w = s(kCaptionButtonW), h = s(kCaptionButtonH);
  Bitmap b(4 * w, h);
  b.Fill(kTransparentKey);
  const bool close = glyph == CaptionGlyph::Close;
  const Color hot = close ? pal::kCloseHot : Mix(pal::kCaption, pal::kWhite, 0.2);
  const Color pressed = close ? pal::kClosePressed : Mix(pal::kCaption, pal::kFrameRim, 0.7);
  // 1 normal, 2 pressed, 3 hot, 4 inactive window.
  for (int f = 0; f < 4; ++f) {
    const Rect r{f * w, 0, (f + 1) * w, h};
    if (f == 1 || f == 2) {
      const Color fill = f == 1 ? pressed : hot;
      PaintShape(s, b, r, kCorner2, kAll, [&](const Pixel&) { return fill; });
    }
    DrawCaptionGlyph(s, b, r, glyph, f == 3 ? pal::kCaptionTextI : pal::kCaptionText);
  }
  return b;
}

Bitmap WindowMenuButtons(const Scale& s) {
  const int w = s(18), h = s(16);
  Bitmap b(12 * w, h);
  b.Fill(kTransparentKey);
  for (int j = 0; j < 3; ++j)
    for (int f = 0; f < 4; ++f) {
      const Rect r{(4 * j + f) * w, 0, (4 * j + f + 1) * w, h};
      // 1 normal, 2 pressed, 3 and 4 hot (the menu bar shows frame 4 under the mouse).
      if (f > 0) {
        const Color fill = f == 1 ? pal::kPressFill : pal::kHotFill;
        const Color rim = f == 1 ? pal::kPressBorder : pal::kHotBorder;
        PaintShape(s, b, r, kCorner1, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
      }
      const Color c = pal::kText;
      if (j == 0) GlyphCentred(s, b, r, {"........", "........", "........", "........", "........", "........", "........", "########"}, c);
      if (j == 1) GlyphCentred(s, b, r, {"..######", "..#....#", "######.#", "#....#.#", "#....###", "#....#..", "#....#..", "######.."}, c);
      if (j == 2) GlyphCentred(s, b, r, {"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"}, c);
    }
  return b;
}

}  // namespace kq::skingen

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
Bitmap MiniWindow(const FrameColours& c) {
  constexpr int W = 2 * kFrameWidth + kTopLength, H = kEdgeLength;
  Bitmap b(W, H);
  PaintShape(b, b.Bounds(), kCorner5, kTop, [&](const Pixel& p) {
    if (p.ring == 0) return c.rim;
    const bool client = p.x >= kFrameWidth && p.x < W - kFrameWidth && p.y >= kCaptionHeight && p.y < H - kFrameWidth;
    if (client) return pal::kFace;
    if (p.y < kCaptionHeight - 1) {
      if (p.ring == 1) return c.light;
      return Mix(c.top, c.body, (p.y - 2) / static_cast<double>(kCaptionHeight - 4));
    }
    // The line round the client area, from the caption's last row down.
    const bool innerLine = (p.x == kFrameWidth - 1 || p.x == W - kFrameWidth || p.y == kCaptionHeight - 1 ||
                            p.y == H - kFrameWidth) &&
                           p.x >= kFrameWidth - 1 && p.x <= W - kFrameWidth && p.y <= H - kFrameWidth;
    return innerLine ? c.inner : c.body;
  });
  return b;
}

}  // namespace

Bitmap FrameEdge(char which) {
  const Bitmap active = MiniWindow(kActive), inactive = MiniWindow(kInactive);
  const int W = active.Width(), H = active.Height();
  Rect part;
  bool sideBySide = true;
  switch (which) {
    case 'L': part = Rect{0, 0, kFrameWidth, H}; break;
    case 'R': part = Rect{W - kFrameWidth, 0, W, H}; break;
    case 'T': part = Rect{kFrameWidth, 0, W - kFrameWidth, kCaptionHeight}; sideBySide = false; break;
    default: part = Rect{kFrameWidth, H - kFrameWidth, W - kFrameWidth, H}; sideBySide = false; break;
  }
  const int w = part.Width(), h = part.Height();
  Bitmap out(sideBySide ? 2 * w : w, sideBySide ? h : 2 * h);
  CopyPixels(out, 0, 0, active, part);
  CopyPixels(out, sideBySide ? w : 0, sideBySide ? 0 : h, inactive, part);
  return out;
}

// A quiet plate behind the caption text of the active window; none when inactive.
Bitmap CaptionTextBack() {
  constexpr int w = 2 * kTopCap + 8, h = kCaptionHeight;
  Bitmap b(w, 2 * h);
  b.Fill(kTransparentKey);
  PaintShape(b, Rect{0, 6, w, h - 6}, kCorner3, kAll, [](const Pixel& p) {
    return p.ring == 0 ? Mix(pal::kCaption, pal::kCaptionTop, 0.5) : Mix(pal::kCaption, pal::kCaptionLight, 0.35);
  });
  return b;
}

namespace {

// Glyphs of one-pixel lines, as crisp as the frame's own lines.
void DrawCaptionGlyph(Bitmap& b, const Rect& r, CaptionGlyph g, Color c) {
  switch (g) {
    case CaptionGlyph::Close:
      GlyphCentred(b, r, {"#........#", ".#......#.", "..#....#..", "...#..#...", "....##....",
                          "....##....", "...#..#...", "..#....#..", ".#......#.", "#........#"}, c);
      break;
    case CaptionGlyph::Maximise:
      GlyphCentred(b, r, {"##########", "#........#", "#........#", "#........#", "#........#",
                          "#........#", "#........#", "#........#", "#........#", "##########"}, c);
      break;
    case CaptionGlyph::Restore:
      GlyphCentred(b, r, {"..########", "..#......#", "..#......#", "########.#", "#......#.#",
                          "#......#.#", "#......###", "#......#..", "#......#..", "########.."}, c);
      break;
    case CaptionGlyph::Minimise:
      GlyphCentred(b, r, {"..........", "..........", "..........", "..........", "..........",
                          "##########", "..........", "..........", "..........", ".........."}, c);
      break;
    case CaptionGlyph::Tray:
      GlyphCentred(b, r, {"....#.....", "....#.....", "....#.....", "....#.....", "..#.#.#...",
                          "...###....", "....#.....", "#........#", "#........#", "##########"}, c);
      break;
  }
}

}  // namespace

Bitmap CaptionButton(CaptionGlyph glyph) {
  constexpr int w = kCaptionButtonW, h = kCaptionButtonH;
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
      PaintShape(b, r, kCorner2, kAll, [&](const Pixel&) { return fill; });
    }
    DrawCaptionGlyph(b, r, glyph, f == 3 ? pal::kCaptionTextI : pal::kCaptionText);
  }
  return b;
}

Bitmap WindowMenuButtons() {
  constexpr int w = 18, h = 16;
  Bitmap b(12 * w, h);
  b.Fill(kTransparentKey);
  for (int j = 0; j < 3; ++j)
    for (int f = 0; f < 4; ++f) {
      const Rect r{(4 * j + f) * w, 0, (4 * j + f + 1) * w, h};
      // 1 normal, 2 pressed, 3 and 4 hot (the menu bar shows frame 4 under the mouse).
      if (f > 0) {
        const Color fill = f == 1 ? pal::kPressFill : pal::kHotFill;
        const Color rim = f == 1 ? pal::kPressBorder : pal::kHotBorder;
        PaintShape(b, r, kCorner1, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
      }
      const Color c = pal::kText;
      if (j == 0) GlyphCentred(b, r, {"........", "........", "........", "........", "........", "........", "........", "########"}, c);
      if (j == 1) GlyphCentred(b, r, {"..######", "..#....#", "######.#", "#....#.#", "#....###", "#....#..", "#....#..", "######.."}, c);
      if (j == 2) GlyphCentred(b, r, {"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"}, c);
    }
  return b;
}

}  // namespace kq::skingen

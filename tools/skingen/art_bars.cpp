// Menus, header, status bar, tool bar and group box pieces.
#include "skingen/art.h"
#include "skingen/palette.h"

namespace kq::skingen {
namespace {

template <typename Draw>
Bitmap Strip(int count, int w, int h, Draw draw) {
  Bitmap b(count * w, h);
  b.Fill(kTransparentKey);
  for (int i = 0; i < count; ++i) draw(b, Rect{i * w, 0, (i + 1) * w, h}, i);
  return b;
}

}  // namespace

// Header items: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 sorted (as normal).
Bitmap HeaderFaces(const Scale& s) {
  const int L = s.Line();
  return Strip(5, s(20), s(22), [&](Bitmap& b, const Rect& r, int i) {
    const Color top = i == 1 ? Hex(0xE1E7EE) : i == 3 ? Hex(0xF2F7FC) : pal::kWhite;
    const Color bottom = i == 1 ? Hex(0xD9E1EA) : i == 3 ? Hex(0xE6F0FA) : Hex(0xF3F5F8);
    VGradient(b, r, top, bottom);
    Fill(b, Rect{r.left, r.bottom - L, r.right, r.bottom}, pal::kBorderLight);
    Fill(b, Rect{r.right - L, r.top + s(4), r.right, r.bottom - s(4)}, pal::kLine);
  });
}

// Menu items, five frames: 1 normal (transparent, the menu's background shows), 2 the
// separator line in its lower rows, 3 disabled (as normal), 4 selected, 5 as selected.
Bitmap MenuItemFaces(const Scale& s) {
  return Strip(5, s(24), s(22), [&](Bitmap& b, const Rect& r, int i) {
    if (i == 1) Fill(b, Rect{r.left + s(2), r.bottom - s(5), r.right - s(2), r.bottom - s(5) + s.Line()}, pal::kLine);
    if (i == 3 || i == 4)
      PaintShape(s, b, Rect{r.left + s(2), r.top, r.right - s(2), r.bottom}, kCorner2, kAll,
                 [](const Pixel& p) { return p.ring == 0 ? pal::kSelectionBorder : pal::kSelection; });
  });
}

Bitmap MenuBackground(const Scale& s) {
  Bitmap b(s(16), s(16));
  PaintShape(s, b, b.Bounds(), kCorner1, 0, [](const Pixel& p) {
    return p.ring == 0 ? pal::kBorder : pal::kWhite;
  });
  return b;
}

// Two frames stacked: the menu bar of an active and of an inactive window.
Bitmap MenuBarBackground(const Scale& s) {
  const int w = s(16), h = s(20);
  Bitmap b(w, 2 * h);
  for (int f = 0; f < 2; ++f) {
    Fill(b, Rect{0, f * h, w, f * h + h}, pal::kFace);
    Fill(b, Rect{0, f * h + h - s.Line(), w, f * h + h}, pal::kLine);
  }
  return b;
}

// 1 enabled, 2 disabled: a rounded line, transparent inside.
Bitmap GroupBoxEdge(const Scale& s) {
  return Strip(2, s(16), s(16), [&](Bitmap& b, const Rect& r, int i) {
    PaintShape(s, b, r, kCorner2, kAll, [&](const Pixel& p) {
      return p.ring == 0 ? (i == 0 ? pal::kBorderLight : pal::kLine) : kTransparentKey;
    });
  });
}

Bitmap GroupBoxLabel(const Scale& s) {
  Bitmap b(s(12), s(16));
  b.Fill(pal::kFace);
  return b;
}

// 1 lowered, 2 raised, 3 no bevel: flat panels set apart by thin lines.
Bitmap StatusBarEdges(const Scale& s) {
  const int L = s.Line();
  return Strip(3, s(12), s(12), [&](Bitmap& b, const Rect& r, int i) {
    Fill(b, r, pal::kFace);
    Fill(b, Rect{r.left, r.top, r.right, r.top + L}, pal::kLine);
    if (i == 0) Fill(b, Rect{r.right - L, r.top + s(3), r.right, r.bottom - s(2)}, pal::kBorderLight);
    if (i == 1) Fill(b, Rect{r.left, r.top + L, r.right, r.top + 2 * L}, pal::kWhite);
  });
}

// Tool buttons: 1 normal (transparent), 2 pressed, 3 disabled, 4 hot, 5 as normal.
Bitmap ToolbarFaces(const Scale& s) {
  return Strip(5, s(16), s(16), [&](Bitmap& b, const Rect& r, int i) {
    if (i != 1 && i != 3) return;
    const Color fill = i == 1 ? pal::kPressFill : pal::kHotFill;
    const Color rim = i == 1 ? pal::kPressBorder : pal::kHotBorder;
    PaintShape(s, b, r, kCorner2, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
  });
}

}  // namespace kq::skingen

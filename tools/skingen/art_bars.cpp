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
Bitmap HeaderFaces() {
  return Strip(5, 20, 22, [](Bitmap& b, const Rect& r, int i) {
    const Color top = i == 1 ? Hex(0xE1E7EE) : i == 3 ? Hex(0xF2F7FC) : pal::kWhite;
    const Color bottom = i == 1 ? Hex(0xD9E1EA) : i == 3 ? Hex(0xE6F0FA) : Hex(0xF3F5F8);
    VGradient(b, r, top, bottom);
    HLine(b, r.left, r.right, r.bottom - 1, pal::kBorderLight);
    VLine(b, r.right - 1, r.top + 4, r.bottom - 4, pal::kLine);
  });
}

// Menu items, five frames: 1 normal (transparent, the menu's background shows), 2 the
// separator line in its lower rows, 3 disabled (as normal), 4 selected, 5 as selected.
Bitmap MenuItemFaces() {
  return Strip(5, 24, 22, [](Bitmap& b, const Rect& r, int i) {
    if (i == 1) HLine(b, r.left + 2, r.right - 2, r.bottom - 5, pal::kLine);
    if (i == 3 || i == 4)
      PaintShape(b, Rect{r.left + 2, r.top, r.right - 2, r.bottom}, kCorner2, kAll,
                 [](const Pixel& p) { return p.ring == 0 ? pal::kSelectionBorder : pal::kSelection; });
  });
}

Bitmap MenuBackground() {
  Bitmap b(16, 16);
  PaintShape(b, b.Bounds(), kCorner1, 0, [](const Pixel& p) {
    return p.ring == 0 ? pal::kBorder : pal::kWhite;
  });
  return b;
}

// Two frames stacked: the menu bar of an active and of an inactive window.
Bitmap MenuBarBackground() {
  Bitmap b(16, 40);
  for (int f = 0; f < 2; ++f) {
    Fill(b, Rect{0, f * 20, 16, f * 20 + 20}, pal::kFace);
    HLine(b, 0, 16, f * 20 + 19, f == 0 ? pal::kLine : pal::kLine);
  }
  return b;
}

// 1 enabled, 2 disabled: a rounded line, transparent inside.
Bitmap GroupBoxEdge() {
  return Strip(2, 16, 16, [](Bitmap& b, const Rect& r, int i) {
    PaintShape(b, r, kCorner2, kAll, [&](const Pixel& p) {
      return p.ring == 0 ? (i == 0 ? pal::kBorderLight : pal::kLine) : kTransparentKey;
    });
  });
}

Bitmap GroupBoxLabel() {
  Bitmap b(12, 16);
  b.Fill(pal::kFace);
  return b;
}

// 1 lowered, 2 raised, 3 no bevel: flat panels set apart by thin lines.
Bitmap StatusBarEdges() {
  return Strip(3, 12, 12, [](Bitmap& b, const Rect& r, int i) {
    Fill(b, r, pal::kFace);
    HLine(b, r.left, r.right, r.top, pal::kLine);
    if (i == 0) VLine(b, r.right - 1, r.top + 3, r.bottom - 2, pal::kBorderLight);
    if (i == 1) HLine(b, r.left, r.right, r.top + 1, pal::kWhite);
  });
}

// Tool buttons: 1 normal (transparent), 2 pressed, 3 disabled, 4 hot, 5 as normal.
Bitmap ToolbarFaces() {
  return Strip(5, 16, 16, [](Bitmap& b, const Rect& r, int i) {
    if (i != 1 && i != 3) return;
    const Color fill = i == 1 ? pal::kPressFill : pal::kHotFill;
    const Color rim = i == 1 ? pal::kPressBorder : pal::kHotBorder;
    PaintShape(b, r, kCorner2, kAll, [&](const Pixel& p) { return p.ring == 0 ? rim : fill; });
  });
}

}  // namespace kq::skingen

#include "skin/form/core/frame_paint.h"

#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"

namespace kq::skin {
namespace {

Layout LayoutOf(FramePart part) {
  return part == FramePart::Top || part == FramePart::Bottom ? Layout::Stacked : Layout::SideBySide;
}

const Bitmap& ImageOf(const BorderPiece& piece) {
  static const Bitmap kNone;
  return piece.image ? *piece.image : kNone;
}

}  // namespace

const BorderPiece& FrameSkin::Part(FramePart p) const {
  switch (p) {
    case FramePart::Left: return left;
    case FramePart::Right: return right;
    case FramePart::Top: return top;
    case FramePart::Bottom: return bottom;
  }
  return left;
}

int BorderPieceFrame(const BorderPiece& piece, bool active) {
  return active || piece.frameCount <= 1 ? 1 : 2;
}

Bitmap RenderBorderPiece(const BorderPiece& piece, FramePart part, int width, int height,
                         bool active) {
  if (width <= 0 || height <= 0) return Bitmap();
  return RenderNineSlice(Rect{0, 0, width, height}, ImageOf(piece), piece.margins, LayoutOf(part),
                         piece.tile == 1 ? Centre::Stretch : Centre::Tile, piece.frameCount,
                         BorderPieceFrame(piece, active));
}

void DrawBorderPiece(Bitmap& dst, const BorderPiece& piece, FramePart part, const Rect& at,
                     bool active) {
  if (at.right < 0 || at.bottom < 0 || at.IsEmpty()) return;
  DrawSkinPiece(dst, at, ImageOf(piece), LayoutOf(part),
                piece.tile == 1 ? Centre::Stretch : Centre::Tile, Blend::Opaque, piece.frameCount,
                BorderPieceFrame(piece, active), piece.margins);
}

FrameRects LayoutFrame(int w, int h, const Margins& f, int menuBarHeight) {
  FrameRects r;
  r.left = Rect{0, 0, f.left, h};
  r.right = Rect{w - f.right, 0, w, h};
  r.bottom = Rect{f.left, h - f.bottom, w - f.right, h};
  r.caption = Rect{0, 0, w, f.top};
  r.top = Rect{f.left, 0, w - f.right, f.top};
  r.menuBar = Rect{f.left, f.top, w - f.right, f.top + menuBarHeight};
  r.client = Rect{f.left, f.top + menuBarHeight, w - f.right, h - f.bottom};
  return r;
}

void ComposeFrame(Bitmap& out, const FrameSkin& skin, const Margins& frame, bool active) {
  const FrameRects r = LayoutFrame(out.Width(), out.Height(), frame, 0);
  DrawBorderPiece(out, skin.left, FramePart::Left, r.left, active);
  DrawBorderPiece(out, skin.right, FramePart::Right, r.right, active);
  DrawBorderPiece(out, skin.bottom, FramePart::Bottom, r.bottom, active);
  DrawBorderPiece(out, skin.top, FramePart::Top, r.top, active);
}

void DrawCaptionBack(Bitmap& canvas, const Bitmap& image, const Rect& back, int capLeft,
                     int capRight, bool active) {
  if (image.Empty()) return;
  DrawHorzThreeSlice(canvas, back, image, Layout::Stacked, Blend::Keyed, 2, active ? 1 : 2,
                     Margins{capLeft, 0, capRight, 0});
}

}  // namespace kq::skin

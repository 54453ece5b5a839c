#include "skin/controls/core/scroll_paint.h"

#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"

#include <utility>

namespace kq::skin {

namespace {

bool HasImage(const TDataSkinObject* o) {
  return o && o->Bitmap.Width() > 0 && o->Bitmap.Height() > 0;
}

bool HasArea(const Rect& r) { return r.right > r.left && r.bottom > r.top; }

// Frame `index` of `object` sliced by its margins into `rect`, keyed when the object says so.
void Piece(Bitmap& canvas, const Rect& rect, const TDataSkinObject& object, int count, int index) {
  if (!HasArea(rect)) return;
  DrawSkinPiece(canvas, rect, object.Bitmap, Layout::SideBySide,
                object.Tile ? Centre::Tile : Centre::Stretch,
                object.Trans == 1 ? Blend::Keyed : Blend::Opaque, count, index,
                object.Margins);
}

}  // namespace

ScrollPaintResult PaintScrollBar(Bitmap& canvas, const ScrollBarLayout& layout, bool vertical,
                                 ScrollArrowState arrows, const ScrollBarImages& images) {
  ScrollPaintResult result;
  FillRect(canvas, Rect{0, 0, canvas.Width(), canvas.Height()}, images.face);
  if (HasImage(images.track))
    Piece(canvas, layout.track, *images.track, images.track->FrameCount > 0 ? images.track->FrameCount : 4,
          layout.trackFrame);
  result.firstArrowFrame = ScrollArrowFrame(vertical, false, arrows.firstPressed);
  result.lastArrowFrame = ScrollArrowFrame(vertical, true, arrows.lastPressed);
  if (HasImage(images.arrows)) {
    // The arrows stretch whole (no margins) and are always keyed on magenta.
    for (const auto& [rect, frame] : {std::pair{layout.firstArrow, result.firstArrowFrame},
                                      std::pair{layout.lastArrow, result.lastArrowFrame}})
      if (HasArea(rect))
        DrawSkinPiece(canvas, rect, images.arrows->Bitmap, Layout::SideBySide, Centre::Stretch, Blend::Keyed,
                      23, frame, Margins{});
  }
  if (HasImage(images.thumb))
    Piece(canvas, layout.thumb, *images.thumb, images.thumb->FrameCount > 0 ? images.thumb->FrameCount : 3,
          layout.thumbFrame);
  return result;
}

}  // namespace kq::skin

// How a skinned scroll bar looks, composed in memory: face colour, the track between the
// arrows, the two arrows of the 23-frame arrow strip and the thumb, each from its skin object.
#pragma once

#include "base/bitmap.h"
#include "skin/controls/core/scroll_rules.h"
#include "skin/data/skin_objects.h"

namespace kq::skin {

// The skin objects a scroll bar is drawn from; any of them may be missing (nothing of that
// part is drawn then).
struct ScrollBarImages {
  const TDataSkinObject* arrows = nullptr;  // "Scrollbar": 23 frames side by side
  const TDataSkinObject* track = nullptr;   // "HorzScroll" / "VertScroll": 4 frames
  const TDataSkinObject* thumb = nullptr;   // "HorzScrollThumb" / "VertScrollThumb"
  Color face = 0;
};

// Which arrows show pressed.
struct ScrollArrowState {
  bool firstPressed = false;
  bool lastPressed = false;
};

// Paints `layout` over the whole of `canvas` (the bar's size). Returns the arrow frames used
// (first, last) for the record of what was drawn.
struct ScrollPaintResult {
  int firstArrowFrame = 0;
  int lastArrowFrame = 0;
};
ScrollPaintResult PaintScrollBar(Bitmap& canvas, const ScrollBarLayout& layout, bool vertical,
                                 ScrollArrowState arrows, const ScrollBarImages& images);

}  // namespace kq::skin

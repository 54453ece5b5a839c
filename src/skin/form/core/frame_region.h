// The shape of a skinned window: the rectangles of its window region. A skin whose left,
// right and top pieces are all opaque gives the plain window rectangle; otherwise the
// magenta pixels of the transparent pieces are cut away (tolerance 1 on each channel).
#pragma once

#include <vector>

#include "base/bitmap.h"
#include "skin/draw/region.h"
#include "skin/form/core/frame_paint.h"

namespace kq::skin {

struct FrameRegionInput {
  int width = 0, height = 0;
  Margins frame;  // border widths, top = caption height
  bool frameless = false;
  bool active = true;
  // The painted frame (at least width x frame.top): the caption's shape is read from it, so
  // caption buttons over a transparent corner stay visible. Null: the top piece alone.
  const Bitmap* caption = nullptr;
};

// The region's rectangles, in blocks of at most kRegionBlockSize for ExtCreateRegion. A
// window without area gives no block.
std::vector<RegionBlock> FrameRegion(const FrameSkin& skin, const FrameRegionInput& in);

// Whether the skin shapes windows at all (any of "Left", "Right", "Top" transparent).
bool SkinShapesWindows(const FrameSkin& skin);

}  // namespace kq::skin

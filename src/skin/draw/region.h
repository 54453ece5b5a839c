// The visible shape of an image as rectangles: every horizontal run of pixels that are
// not (nearly) the key colour becomes a one-pixel-high rectangle. On Windows each block
// is handed to ExtCreateRegion and the blocks are OR-combined into the window region.
#pragma once

#include <vector>

#include "base/bitmap.h"

namespace kq {

// ExtCreateRegion is given at most this many rectangles at a time.
constexpr int kRegionBlockSize = 2000;

struct RegionBlock {
  Rect bounds;              // smallest rectangle holding all of `rects`
  std::vector<Rect> rects;  // 1 .. kRegionBlockSize rectangles, rows top to bottom
};

// Rectangles of the pixels of `image` that are not transparent, moved by (dx, dy). A pixel
// is transparent when each channel lies between the key's channel and that channel plus
// its tolerance (capped at 255). The rectangles come in blocks of at most
// kRegionBlockSize; an image that is all key colour gives no block.
std::vector<RegionBlock> RegionFromBitmap(const Bitmap& image, int dx, int dy, int tolB, int tolG,
                                          int tolR, Color key);

}  // namespace kq

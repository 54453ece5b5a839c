// Frames of a skin image and the small vocabulary every drawing operation shares.
#pragma once

#include "base/bitmap.h"

namespace kq {

// The caps of a sliced image, in source pixels: they are drawn unscaled while the part
// between them stretches or tiles.
struct Margins {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend constexpr bool operator==(const Margins&, const Margins&) = default;
};

// How the frames of a multi-frame image are laid out.
enum class Layout { SideBySide, Stacked };
// How the middle of a sliced image fills its target.
enum class Centre { Stretch, Tile };
// Opaque copy, or copy that leaves the destination where the source is magenta.
enum class Blend { Opaque, Keyed };

// The rectangle of frame `index` (counted from 1) of an image cut into `count` equal
// frames. Pixels left over when the count does not divide the size belong to no frame.
// A count below 1 means the whole image is one frame; an index outside 1..count selects
// nothing (an empty rectangle), so a bad frame number can never read past the image.
Rect FrameRect(const Bitmap& image, Layout layout, int count, int index);

}  // namespace kq

// Sliced drawing of skin images: the corners keep their size, the edges stretch along
// their length, the centre stretches or tiles. Margins below zero count as zero.
#pragma once

#include "base/bitmap.h"
#include "skin/draw/frame.h"

namespace kq {

// Frame `index` of `image` sliced by `margins` into a new bitmap of the target's size (only
// the size of `target` counts). When the target is narrower than the left and right
// margins together both become 0, so the whole frame width stretches over it; the same
// holds for the height. Parts whose source lies outside the frame stay black. An inverted
// target gives an empty bitmap.
Bitmap RenderNineSlice(const Rect& target, const Bitmap& image, const Margins& margins,
                       Layout layout, Centre centre, int count, int index);

// RenderNineSlice drawn at `rect`, opaque or keyed on magenta.
void DrawSkinPiece(Bitmap& dc, const Rect& rect, const Bitmap& image, Layout layout,
                   Centre centre, Blend blend, int count, int index, const Margins& margins);

// The eight outer cells of the nine-slice straight into `dc` at `rect`; the centre is left
// as it is.
void DrawNineSliceBorder(Bitmap& dc, const Rect& rect, const Bitmap& image, Layout layout,
                         int count, int index, const Margins& margins);

}  // namespace kq

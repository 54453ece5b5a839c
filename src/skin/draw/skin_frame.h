// Drawing single frames of skin strips: whole frames stretched or centred, and the
// horizontal three-slice used for caption text backgrounds and menu bars.
#pragma once

#include "base/bitmap.h"
#include "skin/draw/frame.h"

namespace kq {

// Left cap, repeated middle, right cap (only the left and right margins are used), each
// stretched to the rectangle's height, drawn opaque or keyed on magenta. The right cap is
// drawn last and covers any overhang of the middle. When the caps leave no middle in the
// frame (they are as wide as the frame or wider), the column where the two caps meet is
// stretched across the gap, so the bar stays continuous instead of showing a hole.
void DrawHorzThreeSlice(Bitmap& canvas, const Rect& rect, const Bitmap& image, Layout layout,
                        Blend blend, int count, int index, const Margins& margins);

// Frame `index` of a strip of `count` frames side by side, stretched to the rectangle.
void DrawSkinFrame(Bitmap& dc, const Rect& rect, const Bitmap& image, Blend blend, int count,
                   int index);

// Frame `index` of a strip of `count` frames side by side, unscaled, centred on the
// rectangle. A frame larger than the rectangle overhangs it on both sides; odd
// differences are halved toward zero.
void DrawSkinFrameCentred(Bitmap& dc, const Rect& rect, const Bitmap& image, Blend blend,
                          int count, int index);

}  // namespace kq

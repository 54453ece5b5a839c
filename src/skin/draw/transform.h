// Whole-image transforms of skin pictures: the disabled (gray) look of glyphs, mirrors and
// quarter turns. Each works in place; the turns swap width and height, so a bitmap that
// viewed foreign memory owns its pixels afterwards.
#pragma once

#include "base/bitmap.h"

namespace kq {

// Each pixel's three channels become their integer average.
void GrayBitmap(Bitmap& bitmap);
// Left to right.
void MirrorBitmap(Bitmap& bitmap);
// Top to bottom.
void FlipBitmap(Bitmap& bitmap);
// A quarter turn counter-clockwise: the old top-left corner ends bottom-left.
void RotateBitmapLeft(Bitmap& bitmap);
// A quarter turn clockwise: the old top-left corner ends top-right.
void RotateBitmapRight(Bitmap& bitmap);

}  // namespace kq

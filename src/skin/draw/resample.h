// Resampling skin images to another size without ever mixing the transparent key into a
// colour: a destination pixel is magenta exactly when the source pixel nearest to it is,
// and every other pixel is a bilinear mix of only the non-magenta source pixels around it.
// Keyed copies and regions made from a resampled image stay as clean as the original's.
#pragma once

#include "base/bitmap.h"
#include "skin/draw/frame.h"

namespace kq {

// `src` resampled to width x height (an empty picture when either is 0 or `src` is empty).
Bitmap ResampleKeyed(const Bitmap& src, int width, int height);

// A strip of `count` frames resampled frame by frame, so no frame bleeds into its
// neighbour: each frame becomes ScaleLength(frame size) and the frames are joined again
// in the same layout. Pixels that belong to no frame (the count does not divide the
// strip) are dropped. A count below 1 means one frame.
Bitmap ResampleFrames(const Bitmap& src, Layout layout, int count, int to, int from);

// `value * to / from` rounded to the nearest integer, halves away from zero, as the
// system's MulDiv rounds; `from` 0 gives the value unchanged.
int ScaleLength(int value, int to, int from);

}  // namespace kq

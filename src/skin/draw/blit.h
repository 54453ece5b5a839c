// Copying pixels between bitmaps, one-to-one or stretched, opaque or colour-keyed, and
// the tiled copy. Every copy is clipped to both bitmaps: nothing is read or written
// outside them.
//
// Stretching is nearest-neighbour with exactly the pixel choice of GDI's StretchBlt in
// COLORONCOLOR mode, so what we compose in memory matches what GDI would have drawn:
//  - enlarging, destination pixel i takes source pixel ceil((2i + 1) * src / (2 * dst)) - 1
//    (the source pixel under the destination pixel's centre; an exact tie takes the
//    left or upper one);
//  - shrinking, source pixel x lands on destination pixel ceil((2x + 1) * dst / (2 * src)) - 1
//    and several source pixels compete for one destination pixel: across a row the last
//    of them wins, down a column the first;
//  - shrinking a row to a single pixel first drops the last source column.
#pragma once

#include <vector>

#include "base/bitmap.h"
#include "skin/draw/frame.h"

namespace kq {

enum class Axis { Horizontal, Vertical };

// For each of `dst` destination pixels along one axis, the source offset (0 .. src - 1) it
// takes. Empty when either length is not positive.
std::vector<int> StretchMap(int src, int dst, Axis axis);

// Stretches `srcRect` of `src` onto `dstRect` of `dst` (StretchBlt with SRCCOPY). Keyed
// leaves the destination where the chosen source pixel is magenta. Nothing happens when
// either rectangle is inverted or empty. Destination pixels whose source pixel lies
// outside `src` are left as they are.
void StretchCopy(Bitmap& dst, const Rect& dstRect, const Bitmap& src, const Rect& srcRect,
                 Blend blend = Blend::Opaque);

// The same with explicit clip rectangles: only destination pixels inside `dstClip` are
// written, and only source pixels inside `srcClip` are read (the frame being drawn, so a
// margin wider than its frame never picks up the neighbouring frame).
void StretchCopyClipped(Bitmap& dst, const Rect& dstRect, const Rect& dstClip, const Bitmap& src,
                        const Rect& srcRect, const Rect& srcClip, Blend blend,
                        Color key = kTransparentKey);

// One-to-one copy of `srcRect` to (x, y) (BitBlt with SRCCOPY), opaque or keyed on `key`.
void CopyPixels(Bitmap& dst, int x, int y, const Bitmap& src, const Rect& srcRect,
                Blend blend = Blend::Opaque, Color key = kTransparentKey);

// Copies the top-left part of `image`, as large as `rect`, to the rectangle's corner,
// leaving the destination where the image has the key colour. The image is not scaled.
void DrawTransparent(Bitmap& dc, const Rect& rect, const Bitmap& image, Color key);

// Repeats the `source` part of `image` over `target`, starting at the target's top-left
// corner. The last row and column of tiles are cut at the target's edges (never painted
// past them). Nothing happens when the source part has no area.
void TileBitmapRect(Bitmap& canvas, const Rect& target, const Bitmap& image, const Rect& source);

// Whether a rectangle covers pixels and is small enough to draw: rectangles 2^30 pixels
// wide or tall cannot come from a window or an image, and every operation ignores them
// as it ignores inverted ones.
bool Drawable(const Rect& r);

// The overlap of two rectangles (empty when they do not meet).
Rect Intersect(const Rect& a, const Rect& b);

// Fills `rect` (clipped to the bitmap) with one colour.
void FillRect(Bitmap& dst, const Rect& rect, Color color);

}  // namespace kq

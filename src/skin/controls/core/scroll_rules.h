// What the scroll-bar overlays and the other control skinners of this family decide without a
// window: the thumb of a scroll-bar control, which part a point hits, where a dragged thumb
// may go, how an overlay is laid out, how far a progress bar is filled, and which way a tab
// control's tabs face.
//
// Lengths run along the bar's axis and are in overlay coordinates (0 = the bar's left or top).
#pragma once

#include "base/bitmap.h"

namespace kq::skin {

// Scroll parts as the system's scroll codes name them (SB_LINEUP ... SB_ENDSCROLL).
enum ScrollPart : int {
  spLineUp = 0,     // the left or top arrow
  spLineDown = 1,   // the right or bottom arrow
  spPageUp = 2,     // the track before the thumb
  spPageDown = 3,   // the track after the thumb
  spThumb = 5,
  spNone = 8,
};

// a * b / c rounded to the nearest integer, halves away from zero, as the system's MulDiv;
// -1 when c is 0 (so callers must not divide by an empty range without checking).
int MulDivRound(int a, int b, int c);

struct ThumbExtent {
  int start = 0;
  int end = 0;
  friend constexpr bool operator==(const ThumbExtent&, const ThumbExtent&) = default;
};

// The thumb of a stand-alone scroll-bar control of `length` along its axis, arrows
// `arrowSize` long, range maximum `max`, page size `pageSize`, position `position`.
// Length MulDiv(length - 2A, page - 1, max) with a page, else A; start A + MulDiv(length - 2A,
// position, max) with a page, A + MulDiv(length - 3A, position, max) without, A at position 0.
// A range maximum of 0 or less (an empty range) gives an arrow-long thumb at the first
// arrow, and the thumb never leaves the track between the arrows.
ThumbExtent ScrollControlThumb(int length, int arrowSize, int position, int max, int pageSize);

// The part under `p` (along the axis) of a bar `length` long.
ScrollPart ScrollHitTest(int p, int length, int arrowSize, const ThumbExtent& thumb);

// The length of each arrow: `arrowSize`, or half the bar when the bar is shorter than two.
int ScrollArrowLength(int barLength, int arrowSize);

// Where a dragged thumb starts: `pressThumbStart` moved by the cursor's travel `delta`,
// held between the arrows ([arrowSize, length - arrowSize - thumbLength]); a thumb that does
// not fit between the arrows stays at the first arrow.
int DraggedThumbStart(int pressThumbStart, int delta, int thumbLength, int length, int arrowSize);

// The thumb's thickness across the bar: the arrow strip's height, or the arrow size when the
// strip is more than 3 pixels thinner.
int ScrollThumbThickness(int stripHeight, int arrowSize);

// Frames (from 1) of the 23-frame arrow strip: horizontal left 1, right 5; vertical top 9,
// bottom 13; one more while pressed.
int ScrollArrowFrame(bool vertical, bool endArrow, bool pressed);

// Everything an overlay paints, in the overlay's own coordinates.
struct ScrollBarLayout {
  Rect track;       // empty when the bar is shorter than two arrows
  Rect firstArrow;  // left or top
  Rect lastArrow;   // right or bottom
  Rect thumb;       // empty when there is no thumb to draw
  int trackFrame = 1;  // of 4: 1 enabled, 3 disabled
  int thumbFrame = 1;  // of the thumb image: 2 while dragged
};
struct ScrollBarPaintInput {
  int width = 0, height = 0;  // the bar
  bool vertical = false;
  bool enabled = true;
  int arrowSize = 0;
  ThumbExtent thumb;          // along the axis
  int thumbThickness = 0;     // across the axis
  bool dragging = false;
};
// A disabled bar shows no thumb; the thumb is centred across the bar and cut to it.
ScrollBarLayout LayoutScrollBar(const ScrollBarPaintInput& in);

// The corner square between a vertical and a horizontal bar (target client coordinates):
// from the vertical bar's left to its right + 2, from the horizontal bar's top to its bottom + 2.
Rect ScrollCornerSquare(const Rect& verticalBar, const Rect& horizontalBar);

// Which way the tabs of a tab control face, from its style: 0 top, 1 bottom, 2 left, 3 right
// (TCS_BOTTOM 2 with TCS_VERTICAL 0x80 is right, TCS_VERTICAL alone is left).
int TabOrientation(unsigned style);

// The image frame of a tab, combo button or header item: pressed 2, hot or focused 4,
// enabled 1, disabled 3 (a disabled control shows 3 whatever its mouse state).
int ControlStateFrame(bool pressed, bool hot, bool focused, bool enabled);

}  // namespace kq::skin

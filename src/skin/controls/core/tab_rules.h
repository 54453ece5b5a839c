// What the tab skinners decide without a window: where the page body of a tab control lies,
// where each tab's image goes (of a tab control and of a tab set), and how the margins of a
// turned image turn with it.
//
// Rectangles are in the control's client coordinates. Orientations: 0 top, 1 bottom, 2 left,
// 3 right (TabOrientation).
#pragma once

#include <vector>

#include "base/bitmap.h"
#include "skin/controls/core/edit_rules.h"
#include "skin/draw/frame.h"

namespace kq::skin {

// The margins of an image after it was turned: a flip swaps top and bottom; a quarter turn
// moves every edge one side on (turned left, the top edge becomes the left one).
Margins TurnMargins(const Margins& m, Turn turn);

// The page body of a tab control `width` x `height` whose tab items are `tabs`: the whole
// control less the band the tabs take on their side. Without tabs, the whole control.
Rect TabBodyRect(int width, int height, const std::vector<Rect>& tabs, int orientation);

// Where a tab's image goes. A tab that is not selected fills its item rectangle; the
// selected one stands out by 2 pixels on its outer side and along it, and reaches one pixel
// into the body, so that it covers the body's edge and the tab joins its page.
Rect TabPieceRect(const Rect& item, bool selected, int orientation);

// Where a tab of a tab set goes. The tabs hang from the set's top edge, under the strip
// `edge` pixels high that shows the bottom of the page above; the selected tab stands out
// by 2 pixels along and below and reaches over that strip to the page.
Rect TabSetPieceRect(const Rect& item, bool selected, int edge);

}  // namespace kq::skin

// What the edit, combo box, up-down, progress, track bar and tab skinners decide without a
// window: whether an edit has a border to frame, where a combo box's button sits, the two
// buttons of an up-down and their frames, how a progress bar is composed, which thumb image a
// track bar takes and how a tab control's images are turned for its orientation.
//
// Rectangles are in the control's own coordinates (0, 0 = its top-left corner).
#pragma once

#include "base/bitmap.h"

namespace kq::skin {

// ---- edits ----

// An edit has a border to frame when its client area is smaller than the window in both
// directions (an edit without a border has a client area as large as its window).
bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);
// A printed edit (WM_PRINT) gets its border drawn only when the client area is at least two
// pixels smaller than the window in both directions.
bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight);

// ---- combo boxes ----

// How a combo box is drawn, from the "ComboButton" object's Style: 1 a framed box with the
// button image stretched at the right; 2 one prepared image (edge, button and arrow) sliced
// over the whole window; anything else the sunken edge, the button image and the arrow
// drawn one after another.
enum class ComboLayout { Framed, Composite, Pieces };
ComboLayout ComboLayoutOf(int style);

// The button area of a combo box in the pieces layout: `arrowWidth` + 2 wide, the full
// height, at the left edge (WS_EX_LEFTSCROLLBAR) or at the right.
Rect ComboButtonArea(int width, int height, int arrowWidth, bool left);
// The text area the skin leaves alone in the pieces layout: two pixels in from the border,
// up to the button.
Rect ComboTextArea(int width, int height, int arrowWidth, bool left);
// The button of the framed layout: inside the one-pixel frame and the pixel within it, at
// the right, `thumbWidth` wide (never wider than the inside).
Rect ComboFramedButton(int width, int height, int thumbWidth);

// ---- up-downs ----

// The two buttons of an up-down whose client area is `client`: the left and right halves
// for a horizontal one, else the upper and lower halves (half = size div 2; the second
// button takes the rest).
struct UpDownButtons {
  Rect first;   // up or left
  Rect second;  // down or right
};
UpDownButtons UpDownHalves(const Rect& client, bool horizontal);

// The frame (from 1) of one up-down button: 1 while the cursor is not over it; over it
// pressed 2, hot 4, else 1; a disabled up-down shows 3 on both buttons.
int UpDownButtonFrame(bool cursorOver, bool pressed, bool hot, bool enabled);
// Frame of the 8-frame up-down strips for a button: frame + 4 * n (n 0 up or left, 1 down or
// right).
int UpDownStripFrame(int buttonFrame, bool second);

// ---- progress bars ----

// The filled length of a progress bar `barLength` long at `position` in [minimum, maximum]:
// the share of the way from the minimum, never negative, never past the bar.
int ProgressFill(int barLength, int position, int minimum, int maximum);

// The strip of bar tiles of the tiled (mode 1) look, in the lying-down picture `width` x
// `height`: from the image's left margin, `fill` long, `tileHeight` high, centred vertically,
// never past the bar's right edge.
Rect ProgressTileStrip(int width, int height, int leftMargin, int fill, int tileHeight);

// ---- track bars ----

enum class ThumbImage { None, Horizontal, Vertical };
// A vertical track bar takes the vertical thumb image when the skin has one, else the
// horizontal one; a horizontal track bar the horizontal one.
ThumbImage TrackThumbImage(bool vertical, bool hasHorizontal, bool hasVertical);

// ---- tabs ----

// How the two tab images ("Tabs" and its "Border") are turned for an orientation (0 top,
// 1 bottom, 2 left, 3 right): tabs at the bottom flip both; tabs at the left turn the border
// image left (counter-clockwise), at the right turn it right.
enum class Turn { None, Flip, Left, Right };
struct TabImageTurns {
  Turn tabs = Turn::None;
  Turn border = Turn::None;
};
TabImageTurns TabTurns(int orientation);
// A tab of a vertical orientation is composed lying down (width and height swapped, drawn as
// a top tab) and then turned upright: left tabs counter-clockwise, right tabs clockwise.
Turn TabPieceTurn(int orientation);

}  // namespace kq::skin

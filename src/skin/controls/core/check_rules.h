// What the check box and radio button skinners decide without a window: which cell of the
// skin's check or radio image shows, where it goes in the window, and the nine-cell glyph
// strip that check boxes of other libraries take from the check image.
//
// Cells of a four-frame image, counted from 1: 1 unchecked, 2 checked, 3 unchecked disabled,
// 4 checked disabled (or grayed). Twelve-frame check images and eight-frame radio images
// have more looks per state; their frames are remapped.
#pragma once

#include <optional>
#include <string_view>

#include "base/bitmap.h"

namespace kq::skin {

// What a check box tells about itself.
struct CheckBoxState {
  bool checked = false;        // BM_GETSTATE has BST_CHECKED
  bool indeterminate = false;  // BM_GETSTATE has BST_INDETERMINATE
  bool disabled = false;       // the window has WS_DISABLED
  // A program control's published "State" (by its enumeration name, e.g. "cbGrayed") and
  // "Checked" ("True"/"False"), when it publishes them.
  std::optional<std::wstring_view> stateProp;
  std::optional<std::wstring_view> checkedProp;
};

// The frame (from 1) of a check image of `frameCount` frames, before it is fitted to the
// image. With 12 frames: 2 -> 5, 3 -> 4, 4 -> 8; indeterminate 12 when disabled, else 9.
int CheckBoxFrame(const CheckBoxState& s, int frameCount);

// The frame of a radio image: checked 2, else 1; disabled adds 2. With 8 frames:
// 2 -> 5, 3 -> 4, 4 -> 8.
int RadioButtonFrame(bool checked, std::optional<std::wstring_view> checkedProp, bool disabled,
                     int frameCount);

// A computed frame beyond the image (a disabled control grayed through its "State" gives 6)
// shows the image's last frame, the nearest look the skin has; the skinner never draws
// pixels from outside the image.
int FitFrame(int frame, int frameCount);

// Where the box of a check box or radio button goes in its window rectangle.
struct CheckCellPlace {
  Rect cell;    // the image cell, stretched to this rectangle
  Rect column;  // filled with the parent's colour first (full window height)
};
// `boxRight`: the text is on the left (BS_LEFTTEXT), the box at the right edge.
CheckCellPlace PlaceCheckCell(const Rect& window, int cellWidth, int cellHeight, bool boxRight,
                              bool radio);

// The width of one cell of an image strip of `frameCount` frames (a count below 1 counts as 1).
int CellWidth(int imageWidth, int frameCount);

// The nine-cell glyph strip of TSkinObjImage from the check image of `frameCount` frames:
// cells 0 and 3 <- source cell 0; 1 and 4 <- 1; 6 <- 2; 7 <- 3; with exactly five source
// frames also 2, 5 and 8 <- 4. Cells with no source stay magenta (transparent to the control
// that takes the strip). Empty when the image is empty.
Bitmap BuildCheckGlyphStrip(const Bitmap& checkImage, int frameCount);

}  // namespace kq::skin

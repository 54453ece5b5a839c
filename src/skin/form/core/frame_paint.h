// The pixels of a skinned window frame: the four border pieces, where each goes, and the
// whole frame composed into one picture (the caption's text and buttons are added on top by
// the painter, which owns the font). Pieces are sliced with RenderNineSlice: left and right
// keep their top and bottom caps, top and bottom their left and right caps.
#pragma once

#include "base/bitmap.h"
#include "skin/draw/frame.h"

namespace kq::skin {

// The pieces by their number in the skin: 1 "Left", 2 "Right", 3 "Top", 4 "Bottom".
enum class FramePart { Left = 1, Right = 2, Top = 3, Bottom = 4 };

// One frame edge as the painters read it (TDataSkinBorder).
struct BorderPiece {
  const Bitmap* image = nullptr;  // null or empty: the piece draws black
  int frameCount = 1;
  Margins margins;
  int tile = 1;   // the edge's Stretch key: 1 stretches the middle, any other value tiles it
  int trans = 0;  // 1: magenta pixels are cut out of the window region
};

struct FrameSkin {
  BorderPiece left, right, top, bottom;
  const BorderPiece& Part(FramePart p) const;
};

// Frame 1 is the active look, frame 2 the inactive one; single-frame pieces have only 1.
int BorderPieceFrame(const BorderPiece& piece, bool active);

// The piece rendered at w x h: frames side by side for left and right, stacked for top and
// bottom. An empty size gives an empty picture.
Bitmap RenderBorderPiece(const BorderPiece& piece, FramePart part, int width, int height,
                         bool active);

// Draws the piece opaque into `at` of `dst`. Nothing happens when the rectangle's right or
// bottom edge is negative or it is inverted.
void DrawBorderPiece(Bitmap& dst, const BorderPiece& piece, FramePart part, const Rect& at,
                     bool active);

// Where the parts of a w x h frame go (frame coordinates). `frame` holds the border widths;
// its top is the caption height.
struct FrameRects {
  Rect left, right, bottom;
  Rect caption;  // the whole strip (0, 0, w, FrameTop): the ends come from the side pieces
  Rect top;      // the top piece between the side pieces
  Rect menuBar;
  Rect client;
};
FrameRects LayoutFrame(int width, int height, const Margins& frame, int menuBarHeight);

// Paints the frame of a `out.Width()` x `out.Height()` window into `out`: left, right and
// bottom pieces, then the top piece between the side pieces' upper ends. The client area and
// the menu-bar row are left as they are. Every pixel of the frame is written.
void ComposeFrame(Bitmap& out, const FrameSkin& skin, const Margins& frame, bool active);

// The caption text background (TDataSkinTitle's TextBack image: two stacked frames, caps
// TextBackLeft and TextBackRight), keyed on magenta over `back`.
void DrawCaptionBack(Bitmap& canvas, const Bitmap& image, const Rect& back, int capLeft,
                     int capRight, bool active);

}  // namespace kq::skin

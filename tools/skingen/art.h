// The pictures of the default skin, each made from code. Sizes and frame layouts are the
// ones the definition text (default_skin.cpp) announces.
#pragma once

#include "base/bitmap.h"

namespace kq::skingen {

// Window frame: border widths and caption height, shared with the definition text.
inline constexpr int kFrameWidth = 4;
inline constexpr int kCaptionHeight = 30;
inline constexpr int kTopCap = 8;     // unscaled ends of the caption piece
inline constexpr int kEdgeLength = 64;  // height of the side pieces
inline constexpr int kTopLength = 40;   // width of the caption and bottom pieces

// Caption buttons: four frames (normal, pressed, hot, inactive) of this size.
inline constexpr int kCaptionButtonW = 28;
inline constexpr int kCaptionButtonH = 20;

// The four frame edges: Left and Right with their two frames side by side, Top and Bottom
// with theirs stacked (active first, then inactive).
Bitmap FrameEdge(char which);  // 'L', 'R', 'T', 'B'
Bitmap CaptionTextBack();
enum class CaptionGlyph { Close, Maximise, Restore, Minimise, Tray };
Bitmap CaptionButton(CaptionGlyph glyph);
Bitmap WindowMenuButtons();  // MDICONTROLS: minimise, restore, close, four frames each

Bitmap PushButton();
Bitmap CheckStrip();
Bitmap RadioStrip();
Bitmap ScrollArrows();
Bitmap ScrollTrack(bool vertical);
Bitmap ScrollThumb(bool vertical);
Bitmap ProgressBar();
Bitmap ProgressChunk();
Bitmap TabFaces();
Bitmap TabBorder();
Bitmap ComboButtonFaces();
Bitmap SunkEdge();
Bitmap ExtraGlyphs();
Bitmap HeaderFaces();
Bitmap MenuItemFaces();
Bitmap MenuBackground();
Bitmap MenuBarBackground();
Bitmap GroupBoxEdge();
Bitmap GroupBoxLabel();
Bitmap StatusBarEdges();
Bitmap ToolbarFaces();
enum class ThumbShape { Horz, Vert, Left, Right, Up, Down };
Bitmap TrackbarThumb(ThumbShape shape);
Bitmap UpDownFaces(bool horizontal);
Bitmap UpDownGlyphs(bool horizontal);

}  // namespace kq::skingen

// The pictures of the default skin, each made from code at a scale (paint.h). Sizes and
// frame layouts are the ones the definition text (default_skin.cpp) announces; the lengths
// below are at 96 dpi.
#pragma once

#include "base/bitmap.h"
#include "skingen/paint.h"

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
Bitmap FrameEdge(const Scale& s, char which);  // 'L', 'R', 'T', 'B'
Bitmap CaptionTextBack(const Scale& s);
enum class CaptionGlyph { Close, Maximise, Restore, Minimise, Tray };
Bitmap CaptionButton(const Scale& s, CaptionGlyph glyph);
Bitmap WindowMenuButtons(const Scale& s);  // MDICONTROLS: minimise, restore, close, four frames each

Bitmap PushButton(const Scale& s);
Bitmap CheckStrip(const Scale& s);
Bitmap RadioStrip(const Scale& s);
Bitmap ScrollArrows(const Scale& s);
Bitmap ScrollTrack(const Scale& s, bool vertical);
Bitmap ScrollThumb(const Scale& s, bool vertical);
Bitmap ProgressBar(const Scale& s);
Bitmap ProgressChunk(const Scale& s);
Bitmap TabFaces(const Scale& s);
Bitmap TabBorder(const Scale& s);
Bitmap ComboButtonFaces(const Scale& s);
Bitmap SunkEdge(const Scale& s);
Bitmap ExtraGlyphs(const Scale& s);
Bitmap HeaderFaces(const Scale& s);
Bitmap MenuItemFaces(const Scale& s);
Bitmap MenuBackground(const Scale& s);
Bitmap MenuBarBackground(const Scale& s);
Bitmap GroupBoxEdge(const Scale& s);
Bitmap GroupBoxLabel(const Scale& s);
Bitmap StatusBarEdges(const Scale& s);
Bitmap ToolbarFaces(const Scale& s);
enum class ThumbShape { Horz, Vert, Left, Right, Up, Down };
Bitmap TrackbarThumb(const Scale& s, ThumbShape shape);
Bitmap UpDownFaces(const Scale& s, bool horizontal);
Bitmap UpDownGlyphs(const Scale& s, bool horizontal);

}  // namespace kq::skingen

// What the group box and status bar skinners decide without a window: where the group box's
// frames and caption go, which frame of the skin's "StatusBarEdges" image each status panel
// shows, where its text goes and where the size grip sits.
#pragma once

#include "base/bitmap.h"

namespace kq::skin {

// ---- group box ----
struct GroupBoxLayout {
  Rect outer;       // framed with the face brush, and again inset by 1 (hides the etched frame)
  Rect inner;
  Rect round;       // RoundRect in the shadow colour, corner ellipse 5 x 5
  Rect caption;     // the caption, drawn on the face colour
};
inline constexpr int kGroupBoxCorner = 5;
inline constexpr int kGroupBoxCaptionIndent = 9;
// A group box of `width` x `height` whose font's "0" is `textHeight` high.
GroupBoxLayout LayoutGroupBox(int width, int height, int textHeight);

// ---- status bar ----
// TStatusPanelBevel, in the order of its names.
enum class PanelBevel { None, Lowered, Raised };
// "StatusBarEdges" frame (of 3): lowered 1, raised 2, none 3.
int StatusPanelFrame(PanelBevel bevel);
inline constexpr int kStatusEdgeFrames = 3;
// A bar in simple mode shows one frame 1 over its whole width.
inline constexpr int kStatusSimpleFrame = 1;
bool StatusBarSimple(bool simplePanel, int panelCount);

// The rectangle a panel is drawn in: the last panel reaches the bar's right edge.
Rect StatusPanelRect(const Rect& panel, bool last, int barWidth);
// Texts sit 2 pixels in from the panel's sides.
Rect StatusTextRect(const Rect& panel);

// A panel's TAlignment (0 left, 1 right, 2 centre) as DT_LEFT / DT_RIGHT / DT_CENTER; with
// right-to-left reading left and right swap.
unsigned StatusTextAlignment(int alignment, bool rightToLeft);

// The size grip cell (frame 5 of "ExtraImages"), its bottom-right corner at
// (width - 1, height - 1) of the bar.
inline constexpr int kSizeGripFrame = 5;
Rect SizeGripRect(int barWidth, int barHeight, int cellWidth, int cellHeight);

}  // namespace kq::skin

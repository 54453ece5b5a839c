// Where a window that is centred on the screen goes: the middle of the work area of one
// monitor (the caller picks the monitor; the form layer takes the one under the mouse
// pointer), kept inside that work area, so that with several monitors a window never
// straddles two of them and never hides under a taskbar.
#pragma once

namespace kq::ui {

// A rectangle in virtual-screen coordinates (those of a monitor left of the primary one are
// negative); right and bottom are outside it, as in a Win32 RECT.
struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct ScreenPoint {
  int x = 0, y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The top-left corner of a width x height window centred on `work`. A window larger than the
// work area keeps its top-left corner (caption and system menu) inside it.
ScreenPoint CentreInWorkArea(const ScreenRect& work, int width, int height);

}  // namespace kq::ui

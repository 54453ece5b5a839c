// Placing a window on the screen the user looks at: the work area of the monitor that holds
// the mouse pointer (the primary one when the pointer is on none), centred and kept inside.
// Every window of the program that is centred on the screen goes through here:
//
//   const POINT at = kq::ui::CentreOnPointerMonitor(width, height);
//   SetWindowPos(wnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
#pragma once

#include <windows.h>

namespace kq::ui {

// The work area (the monitor less its taskbars) of the monitor under the mouse pointer.
RECT PointerMonitorWorkArea();

// The top-left corner of a width x height window centred on that work area.
POINT CentreOnPointerMonitor(int width, int height);

}  // namespace kq::ui

#include "ui/screen.h"

#include "ui/core/screen_placement.h"

namespace kq::ui {

RECT PointerMonitorWorkArea() {
  POINT pointer{};
  GetCursorPos(&pointer);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &info))
    return info.rcWork;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

POINT CentreOnPointerMonitor(int width, int height) {
  const RECT w = PointerMonitorWorkArea();
  const ScreenPoint at = CentreInWorkArea({w.left, w.top, w.right, w.bottom}, width, height);
  return POINT{at.x, at.y};
}

}  // namespace kq::ui

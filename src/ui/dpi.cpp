#include "ui/dpi.h"

#include <windows.h>

namespace kq::ui {

int ScreenDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    const int v = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return v > 0 ? v : kDesignDpi;
  }();
  return dpi;
}

int ScaleToScreen(int designPixels) { return MulDiv(designPixels, ScreenDpi(), kDesignDpi); }

}  // namespace kq::ui

#include "ui/core/screen_placement.h"

#include <algorithm>

namespace kq::ui {

namespace {

// Centred within [low, high), then pulled back so the far edge is inside and, before all,
// the near edge.
int CentreOnSpan(int low, int high, int size) {
  const int centred = low + (high - low - size) / 2;
  return std::max(low, std::min(centred, high - size));
}

}  // namespace

ScreenPoint CentreInWorkArea(const ScreenRect& work, int width, int height) {
  return {CentreOnSpan(work.left, work.right, width), CentreOnSpan(work.top, work.bottom, height)};
}

}  // namespace kq::ui

#include "skin/draw/frame.h"

namespace kq {

Rect FrameRect(const Bitmap& image, Layout layout, int count, int index) {
  if (count < 1) count = 1;
  if (index < 1 || index > count) return Rect{};
  if (layout == Layout::Stacked) {
    const int h = image.Height() / count;
    return Rect{0, h * (index - 1), image.Width(), h * index};
  }
  const int w = image.Width() / count;
  return Rect{w * (index - 1), 0, w * index, image.Height()};
}

}  // namespace kq

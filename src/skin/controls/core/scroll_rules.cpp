#include "skin/controls/core/scroll_rules.h"

#include <algorithm>
#include <cstdint>

namespace kq::skin {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t num = static_cast<std::int64_t>(a) * b;
  std::int64_t q = num / c;
  const std::int64_t r = num % c;
  // Round half away from zero.
  const std::int64_t absR2 = (r < 0 ? -r : r) * 2;
  const std::int64_t absC = c < 0 ? -static_cast<std::int64_t>(c) : c;
  if (absR2 >= absC) q += ((num < 0) != (c < 0)) ? -1 : 1;
  return static_cast<int>(q);
}

ThumbExtent ScrollControlThumb(int length, int arrowSize, int position, int max, int pageSize) {
  const int a = arrowSize;
  int thumbLength = a;
  int start = a;
  if (max > 0) {
    if (pageSize != 0) thumbLength = MulDivRound(length - 2 * a, pageSize - 1, max);
    if (position != 0) {
      start = a + MulDivRound(pageSize != 0 ? length - 2 * a : length - 3 * a, position, max);
    }
  }
  // A position or page outside the range must not push the thumb over the arrows.
  const int track = std::max(0, length - 2 * a);
  thumbLength = std::clamp(thumbLength, 0, track);
  start = std::clamp(start, a, std::max(a, length - a - thumbLength));
  return {start, start + thumbLength};
}

ScrollPart ScrollHitTest(int p, int length, int arrowSize, const ThumbExtent& thumb) {
  if (p < arrowSize) return spLineUp;
  if (p < thumb.start) return spPageUp;
  if (p < thumb.end) return spThumb;
  if (p < length - arrowSize) return spPageDown;
  return spLineDown;
}

int ScrollArrowLength(int barLength, int arrowSize) {
  return barLength < 2 * arrowSize ? barLength / 2 : arrowSize;
}

int DraggedThumbStart(int pressThumbStart, int delta, int thumbLength, int length,
                      int arrowSize) {
  const int hi = length - arrowSize - thumbLength;
  return std::max(arrowSize, std::min(pressThumbStart + delta, hi));
}

int ScrollThumbThickness(int stripHeight, int arrowSize) {
  return stripHeight < arrowSize - 3 ? arrowSize : stripHeight;
}

int ScrollArrowFrame(bool vertical, bool endArrow, bool pressed) {
  return (vertical ? 9 : 1) + (endArrow ? 4 : 0) + (pressed ? 1 : 0);
}

ScrollBarLayout LayoutScrollBar(const ScrollBarPaintInput& in) {
  ScrollBarLayout l;
  const int len = in.vertical ? in.height : in.width;
  const int across = in.vertical ? in.width : in.height;
  const int arrow = ScrollArrowLength(len, in.arrowSize);
  // Along-axis spans turned into rectangles.
  auto span = [&](int from, int to, int crossFrom, int crossTo) {
    return in.vertical ? Rect{crossFrom, from, crossTo, to} : Rect{from, crossFrom, to, crossTo};
  };
  if (len >= 2 * in.arrowSize) l.track = span(in.arrowSize, len - in.arrowSize, 0, across);
  l.firstArrow = span(0, arrow, 0, across);
  l.lastArrow = span(len - arrow, len, 0, across);
  l.trackFrame = in.enabled ? 1 : 3;
  l.thumbFrame = in.dragging ? 2 : 1;
  if (in.enabled && in.thumb.end > in.thumb.start) {
    const int thick = std::min(in.thumbThickness > 0 ? in.thumbThickness : across, across);
    const int off = (across - thick) / 2;
    l.thumb = span(in.thumb.start, in.thumb.end, off, off + thick);
  }
  return l;
}

Rect ScrollCornerSquare(const Rect& verticalBar, const Rect& horizontalBar) {
  return {verticalBar.left, horizontalBar.top, verticalBar.right + 2, horizontalBar.bottom + 2};
}

int TabOrientation(unsigned style) {
  const bool bottom = (style & 0x2u) != 0;
  const bool vertical = (style & 0x80u) != 0;
  if (bottom && vertical) return 3;
  if (bottom) return 1;
  if (vertical) return 2;
  return 0;
}

int ControlStateFrame(bool pressed, bool hot, bool focused, bool enabled) {
  if (!enabled) return 3;
  if (pressed) return 2;
  if (hot || focused) return 4;
  return 1;
}

}  // namespace kq::skin

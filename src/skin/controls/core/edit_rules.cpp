#include "skin/controls/core/edit_rules.h"

#include <algorithm>


namespace kq::skin {

bool EditHasBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
  return clientWidth < windowWidth && clientHeight < windowHeight;
}

bool EditPrintsBorder(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
  return clientWidth <= windowWidth - 2 && clientHeight <= windowHeight - 2;
}

ComboLayout ComboLayoutOf(int style) {
  if (style == 1) return ComboLayout::Framed;
  if (style == 2) return ComboLayout::Composite;
  return ComboLayout::Pieces;
}

Rect ComboButtonArea(int width, int height, int arrowWidth, bool left) {
  const int b = std::clamp(arrowWidth + 2, 0, std::max(width, 0));
  return left ? Rect{0, 0, b, height} : Rect{width - b, 0, width, height};
}

Rect ComboTextArea(int width, int height, int arrowWidth, bool left) {
  const Rect button = ComboButtonArea(width, height, arrowWidth, left);
  Rect r = left ? Rect{button.right, 2, width - 2, height - 2} : Rect{2, 2, button.left, height - 2};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

Rect ComboFramedButton(int width, int height, int thumbWidth) {
  const Rect inside{2, 2, std::max(width - 2, 2), std::max(height - 2, 2)};
  const int w = std::clamp(thumbWidth, 0, inside.Width());
  return Rect{inside.right - w, inside.top, inside.right, inside.bottom};
}

UpDownButtons UpDownHalves(const Rect& client, bool horizontal) {
  UpDownButtons b{client, client};
  if (horizontal) {
    const int half = client.Width() / 2;
    b.first.right = client.left + half;
    b.second.left = client.left + half;
  } else {
    const int half = client.Height() / 2;
    b.first.bottom = client.top + half;
    b.second.top = client.top + half;
  }
  return b;
}

int UpDownButtonFrame(bool cursorOver, bool pressed, bool hot, bool enabled) {
  if (!enabled) return 3;
  if (!cursorOver) return 1;
  if (pressed) return 2;
  if (hot) return 4;
  return 1;
}

int UpDownStripFrame(int buttonFrame, bool second) { return buttonFrame + (second ? 4 : 0); }

int ProgressFill(int barLength, int position, int minimum, int maximum) {
  if (barLength <= 0 || maximum <= minimum) return 0;
  // In 64 bits: a range of the whole int span does not overflow.
  const long long span = static_cast<long long>(maximum) - minimum;
  const long long done = std::clamp(static_cast<long long>(position) - minimum, 0LL, span);
  const long long fill = (static_cast<long long>(barLength) * done * 2 + span) / (2 * span);
  return static_cast<int>(std::min<long long>(fill, barLength));
}

Rect ProgressTileStrip(int width, int height, int leftMargin, int fill, int tileHeight) {
  const int left = std::clamp(leftMargin, 0, std::max(width, 0));
  const int right = std::clamp(left + std::max(fill, 0), left, std::max(width, 0));
  const int h = std::clamp(tileHeight, 0, std::max(height, 0));
  const int top = (height - h) / 2;
  return Rect{left, top, right, top + h};
}

ThumbImage TrackThumbImage(bool vertical, bool hasHorizontal, bool hasVertical) {
  if (vertical && hasVertical) return ThumbImage::Vertical;
  return hasHorizontal ? ThumbImage::Horizontal : ThumbImage::None;
}

TabImageTurns TabTurns(int orientation) {
  switch (orientation) {
    case 1:
      return {Turn::Flip, Turn::Flip};
    case 2:
      return {Turn::None, Turn::Left};
    case 3:
      return {Turn::None, Turn::Right};
    default:
      return {};
  }
}

Turn TabPieceTurn(int orientation) {
  if (orientation == 2) return Turn::Left;
  if (orientation == 3) return Turn::Right;
  return Turn::None;
}

}  // namespace kq::skin

#include "skin/controls/core/tab_rules.h"

#include <algorithm>

namespace kq::skin {

Margins TurnMargins(const Margins& m, Turn turn) {
  switch (turn) {
    case Turn::Flip:
      return Margins{m.left, m.bottom, m.right, m.top};
    case Turn::Left:
      return Margins{m.top, m.right, m.bottom, m.left};
    case Turn::Right:
      return Margins{m.bottom, m.left, m.top, m.right};
    case Turn::None:
      break;
  }
  return m;
}

Rect TabBodyRect(int width, int height, const std::vector<Rect>& tabs, int orientation) {
  Rect body{0, 0, std::max(width, 0), std::max(height, 0)};
  if (tabs.empty()) return body;
  switch (orientation) {
    case 1: {
      int top = body.bottom;
      for (const Rect& t : tabs) top = std::min(top, t.top);
      body.bottom = std::max(top, 0);
      break;
    }
    case 2: {
      int right = 0;
      for (const Rect& t : tabs) right = std::max(right, t.right);
      body.left = std::min(right, body.right);
      break;
    }
    case 3: {
      int left = body.right;
      for (const Rect& t : tabs) left = std::min(left, t.left);
      body.right = std::max(left, 0);
      break;
    }
    default: {
      int bottom = 0;
      for (const Rect& t : tabs) bottom = std::max(bottom, t.bottom);
      body.top = std::min(bottom, body.bottom);
      break;
    }
  }
  return body;
}

Rect TabPieceRect(const Rect& item, bool selected, int orientation) {
  if (!selected) return item;
  switch (orientation) {
    case 1:
      return Rect{item.left - 2, item.top - 1, item.right + 2, item.bottom + 2};
    case 2:
      return Rect{item.left - 2, item.top - 2, item.right + 1, item.bottom + 2};
    case 3:
      return Rect{item.left - 1, item.top - 2, item.right + 2, item.bottom + 2};
    default:
      return Rect{item.left - 2, item.top - 2, item.right + 2, item.bottom + 1};
  }
}

Rect TabSetPieceRect(const Rect& item, bool selected, int edge) {
  const int top = std::max(item.top, edge);
  if (!selected) return Rect{item.left, top, item.right, item.bottom};
  return Rect{item.left - 2, std::min(item.top, 0), item.right + 2, item.bottom + 2};
}

}  // namespace kq::skin

#include "skin/controls/core/box_rules.h"

#include <utility>

#include "skin/controls/core/button_rules.h"

namespace kq::skin {

GroupBoxLayout LayoutGroupBox(int width, int height, int textHeight) {
  GroupBoxLayout l;
  const int y = textHeight / 2 - 1;
  l.outer = Rect{0, y, width, height};
  l.inner = Rect{1, y + 1, width - 1, height - 1};
  l.round = Rect{1, y, width - 1, height - 1};
  l.caption = Rect{kGroupBoxCaptionIndent, 0, width, height};
  return l;
}

int StatusPanelFrame(PanelBevel bevel) {
  switch (bevel) {
    case PanelBevel::Lowered:
      return 1;
    case PanelBevel::Raised:
      return 2;
    case PanelBevel::None:
      break;
  }
  return 3;
}

bool StatusBarSimple(bool simplePanel, int panelCount) { return simplePanel || panelCount <= 0; }

Rect StatusPanelRect(const Rect& panel, bool last, int barWidth) {
  Rect r = panel;
  if (last) r.right = barWidth;
  return r;
}

Rect StatusTextRect(const Rect& panel) { return Rect{panel.left + 2, panel.top, panel.right - 2, panel.bottom}; }

unsigned StatusTextAlignment(int alignment, bool rightToLeft) {
  constexpr unsigned kLeft = 0;
  unsigned left = kLeft, right = kDtRight;
  if (rightToLeft) std::swap(left, right);
  switch (alignment) {
    case 1:
      return right;
    case 2:
      return kDtCenter;
    default:
      return left;
  }
}

Rect SizeGripRect(int barWidth, int barHeight, int cellWidth, int cellHeight) {
  return Rect{barWidth - 1 - cellWidth, barHeight - 1 - cellHeight, barWidth - 1, barHeight - 1};
}

}  // namespace kq::skin

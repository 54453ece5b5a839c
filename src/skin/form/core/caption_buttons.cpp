#include "skin/form/core/caption_buttons.h"

#include <algorithm>

namespace kq::skin {
namespace {

// Column A of the visibility table (`Visibility`).
bool VisibleByFirstCode(int code, int action, const CaptionContext& c,
                        const std::function<bool()>& askWindow) {
  switch (code) {
    case 0: return action != 0 || c.hasSystemMenu;
    case 1: return c.maximised;
    case 2: return !c.maximised;
    case 3: return c.active;
    case 4: return !c.active;
    case 5: return false;
    case 6: return c.canMaximise && c.hasSystemMenu;
    case 7: return !c.canMaximise;
    case 8: return c.canMinimise && c.hasSystemMenu;
    case 9: return !c.canMinimise;
    case 10:
    case 11: return false;
    case kVisibleInMenuBar: return c.mdiChildMaximised && c.menuBarHeight > 0;
    case 200: return c.dialogFrame && !c.messageDialog;
    default: break;
  }
  if (code > 200 && code < kVisibleAskWindowFirst) return true;
  if (code >= kVisibleAskWindowFirst && code <= kVisibleAskWindowLast)
    return askWindow && askWindow();
  return false;
}

// Column B (`Visibility1`): the codes from 200 up always hide.
bool VisibleBySecondCode(int code, const CaptionContext& c) {
  switch (code) {
    case 0: return true;
    case 1: return c.maximised;
    case 2: return !c.maximised;
    case 3: return c.active;
    case 4: return !c.active;
    case 6: return c.canMaximise;
    case 7: return !c.canMaximise;
    case 8: return c.canMinimise;
    case 9: return !c.canMinimise;
    case kVisibleInMenuBar: return c.mdiChildMaximised && c.menuBarHeight > 0;
    default: return false;  // 5, 10, 11, 200..2000 and anything unknown
  }
}

}  // namespace

bool CaptionButtonVisible(const CaptionButtonSpec& b, const CaptionContext& c,
                          const std::function<bool()>& askWindow) {
  const bool a = VisibleByFirstCode(b.visibility, b.action, c, askWindow);
  const bool visible = a && VisibleBySecondCode(b.visibility1, c);
  switch (b.action) {
    case 1: return visible && c.canMaximise;
    case 2: return visible && c.canMinimise;
    case 3:
    case 11:
    case 12: return visible && !c.dialogFrame;
    default: return visible;
  }
}

ButtonSize CaptionButtonSize(int imageWidth, int imageHeight, int frameCount) {
  if (imageWidth <= 0 || imageHeight <= 0) return {};
  return ButtonSize{imageWidth / std::max(frameCount, 1), imageHeight};
}

Rect PlaceCaptionButton(const CaptionButtonSpec& b, ButtonSize size, const CaptionGeometry& g) {
  int x = 0, y = 0;
  switch (b.align) {
    case 0:
      x = b.xCoord;
      y = b.yCoord;
      break;
    case 1:
      x = g.windowWidth - b.xCoord;
      y = b.yCoord;
      break;
    case 2:
    case 8:
      x = g.captionText.left - size.width - b.xCoord;
      y = b.yCoord;
      break;
    case 3:
    case 9:
      x = g.captionText.right + b.xCoord;
      y = b.yCoord;
      break;
    case kVisibleInMenuBar:
      y = g.frameTop + (g.menuBarHeight - size.height) / 2;
      x = g.rightToLeft ? b.xCoord + g.frameLeft + g.menuBarMarginLeft
                        : g.windowWidth - b.xCoord - g.frameRight - g.menuBarMarginLeft;
      break;
    default: break;
  }
  return Rect{x, y, x + size.width, y + size.height};
}

int LayoutCaptionButtons(std::span<CaptionButtonSlot> buttons, const CaptionGeometry& g) {
  int rightmostLeft = 0;
  for (CaptionButtonSlot& s : buttons) {
    if (!s.visible || s.size.width <= 0 || s.size.height <= 0) continue;
    s.bounds = PlaceCaptionButton(s.spec, s.size, g);
    if (s.spec.align == 1) rightmostLeft = std::max(rightmostLeft, s.bounds.left);
  }
  return rightmostLeft;
}

int CaptionButtonAt(std::span<const CaptionButtonSlot> buttons, int x, int y) {
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const CaptionButtonSlot& s = buttons[i];
    const Rect& r = s.bounds;
    if (s.visible && s.spec.action >= 0 && x >= r.left && x < r.right && y >= r.top && y < r.bottom)
      return static_cast<int>(i);
  }
  return -1;
}

int CaptionPaintFrame(int frameCount, bool active) { return !active && frameCount >= 4 ? 4 : 1; }

int CaptionStateFrame(int state, int visibility, int frameCount) {
  const int f = visibility == kVisibleInMenuBar && state == kStateHot ? 4 : state;
  return f >= 1 && f <= std::max(frameCount, 1) ? f : 1;
}

ButtonCommand CommandOfAction(int action) {
  switch (action) {
    case 0: return ButtonCommand::Close;
    case 1:
    case 22: return ButtonCommand::ToggleMaximise;
    case 2:
    case 23: return ButtonCommand::ToggleMinimise;
    case 3:
    case 11:
    case 12: return ButtonCommand::SystemMenu;
    case 7:
    case 60: return ButtonCommand::MdiMinimise;
    case 8:
    case 61: return ButtonCommand::MdiRestore;
    case 9:
    case 62: return ButtonCommand::MdiClose;
    default: return ButtonCommand::Custom;
  }
}

}  // namespace kq::skin

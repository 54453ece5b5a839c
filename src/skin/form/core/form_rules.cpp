#include "skin/form/core/form_rules.h"

#include <string>

#include "base/ascii_case.h"

namespace kq::skin {

int CapabilitiesOf(std::uint32_t style, bool hasSystemMenu) {
  int caps = 0;
  if ((style & kWsSysMenu) || hasSystemMenu) caps |= kHasSystemMenu;
  if (style & kWsMinimizeBox) caps |= kCanMinimise;
  if (style & kWsMaximizeBox) caps |= kCanMaximise;
  return caps;
}

FrameKindResult FrameKindOf(std::uint32_t style, std::uint32_t exStyle, std::string_view className) {
  FrameKindResult r;
  r.kind = FrameKind::Fixed;
  if ((style & kWsPopup) && (style & kWsCaption) != kWsCaption)
    r.kind = FrameKind::Frameless;
  else if (style & kWsThickFrame)
    r.kind = FrameKind::Sizeable;
  else if (style & kDsModalFrame)
    r.kind = FrameKind::Dialog;
  if (exStyle & kWsExDlgModalFrame) r.kind = FrameKind::Dialog;
  if (className == "#32770" || className == "TMessageForm") {
    r.kind = FrameKind::Dialog;
    r.messageDialog = true;
  }
  return r;
}

bool IsUnicodeClassName(std::string_view className) {
  return className.find(".UnicodeClass") != std::string_view::npos;
}

bool IsMdiClientClass(std::string_view className) {
  return SameAsciiNoCase(className, "mdiclient");
}

CaptionStyles SwitchCaptionStyles(std::uint32_t style, int capabilities, std::uint32_t removedCaption, bool on,
                                  bool ownedOrMdiChild) {
  CaptionStyles r{style, capabilities, removedCaption};
  if (on) {
    if (capabilities & kHasSystemMenu) r.style |= kWsSysMenu;
    if (capabilities & kCanMinimise) r.style |= kWsMinimizeBox;
    if (capabilities & kCanMaximise) r.style |= kWsMaximizeBox;
    // Only the caption bits that were taken: a window with a border but no title bar must
    // not come back with a title bar.
    if (capabilities & kCaptionRemoved) r.style |= removedCaption ? removedCaption : kWsCaption;
  } else if (ownedOrMdiChild) {
    r.style &= ~(kWsSysMenu | kWsMinimizeBox | kWsMaximizeBox);
  } else {
    r.removedCaption |= style & kWsCaption;
    r.style &= 0xFF3FFFFFu;
    r.capabilities |= kCaptionRemoved;
  }
  return r;
}

FrameMetrics ComputeFrameMetrics(FrameKind kind, const EdgeImage& left, const EdgeImage& top,
                                 const EdgeImage& right, const EdgeImage& bottom) {
  if (kind == FrameKind::Frameless) return {};
  auto count = [](const EdgeImage& e) { return e.frameCount > 0 ? e.frameCount : 1; };
  FrameMetrics m;
  m.top = top.height / count(top);
  m.left = left.width / count(left);
  m.right = right.width / count(right);
  m.bottom = bottom.height / count(bottom);
  return m;
}

Rect SkinnedClientRect(int x, int y, int cx, int cy, const FrameMetrics& m, int menuBarHeight) {
  return Rect{x + m.left, y + m.top + menuBarHeight, x + cx - m.right, y + cy - m.bottom};
}

int CorrectHitTest(int systemResult, int frameY, int frameTop) {
  if (systemResult != kHtNowhere && systemResult != kHtCaption) return systemResult;
  int r = systemResult;
  if (frameY > 3) r = kHtCaption;
  if (frameY > frameTop) r = kHtMenu;
  return r;
}

Point ClientToFrame(Point client, bool minimised, const FrameMetrics& m, int menuBarHeight) {
  if (minimised) return client;
  return Point{client.x + m.left, client.y + m.top + menuBarHeight};
}

std::optional<WinState> StateFromSizeType(std::uintptr_t sizeType) {
  switch (sizeType) {
    case 0:
      return WinState::Normal;
    case 1:
      return WinState::Minimised;
    case 2:
      return WinState::Maximised;
    default:
      return std::nullopt;
  }
}

WinState StateFromShowCmd(unsigned showCmd) {
  switch (showCmd) {
    case 2:
    case 6:
    case 7:
      return WinState::Minimised;
    case 3:
      return WinState::Maximised;
    default:
      return WinState::Normal;
  }
}

std::optional<WinState> StateFromSysCommand(std::uintptr_t wParam) {
  switch (wParam & 0xFFF0u) {
    case 0xF020:  // SC_MINIMIZE
      return WinState::Minimised;
    case 0xF030:  // SC_MAXIMIZE
      return WinState::Maximised;
    case 0xF120:  // SC_RESTORE
      return WinState::Normal;
    default:
      return std::nullopt;
  }
}

bool SizeChangeBuildsRegion(WinState state, bool mdiChild, bool maximisedChildShown, SkinPhase phase) {
  if (state == WinState::Minimised) return false;
  if (mdiChild && (maximisedChildShown || state != WinState::Normal)) return false;
  return phase == SkinPhase::Ready || phase == SkinPhase::Reapplying;
}

bool RunsFrameStage(std::uint32_t style, std::uint32_t exStyle) {
  return !(style & kWsChild) || (exStyle & kWsExMdiChild);
}

bool RunsNonClientStage(bool minimised, bool mdiChildUnderMaximised, SkinPhase phase) {
  return !minimised && !mdiChildUnderMaximised && phase != SkinPhase::Attached;
}

bool IsWindowCommand(std::uintptr_t wParam) {
  switch (wParam) {
    case 0xF000:  // SC_SIZE
    case 0xF010:  // SC_MOVE
    case 0xF020:  // SC_MINIMIZE
    case 0xF030:  // SC_MAXIMIZE
    case 0xF040:  // SC_NEXTWINDOW
    case 0xF050:  // SC_PREVWINDOW
    case 0xF060:  // SC_CLOSE
    case 0xF120:  // SC_RESTORE
      return true;
    default:
      return false;
  }
}

bool SwallowsKeyMenu(std::uintptr_t wParam, std::intptr_t lParam, bool tracking, bool mouseCaptured,
                     bool menuBarAccelerator) {
  if (tracking || (wParam & 0xFFF0u) != 0xF100u) return false;
  if (lParam == ' ' || lParam == '-' || mouseCaptured) return false;
  return lParam == 0 || menuBarAccelerator;
}

std::vector<SystemPopupItem> SystemPopupItems(int capabilities) {
  std::vector<SystemPopupItem> items;
  items.push_back({" Restore ", kItemRestore, {}});
  if (capabilities & kCanMaximise) items.push_back({" Maximize ", kItemMaximise, {}});
  if (capabilities & kCanMinimise) items.push_back({" Minimize ", kItemMinimise, {}});
  items.push_back({"-", kItemSeparator, {}});
  items.push_back({" Close ", kItemClose, "Shift+F4"});
  return items;
}

bool SystemPopupItemEnabled(int tag, WinState state) {
  switch (tag) {
    case kItemRestore:
      return state != WinState::Normal;
    case kItemMaximise:
      return state != WinState::Maximised;
    case kItemMinimise:
      return state != WinState::Minimised;
    default:
      return true;
  }
}

PopupClick ClassifyPopupClick(std::uint32_t now, std::optional<std::uint32_t> lastPopup,
                              std::uint32_t doubleClickTime, bool hotObject) {
  // Tick counts wrap after 49.7 days; the unsigned difference stays right across the wrap.
  if (!lastPopup || now - *lastPopup > doubleClickTime) return PopupClick::Show;
  return hotObject ? PopupClick::Close : PopupClick::Ignore;
}

Size OuterSizeForClient(int clientW, int clientH, const FrameMetrics& m, int menuBarHeight) {
  return Size{clientW + m.left + m.right, clientH + m.top + m.bottom + menuBarHeight};
}

DialogWidening WidenForCaption(int width, int textShift, int textWidth, int textRightClip) {
  const int needed = textShift + textWidth + textRightClip;
  if (width >= needed) return DialogWidening{width, 0};
  return DialogWidening{needed, (needed - width) / 2};
}

Size UnskinnedOuterSize(int width, int height, Size savedExtra, const FrameMetrics& m, int menuBarHeight) {
  return Size{width + savedExtra.width - m.left - m.right,
              height + savedExtra.height - m.top - menuBarHeight - m.bottom};
}

}  // namespace kq::skin

#include "skin/form/core/menu_rules.h"

#include <cwctype>

namespace kq::skin {

std::vector<bool> VisibleAfterHidingSeparators(const std::vector<MenuEntryState>& entries) {
  std::vector<bool> out(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) out[i] = entries[i].visible;
  bool seenEntry = false;   // a visible non-separator came before
  int pending = -1;         // the last visible separator since then
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!entries[i].visible) continue;
    if (entries[i].separator) {
      out[i] = false;
      if (seenEntry) pending = static_cast<int>(i);
      continue;
    }
    if (pending >= 0) out[static_cast<size_t>(pending)] = true;
    pending = -1;
    seenEntry = true;
  }
  return out;
}

int NeighbourMenuButton(const std::vector<bool>& openable, int current, bool forward) {
  const int n = static_cast<int>(openable.size());
  if (n == 0) return -1;
  int i = current;
  if (i < 0 || i >= n) i = forward ? -1 : n;
  for (int step = 0; step < n; ++step) {
    i = forward ? (i + 1) % n : (i - 1 + n) % n;
    if (i < 0) i += n;
    if (openable[static_cast<size_t>(i)]) return i;
  }
  return -1;
}

std::vector<Rect> LayoutMenuBar(const MenuBarLayoutInput& in) {
  std::vector<Rect> out;
  out.reserve(in.buttons.size());
  int start;
  if (in.hasMenuBarObject) {
    start = in.rightToLeft ? in.marginRight + 8 : in.marginLeft + 4;
    if (in.barWidth < start) start = 12;
  } else {
    start = 6;
  }
  const int bottom = in.barHeight - 1;
  int x = in.rightToLeft ? in.barWidth - start : start;
  for (const MenuBarButtonInput& b : in.buttons) {
    if (!b.visible) {
      out.push_back(Rect{});
      continue;
    }
    const int width = b.emptyCaption ? 0 : b.textWidth + 10;
    if (in.rightToLeft) {
      out.push_back(Rect{x - width, 0, x, bottom});
      x -= width;
    } else {
      out.push_back(Rect{x, 0, x + width, bottom});
      x += width;
    }
  }
  return out;
}

wchar_t AcceleratorOf(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;  // a literal ampersand
      continue;
    }
    return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(caption[i + 1])));
  }
  return 0;
}

bool HasAccelerator(std::wstring_view caption, wchar_t ch) {
  const wchar_t a = AcceleratorOf(caption);
  return a != 0 && a == static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
}

namespace {
constexpr unsigned kVkLeft = 0x25, kVkRight = 0x27;
}

MenuLoopMove MenuLoopKey(const MenuLoopKeyInput& in) {
  if (in.key == kVkLeft) {
    if (!in.hasCurrentItem || in.itemInTrackedPopup) return MenuLoopMove::Previous;
    return MenuLoopMove::None;
  }
  if (in.key == kVkRight) {
    if (in.hasCurrentItem && in.itemHasChildren) return MenuLoopMove::None;
    return MenuLoopMove::Next;
  }
  return MenuLoopMove::None;
}

unsigned MirroredArrowKey(unsigned key, bool rightToLeft) {
  if (!rightToLeft) return key;
  if (key == kVkLeft) return kVkRight;
  if (key == kVkRight) return kVkLeft;
  return key;
}

int SkinnedItemWidth(int measured, bool hasMenuItemObject, int leftWidth, bool hasImages, bool systemPopup) {
  int w = measured + (hasMenuItemObject ? leftWidth : 0) + (systemPopup ? 12 : 10);
  if (!hasImages) w += systemPopup ? 23 : 25;
  return w;
}

ItemSize ForeignItemSize(int textWidth, bool hasText, int height, bool hasMenuItemObject, int leftWidth,
                         bool win9x) {
  ItemSize s;
  s.width = textWidth + 26 + (hasMenuItemObject ? leftWidth : 0);
  s.height = hasText ? height + 4 : 8;
  if (win9x) s.height += 4;
  return s;
}

int MenuItemFrame(bool selected) { return selected ? 4 : 1; }

Color MenuItemTextColour(bool enabled, bool selected, const ItemTextColours& c) {
  if (enabled) return selected ? c.hilightText : c.menuText;
  return c.buttonShadow == c.menuText ? c.systemShadow : c.buttonShadow;
}

std::vector<Rect> PopupBorderStrips(int w, int h) {
  const int b = kPopupBorder;
  return {Rect{0, 0, w, b}, Rect{0, h - b, w, h}, Rect{0, b, b, h - b}, Rect{w - b, b, w, h - b}};
}

}  // namespace kq::skin

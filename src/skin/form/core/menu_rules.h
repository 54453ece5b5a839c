// The menu painter's decisions that need no window: which separators of a submenu are shown,
// which menu-bar button the arrow keys move to, where the menu-bar buttons lie, how the
// menu-loop hook reacts to a key, which accelerator a caption carries, how wide skinned items
// are measured, the text colour of an item and the border strips of a skinned popup.
// TWinSkinForm's menu part and TWinSkinPopMenu apply them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/bitmap.h"

namespace kq::skin {

// ---- separators ----

struct MenuEntryState {
  bool visible = true;
  bool separator = false;
};
// Which entries stay visible once surplus separators are hidden: separators before the first
// and after the last visible entry go, and of a run of separators between two visible
// entries only the last one stays. Entries that are not visible stay hidden; nothing is
// made visible.
std::vector<bool> VisibleAfterHidingSeparators(const std::vector<MenuEntryState>& entries);

// ---- the menu bar ----

// The button the arrow keys move to from `current` (-1: none yet): the next one after the
// last wraps to the first, the one before the first to the last. Buttons that cannot open
// (false in `openable`: hidden or disabled) are passed over; -1 when none can.
int NeighbourMenuButton(const std::vector<bool>& openable, int current, bool forward);

struct MenuBarButtonInput {
  bool visible = true;
  int textWidth = 0;     // the caption's width in the menu font
  bool emptyCaption = false;
};
struct MenuBarLayoutInput {
  int barWidth = 0;
  int barHeight = 0;
  bool hasMenuBarObject = false;  // the skin's "menuBar" image
  int marginLeft = 0, marginRight = 0;  // its caps
  bool rightToLeft = false;
  std::vector<MenuBarButtonInput> buttons;
};
// Button rectangles in bar coordinates (an empty rectangle for a hidden button). A button is
// its text + 10 wide (0 for an empty caption) and as high as the bar less one pixel. The
// first starts at the left cap + 4 (right to left: right cap + 8 from the right edge), at 12
// when the bar is narrower than that, and at 6 without a "menuBar" image.
std::vector<Rect> LayoutMenuBar(const MenuBarLayoutInput& in);

// The accelerator character of a caption ("文件(&F)" -> 'F', "&&" is a literal ampersand),
// upper-cased; 0 when there is none.
wchar_t AcceleratorOf(std::wstring_view caption);
// Whether `ch` (any case) is the caption's accelerator.
bool HasAccelerator(std::wstring_view caption, wchar_t ch);

// What the menu-loop hook does with an arrow key while a menu-bar popup is open.
enum class MenuLoopMove { None, Previous, Next };
struct MenuLoopKeyInput {
  unsigned key = 0;               // virtual key of the WM_KEYDOWN
  bool hasCurrentItem = false;    // an item was reported by WM_MENUSELECT
  bool itemInTrackedPopup = false;  // it sits directly in the bar's popup
  bool itemHasChildren = false;   // it opens a submenu of its own
};
// Left goes to the previous button unless the selection is inside a submenu (then the
// submenu closes); Right goes to the next button unless the selected item opens a submenu.
MenuLoopMove MenuLoopKey(const MenuLoopKeyInput& in);
// Left and Right trade places in a right-to-left menu.
unsigned MirroredArrowKey(unsigned key, bool rightToLeft);

// ---- items ----

// Width of an item of a form's menu, after it measured itself: + the "MenuItem" left cap
// (when the skin has the object) + 10, + 25 more when its menu has no images. The system
// popup's items: + 12 and + 23.
int SkinnedItemWidth(int measured, bool hasMenuItemObject, int leftWidth, bool hasImages, bool systemPopup);
struct ItemSize {
  int width = 0, height = 0;
};
// A foreign item (a menu of a bare window) measured from its text: text + 26 (+ left cap),
// height + 4 with a text, 8 without; + 4 more on the Windows 9x family.
ItemSize ForeignItemSize(int textWidth, bool hasText, int height, bool hasMenuItemObject, int leftWidth,
                         bool win9x);

// The "MenuItem" frame of an item: 4 when selected, else 1.
int MenuItemFrame(bool selected);

struct ItemTextColours {
  Color menuText = 0, hilightText = 0, buttonShadow = 0, systemShadow = 0;
};
// Selected items in the highlight text colour, others in the menu text colour; disabled ones
// in the button shadow colour, or the system's when the skin's equals the menu text colour.
Color MenuItemTextColour(bool enabled, bool selected, const ItemTextColours& c);

// The border strips of a skinned popup window of the given size, copied 1:1 from its
// rendered background: top, bottom, left, right (3 pixels each).
std::vector<Rect> PopupBorderStrips(int width, int height);
inline constexpr int kPopupBorder = 3;

}  // namespace kq::skin

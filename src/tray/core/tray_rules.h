// The notification-area icon's decisions that need no window: which mouse action triggers
// restoring or the popup menu, what each callback message of the icon sets off and in which
// order, which hints the icon takes, the animation order, and what the Visible, Hide and
// Animate setters do. The TTrayIcon component (tray/TrayIcon.h) carries them out with Win32.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// The mouse action that restores the application or opens the popup menu. The order and the
// values are part of the component's published interface (stored property values).
enum TTrayIconMessage : std::uint8_t {
  imClick = 0,
  imDoubleClick = 1,
  imMouseDown = 2,
  imMouseUp = 3,
  imLeftClickUp = 4,
  imLeftDoubleClick = 5,
  imRightClickUp = 6,
  imRightDoubleClick = 7,
  imNone = 8,
};

namespace kq::tray {

// Names in value order, as published properties read and write them ("imDoubleClick").
inline constexpr std::array<std::string_view, 9> kTrayIconMessageNames = {
    "imClick",       "imDoubleClick",     "imMouseDown",    "imMouseUp",         "imLeftClickUp",
    "imLeftDoubleClick", "imRightClickUp", "imRightDoubleClick", "imNone"};

std::string_view TrayIconMessageName(TTrayIconMessage m);
std::optional<TTrayIconMessage> TrayIconMessageFromName(std::string_view name);

// ---- The icon record ----

// The callback message the shell sends to the icon's window (WM_USER + 1).
inline constexpr unsigned kCallbackMessage = 0x401;
// NOTIFYICONDATA flags the icon uses (same values as NIF_MESSAGE, NIF_ICON, NIF_TIP).
inline constexpr unsigned kFlagMessage = 1, kFlagIcon = 2, kFlagTip = 4;
// A hint must stay below this many bytes in code page 936 (the classic 64-byte tip field).
inline constexpr std::size_t kHintLimitBytes = 64;

// The record's flags: message and icon always, the tip while there is a hint.
unsigned IconFlags(bool hasHint);

// Whether the hint setter takes `proposed` (UTF-8) while `current` is the hint: only a
// different text of fewer than 64 code page 936 bytes; anything else leaves the old hint.
bool AcceptsHint(std::string_view current, std::string_view proposed);

// ---- Mouse actions on the icon ----

// Same order as the form layer's TMouseButton.
enum class Button : std::uint8_t { Left, Right, Middle };

// One step of handling a callback message, done in the order given.
enum class Step : std::uint8_t {
  MouseMove,  // DoMouseMove
  MouseDown,  // DoMouseDown(button)
  MouseUp,    // DoMouseUp(button)
  Click,      // DoClick
  DblClick,   // DoDblClick
  React,      // restore, then popup, each when `action` is the one selected for it
};

struct StepEntry {
  Step step;
  Button button = Button::Left;             // MouseDown / MouseUp
  TTrayIconMessage action = imNone;         // React
};

struct CallbackPlan {
  std::array<StepEntry, 3> steps{};
  int count = 0;
};

// What a mouse message (WM_MOUSEMOVE 0x200 .. WM_MBUTTONDBLCLK 0x209) carried by the callback
// message sets off. A click is raised only while an OnClick handler is assigned. A move is
// always passed on; DoMouseMove raises the move event when its handler is assigned. Other
// values give an empty plan.
CallbackPlan PlanCallback(unsigned mouseMessage, bool onClickAssigned);

// Restore and popup for one mouse action, restore first.
struct Reaction {
  bool restore = false;
  bool popup = false;
};
Reaction ReactTo(TTrayIconMessage action, TTrayIconMessage restoreOn,
                 TTrayIconMessage popupMenuOn);

// The actions DoClick, DoDblClick, DoMouseDown and DoMouseUp react to (any button).
inline constexpr TTrayIconMessage kClickAction = imClick;
inline constexpr TTrayIconMessage kDblClickAction = imDoubleClick;
inline constexpr TTrayIconMessage kMouseDownAction = imMouseDown;
inline constexpr TTrayIconMessage kMouseUpAction = imMouseUp;

// ---- Animation ----

// The image after `index` in a list of `imageCount` images: the next one, wrapping to 0.
int NextIconIndex(int index, int imageCount);

// ---- Setters ----

// What setting Hide does to the application window.
enum class HideEffect : std::uint8_t { None, HideAppWindow, RestoreAppWindow };
HideEffect HideSetterEffect(bool visible, bool appMinimized, bool hide);

// Animate keeps a value only with an image list, or while the initial values are applied
// (the list may come later).
bool AnimateTakesValue(bool hasIcons, bool loading);

// After all initial values are applied.
struct LoadedPlan {
  bool animate = false;   // the Animate value kept
  bool timerOn = false;   // the animation timer runs
  bool useImage = false;  // current icon = image IconIndex of the list, else the application's
};
LoadedPlan PlanLoaded(bool hasIcons, bool animate);

// ---- Errors ----

inline constexpr std::string_view kCannotCreateText = "Cannot Create System Shell Notification Icon";
inline constexpr std::string_view kCannotRemoveText = "Cannot Remove System Shell Notification Icon";

}  // namespace kq::tray

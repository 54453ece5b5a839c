// The form skinner's decisions that need no window: what a window's styles say about its
// frame and caption buttons, how its caption styles are switched, the frame widths the skin
// gives, where the client area lies inside the skinned frame, how a hit test is corrected,
// window states from size types, show commands and system commands, which message stages run,
// the system popup's items, and the sizes a window takes when it is fitted to the skin and
// when the skin is taken off. TWinSkinForm (skin/form/win_skin_form.h) applies them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "base/bitmap.h"

namespace kq::skin {

// Window style bits the rules read (same values as the Win32 constants).
inline constexpr std::uint32_t kWsPopup = 0x80000000u, kWsChild = 0x40000000u, kWsMinimize = 0x20000000u,
                               kWsCaption = 0x00C00000u, kWsSysMenu = 0x00080000u,
                               kWsThickFrame = 0x00040000u, kWsMinimizeBox = 0x00020000u,
                               kWsMaximizeBox = 0x00010000u, kWsHScroll = 0x00100000u,
                               kWsVScroll = 0x00200000u, kDsModalFrame = 0x80u;
inline constexpr std::uint32_t kWsExDlgModalFrame = 0x1u, kWsExMdiChild = 0x40u, kWsExLeftScrollBar = 0x4000u;

// How the window's frame is skinned.
enum class FrameKind : std::uint8_t { Sizeable = 0, Fixed = 1, Frameless = 2, Dialog = 3 };
// The window's show state as the skinner tracks it.
enum class WinState : std::uint8_t { Normal = 0, Maximised = 1, Minimised = 2 };
// 0 none, 1 MDI frame (has an "MDIClient" child), 2 MDI child.
enum class MdiRole : std::uint8_t { None = 0, Frame = 1, Child = 2 };
// The skinner's life: attached, ready, re-applying, destroying, first fit, destroyed.
enum class SkinPhase : int { Attached = 0, Ready = 1, Reapplying = 3, Destroying = 4, FirstFit = 5, Destroyed = 6 };

// Capabilities bits.
inline constexpr int kCanMaximise = 1, kCanMinimise = 2, kHasSystemMenu = 8, kCaptionRemoved = 0x10;

// WS_SYSMENU (or a system menu) gives 8, WS_MINIMIZEBOX 2, WS_MAXIMIZEBOX 1.
int CapabilitiesOf(std::uint32_t style, bool hasSystemMenu);

struct FrameKindResult {
  FrameKind kind = FrameKind::Fixed;
  bool messageDialog = false;
};
// A popup without a full caption is frameless; else a thick frame is sizeable, a modal frame
// (style or extended style) is a dialog frame, anything else fixed. Message boxes ("#32770",
// "TMessageForm") always get the dialog frame.
FrameKindResult FrameKindOf(std::uint32_t style, std::uint32_t exStyle, std::string_view className);
// Windows of Unicode wrapper libraries carry ".UnicodeClass" in their class name.
bool IsUnicodeClassName(std::string_view className);
// The MDI client window (the parent of MDI children).
bool IsMdiClientClass(std::string_view className);  // "mdiclient" (any case)

// What a menu window about to open belongs to (the form skinner tells the skin manager).
inline constexpr int kMenuKindPopup = 0, kMenuKindMenuBar = 1, kMenuKindSystem = 2;
// The skin manager's life: nothing activated yet, started (a form skinner attached), shutting
// down.
inline constexpr int kStartNone = 0, kStartStarted = 1, kStartShuttingDown = 4;

struct CaptionStyles {
  std::uint32_t style = 0;
  int capabilities = 0;
  std::uint32_t removedCaption = 0;  // the caption bits taken away, to be given back exactly
};
// Switching the system caption off and on while the skin draws its own: off, an owned window
// or MDI child loses its caption buttons (mask 0xB0000), any other window its caption bits
// (remembered as kCaptionRemoved and in removedCaption); on, what the capabilities remember
// comes back.
CaptionStyles SwitchCaptionStyles(std::uint32_t style, int capabilities, std::uint32_t removedCaption, bool on,
                                  bool ownedOrMdiChild);

// Border widths of the skinned frame; FrameTop is the caption height.
struct FrameMetrics {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const FrameMetrics&, const FrameMetrics&) = default;
};
// One frame edge image: its size and how many frames its strip holds.
struct EdgeImage {
  int width = 0, height = 0, frameCount = 1;
};
// Top and bottom frames are stacked vertically, left and right side by side. A frameless
// window has no skinned frame. A frame count below 1 counts as 1 (a skin may say 0).
FrameMetrics ComputeFrameMetrics(FrameKind kind, const EdgeImage& left, const EdgeImage& top,
                                 const EdgeImage& right, const EdgeImage& bottom);

// The client rectangle WM_NCCALCSIZE gives for a window placed at (x, y, cx, cy).
Rect SkinnedClientRect(int x, int y, int cx, int cy, const FrameMetrics& m, int menuBarHeight);

// Hit-test values the correction uses (same as Win32).
inline constexpr int kHtNowhere = 0, kHtCaption = 2, kHtMenu = 5;
// The system's answer corrected for the skinned caption: where it found nothing or its own
// caption, a point more than 3 pixels down the frame is caption, below the caption the menu bar.
int CorrectHitTest(int systemResult, int frameY, int frameTop);

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
// A client point in frame coordinates (relative to the window's top-left corner). A minimised
// window has no client area to offset from.
Point ClientToFrame(Point client, bool minimised, const FrameMetrics& m, int menuBarHeight);

// WM_SIZE size type to state: restored, minimised, maximised; other types change nothing.
std::optional<WinState> StateFromSizeType(std::uintptr_t sizeType);
// GetWindowPlacement's showCmd to state (2, 6, 7 minimised; 3 maximised).
WinState StateFromShowCmd(unsigned showCmd);
// The state a system command leads to, if it changes the state.
std::optional<WinState> StateFromSysCommand(std::uintptr_t wParam);

// Size changes rebuild the window region only while the skinner is ready or re-applying,
// not when minimised, and for MDI children only while they are shown normal and no child is
// maximised.
bool SizeChangeBuildsRegion(WinState state, bool mdiChild, bool maximisedChildShown, SkinPhase phase);

// Stage 2 (frame messages) runs for top-level windows and MDI children.
bool RunsFrameStage(std::uint32_t style, std::uint32_t exStyle);
// Stage 3 (non-client messages) runs once controls were discovered, while the window is not
// minimised and is not an MDI child hidden behind a maximised sibling.
bool RunsNonClientStage(bool minimised, bool mdiChildUnderMaximised, SkinPhase phase);

// Window commands a form may send as WM_COMMAND (SC_SIZE ... SC_RESTORE); they are re-posted as
// WM_SYSCOMMAND.
bool IsWindowCommand(std::uintptr_t wParam);

// SC_KEYMENU that the skinner answers itself (result 1) so the system's menu loop does not
// start: Alt alone (lParam 0) or the accelerator of a skinned menu-bar button, unless a menu-bar
// popup is open, the mouse is captured, or the key is the system menu's (blank) or the MDI
// child menu's ('-').
bool SwallowsKeyMenu(std::uintptr_t wParam, std::intptr_t lParam, bool tracking, bool mouseCaptured,
                     bool menuBarAccelerator);

// The skinned replacement of the system menu.
inline constexpr int kSystemPopupTag = 33333;
inline constexpr int kItemRestore = 0, kItemMaximise = 1, kItemMinimise = 2, kItemClose = 3,
                     kItemSeparator = 100;
struct SystemPopupItem {
  std::string_view caption;
  int tag = 0;  // also the image index in the skin's menu glyphs
  std::string_view shortcut;
};
std::vector<SystemPopupItem> SystemPopupItems(int capabilities);
// Restore, maximise and minimise are offered only when they change the state.
bool SystemPopupItemEnabled(int tag, WinState state);

// What a right click on the caption does, by the time since the last system popup: open it
// again, close the window (the second click of a double click on the icon button), or nothing.
// `lastPopup` is empty before the first popup.
enum class PopupClick { Show, Close, Ignore };
PopupClick ClassifyPopupClick(std::uint32_t now, std::optional<std::uint32_t> lastPopup,
                              std::uint32_t doubleClickTime, bool hotObject);

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};
// The outer size that holds a client area of clientW x clientH inside the skinned frame.
Size OuterSizeForClient(int clientW, int clientH, const FrameMetrics& m, int menuBarHeight);

// Message boxes whose caption does not fit are widened and their controls moved right by
// half the difference. The caption needs textShift + text width + rightClip pixels.
struct DialogWidening {
  int width = 0;
  int childShift = 0;
};
DialogWidening WidenForCaption(int width, int textShift, int textWidth, int textRightClip);

// The outer size that keeps the client area when the skinned frame is replaced by the
// system's again: savedExtra is what the system frame took at attach (window minus client).
Size UnskinnedOuterSize(int width, int height, Size savedExtra, const FrameMetrics& m, int menuBarHeight);

}  // namespace kq::skin

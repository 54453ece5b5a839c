// Caption buttons of a skinned frame, as decisions that need no window: which buttons a
// window shows, where each one goes, which frame of its strip it draws, which button a
// point hits and what a click on it does. The form skinner's TWinSysButton objects apply
// them (skin/form/sys_buttons.h).
#pragma once

#include <functional>
#include <span>

#include "base/bitmap.h"

namespace kq::skin {

// What the skin says about one caption button (TDataSkinSysButton).
struct CaptionButtonSpec {
  int action = 0;
  int align = 0;
  int xCoord = 0, yCoord = 0;
  int visibility = 0, visibility1 = 0;
};

// What the window is like while its caption is painted.
struct CaptionContext {
  bool hasSystemMenu = false;
  bool canMaximise = false;
  bool canMinimise = false;
  bool maximised = false;
  bool active = true;
  bool dialogFrame = false;    // FrameKind 3
  bool messageDialog = false;  // "#32770" or "TMessageForm"
  // An MDI frame whose active child is maximised: the child's buttons move into its menu row.
  bool mdiChildMaximised = false;
  int menuBarHeight = 0;
};

// Visibility codes with a meaning of their own.
inline constexpr int kVisibleInMenuBar = 100;  // the window-menu buttons of a maximised child
inline constexpr int kVisibleAskWindowFirst = 1000, kVisibleAskWindowLast = 2000;

// `Visibility` and `Visibility1` must both allow the button; then a maximise button is
// hidden on a window that cannot maximise, a minimise button on one that cannot minimise,
// and the icon and system-menu buttons in dialog frames. `askWindow` answers the codes
// 1000..2000 of `Visibility` (SKM_QUERYBUTTONVISIBLE); it is called for nothing else.
bool CaptionButtonVisible(const CaptionButtonSpec& b, const CaptionContext& c,
                          const std::function<bool()>& askWindow);

// The icon buttons show the window's icon instead of a strip of their own.
constexpr bool IsIconAction(int action) { return action == 3 || action == 11; }

// One frame of a caption button strip: frames lie side by side. A count below 1 is one frame.
struct ButtonSize {
  int width = 0, height = 0;
  friend bool operator==(const ButtonSize&, const ButtonSize&) = default;
};
ButtonSize CaptionButtonSize(int imageWidth, int imageHeight, int frameCount);

// Where buttons are placed, in frame coordinates (the window's top-left corner is 0, 0).
struct CaptionGeometry {
  int windowWidth = 0;
  int frameLeft = 0, frameTop = 0, frameRight = 0;
  int menuBarHeight = 0;
  int menuBarMarginLeft = 0;  // left cap of the skin's menu bar image, 0 without one
  bool rightToLeft = false;
  Rect captionText;  // where this paint put the caption text
};

// A button of `size` placed by its Align: 0 from the left, 1 from the right edge, 2 and 8
// left of the caption text, 3 and 9 right of it, 100 in the menu-bar row; anything else at
// the corner.
Rect PlaceCaptionButton(const CaptionButtonSpec& b, ButtonSize size, const CaptionGeometry& g);

// One caption button as the layout sees it; `bounds` is kept when the button is not shown.
struct CaptionButtonSlot {
  CaptionButtonSpec spec;
  ButtonSize size;
  bool visible = false;
  Rect bounds;
};

// Places every visible button that has an image. Returns the largest left edge of the
// right-aligned buttons (0 when there is none): popup windows end their caption text there.
int LayoutCaptionButtons(std::span<CaptionButtonSlot> buttons, const CaptionGeometry& g);

// The first visible button whose Action is not negative and whose bounds hold the point;
// -1 when none.
int CaptionButtonAt(std::span<const CaptionButtonSlot> buttons, int x, int y);

// States of every non-client object.
inline constexpr int kStateNormal = 1, kStatePressed = 2, kStateHot = 3;

// The frame a whole-caption paint draws: the first, or the fourth (inactive look) when the
// window is inactive and the strip has it.
int CaptionPaintFrame(int frameCount, bool active);
// The frame a button draws when its state changes: the state's own frame; a menu-row button
// shows its hot look in frame 4. A strip without that frame falls back to frame 1 rather than
// drawing nothing.
int CaptionStateFrame(int state, int visibility, int frameCount);

// What a click on a caption button does, by its Action.
enum class ButtonCommand {
  Close,           // 0
  ToggleMaximise,  // 1, 22
  ToggleMinimise,  // 2, 23
  SystemMenu,      // 3, 11, 12
  MdiMinimise,     // 7, 60: to the active child of an MDI frame
  MdiRestore,      // 8, 61
  MdiClose,        // 9, 62
  Custom           // anything else: SKM_CUSTOMBUTTON with the Action
};
ButtonCommand CommandOfAction(int action);

}  // namespace kq::skin

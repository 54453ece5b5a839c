// TWinSkinPopMenu: the skinner of one menu window (class "#32768"). The skin manager makes one
// when the menu window is created and frees it when the window is destroyed; the skinner
// subclasses the window, answers SKM_QUERYSKINNED and, while skinning is on, gives the popup
// the skin's "MenuBackground": its outer three pixels as the border, and the rest as the
// background the owner-drawn items are painted on (the form skinner draws the items and takes
// their background from Background()).
#pragma once

#include <windows.h>

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/subclass.h"

class TSkinLook;

class TWinSkinPopMenu : public TObject, private SubclassTarget {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu() override;

  // Subclasses the popup window; `menu` is the menu it shows when known.
  void Hook(HWND popup, TSkinLook* skin, HMENU menu);
  // Gives the window its procedure back and drops the rendered background.
  void Unhook();
  bool Hooked() const { return subclass_.Attached(); }

  // The menu the popup shows: asked of the window when not known yet.
  HMENU KnownMenu();
  // The popup shows a menu of the program whose Tag switches the skin off (Tag mod 100 equals
  // the skin's DisableTag): the window keeps the system's look, as its items do.
  bool SystemLook();
  // The menu background rendered at the window's size (nullptr when the skin has none or the
  // popup keeps the system's look);
  // made again when the window's size changed.
  TBitmap* Background();
  // Where the client area (and so the items' rectangles) starts inside the window.
  POINT ClientOffset() const;

  HWND Handle = nullptr;
  TSkinLook* Skin = nullptr;
  int Reserved = -1;
  HMENU Menu = nullptr;
  bool RegionOwned = false;
  HRGN Region = nullptr;
  // The popup was opened from a skinned menu bar.
  bool MenuBarPopup = false;
  bool Busy = false;

  // The popup that painted before its menu was known; the first item drawn tells it.
  static TWinSkinPopMenu* Waiting;

 private:
  LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) override;
  LRESULT PopMenuWndProc(UINT msg, WPARAM w, LPARAM l);
  bool CanPaint();
  void PaintFrameStrips(HDC dc);
  LRESULT PaintOnPrint(WPARAM w, LPARAM l);

  TBitmap background_;
  bool system_look_known_ = false;
  bool system_look_ = false;
  WindowSubclass subclass_{SubclassKind::PopupMenu};
};

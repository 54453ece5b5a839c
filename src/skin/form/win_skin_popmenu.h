// TWinSkinPopMenu: the skinner of one menu window (class "#32768"). The skin manager makes one
// when the menu window is created and frees it when the window is destroyed; the skinner
// subclasses the window, answers SKM_QUERYSKINNED and, while skinning is on, gives the popup
// the skin's background and border (the items themselves are owner-drawn by the form
// skinner, on the background this skinner rendered).
#pragma once

#include <windows.h>

#include "base/bitmap.h"
#include "skin/form/subclass.h"
#include "ui/component.h"

class TSkinData;

class TWinSkinPopMenu : public TObject, private SubclassTarget {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu() override;

  // Subclasses the popup window; `menu` is the menu it shows when known.
  void Hook(HWND popup, TSkinData* skin, HMENU menu);
  // Gives the window its procedure back and drops the rendered background.
  void Unhook();
  bool Hooked() const { return subclass_.Attached(); }

  HWND Handle = nullptr;
  TSkinData* Skin = nullptr;
  int Reserved = -1;
  // The menu background rendered at the window's size (empty until painted).
  kq::Bitmap Background;
  HMENU Menu = nullptr;
  bool RegionOwned = false;
  HRGN Region = nullptr;
  // The popup was opened from a skinned menu bar.
  bool MenuBarPopup = false;
  bool Busy = false;

 private:
  LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) override;
  LRESULT PopMenuWndProc(UINT msg, WPARAM w, LPARAM l);

  WindowSubclass subclass_{SubclassKind::PopupMenu};
};

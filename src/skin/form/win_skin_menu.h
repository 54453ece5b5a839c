// TWinSkinMenu: the skinned menu bar of a form skinner. The window's own menu is taken off
// (SetMenu(hwnd, NULL)) and its top-level entries become TMenuBtn objects drawn in the
// menu-bar row of the skinned frame; a click opens an entry's popup with TrackPopupMenu
// (TWinSkinForm::OpenMenuBarButton), and the form skinner's menu-loop hook moves from entry
// to entry while a popup is open.
//
// The buttons come from the form's TMainMenu (LoadFromMenuItems) or from a menu handle
// (LoadFromMenuHandleMerged for the window's own menu, LoadFromMenuHandle for an MDI frame's
// new menu); entries of the handle without text take caption and state from the form's menu.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/form/nc_object.h"
#include "ui/graphics.h"

class TMainMenu;
class TMenuItem;
class TSkinLook;
class TWinSkinForm;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm* form, TWinSkinMenu* bar, int index) : TNCObject(form), Bar(bar), Index(index) {}
  TWinSkinMenu* Bar;
  TMenuItem* Item = nullptr;  // the form's menu item, or none
  int Index;                  // position in the bar
  std::wstring Caption;
  bool Enabled = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;
  // Shows the button in its State on the window: the bar's background, the hot frame, the
  // caption.
  void Paint() override;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm* form, TSkinLook* skin, TMainMenu* menu);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  std::vector<std::unique_ptr<TMenuBtn>> Buttons;
  TMainMenu* Menu;          // the form's main menu, or none
  RECT BarRect{};           // in frame coordinates
  TSkinLook* Skin;
  TWinSkinForm* Form;
  TBitmap BarBitmap;        // the painted background without texts
  bool Painting = false;
  HMENU MenuHandle = nullptr;  // the menu the buttons were last loaded from

  void LoadFromMenuItems();
  void LoadFromMenuHandleMerged();
  void LoadFromMenuHandle(HMENU menu);
  // Paints the bar into `dc` (the composed frame) at `bar` (frame coordinates), with the
  // caption buttons of the menu row; `stateButton` shows its hover or press state.
  void PaintMenuBar(HDC dc, const RECT& bar, const TNCObject* stateButton = nullptr);
  // The first button under a frame point that has a caption, or nullptr.
  TMenuBtn* MenuBtnAt(POINT p) const;
  // The button the arrow keys move to from `current` (the next one that can open), or nullptr.
  TMenuBtn* NeighbourMenuBtn(bool forward, int current) const;
  // The first enabled, visible button whose caption has this accelerator, or nullptr.
  TMenuBtn* MenuBtnForAccel(wchar_t ch) const;
  TMenuBtn* Button(int index) const {
    return index >= 0 && index < static_cast<int>(Buttons.size()) ? Buttons[static_cast<size_t>(index)].get() : nullptr;
  }

 private:
  void Clear();
  void LoadFromHandle(HMENU menu, bool byPosition);
};

#include "skin/form/win_skin_popmenu.h"

#include "skin/controls/skin_manager.h"
#include "skin/form/core/skin_messages.h"
#include "ui/handles.h"

TWinSkinPopMenu::TWinSkinPopMenu() = default;

TWinSkinPopMenu::~TWinSkinPopMenu() { Unhook(); }

void TWinSkinPopMenu::Hook(HWND popup, TSkinData* skin, HMENU menu) {
  if (Hooked()) return;
  Handle = popup;
  Skin = skin;
  Menu = menu;
  subclass_.Attach(popup, this);
}

void TWinSkinPopMenu::Unhook() {
  subclass_.Detach();
  if (Region && RegionOwned) kq::ui::DeleteObjectCounted(Region);
  Region = nullptr;
  RegionOwned = false;
  Background = kq::Bitmap();
}

LRESULT TWinSkinPopMenu::SubclassedProc(HWND, UINT msg, WPARAM w, LPARAM l) {
  return PopMenuWndProc(msg, w, l);
}

LRESULT TWinSkinPopMenu::PopMenuWndProc(UINT msg, WPARAM w, LPARAM l) {
  HWND wnd = Handle;
  if (msg == SKM_QUERYSKINNED) return 1;
  TSkinManage* manager = SkinManager();
  if (!manager || !manager->SkinningEnabled) return subclass_.CallSaved(wnd, msg, w, l);
  if (msg == WM_DESTROY) {
    const WNDPROC saved = subclass_.Saved();
    Unhook();
    return CallWindowProcW(saved, wnd, msg, w, l);
  }
  // WM_NCPAINT and WM_PRINT get the skinned background and border from the menu painter
  // (PaintFrameStrips, PaintOnPrint); what it does not take, the system draws.
  return subclass_.CallSaved(wnd, msg, w, l);
}

// The menu painter's part of the form skinner: the skinned menu bar (TWinSkinMenu) and the
// owner-drawn items of the window's menus and of the system popup.
//
// Until the menu painter lands here the window keeps no skinned menu bar (MenuBarHeight 0),
// its menus keep the form layer's own drawing and no menu-bar accelerator is taken.
#include "skin/form/win_skin_form.h"

void TWinSkinForm::CreateMenuBar() { MenuBarHeight = 0; }
void TWinSkinForm::FreeMenuBar() { MenuBar = nullptr; }
void TWinSkinForm::ReloadMenuBar(HMENU) {}
bool TWinSkinForm::MenuBarAccelerator(WCHAR) const { return false; }
bool TWinSkinForm::ClickMenuBarAccelerator(WCHAR) { return false; }
void TWinSkinForm::PaintMenuBar(HDC) {}
void TWinSkinForm::OpenMenuBarButton(TNCObject*) {}
void TWinSkinForm::HookMenus() {}
void TWinSkinForm::UnhookMenus() {}
bool TWinSkinForm::MeasureMenuItem(MEASUREITEMSTRUCT&) { return false; }
bool TWinSkinForm::DrawMenuItem(const DRAWITEMSTRUCT&) { return false; }

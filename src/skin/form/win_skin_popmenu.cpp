#include "skin/form/win_skin_popmenu.h"

#include "skin/controls/core/control_selection.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/form/core/menu_rules.h"
#include "skin/form/form_skinner_host.h"
#include "ui/handles.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

TWinSkinPopMenu* TWinSkinPopMenu::Waiting = nullptr;

TWinSkinPopMenu::TWinSkinPopMenu() = default;

TWinSkinPopMenu::~TWinSkinPopMenu() { Unhook(); }

void TWinSkinPopMenu::Hook(HWND popup, TSkinLook* skin, HMENU menu) {
  if (Hooked()) return;
  Handle = popup;
  Skin = skin;
  Menu = menu;
  subclass_.Attach(popup, this);
}

void TWinSkinPopMenu::Unhook() {
  subclass_.Detach();
  system_look_known_ = false;
  system_look_ = false;
  if (Region && RegionOwned) kq::ui::DeleteObjectCounted(Region);
  Region = nullptr;
  RegionOwned = false;
  background_.SetSize(0, 0);
  if (Waiting == this) Waiting = nullptr;
}

HMENU TWinSkinPopMenu::KnownMenu() {
  if (!Menu && Handle && IsWindow(Handle)) {
    // The system tells the menu of a menu window once the menu is shown in it.
    Menu = reinterpret_cast<HMENU>(subclass_.Attached() ? subclass_.CallSaved(Handle, MN_GETHMENU, 0, 0)
                                                        : SendMessageW(Handle, MN_GETHMENU, 0, 0));
    if (Menu && Waiting == this) Waiting = nullptr;
  }
  return Menu;
}

POINT TWinSkinPopMenu::ClientOffset() const {
  POINT p{0, 0};
  if (!Handle) return p;
  RECT wr{};
  GetWindowRect(Handle, &wr);
  ClientToScreen(Handle, &p);
  return POINT{p.x - wr.left, p.y - wr.top};
}

bool TWinSkinPopMenu::SystemLook() {
  if (system_look_known_) return system_look_;
  const HMENU menu = KnownMenu();
  if (!menu || !Skin) return false;
  system_look_known_ = true;
  // The program's menus are found through the command of any of their entries.
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_ID;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi)) continue;
    const TMenuItem* item = TMenuItem::FromCommand(mi.wID);
    const TMenu* owner = item ? item->GetMenu() : nullptr;
    if (!owner) continue;
    system_look_ = kq::skin::TagDisabled(owner->Tag, Skin->DisableTag);
    break;
  }
  return system_look_;
}

bool TWinSkinPopMenu::CanPaint() {
  return Skin && !Skin->NotLoaded && Skin->MenuBackground && !Skin->MenuBackground->Bitmap.Empty() &&
         !SystemLook();
}

TBitmap* TWinSkinPopMenu::Background() {
  if (!CanPaint() || !Handle) return nullptr;
  RECT wr{};
  GetWindowRect(Handle, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  if (w <= 0 || h <= 0) return nullptr;
  if (background_.Width() != w || background_.Height() != h) {
    const kq::TDataSkinObject& o = *Skin->MenuBackground;
    const kq::Bitmap rendered =
        kq::RenderNineSlice(kq::Rect{0, 0, w, h}, o.Bitmap, o.Margins, kq::Layout::SideBySide,
                            o.Tile ? kq::Centre::Tile : kq::Centre::Stretch, 1, 1);
    background_.SetSize(w, h);
    kq::Bitmap pixels = background_.Pixels();
    kq::CopyPixels(pixels, 0, 0, rendered, rendered.Bounds());
    GdiFlush();
  }
  if (!KnownMenu() && !Waiting) Waiting = this;
  return &background_;
}

LRESULT TWinSkinPopMenu::SubclassedProc(HWND, UINT msg, WPARAM w, LPARAM l) {
  return PopMenuWndProc(msg, w, l);
}

void TWinSkinPopMenu::PaintFrameStrips(HDC dc) {
  TBitmap* bg = Background();
  if (!bg) return;
  HDC src = bg->MemoryDC();
  for (const kq::Rect& r : kq::skin::PopupBorderStrips(bg->Width(), bg->Height()))
    BitBlt(dc, r.left, r.top, r.Width(), r.Height(), src, r.left, r.top, SRCCOPY);
}

LRESULT TWinSkinPopMenu::PaintOnPrint(WPARAM w, LPARAM l) {
  HDC dc = reinterpret_cast<HDC>(w);
  TBitmap* bg = Background();
  if (!bg || !dc) return subclass_.CallSaved(Handle, WM_PRINT, w, l);
  BitBlt(dc, 0, 0, bg->Width(), bg->Height(), bg->MemoryDC(), 0, 0, SRCCOPY);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const int saved = SaveDC(dc);
  const int b = kq::skin::kPopupBorder;
  IntersectClipRect(dc, b, b, bg->Width() - b, bg->Height() - b);
  // The items paint over the background; the system's own border is clipped away.
  const LRESULT r = subclass_.CallSaved(Handle, WM_PRINT, w, l & ~static_cast<LPARAM>(PRF_ERASEBKGND));
  RestoreDC(dc, saved);
  SetBkMode(dc, oldMode);
  // Wine prints the border inside the client area: the skin's strips go over it.
  PaintFrameStrips(dc);
  return r;
}

LRESULT TWinSkinPopMenu::PopMenuWndProc(UINT msg, WPARAM w, LPARAM l) {
  HWND wnd = Handle;
  if (msg == SKM_QUERYSKINNED) return 1;
  FormSkinnerHost* manager = CurrentFormSkinnerHost();
  if (!manager || !manager->SkinningEnabled) return subclass_.CallSaved(wnd, msg, w, l);
  switch (msg) {
    case WM_DESTROY: {
      const WNDPROC saved = subclass_.Saved();
      Unhook();
      return CallWindowProcW(saved, wnd, msg, w, l);
    }
    case WM_NCPAINT: {
      if (!CanPaint()) break;
      // The system's border would flicker under the skin's: the strips replace it.
      RECT wr{}, cr{};
      GetWindowRect(wnd, &wr);
      GetClientRect(wnd, &cr);
      const bool hasFrame = (wr.right - wr.left) != cr.right || (wr.bottom - wr.top) != cr.bottom;
      if (hasFrame) {
        HDC dc = GetWindowDC(wnd);
        PaintFrameStrips(dc);
        ReleaseDC(wnd, dc);
        return 0;
      }
      break;
    }
    case WM_PAINT: {
      if (!CanPaint()) break;
      // Where the system draws the popup's border inside the client area (Wine), the skin's
      // strips go over it once the items are painted.
      const LRESULT r = subclass_.CallSaved(wnd, msg, w, l);
      if (Handle == wnd && IsWindow(wnd)) {
        HDC dc = GetWindowDC(wnd);
        PaintFrameStrips(dc);
        ReleaseDC(wnd, dc);
      }
      return r;
    }
    case WM_PRINT:
      if (!CanPaint()) break;
      return PaintOnPrint(w, l);
  }
  return subclass_.CallSaved(wnd, msg, w, l);
}

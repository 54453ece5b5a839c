#include "skin/form/win_skin_menu.h"

#include <algorithm>

#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"
#include "skin/form/core/caption_buttons.h"
#include "skin/form/core/menu_rules.h"
#include "skin/form/sys_button.h"
#include "skin/form/win_skin_form.h"
#include "ui/forms.h"
#include "ui/handles.h"
#include "ui/menus.h"

namespace {

COLORREF Rgb(TColor c) { return ColorToRGB(c); }

// Draws a caption centred in `r` on `dc` in the menu font.
void DrawCaption(HDC dc, HFONT font, const std::wstring& caption, RECT r, COLORREF colour) {
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
  SelectObject(dc, old);
}

}  // namespace

// ---- TMenuBtn -------------------------------------------------------------------------------

void TMenuBtn::Paint() {
  TWinSkinForm* f = Form;
  if (!f || !f->Window() || !Bar || Bar->BarBitmap.Empty() || !Bar->Skin) return;
  HDC dc = GetWindowDC(f->Window());
  if (!dc) return;
  const RECT& b = BoundsRect;
  BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, Bar->BarBitmap.MemoryDC(),
         b.left - Bar->BarRect.left, b.top - Bar->BarRect.top, SRCCOPY);
  if (State == kPressed || State == kHot) {
    HBRUSH brush = kq::ui::CreateSolidBrushCounted(Rgb(Bar->Skin->ButtonHilightColour));
    FrameRect(dc, &b, brush);
    kq::ui::DeleteObjectCounted(brush);
  }
  DrawCaption(dc, f->MenuFont(), Caption, b,
              Enabled ? Rgb(Bar->Skin->MenuBarTextColour) : GetSysColor(COLOR_BTNSHADOW));
  ReleaseDC(f->Window(), dc);
}

// ---- loading --------------------------------------------------------------------------------

TWinSkinMenu::TWinSkinMenu(TWinSkinForm* form, TSkinLook* skin, TMainMenu* menu)
    : Menu(menu), Skin(skin), Form(form) {}

TWinSkinMenu::~TWinSkinMenu() { Clear(); }

void TWinSkinMenu::Clear() { Buttons.clear(); }

void TWinSkinMenu::LoadFromMenuItems() {
  const HWND wnd = Form->Window();
  const HMENU current = GetMenu(wnd);
  if (current) MenuHandle = current;
  if (!MenuHandle || !Menu || !Menu->Items()) return;
  Clear();
  TMenuItem* root = Menu->Items();
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Item(i);
    auto b = std::make_unique<TMenuBtn>(Form, this, i);
    b->Item = item;
    b->Visible = item->Visible();
    b->Enabled = item->Enabled();
    b->Command = item->Command();
    b->Caption = item->Caption();
    b->SubMenu = item->Count() ? item->Handle() : nullptr;
    Buttons.push_back(std::move(b));
  }
  if (current) SetMenu(wnd, nullptr);
}

void TWinSkinMenu::LoadFromHandle(HMENU menu, bool byPosition) {
  if (!menu) return;
  const int count = GetMenuItemCount(menu);
  if (count <= 0) return;
  Clear();
  for (int i = 0; i < count; ++i) {
    wchar_t text[81] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 80;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
    auto b = std::make_unique<TMenuBtn>(Form, this, i);
    b->SubMenu = mi.hSubMenu;
    b->Enabled = (mi.fState & 3) == 0;
    b->Visible = true;
    b->Command = mi.wID;
    b->Caption = text;
    if (b->Caption.empty() && Menu && Menu->Items()) {
      // An entry drawn by its owner: the form's menu item tells what it is.
      TMenuItem* item = nullptr;
      if (byPosition) {
        if (i < Menu->Items()->Count()) item = Menu->Items()->Item(i);
      } else {
        for (TMenuItem* c : Menu->Items()->Items())
          if (c->Command() == mi.wID) item = c;
      }
      if (item) {
        b->Item = item;
        b->Caption = item->Caption();
        b->Enabled = item->Enabled();
        b->Command = byPosition ? GetMenuItemID(menu, i) : item->Command();
        if (item->Count()) b->SubMenu = item->Handle();
      }
    }
    Buttons.push_back(std::move(b));
  }
  MenuHandle = menu;
}

void TWinSkinMenu::LoadFromMenuHandleMerged() {
  const HWND wnd = Form->Window();
  const HMENU current = GetMenu(wnd);
  const HMENU menu = current ? current : MenuHandle;
  if (!menu || GetMenuItemCount(menu) <= 0) return;
  LoadFromHandle(menu, true);
  if (current) SetMenu(wnd, nullptr);
}

void TWinSkinMenu::LoadFromMenuHandle(HMENU menu) {
  if (!menu || GetMenuItemCount(menu) <= 0) return;
  LoadFromHandle(menu, false);
  if (GetMenu(Form->Window())) SetMenu(Form->Window(), nullptr);
}

// ---- painting -------------------------------------------------------------------------------

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& bar, const TNCObject* stateButton) {
  const int w = bar.right - bar.left, h = bar.bottom - bar.top;
  if (w <= 0 || h <= 0 || !Skin) return;
  Painting = true;
  BarRect = bar;
  // 1. The background.
  BarBitmap.SetSize(w, h);
  kq::Bitmap pixels = BarBitmap.Pixels();
  const kq::TDataSkinObject* object = Skin->MenuBar && !Skin->MenuBar->Bitmap.Empty() ? Skin->MenuBar.get() : nullptr;
  if (object) {
    const int frame = Form->Active ? 1 : 2;
    const kq::Margins caps{object->Margins.left, 0, object->Margins.right, 0};
    if (object->Tile == 1)
      kq::DrawSkinPiece(pixels, kq::Rect{0, 0, w, h}, object->Bitmap, kq::Layout::Stacked, kq::Centre::Stretch,
                        kq::Blend::Opaque, 2, frame, caps);
    else
      kq::DrawHorzThreeSlice(pixels, kq::Rect{0, 0, w, h}, object->Bitmap, kq::Layout::Stacked, kq::Blend::Opaque, 2,
                             frame, caps);
  } else {
    kq::FillRect(pixels, kq::Rect{0, 0, w, h}, Rgb(Skin->MenubarColour));
  }
  GdiFlush();
  // 2. and 3. The buttons' places, then their captions over a copy of the background.
  HDC barDc = BarBitmap.MemoryDC();
  HFONT font = Form->MenuFont();
  kq::skin::MenuBarLayoutInput in;
  in.barWidth = w;
  in.barHeight = h;
  in.hasMenuBarObject = object != nullptr;
  in.marginLeft = object ? object->Margins.left : 0;
  in.marginRight = object ? object->Margins.right : 0;
  in.rightToLeft = Form->RightToLeft;
  HGDIOBJ old = SelectObject(barDc, font);
  for (const auto& b : Buttons) {
    SIZE ext{};
    if (!b->Caption.empty()) {
      RECT r{0, 0, 0, 0};
      DrawTextW(barDc, b->Caption.c_str(), static_cast<int>(b->Caption.size()), &r,
                DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
      ext.cx = r.right;
    }
    in.buttons.push_back({b->Visible, static_cast<int>(ext.cx), b->Caption.empty()});
  }
  SelectObject(barDc, old);
  const std::vector<kq::Rect> rects = kq::skin::LayoutMenuBar(in);
  // The bar as it is now, without texts, stays for repainting single buttons.
  TBitmap work(w, h);
  BitBlt(work.MemoryDC(), 0, 0, w, h, barDc, 0, 0, SRCCOPY);
  for (size_t i = 0; i < Buttons.size(); ++i) {
    TMenuBtn& b = *Buttons[i];
    const kq::Rect& r = rects[i];
    if (r.IsEmpty() && r == kq::Rect{}) {
      b.BoundsRect = RECT{};
      continue;
    }
    b.BoundsRect = RECT{bar.left + r.left, bar.top + r.top, bar.left + r.right, bar.top + r.bottom};
    if (b.Caption.empty()) continue;
    const RECT inBar{r.left, r.top, r.right, r.bottom};
    // A repaint of the whole frame (the popup's window appearing over it) keeps the frame of
    // the button whose popup is open or that the pointer is over; any other is normal.
    if (&b != Form->HotObject) b.State = TNCObject::kNormal;
    if (b.State == TNCObject::kPressed || b.State == TNCObject::kHot) {
      HBRUSH brush = kq::ui::CreateSolidBrushCounted(Rgb(Skin->ButtonHilightColour));
      FrameRect(work.MemoryDC(), &inBar, brush);
      kq::ui::DeleteObjectCounted(brush);
    }
    DrawCaption(work.MemoryDC(), font, b.Caption, inBar,
                b.Enabled ? Rgb(Skin->MenuBarTextColour) : GetSysColor(COLOR_BTNSHADOW));
  }
  // 4. The window-menu buttons of a maximised MDI child sit in the bar (they are visible
  // only then); `stateButton` in the frame of its hover or press state.
  GdiFlush();
  kq::Bitmap row = work.Pixels();
  for (TNCObject* o : Form->CaptionButtons) {
    auto* b = static_cast<TWinSysButton*>(o);
    if (!b->Visible || b->Image().Empty() || b->SkinButton->Visibility != kq::skin::kVisibleInMenuBar) continue;
    const RECT& r = b->BoundsRect;
    const int frame = b == stateButton ? kq::skin::CaptionStateFrame(b->State, kq::skin::kVisibleInMenuBar, b->Frames())
                                       : 1;
    kq::DrawSkinFrame(row, kq::Rect{r.left - bar.left, r.top - bar.top, r.right - bar.left, r.bottom - bar.top},
                      b->Image(), kq::Blend::Keyed, b->Frames(), frame);
  }
  // 5. Onto the frame.
  BitBlt(dc, bar.left, bar.top, w, h, work.MemoryDC(), 0, 0, SRCCOPY);
  Painting = false;
}

TMenuBtn* TWinSkinMenu::MenuBtnAt(POINT p) const {
  for (const auto& b : Buttons)
    if (b->Visible && !b->Caption.empty() && PtInRect(&b->BoundsRect, p)) return b.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::NeighbourMenuBtn(bool forward, int current) const {
  // Entries that open nothing (hidden, without caption, disabled) are passed over: moving
  // onto one would end the menu loop.
  std::vector<bool> openable;
  for (const auto& b : Buttons) openable.push_back(b->Visible && !b->Caption.empty() && b->Enabled);
  return Button(kq::skin::NeighbourMenuButton(openable, current, forward));
}

TMenuBtn* TWinSkinMenu::MenuBtnForAccel(wchar_t ch) const {
  for (const auto& b : Buttons)
    if (b->Enabled && b->Visible && kq::skin::HasAccelerator(b->Caption, ch)) return b.get();
  return nullptr;
}

// The menu painter's part of the form skinner: the skinned menu bar (TWinSkinMenu), opening
// its popups and moving between them while one is open (a message-filter hook on the menu
// loop), and the owner-drawn items of the form's menus, of the system popup and of menus of
// bare windows, drawn from the skin's "MenuItem" object on the background the popup skinner
// (TWinSkinPopMenu) rendered from "MenuBackground".
#include <windowsx.h>

#include <algorithm>

#include "skin/controls/core/control_selection.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/form/core/frame_paint.h"
#include "skin/form/core/menu_rules.h"
#include "skin/form/form_skinner_host.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "skin/form/win_skin_popmenu.h"
#include "ui/forms.h"
#include "ui/handles.h"
#include "ui/imglist.h"
#include "ui/menus.h"

using namespace kq::skin;

namespace {

// ---- the item handlers the skinner installs -----------------------------------------------

// Both hold the skinner through a reference that is cleared when it goes, so a menu that
// outlives it (an open system popup) draws plainly instead of through a dead object.
struct SkinItemDrawer {
  std::shared_ptr<TWinSkinForm*> form;
  void operator()(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state) const {
    if (*form) (*form)->PaintMenuItem(item, canvas, rect, state);
  }
};
struct SkinItemMeasurer {
  std::shared_ptr<TWinSkinForm*> form;
  bool systemPopup = false;
  void operator()(TMenuItem* item, TCanvas&, int& width, int& height) const {
    if (*form) (*form)->MeasureSkinnedItem(item, width, height, systemPopup);
  }
};
bool HasOwnDrawHandler(const TMenuItem* item) {
  return item->OnDrawItem() && !item->OnDrawItem().target<SkinItemDrawer>();
}
bool IsSkinDrawHandler(const TMenuItem* item) { return item->OnDrawItem().target<SkinItemDrawer>() != nullptr; }
bool IsSkinMeasureHandler(const TMenuItem* item) {
  return item->OnMeasureItem().target<SkinItemMeasurer>() != nullptr;
}

template <class F>
void ForEachItem(TMenuItem* root, int depth, const F& f) {
  if (!root) return;
  for (TMenuItem* c : std::vector<TMenuItem*>(root->Items())) {
    f(c, depth);
    ForEachItem(c, depth + 1, f);
  }
}

// ---- what an item shows -----------------------------------------------------------------

struct ItemView {
  std::wstring caption;
  std::wstring shortcut;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
  bool submenu = false;  // the item opens a submenu
  int imageIndex = -1;
  TImageList* images = nullptr;
};

ItemView ViewOf(TMenuItem* item) {
  ItemView v;
  v.caption = item->Caption();
  v.shortcut = ShortCutToText(item->ShortCut());
  v.enabled = item->Enabled();
  v.checked = item->Checked();
  v.separator = item->IsLine();
  v.submenu = item->Count() > 0;
  v.imageIndex = item->ImageIndex();
  if (TMenu* m = item->GetMenu()) v.images = m->Images();
  return v;
}

// An item of a menu handle the program's menus do not know.
ItemView ForeignView(HMENU menu, UINT id, UINT odsState) {
  ItemView v;
  wchar_t text[81] = {};
  if (menu) GetMenuStringW(menu, id, text, 80, MF_BYCOMMAND);
  std::wstring s = text;
  if (s.empty()) s = L"-";
  const size_t tab = s.find(L'\t');
  if (tab != std::wstring::npos) {
    v.shortcut = s.substr(tab + 1);
    s.resize(tab);
  }
  v.caption = s;
  // Separators carry no command.
  v.separator = id == 0 || v.caption == L"-";
  if (v.separator) v.caption = L"-";
  const UINT state = menu ? GetMenuState(menu, id, MF_BYCOMMAND) : 0;
  v.enabled = state == static_cast<UINT>(-1) ? !(odsState & (ODS_GRAYED | ODS_DISABLED)) : (state & 3) == 0;
  v.checked = state != static_cast<UINT>(-1) && (state & MF_CHECKED);
  MENUITEMINFOW mi{};
  mi.cbSize = sizeof(mi);
  mi.fMask = MIIM_SUBMENU;
  v.submenu = menu && GetMenuItemInfoW(menu, id, FALSE, &mi) && mi.hSubMenu;
  return v;
}

COLORREF Rgb(TColor c) { return ColorToRGB(c); }

// ---- the unit-wide state of the one menu loop --------------------------------------------

struct MenuLoopState {
  TWinSkinForm* form = nullptr;
  int currentIndex = -1;
  bool hasItem = false;          // WM_MENUSELECT reported an item
  HMENU itemMenu = nullptr;      // the menu it sits in
  bool itemHasChildren = false;
  bool switching = false;
  bool first = false;
  POINT last{};
  HHOOK hook = nullptr;
  int pending = -1;              // the button to open once the current popup has closed
  // The last popup of the bar: its button and when it closed. A press made while it was
  // open closed it, and is reported to the window afterwards as well.
  int closedIndex = -1;
  DWORD closedAt = 0;
};
MenuLoopState g_loop;

void SwitchTo(TMenuBtn* button) {
  if (!button || button->Index == g_loop.currentIndex) return;
  g_loop.switching = true;
  g_loop.pending = button->Index;
  // The popup closes; the skinner opens the other button's popup when TrackPopupMenu returns.
  EndMenu();
}

LRESULT CALLBACK MenuLoopHook(int code, WPARAM w, LPARAM l) {
  MSG* msg = reinterpret_cast<MSG*>(l);
  TWinSkinForm* form = g_loop.form;
  // 1.
  if (code == MSGF_MENU && msg && form && form->RightToLeft && msg->message == WM_KEYDOWN)
    msg->wParam = MirroredArrowKey(static_cast<unsigned>(msg->wParam), true);
  // 2.
  const LRESULT r = CallNextHookEx(g_loop.hook, code, w, l);
  if (r || code != MSGF_MENU || !msg || !form || !form->MenuBar) return r;
  // 3. The first entry of the popup is selected.
  if (g_loop.first) {
    g_loop.first = false;
    PostMessageW(msg->hwnd ? msg->hwnd : form->Window(), WM_KEYDOWN, VK_DOWN, 0);
  }
  TMenuBtn* target = nullptr;
  switch (msg->message) {
    case WM_KEYDOWN: {
      // 4.
      if (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE) {
        g_loop.switching = false;
        break;
      }
      MenuLoopKeyInput in;
      in.key = static_cast<unsigned>(msg->wParam);
      in.hasCurrentItem = g_loop.hasItem;
      in.itemInTrackedPopup = g_loop.itemMenu == form->TrackedPopup;
      in.itemHasChildren = g_loop.itemHasChildren;
      switch (MenuLoopKey(in)) {
        case MenuLoopMove::Previous:
          target = form->MenuBar->NeighbourMenuBtn(false, g_loop.currentIndex);
          break;
        case MenuLoopMove::Next:
          target = form->MenuBar->NeighbourMenuBtn(true, g_loop.currentIndex);
          break;
        case MenuLoopMove::None:
          break;
      }
      break;
    }
    case WM_SYSKEYDOWN:
      // 5.
      if (msg->wParam == VK_MENU) form->EndMenuTracking();
      break;
    case WM_MOUSEMOVE: {
      // 7.
      const POINT pt = msg->pt;
      if (pt.x != g_loop.last.x || pt.y != g_loop.last.y) {
        target = form->MenuBar->MenuBtnAt(form->ScreenToFrame(pt.x, pt.y));
        // Crossing a disabled entry leaves the open popup open (it would open nothing and
        // end the menu loop).
        if (target && !target->Enabled) target = nullptr;
        g_loop.last = pt;
      }
      break;
    }
  }
  // 8.
  if (target) SwitchTo(target);
  return r;
}

void InstallMenuLoopHook(TWinSkinForm* form) {
  g_loop.form = form;
  g_loop.switching = false;
  g_loop.first = false;
  g_loop.hasItem = false;
  g_loop.itemMenu = nullptr;
  g_loop.itemHasChildren = false;
  GetCursorPos(&g_loop.last);
  if (!g_loop.hook) g_loop.hook = SetWindowsHookExW(WH_MSGFILTER, &MenuLoopHook, nullptr, GetCurrentThreadId());
}

void RemoveMenuLoopHook() {
  if (g_loop.hook) UnhookWindowsHookEx(g_loop.hook);
  g_loop.hook = nullptr;
  g_loop.hasItem = false;
  g_loop.itemMenu = nullptr;
  g_loop.currentIndex = -1;
  g_loop.first = false;
  g_loop.form = nullptr;
}

// Every entry of a menu tree that the system would draw is made drawn by its owner (the
// skinner), keeping its text for the keyboard and for measuring. The entries changed are
// listed so that they can be given back as they were.
struct MarkedEntry {
  HMENU menu;
  UINT position;
  UINT type;
};
void MarkOwnerDrawn(HMENU menu, std::vector<MarkedEntry>& marked, int depth = 0) {
  if (!menu || depth > 16) return;
  const int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    mi.dwTypeData = text;
    mi.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi)) continue;
    if (!(mi.fType & MFT_OWNERDRAW) && !(mi.fType & MFT_BITMAP)) {
      MENUITEMINFOW set{};
      set.cbSize = sizeof(set);
      set.fMask = MIIM_FTYPE;
      set.fType = mi.fType | MFT_OWNERDRAW;
      if (!(mi.fType & MFT_SEPARATOR)) {
        set.fMask |= MIIM_STRING;
        set.dwTypeData = text;
      }
      if (SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &set))
        marked.push_back(MarkedEntry{menu, static_cast<UINT>(i), mi.fType});
    }
    if (mi.hSubMenu) MarkOwnerDrawn(mi.hSubMenu, marked, depth + 1);
  }
}
void UnmarkOwnerDrawn(const std::vector<MarkedEntry>& marked) {
  for (const MarkedEntry& e : marked) {
    if (!IsMenu(e.menu)) continue;
    wchar_t text[256] = {};
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STRING;
    mi.dwTypeData = text;
    mi.cch = 255;
    // An entry the program has rebuilt meanwhile is left as it is now.
    if (!GetMenuItemInfoW(e.menu, e.position, TRUE, &mi) || mi.fType != (e.type | MFT_OWNERDRAW)) continue;
    MENUITEMINFOW set{};
    set.cbSize = sizeof(set);
    set.fMask = MIIM_FTYPE;
    set.fType = e.type;
    if (!(e.type & MFT_SEPARATOR)) {
      set.fMask |= MIIM_STRING;
      set.dwTypeData = text;
    }
    SetMenuItemInfoW(e.menu, e.position, TRUE, &set);
  }
}

bool Win9x() {
  const FormSkinnerHost* m = CurrentFormSkinnerHost();
  return m && (m->PlatformVersion & 0x80000000u);
}

}  // namespace

// ---- the menu bar -----------------------------------------------------------------------

void TWinSkinForm::CreateMenuBar() {
  FreeMenuBar();
  MenuBar = new TWinSkinMenu(this, skin_, form_ ? form_->Menu() : nullptr);
  MenuBarHeight = GetSystemMetrics(SM_CYMENU);
  if (form_)
    MenuBar->LoadFromMenuItems();
  else
    MenuBar->LoadFromMenuHandleMerged();  // a bare window's own menu
}

void TWinSkinForm::FreeMenuBar() {
  if (!MenuBar) return;
  if (g_loop.form == this) {
    EndMenu();
    g_loop.form = nullptr;
  }
  if (HotObject && !IsCaptionButton(HotObject)) HotObject = nullptr;
  delete MenuBar;
  MenuBar = nullptr;
}

void TWinSkinForm::ReloadMenuBar(HMENU menu) {
  if (!MenuBar || menus_busy_ || !skin_) return;
  if (HotObject && !IsCaptionButton(HotObject)) HotObject = nullptr;
  if (Mdi == MdiRole::Frame && menu && menu != MenuBar->MenuHandle) {
    MenuBar->LoadFromMenuHandle(menu);
  } else if (!form_ || skin_->MenuMerge) {
    MenuBar->LoadFromMenuHandleMerged();
  } else {
    MenuBar->Menu = form_->Menu();
    MenuBar->LoadFromMenuItems();
  }
  if (Phase == SkinPhase::Ready && IsWindowVisible(hwnd_)) PaintFrame(nullptr);
}

bool TWinSkinForm::MenuBarAccelerator(WCHAR ch) const { return MenuBar && MenuBar->MenuBtnForAccel(ch); }

bool TWinSkinForm::ClickMenuBarAccelerator(WCHAR ch) {
  TMenuBtn* b = MenuBar ? MenuBar->MenuBtnForAccel(ch) : nullptr;
  if (!b) return false;
  PostMenuBtnClick(b->Index);
  return true;
}

void TWinSkinForm::PostMenuBtnClick(int index) {
  TMenuBtn* b = MenuBar ? MenuBar->Button(index) : nullptr;
  if (!b || !hwnd_) return;
  RECT wr{};
  GetWindowRect(hwnd_, &wr);
  const int x = b->BoundsRect.left + wr.left + 1, y = b->BoundsRect.top + wr.top + 1;
  PostMessageW(hwnd_, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(x, y));
}

void TWinSkinForm::PaintMenuBar(HDC dc, const TNCObject* stateButton) {
  if (!MenuBar || MenuBarHeight <= 0) return;
  const FrameRects rects =
      LayoutFrame(PaintedWidth, PaintedHeight, kq::Margins{FrameLeft, FrameTop, FrameRight, FrameBottom}, MenuBarHeight);
  const kq::Rect& bar = rects.menuBar;
  MenuBar->PaintMenuBar(dc, RECT{bar.left, bar.top, bar.right, bar.bottom}, stateButton);
}

void TWinSkinForm::OpenMenuBarButton(TNCObject* object, bool secondClick) {
  auto* button = dynamic_cast<TMenuBtn*>(object);
  if (!button || !MenuBar) return;
  // The second press of a double click that closed this button's popup opens nothing; one
  // made after the popup had closed (by Escape, say) opens it again.
  if (secondClick && !MenuTracking && button->Index == g_loop.closedIndex &&
      static_cast<LONG>(GetMessageTime() - g_loop.closedAt) <= 0)
    return;
  if (MenuTracking) {
    // A click posted while a popup is still open (the system dispatched it inside the menu
    // loop): the popup closes first, then this button opens.
    g_loop.switching = true;
    g_loop.pending = button->Index;
    EndMenu();
    return;
  }
  int index = button->Index;
  const std::shared_ptr<TWinSkinForm*> alive = self_ref_;
  while (index >= 0) {
    g_loop.pending = -1;
    if (!OpenMenuBtn(index) || !*alive) return;
    index = g_loop.pending;
    g_loop.pending = -1;
    if (index >= 0 && MenuBar) {
      TMenuBtn* next = MenuBar->Button(index);
      if (!next) break;
      next->MouseDown();
    }
  }
}

std::vector<TMenuItem*> TWinSkinForm::HideSurplusSeparators(TMenuItem* item) {
  std::vector<TMenuItem*> hidden;
  if (!item) return hidden;
  std::vector<MenuEntryState> entries;
  for (TMenuItem* c : item->Items()) entries.push_back({c->Visible(), c->IsLine()});
  const std::vector<bool> shown = VisibleAfterHidingSeparators(entries);
  ++menus_busy_;
  for (size_t i = 0; i < shown.size(); ++i) {
    TMenuItem* c = item->Item(static_cast<int>(i));
    if (c->Visible() && !shown[i]) {
      c->SetVisible(false);
      hidden.push_back(c);
    }
  }
  --menus_busy_;
  return hidden;
}

bool TWinSkinForm::OpenMenuBtn(int index) {
  TMenuBtn* b = MenuBar ? MenuBar->Button(index) : nullptr;
  if (!b || !hwnd_) return false;
  const bool enabled = b->Enabled;
  const UINT command = b->Command;
  const RECT bounds = b->BoundsRect;
  TMenuItem* item = b->Item;
  HMENU sub = b->SubMenu;
  // 1. The entry's own click runs first, also for an entry with a popup (a form may set up
  // the popup's items there); a disabled entry does nothing. A system menu's popup entry has
  // no command of its own (-1).
  if (enabled && command && command != static_cast<UINT>(-1)) PostMessageW(hwnd_, WM_COMMAND, command, 0);
  // 2.
  if (!sub) return false;
  // 3.
  std::vector<TMenuItem*> hidden;
  if (item) hidden = HideSurplusSeparators(item);
  // 4.
  g_loop.currentIndex = index;
  RECT wr{};
  GetWindowRect(hwnd_, &wr);
  // 5. The skinner draws the entries (WM_MEASUREITEM and WM_DRAWITEM come to this window);
  // they go back to the system's drawing when the popup has closed.
  std::vector<MarkedEntry> marked;
  if (enabled) MarkOwnerDrawn(sub, marked);
  // 6.
  MenuTracking = true;
  const int x = bounds.left + wr.left, y = bounds.bottom + wr.top;
  // Only a popup that opens is a menu-bar menu: a disabled entry must not leave the next
  // popup taken for one.
  FormSkinnerHost* manager = CurrentFormSkinnerHost();
  if (manager && enabled) {
    manager->MenuKind = kMenuKindMenuBar;
    manager->MenuFromMenuBar = true;
  }
  TrackedPopup = sub;
  InstallMenuLoopHook(this);
  g_loop.currentIndex = index;
  g_loop.first = true;
  // 7. The chosen command is posted as the system would (it is returned so that it does not
  // depend on how the system treats notifications of a popup that sends none).
  const std::shared_ptr<TWinSkinForm*> alive = self_ref_;
  UINT chosen = 0;
  if (enabled)
    chosen = static_cast<UINT>(TrackPopupMenu(sub, TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, hwnd_, nullptr));
  // 8.
  g_loop.closedIndex = index;
  g_loop.closedAt = GetTickCount();
  RemoveMenuLoopHook();
  // The entries go back to the system's drawing even when the window went meanwhile.
  UnmarkOwnerDrawn(marked);
  if (!*alive) return false;
  MenuTracking = false;
  TrackedPopup = nullptr;
  if (!hidden.empty()) {
    ++menus_busy_;
    for (TMenuItem* h : hidden) h->SetVisible(true);
    --menus_busy_;
  }
  if (chosen) PostMessageW(hwnd_, WM_COMMAND, chosen, 0);
  return true;
}

void TWinSkinForm::MenuSelect(WPARAM w, LPARAM l) {
  if (g_loop.form != this) return;
  const UINT flags = HIWORD(w);
  const HMENU menu = reinterpret_cast<HMENU>(l);
  if (flags == 0xFFFF && !menu) {
    if (!g_loop.switching) EndMenuTracking();
    return;
  }
  g_loop.switching = false;
  g_loop.hasItem = true;
  g_loop.itemMenu = menu;
  g_loop.itemHasChildren = (flags & MF_POPUP) != 0;
}

// ---- hooking the form's menus -------------------------------------------------------------

void TWinSkinForm::HookMenu(TMenu* menu, bool popup) {
  for (const HookedMenu& h : hooked_menus_)
    if (h.menu == menu) return;
  hooked_menus_.push_back(HookedMenu{menu, popup, menu->OwnerDraw()});
  FreeNotification(menu);
  ++menus_busy_;
  menu->SetOwnerDraw(true);
  ForEachItem(menu->Items(), 1, [&](TMenuItem* item, int depth) {
    // The main menu's top-level entries are the menu bar's; items the program draws itself
    // keep their own drawing.
    if (!popup && depth < 2) return;
    if (HasOwnDrawHandler(item)) return;
    item->SetOnDrawItem(SkinItemDrawer{self_ref_});
    item->SetOnMeasureItem(SkinItemMeasurer{self_ref_, false});
  });
  --menus_busy_;
}

void TWinSkinForm::HookMenuItems() {
  if (!form_ || !skin_) return;
  if (skin_->SkinControls.Has(xcPopupMenu) && WindowClass != "TwwRichEditForm") {
    for (TComponent* c : std::vector<TComponent*>(form_->Components()))
      if (auto* p = dynamic_cast<TPopupMenu*>(c); p && p != system_popup_ && !kq::skin::TagDisabled(p->Tag, skin_->DisableTag))
        HookMenu(p, true);
  }
  if (skin_->SkinControls.Has(xcMenuItem)) {
    for (TComponent* c : std::vector<TComponent*>(form_->Components()))
      if (auto* m = dynamic_cast<TMainMenu*>(c)) HookMenu(m, false);
  }
}

void TWinSkinForm::UnhookMenuItems() {
  ++menus_busy_;
  for (const HookedMenu& h : std::vector<HookedMenu>(hooked_menus_)) {
    RemoveFreeNotification(h.menu);
    ForEachItem(h.menu->Items(), 1, [](TMenuItem* item, int) {
      if (IsSkinDrawHandler(item)) item->SetOnDrawItem(nullptr);
      if (IsSkinMeasureHandler(item)) item->SetOnMeasureItem(nullptr);
    });
    h.menu->SetOwnerDraw(h.ownerDraw);
  }
  hooked_menus_.clear();
  --menus_busy_;
}

void TWinSkinForm::HookSystemPopupItems() {
  if (!system_popup_) return;
  ForEachItem(system_popup_->Items(), 1, [&](TMenuItem* item, int) {
    item->SetOnDrawItem(SkinItemDrawer{self_ref_});
    item->SetOnMeasureItem(SkinItemMeasurer{self_ref_, true});
  });
}

TMenuItem* TWinSkinForm::SkinDrawnMainMenuItem(UINT command) const {
  TMainMenu* menu = form_ ? form_->Menu() : nullptr;
  TMenuItem* item = menu ? menu->FindItem(command) : nullptr;
  if (!item || !item->ParentItem() || item->ParentItem() == menu->Items()) return nullptr;
  // Items the program draws or measures itself keep their drawing; hooked items go through
  // their handlers.
  if (item->OnDrawItem() || item->OnMeasureItem()) return nullptr;
  return item;
}

// ---- measuring --------------------------------------------------------------------------

void TWinSkinForm::MeasureSkinnedItem(TMenuItem* item, int& width, int& height, bool systemPopup) {
  (void)height;
  if (!skin_ || !item) return;
  const bool hasObject = skin_->MenuItem && !skin_->MenuItem->Bitmap.Empty();
  const TMenu* menu = item->GetMenu();
  const bool images = menu && menu->Images();
  width = SkinnedItemWidth(width, hasObject, hasObject ? skin_->MenuItem->Margins.left : 0, images, systemPopup);
}

bool TWinSkinForm::MeasureMenuItem(MEASUREITEMSTRUCT& mis) {
  if (!WindowMenu || mis.CtlType != ODT_MENU || !skin_) return false;
  if (form_) {
    if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->MarkPopupMenusFromMenuBar();
    if (TMenuItem* item = SkinDrawnMainMenuItem(mis.itemID)) {
      // The item measures itself (it has no handler of its own), then makes room for the skin.
      if (!TMenuItem::DispatchMeasureItem(mis)) return false;
      int width = static_cast<int>(mis.itemWidth), height = static_cast<int>(mis.itemHeight);
      MeasureSkinnedItem(item, width, height, false);
      mis.itemWidth = static_cast<UINT>(std::max(width, 0));
      return true;
    }
    // Other items of the program measure through their handlers (the form's own handling).
    if (TMenuItem::FromCommand(mis.itemID)) return false;
    if (mis.itemID >= 1 && mis.itemID <= 4095) return false;
  }
  wchar_t text[81] = {};
  if (TrackedPopup) GetMenuStringW(TrackedPopup, mis.itemID, text, 80, MF_BYCOMMAND);
  if (!text[0] && WindowMenu) GetMenuStringW(WindowMenu, mis.itemID, text, 80, MF_BYCOMMAND);
  HDC dc = kq::ui::GetDCCounted(hwnd_);
  HGDIOBJ old = SelectObject(dc, MenuFont());
  RECT r{0, 0, 0, 0};
  const std::wstring s = text[0] ? std::wstring(text) : std::wstring(L" ");
  DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  SelectObject(dc, old);
  kq::ui::ReleaseDCCounted(hwnd_, dc);
  const bool hasObject = skin_->MenuItem && !skin_->MenuItem->Bitmap.Empty();
  const ItemSize size = ForeignItemSize(r.right, text[0] != 0, r.bottom, hasObject,
                                        hasObject ? skin_->MenuItem->Margins.left : 0, Win9x());
  mis.itemWidth = static_cast<UINT>(size.width);
  mis.itemHeight = static_cast<UINT>(size.height);
  return true;
}

// ---- drawing ----------------------------------------------------------------------------

namespace {

struct ItemPainter {
  TSkinLook& skin;
  HFONT font;
  bool rightToLeft;

  const kq::TDataSkinObject* Object() const {
    return skin.MenuItem && !skin.MenuItem->Bitmap.Empty() ? skin.MenuItem.get() : nullptr;
  }
  int LeftWidth() const { return Object() ? Object()->Margins.left : 0; }

  // DrawMenuItemText: the colours of the item's state, or the separator's etched line.
  void Text(HDC dc, const std::wstring& text, UINT flags, RECT& rect, const ItemView& v, bool selected) const {
    std::wstring t = text;
    if (flags & DT_CALCRECT) {
      if (t.empty() || t == L"&") t += L' ';
    } else if (t == L"-") {
      RECT line = rect;
      line.top += 4;
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
      return;
    }
    SetBkMode(dc, TRANSPARENT);
    const ItemTextColours c{Rgb(skin.MenuTextColour), Rgb(skin.HilightTextColour), Rgb(skin.ButtonShadowColour),
                            GetSysColor(COLOR_BTNSHADOW)};
    SetTextColor(dc, MenuItemTextColour(v.enabled, selected, c));
    DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &rect, flags);
  }

  // DrawMenuItemContent on the work bitmap (rect = its whole area).
  void Content(TBitmap& work, const ItemView& v, bool selected, const RECT& rect) const {
    HDC dc = work.MemoryDC();
    HGDIOBJ oldFont = SelectObject(dc, font);
    const bool images = v.images && v.imageIndex >= 0 && v.imageIndex < v.images->Count();
    int glyph = v.images ? v.images->Width() : 16;
    if (v.checked) glyph = std::max(glyph, 16);
    RECT cell{};
    if (!rightToLeft) {
      cell.left = rect.left + 1 + LeftWidth();
      cell.right = cell.left + glyph;
    } else {
      cell.right = rect.right - 1 - LeftWidth();
      cell.left = cell.right - glyph;
    }
    cell.top = rect.top + 1;
    cell.bottom = cell.top + glyph;
    // The glyph cell.
    if (images) {
      if (v.checked) {
        // A dither of face and highlight behind a checked item's image, with a sunken edge.
        const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        HBITMAP bits = kq::ui::CreateBitmapCounted(8, 8, 1, 1, pattern);
        HBRUSH dither = CreatePatternBrush(bits);
        kq::ui::GdiCreated(dither);
        const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
        const COLORREF oldBk = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        FillRect(dc, &cell, dither);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBk);
        kq::ui::DeleteObjectCounted(dither);
        kq::ui::DeleteObjectCounted(bits);
        RECT edge = cell;
        DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
      }
      v.images->Draw(work.Canvas(), cell.left, cell.top, v.imageIndex, v.enabled);
      SelectObject(dc, font);
    } else if (v.checked) {
      DrawCheck(dc, cell);
    }
    // The caption, centred vertically.
    RECT text = rightToLeft ? RECT{rect.left + 1, rect.top, cell.left - 3, rect.bottom}
                            : RECT{cell.right + 3, rect.top, rect.right - 1, rect.bottom};
    RECT measured = text;
    Text(dc, v.caption, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE, measured, v, selected);
    const int h = measured.bottom - measured.top;
    RECT drawn = text;
    drawn.top = rect.top + (rect.bottom - rect.top - h) / 2;
    drawn.bottom = drawn.top + h;
    Text(dc, v.caption, DT_EXPANDTABS | DT_SINGLELINE | (rightToLeft ? DT_RIGHT | DT_RTLREADING : 0), drawn, v,
         selected);
    // The short cut.
    if (!v.shortcut.empty()) {
      const int w = measured.right - measured.left;
      RECT sc = rightToLeft ? RECT{rect.left + 11, drawn.top, text.right - w, drawn.bottom}
                            : RECT{text.left + w, drawn.top, rect.right - 11, drawn.bottom};
      Text(dc, v.shortcut, DT_EXPANDTABS | DT_SINGLELINE | (rightToLeft ? DT_LEFT : DT_RIGHT), sc, v, selected);
    }
    SelectObject(dc, oldFont);
  }

  // The system's check mark, in the button text colour, transparent.
  static void DrawCheck(HDC dc, const RECT& cell) {
    const SIZE size = SystemGlyphSize(kCheckGlyph);
    DrawSystemGlyph(dc, kCheckGlyph, cell.left + (cell.right - cell.left - size.cx) / 2 + 1,
                    cell.top + (cell.bottom - cell.top - size.cy) / 2 + 1, GetSysColor(COLOR_BTNTEXT));
  }
  static constexpr int kCheckGlyph = 32760;  // OBM_CHECK
  static constexpr int kArrowGlyph = 32739;  // OBM_MNARROW
  static HBITMAP LoadSystemGlyph(int id) {
    HBITMAP glyph = LoadBitmapW(nullptr, MAKEINTRESOURCEW(id));
    if (glyph) kq::ui::GdiCreated(glyph);
    return glyph;
  }
  static SIZE SystemGlyphSize(int id) {
    SIZE size{0, 0};
    if (HBITMAP glyph = LoadSystemGlyph(id)) {
      BITMAP bm{};
      GetObjectW(glyph, sizeof(bm), &bm);
      size = SIZE{bm.bmWidth, bm.bmHeight};
      kq::ui::DeleteObjectCounted(glyph);
    }
    return size;
  }
  // A black-on-white system glyph drawn in `colour` at (x, y), transparent.
  static void DrawSystemGlyph(HDC dc, int id, int x, int y, COLORREF colour) {
    HBITMAP glyph = LoadSystemGlyph(id);
    if (!glyph) return;
    BITMAP bm{};
    GetObjectW(glyph, sizeof(bm), &bm);
    HDC mem = kq::ui::CreateCompatibleDCCounted(dc);
    HGDIOBJ old = SelectObject(mem, glyph);
    HBRUSH brush = kq::ui::CreateSolidBrushCounted(colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBk = SetBkColor(dc, RGB(255, 255, 255));
    // Brush where the glyph is black, the destination where it is white.
    BitBlt(dc, x, y, bm.bmWidth, bm.bmHeight, mem, 0, 0, 0x00B8074A);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    SelectObject(dc, oldBrush);
    kq::ui::DeleteObjectCounted(brush);
    SelectObject(mem, old);
    kq::ui::DeleteDCCounted(mem);
    kq::ui::DeleteObjectCounted(glyph);
  }

  // The arrow of an item that opens a submenu, where the system puts it, in the item's text
  // colour. The system draws its own arrow into the item's DC after the owner has drawn, in
  // its highlight colours over the skin; the owner's arrow area is taken out of that DC's
  // clipping instead (the usual way to keep the system from drawing it).
  RECT Arrow(TBitmap& work, const ItemView& v, bool selected) const {
    const SIZE size = SystemGlyphSize(kArrowGlyph);
    const int w = work.Width(), h = work.Height();
    const ItemTextColours c{Rgb(skin.MenuTextColour), Rgb(skin.HilightTextColour), Rgb(skin.ButtonShadowColour),
                            GetSysColor(COLOR_BTNSHADOW)};
    // Inside the item's right cap, where the system would put it without one.
    const int right = w - 1 - (Object() ? Object()->Margins.right : 0);
    const RECT r{right - size.cx, (h - size.cy) / 2, right, (h - size.cy) / 2 + size.cy};
    DrawSystemGlyph(work.MemoryDC(), kArrowGlyph, r.left, r.top, MenuItemTextColour(v.enabled, selected, c));
    return r;
  }

  // DrawMenuSeparator: the middle rows of frame 2, caps kept, keyed on magenta.
  void Separator(kq::Bitmap& out) const {
    const kq::TDataSkinObject* o = Object();
    if (!o) return;
    const int fw = o->Bitmap.Width() / 5, ih = o->Bitmap.Height();
    const int rh = out.Height();
    if (fw <= 0 || ih <= 0 || rh <= 0) return;
    const int top = ih > rh ? ih - rh : 0;
    kq::Bitmap source(fw, ih - top);
    kq::CopyPixels(source, 0, 0, o->Bitmap, kq::Rect{fw, top, 2 * fw, ih});
    const kq::Bitmap line = kq::RenderNineSlice(out.Bounds(), source, kq::Margins{o->Margins.left, 0, o->Margins.right, 0},
                                                kq::Layout::SideBySide, kq::Centre::Stretch, 1, 1);
    kq::CopyPixels(out, 0, 0, line, line.Bounds(), kq::Blend::Keyed);
  }

  // The whole item into `target` at `rect`, on `background` (window coordinates of the popup
  // at `offset`) or the menu colour.
  void Paint(HDC target, const RECT& rect, const ItemView& v, bool selected, TBitmap* background, POINT offset) const {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    TBitmap work(w, h);
    kq::Bitmap pixels = work.Pixels();
    const kq::TDataSkinObject* object = Object();
    if (!object) {
      // No "MenuItem": flat fills with the same layout.
      kq::FillRect(pixels, pixels.Bounds(), Rgb(selected && !v.separator ? skin.HilightColour : skin.MenuColour));
      GdiFlush();
      if (v.separator) {
        RECT r{0, 0, w, h};
        HDC dc = work.MemoryDC();
        Text(dc, L"-", 0, r, v, false);
      } else {
        Content(work, v, selected, RECT{0, 0, w, h});
        if (v.submenu) Arrow(work, v, selected);
      }
      GdiFlush();
      BitBlt(target, rect.left, rect.top, w, h, work.MemoryDC(), 0, 0, SRCCOPY);
      if (v.submenu && !v.separator) KeepSystemArrowOff(target, rect);
      return;
    }
    kq::Bitmap bg;
    if (background && !background->Empty()) {
      bg = background->Pixels();
      kq::CopyPixels(pixels, 0, 0, bg, kq::Rect{rect.left + offset.x, rect.top + offset.y,
                                                 rect.left + offset.x + w, rect.top + offset.y + h});
    } else {
      kq::FillRect(pixels, pixels.Bounds(), Rgb(skin.MenuColour));
    }
    if (!v.separator) {
      kq::DrawSkinPiece(pixels, pixels.Bounds(), object->Bitmap, kq::Layout::SideBySide,
                        object->Tile ? kq::Centre::Tile : kq::Centre::Stretch,
                        object->Trans ? kq::Blend::Keyed : kq::Blend::Opaque, 5, MenuItemFrame(selected),
                        object->Margins);
      GdiFlush();
      Content(work, v, selected, RECT{0, 0, w, h});
      if (v.submenu) Arrow(work, v, selected);
    } else {
      Separator(pixels);
    }
    GdiFlush();
    BitBlt(target, rect.left, rect.top, w, h, work.MemoryDC(), 0, 0, SRCCOPY);
    if (v.submenu && !v.separator) KeepSystemArrowOff(target, rect);
  }

  static void KeepSystemArrowOff(HDC target, const RECT& rect) {
    const SIZE size = SystemGlyphSize(kArrowGlyph);
    ExcludeClipRect(target, rect.right - size.cx - 1, rect.top, rect.right, rect.bottom);
  }
};

// The popup window showing `menu`, and where items sit in it.
TBitmap* PopupBackground(HMENU menu, POINT& offset) {
  offset = POINT{0, 0};
  FormSkinnerHost* m = CurrentFormSkinnerHost();
  TWinSkinPopMenu* p = m ? m->FindPopupMenuSkinner(menu) : nullptr;
  if (!p) return nullptr;
  offset = p->ClientOffset();
  return p->Background();
}

}  // namespace

void TWinSkinForm::PaintMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT odsState) {
  if (!item || !skin_) return;
  if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->MarkPopupMenusFromMenuBar();
  HMENU parent = item->ParentItem() ? item->ParentItem()->Handle() : nullptr;
  // A popup that painted before it knew its menu learns it here.
  if (TWinSkinPopMenu::Waiting && parent && !TWinSkinPopMenu::Waiting->KnownMenu()) {
    TWinSkinPopMenu::Waiting->Menu = parent;
    TWinSkinPopMenu::Waiting = nullptr;
  }
  POINT offset{};
  TBitmap* background = PopupBackground(parent, offset);
  const ItemPainter painter{*skin_, MenuFont(), RightToLeft};
  painter.Paint(canvas.Handle(), rect, ViewOf(item), (odsState & ODS_SELECTED) != 0, background, offset);
}

bool TWinSkinForm::DrawMenuItem(const DRAWITEMSTRUCT& dis) {
  if (!WindowMenu || dis.CtlType != ODT_MENU || !skin_) return false;
  const HMENU menu = reinterpret_cast<HMENU>(dis.hwndItem);
  if (TWinSkinPopMenu::Waiting && menu && !TWinSkinPopMenu::Waiting->KnownMenu()) {
    TWinSkinPopMenu::Waiting->Menu = menu;
    TWinSkinPopMenu::Waiting = nullptr;
  }
  if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->MarkPopupMenusFromMenuBar();
  if (form_) {
    if (TMenuItem* item = SkinDrawnMainMenuItem(dis.itemID)) {
      TCanvas canvas(dis.hDC);
      PaintMenuItem(item, canvas, dis.rcItem, dis.itemState);
      return true;
    }
    // Other items of the program draw through their handlers (the form's own handling).
    if (TMenuItem::FromCommand(dis.itemID)) return false;
    if (dis.itemID >= 1 && dis.itemID <= 4095) return false;
  }
  // DrawForeignMenuItem.
  POINT offset{};
  TBitmap* background = PopupBackground(menu, offset);
  const ItemPainter painter{*skin_, MenuFont(), RightToLeft};
  painter.Paint(dis.hDC, dis.rcItem, ForeignView(menu, dis.itemID, dis.itemState), (dis.itemState & ODS_SELECTED) != 0,
                background, offset);
  return true;
}

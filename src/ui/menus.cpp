#include "ui/menus.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/imglist.h"
#include "ui/text.h"

using namespace kq::ui;

// ---- short cuts --------------------------------------------------------------------------

TShortCut ShortCutFromKey(WORD vk, unsigned shift) {
  TShortCut sc = static_cast<TShortCut>(vk & 0xFF);
  if (shift & ssShift) sc |= scShift;
  if (shift & ssCtrl) sc |= scCtrl;
  if (shift & ssAlt) sc |= scAlt;
  return sc;
}

namespace {
struct KeyName {
  WORD vk;
  const wchar_t* name;
};
constexpr KeyName kKeyNames[] = {
    {VK_BACK, L"BkSp"}, {VK_TAB, L"Tab"},     {VK_RETURN, L"Enter"}, {VK_ESCAPE, L"Esc"},
    {VK_SPACE, L"Space"}, {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},   {VK_END, L"End"},
    {VK_HOME, L"Home"},  {VK_LEFT, L"Left"},   {VK_UP, L"Up"},       {VK_RIGHT, L"Right"},
    {VK_DOWN, L"Down"},  {VK_INSERT, L"Ins"},  {VK_DELETE, L"Del"},
};

std::wstring KeyText(WORD vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::wstring(1, static_cast<wchar_t>(vk));
  if (vk >= VK_F1 && vk <= VK_F24) return L"F" + std::to_wstring(vk - VK_F1 + 1);
  for (const auto& k : kKeyNames)
    if (k.vk == vk) return k.name;
  return {};
}
}  // namespace

std::wstring ShortCutToText(TShortCut sc) {
  std::wstring key = KeyText(sc & 0xFF);
  if (key.empty()) return {};
  std::wstring out;
  if (sc & scShift) out += L"Shift+";
  if (sc & scCtrl) out += L"Ctrl+";
  if (sc & scAlt) out += L"Alt+";
  return out + key;
}

TShortCut TextToShortCut(const std::wstring& text) {
  TShortCut mods = 0;
  std::wstring rest = text;
  for (;;) {
    if (rest.size() > 6 && SameText(std::wstring_view(rest).substr(0, 6), L"Shift+")) {
      mods |= scShift;
      rest.erase(0, 6);
    } else if (rest.size() > 5 && SameText(std::wstring_view(rest).substr(0, 5), L"Ctrl+")) {
      mods |= scCtrl;
      rest.erase(0, 5);
    } else if (rest.size() > 4 && SameText(std::wstring_view(rest).substr(0, 4), L"Alt+")) {
      mods |= scAlt;
      rest.erase(0, 4);
    } else {
      break;
    }
  }
  for (WORD vk = 1; vk < 0xFF; ++vk)
    if (std::wstring k = KeyText(vk); !k.empty() && SameText(k, rest)) return static_cast<TShortCut>(vk | mods);
  return 0;
}

// ---- TMenuItem ---------------------------------------------------------------------------

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info(
      "TMenuItem", &TComponent::StaticClass(),
      {
          props::Text<TMenuItem>("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption),
          props::Bool<TMenuItem>("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked),
          props::Bool<TMenuItem>("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled),
          props::Bool<TMenuItem>("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible),
          props::Int<TMenuItem, int>("ShortCut", &TMenuItem::GetShortCutInt, &TMenuItem::SetShortCutInt),
          props::Int<TMenuItem, int>("ImageIndex", &TMenuItem::GetImageIndex, &TMenuItem::SetImageIndex),
      });
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
  if (Application) command_ = Application->AllocMenuCommand(this);
}

TMenuItem::~TMenuItem() {
  Destroying();
  while (!items_.empty()) delete items_.back();
  if (parent_) parent_->Remove(this);
  if (handle_) DestroyMenuCounted(handle_);  // empty now, and no longer in a parent menu
  if (Application && command_) Application->FreeMenuCommand(command_);
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Rebuild();
  // A first child turns a plain item into a submenu in its own parent.
  if (items_.size() == 1 && parent_) parent_->Rebuild();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Rebuild();
  if (items_.empty() && parent_) parent_->Rebuild();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    handle_ = menu_bar_ ? CreateMenuCounted() : CreatePopupMenuCounted();
    Rebuild();
  }
  return handle_;
}

bool TMenuItem::IsOwnerDraw() const {
  if (on_draw_ || on_measure_) return true;
  const TMenu* m = GetMenu();
  return m && m->OwnerDraw();
}

void TMenuItem::Rebuild() {
  if (!handle_) return;
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  UINT pos = 0;
  for (TMenuItem* c : items_) {
    if (!c->visible_) continue;
    std::wstring text = c->caption_;
    if (std::wstring sc = ShortCutToText(c->shortcut_); !sc.empty()) text += L"\t" + sc;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    mi.fType = c->IsLine() ? MFT_SEPARATOR : 0;
    if (c->radio_) mi.fType |= MFT_RADIOCHECK;
    if (c->IsOwnerDraw()) mi.fType |= MFT_OWNERDRAW;
    // Owner-drawn items keep their text too: the keyboard finds them by it, and so does
    // GetMenuString.
    if (!c->IsLine()) {
      mi.fMask |= MIIM_STRING;
      mi.dwTypeData = text.data();
    }
    mi.fState = (c->checked_ ? MFS_CHECKED : 0) | (c->enabled_ ? 0 : MFS_DISABLED);
    mi.wID = c->command_;
    mi.hSubMenu = c->items_.empty() ? nullptr : c->Handle();
    mi.dwItemData = c->command_;
    InsertMenuItemW(handle_, pos++, TRUE, &mi);
  }
  if (TMenu* m = GetMenu()) m->MenuChanged();
}

void TMenuItem::Changed() {
  if (parent_) parent_->Rebuild();
}

void TMenuItem::SetCaption(const std::wstring& v) {
  if (v == caption_) return;
  caption_ = v;
  Changed();
}
void TMenuItem::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  Changed();
}
void TMenuItem::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Changed();
}
void TMenuItem::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Changed();
}
void TMenuItem::SetRadioItem(bool v) {
  if (v == radio_) return;
  radio_ = v;
  Changed();
}
void TMenuItem::SetShortCut(TShortCut v) {
  if (v == shortcut_) return;
  shortcut_ = v;
  Changed();
}
void TMenuItem::SetImageIndex(int v) {
  if (v == image_index_) return;
  image_index_ = v;
  Changed();
}
void TMenuItem::SetOnDrawItem(TMenuDrawItemEvent e) {
  on_draw_ = std::move(e);
  Changed();
}
void TMenuItem::SetOnMeasureItem(TMenuMeasureItemEvent e) {
  on_measure_ = std::move(e);
  Changed();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

bool TMenuItem::DispatchShortCut(TShortCut sc) {
  for (TMenuItem* c : items_) {
    if (!c->visible_ || !c->enabled_) continue;
    if (c->shortcut_ == sc && c->items_.empty()) {
      c->Click();
      return true;
    }
    if (c->DispatchShortCut(sc)) return true;
  }
  return false;
}

TMenuItem* TMenuItem::FindCommand(UINT cmd) {
  if (command_ == cmd) return this;
  for (TMenuItem* c : items_)
    if (TMenuItem* f = c->FindCommand(cmd)) return f;
  return nullptr;
}

TMenuItem* TMenuItem::FromCommand(UINT cmd) {
  return Application ? Application->FindMenuItem(cmd) : nullptr;
}

namespace {
// The system's menu font, for drawing and measuring owner-drawn items.
void UseMenuFont(TCanvas& c) {
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0)) return;
  c.Font().SetName(ncm.lfMenuFont.lfFaceName);
  c.Font().SetHeight(ncm.lfMenuFont.lfHeight);
  c.Font().SetCharset(ncm.lfMenuFont.lfCharSet);
}
constexpr int kGlyphColumn = 20;
}  // namespace

bool TMenuItem::DispatchDrawItem(const DRAWITEMSTRUCT& dis) {
  TMenuItem* item = FromCommand(dis.itemID);
  if (!item) return false;
  TCanvas canvas(dis.hDC);
  UseMenuFont(canvas);
  if (item->on_draw_) item->on_draw_(item, canvas, dis.rcItem, dis.itemState);
  else item->DefaultDraw(canvas, dis.rcItem, dis.itemState);
  return true;
}

bool TMenuItem::DispatchMeasureItem(MEASUREITEMSTRUCT& mis) {
  TMenuItem* item = FromCommand(mis.itemID);
  if (!item) return false;
  HDC dc = GetDCCounted(nullptr);
  {
    TCanvas canvas(dc);
    UseMenuFont(canvas);
    int w = static_cast<int>(mis.itemWidth), h = static_cast<int>(mis.itemHeight);
    if (item->on_measure_) {
      item->DefaultMeasure(canvas, w, h);
      item->on_measure_(item, canvas, w, h);
    } else {
      item->DefaultMeasure(canvas, w, h);
    }
    mis.itemWidth = static_cast<UINT>(std::max(w, 0));
    mis.itemHeight = static_cast<UINT>(std::max(h, 0));
  }
  ReleaseDCCounted(nullptr, dc);
  return true;
}

void TMenuItem::DefaultMeasure(TCanvas& c, int& w, int& h) {
  if (IsLine()) {
    w = 10;
    h = 8;
    return;
  }
  std::wstring text = caption_;
  if (std::wstring sc = ShortCutToText(shortcut_); !sc.empty()) text += L"    " + sc;
  RECT r{0, 0, 0, 0};
  c.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  w = kGlyphColumn + 8 + r.right;
  h = std::max<int>(r.bottom + 6, GetSystemMetrics(SM_CYMENUSIZE));
}

void TMenuItem::DefaultDraw(TCanvas& c, const RECT& rect, UINT state) {
  const bool selected = state & ODS_SELECTED;
  const bool disabled = (state & (ODS_DISABLED | ODS_GRAYED)) || !enabled_;
  c.Brush().SetColor(selected && !IsLine() ? clHighlight : clMenu);
  c.FillRect(rect);
  if (IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2;
    DrawEdge(c.Handle(), &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TMenu* m = GetMenu();
  if (m && m->Images() && image_index_ >= 0 && image_index_ < m->Images()->Count()) {
    const int ih = m->Images()->Height();
    m->Images()->Draw(c, rect.left + 2, rect.top + (rect.bottom - rect.top - ih) / 2, image_index_, !disabled);
  } else if (checked_) {
    RECT box{rect.left + 2, rect.top + 2, rect.left + kGlyphColumn - 2, rect.bottom - 2};
    DrawFrameControl(c.Handle(), &box, DFC_MENU, radio_ ? DFCS_MENUBULLET : DFCS_MENUCHECK);
  }
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(disabled ? clGrayText : selected ? clHighlightText : clMenuText);
  RECT tr{rect.left + kGlyphColumn + 4, rect.top, rect.right - 6, rect.bottom};
  c.DrawText(caption_, tr, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (std::wstring sc = ShortCutToText(shortcut_); !sc.empty())
    c.DrawText(sc, tr, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  c.Brush().SetStyle(bsSolid);
}

// ---- TMenu -------------------------------------------------------------------------------

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info(
      "TMenu", &TComponent::StaticClass(),
      {
          props::Bool<TMenu>("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw),
          props::Object<TMenu, TImageList>("Images", &TMenu::Images, &TMenu::SetImages),
      });
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner) {
  items_ = new TMenuItem(this);
  items_->menu_ = this;
}

TMenu::~TMenu() {
  Destroying();
  delete items_;  // its children go with it; the owner may have freed some already
}

void TMenu::SetOwnerDraw(bool v) {
  if (v == owner_draw_) return;
  owner_draw_ = v;
  // Every level of the tree changes its item types.
  std::vector<TMenuItem*> stack{items_};
  while (!stack.empty()) {
    TMenuItem* i = stack.back();
    stack.pop_back();
    i->Rebuild();
    for (TMenuItem* c : i->Items())
      if (c->Count()) stack.push_back(c);
  }
}

void TMenu::SetImages(TImageList* il) {
  if (images_) RemoveFreeNotification(images_);
  images_ = il;
  if (il) FreeNotification(il);
}

void TMenu::Notification(TComponent* component, TOperation op) {
  TComponent::Notification(component, op);
  if (op == opRemove && component == images_) images_ = nullptr;
  if (op == opRemove && component == items_) items_ = nullptr;
}

bool TMenu::DispatchShortCut(TShortCut sc) { return sc && items_ && items_->DispatchShortCut(sc); }

TMenuItem* TMenu::FindItem(UINT command) const { return items_ ? items_->FindCommand(command) : nullptr; }

// ---- TMainMenu, TPopupMenu ---------------------------------------------------------------

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info("TMainMenu", &TMenu::StaticClass());
  return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { Items()->menu_bar_ = true; }

TMainMenu::~TMainMenu() {
  Destroying();
  // Off the window before the menu bar handle is destroyed with the items.
  if (window_ && Items() && Items()->HasHandle() && IsWindow(window_) &&
      ::GetMenu(window_) == Items()->Handle())
    ::SetMenu(window_, nullptr);
  window_ = nullptr;
}

void TMainMenu::MenuChanged() {
  if (!window_) return;
  if (TForm* f = TForm::FromWindow(window_)) f->MenuChanged();
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info("TPopupMenu", &TMenu::StaticClass(),
                               {props::Bool<TPopupMenu>("AutoPopup", &TPopupMenu::GetAutoPopup,
                                                        &TPopupMenu::SetAutoPopup)});
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::Popup(int x, int y) {
  if (!Application) return;
  // Popup is called from anywhere (a tray icon's own window procedure too): what the
  // handlers raise goes to the error box here, as it would from a window of the layer.
  try {
    if (OnPopup) OnPopup(this);
    if (!Items()) return;
    // The menu's notifications go to the application window, as the runtime's popup list
    // window has them. (What dismisses a menu on a click elsewhere is this thread being in
    // the foreground, which callers such as the tray icon see to.)
    HWND owner = Application->Handle();
    const UINT cmd = static_cast<UINT>(TrackPopupMenuEx(
        Items()->Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (cmd)
      if (TMenuItem* item = FindItem(cmd)) item->Click();
  } catch (...) {
    Application->HandleException(std::current_exception());
  }
}

#include "ui/tabs.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace {
const TEnumNames kTabPositionNames{"tpTop", "tpBottom", "tpLeft", "tpRight"};

TCITEMW TextItem(const std::wstring& text) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  return item;
}

// Space on both sides of a tab set's tab text.
constexpr int kTabSetTextMargin = 6;
}  // namespace

// ---- TCustomTabControl -------------------------------------------------------------------

const TClassInfo& TCustomTabControl::StaticClass() {
  static const TClassInfo info(
      "TCustomTabControl", &TWinControl::StaticClass(),
      {props::Enum<TCustomTabControl, TTabPosition>("TabPosition", kTabPositionNames,
                                                    &TCustomTabControl::TabPosition,
                                                    &TCustomTabControl::SetTabPosition),
       props::Bool<TCustomTabControl>("MultiLine", &TCustomTabControl::MultiLine,
                                      &TCustomTabControl::SetMultiLine)});
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  width_ = 289;
  height_ = 193;
  parent_color_ = true;
  SetTabStop(true);
}

void TCustomTabControl::RequireNoWindow() const {
  if (HandleOrNull()) throw EInvalidOperation("The tab style cannot change once the window exists");
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
  if (v == position_) return;
  RequireNoWindow();
  position_ = v;
}

void TCustomTabControl::SetMultiLine(bool v) {
  if (v == multi_line_) return;
  RequireNoWindow();
  multi_line_ = v;
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = WC_TABCONTROLW;
  p.ExStyle |= WS_EX_CONTROLPARENT;  // Tab walks into the page's controls
  // Vertical tabs only come in rows.
  if (multi_line_ || position_ == tpLeft || position_ == tpRight) p.Style |= TCS_MULTILINE;
  switch (position_) {
    case tpBottom:
      p.Style |= TCS_BOTTOM;
      break;
    case tpLeft:
      p.Style |= TCS_VERTICAL;
      break;
    case tpRight:
      p.Style |= TCS_VERTICAL | TCS_RIGHT;
      break;
    case tpTop:
      break;
  }
}

void TCustomTabControl::HandleCreated() {
  HWND h = HandleOrNull();
  for (size_t i = 0; i < tabs_.size(); ++i) {
    TCITEMW item = TextItem(tabs_[i]);
    SendMessageW(h, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(tab_index_), 0);
}

int TCustomTabControl::TabIndex() const {
  if (HWND h = HandleOrNull()) return static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0));
  return tab_index_;
}

void TCustomTabControl::SetTabIndex(int v) {
  if (v < -1 || v >= TabCount()) v = -1;
  tab_index_ = v;
  if (HWND h = HandleOrNull()) SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(v), 0);
}

RECT TCustomTabControl::DisplayRect() {
  RECT r = ClientRect();
  if (HWND h = HandleOrNull()) SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

RECT TCustomTabControl::TabRect(int index) {
  RECT r{};
  if (HWND h = HandleOrNull()) SendMessageW(h, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  HWND h = HandleOrNull();
  if (!h) return -1;
  TCHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  return static_cast<int>(SendMessageW(h, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TCustomTabControl::InsertTab(int index, const std::wstring& text) {
  index = std::clamp(index, 0, TabCount());
  tabs_.insert(tabs_.begin() + index, text);
  if (tab_index_ >= index) ++tab_index_;
  if (HWND h = HandleOrNull()) {
    TCITEMW item = TextItem(text);
    SendMessageW(h, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

void TCustomTabControl::DeleteTab(int index) {
  if (index < 0 || index >= TabCount()) return;
  const int selected = TabIndex();
  tabs_.erase(tabs_.begin() + index);
  if (HWND h = HandleOrNull()) SendMessageW(h, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
  // The selection stays on the same tab; a deleted selected tab leaves none.
  SetTabIndex(selected == index ? -1 : selected > index ? selected - 1 : selected);
}

void TCustomTabControl::SetTabText(int index, const std::wstring& text) {
  if (index < 0 || index >= TabCount()) return;
  tabs_[static_cast<size_t>(index)] = text;
  if (HWND h = HandleOrNull()) {
    TCITEMW item = TextItem(text);
    SendMessageW(h, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  }
}

void TCustomTabControl::ClearTabs() {
  tabs_.clear();
  tab_index_ = -1;
  if (HWND h = HandleOrNull()) SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(m.LParam);
    switch (hdr->code) {
      case TCN_SELCHANGING:
        m.Result = CanChange() ? FALSE : TRUE;
        return;
      case TCN_SELCHANGE:
        tab_index_ = TabIndex();
        Change();
        return;
    }
  }
  TWinControl::WndProc(m);
}

// ---- TTabControl -------------------------------------------------------------------------

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info(
      "TTabControl", &TCustomTabControl::StaticClass(),
      {props::Int<TTabControl, int>("TabIndex", &TTabControl::GetTabIndex, &TTabControl::SetTabIndex)});
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {}

void TTabControl::SetTabs(const std::vector<std::wstring>& tabs) {
  ClearTabs();
  for (const std::wstring& t : tabs) AddTab(t);
}

int TTabControl::AddTab(const std::wstring& text) {
  InsertTab(TabCount(), text);
  return TabCount() - 1;
}

// ---- TTabSheet ---------------------------------------------------------------------------

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info(
      "TTabSheet", &TWinControl::StaticClass(),
      {props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText),
       props::Object<TTabSheet, TPageControl>("PageControl", &TTabSheet::PageControl, &TTabSheet::SetPageControl)});
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  custom_paint_ = true;
  parent_color_ = true;
  color_ = clBtnFace;
  visible_ = false;  // the page control shows the sheet of its selected tab
}

TTabSheet::~TTabSheet() {
  Destroying();
  if (page_control_) page_control_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pc) {
  if (pc == page_control_) return;
  if (page_control_) page_control_->RemovePage(this);
  if (pc) pc->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!page_control_) return -1;
  const auto& pages = page_control_->pages_;
  auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : static_cast<int>(it - pages.begin());
}

void TTabSheet::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.ExStyle |= WS_EX_CONTROLPARENT;
}

void TTabSheet::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      // The window class has no background brush: without this the page would show
      // whatever was on the screen (black in a fresh off-screen picture).
      EraseWithColor(m);
      return;
    case CM_TEXTCHANGED:
      if (page_control_) page_control_->PageCaptionChanged(this);
      break;
  }
  TWinControl::WndProc(m);
}

void TTabSheet::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  FillRect(dc, &r, ColorBrush());
}

// ---- TPageControl ------------------------------------------------------------------------

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info(
      "TPageControl", &TCustomTabControl::StaticClass(),
      {props::Int<TPageControl, int>("ActivePageIndex", &TPageControl::ActivePageIndex,
                                     &TPageControl::SetActivePageIndex),
       props::Object<TPageControl, TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)});
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  Destroying();
  // The sheets go with this control's window (they are its children): they must not call
  // back into a page control that is half gone.
  for (TTabSheet* p : pages_) p->page_control_ = nullptr;
  pages_.clear();
}

TTabSheet* TPageControl::Pages(int index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

TTabSheet* TPageControl::ActivePage() const { return Pages(TabIndex()); }

void TPageControl::SetActivePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  SetActivePageIndex(it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin()));
}

void TPageControl::SetActivePageIndex(int v) {
  SetTabIndex(v);
  ShowActivePage();
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  page->page_control_ = this;
  page->SetParent(this);
  InsertTab(PageCount() - 1, page->Caption());
  PlaceSheets();
  if (TabIndex() < 0) SetTabIndex(0);
  ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  const int index = static_cast<int>(it - pages_.begin());
  pages_.erase(it);
  page->page_control_ = nullptr;
  DeleteTab(index);
  if (TabIndex() < 0 && PageCount() > 0) SetTabIndex(std::min(index, PageCount() - 1));
  if (!page->IsDestroying()) {
    page->SetVisible(false);
    page->SetParent(nullptr);
  }
  PlaceSheets();
  ShowActivePage();
}

void TPageControl::PageCaptionChanged(TTabSheet* page) {
  const int index = page->PageIndex();
  if (index < 0) return;
  SetTabText(index, page->Caption());
  PlaceSheets();  // another text may need another row
}

void TPageControl::Change() {
  ShowActivePage();
  TCustomTabControl::Change();
}

void TPageControl::ShowActivePage() {
  TTabSheet* active = ActivePage();
  // The new page first, so the area is never left bare between the two.
  if (active) {
    active->SetVisible(true);
    if (HWND h = active->HandleOrNull()) SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (TTabSheet* p : pages_)
    if (p != active) p->SetVisible(false);
}

void TPageControl::PlaceSheets() {
  if (!HandleOrNull()) return;
  const RECT r = DisplayRect();
  for (TTabSheet* p : pages_) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::HandleCreated() {
  TCustomTabControl::HandleCreated();
  PlaceSheets();
}

void TPageControl::WndProc(TMessage& m) {
  TCustomTabControl::WndProc(m);
  if (m.Msg == WM_SIZE) PlaceSheets();
}

// ---- TTabSet -----------------------------------------------------------------------------

const TClassInfo& TTabSet::StaticClass() {
  static const TClassInfo custom_control("TCustomControl", &TWinControl::StaticClass());
  static const TClassInfo custom("TCustomTabSet", &custom_control);
  static const TClassInfo info(
      "TTabSet", &custom,
      {props::Int<TTabSet, int>("TabIndex", &TTabSet::GetTabIndex, &TTabSet::SetTabIndex),
       props::Int<TTabSet, int>("TabHeight", &TTabSet::TabHeight, &TTabSet::SetTabHeight),
       props::Int<TTabSet, int>("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)});
  return info;
}

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) {
  custom_paint_ = true;
  color_ = clBtnFace;
  width_ = 185;
  height_ = 21;
  SetTabStop(true);
}

void TTabSet::SetTabs(const std::vector<std::wstring>& tabs) {
  tabs_ = tabs;
  if (tab_index_ >= static_cast<int>(tabs_.size())) tab_index_ = -1;
  Invalidate();
}

int TTabSet::AddTab(const std::wstring& text) {
  tabs_.push_back(text);
  Invalidate();
  return static_cast<int>(tabs_.size()) - 1;
}

void TTabSet::SetTabIndex(int v) {
  if (v < -1 || v >= static_cast<int>(tabs_.size())) v = -1;
  if (v == tab_index_) return;
  tab_index_ = v;
  Invalidate();
}

void TTabSet::SetTabHeight(int v) {
  tab_height_ = std::max(v, 1);
  Invalidate();
}

void TTabSet::SetStartMargin(int v) {
  start_margin_ = std::max(v, 0);
  Invalidate();
}

std::vector<RECT> TTabSet::Layout() {
  std::vector<RECT> out;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  int x = start_margin_;
  for (const std::wstring& t : tabs_) {
    SIZE s{};
    GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &s);
    const int w = s.cx + 2 * kTabSetTextMargin;
    out.push_back(RECT{x, 0, x + w, tab_height_});
    x += w;
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return out;
}

RECT TTabSet::TabRect(int index) {
  const std::vector<RECT> all = Layout();
  return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<size_t>(index)] : RECT{};
}

int TTabSet::TabAtPos(int x, int y) {
  const std::vector<RECT> all = Layout();
  for (size_t i = 0; i < all.size(); ++i) {
    POINT p{x, y};
    if (PtInRect(&all[i], p)) return static_cast<int>(i);
  }
  return -1;
}

void TTabSet::CreateParams(TCreateParams& p) { TWinControl::CreateParams(p); }

void TTabSet::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      EraseWithColor(m);
      return;
    case WM_LBUTTONDOWN: {
      const int hit = TabAtPos(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      if (CanFocus() && HandleOrNull() && GetFocus() != HandleOrNull()) SetFocus();
      if (hit >= 0 && hit != tab_index_) {
        SetTabIndex(hit);
        if (OnChange) OnChange(this);
      }
      break;
    }
    case WM_GETDLGCODE:
      m.Result = DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      if ((m.WParam == VK_LEFT || m.WParam == VK_RIGHT) && !tabs_.empty()) {
        const int n = static_cast<int>(tabs_.size());
        const int next = std::clamp(tab_index_ + (m.WParam == VK_LEFT ? -1 : 1), 0, n - 1);
        if (next != tab_index_) {
          SetTabIndex(next);
          if (OnChange) OnChange(this);
        }
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    case CM_FONTCHANGED:
      Invalidate();
      break;
  }
  TWinControl::WndProc(m);
}

void TTabSet::PaintWindow(HDC dc) {
  RECT client = ClientRect();
  TCanvas canvas(dc);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(client);
  canvas.Font().Assign(Font());
  const std::vector<RECT> tabs = Layout();
  // The page's bottom edge the tabs hang from; the selected tab breaks it.
  canvas.Pen().SetColor(clBtnShadow);
  canvas.MoveTo(0, 0);
  canvas.LineTo(client.right, 0);
  for (size_t i = 0; i < tabs.size(); ++i) {
    const RECT& r = tabs[i];
    const bool selected = static_cast<int>(i) == tab_index_;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(selected ? clWindow : Color());
    canvas.FillRect(RECT{r.left + 1, selected ? 0 : 1, r.right - 1, r.bottom - 1});
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(r.left, 0);
    canvas.LineTo(r.left, r.bottom - 1);
    canvas.LineTo(r.right - 1, r.bottom - 1);
    canvas.LineTo(r.right - 1, -1);
    RECT t = r;
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(Enabled() ? Font().GetColor() : clGrayText);
    canvas.DrawText(tabs_[i], t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (selected && HandleOrNull() && GetFocus() == HandleOrNull()) {
      RECT f{r.left + 3, r.top + 2, r.right - 3, r.bottom - 3};
      DrawFocusRect(dc, &f);
    }
  }
}

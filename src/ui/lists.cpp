#include "ui/lists.h"

#include <commctrl.h>

#include <algorithm>

namespace {
const TEnumNames kScrollStyleNames{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
const TEnumNames kScrollBarKindNames{"sbHorizontal", "sbVertical"};
const TEnumNames kViewStyleNames{"vsIcon", "vsSmallIcon", "vsList", "vsReport"};

DWORD ScrollStyleBits(TScrollStyle s) {
  switch (s) {
    case ssHorizontal: return WS_HSCROLL;
    case ssVertical: return WS_VSCROLL;
    case ssBoth: return WS_HSCROLL | WS_VSCROLL;
    default: return 0;
  }
}
}  // namespace

// ---- TMemo -------------------------------------------------------------------------------

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo edit("TCustomEdit", &TWinControl::StaticClass());
  static const TClassInfo custom("TCustomMemo", &edit);
  static const TClassInfo info(
      "TMemo", &custom,
      {props::Text<TControl>("Text", &TControl::GetCaption, &TControl::SetCaptionText),
       props::Enum<TMemo, TScrollStyle>("ScrollBars", kScrollStyleNames, &TMemo::ScrollBars,
                                        &TMemo::SetScrollBars),
       props::Bool<TMemo>("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly)});
  return info;
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 185;
  height_ = 89;
}

void TMemo::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"EDIT";
  p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_LEFT | ScrollStyleBits(scroll_bars_);
  if (!(p.Style & WS_HSCROLL)) p.Style |= ES_AUTOVSCROLL;
  if (p.Style & WS_HSCROLL) p.Style |= ES_AUTOHSCROLL;
  if (read_only_) p.Style |= ES_READONLY;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

std::vector<std::wstring> TMemo::Lines() const {
  std::vector<std::wstring> out;
  const std::wstring text = Caption();
  if (text.empty()) return out;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(L"\r\n", start);
    out.push_back(text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
  return out;
}

void TMemo::SetLines(const std::vector<std::wstring>& lines) {
  std::wstring text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += L"\r\n";
    text += lines[i];
  }
  SetCaption(text);
}

void TMemo::AddLine(const std::wstring& line) {
  std::vector<std::wstring> lines = Lines();
  lines.push_back(line);
  SetLines(lines);
}

void TMemo::SetScrollBars(TScrollStyle v) {
  if (v == scroll_bars_) return;
  scroll_bars_ = v;
  // The edit reads its scroll styles at creation only.
  if (HandleAllocated()) {
    const std::wstring text = Caption();
    DestroyHandle();
    caption_ = text;
    if (Parent() && Parent()->HandleAllocated()) HandleNeeded();
  }
}

void TMemo::SetReadOnly(bool v) {
  read_only_ = v;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), EM_SETREADONLY, v, 0);
}

int TMemo::TopLine() {
  return HandleOrNull() ? static_cast<int>(SendMessageW(HandleOrNull(), EM_GETFIRSTVISIBLELINE, 0, 0)) : 0;
}

void TMemo::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TListBox ----------------------------------------------------------------------------

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo list_control("TCustomListControl", &TWinControl::StaticClass());
  static const TClassInfo custom("TCustomListBox", &list_control);
  static const TClassInfo info(
      "TListBox", &custom,
      {props::Int<TListBox, int>("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex),
       props::Int<TListBox, int>("TopIndex", &TListBox::TopIndex, &TListBox::SetTopIndex),
       props::Int<TListBox, int>("ScrollWidth", &TListBox::ScrollWidth, &TListBox::SetScrollWidth)});
  return info;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 121;
  height_ = 97;
}

void TListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"LISTBOX";
  p.Style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::HandleCreated() {
  HWND h = HandleOrNull();
  for (const auto& s : items_) SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  SendMessageW(h, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(scroll_width_), 0);
  if (item_index_ >= 0) SendMessageW(h, LB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
  if (top_index_ > 0) SendMessageW(h, LB_SETTOPINDEX, static_cast<WPARAM>(top_index_), 0);
}

void TListBox::SetItems(const std::vector<std::wstring>& items) {
  ClearItems();
  for (const auto& s : items) AddItem(s);
}

int TListBox::AddItem(const std::wstring& item) {
  items_.push_back(item);
  if (HandleOrNull()) SendMessageW(HandleOrNull(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  return static_cast<int>(items_.size()) - 1;
}

void TListBox::ClearItems() {
  items_.clear();
  item_index_ = -1;
  top_index_ = 0;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), LB_RESETCONTENT, 0, 0);
}

int TListBox::ItemIndex() const {
  if (HandleOrNull()) return static_cast<int>(SendMessageW(HandleOrNull(), LB_GETCURSEL, 0, 0));
  return item_index_;
}

void TListBox::SetItemIndex(int v) {
  item_index_ = v < 0 || v >= static_cast<int>(items_.size()) ? -1 : v;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), LB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
}

int TListBox::TopIndex() const {
  if (HandleOrNull()) return static_cast<int>(SendMessageW(HandleOrNull(), LB_GETTOPINDEX, 0, 0));
  return top_index_;
}

void TListBox::SetTopIndex(int v) {
  top_index_ = std::max(v, 0);
  if (HandleOrNull()) SendMessageW(HandleOrNull(), LB_SETTOPINDEX, static_cast<WPARAM>(top_index_), 0);
}

int TListBox::ItemHeight() const {
  if (HandleOrNull()) return static_cast<int>(SendMessageW(HandleOrNull(), LB_GETITEMHEIGHT, 0, 0));
  return 13;
}

void TListBox::SetScrollWidth(int v) {
  scroll_width_ = std::max(v, 0);
  if (HandleOrNull()) SendMessageW(HandleOrNull(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(scroll_width_), 0);
}

void TListBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == LBN_SELCHANGE) {
    item_index_ = ItemIndex();
    if (OnClick) OnClick(this);
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TScrollBar --------------------------------------------------------------------------

const TClassInfo& TScrollBar::StaticClass() {
  static const TClassInfo info(
      "TScrollBar", &TWinControl::StaticClass(),
      {props::Enum<TScrollBar, TScrollBarKind>("Kind", kScrollBarKindNames, &TScrollBar::Kind,
                                               &TScrollBar::SetKind),
       props::Int<TScrollBar, int>("Min", &TScrollBar::Min, &TScrollBar::SetMin),
       props::Int<TScrollBar, int>("Max", &TScrollBar::Max, &TScrollBar::SetMax),
       props::Int<TScrollBar, int>("Position", &TScrollBar::Position, &TScrollBar::SetPosition),
       props::Int<TScrollBar, int>("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize),
       props::Int<TScrollBar, int>("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange),
       props::Int<TScrollBar, int>("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)});
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 121;
  height_ = GetSystemMetrics(SM_CYHSCROLL);
}

void TScrollBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"SCROLLBAR";
  p.Style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::HandleCreated() { PushScrollInfo(); }

void TScrollBar::SetKind(TScrollBarKind v) {
  if (v == kind_) return;
  kind_ = v;
  // Width and height change places, and the window is made again in the new direction.
  SetBounds(left_, top_, height_, width_);
  if (HandleAllocated()) {
    DestroyHandle();
    if (Parent() && Parent()->HandleAllocated()) HandleNeeded();
  }
}

void TScrollBar::SetPageSize(int v) {
  page_size_ = std::clamp(v, 0, std::max(0, max_ - min_ + 1));
  SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  page_size_ = std::min(page_size_, max_ - min_ + 1);
  const int last = page_size_ > 0 ? max_ - page_size_ + 1 : max_;
  const int pos = std::clamp(position, min_, std::max(min_, last));
  const bool changed = pos != position_;
  position_ = pos;
  PushScrollInfo();
  if (changed && OnChange) OnChange(this);
}

void TScrollBar::PushScrollInfo() {
  if (!HandleOrNull()) return;
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_ALL;
  si.nMin = min_;
  si.nMax = max_;
  si.nPage = static_cast<UINT>(page_size_);
  si.nPos = position_;
  SetScrollInfo(HandleOrNull(), SB_CTL, &si, TRUE);
}

void TScrollBar::Scroll(int code, int trackPos) {
  int pos = position_;
  switch (code) {
    case SB_LINEUP: pos -= small_change_; break;
    case SB_LINEDOWN: pos += small_change_; break;
    case SB_PAGEUP: pos -= large_change_; break;
    case SB_PAGEDOWN: pos += large_change_; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = trackPos; break;
    case SB_TOP: pos = min_; break;
    case SB_BOTTOM: pos = max_; break;
    default: return;
  }
  SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    // The 32-bit track position, not the 16 bits of the message.
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(HandleOrNull(), SB_CTL, &si);
    Scroll(LOWORD(m.WParam), si.nTrackPos);
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TListView ---------------------------------------------------------------------------

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo list_control("TCustomListControl", &TWinControl::StaticClass());
  static const TClassInfo multi("TCustomMultiSelectListControl", &list_control);
  static const TClassInfo custom("TCustomListView", &multi);
  static const TClassInfo info(
      "TListView", &custom,
      {props::Enum<TListView, TViewStyle>("ViewStyle", kViewStyleNames, &TListView::ViewStyle,
                                          &TListView::SetViewStyle)});
  return info;
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 250;
  height_ = 150;
}

void TListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = WC_LISTVIEWW;
  static const DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  p.Style |= kViews[view_style_] | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  SendMessageW(HandleOrNull(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) InsertColumn(i);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) InsertItem(i);
}

void TListView::SetViewStyle(TViewStyle v) {
  view_style_ = v;
  if (!HandleOrNull()) return;
  static const DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  SetStyle((Style() & ~LVS_TYPEMASK) | kViews[v]);
}

void TListView::AddColumn(const std::wstring& caption, int width) {
  columns_.push_back({caption, width});
  if (HandleOrNull()) InsertColumn(static_cast<int>(columns_.size()) - 1);
}

int TListView::AddItem(const std::vector<std::wstring>& cells) {
  items_.push_back(cells);
  const int index = static_cast<int>(items_.size()) - 1;
  if (HandleOrNull()) InsertItem(index);
  return index;
}

void TListView::InsertColumn(int index) {
  LVCOLUMNW col{};
  col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  col.pszText = const_cast<wchar_t*>(columns_[index].Caption.c_str());
  col.cx = columns_[index].Width;
  col.iSubItem = index;
  SendMessageW(HandleOrNull(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col));
}

void TListView::InsertItem(int index) {
  const auto& cells = items_[index];
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<wchar_t*>(cells.empty() ? L"" : cells[0].c_str());
  SendMessageW(HandleOrNull(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  for (int c = 1; c < static_cast<int>(cells.size()); ++c) {
    LVITEMW sub{};
    sub.iSubItem = c;
    sub.pszText = const_cast<wchar_t*>(cells[c].c_str());
    SendMessageW(HandleOrNull(), LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
  }
}

HWND TListView::HeaderHandle() {
  if (!HandleOrNull()) return nullptr;
  return reinterpret_cast<HWND>(SendMessageW(HandleOrNull(), LVM_GETHEADER, 0, 0));
}

// ---- TScrollBox --------------------------------------------------------------------------

const TClassInfo& TScrollBox::StaticClass() {
  static const TClassInfo scrolling("TScrollingWinControl", &TWinControl::StaticClass());
  static const TClassInfo info("TScrollBox", &scrolling);
  return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
  color_ = clBtnFace;
  width_ = 185;
  height_ = 41;
}

void TScrollBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.ExStyle |= WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT;
}

void TScrollBox::HandleCreated() { UpdateBars(); }

void TScrollBox::SetRange(int horz, int vert) {
  range_[0] = std::max(horz, 0);
  range_[1] = std::max(vert, 0);
  UpdateBars();
}

void TScrollBox::UpdateBars() {
  HWND h = HandleOrNull();
  if (!h) return;
  RECT r;
  GetClientRect(h, &r);
  const int page[2] = {r.right, r.bottom};
  for (int bar = 0; bar < 2; ++bar) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    si.nMin = 0;
    // No bar when everything fits.
    si.nMax = range_[bar] > page[bar] ? range_[bar] - 1 : 0;
    si.nPage = range_[bar] > page[bar] ? static_cast<UINT>(page[bar]) : 0;
    si.nPos = pos_[bar];
    SetScrollInfo(h, bar == 0 ? SB_HORZ : SB_VERT, &si, TRUE);
    const int maxPos = std::max(0, range_[bar] - page[bar]);
    if (pos_[bar] > maxPos) ScrollTo(bar, maxPos);
  }
}

void TScrollBox::ScrollTo(int bar, int pos) {
  HWND h = HandleOrNull();
  if (!h) return;
  RECT r;
  GetClientRect(h, &r);
  const int page = bar == 0 ? r.right : r.bottom;
  pos = std::clamp(pos, 0, std::max(0, range_[bar] - page));
  const int delta = pos_[bar] - pos;
  if (delta == 0) return;
  pos_[bar] = pos;
  SetScrollPos(h, bar == 0 ? SB_HORZ : SB_VERT, pos, TRUE);
  ScrollWindowEx(h, bar == 0 ? delta : 0, bar == 0 ? 0 : delta, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

void TScrollBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      EraseWithColor(m);
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (m.LParam == 0) {
        const int bar = m.Msg == WM_HSCROLL ? 0 : 1;
        RECT r;
        GetClientRect(HandleOrNull(), &r);
        const int page = bar == 0 ? r.right : r.bottom;
        int pos = pos_[bar];
        switch (LOWORD(m.WParam)) {
          case SB_LINEUP: pos -= 16; break;
          case SB_LINEDOWN: pos += 16; break;
          case SB_PAGEUP: pos -= page; break;
          case SB_PAGEDOWN: pos += page; break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION: {
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(HandleOrNull(), bar == 0 ? SB_HORZ : SB_VERT, &si);
            pos = si.nTrackPos;
            break;
          }
          default: break;
        }
        ScrollTo(bar, pos);
        m.Result = 0;
        return;
      }
      break;
    case WM_SIZE:
      TWinControl::WndProc(m);
      UpdateBars();
      return;
  }
  TWinControl::WndProc(m);
}

#include "ui/stdctrls.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/forms.h"

using namespace kq::ui;

namespace {
const TEnumNames kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
const TEnumNames kCheckStateNames{"cbUnchecked", "cbChecked", "cbGrayed"};
const TEnumNames kLayoutNames{"tlTop", "tlCenter", "tlBottom"};
const TEnumNames kComboStyleNames{"csDropDown", "csSimple", "csDropDownList"};

TPropInfo CaptionProp() {
  return props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText);
}
TPropInfo TextProp() {
  return props::Text<TControl>("Text", &TControl::GetCaption, &TControl::SetCaptionText);
}
}  // namespace

bool IsAccel(wchar_t ch, const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(caption[i + 1]))) ==
           CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(ch)));
  }
  return false;
}

// ---- TButtonControl, TButton -------------------------------------------------------------

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info("TButtonControl", &TWinControl::StaticClass());
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  parent_color_ = true;
}

void TButtonControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) {
        Click();
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Accelerated();
        m.Result = 1;
      }
      return;
  }
  TWinControl::WndProc(m);
}

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info(
      "TButton", &TButtonControl::StaticClass(),
      {CaptionProp(),
       props::Bool<TButton>("Default", &TButton::Default, &TButton::SetDefault),
       props::Bool<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel),
       props::Int<TButton, int>("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)});
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  width_ = 75;
  height_ = 25;
}

void TButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.WinClassName = L"BUTTON";
  p.Style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  default_ = v;
  // An owner-drawn button (TBitBtn) shows Default itself and keeps its type.
  if (HandleAllocated() && (GetWindowLongPtrW(HandleOrNull(), GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW)
    SendMessageW(HandleOrNull(), BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  else
    Invalidate();
}

void TButton::Click() {
  if (modal_result_ != 0)
    if (TForm* f = TForm::FromWindow(HandleOrNull())) f->SetModalResult(modal_result_);
  TButtonControl::Click();
}

void TButton::WndProc(TMessage& m) {
  // A push button paints its whole face: no colour answer from the parent is needed.
  TButtonControl::WndProc(m);
}

// ---- TCheckBox ---------------------------------------------------------------------------

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo custom("TCustomCheckBox", &TButtonControl::StaticClass());
  static const TClassInfo info(
      "TCheckBox", &custom,
      {CaptionProp(),
       props::Bool<TCheckBox>("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked),
       props::Enum<TCheckBox, TCheckBoxState>("State", kCheckStateNames, &TCheckBox::State,
                                              &TCheckBox::SetState),
       props::Bool<TCheckBox>("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed),
       props::Enum<TCheckBox, TAlignment>("Alignment", kAlignmentNames, &TCheckBox::Alignment,
                                          &TCheckBox::SetAlignment)});
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
  width_ = 97;
  height_ = 17;
}

void TCheckBox::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.WinClassName = L"BUTTON";
  p.Style |= allow_grayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
  if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TCheckBox::HandleCreated() {
  SendMessageW(HandleOrNull(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

TCheckBoxState TCheckBox::State() const {
  if (HandleOrNull())
    return static_cast<TCheckBoxState>(SendMessageW(HandleOrNull(), BM_GETCHECK, 0, 0));
  return state_;
}

void TCheckBox::SetState(TCheckBoxState v) {
  if (v == cbGrayed && !allow_grayed_) v = cbUnchecked;
  state_ = v;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), BM_SETCHECK, static_cast<WPARAM>(v), 0);
}

void TCheckBox::SetAllowGrayed(bool v) {
  allow_grayed_ = v;
  if (HandleOrNull()) {
    SendMessageW(HandleOrNull(), BM_SETSTYLE, v ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
    SetStyle(Style() | (alignment_ == taLeftJustify ? BS_LEFTTEXT : 0));
  }
}

void TCheckBox::SetAlignment(TAlignment v) {
  alignment_ = v;
  if (HandleOrNull()) {
    LONG_PTR s = Style() & ~static_cast<LONG_PTR>(BS_LEFTTEXT);
    SetStyle(v == taLeftJustify ? (s | BS_LEFTTEXT) : s);
    Invalidate();
  }
}

void TCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) state_ = State();
  TButtonControl::WndProc(m);
}

void TCheckBox::Accelerated() {
  // As a click of the box: the next state, then OnClick.
  SetState(State() == cbUnchecked ? cbChecked
                                  : (State() == cbChecked && allow_grayed_ ? cbGrayed : cbUnchecked));
  Click();
}

// ---- TRadioButton ------------------------------------------------------------------------

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info(
      "TRadioButton", &TButtonControl::StaticClass(),
      {CaptionProp(),
       props::Bool<TRadioButton>("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked),
       props::Enum<TRadioButton, TAlignment>("Alignment", kAlignmentNames,
                                             &TRadioButton::Alignment, &TRadioButton::SetAlignment)});
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  SetTabStop(false);
  width_ = 113;
  height_ = 17;
}

void TRadioButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.WinClassName = L"BUTTON";
  // Checked by this class, not by the control: radio groups follow the parent, not the
  // window order.
  p.Style |= BS_RADIOBUTTON;
  if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TRadioButton::HandleCreated() {
  SendMessageW(HandleOrNull(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  SetTabStop(v);  // Tab reaches a radio group at its checked button
  if (HandleOrNull()) SendMessageW(HandleOrNull(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  if (v && Parent()) {
    for (TControl* c : Parent()->Controls())
      if (auto* r = dynamic_cast<TRadioButton*>(c); r && r != this) r->SetChecked(false);
  }
}

void TRadioButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && (HIWORD(m.WParam) == BN_CLICKED || HIWORD(m.WParam) == BN_DOUBLECLICKED)) {
    SetChecked(true);
    if (HIWORD(m.WParam) == BN_CLICKED) Click();
    return;
  }
  TButtonControl::WndProc(m);
}

void TRadioButton::Accelerated() {
  SetChecked(true);
  Click();
}

// ---- TEdit -------------------------------------------------------------------------------

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo custom("TCustomEdit", &TWinControl::StaticClass());
  static const TClassInfo info(
      "TEdit", &custom,
      {TextProp(), props::Bool<TEdit>("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly),
       props::Int<TEdit, int>("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)});
  return info;
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 121;
  height_ = 21;
}

void TEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (read_only_) p.Style |= ES_READONLY;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TEdit::HandleCreated() {
  if (max_length_ > 0) SendMessageW(HandleOrNull(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TEdit::SetReadOnly(bool v) {
  read_only_ = v;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), EM_SETREADONLY, v, 0);
}

void TEdit::SetMaxLength(int v) {
  max_length_ = std::max(v, 0);
  if (HandleOrNull()) SendMessageW(HandleOrNull(), EM_LIMITTEXT, static_cast<WPARAM>(max_length_), 0);
}

void TEdit::SelectAll() {
  if (HandleOrNull()) SendMessageW(HandleOrNull(), EM_SETSEL, 0, -1);
}

void TEdit::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == EN_CHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TLabel ------------------------------------------------------------------------------

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo custom("TCustomLabel", &TGraphicControl::StaticClass());
  static const TClassInfo info(
      "TLabel", &custom,
      {CaptionProp(), props::Bool<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize),
       props::Bool<TLabel>("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap),
       props::Bool<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent),
       props::Bool<TLabel>("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar),
       props::Enum<TLabel, TAlignment>("Alignment", kAlignmentNames, &TLabel::Alignment,
                                       &TLabel::SetAlignment),
       props::Enum<TLabel, TTextLayout>("Layout", kLayoutNames, &TLabel::Layout, &TLabel::SetLayout),
       props::Object<TLabel, TWinControl>("FocusControl", &TLabel::FocusControl,
                                          &TLabel::SetFocusControl)});
  return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  parent_color_ = true;
  width_ = 65;
  height_ = 13;
}

UINT TLabel::TextFlags() const {
  UINT f = DT_EXPANDTABS;
  if (word_wrap_) f |= DT_WORDBREAK;
  if (!show_accel_) f |= DT_NOPREFIX;
  if (alignment_ == taRightJustify) f |= DT_RIGHT;
  else if (alignment_ == taCenter) f |= DT_CENTER;
  return f;
}

void TLabel::Paint(TCanvas& canvas) {
  RECT r = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(r);
  }
  canvas.Brush().SetStyle(bsClear);
  std::wstring text = Caption();
  if (layout_ != tlTop) {
    RECT calc = r;
    canvas.DrawText(text, calc, TextFlags() | DT_CALCRECT);
    const int h = calc.bottom - calc.top;
    r.top = layout_ == tlCenter ? (r.bottom - h) / 2 : r.bottom - h;
  }
  if (!Enabled()) {
    // The engraved look of disabled text.
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, TextFlags());
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(text, r, TextFlags());
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || adjusting_) return;
  HDC dc = GetDCCounted(nullptr);
  int w = 0, h = 0;
  {
    TCanvas canvas(dc);
    canvas.Font().Assign(Font());
    std::wstring text = Caption();
    if (text.empty() || (show_accel_ && text == L"&")) text = L" ";
    RECT r{0, 0, word_wrap_ ? std::max(width_, 1) : 0, 0};
    canvas.DrawText(text, r, TextFlags() | DT_CALCRECT);
    w = word_wrap_ ? width_ : r.right;
    h = r.bottom;
  }
  ReleaseDCCounted(nullptr, dc);
  int left = left_;
  if (alignment_ == taRightJustify && !word_wrap_) left = left_ + width_ - w;
  adjusting_ = true;
  TGraphicControl::SetBounds(left, top_, w, h);
  adjusting_ = false;
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TGraphicControl::SetBounds(left, top, width, height);
  if (!adjusting_ && word_wrap_) AdjustBounds();
}

void TLabel::TextChanged() {
  AdjustBounds();
  Invalidate();
}

void TLabel::FontChanged() {
  AdjustBounds();
  TGraphicControl::FontChanged();
}

void TLabel::SetAutoSize(bool v) {
  auto_size_ = v;
  AdjustBounds();
}
void TLabel::SetWordWrap(bool v) {
  word_wrap_ = v;
  AdjustBounds();
  Invalidate();
}
void TLabel::SetAlignment(TAlignment v) {
  alignment_ = v;
  Invalidate();
}
void TLabel::SetLayout(TTextLayout v) {
  layout_ = v;
  Invalidate();
}
void TLabel::SetTransparent(bool v) {
  transparent_ = v;
  Invalidate();
}
void TLabel::SetShowAccelChar(bool v) {
  show_accel_ = v;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetFocusControl(TWinControl* c) {
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = c;
  if (c) FreeNotification(c);
}

void TLabel::Notification(TComponent* component, TOperation op) {
  TGraphicControl::Notification(component, op);
  if (op == opRemove && component == focus_control_) focus_control_ = nullptr;
}

void TLabel::WndProc(TMessage& m) {
  if (m.Msg == CM_DIALOGCHAR) {
    if (focus_control_ && show_accel_ && IsAccel(static_cast<wchar_t>(m.WParam), Caption()) &&
        focus_control_->CanFocus()) {
      focus_control_->SetFocus();
      m.Result = 1;
    }
    return;
  }
  TGraphicControl::WndProc(m);
}

// ---- TGroupBox ---------------------------------------------------------------------------

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo custom_control("TCustomControl", &TWinControl::StaticClass());
  static const TClassInfo custom("TCustomGroupBox", &custom_control);
  static const TClassInfo info("TGroupBox", &custom, {CaptionProp()});
  return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) {
  parent_color_ = true;
  width_ = 185;
  height_ = 105;
}

void TGroupBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"BUTTON";
  p.Style |= BS_GROUPBOX;
  p.ExStyle |= WS_EX_CONTROLPARENT;  // Tab walks into its children
}

void TGroupBox::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_NCHITTEST:
      // The system group box lets the mouse through to its parent; ours is a real container
      // whose labels and background get their own mouse messages.
      m.Result = HTCLIENT;
      return;
    case WM_ERASEBKGND:
      // The system group box does not fill its inside.
      EraseWithColor(m);
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
        // The first control of the group takes the focus.
        if (HWND first = GetNextDlgTabItem(HandleOrNull(), nullptr, FALSE)) ::SetFocus(first);
        m.Result = 1;
        return;
      }
      break;
  }
  TWinControl::WndProc(m);
}

// ---- TComboBox ---------------------------------------------------------------------------

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo list_control("TCustomListControl", &TWinControl::StaticClass());
  static const TClassInfo combo("TCustomCombo", &list_control);
  static const TClassInfo custom("TCustomComboBox", &combo);
  static const TClassInfo info(
      "TComboBox", &custom,
      {TextProp(),
       props::Int<TComboBox, int>("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex),
       props::Int<TComboBox, int>("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight),
       props::Int<TComboBox, int>("DropDownCount", &TComboBox::DropDownCount,
                                  &TComboBox::SetDropDownCount),
       props::Enum<TComboBox, TComboBoxStyle>("Style", kComboStyleNames, &TComboBox::Style,
                                              &TComboBox::SetStyle)});
  return info;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 145;
  height_ = 21;
}

TComboBox::~TComboBox() {
  Destroying();
  DestroyHandle();
}

void TComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"COMBOBOX";
  p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  p.Style |= style_ == csSimple ? CBS_SIMPLE : style_ == csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
  // A drop-down combo box's window height includes its list.
  if (style_ != csSimple) p.Height = height_ + ListHeight();
}

int TComboBox::ListHeight() const {
  const int ih = item_height_ > 0 ? item_height_ : 13;
  return ih * std::max(drop_down_count_, 1) + 2;
}

LRESULT CALLBACK ComboEditProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* combo = dynamic_cast<TComboBox*>(TWinControl::FromHandle(wnd));
  if (!combo) return DefWindowProcW(wnd, msg, w, l);
  WNDPROC old = combo->edit_proc_;
  try {
    switch (msg) {
      case WM_MOUSEMOVE:
        if (Application) Application->NoteMouseOver(combo, wnd);
        break;
      case WM_MOUSELEAVE:
        if (Application) Application->NoteMouseLeft(wnd);
        break;
      case WM_KILLFOCUS: {
        HWND next = reinterpret_cast<HWND>(w);
        if (next && next != combo->HandleOrNull() && TWinControl::FromHandle(next) != combo &&
            GetAncestor(next, GA_ROOT) == GetAncestor(wnd, GA_ROOT))
          combo->Perform(CM_EXIT);
        break;
      }
      case WM_NCDESTROY: {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) == &ComboEditProc)
          SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
        combo->DetachInnerWindow(wnd);
        combo->edit_ = nullptr;
        combo->edit_proc_ = nullptr;
        UserReleased(wnd);  // counted with its combo box, released with it
        return CallWindowProcW(old, wnd, msg, w, l);
      }
    }
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
  return CallWindowProcW(old, wnd, msg, w, l);
}

void TComboBox::HandleCreated() {
  HWND h = HandleOrNull();
  for (const auto& s : items_) SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  if (item_height_ > 0) SendMessageW(h, CB_SETITEMHEIGHT, 0, item_height_);
  if (item_index_ >= 0) SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(item_index_), 0);
  else if (!caption_.empty()) SetWindowTextW(h, caption_.c_str());
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (style_ != csDropDownList && GetComboBoxInfo(h, &info) && info.hwndItem && info.hwndItem != h) {
    // The inner edit counts as part of the combo box for the mouse and the focus.
    edit_ = info.hwndItem;
    UserCreated(edit_);
    AttachInnerWindow(edit_);
    edit_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
  }
}

void TComboBox::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (HandleOrNull())
    SetWindowPos(HandleOrNull(), nullptr, left, top, width,
                 height + (style_ != csSimple ? ListHeight() : 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetItems(const std::vector<std::wstring>& items) {
  ClearItems();
  for (const auto& s : items) AddItem(s);
}

int TComboBox::AddItem(const std::wstring& item) {
  items_.push_back(item);
  if (HandleOrNull())
    SendMessageW(HandleOrNull(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  return static_cast<int>(items_.size()) - 1;
}

void TComboBox::ClearItems() {
  items_.clear();
  item_index_ = -1;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::ItemIndex() const {
  if (HandleOrNull()) return static_cast<int>(SendMessageW(HandleOrNull(), CB_GETCURSEL, 0, 0));
  return item_index_;
}

void TComboBox::SetItemIndex(int v) {
  if (v < -1 || v >= static_cast<int>(items_.size())) v = -1;
  item_index_ = v;
  if (HandleOrNull()) SendMessageW(HandleOrNull(), CB_SETCURSEL, static_cast<WPARAM>(v), 0);
  else caption_ = v >= 0 ? items_[static_cast<size_t>(v)] : std::wstring();
}

int TComboBox::ItemHeight() const {
  if (HandleOrNull()) return static_cast<int>(SendMessageW(HandleOrNull(), CB_GETITEMHEIGHT, 0, 0));
  return item_height_ > 0 ? item_height_ : 13;
}

void TComboBox::SetItemHeight(int v) {
  item_height_ = v;
  if (HandleOrNull() && v > 0) SendMessageW(HandleOrNull(), CB_SETITEMHEIGHT, 0, v);
}

void TComboBox::ChangeScale(int m, int d) {
  TWinControl::ChangeScale(m, d);
  if (item_height_ > 0) SetItemHeight(MulDiv(item_height_, m, d));
}

void TComboBox::SetStyle(TComboBoxStyle v) {
  if (HandleOrNull() && v != style_) throw EInvalidOperation("Combo box style cannot change once the window exists");
  style_ = v;
}

void TComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    switch (HIWORD(m.WParam)) {
      case CBN_SELCHANGE:
        item_index_ = ItemIndex();
        if (OnSelect) OnSelect(this);
        if (OnChange) OnChange(this);
        return;
      case CBN_EDITCHANGE:
        if (OnChange) OnChange(this);
        return;
    }
  }
  TWinControl::WndProc(m);
}

#include "ui/controls.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/application.h"
#include "ui/menus.h"

using namespace kq::ui;

namespace {

// The window properties that link a window to its TWinControl: its own window, or an inner
// window of it (a combo box's edit).
constexpr wchar_t kControlProp[] = L"KqControl";
constexpr wchar_t kInnerWindowProp[] = L"KqInner";
// The control whose window is being created on this thread; the creation hook binds it.
thread_local TWinControl* creating_control = nullptr;

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

}  // namespace

TShiftState ShiftStateNow() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

// ---- TControl ----------------------------------------------------------------------------

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info(
      "TControl", &TComponent::StaticClass(),
      {
          props::Int<TControl, int>("Left", &TControl::GetLeft, &TControl::SetLeft),
          props::Int<TControl, int>("Top", &TControl::GetTop, &TControl::SetTop),
          props::Int<TControl, int>("Width", &TControl::GetWidth, &TControl::SetWidth),
          props::Int<TControl, int>("Height", &TControl::GetHeight, &TControl::SetHeight),
          props::Bool<TControl>("Visible", &TControl::GetVisible, &TControl::SetVisible),
          props::Bool<TControl>("Enabled", &TControl::GetEnabled, &TControl::SetEnabled),
          props::Colour<TControl>("Color", &TControl::GetColor, &TControl::SetColor),
          props::Bool<TControl>("ParentColor", &TControl::GetParentColor,
                                &TControl::SetParentColor),
          props::Bool<TControl>("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont),
          props::Object<TControl, TFont>("Font", &TControl::FontObject, &TControl::SetFontObject),
          props::Object<TControl, TPopupMenu>("PopupMenu", &TControl::PopupMenu,
                                              &TControl::SetPopupMenu),
      });
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] {
    if (!following_parent_) parent_font_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  Destroying();
  if (Application) Application->ForgetControl(this);
  if (parent_) parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM w, LPARAM l) {
  TMessage m{msg, w, l, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool was_visible = Showing();
  if (was_visible) Invalidate();  // the old place
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (was_visible) Invalidate();
}

RECT TControl::ClientRect() { return RECT{0, 0, width_, height_}; }

void TControl::ChangeScale(int m, int d) {
  SetBounds(MulDiv(left_, m, d), MulDiv(top_, m, d), MulDiv(width_, m, d), MulDiv(height_, m, d));
  // After the bounds: a label that sizes itself to its text does so in the new font.
  if (!parent_font_) font_.SetHeight(MulDiv(font_.GetHeight(), m, d));
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  if (!v) Invalidate();
  visible_ = v;
  if (v) Invalidate();
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Invalidate();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::wstring& v) {
  if (v == caption_) return;
  caption_ = v;
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor v) {
  parent_color_ = false;
  if (v == color_) return;
  color_ = v;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  parent_color_ = v;
  if (v) ParentColorChanged();
}

void TControl::SetParentFont(bool v) {
  parent_font_ = v;
  if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parent_font_ || !parent_) return;
  following_parent_ = true;
  font_.Assign(parent_->Font());
  following_parent_ = false;
}

void TControl::ParentColorChanged() {
  if (!parent_color_ || !parent_) return;
  if (color_ != parent_->Color()) {
    color_ = parent_->Color();
    ColorChanged();
  }
}

void TControl::FontChanged() {
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::ColorChanged() {
  Invalidate();
  Perform(CM_COLORCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* m) {
  if (popup_menu_ == m) return;
  if (popup_menu_) RemoveFreeNotification(popup_menu_);
  popup_menu_ = m;
  if (m) FreeNotification(m);
}

void TControl::Notification(TComponent* component, TOperation op) {
  TComponent::Notification(component, op);
  if (op == opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  RECT r = BoundsRect();
  InvalidateRect(parent_->HandleOrNull(), &r, TRUE);
}

void TControl::Update() {
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->HandleOrNull());
}

POINT TControl::ClientToScreen(POINT p) {
  if (parent_) {
    POINT q{p.x + left_, p.y + top_};
    return parent_->ClientToScreen(q);
  }
  return p;
}

POINT TControl::ScreenToClient(POINT p) {
  POINT o = ClientToScreen(POINT{0, 0});
  return POINT{p.x - o.x, p.y - o.y};
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      break;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      break;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_DIALOGCHAR:
    case CM_EXIT:
    case CM_ENTER:
      break;  // notifications: whoever listens in WindowProc has seen them
    default:
      if (IsMouseMessage(m.Msg)) MouseMessage(m);
      DefaultHandler(m);
      return;
  }
}

void TControl::MouseMessage(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  TShiftState shift = ShiftStateNow();
  if (m.WParam & MK_LBUTTON) shift |= ssLeft;
  if (m.WParam & MK_RBUTTON) shift |= ssRight;
  if (m.WParam & MK_MBUTTON) shift |= ssMiddle;
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (click_events_) clicked_ = true;
      if (OnMouseDown) OnMouseDown(this, mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
      if (OnMouseDown) OnMouseDown(this, mbRight, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      const bool was_clicked = clicked_;
      clicked_ = false;
      RECT r = ClientRect();
      if (was_clicked && x >= r.left && y >= r.top && x < r.right && y < r.bottom) Click();
      if (OnMouseUp) OnMouseUp(this, mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONUP:
      if (OnMouseUp) OnMouseUp(this, mbRight, shift, x, y);
      break;
    default:
      break;
  }
}

// ---- TGraphicControl ---------------------------------------------------------------------

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo info("TGraphicControl", &TControl::StaticClass());
  return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) { click_events_ = true; }

TGraphicControl::~TGraphicControl() {
  ReleaseCanvas();
  delete canvas_;
}

void TGraphicControl::ReleaseCanvas() {
  if (canvas_) canvas_->SetHandle(nullptr);
  if (canvas_dc_) ReleaseDCCounted(Parent() ? Parent()->HandleOrNull() : nullptr, canvas_dc_);
  canvas_dc_ = nullptr;
}

TCanvas* TGraphicControl::Canvas() {
  if (!Parent() || !Parent()->HandleAllocated()) return nullptr;
  if (!canvas_) canvas_ = new TCanvas();
  if (!canvas_dc_) canvas_dc_ = GetDCCounted(Parent()->HandleOrNull());
  canvas_->SetHandle(canvas_dc_);
  SetViewportOrgEx(canvas_dc_, Left(), Top(), nullptr);
  canvas_->Font().Assign(Font());
  return canvas_;
}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT && m.WParam) {
    TCanvas canvas(reinterpret_cast<HDC>(m.WParam));
    canvas.Font().Assign(Font());
    Paint(canvas);
    return;
  }
  TControl::WndProc(m);
}

// ---- TWinControl: window procedure and subclassing ---------------------------------------

LRESULT CALLBACK ControlWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* c = static_cast<TWinControl*>(GetPropW(wnd, kControlProp));
  if (!c) return DefWindowProcW(wnd, msg, w, l);
  TMessage m{msg, w, l, 0};
  try {
    c->WindowProc(m);
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) c->Detach();
  else if (c->free_after_message_) {
    c->free_after_message_ = false;  // messages sent while it goes must not free it again
    delete c;
  }
  return m.Result;
}

// Binds the first window created while creating_control is set to that control, before it
// receives any message (and before other CBT hooks of the thread hear about it).
LRESULT CALLBACK CreationHook(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_CREATEWND && creating_control && !creating_control->handle_) {
    TWinControl* c = creating_control;
    creating_control = nullptr;
    c->Attach(reinterpret_cast<HWND>(w));
  }
  return CallNextHookEx(nullptr, code, w, l);
}

void TWinControl::Attach(HWND wnd) {
  handle_ = wnd;
  SetPropW(wnd, kControlProp, this);
  default_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlWindowProc)));
}

void TWinControl::Detach() {
  // WM_NCDESTROY has been handled by the class procedure: give the window its procedure
  // back and forget it.
  if (!handle_) return;
  HWND wnd = handle_;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) == &ControlWindowProc)
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(default_proc_));
  RemovePropW(wnd, kControlProp);
  handle_ = nullptr;
  UserReleased(wnd);
  if (Application) Application->ForgetControl(this);
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  if (auto* c = static_cast<TWinControl*>(GetPropW(wnd, kControlProp))) return c;
  return static_cast<TWinControl*>(GetPropW(wnd, kInnerWindowProp));
}

void TWinControl::AttachInnerWindow(HWND inner) { SetPropW(inner, kInnerWindowProp, this); }
void TWinControl::DetachInnerWindow(HWND inner) { RemovePropW(inner, kInnerWindowProp); }

void TWinControl::EnsureWindowClass(const wchar_t* name, UINT style, HBRUSH background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(inst, name, &wc)) return;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = inst;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  RegisterClassExW(&wc);
}

// ---- TWinControl -------------------------------------------------------------------------

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info(
      "TWinControl", &TControl::StaticClass(),
      {
          props::Int<TWinControl, int>("TabOrder", &TWinControl::GetTabOrder,
                                       &TWinControl::SetTabOrder),
          props::Bool<TWinControl>("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop),
      });
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  // Leave the parent while this is still a TWinControl (its tab list holds it as one).
  if (Parent()) Parent()->RemoveControl(this);
  DestroyHandle();
  // Child controls go with their parent, whoever owns them.
  while (!controls_.empty()) delete controls_.back();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  HandleDestroying();
  DestroyWindow(handle_);  // WM_NCDESTROY detaches this and every child window
}

HWND TWinControl::Handle() {
  if (!handle_ && !creating_) {
    if (Parent()) {
      Parent()->HandleNeeded();  // makes ours as well
      if (handle_) return handle_;
    }
    CreateWnd();
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.WinClassName = L"KqWinControl";
  p.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) p.Style |= WS_VISIBLE;
  if (!Enabled()) p.Style |= WS_DISABLED;
  if (tab_stop_) p.Style |= WS_TABSTOP;
  p.X = left_;
  p.Y = top_;
  p.Width = width_;
  p.Height = height_;
  if (Parent()) {
    p.WndParent = Parent()->handle_;
    p.Menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(Parent()->next_child_id_++));
  }
}

void TWinControl::CreateWnd() {
  TCreateParams p;
  CreateParams(p);
  if ((p.Style & WS_CHILD) && !p.WndParent)
    throw EInvalidOperation("Control '" + Name + "' has no parent window");
  if (p.WinClassName == L"KqWinControl") EnsureWindowClass(L"KqWinControl", CS_DBLCLKS, nullptr);
  creating_ = true;
  HHOOK hook = SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, GetCurrentThreadId());
  TWinControl* outer = creating_control;
  creating_control = this;
  HWND wnd = CreateWindowCounted(p.ExStyle, p.WinClassName.c_str(), caption_.c_str(), p.Style, p.X,
                                 p.Y, p.Width, p.Height, p.WndParent, p.Menu,
                                 GetModuleHandleW(nullptr), nullptr);
  creating_control = outer;
  UnhookWindowsHookEx(hook);
  creating_ = false;
  if (!wnd) throw EInvalidOperation("Error creating window for '" + Name + "'");
  if (!handle_) Attach(wnd);  // no hook call happened (should not be)
  SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 0);
  UpdateBoundsFromWindow();
  HandleCreated();
  for (TWinControl* child : tab_list_)
    if (!child->handle_) child->CreateWnd();
}

void TWinControl::InsertControl(TControl* c) {
  controls_.push_back(c);
  c->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.push_back(w);
  }
  c->ParentFontChanged();
  c->ParentColorChanged();
  if (auto* w = dynamic_cast<TWinControl*>(c); w && handle_) w->CreateWnd();
  if (!c->IsWindowed()) c->Invalidate();
}

void TWinControl::RemoveControl(TControl* c) {
  if (capture_control_ == c) capture_control_ = nullptr;
  if (!c->IsWindowed()) c->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(c)) {
    tab_list_.erase(std::remove(tab_list_.begin(), tab_list_.end(), w), tab_list_.end());
    // A window cannot live without its parent's: it goes now.
    w->DestroyHandle();
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
  c->parent_ = nullptr;
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
  if (!Parent()) return;
  auto& list = Parent()->tab_list_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  v = std::clamp(v, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + v, this);
  Parent()->ArrangeZOrder();
}

void TWinControl::ArrangeZOrder() {
  // Dialog navigation (Tab) follows the Z-order: keep it equal to the tab order.
  HWND after = HWND_TOP;
  for (TWinControl* c : tab_list_) {
    if (!c->handle_) continue;
    SetWindowPos(c->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = c->handle_;
  }
}

void TWinControl::SetTabStop(bool v) {
  tab_stop_ = v;
  if (handle_) {
    LONG_PTR s = GetWindowLongPtrW(handle_, GWL_STYLE);
    SetWindowLongPtrW(handle_, GWL_STYLE, v ? (s | WS_TABSTOP) : (s & ~WS_TABSTOP));
  }
}

bool TWinControl::Focused() const {
  HWND f = GetFocus();
  return handle_ && f && (f == handle_ || FromHandle(f) == this);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_)
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::ChangeScale(int m, int d) {
  // A snapshot: scaling may not add children, but keep the walk independent of it.
  const std::vector<TControl*> children = controls_;
  for (TControl* c : children) c->ChangeScale(m, d);
  TControl::ChangeScale(m, d);
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND p = GetParent(handle_); p && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
}

RECT TWinControl::ClientRect() {
  if (!handle_) return TControl::ClientRect();
  RECT r;
  GetClientRect(handle_, &r);
  return r;
}

POINT TWinControl::ClientToScreen(POINT p) {
  if (!handle_) return TControl::ClientToScreen(p);
  ::ClientToScreen(handle_, &p);
  return p;
}

std::wstring TWinControl::Caption() const {
  if (!handle_) return caption_;
  const int n = GetWindowTextLengthW(handle_);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(handle_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return s;
}

void TWinControl::SetCaption(const std::wstring& v) {
  if (v == Caption()) return;
  caption_ = v;
  if (handle_) SetWindowTextW(handle_, v.c_str());  // WM_SETTEXT passes through WindowProc
  Perform(CM_TEXTCHANGED);
}

void TWinControl::SetVisible(bool v) {
  if (v == Visible()) return;
  TControl::SetVisible(v);
  if (handle_) ShowWindow(handle_, v ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool v) {
  if (v == Enabled()) return;
  if (handle_) EnableWindow(handle_, v);
  TControl::SetEnabled(v);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Broadcast(TMessage& m) {
  std::vector<TControl*> list = controls_;
  for (TControl* c : list) {
    c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

LONG_PTR TWinControl::Style() { return handle_ ? GetWindowLongPtrW(handle_, GWL_STYLE) : 0; }

void TWinControl::SetStyle(LONG_PTR style) {
  if (handle_) SetWindowLongPtrW(handle_, GWL_STYLE, style);
}

HBRUSH TWinControl::ColorBrush() {
  if (!brush_) brush_.reset(CreateSolidBrushCounted(ColorToRGB(Color())));
  return brush_.get();
}

void TWinControl::EraseWithColor(TMessage& m) {
  RECT r;
  GetClientRect(HandleOrNull(), &r);
  FillRect(reinterpret_cast<HDC>(m.WParam), &r, ColorBrush());
  m.Result = 1;
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* c : controls_) c->ParentFontChanged();
  TControl::FontChanged();
}

void TWinControl::ColorChanged() {
  brush_.reset();
  for (TControl* c : controls_) c->ParentColorChanged();
  TControl::ColorChanged();
}

// ---- TWinControl: messages ---------------------------------------------------------------

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      WMPaint(m);
      return;
    case WM_MOUSELEAVE:
      WMMouseLeave(m);
      return;
    case WM_CONTEXTMENU:
      WMContextMenu(m);
      return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      if (Reflect(m)) return;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      // A scroll-bar control's scrolling (lParam its window) goes to the control; the
      // window's own bars (lParam 0) stay here.
      if (m.LParam && Reflect(m)) return;
      break;
    case WM_KILLFOCUS:
      KillFocus(m);
      break;
    case WM_SETFOCUS:
      TControl::WndProc(m);
      Perform(CM_ENTER);
      return;
    case CM_DIALOGCHAR:
      Broadcast(m);  // an accelerator is looked for among the children
      return;
    case WM_CAPTURECHANGED:
      capture_control_ = nullptr;
      break;
    case WM_DESTROY:
      // Device contexts of this window held for window-less children go first.
      for (TControl* c : controls_)
        if (auto* g = dynamic_cast<TGraphicControl*>(c)) g->ReleaseCanvas();
      break;
    case WM_WINDOWPOSCHANGED:
      TControl::WndProc(m);
      UpdateBoundsFromWindow();
      return;
    default:
      if (IsMouseMessage(m.Msg)) {
        WMMouse(m);
        return;
      }
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (m.Msg >= CN_BASE && m.Msg < CN_BASE + 0x400) {
    // A reflected notification nobody took: colours from Font and Color, else nothing.
    if (m.Msg >= CN_CTLCOLORMSGBOX && m.Msg <= CN_CTLCOLORSTATIC) {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      SetTextColor(dc, ColorToRGB(Font().GetColor()));
      SetBkColor(dc, ColorToRGB(Color()));
      m.Result = reinterpret_cast<LRESULT>(ColorBrush());
    }
    return;
  }
  if (m.Msg >= CM_BASE && m.Msg < CN_BASE) return;  // the layer's own notifications
  if (!handle_) return;
  m.Result = CallWindowProcW(default_proc_ ? default_proc_ : DefWindowProcW, handle_, m.Msg,
                             m.WParam, m.LParam);
}

bool TWinControl::Reflect(TMessage& m) {
  HWND child = nullptr;
  switch (m.Msg) {
    case WM_COMMAND:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
      if (dis->CtlType == ODT_MENU) {
        m.Result = TMenuItem::DispatchDrawItem(*dis) ? 1 : 0;
        return m.Result != 0;
      }
      child = dis->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
      if (mis->CtlType == ODT_MENU) {
        m.Result = TMenuItem::DispatchMeasureItem(*mis) ? 1 : 0;
        return m.Result != 0;
      }
      if (handle_) child = GetDlgItem(handle_, static_cast<int>(mis->CtlID));
      break;
    }
    default:
      child = reinterpret_cast<HWND>(m.LParam);
      break;
  }
  if (!child || child == handle_) return false;
  TWinControl* c = FromHandle(child);
  if (!c || c == this) return false;
  m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
  return true;
}

void TWinControl::KillFocus(TMessage& m) {
  // CM_EXIT only when the focus moves to another window of the same form.
  HWND next = reinterpret_cast<HWND>(m.WParam);
  if (next && handle_ && GetAncestor(next, GA_ROOT) == GetAncestor(handle_, GA_ROOT) &&
      FromHandle(next) != this)
    Perform(CM_EXIT);
}

void TWinControl::WMMouse(TMessage& m) {
  POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const bool wheel = m.Msg == WM_MOUSEWHEEL || m.Msg == WM_MOUSEHWHEEL;
  TControl* target = capture_control_;
  if (!target && !wheel) target = ControlAtPos(p, m.Msg == WM_MOUSEMOVE);
  if (m.Msg == WM_MOUSEMOVE && Application)
    Application->NoteMouseOver(target ? target : this, handle_);
  if (!target || wheel) {
    TControl::WndProc(m);
    return;
  }
  // A window-less child under the mouse gets the message in its own coordinates; a press
  // captures the mouse for it until the button is released.
  const bool down = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN ||
                    m.Msg == WM_MBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
  const bool up = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (!target->Enabled()) {
    TControl::WndProc(m);
    return;
  }
  if (down && !capture_control_) {
    capture_control_ = target;
    SetCapture(handle_);
  }
  m.Result = target->Perform(m.Msg, m.WParam,
                             MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
  if (up && capture_control_ && !(m.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    capture_control_ = nullptr;
    ReleaseCapture();
  }
}

void TWinControl::WMMouseLeave(TMessage& m) {
  if (Application) Application->NoteMouseLeft(handle_);
  TControl::WndProc(m);
}

void TWinControl::WMContextMenu(TMessage& m) {
  POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const bool keyboard = m.LParam == -1;
  if (keyboard) {
    RECT r = ClientRect();
    screen = ClientToScreen(POINT{(r.right) / 2, (r.bottom) / 2});
  }
  TControl* target = this;
  if (!keyboard) {
    POINT client = ScreenToClient(screen);
    if (TControl* g = ControlAtPos(client, false)) target = g;
  }
  TPopupMenu* menu = target->PopupMenu();
  if (!menu && target != this) menu = PopupMenu();
  if (menu && menu->AutoPopup) {
    menu->PopupComponent = target;
    menu->Popup(screen.x, screen.y);
    m.Result = 1;
    return;
  }
  TControl::WndProc(m);  // the class procedure passes it on to the parent
}

namespace {
// BeginPaint/EndPaint as a scope: a handler that throws while painting must not leave the
// window invalid (it would be painted, and throw, forever).
class PaintScope {
 public:
  explicit PaintScope(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
  ~PaintScope() { EndPaint(wnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// A memory context with a bitmap of the given size selected, released on every path.
class MemoryCanvas {
 public:
  MemoryCanvas(HDC like, int w, int h)
      : dc_(CreateCompatibleDCCounted(like)),
        bmp_(CreateCompatibleBitmapCounted(like, std::max(w, 1), std::max(h, 1))),
        old_(SelectObject(dc_, bmp_)) {}
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObjectCounted(bmp_);
    DeleteDCCounted(dc_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bmp_;
  HGDIOBJ old_;
};
}  // namespace

void TWinControl::WMPaint(TMessage& m) {
  HDC given = reinterpret_cast<HDC>(m.WParam);
  if (!given && double_buffered_) {
    // Everything (the control's own paint, the window-less children, whatever a skinner
    // draws over them) goes into one bitmap that reaches the screen in one blit.
    PaintScope paint(handle_);
    RECT r;
    GetClientRect(handle_, &r);
    MemoryCanvas mem(paint.dc(), r.right, r.bottom);
    // A new bitmap is black: what neither the erase nor the paint covers shows the
    // control's colour instead.
    FillRect(mem.dc(), &r, ColorBrush());
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem.dc()), reinterpret_cast<LPARAM>(mem.dc()));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(mem.dc()), 0);
    BitBlt(paint.dc(), 0, 0, r.right, r.bottom, mem.dc(), 0, 0, SRCCOPY);
    return;
  }
  bool has_graphic = false;
  for (TControl* c : controls_) has_graphic = has_graphic || !c->IsWindowed();
  if (!given && !has_graphic && !custom_paint_) {
    PaintWindow(nullptr);
    return;
  }
  if (given) {
    PaintWindow(given);
    PaintControls(given);
    return;
  }
  PaintScope paint(handle_);
  PaintWindow(paint.dc());
  PaintControls(paint.dc());
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage pm{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(pm);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    const int saved = SaveDC(dc);
    POINT org;
    GetViewportOrgEx(dc, &org);
    SetViewportOrgEx(dc, org.x + r.left, org.y + r.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
  }
}

// ---- stand-ins ---------------------------------------------------------------------------

TStandInControl::TStandInControl(TComponent* owner, const std::string& className,
                                 const TClassInfo& base)
    : TWinControl(owner), info_(className, &base) {}

TStandInGraphicControl::TStandInGraphicControl(TComponent* owner, const std::string& className,
                                               const TClassInfo& base)
    : TGraphicControl(owner), info_(className, &base) {}

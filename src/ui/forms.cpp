#include "ui/forms.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/menus.h"
#include "ui/screen.h"
#include "ui/stdctrls.h"
#include "ui/text.h"

using namespace kq::ui;

namespace {
const TEnumNames kPositionNames{"poDesigned",      "poDefault",        "poDefaultPosOnly",
                                "poDefaultSizeOnly", "poScreenCenter",  "poDesktopCenter",
                                "poMainFormCenter", "poOwnerFormCenter"};
const TEnumNames kFormStyleNames{"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"};
const TEnumNames kBorderStyleNames{"bsNone",   "bsSingle",     "bsSizeable",
                                   "bsDialog", "bsToolWindow", "bsSizeToolWin"};
const TEnumNames kBorderIconNames{"biSystemMenu", "biMinimize", "biMaximize", "biHelp"};

// Disables every visible, enabled top-level window of this thread except `keep`.
std::vector<HWND> DisableTaskWindows(HWND keep) {
  struct Ctx {
    HWND keep;
    std::vector<HWND> list;
  } ctx{keep, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        if (w != c->keep && IsWindowVisible(w) && IsWindowEnabled(w)) c->list.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  for (HWND w : ctx.list) EnableWindow(w, FALSE);
  return ctx.list;
}
}  // namespace

const TClassInfo& TForm::StaticClass() {
  // The runtime's chain: TForm -> TCustomForm -> TScrollingWinControl -> TWinControl.
  static const TClassInfo scrolling("TScrollingWinControl", &TWinControl::StaticClass());
  static const TClassInfo custom("TCustomForm", &scrolling);
  static const TClassInfo info(
      "TForm", &custom,
      {
          props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText),
          props::Int<TForm, int>("ClientWidth", &TForm::GetClientWidth, &TForm::SetClientWidth),
          props::Int<TForm, int>("ClientHeight", &TForm::GetClientHeight, &TForm::SetClientHeight),
          props::Enum<TForm, TPosition>("Position", kPositionNames, &TForm::Position,
                                        &TForm::SetPosition),
          props::Enum<TForm, TFormStyle>("FormStyle", kFormStyleNames, &TForm::FormStyle,
                                         &TForm::SetFormStyle),
          props::Enum<TForm, TFormBorderStyle>("BorderStyle", kBorderStyleNames,
                                               &TForm::BorderStyle, &TForm::SetBorderStyle),
          props::Set<TForm>("BorderIcons", kBorderIconNames, &TForm::BorderIcons,
                            &TForm::SetBorderIcons),
          props::Bool<TForm>("AutoScroll", &TForm::GetAutoScroll, &TForm::SetAutoScroll),
          props::Object<TForm, TMainMenu>("Menu", &TForm::Menu, &TForm::SetMenu),
      });
  return info;
}

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  color_ = clBtnFace;
  parent_font_ = false;
  click_events_ = true;
  custom_paint_ = true;
  width_ = 320;
  height_ = 240;
  if (Application) Application->AddForm(this);
}

TForm::~TForm() {
  Destroying();
  if (Application) Application->RemoveForm(this);
  DestroyHandle();  // here, so that HandleDestroying below still runs
}

TForm* TForm::FromWindow(HWND wnd) {
  if (!wnd) return nullptr;
  return dynamic_cast<TForm*>(TWinControl::FromHandle(GetAncestor(wnd, GA_ROOT)));
}

void TForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  window_class_ = Widen(ClassName());
  EnsureWindowClass(window_class_.c_str(), CS_DBLCLKS, nullptr);
  p.WinClassName = window_class_;
  p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  p.ExStyle = 0;
  p.Menu = menu_ ? menu_->Handle() : nullptr;
  p.WndParent = Application ? Application->Handle() : nullptr;
  switch (border_style_) {
    case bsNone:
      p.Style |= WS_POPUP;
      break;
    case bsSingle:
      p.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      p.Style |= WS_CAPTION | DS_MODALFRAME | WS_POPUP;
      p.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      p.Style |= WS_CAPTION;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      p.Style |= WS_CAPTION | WS_THICKFRAME;
      p.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (border_style_ != bsNone && (border_icons_ & biSystemMenu)) {
    p.Style |= WS_SYSMENU;
    if (border_style_ == bsSingle || border_style_ == bsSizeable) {
      if (border_icons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
      if (border_icons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
    }
  }
  if (form_style_ == fsStayOnTop) p.ExStyle |= WS_EX_TOPMOST;
  if (position_ == poDefault || position_ == poDefaultPosOnly) p.X = p.Y = CW_USEDEFAULT;
}

void TForm::HandleCreated() {
  if (Application) {
    const LPARAM icon = reinterpret_cast<LPARAM>(Application->Icon().Handle());
    SendMessageW(HandleOrNull(), WM_SETICON, ICON_BIG, icon);
    SendMessageW(HandleOrNull(), WM_SETICON, ICON_SMALL, icon);
  }
  if (menu_) menu_->SetWindowHandle(HandleOrNull());
}

void TForm::HandleDestroying() {
  // The menu bar belongs to TMainMenu: take it off before the window goes with it.
  if (menu_ && HandleOrNull()) {
    ::SetMenu(HandleOrNull(), nullptr);
    menu_->SetWindowHandle(nullptr);
  }
}

void TForm::Notification(TComponent* component, TOperation op) {
  TWinControl::Notification(component, op);
  if (op != opRemove) return;
  if (component == menu_) menu_ = nullptr;
  if (component == active_control_) active_control_ = nullptr;
}

// ---- showing and closing -----------------------------------------------------------------

void TForm::SetVisible(bool v) {
  if (v == visible_) return;
  if (v) {
    HandleNeeded();
    DoShow();
    PlaceOnScreen();
    visible_ = true;
    Perform(CM_VISIBLECHANGED, 1);
    ShowWindow(HandleOrNull(), ShowCommand());
  } else {
    visible_ = false;
    Perform(CM_VISIBLECHANGED, 0);
    if (HandleOrNull()) ShowWindow(HandleOrNull(), SW_HIDE);
    DoHide();
  }
  if (Application) Application->UpdateVisible();
}

void TForm::Show() {
  // Showing activates the form; only one that is already visible needs bringing forward.
  if (visible_) BringToFront();
  else SetVisible(true);
}

void TForm::BringToFront() {
  if (HandleOrNull() && visible_)
    SetWindowPos(HandleOrNull(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void TForm::DoShow() {
  try {
    if (OnShow) OnShow(this);
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(std::current_exception());
  }
}

void TForm::DoHide() {
  try {
    if (OnHide) OnHide(this);
  } catch (...) {
    if (!Application) throw;
    Application->HandleException(std::current_exception());
  }
}

void TForm::PlaceOnScreen() {
  TForm* center_on = nullptr;
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      break;
    case poMainFormCenter:
      center_on = Application ? Application->MainForm() : nullptr;
      break;
    case poOwnerFormCenter:
      center_on = dynamic_cast<TForm*>(Owner());
      break;
    default:
      return;
  }
  if (center_on == this) center_on = nullptr;
  if (center_on) {
    const int x = center_on->Left() + (center_on->Width() - width_) / 2;
    const int y = center_on->Top() + (center_on->Height() - height_) / 2;
    SetBounds(std::max(x, 0), std::max(y, 0), width_, height_);
    return;
  }
  // "The screen" is the one the user looks at: with several monitors, the pointer's.
  const POINT at = kq::ui::CentreOnPointerMonitor(width_, height_);
  SetBounds(at.x, at.y, width_, height_);
}

bool TForm::CloseQuery() {
  bool can_close = true;
  if (OnCloseQuery) OnCloseQuery(this, can_close);
  return can_close;
}

void TForm::Close() {
  if (modal_) {
    modal_result_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  if (OnClose) OnClose(this, action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      if (HandleOrNull()) ShowWindow(HandleOrNull(), SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TForm::Release() {
  if (HandleOrNull()) PostMessageW(HandleOrNull(), CM_RELEASE, 0, 0);
}

TModalResult TForm::ShowModal() {
  if (visible_ || !enabled_ || modal_)
    throw EInvalidOperation("Cannot make a visible window modal");
  if (!Application) throw EInvalidOperation("No application object");
  ReleaseCapture();
  modal_ = true;
  HWND active_before = GetActiveWindow();
  HandleNeeded();
  std::vector<HWND> disabled = DisableTaskWindows(HandleOrNull());
  TModalResult result = mrCancel;
  try {
    Show();
    modal_result_ = mrNone;
    for (;;) {
      Application->HandleMessage();
      if (Application->Terminated()) {
        modal_result_ = mrCancel;
      } else if (modal_result_ != mrNone) {
        // Closing the modal form: it may refuse (OnCloseQuery, OnClose with caNone).
        TCloseAction action = caNone;
        if (CloseQuery()) {
          action = caHide;
          if (OnClose) OnClose(this, action);
        }
        if (action == caNone) modal_result_ = mrNone;
      }
      if (modal_result_ != mrNone) break;
    }
    result = modal_result_;
  } catch (...) {
    modal_ = false;
    Hide();
    for (HWND w : disabled) EnableWindow(w, TRUE);
    throw;
  }
  modal_ = false;
  Hide();
  for (HWND w : disabled) EnableWindow(w, TRUE);
  if (active_before && IsWindow(active_before)) SetActiveWindow(active_before);
  return result;
}

// ---- properties --------------------------------------------------------------------------

void TForm::SetFormStyle(TFormStyle v) {
  form_style_ = v;
  if (HandleOrNull())
    SetWindowPos(HandleOrNull(), v == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::SetBorderStyle(TFormBorderStyle v) {
  if (HandleOrNull() && v != border_style_)
    throw EInvalidOperation("BorderStyle cannot change once the window exists");
  border_style_ = v;
}

void TForm::SetBorderIcons(TBorderIcons v) {
  border_icons_ = v;
  if (!HandleOrNull()) return;
  LONG_PTR s = Style() & ~static_cast<LONG_PTR>(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  if (v & biSystemMenu) {
    s |= WS_SYSMENU;
    if (v & biMinimize) s |= WS_MINIMIZEBOX;
    if (v & biMaximize) s |= WS_MAXIMIZEBOX;
  }
  SetStyle(s);
  SetWindowPos(HandleOrNull(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

namespace {
SIZE FrameExtra(TForm& f, bool hasMenu, DWORD style, DWORD exStyle) {
  if (HWND h = f.HandleOrNull()) {
    RECT w, c;
    GetWindowRect(h, &w);
    GetClientRect(h, &c);
    return SIZE{(w.right - w.left) - c.right, (w.bottom - w.top) - c.bottom};
  }
  RECT r{0, 0, 100, 100};
  AdjustWindowRectEx(&r, style, hasMenu, exStyle);
  return SIZE{r.right - r.left - 100, r.bottom - r.top - 100};
}

// The frame a window of this style has at `dpi`; `known` is its frame at `knownDpi`. The
// system says so itself from Windows 10 on; before that the known frame is scaled.
SIZE FrameExtraAtDpi(bool hasMenu, DWORD style, DWORD exStyle, int dpi, SIZE known, int knownDpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = reinterpret_cast<AdjustForDpi>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
  RECT r{0, 0, 100, 100};
  if (adjust && adjust(&r, style, hasMenu, exStyle, static_cast<UINT>(dpi)))
    return SIZE{r.right - r.left - 100, r.bottom - r.top - 100};
  return SIZE{MulDiv(known.cx, dpi, knownDpi), MulDiv(known.cy, dpi, knownDpi)};
}
}  // namespace

int TForm::GetClientWidth() const {
  auto& self = const_cast<TForm&>(*this);
  TCreateParams p;
  self.CreateParams(p);
  return width_ - FrameExtra(self, menu_ != nullptr, p.Style, p.ExStyle).cx;
}

int TForm::GetClientHeight() const {
  auto& self = const_cast<TForm&>(*this);
  TCreateParams p;
  self.CreateParams(p);
  return height_ - FrameExtra(self, menu_ != nullptr, p.Style, p.ExStyle).cy;
}

void TForm::SetClientWidth(int v) {
  TCreateParams p;
  CreateParams(p);
  SetWidth(v + FrameExtra(*this, menu_ != nullptr, p.Style, p.ExStyle).cx);
}

void TForm::SetClientHeight(int v) {
  TCreateParams p;
  CreateParams(p);
  SetHeight(v + FrameExtra(*this, menu_ != nullptr, p.Style, p.ExStyle).cy);
}

void TForm::Loaded() {
  TWinControl::Loaded();
  if (scaled_ && kq::ui::ScreenDpi() != pixels_per_inch_)
    ChangeScale(kq::ui::ScreenDpi(), pixels_per_inch_);
}

void TForm::ChangeScale(int m, int d) {
  // The client area scales; the frame around it is the system's at the screen's dpi (or
  // the skin's, which scales with the skin), so the outer size follows from the client's.
  TCreateParams p;
  CreateParams(p);
  const bool hasMenu = menu_ != nullptr;
  const SIZE now = FrameExtra(*this, hasMenu, p.Style, p.ExStyle);
  const SIZE before = FrameExtraAtDpi(hasMenu, p.Style, p.ExStyle, d, now, m);
  const int clientW = width_ - before.cx, clientH = height_ - before.cy;
  TWinControl::ChangeScale(m, d);
  SetBounds(left_, top_, MulDiv(clientW, m, d) + now.cx, MulDiv(clientH, m, d) + now.cy);
  pixels_per_inch_ = MulDiv(pixels_per_inch_, m, d);
}

void TForm::SetMenu(TMainMenu* m) {
  if (m == menu_) return;
  if (menu_) {
    RemoveFreeNotification(menu_);
    menu_->SetWindowHandle(nullptr);
  }
  menu_ = m;
  if (m) FreeNotification(m);
  if (HandleOrNull()) {
    ::SetMenu(HandleOrNull(), m ? m->Handle() : nullptr);
    if (m) m->SetWindowHandle(HandleOrNull());
  }
  MenuChanged();
}

void TForm::MenuChanged() {
  if (HandleOrNull()) DrawMenuBar(HandleOrNull());
  Perform(CM_MENUCHANGED);
}

void TForm::SetActiveControl(TWinControl* c) {
  if (active_control_) RemoveFreeNotification(active_control_);
  active_control_ = c;
  if (c) {
    FreeNotification(c);
    if (Active() && c->CanFocus()) c->SetFocus();
  }
}

bool TForm::Active() const { return HandleOrNull() && GetActiveWindow() == HandleOrNull(); }

TButton* TForm::FindButton(bool isDefault) {
  std::vector<TControl*> stack(Controls().begin(), Controls().end());
  while (!stack.empty()) {
    TControl* c = stack.back();
    stack.pop_back();
    if (auto* b = dynamic_cast<TButton*>(c))
      if ((isDefault ? b->Default() : b->Cancel()) && b->CanFocus()) return b;
    if (auto* w = dynamic_cast<TWinControl*>(c))
      stack.insert(stack.end(), w->Controls().begin(), w->Controls().end());
  }
  return nullptr;
}

// ---- messages ----------------------------------------------------------------------------

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      EraseWithColor(m);
      return;
    case WM_ACTIVATE:
      WMActivate(m);
      return;
    case WM_CLOSE:
      WMClose(m);
      return;
    case WM_SYSCOMMAND:
      WMSysCommand(m);
      return;
    case WM_COMMAND:
      WMCommand(m);
      return;
    case WM_NEXTDLGCTL:
      WMNextDlgCtl(m);
      return;
    case DM_GETDEFID:
      if (TButton* b = FindButton(true); b && b->HandleAllocated())
        m.Result = MAKELRESULT(GetDlgCtrlID(b->HandleOrNull()), DC_HASDEFID);
      return;
    case CM_RELEASE:
      free_after_message_ = true;
      return;
  }
  TWinControl::WndProc(m);
}

void TForm::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(Font());
  canvas_.Brush().SetColor(Color());
  try {
    if (OnPaint) OnPaint(this);
  } catch (...) {
    canvas_.SetHandle(nullptr);
    throw;
  }
  canvas_.SetHandle(nullptr);
}

void TForm::WMActivate(TMessage& m) {
  HWND h = HandleOrNull();
  if (LOWORD(m.WParam) == WA_INACTIVE) {
    HWND f = GetFocus();
    if (f && IsChild(h, f)) last_focus_ = f;
    if (OnDeactivate) OnDeactivate(this);
    return;
  }
  if (Application) Application->SetActiveForm(this);
  if (!HIWORD(m.WParam)) {  // not minimised
    HWND target = nullptr;
    if (last_focus_ && IsWindow(last_focus_) && IsChild(h, last_focus_) &&
        IsWindowVisible(last_focus_) && IsWindowEnabled(last_focus_))
      target = last_focus_;
    else if (active_control_ && active_control_->CanFocus())
      target = active_control_->Handle();
    else
      target = GetNextDlgTabItem(h, nullptr, FALSE);
    ::SetFocus(target ? target : h);
  }
  if (OnActivate) OnActivate(this);
}

void TForm::WMClose(TMessage& m) {
  m.Result = 0;
  Close();
}

void TForm::WMSysCommand(TMessage& m) {
  // Minimising the main form minimises the application, through the application window so
  // that its hooks (the tray icon) see it.
  if ((m.WParam & 0xFFF0) == SC_MINIMIZE && Application && Application->MainForm() == this) {
    m.Result = SendMessageW(Application->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return;
  }
  TWinControl::WndProc(m);
}

void TForm::WMCommand(TMessage& m) {
  if (m.LParam == 0) {
    const UINT id = LOWORD(m.WParam);
    if (HIWORD(m.WParam) <= 1 && Application) {
      if (TMenuItem* item = Application->FindMenuItem(id)) {
        item->Click();
        return;
      }
    }
    // Enter and Escape from the dialog navigation without a button window named.
    if (id == IDOK || id == IDCANCEL) {
      if (TButton* b = FindButton(id == IDOK)) b->Click();
      return;
    }
  }
  TWinControl::WndProc(m);
}

void TForm::WMNextDlgCtl(TMessage& m) {
  HWND h = HandleOrNull();
  HWND target = LOWORD(m.LParam) ? reinterpret_cast<HWND>(m.WParam)
                                 : GetNextDlgTabItem(h, GetFocus(), m.WParam != 0);
  if (!target) return;
  ::SetFocus(target);
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(target, EM_SETSEL, 0, -1);
}

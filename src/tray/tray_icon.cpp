#include "tray/tray_icon.h"

#include "base/encoding.h"
#include "base/error.h"
#include "ui/handles.h"
#include "ui/forms.h"
#include "ui/imglist.h"
#include "ui/menus.h"
#include "ui/timer.h"

using namespace kq::tray;

static_assert(kFlagMessage == NIF_MESSAGE && kFlagIcon == NIF_ICON && kFlagTip == NIF_TIP);
static_assert(static_cast<int>(Button::Left) == mbLeft &&
              static_cast<int>(Button::Right) == mbRight &&
              static_cast<int>(Button::Middle) == mbMiddle);

namespace kq::tray {

namespace {
class SystemShellImpl : public Shell {
 public:
  bool Notify(DWORD message, NOTIFYICONDATAW& data) override {
    return Shell_NotifyIconW(message, &data) != FALSE;
  }
};
}  // namespace

Shell& SystemShell() {
  static SystemShellImpl shell;
  return shell;
}

}  // namespace kq::tray

namespace {

constexpr wchar_t kTrayWindowClass[] = L"TTrayIconWindow";
constexpr wchar_t kTrayProp[] = L"KqTrayIcon";

const TEnumNames& TrayIconMessageNames() {
  static const TEnumNames names(kTrayIconMessageNames.begin(), kTrayIconMessageNames.end());
  return names;
}

TShiftState ButtonShift(TMouseButton b) {
  switch (b) {
    case mbLeft: return ssLeft;
    case mbRight: return ssRight;
    case mbMiddle: return ssMiddle;
  }
  return 0;
}

}  // namespace

const TClassInfo& TTrayIcon::StaticClass() {
  using C = TTrayIcon;
  static const TClassInfo info(
      "TTrayIcon", &TComponent::StaticClass(),
      {
          props::Bool<C>("Visible", &C::GetVisible, &C::SetVisible),
          props::Text<C>("Hint", &C::GetHintText, &C::SetHint),
          props::Object<C, TPopupMenu>("PopupMenu", &C::PopupMenu, &C::SetPopupMenu),
          props::Bool<C>("Hide", &C::GetHide, &C::SetHide),
          props::Enum<C, TTrayIconMessage>("RestoreOn", TrayIconMessageNames(), &C::RestoreOn,
                                           &C::SetRestoreOn),
          props::Enum<C, TTrayIconMessage>("PopupMenuOn", TrayIconMessageNames(),
                                           &C::PopupMenuOn, &C::SetPopupMenuOn),
          props::Object<C, TImageList>("Icons", &C::Icons, &C::SetIcons),
          props::Int<C, int>("IconIndex", &C::GetIconIndex, &C::StoreIconIndex),
          props::Int<C, int>("AnimateInterval", &C::GetAnimateIntervalInt,
                             &C::SetAnimateIntervalInt),
          props::Bool<C>("Animate", &C::GetAnimate, &C::SetAnimate),
          props::Text<C>("Handle", &C::GetHandleText, nullptr),
      });
  return info;
}

// ---- the hidden window -------------------------------------------------------------------

LRESULT CALLBACK TrayWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* tray = static_cast<TTrayIcon*>(GetPropW(wnd, kTrayProp));
  if (!tray) return DefWindowProcW(wnd, msg, w, l);
  TMessage m{msg, w, l, 0};
  try {
    tray->TrayWndProc(m);
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(wnd, kTrayProp);
    kq::ui::UserReleased(wnd);
    tray->wnd_ = nullptr;
  }
  return m.Result;
}

void TTrayIcon::CreateTrayWindow() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(inst, kTrayWindowClass, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;  // until the icon takes it over below
    wc.hInstance = inst;
    wc.lpszClassName = kTrayWindowClass;
    RegisterClassExW(&wc);
  }
  // Top-level (not message-only), so that it hears WM_QUERYENDSESSION and WM_ENDSESSION;
  // never shown.
  wnd_ = kq::ui::CreateWindowCounted(0, kTrayWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                     nullptr, inst, nullptr);
  SetPropW(wnd_, kTrayProp, this);
  SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TrayWindowProc));
}

// Broadcast to top-level windows when the notification area is (re)created, e.g. after
// Explorer restarted.
static UINT TaskbarCreatedMessage() {
  static const UINT msg = RegisterWindowMessageW(L"TaskbarCreated");
  return msg;
}

void TTrayIcon::TrayWndProc(TMessage& m) {
  if (m.Msg == TaskbarCreatedMessage() && m.Msg != 0) {
    // A new notification area knows nothing of the icon: a program sitting hidden in the
    // tray would be out of reach without it.
    if (visible_ && Notify(NIM_ADD)) added_ = true;
    return;
  }
  switch (m.Msg) {
    case WM_QUERYENDSESSION:
      m.Result = 1;
      return;
    case WM_ENDSESSION:
      // Only a session that really ends takes the icon (one left behind by a dead process
      // stays until the mouse passes over it). When the end was cancelled (wParam FALSE) the
      // program goes on, and a program hidden in the tray needs its icon.
      if (m.WParam) {
        Notify(NIM_DELETE);
        added_ = false;
      }
      return;
    case kCallbackMessage:
      HandleCallback(static_cast<unsigned>(m.LParam));
      return;
  }
  // Nothing else is this window's business.
  m.Result = 0;
}

// ---- creation and destruction ------------------------------------------------------------

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner), animate_timer_(std::make_unique<TTimer>(nullptr)), shell_(&SystemShell()) {
  icon_index_ = 0;
  CopyApplicationIcon();
  restore_on_ = imDoubleClick;
  popup_menu_on_ = imNone;
  visible_ = false;
  hide_ = true;
  animate_timer_->SetEnabled(false);
  animate_timer_->SetInterval(1000);
  animate_timer_->OnTimer = [this](TObject*) { AnimateStep(); };

  CreateTrayWindow();
  icon_data_ = NOTIFYICONDATAW{};
  icon_data_.cbSize = sizeof(icon_data_);
  icon_data_.hWnd = wnd_;
  // Unique per instance while it lives; the shell keys icons by window and identifier.
  icon_data_.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(this));
  icon_data_.uFlags = IconFlags(false);
  icon_data_.uCallbackMessage = kCallbackMessage;

  MainWindowHook = [this](TMessage& m) {
    if (m.Msg == WM_SYSCOMMAND) {
      switch (m.WParam & 0xFFF0) {
        case SC_MINIMIZE: MinimizeToTray(); break;
        case SC_RESTORE: RestoreFromTray(); break;
      }
    }
    return false;  // the application handles it as well
  };
  RefreshIcon();
}

TTrayIcon::~TTrayIcon() {
  Destroying();
  // The hook holds this object: it must not outlive it.
  RemoveHook();
  if (added_) Notify(NIM_DELETE);
  added_ = false;
  animate_timer_.reset();
  if (wnd_) DestroyWindow(wnd_);
}

void TTrayIcon::Loaded() {
  TComponent::Loaded();
  const LoadedPlan plan = PlanLoaded(icons_ != nullptr, animate_);
  animate_ = plan.animate;
  animate_timer_->SetEnabled(plan.timerOn);
  if (plan.useImage)
    icons_->GetIcon(icon_index_, current_icon_);
  else
    CopyApplicationIcon();
  RefreshIcon();
}

void TTrayIcon::Notification(TComponent* component, TOperation op) {
  TComponent::Notification(component, op);
  if (op != opRemove) return;
  if (component == icons_) icons_ = nullptr;
  if (component == popup_menu_) popup_menu_ = nullptr;
}

// ---- properties --------------------------------------------------------------------------

bool TTrayIcon::Notify(DWORD message) { return shell_->Notify(message, icon_data_); }

void TTrayIcon::SetVisible(bool v) {
  visible_ = v;
  if (v) {
    // The shell refuses a second add of the same icon: only add what it does not hold.
    if (!added_) {
      if (!Notify(NIM_ADD)) throw kq::Error(std::string(kCannotCreateText));
      added_ = true;
    }
    SetHide(true);
    InstallHook();
  } else {
    if (added_) {
      added_ = false;
      if (!Notify(NIM_DELETE)) throw kq::Error(std::string(kCannotRemoveText));
    }
    SetHide(false);
    RemoveHook();
  }
}

void TTrayIcon::SetHint(const std::wstring& text) {
  if (!AcceptsHint(kq::WideToUtf8(hint_), kq::WideToUtf8(text))) return;
  hint_ = text;
  // Fewer than 64 code page 936 bytes are at most 63 UTF-16 units: it always fits.
  lstrcpynW(icon_data_.szTip, text.c_str(), 64);
  icon_data_.uFlags = IconFlags(!text.empty());
  RefreshIcon();
}

void TTrayIcon::SetPopupMenu(TPopupMenu* menu) {
  if (popup_menu_ == menu) return;
  if (popup_menu_) RemoveFreeNotification(popup_menu_);
  popup_menu_ = menu;
  if (menu) FreeNotification(menu);
}

void TTrayIcon::SetIcons(TImageList* list) {
  if (icons_ == list) return;
  if (icons_) RemoveFreeNotification(icons_);
  icons_ = list;
  if (list) FreeNotification(list);
}

void TTrayIcon::SetHide(bool v) {
  hide_ = v;
  HWND app = Application ? Application->Handle() : nullptr;
  if (!app) return;
  switch (HideSetterEffect(visible_, IsIconic(app) != FALSE, v)) {
    case HideEffect::HideAppWindow: ShowWindow(app, SW_HIDE); break;
    case HideEffect::RestoreAppWindow: ShowWindow(app, SW_RESTORE); break;
    case HideEffect::None: break;
  }
}

void TTrayIcon::SetAnimate(bool v) {
  if (!AnimateTakesValue(icons_ != nullptr, IsLoading())) return;
  animate_ = v;
  if (icons_) animate_timer_->SetEnabled(v);
}

unsigned TTrayIcon::AnimateInterval() const { return animate_timer_->Interval(); }

void TTrayIcon::SetAnimateInterval(unsigned ms) { animate_timer_->SetInterval(ms); }

std::wstring TTrayIcon::GetHandleText() const {
  return std::to_wstring(reinterpret_cast<UINT_PTR>(wnd_));
}

// ---- mouse actions -----------------------------------------------------------------------

void TTrayIcon::HandleCallback(unsigned mouseMessage) {
  POINT p{};
  GetCursorPos(&p);
  const CallbackPlan plan = PlanCallback(mouseMessage, static_cast<bool>(OnClick));
  for (int i = 0; i < plan.count; ++i) {
    const StepEntry& s = plan.steps[i];
    const auto button = static_cast<TMouseButton>(s.button);
    switch (s.step) {
      case Step::MouseMove: DoMouseMove(ShiftStateNow(), p.x, p.y); break;
      case Step::MouseDown:
        DoMouseDown(button, ShiftStateNow() | ButtonShift(button), p.x, p.y);
        break;
      case Step::MouseUp: DoMouseUp(button, ShiftStateNow() | ButtonShift(button), p.x, p.y); break;
      case Step::Click: DoClick(); break;
      case Step::DblClick: DoDblClick(); break;
      case Step::React: React(s.action); break;
    }
  }
}

void TTrayIcon::React(TTrayIconMessage action) {
  const Reaction r = ReactTo(action, restore_on_, popup_menu_on_);
  if (r.restore) RestoreFromTray();
  if (r.popup) PopupAtCursor();
}

void TTrayIcon::DoClick() {
  React(kClickAction);
  if (OnClick) OnClick(this);
}

void TTrayIcon::DoDblClick() { React(kDblClickAction); }

void TTrayIcon::DoMouseMove(TShiftState shift, int x, int y) {
  if (OnMuuseMove) OnMuuseMove(this, shift, x, y);
}

void TTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  React(kMouseDownAction);
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  React(kMouseUpAction);
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

// ---- icon and animation ------------------------------------------------------------------

void TTrayIcon::AnimateStep() {
  SetIconIndex(NextIconIndex(icon_index_, icons_ ? icons_->Count() : 0));
  RefreshIcon();
}

void TTrayIcon::SetIconIndex(int i) {
  icon_index_ = i;
  // An index the list does not have leaves the icon as it was.
  if (icons_) icons_->GetIcon(i, current_icon_);
  RefreshIcon();
}

void TTrayIcon::RefreshIcon() {
  icon_data_.hIcon = current_icon_.Handle();
  if (visible_) Notify(NIM_MODIFY);
}

void TTrayIcon::CopyApplicationIcon() {
  if (Application && !Application->Icon().Empty()) {
    current_icon_.Assign(Application->Icon());
  } else {
    current_icon_.SetHandle(
        kq::ui::CopyIconCounted(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  }
}

void TTrayIcon::UseApplicationIcon() {
  CopyApplicationIcon();
  RefreshIcon();
}

// ---- the application ---------------------------------------------------------------------

void TTrayIcon::MinimizeToTray() {
  if (Application) {
    Application->Minimize();
    if (hide_) ShowWindow(Application->Handle(), SW_HIDE);
  }
  if (OnMinimize) OnMinimize(this);
}

void TTrayIcon::RestoreFromTray() {
  if (Application) {
    Application->Restore();
    ShowWindow(Application->Handle(), SW_RESTORE);
    SetForegroundWindow(Application->Handle());
  }
  if (OnRestore) OnRestore(this);
}

void TTrayIcon::PopupAtCursor() {
  if (!popup_menu_) return;
  POINT p{};
  GetCursorPos(&p);
  if (Application) {
    if (TForm* f = Application->ActiveForm(); f && f->HandleAllocated())
      SetForegroundWindow(f->HandleOrNull());
  }
  popup_menu_->Popup(p.x, p.y);
}

void TTrayIcon::InstallHook() {
  if (hook_id_ || !Application) return;
  hooked_app_ = Application;
  hook_id_ = Application->HookMainWindow(MainWindowHook);
}

void TTrayIcon::RemoveHook() {
  if (!hook_id_) return;
  if (hooked_app_ == Application && hooked_app_) hooked_app_->UnhookMainWindow(hook_id_);
  hook_id_ = 0;
  hooked_app_ = nullptr;
}

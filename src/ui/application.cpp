#include "ui/application.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/handles.h"
#include "ui/menus.h"
#include "ui/text.h"

using namespace kq::ui;

TApplication* Application = nullptr;

namespace {
constexpr wchar_t kAppWindowClass[] = L"TApplication";
constexpr wchar_t kAppProp[] = L"KqApplication";
}  // namespace

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info("TApplication", &TComponent::StaticClass());
  return info;
}

LRESULT CALLBACK AppWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* app = static_cast<TApplication*>(GetPropW(wnd, kAppProp));
  if (!app) return DefWindowProcW(wnd, msg, w, l);
  TMessage m{msg, w, l, 0};
  try {
    app->WndProc(m);
  } catch (...) {
    app->HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY) {
    RemovePropW(wnd, kAppProp);
    UserReleased(wnd);
    app->handle_ = nullptr;
  }
  return m.Result;
}

TApplication::TApplication() : TComponent(nullptr) {
  if (Application) throw EInvalidOperation("There is already an application object");
  Application = this;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  HINSTANCE inst = GetModuleHandleW(nullptr);
  // The program's first icon resource, else the system's application icon.
  HICON first = nullptr;
  EnumResourceNamesW(
      inst, RT_GROUP_ICON,
      [](HMODULE mod, LPCWSTR, LPWSTR name, LONG_PTR param) -> BOOL {
        *reinterpret_cast<HICON*>(param) = LoadIconCounted(mod, name, 0, 0);
        return FALSE;
      },
      reinterpret_cast<LONG_PTR>(&first));
  if (first) icon_.SetHandle(first);
  else icon_.SetHandle(CopyIconCounted(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(inst, kAppWindowClass, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = inst;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kAppWindowClass;
    RegisterClassExW(&wc);
  }
  // Zero size in the middle of the screen: nothing to see, but a taskbar button.
  handle_ = CreateWindowCounted(0, kAppWindowClass, title_.c_str(),
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                                0, 0, nullptr, nullptr, inst, nullptr);
  SetPropW(handle_, kAppProp, this);
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AppWindowProc));
  SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Handle()));
  SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Handle()));
}

TApplication::~TApplication() {
  Destroying();
  // Forms first (they are owned components), while the application window still exists.
  while (!Components().empty()) delete Components().back();
  if (handle_) DestroyWindow(handle_);
  Application = nullptr;
}

void TApplication::SetTitle(const std::wstring& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, title.c_str());
}

void TApplication::AddForm(TForm* f) {
  forms_.push_back(f);
  if (!main_form_) main_form_ = f;
}

void TApplication::RemoveForm(TForm* f) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
  if (main_form_ == f) main_form_ = nullptr;
  if (active_form_ == f) active_form_ = nullptr;
  hidden_by_minimize_.erase(
      std::remove(hidden_by_minimize_.begin(), hidden_by_minimize_.end(), f->HandleOrNull()),
      hidden_by_minimize_.end());
  UpdateVisible();
}

// ---- message loop ------------------------------------------------------------------------

void TApplication::Run() {
  if (main_form_ && ShowMainForm) main_form_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage() && !terminated_) WaitMessage();
}

void TApplication::Terminate() { PostQuitMessage(0); }

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!IsPreProcessed(msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

bool TApplication::IsPreProcessed(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TForm* form = TForm::FromWindow(msg.hwnd);
  if (!form) return false;
  try {
    // Menu short cuts of the form's menus.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
      const TShortCut sc = ShortCutFromKey(static_cast<WORD>(msg.wParam), ShiftStateNow());
      if (form->Menu() && form->Menu()->DispatchShortCut(sc)) return true;
      if (form->PopupMenu() && form->PopupMenu()->DispatchShortCut(sc)) return true;
    }
    // An Alt+character is offered to the form (and through it to its controls and to a
    // skinner's menu bar) before the system's menu loop sees it.
    if (msg.message == WM_SYSCHAR && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0)
      return true;
  } catch (...) {
    HandleException(std::current_exception());
    return true;
  }
  // Tab, arrows, Enter and Escape between the form's controls.
  return IsDialogMessageW(form->HandleOrNull(), &msg) != 0;
}

// ---- the application window --------------------------------------------------------------

int TApplication::HookMainWindow(THook hook) {
  hooks_.emplace_back(next_hook_, std::move(hook));
  return next_hook_++;
}

void TApplication::UnhookMainWindow(int id) {
  hooks_.erase(std::remove_if(hooks_.begin(), hooks_.end(), [id](auto& h) { return h.first == id; }),
               hooks_.end());
}

void TApplication::WndProc(TMessage& m) {
  // A hook may unhook itself (or others) while it runs: walk a copy.
  auto hooks = hooks_;
  for (auto& [id, hook] : hooks) {
    if (std::none_of(hooks_.begin(), hooks_.end(), [id = id](auto& h) { return h.first == id; }))
      continue;
    if (hook(m)) return;
  }
  switch (m.Msg) {
    case WM_SYSCOMMAND:
      switch (m.WParam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return;
        case SC_RESTORE:
          Restore();
          return;
        case SC_CLOSE:
          if (main_form_) main_form_->Close();
          return;
      }
      break;
    case WM_CLOSE:
      if (main_form_) main_form_->Close();
      return;
    case WM_SETFOCUS:
      // Activation of the application window goes on to the form the user worked in.
      if (active_form_ && active_form_->HandleAllocated() && IsWindowVisible(active_form_->HandleOrNull()) &&
          IsWindowEnabled(active_form_->HandleOrNull())) {
        SetFocus(active_form_->HandleOrNull());
        return;
      }
      break;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) == 0) {
        if (TMenuItem* item = FindMenuItem(LOWORD(m.WParam))) {
          item->Click();
          return;
        }
      }
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU) {
        m.Result = TMenuItem::DispatchDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
        return;
      }
      break;
    case WM_MEASUREITEM:
      if (reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->CtlType == ODT_MENU) {
        m.Result = TMenuItem::DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam));
        return;
      }
      break;
    case WM_ENDSESSION:
      if (m.WParam) Terminate();
      return;
  }
  m.Result = DefWindowProcW(handle_, m.Msg, m.WParam, m.LParam);
}

void TApplication::UpdateVisible() {
  // The taskbar button is there while any form is visible.
  if (!handle_ || IsIconic(handle_)) return;
  bool any = false;
  for (TForm* f : forms_) any = any || f->Visible();
  const UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0, flags | (any ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TApplication::Minimize() {
  if (IsIconic(handle_)) return;
  hidden_by_minimize_.clear();
  for (TForm* f : forms_)
    if (f->HandleAllocated() && IsWindowVisible(f->HandleOrNull())) {
      hidden_by_minimize_.push_back(f->HandleOrNull());
      ShowWindow(f->HandleOrNull(), SW_HIDE);
    }
  ShowWindow(handle_, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
  std::vector<HWND> hidden;
  hidden.swap(hidden_by_minimize_);
  for (HWND w : hidden)
    if (IsWindow(w)) ShowWindow(w, SW_SHOWNA);
  if (active_form_ && active_form_->HandleAllocated() && IsWindowVisible(active_form_->HandleOrNull()))
    SetActiveWindow(active_form_->HandleOrNull());
  else if (main_form_ && main_form_->HandleAllocated() && IsWindowVisible(main_form_->HandleOrNull()))
    SetActiveWindow(main_form_->HandleOrNull());
  if (OnRestore) OnRestore(this);
}

// ---- errors ------------------------------------------------------------------------------

void TApplication::HandleException(std::exception_ptr e) {
  if (OnException) {
    OnException(e);
    return;
  }
  std::wstring text;
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& ex) {
    text = Widen(ex.what());
  } catch (...) {
    text = L"Unknown exception";
  }
  ShowException(text);
}

void TApplication::ShowException(const std::wstring& message) {
  // As the runtime's box does: a message that does not end in punctuation gets a full stop.
  std::wstring text = message;
  if (!text.empty() && text.back() > L'.') text += L'.';
  HWND owner = GetActiveWindow();
  if (!owner) owner = handle_;
  MessageBoxW(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

// ---- mouse tracking ----------------------------------------------------------------------

void TApplication::NoteMouseOver(TControl* c, HWND wnd) {
  TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, wnd, 0};
  TrackMouseEvent(&t);
  if (c == mouse_control_) return;
  TControl* old = mouse_control_;
  mouse_control_ = c;
  if (old) old->Perform(CM_MOUSELEAVE);
  if (c && c == mouse_control_) c->Perform(CM_MOUSEENTER);
}

void TApplication::NoteMouseLeft(HWND wnd) {
  if (!mouse_control_) return;
  // Only the window the current control lives in may end it, and only when the mouse is not
  // over another window of the same control (a combo box and its edit).
  TWinControl* owner = TWinControl::FromHandle(wnd);
  TControl* cur = mouse_control_;
  const bool belongs = cur == owner || (!cur->IsWindowed() && cur->Parent() == owner);
  if (!belongs) return;
  POINT p;
  GetCursorPos(&p);
  if (HWND under = WindowFromPoint(p); under && TWinControl::FromHandle(under) == owner) {
    TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, under, 0};
    TrackMouseEvent(&t);
    return;
  }
  mouse_control_ = nullptr;
  cur->Perform(CM_MOUSELEAVE);
}

void TApplication::ForgetControl(TControl* c) {
  if (mouse_control_ == c) mouse_control_ = nullptr;
}

// ---- menu commands -----------------------------------------------------------------------

UINT TApplication::AllocMenuCommand(TMenuItem* item) {
  // Below the system commands (0xF000) and above dialog button ids.
  for (int tries = 0; tries < 0xE000; ++tries) {
    UINT cmd = next_command_++;
    if (next_command_ >= 0xF000) next_command_ = 0x1000;
    if (!menu_commands_.count(cmd)) {
      menu_commands_[cmd] = item;
      return cmd;
    }
  }
  return 0;
}

void TApplication::FreeMenuCommand(UINT cmd) { menu_commands_.erase(cmd); }

TMenuItem* TApplication::FindMenuItem(UINT cmd) const {
  auto it = menu_commands_.find(cmd);
  return it == menu_commands_.end() ? nullptr : it->second;
}

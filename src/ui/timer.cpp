#include "ui/timer.h"

#include "ui/application.h"
#include "ui/handles.h"

using namespace kq::ui;

namespace {
constexpr wchar_t kTimerWindowClass[] = L"KqTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

LRESULT CALLBACK TimerWindowProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (timer && msg == WM_TIMER && w == kTimerId) {
    try {
      if (timer->OnTimer) timer->OnTimer(timer);
    } catch (...) {
      if (Application) Application->HandleException(std::current_exception());
    }
    return 0;
  }
  if (msg == WM_NCDESTROY) UserReleased(wnd);
  return DefWindowProcW(wnd, msg, w, l);
}

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info(
      "TTimer", &TComponent::StaticClass(),
      {props::Bool<TTimer>("Enabled", &TTimer::Enabled, &TTimer::SetEnabled),
       props::Int<TTimer, int>("Interval", &TTimer::GetInterval, &TTimer::SetIntervalInt)});
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(inst, kTimerWindowClass, &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &TimerWindowProc;
    wc.hInstance = inst;
    wc.lpszClassName = kTimerWindowClass;
    RegisterClassExW(&wc);
  }
  // A message-only window: no taskbar, never enumerated, never disabled by modal showing.
  wnd_ = CreateWindowCounted(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, inst,
                             nullptr);
  SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  Update();
}

TTimer::~TTimer() {
  Destroying();
  if (running_) KillTimer(wnd_, kTimerId);
  SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
  DestroyWindow(wnd_);
}

void TTimer::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  Update();
}

void TTimer::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  interval_ = ms;
  Update();
}

void TTimer::Update() {
  if (running_) KillTimer(wnd_, kTimerId);
  running_ = enabled_ && interval_ > 0 && wnd_ && SetTimer(wnd_, kTimerId, interval_, nullptr) != 0;
}

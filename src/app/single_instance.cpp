#include "app/single_instance.h"

#include "app/core/texts.h"
#include "ui/text.h"

namespace {

// Local\: one per user session, as the settings and the log are one per user.
constexpr wchar_t kMutexName[] = L"Local\\Zelvo定时自动关机器.Instance";
// The application window's class and caption (its title) identify the candidates; only our
// program answers the message.
constexpr wchar_t kAppWindowClass[] = L"TApplication";

}  // namespace

TSingleInstance::TSingleInstance() {
  mutex_ = CreateMutexW(nullptr, FALSE, kMutexName);
  first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

TSingleInstance::~TSingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

UINT TSingleInstance::BringForwardMessage() {
  static const UINT msg = RegisterWindowMessageW(L"Zelvo定时自动关机器.BringForward");
  return msg;
}

bool TSingleInstance::BringFirstForward(int timeout_ms) const {
  const std::wstring title = kq::ui::Widen(kq::texts::kAppTitle);
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeout_ms);
  for (;;) {
    for (HWND w = FindWindowExW(nullptr, nullptr, kAppWindowClass, title.c_str()); w;
         w = FindWindowExW(nullptr, w, kAppWindowClass, title.c_str())) {
      DWORD pid = 0;
      GetWindowThreadProcessId(w, &pid);
      if (pid == GetCurrentProcessId()) continue;
      // This start came from the user, so it may hand the foreground on.
      AllowSetForegroundWindow(pid);
      DWORD_PTR answer = 0;
      if (SendMessageTimeoutW(w, BringForwardMessage(), 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) &&
          answer == static_cast<DWORD_PTR>(kBroughtForward))
        return true;
    }
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    Sleep(100);
  }
}

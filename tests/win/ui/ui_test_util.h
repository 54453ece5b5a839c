// Helpers of the form-layer tests: pumping the real message loop with a deadline, real
// mouse input through SendInput, finding windows from a helper thread.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "ui/application.h"
#include "ui/controls.h"

namespace uitest {

// Handles messages until pred() holds or the time is up; returns pred().
inline bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!pred()) {
    if (std::chrono::steady_clock::now() > end) return pred();
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

inline void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

// Real mouse input: the cursor moves to a screen point.
inline void MoveMouse(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(in));
}

inline void MouseButton(bool down, bool right = false) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                        : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
  SendInput(1, &in, sizeof(in));
}

inline void ClickAt(int x, int y, bool right = false) {
  MoveMouse(x, y);
  Sleep(30);
  MouseButton(true, right);
  Sleep(30);
  MouseButton(false, right);
}

inline POINT CenterOf(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// From another thread: waits for a visible top-level window of a class (and caption).
inline HWND WaitForWindow(const wchar_t* cls, const wchar_t* caption, int timeoutMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (std::chrono::steady_clock::now() < end) {
    HWND w = FindWindowW(cls, caption);
    if (w && IsWindowVisible(w)) return w;
    Sleep(20);
  }
  return nullptr;
}

inline std::wstring WindowText(HWND w) {
  wchar_t buf[1024] = {};
  GetWindowTextW(w, buf, 1024);
  return buf;
}

// A TApplication per test, titled "测试程序".
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = new TApplication();
    app->SetTitle(L"测试程序");
  }
  void TearDown() override { delete app; }
  TApplication* app = nullptr;
};

// Records the messages that pass through a control's WindowProc until destroyed, putting
// the previous WindowProc back.
class MessageRecorder {
 public:
  explicit MessageRecorder(TControl* c) : control_(c), saved_(c->WindowProc) {
    c->WindowProc = [this](TMessage& m) {
      messages.push_back(m.Msg);
      saved_(m);
    };
  }
  ~MessageRecorder() { control_->WindowProc = saved_; }
  int Count(UINT msg) const {
    int n = 0;
    for (UINT m : messages) n += m == msg;
    return n;
  }
  std::vector<UINT> messages;

 private:
  TControl* control_;
  TWndMethod saved_;
};

}  // namespace uitest

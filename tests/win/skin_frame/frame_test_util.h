// Helpers of the frame tests: the application and the default skin for the whole run, a
// skinned top-level window of a given style, reading a window back from its DC, and real
// mouse input.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/skin_messages.h"

namespace framestest {

// Handles messages until pred() holds or the time is up; returns pred().
inline bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!pred()) {
    if (std::chrono::steady_clock::now() > end) return pred();
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}
inline void PumpFor(int ms) { PumpUntil([] { return false; }, ms); }

// The application object and the default skin, made once for the whole run.
class Environment {
 public:
  static Environment& Get() {
    static Environment e;
    return e;
  }
  TSkinData& skin() { return *skin_; }

 private:
  Environment() {
    app_ = std::make_unique<TApplication>();
    skin_ = new TSkinData(nullptr);
    std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::uint8_t> stream(4);
    const auto n = static_cast<std::uint32_t>(file.size());
    for (int i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(n >> (8 * i));
    stream.insert(stream.end(), file.begin(), file.end());
    skin_->ReadSkinStream(stream);
    TSkinManage& m = EnsureSkinManager();
    m.AddSkinData(skin_);
    m.SkinningEnabled = true;
  }
  std::unique_ptr<TApplication> app_;
  TSkinData* skin_ = nullptr;  // lives as long as the program
};

inline LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(w, m, wp, lp);
}

// What a window of the asking class answers and receives: it shows caption button
// `shownButton` when asked (SKM_QUERYBUTTONVISIBLE) and counts SKM_CUSTOMBUTTON by Action.
struct ButtonOwner {
  static inline int shownButton = -1;
  static inline int asked = 0;
  static inline std::vector<WPARAM> custom;
};
inline LRESULT CALLBACK AskingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == SKM_QUERYBUTTONVISIBLE) {
    ++ButtonOwner::asked;
    return static_cast<int>(wp) == ButtonOwner::shownButton ? 1 : 0;
  }
  if (m == SKM_CUSTOMBUTTON) ButtonOwner::custom.push_back(wp);
  return DefWindowProcW(w, m, wp, lp);
}

inline const wchar_t* AskingWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = AskingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KqFrameAskingWindow";
    RegisterClassW(&wc);
    return L"KqFrameAskingWindow";
  }();
  return name;
}

inline const wchar_t* WindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KqFrameTestWindow";
    RegisterClassW(&wc);
    return L"KqFrameTestWindow";
  }();
  return name;
}

// A top-level window of our own class with a form skinner attached through the skin manager,
// ready (controls discovered, fitted, region built) when constructed.
class SkinnedWindow {
 public:
  SkinnedWindow(DWORD style, int clientW, int clientH, const wchar_t* caption, int x = 100,
                int y = 100, DWORD exStyle = 0, const wchar_t* windowClass = nullptr) {
    Environment::Get();
    hwnd_ = CreateWindowExW(exStyle, windowClass ? windowClass : WindowClass(), caption, style, x, y, clientW, clientH, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    SkinManager()->AttachFormSkinner(hwnd_);
    PumpUntil([&] {
      TWinSkinForm* f = SkinManager()->FindFormSkinner(hwnd_);
      return f && f->Phase == kq::skin::SkinPhase::Ready;
    });
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(50);
  }
  ~SkinnedWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    PumpFor(10);
  }
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  TWinSkinForm& skinner() const { return *SkinManager()->FindFormSkinner(hwnd_); }
  bool skinned() const { return SkinManager()->FindFormSkinner(hwnd_) != nullptr; }
  // Shows the frame in the active or inactive look (as the system does on activation).
  void SetActiveLook(bool active) {
    SendMessageW(hwnd_, WM_NCACTIVATE, active ? TRUE : FALSE, 0);
    PumpFor(20);
  }
  RECT rect() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r;
  }
  // A frame point on the screen.
  POINT ScreenPoint(int x, int y) const {
    const RECT r = rect();
    return POINT{r.left + x, r.top + y};
  }

 private:
  HWND hwnd_ = nullptr;
};

// What the window shows: its whole rectangle read back from the window DC.
inline kq::Bitmap Capture(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bmp);
  HDC dc = GetWindowDC(wnd);
  BitBlt(mem, 0, 0, w, h, dc, 0, 0, SRCCOPY);
  ReleaseDC(wnd, dc);
  GdiFlush();
  kq::Bitmap out = kq::Bitmap::View(static_cast<std::uint8_t*>(bits), w, h, (w * 3 + 3) & ~3);
  kq::Bitmap copy = out;  // owned
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bmp);
  return copy;
}

// Real mouse input.
inline void MoveMouse(POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(in));
}
inline void MouseButton(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof(in));
}

}  // namespace framestest

// Helpers of the skinned-menu tests: a user on a helper thread (real mouse and keyboard through
// SendInput or the X server, waiting for menu windows, reading the screen) while the test's own thread runs the
// program's message loop and its menu loops; a watchdog that closes any menu left open, so a
// stuck menu can never hang the suite.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "ui/application.h"
#include "win/tray/tray_test_util.h"
#include "win/ui/ui_test_util.h"

#ifndef MN_GETHMENU
#define MN_GETHMENU 0x01E1
#endif

namespace menutest {

using traytest::SaveScreenshot;

// The default skin as the stored property holds it: the length, then the skin file.
inline std::vector<std::uint8_t> DefaultSkinStream() {
  std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
  std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
  std::vector<std::uint8_t> stream(4 + file.size());
  const auto n = static_cast<std::uint32_t>(file.size());
  for (int i = 0; i < 4; ++i) stream[static_cast<size_t>(i)] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(file.begin(), file.end(), stream.begin() + 4);
  return stream;
}

// Waits (on the helper thread) until pred holds.
inline bool WaitFor(const std::function<bool()>& pred, int timeoutMs = 4000) {
  for (int waited = 0; !pred(); waited += 20) {
    if (waited > timeoutMs) return false;
    Sleep(20);
  }
  return true;
}

// The shown menu windows, topmost (the newest) first.
inline std::vector<HWND> VisibleMenus() {
  std::vector<HWND> out;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&out));
  return out;
}
inline HMENU MenuOf(HWND menuWindow) {
  DWORD_PTR r = 0;
  SendMessageTimeoutW(menuWindow, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 1000, &r);
  return reinterpret_cast<HMENU>(r);
}
// Whether a shown menu window shows `menu`.
inline bool MenuShown(HMENU menu) {
  for (HWND w : VisibleMenus())
    if (MenuOf(w) == menu) return true;
  return false;
}
inline HWND WindowOfMenu(HMENU menu) {
  for (HWND w : VisibleMenus())
    if (MenuOf(w) == menu) return w;
  return nullptr;
}

inline void Key(WORD vk, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof(in));
}
inline void Press(WORD vk) {
  Key(vk, true);
  Sleep(20);
  Key(vk, false);
  Sleep(60);
}

// ---- the pointer of the X server ----
//
// Wine puts its pointer back where the X server has it whenever a window appears, so a
// pointer moved with SendInput jumps back as soon as a menu opens. These move and click the X
// server's own pointer with xdotool (a Linux program, which Wine starts like any other). Wine
// gives no process handle to wait on for it, so the shell leaves a marker file when xdotool
// has finished, and the caller waits for that.
inline bool XDoTool(const std::string& args, int timeoutMs = 5000) {
  static int serial = 0;
  char marker[96];
  std::snprintf(marker, sizeof marker, "/tmp/kq-xdotool-%lu-%d", GetCurrentProcessId(), ++serial);
  std::wstring windowsMarker = L"Z:";
  for (const char* c = marker; *c; ++c) windowsMarker += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  DeleteFileW(windowsMarker.c_str());
  const std::string line = "/bin/sh -c \"/usr/bin/xdotool " + args + " && : > " + marker + "\"";
  std::wstring cmd(line.begin(), line.end());
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(L"/bin/sh", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    ADD_FAILURE() << "cannot start /bin/sh for xdotool (error " << GetLastError() << ")";
    return false;
  }
  if (pi.hThread) CloseHandle(pi.hThread);
  if (pi.hProcess) CloseHandle(pi.hProcess);
  for (int waited = 0; GetFileAttributesW(windowsMarker.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 5) {
    if (waited > timeoutMs) {
      ADD_FAILURE() << "xdotool " << args << " did not finish (is xdotool installed?)";
      return false;
    }
    Sleep(5);
  }
  DeleteFileW(windowsMarker.c_str());
  return true;
}
inline bool CursorAt(int x, int y) {
  POINT p{};
  GetCursorPos(&p);
  return p.x == x && p.y == y;
}
// Moves the pointer and waits until Wine sees it there.
inline bool XMoveTo(int x, int y) {
  return XDoTool("mousemove " + std::to_string(x) + " " + std::to_string(y)) &&
         WaitFor([&] { return CursorAt(x, y); }, 2000);
}
inline bool XMoveTo(POINT p) { return XMoveTo(p.x, p.y); }
// A click there (button 1 left, 3 right).
inline bool XClickAt(POINT p, int button = 1) {
  return XMoveTo(p) && XDoTool("click " + std::to_string(button));
}

inline COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}
inline int Luma(COLORREF c) { return GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114; }
// The darkest pixel of a screen rectangle.
inline COLORREF Darkest(const RECT& r) {
  HDC screen = GetDC(nullptr);
  COLORREF best = RGB(255, 255, 255);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      if (Luma(c) < Luma(best)) best = c;
    }
  ReleaseDC(nullptr, screen);
  return best;
}
inline bool Near(COLORREF a, COLORREF b, int tolerance = 24) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
inline RECT ItemRect(HMENU menu, int position) {
  RECT r{};
  GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &r);
  return r;
}
inline POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The time after which the watchdog closes every menu of the test's thread.
inline std::chrono::steady_clock::time_point g_deadline;
inline std::atomic<bool> g_user_done{false};

// Runs `user` on a helper thread while this thread handles messages (and the menu loops the
// user opens) until it is done. A watchdog timer, which runs inside menu loops too, closes
// menus once the time is up, so a stuck menu cannot hang the suite.
inline void RunUser(const std::function<void()>& user, int timeoutMs = 45000) {
  std::atomic<bool>& done = g_user_done;
  done = false;
  g_deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  const UINT_PTR watchdog = SetTimer(nullptr, 0, 250, [](HWND, UINT, UINT_PTR, DWORD) {
    // The user left (or ran out of time) with a menu still open.
    if (g_user_done || std::chrono::steady_clock::now() > g_deadline) EndMenu();
  });
  std::thread t([&] {
    user();
    done = true;
  });
  while (!done) {
    if (std::chrono::steady_clock::now() > g_deadline) EndMenu();
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  t.join();
  KillTimer(nullptr, watchdog);
  // Nothing stays open for the next test.
  for (int i = 0; i < 50 && !VisibleMenus().empty(); ++i) {
    EndMenu();
    uitest::PumpFor(20);
  }
  uitest::PumpFor(50);
}

// Reads `v` from the test's thread while it is busy in a menu loop (plain values only).
template <class T>
T Peek(const T& v) {
  std::atomic_thread_fence(std::memory_order_seq_cst);
  return v;
}

}  // namespace menutest

// Drives the real kqshutdown.exe from outside, as a user would: a private copy in a fresh
// folder, windows found by class and caption, real mouse and keyboard input (SendInput),
// and the INI files read back from beside the program.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "base/encoding.h"

namespace e2e {

inline std::wstring ModuleFolder() {
  wchar_t path[32768] = {};
  GetModuleFileNameW(nullptr, path, 32768);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

inline bool WaitFor(const std::function<bool()>& pred, int timeout_ms = 10000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!pred()) {
    if (std::chrono::steady_clock::now() > end) return pred();
    Sleep(25);
  }
  return true;
}

// Waits until the skin has taken the window and its frame has stopped moving: the skin
// grows the frame after the window first shows, and a click aimed before that may miss.
inline bool WaitSettled(HWND w, int timeout_ms = 10000) {
  constexpr UINT kQuerySkinned = 0x3504;
  RECT last{};
  int still = 0;
  return WaitFor(
      [&] {
        DWORD_PTR skinned = 0;
        SendMessageTimeoutW(w, kQuerySkinned, 0, 0, SMTO_ABORTIFHUNG, 2000, &skinned);
        RECT r{};
        GetWindowRect(w, &r);
        still = (skinned == 1 && EqualRect(&r, &last)) ? still + 1 : 0;
        last = r;
        return still >= 4;
      },
      timeout_ms);
}

// WM_GETTEXT, not GetWindowTextW: across processes the latter does not ask a control (an
// edit keeps its own text).
inline std::wstring Text(HWND w) {
  wchar_t buf[1024] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000,
                      &got);
  return buf;
}

inline std::wstring ClassOf(HWND w) {
  wchar_t buf[256] = {};
  GetClassNameW(w, buf, 256);
  return buf;
}

// The first descendant window of `parent` with this class and text.
inline HWND FindChild(HWND parent, const std::wstring& cls, const std::wstring& text) {
  struct Ctx {
    std::wstring cls, text;
    HWND found = nullptr;
  } ctx{cls, text};
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        if (lstrcmpiW(ClassOf(w).c_str(), c->cls.c_str()) == 0 && Text(w) == c->text) {
          c->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

// The edits of `parent` whose middle lies within the height of `anchor`, left to right.
inline std::vector<HWND> EditsOnRowOf(HWND parent, HWND anchor) {
  struct Ctx {
    RECT row;
    std::vector<HWND> found;
  } ctx{};
  GetWindowRect(anchor, &ctx.row);
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        RECT r;
        GetWindowRect(w, &r);
        const int middle = (r.top + r.bottom) / 2;
        if (lstrcmpiW(ClassOf(w).c_str(), L"Edit") == 0 && IsWindowVisible(w) && middle >= c->row.top &&
            middle < c->row.bottom)
          c->found.push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  std::sort(ctx.found.begin(), ctx.found.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.left < rb.left;
  });
  return ctx.found;
}

// A visible top-level window of the process with this class (and caption, when given).
inline HWND FindTopLevel(DWORD pid, const std::wstring& cls, const std::wstring& caption = {}) {
  struct Ctx {
    DWORD pid;
    std::wstring cls, caption;
    HWND found = nullptr;
  } ctx{pid, cls, caption};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == c->pid && IsWindowVisible(w) && ClassOf(w) == c->cls &&
            (c->caption.empty() || Text(w) == c->caption)) {
          c->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

inline void MoveMouse(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

inline void Click(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Sleep(50);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &in[0], sizeof(INPUT));
  Sleep(50);
  SendInput(1, &in[1], sizeof(INPUT));
  Sleep(100);
}

inline void Button(DWORD down, DWORD up) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = down;
  in[1].mi.dwFlags = up;
  SendInput(1, &in[0], sizeof(INPUT));
  Sleep(50);
  SendInput(1, &in[1], sizeof(INPUT));
  Sleep(50);
}

// A right click at a point of the window's client area.
inline void RightClickAt(HWND w, POINT client) {
  ClientToScreen(w, &client);
  MoveMouse(client.x, client.y);
  Sleep(50);
  Button(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

inline void DoubleClick(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Sleep(50);
  for (int i = 0; i < 2; ++i) Button(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

// A shown popup menu ("#32768") of any process.
inline HWND VisibleMenu() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        if (ClassOf(w) == L"#32768" && IsWindowVisible(w)) {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The icons in Wine's notification area (one child window each) when there is no desktop
// tray: the "Wine System Tray" window.
inline std::vector<HWND> TrayIcons() {
  std::vector<HWND> out;
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  for (HWND c = tray ? GetWindow(tray, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) out.push_back(c);
  return out;
}

inline void Key(WORD vk) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  Sleep(30);
}

inline void Type(const std::wstring& text) {
  for (wchar_t ch : text) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wScan = in[1].ki.wScan = ch;
    in[0].ki.dwFlags = KEYEVENTF_UNICODE;
    in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    Sleep(30);
  }
}

// Clicks into an edit and replaces its text by typing.
inline void TypeInto(HWND edit, const std::wstring& text) {
  Click(edit);
  Key(VK_END);
  for (int i = 0; i < 8; ++i) Key(VK_BACK);
  Type(text);
}

inline std::string ReadFileUtf8(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
  CloseHandle(f);
  return kq::Cp936ToUtf8(bytes);
}

// A private copy of the program in a fresh folder, started from another folder; ended (if
// still running) and removed afterwards.
class Program {
 public:
  Program() {
    wchar_t tmp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tmp);
    root_ = std::wstring(tmp) + L"kq_e2e_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
            std::to_wstring(GetTickCount()) + L"\\";
    folder_ = root_ + L"程序\\";
    elsewhere_ = root_ + L"elsewhere\\";
    CreateDirectoryW(root_.c_str(), nullptr);
    CreateDirectoryW(folder_.c_str(), nullptr);
    CreateDirectoryW(elsewhere_.c_str(), nullptr);
    CopyFileW((ModuleFolder() + L"kqshutdown.exe").c_str(), (folder_ + L"kqshutdown.exe").c_str(),
              FALSE);
  }
  ~Program() {
    if (process_) {
      if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
      WaitForSingleObject(process_, 5000);
      CloseHandle(process_);
    }
    for (const std::wstring& f : {folder_ + L"zelvolog.txt", folder_ + L"zelvosoft.ini",
                                  folder_ + L"kqshutdown.exe"})
      DeleteFileW(f.c_str());
    RemoveDirectoryW(folder_.c_str());
    RemoveDirectoryW(elsewhere_.c_str());
    RemoveDirectoryW(root_.c_str());
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  const std::wstring& Folder() const { return folder_; }
  const std::wstring& Elsewhere() const { return elsewhere_; }

  bool Start() {
    process_ = Launch(&pid_);
    return process_ != nullptr;
  }
  // The same program file started once more (a second start by the user); its process, to
  // be closed by the caller.
  HANDLE StartAgain() const { return Launch(nullptr); }
  DWORD Pid() const { return pid_; }
  HANDLE Process() const { return process_; }
  bool Ended(int timeout_ms) const {
    return WaitForSingleObject(process_, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0;
  }

  HWND WaitForWindow(const std::wstring& cls, const std::wstring& caption = {},
                     int timeout_ms = 15000) const {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindTopLevel(pid_, cls, caption)) != nullptr; }, timeout_ms);
    return found;
  }

  std::string Log() const { return ReadFileUtf8(folder_ + L"zelvolog.txt"); }
  std::string Settings() const { return ReadFileUtf8(folder_ + L"zelvosoft.ini"); }
  bool LogHas(const std::string& text, int timeout_ms = 10000) const {
    return WaitFor([&] { return Log().find(text) != std::string::npos; }, timeout_ms);
  }

 private:
  HANDLE Launch(DWORD* pid) const {
    std::wstring cmd = L"\"" + folder_ + L"kqshutdown.exe\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        elsewhere_.c_str(), &si, &pi))
      return nullptr;
    CloseHandle(pi.hThread);
    if (pid) *pid = pi.dwProcessId;
    return pi.hProcess;
  }

  std::wstring root_, folder_, elsewhere_;
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

}  // namespace e2e

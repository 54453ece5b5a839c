// Helpers of the tray tests: a shell that counts the icon's calls and passes them on to the
// real Shell_NotifyIconW (Wine's tray), the tray window Wine shows, pumping, real mouse input.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tray/tray_icon.h"
#include "ui/application.h"

namespace traytest {

struct ShellCall {
  DWORD message;
  UINT flags;
  std::wstring tip;
  HICON icon;
  bool accepted;
};

// Records every call and makes it for real, unless told to refuse adds or deletes (the
// shell's answer to a refused call is false; the real tray is then left as it was).
class CountingShell : public kq::tray::Shell {
 public:
  bool refuse_add = false;
  bool refuse_delete = false;
  std::vector<ShellCall> calls;

  bool Notify(DWORD message, NOTIFYICONDATAW& data) override {
    bool ok = false;
    if (!(message == NIM_ADD && refuse_add) && !(message == NIM_DELETE && refuse_delete))
      ok = kq::tray::SystemShell().Notify(message, data);
    calls.push_back({message, data.uFlags, data.szTip, data.hIcon, ok});
    return ok;
  }
  int Count(DWORD message) const {
    int n = 0;
    for (const ShellCall& c : calls) n += c.message == message;
    return n;
  }
  const ShellCall& Last() const { return calls.back(); }
};

// Asks the real shell whether it holds the icon of this record (a modify of nothing succeeds
// only for an icon it has).
inline bool ShellHolds(const NOTIFYICONDATAW& data) {
  NOTIFYICONDATAW probe = data;
  probe.uFlags = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

inline bool PumpUntil(const std::function<bool()>& pred, int timeoutMs = 5000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!pred()) {
    if (std::chrono::steady_clock::now() > end) return pred();
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

inline void PumpFor(int ms) { PumpUntil([] { return false; }, ms); }

// Wine's own notification area under X without a tray: a small top-level window with one
// child window per icon.
inline HWND WineTrayWindow() { return FindWindowW(L"__winex11_standalone_tray", nullptr); }

inline std::vector<HWND> WineTrayIconWindows() {
  std::vector<HWND> out;
  HWND tray = WineTrayWindow();
  if (!tray) return out;
  for (HWND c = GetWindow(tray, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) out.push_back(c);
  return out;
}

// A shown popup menu window ("#32768") of any thread, or nullptr.
inline HWND VisibleMenuWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        wchar_t cls[16] = {};
        GetClassNameW(w, cls, 16);
        if (lstrcmpW(cls, L"#32768") == 0 && IsWindowVisible(w)) {
          *reinterpret_cast<HWND*>(p) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

inline void SendMouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof(in));
}

inline void MoveMouseTo(POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(p.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(p.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(in));
}

inline POINT CenterOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The colour at the centre of an icon drawn on white.
inline COLORREF IconCenterColor(HICON icon, int size = 32) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ old = SelectObject(dc, bmp);
  RECT r{0, 0, size, size};
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  const COLORREF c = GetPixel(dc, size / 2, size / 2);
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return c;
}

// When KQ_SHOT_DIR names a folder (a Windows path), saves what the screen shows there as
// <name>.bmp, to be looked at; otherwise does nothing.
inline void SaveScreenshot(const char* name) {
  const char* dir = std::getenv("KQ_SHOT_DIR");
  if (!dir || !*dir) return;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;  // bottom-up, as .bmp files store rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bmp);
  BitBlt(dc, 0, 0, w, h, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = ((w * 3 + 3) / 4) * 4, size = stride * h;
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
  fh.bfSize = fh.bfOffBits + size;
  const std::string path = std::string(dir) + "\\" + name + ".bmp";
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&fh, sizeof(fh), 1, f);
    std::fwrite(&bi.bmiHeader, sizeof(bi.bmiHeader), 1, f);
    std::fwrite(bits, 1, size, f);
    std::fclose(f);
  }
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
}

// The colour of a screen pixel, as the X server shows it.
inline COLORREF ScreenPixel(POINT p) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return c;
}

}  // namespace traytest

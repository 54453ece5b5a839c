// Proves the Win32 path under Wine: a real window, a real message, a pixel read back.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kPaintRed = WM_APP + 1;

LRESULT CALLBACK RedWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kPaintRed) {
    HDC dc = GetDC(wnd);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT r{0, 0, 20, 20};
    FillRect(dc, &r, red);
    DeleteObject(red);
    ReleaseDC(wnd, dc);
    return 42;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

TEST(Smoke, WindowAnswersMessageAndPaints) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = RedWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"KqSmokeWindow";
  ASSERT_NE(RegisterClassW(&wc), 0);
  HWND wnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"烟雾测试", WS_POPUP | WS_VISIBLE,
                             10, 10, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(wnd, nullptr);
  UpdateWindow(wnd);
  EXPECT_EQ(SendMessageW(wnd, kPaintRed, 0, 0), 42);
  HDC dc = GetDC(wnd);
  EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
  ReleaseDC(wnd, dc);
  wchar_t text[32]{};
  GetWindowTextW(wnd, text, 32);
  EXPECT_STREQ(text, L"烟雾测试");
  DestroyWindow(wnd);
  UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

}  // namespace

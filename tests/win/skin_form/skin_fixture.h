// What the skin engine's Win32 tests share: small skins made in the test (a skin file in the
// stored form "length + bytes"), an application per test with no skin manager left over from
// the test before, and the forms of the demo program.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/bitmap.h"
#include "skin/data/bmp.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "ui/application.h"
#include "unit/skin_data/archive_builder.h"
#include "win/ui/ui_test_util.h"

namespace skintest {

// Border widths of the test skins: frames of the edge images (two frames each).
struct TestFrame {
  int left, top, right, bottom;
};
inline constexpr TestFrame kMainFrame{4, 26, 5, 6};
inline constexpr TestFrame kDialogFrame{3, 20, 3, 3};

inline std::string Bmp(int w, int h, kq::Color active, kq::Color inactive, bool stacked) {
  kq::Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool second = stacked ? y >= h / 2 : x >= w / 2;
      b.SetPixel(x, y, second ? inactive : active);
    }
  const auto bytes = kq::WriteBmp24(b);
  return std::string(bytes.begin(), bytes.end());
}

// A skin file whose frame edges give `f`, with the given face colour.
inline std::vector<std::uint8_t> SkinFile(TestFrame f, kq::Color face = kq::MakeColor(200, 210, 220),
                                          int archiveVersion = 20000) {
  const std::string ini =
      "[TitlebarSkin]\r\nSkinName=Test\r\n[Personality]\r\n"
      "Left=left.bmp\r\nLeftFrame=2\r\nRight=right.bmp\r\nRightFrame=2\r\n"
      "Top=top.bmp\r\nTopFrame=2\r\nBottom=bottom.bmp\r\nBottomFrame=2\r\n"
      "TextShift=20\r\nTextRightClip=60\r\n"
      "[Colours]\r\nButtonFace=" +
      std::to_string(kq::ColorR(face)) + "," + std::to_string(kq::ColorG(face)) + "," +
      std::to_string(kq::ColorB(face)) + "\r\n";
  const kq::Color a = kq::MakeColor(40, 90, 160), i = kq::MakeColor(120, 130, 140);
  std::vector<std::uint8_t> archive = kq::test::Archive({
      {"skin.ini", ini},
      {"left.bmp", Bmp(2 * f.left, 64, a, i, false)},
      {"right.bmp", Bmp(2 * f.right, 64, a, i, false)},
      {"top.bmp", Bmp(64, 2 * f.top, a, i, true)},
      {"bottom.bmp", Bmp(64, 2 * f.bottom, a, i, true)},
  });
  if (archiveVersion != 20000) {
    for (int k = 0; k < 4; ++k) archive[static_cast<size_t>(k)] = static_cast<std::uint8_t>(archiveVersion >> (8 * k));
  }
  return kq::test::LiteralSkinFile(archive);
}

// The stored property: 4-byte length, then the skin file.
inline std::vector<std::uint8_t> SkinStream(const std::vector<std::uint8_t>& file) {
  std::vector<std::uint8_t> s(4 + file.size());
  const auto n = static_cast<std::uint32_t>(file.size());
  for (int k = 0; k < 4; ++k) s[static_cast<size_t>(k)] = static_cast<std::uint8_t>(n >> (8 * k));
  std::copy(file.begin(), file.end(), s.begin() + 4);
  return s;
}

inline std::vector<std::uint8_t> MainSkinStream() { return SkinStream(SkinFile(kMainFrame)); }

// The default skin the build packs (menu images, MDI buttons and all), as the stored property.
inline std::vector<std::uint8_t> DefaultSkinStream() {
  std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
  return SkinStream(std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), {}));
}

// One application per test; no skin manager survives from one test to the next.
class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FreeSkinManager();
    app = new TApplication();
    app->SetTitle(L"皮肤测试");
  }
  void TearDown() override {
    delete app;
    FreeSkinManager();
  }
  TApplication* app = nullptr;
};

inline RECT WindowRectOf(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}
inline RECT ClientRectOf(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return r;
}
inline SIZE OuterSize(HWND w) {
  const RECT r = WindowRectOf(w);
  return SIZE{r.right - r.left, r.bottom - r.top};
}
inline SIZE ClientSize(HWND w) {
  const RECT r = ClientRectOf(w);
  return SIZE{r.right, r.bottom};
}
// Where the client area starts, relative to the window's top-left corner.
inline POINT ClientOrigin(HWND w) {
  POINT p{0, 0};
  ClientToScreen(w, &p);
  const RECT r = WindowRectOf(w);
  return POINT{p.x - r.left, p.y - r.top};
}

// A window of our own class that records what reaches its own procedure.
struct BareWindow {
  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (auto* self = reinterpret_cast<BareWindow*>(GetWindowLongPtrW(w, GWLP_USERDATA))) self->seen.push_back(msg);
    return DefWindowProcW(w, msg, wp, lp);
  }
  explicit BareWindow(DWORD style = WS_OVERLAPPEDWINDOW, RECT r = RECT{200, 200, 500, 400}) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), L"KqTestBare", &wc)) {
      wc = WNDCLASSEXW{};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = &Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      wc.lpszClassName = L"KqTestBare";
      RegisterClassExW(&wc);
    }
    wnd = CreateWindowExW(0, L"KqTestBare", L"裸窗口", style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                          nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~BareWindow() {
    if (IsWindow(wnd)) DestroyWindow(wnd);
  }
  bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
  HWND wnd;
  std::vector<UINT> seen;
};

}  // namespace skintest

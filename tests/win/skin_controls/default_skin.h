// The default skin for the screen suites: read from where the build packed it, loaded into a
// skin data object with the frame left to the form skinner, and pictures of real windows.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/data/skin_load.h"
#include "skin/engine/skin_data.h"
#include "ui/application.h"
#include "ui/graphics.h"
#include "ui/text.h"
#include "win/ui/ui_test_util.h"

namespace skintest {

// default.skn: at the path the build gave, else beside the test program.
inline std::vector<std::uint8_t> DefaultSkinBytes() {
  std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
  if (!in) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring file(path);
    file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"default.skn";
    in.open(kq::ui::Narrow(file), std::ios::binary);
  }
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline bool LoadDefaultSkin(TSkinData& skin) {
  const std::vector<std::uint8_t> bytes = DefaultSkinBytes();
  if (bytes.empty() || !kq::LoadSkinModel(skin, bytes, GetSystemMetrics(SM_CXHSCROLL))) return false;
  skin.SkinControls.Exclude(xcMainMenu);  // the frame is the form skinner's
  return true;
}

// With KQ_SHOT_DIR set, saves the window as it is on the screen to <dir>/<name> (.bmp),
// repainted first unless the picture must catch a passing state (a button held down).
inline void Shoot(HWND wnd, const std::string& name, bool repaint = true) {
  const char* dir = std::getenv("KQ_SHOT_DIR");
  if (!dir || !*dir) return;
  if (repaint) {
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    uitest::PumpFor(150);
  }
  RECT r;
  GetWindowRect(wnd, &r);
  TBitmap shot(r.right - r.left, r.bottom - r.top);
  HDC screen = GetDC(nullptr);
  BitBlt(shot.MemoryDC(), 0, 0, shot.Width(), shot.Height(), screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  shot.SaveToFile(kq::ui::Widen(std::string(dir) + "/" + name));
}

// An application for a test that shows a gallery form with the default skin.
class GalleryTest : public ::testing::Test {
 protected:
  void SetUp() override { app = new TApplication(); }
  void TearDown() override { delete app; }
  TApplication* app = nullptr;
};

}  // namespace skintest

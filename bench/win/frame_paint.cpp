// The skinned frame against Wine's own frame, in one process under Wine: one whole
// PaintFrame of a window shaped like the main window (326 x 252, caption, system menu,
// minimise box), WM_NCPAINT through the skinner, WM_NCPAINT of the same window unskinned
// (DefWindowProc draws the system frame), and building the window region.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/draw/win/region_win.h"
#include "skin/engine/skin_data.h"
#include "skin/engine/skin_manager.h"
#include "skin/form/core/frame_model.h"
#include "skin/form/core/frame_region.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "win/win_bench.h"

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

HWND MainLikeWindow(int x) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  HWND w = CreateWindowExW(0, L"KqBenchWindow", L"Zelvo定时自动关机器V1.0", style, x, 80, 326, 252,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(w, SW_SHOWNORMAL);
  return w;
}

}  // namespace

int main() {
  TApplication app;
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"KqBenchWindow";
  RegisterClassW(&wc);

  auto* skin = new TSkinData(nullptr);
  std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
  std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
  std::vector<std::uint8_t> stream(4);
  for (int i = 0; i < 4; ++i) stream[i] = static_cast<std::uint8_t>(file.size() >> (8 * i));
  stream.insert(stream.end(), file.begin(), file.end());
  if (!skin->ReadSkinStream(stream) || skin->NotLoaded) {
    std::fprintf(stderr, "the default skin did not load from %s\n", KQ_DEFAULT_SKIN);
    return 1;
  }
  TSkinManage& manager = EnsureSkinManager();
  manager.AddSkinData(skin);
  manager.SkinningEnabled = true;

  HWND plain = MainLikeWindow(40);
  HWND skinned = MainLikeWindow(420);
  SetForegroundWindow(skinned);
  manager.AttachFormSkinner(skinned);
  for (int i = 0; i < 50; ++i) {
    Pump();
    Sleep(5);
  }
  TWinSkinForm* f = manager.FindFormSkinner(skinned);
  if (!f || f->Phase != kq::skin::SkinPhase::Ready) {
    std::fprintf(stderr, "the window was not skinned\n");
    return 1;
  }
  RECT r{};
  GetWindowRect(skinned, &r);
  std::printf("window %ld x %ld, frame %d/%d/%d/%d\n", r.right - r.left, r.bottom - r.top, f->FrameLeft,
              f->FrameTop, f->FrameRight, f->FrameBottom);

  const auto system = winbench::Measure("WM_NCPAINT, Wine's own frame (DefWindowProc)",
                                        [&] { SendMessageW(plain, WM_NCPAINT, 1, 0); }, Pump);
  const auto paint = winbench::Measure("PaintFrame, skinned", [&] { f->PaintFrame(nullptr); }, Pump);
  const auto ncpaint = winbench::Measure("WM_NCPAINT, skinned",
                                         [&] { SendMessageW(skinned, WM_NCPAINT, 1, 0); }, Pump);
  const kq::skin::FrameSkin frameSkin = kq::skin::FrameSkinOf(*skin);
  kq::skin::FrameRegionInput region;
  region.width = r.right - r.left;
  region.height = r.bottom - r.top;
  region.frame = kq::Margins{f->FrameLeft, f->FrameTop, f->FrameRight, f->FrameBottom};
  const auto shape = winbench::Measure("window region: shape and ExtCreateRegion", [&] {
    DeleteObject(kq::CreateRegionFromBlocks(kq::skin::FrameRegion(frameSkin, region)));
  });
  const auto build = winbench::Measure(
      "BuildWindowRegion (with SetWindowRgn)",
      [&] {
        f->RegionWidth = 0;  // as after a size change
        f->BuildWindowRegion();
      },
      Pump);
  std::printf("skinned PaintFrame / system WM_NCPAINT = %.2f\n", paint.median / system.median);
  std::printf("skinned WM_NCPAINT / system WM_NCPAINT = %.2f\n", ncpaint.median / system.median);
  (void)shape;
  (void)build;
  DestroyWindow(plain);
  DestroyWindow(skinned);
  Pump();
  FreeSkinManager();
  return 0;
}

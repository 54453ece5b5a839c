// The scheduler's main window repainted whole (frame, client and every control) with the
// default skin on it, against the same window unskinned, in one process under Wine: two main
// windows side by side, one of them given the skin as the skin manager gives it (the form
// skinner with its frame and the control skinners of every control).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/kq_main.h"
#include "app/pro_kqshutdown.h"
#include "base/clock.h"
#include "base/datetime.h"
#include "skin/data/skin_load.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/skin_messages.h"
#include "ui/text.h"
#include "win/win_bench.h"

namespace {

struct NoMachine : kq::MachineActions {
  bool Shutdown() override { return true; }
  bool Restart() override { return true; }
  bool LogOff() override { return true; }
};

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

void Settle() {
  for (int i = 0; i < 20; ++i) {
    Pump();
    Sleep(5);
  }
}

}  // namespace

int main() {
  TApplication app;
  kq::ManualClock clock{kq::EncodeDateTime(2026, 12, 8, 20, 0, 0, 0)};
  NoMachine machine;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  TAppServices services;
  services.Clock = &clock;
  services.Machine = &machine;
  services.IniFolder = kq::ui::Narrow(temp);
  services.StartupFolder = std::wstring(temp) + L"Startup";
  services.ProgramPath = std::wstring(temp) + L"kqshutdown.exe";

  TMAIN_KQ* plain = CreateKqWindows(app, services).MAIN_KQ;
  TMAIN_KQ* skinned = CreateKqWindows(app, services).MAIN_KQ;
  plain->SetLeft(20);
  skinned->SetLeft(plain->Left() + plain->Width() + 20);
  plain->Show();
  skinned->Show();

  auto* skin = new TSkinData(skinned);
  std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
  std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
  if (file.empty() || !kq::LoadSkinModel(*skin, file, GetSystemMetrics(SM_CXHSCROLL))) {
    std::fprintf(stderr, "the default skin did not load from %s\n", KQ_DEFAULT_SKIN);
    return 1;
  }
  auto* fs = new TWinSkinForm(skinned);
  fs->SetWindow(skinned->Handle());
  fs->AttachToForm(skin, skinned);
  SendMessageW(skinned->Handle(), SKM_SKINCONTROLS, 0, 1000);
  Settle();
  if (fs->ControlSkinners.size() < 10) {
    std::fprintf(stderr, "only %zu control skinners on the main window\n", fs->ControlSkinners.size());
    return 1;
  }
  std::printf("control skinners on the skinned main window: %zu\n", fs->ControlSkinners.size());

  auto redraw = [](TForm* f) {
    RedrawWindow(f->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  };
  const auto plainRun = winbench::Measure("main window repaint, unskinned", [&] { redraw(plain); }, Pump);
  const auto skinRun = winbench::Measure("main window repaint, default skin", [&] { redraw(skinned); }, Pump);
  std::printf("skinned / unskinned, whole main window = %.2f\n", skinRun.median / plainRun.median);
  // Where the time goes: the frame alone, and with KQ_BENCH_DETAIL set each control alone.
  auto frame = [](TForm* f) { RedrawWindow(f->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW); };
  const auto plainFrame = winbench::Measure("frame only, unskinned", [&] { frame(plain); }, Pump, 3, 0.1);
  const auto skinFrame = winbench::Measure("frame only, default skin", [&] { frame(skinned); }, Pump, 3, 0.1);
  std::printf("skinned / unskinned, frame only         = %.2f\n", skinFrame.median / plainFrame.median);
  if (std::getenv("KQ_BENCH_DETAIL")) {
    for (size_t i = 0; i < plain->Components().size(); ++i) {
      auto* a = dynamic_cast<TWinControl*>(plain->Components()[i]);
      auto* b = dynamic_cast<TWinControl*>(skinned->Components()[i]);
      if (!a || !b || !a->HandleAllocated()) continue;
      auto one = [](TWinControl* c) {
        RedrawWindow(c->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      };
      const auto pa = winbench::Measure(a->Name + " unskinned", [&] { one(a); }, Pump, 3, 0.05);
      const auto pb = winbench::Measure(b->Name + " skinned", [&] { one(b); }, Pump, 3, 0.05);
      std::printf("   ratio %.2f\n", pb.median / pa.median);
    }
  }
  return 0;
}

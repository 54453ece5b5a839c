// Skinned scroll bars against Wine's own, in one process under Wine: a list box with both
// bars repainted whole (frame and client, which places and paints the overlays and fills the
// corner when skinned), a one-line scroll and back, and one overlay paint on its own.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/controls/skin_scrollbars.h"
#include "skin/data/skin_load.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/lists.h"
#include "ui/skin_messages.h"
#include "win/win_bench.h"

namespace {

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

TListBox* FormWithList(TApplication& app, int x) {
  auto* form = app.CreateForm<TForm>();
  form->SetBounds(x, 60, 300, 260);
  form->SetCaption(L"滚动条");
  auto* lb = new TListBox(form);
  lb->SetParent(form);
  lb->SetBounds(16, 16, 220, 180);
  for (int i = 0; i < 200; ++i) lb->AddItem(L"2026-12-08 20:00:00 到时执行之前约定的任务 " + std::to_wstring(i));
  lb->SetScrollWidth(500);
  form->Show();
  return lb;
}

}  // namespace

int main() {
  TApplication app;
  TListBox* plain = FormWithList(app, 20);
  TListBox* skinned = FormWithList(app, 360);
  auto* form = static_cast<TForm*>(skinned->Owner());

  auto* skin = new TSkinData(form);
  std::ifstream in(KQ_DEFAULT_SKIN, std::ios::binary);
  std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), {});
  if (file.empty() || !kq::LoadSkinModel(*skin, file, GetSystemMetrics(SM_CXHSCROLL))) {
    std::fprintf(stderr, "the default skin did not load from %s\n", KQ_DEFAULT_SKIN);
    return 1;
  }
  skin->SkinControls.Exclude(xcMainMenu);
  auto* fs = new TWinSkinForm(form);
  fs->SetWindow(form->Handle());
  fs->AttachToForm(skin, form);
  SendMessageW(form->Handle(), SKM_SKINCONTROLS, 0, 1000);
  for (int i = 0; i < 20; ++i) {
    Pump();
    Sleep(5);
  }
  TSkinScrollbar* sk = nullptr;
  for (TSkinControl* s : fs->ControlSkinners)
    if (s->Control == skinned) sk = dynamic_cast<TSkinScrollbar*>(s);
  if (!sk || !sk->VertOverlay()->Shown || !sk->HorzOverlay()->Shown) {
    std::fprintf(stderr, "the list box's bars were not skinned\n");
    return 1;
  }

  auto redraw = [](TListBox* lb) {
    RedrawWindow(lb->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  };
  auto scroll = [](TListBox* lb) {
    SendMessageW(lb->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageW(lb->Handle(), WM_VSCROLL, SB_LINEUP, 0);
    UpdateWindow(lb->Handle());
  };
  const auto plainRedraw = winbench::Measure("list box repaint, Wine's bars", [&] { redraw(plain); }, Pump);
  const auto skinRedraw = winbench::Measure("list box repaint, skinned bars", [&] { redraw(skinned); }, Pump);
  const auto plainScroll = winbench::Measure("line down and up, Wine's bars", [&] { scroll(plain); }, Pump);
  const auto skinScroll = winbench::Measure("line down and up, skinned bars", [&] { scroll(skinned); }, Pump);
  winbench::Measure("one overlay paint (vertical)", [&] { sk->VertOverlay()->Repaint(); }, Pump);
  std::printf("skinned / Wine's, whole repaint = %.2f\n", skinRedraw.median / plainRedraw.median);
  std::printf("skinned / Wine's, line scroll   = %.2f\n", skinScroll.median / plainScroll.median);
  return 0;
}

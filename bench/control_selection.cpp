// Cost of choosing a control skinner: discovery asks once per control of a window, and the
// Skin3rd table (110 rows with the default) is searched first for every one of them. Also the
// button arithmetic every button paint runs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "skin/controls/core/button_rules.h"
#include "skin/controls/core/control_selection.h"
#include "skin/controls/core/skin3rd.h"

namespace {

kq::skin::ControlDescriptor Button() {
  kq::skin::ControlDescriptor d;
  d.ancestry = {"TButton", "TButtonControl", "TWinControl", "TControl", "TComponent", "TPersistent", "TObject"};
  d.windowed = true;
  d.style = 0x50010000;
  return d;
}

// A control no Skin3rd row names: the whole table is searched, then the class rows.
void BM_ChooseSkinnerDefaultTable(benchmark::State& state) {
  kq::skin::SelectionSettings s;
  s.controls = kq::skin::kDefaultSkinControls;
  s.skin3rd = &kq::skin::DefaultSkin3rd();
  const kq::skin::ControlDescriptor d = Button();
  for (auto _ : state) benchmark::DoNotOptimize(kq::skin::ChooseSkinner(d, s));
}
BENCHMARK(BM_ChooseSkinnerDefaultTable);

// The main window's 22 controls, as one discovery walks them.
void BM_DiscoverMainWindowChoices(benchmark::State& state) {
  kq::skin::SelectionSettings s;
  s.controls = kq::skin::kDefaultSkinControls;
  s.skin3rd = &kq::skin::DefaultSkin3rd();
  std::vector<kq::skin::ControlDescriptor> controls(22, Button());
  for (auto _ : state)
    for (const auto& c : controls) benchmark::DoNotOptimize(kq::skin::ChooseSkinner(c, s));
}
BENCHMARK(BM_DiscoverMainWindowChoices);

void BM_BitButtonLayout(benchmark::State& state) {
  kq::skin::GlyphLayoutInput in;
  in.width = 75;
  in.height = 25;
  in.glyphWidth = in.glyphHeight = 16;
  in.textWidth = 30;
  in.textHeight = 13;
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(kq::skin::PlaceBitButtonGlyph(in));
  }
}
BENCHMARK(BM_BitButtonLayout);

}  // namespace

BENCHMARK_MAIN();

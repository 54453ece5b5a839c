// Cost of loading the default skin (what the program does once at start) and of painting a
// window frame from it (what it does on every frame repaint). Each result is also given
// as a multiple of a baseline measured in the same run: counter "x_base".
//   - the load against a memcpy of the packed skin file;
//   - the load scaled to 120, 144 or 192 dpi against the unscaled load;
//   - the frame against a memcpy fill of the same 326 x 252 window picture.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/skin_load.h"
#include "skin/data/skin_scale.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"

namespace kq {
namespace {

using Clock = std::chrono::steady_clock;

const std::vector<std::uint8_t>& PackedSkin() {
  static const std::vector<std::uint8_t> bytes = [] {
    std::ifstream f(KQ_DEFAULT_SKIN, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
  }();
  return bytes;
}

// Nanoseconds per run of `body`, timed over at least 50 ms.
template <typename Body>
double NanosPerRun(Body body) {
  int runs = 0;
  const auto t0 = Clock::now();
  auto t1 = t0;
  do {
    for (int i = 0; i < 64; ++i, ++runs) body();
    t1 = Clock::now();
  } while (t1 - t0 < std::chrono::milliseconds(50));
  return std::chrono::duration<double, std::nano>(t1 - t0).count() / runs;
}

template <typename Body>
void Measure(benchmark::State& state, double baseNanos, Body body) {
  const auto t0 = Clock::now();
  for (auto _ : state) body();
  const double each = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / state.iterations();
  state.counters["x_base"] = each / baseNanos;
}

// The scroll-bar arrow width at a dpi (17 at 96).
int MulDivArrow(int dpi) { return (17 * dpi + 48) / 96; }

double MemcpyPackedNanos() {
  const auto& packed = PackedSkin();
  std::vector<std::uint8_t> copy(packed.size());
  return NanosPerRun([&] {
    std::memcpy(copy.data(), packed.data(), packed.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  });
}

void BM_MemcpyPackedSkin(benchmark::State& state) {
  const auto& packed = PackedSkin();
  std::vector<std::uint8_t> copy(packed.size());
  Measure(state, MemcpyPackedNanos(), [&] {
    std::memcpy(copy.data(), packed.data(), packed.size());
    benchmark::DoNotOptimize(copy.data());
  });
  state.counters["bytes"] = static_cast<double>(packed.size());
}
BENCHMARK(BM_MemcpyPackedSkin);

// Unpacking alone, to show how much of a load it is.
void BM_UnpackDefaultSkin(benchmark::State& state) {
  const auto& packed = PackedSkin();
  std::vector<std::uint8_t> out;
  Measure(state, MemcpyPackedNanos(), [&] {
    TLZH().Decode(packed, out);
    benchmark::DoNotOptimize(out.data());
  });
  state.counters["unpacked"] = static_cast<double>(out.size());
}
BENCHMARK(BM_UnpackDefaultSkin)->Unit(benchmark::kMicrosecond);

// The whole load: unpack, archive, definition text, every image, caption and window-menu
// buttons, the combo composite.
void BM_LoadDefaultSkin(benchmark::State& state) {
  const auto& packed = PackedSkin();
  if (packed.empty()) {
    state.SkipWithError("the packed default skin is missing; build the target default-skin");
    return;
  }
  Measure(state, MemcpyPackedNanos(), [&] {
    TSkinModel model;
    const bool loaded = LoadSkinModel(model, packed, 17);
    benchmark::DoNotOptimize(loaded);
  });
}
BENCHMARK(BM_LoadDefaultSkin)->Unit(benchmark::kMicrosecond);

// The load on a display of another dpi: the same load plus one scale step of every length
// and image. x_base is against the unscaled load measured here, in the same run.
void BM_LoadDefaultSkinScaled(benchmark::State& state) {
  const auto& packed = PackedSkin();
  if (packed.empty()) {
    state.SkipWithError("the packed default skin is missing; build the target default-skin");
    return;
  }
  const int dpi = static_cast<int>(state.range(0));
  const double unscaled = NanosPerRun([&] {
    TSkinModel model;
    benchmark::DoNotOptimize(LoadSkinModel(model, packed, 17));
  });
  std::size_t bytes = 0;
  Measure(state, unscaled, [&] {
    TSkinModel model;
    benchmark::DoNotOptimize(LoadSkinModel(model, packed, MulDivArrow(dpi), {}, 96, dpi));
    bytes = SkinModelImageBytes(model);
  });
  state.counters["image_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_LoadDefaultSkinScaled)->Arg(120)->Arg(144)->Arg(192)->Unit(benchmark::kMicrosecond);

// The four border pieces of the 326 x 252 main window, each sliced into its own picture
// and copied into the window picture, as the frame painter does on every repaint.
void BM_DefaultSkinFrame326x252(benchmark::State& state) {
  TSkinModel m;
  if (!LoadSkinModel(m, PackedSkin(), 17)) {
    state.SkipWithError("the packed default skin is missing; build the target default-skin");
    return;
  }
  constexpr int w = 326, h = 252;
  const int fl = m.BorderLeft.Bitmap.Width() / m.BorderLeft.FrameCount;
  const int fr = m.BorderRight.Bitmap.Width() / m.BorderRight.FrameCount;
  const int ft = m.BorderTop.Bitmap.Height() / m.BorderTop.FrameCount;
  const int fb = m.BorderBottom.Bitmap.Height() / m.BorderBottom.FrameCount;
  Bitmap window(w, h);
  auto piece = [&](const TDataSkinBorder& p, bool stacked, const Rect& r) {
    const Bitmap part = RenderNineSlice(Rect{0, 0, r.Width(), r.Height()}, p.Bitmap, p.Margins,
                                        stacked ? Layout::Stacked : Layout::SideBySide,
                                        p.Tile == 1 ? Centre::Stretch : Centre::Tile, p.FrameCount, 1);
    CopyPixels(window, r.left, r.top, part, part.Bounds());
  };
  Bitmap src(w, h), dst(w, h);
  const double base = NanosPerRun([&] {
    for (int y = 0; y < h; ++y) std::memcpy(dst.Row(y), src.Row(y), static_cast<std::size_t>(w) * 3);
    benchmark::DoNotOptimize(dst.Data());
    benchmark::ClobberMemory();
  });
  Measure(state, base, [&] {
    piece(m.BorderLeft, false, Rect{0, 0, fl, h});
    piece(m.BorderRight, false, Rect{w - fr, 0, w, h});
    piece(m.BorderBottom, true, Rect{fl, h - fb, w - fr, h});
    piece(m.BorderTop, true, Rect{fl, 0, w - fr, ft});
    benchmark::DoNotOptimize(window.Data());
  });
}
BENCHMARK(BM_DefaultSkinFrame326x252);

}  // namespace
}  // namespace kq

BENCHMARK_MAIN();

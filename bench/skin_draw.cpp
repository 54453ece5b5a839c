// Cost of composing skin pictures in memory. Each result is also given as a multiple of
// the plainest possible fill of the same destination (a memcpy per row from a ready
// picture of the same size), measured in the same run: counter "x_memcpy".
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>

#include "skin/draw/nine_slice.h"
#include "skin/draw/region.h"

namespace kq {
namespace {

using Clock = std::chrono::steady_clock;

// A 3-frame border image like a skin's caption piece: a gradient body with a rounded,
// magenta-cornered top edge, frames stacked.
Bitmap BorderImage(int w, int h, int frames) {
  Bitmap b(w, h * frames);
  for (int f = 0; f < frames; ++f)
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool corner = y < 3 && (x < 3 - y || x >= w - 3 + y);
        b.SetPixel(x, f * h + y, corner ? kTransparentKey : MakeColor(40 + y * 4, 90 + f * 20, 160 + x % 7));
      }
  return b;
}

double MemcpyFillNanos(int w, int h) {
  Bitmap src(w, h), dst(w, h);
  const std::size_t bytes = static_cast<std::size_t>(w) * 3;
  int rounds = 0;
  const auto t0 = Clock::now();
  auto t1 = t0;
  do {
    for (int i = 0; i < 64; ++i, ++rounds) {
      for (int y = 0; y < h; ++y) std::memcpy(dst.Row(y), src.Row(y), bytes);
      benchmark::DoNotOptimize(dst.Data());
      benchmark::ClobberMemory();
    }
    t1 = Clock::now();
  } while (t1 - t0 < std::chrono::milliseconds(50));
  return std::chrono::duration<double, std::nano>(t1 - t0).count() / rounds;
}

// Runs `body` as the benchmark loop and reports its cost against the memcpy fill.
template <typename Body>
void Measure(benchmark::State& state, int w, int h, Body body) {
  const double base = MemcpyFillNanos(w, h);
  const auto t0 = Clock::now();
  for (auto _ : state) body();
  const double each =
      std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / state.iterations();
  state.counters["x_memcpy"] = each / base;
}

void BM_MemcpyFill(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Bitmap src(w, h), dst(w, h);
  const std::size_t bytes = static_cast<std::size_t>(w) * 3;
  Measure(state, w, h, [&] {
    for (int y = 0; y < h; ++y) std::memcpy(dst.Row(y), src.Row(y), bytes);
    benchmark::DoNotOptimize(dst.Data());
  });
}
BENCHMARK(BM_MemcpyFill)->Args({326, 252});

void BM_RenderNineSlice(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  const Centre centre = state.range(2) ? Centre::Tile : Centre::Stretch;
  const Bitmap image = BorderImage(48, 48, 3);
  Measure(state, w, h, [&] {
    Bitmap out = RenderNineSlice(Rect{0, 0, w, h}, image, Margins{10, 10, 10, 10}, Layout::Stacked,
                                 centre, 3, 2);
    benchmark::DoNotOptimize(out.Data());
  });
}
BENCHMARK(BM_RenderNineSlice)
    ->ArgNames({"w", "h", "tile"})
    ->Args({326, 252, 0})
    ->Args({326, 252, 1})
    ->Args({326, 30, 0})
    ->Args({326, 30, 1});

// The four border pieces of a 326 x 252 window: caption 30 high, edges 4 wide, drawn
// keyed into the window picture as the frame painter does.
void BM_WindowBorderPieces(benchmark::State& state) {
  const Bitmap top = BorderImage(60, 30, 2), bottom = BorderImage(60, 4, 2);
  const Bitmap left = BorderImage(4, 40, 2), right = BorderImage(4, 40, 2);
  Bitmap window(326, 252);
  Measure(state, 326, 252, [&] {
    DrawSkinPiece(window, Rect{0, 0, 326, 30}, top, Layout::Stacked, Centre::Tile, Blend::Keyed, 2,
                  1, Margins{20, 0, 20, 0});
    DrawSkinPiece(window, Rect{0, 248, 326, 252}, bottom, Layout::Stacked, Centre::Tile,
                  Blend::Keyed, 2, 1, Margins{8, 0, 8, 0});
    DrawSkinPiece(window, Rect{0, 30, 4, 248}, left, Layout::SideBySide, Centre::Stretch,
                  Blend::Keyed, 2, 1, Margins{0, 8, 0, 8});
    DrawSkinPiece(window, Rect{322, 30, 326, 248}, right, Layout::SideBySide, Centre::Stretch,
                  Blend::Keyed, 2, 1, Margins{0, 8, 0, 8});
    benchmark::DoNotOptimize(window.Data());
  });
}
BENCHMARK(BM_WindowBorderPieces);

// Region of a caption piece (few runs per row) and of a checkerboard (the worst case:
// one rectangle per visible pixel).
void BM_RegionFromBitmap(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  Bitmap image = RenderNineSlice(Rect{0, 0, w, h}, BorderImage(48, 48, 1), Margins{10, 10, 10, 10},
                                 Layout::Stacked, Centre::Stretch, 1, 1);
  if (state.range(2))
    for (int y = 0; y < h; ++y)
      for (int x = (y & 1); x < w; x += 2) image.SetPixel(x, y, kTransparentKey);
  std::size_t rects = 0;
  Measure(state, w, h, [&] {
    const auto blocks = RegionFromBitmap(image, 0, 0, 1, 1, 1, kTransparentKey);
    rects = 0;
    for (const auto& b : blocks) rects += b.rects.size();
    benchmark::DoNotOptimize(rects);
  });
  state.counters["rects"] = static_cast<double>(rects);
}
BENCHMARK(BM_RegionFromBitmap)
    ->ArgNames({"w", "h", "checker"})
    ->Args({326, 30, 0})
    ->Args({326, 252, 0})
    ->Args({326, 252, 1});

}  // namespace
}  // namespace kq

BENCHMARK_MAIN();

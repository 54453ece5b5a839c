#include "skin/draw/resample.h"

#include <cstdint>

#include "skin/draw/blit.h"

namespace kq {
namespace {

// Where destination index d of n samples a source of s pixels, in units of 1 / (2n):
// the two source neighbours, the weight of the second, and the nearest of the two.
struct Tap {
  int first, second;
  std::int64_t weight2;  // of 2n; the first gets 2n - weight2
  int nearest;
};

Tap TapFor(int d, int n, int s) {
  // Centre of destination pixel d in source pixel coordinates, times 2n, less half a pixel.
  const std::int64_t pos = (2LL * d + 1) * s - n;
  if (pos <= 0) return Tap{0, 0, 0, 0};
  const int first = static_cast<int>(pos / (2LL * n));
  const std::int64_t frac = pos - static_cast<std::int64_t>(first) * 2 * n;
  if (first >= s - 1) return Tap{s - 1, s - 1, 0, s - 1};
  return Tap{first, first + 1, frac, frac < n ? first : first + 1};
}

}  // namespace

int ScaleLength(int value, int to, int from) {
  if (from == 0) return value;
  const std::int64_t p = static_cast<std::int64_t>(value) * to;
  const std::int64_t half = (from < 0 ? -from : from) / 2;
  const bool negative = (p < 0) != (from < 0);
  const std::int64_t mag = ((p < 0 ? -p : p) + half) / (from < 0 ? -from : from);
  return static_cast<int>(negative ? -mag : mag);
}

Bitmap ResampleKeyed(const Bitmap& src, int width, int height) {
  if (src.Empty() || width <= 0 || height <= 0) return Bitmap();
  Bitmap out(width, height);
  const std::int64_t nx = 2LL * width, ny = 2LL * height;
  for (int y = 0; y < height; ++y) {
    const Tap ty = TapFor(y, height, src.Height());
    for (int x = 0; x < width; ++x) {
      const Tap tx = TapFor(x, width, src.Width());
      if (src.Pixel(tx.nearest, ty.nearest) == kTransparentKey) {
        out.SetPixel(x, y, kTransparentKey);
        continue;
      }
      const int xs[2] = {tx.first, tx.second};
      const int ys[2] = {ty.first, ty.second};
      const std::int64_t wx[2] = {nx - tx.weight2, tx.weight2};
      const std::int64_t wy[2] = {ny - ty.weight2, ty.weight2};
      std::int64_t sum[3] = {0, 0, 0}, total = 0;
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          const std::int64_t w = wx[i] * wy[j];
          const Color c = src.Pixel(xs[i], ys[j]);
          if (w == 0 || c == kTransparentKey) continue;
          sum[0] += w * ColorR(c);
          sum[1] += w * ColorG(c);
          sum[2] += w * ColorB(c);
          total += w;
        }
      // The nearest pixel always has weight, so total is never 0 here.
      out.SetPixel(x, y,
                   MakeColor(static_cast<int>((sum[0] + total / 2) / total),
                             static_cast<int>((sum[1] + total / 2) / total),
                             static_cast<int>((sum[2] + total / 2) / total)));
    }
  }
  return out;
}

Bitmap ResampleFrames(const Bitmap& src, Layout layout, int count, int to, int from) {
  if (src.Empty()) return Bitmap();
  if (count < 1) count = 1;
  const bool stacked = layout == Layout::Stacked;
  const int fw = stacked ? src.Width() : src.Width() / count;
  const int fh = stacked ? src.Height() / count : src.Height();
  const int w = ScaleLength(fw, to, from), h = ScaleLength(fh, to, from);
  if (w <= 0 || h <= 0) return Bitmap();
  Bitmap out(stacked ? w : w * count, stacked ? h * count : h);
  Bitmap frame(fw, fh);
  for (int k = 0; k < count; ++k) {
    const Rect cut = FrameRect(src, layout, count, k + 1);
    CopyPixels(frame, 0, 0, src, cut);
    const Bitmap scaled = ResampleKeyed(frame, w, h);
    CopyPixels(out, stacked ? 0 : k * w, stacked ? k * h : 0, scaled, scaled.Bounds());
  }
  return out;
}

}  // namespace kq

#include "skin/draw/region.h"

#include <algorithm>

namespace kq {
namespace {

struct Range {
  int lo, hi;
  bool Holds(int v) const { return v >= lo && v <= hi; }
};

Range KeyRange(int key, int tolerance) { return Range{key, std::min(255, key + tolerance)}; }

void Add(std::vector<RegionBlock>& blocks, const Rect& r) {
  if (blocks.empty() || blocks.back().rects.size() >= static_cast<std::size_t>(kRegionBlockSize)) {
    blocks.push_back(RegionBlock{r, {}});
    blocks.back().rects.reserve(500);
  }
  RegionBlock& b = blocks.back();
  b.rects.push_back(r);
  b.bounds.left = std::min(b.bounds.left, r.left);
  b.bounds.top = std::min(b.bounds.top, r.top);
  b.bounds.right = std::max(b.bounds.right, r.right);
  b.bounds.bottom = std::max(b.bounds.bottom, r.bottom);
}

}  // namespace

std::vector<RegionBlock> RegionFromBitmap(const Bitmap& image, int dx, int dy, int tolB, int tolG,
                                          int tolR, Color key) {
  const Range rb = KeyRange(ColorB(key), tolB), rg = KeyRange(ColorG(key), tolG),
              rr = KeyRange(ColorR(key), tolR);
  std::vector<RegionBlock> blocks;
  const int w = image.Width();
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint8_t* row = image.Row(y);
    int x = 0;
    while (x < w) {
      auto clear = [&](int i) {
        const std::uint8_t* p = row + i * 3;
        return rb.Holds(p[0]) && rg.Holds(p[1]) && rr.Holds(p[2]);
      };
      while (x < w && clear(x)) ++x;
      const int x0 = x;
      while (x < w && !clear(x)) ++x;
      if (x > x0) Add(blocks, Rect{x0 + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return blocks;
}

}  // namespace kq

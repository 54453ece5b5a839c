#include "skin/draw/transform.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kq {
namespace {

void CopyPixel(std::uint8_t* d, const std::uint8_t* s) {
  d[0] = s[0];
  d[1] = s[1];
  d[2] = s[2];
}

}  // namespace

void GrayBitmap(Bitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      const auto v = static_cast<std::uint8_t>((p[0] + p[1] + p[2]) / 3);
      p[0] = p[1] = p[2] = v;
    }
  }
}

void MirrorBitmap(Bitmap& bitmap) {
  const int w = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* row = bitmap.Row(y);
    for (int a = 0, b = w - 1; a < b; ++a, --b)
      std::swap_ranges(row + a * 3, row + a * 3 + 3, row + b * 3);
  }
}

void FlipBitmap(Bitmap& bitmap) {
  const std::size_t bytes = static_cast<std::size_t>(bitmap.Width()) * 3;
  for (int a = 0, b = bitmap.Height() - 1; a < b; ++a, --b)
    std::swap_ranges(bitmap.Row(a), bitmap.Row(a) + bytes, bitmap.Row(b));
}

void RotateBitmapLeft(Bitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  Bitmap out(h, w);
  // Old (x, y) goes to (y, w - 1 - x).
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* s = bitmap.Row(y);
    for (int x = 0; x < w; ++x) CopyPixel(out.Row(w - 1 - x) + y * 3, s + x * 3);
  }
  bitmap = std::move(out);
}

void RotateBitmapRight(Bitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  Bitmap out(h, w);
  // Old (x, y) goes to (h - 1 - y, x).
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* s = bitmap.Row(y);
    for (int x = 0; x < w; ++x) CopyPixel(out.Row(x) + (h - 1 - y) * 3, s + x * 3);
  }
  bitmap = std::move(out);
}

}  // namespace kq

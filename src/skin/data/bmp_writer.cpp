#include "skin/data/bmp_writer.h"

#include <cstring>

namespace kq {
namespace {

void Put16(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  v[at] = static_cast<std::uint8_t>(x);
  v[at + 1] = static_cast<std::uint8_t>(x >> 8);
}
void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  Put16(v, at, x & 0xFFFF);
  Put16(v, at + 2, x >> 16);
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap) {
  const std::uint32_t w = bitmap.Width(), h = bitmap.Height();
  const std::uint32_t stride = (w * 3 + 3) & ~3u;
  const std::uint32_t headers = 14 + 40, size = headers + stride * h;
  std::vector<std::uint8_t> v(size, 0);
  v[0] = 'B';
  v[1] = 'M';
  Put32(v, 2, size);
  Put32(v, 10, headers);
  Put32(v, 14, 40);
  Put32(v, 18, w);
  Put32(v, 22, h);
  Put16(v, 26, 1);
  Put16(v, 28, 24);
  Put32(v, 34, stride * h);
  Put32(v, 38, 2835);  // 72 dots per inch
  Put32(v, 42, 2835);
  for (std::uint32_t y = 0; y < h; ++y)
    std::memcpy(&v[headers + static_cast<std::size_t>(stride) * (h - 1 - y)], bitmap.Row(static_cast<int>(y)), w * 3);
  return v;
}

}  // namespace kq

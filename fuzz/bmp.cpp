// BMP reader: anything it accepts must write back and read again as the same picture.
#include "skin/data/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kq::Bitmap b;
  if (!kq::ReadBmp(std::span<const std::uint8_t>(data, size), b)) {
    if (!b.Empty()) __builtin_trap();
    return 0;
  }
  if (b.Empty() || b.Width() > kq::kBmpMaxSide || b.Height() > kq::kBmpMaxSide) __builtin_trap();
  kq::Bitmap again;
  if (!kq::ReadBmp(kq::WriteBmp24(b), again) || again.Width() != b.Width() || again.Height() != b.Height()) {
    __builtin_trap();
  }
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != again.Pixel(x, y)) __builtin_trap();
    }
  }
  return 0;
}

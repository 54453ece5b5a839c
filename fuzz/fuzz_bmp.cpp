// BMP files come from skin archives and skin files, which are untrusted input. Besides not
// crashing, whatever the reader accepts must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/data/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kq::Bitmap picture;
  if (!kq::ReadBmp({data, size}, picture)) {
    if (!picture.Empty()) std::abort();  // a refused file must leave nothing behind
    return 0;
  }
  if (picture.Empty()) std::abort();
  kq::Bitmap again;
  if (!kq::ReadBmp(kq::WriteBmp24(picture), again)) std::abort();
  if (again.Width() != picture.Width() || again.Height() != picture.Height()) std::abort();
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (again.Pixel(x, y) != picture.Pixel(x, y)) std::abort();
  return 0;
}

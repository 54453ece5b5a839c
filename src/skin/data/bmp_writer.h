// Writes the program's 24-bit picture as a plain Windows BMP file (info header, rows
// bottom-up), the form every skin image is stored in.
#pragma once

#include <cstdint>
#include <vector>

#include "base/bitmap.h"

namespace kq {

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap);

}  // namespace kq

// Reads Windows BMP files (the images of a skin archive) into the program's 24-bit picture.
//
// Accepted: the core (12-byte) and info (40-byte and longer) headers; 1, 4 and 8 bits per
// pixel with a colour table; 16 and 32 bits uncompressed or with bit-field masks; 24 bits;
// rows bottom-up or top-down. Compressed (RLE, JPEG, PNG) files are refused. Every length
// and offset is checked against the file before it is used; the first bad value ends the
// read.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/bitmap.h"

namespace kq {

// Neither side of an image may exceed this many pixels.
constexpr int kMaxBmpSide = 65535;

// Decodes `file` into `out`. On failure `out` is left empty, false is returned and, when
// `error` is given, it receives a short English reason.
bool ReadBmp(std::span<const std::uint8_t> file, Bitmap& out, std::string* error = nullptr);

}  // namespace kq

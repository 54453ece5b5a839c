// Windows BMP files to and from the 24-bit Bitmap.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/bitmap.h"

namespace kq {

// Largest picture accepted, in pixels per side and in total: far beyond any skin image,
// small enough that a forged header cannot make us allocate without bound.
inline constexpr int kBmpMaxSide = 16384;
inline constexpr std::int64_t kBmpMaxPixels = 32 * 1024 * 1024;

// Reads an uncompressed BMP (1, 4 or 8 bits with a palette, 24 bits, or 32 bits whose
// fourth byte is ignored), bottom-up or top-down, with any of the usual info headers.
// Anything else or anything malformed (bad sizes, truncated pixels, absurd dimensions)
// returns false and leaves `out` empty.
bool ReadBmp(std::span<const std::uint8_t> file, Bitmap& out);

// The size ReadBmp would give the picture, from the headers alone (with every check ReadBmp
// makes before it allocates): lets a caller refuse a picture before it is decoded.
bool ReadBmpSize(std::span<const std::uint8_t> file, int& width, int& height);

// A 24-bit bottom-up BMP file of the picture.
std::vector<std::uint8_t> WriteBmp24(const Bitmap& bitmap);

}  // namespace kq

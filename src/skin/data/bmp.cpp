#include "skin/data/bmp.h"

namespace kq {

namespace {

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kRgb = 0, kBitfields = 3;

bool Fail(Bitmap& out) {
  out = Bitmap();
  return false;
}

// What the headers say, checked against the file: everything the pixel loop needs.
struct Layout {
  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0;
  bool topDown = false;
  std::uint32_t pixelOffset = 0;
  std::uint64_t stride = 0;
  std::vector<Color> palette;
};

bool ReadLayout(std::span<const std::uint8_t> file, Layout& l, bool withPalette) {
  if (file.size() < kFileHeaderSize + 12 || file[0] != 'B' || file[1] != 'M') return false;
  const std::uint32_t pixelOffset = U32(file, 10);
  const std::uint32_t headerSize = U32(file, kFileHeaderSize);
  if (headerSize < 12 || headerSize > file.size() - kFileHeaderSize) return false;

  std::int64_t width, height;
  std::uint32_t bits, compression = kRgb, colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == 12) {  // the old core header: 16-bit sizes, 3-byte palette entries
    width = U16(file, 18);
    height = U16(file, 20);
    bits = U16(file, 24);
    paletteEntrySize = 3;
  } else if (headerSize >= 40) {
    width = static_cast<std::int32_t>(U32(file, 18));
    height = static_cast<std::int32_t>(U32(file, 22));
    bits = U16(file, 28);
    compression = U32(file, 30);
    colorsUsed = U32(file, 46);
  } else {
    return false;
  }

  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > kBmpMaxSide || height > kBmpMaxSide ||
      width * height > kBmpMaxPixels) {
    return false;
  }
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  if (!paletted && bits != 24 && bits != 32) return false;
  if (compression != kRgb && !(compression == kBitfields && bits == 32)) return false;

  std::size_t tableAt = kFileHeaderSize + headerSize;
  if (compression == kBitfields) {
    // 32-bit pixels must be plain X8R8G8B8; the three masks follow a 40-byte header and
    // are part of the larger ones.
    const std::size_t masksAt = kFileHeaderSize + 40;
    if (masksAt + 12 > file.size()) return false;
    if (U32(file, masksAt) != 0xFF0000 || U32(file, masksAt + 4) != 0xFF00 || U32(file, masksAt + 8) != 0xFF) {
      return false;
    }
    if (headerSize == 40) tableAt += 12;
  }

  // The palette: as many entries as the header says, at most what the depth can index.
  if (paletted) {
    const std::uint32_t maxColors = 1u << bits;
    const std::uint32_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
    if (tableAt + static_cast<std::size_t>(count) * paletteEntrySize > file.size()) return false;
    if (withPalette) {
      l.palette.assign(maxColors, 0);  // indices past the stored entries read as black
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t e = tableAt + i * paletteEntrySize;
        l.palette[i] = MakeColor(file[e + 2], file[e + 1], file[e]);
      }
    }
  }

  const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
  const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(height);
  if (pixelOffset < kFileHeaderSize + headerSize || pixelOffset > file.size() ||
      pixelBytes > file.size() - pixelOffset) {
    return false;
  }
  l.width = width;
  l.height = height;
  l.bits = bits;
  l.topDown = topDown;
  l.pixelOffset = pixelOffset;
  l.stride = stride;
  return true;
}

}  // namespace

bool ReadBmpSize(std::span<const std::uint8_t> file, int& width, int& height) {
  Layout l;
  if (!ReadLayout(file, l, false)) return false;
  width = static_cast<int>(l.width);
  height = static_cast<int>(l.height);
  return true;
}

bool ReadBmp(std::span<const std::uint8_t> file, Bitmap& out) {
  Layout l;
  if (!ReadLayout(file, l, true)) return Fail(out);
  const std::int64_t width = l.width, height = l.height;
  const std::uint32_t bits = l.bits, pixelOffset = l.pixelOffset;
  const bool topDown = l.topDown;
  const std::uint64_t stride = l.stride;
  const std::vector<Color>& palette = l.palette;

  Bitmap result(static_cast<int>(width), static_cast<int>(height));
  const int w = static_cast<int>(width);
  for (int y = 0; y < result.Height(); ++y) {
    const int srcRow = topDown ? y : result.Height() - 1 - y;
    const std::uint8_t* src = file.data() + pixelOffset + stride * static_cast<std::uint64_t>(srcRow);
    std::uint8_t* dst = result.Row(y);
    if (bits == 24) {
      for (int x = 0; x < w * 3; ++x) dst[x] = src[x];
    } else if (bits == 32) {
      for (int x = 0; x < w; ++x) {
        dst[3 * x] = src[4 * x];
        dst[3 * x + 1] = src[4 * x + 1];
        dst[3 * x + 2] = src[4 * x + 2];
      }
    } else {
      const unsigned perByte = 8 / bits;
      const unsigned mask = (1u << bits) - 1;
      for (int x = 0; x < w; ++x) {
        const unsigned shift = 8 - bits * (1 + static_cast<unsigned>(x) % perByte);
        const unsigned index = (src[static_cast<unsigned>(x) / perByte] >> shift) & mask;
        result.SetPixel(x, y, palette[index]);
      }
    }
  }
  out = std::move(result);
  return true;
}

std::vector<std::uint8_t> WriteBmp24(const Bitmap& bitmap) {
  const std::uint32_t stride = static_cast<std::uint32_t>((bitmap.Width() * 3 + 3) & ~3);
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(bitmap.Height());
  const std::uint32_t offset = kFileHeaderSize + 40;
  std::vector<std::uint8_t> f;
  f.reserve(offset + pixelBytes);
  auto put16 = [&f](std::uint32_t v) {
    f.push_back(static_cast<std::uint8_t>(v));
    f.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  f.push_back('B');
  f.push_back('M');
  put32(offset + pixelBytes);
  put32(0);
  put32(offset);
  put32(40);
  put32(static_cast<std::uint32_t>(bitmap.Width()));
  put32(static_cast<std::uint32_t>(bitmap.Height()));
  put16(1);
  put16(24);
  put32(kRgb);
  put32(pixelBytes);
  put32(2835);  // 72 dpi
  put32(2835);
  put32(0);
  put32(0);
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const std::uint8_t* row = bitmap.Row(y);
    f.insert(f.end(), row, row + bitmap.Width() * 3);
    f.insert(f.end(), stride - static_cast<std::uint32_t>(bitmap.Width()) * 3, 0);
  }
  return f;
}

}  // namespace kq

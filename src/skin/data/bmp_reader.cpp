#include "skin/data/bmp_reader.h"

#include <vector>

namespace kq {
namespace {

using u64 = std::uint64_t;

constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr std::size_t kFileHeader = 14;

std::uint32_t U16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// One colour channel held in a bit-field mask, widened to 8 bits the way GDI widens
// 5-bit channels (the top bits repeated below).
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0, bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    while (!((m >> shift) & 1)) ++shift;
    while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
  }
  std::uint8_t Get(std::uint32_t px) const {
    if (bits == 0) return 0;
    std::uint32_t v = (px & mask) >> shift;
    v &= (bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
    if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
    std::uint32_t wide = 0;
    for (int filled = 0; filled < 8; filled += bits) wide = (wide << bits) | v;
    const int total = ((8 + bits - 1) / bits) * bits;
    return static_cast<std::uint8_t>(wide >> (total - 8));
  }
};

struct Header {
  int width = 0, height = 0;
  bool topDown = false;
  int bits = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colours = 0;  // entries in the colour table as declared
  std::size_t paletteAt = 0, paletteEntry = 4;
  std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
};

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

bool ParseHeader(std::span<const std::uint8_t> f, Header& h, std::string* error) {
  if (f.size() < kFileHeader + 4) return Fail(error, "file too short for a BMP header");
  if (f[0] != 'B' || f[1] != 'M') return Fail(error, "not a BMP file");
  const std::uint32_t hs = U32(&f[kFileHeader]);
  if (hs != 12 && hs < 40) return Fail(error, "unknown BMP header size");
  if (hs > f.size() - kFileHeader) return Fail(error, "BMP header runs past the end");
  const std::uint8_t* p = &f[kFileHeader];
  if (hs == 12) {
    h.width = static_cast<int>(U16(p + 4));
    h.height = static_cast<int>(U16(p + 6));
    h.bits = static_cast<int>(U16(p + 10));
    h.paletteEntry = 3;
  } else {
    const auto w = static_cast<std::int32_t>(U32(p + 4));
    const auto ht = static_cast<std::int32_t>(U32(p + 8));
    if (w <= 0) return Fail(error, "BMP width not positive");
    if (ht == 0 || ht == INT32_MIN) return Fail(error, "BMP height invalid");
    h.width = w;
    h.topDown = ht < 0;
    h.height = ht < 0 ? -ht : ht;
    h.bits = static_cast<int>(U16(p + 14));
    h.compression = U32(p + 16);
    h.colours = U32(p + 32);
  }
  if (h.width <= 0 || h.height <= 0) return Fail(error, "BMP size is zero");
  if (h.width > kMaxBmpSide || h.height > kMaxBmpSide) return Fail(error, "BMP too large");
  std::size_t after = kFileHeader + hs;

  switch (h.bits) {
    case 1: case 4: case 8:
      if (h.compression != kBiRgb) return Fail(error, "compressed BMP not supported");
      break;
    case 24:
      if (h.compression != kBiRgb) return Fail(error, "compressed BMP not supported");
      break;
    case 16: case 32:
      if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
        if (hs == 40) {  // the masks follow the header
          const std::size_t n = h.compression == kBiBitfields ? 12 : 16;
          if (n > f.size() - after) return Fail(error, "BMP colour masks run past the end");
          for (int i = 0; i < 3; ++i) h.masks[i] = U32(&f[after + 4 * i]);
          after += n;
        } else if (hs >= 52) {
          for (int i = 0; i < 3; ++i) h.masks[i] = U32(p + 40 + 4 * i);
        } else {
          return Fail(error, "BMP colour masks missing");
        }
      } else if (h.compression == kBiRgb) {
        if (h.bits == 16) {
          h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F;
        } else {
          h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
        }
      } else {
        return Fail(error, "compressed BMP not supported");
      }
      break;
    default:
      return Fail(error, "unsupported BMP bit depth");
  }
  h.paletteAt = after;
  return true;
}

}  // namespace

bool ReadBmp(std::span<const std::uint8_t> f, Bitmap& out, std::string* error) {
  out = Bitmap();
  Header h;
  if (!ParseHeader(f, h, error)) return false;

  // Colour table of palettised images. Indices past its end read as black.
  std::vector<Color> palette;
  std::size_t pixelsAt = h.paletteAt;
  if (h.bits <= 8) {
    const std::uint32_t full = 1u << h.bits;
    const std::uint32_t n = (h.colours == 0 || h.colours > full) ? full : h.colours;
    const std::size_t room = (f.size() - h.paletteAt) / h.paletteEntry;
    if (n > room) return Fail(error, "BMP colour table runs past the end");
    palette.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) {
      const std::uint8_t* e = &f[h.paletteAt + i * h.paletteEntry];
      palette[i] = MakeColor(e[2], e[1], e[0]);
    }
    pixelsAt += static_cast<std::size_t>(n) * h.paletteEntry;
  }
  const std::uint32_t offBits = U32(&f[10]);
  if (offBits != 0) pixelsAt = offBits;  // some writers leave the offset 0
  const u64 stride = (static_cast<u64>(h.width) * static_cast<u64>(h.bits) + 31) / 32 * 4;
  const u64 need = stride * static_cast<u64>(h.height);
  if (pixelsAt > f.size() || need > f.size() - pixelsAt)
    return Fail(error, "BMP pixel data runs past the end");

  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
  Bitmap bmp(h.width, h.height);
  for (int row = 0; row < h.height; ++row) {
    const std::uint8_t* s = &f[pixelsAt + static_cast<std::size_t>(stride) * row];
    std::uint8_t* d = bmp.Row(h.topDown ? row : h.height - 1 - row);
    for (int x = 0; x < h.width; ++x, d += 3) {
      switch (h.bits) {
        case 24:
          d[0] = s[x * 3];
          d[1] = s[x * 3 + 1];
          d[2] = s[x * 3 + 2];
          continue;
        case 16: case 32: {
          const std::uint32_t px = h.bits == 16 ? U16(s + x * 2) : U32(s + x * 4);
          d[0] = blue.Get(px);
          d[1] = green.Get(px);
          d[2] = red.Get(px);
          continue;
        }
        default: {
          const int perByte = 8 / h.bits;
          const int shift = 8 - h.bits * (x % perByte + 1);
          const std::uint32_t idx = (s[x / perByte] >> shift) & ((1u << h.bits) - 1);
          const Color c = idx < palette.size() ? palette[idx] : 0;
          d[0] = static_cast<std::uint8_t>(ColorB(c));
          d[1] = static_cast<std::uint8_t>(ColorG(c));
          d[2] = static_cast<std::uint8_t>(ColorR(c));
        }
      }
    }
  }
  out = std::move(bmp);
  return true;
}

}  // namespace kq

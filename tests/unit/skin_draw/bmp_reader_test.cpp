#include "skin/data/bmp_reader.h"

#include <gtest/gtest.h>

#include "skin/data/bmp_writer.h"
#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Lines;
using test::Picture;
using test::Rows;
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& v, std::uint32_t x, int n) {
  for (int i = 0; i < n; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}

// A BMP file built field by field: file header, info header of `headerSize` bytes
// (12 = core header), then `extra` (masks or colour table), then `pixels`.
struct BmpFile {
  int headerSize = 40;
  int width = 1, height = 1, bits = 24;
  std::uint32_t compression = 0, coloursUsed = 0;
  Bytes extra, pixels;
  std::int64_t offBits = -1;  // -1: right after `extra`

  Bytes Build() const {
    Bytes v;
    const std::uint32_t off = static_cast<std::uint32_t>(
        offBits >= 0 ? offBits : 14 + headerSize + static_cast<std::int64_t>(extra.size()));
    v.push_back('B');
    v.push_back('M');
    Put(v, 14 + headerSize + extra.size() + pixels.size(), 4);
    Put(v, 0, 4);
    Put(v, off, 4);
    Put(v, headerSize, 4);
    if (headerSize == 12) {
      Put(v, width, 2), Put(v, height, 2), Put(v, 1, 2), Put(v, bits, 2);
    } else {
      Put(v, width, 4), Put(v, static_cast<std::uint32_t>(height), 4), Put(v, 1, 2),
          Put(v, bits, 2);
      Put(v, compression, 4), Put(v, pixels.size(), 4), Put(v, 2835, 4), Put(v, 2835, 4);
      Put(v, coloursUsed, 4), Put(v, 0, 4);
      while (v.size() < 14u + headerSize) v.push_back(0);
    }
    v.insert(v.end(), extra.begin(), extra.end());
    v.insert(v.end(), pixels.begin(), pixels.end());
    return v;
  }
};

Bytes Palette(std::initializer_list<char> letters) {
  Bytes v;
  for (char c : letters) {
    const Color col = test::ColourOf(c);
    v.insert(v.end(), {static_cast<std::uint8_t>(ColorB(col)), static_cast<std::uint8_t>(ColorG(col)),
                       static_cast<std::uint8_t>(ColorR(col)), 0});
  }
  return v;
}

Bitmap Read(const Bytes& file) {
  Bitmap b;
  std::string why;
  EXPECT_TRUE(ReadBmp(file, b, &why)) << why;
  return b;
}

TEST(ReadBmp, ReadsWhatTheWriterWritesForEveryRowPadding) {
  for (const Bitmap& pic : {Picture({"a"}), Picture({"ab", "cd", "ef"}), Picture({"abc", "MMM"}),
                            Picture({"abcd"}), Picture({"abcde", "fghij"})}) {
    const Bytes file = WriteBmp(pic);
    EXPECT_EQ(file.size(), 54u + ((pic.Width() * 3 + 3) & ~3) * pic.Height());
    EXPECT_EQ(Rows(Read(file)), Rows(pic));
  }
}

TEST(ReadBmp, TwentyFourBitsBottomUpAndTopDown) {
  const Color a = test::ColourOf('a'), b = test::ColourOf('b');
  const auto px = [](Color c) {
    return Bytes{static_cast<std::uint8_t>(ColorB(c)), static_cast<std::uint8_t>(ColorG(c)),
                 static_cast<std::uint8_t>(ColorR(c))};
  };
  BmpFile f;
  f.width = 1, f.height = 2;
  for (Color c : {a, b}) {  // first stored row is the bottom one
    const Bytes p = px(c);
    f.pixels.insert(f.pixels.end(), p.begin(), p.end());
    f.pixels.push_back(0);  // pad to 4 bytes
  }
  EXPECT_EQ(Rows(Read(f.Build())), Lines({"b", "a"}));
  f.height = -2;
  EXPECT_EQ(Rows(Read(f.Build())), Lines({"a", "b"}));
}

TEST(ReadBmp, PalettisedImagesOfOneFourAndEightBits) {
  BmpFile f8;
  f8.bits = 8, f8.width = 3, f8.height = -1, f8.coloursUsed = 3;
  f8.extra = Palette({'x', 'y', 'z'});
  f8.pixels = {2, 0, 1, 0};
  EXPECT_EQ(Rows(Read(f8.Build())), Lines({"zxy"}));

  BmpFile f4;
  f4.bits = 4, f4.width = 3, f4.height = -2, f4.coloursUsed = 2;
  f4.extra = Palette({'p', 'q'});
  f4.pixels = {0x01, 0x10, 0, 0, 0x10, 0x00, 0, 0};
  EXPECT_EQ(Rows(Read(f4.Build())), Lines({"pqq", "qpp"}));

  BmpFile f1;
  f1.bits = 1, f1.width = 10, f1.height = 1;  // no count given: the full two entries
  f1.extra = Palette({'k', 'w'});
  f1.pixels = {0xA5, 0x40, 0, 0};
  EXPECT_EQ(Rows(Read(f1.Build())), Lines({"wkwkkwkwkw"}));
}

TEST(ReadBmp, IndicesPastTheColourTableReadAsBlack) {
  BmpFile f;
  f.bits = 8, f.width = 2, f.coloursUsed = 1;
  f.extra = Palette({'x'});
  f.pixels = {0, 7, 0, 0};
  EXPECT_EQ(Rows(Read(f.Build())), Lines({"x."}));
}

TEST(ReadBmp, CoreHeaderWithThreeByteColourEntries) {
  BmpFile f;
  f.headerSize = 12, f.bits = 1, f.width = 2, f.height = 1;
  const Color k = test::ColourOf('k'), w = test::ColourOf('w');
  for (Color c : {k, w})
    f.extra.insert(f.extra.end(), {static_cast<std::uint8_t>(ColorB(c)), static_cast<std::uint8_t>(ColorG(c)),
                                   static_cast<std::uint8_t>(ColorR(c))});
  f.pixels = {0x40, 0, 0, 0};
  EXPECT_EQ(Rows(Read(f.Build())), Lines({"kw"}));
}

TEST(ReadBmp, SixteenAndThirtyTwoBitsWithDefaultAndGivenMasks) {
  BmpFile f32;
  f32.bits = 32, f32.width = 1;
  f32.pixels = {0x30, 0x20, 0x10, 0xFF};  // B G R, the fourth byte ignored
  EXPECT_EQ(Read(f32.Build()).Pixel(0, 0), MakeColor(0x10, 0x20, 0x30));

  BmpFile f555;
  f555.bits = 16, f555.width = 2;
  f555.pixels = {0x00, 0x7C, 0x1F, 0x00};  // pure red, pure blue at 5 bits each
  const Bitmap b555 = Read(f555.Build());
  EXPECT_EQ(b555.Pixel(0, 0), MakeColor(255, 0, 0));
  EXPECT_EQ(b555.Pixel(1, 0), MakeColor(0, 0, 255));

  BmpFile f565;
  f565.bits = 16, f565.width = 1, f565.compression = 3;
  Put(f565.extra, 0xF800, 4), Put(f565.extra, 0x07E0, 4), Put(f565.extra, 0x001F, 4);
  f565.pixels = {0x00, 0x42, 0, 0};  // 0x4200: red 8 of 31, green 16 of 63, blue 0
  // 5 and 6 bit channels widen by repeating their top bits: 01000 -> 01000010, 010000 -> 01000001.
  EXPECT_EQ(Read(f565.Build()).Pixel(0, 0), MakeColor(0x42, 0x41, 0));

  BmpFile v5;  // masks inside a long header
  v5.headerSize = 124, v5.bits = 32, v5.width = 1, v5.compression = 3;
  v5.pixels = {0x11, 0x22, 0x33, 0x44};
  Bytes file = v5.Build();
  for (int i = 0; i < 3; ++i) {  // red in the low byte, green next, blue next
    const std::uint32_t m = 0xFFu << (8 * i);
    for (int k = 0; k < 4; ++k) file[14 + 40 + 4 * i + k] = static_cast<std::uint8_t>(m >> (8 * k));
  }
  EXPECT_EQ(Read(file).Pixel(0, 0), MakeColor(0x11, 0x22, 0x33));
}

TEST(ReadBmp, AZeroPixelOffsetMeansRightAfterTheColourTable) {
  BmpFile f;
  f.bits = 8, f.width = 1, f.coloursUsed = 2, f.offBits = 0;
  f.extra = Palette({'x', 'y'});
  f.pixels = {1, 0, 0, 0};
  EXPECT_EQ(Rows(Read(f.Build())), Lines({"y"}));
}

TEST(ReadBmp, RefusesMalformedFilesAndLeavesTheBitmapEmpty) {
  BmpFile good;
  good.width = 2, good.height = 2;
  good.pixels = Bytes(16, 7);
  auto refused = [](const Bytes& file) {
    Bitmap b(3, 3);
    std::string why;
    const bool ok = ReadBmp(file, b, &why);
    EXPECT_TRUE(b.Empty());
    return !ok && !why.empty();
  };
  const Bytes file = good.Build();
  // Every truncation of a good file is refused.
  for (std::size_t n = 0; n < file.size(); ++n)
    EXPECT_TRUE(refused(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(n)))) << n;

  Bytes magic = file;
  magic[1] = 'A';
  EXPECT_TRUE(refused(magic));
  for (int w : {0, -3, 70000}) {
    BmpFile f = good;
    f.width = w;
    EXPECT_TRUE(refused(f.Build())) << w;
  }
  BmpFile zeroHeight = good;
  zeroHeight.height = 0;
  EXPECT_TRUE(refused(zeroHeight.Build()));
  BmpFile minHeight = good;
  minHeight.height = INT32_MIN;
  EXPECT_TRUE(refused(minHeight.Build()));
  BmpFile offset = good;
  offset.offBits = 0xFFFFFFF0;
  EXPECT_TRUE(refused(offset.Build()));
  BmpFile rle = good;
  rle.bits = 8, rle.compression = 1, rle.extra = Palette({'a'});
  EXPECT_TRUE(refused(rle.Build()));
  BmpFile depth = good;
  depth.bits = 2;
  EXPECT_TRUE(refused(depth.Build()));
  BmpFile header = good;
  header.headerSize = 20;
  EXPECT_TRUE(refused(header.Build()));
  BmpFile table = good;  // 256 entries declared, one given
  table.bits = 8, table.coloursUsed = 0, table.extra = Palette({'a'}), table.pixels = {};
  EXPECT_TRUE(refused(table.Build()));
  BmpFile masks = good;  // bit fields declared, masks missing
  masks.bits = 32, masks.compression = 3, masks.pixels = {};
  EXPECT_TRUE(refused(masks.Build()));
}

}  // namespace
}  // namespace kq

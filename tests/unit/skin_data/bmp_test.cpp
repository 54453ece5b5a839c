#include "skin/data/bmp.h"

#include <gtest/gtest.h>

#include "skin/data/skin_image.h"
#include "unit/skin_data/archive_builder.h"
#include "unit/skin_data/files.h"

namespace kq {
namespace {

using test::PutInt32;

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}

// A BMP with a 40-byte info header; `rows` are the stored rows (already padded), in file
// order. The palette holds B, G, R, 0 quads.
struct BmpSpec {
  std::int32_t width = 2, height = 2;
  unsigned bits = 24;
  std::uint32_t compression = 0, colorsUsed = 0;
  std::vector<std::uint8_t> palette;
  std::vector<std::uint8_t> extra;  // after the header: bit-field masks
  std::vector<std::uint8_t> pixels;
  std::int64_t offsetDelta = 0;
};

std::vector<std::uint8_t> MakeBmp(const BmpSpec& s) {
  std::vector<std::uint8_t> f{'B', 'M'};
  const auto offset = static_cast<std::int32_t>(14 + 40 + s.extra.size() + s.palette.size() + s.offsetDelta);
  PutInt32(f, 0);  // file size: readers do not trust it
  PutInt32(f, 0);
  PutInt32(f, offset);
  PutInt32(f, 40);
  PutInt32(f, s.width);
  PutInt32(f, s.height);
  Put16(f, 1);
  Put16(f, s.bits);
  PutInt32(f, static_cast<std::int32_t>(s.compression));
  PutInt32(f, 0);
  PutInt32(f, 0);
  PutInt32(f, 0);
  PutInt32(f, static_cast<std::int32_t>(s.colorsUsed));
  PutInt32(f, 0);
  f.insert(f.end(), s.extra.begin(), s.extra.end());
  f.insert(f.end(), s.palette.begin(), s.palette.end());
  f.insert(f.end(), s.pixels.begin(), s.pixels.end());
  return f;
}

Bitmap Picture(std::initializer_list<std::initializer_list<Color>> rows) {
  Bitmap b(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
  int y = 0;
  for (const auto& row : rows) {
    int x = 0;
    for (Color c : row) b.SetPixel(x++, y, c);
    ++y;
  }
  return b;
}

void ExpectPixels(const Bitmap& b, std::initializer_list<std::initializer_list<Color>> rows) {
  ASSERT_EQ(b.Height(), static_cast<int>(rows.size()));
  int y = 0;
  for (const auto& row : rows) {
    ASSERT_EQ(b.Width(), static_cast<int>(row.size()));
    int x = 0;
    for (Color c : row) {
      EXPECT_EQ(b.Pixel(x, y), c) << x << "," << y;
      ++x;
    }
    ++y;
  }
}

constexpr Color R = 0x0000FF, G = 0x00FF00, B = 0xFF0000, W = 0xFFFFFF, K = 0;

TEST(Bmp, RoundTripsTwentyFourBits) {
  // Width 3 makes rows that need padding.
  const Bitmap src = Picture({{R, G, B}, {W, K, kTransparentKey}});
  Bitmap back;
  ASSERT_TRUE(ReadBmp(WriteBmp24(src), back));
  ExpectPixels(back, {{R, G, B}, {W, K, kTransparentKey}});
}

TEST(Bmp, ReadsTheSampleSkinImage) {
  const auto archive = test::ReadDataFile("lzhuf/sample.archive");
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(archive));
  std::vector<std::uint8_t> top;
  ASSERT_TRUE(reader.ReadFile("top.bmp", top));
  Bitmap b;
  ASSERT_TRUE(ReadBmp(top, b));
  EXPECT_EQ(b.Width(), 40);
  EXPECT_EQ(b.Height(), 12);
  // The file is bottom-up: its first stored pixel is the bottom-left one.
  EXPECT_EQ(b.Pixel(0, 11), MakeColor(0xCA, 0x4D, 0xA5));
  EXPECT_EQ(b.Pixel(3, 11), kTransparentKey);
}

TEST(Bmp, ReadsOtherDepthsAndTopDown) {
  Bitmap b;
  // 8 bits, palette of two used entries; index 7 lies past them and reads black.
  BmpSpec p8;
  p8.width = 3;
  p8.bits = 8;
  p8.colorsUsed = 2;
  p8.palette = {0, 0, 255, 0, 255, 255, 255, 0};
  p8.pixels = {1, 0, 7, 0, /**/ 0, 1, 1, 0};
  ASSERT_TRUE(ReadBmp(MakeBmp(p8), b));
  ExpectPixels(b, {{R, W, W}, {W, R, K}});

  // 4 bits: high nibble first.
  BmpSpec p4;
  p4.width = 3;
  p4.height = 1;
  p4.bits = 4;
  p4.palette.assign(16 * 4, 0);
  p4.palette[4 * 2 + 1] = 255;  // entry 2 green
  p4.palette[4 * 5 + 0] = 255;  // entry 5 blue
  p4.pixels = {0x25, 0x20, 0, 0};
  ASSERT_TRUE(ReadBmp(MakeBmp(p4), b));
  ExpectPixels(b, {{G, B, G}});

  // 1 bit, top-down (negative height).
  BmpSpec p1;
  p1.width = 9;
  p1.height = -2;
  p1.bits = 1;
  p1.palette = {0, 0, 0, 0, 255, 255, 255, 0};
  p1.pixels = {0x80, 0x80, 0, 0, /**/ 0x7F, 0x00, 0, 0};
  ASSERT_TRUE(ReadBmp(MakeBmp(p1), b));
  ExpectPixels(b, {{W, K, K, K, K, K, K, K, W}, {K, W, W, W, W, W, W, W, K}});

  // 32 bits, plain and with the standard bit-field masks; the fourth byte is ignored.
  BmpSpec p32;
  p32.width = 2;
  p32.height = 1;
  p32.bits = 32;
  p32.pixels = {255, 0, 0, 0x7F, 0, 0, 255, 0xFF};
  ASSERT_TRUE(ReadBmp(MakeBmp(p32), b));
  ExpectPixels(b, {{B, R}});
  p32.compression = 3;
  p32.extra = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
  ASSERT_TRUE(ReadBmp(MakeBmp(p32), b));
  ExpectPixels(b, {{B, R}});
}

TEST(Bmp, RejectsMalformedFiles) {
  BmpSpec good;
  good.pixels.assign(16, 0x40);
  std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases;
  // Each case is the good file with one thing changed.
  auto add = [&](const char* what, auto change) {
    BmpSpec s = good;
    change(s);
    cases.emplace_back(what, MakeBmp(s));
  };
  add("zero width", [](BmpSpec& s) { s.width = 0; });
  add("negative width", [](BmpSpec& s) { s.width = -2; });
  add("zero height", [](BmpSpec& s) { s.height = 0; });
  add("absurd size", [](BmpSpec& s) { s.width = s.height = 100000, s.bits = 1; });
  add("too many pixels", [](BmpSpec& s) { s.width = s.height = 16384, s.bits = 1; });
  add("truncated pixels", [](BmpSpec& s) { s.pixels.pop_back(); });
  add("16 bits", [](BmpSpec& s) { s.bits = 16; });
  add("run-length compressed", [](BmpSpec& s) { s.bits = 8, s.compression = 1, s.palette.assign(1024, 0); });
  add("pixels start past the end", [](BmpSpec& s) { s.offsetDelta = 1; });
  add("pixels start inside the header", [](BmpSpec& s) { s.offsetDelta = -30; });
  add("palette past the end", [](BmpSpec& s) { s.bits = 8, s.colorsUsed = 200; });
  add("other bit-field masks", [](BmpSpec& s) {
    s.width = s.height = 1, s.bits = 32, s.compression = 3, s.extra.assign(12, 0xFF), s.pixels = {1, 2, 3, 4};
  });
  auto badMagic = MakeBmp(good);
  badMagic[0] = 'X';
  cases.emplace_back("no BM", badMagic);
  auto badHeader = MakeBmp(good);
  badHeader[14] = 20;
  cases.emplace_back("unknown header size", badHeader);
  auto hugeHeader = MakeBmp(good);
  hugeHeader[17] = 0x7F;
  cases.emplace_back("header larger than the file", hugeHeader);
  cases.emplace_back("empty", std::vector<std::uint8_t>{});
  auto headerOnly = MakeBmp(good);
  headerOnly.resize(20);
  cases.emplace_back("only the file header", headerOnly);

  Bitmap b;
  ASSERT_TRUE(ReadBmp(MakeBmp(good), b));
  for (const auto& [what, file] : cases) {
    b = Bitmap(4, 4);
    EXPECT_FALSE(ReadBmp(file, b)) << what;
    EXPECT_TRUE(b.Empty()) << what;
  }
}

TEST(SkinImage, ReferencesNameArchiveEntries) {
  const Bitmap red = Picture({{R, R}});
  const auto bmp = WriteBmp24(red);
  const std::string bmpText(bmp.begin(), bmp.end());
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(test::Archive({{"Top.bmp", bmpText},
                                                {"empty.bmp", ""},
                                                {"garbage.bmp", "not a bitmap"},
                                                {"plain", bmpText},
                                                {"top.BMP.bmp", bmpText}})));
  struct Case {
    const char* reference;
    bool loads;
  };
  const Case cases[] = {
      {"top.bmp", true},
      {"TOP.bmp", true},           // the lookup ignores case...
      {"top.BMP", false},          // ...the extension check does not
      {"C:\\skins\\x\\top.bmp", true},
      {"skins:top.bmp", true},
      {"dir\\", false},
      {"", false},
      {"plain", false},
      {"top.BMP.bmp", true},
      {"missing.bmp", false},
      {"empty.bmp", false},
      {"garbage.bmp", false},
      {"top.bmp\\", false},
  };
  for (const Case& c : cases) {
    Bitmap b(3, 3);
    EXPECT_EQ(LoadImage(reader, b, c.reference), c.loads) << c.reference;
    if (c.loads) {
      ExpectPixels(b, {{R, R}});
    } else {
      EXPECT_TRUE(b.Empty()) << c.reference;
    }
  }
  EXPECT_EQ(ImageFileName("a:b\\c:d.bmp"), "d.bmp");
  EXPECT_EQ(ImageFileName("x/y.bmp"), "x/y.bmp");
}

}  // namespace
}  // namespace kq

#include "skin/draw/resample.h"

#include <gtest/gtest.h>

#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Lines;
using test::Picture;
using test::Rows;

constexpr Color kBlack = 0;
const Color kOrange = MakeColor(200, 100, 40);

Bitmap Row(std::initializer_list<Color> pixels) {
  Bitmap b(static_cast<int>(pixels.size()), 1);
  int x = 0;
  for (Color c : pixels) b.SetPixel(x++, 0, c);
  return b;
}

std::vector<Color> Pixels(const Bitmap& b) {
  std::vector<Color> out;
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) out.push_back(b.Pixel(x, y));
  return out;
}

TEST(ScaleLength, RoundsAsMulDivDoes) {
  EXPECT_EQ(ScaleLength(3, 144, 96), 5);    // 4.5 rounds away from zero
  EXPECT_EQ(ScaleLength(-3, 144, 96), -5);
  EXPECT_EQ(ScaleLength(1, 120, 96), 1);    // 1.25
  EXPECT_EQ(ScaleLength(125, 120, 96), 156);
  EXPECT_EQ(ScaleLength(326, 192, 96), 652);
  EXPECT_EQ(ScaleLength(7, 96, 0), 7);
}

TEST(ResampleKeyed, UpscalesColoursBilinearly) {
  // Sample centres of 4 over 2 pixels fall at -1/4, 1/4, 3/4 and 5/4 of a pixel.
  EXPECT_EQ(Pixels(ResampleKeyed(Row({kBlack, kOrange}), 4, 1)),
            (std::vector<Color>{kBlack, MakeColor(50, 25, 10), MakeColor(150, 75, 30), kOrange}));
}

TEST(ResampleKeyed, KeyFollowsTheNearestPixelAndNeverTints) {
  // Beside magenta a pixel keeps its own colour, not a pink mix.
  EXPECT_EQ(Pixels(ResampleKeyed(Row({kOrange, kTransparentKey}), 4, 1)),
            (std::vector<Color>{kOrange, kOrange, kTransparentKey, kTransparentKey}));
  // 150 %: the key lies exactly where nearest-neighbour puts it; the middle pixel, a mix of
  // two colours and two keys, mixes only the two colours.
  Bitmap src(2, 2);
  src.SetPixel(0, 0, kBlack);
  src.SetPixel(1, 0, kTransparentKey);
  src.SetPixel(0, 1, kTransparentKey);
  src.SetPixel(1, 1, kOrange);
  const Bitmap out = ResampleKeyed(src, 3, 3);
  const Color mid = MakeColor(100, 50, 20);
  EXPECT_EQ(Pixels(out), (std::vector<Color>{kBlack, kTransparentKey, kTransparentKey,
                                             kTransparentKey, mid, kOrange,
                                             kTransparentKey, kOrange, kOrange}));
}

TEST(ResampleKeyed, DownscalesAndHandlesEmptyPictures) {
  EXPECT_EQ(Rows(ResampleKeyed(Picture({"AABB", "AABB"}), 2, 1)), Lines({"AB"}));
  EXPECT_TRUE(ResampleKeyed(Bitmap(), 4, 4).Empty());
  EXPECT_TRUE(ResampleKeyed(Picture({"AB"}), 0, 3).Empty());
}

TEST(ResampleFrames, ScalesEachFrameOnItsOwn) {
  // Two side-by-side frames doubled: no pixel of one frame leaks into the other, and the
  // pixel that belongs to no frame is dropped.
  EXPECT_EQ(Rows(ResampleFrames(Picture({"AABBX"}), Layout::SideBySide, 2, 192, 96)),
            Lines({"AAAABBBB", "AAAABBBB"}));
  // Stacked frames; 150 % of 2 is 3.
  EXPECT_EQ(Rows(ResampleFrames(Picture({"A", "A", "M", "M"}), Layout::Stacked, 2, 144, 96)),
            Lines({"AA", "AA", "AA", "MM", "MM", "MM"}));
  EXPECT_EQ(ResampleFrames(Picture({"ABC"}), Layout::SideBySide, 0, 192, 96).Width(), 6);
}

}  // namespace
}  // namespace kq

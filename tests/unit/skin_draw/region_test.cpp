#include "skin/draw/region.h"

#include <gtest/gtest.h>

#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Picture;

std::vector<Rect> All(const std::vector<RegionBlock>& blocks) {
  std::vector<Rect> out;
  for (const RegionBlock& b : blocks) out.insert(out.end(), b.rects.begin(), b.rects.end());
  return out;
}

std::vector<RegionBlock> Magenta(const Bitmap& b, int dx = 0, int dy = 0) {
  return RegionFromBitmap(b, dx, dy, 1, 1, 1, kTransparentKey);
}

TEST(RegionFromBitmap, AnImageWithoutKeyGivesOneFullRowPerLine) {
  const auto blocks = Magenta(Picture({"abc", "def"}), 10, 20);
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].rects, (std::vector<Rect>{{10, 20, 13, 21}, {10, 21, 13, 22}}));
  EXPECT_EQ(blocks[0].bounds, (Rect{10, 20, 13, 22}));
}

TEST(RegionFromBitmap, EachRunOfVisiblePixelsIsOneRectangle) {
  const auto blocks = Magenta(Picture({"MaaMbM", "MMMMMM", "cMMMMd"}), -1, 0);
  EXPECT_EQ(All(blocks),
            (std::vector<Rect>{{0, 0, 2, 1}, {3, 0, 4, 1}, {-1, 2, 0, 3}, {4, 2, 5, 3}}));
  EXPECT_EQ(blocks[0].bounds, (Rect{-1, 0, 5, 3}));
  EXPECT_TRUE(Magenta(Picture({"MM", "MM"})).empty());
}

TEST(RegionFromBitmap, ToleranceReachesUpwardFromTheKeyOnly) {
  Bitmap b(6, 1);
  b.SetPixel(0, 0, MakeColor(255, 1, 255));  // green key + 1: still clear
  b.SetPixel(1, 0, MakeColor(255, 2, 255));  // green key + 2: visible
  b.SetPixel(2, 0, MakeColor(254, 0, 255));  // red below the key: visible
  b.SetPixel(3, 0, MakeColor(255, 0, 254));  // blue below the key: visible
  b.SetPixel(4, 0, MakeColor(255, 1, 255));
  b.SetPixel(5, 0, MakeColor(255, 0, 255));
  EXPECT_EQ(All(Magenta(b)), (std::vector<Rect>{{1, 0, 4, 1}}));
  // With no tolerance only the exact key is clear; a large one is capped at 255.
  EXPECT_EQ(All(RegionFromBitmap(b, 0, 0, 0, 0, 0, kTransparentKey)),
            (std::vector<Rect>{{0, 0, 5, 1}}));
  EXPECT_EQ(All(RegionFromBitmap(b, 0, 0, 300, 300, 300, MakeColor(250, 0, 250))),
            (std::vector<Rect>{}));
}

TEST(RegionFromBitmap, SplitsIntoBlocksOfAtMost2000Rectangles) {
  // Every other pixel visible: 2 runs per row, 2100 rows.
  Bitmap b(4, 2100);
  for (int y = 0; y < b.Height(); ++y) {
    b.SetPixel(1, y, kTransparentKey);
    b.SetPixel(3, y, kTransparentKey);
  }
  const auto blocks = Magenta(b);
  ASSERT_EQ(blocks.size(), 3u);
  EXPECT_EQ(blocks[0].rects.size(), 2000u);
  EXPECT_EQ(blocks[1].rects.size(), 2000u);
  EXPECT_EQ(blocks[2].rects.size(), 200u);
  EXPECT_EQ(blocks[0].bounds, (Rect{0, 0, 3, 1000}));
  EXPECT_EQ(blocks[2].bounds, (Rect{0, 2000, 3, 2100}));
  EXPECT_EQ(blocks[2].rects.back(), (Rect{2, 2099, 3, 2100}));
}

}  // namespace
}  // namespace kq

#include "skin/draw/transform.h"

#include <gtest/gtest.h>

#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Lines;
using test::Picture;
using test::Rows;

TEST(GrayBitmap, AveragesTheChannelsRoundingDown) {
  Bitmap b(2, 1);
  b.SetPixel(0, 0, MakeColor(10, 20, 31));
  b.SetPixel(1, 0, kTransparentKey);
  GrayBitmap(b);
  EXPECT_EQ(b.Pixel(0, 0), MakeColor(20, 20, 20));
  EXPECT_EQ(b.Pixel(1, 0), MakeColor(170, 170, 170));
}

TEST(MirrorAndFlip, ReverseColumnsOrRowsOfOddAndEvenSizes) {
  Bitmap b = Picture({"abc", "def"});
  MirrorBitmap(b);
  EXPECT_EQ(Rows(b), Lines({"cba", "fed"}));
  FlipBitmap(b);
  EXPECT_EQ(Rows(b), Lines({"fed", "cba"}));
  Bitmap tall = Picture({"ab", "cd", "ef"});
  FlipBitmap(tall);
  MirrorBitmap(tall);
  EXPECT_EQ(Rows(tall), Lines({"fe", "dc", "ba"}));
}

TEST(Rotate, QuarterTurnsOfANonSquareImage) {
  Bitmap left = Picture({"abc", "def"});
  RotateBitmapLeft(left);
  EXPECT_EQ(Rows(left), Lines({"cf", "be", "ad"}));
  Bitmap right = Picture({"abc", "def"});
  RotateBitmapRight(right);
  EXPECT_EQ(Rows(right), Lines({"da", "eb", "fc"}));
  RotateBitmapLeft(right);
  EXPECT_EQ(Rows(right), Lines({"abc", "def"}));
}

TEST(Rotate, AViewOnForeignMemoryBecomesAnOwnedPicture) {
  std::vector<std::uint8_t> mem(8 * 1, 0);
  Bitmap view = Bitmap::View(mem.data(), 2, 1, 8);
  view.SetPixel(0, 0, test::ColourOf('a'));
  view.SetPixel(1, 0, test::ColourOf('b'));
  RotateBitmapRight(view);
  EXPECT_EQ(Rows(view), Lines({"a", "b"}));
  EXPECT_EQ(mem[0], ColorB(test::ColourOf('a')));  // the foreign memory is left alone
  EXPECT_NE(view.Data(), mem.data());
}

}  // namespace
}  // namespace kq

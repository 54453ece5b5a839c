#include "skin/draw/blit.h"

#include <gtest/gtest.h>

#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Canvas;
using test::Lines;
using test::Picture;
using test::Rows;

using Map = std::vector<int>;

// The expected maps were read back from GDI's StretchBlt (COLORONCOLOR) on DIB sections.
TEST(StretchMap, EnlargingTakesThePixelUnderEachCentreTiesGoingLeft) {
  EXPECT_EQ(StretchMap(1, 3, Axis::Horizontal), (Map{0, 0, 0}));
  EXPECT_EQ(StretchMap(3, 8, Axis::Horizontal), (Map{0, 0, 0, 1, 1, 2, 2, 2}));
  EXPECT_EQ(StretchMap(4, 10, Axis::Horizontal), (Map{0, 0, 0, 1, 1, 2, 2, 2, 3, 3}));
  EXPECT_EQ(StretchMap(5, 17, Axis::Horizontal),
            (Map{0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4}));
  // Enlarging is the same down a column.
  EXPECT_EQ(StretchMap(3, 8, Axis::Vertical), StretchMap(3, 8, Axis::Horizontal));
  EXPECT_EQ(StretchMap(5, 17, Axis::Vertical), StretchMap(5, 17, Axis::Horizontal));
  EXPECT_EQ(StretchMap(6, 6, Axis::Vertical), (Map{0, 1, 2, 3, 4, 5}));
}

TEST(StretchMap, ShrinkingKeepsTheLastPixelAcrossAndTheFirstDown) {
  EXPECT_EQ(StretchMap(6, 4, Axis::Horizontal), (Map{1, 2, 4, 5}));
  EXPECT_EQ(StretchMap(7, 3, Axis::Horizontal), (Map{1, 4, 6}));
  EXPECT_EQ(StretchMap(10, 4, Axis::Horizontal), (Map{2, 4, 7, 9}));
  EXPECT_EQ(StretchMap(17, 5, Axis::Horizontal), (Map{2, 6, 9, 13, 16}));
  EXPECT_EQ(StretchMap(5, 2, Axis::Horizontal), (Map{2, 4}));
  EXPECT_EQ(StretchMap(6, 4, Axis::Vertical), (Map{0, 2, 3, 5}));
  EXPECT_EQ(StretchMap(7, 3, Axis::Vertical), (Map{0, 2, 5}));
  EXPECT_EQ(StretchMap(10, 4, Axis::Vertical), (Map{0, 3, 5, 8}));
  EXPECT_EQ(StretchMap(17, 5, Axis::Vertical), (Map{0, 3, 7, 10, 14}));
  // A row squeezed into one pixel loses its last column first.
  EXPECT_EQ(StretchMap(5, 1, Axis::Horizontal), (Map{3}));
  EXPECT_EQ(StretchMap(2, 1, Axis::Horizontal), (Map{0}));
  EXPECT_EQ(StretchMap(5, 1, Axis::Vertical), (Map{0}));
  EXPECT_TRUE(StretchMap(0, 3, Axis::Horizontal).empty());
  EXPECT_TRUE(StretchMap(3, -1, Axis::Horizontal).empty());
}

TEST(StretchCopy, StretchesBothAxesAndClipsTheDestination) {
  const Bitmap src = Picture({"ab", "cd"});
  Bitmap dst = Canvas(5, 4, 'z');
  StretchCopy(dst, Rect{1, 1, 4, 4}, src, Rect{0, 0, 2, 2});
  EXPECT_EQ(Rows(dst), Lines({"zzzzz", "zaabz", "zaabz", "zccdz"}));

  // Half outside the destination: the visible pixels are those of the whole stretch.
  Bitmap edge = Canvas(3, 3, 'z');
  StretchCopy(edge, Rect{-2, -1, 3, 2}, Picture({"abcde"}), Rect{0, 0, 5, 1});
  EXPECT_EQ(Rows(edge), Lines({"cde", "cde", "zzz"}));
}

TEST(StretchCopy, LeavesPixelsWhoseSourceIsOutsideOrKeyedAndIgnoresInvertedRects) {
  const Bitmap src = Picture({"aMb"});
  Bitmap dst = Canvas(4, 1, 'z');
  StretchCopy(dst, Rect{0, 0, 4, 1}, src, Rect{1, 0, 5, 1});  // source runs past its right edge
  EXPECT_EQ(Rows(dst), Lines({"Mbzz"}));

  // Rows stretched from one source row keep their own untouched pixels.
  Bitmap rows = Picture({"xy", "pq", "rs"});
  StretchCopy(rows, Rect{0, 0, 2, 3}, Picture({"ab"}), Rect{1, 0, 3, 1});
  EXPECT_EQ(Rows(rows), Lines({"by", "bq", "bs"}));

  dst = Canvas(3, 1, 'z');
  StretchCopy(dst, Rect{0, 0, 3, 1}, src, Rect{0, 0, 3, 1}, Blend::Keyed);
  EXPECT_EQ(Rows(dst), Lines({"azb"}));

  dst = Canvas(3, 1, 'z');
  StretchCopy(dst, Rect{3, 0, 0, 1}, src, Rect{0, 0, 3, 1});
  StretchCopy(dst, Rect{0, 0, 3, 1}, src, Rect{0, 1, 3, 0});
  StretchCopy(dst, Rect{-(1 << 30), 0, 1 << 30, 1}, src, Rect{0, 0, 3, 1});  // absurdly wide
  EXPECT_EQ(Rows(dst), Lines({"zzz"}));
}

TEST(StretchCopy, ClipRectanglesLimitWhatIsReadAndWritten) {
  const Bitmap src = Picture({"abcd"});
  Bitmap dst = Canvas(4, 1, 'z');
  StretchCopyClipped(dst, Rect{0, 0, 4, 1}, Rect{1, 0, 3, 1}, src, Rect{0, 0, 4, 1},
                     Rect{0, 0, 2, 1}, Blend::Opaque);
  EXPECT_EQ(Rows(dst), Lines({"zbzz"}));
}

TEST(CopyPixels, CopiesOneToOneWithAKeyOfChoice) {
  const Bitmap src = Picture({"abc", "dez"});
  Bitmap dst = Canvas(3, 3, '.');
  CopyPixels(dst, 1, 1, src, Rect{1, 0, 3, 2});
  EXPECT_EQ(Rows(dst), Lines({"...", ".bc", ".ez"}));
  dst = Canvas(3, 2, 'y');
  CopyPixels(dst, 0, 0, src, src.Bounds(), Blend::Keyed, test::ColourOf('z'));
  EXPECT_EQ(Rows(dst), Lines({"abc", "dey"}));
}

TEST(DrawTransparent, CopiesTheImagesTopLeftPartKeyedAndUnscaled) {
  const Bitmap image = Picture({"aMb", "MMc", "def"});
  Bitmap dc = Canvas(4, 3, 'z');
  DrawTransparent(dc, Rect{1, 1, 3, 3}, image, kTransparentKey);
  EXPECT_EQ(Rows(dc), Lines({"zzzz", "zazz", "zzzz"}));
  // A rectangle larger than the image takes only what the image has.
  dc = Canvas(4, 4, 'z');
  DrawTransparent(dc, Rect{0, 0, 4, 4}, image, kTransparentKey);
  EXPECT_EQ(Rows(dc), Lines({"azbz", "zzcz", "defz", "zzzz"}));
  DrawTransparent(dc, Rect{2, 2, 0, 0}, Picture({"x"}), kTransparentKey);
  EXPECT_EQ(dc.Pixel(0, 0), test::ColourOf('a'));
}

TEST(TileBitmapRect, RepeatsTheSourceAndCutsTheLastTilesAtTheTarget) {
  const Bitmap image = Picture({"xxxx", "xabx", "xcdx"});
  Bitmap canvas = Canvas(7, 5, '.');
  TileBitmapRect(canvas, Rect{1, 1, 6, 4}, image, Rect{1, 1, 3, 3});
  EXPECT_EQ(Rows(canvas), Lines({".......", ".ababa.", ".cdcdc.", ".ababa.", "......."}));
}

TEST(TileBitmapRect, DoesNothingWithoutASourceAreaAndCostsOnlyVisibleTiles) {
  const Bitmap image = Picture({"ab"});
  Bitmap canvas = Canvas(3, 1, 'z');
  TileBitmapRect(canvas, Rect{0, 0, 3, 1}, image, Rect{1, 0, 1, 1});
  TileBitmapRect(canvas, Rect{0, 0, 3, 1}, image, Rect{2, 0, 1, 1});
  TileBitmapRect(canvas, Rect{3, 0, 0, 1}, image, Rect{0, 0, 1, 1});
  EXPECT_EQ(Rows(canvas), Lines({"zzz"}));
  // One-pixel tiles over a target a hundred million pixels wide: the tile phase still
  // counts from the target's left edge.
  TileBitmapRect(canvas, Rect{-100000001, 0, 100000000, 1}, image, Rect{0, 0, 2, 1});
  EXPECT_EQ(Rows(canvas), Lines({"bab"}));
  // A source part reaching past the image repeats what the image has and leaves the rest.
  Bitmap partial = Picture({"vwxyz", "vwxyz"});
  TileBitmapRect(partial, Rect{0, 0, 5, 2}, Picture({"ab", "cd"}), Rect{1, 1, 3, 3});
  EXPECT_EQ(Rows(partial), Lines({"dwdyd", "vwxyz"}));
}

TEST(FillRect, FillsTheClippedRectangle) {
  Bitmap b = Canvas(3, 2, '.');
  FillRect(b, Rect{2, -1, 9, 1}, test::ColourOf('q'));
  FillRect(b, Rect{2, 2, 1, 1}, test::ColourOf('r'));
  EXPECT_EQ(Rows(b), Lines({"..q", "..."}));
}

}  // namespace
}  // namespace kq

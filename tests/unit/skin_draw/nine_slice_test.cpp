#include "skin/draw/nine_slice.h"

#include <gtest/gtest.h>

#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Canvas;
using test::Lines;
using test::Picture;
using test::Rows;

// Corners a e u y, edges b-d f-p j-t v-x, centre g..s.
Bitmap Frame5() { return Picture({"abcde", "fghij", "klmno", "pqrst", "uvwxy"}); }
constexpr Margins kOne{1, 1, 1, 1};

TEST(FrameRect, CutsStacksAndStripsAndIgnoresTheRemainder) {
  const Bitmap strip(10, 3), stack(2, 7);
  EXPECT_EQ(FrameRect(strip, Layout::SideBySide, 3, 1), (Rect{0, 0, 3, 3}));
  EXPECT_EQ(FrameRect(strip, Layout::SideBySide, 3, 3), (Rect{6, 0, 9, 3}));
  EXPECT_EQ(FrameRect(stack, Layout::Stacked, 3, 3), (Rect{0, 4, 2, 6}));
  EXPECT_EQ(FrameRect(stack, Layout::Stacked, 1, 1), (Rect{0, 0, 2, 7}));
  // A missing frame count means one frame; a frame number out of range selects nothing.
  EXPECT_EQ(FrameRect(strip, Layout::SideBySide, 0, 1), (Rect{0, 0, 10, 3}));
  EXPECT_TRUE(FrameRect(strip, Layout::SideBySide, 3, 4).IsEmpty());
  EXPECT_TRUE(FrameRect(strip, Layout::SideBySide, 3, 0).IsEmpty());
}

TEST(RenderNineSlice, KeepsCornersAndStretchesEdgesAndCentre) {
  const Bitmap out = RenderNineSlice(Rect{10, 20, 17, 26}, Frame5(), kOne, Layout::SideBySide,
                                     Centre::Stretch, 1, 1);
  EXPECT_EQ(Rows(out), Lines({"abbcdde",  //
                              "fgghiij",  //
                              "kllmnno",  //
                              "kllmnno",  //
                              "pqqrsst",  //
                              "uvvwxxy"}));
}

TEST(RenderNineSlice, TiledCentreStartsAtTheCaps_ItsOverhangIsCovered) {
  const Bitmap out = RenderNineSlice(Rect{0, 0, 7, 6}, Frame5(), kOne, Layout::SideBySide,
                                     Centre::Tile, 1, 1);
  EXPECT_EQ(Rows(out), Lines({"abbcdde",  //
                              "fghighj",  //
                              "klmnlmo",  //
                              "kqrsqro",  //
                              "pghight",  //
                              "uvvwxxy"}));
  // Without right and bottom caps the 4 x 4 tile overhangs the bitmap's own edge.
  const Bitmap open = RenderNineSlice(Rect{0, 0, 4, 3}, Frame5(), Margins{1, 1, 0, 0},
                                      Layout::SideBySide, Centre::Tile, 1, 1);
  EXPECT_EQ(Rows(open), Lines({"abde", "fghi", "plmn"}));
}

TEST(RenderNineSlice, ATargetNarrowerThanBothSideCapsStretchesTheWholeFrameWidth) {
  const Bitmap frame = Picture({"abcde", "fghij", "klmno"});
  const Bitmap out = RenderNineSlice(Rect{0, 0, 3, 3}, frame, Margins{2, 0, 2, 0},
                                     Layout::SideBySide, Centre::Stretch, 1, 1);
  EXPECT_EQ(Rows(out), Lines({"bce", "ghj", "lmo"}));
  // One pixel wide: the side caps go, top and bottom stay.
  const Bitmap thin = RenderNineSlice(Rect{0, 0, 1, 6}, Frame5(), kOne, Layout::SideBySide,
                                      Centre::Stretch, 1, 1);
  EXPECT_EQ(Rows(thin), Lines({"d", "i", "n", "n", "s", "x"}));
}

TEST(RenderNineSlice, PicksStackedFramesAndIgnoresLeftoverRows) {
  const Bitmap stack = Picture({"ab", "cd", "ef", "gh", "ij", "kl", "MM"});
  const Bitmap out = RenderNineSlice(Rect{0, 0, 2, 3}, stack, Margins{}, Layout::Stacked,
                                     Centre::Stretch, 3, 3);
  EXPECT_EQ(Rows(out), Lines({"ij", "ij", "kl"}));
}

TEST(RenderNineSlice, NeverReadsTheNeighbouringFrameOrPastTheImage) {
  const Bitmap strip = Picture({"abcdef"});
  // A left cap wider than its 3-pixel frame: the columns beyond the frame stay black.
  const Bitmap out = RenderNineSlice(Rect{0, 0, 5, 1}, strip, Margins{4, 0, 0, 0},
                                     Layout::SideBySide, Centre::Stretch, 2, 1);
  EXPECT_EQ(Rows(out), Lines({"abc.."}));
  // A frame number past the count draws nothing.
  EXPECT_EQ(Rows(RenderNineSlice(Rect{0, 0, 2, 1}, strip, Margins{}, Layout::SideBySide,
                                 Centre::Tile, 2, 3)),
            Lines({".."}));
}

TEST(RenderNineSlice, NegativeMarginsCountAsZeroAndInvertedTargetsGiveNothing) {
  const Bitmap plain = RenderNineSlice(Rect{0, 0, 3, 2}, Picture({"ab", "cd"}), Margins{},
                                       Layout::SideBySide, Centre::Stretch, 1, 1);
  const Bitmap negative = RenderNineSlice(Rect{0, 0, 3, 2}, Picture({"ab", "cd"}),
                                          Margins{-1, -2, -1, -5}, Layout::SideBySide,
                                          Centre::Stretch, 1, 1);
  EXPECT_EQ(Rows(plain), Lines({"aab", "ccd"}));
  EXPECT_EQ(Rows(negative), Rows(plain));
  EXPECT_TRUE(RenderNineSlice(Rect{5, 0, 4, 2}, Frame5(), kOne, Layout::SideBySide,
                              Centre::Stretch, 1, 1)
                  .Empty());
}

TEST(DrawSkinPiece, DrawsTheRenderedPieceOpaqueOrKeyed) {
  const Bitmap image = Picture({"MbM", "def", "MhM"});
  Bitmap dc = Canvas(6, 4, 'z');
  DrawSkinPiece(dc, Rect{1, 0, 5, 4}, image, Layout::SideBySide, Centre::Stretch, Blend::Keyed, 1,
                1, kOne);
  EXPECT_EQ(Rows(dc), Lines({"zzbbzz", "zdeefz", "zdeefz", "zzhhzz"}));
  DrawSkinPiece(dc, Rect{0, 0, 2, 1}, image, Layout::SideBySide, Centre::Stretch, Blend::Opaque,
                1, 1, Margins{});
  EXPECT_EQ(Rows(dc)[0], "bMbbzz");
  DrawSkinPiece(dc, Rect{4, 0, 0, 4}, image, Layout::SideBySide, Centre::Stretch, Blend::Opaque,
                1, 1, Margins{});
  EXPECT_EQ(Rows(dc)[1], "zdeefz");
}

TEST(DrawNineSliceBorder, DrawsTheEightOuterCellsInPlaceAndLeavesTheCentre) {
  Bitmap dc = Canvas(8, 7, 'z');
  DrawNineSliceBorder(dc, Rect{1, 1, 8, 7}, Frame5(), Layout::SideBySide, 1, 1, kOne);
  EXPECT_EQ(Rows(dc), Lines({"zzzzzzzz",  //
                             "zabbcdde",  //
                             "zfzzzzzj",  //
                             "zkzzzzzo",  //
                             "zkzzzzzo",  //
                             "zpzzzzzt",  //
                             "zuvvwxxy"}));
}

TEST(DrawNineSliceBorder, DrawsCornersOnlyWhereBothCapsExist) {
  Bitmap dc = Canvas(4, 3, 'z');
  DrawNineSliceBorder(dc, Rect{0, 0, 4, 3}, Picture({"abc", "def", "ghi"}), Layout::SideBySide, 1,
                      1, Margins{1, 0, 1, 1});
  // No top cap: the side edges run from the top, the top-left and top-right corners are
  // not drawn, and the bottom edge lies between the bottom corners.
  EXPECT_EQ(Rows(dc), Lines({"azzc", "dzzf", "ghhi"}));
  Bitmap untouched = Canvas(2, 2, 'z');
  DrawNineSliceBorder(untouched, Rect{2, 2, 0, 0}, Frame5(), Layout::SideBySide, 1, 1, kOne);
  EXPECT_EQ(Rows(untouched), Lines({"zz", "zz"}));
}

}  // namespace
}  // namespace kq

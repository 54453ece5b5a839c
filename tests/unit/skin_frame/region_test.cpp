#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/form/core/frame_region.h"
#include "unit/skin_draw/pictures.h"

namespace kq::skin {
namespace {

using test::Lines;
using test::Picture;

// The region drawn as text: '#' inside, '.' outside.
std::vector<std::string> Mask(const std::vector<RegionBlock>& blocks, int w, int h) {
  std::vector<std::string> rows(h, std::string(w, '.'));
  for (const RegionBlock& b : blocks)
    for (const Rect& r : b.rects)
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
          if (y >= 0 && y < h && x >= 0 && x < w) rows[y][x] = '#';
  return rows;
}

int RectCount(const std::vector<RegionBlock>& blocks) {
  int n = 0;
  for (const RegionBlock& b : blocks) n += static_cast<int>(b.rects.size());
  return n;
}

// Rounded upper corners: the magenta pixel at the top of each side piece and at the ends of
// the caption's first row.
struct RoundSkin {
  Bitmap left = Picture({"M", "m", "n"});
  Bitmap right = Picture({"M", "s", "t"});
  Bitmap top = Picture({"MTM", "cUd"});
  Bitmap bottom = Picture({"MBM"});
  FrameSkin skin(int trans = 1) const {
    FrameSkin s;
    s.left = BorderPiece{&left, 1, Margins{0, 1, 0, 1}, 1, trans};
    s.right = BorderPiece{&right, 1, Margins{0, 1, 0, 1}, 1, trans};
    s.top = BorderPiece{&top, 1, Margins{1, 0, 1, 0}, 1, trans};
    s.bottom = BorderPiece{&bottom, 1, Margins{1, 0, 1, 0}, 1, trans};
    return s;
  }
};

FrameRegionInput Input(int w, int h) {
  FrameRegionInput in;
  in.width = w;
  in.height = h;
  in.frame = Margins{1, 2, 1, 1};
  return in;
}

TEST(FrameRegion, OnlyTheBottomTransparentGivesThePlainWindowRectangle) {
  const RoundSkin t;
  FrameSkin s = t.skin(0);
  s.bottom.trans = 1;
  const auto blocks = FrameRegion(s, Input(8, 6));
  ASSERT_EQ(blocks.size(), 1u);
  ASSERT_EQ(blocks[0].rects.size(), 1u);
  EXPECT_EQ(blocks[0].rects[0], (Rect{0, 0, 8, 6}));
  EXPECT_EQ(blocks[0].bounds, (Rect{0, 0, 8, 6}));
  EXPECT_FALSE(SkinShapesWindows(s));
}

TEST(FrameRegion, TransparentPiecesCutTheirMagentaCorners) {
  const RoundSkin t;
  const auto blocks = FrameRegion(t.skin(), Input(8, 6));
  EXPECT_EQ(Mask(blocks, 8, 6), Lines({"..####..",  //
                                       "########",  //
                                       "########",  //
                                       "########",  //
                                       "########",  //
                                       "########"}));
  // A bottom of 2 pixels or more is cut too.
  FrameRegionInput tall = Input(8, 6);
  tall.frame.bottom = 2;
  EXPECT_EQ(Mask(FrameRegion(t.skin(), tall), 8, 6), Lines({"..####..",  //
                                                           "########",  //
                                                           "########",  //
                                                           "########",  //
                                                           "#.####.#",  //
                                                           "#.####.#"}));
  // Trans 2 on a piece keeps it whole even though the skin shapes windows.
  FrameSkin s = t.skin();
  s.left.trans = 2;
  s.bottom.trans = 0;
  EXPECT_EQ(Mask(FrameRegion(s, Input(8, 6)), 8, 6), Lines({"#.####..",  //
                                                           "########",  //
                                                           "########",  //
                                                           "########",  //
                                                           "########",  //
                                                           "########"}));
}

TEST(FrameRegion, ThePaintedCaptionDecidesTheTopShape) {
  const RoundSkin t;
  FrameRegionInput in = Input(8, 6);
  // A caption button drawn over the caption's left corner keeps that corner in the region.
  Bitmap painted(8, 6);
  painted.Fill(test::ColourOf('x'));
  painted.SetPixel(6, 0, kTransparentKey);
  painted.SetPixel(0, 0, kTransparentKey);  // the side piece's own pixel is not read here
  in.caption = &painted;
  EXPECT_EQ(Mask(FrameRegion(t.skin(), in), 8, 6)[0], ".#####..");
  // A caption of another size (painted before a resize) is not used.
  Bitmap stale(7, 6);
  stale.Fill(test::ColourOf('x'));
  in.caption = &stale;
  EXPECT_EQ(Mask(FrameRegion(t.skin(), in), 8, 6)[0], "..####..");
}

TEST(FrameRegion, ThinPiecesAndWindowsWithoutFrameOrArea) {
  const RoundSkin t;
  // A bottom under 2 pixels and a caption of 1 pixel are taken whole.
  FrameRegionInput in = Input(8, 4);
  in.frame = Margins{1, 1, 1, 1};
  EXPECT_EQ(Mask(FrameRegion(t.skin(), in), 8, 4), Lines({".######.",  //
                                                         "########",  //
                                                         "########",  //
                                                         "########"}));
  // A frameless window is its client rectangle.
  in = Input(5, 3);
  in.frame = Margins{};
  in.frameless = true;
  EXPECT_EQ(Mask(FrameRegion(t.skin(), in), 5, 3), Lines({"#####", "#####", "#####"}));
  EXPECT_TRUE(FrameRegion(t.skin(), Input(0, 6)).empty());
  EXPECT_TRUE(FrameRegion(t.skin(), Input(8, -1)).empty());
}

TEST(FrameRegion, ManyRectanglesComeInBlocksOfAtMost2000) {
  // Two runs per row on each side piece.
  const Bitmap side = Picture({"aMb"});
  const RoundSkin t;
  FrameSkin s = t.skin();
  s.left = BorderPiece{&side, 1, Margins{}, 1, 1};
  s.right = s.left;
  FrameRegionInput in = Input(20, 1500);
  in.frame = Margins{3, 2, 3, 1};
  const auto blocks = FrameRegion(s, in);
  // client 1 + left 3000 + right 3000 + bottom 1 (under 2 pixels) + top rows.
  EXPECT_EQ(RectCount(blocks), 1 + 3000 + 3000 + 1 + 2);
  for (const RegionBlock& b : blocks) {
    EXPECT_LE(b.rects.size(), 2000u);
    for (const Rect& r : b.rects) {
      EXPECT_LE(b.bounds.left, r.left);
      EXPECT_LE(b.bounds.top, r.top);
      EXPECT_GE(b.bounds.right, r.right);
      EXPECT_GE(b.bounds.bottom, r.bottom);
    }
  }
  EXPECT_EQ(blocks.size(), 4u);
}

}  // namespace
}  // namespace kq::skin

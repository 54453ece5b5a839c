#include "skin/controls/core/edit_rules.h"

#include <gtest/gtest.h>

#include "skin/controls/core/scroll_rules.h"

using namespace kq;
using namespace kq::skin;

TEST(EditBorder, FramedOnlyWhenTheClientIsSmallerBothWays) {
  // A client-edge edit: 2 pixels of border on every side.
  EXPECT_TRUE(EditHasBorder(60, 21, 56, 17));
  // No border at all: the client area is the window.
  EXPECT_FALSE(EditHasBorder(60, 21, 60, 21));
  // Smaller one way only (a scroll bar, not a border).
  EXPECT_FALSE(EditHasBorder(60, 21, 43, 21));
  // A one-pixel border is framed on screen but not printed.
  EXPECT_TRUE(EditHasBorder(60, 21, 58, 19));
  EXPECT_FALSE(EditPrintsBorder(60, 21, 59, 20));
  EXPECT_TRUE(EditPrintsBorder(60, 21, 58, 19));
  EXPECT_TRUE(EditPrintsBorder(60, 21, 56, 17));
}

TEST(ComboLayout, StyleChoosesTheLayout) {
  EXPECT_EQ(ComboLayoutOf(1), ComboLayout::Framed);
  EXPECT_EQ(ComboLayoutOf(2), ComboLayout::Composite);
  EXPECT_EQ(ComboLayoutOf(0), ComboLayout::Pieces);
  EXPECT_EQ(ComboLayoutOf(3), ComboLayout::Pieces);
}

TEST(ComboLayout, ButtonAndTextAreasOnEitherSide) {
  // 145 x 21 with 17-pixel arrows: the button is 19 wide.
  EXPECT_EQ(ComboButtonArea(145, 21, 17, false), (Rect{126, 0, 145, 21}));
  EXPECT_EQ(ComboTextArea(145, 21, 17, false), (Rect{2, 2, 126, 19}));
  EXPECT_EQ(ComboButtonArea(145, 21, 17, true), (Rect{0, 0, 19, 21}));
  EXPECT_EQ(ComboTextArea(145, 21, 17, true), (Rect{19, 2, 143, 19}));
  // A box narrower than its button: the button takes it all, no text area is left.
  EXPECT_EQ(ComboButtonArea(10, 21, 17, false), (Rect{0, 0, 10, 21}));
  EXPECT_TRUE(ComboTextArea(10, 21, 17, false).IsEmpty());
  // The framed layout: inside the two frame pixels, at the right.
  EXPECT_EQ(ComboFramedButton(145, 21, 17), (Rect{126, 2, 143, 19}));
  EXPECT_EQ(ComboFramedButton(12, 21, 17), (Rect{2, 2, 10, 19}));
}

TEST(UpDown, HalvesAndFrames) {
  const UpDownButtons v = UpDownHalves(Rect{0, 0, 17, 21}, false);
  EXPECT_EQ(v.first, (Rect{0, 0, 17, 10}));
  EXPECT_EQ(v.second, (Rect{0, 10, 17, 21}));  // the odd pixel goes to the second button
  const UpDownButtons h = UpDownHalves(Rect{1, 1, 32, 15}, true);
  EXPECT_EQ(h.first, (Rect{1, 1, 16, 15}));
  EXPECT_EQ(h.second, (Rect{16, 1, 32, 15}));

  EXPECT_EQ(UpDownButtonFrame(false, true, true, true), 1);  // the other button stays normal
  EXPECT_EQ(UpDownButtonFrame(true, true, true, true), 2);
  EXPECT_EQ(UpDownButtonFrame(true, false, true, true), 4);
  EXPECT_EQ(UpDownButtonFrame(true, false, false, true), 1);
  EXPECT_EQ(UpDownButtonFrame(true, true, true, false), 3);
  EXPECT_EQ(UpDownButtonFrame(false, false, false, false), 3);
  EXPECT_EQ(UpDownStripFrame(2, false), 2);
  EXPECT_EQ(UpDownStripFrame(2, true), 6);
  EXPECT_EQ(UpDownStripFrame(4, true), 8);
}

TEST(Progress, FillFromTheMinimumAndWithinTheBar) {
  EXPECT_EQ(ProgressFill(200, 50, 0, 100), 100);
  EXPECT_EQ(ProgressFill(200, 1, 0, 3), 67);
  EXPECT_EQ(ProgressFill(200, 0, 0, 100), 0);
  EXPECT_EQ(ProgressFill(200, 100, 0, 100), 200);
  // A range that does not start at 0 counts from its minimum.
  EXPECT_EQ(ProgressFill(200, 60, 20, 120), 80);
  EXPECT_EQ(ProgressFill(200, 10, 20, 120), 0);
  EXPECT_EQ(ProgressFill(200, 500, 20, 120), 200);
  // An empty or inverted range fills nothing.
  EXPECT_EQ(ProgressFill(200, 5, 10, 10), 0);
  EXPECT_EQ(ProgressFill(200, 5, 10, 0), 0);
  EXPECT_EQ(ProgressFill(0, 5, 0, 10), 0);
  // The whole int range does not overflow.
  EXPECT_EQ(ProgressFill(100, 0, -2147483647 - 1, 2147483647), 50);
}

TEST(Progress, TileStripIsCentredAndCutAtTheBar) {
  // 150 x 16 bar, left margin 2, 40 filled, tiles 10 high.
  EXPECT_EQ(ProgressTileStrip(150, 16, 2, 40, 10), (Rect{2, 3, 42, 13}));
  // Filled to the end: cut at the right edge.
  EXPECT_EQ(ProgressTileStrip(150, 16, 2, 150, 10), (Rect{2, 3, 150, 13}));
  // Tiles higher than the bar are cut to it.
  EXPECT_EQ(ProgressTileStrip(150, 8, 2, 10, 10), (Rect{2, 0, 12, 8}));
  EXPECT_TRUE(ProgressTileStrip(150, 16, 2, 0, 10).IsEmpty());
}

TEST(TrackBar, VerticalFallsBackToTheHorizontalThumb) {
  EXPECT_EQ(TrackThumbImage(true, true, true), ThumbImage::Vertical);
  EXPECT_EQ(TrackThumbImage(true, true, false), ThumbImage::Horizontal);
  EXPECT_EQ(TrackThumbImage(false, true, true), ThumbImage::Horizontal);
  EXPECT_EQ(TrackThumbImage(false, false, true), ThumbImage::None);
  EXPECT_EQ(TrackThumbImage(true, false, false), ThumbImage::None);
}

TEST(Tabs, OrientationAndImageTurns) {
  // TCS_BOTTOM 2, TCS_VERTICAL 0x80 (TCS_RIGHT is TCS_BOTTOM).
  EXPECT_EQ(TabOrientation(0), 0);
  EXPECT_EQ(TabOrientation(0x2), 1);
  EXPECT_EQ(TabOrientation(0x80), 2);
  EXPECT_EQ(TabOrientation(0x82), 3);
  EXPECT_EQ(TabOrientation(0x50000200 | 0x82), 3);  // other style bits do not count

  EXPECT_EQ(TabTurns(0).tabs, Turn::None);
  EXPECT_EQ(TabTurns(0).border, Turn::None);
  EXPECT_EQ(TabTurns(1).tabs, Turn::Flip);
  EXPECT_EQ(TabTurns(1).border, Turn::Flip);
  EXPECT_EQ(TabTurns(2).tabs, Turn::None);
  EXPECT_EQ(TabTurns(2).border, Turn::Left);
  EXPECT_EQ(TabTurns(3).border, Turn::Right);
  EXPECT_EQ(TabPieceTurn(0), Turn::None);
  EXPECT_EQ(TabPieceTurn(1), Turn::None);
  EXPECT_EQ(TabPieceTurn(2), Turn::Left);
  EXPECT_EQ(TabPieceTurn(3), Turn::Right);

  EXPECT_EQ(ControlStateFrame(true, true, true, true), 2);
  EXPECT_EQ(ControlStateFrame(false, true, false, true), 4);
  EXPECT_EQ(ControlStateFrame(false, false, true, true), 4);
  EXPECT_EQ(ControlStateFrame(false, false, false, true), 1);
  EXPECT_EQ(ControlStateFrame(true, true, true, false), 3);
}

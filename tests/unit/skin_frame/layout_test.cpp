#include <gtest/gtest.h>

#include <vector>

#include "skin/form/core/caption_buttons.h"

namespace kq::skin {
namespace {

CaptionGeometry Geometry() {
  CaptionGeometry g;
  g.windowWidth = 300;
  g.frameLeft = 4;
  g.frameTop = 30;
  g.frameRight = 6;
  g.menuBarHeight = 20;
  g.captionText = Rect{40, 8, 140, 22};
  return g;
}

CaptionButtonSpec Aligned(int align, int x, int y) {
  CaptionButtonSpec b;
  b.action = 50;
  b.align = align;
  b.xCoord = x;
  b.yCoord = y;
  return b;
}

TEST(CaptionButtonLayout, EveryAlign) {
  const CaptionGeometry g = Geometry();
  const ButtonSize s{16, 14};
  // 0: from the window's top-left corner.
  EXPECT_EQ(PlaceCaptionButton(Aligned(0, 5, 7), s, g), (Rect{5, 7, 21, 21}));
  // 1: XCoord counts from the right edge to the button's left edge.
  EXPECT_EQ(PlaceCaptionButton(Aligned(1, 25, 6), s, g), (Rect{275, 6, 291, 20}));
  // 2 and 8: left of the caption text; 3 and 9: right of it.
  for (int a : {2, 8}) EXPECT_EQ(PlaceCaptionButton(Aligned(a, 3, 6), s, g), (Rect{21, 6, 37, 20})) << a;
  for (int a : {3, 9}) EXPECT_EQ(PlaceCaptionButton(Aligned(a, 3, 6), s, g), (Rect{143, 6, 159, 20})) << a;
  // 100: centred in the menu row, XCoord from the right frame edge.
  EXPECT_EQ(PlaceCaptionButton(Aligned(100, 57, 99), s, g), (Rect{237, 33, 253, 47}));
  // Anything else sits at the corner.
  for (int a : {-1, 4, 5, 6, 7, 10, 99, 101})
    EXPECT_EQ(PlaceCaptionButton(Aligned(a, 5, 7), s, g), (Rect{0, 0, 16, 14})) << a;
}

TEST(CaptionButtonLayout, MenuRowButtonsFollowTheReadingOrderAndTheMenuBarCap) {
  CaptionGeometry g = Geometry();
  const ButtonSize s{15, 13};
  g.menuBarMarginLeft = 3;
  // y = 30 + (20 - 13) div 2 = 33.
  EXPECT_EQ(PlaceCaptionButton(Aligned(100, 19, 0), s, g), (Rect{272, 33, 287, 46}));
  g.rightToLeft = true;
  EXPECT_EQ(PlaceCaptionButton(Aligned(100, 19, 0), s, g), (Rect{26, 33, 41, 46}));
  // A button taller than the row rises above it (the division truncates toward zero).
  g.menuBarHeight = 0;
  EXPECT_EQ(PlaceCaptionButton(Aligned(100, 19, 0), s, g).top, 30 - 6);
}

TEST(CaptionButtonLayout, SizeIsOneFrameOfTheStrip) {
  EXPECT_EQ(CaptionButtonSize(96, 16, 6), (ButtonSize{16, 16}));
  EXPECT_EQ(CaptionButtonSize(50, 16, 3), (ButtonSize{16, 16}));  // the remainder belongs to none
  EXPECT_EQ(CaptionButtonSize(16, 16, 0), (ButtonSize{16, 16}));
  EXPECT_EQ(CaptionButtonSize(0, 16, 3), (ButtonSize{}));
  EXPECT_EQ(CaptionButtonSize(16, 0, 3), (ButtonSize{}));
}

TEST(CaptionButtonLayout, APassPlacesShownButtonsKeepsHiddenOnesAndFindsTheRightmostLeftEdge) {
  const CaptionGeometry g = Geometry();
  std::vector<CaptionButtonSlot> slots(5);
  slots[0] = {Aligned(1, 25, 6), {16, 14}, true, {}};
  slots[1] = {Aligned(1, 60, 6), {16, 14}, true, {}};
  slots[2] = {Aligned(1, 10, 6), {16, 14}, false, Rect{1, 2, 3, 4}};  // hidden: kept
  slots[3] = {Aligned(1, 5, 6), {}, true, Rect{5, 6, 7, 8}};           // no image: kept
  slots[4] = {Aligned(0, 5, 7), {16, 16}, true, {}};
  EXPECT_EQ(LayoutCaptionButtons(slots, g), 275);
  EXPECT_EQ(slots[0].bounds, (Rect{275, 6, 291, 20}));
  EXPECT_EQ(slots[1].bounds, (Rect{240, 6, 256, 20}));
  EXPECT_EQ(slots[2].bounds, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(slots[3].bounds, (Rect{5, 6, 7, 8}));
  EXPECT_EQ(slots[4].bounds, (Rect{5, 7, 21, 23}));
  // Without a shown right-aligned button there is no edge to clip a caption at.
  slots[0].visible = slots[1].visible = false;
  EXPECT_EQ(LayoutCaptionButtons(slots, g), 0);
}

TEST(CaptionButtonHitTest, FirstShownButtonWithAnActionUnderThePoint) {
  std::vector<CaptionButtonSlot> slots(4);
  slots[0] = {Aligned(0, 0, 0), {10, 10}, false, Rect{0, 0, 10, 10}};  // hidden
  slots[1] = {Aligned(0, 0, 0), {10, 10}, true, Rect{0, 0, 10, 10}};
  slots[1].spec.action = -1;                                            // decoration only
  slots[2] = {Aligned(0, 0, 0), {10, 10}, true, Rect{5, 0, 15, 10}};
  slots[3] = {Aligned(0, 0, 0), {10, 10}, true, Rect{0, 0, 20, 10}};
  EXPECT_EQ(CaptionButtonAt(slots, 2, 2), 3);
  EXPECT_EQ(CaptionButtonAt(slots, 5, 0), 2);
  EXPECT_EQ(CaptionButtonAt(slots, 14, 9), 2);
  // Right and bottom edges are outside.
  EXPECT_EQ(CaptionButtonAt(slots, 20, 5), -1);
  EXPECT_EQ(CaptionButtonAt(slots, 5, 10), -1);
  slots[2].spec.action = 0;  // Action 0 (close) is hit
  EXPECT_EQ(CaptionButtonAt(slots, 6, 6), 2);
}

TEST(CaptionButtonFrames, WholeCaptionPaintAndStateChanges) {
  EXPECT_EQ(CaptionPaintFrame(6, true), 1);
  EXPECT_EQ(CaptionPaintFrame(6, false), 4);
  EXPECT_EQ(CaptionPaintFrame(4, false), 4);
  EXPECT_EQ(CaptionPaintFrame(3, false), 1);  // no inactive look in the strip
  EXPECT_EQ(CaptionStateFrame(kStateNormal, 0, 6), 1);
  EXPECT_EQ(CaptionStateFrame(kStatePressed, 0, 6), 2);
  EXPECT_EQ(CaptionStateFrame(kStateHot, 0, 6), 3);
  EXPECT_EQ(CaptionStateFrame(kStateHot, kVisibleInMenuBar, 4), 4);
  EXPECT_EQ(CaptionStateFrame(kStatePressed, kVisibleInMenuBar, 4), 2);
  // A strip too short for the state shows its first frame instead of nothing.
  EXPECT_EQ(CaptionStateFrame(kStateHot, 0, 2), 1);
  EXPECT_EQ(CaptionStateFrame(kStatePressed, 0, 1), 1);
  EXPECT_EQ(CaptionStateFrame(kStateHot, kVisibleInMenuBar, 3), 1);
}

TEST(CaptionButtonCommands, EveryAction) {
  EXPECT_EQ(CommandOfAction(0), ButtonCommand::Close);
  for (int a : {1, 22}) EXPECT_EQ(CommandOfAction(a), ButtonCommand::ToggleMaximise) << a;
  for (int a : {2, 23}) EXPECT_EQ(CommandOfAction(a), ButtonCommand::ToggleMinimise) << a;
  for (int a : {3, 11, 12}) EXPECT_EQ(CommandOfAction(a), ButtonCommand::SystemMenu) << a;
  for (int a : {7, 60}) EXPECT_EQ(CommandOfAction(a), ButtonCommand::MdiMinimise) << a;
  for (int a : {8, 61}) EXPECT_EQ(CommandOfAction(a), ButtonCommand::MdiRestore) << a;
  for (int a : {9, 62}) EXPECT_EQ(CommandOfAction(a), ButtonCommand::MdiClose) << a;
  for (int a : {4, 5, 6, 10, 13, 21, 24, 59, 63, 200})
    EXPECT_EQ(CommandOfAction(a), ButtonCommand::Custom) << a;
  EXPECT_TRUE(IsIconAction(3));
  EXPECT_TRUE(IsIconAction(11));
  EXPECT_FALSE(IsIconAction(12));
}

}  // namespace
}  // namespace kq::skin

#include "skin/controls/core/scroll_rules.h"

#include <gtest/gtest.h>

using namespace kq;
using namespace kq::skin;

TEST(MulDivRound, RoundsHalfAwayFromZeroAndFlagsEmptyDivisor) {
  EXPECT_EQ(MulDivRound(10, 1, 4), 3);    // 2.5 -> 3
  EXPECT_EQ(MulDivRound(10, 1, 3), 3);    // 3.33 -> 3
  EXPECT_EQ(MulDivRound(-10, 1, 4), -3);  // -2.5 -> -3
  EXPECT_EQ(MulDivRound(7, 5, -2), -18);  // -17.5 -> -18
  EXPECT_EQ(MulDivRound(1 << 30, 4, 8), 1 << 29);  // no overflow in the product
  EXPECT_EQ(MulDivRound(5, 5, 0), -1);
}

TEST(ScrollControlThumb, WithPageSize) {
  // 200 long, arrows 16: track 168. Page 11 of max 100: thumb 168 * 10 / 100 = 16.8 -> 17.
  EXPECT_EQ(ScrollControlThumb(200, 16, 0, 100, 11), (ThumbExtent{16, 33}));
  // Position 50: start 16 + 168 * 50 / 100 = 100.
  EXPECT_EQ(ScrollControlThumb(200, 16, 50, 100, 11), (ThumbExtent{100, 117}));
}

TEST(ScrollControlThumb, WithoutPageSizeTheThumbIsOneArrowLong) {
  EXPECT_EQ(ScrollControlThumb(200, 16, 0, 100, 0), (ThumbExtent{16, 32}));
  // Start A + (L - 3A) * pos / max: 16 + 152 * 25 / 100 = 54.
  EXPECT_EQ(ScrollControlThumb(200, 16, 25, 100, 0), (ThumbExtent{54, 70}));
  // At the end of the range the thumb touches the second arrow and no further.
  EXPECT_EQ(ScrollControlThumb(200, 16, 100, 100, 0), (ThumbExtent{168, 184}));
}

TEST(ScrollControlThumb, OutOfRangeValuesKeepTheThumbBetweenTheArrows) {
  // Empty range: MulDiv by 0 would give -1; the thumb sits at the first arrow instead.
  EXPECT_EQ(ScrollControlThumb(200, 16, 5, 0, 10), (ThumbExtent{16, 32}));
  // A position past the maximum stops at the second arrow.
  const ThumbExtent t = ScrollControlThumb(200, 16, 500, 100, 11);
  EXPECT_EQ(t.end, 184);
  EXPECT_EQ(t.end - t.start, 17);
  // A page larger than the range fills the track, no more.
  EXPECT_EQ(ScrollControlThumb(200, 16, 0, 100, 1000), (ThumbExtent{16, 184}));
}

TEST(ScrollHitTest, EveryRegionAndItsBoundaries) {
  const ThumbExtent thumb{60, 90};
  EXPECT_EQ(ScrollHitTest(0, 200, 16, thumb), spLineUp);
  EXPECT_EQ(ScrollHitTest(15, 200, 16, thumb), spLineUp);
  EXPECT_EQ(ScrollHitTest(16, 200, 16, thumb), spPageUp);
  EXPECT_EQ(ScrollHitTest(59, 200, 16, thumb), spPageUp);
  EXPECT_EQ(ScrollHitTest(60, 200, 16, thumb), spThumb);
  EXPECT_EQ(ScrollHitTest(89, 200, 16, thumb), spThumb);
  EXPECT_EQ(ScrollHitTest(90, 200, 16, thumb), spPageDown);
  EXPECT_EQ(ScrollHitTest(183, 200, 16, thumb), spPageDown);
  EXPECT_EQ(ScrollHitTest(184, 200, 16, thumb), spLineDown);
  EXPECT_EQ(ScrollHitTest(199, 200, 16, thumb), spLineDown);
}

TEST(ScrollArrows, ShortBarsSplitBetweenTwoArrows) {
  EXPECT_EQ(ScrollArrowLength(200, 16), 16);
  EXPECT_EQ(ScrollArrowLength(32, 16), 16);
  EXPECT_EQ(ScrollArrowLength(31, 16), 15);
  EXPECT_EQ(ScrollArrowLength(20, 16), 10);

  ScrollBarPaintInput in;
  in.width = 20;
  in.height = 17;
  in.arrowSize = 16;
  in.thumb = {16, 16};
  const ScrollBarLayout l = LayoutScrollBar(in);
  EXPECT_TRUE(l.track.IsEmpty());
  EXPECT_EQ(l.firstArrow, (Rect{0, 0, 10, 17}));
  EXPECT_EQ(l.lastArrow, (Rect{10, 0, 20, 17}));
}

TEST(ScrollArrows, FramesOfTheStrip) {
  EXPECT_EQ(ScrollArrowFrame(false, false, false), 1);
  EXPECT_EQ(ScrollArrowFrame(false, false, true), 2);
  EXPECT_EQ(ScrollArrowFrame(false, true, false), 5);
  EXPECT_EQ(ScrollArrowFrame(false, true, true), 6);
  EXPECT_EQ(ScrollArrowFrame(true, false, false), 9);
  EXPECT_EQ(ScrollArrowFrame(true, false, true), 10);
  EXPECT_EQ(ScrollArrowFrame(true, true, false), 13);
  EXPECT_EQ(ScrollArrowFrame(true, true, true), 14);
}

TEST(DraggedThumb, FollowsTheCursorAndStopsAtEitherArrow) {
  // Bar 200, arrows 16, thumb 30 long: start may go from 16 to 154.
  EXPECT_EQ(DraggedThumbStart(60, 25, 30, 200, 16), 85);
  EXPECT_EQ(DraggedThumbStart(60, -25, 30, 200, 16), 35);
  EXPECT_EQ(DraggedThumbStart(60, -500, 30, 200, 16), 16);
  EXPECT_EQ(DraggedThumbStart(60, 500, 30, 200, 16), 154);
  // A thumb that does not fit between the arrows stays at the first one.
  EXPECT_EQ(DraggedThumbStart(16, 40, 190, 200, 16), 16);
}

TEST(ScrollLayout, VerticalBarWithThumb) {
  ScrollBarPaintInput in;
  in.width = 17;
  in.height = 150;
  in.vertical = true;
  in.arrowSize = 17;
  in.thumb = {40, 70};
  in.thumbThickness = 13;
  in.dragging = true;
  const ScrollBarLayout l = LayoutScrollBar(in);
  EXPECT_EQ(l.track, (Rect{0, 17, 17, 133}));
  EXPECT_EQ(l.firstArrow, (Rect{0, 0, 17, 17}));
  EXPECT_EQ(l.lastArrow, (Rect{0, 133, 17, 150}));
  EXPECT_EQ(l.thumb, (Rect{2, 40, 15, 70}));  // centred across the bar
  EXPECT_EQ(l.trackFrame, 1);
  EXPECT_EQ(l.thumbFrame, 2);
}

TEST(ScrollLayout, DisabledBarHasDisabledTrackAndNoThumb) {
  ScrollBarPaintInput in;
  in.width = 150;
  in.height = 17;
  in.arrowSize = 17;
  in.thumb = {40, 70};
  in.enabled = false;
  const ScrollBarLayout l = LayoutScrollBar(in);
  EXPECT_EQ(l.trackFrame, 3);
  EXPECT_TRUE(l.thumb.IsEmpty());
  EXPECT_EQ(l.track, (Rect{17, 0, 133, 17}));
}

TEST(ScrollLayout, ThumbThicknessFromTheStrip) {
  EXPECT_EQ(ScrollThumbThickness(17, 17), 17);
  EXPECT_EQ(ScrollThumbThickness(14, 17), 14);  // 3 thinner: kept
  EXPECT_EQ(ScrollThumbThickness(13, 17), 17);  // more than 3 thinner: arrow size
  // A thumb thicker than the bar is cut to it.
  ScrollBarPaintInput in;
  in.width = 100;
  in.height = 15;
  in.arrowSize = 15;
  in.thumb = {20, 40};
  in.thumbThickness = 20;
  EXPECT_EQ(LayoutScrollBar(in).thumb, (Rect{20, 0, 40, 15}));
}

TEST(ScrollCorner, SpansBothBarsPlusTwo) {
  const Rect v{183, 0, 200, 83};
  const Rect h{0, 83, 183, 100};
  EXPECT_EQ(ScrollCornerSquare(v, h), (Rect{183, 83, 202, 102}));
}

TEST(Tabs, OrientationFromStyle) {
  EXPECT_EQ(TabOrientation(0), 0);
  EXPECT_EQ(TabOrientation(0x2), 1);
  EXPECT_EQ(TabOrientation(0x80), 2);
  EXPECT_EQ(TabOrientation(0x82), 3);
  EXPECT_EQ(TabOrientation(0x50000000u | 0x82), 3);  // window styles do not matter
}

TEST(StateFrame, PressedHotFocusedNormalDisabled) {
  EXPECT_EQ(ControlStateFrame(false, false, false, true), 1);
  EXPECT_EQ(ControlStateFrame(true, true, true, true), 2);
  EXPECT_EQ(ControlStateFrame(false, true, false, true), 4);
  EXPECT_EQ(ControlStateFrame(false, false, true, true), 4);
  EXPECT_EQ(ControlStateFrame(true, true, true, false), 3);
}

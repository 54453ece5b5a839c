#include "skin/controls/core/box_rules.h"

#include <gtest/gtest.h>

using namespace kq;
using namespace kq::skin;

TEST(LayoutGroupBox, FramesHangFromHalfTheTextHeight) {
  // "0" 13 high: y = 13 / 2 - 1 = 5.
  const GroupBoxLayout l = LayoutGroupBox(200, 80, 13);
  EXPECT_EQ(l.outer, (Rect{0, 5, 200, 80}));
  EXPECT_EQ(l.inner, (Rect{1, 6, 199, 79}));
  EXPECT_EQ(l.round, (Rect{1, 5, 199, 79}));
  EXPECT_EQ(l.caption, (Rect{9, 0, 200, 80}));
  // A tiny font puts the frame at -1 (the top row of the frame is cut off).
  EXPECT_EQ(LayoutGroupBox(10, 10, 0).outer.top, -1);
  EXPECT_EQ(LayoutGroupBox(10, 10, 16).outer.top, 7);
}

TEST(StatusBarRules, BevelsSimpleModeAndPanels) {
  EXPECT_EQ(StatusPanelFrame(PanelBevel::Lowered), 1);
  EXPECT_EQ(StatusPanelFrame(PanelBevel::Raised), 2);
  EXPECT_EQ(StatusPanelFrame(PanelBevel::None), 3);

  EXPECT_TRUE(StatusBarSimple(true, 3));
  EXPECT_TRUE(StatusBarSimple(false, 0));
  EXPECT_FALSE(StatusBarSimple(false, 1));

  const Rect panel{100, 2, 150, 20};
  EXPECT_EQ(StatusPanelRect(panel, false, 300), panel);
  EXPECT_EQ(StatusPanelRect(panel, true, 300), (Rect{100, 2, 300, 20}));
  // Even a last panel wider than the bar ends at the bar's edge.
  EXPECT_EQ(StatusPanelRect(Rect{0, 0, 400, 20}, true, 300).right, 300);
  EXPECT_EQ(StatusTextRect(panel), (Rect{102, 2, 148, 20}));
}

TEST(StatusBarRules, AlignmentAndRightToLeft) {
  constexpr unsigned kLeft = 0, kRight = 2, kCentre = 1;
  EXPECT_EQ(StatusTextAlignment(0, false), kLeft);
  EXPECT_EQ(StatusTextAlignment(1, false), kRight);
  EXPECT_EQ(StatusTextAlignment(2, false), kCentre);
  EXPECT_EQ(StatusTextAlignment(0, true), kRight);
  EXPECT_EQ(StatusTextAlignment(1, true), kLeft);
  EXPECT_EQ(StatusTextAlignment(2, true), kCentre);
}

TEST(StatusBarRules, SizeGripSitsInTheCorner) {
  EXPECT_EQ(SizeGripRect(300, 20, 12, 12), (Rect{287, 7, 299, 19}));
  // A grip taller than the bar starts above it.
  EXPECT_EQ(SizeGripRect(300, 10, 12, 12).top, -3);
}

// A window centred on the screen lands on one monitor's work area, whole.
#include <gtest/gtest.h>

#include "ui/core/screen_placement.h"

namespace kq::ui {
namespace {

bool Inside(ScreenPoint at, int width, int height, const ScreenRect& work) {
  return at.x >= work.left && at.y >= work.top && at.x + width <= work.right &&
         at.y + height <= work.bottom;
}

TEST(ScreenPlacement, CentresOnTheGivenMonitorsWorkAreaWithoutStraddling) {
  // Three monitors side by side: one left of the primary (negative coordinates), the primary
  // with a taskbar at its bottom, and a smaller one to the right, lower down.
  const ScreenRect left{-1280, 0, 0, 1024}, primary{0, 0, 1920, 1040},
      right{1920, 200, 3200, 920};
  EXPECT_EQ(CentreInWorkArea(left, 326, 252), (ScreenPoint{-1280 + 477, 386}));
  EXPECT_EQ(CentreInWorkArea(primary, 326, 252), (ScreenPoint{797, 394}));
  EXPECT_EQ(CentreInWorkArea(right, 326, 252), (ScreenPoint{1920 + 477, 200 + 234}));
  for (const ScreenRect& work : {left, primary, right}) {
    EXPECT_TRUE(Inside(CentreInWorkArea(work, 326, 252), 326, 252, work));
    EXPECT_TRUE(Inside(CentreInWorkArea(work, 1, 1), 1, 1, work));
  }
}

TEST(ScreenPlacement, AWindowLargerThanTheWorkAreaKeepsItsCaptionOnIt) {
  const ScreenRect right{1920, 200, 2720, 800};
  EXPECT_EQ(CentreInWorkArea(right, 1000, 700), (ScreenPoint{1920, 200}));
  EXPECT_EQ(CentreInWorkArea(right, 1000, 100), (ScreenPoint{1920, 450}));
}

}  // namespace
}  // namespace kq::ui

#include "skin/controls/core/tab_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/controls/core/scroll_rules.h"
#include "skin/draw/transform.h"

using namespace kq;
using namespace kq::skin;

namespace {

// Bits telling which margin bands of the original image a pixel lies in.
constexpr Color kInLeft = 1, kInTop = 2, kInRight = 4, kInBottom = 8;

Bitmap BandImage(int w, int h, const Margins& m) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.SetPixel(x, y, (x < m.left ? kInLeft : 0) | (y < m.top ? kInTop : 0) | (x >= w - m.right ? kInRight : 0) |
                           (y >= h - m.bottom ? kInBottom : 0));
  return b;
}

// Width of the band along one side of `b` (counted on the middle line) whose pixels carry `bit`.
int Band(const Bitmap& b, int side, Color bit) {
  int n = 0;
  for (;;) {
    int x = 0, y = 0;
    switch (side) {
      case 0: x = n, y = b.Height() / 2; break;
      case 1: x = b.Width() / 2, y = n; break;
      case 2: x = b.Width() - 1 - n, y = b.Height() / 2; break;
      default: x = b.Width() / 2, y = b.Height() - 1 - n; break;
    }
    if (!b.Contains(x, y) || !(b.Pixel(x, y) & bit)) return n;
    ++n;
  }
}

}  // namespace

TEST(Tabs, TabOrientationFromTheStyle) {
  EXPECT_EQ(TabOrientation(0), 0);
  EXPECT_EQ(TabOrientation(0x2), 1);    // TCS_BOTTOM
  EXPECT_EQ(TabOrientation(0x80), 2);   // TCS_VERTICAL
  EXPECT_EQ(TabOrientation(0x82), 3);   // both: TCS_RIGHT
  EXPECT_EQ(TabOrientation(0x50010280u), 2);  // window and other tab styles do not count
}

TEST(Tabs, MarginsTurnWithTheirImage) {
  const Margins m{1, 2, 3, 4};
  struct Case {
    Turn turn;
    void (*apply)(Bitmap&);
  } cases[] = {{Turn::Flip, FlipBitmap}, {Turn::Left, RotateBitmapLeft}, {Turn::Right, RotateBitmapRight}};
  for (const Case& c : cases) {
    Bitmap b = BandImage(12, 10, m);
    c.apply(b);
    const Margins t = TurnMargins(m, c.turn);
    // Each new side's band is as wide as the turned margin and came from one original band.
    const int widths[4] = {t.left, t.top, t.right, t.bottom};
    for (int side = 0; side < 4; ++side) {
      int found = 0;
      for (Color bit : {kInLeft, kInTop, kInRight, kInBottom}) found = std::max(found, Band(b, side, bit));
      EXPECT_EQ(found, widths[side]) << "turn " << static_cast<int>(c.turn) << " side " << side;
    }
  }
  EXPECT_EQ(TurnMargins(m, Turn::None), m);
  // A turn and its opposite give the margins back.
  EXPECT_EQ(TurnMargins(TurnMargins(m, Turn::Left), Turn::Right), m);
  EXPECT_EQ(TurnMargins(TurnMargins(m, Turn::Flip), Turn::Flip), m);
}

TEST(Tabs, TheBodyIsTheControlLessTheBandOfTheTabs) {
  // Two rows of tabs at the top.
  const std::vector<Rect> top{{2, 2, 60, 22}, {60, 2, 120, 22}, {2, 22, 80, 42}};
  EXPECT_EQ(TabBodyRect(200, 150, top, 0), (Rect{0, 42, 200, 150}));
  const std::vector<Rect> bottom{{2, 128, 60, 148}, {60, 128, 120, 148}};
  EXPECT_EQ(TabBodyRect(200, 150, bottom, 1), (Rect{0, 0, 200, 128}));
  const std::vector<Rect> left{{2, 2, 22, 60}, {2, 60, 22, 110}};
  EXPECT_EQ(TabBodyRect(200, 150, left, 2), (Rect{22, 0, 200, 150}));
  const std::vector<Rect> right{{178, 2, 198, 60}};
  EXPECT_EQ(TabBodyRect(200, 150, right, 3), (Rect{0, 0, 178, 150}));
  // No tabs: all body; tabs past the control never turn the body inside out.
  EXPECT_EQ(TabBodyRect(200, 150, {}, 0), (Rect{0, 0, 200, 150}));
  EXPECT_EQ(TabBodyRect(200, 30, top, 0), (Rect{0, 30, 200, 30}));
  EXPECT_TRUE(TabBodyRect(200, 30, top, 0).IsEmpty());
}

TEST(Tabs, TheSelectedTabStandsOutAndCoversTheBodyEdge) {
  const Rect item{10, 2, 60, 22};
  EXPECT_EQ(TabPieceRect(item, false, 0), item);
  for (int o = 0; o < 4; ++o) {
    const Rect body = TabBodyRect(200, 150, {item}, o);
    (void)body;
    const Rect sel = TabPieceRect(item, true, o);
    EXPECT_TRUE(sel.left <= item.left && sel.top <= item.top && sel.right >= item.right && sel.bottom >= item.bottom);
    EXPECT_GT(sel.Width() * sel.Height(), item.Width() * item.Height());
  }
  // Reaching one pixel into the body on the body's side, two pixels out on the others.
  EXPECT_EQ(TabPieceRect(item, true, 0), (Rect{8, 0, 62, 23}));
  EXPECT_EQ(TabPieceRect(item, true, 1), (Rect{8, 1, 62, 24}));
  EXPECT_EQ(TabPieceRect(item, true, 2), (Rect{8, 0, 61, 24}));
  EXPECT_EQ(TabPieceRect(item, true, 3), (Rect{9, 0, 62, 24}));
  const std::vector<Rect> top{item};
  EXPECT_GT(TabPieceRect(item, true, 0).bottom, TabBodyRect(200, 150, top, 0).top);
  const std::vector<Rect> bottom{{10, 128, 60, 148}};
  EXPECT_LT(TabPieceRect(bottom[0], true, 1).top, TabBodyRect(200, 150, bottom, 1).bottom);
}

TEST(Tabs, TabSetTabsHangUnderThePageEdgeAndTheSelectedOneReachesThePage) {
  const Rect item{10, 0, 60, 20};
  EXPECT_EQ(TabSetPieceRect(item, false, 2), (Rect{10, 2, 60, 20}));
  EXPECT_EQ(TabSetPieceRect(item, true, 2), (Rect{8, 0, 62, 22}));
  // Without an edge strip the tabs start at the top.
  EXPECT_EQ(TabSetPieceRect(item, false, 0), item);
}

#include <gtest/gtest.h>

#include "skin/form/core/frame_paint.h"
#include "unit/skin_draw/pictures.h"

namespace kq::skin {
namespace {

using test::Canvas;
using test::Lines;
using test::Picture;
using test::Rows;

// A tiny skin: one-pixel sides with caps, a two-row caption, a one-row bottom.
struct TinySkin {
  Bitmap left = Picture({"l", "m", "n"});
  Bitmap right = Picture({"r", "s", "t"});
  Bitmap top = Picture({"aTb", "cUd"});
  Bitmap bottom = Picture({"eBf"});
  FrameSkin skin() const {
    FrameSkin s;
    s.left = BorderPiece{&left, 1, Margins{0, 1, 0, 1}, 1, 0};
    s.right = BorderPiece{&right, 1, Margins{0, 1, 0, 1}, 1, 0};
    s.top = BorderPiece{&top, 1, Margins{1, 0, 1, 0}, 1, 0};
    s.bottom = BorderPiece{&bottom, 1, Margins{1, 0, 1, 0}, 1, 0};
    return s;
  }
};
constexpr Margins kWidths{1, 2, 1, 1};

TEST(ComposeFrame, PiecesGoRoundTheClientAndTheCaptionTakesTheSideEnds) {
  const TinySkin t;
  Bitmap out = Canvas(8, 6, 'z');
  ComposeFrame(out, t.skin(), kWidths, true);
  EXPECT_EQ(Rows(out), Lines({"laTTTTbr",  //
                              "mcUUUUds",  //
                              "mzzzzzzs",  //
                              "mzzzzzzs",  //
                              "mzzzzzzs",  //
                              "neBBBBft"}));
}

TEST(ComposeFrame, InactiveWindowsUseTheSecondFrameOfPiecesThatHaveOne) {
  // Left and right: two frames side by side; top and bottom: two stacked frames.
  const Bitmap left = Picture({"lL", "mN", "nO"});
  const Bitmap right = Picture({"r"});  // one frame: the same in both states
  const Bitmap top = Picture({"aTb", "cUd", "AxB", "CyD"});
  const Bitmap bottom = Picture({"eBf", "EbF"});
  FrameSkin s;
  s.left = BorderPiece{&left, 2, Margins{0, 1, 0, 1}, 1, 0};
  s.right = BorderPiece{&right, 1, Margins{}, 1, 0};
  s.top = BorderPiece{&top, 2, Margins{1, 0, 1, 0}, 1, 0};
  s.bottom = BorderPiece{&bottom, 2, Margins{1, 0, 1, 0}, 1, 0};
  Bitmap active = Canvas(6, 5, 'z'), inactive = Canvas(6, 5, 'z');
  ComposeFrame(active, s, kWidths, true);
  ComposeFrame(inactive, s, kWidths, false);
  EXPECT_EQ(Rows(active), Lines({"laTTbr", "mcUUdr", "mzzzzr", "mzzzzr", "neBBfr"}));
  EXPECT_EQ(Rows(inactive), Lines({"LAxxBr", "NCyyDr", "Nzzzzr", "Nzzzzr", "OEbbFr"}));
}

TEST(BorderPiece, StretchKeyOneStretchesAnyOtherValueTiles) {
  const Bitmap left = Picture({"a", "m", "o", "z"});
  BorderPiece p{&left, 1, Margins{0, 1, 0, 1}, 1, 0};
  EXPECT_EQ(Rows(RenderBorderPiece(p, FramePart::Left, 1, 7, true)),
            Lines({"a", "m", "m", "m", "o", "o", "z"}));
  p.tile = 0;
  EXPECT_EQ(Rows(RenderBorderPiece(p, FramePart::Left, 1, 7, true)),
            Lines({"a", "m", "o", "m", "o", "m", "z"}));
  p.tile = 2;
  EXPECT_EQ(Rows(RenderBorderPiece(p, FramePart::Left, 1, 7, true)),
            Lines({"a", "m", "o", "m", "o", "m", "z"}));
}

TEST(BorderPiece, FrameChoiceAndEmptyOrMissingImages) {
  const Bitmap two(4, 2);
  EXPECT_EQ(BorderPieceFrame(BorderPiece{&two, 2, {}, 1, 0}, true), 1);
  EXPECT_EQ(BorderPieceFrame(BorderPiece{&two, 2, {}, 1, 0}, false), 2);
  EXPECT_EQ(BorderPieceFrame(BorderPiece{&two, 1, {}, 1, 0}, false), 1);
  EXPECT_EQ(BorderPieceFrame(BorderPiece{&two, 0, {}, 1, 0}, false), 1);
  // A skin without the image gives a black piece of the right size, never garbage.
  const Bitmap none = RenderBorderPiece(BorderPiece{}, FramePart::Top, 5, 3, true);
  EXPECT_EQ(Rows(none), Lines({".....", ".....", "....."}));
  EXPECT_TRUE(RenderBorderPiece(BorderPiece{}, FramePart::Top, 0, 3, true).Empty());
}

TEST(BorderPiece, DrawingSkipsRectanglesOffTheTopOrLeftAndClipsTheRest) {
  const Bitmap img = Picture({"q"});
  const BorderPiece p{&img, 1, {}, 1, 0};
  Bitmap out = Canvas(3, 2, 'z');
  DrawBorderPiece(out, p, FramePart::Left, Rect{-5, 0, -1, 2}, true);
  DrawBorderPiece(out, p, FramePart::Left, Rect{0, -3, 2, -1}, true);
  DrawBorderPiece(out, p, FramePart::Left, Rect{2, 1, 1, 2}, true);  // inverted
  EXPECT_EQ(Rows(out), Lines({"zzz", "zzz"}));
  DrawBorderPiece(out, p, FramePart::Left, Rect{-1, 1, 2, 9}, true);
  EXPECT_EQ(Rows(out), Lines({"zzz", "qqz"}));
}

TEST(FrameLayout, WhereEachPartGoes) {
  const FrameRects r = LayoutFrame(300, 200, Margins{4, 30, 6, 5}, 19);
  EXPECT_EQ(r.left, (Rect{0, 0, 4, 200}));
  EXPECT_EQ(r.right, (Rect{294, 0, 300, 200}));
  EXPECT_EQ(r.bottom, (Rect{4, 195, 294, 200}));
  EXPECT_EQ(r.caption, (Rect{0, 0, 300, 30}));
  EXPECT_EQ(r.top, (Rect{4, 0, 294, 30}));
  EXPECT_EQ(r.menuBar, (Rect{4, 30, 294, 49}));
  EXPECT_EQ(r.client, (Rect{4, 49, 294, 195}));
}

TEST(CaptionBack, ThreeSliceKeyedWithTheActiveOrInactiveFrame) {
  // Two stacked frames, caps 1 and 1, magenta ends.
  const Bitmap back = Picture({"MaxbM", "MAXBM"});
  Bitmap strip = Canvas(9, 2, 'z');
  DrawCaptionBack(strip, back, Rect{1, 0, 8, 2}, 1, 1, true);
  EXPECT_EQ(Rows(strip), Lines({"zzaxbaxzz", "zzaxbaxzz"}));
  strip = Canvas(9, 1, 'z');
  DrawCaptionBack(strip, back, Rect{1, 0, 8, 1}, 1, 1, false);
  EXPECT_EQ(Rows(strip), Lines({"zzAXBAXzz"}));
  strip = Canvas(3, 1, 'z');
  DrawCaptionBack(strip, Bitmap(), Rect{0, 0, 3, 1}, 1, 1, true);
  EXPECT_EQ(Rows(strip), Lines({"zzz"}));
}

}  // namespace
}  // namespace kq::skin

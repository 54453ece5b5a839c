#include "skin/draw/skin_frame.h"

#include <gtest/gtest.h>

#include "unit/skin_draw/pictures.h"

namespace kq {
namespace {

using test::Canvas;
using test::Lines;
using test::Picture;
using test::Rows;

TEST(DrawHorzThreeSlice, RepeatsTheMiddleBetweenCapsStretchedToTheHeight) {
  // Caps "ab" and "f", middle "cde".
  const Bitmap image = Picture({"abcdef", "ghijkl"});
  Bitmap canvas = Canvas(12, 4, 'z');
  DrawHorzThreeSlice(canvas, Rect{1, 0, 11, 3}, image, Layout::SideBySide, Blend::Opaque, 1, 1,
                     Margins{2, 9, 1, 9});
  // Middle from x = 2: cde cde c, the last copy cut by the right cap.
  EXPECT_EQ(Rows(canvas), Lines({"zabcdecdecfz",  //
                                 "zabcdecdecfz",  //
                                 "zghijkijkilz",  //
                                 "zzzzzzzzzzzz"}));
}

TEST(DrawHorzThreeSlice, UsesStackedFramesAndTheKey) {
  const Bitmap image = Picture({"MabM", "cdef"});
  Bitmap canvas = Canvas(6, 1, 'z');
  DrawHorzThreeSlice(canvas, Rect{0, 0, 6, 1}, image, Layout::Stacked, Blend::Keyed, 2, 1,
                     Margins{1, 0, 1, 0});
  EXPECT_EQ(Rows(canvas), Lines({"zababz"}));
  DrawHorzThreeSlice(canvas, Rect{0, 0, 6, 1}, image, Layout::Stacked, Blend::Opaque, 2, 2,
                     Margins{1, 0, 1, 0});
  EXPECT_EQ(Rows(canvas), Lines({"cdedef"}));
}

TEST(DrawHorzThreeSlice, CapsFillingTheFrameStretchTheirSeamAcrossTheMiddle) {
  const Bitmap image = Picture({"abcd"});
  Bitmap canvas = Canvas(8, 1, 'z');
  DrawHorzThreeSlice(canvas, Rect{0, 0, 8, 1}, image, Layout::SideBySide, Blend::Opaque, 1, 1,
                     Margins{2, 0, 2, 0});
  EXPECT_EQ(Rows(canvas), Lines({"abbbbbcd"}));
  // Caps wider than the frame: the seam is the left cap's last column.
  DrawHorzThreeSlice(canvas, Rect{0, 0, 8, 1}, image, Layout::SideBySide, Blend::Opaque, 1, 1,
                     Margins{3, 0, 3, 0});
  EXPECT_EQ(Rows(canvas), Lines({"abcccbcd"}));
  // Caps together wider than the target: the right cap wins where they meet.
  DrawHorzThreeSlice(canvas, Rect{0, 0, 3, 1}, image, Layout::SideBySide, Blend::Opaque, 1, 1,
                     Margins{2, 0, 2, 0});
  EXPECT_EQ(Rows(canvas), Lines({"acdccbcd"}));
  DrawHorzThreeSlice(canvas, Rect{3, 0, 0, 1}, image, Layout::SideBySide, Blend::Opaque, 1, 1,
                     Margins{2, 0, 2, 0});
  EXPECT_EQ(Rows(canvas), Lines({"acdccbcd"}));
}

TEST(DrawSkinFrame, StretchesOneFrameOfAStrip) {
  const Bitmap strip = Picture({"abMdef", "ghijkl"});
  Bitmap dc = Canvas(5, 4, 'z');
  DrawSkinFrame(dc, Rect{1, 0, 4, 4}, strip, Blend::Keyed, 2, 1);
  EXPECT_EQ(Rows(dc), Lines({"zabzz", "zabzz", "zghiz", "zghiz"}));
  DrawSkinFrame(dc, Rect{0, 0, 2, 1}, strip, Blend::Keyed, 2, 2);
  DrawSkinFrame(dc, Rect{2, 3, 5, 4}, strip, Blend::Opaque, 2, 1);
  EXPECT_EQ(Rows(dc), Lines({"efbzz", "zabzz", "zghiz", "zgabM"}));
  DrawSkinFrame(dc, Rect{3, 0, 1, 4}, strip, Blend::Opaque, 2, 1);
  DrawSkinFrame(dc, Rect{0, 0, 5, 4}, strip, Blend::Opaque, 2, 3);
  EXPECT_EQ(Rows(dc)[0], "efbzz");
}

TEST(DrawSkinFrameCentred, CentresTheFrameUnscaledAndLetsALargerFrameOverhang) {
  const Bitmap strip = Picture({"abMd", "efgh"});
  Bitmap dc = Canvas(5, 5, 'z');
  DrawSkinFrameCentred(dc, Rect{0, 0, 5, 5}, strip, Blend::Keyed, 2, 2);
  EXPECT_EQ(Rows(dc), Lines({"zzzzz", "zzdzz", "zghzz", "zzzzz", "zzzzz"}));
  // 2 x 2 in a 1 x 1 rectangle: (1 - 2) / 2 is 0, so it hangs right and down, cut by the dc.
  DrawSkinFrameCentred(dc, Rect{4, 0, 5, 1}, strip, Blend::Opaque, 2, 1);
  DrawSkinFrameCentred(dc, Rect{3, 3, 4, 4}, strip, Blend::Opaque, 2, 1);
  DrawSkinFrameCentred(dc, Rect{3, 3, 1, 1}, strip, Blend::Opaque, 2, 2);
  EXPECT_EQ(Rows(dc), Lines({"zzzza", "zzdze", "zghzz", "zzzab", "zzzef"}));
}

}  // namespace
}  // namespace kq

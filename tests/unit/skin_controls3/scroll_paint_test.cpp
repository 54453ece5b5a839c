#include "skin/controls/core/scroll_paint.h"

#include <gtest/gtest.h>

#include "skin/draw/blit.h"

using namespace kq;
using namespace kq::skin;

namespace {

// A strip of `count` frames `size` square, frame k (from 1) filled with colour(k).
TDataSkinObject Strip(int count, int size, Color (*colour)(int)) {
  TDataSkinObject o;
  o.Bitmap = Bitmap(count * size, size);
  for (int k = 1; k <= count; ++k)
    FillRect(o.Bitmap, Rect{(k - 1) * size, 0, k * size, size}, colour(k));
  o.FrameCount = count;
  return o;
}

Color ArrowColour(int k) { return MakeColor(10 * k, 0, 0); }
Color TrackColour(int k) { return MakeColor(0, 40 * k, 0); }
Color ThumbColour(int k) { return MakeColor(0, 0, 60 * k); }
constexpr Color kFace = MakeColor(200, 200, 200);

struct Images {
  TDataSkinObject arrows = Strip(23, 4, ArrowColour);
  TDataSkinObject track = Strip(4, 4, TrackColour);
  TDataSkinObject thumb = Strip(3, 4, ThumbColour);
  ScrollBarImages Get() const { return ScrollBarImages{&arrows, &track, &thumb, kFace}; }
};

ScrollBarPaintInput Vertical10x60() {
  ScrollBarPaintInput in;
  in.width = 10;
  in.height = 60;
  in.vertical = true;
  in.arrowSize = 10;
  in.thumb = ThumbExtent{20, 30};
  in.thumbThickness = 10;
  return in;
}

}  // namespace

TEST(PaintScrollBar, ArrowsTrackAndThumbComeFromTheirFrames) {
  Images img;
  Bitmap canvas(10, 60);
  const ScrollPaintResult r = PaintScrollBar(canvas, LayoutScrollBar(Vertical10x60()), true, {}, img.Get());
  EXPECT_EQ(r.firstArrowFrame, 9);
  EXPECT_EQ(r.lastArrowFrame, 13);
  EXPECT_EQ(canvas.Pixel(5, 5), ArrowColour(9));
  EXPECT_EQ(canvas.Pixel(5, 55), ArrowColour(13));
  EXPECT_EQ(canvas.Pixel(5, 15), TrackColour(1));  // the track before the thumb
  EXPECT_EQ(canvas.Pixel(5, 25), ThumbColour(1));
  EXPECT_EQ(canvas.Pixel(5, 45), TrackColour(1));
}

TEST(PaintScrollBar, PressedArrowAndDraggedThumbUseTheirPressedFrames) {
  Images img;
  Bitmap canvas(10, 60);
  ScrollBarPaintInput in = Vertical10x60();
  in.dragging = true;
  PaintScrollBar(canvas, LayoutScrollBar(in), true, {false, true}, img.Get());
  EXPECT_EQ(canvas.Pixel(5, 5), ArrowColour(9));
  EXPECT_EQ(canvas.Pixel(5, 55), ArrowColour(14));
  EXPECT_EQ(canvas.Pixel(5, 25), ThumbColour(2));

  // Horizontal: left 1 (2 pressed), right 5.
  Bitmap wide(60, 10);
  in = Vertical10x60();
  in.vertical = false;
  in.width = 60;
  in.height = 10;
  PaintScrollBar(wide, LayoutScrollBar(in), false, {true, false}, img.Get());
  EXPECT_EQ(wide.Pixel(5, 5), ArrowColour(2));
  EXPECT_EQ(wide.Pixel(55, 5), ArrowColour(5));
}

TEST(PaintScrollBar, DisabledBarShowsTheDisabledTrackAndNoThumb) {
  Images img;
  Bitmap canvas(10, 60);
  ScrollBarPaintInput in = Vertical10x60();
  in.enabled = false;
  PaintScrollBar(canvas, LayoutScrollBar(in), true, {}, img.Get());
  for (int y = 10; y < 50; ++y) EXPECT_EQ(canvas.Pixel(5, y), TrackColour(3)) << y;
}

TEST(PaintScrollBar, ShortBarHasHalfLengthArrowsAndNoTrack) {
  Images img;
  Bitmap canvas(10, 15);
  ScrollBarPaintInput in = Vertical10x60();
  in.height = 15;
  in.thumb = ThumbExtent{10, 10};
  PaintScrollBar(canvas, LayoutScrollBar(in), true, {}, img.Get());
  EXPECT_EQ(canvas.Pixel(5, 0), ArrowColour(9));
  EXPECT_EQ(canvas.Pixel(5, 6), ArrowColour(9));
  EXPECT_EQ(canvas.Pixel(5, 7), kFace);  // the odd pixel between the two 7-pixel arrows
  EXPECT_EQ(canvas.Pixel(5, 8), ArrowColour(13));
  EXPECT_EQ(canvas.Pixel(5, 14), ArrowColour(13));
}

TEST(PaintScrollBar, MagentaInTheArrowsLetsTheFaceThroughAndMissingImagesLeaveTheFace) {
  Images img;
  // Frame 9 gets a magenta top-left quarter.
  FillRect(img.arrows.Bitmap, Rect{8 * 4, 0, 8 * 4 + 2, 2}, kTransparentKey);
  Bitmap canvas(10, 60);
  PaintScrollBar(canvas, LayoutScrollBar(Vertical10x60()), true, {}, img.Get());
  EXPECT_EQ(canvas.Pixel(0, 0), kFace);
  EXPECT_EQ(canvas.Pixel(9, 9), ArrowColour(9));

  ScrollBarImages none;
  none.face = kFace;
  PaintScrollBar(canvas, LayoutScrollBar(Vertical10x60()), true, {}, none);
  for (int y = 0; y < 60; y += 7) EXPECT_EQ(canvas.Pixel(5, y), kFace);
}

#include <gtest/gtest.h>

#include "skin/form/core/caption_text.h"

namespace kq::skin {
namespace {

// A caption between a 4-pixel left and a 6-pixel right piece of a 300-pixel window.
CaptionTextInput Input(int textWidth, int textHeight = 14) {
  CaptionTextInput in;
  in.caption = Rect{4, 0, 294, 30};
  in.textWidth = textWidth;
  in.textHeight = textHeight;
  return in;
}

CaptionTextStyle Style(int alignment) {
  CaptionTextStyle s;
  s.textShift = 22;
  s.textShiftVert = 2;
  s.textRightClip = 70;
  s.textAlignment = alignment;
  return s;
}

TEST(CaptionText, DecorationIsOneBlankBeforeAndTwoAfter) {
  EXPECT_EQ(DecorateCaption(L"注意"), L" 注意  ");
  EXPECT_EQ(DecorateCaption(L""), L"   ");
}

TEST(CaptionText, HorizontalPlacementForEachAlignment) {
  // 0: TextShift from the caption's left.
  EXPECT_EQ(PlaceCaptionText(Style(0), Input(100)).text, (Rect{26, 9, 126, 23}));
  // 1: centred in the caption: (290 - 100) div 2 = 95.
  EXPECT_EQ(PlaceCaptionText(Style(1), Input(100)).text, (Rect{99, 9, 199, 23}));
  // 2: ends TextRightClip before the caption's right.
  EXPECT_EQ(PlaceCaptionText(Style(2), Input(100)).text, (Rect{124, 9, 224, 23}));
  // Other values start at the caption's left.
  EXPECT_EQ(PlaceCaptionText(Style(3), Input(100)).text, (Rect{4, 9, 104, 23}));
  EXPECT_EQ(PlaceCaptionText(Style(-1), Input(100)).text, (Rect{4, 9, 104, 23}));
  // Right-to-left windows always align right.
  for (int a : {0, 1, 2, 3}) {
    CaptionTextInput in = Input(100);
    in.rightToLeft = true;
    EXPECT_EQ(PlaceCaptionText(Style(a), in).text, (Rect{124, 9, 224, 23})) << a;
  }
}

TEST(CaptionText, TheBackgroundCapsWidenTheTextAndAreLeftOutOfWhatIsDrawn) {
  CaptionTextStyle s = Style(1);
  s.textBackLeft = 6;
  s.textBackRight = 4;
  const CaptionTextPlacement p = PlaceCaptionText(s, Input(100));
  // Width 110, centred: (290 - 110) div 2 = 90.
  EXPECT_EQ(p.text, (Rect{94, 9, 204, 23}));
  EXPECT_EQ(p.back, (Rect{94, 0, 204, 30}));
  EXPECT_EQ(p.draw, (Rect{100, 9, 200, 23}));
}

TEST(CaptionText, VerticalOffsetHalvesTowardZero) {
  CaptionTextStyle s = Style(0);
  s.textShiftVert = 3;  // 3 div 2 = 1
  EXPECT_EQ(PlaceCaptionText(s, Input(10, 15)).text.top, (30 - 15) / 2 + 1);
  s.textShiftVert = -3;  // -1, not -2
  EXPECT_EQ(PlaceCaptionText(s, Input(10, 15)).text.top, 7 - 1);
  // A text taller than the caption starts above it: -5 div 2 = -2.
  s.textShiftVert = 0;
  EXPECT_EQ(PlaceCaptionText(s, Input(10, 35)).text.top, -2);
}

TEST(CaptionText, LongTextsAreCutBeforeTextRightClip) {
  const CaptionTextPlacement p = PlaceCaptionText(Style(0), Input(400));
  EXPECT_EQ(p.text, (Rect{26, 9, 224, 23}));
  EXPECT_EQ(p.draw.right, 224);
  // Short texts are not widened to the clip.
  EXPECT_EQ(PlaceCaptionText(Style(0), Input(50)).text.right, 76);
}

TEST(CaptionText, PopupsEndTheirTextFiveBeforeTheRightmostButton) {
  CaptionTextInput in = Input(400);
  in.popup = true;
  in.rightmostButtonLeft = 250;
  EXPECT_EQ(PlaceCaptionText(Style(0), in).text.right, 245);
  // Popups ignore TextRightClip: a short text keeps its width.
  in.textWidth = 100;
  EXPECT_EQ(PlaceCaptionText(Style(0), in).text.right, 126);
  // Without a right-aligned button (edge 5 or less) a popup's text runs to the caption's end.
  in.textWidth = 400;
  in.rightmostButtonLeft = 5;
  EXPECT_EQ(PlaceCaptionText(Style(0), in).text.right, 294);
}

TEST(CaptionText, DialogFramesStartLeftAlignedTextSixteenPixelsFurtherLeft) {
  CaptionTextInput in = Input(100);
  in.dialogFrame = true;
  EXPECT_EQ(PlaceCaptionText(Style(0), in).text, (Rect{10, 9, 126, 23}));
  EXPECT_EQ(PlaceCaptionText(Style(1), in).text, (Rect{99, 9, 199, 23}));
}

TEST(CaptionText, NeverStartsLeftOfTheCaption) {
  // A centred text wider than the caption would begin over the left frame piece.
  const CaptionTextPlacement centred = PlaceCaptionText(Style(1), Input(400));
  EXPECT_EQ(centred.text.left, 4);
  EXPECT_EQ(centred.text.right, 224);
  CaptionTextStyle small = Style(0);
  small.textShift = 6;
  CaptionTextInput in = Input(100);
  in.dialogFrame = true;
  EXPECT_EQ(PlaceCaptionText(small, in).text.left, 4);
  // Right-to-left text that does not fit ends in the ellipsis on the left clip too.
  in = Input(400);
  in.rightToLeft = true;
  EXPECT_EQ(PlaceCaptionText(Style(0), in).text, (Rect{4, 9, 224, 23}));
}

}  // namespace
}  // namespace kq::skin

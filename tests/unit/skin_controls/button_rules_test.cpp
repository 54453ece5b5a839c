#include "skin/controls/core/button_rules.h"

#include <gtest/gtest.h>

#include <string>

using namespace kq::skin;

TEST(PushButtonFrame, OrderOfStates) {
  //                         pressed hot  default focused enabled
  EXPECT_EQ(PushButtonFrame(false, false, false, false, true), 1);
  EXPECT_EQ(PushButtonFrame(true, true, true, true, true), 2);
  EXPECT_EQ(PushButtonFrame(false, true, true, true, true), 4);
  // A default button with the focus shows 5, not 4.
  EXPECT_EQ(PushButtonFrame(false, false, true, true, true), 5);
  EXPECT_EQ(PushButtonFrame(false, false, false, true, true), 4);
  // Disabled overrides everything.
  EXPECT_EQ(PushButtonFrame(true, true, true, true, false), 3);
  EXPECT_EQ(PushButtonFrame(false, false, false, false, false), 3);
}

TEST(BitButtonFrame, FocusComesBeforeDefault) {
  //                        pressed hot  focused default enabled
  EXPECT_EQ(BitButtonFrame(false, false, false, false, true), 1);
  EXPECT_EQ(BitButtonFrame(false, false, true, true, true), 4);
  EXPECT_EQ(BitButtonFrame(false, true, false, true, true), 4);
  EXPECT_EQ(BitButtonFrame(false, false, false, true, true), 5);
  EXPECT_EQ(BitButtonFrame(true, true, true, true, true), 2);
  EXPECT_EQ(BitButtonFrame(true, false, false, false, false), 3);
}

TEST(SpeedButtonFrame, DownWinsOverDisabled) {
  //                          pressed hot  down  enabled
  EXPECT_EQ(SpeedButtonFrame(false, false, false, true), 1);
  EXPECT_EQ(SpeedButtonFrame(false, true, false, true), 4);
  EXPECT_EQ(SpeedButtonFrame(true, true, false, true), 2);
  EXPECT_EQ(SpeedButtonFrame(false, false, true, true), 2);
  EXPECT_EQ(SpeedButtonFrame(false, false, true, false), 2);
  EXPECT_EQ(SpeedButtonFrame(true, true, false, false), 3);
}

TEST(SpeedButtonFrame, FlatAtRestDrawsNoFrame) {
  EXPECT_FALSE(SpeedButtonDrawsFrame(1, true));
  EXPECT_TRUE(SpeedButtonDrawsFrame(1, false));
  for (int f : {2, 3, 4}) EXPECT_TRUE(SpeedButtonDrawsFrame(f, true)) << f;
}

TEST(Glyphs, StateAndCell) {
  EXPECT_EQ(GlyphState(1), 1);
  EXPECT_EQ(GlyphState(2), 3);
  EXPECT_EQ(GlyphState(3), 2);
  EXPECT_EQ(GlyphState(4), 1);
  EXPECT_EQ(GlyphState(5), 1);
  // Four cells: one per state.
  EXPECT_EQ(GlyphCell(1, 4), 0);
  EXPECT_EQ(GlyphCell(2, 4), 1);
  EXPECT_EQ(GlyphCell(3, 4), 2);
  // Any other count: always the first cell (a disabled one is grayed from it).
  for (int n : {1, 2, 3, 5}) EXPECT_EQ(GlyphCell(2, n), 0) << n;
  EXPECT_EQ(EffectiveNumGlyphs(0), 1);
  EXPECT_EQ(EffectiveNumGlyphs(-3), 1);
  EXPECT_EQ(EffectiveNumGlyphs(2), 2);
}

TEST(Captions, DoubleBarsBreakLines) {
  EXPECT_EQ(CaptionLines(std::wstring(L"确定||取消")), L"确定\r\n取消");
  EXPECT_EQ(CaptionLines(std::string("a||b||c")), "a\r\nb\r\nc");
  EXPECT_EQ(CaptionLines(std::string("a|b")), "a|b");
  EXPECT_EQ(CaptionLines(std::string("a|||b")), "a\r\n|b");
  EXPECT_EQ(CaptionLines(std::string("||")), "\r\n");
  EXPECT_EQ(CaptionLines(std::string("")), "");
}

TEST(CentredText, OnePixelAboveTheCentre) {
  kq::Rect r = CentredTextBox(kq::Rect{0, 0, 75, 25}, 30, 13, true);
  EXPECT_EQ(r, (kq::Rect{22, 5, 52, 18}));
  r = CentredTextBox(kq::Rect{10, 20, 85, 45}, 30, 13, false);
  EXPECT_EQ(r, (kq::Rect{10, 25, 85, 38}));
  // Text taller than the box: the halves round toward zero (-3 / 2 = -1).
  r = CentredTextBox(kq::Rect{0, 0, 20, 10}, 30, 13, true);
  EXPECT_EQ(r.left, -5);
  EXPECT_EQ(r.top, -2);
}

namespace {

GlyphLayoutInput Button(GlyphLayout layout, int margin, int spacing) {
  GlyphLayoutInput in;
  in.width = 75;
  in.height = 25;
  in.glyphWidth = 16;
  in.glyphHeight = 16;
  in.textWidth = 30;
  in.textHeight = 13;
  in.margin = margin;
  in.spacing = spacing;
  in.layout = layout;
  return in;
}

}  // namespace

TEST(BitButtonGlyph, LeftCentredWithSpacing) {
  GlyphPlacement p = PlaceBitButtonGlyph(Button(GlyphLayout::Left, -1, 4));
  EXPECT_EQ(p.glyphX, 12);  // (75 - (16 + 4 + 30)) / 2
  EXPECT_EQ(p.glyphY, 5);   // (25 - 16 + 1) / 2
  EXPECT_EQ(p.text, (kq::Rect{32, 6, 62, 19}));
  EXPECT_EQ(p.textFlags, kDtWordBreak);
}

TEST(BitButtonGlyph, MarginAndSpacingBothComputed) {
  GlyphPlacement p = PlaceBitButtonGlyph(Button(GlyphLayout::Left, -1, -1));
  EXPECT_EQ(p.glyphX, 9);        // (75 - 46) / 3
  EXPECT_EQ(p.text.left, 34);    // 9 + 16 + 9
}

TEST(BitButtonGlyph, GivenMarginComputedSpacing) {
  GlyphPlacement p = PlaceBitButtonGlyph(Button(GlyphLayout::Left, 2, -1));
  EXPECT_EQ(p.glyphX, 2);
  EXPECT_EQ(p.text.left, 31);  // spacing ((75 - 18) - 30) / 2 = 13
}

TEST(BitButtonGlyph, GlyphRight) {
  GlyphPlacement p = PlaceBitButtonGlyph(Button(GlyphLayout::Right, 2, 4));
  EXPECT_EQ(p.glyphX, 57);
  EXPECT_EQ(p.text.left, 23);
  EXPECT_EQ(p.textFlags, kDtRight | kDtWordBreak);
}

TEST(BitButtonGlyph, GlyphTopAndBottom) {
  GlyphLayoutInput in = Button(GlyphLayout::Top, -1, 4);
  in.width = in.height = 60;
  GlyphPlacement p = PlaceBitButtonGlyph(in);
  EXPECT_EQ(p.glyphX, 22);  // (60 - 16 + 1) / 2
  EXPECT_EQ(p.glyphY, 13);  // (60 - (16 + 4 + 13)) / 2
  EXPECT_EQ(p.text, (kq::Rect{15, 33, 45, 46}));
  EXPECT_EQ(p.textFlags, kDtCenter | kDtWordBreak);

  in.layout = GlyphLayout::Bottom;
  p = PlaceBitButtonGlyph(in);
  EXPECT_EQ(p.glyphY, 31);  // 60 - 13 - 16
  EXPECT_EQ(p.text.top, 14);  // 31 - 4 - 13
  EXPECT_EQ(p.textFlags, kDtCenter | kDtWordBreak);
}

TEST(BitButtonGlyph, AlignmentCentreCentresDespiteAMargin) {
  GlyphLayoutInput in = Button(GlyphLayout::Left, 2, 4);
  in.alignCentre = true;
  EXPECT_EQ(PlaceBitButtonGlyph(in).glyphX, 12);
  // The speed button has no Alignment.
  EXPECT_EQ(PlaceSpeedButtonGlyph(in).glyphX, 2);
}

TEST(BitButtonGlyph, NoTextMeansNoSpacing) {
  GlyphLayoutInput in = Button(GlyphLayout::Left, -1, 4);
  in.textWidth = in.textHeight = 0;
  GlyphPlacement p = PlaceBitButtonGlyph(in);
  EXPECT_EQ(p.glyphX, 29);  // (75 - 16) / 2
  EXPECT_EQ(p.text.left, 45);
  // No glyph either: spacing 0 again.
  in.glyphWidth = in.glyphHeight = 0;
  in.textWidth = 30;
  in.textHeight = 13;
  p = PlaceBitButtonGlyph(in);
  EXPECT_EQ(p.text.left, 22);
}

TEST(BitButtonGlyph, NegativeHalvesRoundTowardZero) {
  GlyphLayoutInput in = Button(GlyphLayout::Left, -1, 4);
  in.width = 20;
  in.textWidth = 31;
  EXPECT_EQ(PlaceBitButtonGlyph(in).glyphX, -15);  // -31 / 2
}

TEST(SpeedButtonGlyph, GivenSpacingAddsOnePixel) {
  GlyphPlacement p = PlaceSpeedButtonGlyph(Button(GlyphLayout::Left, -1, 4));
  EXPECT_EQ(p.glyphX, 13);
  EXPECT_EQ(p.text.left, 33);
  EXPECT_EQ(p.textFlags, 0u);
  // Computed spacing: no extra pixel.
  EXPECT_EQ(PlaceSpeedButtonGlyph(Button(GlyphLayout::Left, -1, -1)).glyphX, 9);
  p = PlaceSpeedButtonGlyph(Button(GlyphLayout::Right, 2, 4));
  EXPECT_EQ(p.textFlags, kDtRight);
  p = PlaceSpeedButtonGlyph(Button(GlyphLayout::Top, 2, 4));
  EXPECT_EQ(p.textFlags, kDtCenter);
}

TEST(GlyphAndText, StartByLayout) {
  EXPECT_EQ(GlyphAndTextStart(0, 100, 16, 40), 2);
  EXPECT_EQ(GlyphAndTextStart(1, 100, 16, 40), 22);
  EXPECT_EQ(GlyphAndTextStart(2, 100, 16, 40), 42);
  EXPECT_EQ(GlyphAndTextStart(1, 50, 16, 40), 2);
  EXPECT_EQ(GlyphAndTextStart(2, 50, 16, 40), 2);
}

#include "skin/controls/core/check_rules.h"

#include <gtest/gtest.h>

using namespace kq;
using namespace kq::skin;

namespace {

CheckBoxState Box(bool checked, bool indeterminate, bool disabled) {
  CheckBoxState s;
  s.checked = checked;
  s.indeterminate = indeterminate;
  s.disabled = disabled;
  return s;
}

}  // namespace

TEST(CheckBoxFrame, FourFramesFromTheButtonState) {
  EXPECT_EQ(CheckBoxFrame(Box(false, false, false), 4), 1);
  EXPECT_EQ(CheckBoxFrame(Box(true, false, false), 4), 2);
  EXPECT_EQ(CheckBoxFrame(Box(false, false, true), 4), 3);
  EXPECT_EQ(CheckBoxFrame(Box(true, false, true), 4), 4);
  // Indeterminate is 4 whether enabled or not, and whatever BST_CHECKED says.
  EXPECT_EQ(CheckBoxFrame(Box(false, true, false), 4), 4);
  EXPECT_EQ(CheckBoxFrame(Box(false, true, true), 4), 4);
  EXPECT_EQ(CheckBoxFrame(Box(true, true, true), 4), 4);
}

TEST(CheckBoxFrame, StatePropertyWinsOverTheButtonState) {
  CheckBoxState s = Box(true, false, false);
  s.stateProp = L"cbUnchecked";
  EXPECT_EQ(CheckBoxFrame(s, 4), 1);  // "uncheck" before "check"
  s = Box(false, false, false);
  s.stateProp = L"cbChecked";
  EXPECT_EQ(CheckBoxFrame(s, 4), 2);
  s.stateProp = L"CBGRAYED";
  EXPECT_EQ(CheckBoxFrame(s, 4), 4);
  // Grayed and disabled without BST_INDETERMINATE goes past a four-frame image.
  s.disabled = true;
  EXPECT_EQ(CheckBoxFrame(s, 4), 6);
  EXPECT_EQ(FitFrame(CheckBoxFrame(s, 4), 4), 4);
  // A state name the rule does not know keeps the button state.
  s = Box(true, false, false);
  s.stateProp = L"cbSomething";
  EXPECT_EQ(CheckBoxFrame(s, 4), 2);
  // "State" is asked before "Checked".
  s = Box(false, false, false);
  s.stateProp = L"cbChecked";
  s.checkedProp = L"False";
  EXPECT_EQ(CheckBoxFrame(s, 4), 2);
}

TEST(CheckBoxFrame, CheckedPropertyWithoutState) {
  CheckBoxState s = Box(false, false, false);
  s.checkedProp = L"True";
  EXPECT_EQ(CheckBoxFrame(s, 4), 2);
  s.disabled = true;
  EXPECT_EQ(CheckBoxFrame(s, 4), 4);
  s = Box(true, false, false);
  s.checkedProp = L"False";
  EXPECT_EQ(CheckBoxFrame(s, 4), 1);
  s.checkedProp = L"";
  EXPECT_EQ(CheckBoxFrame(s, 4), 1);
}

TEST(CheckBoxFrame, TwelveFramesAreRemapped) {
  EXPECT_EQ(CheckBoxFrame(Box(false, false, false), 12), 1);
  EXPECT_EQ(CheckBoxFrame(Box(true, false, false), 12), 5);
  EXPECT_EQ(CheckBoxFrame(Box(false, false, true), 12), 4);
  EXPECT_EQ(CheckBoxFrame(Box(true, false, true), 12), 8);
  EXPECT_EQ(CheckBoxFrame(Box(false, true, false), 12), 9);
  EXPECT_EQ(CheckBoxFrame(Box(false, true, true), 12), 12);
  // Grayed through "State" (not indeterminate) and enabled: 4 -> 8.
  CheckBoxState s = Box(false, false, false);
  s.stateProp = L"cbGrayed";
  EXPECT_EQ(CheckBoxFrame(s, 12), 8);
  // Other counts are not remapped.
  EXPECT_EQ(CheckBoxFrame(Box(true, false, false), 11), 2);
  EXPECT_EQ(CheckBoxFrame(Box(false, true, false), 8), 4);
}

TEST(RadioButtonFrame, FourAndEightFrames) {
  EXPECT_EQ(RadioButtonFrame(false, std::nullopt, false, 4), 1);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, false, 4), 2);
  EXPECT_EQ(RadioButtonFrame(false, std::nullopt, true, 4), 3);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, true, 4), 4);
  EXPECT_EQ(RadioButtonFrame(false, std::nullopt, false, 8), 1);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, false, 8), 5);
  EXPECT_EQ(RadioButtonFrame(false, std::nullopt, true, 8), 4);
  EXPECT_EQ(RadioButtonFrame(true, std::nullopt, true, 8), 8);
  // The published "Checked" decides over BM_GETCHECK.
  EXPECT_EQ(RadioButtonFrame(false, L"true", false, 4), 2);
  EXPECT_EQ(RadioButtonFrame(true, L"False", false, 4), 1);
  EXPECT_EQ(RadioButtonFrame(true, L"False", true, 8), 4);
}

TEST(FitFrame, KeepsFramesInsideTheImage) {
  EXPECT_EQ(FitFrame(3, 4), 3);
  EXPECT_EQ(FitFrame(6, 4), 4);
  EXPECT_EQ(FitFrame(2, 0), 1);
  EXPECT_EQ(FitFrame(0, 4), 1);
}

TEST(PlaceCheckCell, BoxOnTheLeft) {
  const Rect w{0, 0, 100, 21};
  // Check box, 13-pixel cell: left + 1 + (14 - 13) / 2 = 1; vertically (21 - 13) / 2 = 4.
  CheckCellPlace p = PlaceCheckCell(w, 13, 13, false, false);
  EXPECT_EQ(p.cell, (Rect{1, 4, 14, 17}));
  EXPECT_EQ(p.column, (Rect{0, 0, 16, 21}));
  // A wide cell starts 2 pixels in.
  p = PlaceCheckCell(w, 16, 16, false, false);
  EXPECT_EQ(p.cell, (Rect{2, 2, 18, 18}));
  // Radio button: no extra pixel.
  p = PlaceCheckCell(w, 12, 12, false, true);
  EXPECT_EQ(p.cell, (Rect{1, 4, 13, 16}));
  p = PlaceCheckCell(w, 15, 15, false, true);
  EXPECT_EQ(p.cell.left, 0);
  EXPECT_EQ(p.column, (Rect{0, 0, 16, 21}));
}

TEST(PlaceCheckCell, BoxOnTheRight) {
  const Rect w{0, 0, 100, 20};
  // right - (15 - 13) / 2 = 99.
  CheckCellPlace p = PlaceCheckCell(w, 13, 13, true, false);
  EXPECT_EQ(p.cell, (Rect{86, 3, 99, 16}));
  EXPECT_EQ(p.column, (Rect{82, 0, 100, 20}));
  // A 15-pixel check cell is still "narrower than 16": right - 0.
  p = PlaceCheckCell(w, 15, 15, true, false);
  EXPECT_EQ(p.cell.right, 100);
  // For a radio button 15 is wide: right - 1.
  p = PlaceCheckCell(w, 15, 15, true, true);
  EXPECT_EQ(p.cell.right, 99);
  p = PlaceCheckCell(w, 20, 20, true, false);
  EXPECT_EQ(p.cell, (Rect{79, 0, 99, 20}));
}

TEST(PlaceCheckCell, TallerCellThanWindowCentresOnIt) {
  const CheckCellPlace p = PlaceCheckCell(Rect{0, 0, 50, 10}, 13, 13, false, false);
  EXPECT_EQ(p.cell.top, -1);  // (10 - 13) / 2 rounds toward zero
  EXPECT_EQ(p.cell.bottom, 12);
}

namespace {

// A check image of `frames` cells of 3 x 2, cell i filled with colour i + 1.
Bitmap NumberedStrip(int frames) {
  Bitmap b(3 * frames, 2);
  for (int i = 0; i < frames; ++i)
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) b.SetPixel(i * 3 + x, y, static_cast<Color>(i + 1));
  return b;
}

// The colour of each of the nine cells (checked uniform over the cell).
std::vector<Color> Cells(const Bitmap& strip) {
  std::vector<Color> out;
  for (int c = 0; c < 9; ++c) {
    const Color first = strip.Pixel(c * 3, 0);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(strip.Pixel(c * 3 + x, y), first) << "cell " << c;
    out.push_back(first);
  }
  return out;
}

}  // namespace

TEST(BuildCheckGlyphStrip, FourFrameSourceLeavesThreeCellsEmpty) {
  const Bitmap strip = BuildCheckGlyphStrip(NumberedStrip(4), 4);
  ASSERT_EQ(strip.Width(), 27);
  ASSERT_EQ(strip.Height(), 2);
  const Color e = kTransparentKey;
  EXPECT_EQ(Cells(strip), (std::vector<Color>{1, 2, e, 1, 2, e, 3, 4, e}));
}

TEST(BuildCheckGlyphStrip, FiveFrameSourceFillsEveryCell) {
  const Bitmap strip = BuildCheckGlyphStrip(NumberedStrip(5), 5);
  ASSERT_EQ(strip.Width(), 27);
  EXPECT_EQ(Cells(strip), (std::vector<Color>{1, 2, 5, 1, 2, 5, 3, 4, 5}));
}

TEST(BuildCheckGlyphStrip, ShortOrEmptySources) {
  // Two frames: only the cells of source 0 and 1.
  const Color e = kTransparentKey;
  EXPECT_EQ(Cells(BuildCheckGlyphStrip(NumberedStrip(2), 2)),
            (std::vector<Color>{1, 2, e, 1, 2, e, e, e, e}));
  // Six frames: the fifth is not taken (only exactly five count).
  EXPECT_EQ(Cells(BuildCheckGlyphStrip(NumberedStrip(6), 6)),
            (std::vector<Color>{1, 2, e, 1, 2, e, 3, 4, e}));
  EXPECT_TRUE(BuildCheckGlyphStrip(Bitmap(), 4).Empty());
  // A frame count of 0 reads the whole image as one cell.
  const Bitmap one = BuildCheckGlyphStrip(NumberedStrip(1), 0);
  EXPECT_EQ(one.Width(), 27);
  // Narrower than its frame count: no cell at all.
  EXPECT_TRUE(BuildCheckGlyphStrip(Bitmap(3, 2), 4).Empty());
}

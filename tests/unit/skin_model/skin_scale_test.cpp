#include "skin/data/skin_scale.h"

#include <gtest/gtest.h>

#include "skin/data/skin_load.h"
#include "unit/skin_draw/pictures.h"
#include "unit/skin_model/skin_fixture.h"

namespace kq {
namespace {

using test::LiteralSkinFile;
using test::SkinFixture;

// A skin with one of each kind of length: frame edges with caps, caption text placement,
// a caption button, check cells, a group-box label shift and an image object's caps.
SkinFixture LengthsSkin() {
  return SkinFixture(
             "[Personality]\nLeft=l.bmp\nLeftFrame=2\nLeftTopHeight=3\nLeftBotHeight=4\n"
             "Top=t.bmp\nTopFrame=2\nTopTopHeight=5\nTextShift=5\nTextShiftVert=2\n"
             "TextRightClip=125\nTXTBackleft=3\nTXTBackRight=-2\n"
             "[Fonts]\nFontHeight=14\n"
             "[Button.Close]\nAction=0\nXcoord=-22\nYcoord=5\nButtonImage=c.bmp\nframe=3\n"
             "[Buttons]\nCheckButton=check.bmp\nLeftWidth=4\n"
             "[GroupBox]\nImage=g.bmp\nBackgroundLeftShift=6\nBackgroundRightShift=1\n"
             "[MenuItem]\nImage=m.bmp\nLeftWidth=3\nBottomHeight=2\n")
      .Image("l.bmp", 8, 20)
      .Image("t.bmp", 30, 8)
      .Image("c.bmp", 51, 17)
      .Image("check.bmp", 52, 13)
      .Image("g.bmp", 10, 10)
      .Image("m.bmp", 25, 10);
}

TSkinModel Load(const SkinFixture& skin, int arrowWidth, int sourceDpi, int targetDpi) {
  TSkinModel m;
  EXPECT_TRUE(LoadSkinModel(m, LiteralSkinFile(skin.ArchiveBytes()), arrowWidth, {}, sourceDpi,
                            targetDpi));
  return m;
}

TEST(SkinScale, EveryLengthAndFrameScalesAt150Percent) {
  const TSkinModel m = Load(LengthsSkin(), 17, 96, 144);
  // Left: two 4-wide frames side by side become two of 6; Top: two 4-high frames stacked.
  EXPECT_EQ(m.BorderLeft.Bitmap.Width(), 12);
  EXPECT_EQ(m.BorderLeft.Bitmap.Height(), 30);
  EXPECT_EQ(m.BorderLeft.Margins, (Margins{0, 5, 0, 6}));
  EXPECT_EQ(m.BorderTop.Bitmap.Width(), 45);
  EXPECT_EQ(m.BorderTop.Bitmap.Height(), 12);
  EXPECT_EQ(m.BorderTop.Margins, (Margins{8, 0, 0, 0}));
  EXPECT_EQ(m.BorderLeft.FrameCount, 2);

  EXPECT_EQ(m.Title.Margins, (Margins{8, 3, 188, 0}));  // TextShift, TextShiftVert, TextRightClip
  EXPECT_EQ(m.Title.TextBackLeft, 5);
  EXPECT_EQ(m.Title.TextBackRight, -3);
  EXPECT_EQ(m.Title.FontHeight, 21);

  const TDataSkinSysButton& close = *m.SysButtons.front();
  EXPECT_EQ(close.XCoord, -33);
  EXPECT_EQ(close.YCoord, 8);
  EXPECT_EQ(close.FrameCount, 3);
  EXPECT_EQ(close.Bitmap.Width(), 3 * 26);
  EXPECT_EQ(close.Bitmap.Height(), 26);

  EXPECT_EQ(m.Buttons.CheckButtonFrame, 4);
  EXPECT_EQ(m.Buttons.CheckBitmap.Width(), 4 * 20);
  EXPECT_EQ(m.Buttons.Margins.left, 6);
  ASSERT_NE(m.GroupBox, nullptr);
  EXPECT_EQ(m.GroupBox->BackgroundLeftShift, 9);
  EXPECT_EQ(m.GroupBox->BackgroundRightShift, 2);
  ASSERT_NE(m.MenuItem, nullptr);
  EXPECT_EQ(m.MenuItem->Margins, (Margins{5, 0, 0, 3}));
  EXPECT_EQ(m.MenuItem->Bitmap.Width(), 5 * 8);
  EXPECT_EQ(m.MenuItem->FrameCount, 5);
}

TEST(SkinScale, SameDpiLeavesTheModelAsBuilt) {
  const TSkinModel m = Load(LengthsSkin(), 17, 144, 144);
  EXPECT_EQ(m.BorderLeft.Bitmap.Width(), 8);
  EXPECT_EQ(m.Title.Margins.right, 125);
  EXPECT_EQ(m.SysButtons.front()->XCoord, -22);
}

TEST(SkinScale, TheComboCompositeIsBuiltAtTheSourceDpiThenScaled) {
  // The display's arrow is 34 pixels at 200 %: the composite's button is made 17 + 2 wide
  // and, scaled, ends as wide as the display's arrow + 2 again.
  const SkinFixture skin("[SunkEdge]\nImage=s.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
                         "[ComboButton]\nImage=b.bmp\n");
  const TSkinModel m = Load(SkinFixture(skin).Image("s.bmp", 24, 6).Image("b.bmp", 20, 5), 34, 96, 192);
  ASSERT_NE(m.ComboButton, nullptr);
  EXPECT_EQ(m.ComboButton->Margins, (Margins{4, 4, 2 * (17 + 2 + 2), 4}));
  EXPECT_EQ(m.ComboButton->Bitmap.Width(), 4 * 2 * kComboCompositeWidth);
  EXPECT_EQ(m.ComboButton->Bitmap.Height(), 2 * kComboCompositeHeight);
  EXPECT_EQ(m.SunkEdge->Margins.left, 2 * (17 + 2 + 2));
}

TEST(SkinScale, ImageBytesCountWhatTheScaledModelHolds) {
  const SkinFixture skin = SkinFixture("[Buttons]\nCheckButton=check.bmp\n[MenuItem]\nImage=m.bmp\n")
                               .Image("check.bmp", 52, 13)
                               .Image("m.bmp", 25, 10);
  // Rows are padded to 4 bytes: 52 * 3 = 156, 25 * 3 = 75 -> 76.
  EXPECT_EQ(SkinModelImageBytes(Load(skin, 17, 96, 96)), 156u * 13 + 76u * 10);
  EXPECT_EQ(SkinModelImageBytes(Load(skin, 17, 96, 192)), 312u * 26 + 152u * 20);
}

}  // namespace
}  // namespace kq

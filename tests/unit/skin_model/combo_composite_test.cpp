#include <gtest/gtest.h>

#include "skin/data/skin_model.h"
#include "unit/skin_draw/pictures.h"
#include "unit/skin_model/skin_fixture.h"

namespace kq {
namespace {

using test::ColourOf;
using test::LetterOf;
using test::Picture;
using test::SkinFixture;

// Four 6 x 6 frames: a border of 'a'..'d' round an 'i' middle; frame 2 has a magenta corner.
Bitmap SunkEdgeImage() {
  Bitmap b(24, 6);
  for (int f = 0; f < 4; ++f)
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x) {
        const bool edge = x == 0 || y == 0 || x == 5 || y == 5;
        b.SetPixel(f * 6 + x, y, ColourOf(edge ? static_cast<char>('a' + f) : 'i'));
      }
  b.SetPixel(6, 0, kTransparentKey);
  return b;
}

// Four 5 x 5 frames of 'p'..'s'.
Bitmap ButtonImage() {
  Bitmap b(20, 5);
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 5; ++y) b.SetPixel(x, y, ColourOf(static_cast<char>('p' + x / 5)));
  return b;
}

// Five 3 x 3 frames: a single 'w'..'z','v' dot on magenta.
Bitmap ArrowImage() {
  Bitmap b(15, 3);
  b.Fill(kTransparentKey);
  const char dots[] = "wxyzv";
  for (int f = 0; f < 5; ++f) b.SetPixel(f * 3 + 1, 1, ColourOf(dots[f]));
  return b;
}

const char* kComboSkin =
    "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nRightWidth=2\nTopHeight=2\nBottomHeight=2\nTrans=1\n"
    "[ComboButton]\nImage=button.bmp\nLeftWidth=1\nRightWidth=1\nTopHeight=1\nBottomHeight=1\n"
    "[ExtraImages]\nImage=arrow.bmp\n";

TEST(ComboComposite, SunkEdgeButtonAndArrowInOneStrip) {
  const int arrow = 8, b = arrow + 2;  // the button covers x 40..49 of each frame
  const TSkinModel m = SkinFixture(kComboSkin)
                           .Image("sunk.bmp", SunkEdgeImage())
                           .Image("button.bmp", ButtonImage())
                           .Image("arrow.bmp", ArrowImage())
                           .Build(arrow);
  ASSERT_NE(m.ComboButton, nullptr);
  ASSERT_NE(m.SunkEdge, nullptr);
  const Bitmap& strip = m.ComboButton->Bitmap;
  ASSERT_EQ(strip.Width(), 200);
  ASSERT_EQ(strip.Height(), 21);
  EXPECT_EQ(m.ComboButton->Style, 2);
  EXPECT_EQ(m.ComboButton->FrameCount, 4);
  EXPECT_EQ(m.ComboButton->Margins, (Margins{2, 2, b + 2, 2}));
  EXPECT_EQ(m.SunkEdge->Margins, (Margins{b + 2, 2, 2, 2}));

  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k + 1);
    const int x0 = 50 * k;
    auto at = [&](int x, int y) { return LetterOf(strip.Pixel(x0 + x, y)); };
    const char edge = static_cast<char>('a' + k);
    EXPECT_EQ(at(0, 0), k == 1 ? 'M' : edge);  // keyed corner stays transparent
    EXPECT_EQ(at(1, 20), edge);
    EXPECT_EQ(at(20, 0), edge);
    // The edit's area is transparent: (2, 2) up to (49 - b, 18), exclusive.
    EXPECT_EQ(at(2, 2), 'M');
    EXPECT_EQ(at(38, 17), 'M');
    EXPECT_EQ(at(39, 10), 'i');
    EXPECT_EQ(at(10, 18), 'i');
    EXPECT_EQ(at(1, 10), 'i');
    // The button and the arrow dot centred in it (3 x 3 at (43, 9)).
    const char face = static_cast<char>('p' + k);
    EXPECT_EQ(at(40, 0), face);
    EXPECT_EQ(at(49, 20), face);
    EXPECT_EQ(at(43, 10), face);
    EXPECT_EQ(at(44, 10), "wxyz"[k]);
  }

  // SunkEdge holds the strip mirrored, for combos with the button on the left.
  const Bitmap& mirrored = m.SunkEdge->Bitmap;
  ASSERT_EQ(mirrored.Width(), 200);
  for (int y = 0; y < 21; y += 4)
    for (int x = 0; x < 200; x += 3) ASSERT_EQ(mirrored.Pixel(x, y), strip.Pixel(199 - x, y));
}

TEST(ComboComposite, ButtonWidthFollowsTheArrowWidth) {
  const TSkinModel m = SkinFixture(kComboSkin)
                           .Image("sunk.bmp", SunkEdgeImage())
                           .Image("button.bmp", ButtonImage())
                           .Build(17);
  EXPECT_EQ(m.ComboButton->Margins.right, 21);
  const Bitmap& strip = m.ComboButton->Bitmap;
  // Button from x 31; without ExtraImages it has no arrow.
  EXPECT_EQ(LetterOf(strip.Pixel(31, 10)), 'p');
  EXPECT_EQ(LetterOf(strip.Pixel(40, 10)), 'p');
  EXPECT_EQ(LetterOf(strip.Pixel(30, 10)), 'i');
  EXPECT_EQ(LetterOf(strip.Pixel(29, 10)), 'M');
}

TEST(ComboComposite, NoneWithoutSunkEdge) {
  const TSkinModel m = SkinFixture("[ComboButton]\nImage=button.bmp\n").Image("button.bmp", ButtonImage()).Build();
  ASSERT_NE(m.ComboButton, nullptr);
  EXPECT_EQ(m.ComboButton->Bitmap.Width(), 20);
  EXPECT_EQ(m.ComboButton->Style, 0);
  // The second image is the button image mirrored.
  EXPECT_EQ(LetterOf(m.ComboButton->Bitmap2.Pixel(0, 0)), 's');
  EXPECT_EQ(LetterOf(m.ComboButton->Bitmap2.Pixel(19, 0)), 'p');
}

}  // namespace
}  // namespace kq

#include "base/bitmap.h"

#include <gtest/gtest.h>

namespace kq {

TEST(Bitmap, OwnedPixelsReadBackAndClipOutside) {
  Bitmap b(3, 2);
  EXPECT_EQ(b.Stride(), 12);
  b.SetPixel(2, 1, MakeColor(1, 2, 3));
  b.SetPixel(3, 1, MakeColor(9, 9, 9));  // outside: dropped
  EXPECT_EQ(b.Pixel(2, 1), MakeColor(1, 2, 3));
  EXPECT_EQ(b.Row(1)[6], 3);  // blue first
  EXPECT_EQ(b.Pixel(-1, 0), 0u);
}

TEST(Bitmap, ViewDrawsIntoForeignMemoryAndCopiesOwn) {
  std::vector<std::uint8_t> mem(8 * 2, 0);
  Bitmap v = Bitmap::View(mem.data(), 2, 2, 8);
  v.SetPixel(1, 1, kTransparentKey);
  EXPECT_EQ(mem[8 + 3], 255);
  EXPECT_EQ(mem[8 + 4], 0);
  EXPECT_EQ(mem[8 + 5], 255);
  Bitmap copy = v;
  mem[8 + 3] = 0;
  EXPECT_EQ(copy.Pixel(1, 1), kTransparentKey);
  Bitmap moved = std::move(copy);
  EXPECT_EQ(moved.Pixel(1, 1), kTransparentKey);
  EXPECT_TRUE(copy.Empty());
}

TEST(Bitmap, SharedPixelsAreReadByEveryCopyUntilOneIsWritten) {
  Bitmap picture(4, 3);
  picture.Fill(MakeColor(10, 20, 30));
  picture.Share();
  const Bitmap a = picture;
  Bitmap b = a;
  EXPECT_EQ(a.Data(), static_cast<const Bitmap&>(picture).Data());
  EXPECT_EQ(static_cast<const Bitmap&>(b).Data(), a.Data());
  // Writing through one copy gives it its own pixels; the others keep theirs.
  b.SetPixel(0, 0, kTransparentKey);
  EXPECT_NE(static_cast<const Bitmap&>(b).Data(), a.Data());
  EXPECT_EQ(b.Pixel(0, 0), kTransparentKey);
  EXPECT_EQ(a.Pixel(0, 0), MakeColor(10, 20, 30));
  EXPECT_EQ(picture.Pixel(0, 0), MakeColor(10, 20, 30));
  // Moving keeps the sharing; the last holder writes in place.
  Bitmap moved = std::move(picture);
  EXPECT_EQ(static_cast<const Bitmap&>(moved).Data(), a.Data());
  EXPECT_TRUE(picture.Empty());
  moved.SetPixel(3, 2, MakeColor(1, 1, 1));
  EXPECT_EQ(a.Pixel(3, 2), MakeColor(10, 20, 30));
}

}  // namespace kq

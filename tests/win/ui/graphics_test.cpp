// Bitmaps, canvas, icons and image lists: pixels read back from real device contexts.
#include <gtest/gtest.h>

#include "ui/graphics.h"
#include "ui/imglist.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

TEST(Graphics, BitmapIsADibSectionSeenAsThePortablePicture) {
  TBitmap bmp(7, 3);
  kq::Bitmap px = bmp.Pixels();
  EXPECT_EQ(px.Width(), 7);
  EXPECT_EQ(px.Stride(), 24);  // rows padded to 4 bytes, as a DIB's
  EXPECT_EQ(px.Pixel(0, 0), kq::MakeColor(255, 255, 255));
  px.SetPixel(2, 1, kq::MakeColor(10, 20, 30));
  // GDI sees what the portable code wrote, and the other way round.
  EXPECT_EQ(GetPixel(bmp.MemoryDC(), 2, 1), RGB(10, 20, 30));
  SetPixel(bmp.MemoryDC(), 6, 2, RGB(200, 100, 50));
  EXPECT_EQ(bmp.Pixels().Pixel(6, 2), kq::MakeColor(200, 100, 50));
  TBitmap copy;
  copy.Assign(bmp);
  EXPECT_EQ(copy.Pixels().Pixel(2, 1), kq::MakeColor(10, 20, 30));
  bmp.SetSize(0, 0);
  EXPECT_TRUE(bmp.Empty());
}

TEST(Graphics, CanvasDrawsTextWithItsFontAndRestoresTheContext) {
  const long gdi_before = kq::ui::LiveGdiHandles();
  {
    TBitmap bmp(120, 30);
    TCanvas& c = bmp.Canvas();
    c.Font().SetName(L"MS Sans Serif");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(bsClear);
    RECT r{0, 0, 120, 30};
    const int h = c.DrawText(L"执行任务", r, DT_SINGLELINE | DT_LEFT | DT_TOP);
    EXPECT_GT(h, 8);
    int dark = 0;
    kq::Bitmap px = bmp.Pixels();
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 120; ++x) dark += px.Pixel(x, y) != kq::MakeColor(255, 255, 255);
    EXPECT_GT(dark, 20);
    const SIZE one = c.TextExtent(L"执");
    const SIZE four = c.TextExtent(L"执行任务");
    EXPECT_GT(four.cx, 3 * one.cx);
    // Changing the font while it is selected: the old one must be deleted cleanly.
    c.Font().SetStyle(FontStyle(fsBold));
    EXPECT_GE(c.TextWidth(L"执行任务"), four.cx);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clRed);
    c.FillRect(RECT{0, 0, 5, 5});
    EXPECT_EQ(bmp.Pixels().Pixel(1, 1), kq::MakeColor(255, 0, 0));
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi_before);
}

TEST_F(UiTest, ImageListKeepsMaskedImagesAndGivesIconsAndDisabledLooks) {
  const long gdi_before = kq::ui::LiveGdiHandles(), user_before = kq::ui::LiveUserHandles();
  {
    TImageList il(nullptr);
    il.SetSize(16, 16);
    TBitmap strip(32, 16);  // two images side by side
    strip.Canvas().Brush().SetColor(clFuchsia);
    strip.Canvas().FillRect(RECT{0, 0, 32, 16});
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(RECT{4, 4, 12, 12});
    strip.Canvas().Brush().SetColor(clGreen);
    strip.Canvas().FillRect(RECT{20, 4, 28, 12});
    EXPECT_EQ(il.AddMasked(strip, clFuchsia), 0);
    EXPECT_EQ(il.Count(), 2);
    EXPECT_EQ(strip.Pixels().Pixel(0, 0), kq::MakeColor(255, 0, 255));  // the source is untouched

    TBitmap target(40, 20);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(RECT{0, 0, 40, 20});
    il.Draw(target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Pixels().Pixel(8, 8), kq::MakeColor(0, 128, 0));
    EXPECT_EQ(target.Pixels().Pixel(1, 1), kq::MakeColor(255, 255, 255));  // masked out
    il.Draw(target.Canvas(), 20, 0, 0, false);
    const kq::Color disabled = target.Pixels().Pixel(28, 8);
    EXPECT_NE(disabled, kq::MakeColor(0, 0, 255));  // not drawn in its own colours
    EXPECT_EQ(target.Pixels().Pixel(21, 1), kq::MakeColor(255, 255, 255));

    TIcon icon;
    EXPECT_TRUE(il.GetIcon(1, icon));
    EXPECT_EQ(icon.Width(), 16);
    TIcon copy;
    copy.Assign(icon);
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_FALSE(il.GetIcon(5, icon));
    EXPECT_EQ(il.AddIcon(copy), 2);
    il.SetSize(32, 32);  // a new size empties the list
    EXPECT_EQ(il.Count(), 0);
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi_before);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user_before);
}

TEST(Graphics, ColoursResolveSystemColours) {
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clRed), RGB(255, 0, 0));
  EXPECT_EQ(ColorToRGB(kq::MakeColor(1, 2, 3)), RGB(1, 2, 3));
}

TEST(Graphics, BitmapFilesRoundTrip) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"kq_ui_roundtrip.bmp";
  TBitmap a(5, 4);
  a.Pixels().SetPixel(4, 3, kq::MakeColor(1, 2, 3));
  ASSERT_TRUE(a.SaveToFile(path));
  TBitmap b;
  ASSERT_TRUE(b.LoadFromFile(path));
  EXPECT_EQ(b.Width(), 5);
  EXPECT_EQ(b.Height(), 4);
  EXPECT_EQ(b.Pixels().Pixel(4, 3), kq::MakeColor(1, 2, 3));
  DeleteFileW(path.c_str());
  EXPECT_FALSE(b.LoadFromFile(path));
}

}  // namespace

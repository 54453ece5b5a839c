// Our in-memory drawing against GDI itself, on DIB sections: the stretch must choose the
// same source pixel as StretchBlt in COLORONCOLOR mode, the keyed copy must match the
// masked blit, and the region rectangles must cover exactly the visible pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/draw/blit.h"
#include "skin/draw/region.h"
#include "skin/draw/win/region_win.h"

namespace kq {
namespace {

// A 24-bit top-down DIB section selected into its own memory DC, seen as a Bitmap.
class Dib {
 public:
  Dib(int w, int h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    view_ = Bitmap::View(static_cast<std::uint8_t*>(bits), w, h, (w * 3 + 3) & ~3);
  }
  ~Dib() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP handle() const { return bitmap_; }
  Bitmap& pixels() {
    GdiFlush();
    return view_;
  }

 private:
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  Bitmap view_;
};

// Every pixel a colour of its own, so the colour read back tells where it came from.
void Number(Bitmap& b, int salt) {
  for (int y = 0; y < b.Height(); ++y)
    for (int x = 0; x < b.Width(); ++x) b.SetPixel(x, y, MakeColor(x, y, salt));
}

std::string Diff(const Bitmap& gdi, const Bitmap& ours) {
  for (int y = 0; y < gdi.Height(); ++y)
    for (int x = 0; x < gdi.Width(); ++x)
      if (gdi.Pixel(x, y) != ours.Pixel(x, y)) {
        char buf[160];
        wsprintfA(buf, "first difference at (%d,%d): GDI %06x, ours %06x", x, y, gdi.Pixel(x, y),
                  ours.Pixel(x, y));
        return buf;
      }
  return "";
}

void CompareStretch(int sw, int sh, int dw, int dh, int dx, int dy) {
  Dib src(sw, sh), dst(40, 40);
  Number(src.pixels(), 200);
  dst.pixels().Fill(MakeColor(1, 2, 3));
  Bitmap ours(40, 40);
  ours.Fill(MakeColor(1, 2, 3));
  SetStretchBltMode(dst.dc(), COLORONCOLOR);
  ASSERT_TRUE(StretchBlt(dst.dc(), dx, dy, dw, dh, src.dc(), 0, 0, sw, sh, SRCCOPY));
  StretchCopy(ours, Rect{dx, dy, dx + dw, dy + dh}, src.pixels(), Rect{0, 0, sw, sh});
  EXPECT_EQ(Diff(dst.pixels(), ours), "")
      << sw << "x" << sh << " -> " << dw << "x" << dh << " at " << dx << "," << dy;
}

TEST(GdiCompare, StretchChoosesTheSamePixelsAsStretchBlt) {
  const int sizes[] = {1, 2, 3, 4, 5, 7, 8, 13, 16, 17, 23, 31, 40};
  for (int s : sizes)
    for (int d : sizes) {
      CompareStretch(s, 3, d, 5, 0, 0);    // across, with a small vertical stretch
      CompareStretch(3, s, 2, d, 1, 0);    // down, with a small horizontal shrink
      CompareStretch(s, s, d, d, 0, 0);    // both ways alike
      CompareStretch(s, 5, d, 3, 0, 1);
    }
}

TEST(GdiCompare, StretchHalfOutsideTheDestinationKeepsTheWholeStretchsPixels) {
  for (int d : {7, 19, 33, 60}) {
    CompareStretch(9, 6, d, d / 2 + 1, -5, -3);
    CompareStretch(9, 6, d, d + 1, 40 - d / 2, 40 - d / 3);
    CompareStretch(23, 17, d, 3, -d / 2, 20);
  }
}

TEST(GdiCompare, KeyedCopyMatchesTheMaskedBlit) {
  Dib image(9, 7);
  Bitmap& img = image.pixels();
  Number(img, 100);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 9; ++x)
      if ((x * 3 + y * 5) % 4 == 0) img.SetPixel(x, y, kTransparentKey);
  img.SetPixel(8, 6, MakeColor(255, 1, 255));  // near the key is not the key
  Dib dst(12, 10);
  dst.pixels().Fill(MakeColor(10, 20, 30));
  Bitmap ours(12, 10);
  ours.Fill(MakeColor(10, 20, 30));

  // The mask: 1 where the image has the key colour, as a monochrome bitmap.
  HBITMAP mask = CreateBitmap(9, 7, 1, 1, nullptr);
  HDC maskDc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldMask = SelectObject(maskDc, mask);
  SetBkColor(image.dc(), RGB(255, 0, 255));
  BitBlt(maskDc, 0, 0, 9, 7, image.dc(), 0, 0, SRCCOPY);
  ASSERT_TRUE(MaskBlt(dst.dc(), 2, 1, 9, 7, image.dc(), 0, 0, mask, 0, 0,
                      MAKEROP4(0x00AA0029, SRCCOPY)));
  SelectObject(maskDc, oldMask);
  DeleteDC(maskDc);
  DeleteObject(mask);

  DrawTransparent(ours, Rect{2, 1, 11, 8}, img, kTransparentKey);
  EXPECT_EQ(Diff(dst.pixels(), ours), "");
}

TEST(GdiCompare, RegionBlocksCoverExactlyTheVisiblePixels) {
  // 2 or 3 runs in each of 1501 rows, 4002 rectangles: two full blocks and a short one.
  const int w = 7, h = 1501;
  Bitmap img(w, h);
  img.Fill(MakeColor(40, 50, 60));
  for (int y = 0; y < h; ++y) {
    img.SetPixel(y % 3, y, kTransparentKey);
    img.SetPixel(4, y, MakeColor(255, 1, 255));  // within tolerance 1: clear
    img.SetPixel(5, y, kTransparentKey);
  }
  const auto blocks = RegionFromBitmap(img, 3, -2, 1, 1, 1, kTransparentKey);
  ASSERT_EQ(blocks.size(), 3u);
  HRGN rgn = CreateRegionFromBlocks(blocks);
  ASSERT_NE(rgn, nullptr);
  int wrong = 0;
  for (int y = -1; y <= h; ++y)
    for (int x = -1; x <= w; ++x) {
      const bool visible = img.Contains(x, y) && x != y % 3 && x != 4 && x != 5;
      if ((PtInRegion(rgn, x + 3, y - 2) != FALSE) != visible) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
  RECT box;
  EXPECT_EQ(GetRgnBox(rgn, &box), COMPLEXREGION);
  EXPECT_EQ(box.left, 3);
  EXPECT_EQ(box.top, -2);
  EXPECT_EQ(box.right, 3 + 7);
  EXPECT_EQ(box.bottom, h - 2);
  DeleteObject(rgn);

  HRGN none = CreateRegionFromBlocks({});
  ASSERT_NE(none, nullptr);
  EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
  DeleteObject(none);
}

}  // namespace
}  // namespace kq

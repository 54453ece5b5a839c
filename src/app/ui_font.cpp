#include "app/ui_font.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

// Draws one character black on white and returns the pixels.
std::vector<unsigned char> RenderGlyph(HDC dc, void* bits, size_t bytes, wchar_t ch) {
  std::memset(bits, 0xFF, bytes);
  RECT r{0, 0, 48, 24};
  DrawTextW(dc, &ch, 1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  GdiFlush();
  const auto* p = static_cast<const unsigned char*>(bits);
  return std::vector<unsigned char>(p, p + bytes);
}

}  // namespace

bool FaceShowsChinese(const std::wstring& face, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (!dc) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = 48;
  bi.bmiHeader.biHeight = -24;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT font = CreateFontIndirectW(&lf);
  bool shows = false;
  if (bmp && font) {
    HGDIOBJ old_bmp = SelectObject(dc, bmp);
    HGDIOBJ old_font = SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    const size_t bytes = 48 * 3 * 24;
    const auto blank = RenderGlyph(dc, bits, bytes, L' ');
    // Two different characters: a face without them draws the same box (or nothing) twice.
    const auto a = RenderGlyph(dc, bits, bytes, L'定');
    const auto b = RenderGlyph(dc, bits, bytes, L'机');
    shows = a != b && a != blank && b != blank;
    SelectObject(dc, old_font);
    SelectObject(dc, old_bmp);
  }
  if (font) DeleteObject(font);
  if (bmp) DeleteObject(bmp);
  DeleteDC(dc);
  return shows;
}

std::wstring ChineseCapableFace(const std::wstring& preferred, int height) {
  if (FaceShowsChinese(preferred, height)) return preferred;
  for (const wchar_t* face : {L"Microsoft YaHei", L"SimSun", L"NSimSun", L"SimHei",
                              L"Microsoft JhengHei", L"PMingLiU", L"WenQuanYi Micro Hei",
                              L"Noto Sans CJK SC", L"Arial Unicode MS"}) {
    if (FaceShowsChinese(face, height)) return face;
  }
  return preferred;
}

#include "ui/graphics.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ui/text.h"

using namespace kq::ui;

COLORREF ColorToRGB(TColor c) {
  if (c & clSystemColor) return GetSysColor(static_cast<int>(c & 0xFF));
  if (c == clNone || c == clDefault) return 0;
  return c & 0xFFFFFF;
}

namespace {
struct ColorName {
  TColor color;
  const wchar_t* name;
};
constexpr ColorName kColorNames[] = {
    {clBlack, L"clBlack"},       {clMaroon, L"clMaroon"},         {clGreen, L"clGreen"},
    {clNavy, L"clNavy"},         {clGray, L"clGray"},             {clSilver, L"clSilver"},
    {clRed, L"clRed"},           {clLime, L"clLime"},             {clYellow, L"clYellow"},
    {clBlue, L"clBlue"},         {clFuchsia, L"clFuchsia"},       {clWhite, L"clWhite"},
    {clBtnFace, L"clBtnFace"},   {clBtnShadow, L"clBtnShadow"},   {clBtnText, L"clBtnText"},
    {clBtnHighlight, L"clBtnHighlight"}, {clWindow, L"clWindow"}, {clWindowText, L"clWindowText"},
    {clHighlight, L"clHighlight"}, {clHighlightText, L"clHighlightText"}, {clMenu, L"clMenu"},
    {clMenuText, L"clMenuText"}, {clGrayText, L"clGrayText"},     {cl3DLight, L"cl3DLight"},
    {cl3DDkShadow, L"cl3DDkShadow"}, {clInfoBk, L"clInfoBk"},     {clNone, L"clNone"},
    {clDefault, L"clDefault"},
};
}  // namespace

std::wstring ColorToText(TColor c) { return std::to_wstring(static_cast<std::int32_t>(c)); }

std::optional<TColor> TextToColor(std::wstring_view text) {
  for (const auto& n : kColorNames)
    if (kq::ui::SameText(text, n.name)) return n.color;
  auto v = TextToInt(text);
  if (!v || *v < INT32_MIN || *v > UINT32_MAX) return std::nullopt;
  return static_cast<TColor>(static_cast<std::uint32_t>(*v));
}

namespace {
const TEnumNames kFontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const TEnumNames kBrushStyleNames{"bsSolid", "bsClear"};
const TEnumNames kPenStyleNames{"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot",
                                "psClear"};
constexpr int kScreenDpi = 96;
}  // namespace

// ---- TFont -------------------------------------------------------------------------------

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info(
      "TFont", &TPersistent::StaticClass(),
      {props::Text<TFont>("Name", &TFont::GetName, &TFont::SetName),
       props::Int<TFont, int>("Height", &TFont::GetHeight, &TFont::SetHeight),
       props::Int<TFont, int>("Size", &TFont::GetSize, &TFont::SetSize),
       props::Colour<TFont>("Color", &TFont::GetColor, &TFont::SetColor),
       props::Int<TFont, int>("Charset", &TFont::GetCharset, &TFont::SetCharset),
       props::Set<TFont>("Style", kFontStyleNames, &TFont::GetStyle, &TFont::SetStyle)});
  return info;
}

TFont::TFont() = default;

void TFont::Assign(const TFont& o) {
  if (&o == this || SameAs(o)) return;
  name_ = o.name_;
  height_ = o.height_;
  style_ = o.style_;
  color_ = o.color_;
  charset_ = o.charset_;
  Changed();
}

bool TFont::SameAs(const TFont& o) const {
  return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
         charset_ == o.charset_;
}

void TFont::SetName(const std::wstring& v) {
  if (v == name_) return;
  name_ = v;
  Changed();
}
void TFont::SetHeight(int v) {
  if (v == height_) return;
  height_ = v;
  Changed();
}
int TFont::GetSize() const { return -MulDiv(height_, 72, kScreenDpi); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kScreenDpi, 72)); }
void TFont::SetStyle(TFontStyles v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}
void TFont::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  if (OnChange) OnChange();
}
void TFont::SetCharset(int v) {
  if (v == charset_) return;
  charset_ = v;
  Changed();
}

void TFont::Changed() {
  // The old handle lives until the listeners have moved to the new one.
  GdiHandle<HFONT> old = std::move(handle_);
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & FontStyle(fsBold)) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & FontStyle(fsItalic)) ? 1 : 0;
    lf.lfUnderline = (style_ & FontStyle(fsUnderline)) ? 1 : 0;
    lf.lfStrikeOut = (style_ & FontStyle(fsStrikeOut)) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.reset(CreateFontCounted(lf));
  }
  return handle_.get();
}

// ---- TBrush, TPen ------------------------------------------------------------------------

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info(
      "TBrush", &TPersistent::StaticClass(),
      {props::Colour<TBrush>("Color", &TBrush::GetColor, &TBrush::SetColor),
       props::Enum<TBrush, TBrushStyle>("Style", kBrushStyleNames, &TBrush::GetStyle,
                                        &TBrush::SetStyle)});
  return info;
}

void TBrush::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}
void TBrush::SetStyle(TBrushStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}
void TBrush::Changed() {
  GdiHandle<HBRUSH> old = std::move(handle_);
  if (OnChange) OnChange();
}
HBRUSH TBrush::Handle() const {
  if (style_ == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!handle_) handle_.reset(CreateSolidBrushCounted(ColorToRGB(color_)));
  return handle_.get();
}

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info(
      "TPen", &TPersistent::StaticClass(),
      {props::Colour<TPen>("Color", &TPen::GetColor, &TPen::SetColor),
       props::Int<TPen, int>("Width", &TPen::GetWidth, &TPen::SetWidth),
       props::Enum<TPen, TPenStyle>("Style", kPenStyleNames, &TPen::GetStyle, &TPen::SetStyle)});
  return info;
}

void TPen::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}
void TPen::SetWidth(int v) {
  if (v == width_) return;
  width_ = v;
  Changed();
}
void TPen::SetStyle(TPenStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}
void TPen::Changed() {
  GdiHandle<HPEN> old = std::move(handle_);
  if (OnChange) OnChange();
}
HPEN TPen::Handle() const {
  if (!handle_) {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    handle_.reset(CreatePenCounted(kStyles[style_], width_, ColorToRGB(color_)));
  }
  return handle_.get();
}

// ---- TCanvas -----------------------------------------------------------------------------

const TClassInfo& TCanvas::StaticClass() {
  static const TClassInfo info("TCanvas", &TPersistent::StaticClass());
  return info;
}

TCanvas::TCanvas() {
  // A changed tool is taken out of the context before its old handle is deleted.
  font_.OnChange = [this] {
    if (dc_ && old_font_) {
      SelectObject(dc_, old_font_);
      old_font_ = nullptr;
    }
  };
  brush_.OnChange = [this] {
    if (dc_ && old_brush_) {
      SelectObject(dc_, old_brush_);
      old_brush_ = nullptr;
    }
  };
  pen_.OnChange = [this] {
    if (dc_ && old_pen_) {
      SelectObject(dc_, old_pen_);
      old_pen_ = nullptr;
    }
  };
}

TCanvas::TCanvas(HDC dc) : TCanvas() { dc_ = dc; }

TCanvas::~TCanvas() { Deselect(); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  Deselect();
  dc_ = dc;
}

void TCanvas::Deselect() {
  if (!dc_) return;
  if (old_font_) SelectObject(dc_, old_font_);
  if (old_brush_) SelectObject(dc_, old_brush_);
  if (old_pen_) SelectObject(dc_, old_pen_);
  old_font_ = old_brush_ = old_pen_ = nullptr;
}

void TCanvas::RequireFont() {
  HGDIOBJ prev = SelectObject(dc_, font_.Handle());
  if (!old_font_) old_font_ = prev;
  SetTextColor(dc_, ColorToRGB(font_.GetColor()));
}
void TCanvas::RequireBrush() {
  HGDIOBJ prev = SelectObject(dc_, brush_.Handle());
  if (!old_brush_) old_brush_ = prev;
  SetBkColor(dc_, ColorToRGB(brush_.GetColor()));
  SetBkMode(dc_, brush_.GetStyle() == bsClear ? TRANSPARENT : OPAQUE);
}
void TCanvas::RequirePen() {
  HGDIOBJ prev = SelectObject(dc_, pen_.Handle());
  if (!old_pen_) old_pen_ = prev;
}

void TCanvas::FillRect(const RECT& r) {
  if (!dc_ || brush_.GetStyle() == bsClear) return;
  ::FillRect(dc_, &r, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& r) {
  if (!dc_ || brush_.GetStyle() == bsClear) return;
  ::FrameRect(dc_, &r, brush_.Handle());
}

void TCanvas::Rectangle(int l, int t, int r, int b) {
  if (!dc_) return;
  RequirePen();
  RequireBrush();
  ::Rectangle(dc_, l, t, r, b);
}

void TCanvas::MoveTo(int x, int y) {
  if (dc_) MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  if (!dc_) return;
  RequirePen();
  ::LineTo(dc_, x, y);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  if (!dc_) return;
  RequireFont();
  RequireBrush();
  ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int TCanvas::DrawText(const std::wstring& text, RECT& r, UINT flags) {
  if (!dc_) return 0;
  RequireFont();
  RequireBrush();
  return ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  SIZE s{0, 0};
  if (!dc_) return s;
  RequireFont();
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &s);
  return s;
}

void TCanvas::Draw(int x, int y, const TBitmap& bmp) {
  if (!dc_ || bmp.Empty()) return;
  if (bmp.Transparent)
    TransparentBlt(dc_, x, y, bmp.Width(), bmp.Height(), bmp.MemoryDC(), 0, 0, bmp.Width(),
                   bmp.Height(), bmp.EffectiveTransparentColor());
  else
    BitBlt(dc_, x, y, bmp.Width(), bmp.Height(), bmp.MemoryDC(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& r, const TBitmap& bmp) {
  if (!dc_ || bmp.Empty()) return;
  const int old = SetStretchBltMode(dc_, COLORONCOLOR);
  if (bmp.Transparent)
    TransparentBlt(dc_, r.left, r.top, r.right - r.left, r.bottom - r.top, bmp.MemoryDC(), 0, 0,
                   bmp.Width(), bmp.Height(), bmp.EffectiveTransparentColor());
  else
    StretchBlt(dc_, r.left, r.top, r.right - r.left, r.bottom - r.top, bmp.MemoryDC(), 0, 0,
               bmp.Width(), bmp.Height(), SRCCOPY);
  SetStretchBltMode(dc_, old);
}

COLORREF TCanvas::Pixel(int x, int y) { return dc_ ? GetPixel(dc_, x, y) : CLR_INVALID; }
void TCanvas::SetPixel(int x, int y, TColor c) {
  if (dc_) ::SetPixel(dc_, x, y, ColorToRGB(c));
}

// ---- TGraphic, TBitmap -------------------------------------------------------------------

const TClassInfo& TGraphic::StaticClass() {
  static const TClassInfo info("TGraphic", &TPersistent::StaticClass());
  return info;
}

const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info("TBitmap", &TGraphic::StaticClass());
  return info;
}

TBitmap::~TBitmap() { Free(); }

void TBitmap::Dormant() const {
  if (canvas_) canvas_->SetHandle(nullptr);
  if (dc_) {
    SelectObject(dc_, old_bmp_);
    DeleteDCCounted(dc_);
    dc_ = nullptr;
  }
}

void TBitmap::Free() {
  Dormant();
  delete canvas_;
  canvas_ = nullptr;
  bmp_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_ && bmp_) return;
  Free();
  if (width <= 0 || height <= 0) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down, as kq::Bitmap
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bmp_.reset(CreateDIBSectionCounted(nullptr, &bi, &bits));
  if (!bmp_) return;
  bits_ = static_cast<std::uint8_t*>(bits);
  width_ = width;
  height_ = height;
  std::memset(bits_, 0xFF, static_cast<size_t>((width * 3 + 3) & ~3) * height);
}

kq::Bitmap TBitmap::Pixels() {
  GdiFlush();  // GDI may still be drawing into the section
  if (!bits_) return {};
  return kq::Bitmap::View(bits_, width_, height_, (width_ * 3 + 3) & ~3);
}

void TBitmap::Assign(const kq::Bitmap& src) {
  SetSize(src.Width(), src.Height());
  kq::Bitmap dst = Pixels();
  for (int y = 0; y < dst.Height(); ++y)
    std::memcpy(dst.Row(y), src.Row(y), static_cast<size_t>(dst.Width()) * 3);
}

void TBitmap::Assign(const TBitmap& other) {
  if (&other == this) return;
  Transparent = other.Transparent;
  TransparentColor = other.TransparentColor;
  if (other.Empty()) {
    Free();
    return;
  }
  GdiFlush();
  Assign(kq::Bitmap::View(other.bits_, other.width_, other.height_, (other.width_ * 3 + 3) & ~3));
}

HDC TBitmap::MemoryDC() const {
  if (!dc_ && bmp_) {
    dc_ = CreateCompatibleDCCounted(nullptr);
    old_bmp_ = SelectObject(dc_, bmp_.get());
  }
  return dc_;
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = new TCanvas();
  canvas_->SetHandle(MemoryDC());
  return *canvas_;
}

COLORREF TBitmap::EffectiveTransparentColor() const {
  if (TransparentColor != clDefault) return ColorToRGB(TransparentColor);
  if (Empty()) return 0;
  GdiFlush();
  const std::uint8_t* p = bits_ + static_cast<size_t>((width_ * 3 + 3) & ~3) * (height_ - 1);
  return RGB(p[2], p[1], p[0]);
}

bool TBitmap::LoadFromFile(const std::wstring& path) {
  HBITMAP h = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!h) return false;
  GdiCreated(h);
  BITMAP bm{};
  GetObjectW(h, sizeof(bm), &bm);
  SetSize(bm.bmWidth, bm.bmHeight);
  HDC src = CreateCompatibleDCCounted(nullptr);
  HGDIOBJ old = SelectObject(src, h);
  BitBlt(MemoryDC(), 0, 0, bm.bmWidth, bm.bmHeight, src, 0, 0, SRCCOPY);
  SelectObject(src, old);
  DeleteDCCounted(src);
  DeleteObjectCounted(h);
  return true;
}

bool TBitmap::SaveToFile(const std::wstring& path) const {
  if (Empty()) return false;
  GdiFlush();
  const int stride = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof(ih);
  ih.biWidth = width_;
  ih.biHeight = height_;  // bottom-up, as files are usually written
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  ih.biCompression = BI_RGB;
  ih.biSizeImage = static_cast<DWORD>(stride * height_);
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(ih);
  fh.bfSize = fh.bfOffBits + ih.biSizeImage;
  FILE* f = _wfopen(path.c_str(), L"wb");
  if (!f) return false;
  bool ok = fwrite(&fh, sizeof(fh), 1, f) == 1 && fwrite(&ih, sizeof(ih), 1, f) == 1;
  for (int y = height_ - 1; ok && y >= 0; --y)
    ok = fwrite(bits_ + static_cast<size_t>(stride) * y, static_cast<size_t>(stride), 1, f) == 1;
  ok = fclose(f) == 0 && ok;
  return ok;
}

// ---- TIcon -------------------------------------------------------------------------------

const TClassInfo& TIcon::StaticClass() {
  static const TClassInfo info("TIcon", &TGraphic::StaticClass());
  return info;
}

TIcon::~TIcon() { DestroyIconCounted(icon_); }

namespace {
SIZE IconSize(HICON icon) {
  SIZE s{0, 0};
  ICONINFO ii{};
  if (!icon || !GetIconInfo(icon, &ii)) return s;
  BITMAP bm{};
  GetObjectW(ii.hbmMask, sizeof(bm), &bm);
  s.cx = bm.bmWidth;
  s.cy = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  DeleteObject(ii.hbmMask);
  return s;
}
}  // namespace

int TIcon::Width() const { return IconSize(icon_).cx; }
int TIcon::Height() const { return IconSize(icon_).cy; }

void TIcon::SetHandle(HICON icon) {
  if (icon == icon_) return;
  DestroyIconCounted(icon_);
  icon_ = icon;
  if (OnChange) OnChange();
}

void TIcon::Assign(const TIcon& other) {
  if (&other == this) return;
  SetHandle(CopyIconCounted(other.icon_));
}

bool TIcon::LoadFromResource(HINSTANCE inst, LPCWSTR name, int size) {
  HICON h = LoadIconCounted(inst, name, size, size);
  if (!h) return false;
  SetHandle(h);
  return true;
}

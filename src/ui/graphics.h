// Colours, fonts, brushes, pens, the canvas, bitmaps and icons of the form layer.
//
// TColor is the colour of forms and skins: red + 256*green + 65536*blue, or a system colour written
// 0x80000000 + the system colour index (clBtnFace). ColorToRGB resolves it.
//
// TFont, TBrush and TPen describe a GDI object and create it on demand (counted, see
// handles.h). When one changes, OnChange runs while the old handle is still alive, so an owner
// can switch to the new handle before the old one is deleted.
//
// TCanvas draws on a device context it is given (or on a TBitmap's memory context) with its
// Font, Brush and Pen; it selects them on demand and selects the original objects back when
// the context is taken away. Text goes through the W functions (DrawTextW).
//
// TBitmap is a 24-bit top-down DIB section; Pixels() views the same memory as a kq::Bitmap,
// so the portable pixel operations draw into it and GDI draws text into it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/bitmap.h"
#include "ui/component.h"
#include "ui/handles.h"

using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0x80000000u;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clNavy = 0x800000,
                 clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00,
                 clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clWhite = 0xFFFFFF;
constexpr TColor clScrollBar = clSystemColor | COLOR_SCROLLBAR;
constexpr TColor clBackground = clSystemColor | COLOR_BACKGROUND;
constexpr TColor clMenu = clSystemColor | COLOR_MENU;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clMenuText = clSystemColor | COLOR_MENUTEXT;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = clSystemColor | COLOR_3DDKSHADOW;
constexpr TColor cl3DLight = clSystemColor | COLOR_3DLIGHT;
constexpr TColor clInfoBk = clSystemColor | COLOR_INFOBK;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

COLORREF ColorToRGB(TColor c);
// As a property's text: the signed 32-bit decimal the runtime stores ("-2147483633" for
// clBtnFace). Reading also takes "$FF00FF" and the names of the colour constants.
std::wstring ColorToText(TColor c);
std::optional<TColor> TextToColor(std::wstring_view text);

namespace props {
template <class C>
TPropInfo Colour(std::string name, Getter<C, TColor> get, Setter<C, TColor> set) {
  TPropInfo p;
  p.Name = std::move(name);
  p.Kind = TPropKind::Integer;
  p.Get = [get](const TPersistent& o) { return ColorToText((static_cast<const C&>(o).*get)()); };
  if (set)
    p.Set = [set](TPersistent& o, std::wstring_view v) {
      auto c = TextToColor(v);
      if (!c) return false;
      (static_cast<C&>(o).*set)(*c);
      return true;
    };
  return p;
}
}  // namespace props

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = unsigned;  // bit (1 << TFontStyle)
constexpr TFontStyles FontStyle(TFontStyle s) { return 1u << s; }

class TFont : public TPersistent {
  KQ_DECLARE_CLASS(TFont)

 public:
  // "MS Sans Serif", 8 points (height -11 at 96 dpi), window-text colour.
  TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;

  std::wstring GetName() const { return name_; }
  void SetName(const std::wstring& v);
  int GetHeight() const { return height_; }
  void SetHeight(int v);  // negative: character height in pixels
  int GetSize() const;    // points at the screen's resolution
  void SetSize(int points);
  TFontStyles GetStyle() const { return style_; }
  void SetStyle(TFontStyles v);
  TColor GetColor() const { return color_; }
  void SetColor(TColor v);  // does not make a new GDI font
  int GetCharset() const { return charset_; }
  void SetCharset(int v);

  HFONT Handle() const;  // made on demand; owned by the font
  std::function<void()> OnChange;

 private:
  void Changed();
  std::wstring name_ = L"MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  mutable kq::ui::GdiHandle<HFONT> handle_;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TPersistent {
  KQ_DECLARE_CLASS(TBrush)

 public:
  TBrush() = default;
  TColor GetColor() const { return color_; }
  void SetColor(TColor v);
  TBrushStyle GetStyle() const { return style_; }
  void SetStyle(TBrushStyle v);
  HBRUSH Handle() const;  // a stock null brush for bsClear
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  mutable kq::ui::GdiHandle<HBRUSH> handle_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class TPen : public TPersistent {
  KQ_DECLARE_CLASS(TPen)

 public:
  TPen() = default;
  TColor GetColor() const { return color_; }
  void SetColor(TColor v);
  int GetWidth() const { return width_; }
  void SetWidth(int v);
  TPenStyle GetStyle() const { return style_; }
  void SetStyle(TPenStyle v);
  HPEN Handle() const;
  std::function<void()> OnChange;

 private:
  void Changed();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  mutable kq::ui::GdiHandle<HPEN> handle_;
};

class TBitmap;

class TCanvas : public TPersistent {
  KQ_DECLARE_CLASS(TCanvas)

 public:
  TCanvas();
  explicit TCanvas(HDC dc);
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  // Takes the canvas to another context (or none); the previous one gets its objects back.
  void SetHandle(HDC dc);

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);  // one-pixel frame in the brush colour
  void Rectangle(int l, int t, int r, int b);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void TextOut(int x, int y, const std::wstring& text);
  // DrawTextW with the canvas font; the brush style decides the text background
  // (bsClear: transparent). Returns the text height; DT_CALCRECT updates r.
  int DrawText(const std::wstring& text, RECT& r, UINT flags);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
  void Draw(int x, int y, const TBitmap& bmp);  // honours the bitmap's Transparent flag
  void StretchDraw(const RECT& r, const TBitmap& bmp);
  COLORREF Pixel(int x, int y);
  void SetPixel(int x, int y, TColor c);

 private:
  void RequireFont();
  void RequireBrush();
  void RequirePen();
  void Deselect();

  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ old_font_ = nullptr, old_brush_ = nullptr, old_pen_ = nullptr;
};

class TGraphic : public TPersistent {
  KQ_DECLARE_CLASS(TGraphic)

 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
};

class TBitmap : public TGraphic {
  KQ_DECLARE_CLASS(TBitmap)

 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  bool Empty() const override { return width_ <= 0 || height_ <= 0; }
  // Makes a new picture of this size, filled with white; a zero size frees it.
  void SetSize(int width, int height);
  void Assign(const TBitmap& other);
  void Assign(const kq::Bitmap& pixels);
  // Reads a .bmp file (any depth GDI understands) into a 24-bit picture.
  bool LoadFromFile(const std::wstring& path);
  bool SaveToFile(const std::wstring& path) const;  // 24-bit .bmp

  HBITMAP Handle() const { return bmp_.get(); }
  // The pixels, as the portable picture type; valid until the size changes.
  kq::Bitmap Pixels();
  TCanvas& Canvas();

  // Drawn with the transparent colour left out (TCanvas::Draw); the default colour is the
  // bottom-left pixel, as glyph strips are made.
  bool Transparent = false;
  TColor TransparentColor = clDefault;
  COLORREF EffectiveTransparentColor() const;

  HDC MemoryDC() const;  // the bitmap selected into a memory context, made on demand
  // Frees the memory context so that the bitmap handle can be selected elsewhere (a bitmap
  // lives in one context at a time); the next Canvas() or MemoryDC() makes it again.
  void Dormant() const;

 private:
  void Free();
  int width_ = 0, height_ = 0;
  std::uint8_t* bits_ = nullptr;
  kq::ui::GdiHandle<HBITMAP> bmp_;
  mutable HDC dc_ = nullptr;
  mutable HGDIOBJ old_bmp_ = nullptr;
  TCanvas* canvas_ = nullptr;
};

class TIcon : public TGraphic {
  KQ_DECLARE_CLASS(TIcon)

 public:
  TIcon() = default;
  ~TIcon() override;
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  int Width() const override;
  int Height() const override;
  bool Empty() const override { return icon_ == nullptr; }
  HICON Handle() const { return icon_; }
  // Takes ownership of an icon made with the counted functions of handles.h.
  void SetHandle(HICON icon);
  void Assign(const TIcon& other);  // a copy of the other's icon
  // A private copy of an icon resource (IDI_APPLICATION with a null instance).
  bool LoadFromResource(HINSTANCE inst, LPCWSTR name, int size = 0);
  std::function<void()> OnChange;

 private:
  HICON icon_ = nullptr;
};

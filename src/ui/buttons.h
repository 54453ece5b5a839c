// Buttons with glyphs: TBitBtn (a push button window that draws a glyph beside its caption)
// and TSpeedButton (a window-less tool button that can stay down).
//
// Class identity: TBitBtn -> TButton -> TButtonControl;  TSpeedButton -> TGraphicControl.
//
// The glyph is a bitmap strip of NumGlyphs equal cells: up, disabled, down (and stays-down),
// the transparent colour being the strip's bottom-left pixel. A one-cell strip is drawn
// embossed when the button is disabled. Layout, Margin and Spacing place glyph and caption:
// Margin -1 centres both together, Spacing -1 spreads them evenly.
//
//   auto* ok = new TBitBtn(form);
//   ok->SetParent(form);
//   ok->Glyph()->LoadFromFile(L"ok.bmp");
//   ok->SetNumGlyphs(2);
//   ok->SetCaption(L"确定");
#pragma once

#include "ui/graphics.h"
#include "ui/imglist.h"
#include "ui/stdctrls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Where glyph and caption go in a button of `size` (VCL's button layout): glyph top-left
// corner and the caption rectangle.
struct TButtonGlyphPlace {
  POINT glyph{};
  RECT text{};
};
TButtonGlyphPlace CalcButtonLayout(SIZE button, SIZE glyph, SIZE text, TButtonLayout layout,
                                   int margin, int spacing);

// The glyph, caption and look both button classes share.
class TButtonGlyph {
 public:
  TBitmap& Glyph() { return glyph_; }
  const TBitmap& Glyph() const { return glyph_; }
  int NumGlyphs = 1;
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  // The cell size (0 x 0 without a glyph).
  SIZE CellSize() const;
  // Draws glyph and caption into rect: state 0 up, 1 disabled, 2 down, 3 stays down.
  void Draw(TCanvas& canvas, const RECT& rect, const std::wstring& caption, int state,
            TImageList* images = nullptr, int imageIndex = -1);

 private:
  void DrawGlyph(TCanvas& canvas, POINT at, int state);
  TBitmap glyph_;
};

class TBitBtn : public TButton {
  KQ_DECLARE_CLASS(TBitBtn)

 public:
  explicit TBitBtn(TComponent* owner);

  TBitmap* Glyph() const { return const_cast<TBitmap*>(&look_.Glyph()); }
  // Takes a copy of the picture.
  void SetGlyph(TBitmap* v);
  int NumGlyphs() const { return look_.NumGlyphs; }
  void SetNumGlyphs(int v);
  TButtonLayout Layout() const { return look_.Layout; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return look_.Margin; }
  void SetMargin(int v);
  int Spacing() const { return look_.Spacing; }
  void SetSpacing(int v);
  // Instead of a glyph: an image of a list (ImageIndex when enabled, DisabledIndex when
  // disabled; -1 for none).
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* v);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int v);
  int DisabledIndex() const { return disabled_index_; }
  void SetDisabledIndex(int v);

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  void Notification(TComponent* component, TOperation op) override;

 private:
  void DrawItem(const DRAWITEMSTRUCT& dis);
  TButtonGlyph look_;
  TImageList* images_ = nullptr;
  int image_index_ = -1, disabled_index_ = -1;
};

class TSpeedButton : public TGraphicControl {
  KQ_DECLARE_CLASS(TSpeedButton)

 public:
  explicit TSpeedButton(TComponent* owner);

  TBitmap* Glyph() const { return const_cast<TBitmap*>(&look_.Glyph()); }
  void SetGlyph(TBitmap* v);
  int NumGlyphs() const { return look_.NumGlyphs; }
  void SetNumGlyphs(int v);
  TButtonLayout Layout() const { return look_.Layout; }
  void SetLayout(TButtonLayout v);
  int Margin() const { return look_.Margin; }
  void SetMargin(int v);
  int Spacing() const { return look_.Spacing; }
  void SetSpacing(int v);
  // A flat button shows its edge only under the mouse or when down.
  bool Flat() const { return flat_; }
  void SetFlat(bool v);
  // Buttons of the same parent and non-zero GroupIndex work as one group: a click puts the
  // button down and the others up; AllowAllUp lets a click put it up again.
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int v) { group_index_ = v; }
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool v) { allow_all_up_ = v; }
  bool Down() const { return down_; }
  void SetDown(bool v);
  // The mouse is held down on it.
  bool Pressed() const { return pressed_; }

 protected:
  void Paint(TCanvas& canvas) override;
  void WndProc(TMessage& m) override;

 private:
  bool Inside(LPARAM l) const;
  TButtonGlyph look_;
  bool flat_ = false, down_ = false, allow_all_up_ = false;
  bool pressed_ = false, dragging_ = false, mouse_in_ = false;
  int group_index_ = 0;
};

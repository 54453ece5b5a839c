#include "ui/buttons.h"

#include <algorithm>

#include "ui/handles.h"

using namespace kq::ui;

namespace {
const TEnumNames kLayoutNames{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};

TPropInfo CaptionProp() {
  return props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText);
}

// Glyph states and their cells.
constexpr int kStateUp = 0, kStateDisabled = 1, kStateDown = 2, kStateExclusive = 3;
}  // namespace

TButtonGlyphPlace CalcButtonLayout(SIZE button, SIZE glyph, SIZE text, TButtonLayout layout,
                                   int margin, int spacing) {
  const bool across = layout == blGlyphLeft || layout == blGlyphRight;
  TButtonGlyphPlace p;
  POINT t{};
  if (across) {
    p.glyph.y = (button.cy - glyph.cy + 1) / 2;
    t.y = (button.cy - text.cy + 1) / 2;
  } else {
    p.glyph.x = (button.cx - glyph.cx + 1) / 2;
    t.x = (button.cx - text.cx + 1) / 2;
  }
  const int size = across ? button.cx : button.cy;
  const int g = across ? glyph.cx : glyph.cy;
  const int s = across ? text.cx : text.cy;
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (size - (g + s)) / 3;
      spacing = margin;
    } else {
      margin = (size - (g + spacing + s) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (size - (margin + g) - s) / 2;
  }
  switch (layout) {
    case blGlyphLeft:
      p.glyph.x = margin;
      t.x = p.glyph.x + glyph.cx + spacing;
      break;
    case blGlyphRight:
      p.glyph.x = button.cx - margin - glyph.cx;
      t.x = p.glyph.x - spacing - text.cx;
      break;
    case blGlyphTop:
      p.glyph.y = margin;
      t.y = p.glyph.y + glyph.cy + spacing;
      break;
    case blGlyphBottom:
      p.glyph.y = button.cy - margin - glyph.cy;
      t.y = p.glyph.y - spacing - text.cy;
      break;
  }
  p.text = RECT{t.x, t.y, t.x + text.cx, t.y + text.cy};
  return p;
}

// ---- TButtonGlyph ------------------------------------------------------------------------

SIZE TButtonGlyph::CellSize() const {
  if (glyph_.Empty()) return SIZE{0, 0};
  return SIZE{glyph_.Width() / std::max(NumGlyphs, 1), glyph_.Height()};
}

void TButtonGlyph::DrawGlyph(TCanvas& canvas, POINT at, int state) {
  const SIZE cell = CellSize();
  if (cell.cx <= 0 || cell.cy <= 0) return;
  const int cells = std::max(NumGlyphs, 1);
  const int index = state < cells ? state : 0;
  const COLORREF key = glyph_.EffectiveTransparentColor();
  HDC dc = canvas.Handle();
  if (state == kStateDisabled && index == 0) {
    // No disabled cell: the dark parts of the up cell, engraved.
    TBitmap& src = const_cast<TBitmap&>(glyph_);
    kq::Bitmap px = src.Pixels();
    const COLORREF light = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    for (int pass = 0; pass < 2; ++pass) {
      const COLORREF c = pass == 0 ? light : shadow;
      const int off = pass == 0 ? 1 : 0;
      for (int y = 0; y < cell.cy; ++y) {
        const std::uint8_t* row = px.Row(y);
        for (int x = 0; x < cell.cx; ++x) {
          const std::uint8_t* p = row + x * 3;
          if (RGB(p[2], p[1], p[0]) == key) continue;
          if (p[0] + p[1] + p[2] >= 3 * 192) continue;  // light pixels vanish
          ::SetPixel(dc, at.x + x + off, at.y + y + off, c);
        }
      }
    }
    return;
  }
  TransparentBlt(dc, at.x, at.y, cell.cx, cell.cy, glyph_.MemoryDC(), index * cell.cx, 0, cell.cx,
                 cell.cy, key);
}

void TButtonGlyph::Draw(TCanvas& canvas, const RECT& rect, const std::wstring& caption, int state,
                        TImageList* images, int imageIndex) {
  SIZE glyph = CellSize();
  const bool fromList = glyph.cx == 0 && images && imageIndex >= 0;
  if (fromList) glyph = SIZE{images->Width(), images->Height()};
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT calc{0, 0, rect.right - rect.left, 0};
    canvas.DrawText(caption, calc, DT_CALCRECT | DT_CENTER);
    text = SIZE{calc.right - calc.left, calc.bottom - calc.top};
  }
  const SIZE button{rect.right - rect.left, rect.bottom - rect.top};
  TButtonGlyphPlace place = CalcButtonLayout(button, glyph, text, Layout, Margin, Spacing);
  const POINT at{rect.left + place.glyph.x, rect.top + place.glyph.y};
  if (fromList)
    images->Draw(canvas, at.x, at.y, imageIndex, state != kStateDisabled);
  else
    DrawGlyph(canvas, at, state);
  if (caption.empty()) return;
  RECT tr = place.text;
  OffsetRect(&tr, rect.left, rect.top);
  canvas.Brush().SetStyle(bsClear);
  if (state == kStateDisabled) {
    RECT shifted = tr;
    OffsetRect(&shifted, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(caption, shifted, DT_CENTER | DT_VCENTER);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(caption, tr, DT_CENTER | DT_VCENTER);
}

// ---- TBitBtn -----------------------------------------------------------------------------

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info(
      "TBitBtn", &TButton::StaticClass(),
      {props::Object<TBitBtn, TBitmap>("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph),
       props::Int<TBitBtn, int>("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs),
       props::Enum<TBitBtn, TButtonLayout>("Layout", kLayoutNames, &TBitBtn::Layout,
                                           &TBitBtn::SetLayout),
       props::Int<TBitBtn, int>("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin),
       props::Int<TBitBtn, int>("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing),
       props::Object<TBitBtn, TImageList>("Images", &TBitBtn::Images, &TBitBtn::SetImages),
       props::Int<TBitBtn, int>("ImageIndex", &TBitBtn::ImageIndex, &TBitBtn::SetImageIndex),
       props::Int<TBitBtn, int>("DisabledIndex", &TBitBtn::DisabledIndex,
                                &TBitBtn::SetDisabledIndex)});
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetGlyph(TBitmap* v) {
  if (v)
    look_.Glyph().Assign(*v);
  else
    look_.Glyph().SetSize(0, 0);
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int v) {
  look_.NumGlyphs = std::clamp(v, 1, 4);
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout v) {
  look_.Layout = v;
  Invalidate();
}

void TBitBtn::SetMargin(int v) {
  look_.Margin = v;
  Invalidate();
}

void TBitBtn::SetSpacing(int v) {
  look_.Spacing = v;
  Invalidate();
}

void TBitBtn::SetImages(TImageList* v) {
  if (images_ == v) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = v;
  if (v) FreeNotification(v);
  Invalidate();
}

void TBitBtn::SetImageIndex(int v) {
  image_index_ = v;
  Invalidate();
}

void TBitBtn::SetDisabledIndex(int v) {
  disabled_index_ = v;
  Invalidate();
}

void TBitBtn::Notification(TComponent* component, TOperation op) {
  TButton::Notification(component, op);
  if (op == opRemove && component == images_) images_ = nullptr;
}

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  // Drawn by the control: glyph and caption (Default shows as the focus frame).
  p.Style = (p.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
      m.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // A fast second click is a click too.
      m.Msg = WM_LBUTTONDOWN;
      break;
  }
  TButton::WndProc(m);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& dis) {
  RECT r = dis.rcItem;
  const bool pressed = dis.itemState & ODS_SELECTED;
  const bool focused = dis.itemState & ODS_FOCUS;
  const bool disabled = dis.itemState & ODS_DISABLED;
  HDC dc = dis.hDC;
  if (focused || Default()) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FrameRect(dc, &r, black);
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT inner = r;
  InflateRect(&inner, -2, -2);
  if (pressed) OffsetRect(&inner, 1, 1);
  TCanvas canvas(dc);
  canvas.Font().Assign(Font());
  const int state = disabled ? kStateDisabled : (pressed ? kStateDown : kStateUp);
  int index = image_index_;
  if (disabled && disabled_index_ >= 0) index = disabled_index_;
  look_.Draw(canvas, inner, Caption(), state, images_, index);
  if (focused) {
    RECT f = r;
    InflateRect(&f, -3, -3);
    DrawFocusRect(dc, &f);
  }
}

// ---- TSpeedButton ------------------------------------------------------------------------

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info(
      "TSpeedButton", &TGraphicControl::StaticClass(),
      {CaptionProp(),
       props::Object<TSpeedButton, TBitmap>("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph),
       props::Int<TSpeedButton, int>("NumGlyphs", &TSpeedButton::NumGlyphs,
                                     &TSpeedButton::SetNumGlyphs),
       props::Enum<TSpeedButton, TButtonLayout>("Layout", kLayoutNames, &TSpeedButton::Layout,
                                                &TSpeedButton::SetLayout),
       props::Int<TSpeedButton, int>("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin),
       props::Int<TSpeedButton, int>("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing),
       props::Bool<TSpeedButton>("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
       props::Bool<TSpeedButton>("Down", &TSpeedButton::Down, &TSpeedButton::SetDown),
       props::Int<TSpeedButton, int>("GroupIndex", &TSpeedButton::GroupIndex,
                                     &TSpeedButton::SetGroupIndex),
       props::Bool<TSpeedButton>("AllowAllUp", &TSpeedButton::AllowAllUp,
                                 &TSpeedButton::SetAllowAllUp)});
  return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  width_ = 23;
  height_ = 22;
  color_ = clBtnFace;
}

void TSpeedButton::SetGlyph(TBitmap* v) {
  if (v)
    look_.Glyph().Assign(*v);
  else
    look_.Glyph().SetSize(0, 0);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int v) {
  look_.NumGlyphs = std::clamp(v, 1, 4);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout v) {
  look_.Layout = v;
  Invalidate();
}

void TSpeedButton::SetMargin(int v) {
  look_.Margin = v;
  Invalidate();
}

void TSpeedButton::SetSpacing(int v) {
  look_.Spacing = v;
  Invalidate();
}

void TSpeedButton::SetFlat(bool v) {
  flat_ = v;
  Invalidate();
}

void TSpeedButton::SetDown(bool v) {
  if (group_index_ == 0) v = false;  // only grouped buttons stay down
  if (v == down_) return;
  down_ = v;
  if (v && Parent()) {
    for (TControl* c : Parent()->Controls()) {
      auto* other = dynamic_cast<TSpeedButton*>(c);
      if (other && other != this && other->group_index_ == group_index_ && other->down_) {
        other->down_ = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

bool TSpeedButton::Inside(LPARAM l) const {
  const int x = static_cast<short>(LOWORD(l)), y = static_cast<short>(HIWORD(l));
  return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void TSpeedButton::Paint(TCanvas& canvas) {
  RECT r = ClientRect();
  HDC dc = canvas.Handle();
  const bool sunk = down_ || pressed_;
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  if (!flat_) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
  } else if (sunk) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  } else if (mouse_in_ && Enabled()) {
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  }
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  if (sunk) OffsetRect(&inner, 1, 1);
  int state = kStateUp;
  if (!Enabled())
    state = kStateDisabled;
  else if (pressed_)
    state = kStateDown;
  else if (down_)
    state = kStateExclusive;
  look_.Draw(canvas, inner, Caption(), state);
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Enabled()) {
        pressed_ = dragging_ = true;
        Repaint();
      }
      break;
    case WM_MOUSEMOVE:
      if (dragging_ && Inside(m.LParam) != pressed_) {
        // Dragged off, the button comes up; back on, it goes down again.
        pressed_ = !pressed_;
        Repaint();
      }
      break;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        pressed_ = false;
        if (Inside(m.LParam) && group_index_ != 0) {
          if (!down_)
            SetDown(true);
          else if (allow_all_up_)
            SetDown(false);
        }
        Repaint();
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouse_in_ = m.Msg == CM_MOUSEENTER;
      if (flat_) Invalidate();
      break;
  }
  TGraphicControl::WndProc(m);
}

#include "skin/controls/skin_buttons.h"

#include <algorithm>
#include <cstring>

#include "skin/controls/control_skinner_host.h"
#include "skin/controls/core/button_rules.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/transform.h"
#include "ui/imglist.h"

using kq::skin::CaptionLines;

namespace {

bool ReadsTrue(const TPersistent* obj, const char* name) {
  auto v = GetPropText(obj, name);
  return v && _wcsicmp(v->c_str(), L"true") == 0;
}

// A published integer; a missing (or unreadable) one reads as 0.
int ReadInt(const TPersistent* obj, const char* name) {
  auto v = GetPropText(obj, name);
  if (!v) return 0;
  auto n = TextToInt(*v);
  return n ? static_cast<int>(*n) : 0;
}

kq::skin::GlyphLayout ReadLayout(const TPersistent* obj) {
  auto v = GetPropText(obj, "Layout");
  if (!v) return kq::skin::GlyphLayout::Left;
  const wchar_t* names[] = {L"blGlyphLeft", L"blGlyphRight", L"blGlyphTop", L"blGlyphBottom"};
  for (int i = 0; i < 4; ++i)
    if (_wcsicmp(v->c_str(), names[i]) == 0) return static_cast<kq::skin::GlyphLayout>(i);
  return kq::skin::GlyphLayout::Left;
}

// Sends a notification to whatever a skinner sits on.
void Notify(TSkinControl* s, UINT msg) {
  if (s->Control)
    s->Control->Perform(msg);
  else if (s->GraphicControl)
    s->GraphicControl->Perform(msg);
  else if (s->Handle)
    SendMessageW(s->Handle, msg, 0, 0);
}

// Text extent of `text` drawn with `flags` into `bounds` (DT_CALCRECT).
SIZE MeasureText(HDC dc, const std::wstring& text, RECT bounds, UINT flags) {
  if (text.empty()) return SIZE{0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, flags | DT_CALCRECT);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

void DrawTextAt(HDC dc, const std::wstring& text, RECT r, UINT flags) {
  if (text.empty()) return;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

}  // namespace

// ---- TSkinButton -------------------------------------------------------------------------

const TClassInfo& TSkinButton::StaticClass() {
  static const TClassInfo info("TSkinButton", &TSkinControl::StaticClass());
  return info;
}

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

const kq::TDataSkinButton* TSkinButton::ButtonObject() const {
  if (!SkinData || SkinData->Buttons.Bitmap.Width() == 0 || SkinData->Buttons.Bitmap.Height() == 0)
    return nullptr;
  return &SkinData->Buttons;
}

void TSkinButton::ReadState() {
  if (Handle) {
    Focused = GetFocus() == Handle;
    Enabled = !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED);
  } else if (GraphicControl) {
    Focused = false;
    Enabled = GraphicControl->Enabled();
  }
}

std::wstring TSkinButton::ReadCaption() const {
  if (const TControl* c = Control ? Control : GraphicControl) {
    auto v = GetPropText(c, "Caption");
    return v ? *v : std::wstring();
  }
  return WindowTextOf(Handle);
}

void TSkinButton::BecomeHotButton() {
  if (!FormSkinner) return;
  TSkinControl* previous = FormSkinner->HotButton;
  FormSkinner->HotButton = this;
  if (previous && previous != this) Notify(previous, CM_MOUSELEAVE);
}

void TSkinButton::LeaveHotButton() {
  if (FormSkinner && FormSkinner->HotButton == this) FormSkinner->HotButton = nullptr;
}

void TSkinButton::ClickControl() {
  if (Control) {
    Control->Click();
  } else if (Handle) {
    const int id = GetDlgCtrlID(Handle);
    PostMessageW(GetParent(Handle), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle));
  }
}

bool TSkinButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintInPlace(m);
      return false;
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case CN_DRAWITEM:
      // An owner-drawn button (TBitBtn) would draw its own face on focus and state changes.
      m.Result = TRUE;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != Handle) SetFocus(Handle);
      // The release comes to this window wherever the mouse is by then: it clicks.
      SetCapture(Handle);
      SetPressed(true);
      PaintWindow(nullptr);
      return false;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (m.WParam == VK_SPACE) {
        SetPressed(m.Msg == WM_KEYDOWN);
        InvalidateControl();
      }
      return;
    case WM_MOUSEMOVE:
      if (!Hot()) {
        SetHot(true);
        BecomeHotButton();
        InvalidateControl();
      }
      return;
    case WM_LBUTTONUP:
      if (Pressed()) {
        SetPressed(false);
        if (Handle && GetCapture() == Handle) ReleaseCapture();
        InvalidateControl();
        ClickControl();
      }
      return;
    case CM_MOUSEENTER:
      ReadState();
      if (Enabled) {
        SetHot(true);
        InvalidateControl();
        BecomeHotButton();
      }
      return;
    case CM_MOUSELEAVE:
      ReadState();
      if (Enabled) {
        SetHot(false);
        // While the left button holds the press (the mouse is captured), leaving does not
        // cancel it: releasing anywhere still clicks.
        const bool holding = Handle && GetCapture() == Handle && GetKeyState(VK_LBUTTON) < 0;
        if (!holding) SetPressed(false);
        InvalidateControl();
        LeaveHotButton();
      }
      return;
    case WM_CAPTURECHANGED:
      // Someone else took the mouse (a menu, a dialog): the press is over without a click.
      if (Pressed() && reinterpret_cast<HWND>(m.LParam) != Handle && GetKeyState(VK_SPACE) >= 0) {
        SetPressed(false);
        InvalidateControl();
      }
      return;
  }
  TSkinControl::AfterMessage(m);
}

COLORREF TSkinButton::FrameTextColour(int frame, COLORREF base) const {
  const kq::TDataSkinButton& b = SkinData->Buttons;
  if (frame == kq::skin::kFrameNormal && b.HasNormalColour2) return ColorToRGB(b.NormalColour2);
  if (frame == kq::skin::kFrameHot && b.HasMouseOverColour2) return ColorToRGB(b.MouseOverColour2);
  if (frame == kq::skin::kFramePressed && b.HasPressedColour2) return ColorToRGB(b.PressedColour2);
  return base;
}

void TSkinButton::DrawCentredCaption(HDC dc, const RECT& rect, const std::wstring& caption) {
  const std::wstring text = CaptionLines(caption);
  const SIZE size = MeasureText(dc, text, rect, DT_CENTER | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  const kq::Rect place = kq::skin::CentredTextBox(kq::Rect{rect.left, rect.top, rect.right, rect.bottom},
                                                  size.cx, size.cy, true);
  SetBkMode(dc, TRANSPARENT);
  DrawTextAt(dc, text, RECT{place.left, place.top, place.right, place.bottom},
             DT_CENTER | DT_EXPANDTABS | DT_WORDBREAK);
}

void TSkinButton::DrawSkin(HDC dc, const RECT& rect) {
  const kq::TDataSkinButton* object = ButtonObject();
  if (!object) return;
  const LONG_PTR style = Handle ? GetWindowLongPtrW(Handle, GWL_STYLE) : 0;
  const bool defaultButton = style & BS_DEFPUSHBUTTON;
  ReadState();
  const std::wstring caption = ReadCaption();
  const int frame = kq::skin::PushButtonFrame(Pressed(), Hot(), defaultButton, Focused, Enabled);
  last_frame_ = frame;

  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  Bitmap.SetSize(w, h);
  HDC mem = Bitmap.MemoryDC();
  const RECT local{0, 0, w, h};
  FillSkinFace(mem, local);
  DrawSkinObjectFrame(mem, local, kq::skin::kButtonFrameCount, frame, *object);

  HFONT font = nullptr;
  COLORREF colour;
  if (Control) {
    auto* f = dynamic_cast<TFont*>(GetPropObject(Control, "Font"));
    font = f ? f->Handle() : nullptr;
    colour = FrameTextColour(frame, ColorToRGB(f ? f->GetColor() : clBtnText));
    if (!Enabled) colour = ColorToRGB(clBtnShadow);
  } else {
    font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
    colour = FrameTextColour(frame, ColorToRGB(SkinData->ButtonTextColour));
    if (!Enabled) colour = RGB(0x80, 0x80, 0x80);
  }
  HGDIOBJ old = font ? SelectObject(mem, font) : nullptr;
  SetTextColor(mem, colour);
  DrawCentredCaption(mem, local, caption);
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, w, h, mem, 0, 0, SRCCOPY);
  if (old) SelectObject(mem, old);
  ReleasePicture();
}

void TSkinButton::ReleasePicture() {
  // Between paints a skinner holds no GDI object: a window with many buttons costs nothing
  // while it sits still, and handle counts stay exact whatever has been painted.
  Bitmap.SetSize(0, 0);
}

// ---- TSkinBitButton ----------------------------------------------------------------------

const TClassInfo& TSkinBitButton::StaticClass() {
  static const TClassInfo info("TSkinBitButton", &TSkinButton::StaticClass());
  return info;
}

TSkinBitButton::TSkinBitButton(TComponent* owner) : TSkinButton(owner) {}

void TSkinBitButton::DrawGlyphCell(HDC dc, int x, int y, TBitmap& glyph, int numGlyphs, int glyphState) {
  const int cellW = glyph.Width() / numGlyphs, cellH = glyph.Height();
  if (cellW <= 0 || cellH <= 0) return;
  const int cell = kq::skin::GlyphCell(glyphState, numGlyphs);
  const kq::Bitmap strip = glyph.Pixels();
  kq::Bitmap picture(cellW, cellH);
  for (int row = 0; row < cellH; ++row)
    std::memcpy(picture.Row(row), strip.Row(row) + static_cast<size_t>(cell * cellW) * 3,
                static_cast<size_t>(cellW) * 3);
  // The transparent colour is the cell's own bottom-left pixel, taken before graying.
  const std::uint8_t* corner = picture.Row(cellH - 1);
  const COLORREF key = RGB(corner[2], corner[1], corner[0]);
  if (glyphState == 2) kq::GrayBitmap(picture);
  const std::uint8_t* grayCorner = picture.Row(cellH - 1);
  const COLORREF drawnKey = glyphState == 2 ? RGB(grayCorner[2], grayCorner[1], grayCorner[0]) : key;
  TBitmap piece;
  piece.Assign(picture);
  TransparentBlt(dc, x, y, cellW, cellH, piece.MemoryDC(), 0, 0, cellW, cellH, drawnKey);
}

void TSkinBitButton::DrawSkin(HDC dc, const RECT& rect) {
  const kq::TDataSkinButton* object = ButtonObject();
  if (!object) return;
  ReadState();
  const std::wstring caption = ReadCaption();
  const TPersistent* props = Control;
  const bool defaultProp = props && ReadsTrue(props, "Default");
  const int frame = kq::skin::BitButtonFrame(Pressed(), Hot(), Focused, defaultProp, Enabled);
  const int glyphState = kq::skin::GlyphState(frame);
  last_frame_ = frame;

  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  Bitmap.SetSize(w, h);
  HDC mem = Bitmap.MemoryDC();
  HFONT font = Handle ? reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0)) : nullptr;
  const RECT local{0, 0, w, h};
  FillSkinFace(mem, local);
  DrawSkinObjectFrame(mem, local, object->FrameCount, frame, *object);

  auto* fontProp = props ? dynamic_cast<TFont*>(GetPropObject(props, "Font")) : nullptr;
  if (fontProp) font = fontProp->Handle();
  auto* glyph = props ? dynamic_cast<TBitmap*>(GetPropObject(props, "Glyph")) : nullptr;
  auto* images = props ? dynamic_cast<TImageList*>(GetPropObject(props, "Images")) : nullptr;
  const int numGlyphs = kq::skin::EffectiveNumGlyphs(props ? ReadInt(props, "NumGlyphs") : 0);
  const int imageIndex = props ? ReadInt(props, "ImageIndex") : 0;
  const int disabledIndex = props ? ReadInt(props, "DisabledIndex") : 0;
  auto alignment = props ? GetPropText(props, "Alignment") : std::nullopt;

  kq::skin::GlyphLayoutInput in;
  in.width = w;
  in.height = h;
  in.margin = props ? ReadInt(props, "Margin") : 0;
  in.spacing = props ? ReadInt(props, "Spacing") : 0;
  in.layout = props ? ReadLayout(props) : kq::skin::GlyphLayout::Left;
  in.alignCentre = alignment && _wcsicmp(alignment->c_str(), L"taCenter") == 0;
  const bool fromGlyph = glyph && !glyph->Empty();
  const bool fromList = !fromGlyph && images && imageIndex != -1;
  if (fromGlyph) {
    in.glyphWidth = glyph->Width() / numGlyphs;
    in.glyphHeight = glyph->Height();
  } else if (fromList) {
    in.glyphWidth = images->Width();
    in.glyphHeight = images->Height();
  }

  HGDIOBJ old = font ? SelectObject(mem, font) : nullptr;
  const std::wstring text = CaptionLines(caption);
  const SIZE size = MeasureText(mem, text, local, 0);
  in.textWidth = size.cx;
  in.textHeight = size.cy;
  const kq::skin::GlyphPlacement place = kq::skin::PlaceBitButtonGlyph(in);

  if (fromGlyph) {
    DrawGlyphCell(mem, place.glyphX, place.glyphY, *glyph, numGlyphs, glyphState);
  } else if (fromList) {
    int index = imageIndex;
    if (!Enabled && disabledIndex != -1) index = disabledIndex;
    TCanvas canvas(mem);
    images->Draw(canvas, place.glyphX, place.glyphY, index, Enabled);
  }

  COLORREF colour = FrameTextColour(frame, ColorToRGB(fontProp ? fontProp->GetColor() : clBtnText));
  if (!Enabled) colour = ColorToRGB(clBtnShadow);
  SetTextColor(mem, colour);
  SetBkMode(mem, TRANSPARENT);
  DrawTextAt(mem, text, RECT{place.text.left, place.text.top, place.text.right, place.text.bottom},
             place.textFlags);
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, w, h, mem, 0, 0, SRCCOPY);
  if (old) SelectObject(mem, old);
  ReleasePicture();
}

// ---- TSkinSpeedButton --------------------------------------------------------------------

const TClassInfo& TSkinSpeedButton::StaticClass() {
  static const TClassInfo info("TSkinSpeedButton", &TSkinBitButton::StaticClass());
  return info;
}

TSkinSpeedButton::TSkinSpeedButton(TComponent* owner) : TSkinBitButton(owner) {}

void TSkinSpeedButton::AttachToGraphic(ControlSkinnerHost* formSkinner, TSkinLook* skinData, TCanvas* canvas) {
  if (Attached) return;
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return;
  SkinData = skinData;
  Canvas = canvas;
  FormSkinner = formSkinner;
  GraphicControl = control;
  HookWindowProc(control);
  JoinFormSkinner();
  Enabled = control->Enabled();
  Attached = true;
  Phase = 1;
  control->Invalidate();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT: {
      if (!GraphicControl) return true;
      TCanvas canvas(reinterpret_cast<HDC>(m.WParam));
      DrawSpeedButton(canvas, GraphicControl->ClientRect());
      m.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The speed button keeps its own down and click logic.
      CallOriginal(m);
      SetPressed(true);
      PaintWindow(nullptr);
      return false;
  }
  return TSkinButton::BeforeMessage(m);
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCDESTROY:
    case CM_RELEASE:
      UnhookWindowProc();
      return;
    case WM_KEYDOWN:
      if (m.WParam == VK_SPACE) {
        SetPressed(true);
        PaintWindow(nullptr);
        return;
      }
      break;
    case WM_KEYUP:
    case WM_LBUTTONUP:
      if (m.Msg == WM_LBUTTONUP || m.WParam == VK_SPACE) {
        SetPressed(false);
        PaintWindow(nullptr);
        return;
      }
      break;
    case CM_MOUSEENTER:
      SetHot(true);
      PaintWindow(nullptr);
      return;
    case CM_MOUSELEAVE:
      SetHot(false);
      SetPressed(false);
      if (GraphicControl && GraphicControl->Visible()) PaintWindow(nullptr);
      return;
  }
  TSkinButton::AfterMessage(m);
}

void TSkinSpeedButton::PaintWindow(HDC) {
  auto* graphic = dynamic_cast<TGraphicControl*>(GraphicControl);
  if (!graphic || !graphic->Showing()) return;
  TCanvas* canvas = graphic->Canvas();
  if (!canvas || !canvas->Handle()) return;
  RECT r = graphic->ClientRect();
  try {
    DrawSpeedButton(*canvas, r);
  } catch (...) {
    // as TSkinControl::PaintWindow
  }
}

void TSkinSpeedButton::DrawSpeedButton(TCanvas& canvas, const RECT& rect) {
  const kq::TDataSkinButton* object = ButtonObject();
  if (!object || !GraphicControl) return;
  const TPersistent* props = GraphicControl;
  Enabled = ReadsTrue(props, "Enabled");
  const bool down = ReadsTrue(props, "Down");
  const int frame = kq::skin::SpeedButtonFrame(Pressed(), Hot(), down, Enabled);
  const int glyphState = kq::skin::GlyphState(frame);
  last_frame_ = frame;

  auto caption = GetPropText(props, "Caption");
  auto* fontProp = dynamic_cast<TFont*>(GetPropObject(props, "Font"));
  auto* glyph = dynamic_cast<TBitmap*>(GetPropObject(props, "Glyph"));
  const int numGlyphs = kq::skin::EffectiveNumGlyphs(ReadInt(props, "NumGlyphs"));
  const bool flat = ReadsTrue(props, "Flat");

  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  Bitmap.SetSize(w, h);
  HDC mem = Bitmap.MemoryDC();
  HGDIOBJ old = fontProp ? SelectObject(mem, fontProp->Handle()) : nullptr;
  const RECT local{0, 0, w, h};
  FillSkinFace(mem, local);
  if (kq::skin::SpeedButtonDrawsFrame(frame, flat))
    DrawSkinObjectFrame(mem, local, object->FrameCount, frame, *object);

  COLORREF colour = FrameTextColour(frame, ColorToRGB(fontProp ? fontProp->GetColor() : clBtnText));
  if (!Enabled) colour = ColorToRGB(clBtnShadow);
  SetTextColor(mem, colour);
  SetBkMode(mem, TRANSPARENT);
  const std::wstring text = caption ? *caption : std::wstring();
  if (!glyph || glyph->Empty()) {
    DrawCentredCaption(mem, local, text);
  } else {
    kq::skin::GlyphLayoutInput in;
    in.width = w;
    in.height = h;
    in.glyphWidth = glyph->Width() / numGlyphs;
    in.glyphHeight = glyph->Height();
    in.margin = ReadInt(props, "Margin");
    in.spacing = ReadInt(props, "Spacing");
    in.layout = ReadLayout(props);
    const std::wstring lines = CaptionLines(text);
    const SIZE size = MeasureText(mem, lines, local, 0);
    in.textWidth = size.cx;
    in.textHeight = size.cy;
    const kq::skin::GlyphPlacement place = kq::skin::PlaceSpeedButtonGlyph(in);
    DrawGlyphCell(mem, place.glyphX, place.glyphY, *glyph, numGlyphs, glyphState);
    DrawTextAt(mem, lines, RECT{place.text.left, place.text.top, place.text.right, place.text.bottom},
               place.textFlags);
  }
  GdiFlush();
  BitBlt(canvas.Handle(), rect.left, rect.top, w, h, mem, 0, 0, SRCCOPY);
  if (old) SelectObject(mem, old);
  ReleasePicture();
}

#include "skin/controls/skin_boxes.h"

#include <commctrl.h>

#include "skin/controls/core/box_rules.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "ui/handles.h"
#include "ui/statusbar.h"

using namespace kq::ui;

namespace {

RECT ToRect(const kq::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool HasImage(const kq::TDataSkinObject* o) { return o && !o->Bitmap.Empty(); }

}  // namespace

// ---- TSkinBox ------------------------------------------------------------------------------

const TClassInfo& TSkinBox::StaticClass() {
  static const TClassInfo info("TSkinBox", &TSkinControl::StaticClass());
  return info;
}

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinBox::AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                               TCanvas* canvas) {
  if (Attached || !BindToOwner(formSkinner, skinData, canvas)) return;
  UseSkinColor = useSkinColor;
  JoinFormSkinner();
  if (UseSkinColor) TakeSkinColour();
  Attached = true;
  Phase = 1;
}

void TSkinBox::Detach() {
  if (Phase != 4) TSkinControl::Detach();
  Phase = 2;
}

// ---- TSkinBoxH -----------------------------------------------------------------------------

const TClassInfo& TSkinBoxH::StaticClass() {
  static const TClassInfo info("TSkinBoxH", &TSkinControl::StaticClass());
  return info;
}

TSkinBoxH::TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND && m.WParam) {
    RECT r{};
    GetWindowRect(Handle, &r);
    OffsetRect(&r, -r.left, -r.top);
    FillSkinFace(reinterpret_cast<HDC>(m.WParam), r);
    m.Result = 0;
    return false;
  }
  return TSkinControl::BeforeMessage(m);
}

// ---- TSkinGroupBox -------------------------------------------------------------------------

const TClassInfo& TSkinGroupBox::StaticClass() {
  static const TClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass());
  return info;
}

TSkinGroupBox::TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}

void TSkinGroupBox::DrawSkin(HDC dc, const RECT& rect) {
  if (!SkinData) return;
  std::wstring caption = WindowTextOf(Handle);
  if (caption.empty() && Control) {
    auto v = GetPropText(Control, "Caption");
    if (v) caption = *v;
  }
  HFONT font = Control ? Control->Font().Handle()
                       : reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const kq::skin::GroupBoxLayout l = kq::skin::LayoutGroupBox(w, h, zero.cy);

  // The face frame twice over the etched frame of the control, so none of it shows.
  HBRUSH face = SkinData->FaceBrush();
  GdiHandle<HBRUSH> own;
  if (!face) {
    own.reset(CreateSolidBrushCounted(ColorToRGB(FaceColour())));
    face = own.get();
  }
  const RECT outer = ToRect(l.outer), inner = ToRect(l.inner);
  FrameRect(dc, &outer, face);
  FrameRect(dc, &inner, face);

  GdiHandle<HPEN> pen(CreatePenCounted(PS_SOLID, 1, ColorToRGB(SkinData->ButtonShadowColour)));
  HGDIOBJ oldPen = SelectObject(dc, pen.get());
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, l.round.left, l.round.top, l.round.right, l.round.bottom, kq::skin::kGroupBoxCorner,
            kq::skin::kGroupBoxCorner);

  const COLORREF oldBk = SetBkColor(dc, ColorToRGB(FaceColour()));
  const int oldMode = SetBkMode(dc, OPAQUE);
  const bool enabled = !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED);
  const COLORREF text = enabled ? ColorToRGB(Control ? Control->Font().GetColor() : clBtnText)
                                : ColorToRGB(clGrayText);
  const COLORREF oldText = SetTextColor(dc, text);
  if (!caption.empty()) {
    RECT cr = ToRect(l.caption);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &cr, DT_EXPANDTABS);
  }
  SetTextColor(dc, oldText);
  SetBkMode(dc, oldMode);
  SetBkColor(dc, oldBk);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  if (oldFont) SelectObject(dc, oldFont);
}

// ---- TSkinSizer ----------------------------------------------------------------------------

const TClassInfo& TSkinSizer::StaticClass() {
  static const TClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
  return info;
}

TSkinSizer::TSkinSizer(TComponent* owner) : TSkinControl(owner) {}

void TSkinSizer::DrawSkin(HDC dc, const RECT& rect) { FillSkinFace(dc, rect); }

// ---- TSkinStatusBar ------------------------------------------------------------------------

const TClassInfo& TSkinStatusBar::StaticClass() {
  static const TClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass());
  return info;
}

TSkinStatusBar::TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}

void TSkinStatusBar::DrawSkin(HDC dc, const RECT& rect) {
  if (!SkinData || !Handle) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  auto* bar = dynamic_cast<TStatusBar*>(Control);
  const kq::TDataSkinObject* edges = HasImage(SkinData->StatusBarEdges.get()) ? SkinData->StatusBarEdges.get() : nullptr;
  last_frames_.clear();

  TBitmap picture(w, h);
  HDC mem = picture.MemoryDC();
  const RECT local{0, 0, w, h};
  FillSkinFace(mem, local);
  {
    TCanvas canvas(mem);
    if (bar) canvas.Font().Assign(bar->Font());
    canvas.Font().SetStyle(0);
    if (SkinData->StatusBarEdges) canvas.Font().SetColor(SkinData->StatusBarEdges->NormalColour2);

    const int panels = bar ? bar->PanelCount() : 0;
    if (kq::skin::StatusBarSimple(bar && bar->SimplePanel(), panels)) {
      if (edges) DrawSkinObjectFrame(mem, local, kq::skin::kStatusEdgeFrames, kq::skin::kStatusSimpleFrame, *edges);
      last_frames_.push_back(kq::skin::kStatusSimpleFrame);
      const std::wstring text = bar ? bar->SimpleText() : WindowTextOf(Handle);
      const RECT tr = ToRect(kq::skin::StatusTextRect(kq::Rect{0, 0, w, h}));
      DrawCentredText(canvas, tr, DT_LEFT, true, text);
    } else {
      for (int i = 0; i < panels; ++i) {
        RECT pr{};
        if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&pr))) continue;
        const TStatusPanel* p = bar->Panel(i);
        const kq::Rect r = kq::skin::StatusPanelRect(kq::Rect{pr.left, pr.top, pr.right, pr.bottom}, i + 1 == panels, w);
        const int frame = kq::skin::StatusPanelFrame(static_cast<kq::skin::PanelBevel>(p->Bevel()));
        last_frames_.push_back(frame);
        if (edges) DrawSkinObjectFrame(mem, ToRect(r), kq::skin::kStatusEdgeFrames, frame, *edges);
        if (p->Style() == psOwnerDraw) continue;
        const unsigned align = kq::skin::StatusTextAlignment(p->Alignment(), p->UseRightToLeftReading());
        DrawCentredText(canvas, ToRect(kq::skin::StatusTextRect(r)), align, true, p->Text());
      }
    }
  }

  // The size grip of a bar that keeps the style (the form layer's bars have it switched off).
  const kq::TDataSkinObject* extra = SkinData->ExtraImages.get();
  if ((GetWindowLongPtrW(Handle, GWL_STYLE) & SBARS_SIZEGRIP) && HasImage(extra)) {
    const int frames = std::max<int>(extra->FrameCount, 1);
    const int cellW = extra->Bitmap.Width() / frames, cellH = extra->Bitmap.Height();
    if (cellW > 0 && frames >= kq::skin::kSizeGripFrame) {
      kq::Bitmap cell(cellW, cellH);
      const int f = kq::skin::kSizeGripFrame;
      kq::CopyPixels(cell, 0, 0, extra->Bitmap, kq::Rect{(f - 1) * cellW, 0, f * cellW, cellH});
      TBitmap piece;
      piece.Assign(cell);
      const kq::Rect g = kq::skin::SizeGripRect(w, h, cellW, cellH);
      TransparentBlt(mem, g.left, g.top, cellW, cellH, piece.MemoryDC(), 0, 0, cellW, cellH, RGB(255, 0, 255));
    }
  }

  GdiFlush();
  BitBlt(dc, rect.left, rect.top, w, h, mem, 0, 0, SRCCOPY);

  // Owner-drawn panels: the bar's handler paints them over the skin.
  if (bar && bar->OnDrawPanel && !bar->SimplePanel()) {
    for (int i = 0; i < bar->PanelCount(); ++i) {
      if (bar->Panel(i)->Style() != psOwnerDraw) continue;
      RECT pr{};
      if (!SendMessageW(Handle, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&pr))) continue;
      InflateRect(&pr, -1, -1);
      OffsetRect(&pr, rect.left, rect.top);
      TCanvas& c = bar->Canvas();
      c.SetHandle(dc);
      c.Font().Assign(bar->Font());
      bar->OnDrawPanel(bar, bar->Panel(i), pr);
      c.SetHandle(nullptr);
    }
  }
}

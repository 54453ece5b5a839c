#include "ui/extctrls.h"

#include <algorithm>

namespace {
const TEnumNames kBevelNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};
const TEnumNames kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

// One bevel of `width` pixels around r, which then shrinks by it.
void Bevel(HDC dc, RECT& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  for (int i = 0; i < width; ++i) {
    if (cut != bvSpace) DrawEdge(dc, &r, cut == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
    InflateRect(&r, -1, -1);
  }
}
}  // namespace

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo custom_control("TCustomControl", &TWinControl::StaticClass());
  static const TClassInfo custom("TCustomPanel", &custom_control);
  static const TClassInfo info(
      "TPanel", &custom,
      {props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText),
       props::Enum<TPanel, TBevelCut>("BevelInner", kBevelNames, &TPanel::BevelInner,
                                      &TPanel::SetBevelInner),
       props::Enum<TPanel, TBevelCut>("BevelOuter", kBevelNames, &TPanel::BevelOuter,
                                      &TPanel::SetBevelOuter),
       props::Int<TPanel, int>("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth),
       props::Int<TPanel, int>("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth),
       props::Enum<TPanel, TAlignment>("Alignment", kAlignmentNames, &TPanel::Alignment,
                                       &TPanel::SetAlignment)});
  return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  custom_paint_ = true;
  color_ = clBtnFace;
  width_ = 185;
  height_ = 41;
}

void TPanel::SetBevelInner(TBevelCut v) {
  bevel_inner_ = v;
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v) {
  bevel_outer_ = v;
  Invalidate();
}

void TPanel::SetBevelWidth(int v) {
  bevel_width_ = std::max(v, 1);
  Invalidate();
}

void TPanel::SetBorderWidth(int v) {
  border_width_ = std::max(v, 0);
  Invalidate();
}

void TPanel::SetAlignment(TAlignment v) {
  alignment_ = v;
  Invalidate();
}

void TPanel::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.ExStyle |= WS_EX_CONTROLPARENT;  // Tab walks into its children
}

void TPanel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      EraseWithColor(m);
      return;
    case CM_TEXTCHANGED:
      Invalidate();
      break;
  }
  TWinControl::WndProc(m);
}

void TPanel::PaintWindow(HDC dc) {
  RECT r = ClientRect();
  TCanvas canvas(dc);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(r);
  Bevel(dc, r, bevel_outer_, bevel_width_);
  InflateRect(&r, -border_width_, -border_width_);
  Bevel(dc, r, bevel_inner_, bevel_width_);
  const std::wstring text = Caption();
  if (text.empty()) return;
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(bsClear);
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
  flags |= alignment_ == taCenter ? DT_CENTER : (alignment_ == taRightJustify ? DT_RIGHT : DT_LEFT);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(text, r, flags);
}

#include "ui/statictext.h"

const TClassInfo& TStaticText::StaticClass() {
  static const TClassInfo custom("TCustomStaticText", &TWinControl::StaticClass());
  static const TClassInfo info(
      "TStaticText", &custom,
      {props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText)});
  return info;
}

TStaticText::TStaticText(TComponent* owner) : TWinControl(owner) {
  parent_color_ = true;
  width_ = 65;
  height_ = 17;
}

void TStaticText::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = L"STATIC";
  p.Style |= SS_LEFT | SS_NOPREFIX;
}

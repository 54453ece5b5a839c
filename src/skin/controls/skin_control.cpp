#include "skin/controls/skin_control.h"

#include <algorithm>

#include "skin/controls/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "ui/controls.h"

const TClassInfo& TSkinControl::StaticClass() {
  static const TClassInfo info("TSkinControl", &TComponent::StaticClass());
  return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  Destroying();
  if (FormSkinner) {
    auto& list = FormSkinner->ControlSkinners;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (FormSkinner->HotButton == this) FormSkinner->HotButton = nullptr;
  }
}

void TSkinControl::Detach() {
  if (UseSkinColor && Control) Control->SetColor(SavedColor);
}

void TSkinControl::SkinChanged() {
  if (UseSkinColor && Control && SkinData) Control->SetColor(SkinData->ButtonFaceColour);
  InvalidateControl();
}

void TSkinControl::InvalidateControl() {
  if (Control) {
    Control->Invalidate();
  } else if (GraphicControl) {
    GraphicControl->Invalidate();
  } else if (Handle) {
    InvalidateRect(Handle, nullptr, TRUE);
    UpdateWindow(Handle);
  }
}

#include "skin/form/sys_button.h"

#include "skin/form/core/frame_model.h"
#include "skin/form/win_skin_form.h"

TWinSysButton::TWinSysButton(TWinSkinForm* form, kq::TDataSkinSysButton* skinButton, int index,
                             const kq::Bitmap& windowIcon)
    : TNCObject(form), SkinButton(skinButton), Index(index) {
  // The skin's object is shared by every window; the icon goes into this button only.
  if (IsIcon() && skinButton->Bitmap.Empty()) own_image_ = windowIcon;
}

kq::skin::CaptionButtonSpec TWinSysButton::Spec() const { return kq::skin::SpecOf(*SkinButton); }

int TWinSysButton::Frames() const { return IsIcon() ? 1 : SkinButton->FrameCount; }

kq::skin::ButtonSize TWinSysButton::Size() const {
  const kq::Bitmap& image = Image();
  return kq::skin::CaptionButtonSize(image.Width(), image.Height(), Frames());
}

void TWinSysButton::Paint() { Form->PaintCaptionButton(this); }

// TWinSysButton: one caption button of a skinned frame (close, maximise, minimise, the window
// icon, a window-menu button of a maximised MDI child, or a button of the skin's own), shown
// from the skin's TDataSkinSysButton. The form skinner keeps them in skin order
// (TWinSkinForm::CaptionButtons), lays them out and draws them with the caption; a button
// repaints itself when its hover or press state changes.
#pragma once

#include "base/bitmap.h"
#include "skin/data/skin_objects.h"
#include "skin/form/core/caption_buttons.h"
#include "skin/form/nc_object.h"

class TWinSysButton : public TNCObject {
 public:
  // An icon button (Action 3 or 11) without an image of its own shows the window icon, so it
  // is laid out as large as `windowIcon`; it has one frame.
  TWinSysButton(TWinSkinForm* form, kq::TDataSkinSysButton* skinButton, int index,
                const kq::Bitmap& windowIcon);

  kq::TDataSkinSysButton* SkinButton;  // the skin's object, read only
  int Index;                           // position in the skin (SKM_QUERYBUTTONVISIBLE)

  kq::skin::CaptionButtonSpec Spec() const;
  bool IsIcon() const { return kq::skin::IsIconAction(SkinButton->Action); }
  // The strip that is laid out and drawn, and its frame count.
  const kq::Bitmap& Image() const { return own_image_.Empty() ? SkinButton->Bitmap : own_image_; }
  int Frames() const;
  kq::skin::ButtonSize Size() const;

  // Shows the button in its State on the window (the caption is composed again with this
  // button in its state's frame and the button's rectangle copied to the screen).
  void Paint() override;
  int Action() const override { return SkinButton->Action; }

 private:
  kq::Bitmap own_image_;
};

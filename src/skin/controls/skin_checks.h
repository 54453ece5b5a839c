// The check box and radio button skinners.
//
//   TSkinCheckBox     check boxes (TCheckBox, Win32 "button" windows with a check style)
//   TSkinRadioButton  radio buttons (TRadioButton, the buttons of a radio group, Win32
//                     "button" windows with a radio style)
//   TSkinObjImage     check boxes of another library that take a glyph strip: the strip is
//                     built once from the skin's check image and handed to the control
//
// The first two let the control paint itself (text, focus rectangle) and then paint the
// cell of the skin's check or radio image for the control's state over the box column: the
// column (16 pixels at the left, or 18 at the right for BS_LEFTTEXT) is filled with the
// parent's colour first (for a bare window: the brush its parent gives it for its
// background), the cell is drawn keyed on magenta. Frame choice and placement are the
// portable rules of core/check_rules.h. A state whose frame lies past the image (a disabled
// check box grayed through its "State") shows the image's last frame, never pixels from
// outside the image.
#pragma once

#include "skin/controls/skin_control.h"

class TSkinCheckBox : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinCheckBox)

 public:
  explicit TSkinCheckBox(TComponent* owner);

  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The frame (from 1) the last paint showed, 0 when nothing was drawn yet.
  int LastFrame() const { return last_frame_; }

 protected:
  // The frame for the control's state now, before it is fitted to the image.
  virtual int StateFrame(int frameCount) const;
  // The image of this kind and its frame count.
  virtual const kq::Bitmap& Image() const;
  virtual int ImageFrames() const;
  virtual bool Radio() const { return false; }
  // Fills the box column with the colour of what lies around the control.
  void FillColumn(HDC dc, const RECT& column);

  int last_frame_ = 0;
};

class TSkinRadioButton : public TSkinCheckBox {
  KQ_DECLARE_CLASS(TSkinRadioButton)

 public:
  explicit TSkinRadioButton(TComponent* owner);

 protected:
  int StateFrame(int frameCount) const override;
  const kq::Bitmap& Image() const override;
  int ImageFrames() const override;
  bool Radio() const override { return true; }
};

class TSkinObjImage : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinObjImage)

 public:
  explicit TSkinObjImage(TComponent* owner);

  // 1: check-image mode (the only mode there is).
  int Mode = 1;

  // Does not take the control's messages: builds the strip and hands it over.
  void AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                       TCanvas* canvas) override;
  // The control goes back to its own glyphs.
  void Detach() override;
  // A new skin: a new strip.
  void SkinChanged() override;

 private:
  void HandOverStrip();
};

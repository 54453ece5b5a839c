// The button skinners: push buttons drawn entirely from the skin's button image.
//
//   TSkinButton       plain push buttons (TButton, Win32 "button" windows)
//   TSkinBitButton    buttons with a glyph or an image list (TBitBtn, Skin3rd kind bitbtn)
//   TSkinSpeedButton  window-less speed buttons (TSpeedButton, Skin3rd kind speedbutton)
//
// They replace the control's painting completely: each paint is composed in the skinner's
// own bitmap (face colour, the frame of the button image for the state, glyph, caption) and
// reaches the screen in one blit. They track hover and press themselves; a push button's
// click comes from the skinner when the left button is released after a press on it,
// wherever the mouse is then (a program control runs Click, a Win32 window's parent gets
// WM_COMMAND with BN_CLICKED). A caption's "||" starts a new line.
//
// Frames of the button image: 1 normal, 2 pressed or down, 3 disabled, 4 hot or focused,
// 5 default button.
#pragma once

#include "skin/controls/skin_control.h"

namespace kq {
class TDataSkinButton;
}

class TSkinButton : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinButton)

 public:
  explicit TSkinButton(TComponent* owner);

  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The frame the last paint showed (1..5), 0 before the first paint.
  int LastFrame() const { return last_frame_; }

 protected:
  // The skin's button object when it has an image, else nullptr (nothing is drawn then).
  const kq::TDataSkinButton* ButtonObject() const;
  // Becomes the form skinner's HotButton; the previous one is told it lost the mouse.
  void BecomeHotButton();
  void LeaveHotButton();
  // The click of a release after a press.
  void ClickControl();
  // Enabled and Focused as the window (or window-less control) has them now.
  void ReadState();
  // Caption text: the program control's "Caption", else the window text.
  std::wstring ReadCaption() const;
  // The text colour for a frame: the skin's state colours where given, else `base`.
  COLORREF FrameTextColour(int frame, COLORREF base) const;
  // Draws `caption` ("||" breaks lines) centred, one pixel above the middle, word-wrapped.
  void DrawCentredCaption(HDC dc, const RECT& rect, const std::wstring& caption);
  // Frees the off-screen picture once it is on the screen.
  void ReleasePicture();

  TBitmap Bitmap;  // off-screen picture of each paint (sized while painting)
  int last_frame_ = 0;
};

class TSkinBitButton : public TSkinButton {
  KQ_DECLARE_CLASS(TSkinBitButton)

 public:
  explicit TSkinBitButton(TComponent* owner);
  void DrawSkin(HDC dc, const RECT& rect) override;

 protected:
  // Draws glyph cell `glyphState` (1 up, 2 disabled, 3 down) of a glyph strip at (x, y).
  static void DrawGlyphCell(HDC dc, int x, int y, TBitmap& glyph, int numGlyphs, int glyphState);
};

class TSkinSpeedButton : public TSkinBitButton {
  KQ_DECLARE_CLASS(TSkinSpeedButton)

 public:
  explicit TSkinSpeedButton(TComponent* owner);

  // The attach of a window-less control (the owner): takes its message method.
  void AttachToGraphic(ControlSkinnerHost* formSkinner, TSkinLook* skinData, TCanvas* canvas);

  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void PaintWindow(HDC dc) override;
  void DrawSpeedButton(TCanvas& canvas, const RECT& rect);
};

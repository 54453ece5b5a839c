// The container skinners: light touches on controls that hold other controls.
//
//   TSkinBox        panels, tool bars and embedded forms: only the skin's face colour (the
//                   control's own colour comes back when the skin goes)
//   TSkinBoxH       a dialog that is a child of another dialog: its background in the face
//                   colour
//   TSkinGroupBox   group boxes and radio groups: after the control painted itself, the
//                   skin's face frame hides the etched frame, a rounded rectangle in the
//                   shadow colour and the caption on the face colour go over it
//   TSkinSizer      a size grip, flat in the face colour
//   TSkinStatusBar  status bars: each panel redrawn from the skin's "StatusBarEdges" image
//                   (lowered 1, raised 2, no bevel 3; one frame 1 over a simple bar), the size
//                   grip from "ExtraImages" frame 5, owner-drawn panels by the bar's handler
//
// Geometry and frame choice are the portable rules of core/box_rules.h.
#pragma once

#include "skin/controls/skin_control.h"

class TSkinBox : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinBox)

 public:
  explicit TSkinBox(TComponent* owner);

  // Takes the control's colour, not its messages.
  void AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                       TCanvas* canvas) override;
  void Detach() override;
  void AfterMessage(TMessage&) override {}
};

class TSkinBoxH : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinBoxH)

 public:
  explicit TSkinBoxH(TComponent* owner);
  bool BeforeMessage(TMessage& m) override;
};

class TSkinGroupBox : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinGroupBox)

 public:
  explicit TSkinGroupBox(TComponent* owner);
  void DrawSkin(HDC dc, const RECT& rect) override;
};

class TSkinSizer : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinSizer)

 public:
  explicit TSkinSizer(TComponent* owner);
  void DrawSkin(HDC dc, const RECT& rect) override;
};

class TSkinStatusBar : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinStatusBar)

 public:
  explicit TSkinStatusBar(TComponent* owner);
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The "StatusBarEdges" frame the last paint gave each panel (one entry in simple mode).
  const std::vector<int>& LastFrames() const { return last_frames_; }

 private:
  std::vector<int> last_frames_;
};

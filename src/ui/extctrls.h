// TPanel: a container with raised or lowered bevels and a centred caption.
//
// Class identity: TPanel -> TCustomPanel -> TCustomControl -> TWinControl.
//
// The bevels are drawn inside the panel's client area: the outer bevel, BorderWidth pixels of
// Color, then the inner bevel, each BevelWidth pixels wide. The caption sits in the middle
// (Alignment decides left, centre or right) on one line. Child controls are placed on it.
#pragma once

#include "ui/controls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
  KQ_DECLARE_CLASS(TPanel)

 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelInner() const { return bevel_inner_; }
  void SetBevelInner(TBevelCut v);
  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut v);
  int BevelWidth() const { return bevel_width_; }
  void SetBevelWidth(int v);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;

 private:
  TBevelCut bevel_inner_ = bvNone, bevel_outer_ = bvRaised;
  int bevel_width_ = 1, border_width_ = 0;
  TAlignment alignment_ = taCenter;
};

// The skinners of the range controls:
//
//   TSkinTrackBar  the thumb of a track bar, drawn through the control's custom draw from
//                  the skin's "Trackbar.ThumbHorz" (or, for a vertical bar that has one,
//                  "Trackbar.ThumbVert") image; channel and ticks stay the control's;
//   TSkinProgress  the whole progress bar from the skin's "Progress" object: either the
//                  frame image with the chunk image tiled over the filled part (Style 1), or
//                  frame 1 of its two frames over the bar and frame 2 over the filled part.
//                  A vertical bar is composed lying down and turned upright, so it fills from
//                  the bottom. A skin without a "Progress" image leaves the bar to paint
//                  itself.
#pragma once

#include "skin/controls/core/edit_rules.h"
#include "skin/controls/skin_control.h"

class TSkinTrackBar : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinTrackBar)

 public:
  explicit TSkinTrackBar(TComponent* owner);

  bool BeforeMessage(TMessage& m) override;
  void SkinChanged() override;

  // The image the last thumb was drawn from (None: the plain outlined thumb).
  kq::skin::ThumbImage LastThumb() const { return last_thumb_; }
  int ThumbsDrawn() const { return thumbs_drawn_; }

 private:
  void DrawThumb(HDC dc);

  kq::skin::ThumbImage last_thumb_ = kq::skin::ThumbImage::None;
  int thumbs_drawn_ = 0;
};

class TSkinProgress : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinProgress)

 public:
  explicit TSkinProgress(TComponent* owner);

  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The filled length of the last paint, -1 before the first.
  int LastFill() const { return last_fill_; }

 private:
  bool HasProgressImage() const;

  int last_fill_ = -1;
};

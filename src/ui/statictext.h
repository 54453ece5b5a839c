// TStaticText: a text in a STATIC window of its own. Unlike TLabel, which its parent paints,
// it is a real window, so screen readers and UI automation read it as a window text.
//
// Class identity: TStaticText -> TCustomStaticText -> TWinControl. The text wraps at words
// within the bounds; "&" shows as it is. The background is the parent's colour.
#pragma once

#include "ui/controls.h"

class TStaticText : public TWinControl {
  KQ_DECLARE_CLASS(TStaticText)

 public:
  explicit TStaticText(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& p) override;
};

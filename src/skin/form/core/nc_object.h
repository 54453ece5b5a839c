// Clickable objects of a skinned frame (caption buttons, menu-bar buttons) and the hover and
// press states they share: 1 normal -> 3 hot (mouse enters) -> 2 pressed (button down) -> 3
// hot (button up); any state -> 1 when the mouse leaves. One object of a frame is hot at a
// time; the frame keeps it in its NcHotSlot.
#pragma once

#include "base/bitmap.h"
#include "skin/form/core/caption_buttons.h"

namespace kq::skin {

class TNCObject;

// The frame's one hot (or pressed) object.
struct NcHotSlot {
  TNCObject* HotObject = nullptr;
};

class TNCObject {
 public:
  explicit TNCObject(NcHotSlot& frame) : frame_(&frame) {}
  virtual ~TNCObject();
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  Rect BoundsRect;  // frame coordinates
  bool Visible = false;
  int State = kStateNormal;

  // A press takes the hot state from any other object.
  virtual void MouseDown();
  virtual void MouseUp();
  // Entering takes the hot state from another object; entering the hot object again
  // changes nothing.
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Shows the object in its current state; nothing in the base.
  virtual void Paint() {}

  bool IsHot() const { return frame_->HotObject == this; }

 private:
  void TakeHotState(int state);
  NcHotSlot* frame_;
};

}  // namespace kq::skin

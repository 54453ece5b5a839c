#include "skin/form/core/nc_object.h"

namespace kq::skin {

TNCObject::~TNCObject() {
  if (frame_->HotObject == this) frame_->HotObject = nullptr;
}

void TNCObject::TakeHotState(int state) {
  TNCObject* other = frame_->HotObject;
  if (other && other != this) other->MouseLeave();
  if (!Visible) return;
  frame_->HotObject = this;
  State = state;
  Paint();
}

void TNCObject::MouseDown() { TakeHotState(kStatePressed); }

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = kStateHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (frame_->HotObject == this) return;
  TakeHotState(kStateHot);
}

void TNCObject::MouseLeave() {
  // A button hidden while hot (maximise after maximising) still gives up the hot state.
  if (frame_->HotObject == this) frame_->HotObject = nullptr;
  if (!Visible) return;
  State = kStateNormal;
  Paint();
}

}  // namespace kq::skin

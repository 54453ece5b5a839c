// TNCObject: a clickable object of a skinned frame (a caption button, a menu-bar button). It
// carries the hover and press states that every such object shares; only one object of a
// window is hot at a time (the form skinner's HotObject). Positions are frame coordinates:
// relative to the window's top-left corner (TWinSkinForm::ScreenToFrame).
#pragma once

#include <windows.h>

#include "ui/component.h"

class TWinSkinForm;

class TNCObject : public TObject {
 public:
  static constexpr int kNormal = 1, kPressed = 2, kHot = 3;

  explicit TNCObject(TWinSkinForm* form) : Form(form) {}
  ~TNCObject() override;

  TWinSkinForm* Form;
  int Reserved = 0;
  RECT BoundsRect{};
  bool Visible = true;
  int State = kNormal;

  // Pressed: the previous hot object leaves; this one becomes hot in the pressed look.
  virtual void MouseDown();
  // Released over it: back to the hot look.
  virtual void MouseUp();
  // The mouse came over it: it becomes the hot object (the previous one leaves).
  virtual void MouseEnter();
  // The mouse left it: no hot object, normal look.
  virtual void MouseLeave();
  // Draws the object in its State (on the window DC); nothing in the base.
  virtual void Paint() {}
  // What clicking it does (a caption button's Action); -1 for objects without one.
  virtual int Action() const { return -1; }
};

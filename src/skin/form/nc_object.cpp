#include "skin/form/nc_object.h"

#include "skin/form/win_skin_form.h"

TNCObject::~TNCObject() {
  if (Form && Form->HotObject == this) Form->HotObject = nullptr;
}

void TNCObject::MouseDown() {
  if (Form->HotObject && Form->HotObject != this) Form->HotObject->MouseLeave();
  if (!Visible) return;
  Form->HotObject = this;
  State = kPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = kHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (Form->HotObject == this) return;
  if (Form->HotObject) Form->HotObject->MouseLeave();
  if (!Visible) return;
  Form->HotObject = this;
  State = kHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  if (Form->HotObject == this) Form->HotObject = nullptr;
  State = kNormal;
  Paint();
}

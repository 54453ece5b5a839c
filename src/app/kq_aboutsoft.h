// Taboutsoft_kq, the about box, opened from the tray menu's "关于软件". One instance,
// aboutsoft_kq, created last at start and kept hidden; a click on its background closes it.
#pragma once

#include "ui/forms.h"
#include "ui/stdctrls.h"

class Taboutsoft_kq : public TForm {
  KQ_CLASS(Taboutsoft_kq, TForm)

 public:
  explicit Taboutsoft_kq(TComponent* owner);

  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label3;
  TLabel* Label4;
  TLabel* Label5;

  void FormShow();
  void FormClick();
};

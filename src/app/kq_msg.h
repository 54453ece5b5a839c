// TMSG_KQ, the message window: the program's own notices, shown modally by
// TDM_kq::ShowNotice. One instance, MSG_KQ, created second at start and kept hidden.
#pragma once

#include <string>

#include "ui/forms.h"
#include "ui/stdctrls.h"

class TMSG_KQ : public TForm {
  KQ_CLASS(TMSG_KQ, TForm)

 public:
  explicit TMSG_KQ(TComponent* owner);

  TLabel* Label1;
  TButton* btn_close;

  // Caption and text of the next showing (set by ShowNotice).
  std::wstring MsgTitle;
  std::wstring MsgText;

  void FormShow();
  void btn_closeClick();
};

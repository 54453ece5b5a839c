// TMSG_KQ, the message window: the program's own notices, shown modally by
// TDM_kq::ShowNotice. One instance, MSG_KQ, created second at start and kept hidden.
#pragma once

#include <optional>
#include <string>

#include "app/core/placement.h"

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

  // While a notice is shown: the point it is centred on (set by ShowNotice). The skin gives
  // the window its frame only once it is shown, and the window grows then; it stays centred.
  std::optional<kq::Point> CentreOn;

  void FormShow();
  void btn_closeClick();

 protected:
  void WndProc(TMessage& m) override;

 private:
  void KeepCentred();
};

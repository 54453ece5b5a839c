// TWARN_KQ, the last warning: a minute before the task it tells the user what is about to
// happen and offers "推迟 10 分钟" and "取消执行". One instance, WARN_KQ, created last at start
// and kept hidden; the main window shows it, updates its text each second and closes it.
//
// It is top-most and shown without activation, so it takes no focus from what the user is
// typing. It is shown and hidden by its own calls only: sending the program to the
// notification area or back does not take it along. It is never modal.
#pragma once

#include <functional>
#include <string>

#include "ui/forms.h"
#include "ui/statictext.h"
#include "ui/stdctrls.h"

class TWARN_KQ : public TForm {
  KQ_CLASS(TWARN_KQ, TForm)

 public:
  explicit TWARN_KQ(TComponent* owner);

  // A window of its own, so screen readers and UI automation read the text.
  TStaticText* st_text;
  TButton* btn_postpone;
  TButton* btn_cancel;

  // What the buttons ask of the main window.
  std::function<void()> OnPostpone;
  std::function<void()> OnCancel;

  // Shows the warning with `text`, or only changes the text when it is up. Appearing, it is
  // centred on the screen, skinned like every window of the program, and sounds the
  // system's warning once.
  void ShowWarning(const std::wstring& text);
  void CloseWarning();

  void btn_postponeClick();
  void btn_cancelClick();

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  int ShowCommand() const override { return SW_SHOWNOACTIVATE; }
};

#include "app/kq_msg.h"

#include "app/ui_font.h"

TMSG_KQ::TMSG_KQ(TComponent* owner) : TForm(owner) {
  BeginLoading();
  Name = "MSG_KQ";
  SetCaption(L"注意");
  SetBorderStyle(bsDialog);
  SetBounds(0, 0, 269, 146);
  SetColor(clBtnFace);
  Font().SetName(ChineseCapableFace(L"MS Sans Serif", -11));
  Font().SetHeight(-11);

  Label1 = new TLabel(this);
  Label1->Name = "Label1";
  Label1->SetParent(this);
  Label1->SetAutoSize(false);
  Label1->SetWordWrap(true);
  Label1->SetBounds(16, 16, 236, 58);

  btn_close = new TButton(this);
  btn_close->Name = "btn_close";
  btn_close->SetParent(this);
  btn_close->SetBounds(88, 85, 75, 25);
  btn_close->SetCaption(L"确定");
  btn_close->SetTabOrder(0);
  btn_close->SetDefault(true);  // Enter and Escape close the notice as a click does
  btn_close->SetCancel(true);
  btn_close->OnClick = [this](TObject*) { btn_closeClick(); };

  OnShow = [this](TObject*) { FormShow(); };
  SetActiveControl(btn_close);
  EndLoading();
}

void TMSG_KQ::FormShow() {
  SetCaption(MsgTitle);
  Label1->SetCaption(MsgText);
}

void TMSG_KQ::btn_closeClick() { Close(); }

void TMSG_KQ::WndProc(TMessage& m) {
  TForm::WndProc(m);
  if (m.Msg == WM_WINDOWPOSCHANGED && !(reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags & SWP_NOSIZE))
    KeepCentred();
}

void TMSG_KQ::KeepCentred() {
  if (!CentreOn || !HandleAllocated()) return;
  RECT r{};
  GetWindowRect(Handle(), &r);
  const int left = CentreOn->x - (r.right - r.left) / 2, top = CentreOn->y - (r.bottom - r.top) / 2;
  if (left != r.left || top != r.top)
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

#include "app/kq_warn.h"

#include "app/core/texts.h"
#include "app/ui_font.h"
#include "skin/engine/skin_manager.h"
#include "ui/text.h"

using kq::ui::Widen;

TWARN_KQ::TWARN_KQ(TComponent* owner) : TForm(owner) {
  BeginLoading();
  Name = "WARN_KQ";
  SetCaption(Widen(kq::texts::kWarningCaption));
  SetBorderStyle(bsDialog);
  // No close box: the two buttons are the answers, and no answer lets the task go ahead.
  SetBorderIcons(0);
  SetFormStyle(fsStayOnTop);
  SetPosition(poDesktopCenter);
  SetBounds(0, 0, 300, 132);
  SetColor(clBtnFace);
  Font().SetName(ChineseCapableFace(L"MS Sans Serif", -11));
  Font().SetHeight(-11);

  st_text = new TStaticText(this);
  st_text->Name = "st_text";
  st_text->SetParent(this);
  st_text->SetBounds(16, 16, 262, 34);

  btn_postpone = new TButton(this);
  btn_postpone->Name = "btn_postpone";
  btn_postpone->SetParent(this);
  btn_postpone->SetBounds(48, 60, 90, 25);
  btn_postpone->SetCaption(Widen(kq::texts::kPostponeButton));
  btn_postpone->SetTabOrder(0);
  btn_postpone->OnClick = [this](TObject*) { btn_postponeClick(); };

  btn_cancel = new TButton(this);
  btn_cancel->Name = "btn_cancel";
  btn_cancel->SetParent(this);
  btn_cancel->SetBounds(156, 60, 90, 25);
  btn_cancel->SetCaption(Widen(kq::texts::kCancelButton));
  btn_cancel->SetTabOrder(1);
  btn_cancel->OnClick = [this](TObject*) { btn_cancelClick(); };
  EndLoading();
}

void TWARN_KQ::CreateParams(TCreateParams& p) {
  TForm::CreateParams(p);
  // Not owned by the application window: a minimised (tray) application would take it along.
  p.WndParent = nullptr;
}

void TWARN_KQ::WndProc(TMessage& m) {
  if (m.Msg == WM_WINDOWPOSCHANGING) {
    // The application hides and shows all its forms when it goes to the notification area
    // and comes back; this one keeps to what Visible says.
    auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
    if (Visible()) pos->flags &= ~SWP_HIDEWINDOW;
    else pos->flags &= ~SWP_SHOWWINDOW;
  }
  TForm::WndProc(m);
}

void TWARN_KQ::ShowWarning(const std::wstring& text) {
  if (st_text->Caption() != text) st_text->SetCaption(text);
  if (Visible()) return;
  SetVisible(true);
  // The skin manager skins windows when they are activated; this one never is.
  if (TSkinManage* m = SkinManager()) m->AttachFormSkinner(HandleOrNull());
  MessageBeep(MB_ICONWARNING);
}

void TWARN_KQ::CloseWarning() {
  if (Visible()) Hide();
}

void TWARN_KQ::btn_postponeClick() {
  if (OnPostpone) OnPostpone();
}

void TWARN_KQ::btn_cancelClick() {
  if (OnCancel) OnCancel();
}

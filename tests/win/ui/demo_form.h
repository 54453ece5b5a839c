// A form with one of every control of the layer, built from code the way window
// definitions are: in the loading state, components created in order, then Loaded.
// Its layout is the scheduler's main window, so its screenshot shows real Chinese captions.
#pragma once

#include "ui/comctrls.h"
#include "ui/forms.h"
#include "ui/imglist.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"

class TDemoForm : public TForm {
  KQ_CLASS(TDemoForm, TForm)

 public:
  TButton* btn_run;
  TGroupBox* GroupBox1;
  TRadioButton* Rb_ds;
  TDateTimePicker* tp_rq;
  TEdit* edt_hour;
  TLabel* lb_hour;
  TEdit* edt_minu;
  TLabel* lb_minu;
  TCheckBox* CKB_EVERYDAy;
  TRadioButton* Rb_yc;
  TEdit* edt_ychour;
  TLabel* Label1;
  TEdit* edt_ycminu;
  TLabel* Label2;
  TButton* btn_stop;
  TEdit* edt_timeleave;
  TGroupBox* GroupBox2;
  TLabel* Label3;
  TComboBox* cb_task;
  TCheckBox* ckb_autorun;
  TButton* btn_save;
  TButton* btn_close;
  TTimer* Timer1;
  TPopupMenu* PopupMenu1;
  TMenuItem* N1;
  TMenuItem* N2;
  TMenuItem* N3;
  TMenuItem* N4;
  TImageList* iglIcons;

  explicit TDemoForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    Name = "MAIN_KQ";
    SetCaption(L"Zelvo定时自动关机器V1.0");
    SetBounds(0, 0, 326, 252);
    SetPosition(poDesktopCenter);
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);

    btn_run = Make<TButton>("btn_run", this, 14, 164, 65, 25, L"执行");
    GroupBox1 = Make<TGroupBox>("GroupBox1", this, 3, 6, 314, 89, L"任务执行时间设置");
    Rb_ds = Make<TRadioButton>("Rb_ds", GroupBox1, 2, 24, 57, 17, L"定时：");
    Rb_ds->SetChecked(true);
    tp_rq = Make<TDateTimePicker>("tp_rq", GroupBox1, 64, 20, 97, 21, L"");
    tp_rq->Font().SetStyle(FontStyle(fsBold));
    edt_hour = Make<TEdit>("edt_hour", GroupBox1, 164, 20, 26, 21, L"17");
    edt_hour->Font().SetStyle(FontStyle(fsBold));
    lb_hour = Make<TLabel>("lb_hour", GroupBox1, 196, 28, 0, 0, L"时");
    edt_minu = Make<TEdit>("edt_minu", GroupBox1, 214, 20, 26, 21, L"58");
    edt_minu->Font().SetStyle(FontStyle(fsBold));
    lb_minu = Make<TLabel>("lb_minu", GroupBox1, 246, 28, 0, 0, L"分");
    CKB_EVERYDAy = Make<TCheckBox>("CKB_EVERYDAy", GroupBox1, 266, 24, 42, 17, L"每天");
    Rb_yc = Make<TRadioButton>("Rb_yc", GroupBox1, 2, 56, 57, 17, L"延迟：");
    edt_ychour = Make<TEdit>("edt_ychour", GroupBox1, 66, 52, 26, 21, L"01");
    edt_ychour->Font().SetStyle(FontStyle(fsBold));
    Label1 = Make<TLabel>("Label1", GroupBox1, 98, 60, 0, 0, L"小时");
    edt_ycminu = Make<TEdit>("edt_ycminu", GroupBox1, 142, 52, 26, 21, L"00");
    edt_ycminu->Font().SetStyle(FontStyle(fsBold));
    Label2 = Make<TLabel>("Label2", GroupBox1, 177, 60, 0, 0, L"分钟");
    // Tab order within the group box as the window has it.
    CKB_EVERYDAy->SetTabOrder(7);
    btn_stop = Make<TButton>("btn_stop", this, 89, 164, 65, 25, L"停止");
    btn_stop->SetEnabled(false);
    edt_timeleave = Make<TEdit>("edt_timeleave", this, 0, 192, 313, 21, L"");
    edt_timeleave->SetColor(clBtnFace);
    GroupBox2 = Make<TGroupBox>("GroupBox2", this, 3, 96, 314, 61, L"任务设置");
    Label3 = Make<TLabel>("Label3", GroupBox2, 9, 18, 0, 0, L"执行任务：");
    cb_task = Make<TComboBox>("cb_task", GroupBox2, 75, 12, 145, 21, L"");
    cb_task->SetItems({L"关闭计算机", L"注销计算机", L"重启计算机"});
    cb_task->SetItemIndex(0);
    cb_task->SetItemHeight(13);
    cb_task->Font().SetStyle(FontStyle(fsBold));
    ckb_autorun = Make<TCheckBox>("ckb_autorun", GroupBox2, 8, 40, 268, 17, L"开机时自动运行本程序");
    btn_save = Make<TButton>("btn_save", this, 165, 164, 65, 25, L"保存设置");
    btn_close = Make<TButton>("btn_close", this, 241, 164, 65, 25, L"退出");

    Timer1 = new TTimer(this);
    Timer1->Name = "Timer1";
    Timer1->SetEnabled(false);
    Timer1->SetInterval(10);

    iglIcons = new TImageList(this);
    iglIcons->Name = "iglIcons";
    iglIcons->SetSize(32, 32);
    for (TColor c : {clGreen, clRed, clYellow}) {
      TBitmap frame(32, 32);
      frame.Canvas().Brush().SetColor(clFuchsia);
      frame.Canvas().FillRect(RECT{0, 0, 32, 32});
      frame.Canvas().Brush().SetColor(c);
      frame.Canvas().Pen().SetColor(clBlack);
      frame.Canvas().Rectangle(6, 6, 26, 26);
      iglIcons->AddMasked(frame, clFuchsia);
    }

    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->Name = "PopupMenu1";
    N1 = AddItem("N1", L"显示/隐藏");
    N2 = AddItem("N2", L"停止执行");
    N3 = AddItem("N3", L"-");
    N4 = AddItem("N4", L"关于软件");
    SetPopupMenu(PopupMenu1);
    EndLoading();
  }

 private:
  template <class T>
  T* Make(const char* name, TWinControl* parent, int l, int t, int w, int h, const wchar_t* text) {
    T* c = new T(this);
    c->Name = name;
    c->SetParent(parent);
    if (w > 0) c->SetBounds(l, t, w, h);
    else c->SetBounds(l, t, c->Width(), c->Height());
    if (*text) c->SetCaption(text);
    return c;
  }
  TMenuItem* AddItem(const char* name, const wchar_t* caption) {
    auto* i = new TMenuItem(this);
    i->Name = name;
    i->SetCaption(caption);
    PopupMenu1->Items()->Add(i);
    return i;
  }
};

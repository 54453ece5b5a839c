// The gallery: one form with one of every control class of the form layer, in the states the
// skinners draw differently (default, disabled, down, flat, two-line caption, glyphs). The
// control-skinner suites test on it and take their screenshots of it.
#pragma once

#include "ui/buttons.h"
#include "ui/comctrls.h"
#include "ui/extctrls.h"
#include "ui/forms.h"
#include "ui/radiogroup.h"
#include "ui/statusbar.h"
#include "ui/stdctrls.h"

namespace skintest {

// A 16 x 16 glyph strip of `cells` cells on magenta (its bottom-left pixel, the transparent
// colour): cell 0 a green square, cell 1 a gray one, cell 2 a red one, cell 3 a blue one.
inline void MakeGlyph(TBitmap& glyph, int cells) {
  const COLORREF fills[4] = {RGB(0x20, 0xA0, 0x20), RGB(0xA0, 0xA0, 0xA0), RGB(0xC0, 0x20, 0x20),
                             RGB(0x20, 0x20, 0xC0)};
  glyph.SetSize(16 * cells, 16);
  kq::Bitmap px = glyph.Pixels();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16 * cells; ++x) {
      const int cx = x % 16;
      const bool inside = cx >= 3 && cx < 13 && y >= 3 && y < 13;
      const COLORREF c = inside ? fills[x / 16] : RGB(255, 0, 255);
      std::uint8_t* p = px.Row(y) + x * 3;
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
}

class TGalleryForm : public TForm {
  KQ_CLASS(TGalleryForm, TForm)

 public:
  TButton* btn_run;        // plain
  TButton* btn_ok;         // default push button
  TButton* btn_stop;       // disabled
  TButton* btn_twolines;   // "确定||取消"
  TBitBtn* bit_glyph;      // two-cell glyph
  TBitBtn* bit_disabled;   // disabled, same glyph
  TBitBtn* bit_default;    // Default, glyph on top
  TSpeedButton* spd_plain;
  TSpeedButton* spd_flat;
  TSpeedButton* spd_down;  // grouped and down
  TCheckBox* ckb_autorun;
  TRadioButton* Rb_ds;
  TRadioButton* Rb_yc;
  TEdit* edt_hour;
  TLabel* Label1;
  TGroupBox* GroupBox1;
  TRadioButton* rb_inner;
  TComboBox* cb_task;
  TDateTimePicker* tp_rq;
  TPanel* Panel1;
  TButton* btn_inpanel;
  TButton* btn_tagged;  // Tag 99: never skinned
  TCheckBox* ckb_left;  // text on the left (BS_LEFTTEXT), checked
  TRadioGroup* RadioGroup1;
  TStatusBar* StatusBar1;  // three panels: lowered, no bevel, raised

  explicit TGalleryForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    Name = "GALLERY";
    SetCaption(L"控件一览");
    SetBorderStyle(bsSingle);
    SetBounds(40, 40, 600, 400);
    TBitmap glyph;
    MakeGlyph(glyph, 2);

    btn_run = Button("btn_run", L"执行", 16, 16);
    btn_ok = Button("btn_ok", L"确定", 104, 16);
    btn_ok->SetDefault(true);
    btn_stop = Button("btn_stop", L"停止", 192, 16);
    btn_stop->SetEnabled(false);
    btn_twolines = Button("btn_twolines", L"确定||取消", 280, 16);
    btn_twolines->SetHeight(44);

    bit_glyph = BitBtn("bit_glyph", L"保存设置", 16, 72, glyph);
    bit_disabled = BitBtn("bit_disabled", L"退出", 136, 72, glyph);
    bit_disabled->SetEnabled(false);
    bit_default = BitBtn("bit_default", L"关于", 256, 72, glyph);
    bit_default->SetDefault(true);
    bit_default->SetLayout(blGlyphTop);
    bit_default->SetHeight(44);

    spd_plain = Speed("spd_plain", L"开", 376, 16);
    spd_flat = Speed("spd_flat", L"平", 408, 16);
    spd_flat->SetFlat(true);
    spd_down = Speed("spd_down", L"按", 440, 16);
    spd_down->SetGroupIndex(1);
    spd_down->SetDown(true);

    ckb_autorun = new TCheckBox(this);
    Place(ckb_autorun, "ckb_autorun", 16, 132, 200, 17);
    ckb_autorun->SetCaption(L"开机时自动运行本程序");
    Rb_ds = new TRadioButton(this);
    Place(Rb_ds, "Rb_ds", 16, 156, 80, 17);
    Rb_ds->SetCaption(L"定时：");
    Rb_ds->SetChecked(true);
    Rb_yc = new TRadioButton(this);
    Place(Rb_yc, "Rb_yc", 100, 156, 80, 17);
    Rb_yc->SetCaption(L"延迟：");
    edt_hour = new TEdit(this);
    Place(edt_hour, "edt_hour", 16, 184, 60, 21);
    edt_hour->SetText(L"01");
    Label1 = new TLabel(this);
    Place(Label1, "Label1", 84, 188, 40, 13);
    Label1->SetCaption(L"小时");
    cb_task = new TComboBox(this);
    Place(cb_task, "cb_task", 16, 216, 140, 21);
    cb_task->SetStyle(csDropDownList);
    cb_task->SetItems({L"关闭计算机", L"注销计算机", L"重启计算机"});
    cb_task->SetItemIndex(0);
    tp_rq = new TDateTimePicker(this);
    Place(tp_rq, "tp_rq", 16, 248, 140, 21);

    GroupBox1 = new TGroupBox(this);
    Place(GroupBox1, "GroupBox1", 240, 132, 180, 90);
    GroupBox1->SetCaption(L"任务设置");
    rb_inner = new TRadioButton(this);
    rb_inner->Name = "rb_inner";
    rb_inner->SetParent(GroupBox1);
    rb_inner->SetBounds(12, 24, 120, 17);
    rb_inner->SetCaption(L"每天");

    Panel1 = new TPanel(this);
    Place(Panel1, "Panel1", 240, 236, 180, 60);
    Panel1->SetCaption(L"");
    btn_inpanel = new TButton(this);
    btn_inpanel->Name = "btn_inpanel";
    btn_inpanel->SetParent(Panel1);
    btn_inpanel->SetBounds(8, 16, 75, 25);
    btn_inpanel->SetCaption(L"面板内");

    btn_tagged = Button("btn_tagged", L"不换肤", 440, 300);
    btn_tagged->Tag = 99;

    ckb_left = new TCheckBox(this);
    Place(ckb_left, "ckb_left", 16, 280, 160, 17);
    ckb_left->SetAlignment(taLeftJustify);
    ckb_left->SetCaption(L"文字在左");
    ckb_left->SetChecked(true);
    RadioGroup1 = new TRadioGroup(this);
    Place(RadioGroup1, "RadioGroup1", 436, 132, 140, 100);
    RadioGroup1->SetCaption(L"任务");
    RadioGroup1->SetItems({L"关闭", L"注销", L"重启"});
    RadioGroup1->SetItemIndex(0);
    StatusBar1 = new TStatusBar(this);
    Place(StatusBar1, "StatusBar1", 0, 342, 594, 20);
    StatusBar1->AddPanel(L"就绪", 200);
    StatusBar1->AddPanel(L"无边", 150)->SetBevel(pbNone);
    StatusBar1->AddPanel(L"凸起", 100)->SetBevel(pbRaised);
    SetActiveControl(edt_hour);
    EndLoading();
  }

 private:
  void Place(TControl* c, const char* name, int x, int y, int w, int h) {
    c->Name = name;
    c->SetParent(this);
    c->SetBounds(x, y, w, h);
  }
  TButton* Button(const char* name, const wchar_t* caption, int x, int y) {
    auto* b = new TButton(this);
    Place(b, name, x, y, 80, 25);
    b->SetCaption(caption);
    return b;
  }
  TBitBtn* BitBtn(const char* name, const wchar_t* caption, int x, int y, TBitmap& glyph) {
    auto* b = new TBitBtn(this);
    Place(b, name, x, y, 112, 30);
    b->SetCaption(caption);
    b->SetGlyph(&glyph);
    b->SetNumGlyphs(2);
    return b;
  }
  TSpeedButton* Speed(const char* name, const wchar_t* caption, int x, int y) {
    auto* b = new TSpeedButton(this);
    Place(b, name, x, y, 28, 25);
    b->SetCaption(caption);
    return b;
  }
};

}  // namespace skintest

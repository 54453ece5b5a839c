// The third gallery page: the tabbed controls of the form layer, in the states their skinners
// draw differently (a page control whose sheets hold controls, tabs at the bottom and at the
// left, more tabs than fit with the scroll arrows, a tab set under a panel).
#pragma once

#include <string>

#include "ui/comctrls.h"
#include "ui/extctrls.h"
#include "ui/forms.h"
#include "ui/lists.h"
#include "ui/stdctrls.h"
#include "ui/tabs.h"

namespace skintest {

class TGalleryTabsForm : public TForm {
  KQ_CLASS(TGalleryTabsForm, TForm)

 public:
  TPageControl* PageControl1;
  TTabSheet* ts_ontime;  // a button, a check box, an edit and a label
  TTabSheet* ts_task;    // a combo box and radio buttons
  TTabSheet* ts_log;     // a list box with a bar
  TButton* btn_onpage;
  TCheckBox* ckb_onpage;
  TEdit* edt_onpage;
  TLabel* lbl_onpage;
  TComboBox* cb_onpage;
  TRadioButton* rb_shutdown;
  TRadioButton* rb_restart;
  TComboBox* cb_simple;     // a simple combo box: its list always shown
  TDateTimePicker* tp_time; // a time picker: spin buttons inside
  TListBox* lb_onpage;
  TTabControl* tc_bottom;  // tabs at the bottom
  TTabControl* tc_left;    // tabs at the left
  TTabControl* tc_many;    // more tabs than fit: scroll arrows
  TPanel* pnl_notebook;    // the page above the tab set
  TTabSet* TabSet1;

  explicit TGalleryTabsForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    Name = "GALLERY_TABS";
    SetCaption(L"控件一览（标签）");
    SetBorderStyle(bsSingle);
    SetBounds(80, 40, 640, 460);

    PageControl1 = new TPageControl(this);
    Place(PageControl1, "PageControl1", 16, 16, 300, 200);
    ts_ontime = Sheet("ts_ontime", L"定时");
    ts_task = Sheet("ts_task", L"任务设置");
    ts_log = Sheet("ts_log", L"日志");
    btn_onpage = new TButton(this);
    OnSheet(btn_onpage, ts_ontime, "btn_onpage", 12, 12, 80, 25);
    btn_onpage->SetCaption(L"执行");
    ckb_onpage = new TCheckBox(this);
    OnSheet(ckb_onpage, ts_ontime, "ckb_onpage", 12, 48, 120, 17);
    ckb_onpage->SetCaption(L"每天");
    ckb_onpage->SetChecked(true);
    edt_onpage = new TEdit(this);
    OnSheet(edt_onpage, ts_ontime, "edt_onpage", 12, 76, 60, 21);
    edt_onpage->SetText(L"17");
    lbl_onpage = new TLabel(this);
    OnSheet(lbl_onpage, ts_ontime, "lbl_onpage", 80, 80, 40, 13);
    lbl_onpage->SetCaption(L"小时");
    cb_onpage = new TComboBox(this);
    OnSheet(cb_onpage, ts_task, "cb_onpage", 12, 12, 140, 21);
    cb_onpage->SetStyle(csDropDownList);
    cb_onpage->SetItems({L"关闭计算机", L"注销计算机", L"重启计算机"});
    cb_onpage->SetItemIndex(0);
    rb_shutdown = new TRadioButton(this);
    OnSheet(rb_shutdown, ts_task, "rb_shutdown", 12, 48, 100, 17);
    rb_shutdown->SetCaption(L"关闭");
    rb_shutdown->SetChecked(true);
    rb_restart = new TRadioButton(this);
    OnSheet(rb_restart, ts_task, "rb_restart", 12, 72, 100, 17);
    rb_restart->SetCaption(L"重启");
    cb_simple = new TComboBox(this);
    OnSheet(cb_simple, ts_task, "cb_simple", 164, 12, 110, 90);
    cb_simple->SetStyle(csSimple);
    cb_simple->SetItems({L"关闭计算机", L"注销计算机", L"重启计算机", L"关闭", L"注销", L"重启", L"等待"});
    cb_simple->SetItemIndex(1);
    tp_time = new TDateTimePicker(this);
    OnSheet(tp_time, ts_task, "tp_time", 12, 100, 100, 21);
    tp_time->SetKind(dtkTime);
    lb_onpage = new TListBox(this);
    OnSheet(lb_onpage, ts_log, "lb_onpage", 8, 8, 200, 120);
    for (int i = 1; i <= 20; ++i) lb_onpage->AddItem(L"开始执行 第" + std::to_wstring(i) + L"次");

    tc_bottom = new TTabControl(this);
    tc_bottom->SetTabPosition(tpBottom);
    Place(tc_bottom, "tc_bottom", 332, 16, 280, 120);
    tc_bottom->SetTabs({L"关闭", L"注销", L"重启"});
    tc_bottom->SetTabIndex(1);

    tc_left = new TTabControl(this);
    tc_left->SetTabPosition(tpLeft);
    Place(tc_left, "tc_left", 332, 150, 280, 150);
    tc_left->SetTabs({L"定时", L"延迟"});
    tc_left->SetTabIndex(0);

    tc_many = new TTabControl(this);
    Place(tc_many, "tc_many", 16, 232, 300, 70);
    for (int i = 1; i <= 9; ++i) tc_many->AddTab(L"第" + std::to_wstring(i) + L"项");
    tc_many->SetTabIndex(2);

    pnl_notebook = new TPanel(this);
    Place(pnl_notebook, "pnl_notebook", 16, 320, 596, 70);
    pnl_notebook->SetBevelOuter(bvNone);
    pnl_notebook->SetCaption(L"");
    TabSet1 = new TTabSet(this);
    Place(TabSet1, "TabSet1", 16, 390, 596, 24);
    TabSet1->SetTabs({L"全部", L"关机", L"重启", L"注销"});
    TabSet1->SetTabIndex(0);
    EndLoading();
  }

 private:
  void Place(TControl* c, const char* name, int x, int y, int w, int h) {
    c->Name = name;
    c->SetParent(this);
    c->SetBounds(x, y, w, h);
  }
  TTabSheet* Sheet(const char* name, const wchar_t* caption) {
    auto* s = new TTabSheet(this);
    s->Name = name;
    s->SetCaption(caption);
    s->SetPageControl(PageControl1);
    return s;
  }
  void OnSheet(TControl* c, TTabSheet* sheet, const char* name, int x, int y, int w, int h) {
    c->Name = name;
    c->SetParent(sheet);
    c->SetBounds(x, y, w, h);
  }
};

}  // namespace skintest

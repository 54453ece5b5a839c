// The second gallery page: the scrolling controls of the form layer, in the states their
// skinners draw differently (one bar, both bars and the corner, a scroll-bar control in each
// direction and disabled, a report list view with its header, a scroll box with children).
#pragma once

#include <string>

#include "ui/forms.h"
#include "ui/lists.h"
#include "ui/stdctrls.h"

namespace skintest {

class TGalleryListsForm : public TForm {
  KQ_CLASS(TGalleryListsForm, TForm)

 public:
  TListBox* lb_log;        // vertical bar only
  TListBox* lb_wide;       // both bars and the corner square
  TMemo* mm_notes;         // memo with both bars
  TScrollBar* sb_horz;     // horizontal scroll-bar control
  TScrollBar* sb_vert;     // vertical, with a page
  TScrollBar* sb_off;      // disabled
  TListView* lv_events;    // report style with a header
  TScrollBox* ScrollBox1;  // children beyond its client area
  TButton* btn_inbox;

  explicit TGalleryListsForm(TComponent* owner) : TForm(owner) {
    BeginLoading();
    Name = "GALLERY_LISTS";
    SetCaption(L"控件一览（滚动）");
    SetBorderStyle(bsSingle);
    SetBounds(60, 60, 640, 440);

    lb_log = new TListBox(this);
    Place(lb_log, "lb_log", 16, 16, 150, 140);
    for (int i = 1; i <= 30; ++i) lb_log->AddItem(L"开始执行 第" + std::to_wstring(i) + L"次");
    lb_log->SetItemIndex(2);

    lb_wide = new TListBox(this);
    Place(lb_wide, "lb_wide", 180, 16, 150, 140);
    for (int i = 1; i <= 30; ++i)
      lb_wide->AddItem(L"2026-12-08 20:" + std::to_wstring(10 + i) + L":00 到时执行之前约定的任务");
    lb_wide->SetScrollWidth(360);

    mm_notes = new TMemo(this);
    Place(mm_notes, "mm_notes", 344, 16, 270, 140);
    mm_notes->SetScrollBars(ssBoth);
    for (int i = 1; i <= 20; ++i)
      mm_notes->AddLine(L"第" + std::to_wstring(i) + L"行：Zelvo定时自动关机器会在约定的时间关闭计算机。");

    sb_horz = new TScrollBar(this);
    Place(sb_horz, "sb_horz", 16, 170, 314, GetSystemMetrics(SM_CYHSCROLL));
    sb_horz->SetParams(30, 0, 100);
    sb_vert = new TScrollBar(this);
    sb_vert->SetKind(sbVertical);
    Place(sb_vert, "sb_vert", 344, 170, GetSystemMetrics(SM_CXVSCROLL), 100);
    sb_vert->SetParams(0, 0, 100);
    sb_vert->SetPageSize(25);
    sb_off = new TScrollBar(this);
    Place(sb_off, "sb_off", 16, 196, 314, GetSystemMetrics(SM_CYHSCROLL));
    sb_off->SetEnabled(false);

    lv_events = new TListView(this);
    Place(lv_events, "lv_events", 16, 226, 314, 170);
    lv_events->AddColumn(L"时间", 140);
    lv_events->AddColumn(L"事件", 220);
    for (int i = 0; i < 20; ++i)
      lv_events->AddItem({L"2026-12-08 20:" + std::to_wstring(10 + i), i % 2 ? L"保存设置" : L"开始执行"});

    ScrollBox1 = new TScrollBox(this);
    Place(ScrollBox1, "ScrollBox1", 376, 170, 238, 226);
    btn_inbox = new TButton(this);
    btn_inbox->Name = "btn_inbox";
    btn_inbox->SetParent(ScrollBox1);
    btn_inbox->SetBounds(16, 16, 80, 25);
    btn_inbox->SetCaption(L"框内");
    ScrollBox1->SetRange(400, 360);
    EndLoading();
  }

 private:
  void Place(TControl* c, const char* name, int x, int y, int w, int h) {
    c->Name = name;
    c->SetParent(this);
    c->SetBounds(x, y, w, h);
  }
};

}  // namespace skintest

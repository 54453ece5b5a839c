// The controls of the program's windows on one real form: their windows, their texts, their
// state, and the notifications the layer sends through WindowProc.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "win/ui/demo_form.h"
#include "win/ui/ui_test_util.h"

using namespace uitest;

namespace {

std::wstring ClassOf(HWND w) {
  wchar_t cls[64] = {};
  GetClassNameW(w, cls, 64);
  return cls;
}

class ControlsTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    form = app->CreateForm<TDemoForm>();
    form->Show();
    UpdateWindow(form->Handle());
  }
  TDemoForm* form = nullptr;
};

TEST_F(ControlsTest, EveryControlHasItsWindowParentAndText) {
  struct Row {
    TWinControl* control;
    const wchar_t* cls;
    TWinControl* parent;
  };
  const Row rows[] = {
      {form->btn_run, L"Button", form},        {form->GroupBox1, L"Button", form},
      {form->Rb_ds, L"Button", form->GroupBox1}, {form->tp_rq, L"SysDateTimePick32", form->GroupBox1},
      {form->edt_hour, L"Edit", form->GroupBox1}, {form->CKB_EVERYDAy, L"Button", form->GroupBox1},
      {form->cb_task, L"ComboBox", form->GroupBox2}, {form->edt_timeleave, L"Edit", form},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.control->Name);
    ASSERT_TRUE(r.control->HandleAllocated());
    EXPECT_EQ(lstrcmpiW(ClassOf(r.control->Handle()).c_str(), r.cls), 0);
    EXPECT_EQ(GetParent(r.control->Handle()), r.parent->Handle());
    EXPECT_TRUE(IsWindowVisible(r.control->Handle()));
  }
  EXPECT_EQ(WindowText(form->GroupBox1->Handle()), L"任务执行时间设置");
  EXPECT_EQ(form->btn_run->Caption(), L"执行");
  EXPECT_FALSE(IsWindowEnabled(form->btn_stop->Handle()));
  // Owned by the application window: no taskbar button of its own.
  EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app->Handle());
  // Bounds are the window's, relative to the parent.
  RECT r;
  GetWindowRect(form->edt_hour->Handle(), &r);
  MapWindowPoints(nullptr, form->GroupBox1->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 164);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.right - r.left, 26);
  // Labels have no window and are sized to their text.
  EXPECT_GT(form->lb_hour->Width(), 0);
  EXPECT_GT(form->Label3->Width(), form->lb_hour->Width());
}

TEST_F(ControlsTest, FormIsCentredOnTheWorkAreaOfThePointersMonitorWithItsOuterSize) {
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 326);
  EXPECT_EQ(r.bottom - r.top, 252);
  EXPECT_FALSE(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_THICKFRAME);
  // The part of that monitor a taskbar leaves free (Xvfb has one monitor, and Wine keeps its
  // work area whole; the choice among several is tested natively).
  POINT pointer{};
  GetCursorPos(&pointer);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY), &info));
  const RECT& work = info.rcWork;
  EXPECT_EQ(r.left, work.left + (work.right - work.left - 326) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 252) / 2);
}

TEST_F(ControlsTest, FontsByNameHeightAndStyle) {
  LOGFONTW lf{};
  HFONT f = reinterpret_cast<HFONT>(SendMessageW(form->edt_hour->Handle(), WM_GETFONT, 0, 0));
  ASSERT_TRUE(f);
  GetObjectW(f, sizeof(lf), &lf);
  EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  f = reinterpret_cast<HFONT>(SendMessageW(form->btn_run->Handle(), WM_GETFONT, 0, 0));
  GetObjectW(f, sizeof(lf), &lf);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);  // the form's font, inherited
  EXPECT_EQ(form->btn_run->Font().GetSize(), 8);
  // A changed parent font reaches the children that follow it, not the bold ones.
  form->Font().SetHeight(-15);
  f = reinterpret_cast<HFONT>(SendMessageW(form->btn_run->Handle(), WM_GETFONT, 0, 0));
  GetObjectW(f, sizeof(lf), &lf);
  EXPECT_EQ(lf.lfHeight, -15);
  EXPECT_EQ(form->edt_hour->Font().GetHeight(), -11);
}

TEST_F(ControlsTest, ComboBoxItemsSelectionAndEditableText) {
  TComboBox* cb = form->cb_task;
  EXPECT_EQ(SendMessageW(cb->Handle(), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(cb->ItemIndex(), 0);
  EXPECT_EQ(cb->Text(), L"关闭计算机");
  EXPECT_EQ(cb->ItemHeight(), 13);
  EXPECT_EQ(GetWindowLongW(cb->Handle(), GWL_STYLE) & 3, CBS_DROPDOWN);
  cb->SetItemIndex(2);
  EXPECT_EQ(cb->Text(), L"重启计算机");
  cb->SetItemIndex(-1);
  EXPECT_EQ(cb->ItemIndex(), -1);
  EXPECT_EQ(cb->Text(), L"");
  cb->SetText(L"自定义");  // the text is editable
  EXPECT_EQ(cb->Text(), L"自定义");
  EXPECT_EQ(cb->ItemIndex(), -1);
  ASSERT_TRUE(cb->EditHandle());
  EXPECT_EQ(TWinControl::FromHandle(cb->EditHandle()), cb);
  // The visible height is the edit part's, the list drops below it.
  EXPECT_LT(cb->Height(), 30);
  SendMessageW(cb->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  GetComboBoxInfo(cb->Handle(), &info);
  RECT list;
  GetWindowRect(info.hwndList, &list);
  EXPECT_GE(list.bottom - list.top, 3 * 13);
  SendMessageW(cb->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
}

TEST_F(ControlsTest, DatePickerShowsShortDateWithDropDownCalendar) {
  TDateTimePicker* tp = form->tp_rq;
  const LONG style = GetWindowLongW(tp->Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (DTS_LONGDATEFORMAT | DTS_TIMEFORMAT));  // the short format
  EXPECT_FALSE(style & (DTS_UPDOWN | DTS_APPCANPARSE));       // a drop-down, no free text
  tp->SetDateTime(45000.75);  // 2023-03-15 18:00
  SYSTEMTIME st{};
  SendMessageW(tp->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
  EXPECT_EQ(st.wYear, 2023);
  EXPECT_EQ(st.wMonth, 3);
  EXPECT_EQ(st.wDay, 15);
  EXPECT_DOUBLE_EQ(tp->Date(), 45000.0);
  tp->SetDate(45001);  // keeps the time of day
  EXPECT_NEAR(tp->DateTime(), 45001.75, 1e-6);
  // The calendar drops down on a real click on the arrow.
  RECT r;
  GetWindowRect(tp->Handle(), &r);
  ClickAt(r.right - 8, (r.top + r.bottom) / 2);
  EXPECT_TRUE(PumpUntil([&] { return tp->CalendarHandle() != nullptr; }));
  ClickAt(r.right - 8, (r.top + r.bottom) / 2);  // and closes on the next
  EXPECT_TRUE(PumpUntil([&] { return tp->CalendarHandle() == nullptr; }));
}

TEST(DateTimeConversion, DaysSince1899RoundTripThroughSystemTime) {
  SYSTEMTIME st = DateTimeToSystemTime(0.5);
  EXPECT_EQ(st.wYear, 1899);
  EXPECT_EQ(st.wMonth, 12);
  EXPECT_EQ(st.wDay, 30);
  EXPECT_EQ(st.wHour, 12);
  EXPECT_EQ(st.wDayOfWeek, 6);
  st = DateTimeToSystemTime(-1.25);  // the day before, 06:00
  EXPECT_EQ(st.wDay, 29);
  EXPECT_EQ(st.wHour, 6);
  EXPECT_DOUBLE_EQ(SystemTimeToDateTime(st), -1.25);
  for (double d : {2.0, 36526.0, 45000.999988, 73050.5}) {
    SYSTEMTIME s = DateTimeToSystemTime(d);
    EXPECT_NEAR(SystemTimeToDateTime(s), d, 1e-8) << d;
  }
  st = DateTimeToSystemTime(36526);  // 2000-01-01, a Saturday
  EXPECT_EQ(st.wYear, 2000);
  EXPECT_EQ(st.wMonth, 1);
  EXPECT_EQ(st.wDay, 1);
  EXPECT_EQ(st.wDayOfWeek, 6);
}

TEST_F(ControlsTest, RadioButtonsOfOneParentExcludeEachOtherOnRealClicks) {
  EXPECT_TRUE(form->Rb_ds->Checked());
  int clicks = 0;
  form->Rb_yc->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(CenterOf(form->Rb_yc->Handle()).x, CenterOf(form->Rb_yc->Handle()).y);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_TRUE(form->Rb_yc->Checked());
  EXPECT_FALSE(form->Rb_ds->Checked());
  EXPECT_EQ(SendMessageW(form->Rb_ds->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  // A check box toggles by itself and keeps its state.
  SendMessageW(form->CKB_EVERYDAy->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(form->CKB_EVERYDAy->Checked());
  EXPECT_EQ(form->CKB_EVERYDAy->State(), cbChecked);
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowTheRealMouse) {
  std::vector<std::pair<std::string, UINT>> log;
  auto watch = [&](TControl* c) {
    TWndMethod saved = c->WindowProc;
    c->WindowProc = [&log, c, saved](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) log.emplace_back(c->Name, m.Msg);
      saved(m);
    };
    return saved;
  };
  TWndMethod b = watch(form->btn_run), l = watch(form->Label3), g = watch(form->GroupBox2);
  const POINT btn = CenterOf(form->btn_run->Handle());
  MoveMouse(btn.x, btn.y);
  ASSERT_TRUE(PumpUntil([&] { return !log.empty(); }));
  EXPECT_EQ(log.back(), std::make_pair(std::string("btn_run"), CM_MOUSEENTER));
  // Onto the window-less label inside the group box: the button is left, the label entered.
  const POINT lbl = form->Label3->ClientToScreen(POINT{3, 3});
  MoveMouse(lbl.x, lbl.y);
  ASSERT_TRUE(PumpUntil([&] {
    return !log.empty() && log.back() == std::make_pair(std::string("Label3"), CM_MOUSEENTER);
  }));
  EXPECT_NE(std::find(log.begin(), log.end(), std::make_pair(std::string("btn_run"), CM_MOUSELEAVE)),
            log.end());
  // Off the program entirely: the label is left.
  MoveMouse(2, 2);
  ASSERT_TRUE(PumpUntil([&] {
    return log.back() == std::make_pair(std::string("Label3"), CM_MOUSELEAVE);
  }));
  EXPECT_EQ(app->MouseControl(), nullptr);
  form->btn_run->WindowProc = b;
  form->Label3->WindowProc = l;
  form->GroupBox2->WindowProc = g;
}

TEST_F(ControlsTest, VisibilityEnablingAndFocusSendTheirNotifications) {
  MessageRecorder rec(form->edt_hour);
  form->edt_hour->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(form->edt_hour->Handle()));
  form->edt_hour->SetVisible(true);
  form->edt_hour->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(form->edt_hour->Handle()));
  form->edt_hour->SetEnabled(true);
  EXPECT_EQ(rec.Count(CM_VISIBLECHANGED), 2);
  EXPECT_EQ(rec.Count(CM_ENABLEDCHANGED), 2);
  // CM_EXIT when the focus moves on to another control of the form.
  SetForegroundWindow(form->Handle());
  form->edt_hour->SetFocus();
  EXPECT_EQ(rec.Count(CM_EXIT), 0);
  form->edt_minu->SetFocus();
  EXPECT_EQ(rec.Count(CM_EXIT), 1);
  EXPECT_TRUE(form->edt_minu->Focused());
}

TEST_F(ControlsTest, ColourMessagesAreReflectedAndPaintWithTheControlsColour) {
  MessageRecorder rec(form->edt_timeleave);
  InvalidateRect(form->edt_timeleave->Handle(), nullptr, TRUE);
  UpdateWindow(form->edt_timeleave->Handle());
  EXPECT_GE(rec.Count(CN_CTLCOLOREDIT) + rec.Count(CN_CTLCOLORSTATIC), 1);
  HDC dc = GetDC(form->edt_timeleave->Handle());
  EXPECT_EQ(GetPixel(dc, 200, 8), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(form->edt_timeleave->Handle(), dc);
  form->edt_timeleave->SetColor(clYellow);
  UpdateWindow(form->edt_timeleave->Handle());
  dc = GetDC(form->edt_timeleave->Handle());
  EXPECT_EQ(GetPixel(dc, 200, 8), RGB(255, 255, 0));
  ReleaseDC(form->edt_timeleave->Handle(), dc);
}

TEST_F(ControlsTest, DoubleBufferedControlPaintsThroughOneMemoryContext) {
  MessageRecorder rec(form->GroupBox2);
  std::vector<WPARAM> paint_dcs;
  TWndMethod saved = form->GroupBox2->WindowProc;
  form->GroupBox2->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_PAINT) paint_dcs.push_back(m.WParam);
    saved(m);
  };
  form->GroupBox2->SetDoubleBuffered(true);
  form->GroupBox2->Invalidate();
  UpdateWindow(form->GroupBox2->Handle());
  ASSERT_EQ(paint_dcs.size(), 2u);  // the window's, then the one into memory
  EXPECT_EQ(paint_dcs[0], 0u);
  EXPECT_NE(paint_dcs[1], 0u);
  // What reached the screen is the group box with its caption and its label.
  HDC dc = GetDC(form->GroupBox2->Handle());
  EXPECT_EQ(GetPixel(dc, 150, 50), GetSysColor(COLOR_BTNFACE));
  int dark = 0;
  for (int x = 9; x < 9 + form->Label3->Width(); ++x)
    for (int y = 18; y < 18 + form->Label3->Height(); ++y) {
      const COLORREF c = GetPixel(dc, x, y);
      dark += GetRValue(c) < 0x60 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
    }
  EXPECT_GT(dark, 10);
  ReleaseDC(form->GroupBox2->Handle(), dc);
  form->GroupBox2->WindowProc = saved;
}

TEST_F(ControlsTest, ADoubleBufferedControlThatPaintsNothingShowsItsColourNotBlack) {
  // A plain window of the layer: no background brush, no painting of its own.
  auto* plain = new TStandInControl(form, "TPlainBox");
  plain->SetParent(form);
  plain->SetBounds(250, 200, 40, 30);
  plain->SetColor(RGB(0x55, 0x99, 0x33));
  plain->SetDoubleBuffered(true);
  RedrawWindow(plain->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(plain->Handle());
  EXPECT_EQ(GetPixel(dc, 20, 15), RGB(0x55, 0x99, 0x33));
  ReleaseDC(plain->Handle(), dc);
}

TEST_F(ControlsTest, AltAcceleratorIsOfferedAsDialogCharAndClicksTheButton) {
  form->btn_save->SetCaption(L"保存(&S)");
  int clicks = 0;
  form->btn_save->OnClick = [&](TObject*) { ++clicks; };
  MessageRecorder rec(form);
  SetForegroundWindow(form->Handle());
  form->edt_hour->SetFocus();
  PostMessageW(form->edt_hour->Handle(), WM_SYSCHAR, L's', 0x20000000);
  EXPECT_TRUE(PumpUntil([&] { return clicks == 1; }));
  EXPECT_EQ(rec.Count(CM_DIALOGCHAR), 1);
  EXPECT_TRUE(form->btn_save->Focused());
}

TEST_F(ControlsTest, TabKeyFollowsTheTabOrder) {
  EXPECT_EQ(form->CKB_EVERYDAy->TabOrder(), 7);
  EXPECT_EQ(form->Rb_yc->TabOrder(), 4);
  SetForegroundWindow(form->Handle());
  auto tab_from = [&](TWinControl* c) {
    c->SetFocus();
    keybd_event(VK_TAB, 0, 0, 0);
    keybd_event(VK_TAB, 0, KEYEVENTF_KEYUP, 0);
    PumpUntil([&] { return !c->Focused(); }, 2000);
    return TWinControl::FromHandle(GetFocus());
  };
  auto name = [](TWinControl* c) { return c ? c->Name : std::string("(none)"); };
  // An unchecked radio button is no tab stop; the checked one of its group is.
  EXPECT_EQ(name(tab_from(form->edt_minu)), "edt_ychour");
  EXPECT_EQ(name(tab_from(form->edt_ycminu)), "CKB_EVERYDAy");
  EXPECT_EQ(name(tab_from(form->edt_hour)), "edt_minu");
  form->Rb_yc->SetChecked(true);
  EXPECT_EQ(name(tab_from(form->edt_minu)), "Rb_yc");
  EXPECT_FALSE(form->Rb_ds->TabStop());
}

TEST_F(ControlsTest, ClickOnLabelIsTheLabelsAndOnBackgroundTheFormsOwn) {
  int form_clicks = 0, label_clicks = 0;
  form->OnClick = [&](TObject*) { ++form_clicks; };
  form->Label2->OnClick = [&](TObject*) { ++label_clicks; };
  const POINT on_label = form->Label2->ClientToScreen(POINT{2, 2});
  ClickAt(on_label.x, on_label.y);
  EXPECT_TRUE(PumpUntil([&] { return label_clicks == 1; }));
  const POINT background = form->ClientToScreen(POINT{160, 160});
  ClickAt(background.x, background.y);
  EXPECT_TRUE(PumpUntil([&] { return form_clicks == 1; }));
  EXPECT_EQ(label_clicks, 1);
}

TEST_F(ControlsTest, RightClickOpensTheFormsPopupMenu) {
  bool popped = false;
  form->PopupMenu1->OnPopup = [&](TObject*) {
    popped = true;
  };
  const POINT p = form->ClientToScreen(POINT{160, 160});
  std::thread closer([] {
    HWND menu = WaitForWindow(L"#32768", nullptr);
    if (menu) {
      keybd_event(VK_ESCAPE, 0, 0, 0);
      keybd_event(VK_ESCAPE, 0, KEYEVENTF_KEYUP, 0);
    }
  });
  ClickAt(p.x, p.y, true);
  EXPECT_TRUE(PumpUntil([&] { return popped; }));
  closer.join();
  EXPECT_EQ(form->PopupMenu1->PopupComponent, form);
}

TEST_F(UiTest, FixedSizeWordWrappedLabelWrapsAndCutsOffBelowItsHeight) {
  const long gdi_before = kq::ui::LiveGdiHandles();
  auto* form = app->CreateForm<TForm>();
  form->SetBounds(100, 100, 300, 200);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetWordWrap(true);
  label->SetTransparent(true);
  label->SetBounds(16, 16, 236, 58);
  label->SetCaption(std::wstring(20, L'长') + L"文字" + std::wstring(60, L'长'));
  EXPECT_EQ(label->Width(), 236);
  EXPECT_EQ(label->Height(), 58);  // a fixed size stays
  form->Show();
  UpdateWindow(form->Handle());
  HDC dc = GetDC(form->Handle());
  auto ink_in_rows = [&](int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 300 - 20; ++x) n += GetPixel(dc, x, y) != GetSysColor(COLOR_BTNFACE);
    return n;
  };
  EXPECT_GT(ink_in_rows(16, 29), 50);       // first line
  EXPECT_GT(ink_in_rows(29, 16 + 58), 50);  // wrapped lines below it
  EXPECT_EQ(ink_in_rows(16 + 58, 140), 0);  // nothing beyond the label's height
  ReleaseDC(form->Handle(), dc);
  // The parent's surface is also reachable outside painting, and given back.
  const long dcs = kq::ui::LiveGdiHandles();
  ASSERT_NE(label->Canvas(), nullptr);
  EXPECT_EQ(kq::ui::LiveGdiHandles(), dcs + 1);
  label->ReleaseCanvas();
  EXPECT_EQ(kq::ui::LiveGdiHandles(), dcs);
  label->Canvas();
  delete form;  // the parent's window goes with the context held
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi_before);
}

}  // namespace

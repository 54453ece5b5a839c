// The main window as it is built and first shown: every control where the table puts it,
// the defaults at show, the digit-only edits, loading the saved settings and the start event.
#include "app_fixture.h"

#include <commctrl.h>

#include "app/ui_font.h"
#include "ui/handles.h"

namespace apptest {
namespace {

// A control's rectangle relative to its parent's client area, read from the real window.
RECT PlacedRect(TControl* c) {
  auto* wc = dynamic_cast<TWinControl*>(c);
  if (!wc) return c->BoundsRect();
  RECT r;
  GetWindowRect(wc->Handle(), &r);
  MapWindowPoints(nullptr, c->Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

bool IsBold(TWinControl* c) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(c->Handle(), WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  GetObjectW(font, sizeof lf, &lf);
  return lf.lfWeight >= FW_BOLD;
}

using MainWindow = KqTest;

TEST_F(MainWindow, EveryControlSitsWhereTheTablePutsIt) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  struct Row {
    TControl* control;
    TWinControl* parent;
    RECT rect;  // left, top, right, bottom; right/bottom 0 for auto-sized labels
    const wchar_t* caption;
    int tab;    // -1: no tab stop of its own
  } rows[] = {
      {m->btn_run, m, {14, 164, 79, 189}, L"执行", 0},
      {m->GroupBox1, m, {3, 6, 317, 95}, L"任务执行时间设置", 1},
      {m->Rb_ds, m->GroupBox1, {2, 24, 59, 41}, L"定时：", 0},
      {m->tp_rq, m->GroupBox1, {64, 20, 161, 41}, nullptr, 1},
      {m->edt_hour, m->GroupBox1, {164, 20, 190, 41}, nullptr, 2},
      {m->lb_hour, m->GroupBox1, {196, 28, 0, 0}, L"时", -1},
      {m->edt_minu, m->GroupBox1, {214, 20, 240, 41}, nullptr, 3},
      {m->lb_minu, m->GroupBox1, {246, 28, 0, 0}, L"分", -1},
      {m->CKB_EVERYDAy, m->GroupBox1, {266, 24, 308, 41}, L"每天", 7},
      {m->Rb_yc, m->GroupBox1, {2, 56, 59, 73}, L"延迟：", 4},
      {m->edt_ychour, m->GroupBox1, {66, 52, 92, 73}, L"01", 5},
      {m->Label1, m->GroupBox1, {98, 60, 0, 0}, L"小时", -1},
      {m->edt_ycminu, m->GroupBox1, {142, 52, 168, 73}, L"00", 6},
      {m->Label2, m->GroupBox1, {177, 60, 0, 0}, L"分钟", -1},
      {m->btn_stop, m, {89, 164, 154, 189}, L"停止", 2},
      {m->edt_timeleave, m, {0, 192, 313, 213}, L"", 3},
      {m->GroupBox2, m, {3, 96, 317, 157}, L"任务设置", 4},
      {m->Label3, m->GroupBox2, {9, 18, 0, 0}, L"执行任务：", -1},
      {m->cb_task, m->GroupBox2, {75, 12, 220, 33}, L"关闭计算机", 0},
      {m->ckb_autorun, m->GroupBox2, {8, 40, 276, 57}, L"开机时自动运行本程序", 1},
      {m->btn_save, m, {165, 164, 230, 189}, L"保存设置", 5},
      {m->btn_close, m, {241, 164, 306, 189}, L"退出", 6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control->Name);
    EXPECT_EQ(row.control->Parent(), row.parent);
    const RECT r = PlacedRect(row.control);
    EXPECT_EQ(r.left, row.rect.left);
    EXPECT_EQ(r.top, row.rect.top);
    if (row.rect.right) {
      EXPECT_EQ(r.right, row.rect.right);
      if (row.control != m->cb_task) {  // a combo box's height is the system's
        EXPECT_EQ(r.bottom, row.rect.bottom);
      }
    } else {
      EXPECT_GT(r.right, r.left);  // auto-sized to its text
    }
    if (row.caption) {
      EXPECT_EQ(row.control->Caption(), row.caption);
    }
    if (row.tab >= 0) {
      EXPECT_EQ(static_cast<TWinControl*>(row.control)->TabOrder(), row.tab);
    }
  }
  for (TWinControl* c : {static_cast<TWinControl*>(m->tp_rq), static_cast<TWinControl*>(m->edt_hour),
                         static_cast<TWinControl*>(m->edt_minu), static_cast<TWinControl*>(m->edt_ychour),
                         static_cast<TWinControl*>(m->edt_ycminu), static_cast<TWinControl*>(m->cb_task)})
    EXPECT_TRUE(IsBold(c)) << c->Name;
  EXPECT_FALSE(IsBold(m->btn_run));

  // The window itself: caption, outer size, centred on the desktop, idle state.
  EXPECT_EQ(uitest::WindowText(m->Handle()), L"Zelvo定时自动关机器V1.0");
  RECT wr;
  GetWindowRect(m->Handle(), &wr);
  EXPECT_EQ(wr.right - wr.left, 326);
  EXPECT_EQ(wr.bottom - wr.top, 252);
  EXPECT_EQ(wr.left, (GetSystemMetrics(SM_CXSCREEN) - 326) / 2);
  EXPECT_EQ(wr.top, (GetSystemMetrics(SM_CYSCREEN) - 252) / 2);
  EXPECT_EQ(uitest::WindowText(app->Handle()), L"Zelvo定时自动关机器");
  EXPECT_TRUE(m->btn_run->Enabled());
  EXPECT_FALSE(m->btn_stop->Enabled());
  EXPECT_TRUE(m->Rb_ds->Checked());
  EXPECT_FALSE(m->Rb_yc->Checked());
  EXPECT_FALSE(m->CKB_EVERYDAy->Checked());
  EXPECT_FALSE(m->ckb_autorun->Checked());
  EXPECT_EQ(m->cb_task->Items(), (std::vector<std::wstring>{L"关闭计算机", L"注销计算机", L"重启计算机"}));
  EXPECT_EQ(m->cb_task->ItemIndex(), 0);
  EXPECT_FALSE(m->Timer1->Enabled());
  EXPECT_EQ(m->Timer1->Interval(), 10u);
  // The texts are readable: the window's face draws Chinese glyphs.
  EXPECT_TRUE(FaceShowsChinese(m->Font().GetName(), -11)) << kq::ui::Narrow(m->Font().GetName());
}

TEST_F(MainWindow, MenuIconsAndValuesAtStart) {
  Create();
  TMAIN_KQ* m = w.MAIN_KQ;
  EXPECT_EQ(m->PopupMenu(), m->PopupMenu1);
  ASSERT_EQ(m->PopupMenu1->Items()->Count(), 4);
  EXPECT_EQ(m->PopupMenu1->Items()->Item(0), m->N1);
  EXPECT_EQ(m->N1->Caption(), L"显示/隐藏");
  EXPECT_EQ(m->N2->Caption(), L"停止执行");
  EXPECT_TRUE(m->N3->IsLine());
  EXPECT_EQ(m->N4->Caption(), L"关于软件");
  // Three 32 x 32 frames with masks: the corners are transparent, the middle is not, and
  // the three beetles differ (green, red, yellow).
  ASSERT_EQ(m->iglIcons->Count(), 3);
  EXPECT_EQ(m->iglIcons->Width(), 32);
  EXPECT_EQ(m->iglIcons->Height(), 32);
  std::vector<COLORREF> shells;
  for (int i = 0; i < 3; ++i) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 32, 32);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT r{0, 0, 32, 32};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &r, magenta);
    DeleteObject(magenta);
    ImageList_Draw(m->iglIcons->Handle(), i, dc, 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 255)) << i;
    EXPECT_EQ(GetPixel(dc, 31, 31), RGB(255, 0, 255)) << i;
    shells.push_back(GetPixel(dc, 19, 22));  // on the shell, between the spots
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  EXPECT_GT(GetGValue(shells[0]), GetRValue(shells[0]));  // green
  EXPECT_GT(GetRValue(shells[1]), 2 * GetGValue(shells[1]));  // red
  EXPECT_GT(GetGValue(shells[2]), GetBValue(shells[2]) + 80);  // yellow
  EXPECT_GT(GetRValue(shells[2]), GetBValue(shells[2]) + 80);
  EXPECT_EQ(m->TaskCommand, L"");
}

TEST_F(MainWindow, ShowProposesTheNextHourAndLogsTheStart) {
  clock.Set(At(2007, 7, 6, 8, 5, 42));
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  SYSTEMTIME st{};
  DateTime_GetSystemtime(m->tp_rq->Handle(), &st);
  EXPECT_EQ(st.wYear, 2007);
  EXPECT_EQ(st.wMonth, 7);
  EXPECT_EQ(st.wDay, 6);
  EXPECT_EQ(m->edt_hour->Text(), L"09");
  EXPECT_EQ(m->edt_minu->Text(), L"05");
  EXPECT_EQ(m->LogStamp, L"2007-07-06 08:05:42");
  EXPECT_EQ(Log(), "[SYSTEMLOG]\r\n2007-07-06 08:05:42=运行Zelvo定时自动关机器。\r\n");
  EXPECT_FALSE(dir.Exists("zelvosoft.ini"));  // showing writes no settings
  EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, ShownLateInTheEveningThePickerKeepsTodayAndTheHourIsZero) {
  clock.Set(At(2007, 12, 31, 23, 30, 5));
  Start();
  EXPECT_EQ(w.MAIN_KQ->tp_rq->Date(), At(2007, 12, 31));
  EXPECT_EQ(w.MAIN_KQ->edt_hour->Text(), L"00");
  EXPECT_EQ(w.MAIN_KQ->edt_minu->Text(), L"30");
}

TEST_F(MainWindow, TheFourTimeEditsTakeDigitsOnly) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  for (TEdit* e : {m->edt_hour, m->edt_minu, m->edt_ychour, m->edt_ycminu}) {
    SCOPED_TRACE(e->Name);
    EXPECT_TRUE(GetWindowLongPtrW(e->Handle(), GWL_STYLE) & ES_NUMBER);
    e->SetText(L"");
    for (wchar_t ch : {L'4', L'a', L'时', L'-', L'2'}) SendMessageW(e->Handle(), WM_CHAR, ch, 0);
    EXPECT_EQ(e->Text(), L"42");
  }
  EXPECT_FALSE(GetWindowLongPtrW(m->edt_timeleave->Handle(), GWL_STYLE) & ES_NUMBER);
  SendMessageW(m->edt_timeleave->Handle(), WM_CHAR, L'a', 0);
  EXPECT_EQ(m->edt_timeleave->Text(), L"a");
}

TEST_F(MainWindow, SavedSettingsComeBackAtStart) {
  WriteSettings("[system]\r\ninfo=Zelvo定时自动关机器 V1.0\r\nsave=1\r\nevery=1\r\n"
                "timetype=1\r\ntasktype=2\r\n[ontime]\r\nhour=7\r\nminute=\r\n"
                "[delay]\r\nhour=30\r\nminute=500\r\n");
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  EXPECT_TRUE(m->CKB_EVERYDAy->Checked());
  EXPECT_TRUE(m->Rb_yc->Checked());
  EXPECT_FALSE(m->Rb_ds->Checked());
  EXPECT_EQ(m->cb_task->ItemIndex(), 2);
  EXPECT_EQ(m->cb_task->Text(), L"重启计算机");
  EXPECT_EQ(m->edt_hour->Text(), L"7");
  EXPECT_EQ(m->edt_minu->Text(), L"");
  EXPECT_EQ(m->edt_ychour->Text(), L"30");
  EXPECT_EQ(m->edt_ycminu->Text(), L"500");
  EXPECT_NE(Log().find("=运行Zelvo定时自动关机器。"), std::string::npos);
}

TEST_F(MainWindow, WithoutTheExactSaveMarkNothingIsLoaded) {
  for (const char* save : {"0", "yes", " 1"}) {
    SCOPED_TRACE(save);
    WriteSettings(std::string("[system]\r\nsave=") + save +
                  "\r\nevery=1\r\ntimetype=1\r\ntasktype=2\r\n[delay]\r\nhour=30\r\n");
    delete app;
    SetUp();
    Start();
    EXPECT_FALSE(w.MAIN_KQ->CKB_EVERYDAy->Checked());
    EXPECT_TRUE(w.MAIN_KQ->Rb_ds->Checked());
    EXPECT_EQ(w.MAIN_KQ->cb_task->ItemIndex(), 0);
    EXPECT_EQ(w.MAIN_KQ->edt_ychour->Text(), L"01");
  }
}

TEST_F(MainWindow, ATaskTypeThatIsNoNumberIsReportedAndTheRestSkipped) {
  WriteSettings("[system]\r\nsave=1\r\nevery=1\r\ntimetype=1\r\ntasktype=two\r\n"
                "[delay]\r\nhour=30\r\n");
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  EXPECT_EQ(errors, (std::vector<std::string>{"'two' is not a valid integer value"}));
  EXPECT_TRUE(m->CKB_EVERYDAy->Checked());  // read before the bad value
  EXPECT_TRUE(m->Rb_yc->Checked());
  EXPECT_EQ(m->edt_ychour->Text(), L"01");  // not read
  EXPECT_FALSE(dir.Exists("zelvolog.txt"));  // the start event is skipped
  EXPECT_TRUE(IsWindowVisible(m->Handle()));  // and the window is usable
  EXPECT_TRUE(IsWindowEnabled(m->Handle()));
  // A saved "-1" (or any index outside the list) leaves no item selected.
  WriteSettings("[system]\r\nsave=1\r\ntasktype=-1\r\n");
  delete app;
  SetUp();
  Start();
  EXPECT_EQ(w.MAIN_KQ->cb_task->ItemIndex(), -1);
  EXPECT_TRUE(errors.empty());
}

TEST_F(MainWindow, CloseButtonLogsAndEndsTheProgram) {
  Start();
  clock.Advance(kq::kOneMinute);
  ClickControl(w.MAIN_KQ->btn_close);
  ASSERT_TRUE(uitest::PumpUntil([&] { return app->Terminated(); }));
  EXPECT_NE(Log().find("2007-07-06 17:59:30=退出Zelvo定时自动关机器。\r\n"), std::string::npos);
  EXPECT_EQ(w.MAIN_KQ->LogStamp, L"2007-07-06 17:59:30");
}

TEST_F(MainWindow, TheWindowsOwnCloseButtonEndsWithoutTheExitEvent) {
  Start();
  SendMessageW(w.MAIN_KQ->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(uitest::PumpUntil([&] { return app->Terminated(); }));
  EXPECT_EQ(Log().find("退出"), std::string::npos);
}

}  // namespace
}  // namespace apptest

namespace apptest {
namespace {

TEST_F(MainWindow, WindowsComeAndGoWithoutLeakingHandles) {
  delete app;
  app = nullptr;
  const long gdi = kq::ui::LiveGdiHandles(), user = kq::ui::LiveUserHandles();
  for (int round = 0; round < 3; ++round) {
    SetUp();
    Start();
    WatchBoxes();
    w.MAIN_KQ->btn_saveClick();
    w.MAIN_KQ->cb_task->SetItemIndex(1);
    w.MAIN_KQ->Rb_yc->SetChecked(true);
    w.MAIN_KQ->btn_runClick();
    w.MAIN_KQ->Timer1Timer();
    w.MAIN_KQ->btn_stopClick();
    StopWatching();
    delete app;
    app = nullptr;
  }
  EXPECT_EQ(kq::ui::LiveGdiHandles(), gdi);
  EXPECT_EQ(kq::ui::LiveUserHandles(), user);
  SetUp();
}

}  // namespace
}  // namespace apptest

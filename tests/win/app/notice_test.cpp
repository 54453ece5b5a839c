// "保存设置" with its notice and log event, the notice's placement, a folder that cannot be
// written, and the about box.
#include "app_fixture.h"

namespace apptest {
namespace {

using Notices = KqTest;

TEST_F(Notices, SaveWritesTheNineKeysShowsTheNoticeThenLogs) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  m->Rb_yc->SetChecked(true);
  m->cb_task->SetItemIndex(2);
  m->edt_hour->SetText(L"7");
  m->CKB_EVERYDAy->SetChecked(true);
  std::string log_while_notice_up;
  WatchBoxes([&](const SeenBox&) { log_while_notice_up = Log(); });
  clock.Advance(5 * kq::kOneSecond);
  ClickControl(m->btn_save);
  ASSERT_TRUE(uitest::PumpUntil([&] { return !boxes.empty() && !w.MSG_KQ->Visible(); }));
  uitest::PumpFor(50);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].kind, L"notice");
  EXPECT_EQ(boxes[0].caption, L"注意");
  EXPECT_EQ(boxes[0].text, L"保存成功！");
  EXPECT_EQ(FileText("zelvosoft.ini"),
            "[system]\r\ninfo=Zelvo定时自动关机器 V1.0\r\nsave=1\r\nevery=1\r\ntimetype=1\r\n"
            "tasktype=2\r\n[ontime]\r\nhour=7\r\nminute=58\r\n[delay]\r\nhour=01\r\n"
            "minute=00\r\n");
  // The event is written once the notice is closed.
  EXPECT_EQ(log_while_notice_up.find("保存设置"), std::string::npos);
  EXPECT_NE(Log().find("2007-07-06 17:58:35=保存设置Zelvo定时自动关机器。\r\n"), std::string::npos);
  EXPECT_TRUE(errors.empty());

  // What was saved comes back on the next start.
  delete app;
  SetUp();
  Start();
  EXPECT_TRUE(w.MAIN_KQ->Rb_yc->Checked());
  EXPECT_EQ(w.MAIN_KQ->cb_task->ItemIndex(), 2);
  EXPECT_EQ(w.MAIN_KQ->edt_hour->Text(), L"7");
  EXPECT_TRUE(w.MAIN_KQ->CKB_EVERYDAy->Checked());
}

TEST_F(Notices, EventsInTheSameSecondKeepSeparateKeys) {
  Start();  // 17:58:30 "运行"
  WatchBoxes();
  w.MAIN_KQ->btn_saveClick();  // same second
  w.MAIN_KQ->btn_saveClick();
  EXPECT_NE(Log().find("2007-07-06 17:58:30=运行Zelvo定时自动关机器。\r\n"
                       "2007-07-06 17:58:30 #2=保存设置Zelvo定时自动关机器。\r\n"
                       "2007-07-06 17:58:30 #3=保存设置Zelvo定时自动关机器。\r\n"),
            std::string::npos)
      << Log();
  EXPECT_EQ(w.MAIN_KQ->LogStamp, L"2007-07-06 17:58:30 #3");
}

TEST_F(Notices, TheNoticeIsCentredOnTheMainWindowAlsoWhenItIsHidden) {
  Start();
  TMAIN_KQ* m = w.MAIN_KQ;
  WatchBoxes();
  for (bool hidden : {false, true}) {
    SCOPED_TRACE(hidden);
    boxes.clear();
    // Moved as a user drags it: the window moves, the form follows.
    SetWindowPos(m->Handle(), nullptr, 101, 57, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (hidden) m->MinimizeToTray();
    w.DM_kq->ShowNotice(L"注意", L"一条很长的通知文字，它在标签的宽度之内折行，超出高度的部分被截去。"
                                 L"一条很长的通知文字，它在标签的宽度之内折行。");
    ASSERT_EQ(boxes.size(), 1u);
    const RECT& r = boxes[0].bounds;
    EXPECT_EQ(r.right - r.left, 269);
    EXPECT_EQ(r.bottom - r.top, 146);
    EXPECT_EQ(r.left, 101 + 326 / 2 - 269 / 2);
    EXPECT_EQ(r.top, 57 + 252 / 2 - 146 / 2);
    // The label keeps its size and wraps inside it.
    EXPECT_EQ(w.MSG_KQ->Label1->Width(), 236);
    EXPECT_EQ(w.MSG_KQ->Label1->Height(), 58);
    if (hidden) m->RestoreFromTray();
  }
}

TEST_F(Notices, AFolderThatCannotBeWrittenReportsAndStopsTheHandlerButNotTheExit) {
  services.IniFolder = dir.Path("no such folder") + "\\";
  Start();
  EXPECT_EQ(errors, (std::vector<std::string>{"Unable to write to " + services.IniFolder +
                                              "zelvolog.txt"}));
  errors.clear();
  WatchBoxes();
  Press(w.MAIN_KQ->btn_save);
  uitest::PumpFor(100);
  EXPECT_EQ(errors, (std::vector<std::string>{"Unable to write to " + services.IniFolder +
                                              "zelvosoft.ini"}));
  EXPECT_TRUE(boxes.empty());  // no notice: the handler stopped at the first value
  // The ui layer reports a handler's error when it runs from a message; called directly the
  // error comes back to the caller.
  try {
    w.MAIN_KQ->btn_saveClick();
    ADD_FAILURE() << "no error";
  } catch (const kq::WriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + services.IniFolder + "zelvosoft.ini");
  }
  EXPECT_TRUE(boxes.empty());
  // "退出" is the user's explicit wish: the error is shown once, then the program ends.
  errors.clear();
  Press(w.MAIN_KQ->btn_close);
  EXPECT_EQ(errors, (std::vector<std::string>{"Unable to write to " + services.IniFolder +
                                              "zelvolog.txt"}));
  EXPECT_TRUE(uitest::PumpUntil([&] { return app->Terminated(); }));
}

TEST_F(Notices, AboutBoxClosesOnItsBackgroundButNotOnALabel) {
  Start();
  Taboutsoft_kq* about = w.aboutsoft_kq;
  int step = 0;
  bool closed_by_label = false;
  TTimer driver(nullptr);
  driver.SetInterval(200);
  driver.OnTimer = [&](TObject*) {
    if (!about->Visible()) return;
    RECT r;
    GetWindowRect(about->Handle(), &r);
    POINT label{};
    switch (step++) {
      case 0:
        // Asked for again from the tray menu while it is up: brought forward, no error.
        w.MAIN_KQ->N4->Click();
        EXPECT_TRUE(about->Visible());
        EXPECT_EQ(GetForegroundWindow(), about->Handle());
        EXPECT_EQ(r.right - r.left, 323);
        EXPECT_EQ(r.bottom - r.top, 243);
        EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 323) / 2);
        for (TLabel* l : {about->Label1, about->Label2, about->Label3, about->Label4, about->Label5})
          EXPECT_EQ(l->Width(), 240) << l->Name;
        EXPECT_EQ(about->Label1->Caption(), L"软件名称：Zelvo定时自动关机器");
        EXPECT_EQ(about->Label2->Caption(), L"软件版本：V1.0");
        EXPECT_EQ(about->Label1->Left(), 72);
        EXPECT_EQ(about->Label5->Top(), 144);
        label = POINT{80, 40};  // on "软件名称"
        ClientToScreen(about->Handle(), &label);
        uitest::ClickAt(label.x, label.y);
        break;
      case 1:
        break;  // the click has been handled by now
      case 2:
        closed_by_label = !about->Visible();
        label = POINT{20, 200};  // background
        ClientToScreen(about->Handle(), &label);
        uitest::ClickAt(label.x, label.y);
        break;
      default:
        if (step > 20) about->Close();  // never hang the run
        break;
    }
  };
  w.MAIN_KQ->N4->Click();  // modal: returns when the box closes
  EXPECT_GE(step, 3);
  EXPECT_LE(step, 5);
  EXPECT_FALSE(closed_by_label);
  EXPECT_FALSE(about->Visible());
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace apptest

// The scheduler's real windows under Wine with a clock the test moves, a recorder in place of
// shutdown/restart/log-off, the INI files in a temporary folder, and a watcher that answers
// the modal boxes (notices, message boxes) from inside their own message loops.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/kq_aboutsoft.h"
#include "app/kq_dm.h"
#include "app/kq_main.h"
#include "app/kq_msg.h"
#include "app/kq_warn.h"
#include "app/pro_kqshutdown.h"
#include "base/encoding.h"
#include "base/error.h"
#include "base/datetime.h"
#include "ui/application.h"
#include "ui/text.h"
#include "ui/timer.h"
#include "unit/base/temp_dir.h"
#include "win/ui/ui_test_util.h"

namespace apptest {

inline kq::DateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return kq::EncodeDateTime(y, mo, d, h, mi, s, ms);
}

// Stands in for Windows ending the session; notes the order of events and answers `taken`.
struct Recorder : kq::MachineActions {
  std::vector<std::string> calls;
  std::function<void()> on_call;
  bool taken = true;
  bool Shutdown() override { return Note("shutdown"); }
  bool Restart() override { return Note("restart"); }
  bool LogOff() override { return Note("logoff"); }

 private:
  bool Note(const char* what) {
    calls.push_back(what);
    if (on_call) on_call();
    return taken;
  }
};

// What a modal box showed.
struct SeenBox {
  std::wstring kind;     // "notice" or "message"
  std::wstring caption;
  std::wstring text;
  RECT bounds{};
};

class KqTest : public ::testing::Test {
 protected:
  void SetUp() override {
    errors.clear();
    boxes.clear();
    app = new TApplication();
    app->OnException = [this](std::exception_ptr e) {
      try {
        std::rethrow_exception(e);
      } catch (const std::exception& ex) {
        errors.push_back(ex.what());
      }
    };
    services.Clock = &clock;
    services.Machine = &machine;
    services.IniFolder = dir.Path("");
    services.StartupFolder = kq::ui::Widen(dir.Path("Startup"));
    services.ProgramPath = kq::ui::Widen(dir.Path("kqshutdown.exe"));
  }

  void TearDown() override {
    StopWatching();
    delete app;
  }

  // Creates the four windows as the program does (nothing shown yet).
  void Create() { w = CreateKqWindows(*app, services); }
  // Creates them and shows the main window, which runs FormShow.
  void Start() {
    Create();
    w.MAIN_KQ->Show();
    uitest::PumpFor(50);
  }

  // Starts a schedule after a delay, as "执行" with the delay entries does.
  void StartDelay(const wchar_t* hours, const wchar_t* minutes) {
    TMAIN_KQ* m = w.MAIN_KQ;
    m->Rb_yc->SetChecked(true);
    m->edt_ychour->SetText(hours);
    m->edt_ycminu->SetText(minutes);
    m->btn_runClick();
  }
  bool Counting() const {
    TMAIN_KQ* m = w.MAIN_KQ;
    return !m->btn_run->Enabled() && m->btn_stop->Enabled() && !m->GroupBox1->Enabled() &&
           !m->GroupBox2->Enabled();
  }
  bool Idle() const {
    TMAIN_KQ* m = w.MAIN_KQ;
    return m->btn_run->Enabled() && !m->btn_stop->Enabled() && m->GroupBox1->Enabled() &&
           m->GroupBox2->Enabled();
  }
  // How many times the log holds `text`.
  int Events(const std::string& text) const {
    int n = 0;
    const std::string log = Log();
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
    return n;
  }

  std::string FileText(const std::string& name) const {
    return kq::Cp936ToUtf8(dir.ReadBytes(name));
  }
  std::string Log() const { return FileText("zelvolog.txt"); }
  void WriteSettings(const std::string& utf8) const {
    dir.WriteBytes("zelvosoft.ini", kq::Utf8ToCp936(utf8));
  }

  // From now on every notice and message box is read and closed as soon as it shows (by
  // "确定", or OK); `before_close` runs first, while the box is up.
  void WatchBoxes(std::function<void(const SeenBox&)> before_close = nullptr) {
    before_close_ = std::move(before_close);
    if (watch_timer_) return;
    watch_timer_ = new TTimer(nullptr);
    watch_timer_->SetInterval(15);
    watch_timer_->OnTimer = [this](TObject*) { Watch(); };
  }
  void StopWatching() {
    delete watch_timer_;
    watch_timer_ = nullptr;
  }

  // The notification a click on the button sends its parent, delivered as a message, so an
  // error in the handler goes to the application's error box as it does for a user.
  static void Press(TWinControl* button) {
    HWND h = button->Handle();
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
                 reinterpret_cast<LPARAM>(h));
  }

  // Clicks the control with the real mouse.
  static void ClickControl(TControl* c) {
    RECT r = c->BoundsRect();
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    if (c->Parent() && c->Parent()->HandleAllocated()) ClientToScreen(c->Parent()->Handle(), &p);
    uitest::ClickAt(p.x, p.y);
  }

  kq::test::TempDir dir;
  kq::ManualClock clock{At(2007, 7, 6, 17, 58, 30, 250)};
  Recorder machine;
  TAppServices services;
  TApplication* app = nullptr;
  TKqWindows w;
  std::vector<std::string> errors;
  std::vector<SeenBox> boxes;

 private:
  void Watch() {
    if (!w.MSG_KQ) return;
    if (w.MSG_KQ->IsModal() && IsWindowVisible(w.MSG_KQ->HandleOrNull())) {
      SeenBox box{L"notice", w.MSG_KQ->Caption(), w.MSG_KQ->Label1->Caption(), {}};
      GetWindowRect(w.MSG_KQ->HandleOrNull(), &box.bounds);
      boxes.push_back(box);
      if (before_close_) before_close_(box);
      w.MSG_KQ->btn_close->Click();
      return;
    }
    // A standard message box of this thread ("#32770").
    struct Find {
      HWND found = nullptr;
    } find;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM p) -> BOOL {
          wchar_t cls[32] = {};
          GetClassNameW(h, cls, 32);
          if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(h)) {
            reinterpret_cast<Find*>(p)->found = h;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    if (!find.found) return;
    wchar_t text[1024] = {};
    GetDlgItemTextW(find.found, 0xFFFF, text, 1024);
    SeenBox box{L"message", uitest::WindowText(find.found), text, {}};
    GetWindowRect(find.found, &box.bounds);
    boxes.push_back(box);
    if (before_close_) before_close_(box);
    PostMessageW(find.found, WM_COMMAND, IDOK, 0);
  }

  TTimer* watch_timer_ = nullptr;
  std::function<void(const SeenBox&)> before_close_;
};

}  // namespace apptest

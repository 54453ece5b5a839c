// TMAIN_KQ, the main window: the schedule entries, start and stop, the countdown, the
// settings and the tray menu. One instance, MAIN_KQ, created first at start; closing it ends
// the program.
#pragma once

#include <exception>
#include <string>

#include "app/app_services.h"
#include "app/core/countdown.h"
#include "app/core/settings.h"
#include "base/datetime.h"
#include "tray/tray_icon.h"
#include "ui/comctrls.h"
#include "ui/forms.h"
#include "ui/imglist.h"
#include "ui/menus.h"
#include "ui/stdctrls.h"
#include "ui/timer.h"

class TDM_kq;
class TSkinData;
class TWARN_KQ;
class Taboutsoft_kq;

class TMAIN_KQ : public TForm {
  KQ_CLASS(TMAIN_KQ, TForm)

 public:
  TMAIN_KQ(TComponent* owner, const TAppServices& services);
  ~TMAIN_KQ() override;

  // The other windows of the program, known once they exist (set by the main program).
  void SetPeers(TDM_kq* dm, Taboutsoft_kq* about, TWARN_KQ* warn);

  // ---- controls, in tab order within each parent ----
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

  // ---- components ----
  TTimer* Timer1;
  TPopupMenu* PopupMenu1;
  TMenuItem* N1;
  TMenuItem* N2;
  TMenuItem* N3;
  TMenuItem* N4;
  TImageList* iglIcons;
  TTrayIcon* TrayIcon1;
  TSkinData* SkinData1;

  // ---- the window's own values ----
  kq::DateTime TargetTime = 0;
  kq::DateTime CheckTime = 0;
  std::wstring TaskCommand;
  std::wstring LogStamp;

  // ---- event handlers ----
  void FormShow();
  void btn_runClick();
  void btn_stopClick();
  void Timer1Timer();
  void btn_saveClick();
  void btn_closeClick();
  void N1Click();
  void N2Click();
  void N4Click();
  void ckb_autorunClick();
  // "推迟 10 分钟" of the last warning: the task ten minutes later ("取消执行" is
  // btn_stopClick).
  void PostponeTask();

  // ---- the notification-area icon ----
  // Every use of the tray icon goes through these, so the tray component is wired here only.
  bool TrayIconVisible() const { return TrayIcon1->Visible(); }
  void ShowTrayIcon() { TrayIcon1->SetVisible(true); }
  void SetTrayHint(const std::wstring& hint) { TrayIcon1->SetHint(hint); }
  const std::wstring& TrayHint() const { return TrayIcon1->Hint(); }
  // Into the notification area: the icon is made visible first (it may not be yet, before
  // the first start of a schedule), so a hidden program can always be reached.
  void MinimizeToTray() {
    ShowTrayIcon();
    TrayIcon1->MinimizeToTray();
  }
  void RestoreFromTray() { TrayIcon1->RestoreFromTray(); }
  // Back from the tray if it is there, and to the front: the window the user can work in,
  // which is the open modal box (notice, about box) while there is one.
  void BringProgramForward();

 protected:
  void WndProc(TMessage& m) override;

 private:
  void BuildControls();
  void BuildComponents();
  // Sets LogStamp to the key of a new event and writes it; throws kq::WriteError.
  void LogEvent(std::string_view text);
  // LogEvent, its error kept for the caller to raise once the rest is done.
  std::exception_ptr TryLogEvent(std::string_view text);
  // Returns what was read.
  kq::LoadedSettings LoadSettings();
  // Starts the timer for a countdown to TargetTime: its first tick comes at once.
  void StartCountdown(kq::DateTime now);
  // "每天": the same time of day on the next day, counted down again.
  void RollOverDaily();
  // The warning shows while a minute or less is left; its text follows the countdown.
  void UpdateWarning(kq::DateTime left, const kq::RemainingParts& parts);
  void CloseWarning();
  // A clock change or a resume from sleep: the countdown is brought up to date now.
  void ReaimCountdown();
  // Hides or shows the window as the tray menu's "显示/隐藏" does.
  void ToggleShown();
  // What the application window hears that concerns this window: the end of a session that
  // our own task asked for being cancelled, and a second start of the program.
  bool AppWindowMessage(TMessage& m);
  // The task was refused or its session end cancelled: logged, the window back from the
  // tray, and the user told. Throws kq::WriteError after the notice when the log failed.
  void ReportTaskNotDone(std::string_view log_text, std::string_view notice);

  TAppServices services_;
  TDM_kq* DM_kq = nullptr;
  Taboutsoft_kq* aboutsoft_kq = nullptr;
  TWARN_KQ* WARN_KQ = nullptr;
  bool shown_once_ = false;
  // The countdown as started: the moment without postponements (the daily roll-over keeps
  // its time of day), whether it repeats every day, and whether it warns a minute ahead.
  kq::DateTime schedule_time_ = 0;
  bool daily_ = false;
  bool warns_ahead_ = false;
  int app_hook_ = 0;
  // Windows took our request to end the session; a WM_ENDSESSION FALSE now means it was
  // cancelled.
  bool awaiting_session_end_ = false;
  // The countdown last put into edt_timeleave; the text is cleared whenever the edit's text
  // changes.
  std::wstring countdown_shown_;
  kq::RemainingParts countdown_parts_;
};

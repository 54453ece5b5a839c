#include "app/kq_main.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "app/core/countdown.h"
#include "app/core/event_log.h"
#include "app/core/launch.h"
#include "app/core/schedule.h"
#include "app/core/settings.h"
#include "app/core/texts.h"
#include "app/core/warning.h"
#include "app/kq_aboutsoft.h"
#include "app/kq_dm.h"
#include "app/kq_warn.h"
#include "app/resource_ids.h"
#include "app/single_instance.h"
#include "app/startup_shortcut.h"
#include "app/ui_font.h"
#include "base/error.h"
#include "skin/engine/skin_data.h"
#include "ui/application.h"
#include "ui/text.h"

using kq::ui::Narrow;
using kq::ui::Widen;

namespace {

std::wstring W(std::string_view utf8) { return Widen(utf8); }

// Posted at the first showing of a start by the Startup-folder shortcut: the saved schedule
// starts once the window is up.
constexpr UINT kStartSavedSchedule = WM_APP + 0x10;

template <class T>
T* Make(TWinControl* parent, TComponent* owner, const char* name, int left, int top, int width,
        int height) {
  T* c = new T(owner);
  c->Name = name;
  c->SetParent(parent);
  c->SetBounds(left, top, width, height);
  return c;
}

TLabel* MakeLabel(TWinControl* parent, TComponent* owner, const char* name, int left, int top,
                  const wchar_t* caption) {
  TLabel* l = new TLabel(owner);
  l->Name = name;
  l->SetParent(parent);
  l->SetLeft(left);
  l->SetTop(top);
  l->SetCaption(caption);
  return l;
}

void MakeBold(TControl* c, const std::wstring& face) {
  c->SetParentFont(false);
  c->Font().SetName(face);
  c->Font().SetHeight(-11);
  c->Font().SetStyle(FontStyle(fsBold));
}

}  // namespace

TMAIN_KQ::TMAIN_KQ(TComponent* owner, const TAppServices& services)
    : TForm(owner), services_(services) {
  BeginLoading();
  Name = "MAIN_KQ";
  SetCaption(W(kq::texts::kMainCaption));
  SetBorderStyle(bsSingle);
  SetBorderIcons(biSystemMenu | biMinimize);
  SetBounds(0, 0, 326, 252);
  SetPosition(poDesktopCenter);
  SetColor(cl3DLight);
  Font().SetName(ChineseCapableFace(L"MS Sans Serif", -11));
  Font().SetHeight(-11);
  BuildComponents();
  BuildControls();
  SetPopupMenu(PopupMenu1);
  OnShow = [this](TObject*) { FormShow(); };
  if (Application)
    app_hook_ = Application->HookMainWindow([this](TMessage& m) { return AppWindowMessage(m); });
  EndLoading();
}

void TMAIN_KQ::SetPeers(TDM_kq* dm, Taboutsoft_kq* about, TWARN_KQ* warn) {
  DM_kq = dm;
  aboutsoft_kq = about;
  WARN_KQ = warn;
  if (warn) {
    warn->OnPostpone = [this] { PostponeTask(); };
    warn->OnCancel = [this] { btn_stopClick(); };
  }
}

TMAIN_KQ::~TMAIN_KQ() {
  if (app_hook_ && Application) Application->UnhookMainWindow(app_hook_);
}

namespace {
// Posted to the application window when our session end was cancelled: the notice is shown
// after the sender of WM_ENDSESSION has had its answer.
constexpr UINT kTaskCancelledMessage = WM_APP + 0x19;
}  // namespace

bool TMAIN_KQ::AppWindowMessage(TMessage& m) {
  if (m.Msg == WM_ENDSESSION && !m.WParam && awaiting_session_end_) {
    awaiting_session_end_ = false;
    PostMessageW(Application->Handle(), kTaskCancelledMessage, 0, 0);
    return false;
  }
  if (m.Msg == kTaskCancelledMessage) {
    ReportTaskNotDone(kq::texts::kLogTaskCancelled, kq::texts::kTaskCancelled);
    return true;
  }
  if (m.Msg == TSingleInstance::BringForwardMessage()) {
    // A second start of the program: it ends, this one comes forward.
    BringProgramForward();
    m.Result = TSingleInstance::kBroughtForward;
    return true;
  }
  return false;
}

void TMAIN_KQ::BuildControls() {
  const std::wstring face = Font().GetName();

  btn_run = Make<TButton>(this, this, "btn_run", 14, 164, 65, 25);
  btn_run->SetCaption(L"执行");
  btn_run->SetTabOrder(0);
  btn_run->OnClick = [this](TObject*) { btn_runClick(); };

  GroupBox1 = Make<TGroupBox>(this, this, "GroupBox1", 3, 6, 314, 89);
  GroupBox1->SetCaption(L"任务执行时间设置");
  GroupBox1->SetTabOrder(1);

  Rb_ds = Make<TRadioButton>(GroupBox1, this, "Rb_ds", 2, 24, 57, 17);
  Rb_ds->SetCaption(L"定时：");
  Rb_ds->SetTabOrder(0);
  Rb_ds->SetChecked(true);

  tp_rq = Make<TDateTimePicker>(GroupBox1, this, "tp_rq", 64, 20, 97, 21);
  tp_rq->SetKind(dtkDate);
  tp_rq->SetDateFormat(dfShort);
  tp_rq->SetDateMode(dmComboBox);
  MakeBold(tp_rq, face);
  tp_rq->SetTabOrder(1);

  edt_hour = Make<TEdit>(GroupBox1, this, "edt_hour", 164, 20, 26, 21);
  edt_hour->SetText(L"17");
  MakeBold(edt_hour, face);
  edt_hour->SetTabOrder(2);
  lb_hour = MakeLabel(GroupBox1, this, "lb_hour", 196, 28, L"时");

  edt_minu = Make<TEdit>(GroupBox1, this, "edt_minu", 214, 20, 26, 21);
  edt_minu->SetText(L"58");
  MakeBold(edt_minu, face);
  edt_minu->SetTabOrder(3);
  lb_minu = MakeLabel(GroupBox1, this, "lb_minu", 246, 28, L"分");

  CKB_EVERYDAy = Make<TCheckBox>(GroupBox1, this, "CKB_EVERYDAy", 266, 24, 42, 17);
  CKB_EVERYDAy->SetCaption(L"每天");

  Rb_yc = Make<TRadioButton>(GroupBox1, this, "Rb_yc", 2, 56, 57, 17);
  Rb_yc->SetCaption(L"延迟：");
  Rb_yc->SetTabOrder(4);

  edt_ychour = Make<TEdit>(GroupBox1, this, "edt_ychour", 66, 52, 26, 21);
  edt_ychour->SetText(L"01");
  MakeBold(edt_ychour, face);
  edt_ychour->SetTabOrder(5);
  Label1 = MakeLabel(GroupBox1, this, "Label1", 98, 60, L"小时");

  edt_ycminu = Make<TEdit>(GroupBox1, this, "edt_ycminu", 142, 52, 26, 21);
  edt_ycminu->SetText(L"00");
  MakeBold(edt_ycminu, face);
  edt_ycminu->SetTabOrder(6);
  Label2 = MakeLabel(GroupBox1, this, "Label2", 177, 60, L"分钟");
  CKB_EVERYDAy->SetTabOrder(7);

  btn_stop = Make<TButton>(this, this, "btn_stop", 89, 164, 65, 25);
  btn_stop->SetCaption(L"停止");
  btn_stop->SetTabOrder(2);
  btn_stop->SetEnabled(false);
  btn_stop->OnClick = [this](TObject*) { btn_stopClick(); };

  edt_timeleave = Make<TEdit>(this, this, "edt_timeleave", 0, 192, 313, 21);
  edt_timeleave->SetColor(cl3DLight);
  edt_timeleave->SetTabOrder(3);
  edt_timeleave->OnChange = [this](TObject*) { countdown_shown_.clear(); };

  GroupBox2 = Make<TGroupBox>(this, this, "GroupBox2", 3, 96, 314, 61);
  GroupBox2->SetCaption(L"任务设置");
  GroupBox2->SetTabOrder(4);
  Label3 = MakeLabel(GroupBox2, this, "Label3", 9, 18, L"执行任务：");

  cb_task = Make<TComboBox>(GroupBox2, this, "cb_task", 75, 12, 145, 21);
  cb_task->SetStyle(csDropDown);
  cb_task->SetItems({L"关闭计算机", L"注销计算机", L"重启计算机"});
  cb_task->SetItemIndex(0);
  cb_task->SetItemHeight(13);
  MakeBold(cb_task, face);
  cb_task->SetTabOrder(0);

  ckb_autorun = Make<TCheckBox>(GroupBox2, this, "ckb_autorun", 8, 40, 268, 17);
  ckb_autorun->SetCaption(L"开机时自动运行本程序");
  ckb_autorun->SetTabOrder(1);
  ckb_autorun->OnClick = [this](TObject*) { ckb_autorunClick(); };

  btn_save = Make<TButton>(this, this, "btn_save", 165, 164, 65, 25);
  btn_save->SetCaption(L"保存设置");
  btn_save->SetTabOrder(5);
  btn_save->OnClick = [this](TObject*) { btn_saveClick(); };

  btn_close = Make<TButton>(this, this, "btn_close", 241, 164, 65, 25);
  btn_close->SetCaption(L"退出");
  btn_close->SetTabOrder(6);
  btn_close->OnClick = [this](TObject*) { btn_closeClick(); };
}

void TMAIN_KQ::BuildComponents() {
  Timer1 = new TTimer(this);
  Timer1->Name = "Timer1";
  Timer1->SetEnabled(false);
  Timer1->SetInterval(10);
  Timer1->OnTimer = [this](TObject*) { Timer1Timer(); };

  PopupMenu1 = new TPopupMenu(this);
  PopupMenu1->Name = "PopupMenu1";
  struct Entry {
    TMenuItem** item;
    const char* name;
    const wchar_t* caption;
    void (TMAIN_KQ::*handler)();
  } entries[] = {
      {&N1, "N1", L"显示/隐藏", &TMAIN_KQ::N1Click},
      {&N2, "N2", L"停止执行", &TMAIN_KQ::N2Click},
      {&N3, "N3", L"-", nullptr},
      {&N4, "N4", L"关于软件", &TMAIN_KQ::N4Click},
  };
  for (const Entry& e : entries) {
    TMenuItem* item = new TMenuItem(this);
    item->Name = e.name;
    item->SetCaption(e.caption);
    if (e.handler) item->OnClick = [this, h = e.handler](TObject*) { (this->*h)(); };
    PopupMenu1->Items()->Add(item);
    *e.item = item;
  }

  // The frames of the tray animation: green (0), red (1) and yellow (2) beetle.
  iglIcons = new TImageList(this);
  iglIcons->Name = "iglIcons";
  iglIcons->SetSize(32, 32);
  for (int id : {IDI_BEETLE_GREEN, IDI_BEETLE_RED, IDI_BEETLE_YELLOW}) {
    TIcon frame;
    if (frame.LoadFromResource(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), 32))
      iglIcons->AddIcon(frame);
  }

  // In the notification area from the first start of a schedule; animated through the
  // beetles from the yellow one on (2, 0, 1, 2, ...).
  TrayIcon1 = new TTrayIcon(this);
  TrayIcon1->Name = "TrayIcon1";
  TrayIcon1->SetPopupMenu(PopupMenu1);
  TrayIcon1->SetHide(true);
  TrayIcon1->SetRestoreOn(imDoubleClick);
  TrayIcon1->SetPopupMenuOn(imRightClickUp);
  TrayIcon1->SetIcons(iglIcons);
  TrayIcon1->StoreIconIndex(2);
  TrayIcon1->SetAnimate(true);

  // The skin of every window of the program, stored with this window; the other settings are
  // the component's defaults. Loading the stored skin builds it; Loaded switches skinning on.
  SkinData1 = new TSkinData(this);
  SkinData1->Name = "SkinData1";
  SkinData1->SkinFormtype = sfMainform;
  SkinData1->DisableTag = 99;
  SkinData1->SkinControls = kq::skin::kDefaultSkinControls;
  SkinData1->MenuUpdate = true;
  SkinData1->MenuMerge = false;
  SkinData1->ReadStoredSkin();  // the variant drawn for the system dpi
  SkinData1->SetActive(true);
}

// ---- start-up ------------------------------------------------------------------------------

void TMAIN_KQ::FormShow() {
  // The window is only ever shown once; the tray hides and shows it without this event, but
  // be sure a second showing neither reloads nor logs again.
  if (shown_once_) return;
  shown_once_ = true;
  const kq::DateTime now = services_.Clock->Now();
  tp_rq->SetDateTime(now);
  const std::string proposed = kq::FormatDateTime(kq::kDateTimeDigitsFormat, now + kq::kOneHour);
  edt_hour->SetText(W(proposed.substr(8, 2)));
  edt_minu->SetText(W(proposed.substr(10, 2)));
  // Digits only in the four time edits: the style of the first, with ES_NUMBER, on all four.
  const LONG_PTR style = edt_hour->Style() | ES_NUMBER;
  for (TEdit* e : {edt_hour, edt_minu, edt_ychour, edt_ycminu}) e->SetStyle(style);
  // A shortcut made before it carried "/autorun" is made again, with it; one that cannot be
  // is reported once the window is ready.
  std::exception_ptr shortcut_error;
  {
    StartupShortcut shortcut(services_.StartupFolder, services_.ProgramPath);
    ckb_autorun->SetChecked(shortcut.Exists());
    if (shortcut.Exists() && !shortcut.HasAutorunArgument()) {
      try {
        shortcut.Create();
      } catch (const kq::Error&) {
        shortcut_error = std::current_exception();
      }
    }
  }
  const kq::LoadedSettings loaded = LoadSettings();
  LogEvent(kq::texts::kLogRun);
  if (kq::StartsSavedSchedule(services_.Autorun, loaded))
    PostMessageW(Handle(), kStartSavedSchedule, 0, 0);
  if (shortcut_error) std::rethrow_exception(shortcut_error);
}

kq::LoadedSettings TMAIN_KQ::LoadSettings() {
  const kq::LoadedSettings loaded = kq::LoadSettings(DM_kq->Files());
  if (loaded.stage == kq::LoadedSettings::kNothing) return loaded;
  CKB_EVERYDAy->SetChecked(loaded.values.every_day);
  if (loaded.values.at_time)
    Rb_ds->SetChecked(true);
  else
    Rb_yc->SetChecked(true);
  if (loaded.stage == kq::LoadedSettings::kModes) throw kq::ConvertError(loaded.error);
  cb_task->SetItemIndex(loaded.values.task_index);  // outside 0..2: no item selected
  edt_hour->SetText(W(loaded.values.hour));
  edt_minu->SetText(W(loaded.values.minute));
  edt_ychour->SetText(W(loaded.values.delay_hour));
  edt_ycminu->SetText(W(loaded.values.delay_minute));
  return loaded;
}

void TMAIN_KQ::LogEvent(std::string_view text) {
  const kq::DateTime now = services_.Clock->Now();
  const std::string key = kq::FreeLogKey(DM_kq->Files(), now);
  LogStamp = W(key);
  kq::WriteLogEvent(DM_kq->Files(), key, text);
}

std::exception_ptr TMAIN_KQ::TryLogEvent(std::string_view text) {
  try {
    LogEvent(text);
  } catch (const kq::Error&) {
    return std::current_exception();
  }
  return nullptr;
}

// ---- buttons -------------------------------------------------------------------------------

void TMAIN_KQ::btn_runClick() {
  CheckTime = services_.Clock->Now();
  kq::ScheduleDecision decision;
  if (Rb_ds->Checked()) {
    edt_hour->SetText(TDM_kq::PadTwoDigits(edt_hour->Text()));
    edt_minu->SetText(TDM_kq::PadTwoDigits(edt_minu->Text()));
    decision = kq::DecideAtTime(tp_rq->DateTime(), Narrow(edt_hour->Text()),
                                Narrow(edt_minu->Text()), CKB_EVERYDAy->Checked(), CheckTime);
  } else {
    decision = kq::DecideDelay(Narrow(edt_ychour->Text()), Narrow(edt_ycminu->Text()), CheckTime);
  }
  switch (decision.kind) {
    case kq::ScheduleDecision::kNotice:
      DM_kq->ShowNotice(W(kq::texts::kNoticeCaption), W(decision.text));
      return;
    case kq::ScheduleDecision::kInPast:
      Timer1->SetEnabled(false);
      DM_kq->ShowNotice(W(kq::texts::kNoticeCaption), W(decision.text));
      return;
    case kq::ScheduleDecision::kBadDelay:
      MessageBoxW(HandleOrNull(), W(decision.text).c_str(), Application->Title().c_str(), MB_OK);
      return;
    case kq::ScheduleDecision::kStart:
      break;
  }
  // A start that could do nothing is refused before anything changes. Text typed into the
  // list that is an item's text is that item.
  if (cb_task->ItemIndex() < 0) {
    const std::vector<std::wstring>& items = cb_task->Items();
    const auto typed = std::find(items.begin(), items.end(), cb_task->Text());
    if (typed != items.end()) cb_task->SetItemIndex(static_cast<int>(typed - items.begin()));
  }
  if (!kq::TaskToCarryOut(cb_task->ItemIndex(), Narrow(TaskCommand))) {
    DM_kq->ShowNotice(W(kq::texts::kNoticeCaption), W(kq::texts::kNoTask));
    return;
  }
  awaiting_session_end_ = false;
  TargetTime = decision.target;
  schedule_time_ = TargetTime;
  daily_ = Rb_ds->Checked() && CKB_EVERYDAy->Checked();
  if (auto command = kq::TaskCommandFor(cb_task->ItemIndex())) TaskCommand = W(*command);
  if (!TrayIconVisible()) ShowTrayIcon();
  if (Application->IsMinimized())
    RestoreFromTray();
  else
    MinimizeToTray();
  GroupBox1->SetEnabled(false);
  GroupBox2->SetEnabled(false);
  btn_run->SetEnabled(false);
  btn_stop->SetEnabled(true);
  // A log that cannot be written is reported, but the countdown still starts.
  std::exception_ptr log_error;
  try {
    LogEvent(kq::texts::kLogStart);
  } catch (const kq::Error&) {
    log_error = std::current_exception();
  }
  StartCountdown(CheckTime);
  if (log_error) std::rethrow_exception(log_error);
}

void TMAIN_KQ::StartCountdown(kq::DateTime now) {
  warns_ahead_ = kq::WarnsAhead(TargetTime - now);
  Timer1->SetInterval(kq::kShortestTickMs);
  Timer1->SetEnabled(true);
}

void TMAIN_KQ::btn_stopClick() {
  CloseWarning();
  awaiting_session_end_ = false;
  btn_run->SetEnabled(true);
  btn_stop->SetEnabled(false);
  GroupBox1->SetEnabled(true);
  GroupBox2->SetEnabled(true);
  SetTrayHint(W(kq::texts::kStopped));
  edt_timeleave->SetText(W(kq::texts::kStopped));
  // The timer goes off even when the log cannot be written: a stopped schedule never acts.
  std::exception_ptr log_error;
  try {
    LogEvent(kq::texts::kLogStop);
  } catch (const kq::Error&) {
    log_error = std::current_exception();
  }
  Timer1->SetEnabled(false);
  if (log_error) std::rethrow_exception(log_error);
}

void TMAIN_KQ::Timer1Timer() {
  CheckTime = services_.Clock->Now();
  const kq::DateTime left = TargetTime - CheckTime;
  // The text changes about once a second, not on every tick: it is made, shown and given
  // to the tray only when the parts differ from those on show. (The stop's text, or one
  // typed into the edit, clears what is on show.)
  const kq::RemainingParts parts = kq::SplitRemaining(left);
  if (countdown_shown_.empty() || !(parts == countdown_parts_)) {
    const std::wstring text = W(kq::RemainingText(parts));
    edt_timeleave->SetText(text);
    countdown_shown_ = text;
    countdown_parts_ = parts;
    SetTrayHint(text);
  }
  if (!kq::IsDue(left)) {
    UpdateWarning(left, parts);
    // Asleep until the display must change next.
    Timer1->SetInterval(kq::NextTickDelayMs(left, warns_ahead_));
    return;
  }
  // Off first, so that no later tick can run the task again while a box is open.
  Timer1->SetEnabled(false);
  CloseWarning();
  std::exception_ptr log_error = TryLogEvent(kq::texts::kLogDue);
  const auto task = kq::TaskToCarryOut(cb_task->ItemIndex(), Narrow(TaskCommand));
  const bool done = task && kq::CarryOut(*task, *services_.Machine);
  if (done) awaiting_session_end_ = true;
  // "每天": the next day's countdown is running before anything waits for the user.
  if (daily_) {
    RollOverDaily();
    if (std::exception_ptr e = TryLogEvent(kq::texts::kLogStart); !log_error) log_error = e;
  }
  if (!done) {
    // Refused: the user must know the machine stays on. The window stays counting; "停止"
    // returns it to idle.
    try {
      ReportTaskNotDone(kq::texts::kLogTaskFailed, kq::texts::kTaskFailed);
    } catch (const kq::Error&) {
      if (!log_error) log_error = std::current_exception();
    }
  }
  if (log_error) std::rethrow_exception(log_error);
}

void TMAIN_KQ::ReportTaskNotDone(std::string_view log_text, std::string_view notice) {
  std::exception_ptr log_error = TryLogEvent(log_text);
  BringProgramForward();
  DM_kq->ShowNotice(W(kq::texts::kNoticeCaption), W(notice));
  if (log_error) std::rethrow_exception(log_error);
}

void TMAIN_KQ::RollOverDaily() {
  const kq::DateTime now = services_.Clock->Now();
  schedule_time_ = kq::NextDailyTarget(schedule_time_, now);
  TargetTime = schedule_time_;
  StartCountdown(now);
}

void TMAIN_KQ::UpdateWarning(kq::DateTime left, const kq::RemainingParts& parts) {
  if (!WARN_KQ) return;
  if (!kq::WarningShows(warns_ahead_, left)) {
    CloseWarning();
    return;
  }
  const auto item = kq::TaskItemText(cb_task->ItemIndex(), Narrow(TaskCommand));
  WARN_KQ->ShowWarning(W(kq::WarningText(kq::ShownSeconds(parts), item.value_or(""))));
}

void TMAIN_KQ::CloseWarning() {
  if (WARN_KQ) WARN_KQ->CloseWarning();
}

void TMAIN_KQ::PostponeTask() {
  CloseWarning();
  // The task ran, or the schedule stopped, while the answer was on its way.
  if (!Timer1->Enabled()) return;
  TargetTime = kq::Postponed(TargetTime);
  warns_ahead_ = kq::WarnsAhead(TargetTime - services_.Clock->Now());
  std::exception_ptr log_error = TryLogEvent(kq::texts::kLogPostpone);
  Timer1Timer();  // the new time on show at once, and the timer aimed at it
  if (log_error) std::rethrow_exception(log_error);
}

void TMAIN_KQ::ReaimCountdown() {
  if (Timer1->Enabled()) Timer1Timer();
}

void TMAIN_KQ::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_TIMECHANGE:
      ReaimCountdown();
      break;
    case WM_POWERBROADCAST:
      if (m.WParam == PBT_APMRESUMEAUTOMATIC || m.WParam == PBT_APMRESUMESUSPEND) ReaimCountdown();
      break;
    case kStartSavedSchedule:
      btn_runClick();
      return;
  }
  TForm::WndProc(m);
}

void TMAIN_KQ::btn_saveClick() {
  kq::SettingsValues v;
  v.every_day = CKB_EVERYDAy->Checked();
  v.at_time = Rb_ds->Checked();
  v.task_index = cb_task->ItemIndex();
  v.hour = Narrow(edt_hour->Text());
  v.minute = Narrow(edt_minu->Text());
  v.delay_hour = Narrow(edt_ychour->Text());
  v.delay_minute = Narrow(edt_ycminu->Text());
  kq::SaveSettings(DM_kq->Files(), v);
  DM_kq->ShowNotice(W(kq::texts::kNoticeCaption), W(kq::texts::kSaved));
  LogEvent(kq::texts::kLogSave);
}

void TMAIN_KQ::btn_closeClick() {
  // The user asked to exit: a log that cannot be written is reported, and the program ends.
  try {
    LogEvent(kq::texts::kLogExit);
  } catch (const kq::Error&) {
    if (!Application) throw;
    Application->HandleException(std::current_exception());
  }
  Close();
}

void TMAIN_KQ::ckb_autorunClick() {
  StartupShortcut shortcut(services_.StartupFolder, services_.ProgramPath);
  const bool wanted = ckb_autorun->Checked();
  try {
    if (wanted)
      shortcut.Create();
    else
      shortcut.Remove();
  } catch (...) {
    ckb_autorun->SetChecked(!wanted);  // the box shows what is really there
    throw;
  }
}

// ---- the tray menu -------------------------------------------------------------------------

void TMAIN_KQ::ToggleShown() {
  if (Application->IsMinimized())
    RestoreFromTray();
  else
    MinimizeToTray();
}

void TMAIN_KQ::N1Click() { ToggleShown(); }

void TMAIN_KQ::N2Click() {
  ToggleShown();
  btn_stopClick();
}

void TMAIN_KQ::N4Click() {
  // The tray menu still opens while the box is up: a second request brings it forward.
  if (aboutsoft_kq->Visible()) {
    BringProgramForward();
    return;
  }
  aboutsoft_kq->ShowModal();
}

void TMAIN_KQ::BringProgramForward() {
  if (Application->IsMinimized()) RestoreFromTray();
  // A modal box disables every other window of the program; the innermost is the one left
  // enabled.
  TForm* target = this;
  for (TForm* f : Application->Forms())
    if (f->IsModal() && f->HandleAllocated() && IsWindowVisible(f->HandleOrNull()) &&
        IsWindowEnabled(f->HandleOrNull()))
      target = f;
  target->BringToFront();
  SetForegroundWindow(target->Handle());
}

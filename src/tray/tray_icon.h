// TTrayIcon: an icon in the notification area, with a hint, an animation through the images
// of an image list, events for mouse actions on the icon, and minimising the application into
// the notification area (its taskbar button hidden) and restoring it from there.
//
//   auto* tray = new TTrayIcon(form);           // owned by the form, freed with it
//   tray->SetIcons(iglIcons);                   // frames of the animation
//   tray->SetPopupMenu(PopupMenu1);
//   tray->SetPopupMenuOn(imRightClickUp);       // RestoreOn is imDoubleClick already
//   tray->SetAnimate(true);
//   tray->SetVisible(true);                     // icon added; minimising now hides the
//                                               // taskbar button; Hide becomes true
//   tray->SetHint(L"剩余：0 天 01 时 00 分 05 秒"); // fewer than 64 code page 936 bytes, else
//                                               // ignored
//
// The icon talks to the shell through a kq::tray::Shell, the real Shell_NotifyIconW unless a
// test puts a counting one in front of it (SetShell). Its callback messages (0x401) arrive at
// a hidden top-level window of its own (Handle), which also hears WM_QUERYENDSESSION and
// WM_ENDSESSION, so the icon is removed when Windows really ends the session (not when the
// end is cancelled), and "TaskbarCreated",
// so a visible icon is added again to a notification area that was restarted.
//
// While the icon is visible, a hook on the application window turns SC_MINIMIZE into
// MinimizeToTray and SC_RESTORE into RestoreFromTray, and lets the application go on with
// the message.
//
// Decisions that need no window (the mouse-action table, the hint rule, the animation order,
// the setter rules) are in tray/core/tray_rules.h.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "tray/core/tray_rules.h"
#include "ui/application.h"
#include "ui/component.h"
#include "ui/controls.h"
#include "ui/graphics.h"

class TImageList;
class TPopupMenu;
class TTimer;

namespace kq::tray {

// The shell's notification-icon call, replaceable for tests.
class Shell {
 public:
  virtual ~Shell() = default;
  // NIM_ADD, NIM_MODIFY or NIM_DELETE; true when the shell took it.
  virtual bool Notify(DWORD message, NOTIFYICONDATAW& data) = 0;
};

// Shell_NotifyIconW.
Shell& SystemShell();

}  // namespace kq::tray

class TTrayIcon : public TComponent {
  KQ_DECLARE_CLASS(TTrayIcon)

 public:
  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  // ---- properties ----
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& text);
  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* menu);
  bool Hide() const { return hide_; }
  void SetHide(bool v);
  TTrayIconMessage RestoreOn() const { return restore_on_; }
  void SetRestoreOn(TTrayIconMessage v) { restore_on_ = v; }
  TTrayIconMessage PopupMenuOn() const { return popup_menu_on_; }
  void SetPopupMenuOn(TTrayIconMessage v) { popup_menu_on_ = v; }
  TImageList* Icons() const { return icons_; }
  void SetIcons(TImageList* list);  // stored; the icon changes at Loaded or the next step
  int IconIndex() const { return icon_index_; }
  void StoreIconIndex(int i) { icon_index_ = i; }  // stored, as the published property does
  unsigned AnimateInterval() const;
  void SetAnimateInterval(unsigned ms);
  bool Animate() const { return animate_; }
  void SetAnimate(bool v);
  HWND Handle() const { return wnd_; }

  // The icon shown and the record handed to the shell (read-only views for callers and tests).
  const TIcon& CurrentIcon() const { return current_icon_; }
  const NOTIFYICONDATAW& IconData() const { return icon_data_; }
  TTimer* AnimateTimer() const { return animate_timer_.get(); }
  bool HookInstalled() const { return hook_id_ != 0; }

  // Where the icon's shell calls go (the system's by default); the shell must outlive the icon.
  void SetShell(kq::tray::Shell& shell) { shell_ = &shell; }

  // ---- events ----
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnClick;
  TMouseMoveEvent OnMuuseMove;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  // ---- operations ----
  virtual void TrayWndProc(TMessage& m);
  virtual void DoClick();
  virtual void DoDblClick();
  virtual void DoMouseMove(TShiftState shift, int x, int y);
  virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void AnimateStep();
  virtual void MinimizeToTray();
  virtual void RestoreFromTray();
  virtual void RefreshIcon();
  virtual void PopupAtCursor();
  virtual void SetIconIndex(int i);
  virtual void UseApplicationIcon();

  // Published-property adapters.
  bool GetVisible() const { return visible_; }
  bool GetHide() const { return hide_; }
  bool GetAnimate() const { return animate_; }
  int GetIconIndex() const { return icon_index_; }
  int GetAnimateIntervalInt() const { return static_cast<int>(AnimateInterval()); }
  void SetAnimateIntervalInt(int v) { SetAnimateInterval(v < 0 ? 0 : static_cast<unsigned>(v)); }
  std::wstring GetHintText() const { return hint_; }
  std::wstring GetHandleText() const;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation op) override;

 private:
  friend LRESULT CALLBACK TrayWindowProc(HWND, UINT, WPARAM, LPARAM);
  void CreateTrayWindow();
  void HandleCallback(unsigned mouseMessage);
  void React(TTrayIconMessage action);
  bool Notify(DWORD message);
  void InstallHook();
  void RemoveHook();
  void CopyApplicationIcon();

  NOTIFYICONDATAW icon_data_{};
  TIcon current_icon_;
  TImageList* icons_ = nullptr;
  TPopupMenu* popup_menu_ = nullptr;
  std::unique_ptr<TTimer> animate_timer_;
  std::wstring hint_;
  int icon_index_ = 0;
  bool visible_ = false;
  bool hide_ = true;
  bool animate_ = false;
  // Whether the shell holds the icon now: Visible may be true while it does not (the add
  // was refused, or the session ended), and then setting Visible again adds it again.
  bool added_ = false;
  TTrayIconMessage restore_on_ = imDoubleClick;
  TTrayIconMessage popup_menu_on_ = imNone;
  // Sees the application window's messages while the icon is visible.
  TApplication::THook MainWindowHook;
  TApplication* hooked_app_ = nullptr;
  int hook_id_ = 0;
  HWND wnd_ = nullptr;
  kq::tray::Shell* shell_;
};

// TSkinManage: the one object of the program that decides which windows get skinned.
//
// It watches the user-interface thread through a CBT hook: every top-level window that is
// activated and passes its tests gets a form skinner (TWinSkinForm), every menu window
// ("#32768") a popup-menu skinner, and size grips are handed to the form skinner of their
// parent. Requests of the skin components (switch on, switch off, skin changed) are carried
// out by a 250 ms timer, so a burst of them is applied once.
//
// The first TSkinData that finishes loading creates the manager (EnsureSkinManager); it is
// freed when the program ends (or by FreeSkinManager), which removes the hook and frees the
// skinners it owns. Everything runs on the user-interface thread.
//
// The skinners below it see it only as their FormSkinnerHost (skin/form/form_skinner_host.h):
// the state they share with it lives there, and the few requests they make of it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/engine/core/manager_rules.h"
#include "skin/form/form_skinner_host.h"

class TForm;
class TSkinData;
class TTimer;
class TWinSkinForm;
class TWinSkinPopMenu;

class TSkinManage : public FormSkinnerHost {
 public:
  TSkinManage();
  ~TSkinManage() override;
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // ---- state (read by the skinners; the skin components set some of it) ----
  // SkinningEnabled, ForceAttach, StartState, MenuKind, MenuFromMenuBar, MaximisedChildShown,
  // MdiClient, MdiMainForm and PlatformVersion are the FormSkinnerHost's.
  HHOOK HookHandle = nullptr;
  std::vector<TWinSkinForm*> FormSkinners;         // owned (see ~TSkinManage)
  std::vector<TWinSkinPopMenu*> PopupMenuSkinners;  // owned
  std::vector<TSkinData*> SkinDataList;             // not owned
  int PendingAction = 0;
  TSkinData* PendingSkinData = nullptr;
  TSkinData* MainSkinData = nullptr;
  TTimer* Timer() const { return timer_.get(); }

  // ---- called by the skin components ----
  void AddSkinData(TSkinData* skinData);
  void RemoveSkinData(TSkinData* skinData);
  // Installs the thread CBT hook (once).
  void InstallHook();
  // Stores the action and runs it `delayMs` later; before the first activation an activation
  // or deactivation only switches SkinningEnabled.
  void RequestAction(int action, unsigned delayMs);
  // Every form skinner that uses PendingSkinData drops what it cached of the skin.
  void RefreshFormSkinners();
  // A skin component goes away: the form skinners that use it give their windows back.
  void ReleaseSkinData(TSkinData* skinData);

  // ---- called by the skinners ----
  // Attaches a form skinner to `window` when every test passes; returns whether it did.
  bool AttachFormSkinner(HWND window) override;
  void RemoveFormSkinner(TWinSkinForm* skinner) override;
  TWinSkinForm* FindFormSkinner(HWND window) const;
  // The skin component that serves `window`, or nullptr.
  TSkinData* ChooseSkinData(HWND window) const;
  // Attaches `form` unless it is hidden, or a child window that is no MDI child.
  void SkinVisibleForm(TForm* form);
  void AttachPopupMenuSkinner(HWND menuWindow);
  void DetachPopupMenuSkinner(HWND menuWindow);
  void MarkPopupMenusFromMenuBar() override;
  // The popup skinner's rendered background for a menu handle (its menus draw items on it).
  TWinSkinPopMenu* FindPopupMenuSkinner(HMENU menu) const override;
  void SetMaximisedChildShown(bool shown) override;
  // The default icon of the last main-form skin component that has one.
  TBitmap* MainFormIcon() const override;
  // Frees the form skinners whose windows are gone.
  void PurgeClosedFormSkinners();
  // The deferred action (the timer's handler).
  void ApplyPendingAction();

 private:
  friend LRESULT CALLBACK SkinManagerHookProc(int code, WPARAM w, LPARAM l);
  void HookCreateWindow(HWND window, const CREATESTRUCTW& cs);
  void UnskinAndFree(TWinSkinForm* skinner);

  std::unique_ptr<TTimer> timer_;
};

// The one skin manager, or nullptr while none exists.
TSkinManage* SkinManager();
// The manager, created on first use.
TSkinManage& EnsureSkinManager();
// Frees the manager now (also done when the program ends): the hook is removed and the
// skinners it owns give their windows back.
void FreeSkinManager();

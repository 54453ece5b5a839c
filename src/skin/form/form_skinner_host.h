// What the form skinners and popup-menu skinners share with the one skin manager
// (TSkinManage, skin/engine/skin_manager.h, derives from this): the state they read and set
// (which kind of menu is opening, the MDI frame and whether a maximised child is shown, the
// manager's start) and the few things they ask of it. They reach it through
// CurrentFormSkinnerHost(), never through the manager's own header.
#pragma once

#include <windows.h>

#include "skin/form/core/form_rules.h"

class TBitmap;
class TForm;
class TWinSkinForm;
class TWinSkinPopMenu;

class FormSkinnerHost {
 public:
  bool SkinningEnabled = false;
  bool ForceAttach = false;  // while set, children of an MDI client are attached too
  int StartState = kq::skin::kStartNone;
  int MenuKind = kq::skin::kMenuKindPopup;
  bool MenuFromMenuBar = false;
  bool MaximisedChildShown = false;
  HWND MdiClient = nullptr;
  TForm* MdiMainForm = nullptr;
  // GetVersion() when the hook was installed; its top bit marks the Windows 9x family.
  DWORD PlatformVersion = 0;

  // Attaches a form skinner to `window` when every test passes; returns whether it did.
  virtual bool AttachFormSkinner(HWND window) = 0;
  virtual void RemoveFormSkinner(TWinSkinForm* skinner) = 0;
  virtual void SetMaximisedChildShown(bool shown) = 0;
  virtual void MarkPopupMenusFromMenuBar() = 0;
  // The popup skinner's rendered background for a menu handle (its menus draw items on it).
  virtual TWinSkinPopMenu* FindPopupMenuSkinner(HMENU menu) const = 0;
  // The caption icon of the main form's skin, for a window without an icon of its own; nullptr
  // when there is none.
  virtual TBitmap* MainFormIcon() const = 0;

 protected:
  // The one host: made known while it lives.
  FormSkinnerHost();
  virtual ~FormSkinnerHost();
};

// The skin manager as the skinners see it, or nullptr while none exists.
FormSkinnerHost* CurrentFormSkinnerHost();
// The same, made first when there is none (a form skinner attaching starts the manager).
FormSkinnerHost* EnsureFormSkinnerHost();
// How EnsureFormSkinnerHost makes one: the skin manager's unit sets it when the program starts.
void SetFormSkinnerHostMaker(FormSkinnerHost* (*maker)());

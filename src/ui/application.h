// TApplication: the one application object of the program.
//
// It owns the application window: a zero-size top-level window whose caption is Title and
// which carries the program's only taskbar button; every form is owned by it, so forms have no
// taskbar buttons of their own. Minimize/Restore hide and show all forms with it (what the
// taskbar button does); hooks see the application window's messages before it handles them.
//
//   TApplication app;                      // sets the global Application
//   app.SetTitle(L"...");
//   auto* main = app.CreateForm<TMyForm>();  // the first form created is the main form
//   app.Run();                             // shows the main form, loops until it closes
//
// An exception escaping an event handler (anything dispatched by the layer's window
// procedures) is shown by HandleException in the standard error box: caption = Title, the
// exception's text, an OK button; then the program goes on.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/messages.h"

class TForm;
class TControl;
class TMenuItem;

class TApplication : public TComponent {
  KQ_DECLARE_CLASS(TApplication)

 public:
  TApplication();
  ~TApplication() override;

  HWND Handle() const { return handle_; }
  std::wstring Title() const { return title_; }
  void SetTitle(const std::wstring& title);
  // The application icon (the program's first icon resource, else the system's).
  TIcon& Icon() { return icon_; }

  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    return new T(this, std::forward<Args>(args)...);
  }
  TForm* MainForm() const { return main_form_; }
  // Forms in creation order (the screen's form list).
  const std::vector<TForm*>& Forms() const { return forms_; }
  // The form that was last activated and still exists, or nullptr.
  TForm* ActiveForm() const { return active_form_; }

  // Shows the main form (when it is Visible or ShowMainForm) and runs the message loop until
  // Terminate.
  void Run();
  bool ShowMainForm = true;
  // Handles every waiting message, then returns.
  void ProcessMessages();
  // Handles one message, waiting for one when none is there.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Minimises the whole application: hides its forms, minimises the application window.
  void Minimize();
  // Restores the application window and shows the forms Minimize hid.
  void Restore();
  bool IsMinimized() const { return handle_ && ::IsIconic(handle_); }

  // Hooks on the application window's messages: called (newest last) before the window's
  // own handling; a hook that answers true has handled the message.
  using THook = std::function<bool(TMessage&)>;
  int HookMainWindow(THook hook);
  void UnhookMainWindow(int id);

  // The standard error box for an exception, or OnException when assigned.
  void HandleException(std::exception_ptr e);
  void ShowException(const std::wstring& message);
  std::function<void(std::exception_ptr)> OnException;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

  // ---- used by the layer itself ----
  void AddForm(TForm* f);
  void RemoveForm(TForm* f);
  void SetActiveForm(TForm* f) { active_form_ = f; }
  // Mouse tracking for CM_MOUSEENTER / CM_MOUSELEAVE.
  void NoteMouseOver(TControl* c, HWND wnd);
  void NoteMouseLeft(HWND wnd);
  TControl* MouseControl() const { return mouse_control_; }
  void ForgetControl(TControl* c);
  // Menu command numbers (WM_COMMAND ids) for menu items.
  UINT AllocMenuCommand(TMenuItem* item);
  void FreeMenuCommand(UINT cmd);
  TMenuItem* FindMenuItem(UINT cmd) const;

 private:
  friend LRESULT CALLBACK AppWindowProc(HWND, UINT, WPARAM, LPARAM);
  void WndProc(TMessage& m);
  bool ProcessMessage();
  bool IsPreProcessed(MSG& msg);
  void UpdateVisible();
  friend class TForm;

  HWND handle_ = nullptr;
  std::wstring title_;
  TIcon icon_;
  TForm* main_form_ = nullptr;
  TForm* active_form_ = nullptr;
  std::vector<TForm*> forms_;
  std::vector<HWND> hidden_by_minimize_;
  std::vector<std::pair<int, THook>> hooks_;
  int next_hook_ = 1;
  bool terminated_ = false;
  TControl* mouse_control_ = nullptr;
  std::map<UINT, TMenuItem*> menu_commands_;
  UINT next_command_ = 0x1000;
};

// The one application object (set while a TApplication exists).
extern TApplication* Application;

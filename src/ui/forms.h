// TForm: a top-level window owned by the application window.
//
// A window definition is a class derived from TForm whose constructor builds the form in the
// loading state and ends it with EndLoading (which calls Loaded on every component in
// creation order, then on the form):
//
//   class TAboutBox : public TForm {
//     KQ_CLASS(TAboutBox, TForm)
//    public:
//     TLabel* Label1;
//     explicit TAboutBox(TComponent* owner) : TForm(owner) {
//       BeginLoading();
//       SetCaption(L"关于");
//       SetBounds(0, 0, 323, 243);            // outer size
//       SetPosition(poDesktopCenter);
//       Label1 = new TLabel(this);            // owned by the form...
//       Label1->Name = "Label1";
//       Label1->SetParent(this);              // ...and shown on it
//       Label1->SetBounds(72, 32, 240, 15);
//       Label1->SetCaption(L"软件名称");
//       OnClick = [this](TObject*) { Close(); };
//       EndLoading();
//     }
//   };
//
// Show/Hide; ShowModal disables the other windows of the program, runs a nested message
// loop and returns the ModalResult when Close is called (mrCancel) or ModalResult is set.
// Closing the main form ends the program (Application->Terminate). OnShow runs on every
// showing; an exception in it is shown in the error box and the form still shows.
#pragma once

#include "ui/controls.h"

class TMainMenu;
class TButton;

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8;

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT,
                       mrRetry = IDRETRY, mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;

using TCloseEvent = std::function<void(TObject*, TCloseAction&)>;
using TCloseQueryEvent = std::function<void(TObject*, bool& canClose)>;

class TForm : public TWinControl {
  KQ_DECLARE_CLASS(TForm)

 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  void SetVisible(bool v) override;
  // Shows the form and brings it to the front (also when it is already visible).
  void Show();
  void Close();
  TModalResult ShowModal();
  // Frees the form once the messages now waiting have been handled (CM_RELEASE).
  void Release();
  void BringToFront();

  TModalResult ModalResult() const { return modal_result_; }
  void SetModalResult(TModalResult v) { modal_result_ = v; }
  bool IsModal() const { return modal_; }

  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  TFormStyle FormStyle() const { return form_style_; }
  void SetFormStyle(TFormStyle v);
  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons v);
  // The resolution the form's lengths are for: 96 as laid out, the screen's once scaled.
  int PixelsPerInch() const { return pixels_per_inch_; }
  // Whether Loaded scales the form to the screen's resolution (on unless a form opts out).
  bool Scaled() const { return scaled_; }
  void SetScaled(bool v) { scaled_ = v; }
  // The client size, positions of the controls and font heights by m / d; the frame keeps
  // the system's size at the screen's resolution.
  void ChangeScale(int m, int d) override;
  bool AutoScroll() const { return auto_scroll_; }
  void SetAutoScroll(bool v) { auto_scroll_ = v; }
  // Client size; setting it changes the outer size by the frame's size.
  void SetClientWidth(int v);
  void SetClientHeight(int v);
  int GetClientWidth() const;
  int GetClientHeight() const;

  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* m);
  // The control that gets the focus when the form is activated.
  TWinControl* ActiveControl() const { return active_control_; }
  void SetActiveControl(TWinControl* c);
  // The form's canvas; it has a device context only during OnPaint.
  TCanvas& Canvas() { return canvas_; }
  bool Active() const;

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // The form under a window handle (the form itself or any of its child windows).
  static TForm* FromWindow(HWND wnd);
  // Layer-internal: the menu bar changed.
  void MenuChanged();

  bool GetAutoScroll() const { return auto_scroll_; }

 protected:
  void CreateParams(TCreateParams& p) override;
  // Scales a form laid out at 96 dpi to the screen's dpi.
  void Loaded() override;
  void HandleCreated() override;
  void HandleDestroying() override;
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;
  void Notification(TComponent* component, TOperation op) override;
  virtual bool CloseQuery();
  // How showing puts the window on the screen: SW_SHOWNORMAL (activated); a form that must
  // not take the focus from what the user is doing answers SW_SHOWNOACTIVATE.
  virtual int ShowCommand() const { return SW_SHOWNORMAL; }

 private:
  void DoShow();
  void DoHide();
  void PlaceOnScreen();
  void WMActivate(TMessage& m);
  void WMClose(TMessage& m);
  void WMSysCommand(TMessage& m);
  void WMCommand(TMessage& m);
  void WMNextDlgCtl(TMessage& m);
  void CMDialogChar(TMessage& m);
  TButton* FindButton(bool isDefault);

  TPosition position_ = poDesigned;
  TFormStyle form_style_ = fsNormal;
  TFormBorderStyle border_style_ = bsSizeable;
  TBorderIcons border_icons_ = biSystemMenu | biMinimize | biMaximize;
  bool auto_scroll_ = true;
  bool scaled_ = true;
  int pixels_per_inch_ = 96;
  bool modal_ = false;
  TModalResult modal_result_ = mrNone;
  TMainMenu* menu_ = nullptr;
  TWinControl* active_control_ = nullptr;
  HWND last_focus_ = nullptr;
  TCanvas canvas_;
  std::wstring window_class_;
};

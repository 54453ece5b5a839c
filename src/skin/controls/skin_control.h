// TSkinControl: the base of every control skinner.
//
// A control skinner sits in front of one control's messages, lets the control do its work and
// draws the skin over it (or instead of it). It is put there in one of two ways:
//   - AttachToControl: a control of the form layer; the skinner takes the control's WindowProc
//     and keeps the old one (OldWindowProc) for the control's own handling;
//   - AttachToWindow: a bare window (a control of a "#32770" dialog); the skinner subclasses the
//     window procedure and keeps the old one (OldWndProc).
// Either way every message goes through SkinWndProc:
//   BeforeMessage(m) false -> finished here;
//   BeforeMessage(m) true  -> CallOriginal(m) (the control's own handling), AfterMessage(m).
// SKM_SWITCHSKINNER (wParam 0) switches a skinner off without detaching it: the control then
// looks and behaves as if unskinned, until SKM_SWITCHSKINNER with wParam > 0 repaints it.
//
// The form skinner of the control's window (seen here only as its ControlSkinnerHost,
// control_skinner_host.h) keeps the list of its control skinners (ControlSkinners), hands
// them its shared canvas, frees those whose window was destroyed (Phase 6) before each
// discovery and detaches and frees all of them when the skin goes. A skinner made for a
// program control is owned by the control and dies with it; one made for a bare window is
// owned by the form skinner. Destruction gives back what was replaced.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "ui/component.h"
#include "ui/controls.h"
#include "ui/graphics.h"
#include "ui/subclass.h"

class TImageList;
class TSkinLook;
class ControlSkinnerHost;

namespace kq {
class TDataSkinObject;
}

class TSkinControl : public TComponent, private SubclassTarget {
  KQ_DECLARE_CLASS(TSkinControl)

 public:
  // Owner: the skinned control, or the form skinner for a bare child window.
  explicit TSkinControl(TComponent* owner);
  // Gives the control its message method (or the window its procedure) back and leaves the
  // form skinner's list.
  ~TSkinControl() override;

  // ---- virtual operations ----
  // Attaches to the owner control (the window is made if needed). Runs once.
  virtual void AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                               TCanvas* canvas);
  // Attaches to a bare window by subclassing it.
  virtual void AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                              TCanvas* canvas);
  // The skin was taken off (or the window destroyed): the control gets its colour back.
  virtual void Detach();
  // false: the message is finished here; true: the control handles it, then AfterMessage.
  virtual bool BeforeMessage(TMessage& m);
  virtual void AfterMessage(TMessage& m);
  // Paints the whole window (dc 0: the window's own DC) through DrawSkin.
  virtual void PaintWindow(HDC dc);
  virtual void DrawSkin(HDC dc, const RECT& rect);
  // The skin was re-applied: the face colour again, and a repaint.
  virtual void SkinChanged();
  virtual bool CanSkin() { return true; }

  // Every message of the control while attached.
  void SkinWndProc(TMessage& m);
  // The control's own handling (or the window's old procedure); the answer lands in m.Result.
  void CallOriginal(TMessage& m);
  void InvalidateControl();
  // For controls made of items (tabs, header items): asks once for WM_MOUSELEAVE and makes
  // `item` the hot one, repainting the window when it changed.
  void FollowHotItem(int item, int& hot, bool& tracking);

  // ---- drawing helpers ----
  void FillSkinFace(HDC dc, const RECT& rect);
  void FillParentColor(HDC dc, const RECT& rect);
  // WM_PAINT drawn by the skinner instead of the control.
  void PaintInPlace(TMessage& m);
  // Frame `frameIndex` (from 1) of `object`'s image cut into `frameCount` frames, sliced to
  // rect with the object's margins and draw mode, keyed on magenta when the object says so.
  void DrawSkinObjectFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                           const kq::TDataSkinObject& object);
  // Text one pixel above the centre of rect (alignment DT_CENTER or DT_LEFT); the shadow
  // colour when not enabled.
  void DrawCentredText(TCanvas& canvas, const RECT& rect, UINT alignment, bool enabled,
                       const std::wstring& text);
  // Icon and single-line text of a tab or header (layout 0 left, 1 centre, 2 right).
  void DrawGlyphAndText(TCanvas& canvas, const RECT& rect, int layout, const std::wstring& text,
                        int imageIndex, TImageList* images);
  // The same with a system image list (a tab control's).
  void DrawGlyphAndText(TCanvas& canvas, const RECT& rect, int layout, const std::wstring& text,
                        int imageIndex, HIMAGELIST images);

  // The skin's face colour ([Colours] ButtonFace).
  TColor FaceColour() const;

  // ---- fields ----
  unsigned char MouseState = 0;  // bit 0 hot, bit 1 pressed
  TCanvas* Canvas = nullptr;     // the form skinner's shared canvas; not owned
  bool Enabled = true;
  bool Focused = false;
  std::wstring Caption;
  bool Active = true;  // switched off and on by SKM_SWITCHSKINNER
  TSkinLook* SkinData = nullptr;
  HWND Handle = nullptr;
  TWndMethod OldWindowProc;            // the control's message method before attach
  TControl* Control = nullptr;         // the skinned program control, or none
  RECT WindowRect{};                   // screen rectangle at the last paint
  TControl* GraphicControl = nullptr;  // a skinned window-less control, or none
  bool UseSkinColor = false;
  TColor SavedColor = 0;
  bool SavedParentColor = false;  // the control took its parent's colour before attach
  bool Attached = false;
  int Phase = 0;  // 1 attached; 6 once the window has been destroyed
  ControlSkinnerHost* FormSkinner = nullptr;

  // The window procedure before subclassing (bare windows only).
  WNDPROC OldWndProc() const;

  bool Hot() const { return MouseState & 1; }
  bool Pressed() const { return MouseState & 2; }
  void SetHot(bool v) { MouseState = v ? (MouseState | 1) : (MouseState & ~1); }
  void SetPressed(bool v) { MouseState = v ? (MouseState | 2) : (MouseState & ~2); }

 protected:
  void Notification(TComponent* component, TOperation op) override;
  // Joins the form skinner's list (once).
  void JoinFormSkinner();
  // Takes the owner control and the skin it is drawn with; false when the owner is no control.
  bool BindToOwner(ControlSkinnerHost* formSkinner, TSkinLook* skinData, TCanvas* canvas);
  // Takes the control's WindowProc (control and graphic attach).
  void HookWindowProc(TControl* control);
  // Gives it back, unless the control is going away.
  void UnhookWindowProc();
  // Keeps the control's colour (and whether it followed its parent's) and gives it the face
  // colour; Detach gives both back.
  void TakeSkinColour();

 private:
  LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) override;
  // The subclassing of a bare window (its ObjectInstance).
  std::unique_ptr<WindowSubclass> object_instance_;
  TControl* hooked_ = nullptr;
};

// The text of a window (WM_GETTEXT, up to 1000 characters).
std::wstring WindowTextOf(HWND wnd);

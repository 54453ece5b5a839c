// TSkinControl: the base of every control skinner. A control skinner sits in front of one
// control's messages and draws the skin over it; the form skinner of the control's window
// keeps the list of them (TWinSkinForm::ControlSkinners), re-applies them when the skin
// changes and detaches and frees them when the skin goes.
//
// This part is what the form skinner relies on: the list membership, the life phase, the
// colour the skinner replaced, Detach and SkinChanged. The attach paths, the message filter and
// the drawing come with the control skinners themselves.
#pragma once

#include <windows.h>

#include "ui/component.h"
#include "ui/graphics.h"

class TCanvas;
class TControl;
class TSkinData;
class TWinSkinForm;

class TSkinControl : public TComponent {
  KQ_DECLARE_CLASS(TSkinControl)

 public:
  // Owner: the skinned control (the skinner dies with it), or the form skinner for a bare
  // child window of a foreign window.
  explicit TSkinControl(TComponent* owner);
  // Leaves the form skinner's list.
  ~TSkinControl() override;

  // The skin was taken off: gives the control its colour back.
  virtual void Detach();
  // The skin was re-applied: takes the skin's face colour again and repaints.
  virtual void SkinChanged();
  // Repaints the control (or the window-less control, or the bare window).
  void InvalidateControl();

  unsigned char MouseState = 0;  // bit 0 hot, bit 1 pressed
  TCanvas* Canvas = nullptr;     // the form skinner's shared canvas; not owned
  bool Enabled = true;
  bool Focused = false;
  bool Active = true;  // switched off and on by SKM_SWITCHSKINNER
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  TControl* Control = nullptr;         // the skinned program control, or none
  TControl* GraphicControl = nullptr;  // a skinned window-less control, or none
  RECT WindowRect{};
  bool UseSkinColor = false;
  TColor SavedColor = 0;
  bool Attached = false;
  int Phase = 0;  // 1 attached; 6 once the window has been destroyed
  TWinSkinForm* FormSkinner = nullptr;
};

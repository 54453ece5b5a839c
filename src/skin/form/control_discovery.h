// Control discovery: after a form skinner attached (SKM_SKINCONTROLS), it walks the controls
// of its window and gives each the control skinner the selection rules pick
// (core/control_selection.h).
//
// A program form's controls are found among its components (a form owns the controls placed
// on it, also those on its panels); panels, group boxes, frames and embedded forms that the
// rules say so are walked in turn, and the children of radio groups and the like get the
// skinner their container's row names. A bare window's controls are its child windows with
// WS_CHILD, chosen by window class and style. Each control is skinned once: one that a
// skinner of the list already holds is passed over.
//
// Skinners whose classes the program does not have yet are chosen all the same: the choice is
// reported in the returned list with no skinner attached.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/controls/core/control_selection.h"

class TComponent;
class TControl;
class TForm;
class TSkinControl;
class TWinSkinForm;

// What discovery decided for one control or window.
struct TSkinChoice {
  TControl* Control = nullptr;  // a program control, or
  HWND Window = nullptr;        // a bare window
  kq::skin::SkinnerKind Kind = kq::skin::SkinnerKind::None;
  kq::skin::AttachMode Mode = kq::skin::AttachMode::Control;
  TSkinControl* Skinner = nullptr;  // none while the kind's class is not in the program
};

// Walks the form's controls.
void DiscoverFormControls(TWinSkinForm& skinner, TForm& form);
// Walks the child windows (WS_CHILD) of a bare window.
void DiscoverChildWindows(TWinSkinForm& skinner, HWND parent);
// A size grip created on the skinner's window.
void DiscoverSizeGrip(TWinSkinForm& skinner, HWND grip);

// The same walks, reporting every choice made (skinned or only chosen).
std::vector<TSkinChoice> SkinFormControls(TWinSkinForm& skinner, TForm& form);
std::vector<TSkinChoice> SkinChildWindows(TWinSkinForm& skinner, HWND parent);
std::vector<TSkinChoice> SkinChildWindow(TWinSkinForm& skinner, HWND child);

// What the rules know of a control: class and ancestors, Tag, window style, the published
// properties they read.
kq::skin::ControlDescriptor DescribeControl(TControl* control);

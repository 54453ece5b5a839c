// The walk of control discovery. Which skinner a control gets is decided by the selection
// rules of the control skinners (DisableTag, OnSkinControl, Skin3rd, the ordered class tests
// and the Win32 child-window table); with none of those skinner kinds in the program yet, no
// control is picked and every control keeps its own look.
#include "skin/controls/control_discovery.h"

#include <algorithm>

#include "skin/controls/skin_control.h"
#include "skin/form/win_skin_form.h"
#include "ui/forms.h"

namespace {

// Whether a skinner in the list already holds this control or window.
bool AlreadySkinned(const TWinSkinForm& skinner, const TControl* control, HWND wnd) {
  return std::any_of(skinner.ControlSkinners.begin(), skinner.ControlSkinners.end(), [&](const TSkinControl* s) {
    return (control && (s->Control == control || s->GraphicControl == control)) || (wnd && s->Handle == wnd);
  });
}

// The skinner the selection rules pick for a control of a program form, or none.
TSkinControl* ChooseControlSkinner(TWinSkinForm&, TControl*, TWinControl*) { return nullptr; }

// The skinner the Win32 table picks for a bare child window, or none.
TSkinControl* ChooseWindowSkinner(TWinSkinForm&, HWND) { return nullptr; }

void WalkContainer(TWinSkinForm& skinner, TWinControl* container) {
  for (TControl* c : std::vector<TControl*>(container->Controls())) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (AlreadySkinned(skinner, c, w ? w->HandleOrNull() : nullptr)) continue;
    ChooseControlSkinner(skinner, c, container);
    if (w) WalkContainer(skinner, w);
  }
}

}  // namespace

void DiscoverFormControls(TWinSkinForm& skinner, TForm& form) { WalkContainer(skinner, &form); }

void DiscoverChildWindows(TWinSkinForm& skinner, HWND parent) {
  if (!parent) return;
  for (HWND c = GetTopWindow(parent); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(c, GWL_STYLE) & WS_CHILD)) continue;
    if (AlreadySkinned(skinner, nullptr, c)) continue;
    ChooseWindowSkinner(skinner, c);
  }
}

void DiscoverSizeGrip(TWinSkinForm& skinner, HWND grip) {
  if (!AlreadySkinned(skinner, nullptr, grip)) ChooseWindowSkinner(skinner, grip);
}

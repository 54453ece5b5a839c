// Control discovery: after a form skinner attached, it walks the controls of its window and
// asks the selection rules which control skinner each one gets. A form's controls are found
// among its components (containers walked into); a bare window's among its child windows.
// A control the rules pick no skinner for is left as it is.
#pragma once

#include <windows.h>

class TForm;
class TWinSkinForm;

// Walks the form's controls.
void DiscoverFormControls(TWinSkinForm& skinner, TForm& form);
// Walks the child windows (WS_CHILD) of a bare window.
void DiscoverChildWindows(TWinSkinForm& skinner, HWND parent);
// A size grip created on the skinner's window.
void DiscoverSizeGrip(TWinSkinForm& skinner, HWND grip);

// What a control skinner sees of the form skinner of its window (TWinSkinForm implements it):
// the list of control skinners it joins and leaves, and the button under the mouse, which the
// form skinner tells of CM_MOUSELEAVE when the window goes inactive.
#pragma once

#include <vector>

class TSkinControl;

class ControlSkinnerHost {
 public:
  // The window's control skinners, in the order they were attached.
  std::vector<TSkinControl*> ControlSkinners;
  // The skinned button under the mouse, or none.
  TSkinControl* HotButton = nullptr;

 protected:
  ControlSkinnerHost() = default;
  ~ControlSkinnerHost() = default;
};

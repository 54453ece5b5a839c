// The machine actions as Windows carries them out: shutdown and restart after enabling the
// shutdown privilege, log-off directly. Each answers what ExitWindowsEx answered.
#pragma once

#include "app/core/machine.h"

class TWindowsMachine final : public kq::MachineActions {
 public:
  bool Shutdown() override;
  bool Restart() override;
  bool LogOff() override;
};

// The machine actions as Windows carries them out: shutdown and restart after enabling the
// shutdown privilege, log-off directly. Results are not examined: when Windows refuses,
// the program simply goes on.
#pragma once

#include "app/core/machine.h"

class TWindowsMachine final : public kq::MachineActions {
 public:
  void Shutdown() override;
  void Restart() override;
  void LogOff() override;
};

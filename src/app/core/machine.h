// What the program does to the machine when the countdown ends. The window calls this
// interface; the real one asks Windows, tests put a recorder in its place.
#pragma once

#include "app/core/schedule.h"

namespace kq {

class MachineActions {
 public:
  virtual ~MachineActions() = default;
  virtual void Shutdown() = 0;
  virtual void Restart() = 0;
  virtual void LogOff() = 0;
};

inline void CarryOut(MachineTask task, MachineActions& machine) {
  switch (task) {
    case MachineTask::kShutdown: machine.Shutdown(); break;
    case MachineTask::kLogOff: machine.LogOff(); break;
    case MachineTask::kRestart: machine.Restart(); break;
  }
}

}  // namespace kq

// What the program does to the machine when the countdown ends. The window calls this
// interface; the real one asks Windows, tests put a recorder in its place. Each answers
// whether the request was taken (Windows may still cancel the session end afterwards).
#pragma once

#include "app/core/schedule.h"

namespace kq {

class MachineActions {
 public:
  virtual ~MachineActions() = default;
  virtual bool Shutdown() = 0;
  virtual bool Restart() = 0;
  virtual bool LogOff() = 0;
};

// False when the machine refused the task.
inline bool CarryOut(MachineTask task, MachineActions& machine) {
  switch (task) {
    case MachineTask::kShutdown: return machine.Shutdown();
    case MachineTask::kLogOff: return machine.LogOff();
    case MachineTask::kRestart: return machine.Restart();
  }
  return false;
}

}  // namespace kq

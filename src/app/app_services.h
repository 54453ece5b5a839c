// What the scheduler's windows are given from outside: the clock, what carries out the
// task, and where the files live. The program passes the real ones; tests pass a clock they
// move by hand, a recorder and a temporary folder.
#pragma once

#include <string>

#include "app/core/machine.h"
#include "base/clock.h"

struct TAppServices {
  kq::Clock* Clock = nullptr;
  kq::MachineActions* Machine = nullptr;
  // Folder of the settings file and the event log, ending in a separator; empty: the folder
  // of the program file.
  std::string IniFolder;
  // The Startup folder for the "开机时自动运行本程序" shortcut; empty: the user's own.
  std::wstring StartupFolder;
  // The program the shortcut points to; empty: this program file.
  std::wstring ProgramPath;
  // Started by that shortcut (the single argument "/autorun").
  bool Autorun = false;
};

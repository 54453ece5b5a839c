// What the scheduler's windows are given from outside: the clock, what carries out the
// task, and where the files live. The program passes the real ones; tests pass a clock they
// move by hand, a recorder and a temporary folder.
#pragma once

#include <functional>
#include <string>

#include "app/core/machine.h"
#include "base/clock.h"

struct TAppServices {
  kq::Clock* Clock = nullptr;
  kq::MachineActions* Machine = nullptr;
  // Folder of the settings file and the event log, ending in a separator; empty: the folder
  // of the program file when it can be written, else the per-user data folder.
  std::string IniFolder;
  // For choosing that folder: whether a folder can be written (empty: try it) and the local
  // application-data folder (empty: the user's own). Tests put their own.
  std::function<bool(const std::string& folder)> CanWriteFolder;
  std::string LocalAppData;
  // The Startup folder for the "开机时自动运行本程序" shortcut; empty: the user's own.
  std::wstring StartupFolder;
  // The program the shortcut points to; empty: this program file.
  std::wstring ProgramPath;
  // Started by that shortcut (the single argument "/autorun").
  bool Autorun = false;
};

// What the program's windows are given when a screen or menu suite builds them: a clock that
// stands at 2007-07-06 17:58:30 until a test moves it, machine actions that do nothing, and
// the files in a temporary folder.
#pragma once

#include "app/app_services.h"
#include "base/clock.h"
#include "base/datetime.h"
#include "ui/text.h"
#include "unit/base/temp_dir.h"

namespace apptest {

struct NoMachine : kq::MachineActions {
  bool Shutdown() override { return true; }
  bool Restart() override { return true; }
  bool LogOff() override { return true; }
};

struct ProgramServices {
  ProgramServices() {
    services.Clock = &clock;
    services.Machine = &machine;
    services.IniFolder = dir.Path("");
    services.StartupFolder = kq::ui::Widen(dir.Path("Startup"));
    services.ProgramPath = kq::ui::Widen(dir.Path("kqshutdown.exe"));
  }
  ProgramServices(const ProgramServices&) = delete;
  ProgramServices& operator=(const ProgramServices&) = delete;

  kq::test::TempDir dir;
  kq::ManualClock clock{kq::EncodeDateTime(2007, 7, 6, 17, 58, 30, 0)};
  NoMachine machine;
  TAppServices services;
};

}  // namespace apptest

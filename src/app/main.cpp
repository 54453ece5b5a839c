// Program entry of kqshutdown.exe: the real clock and the real machine actions.
#include <windows.h>

#include "app/pro_kqshutdown.h"
#include "app/windows_machine.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  kq::SystemClock clock;
  TWindowsMachine machine;
  TAppServices services;
  services.Clock = &clock;
  services.Machine = &machine;
  return Pro_kqshutdown(services);
}

// Program entry of kqshutdown.exe: the real clock and the real machine actions.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/core/launch.h"
#include "app/pro_kqshutdown.h"
#include "app/windows_machine.h"
#include "ui/text.h"

namespace {

// The arguments after the program's own name, in UTF-8.
std::vector<std::string> Arguments() {
  std::vector<std::string> out;
  int count = 0;
  if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) out.push_back(kq::ui::Narrow(argv[i]));
    LocalFree(argv);
  }
  return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  kq::SystemClock clock;
  TWindowsMachine machine;
  TAppServices services;
  services.Clock = &clock;
  services.Machine = &machine;
  services.Autorun = kq::IsAutorunStart(Arguments());
  return Pro_kqshutdown(services);
}

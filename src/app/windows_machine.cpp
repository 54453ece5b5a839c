#include "app/windows_machine.h"

#include <windows.h>

namespace {

// SE_PRIVILEGE_ENABLED for "SeShutdownPrivilege" in this process's token.
void EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
}

}  // namespace

bool TWindowsMachine::Shutdown() {
  EnableShutdownPrivilege();
  return ExitWindowsEx(EWX_SHUTDOWN | EWX_POWEROFF, 0) != FALSE;
}

bool TWindowsMachine::Restart() {
  EnableShutdownPrivilege();
  return ExitWindowsEx(EWX_REBOOT, 2) != FALSE;
}

// "command.com /C shutdown -l" would do nothing on 64-bit Windows, which has no command.com.
bool TWindowsMachine::LogOff() { return ExitWindowsEx(EWX_LOGOFF, 0) != FALSE; }

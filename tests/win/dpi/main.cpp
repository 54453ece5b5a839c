// The display-scaling suite runs as the program does: aware of the system dpi (the program
// declares it in its manifest; this test program says so at start).
#include <gtest/gtest.h>
#include <windows.h>

int main(int argc, char** argv) {
  using SetAware = BOOL(WINAPI*)();
  if (auto set = reinterpret_cast<SetAware>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware"))))
    set();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Processor time of the real program while it counts down, against the same program idle.
// Two minutes long, so not part of the test run: bench/countdown-cpu runs it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "driver.h"

namespace e2e {
namespace {

// Wine answers GetProcessTimes for another process with zeros, so the times are read where
// Linux keeps them: /proc/<pid>/stat, reached through Wine's drive Z:.
std::string ReadLinuxFile(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
  CloseHandle(f);
  return bytes;
}

// The Linux process whose file `what` ("cmdline", "environ") holds `needle`; 0 if none.
int FindLinuxProcess(const char* what, const std::string& needle, const std::string& also = {}) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(L"Z:\\proc\\*", &fd);
  if (h == INVALID_HANDLE_VALUE) return 0;
  int found = 0;
  do {
    const std::wstring name = fd.cFileName;
    if (name.empty() || name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    const std::wstring dir = L"Z:\\proc\\" + name + L"\\";
    const std::string text = ReadLinuxFile(dir + std::wstring(what, what + strlen(what)));
    if (text.find(needle) == std::string::npos) continue;
    if (!also.empty() && ReadLinuxFile(dir + L"cmdline").find(also) == std::string::npos) continue;
    found = std::stoi(name);
    break;
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return found;
}

// User + system time of a Linux process in seconds (clock ticks of 1/100 s).
double CpuSeconds(int pid) {
  const std::string stat = ReadLinuxFile(L"Z:\\proc\\" + std::to_wstring(pid) + L"\\stat");
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  // After "(name)": state is field 3; utime and stime are fields 14 and 15.
  size_t at = close + 2;
  for (int field = 3; field < 14; ++field) at = stat.find(' ', at) + 1;
  const long long utime = std::stoll(stat.substr(at));
  at = stat.find(' ', at) + 1;
  const long long stime = std::stoll(stat.substr(at));
  return static_cast<double>(utime + stime) / 100.0;
}

struct Usage {
  double program = 0, server = 0;
};

// CPU seconds the program and the Wine server use over `seconds` of wall time.
Usage CpuOver(int program, int server, int seconds) {
  const double p0 = CpuSeconds(program), s0 = server ? CpuSeconds(server) : 0;
  Sleep(static_cast<DWORD>(seconds) * 1000);
  return {CpuSeconds(program) - p0, server ? CpuSeconds(server) - s0 : 0};
}

TEST(Kqshutdown, DISABLED_CountdownCpuTime) {
  const int kSeconds = 60;
  Program p;
  ASSERT_TRUE(p.Start());
  HWND main = p.WaitForWindow(L"TMAIN_KQ", L"Zelvo定时自动关机器V1.0");
  ASSERT_NE(main, nullptr);
  Sleep(2000);  // let start-up settle
  // Our copy's folder name is unique; the Wine server is the one of this prefix.
  const std::wstring folder = p.Folder();
  const size_t at = folder.find(L"kq_e2e_");
  const std::wstring unique = folder.substr(at, folder.find(L'\\', at) - at);
  const int program = FindLinuxProcess("cmdline", std::string(unique.begin(), unique.end()));
  ASSERT_NE(program, 0);
  wchar_t prefix[1024] = {};
  GetEnvironmentVariableW(L"WINEPREFIX", prefix, 1024);
  const std::wstring wprefix = prefix;
  const int server = wprefix.empty() ? 0
      : FindLinuxProcess("environ", "WINEPREFIX=" + std::string(wprefix.begin(), wprefix.end()),
                         "wineserver");
  const Usage idle = CpuOver(program, server, kSeconds);

  Click(FindChild(main, L"Button", L"延迟："));
  TypeInto(FindChild(main, L"Edit", L"01"), L"5");
  Click(FindChild(main, L"Button", L"执行"));
  ASSERT_TRUE(p.LogHas("=开始执行Zelvo定时自动关机器。"));
  Sleep(2000);
  const Usage counting = CpuOver(program, server, kSeconds);
  std::printf("CPU seconds over %d s of wall time (Linux pid %d, wineserver pid %d):\n"
              "  program   idle %.2f, counting %.2f: counting costs %.3f%% of one core more\n"
              "  wineserver idle %.2f, counting %.2f: %.3f%% more\n",
              kSeconds, program, server, idle.program, counting.program,
              (counting.program - idle.program) / kSeconds * 100, idle.server, counting.server,
              (counting.server - idle.server) / kSeconds * 100);
  EXPECT_GE(counting.program, 0);
}

}  // namespace
}  // namespace e2e

#include "base/clock.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <chrono>
#include <ctime>
#endif

namespace kq {

#ifdef _WIN32

DateTime SystemClock::Now() const {
  SYSTEMTIME st;
  GetLocalTime(&st);
  DateTime value = 0;
  TryEncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                    st.wMilliseconds, value);
  return value;
}

#else

DateTime SystemClock::Now() const {
  using namespace std::chrono;
  const long long ms =
      duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  // Floor division, so instants before 1970 keep their milliseconds positive.
  long long seconds = ms / 1000;
  long long rest = ms % 1000;
  if (rest < 0) {
    rest += 1000;
    --seconds;
  }
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return 0;
  // A leap second (tm_sec 60) is shown as the last second of its minute.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  DateTime value = 0;
  TryEncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                    local.tm_min, second, static_cast<int>(rest), value);
  return value;
}

#endif

}  // namespace kq

// A small timing harness for the Win32 benchmarks (Google Benchmark is not built for
// Windows here). Each case runs batches until enough time has passed, several times over,
// and reports the median time per iteration and its spread, in Google Benchmark's layout.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace winbench {

inline double Now() {
  static const double freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / freq;
}

struct Result {
  std::string name;
  double median = 0;  // seconds per iteration
  double min = 0, max = 0;
  long long iterations = 0;
};

// Times `body` (one iteration per call). `between`, when given, runs untimed after each
// iteration (to let the window system settle: pending paint messages and the like).
inline Result Measure(const std::string& name, const std::function<void()>& body,
                      const std::function<void()>& between = {}, int repetitions = 7,
                      double minSeconds = 0.2) {
  std::vector<double> perIteration;
  long long total = 0;
  for (int r = 0; r < repetitions; ++r) {
    double spent = 0;
    long long n = 0;
    while (spent < minSeconds || n < 10) {
      const double t0 = Now();
      body();
      spent += Now() - t0;
      ++n;
      if (between) between();
    }
    perIteration.push_back(spent / static_cast<double>(n));
    total += n;
  }
  std::sort(perIteration.begin(), perIteration.end());
  Result res{name, perIteration[perIteration.size() / 2], perIteration.front(), perIteration.back(),
             total};
  std::printf("%-44s %12.1f us (min %.1f, max %.1f) %10lld iterations\n", name.c_str(),
              res.median * 1e6, res.min * 1e6, res.max * 1e6, total);
  std::fflush(stdout);
  return res;
}

}  // namespace winbench

// Costs of the base layer's per-call work: one INI value read or written (each call reads
// the whole file; each write rewrites it and syncs it to disk), the event log as it grows,
// and the code page 936 conversions the countdown does on every tick.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "base/datetime.h"
#include "base/encoding.h"
#include "base/ini_store.h"

namespace {

std::filesystem::path FreshDir() {
  std::random_device random;
  auto dir = std::filesystem::temp_directory_path() / ("kq_bench_" + std::to_string(random()));
  std::filesystem::create_directories(dir);
  return dir;
}

std::string StampOf(int i) {
  return kq::FormatDateTime(kq::kLogStampFormat, kq::EncodeDate(2007, 7, 6) + i * kq::kOneSecond);
}

void BM_ReadSettingsValue(benchmark::State& state) {
  const auto dir = FreshDir();
  const std::string path = (dir / "zelvosoft.ini").string();
  for (const char* key : {"info", "save", "every", "timetype", "tasktype"})
    kq::WriteIniString(path, "system", key, "1");
  kq::WriteIniString(path, "delay", "minute", "00");
  for (auto _ : state) benchmark::DoNotOptimize(kq::ReadIniString(path, "delay", "minute"));
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReadSettingsValue);

// Appending one event to a log that already holds state.range(0) events.
void BM_WriteLogEvent(benchmark::State& state) {
  const auto dir = FreshDir();
  const std::string path = (dir / "zelvolog.txt").string();
  const int existing = static_cast<int>(state.range(0));
  for (int i = 0; i < existing; ++i)
    kq::WriteIniString(path, "SYSTEMLOG", StampOf(i), "运行Zelvo定时自动关机器。");
  // Every round writes into the same second with another text, so the log keeps its size
  // and each round really rewrites the file: the cost of one event at this size.
  const std::string stamp = StampOf(existing);
  bool flip = false;
  for (auto _ : state) {
    kq::WriteIniString(path, "SYSTEMLOG", stamp, flip ? "停止" : "开始");
    flip = !flip;
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WriteLogEvent)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_Cp936ByteLengthOfCountdown(benchmark::State& state) {
  const std::string text = "剩余：0 天 01 时 05 分 09 秒 ";
  for (auto _ : state) benchmark::DoNotOptimize(kq::Cp936ByteLength(text));
}
BENCHMARK(BM_Cp936ByteLengthOfCountdown);

void BM_FormatLogStamp(benchmark::State& state) {
  const kq::DateTime t = kq::EncodeDateTime(2007, 7, 6, 17, 58, 3, 250);
  for (auto _ : state) benchmark::DoNotOptimize(kq::FormatDateTime(kq::kLogStampFormat, t));
}
BENCHMARK(BM_FormatLogStamp);

}  // namespace

BENCHMARK_MAIN();

// Skin loading speed: the LZHUF decoder on the test vectors (compared with a memcpy of
// the same output bytes and with a plain bit-at-a-time decoder of the same format), and
// a whole archive load with its definition text.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/lzh.h"
#include "skin/data/lzh_tree.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_reader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

Bytes Load(const std::string& name) {
  std::ifstream f(std::string(KQ_TESTDATA_DIR) + "/lzhuf/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), {});
}

// The straightforward decoder: a 16-bit buffer topped up one byte at a time before every
// bit, one bit per tree level, as the 1988 program reads its file.
Bytes ReferenceDecode(const Bytes& file) {
  using namespace kq::lzhuf;
  const std::int32_t u = kq::TLZH::DeclaredSize(file);
  Bytes out;
  if (u <= 0) return out;
  out.reserve(static_cast<std::size_t>(u) + kMaxMatch);
  std::size_t in = 4;
  unsigned buf = 0, len = 0;
  auto fill = [&] {
    while (len <= 8) {
      const unsigned c = in < file.size() ? file[in++] : 0;
      buf |= c << (8 - len);
      len += 8;
    }
  };
  auto bit = [&] {
    fill();
    const unsigned b = (buf >> 15) & 1;
    buf = (buf << 1) & 0xFFFF;
    --len;
    return b;
  };
  auto byte = [&] {
    fill();
    const unsigned b = (buf >> 8) & 0xFF;
    buf = (buf << 8) & 0xFFFF;
    len -= 8;
    return b;
  };
  auto tree = std::make_unique<HuffmanTree>();
  tree->Start();
  std::uint8_t ring[kRingSize];
  std::memset(ring, ' ', kRingStart);
  std::memset(ring + kRingStart, 0, kRingSize - kRingStart);
  unsigned r = kRingStart;
  std::uint8_t upper[256], codeLen[256];
  for (int p = 0; p < 64; ++p) {
    for (int k = 0; k < (1 << (8 - kPositionCodeLength[p])); ++k) {
      upper[kPositionCode[p] + k] = static_cast<std::uint8_t>(p);
      codeLen[kPositionCode[p] + k] = kPositionCodeLength[p];
    }
  }
  while (out.size() < static_cast<std::size_t>(u)) {
    int c = tree->child[kRoot];
    while (c < kTreeSize) c = tree->child[c + static_cast<int>(bit())];
    c -= kTreeSize;
    tree->Update(c);
    if (c < 256) {
      out.push_back(static_cast<std::uint8_t>(c));
      ring[r] = static_cast<std::uint8_t>(c);
      r = (r + 1) & (kRingSize - 1);
    } else {
      unsigned p = byte();
      const unsigned hi = upper[p];
      for (int j = codeLen[p] - 2; j > 0; --j) p = (p << 1) | bit();
      const unsigned src = r - ((hi << 6) | (p & 0x3F)) - 1;
      for (int k = 0; k < c - 253; ++k) {
        const std::uint8_t b = ring[(src + static_cast<unsigned>(k)) & (kRingSize - 1)];
        out.push_back(b);
        ring[r] = b;
        r = (r + 1) & (kRingSize - 1);
      }
    }
  }
  return out;
}

// Seconds one memcpy of `n` bytes takes here and now, the yardstick of the decoders.
double MemcpySeconds(std::size_t n) {
  Bytes src(n, 0x5A), dst(n);
  int reps = 0;
  const auto start = Clock::now();
  do {
    std::memcpy(dst.data(), src.data(), n);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
    ++reps;
  } while (Clock::now() - start < std::chrono::milliseconds(50));
  return std::chrono::duration<double>(Clock::now() - start).count() / reps;
}

template <typename Decode>
void RunDecode(benchmark::State& state, const char* name, Decode decode) {
  const Bytes file = Load(name);
  std::size_t produced = 0;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    Bytes out = decode(file);
    seconds += std::chrono::duration<double>(Clock::now() - start).count();
    produced = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * produced));
  // How many memcpys of the same output bytes one decode costs.
  state.counters["x_memcpy"] = seconds / static_cast<double>(state.iterations()) / MemcpySeconds(produced);
}

Bytes OurDecode(const Bytes& file) {
  Bytes out;
  kq::TLZH().Decode(file, out);
  return out;
}

void BM_Decode(benchmark::State& state, const char* name) { RunDecode(state, name, OurDecode); }
void BM_DecodeBitAtATime(benchmark::State& state, const char* name) { RunDecode(state, name, ReferenceDecode); }

void BM_Memcpy(benchmark::State& state, const char* rawName) {
  const Bytes src = Load(rawName);
  Bytes dst(src.size());
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * src.size()));
}

// What a skin load does before building objects: unpack, find the definition text, parse it.
void BM_LoadSampleSkin(benchmark::State& state) {
  const Bytes file = Load("sample.lzh");
  for (auto _ : state) {
    kq::TSkinReader reader;
    reader.LoadFromStream(file);
    Bytes text;
    std::string found;
    reader.FindFile(".ini", text, found);
    kq::TQuickIni ini;
    ini.LoadFromStream(text);
    benchmark::DoNotOptimize(ini.Lines().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 6480));
}

BENCHMARK_CAPTURE(BM_Decode, mixed, "mixed.lzh")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeBitAtATime, mixed, "mixed.lzh")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memcpy, mixed, "mixed.bin")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Decode, noise, "noise.lzh")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeBitAtATime, noise, "noise.lzh")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Memcpy, noise, "noise.bin")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadSampleSkin)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

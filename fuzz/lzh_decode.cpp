// LZHUF decoder on arbitrary skin files.
#include <cstdlib>

#include "skin/data/lzh.h"

namespace {
// Fuzzing wants many runs a second; larger sizes only repeat the same work.
constexpr std::int64_t kFuzzLimit = 1 << 16;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> in(data, size);
  std::vector<std::uint8_t> out;
  const std::int32_t u = kq::TLZH::DeclaredSize(in);
  if (!kq::TLZH().Decode(in, out, kFuzzLimit)) {
    if (u <= kFuzzLimit || !out.empty()) std::abort();
    return 0;
  }
  // Exactly U bytes, or at most one copy's overrun beyond them.
  if (u <= 0 ? !out.empty() : out.size() < static_cast<std::size_t>(u) || out.size() > static_cast<std::size_t>(u) + 59) {
    std::abort();
  }
  return 0;
}

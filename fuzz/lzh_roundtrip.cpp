// The skin tool's encoder against the decoder: every input must come back unchanged.
#include <algorithm>
#include <cstdlib>

#include "skin/data/lzh.h"
#include "skintool/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> in(data, size);
  const std::vector<std::uint8_t> packed = kq::skintool::LzhEncode(in);
  std::vector<std::uint8_t> back;
  if (!kq::TLZH().Decode(packed, back)) std::abort();
  if (back.size() != size || !std::equal(back.begin(), back.end(), data)) std::abort();
  return 0;
}

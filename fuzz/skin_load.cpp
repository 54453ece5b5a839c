// The whole load of a skin file from anywhere: skin file bytes -> archive -> definition
// text -> model build, on the budget the program loads with. When the first byte is 'A'
// the rest is an unpacked archive, packed here first, so mutations reach the text and the
// pictures instead of only garbling the compressed stream. Run with -rss_limit_mb=512: a
// load that spends more than its budget is a finding.
#include "skin/data/lzh.h"
#include "skin/data/skin_load.h"
#include "skintool/lzh_encoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::span<const std::uint8_t> in(data, size);
  std::vector<std::uint8_t> packed;
  if (in[0] == 'A') {
    packed = kq::skintool::LzhEncode(in.subspan(1));
    in = packed;
  }
  kq::TSkinModel model;
  kq::TLoadBudget budget;
  bool loaded = false;
  try {
    loaded = kq::LoadSkinModel(model, in, 17, budget, [](const std::string&) {});
  } catch (const kq::ElzhException&) {
    return 0;
  }
  if (loaded == model.NotLoaded) __builtin_trap();
  if (loaded && budget.Broken()) __builtin_trap();
  if (budget.BitmapBytes() > budget.Limits().bitmapBytes) __builtin_trap();
  return 0;
}

#include "skintool/lzh_encoder.h"

#include <gtest/gtest.h>

#include <random>

#include "skin/data/lzh.h"
#include "unit/skin_data/files.h"

namespace kq::skintool {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes RoundTrip(const Bytes& data) {
  Bytes out;
  EXPECT_TRUE(TLZH().Decode(LzhEncode(data), out));
  return out;
}

Bytes Random(std::size_t n, unsigned seed, int alphabet = 256) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> d(0, alphabet - 1);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(d(rng));
  return b;
}

TEST(LzhEncoder, RoundTripsTheVectorsAndCompressesAsWellAsThem) {
  for (const char* name : {"spaces", "mixed", "noise", "sample"}) {
    const Bytes raw = test::ReadDataFile(std::string("lzhuf/") + name + (std::string(name) == "sample" ? ".archive" : ".bin"));
    const Bytes reference = test::ReadDataFile(std::string("lzhuf/") + name + ".lzh");
    ASSERT_FALSE(raw.empty()) << name;
    const Bytes packed = LzhEncode(raw);
    Bytes back;
    ASSERT_TRUE(TLZH().Decode(packed, back));
    EXPECT_TRUE(back == raw) << name;
    // Within 2% of the independent implementation's output.
    EXPECT_LE(packed.size(), reference.size() + reference.size() / 50) << name;
    RecordProperty(std::string(name) + "_size", std::to_string(packed.size()) + " vs " + std::to_string(reference.size()));
  }
}

TEST(LzhEncoder, RoundTripsEdgeSizesAndShapes) {
  std::vector<std::pair<std::string, Bytes>> cases = {
      {"empty", {}},
      {"one byte", {0x41}},
      {"two bytes", {0x00, 0xFF}},
      {"three equal", Bytes(3, 7)},
      {"one space", {' '}},
      {"spaces only", Bytes(10000, ' ')},
      {"a run of 61", Bytes(61, 'x')},
  };
  for (std::size_t n : {59u, 60u, 61u, 4095u, 4096u, 4097u, 8193u}) {
    cases.push_back({"random " + std::to_string(n), Random(n, static_cast<unsigned>(n))});
  }
  // Few symbols: long matches of every length and distance.
  cases.push_back({"small alphabet", Random(200000, 1, 3)});
  cases.push_back({"text-like", Random(100000, 2, 12)});
  // Far repeats: the same 4096-byte block again (the largest distance) and just beyond it.
  Bytes block = Random(4096, 3);
  Bytes far = block;
  far.insert(far.end(), block.begin(), block.end());
  cases.push_back({"repeat at 4096", far});
  Bytes beyond = Random(4097, 4);
  beyond.insert(beyond.end(), beyond.begin(), beyond.begin() + 100);
  cases.push_back({"repeat at 4097", beyond});
  // Over 100,000 literals: the tree is rebuilt several times.
  cases.push_back({"noise", Random(300000, 5)});
  for (const auto& [what, data] : cases) {
    EXPECT_TRUE(RoundTrip(data) == data) << what;
  }
}

TEST(LzhEncoder, UsesThePrefilledSpaces) {
  // Leading spaces are copies from the window the decoder starts with: 60 spaces cost one
  // copy (a symbol and a 9-bit position), far less than 60 literals.
  const Bytes spaces(60, ' ');
  EXPECT_LE(LzhEncodeStream(spaces).size(), 4u);
  EXPECT_TRUE(RoundTrip(spaces) == spaces);
  Bytes mixed(5, ' ');
  mixed.push_back('a');
  mixed.insert(mixed.end(), 70, ' ');
  EXPECT_TRUE(RoundTrip(mixed) == mixed);
}

TEST(LzhEncoder, HeaderCarriesTheLength) {
  const Bytes packed = LzhEncode(Bytes(300, 'q'));
  EXPECT_EQ(TLZH::DeclaredSize(packed), 300);
  EXPECT_EQ(LzhEncode({}), (Bytes{0, 0, 0, 0}));
}

}  // namespace
}  // namespace kq::skintool

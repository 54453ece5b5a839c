#include "skin/data/lzh.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "unit/skin_data/files.h"

namespace kq {
namespace {

using test::ReadDataFile;

std::vector<std::uint8_t> Decoded(const std::vector<std::uint8_t>& skinFile) {
  std::vector<std::uint8_t> out;
  EXPECT_TRUE(TLZH().Decode(skinFile, out));
  return out;
}

// Vectors from an independent implementation: every one must come out byte for byte.
class LzhVector : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(LzhVector, DecodesToTheExpectedBytes) {
  const auto packed = ReadDataFile(std::string("lzhuf/") + GetParam().first);
  const auto expected = ReadDataFile(std::string("lzhuf/") + GetParam().second);
  ASSERT_FALSE(packed.empty());
  ASSERT_FALSE(expected.empty());
  const auto out = Decoded(packed);
  ASSERT_EQ(out.size(), expected.size());
  EXPECT_TRUE(out == expected) << "first difference at "
                               << (std::mismatch(out.begin(), out.end(), expected.begin()).first - out.begin());
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, LzhVector,
    ::testing::Values(std::pair{"spaces.lzh", "spaces.bin"}, std::pair{"mixed.lzh", "mixed.bin"},
                      std::pair{"noise.lzh", "noise.bin"}, std::pair{"sample.lzh", "sample.archive"},
                      // Cut input reads as zero bits; the last copy overruns U by three bytes.
                      std::pair{"mixed_truncated.lzh", "mixed_truncated.out"}));

TEST(Lzh, NothingForZeroOrNegativeSize) {
  EXPECT_TRUE(Decoded({0, 0, 0, 0, 0xAB, 0xCD}).empty());
  EXPECT_TRUE(Decoded({0xFF, 0xFF, 0xFF, 0xFF, 0xAB}).empty());
  EXPECT_TRUE(Decoded({}).empty());
}

TEST(Lzh, MissingInputReadsAsZeroBytes) {
  EXPECT_EQ(TLZH::DeclaredSize(std::vector<std::uint8_t>{5}), 5);
  EXPECT_EQ(TLZH::DeclaredSize(std::vector<std::uint8_t>{0x20, 0x4E, 0, 0, 9}), 20000);
  // A stream cut anywhere decodes exactly as if it went on with zero bytes.
  auto packed = ReadDataFile("lzhuf/mixed.lzh");
  for (std::size_t cut : {4u, 5u, 11u, 1000u, 12345u}) {
    std::vector<std::uint8_t> shortened(packed.begin(), packed.begin() + cut);
    std::vector<std::uint8_t> padded = shortened;
    padded.resize(packed.size() + 64, 0);
    EXPECT_TRUE(Decoded(shortened) == Decoded(padded)) << "cut at " << cut;
  }
}

TEST(Lzh, RefusesADeclaredSizeAboveTheLimit) {
  std::vector<std::uint8_t> out{1, 2, 3};
  // 2 GB announced in four bytes must not be allocated.
  EXPECT_FALSE(TLZH().Decode(std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x7F}, out));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(TLZH().Decode(std::vector<std::uint8_t>{0x00, 0x10, 0x00, 0x00}, out, 4095));
  EXPECT_TRUE(TLZH().Decode(std::vector<std::uint8_t>{0x00, 0x10, 0x00, 0x00}, out, 4096));
  EXPECT_GE(out.size(), 4096u);
}

TEST(Lzh, ErrorTextsAreFixed) {
  EXPECT_STREQ(ElzhException(kLzhNoMemoryText).what(), "LZH : Cannot get memory for dictionary tables");
  EXPECT_STREQ(kLzhFreeErrorText, "LZH : Error freeing memory for dictionary tables");
  // One of the program's own errors, so whatever reports those reports it too.
  static_assert(std::is_base_of_v<Error, ElzhException>);
}

}  // namespace
}  // namespace kq

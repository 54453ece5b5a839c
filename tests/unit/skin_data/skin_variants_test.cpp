// Which stored variant of the default skin a display gets.
#include <gtest/gtest.h>

#include <vector>

#include "skin/data/skin_variants.h"

namespace kq {
namespace {

TEST(StoredSkinVariants, TheVariantForTheSystemDpiElseTheNearestBelowIt) {
  const std::vector<int> all(std::begin(kStoredSkinDpis), std::end(kStoredSkinDpis));
  for (int dpi : all) EXPECT_EQ(ChooseStoredSkinDpi(dpi, all), dpi);
  // Between two variants the lower one is taken and scaled up at load.
  EXPECT_EQ(ChooseStoredSkinDpi(110, all), 96);
  EXPECT_EQ(ChooseStoredSkinDpi(130, all), 120);
  EXPECT_EQ(ChooseStoredSkinDpi(191, all), 168);
  EXPECT_EQ(ChooseStoredSkinDpi(288, all), 192);
  // Below the smallest one: the smallest (scaled down).
  EXPECT_EQ(ChooseStoredSkinDpi(72, all), 96);
  // Only what the program stores counts, in any order.
  EXPECT_EQ(ChooseStoredSkinDpi(144, std::vector<int>{96}), 96);
  EXPECT_EQ(ChooseStoredSkinDpi(192, std::vector<int>{144, 96}), 144);
  EXPECT_EQ(ChooseStoredSkinDpi(96, std::vector<int>{}), 0);
}

}  // namespace
}  // namespace kq

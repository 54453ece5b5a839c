// The default skin's generator and its committed output agree, byte for byte, for every
// stored variant: whoever changes the generator regenerates resources/skin* (target
// skin-sources) in the same commit.
#include <gtest/gtest.h>

#include "skin/data/bmp.h"
#include "skin/data/skin_variants.h"
#include "skingen/default_skin.h"
#include "unit/skin_model/default_skin.h"

namespace kq {
namespace {

TEST(SkinGenerator, CommittedSourcesAreTheGeneratorsOutput) {
  for (int dpi : kStoredSkinDpis) {
    SCOPED_TRACE(dpi);
    const std::vector<skingen::SkinFile> made = skingen::MakeDefaultSkin(dpi);
    const auto committed = test::DefaultSkinFiles(dpi);
    ASSERT_EQ(committed.size(), made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
      SCOPED_TRACE(made[i].name);
      EXPECT_EQ(committed[i].first, made[i].name);
      EXPECT_TRUE(committed[i].second == std::string(made[i].bytes.begin(), made[i].bytes.end()))
          << "regenerate resources/skin* with the target skin-sources";
    }
  }
}

TEST(SkinGenerator, TheDefinitionTextComesFirstAndEveryPictureIsA24BitBmp) {
  const std::vector<skingen::SkinFile> made = skingen::MakeDefaultSkin();
  ASSERT_FALSE(made.empty());
  EXPECT_EQ(made[0].name, skingen::kDefinitionName);
  const std::string text(made[0].bytes.begin(), made[0].bytes.end());
  for (std::size_t i = 1; i < made.size(); ++i) {
    SCOPED_TRACE(made[i].name);
    Bitmap b;
    EXPECT_TRUE(ReadBmp(made[i].bytes, b));
    ASSERT_GE(made[i].bytes.size(), 30u);
    EXPECT_EQ(made[i].bytes[28], 24);  // bits per pixel
    // Each picture is named by the text (names are matched in lower case).
    EXPECT_NE(text.find("=" + made[i].name + "\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace kq

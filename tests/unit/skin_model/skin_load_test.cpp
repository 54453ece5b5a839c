#include "skin/data/skin_load.h"

#include <gtest/gtest.h>

#include "unit/skin_model/skin_fixture.h"

namespace kq {
namespace {

using test::Archive;
using test::LiteralSkinFile;
using test::RawArchive;
using test::SkinFixture;

TEST(SkinLoad, BuildsFromAPackedSkinFile) {
  const auto file = LiteralSkinFile(SkinFixture("[TitlebarSkin]\nSkinName=Packed\n[MenuItem]\nImage=m.bmp\n")
                                        .Image("m.bmp", 25, 10)
                                        .ArchiveBytes());
  TSkinModel m;
  ASSERT_TRUE(LoadSkinModel(m, file, 17));
  EXPECT_FALSE(m.NotLoaded);
  EXPECT_EQ(m.SkinName, "Packed");
  ASSERT_NE(m.MenuItem, nullptr);
  EXPECT_EQ(m.MenuItem->Bitmap.Width(), 25);
}

TEST(SkinLoad, AnOlderArchiveKeepsThePreviousObjectsButCountsAsNotLoaded) {
  TSkinModel m;
  ASSERT_TRUE(LoadSkinModel(
      m, LiteralSkinFile(SkinFixture("[MenuItem]\nImage=m.bmp\n").Image("m.bmp", 25, 10).ArchiveBytes()), 17));
  std::vector<std::string> notices;
  const auto older = LiteralSkinFile(RawArchive("skin.ini\r\n", {0}, "", 19999));
  EXPECT_FALSE(LoadSkinModel(m, older, 17, [&](const std::string& t) { notices.push_back(t); }));
  EXPECT_TRUE(m.NotLoaded);
  EXPECT_EQ(notices, std::vector<std::string>{kOlderSkinText});
  ASSERT_NE(m.MenuItem, nullptr);
  EXPECT_EQ(m.MenuItem->Bitmap.Width(), 25);
}

TEST(SkinLoad, WithoutDefinitionTextEveryDefaultApplies) {
  TSkinModel m;
  const auto file = LiteralSkinFile(Archive({{"menu.bmp", "BM"}}));
  ASSERT_TRUE(LoadSkinModel(m, file, 17));
  EXPECT_FALSE(m.NotLoaded);
  EXPECT_EQ(m.MenuItem, nullptr);
  EXPECT_EQ(m.ButtonFaceColour, SystemColour(15));
  EXPECT_EQ(m.SysButtons.size(), 3u);
}

TEST(SkinLoad, TheFirstEntryContainingIniIsTheText) {
  const auto file = LiteralSkinFile(Archive({{"a.bmp", "x"},
                                             {"skin.ini", "[TitlebarSkin]\nSkinName=First\n"},
                                             {"other.ini", "[TitlebarSkin]\nSkinName=Second\n"}}));
  TSkinModel m;
  ASSERT_TRUE(LoadSkinModel(m, file, 17));
  EXPECT_EQ(m.SkinName, "First");
}

}  // namespace
}  // namespace kq

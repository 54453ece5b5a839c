#include "skin/data/skin_load.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(SkinLoad, AnImageNamedFromTenSectionsIsDecodedOnceAndShared) {
  std::string ini = "[MenuItem]\nImage=Shared.bmp\n";
  for (int i = 0; i < 10; ++i)
    ini += "[Button" + std::to_string(i) + "]\nAction=" + std::to_string(i % 3) + "\nButtonImage=skin\\shared.bmp\n";
  const auto file = LiteralSkinFile(SkinFixture(ini).Image("shared.bmp", 60, 20).ArchiveBytes());
  TSkinModel m;
  TLoadBudget budget;
  ASSERT_TRUE(LoadSkinModel(m, file, 17, budget));
  EXPECT_EQ(budget.Decodes(), 1);
  EXPECT_EQ(budget.BitmapBytes(), TLoadBudget::PictureBytes(60, 20));
  ASSERT_EQ(m.SysButtons.size(), 13u);
  ASSERT_NE(m.MenuItem, nullptr);
  const std::uint8_t* pixels = std::as_const(m.MenuItem->Bitmap).Data();
  for (int i = 0; i < 10; ++i) {
    const Bitmap& b = m.SysButtons[static_cast<std::size_t>(i)]->Bitmap;
    EXPECT_EQ(b.Width(), 60) << i;
    EXPECT_EQ(b.Data(), pixels) << i;
  }
}

// Each limit of the budget, small here so the skins stay small: the load is refused, says
// which limit, and the objects of the skin loaded before stay as they were.
TEST(SkinLoad, ASkinOverItsBudgetIsRefusedAndKeepsThePreviousObjects) {
  const std::string manyLines = "[MenuItem]\nImage=m.bmp\n" + std::string(40, 'x') + "\n";
  struct Case {
    std::vector<std::uint8_t> archive;
    TLoadLimits limits;
    std::string what;
  };
  TLoadLimits bitmaps, entries, lines, unpacked;
  bitmaps.bitmapBytes = TLoadBudget::PictureBytes(30, 10) + TLoadBudget::PictureBytes(30, 9);
  entries.entries = 2;
  lines.textLines = 2;
  unpacked.unpackedBytes = 100;
  const std::string twoImages = "[MenuItem]\nImage=a.bmp\n[Headerbar]\nImage=b.bmp\n[Toolbars]\nImage=a.bmp\n";
  const std::vector<Case> cases = {
      {SkinFixture(twoImages).Image("a.bmp", 30, 10).Image("b.bmp", 30, 10).ArchiveBytes(), bitmaps,
       "decoded bitmaps over " + std::to_string(bitmaps.bitmapBytes) + " bytes"},
      {Archive({{"skin.ini", ""}, {"a.bmp", ""}, {"b.bmp", ""}}), entries, "more than 2 archive entries"},
      {Archive({{"skin.ini", manyLines}}), lines, "definition text over 2 lines"},
      {Archive({{"skin.ini", std::string(200, ';')}}), unpacked, "unpacked archive over 100 bytes"},
  };
  for (const Case& c : cases) {
    TSkinModel m;
    ASSERT_TRUE(LoadSkinModel(m, LiteralSkinFile(SkinFixture("[MenuItem]\nImage=m.bmp\n").Image("m.bmp", 25, 10).ArchiveBytes()), 17));
    TLoadBudget budget(c.limits);
    EXPECT_FALSE(LoadSkinModel(m, LiteralSkinFile(c.archive), 17, budget)) << c.what;
    EXPECT_EQ(budget.What(), c.what);
    EXPECT_TRUE(m.NotLoaded);
    ASSERT_NE(m.MenuItem, nullptr);
    EXPECT_EQ(m.MenuItem->Bitmap.Width(), 25);
    EXPECT_EQ(m.Headerbar, nullptr);
  }
}

TEST(SkinLoad, AScaledLoadScalesASharedImageOnceAndChargesItsCopy) {
  std::string ini;
  for (int i = 0; i < 10; ++i)
    ini += "[Button" + std::to_string(i) + "]\nAction=" + std::to_string(i % 3) + "\nButtonImage=shared.bmp\n";
  const auto file = LiteralSkinFile(SkinFixture(ini).Image("shared.bmp", 60, 20).ArchiveBytes());
  TSkinModel m;
  TLoadBudget budget;
  ASSERT_TRUE(LoadSkinModel(m, file, 17, budget, {}, 96, 192));
  EXPECT_EQ(budget.BitmapBytes(), TLoadBudget::PictureBytes(60, 20) + TLoadBudget::PictureBytes(120, 40));
  const std::uint8_t* pixels = std::as_const(m.SysButtons[0]->Bitmap).Data();
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(m.SysButtons[static_cast<std::size_t>(i)]->Bitmap.Width(), 120) << i;
    EXPECT_EQ(std::as_const(m.SysButtons[static_cast<std::size_t>(i)]->Bitmap).Data(), pixels) << i;
  }
  // A budget with room for the picture but not for its scaled copy refuses the skin.
  TLoadBudget tight(TLoadLimits{.bitmapBytes = TLoadBudget::PictureBytes(60, 20) + 1000});
  EXPECT_FALSE(LoadSkinModel(m, file, 17, tight, {}, 96, 192));
  EXPECT_TRUE(tight.Broken());
}

}  // namespace
}  // namespace kq

// The skin component's settings: control kinds and their stored bits, the published texts of
// the sets, the adjustment after loading and the default may-be-skinned rule.
#include "skin/controls/core/skin_options.h"

#include <gtest/gtest.h>

namespace kq::skin {
namespace {

TEST(SkinControls, MembersAreTheStoredBitNumbers) {
  ASSERT_EQ(kSkinControlTypeNames.size(), 20u);
  EXPECT_EQ(xcMainMenu, 0);
  EXPECT_EQ(xcMenuItem, 2);
  EXPECT_EQ(xcTab, 17);
  EXPECT_EQ(xcSystemMenu, 18);
  EXPECT_EQ(xcFastReport, 19);
  EXPECT_EQ(kSkinControlTypeNames[xcRadioButton], "xcRadioButton");
  EXPECT_EQ(kSkinControlTypeNames[xcFastReport], "xcFastReport");
  EXPECT_EQ(kSkinOptionNames[xoNCPaint], "xoNCPaint");
  EXPECT_EQ(kSkinFormTypeNames[sfDialog], "sfDialog");
  // The set fits the three stored bytes.
  EXPECT_EQ(TSkinControls(0xFFFFFFFFu).Bits(), 0xFFFFFu);
}

TEST(SkinControls, DefaultHoldsEveryKindButMenuItemsAndReports) {
  EXPECT_EQ(kDefaultSkinControls.Bits(), 0x7FFFBu);
  for (int i = 0; i < 20; ++i) {
    const auto m = static_cast<TSkinControlType>(i);
    EXPECT_EQ(kDefaultSkinControls.Has(m), m != xcMenuItem && m != xcFastReport) << i;
  }
  EXPECT_EQ(kSkinVersion, "3.02.03.09");
}

TEST(SkinControls, PublishedTextRoundTrips) {
  EXPECT_EQ(SkinControlsText(TSkinControls{}), "[]");
  EXPECT_EQ(SkinControlsText(TSkinControls{xcTab, xcMainMenu}), "[xcMainMenu,xcTab]");
  EXPECT_EQ(SkinControlsFromText(SkinControlsText(kDefaultSkinControls)), kDefaultSkinControls);
  EXPECT_EQ(SkinControlsFromText(" [ xcmainmenu , XCPOPUPMENU ] "), (TSkinControls{xcMainMenu, xcPopupMenu}));
  EXPECT_EQ(SkinControlsFromText("[]"), TSkinControls{});
  EXPECT_EQ(SkinControlsFromText("[xcMainMenu,xcNothing]"), std::nullopt);
  EXPECT_EQ(SkinControlsFromText("xcMainMenu"), std::nullopt);
  EXPECT_EQ(SkinControlsFromText("[xcMainMenu,]"), std::nullopt);
  EXPECT_EQ(SkinOptionsText(TSkinOptions{xoNCPaint, xoMDIScrollbar}), "[xoMDIScrollbar,xoNCPaint]");
  EXPECT_EQ(SkinOptionsFromText("[xoMenuMerge]"), TSkinOptions{xoMenuMerge});
  EXPECT_EQ(SkinFormTypeFromName("sfOnlyThisForm"), sfOnlyThisForm);
  EXPECT_EQ(SkinFormTypeFromName("SFDIALOG"), sfDialog);
  EXPECT_EQ(SkinFormTypeFromName("sfOther"), std::nullopt);
}

TEST(SkinControls, AdjustmentAfterLoading) {
  // With a skinned menu bar there are never owner-drawn menu items...
  const TSkinControls all(0xFFFFFu);
  const TSkinControls a = AdjustSkinControls(all);
  EXPECT_TRUE(a.Has(xcMainMenu));
  EXPECT_FALSE(a.Has(xcMenuItem));
  EXPECT_TRUE(a.Has(xcSystemMenu));
  // ...and without one there is no skinned system menu.
  TSkinControls noBar = all;
  noBar.Exclude(xcMainMenu);
  const TSkinControls b = AdjustSkinControls(noBar);
  EXPECT_TRUE(b.Has(xcMenuItem));
  EXPECT_FALSE(b.Has(xcSystemMenu));
  // Only those two bits ever change.
  EXPECT_EQ(a.Bits() | (1u << xcMenuItem), all.Bits());
  EXPECT_EQ(b.Bits() | (1u << xcSystemMenu), noBar.Bits());
  EXPECT_EQ(AdjustSkinControls(kDefaultSkinControls), kDefaultSkinControls);
}

TEST(MayBeSkinned, DefaultRule) {
  const TSkinControls withReports(kDefaultSkinControls.Bits() | (1u << xcFastReport));
  EXPECT_FALSE(DefaultMayBeSkinned("SysMonthCal32", kDefaultSkinControls));
  EXPECT_TRUE(DefaultMayBeSkinned("sysmonthcal32", kDefaultSkinControls));
  EXPECT_TRUE(DefaultMayBeSkinned("SysMonthCal321", kDefaultSkinControls));
  // Report windows are left alone only while the skin says it handles reports itself.
  EXPECT_TRUE(DefaultMayBeSkinned("TfrPreviewForm", kDefaultSkinControls));
  EXPECT_FALSE(DefaultMayBeSkinned("TfrPreviewForm", withReports));
  EXPECT_FALSE(DefaultMayBeSkinned("Tfr", withReports));
  EXPECT_TRUE(DefaultMayBeSkinned("tfrPreviewForm", withReports));
  EXPECT_TRUE(DefaultMayBeSkinned("TFRPreviewForm", withReports));
  EXPECT_TRUE(DefaultMayBeSkinned("TMAIN_KQ", withReports));
  EXPECT_TRUE(DefaultMayBeSkinned("", withReports));
}

TEST(SkinStore, IndicatorReadsNoneOutsideADesigner) {
  EXPECT_EQ(SkinStoreText(false, true), "(none)");
  EXPECT_EQ(SkinStoreText(false, false), "(none)");
  EXPECT_EQ(SkinStoreText(true, true), "(Good)");
  EXPECT_EQ(SkinStoreText(true, false), "(none)");
}

}  // namespace
}  // namespace kq::skin

// The skin manager's window-free decisions: the skin component that serves a window, windows
// that are never taken, menu kinds, deferred requests before the first activation, size grips.
#include "skin/engine/core/manager_rules.h"

#include <gtest/gtest.h>

namespace kq::skin {
namespace {

TEST(ChooseSkinData, OwnFormThenDialogThenMainThenFirst) {
  using C = SkinDataChoice;
  EXPECT_EQ(ChooseSkinData({}, false), std::nullopt);
  EXPECT_EQ(ChooseSkinData({}, true), std::nullopt);
  // Only a main-form skin: it serves everybody, message boxes too.
  EXPECT_EQ(ChooseSkinData({C{sfMainform, false}}, false), 0u);
  EXPECT_EQ(ChooseSkinData({C{sfMainform, false}}, true), 0u);
  const std::vector<C> list = {C{sfMainform, false}, C{sfDialog, false}, C{sfOnlyThisForm, false},
                               C{sfMainform, false}, C{sfDialog, false}};
  // The last main-form skin serves ordinary windows; the last dialog skin message boxes.
  EXPECT_EQ(ChooseSkinData(list, false), 3u);
  EXPECT_EQ(ChooseSkinData(list, true), 4u);
  // A skin that serves only its own form wins for that form, even for a dialog class.
  std::vector<C> own = list;
  own[2].ownerIsWindow = true;
  EXPECT_EQ(ChooseSkinData(own, false), 2u);
  EXPECT_EQ(ChooseSkinData(own, true), 2u);
  own.push_back(C{sfOnlyThisForm, true});
  EXPECT_EQ(ChooseSkinData(own, false), 5u);
  // Without main-form and dialog skins, the first in the list (even one for another form).
  EXPECT_EQ(ChooseSkinData({C{sfOnlyThisForm, false}, C{sfOnlyThisForm, false}}, false), 0u);
  EXPECT_EQ(ChooseSkinData({C{sfDialog, false}}, false), 0u);
  EXPECT_EQ(ChooseSkinData({C{sfOnlyThisForm, false}, C{sfDialog, false}}, true), 1u);
}

TEST(ManagerRules, WindowClasses) {
  EXPECT_TRUE(IsDialogClassName("#32770"));
  EXPECT_TRUE(IsDialogClassName("TMessageForm"));
  EXPECT_TRUE(IsDialogClassName("tmessageform"));
  EXPECT_FALSE(IsDialogClassName("TMessageForm2"));
  EXPECT_FALSE(IsDialogClassName("#32768"));
  EXPECT_TRUE(IsRefusedFormClass("TApplication"));
  EXPECT_TRUE(IsRefusedFormClass("TQRStandardPreview"));
  EXPECT_FALSE(IsRefusedFormClass("tapplication"));
  EXPECT_FALSE(IsRefusedFormClass("TMAIN_KQ"));
  EXPECT_TRUE(IsMdiClientClass("MDIClient"));
  EXPECT_TRUE(IsMdiClientClass("mdiclient"));
  EXPECT_FALSE(IsMdiClientClass("MDIClient2"));
  EXPECT_TRUE(IsSizeGripCreation("ScrollBar", 0x10));
  EXPECT_TRUE(IsSizeGripCreation("ScrollBar", 0x50000018));
  EXPECT_FALSE(IsSizeGripCreation("ScrollBar", 0x08));
  EXPECT_FALSE(IsSizeGripCreation("scrollbar", 0x10));
  EXPECT_EQ(kNeverSkinTag, 99);
}

TEST(ManagerRules, MenuKindNeedsItsSetting) {
  const TSkinControls none;
  EXPECT_FALSE(PopupMenuKindAllowed(kMenuKindPopup, none));
  EXPECT_FALSE(PopupMenuKindAllowed(kMenuKindMenuBar, none));
  EXPECT_FALSE(PopupMenuKindAllowed(kMenuKindSystem, none));
  EXPECT_TRUE(PopupMenuKindAllowed(kMenuKindPopup, TSkinControls{xcPopupMenu}));
  EXPECT_FALSE(PopupMenuKindAllowed(kMenuKindMenuBar, TSkinControls{xcPopupMenu}));
  EXPECT_TRUE(PopupMenuKindAllowed(kMenuKindMenuBar, TSkinControls{xcMainMenu}));
  EXPECT_TRUE(PopupMenuKindAllowed(kMenuKindMenuBar, TSkinControls{xcMenuItem}));
  EXPECT_FALSE(PopupMenuKindAllowed(kMenuKindSystem, TSkinControls{xcMainMenu, xcPopupMenu}));
  EXPECT_TRUE(PopupMenuKindAllowed(kMenuKindSystem, TSkinControls{xcSystemMenu}));
  EXPECT_FALSE(PopupMenuKindAllowed(3, TSkinControls(0xFFFFFu)));
}

TEST(ManagerRules, RequestsBeforeAndAfterTheFirstActivation) {
  // Before any window was activated only the switch moves, nothing is left to run.
  auto e = DecideRequest(kStartNone, SkinAction::Activate);
  EXPECT_FALSE(e.runTimer);
  EXPECT_EQ(e.skinningEnabled, true);
  e = DecideRequest(kStartNone, SkinAction::Deactivate);
  EXPECT_FALSE(e.runTimer);
  EXPECT_EQ(e.skinningEnabled, false);
  e = DecideRequest(kStartNone, SkinAction::SkinChanged);
  EXPECT_FALSE(e.runTimer);
  EXPECT_EQ(e.skinningEnabled, std::nullopt);
  // Afterwards everything waits for the timer and the switch stays where it is.
  for (auto a : {SkinAction::Activate, SkinAction::Deactivate, SkinAction::SkinChanged, SkinAction::Purge}) {
    e = DecideRequest(kStartStarted, a);
    EXPECT_TRUE(e.runTimer);
    EXPECT_EQ(e.skinningEnabled, std::nullopt);
  }
}

}  // namespace
}  // namespace kq::skin

// The tray icon's portable decisions: mouse-action values and names, the callback table,
// reactions, hint acceptance in code page 936 bytes, animation order and the setters.
#include "tray/core/tray_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kq::tray {
namespace {

TEST(TrayIconMessage, ValuesAndNamesInPublishedOrder) {
  const std::vector<std::pair<TTrayIconMessage, std::string>> expected = {
      {imClick, "imClick"},
      {imDoubleClick, "imDoubleClick"},
      {imMouseDown, "imMouseDown"},
      {imMouseUp, "imMouseUp"},
      {imLeftClickUp, "imLeftClickUp"},
      {imLeftDoubleClick, "imLeftDoubleClick"},
      {imRightClickUp, "imRightClickUp"},
      {imRightDoubleClick, "imRightDoubleClick"},
      {imNone, "imNone"},
  };
  ASSERT_EQ(kTrayIconMessageNames.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(static_cast<int>(expected[i].first), static_cast<int>(i));
    EXPECT_EQ(TrayIconMessageName(expected[i].first), expected[i].second);
    EXPECT_EQ(TrayIconMessageFromName(expected[i].second), expected[i].first);
  }
  EXPECT_EQ(TrayIconMessageFromName("imdoubleclick"), std::nullopt);
  EXPECT_EQ(TrayIconMessageFromName(""), std::nullopt);
  EXPECT_EQ(TrayIconMessageName(static_cast<TTrayIconMessage>(9)), "");
}

TEST(TrayIconRecord, FlagsCarryTheTipOnlyWithAHint) {
  EXPECT_EQ(kCallbackMessage, 1025u);
  EXPECT_EQ(IconFlags(false), 3u);
  EXPECT_EQ(IconFlags(true), 7u);
}

TEST(TrayHint, TakesOnlyDifferentTextsBelowSixtyFourBytesOfCodePage936) {
  EXPECT_TRUE(AcceptsHint("", "剩余：0 天 01 时 00 分 05 秒"));
  EXPECT_FALSE(AcceptsHint("same", "same"));
  EXPECT_FALSE(AcceptsHint("", ""));
  EXPECT_TRUE(AcceptsHint("old", ""));  // clearing is a change

  const std::string ascii63(63, 'a');
  EXPECT_TRUE(AcceptsHint("", ascii63));
  EXPECT_FALSE(AcceptsHint("", ascii63 + "a"));

  // 31 Chinese characters are 62 bytes, 32 are 64: the second is refused although it is
  // only 32 characters (and 96 bytes of UTF-8 would be refused for the wrong reason).
  std::string zh31;
  for (int i = 0; i < 31; ++i) zh31 += "关";
  EXPECT_TRUE(AcceptsHint("", zh31));
  EXPECT_TRUE(AcceptsHint("", zh31 + "a"));
  EXPECT_FALSE(AcceptsHint("", zh31 + "机"));
  EXPECT_FALSE(AcceptsHint("", zh31 + "ab"));

  // A character code page 936 lacks counts as the one "?" it would become.
  std::string thai62;
  for (int i = 0; i < 62; ++i) thai62 += "ก";  // Thai is not in code page 936
  EXPECT_TRUE(AcceptsHint("", thai62 + "a"));
  EXPECT_FALSE(AcceptsHint("", thai62 + "ab"));
}

std::vector<std::string> Describe(const CallbackPlan& plan) {
  static const char* const kSteps[] = {"move", "down", "up", "click", "dblclick", "react"};
  static const char* const kButtons[] = {"left", "right", "middle"};
  std::vector<std::string> out;
  for (int i = 0; i < plan.count; ++i) {
    const StepEntry& e = plan.steps[i];
    std::string s = kSteps[static_cast<int>(e.step)];
    if (e.step == Step::MouseDown || e.step == Step::MouseUp)
      s += std::string(" ") + kButtons[static_cast<int>(e.button)];
    if (e.step == Step::React) s += std::string(" ") + std::string(TrayIconMessageName(e.action));
    out.push_back(s);
  }
  return out;
}

using Steps = std::vector<std::string>;

TEST(TrayCallback, EveryMouseMessageInTableOrder) {
  struct Row {
    unsigned msg;
    Steps withClickHandler;
    Steps withoutClickHandler;
  };
  const Row rows[] = {
      {0x200, {"move"}, {"move"}},
      {0x201, {"down left"}, {"down left"}},
      {0x202, {"click", "up left", "react imLeftClickUp"}, {"up left", "react imLeftClickUp"}},
      {0x203, {"dblclick", "react imLeftDoubleClick"}, {"dblclick", "react imLeftDoubleClick"}},
      {0x204, {"down right"}, {"down right"}},
      {0x205, {"up right", "react imRightClickUp"}, {"up right", "react imRightClickUp"}},
      {0x206, {"dblclick", "react imRightDoubleClick"},
       {"dblclick", "react imRightDoubleClick"}},
      {0x207, {"down middle"}, {"down middle"}},
      {0x208, {"up middle"}, {"up middle"}},
      {0x209, {"dblclick"}, {"dblclick"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.msg);
    EXPECT_EQ(Describe(PlanCallback(r.msg, true)), r.withClickHandler);
    EXPECT_EQ(Describe(PlanCallback(r.msg, false)), r.withoutClickHandler);
  }
}

TEST(TrayCallback, OtherMessagesDoNothing) {
  for (unsigned msg : {0u, 0x1FFu, 0x20Au, 0x20Eu, 0x400u, 0x401u, 0xFFFFFFFFu}) {
    EXPECT_EQ(PlanCallback(msg, true).count, 0) << msg;
  }
}

TEST(TrayReaction, RestoreAndPopupEachFollowTheirOwnSelection) {
  for (int a = 0; a < imNone; ++a) {
    const auto action = static_cast<TTrayIconMessage>(a);
    for (int r = 0; r <= imNone; ++r) {
      for (int p = 0; p <= imNone; ++p) {
        const Reaction re = ReactTo(action, static_cast<TTrayIconMessage>(r),
                                    static_cast<TTrayIconMessage>(p));
        EXPECT_EQ(re.restore, r == a);
        EXPECT_EQ(re.popup, p == a);
      }
    }
  }
  // imNone selects nothing, even when both sides say imNone.
  const Reaction none = ReactTo(imNone, imNone, imNone);
  EXPECT_FALSE(none.restore);
  EXPECT_FALSE(none.popup);
}

TEST(TrayReaction, TheProgramsSettings) {
  // RestoreOn = imDoubleClick, PopupMenuOn = imRightClickUp.
  const Reaction dbl = ReactTo(kDblClickAction, imDoubleClick, imRightClickUp);
  EXPECT_TRUE(dbl.restore);
  EXPECT_FALSE(dbl.popup);
  const Reaction rup = ReactTo(imRightClickUp, imDoubleClick, imRightClickUp);
  EXPECT_FALSE(rup.restore);
  EXPECT_TRUE(rup.popup);
  for (TTrayIconMessage a : {kClickAction, kMouseDownAction, kMouseUpAction, imLeftClickUp,
                             imLeftDoubleClick, imRightDoubleClick}) {
    const Reaction re = ReactTo(a, imDoubleClick, imRightClickUp);
    EXPECT_FALSE(re.restore || re.popup) << static_cast<int>(a);
  }
}

TEST(TrayAnimation, CyclesThroughTheImages) {
  std::vector<int> seen;
  int i = 2;
  for (int n = 0; n < 7; ++n) {
    i = NextIconIndex(i, 3);
    seen.push_back(i);
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  EXPECT_EQ(NextIconIndex(0, 1), 0);
  EXPECT_EQ(NextIconIndex(0, 0), 0);
  EXPECT_EQ(NextIconIndex(7, 3), 0);   // past the end: back to the first
  EXPECT_EQ(NextIconIndex(-1, 3), 0);  // before the start: counts up
}

TEST(TraySetters, HideActsOnlyWhileVisible) {
  // visible, minimised, hide -> effect
  EXPECT_EQ(HideSetterEffect(false, true, true), HideEffect::None);
  EXPECT_EQ(HideSetterEffect(false, false, false), HideEffect::None);
  EXPECT_EQ(HideSetterEffect(true, true, true), HideEffect::HideAppWindow);
  EXPECT_EQ(HideSetterEffect(true, false, false), HideEffect::RestoreAppWindow);
  // A hidden taskbar button is not brought back while minimised; a shown one is left alone.
  EXPECT_EQ(HideSetterEffect(true, true, false), HideEffect::None);
  EXPECT_EQ(HideSetterEffect(true, false, true), HideEffect::None);
}

TEST(TraySetters, AnimateNeedsImagesOnceLoaded) {
  EXPECT_TRUE(AnimateTakesValue(true, false));
  EXPECT_TRUE(AnimateTakesValue(true, true));
  EXPECT_TRUE(AnimateTakesValue(false, true));
  EXPECT_FALSE(AnimateTakesValue(false, false));

  const LoadedPlan noIcons = PlanLoaded(false, true);
  EXPECT_FALSE(noIcons.animate);
  EXPECT_FALSE(noIcons.timerOn);
  EXPECT_FALSE(noIcons.useImage);
  const LoadedPlan animated = PlanLoaded(true, true);
  EXPECT_TRUE(animated.animate && animated.timerOn && animated.useImage);
  const LoadedPlan still = PlanLoaded(true, false);
  EXPECT_FALSE(still.animate || still.timerOn);
  EXPECT_TRUE(still.useImage);
}

}  // namespace
}  // namespace kq::tray

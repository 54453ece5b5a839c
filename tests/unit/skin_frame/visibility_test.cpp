#include <gtest/gtest.h>

#include <vector>

#include "skin/form/core/caption_buttons.h"

namespace kq::skin {
namespace {

// A window with everything: system menu, both boxes, normal, active, sizeable frame.
CaptionContext Full() {
  CaptionContext c;
  c.hasSystemMenu = c.canMaximise = c.canMinimise = true;
  return c;
}

bool Visible(int action, int vis, int vis1, const CaptionContext& c, bool answer = false,
             int* asked = nullptr) {
  return CaptionButtonVisible(CaptionButtonSpec{action, 1, 0, 0, vis, vis1}, c, [&] {
    if (asked) ++*asked;
    return answer;
  });
}

// One row per value of `Visibility` (column A), with Visibility1 0 (always true) and a
// custom Action (no override).
TEST(CaptionButtonVisibility, FirstCodeFollowsTheTable) {
  const CaptionContext full = Full();
  CaptionContext bare;  // no system menu, no boxes
  CaptionContext maxed = Full();
  maxed.maximised = true;
  CaptionContext inactive = Full();
  inactive.active = false;
  CaptionContext mdi = Full();
  mdi.mdiChildMaximised = true;
  mdi.menuBarHeight = 19;
  CaptionContext dialog = Full();
  dialog.dialogFrame = true;
  CaptionContext messageBox = dialog;
  messageBox.messageDialog = true;

  // Code 0: any Action but close, or a system menu.
  EXPECT_TRUE(Visible(50, 0, 0, bare));
  EXPECT_FALSE(Visible(0, 0, 0, bare));
  EXPECT_TRUE(Visible(0, 0, 0, full));
  // 1 maximised, 2 not maximised.
  EXPECT_TRUE(Visible(50, 1, 0, maxed));
  EXPECT_FALSE(Visible(50, 1, 0, full));
  EXPECT_TRUE(Visible(50, 2, 0, full));
  EXPECT_FALSE(Visible(50, 2, 0, maxed));
  // 3 active, 4 inactive.
  EXPECT_TRUE(Visible(50, 3, 0, full));
  EXPECT_FALSE(Visible(50, 3, 0, inactive));
  EXPECT_TRUE(Visible(50, 4, 0, inactive));
  EXPECT_FALSE(Visible(50, 4, 0, full));
  // 5, 10, 11 never.
  for (int code : {5, 10, 11}) EXPECT_FALSE(Visible(50, code, 0, full)) << code;
  // 6 can maximise and has a system menu; 7 cannot maximise.
  CaptionContext noMenu = Full();
  noMenu.hasSystemMenu = false;
  CaptionContext noBoxes = Full();
  noBoxes.canMaximise = noBoxes.canMinimise = false;
  EXPECT_TRUE(Visible(50, 6, 0, full));
  EXPECT_FALSE(Visible(50, 6, 0, noMenu));
  EXPECT_FALSE(Visible(50, 6, 0, noBoxes));
  EXPECT_TRUE(Visible(50, 7, 0, noBoxes));
  EXPECT_FALSE(Visible(50, 7, 0, full));
  // 8 can minimise and has a system menu; 9 cannot minimise.
  EXPECT_TRUE(Visible(50, 8, 0, full));
  EXPECT_FALSE(Visible(50, 8, 0, noMenu));
  EXPECT_FALSE(Visible(50, 8, 0, noBoxes));
  EXPECT_TRUE(Visible(50, 9, 0, noBoxes));
  EXPECT_FALSE(Visible(50, 9, 0, full));
  // 100: an MDI frame with a maximised child and a menu row (Visibility1 must agree).
  EXPECT_TRUE(Visible(50, 100, 100, mdi));
  EXPECT_FALSE(Visible(50, 100, 0, full));
  CaptionContext mdiNoMenu = mdi;
  mdiNoMenu.menuBarHeight = 0;
  EXPECT_FALSE(Visible(50, 100, 100, mdiNoMenu));
  // 200: dialog frames that are not message boxes.
  EXPECT_TRUE(Visible(50, 200, 0, dialog));
  EXPECT_FALSE(Visible(50, 200, 0, messageBox));
  EXPECT_FALSE(Visible(50, 200, 0, full));
  // 201..999 always.
  for (int code : {201, 500, 999}) EXPECT_TRUE(Visible(50, code, 0, bare)) << code;
  // Everything else never.
  for (int code : {-1, 12, 99, 101, 199, 2001, 100000}) EXPECT_FALSE(Visible(50, code, 0, full)) << code;
}

TEST(CaptionButtonVisibility, CodesFrom1000To2000AskTheWindowAndNothingElseDoes) {
  const CaptionContext c = Full();
  for (int code : {1000, 1500, 2000}) {
    int asked = 0;
    EXPECT_TRUE(Visible(50, code, 0, c, true, &asked)) << code;
    EXPECT_FALSE(Visible(50, code, 0, c, false, &asked)) << code;
    EXPECT_EQ(asked, 2) << code;
  }
  for (int code : {0, 1, 100, 200, 500, 999, 2001}) {
    int asked = 0;
    Visible(50, code, 0, c, true, &asked);
    Visible(50, 0, code, c, true, &asked);
    EXPECT_EQ(asked, 0) << code;
  }
  // The second code never asks: from 1000 it hides.
  int asked = 0;
  EXPECT_FALSE(Visible(50, 0, 1500, c, true, &asked));
  EXPECT_EQ(asked, 0);
  // Without anyone to ask the button stays hidden.
  EXPECT_FALSE(CaptionButtonVisible(CaptionButtonSpec{50, 0, 0, 0, 1000, 0}, c, {}));
}

// Column B (`Visibility1`), with a first code that always shows (300).
TEST(CaptionButtonVisibility, SecondCodeFollowsTheTable) {
  const CaptionContext full = Full();
  CaptionContext bare;
  CaptionContext maxed = Full();
  maxed.maximised = true;
  CaptionContext inactive = Full();
  inactive.active = false;
  CaptionContext noBoxes = Full();
  noBoxes.canMaximise = noBoxes.canMinimise = false;

  EXPECT_TRUE(Visible(50, 300, 0, bare));
  EXPECT_TRUE(Visible(50, 300, 1, maxed));
  EXPECT_FALSE(Visible(50, 300, 1, full));
  EXPECT_TRUE(Visible(50, 300, 2, full));
  EXPECT_FALSE(Visible(50, 300, 2, maxed));
  EXPECT_TRUE(Visible(50, 300, 3, full));
  EXPECT_FALSE(Visible(50, 300, 3, inactive));
  EXPECT_TRUE(Visible(50, 300, 4, inactive));
  EXPECT_FALSE(Visible(50, 300, 4, full));
  // 6 and 8 do not need a system menu in this column.
  EXPECT_TRUE(Visible(50, 300, 6, Full()));
  CaptionContext boxesOnly = Full();
  boxesOnly.hasSystemMenu = false;
  EXPECT_TRUE(Visible(50, 300, 6, boxesOnly));
  EXPECT_TRUE(Visible(50, 300, 8, boxesOnly));
  EXPECT_FALSE(Visible(50, 300, 6, noBoxes));
  EXPECT_FALSE(Visible(50, 300, 8, noBoxes));
  EXPECT_TRUE(Visible(50, 300, 7, noBoxes));
  EXPECT_FALSE(Visible(50, 300, 7, full));
  EXPECT_TRUE(Visible(50, 300, 9, noBoxes));
  EXPECT_FALSE(Visible(50, 300, 9, full));
  CaptionContext mdi = Full();
  mdi.mdiChildMaximised = true;
  mdi.menuBarHeight = 19;
  EXPECT_TRUE(Visible(50, 300, 100, mdi));
  EXPECT_FALSE(Visible(50, 300, 100, full));
  // 5, 10, 11, every code from 200 to 2000 and unknown codes hide.
  for (int code : {5, 10, 11, 200, 201, 999, 1000, 2000, -1, 12, 2001})
    EXPECT_FALSE(Visible(50, 300, code, full)) << code;
}

TEST(CaptionButtonVisibility, OverridesByAction) {
  CaptionContext c = Full();
  // Maximise (1) and minimise (2) follow the window's boxes whatever the codes say.
  c.canMaximise = false;
  EXPECT_FALSE(Visible(1, 0, 0, c));
  EXPECT_FALSE(Visible(1, 300, 0, c));
  EXPECT_TRUE(Visible(2, 0, 0, c));
  c = Full();
  c.canMinimise = false;
  EXPECT_FALSE(Visible(2, 0, 0, c));
  EXPECT_TRUE(Visible(1, 0, 0, c));
  // Icon and system-menu buttons vanish in dialog frames, message boxes included.
  c = Full();
  c.dialogFrame = true;
  for (int action : {3, 11, 12}) {
    EXPECT_FALSE(Visible(action, 0, 0, c)) << action;
    EXPECT_TRUE(Visible(action, 0, 0, Full())) << action;
  }
  // Other actions keep what the codes say in a dialog frame.
  EXPECT_TRUE(Visible(0, 0, 0, c));
  // The overrides only ever hide.
  EXPECT_FALSE(Visible(1, 5, 0, Full()));
}

TEST(CaptionButtonVisibility, TheDefaultSkinsButtonsOnCommonWindows) {
  struct Row {
    const char* window;
    CaptionContext c;
    std::vector<bool> shown;  // close, maximise, minimise, icon (all codes 0)
  };
  CaptionContext fixedDialog = Full();
  fixedDialog.canMaximise = fixedDialog.canMinimise = false;
  fixedDialog.dialogFrame = true;
  CaptionContext toolWindow;  // WS_POPUP | WS_CAPTION without system menu
  CaptionContext mainWindow = Full();
  mainWindow.canMaximise = false;  // the scheduler's main window has no maximise box
  const std::vector<Row> rows = {
      {"sizeable", Full(), {true, true, true, true}},
      {"main", mainWindow, {true, false, true, true}},
      {"dialog", fixedDialog, {true, false, false, false}},
      {"tool", toolWindow, {false, false, false, true}},
  };
  for (const Row& r : rows) {
    std::vector<bool> got;
    for (int action : {0, 1, 2, 3}) got.push_back(Visible(action, 0, 0, r.c));
    EXPECT_EQ(got, r.shown) << r.window;
  }
}

}  // namespace
}  // namespace kq::skin

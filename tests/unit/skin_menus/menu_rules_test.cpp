#include <gtest/gtest.h>

#include <string>

#include "skin/form/core/menu_rules.h"

namespace kq::skin {
namespace {

// "-" is a separator, "x" a visible entry, "h" a hidden entry, "_" a hidden separator.
std::vector<MenuEntryState> Entries(const std::string& pattern) {
  std::vector<MenuEntryState> out;
  for (char c : pattern) out.push_back(MenuEntryState{c == 'x' || c == '-', c == '-' || c == '_'});
  return out;
}
// The entries shown afterwards, in the same notation with "." for anything hidden.
std::string Shown(const std::string& pattern) {
  const std::vector<bool> v = VisibleAfterHidingSeparators(Entries(pattern));
  std::string out;
  for (size_t i = 0; i < v.size(); ++i) out += v[i] ? pattern[i] : '.';
  return out;
}

TEST(HideSeparators, LeadingTrailingAndDoubledSeparatorsGo) {
  EXPECT_EQ(Shown("--x-x--"), "..x-x..");   // leading and trailing
  EXPECT_EQ(Shown("x---x"), "x..-x");        // of a run only the last one stays
  EXPECT_EQ(Shown("-x--x-x-"), ".x.-x-x.");  // all three at once
  EXPECT_EQ(Shown("x-x"), "x-x");            // nothing surplus
}

TEST(HideSeparators, HiddenEntriesDoNotSeparateAndStayHidden) {
  // A hidden entry between two separators leaves them doubled: one goes.
  EXPECT_EQ(Shown("x-h-x"), "x..-x");
  // Separators around only hidden entries are at the ends.
  EXPECT_EQ(Shown("-h-"), "...");
  EXPECT_EQ(Shown("h-x-h"), "..x..");
  // A separator hidden by the program is not brought back.
  EXPECT_EQ(Shown("x_x"), "x.x");
  EXPECT_EQ(Shown(""), "");
  EXPECT_EQ(Shown("---"), "...");
}

TEST(MenuBarNeighbours, ArrowKeysWrapAroundTheBar) {
  const std::vector<bool> all(4, true);
  EXPECT_EQ(NeighbourMenuButton(all, 3, true), 0);   // Right on the last opens the first
  EXPECT_EQ(NeighbourMenuButton(all, 0, false), 3);  // Left on the first opens the last
  EXPECT_EQ(NeighbourMenuButton(all, 1, true), 2);
  EXPECT_EQ(NeighbourMenuButton(all, 2, false), 1);
  // No button current yet: Right starts at the first, Left at the last.
  EXPECT_EQ(NeighbourMenuButton(all, -1, true), 0);
  EXPECT_EQ(NeighbourMenuButton(all, -1, false), 3);
}

TEST(MenuBarNeighbours, HiddenButtonsArePassedOver) {
  const std::vector<bool> v{true, false, true, false};
  EXPECT_EQ(NeighbourMenuButton(v, 0, true), 2);
  EXPECT_EQ(NeighbourMenuButton(v, 2, true), 0);
  EXPECT_EQ(NeighbourMenuButton(v, 0, false), 2);
  EXPECT_EQ(NeighbourMenuButton(std::vector<bool>{true}, 0, true), 0);
  EXPECT_EQ(NeighbourMenuButton(std::vector<bool>{false, false}, 0, true), -1);
  EXPECT_EQ(NeighbourMenuButton(std::vector<bool>{}, -1, true), -1);
}

MenuBarLayoutInput Bar(bool withObject, bool rtl) {
  MenuBarLayoutInput in;
  in.barWidth = 300;
  in.barHeight = 19;
  in.hasMenuBarObject = withObject;
  in.marginLeft = 3;
  in.marginRight = 5;
  in.rightToLeft = rtl;
  in.buttons = {{true, 40, false}, {false, 30, false}, {true, 25, false}, {true, 0, true}, {true, 12, false}};
  return in;
}

TEST(MenuBarLayout, ButtonsFollowEachOtherFromTheLeftCap) {
  const std::vector<Rect> r = LayoutMenuBar(Bar(true, false));
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[0], (Rect{7, 0, 57, 18}));     // left cap 3 + 4; text + 10 wide; bar height - 1
  EXPECT_TRUE(r[1].IsEmpty());               // hidden
  EXPECT_EQ(r[2], (Rect{57, 0, 92, 18}));
  EXPECT_EQ(r[3], (Rect{92, 0, 92, 18}));    // empty caption: no width
  EXPECT_EQ(r[4], (Rect{92, 0, 114, 18}));
}

TEST(MenuBarLayout, WithoutTheImageTheButtonsStartAtSixAndANarrowBarAtTwelve) {
  EXPECT_EQ(LayoutMenuBar(Bar(false, false))[0].left, 6);
  EXPECT_EQ(LayoutMenuBar(Bar(false, true))[0].right, 294);
  MenuBarLayoutInput narrow = Bar(true, false);
  narrow.barWidth = 5;
  EXPECT_EQ(LayoutMenuBar(narrow)[0].left, 12);
}

TEST(MenuBarLayout, RightToLeftButtonsGrowLeftwardFromTheRightCap) {
  const std::vector<Rect> r = LayoutMenuBar(Bar(true, true));
  EXPECT_EQ(r[0], (Rect{237, 0, 287, 18}));  // 300 - (right cap 5 + 8)
  EXPECT_TRUE(r[1].IsEmpty());
  EXPECT_EQ(r[2], (Rect{202, 0, 237, 18}));
  EXPECT_EQ(r[3], (Rect{202, 0, 202, 18}));
  EXPECT_EQ(r[4], (Rect{180, 0, 202, 18}));
}

TEST(MenuBarAccelerators, TheCharacterAfterTheAmpersand) {
  EXPECT_EQ(AcceleratorOf(L"文件(&F)"), L'F');
  EXPECT_EQ(AcceleratorOf(L"&edit"), L'E');
  EXPECT_EQ(AcceleratorOf(L"Fish && &Chips"), L'C');
  EXPECT_EQ(AcceleratorOf(L"A && B"), 0);
  EXPECT_EQ(AcceleratorOf(L"trailing&"), 0);
  EXPECT_EQ(AcceleratorOf(L""), 0);
  EXPECT_TRUE(HasAccelerator(L"查看(&V)", L'v'));
  EXPECT_TRUE(HasAccelerator(L"查看(&V)", L'V'));
  EXPECT_FALSE(HasAccelerator(L"查看(&V)", L'F'));
  EXPECT_FALSE(HasAccelerator(L"查看", L'V'));
}

TEST(MenuLoopKeys, LeftAndRightMoveAlongTheBarUnlessASubmenuTakesThem) {
  constexpr unsigned kLeft = 0x25, kRight = 0x27, kDown = 0x28;
  // Nothing selected yet.
  EXPECT_EQ(MenuLoopKey({kLeft, false, false, false}), MenuLoopMove::Previous);
  EXPECT_EQ(MenuLoopKey({kRight, false, false, false}), MenuLoopMove::Next);
  // An item of the bar's own popup.
  EXPECT_EQ(MenuLoopKey({kLeft, true, true, false}), MenuLoopMove::Previous);
  EXPECT_EQ(MenuLoopKey({kRight, true, true, false}), MenuLoopMove::Next);
  // Right on an item with a submenu opens the submenu.
  EXPECT_EQ(MenuLoopKey({kRight, true, true, true}), MenuLoopMove::None);
  // Left inside a submenu closes the submenu.
  EXPECT_EQ(MenuLoopKey({kLeft, true, false, false}), MenuLoopMove::None);
  EXPECT_EQ(MenuLoopKey({kDown, true, true, false}), MenuLoopMove::None);
  EXPECT_EQ(MirroredArrowKey(kLeft, true), kRight);
  EXPECT_EQ(MirroredArrowKey(kRight, true), kLeft);
  EXPECT_EQ(MirroredArrowKey(kLeft, false), kLeft);
  EXPECT_EQ(MirroredArrowKey(kDown, true), kDown);
}

TEST(MenuItemMeasure, SkinnedItemsMakeRoomForTheCapAndTheGlyphColumn) {
  EXPECT_EQ(SkinnedItemWidth(100, true, 4, true, false), 114);
  EXPECT_EQ(SkinnedItemWidth(100, true, 4, false, false), 139);
  EXPECT_EQ(SkinnedItemWidth(100, false, 4, false, false), 135);
  EXPECT_EQ(SkinnedItemWidth(100, true, 4, true, true), 116);
  EXPECT_EQ(SkinnedItemWidth(100, true, 4, false, true), 139);
  const ItemSize text = ForeignItemSize(50, true, 15, true, 4, false);
  EXPECT_EQ(text.width, 80);
  EXPECT_EQ(text.height, 19);
  EXPECT_EQ(ForeignItemSize(0, false, 15, false, 4, false).height, 8);
  EXPECT_EQ(ForeignItemSize(0, false, 15, false, 4, true).height, 12);
  EXPECT_EQ(ForeignItemSize(50, true, 15, false, 4, true).width, 76);
}

TEST(MenuItemLook, FrameAndTextColourFollowTheItemsState) {
  EXPECT_EQ(MenuItemFrame(false), 1);
  EXPECT_EQ(MenuItemFrame(true), 4);
  const ItemTextColours c{0x111111, 0x222222, 0x333333, 0x444444};
  EXPECT_EQ(MenuItemTextColour(true, false, c), 0x111111u);
  EXPECT_EQ(MenuItemTextColour(true, true, c), 0x222222u);
  EXPECT_EQ(MenuItemTextColour(false, true, c), 0x333333u);
  // A shadow colour that equals the text colour would hide the state: the system's is used.
  const ItemTextColours same{0x111111, 0x222222, 0x111111, 0x444444};
  EXPECT_EQ(MenuItemTextColour(false, false, same), 0x444444u);
}

TEST(PopupBorder, FourThreePixelStripsAroundTheWindow) {
  const std::vector<Rect> s = PopupBorderStrips(100, 60);
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0], (Rect{0, 0, 100, 3}));
  EXPECT_EQ(s[1], (Rect{0, 57, 100, 60}));
  EXPECT_EQ(s[2], (Rect{0, 3, 3, 57}));
  EXPECT_EQ(s[3], (Rect{97, 3, 100, 57}));
}

}  // namespace
}  // namespace kq::skin

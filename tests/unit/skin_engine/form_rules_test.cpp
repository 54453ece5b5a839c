// The form skinner's window-free decisions, walked row by row.
#include "skin/form/core/form_rules.h"

#include <gtest/gtest.h>

#include "ui/skin_messages.h"

namespace kq::skin {
namespace {

// Win32 style values, written out so the test does not lean on the constants it checks.
constexpr std::uint32_t OVERLAPPEDWINDOW = 0x00CF0000, POPUP = 0x80000000, CAPTION = 0x00C00000,
                        BORDER = 0x00800000, SYSMENU = 0x00080000, THICKFRAME = 0x00040000,
                        DLGFRAME = 0x00400000, CHILD = 0x40000000;

TEST(SkinMessages, FixedNumbers) {
  EXPECT_EQ(SKM_REAPPLY, 0x3401u);
  EXPECT_EQ(SKM_REPAINTFRAME, 0x3502u);
  EXPECT_EQ(SKM_SKINCONTROLS, 0x3503u);
  EXPECT_EQ(SKM_QUERYSKINNED, 0x3504u);
  EXPECT_EQ(SKM_SWITCHSKINNER, 0x3506u);
  EXPECT_EQ(SKM_CUSTOMBUTTON, 0x3514u);
  EXPECT_EQ(SKM_QUERYBUTTONVISIBLE, 0x3515u);
}

TEST(FormRules, Capabilities) {
  EXPECT_EQ(CapabilitiesOf(OVERLAPPEDWINDOW, false), kHasSystemMenu | kCanMinimise | kCanMaximise);
  EXPECT_EQ(CapabilitiesOf(CAPTION | SYSMENU, false), kHasSystemMenu);
  EXPECT_EQ(CapabilitiesOf(CAPTION, false), 0);
  // A system menu without WS_SYSMENU still counts.
  EXPECT_EQ(CapabilitiesOf(CAPTION, true), kHasSystemMenu);
  EXPECT_EQ(CapabilitiesOf(0x00020000, false), kCanMinimise);
  EXPECT_EQ(CapabilitiesOf(0x00010000, false), kCanMaximise);
}

TEST(FormRules, FrameKinds) {
  struct Row {
    std::uint32_t style, ex;
    const char* cls;
    FrameKind kind;
    bool msg;
  };
  const Row rows[] = {
      {OVERLAPPEDWINDOW, 0, "TForm1", FrameKind::Sizeable, false},
      {CAPTION | SYSMENU, 0, "TForm1", FrameKind::Fixed, false},
      {CAPTION | SYSMENU | 0x80, 0, "TForm1", FrameKind::Dialog, false},
      {CAPTION | SYSMENU, 1, "TForm1", FrameKind::Dialog, false},
      {POPUP, 0, "TPopup", FrameKind::Frameless, false},
      {POPUP | BORDER, 0, "TPopup", FrameKind::Frameless, false},
      {POPUP | DLGFRAME | THICKFRAME, 0, "TPopup", FrameKind::Frameless, false},
      {POPUP | CAPTION, 0, "TPopup", FrameKind::Fixed, false},
      {POPUP | CAPTION | THICKFRAME, 0, "TPopup", FrameKind::Sizeable, false},
      // A thick frame wins over a modal-frame style bit; the extended bit wins over both.
      {THICKFRAME | 0x80, 0, "TForm1", FrameKind::Sizeable, false},
      {THICKFRAME, 1, "TForm1", FrameKind::Dialog, false},
      {POPUP, 1, "TPopup", FrameKind::Dialog, false},
      {POPUP | CAPTION | SYSMENU | 0x80, 0x10101, "#32770", FrameKind::Dialog, true},
      {OVERLAPPEDWINDOW, 0, "TMessageForm", FrameKind::Dialog, true},
      {POPUP, 0, "#32770", FrameKind::Dialog, true},
      {OVERLAPPEDWINDOW, 0, "tmessageform", FrameKind::Sizeable, false},
  };
  for (const Row& r : rows) {
    const auto k = FrameKindOf(r.style, r.ex, r.cls);
    EXPECT_EQ(k.kind, r.kind) << std::hex << r.style << " " << r.ex << " " << r.cls;
    EXPECT_EQ(k.messageDialog, r.msg) << r.cls;
  }
  EXPECT_TRUE(IsUnicodeClassName("TTntForm.UnicodeClass"));
  EXPECT_FALSE(IsUnicodeClassName("TForm1"));
}

TEST(FormRules, CaptionStylesOffAndOn) {
  const int caps = CapabilitiesOf(OVERLAPPEDWINDOW, true);
  // An unowned window loses its whole caption and remembers that.
  auto off = SwitchCaptionStyles(OVERLAPPEDWINDOW | 0x10000000, caps, 0, false, false);
  EXPECT_EQ(off.style, 0x100F0000u);  // visible, sysmenu, frame and boxes stay
  EXPECT_EQ(off.capabilities, caps | kCaptionRemoved);
  EXPECT_EQ(off.removedCaption, CAPTION);
  // Switching off again keeps what was taken the first time.
  auto again = SwitchCaptionStyles(off.style, off.capabilities, off.removedCaption, false, false);
  EXPECT_EQ(again.style, off.style);
  EXPECT_EQ(again.removedCaption, CAPTION);
  auto on = SwitchCaptionStyles(again.style, again.capabilities, again.removedCaption, true, false);
  EXPECT_EQ(on.style, OVERLAPPEDWINDOW | 0x10000000);
  EXPECT_EQ(on.capabilities, off.capabilities);
  // An owned window or MDI child keeps its caption but loses its caption buttons.
  off = SwitchCaptionStyles(OVERLAPPEDWINDOW, caps, 0, false, true);
  EXPECT_EQ(off.style, CAPTION | THICKFRAME);
  EXPECT_EQ(off.capabilities, caps);
  on = SwitchCaptionStyles(off.style, off.capabilities, off.removedCaption, true, true);
  EXPECT_EQ(on.style, OVERLAPPEDWINDOW);
  // Only what the window had comes back.
  const int fixedCaps = CapabilitiesOf(CAPTION | SYSMENU, false);
  off = SwitchCaptionStyles(CAPTION | SYSMENU, fixedCaps, 0, false, false);
  EXPECT_EQ(off.style, SYSMENU);
  on = SwitchCaptionStyles(off.style, off.capabilities, off.removedCaption, true, false);
  EXPECT_EQ(on.style, CAPTION | SYSMENU);
  // A window with a border but no title bar gets its border back, not a title bar.
  off = SwitchCaptionStyles(POPUP | BORDER, 0, 0, false, false);
  EXPECT_EQ(off.style, POPUP);
  on = SwitchCaptionStyles(off.style, off.capabilities, off.removedCaption, true, false);
  EXPECT_EQ(on.style, POPUP | BORDER);
  // A window that never lost its caption does not get one.
  on = SwitchCaptionStyles(POPUP, 0, 0, true, false);
  EXPECT_EQ(on.style, POPUP);
}

TEST(FormRules, FrameMetricsFromEdgeImages) {
  const EdgeImage left{8, 100, 2}, top{60, 60, 2}, right{4, 100, 1}, bottom{60, 12, 3};
  EXPECT_EQ(ComputeFrameMetrics(FrameKind::Sizeable, left, top, right, bottom), (FrameMetrics{4, 30, 4, 4}));
  EXPECT_EQ(ComputeFrameMetrics(FrameKind::Dialog, left, top, right, bottom), (FrameMetrics{4, 30, 4, 4}));
  EXPECT_EQ(ComputeFrameMetrics(FrameKind::Frameless, left, top, right, bottom), FrameMetrics{});
  // Integer division, and no division by a zero frame count.
  EXPECT_EQ(ComputeFrameMetrics(FrameKind::Fixed, {7, 1, 2}, {1, 29, 2}, {5, 1, 0}, {1, 5, -3}),
            (FrameMetrics{3, 14, 5, 5}));
  EXPECT_EQ(ComputeFrameMetrics(FrameKind::Fixed, {}, {}, {}, {}), FrameMetrics{});
}

TEST(FormRules, ClientAreaInsideTheSkinnedFrame) {
  const FrameMetrics m{4, 26, 5, 6};
  EXPECT_EQ(SkinnedClientRect(100, 50, 326, 252, m, 0), (Rect{104, 76, 421, 296}));
  EXPECT_EQ(SkinnedClientRect(100, 50, 326, 252, m, 19), (Rect{104, 95, 421, 296}));
  EXPECT_EQ(SkinnedClientRect(0, 0, 0, 0, FrameMetrics{}, 0), (Rect{0, 0, 0, 0}));
}

TEST(FormRules, HitTestCorrection) {
  // Only "nothing" and the system's caption are corrected.
  EXPECT_EQ(CorrectHitTest(kHtNowhere, 2, 26), kHtNowhere);
  EXPECT_EQ(CorrectHitTest(kHtCaption, 3, 26), kHtCaption);
  EXPECT_EQ(CorrectHitTest(kHtNowhere, 4, 26), kHtCaption);
  EXPECT_EQ(CorrectHitTest(kHtNowhere, 26, 26), kHtCaption);
  EXPECT_EQ(CorrectHitTest(kHtNowhere, 27, 26), kHtMenu);
  EXPECT_EQ(CorrectHitTest(kHtCaption, 40, 26), kHtMenu);
  EXPECT_EQ(CorrectHitTest(1 /*HTCLIENT*/, 10, 26), 1);
  EXPECT_EQ(CorrectHitTest(12 /*HTTOP*/, 2, 26), 12);
  EXPECT_EQ(CorrectHitTest(20 /*HTCLOSE*/, 10, 26), 20);
}

TEST(FormRules, ClientPointsInFrameCoordinates) {
  const FrameMetrics m{4, 26, 5, 6};
  EXPECT_EQ(ClientToFrame({-4, -26}, false, m, 0), (Point{0, 0}));
  EXPECT_EQ(ClientToFrame({10, -30}, false, m, 19), (Point{14, 15}));
  EXPECT_EQ(ClientToFrame({10, -30}, true, m, 19), (Point{10, -30}));
}

TEST(FormRules, WindowStates) {
  EXPECT_EQ(StateFromSizeType(0), WinState::Normal);
  EXPECT_EQ(StateFromSizeType(1), WinState::Minimised);
  EXPECT_EQ(StateFromSizeType(2), WinState::Maximised);
  EXPECT_EQ(StateFromSizeType(3), std::nullopt);  // SIZE_MAXSHOW is about other windows
  EXPECT_EQ(StateFromSizeType(4), std::nullopt);
  const WinState shows[] = {WinState::Normal,    WinState::Normal,    WinState::Minimised, WinState::Maximised,
                            WinState::Normal,    WinState::Normal,    WinState::Minimised, WinState::Minimised,
                            WinState::Normal,    WinState::Normal,    WinState::Normal,    WinState::Normal};
  for (unsigned cmd = 0; cmd < 12; ++cmd) EXPECT_EQ(StateFromShowCmd(cmd), shows[cmd]) << cmd;
  EXPECT_EQ(StateFromSysCommand(0xF020), WinState::Minimised);
  EXPECT_EQ(StateFromSysCommand(0xF032), WinState::Maximised);  // low bits are the system's
  EXPECT_EQ(StateFromSysCommand(0xF120), WinState::Normal);
  EXPECT_EQ(StateFromSysCommand(0xF060), std::nullopt);
  EXPECT_EQ(StateFromSysCommand(0xF100), std::nullopt);
}

TEST(FormRules, RegionRebuildOnSize) {
  using P = SkinPhase;
  EXPECT_TRUE(SizeChangeBuildsRegion(WinState::Normal, false, false, P::Ready));
  EXPECT_TRUE(SizeChangeBuildsRegion(WinState::Maximised, false, false, P::Ready));
  EXPECT_TRUE(SizeChangeBuildsRegion(WinState::Normal, false, true, P::Reapplying));
  EXPECT_FALSE(SizeChangeBuildsRegion(WinState::Minimised, false, false, P::Ready));
  for (P p : {P::Attached, P::Destroying, P::FirstFit, P::Destroyed})
    EXPECT_FALSE(SizeChangeBuildsRegion(WinState::Normal, false, false, p));
  EXPECT_TRUE(SizeChangeBuildsRegion(WinState::Normal, true, false, P::Ready));
  EXPECT_FALSE(SizeChangeBuildsRegion(WinState::Normal, true, true, P::Ready));
  EXPECT_FALSE(SizeChangeBuildsRegion(WinState::Maximised, true, false, P::Ready));
}

TEST(FormRules, MessageStages) {
  EXPECT_TRUE(RunsFrameStage(OVERLAPPEDWINDOW, 0));
  EXPECT_TRUE(RunsFrameStage(POPUP, 0));
  EXPECT_FALSE(RunsFrameStage(CHILD | CAPTION, 0));
  EXPECT_TRUE(RunsFrameStage(CHILD | OVERLAPPEDWINDOW, 0x40));
  EXPECT_TRUE(RunsNonClientStage(false, false, SkinPhase::Ready));
  EXPECT_TRUE(RunsNonClientStage(false, false, SkinPhase::FirstFit));
  EXPECT_TRUE(RunsNonClientStage(false, false, SkinPhase::Destroying));
  EXPECT_FALSE(RunsNonClientStage(false, false, SkinPhase::Attached));
  EXPECT_FALSE(RunsNonClientStage(true, false, SkinPhase::Ready));
  EXPECT_FALSE(RunsNonClientStage(false, true, SkinPhase::Ready));
}

TEST(FormRules, WindowCommandsFromWmCommand) {
  for (std::uintptr_t sc : {0xF000u, 0xF010u, 0xF020u, 0xF030u, 0xF040u, 0xF050u, 0xF060u, 0xF120u})
    EXPECT_TRUE(IsWindowCommand(sc)) << std::hex << sc;
  for (std::uintptr_t other : {0u, 1u, 0xF012u, 0xF100u, 0xF130u, 0xF070u, 0x1000u})
    EXPECT_FALSE(IsWindowCommand(other)) << std::hex << other;
}

TEST(FormRules, KeyMenu) {
  // Alt alone does not enter the system's menu mode.
  EXPECT_TRUE(SwallowsKeyMenu(0xF100, 0, false, false, false));
  EXPECT_TRUE(SwallowsKeyMenu(0xF105, 0, false, false, false));
  // Alt+letter only when a skinned menu-bar button has it.
  EXPECT_TRUE(SwallowsKeyMenu(0xF100, 'f', false, false, true));
  EXPECT_FALSE(SwallowsKeyMenu(0xF100, 'f', false, false, false));
  // Alt+Space (system menu) and Alt+'-' (MDI child menu) stay the system's, and nothing is
  // taken while a menu-bar popup is open or the mouse is captured.
  EXPECT_FALSE(SwallowsKeyMenu(0xF100, ' ', false, false, true));
  EXPECT_FALSE(SwallowsKeyMenu(0xF100, '-', false, false, true));
  EXPECT_FALSE(SwallowsKeyMenu(0xF100, 0, true, false, false));
  EXPECT_FALSE(SwallowsKeyMenu(0xF100, 0, false, true, false));
  EXPECT_FALSE(SwallowsKeyMenu(0xF060, 0, false, false, false));
}

TEST(FormRules, SystemPopupItems) {
  auto items = SystemPopupItems(kHasSystemMenu | kCanMinimise | kCanMaximise);
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].caption, " Restore ");
  EXPECT_EQ(items[0].tag, 0);
  EXPECT_EQ(items[1].caption, " Maximize ");
  EXPECT_EQ(items[1].tag, 1);
  EXPECT_EQ(items[2].caption, " Minimize ");
  EXPECT_EQ(items[2].tag, 2);
  EXPECT_EQ(items[3].caption, "-");
  EXPECT_EQ(items[3].tag, 100);
  EXPECT_EQ(items[4].caption, " Close ");
  EXPECT_EQ(items[4].tag, 3);
  EXPECT_EQ(items[4].shortcut, "Shift+F4");
  items = SystemPopupItems(kHasSystemMenu);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].tag, 0);
  EXPECT_EQ(items[1].tag, 100);
  EXPECT_EQ(items[2].tag, 3);
  items = SystemPopupItems(kCanMinimise);
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[1].tag, 2);
  EXPECT_EQ(kSystemPopupTag, 33333);

  using S = WinState;
  EXPECT_FALSE(SystemPopupItemEnabled(kItemRestore, S::Normal));
  EXPECT_TRUE(SystemPopupItemEnabled(kItemRestore, S::Maximised));
  EXPECT_TRUE(SystemPopupItemEnabled(kItemRestore, S::Minimised));
  EXPECT_TRUE(SystemPopupItemEnabled(kItemMaximise, S::Normal));
  EXPECT_FALSE(SystemPopupItemEnabled(kItemMaximise, S::Maximised));
  EXPECT_TRUE(SystemPopupItemEnabled(kItemMinimise, S::Maximised));
  EXPECT_FALSE(SystemPopupItemEnabled(kItemMinimise, S::Minimised));
  for (S s : {S::Normal, S::Maximised, S::Minimised}) {
    EXPECT_TRUE(SystemPopupItemEnabled(kItemClose, s));
    EXPECT_TRUE(SystemPopupItemEnabled(kItemSeparator, s));
  }
}

TEST(FormRules, PopupClicks) {
  EXPECT_EQ(ClassifyPopupClick(1000, std::nullopt, 500, true), PopupClick::Show);
  EXPECT_EQ(ClassifyPopupClick(1000, 400, 500, true), PopupClick::Show);
  EXPECT_EQ(ClassifyPopupClick(1000, 500, 500, true), PopupClick::Close);
  EXPECT_EQ(ClassifyPopupClick(1000, 500, 500, false), PopupClick::Ignore);
  EXPECT_EQ(ClassifyPopupClick(1000, 1000, 500, true), PopupClick::Close);
  // Across the wrap of the tick count.
  EXPECT_EQ(ClassifyPopupClick(100, 0xFFFFFF00u, 500, true), PopupClick::Close);
  EXPECT_EQ(ClassifyPopupClick(1000, 0xFFFFFF00u, 500, true), PopupClick::Show);
}

TEST(FormRules, FittingAndUnfittingKeepTheClientArea) {
  const FrameMetrics m{4, 26, 5, 6};
  EXPECT_EQ(OuterSizeForClient(318, 218, m, 0), (Size{327, 250}));
  EXPECT_EQ(OuterSizeForClient(318, 218, m, 19), (Size{327, 269}));
  // A system frame of 8 + 8 wide and 34 high around the same client area.
  const Size systemExtra{8, 34};
  const Size skinned = OuterSizeForClient(318, 218, m, 19);
  EXPECT_EQ(UnskinnedOuterSize(skinned.width, skinned.height, systemExtra, m, 19), (Size{326, 252}));
  // Skinning and unskinning again comes back to the same outer size.
  const Size back = UnskinnedOuterSize(327, 250, systemExtra, m, 0);
  EXPECT_EQ(back, (Size{326, 252}));
  EXPECT_EQ(OuterSizeForClient(back.width - systemExtra.width, back.height - systemExtra.height, m, 0),
            (Size{327, 250}));
}

TEST(FormRules, MessageBoxCaptionWidening) {
  // Wide enough: nothing moves.
  EXPECT_EQ(WidenForCaption(200, 20, 100, 60).width, 200);
  EXPECT_EQ(WidenForCaption(200, 20, 100, 60).childShift, 0);
  EXPECT_EQ(WidenForCaption(180, 20, 100, 60).childShift, 0);
  // Narrower: the caption's width, children moved by half the difference (rounded down).
  const auto w = WidenForCaption(150, 20, 115, 60);
  EXPECT_EQ(w.width, 195);
  EXPECT_EQ(w.childShift, 22);
}

}  // namespace
}  // namespace kq::skin

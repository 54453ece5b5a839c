#include "skin/controls/core/control_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/core/skin3rd.h"

using namespace kq::skin;

namespace {

using Names = std::vector<std::string>;

// Ancestries as the form layer's class tree gives them (the rules only look at names).
const Names kWin{"TWinControl", "TControl", "TComponent", "TPersistent", "TObject"};
const Names kGraphic{"TGraphicControl", "TControl", "TComponent", "TPersistent", "TObject"};

Names Chain(Names own, const Names& base) {
  own.insert(own.end(), base.begin(), base.end());
  return own;
}

ControlDescriptor Windowed(Names own, std::uint32_t style = 0, int tag = 0) {
  ControlDescriptor d;
  d.ancestry = Chain(std::move(own), kWin);
  d.windowed = true;
  d.style = style;
  d.tag = tag;
  return d;
}

ControlDescriptor Graphic(Names own, int tag = 0) {
  ControlDescriptor d;
  d.ancestry = Chain(std::move(own), kGraphic);
  d.tag = tag;
  return d;
}

constexpr TSkinControls kAll{0xFFFFFu};

SelectionSettings All(bool tabs = true) {
  SelectionSettings s;
  s.controls = kAll;
  s.hasTabs = tabs;
  return s;
}

SelectionSettings Without(std::initializer_list<TSkinControlType> off, bool tabs = true) {
  SelectionSettings s = All(tabs);
  for (TSkinControlType t : off) s.controls.Exclude(t);
  return s;
}

struct RowCase {
  int row;
  ControlDescriptor control;
  std::vector<TSkinControlType> flags;  // what switches the row off (empty: nothing can)
  SkinnerKind skinner;
  AttachMode mode;
  ChildPlan children;
};

std::vector<RowCase> RowCases() {
  using K = SkinnerKind;
  using M = AttachMode;
  using P = ChildPlan;
  auto dt = [](const char* mode, const char* kind) {
    ControlDescriptor d = Windowed({"TDateTimePicker", "TCommonCalendar"});
    d.props = {{"DateMode", mode}, {"Kind", kind}};
    return d;
  };
  auto dc = [](const char* cls, const char* n) {
    ControlDescriptor d = Windowed({cls, "TCustomControl"});
    d.props = {{"NumButtons", n}};
    return d;
  };
  return {
      {1, Windowed({"TPageControl", "TCustomTabControl"}), {xcTab}, K::Tab, M::Window, P::None},
      {2, Graphic({"TToolButton"}), {xcMainMenu}, K::None, M::Control, P::None},
      {3, Windowed({"TTabSet", "TCustomTabSet"}), {xcTab}, K::Tab31, M::Control, P::None},
      {4, Windowed({"TTabbedNotebook"}), {xcTab}, K::Tab, M::Window, P::None},
      {5, Windowed({"TMvcPanel"}), {}, K::None, M::Control, P::Walk},
      {6, Windowed({"TCheckBox", "TCustomCheckBox", "TButtonControl"}), {xcCheckBox}, K::CheckBox,
       M::Control, P::None},
      {7, Windowed({"TTrackBar"}), {xcButton}, K::TrackBar, M::Control, P::None},
      {8, Windowed({"TUpDown", "TCustomUpDown"}), {xcButton}, K::UpDown, M::Control, P::None},
      {8, Windowed({"TSpinButton"}), {xcButton}, K::UpDown, M::Control, P::None},
      {9, Windowed({"TRadioGroup", "TCustomRadioGroup", "TCustomGroupBox"}), {xcRadioButton},
       K::GroupBox, M::ControlColour, P::Each},
      {10, Windowed({"TDBNavigator", "TCustomPanel"}), {xcPanel}, K::Box, M::ControlColour, P::None},
      {11, Windowed({"TRzDBCheckBox"}), {xcCheckBox}, K::ObjImageCheck, M::ControlColour, P::None},
      {12, Windowed({"TGroupBox", "TCustomGroupBox"}), {xcPanel}, K::GroupBox, M::ControlColour, P::Walk},
      {13, Windowed({"TRadioButton", "TButtonControl"}), {xcRadioButton}, K::RadioButton, M::Control,
       P::None},
      {14, Windowed({"TToolBar", "TToolWindow"}), {xcToolbar}, K::Box, M::ControlColour, P::None},
      {15, Windowed({"TStatusBar", "TCustomStatusBar"}), {xcStatusBar}, K::StatusBar, M::Control, P::None},
      {16, Windowed({"TProgressBar"}), {xcProgress}, K::Progress, M::Control, P::None},
      {17, Windowed({"TScrollBar"}), {xcScrollbar}, K::ScControl, M::Own, P::None},
      {18, Windowed({"TComboBox", "TCustomComboBox", "TCustomCombo"}), {xcCombo}, K::ComBox, M::Control,
       P::None},
      {19, dt("dmComboBox", "dtkDate"), {xcEdit}, K::ComBox, M::Control, P::None},
      {19, dt("dmUpDown", "dtkDate"), {xcEdit}, K::Edit, M::Window, P::None},
      {19, dt("dmComboBox", "dtkTime"), {xcEdit}, K::Edit, M::Window, P::None},
      {20, Windowed({"TRichEdit", "TCustomRichEdit"}), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {21, Windowed({"TwwDBRichEdit"}), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {21, Windowed({"TdxDBMemo"}), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {22, Windowed({"TBitBtn", "TButton", "TButtonControl"}), {xcBitBtn}, K::BitButton, M::Control,
       P::None},
      {23, Graphic({"TSpeedButton"}), {xcSpeedButton}, K::SpeedButton, M::Graphic, P::None},
      {24, Windowed({"TPanel", "TCustomPanel", "TCustomControl"}), {xcPanel}, K::Box, M::ControlColour,
       P::Walk},
      {25, Windowed({"TdxTreeList"}), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {25, Windowed({"TdxDBTreeList"}), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {25, Windowed({"TdxDBGrid"}), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {26, Windowed({"TListView", "TCustomListView"}), {xcScrollbar}, K::ListView, M::Scroll, P::None},
      {27, Windowed({"TMemo", "TCustomMemo", "TCustomEdit"}), {xcScrollbar}, K::Scrollbar, M::Scroll,
       P::None},
      {28, Windowed({"TStringGrid", "TDrawGrid", "TCustomGrid"}), {xcScrollbar}, K::Scrollbar, M::Scroll,
       P::None},
      {29, Windowed({"TMyList"}, 0x200000), {xcScrollbar}, K::Scrollbar, M::Scroll, P::None},
      {30, Windowed({"TButton", "TButtonControl"}), {xcButton}, K::Button, M::Control, P::None},
      {31, Windowed({"TEdit", "TCustomEdit"}), {xcEdit}, K::Edit, M::Window, P::None},
      {32, Windowed({"TMyFrame", "TFrame", "TCustomFrame", "TScrollingWinControl"}), {}, K::None,
       M::Control, P::Walk},
      {33, Windowed({"TEmbedded", "TForm", "TCustomForm", "TScrollingWinControl"}), {}, K::Box,
       M::ControlColour, P::Walk},
      {34, dc("TDCEdit", "1"), {xcCombo}, K::ComBox, M::Control, P::None},
      {34, dc("TDCDBEdit", "0"), {xcEdit}, K::Edit, M::Window, P::None},
  };
}

std::string Describe(const RowCase& c) {
  return "row " + std::to_string(c.row) + " " + c.control.ancestry.front();
}

}  // namespace

TEST(ClassRows, EveryRowDecidesWithItsFlagOn) {
  for (const RowCase& c : RowCases()) {
    SCOPED_TRACE(Describe(c));
    Selection s = ChooseSkinner(c.control, All());
    EXPECT_EQ(s.source, Selection::Source::ClassRow);
    EXPECT_EQ(s.row, c.row);
    EXPECT_EQ(s.skinner, c.skinner);
    if (c.skinner != SkinnerKind::None) {
      EXPECT_EQ(s.mode, c.mode);
    }
    EXPECT_EQ(s.children, c.children);
  }
}

TEST(ClassRows, AFlagOffLetsTheControlFallThroughUnlessTheRowClosesTheChain) {
  for (const RowCase& c : RowCases()) {
    if (c.flags.empty()) continue;
    SCOPED_TRACE(Describe(c));
    SelectionSettings s = All();
    for (TSkinControlType t : c.flags) s.controls.Exclude(t);
    Selection r = ChooseSkinner(c.control, s);
    if (c.row == 22 || c.row == 34) {
      // The test alone ends the chain: unskinned.
      EXPECT_EQ(r.row, c.row);
      EXPECT_FALSE(r.Skinned());
    } else {
      EXPECT_GT(r.row, c.row);
    }
  }
}

TEST(ClassRows, FallingThroughReachesTheNextRowThatHolds) {
  // A radio group without xcRadioButton is still a group box.
  Selection r = ChooseSkinner(Windowed({"TRadioGroup", "TCustomRadioGroup", "TCustomGroupBox"}),
                              Without({xcRadioButton}));
  EXPECT_EQ(r.row, 12);
  EXPECT_EQ(r.skinner, SkinnerKind::GroupBox);
  EXPECT_EQ(r.children, ChildPlan::Walk);

  // A memo without scroll-bar skinning is an edit.
  r = ChooseSkinner(Windowed({"TMemo", "TCustomMemo", "TCustomEdit"}), Without({xcScrollbar}));
  EXPECT_EQ(r.row, 31);
  EXPECT_EQ(r.skinner, SkinnerKind::Edit);

  // A button that scrolls (tag 55) gets scroll bars before it could be a button.
  r = ChooseSkinner(Windowed({"TButton", "TButtonControl"}, 0, 55), All());
  EXPECT_EQ(r.row, 29);
  r = ChooseSkinner(Windowed({"TButton", "TButtonControl"}, 0, 55), Without({xcScrollbar}));
  EXPECT_EQ(r.row, 30);
  EXPECT_EQ(r.skinner, SkinnerKind::Button);

  // Tabs need the skin's "Tabs" object as well as the flag.
  r = ChooseSkinner(Windowed({"TPageControl", "TCustomTabControl"}), All(/*tabs=*/false));
  EXPECT_NE(r.row, 1);
  EXPECT_FALSE(r.Skinned());
}

TEST(ClassRows, ABitButtonIsNeverSkinnedAsAPlainButton) {
  ControlDescriptor bit = Windowed({"TBitBtn", "TButton", "TButtonControl"});
  Selection r = ChooseSkinner(bit, Without({xcBitBtn}));
  EXPECT_EQ(r.row, 22);
  EXPECT_FALSE(r.Skinned());
  r = ChooseSkinner(bit, Without({xcButton}));
  EXPECT_EQ(r.skinner, SkinnerKind::BitButton);
}

TEST(ClassRows, RowsThatChangeTheControlSaySo) {
  Selection nav = ChooseSkinner(Windowed({"TDBNavigator", "TCustomPanel"}), All());
  EXPECT_EQ(nav.setTrue, "Flat");
  Selection bar = ChooseSkinner(Windowed({"TToolBar", "TToolWindow"}), All());
  EXPECT_EQ(bar.setTrue, "Flat");
  EXPECT_TRUE(bar.toolbarCustomDraw);
  EXPECT_TRUE(bar.prepareMenuItems);
  EXPECT_TRUE(ChooseSkinner(Graphic({"TToolButton"}), All()).prepareMenuItems);
  EXPECT_TRUE(ChooseSkinner(Windowed({"TStatusBar", "TCustomStatusBar"}), All()).sizeGripOff);
  EXPECT_TRUE(ChooseSkinner(Windowed({"TStringGrid", "TCustomGrid"}), All()).fixedColorFace);
  Selection group = ChooseSkinner(Windowed({"TRadioGroup", "TCustomRadioGroup"}), All());
  EXPECT_EQ(group.childSkinner, SkinnerKind::RadioButton);
  EXPECT_EQ(group.childMode, AttachMode::Control);
}

TEST(ClassRows, ClassNamesAreComparedWithoutRegardToCase) {
  EXPECT_EQ(ChooseSkinner(Windowed({"TTRACKBAR"}), All()).row, 7);
  EXPECT_EQ(ChooseSkinner(Windowed({"trackbar_not"}), All()).row, 34);
  EXPECT_EQ(ChooseSkinner(Windowed({"tbitbtn"}), All()).skinner, SkinnerKind::BitButton);
}

TEST(ClassRows, ANameOnlyOfAnAncestorDoesNotMatchAnExactRow) {
  // "TTRACKBAR" is an exact class test: a descendant is not taken.
  EXPECT_NE(ChooseSkinner(Windowed({"TMyTrackBar", "TTrackBar"}), All()).row, 7);
}

TEST(ClassRows, AnythingElseEndsUnskinned) {
  Selection r = ChooseSkinner(Graphic({"TLabel", "TCustomLabel"}), All());
  EXPECT_EQ(r.row, 34);
  EXPECT_FALSE(r.Skinned());
  EXPECT_EQ(r.children, ChildPlan::None);
  // A DC edit with a button count the rules do not know.
  ControlDescriptor odd = Windowed({"TDCEdit"});
  odd.props = {{"NumButtons", "2"}};
  EXPECT_FALSE(ChooseSkinner(odd, All()).Skinned());
  // A DC edit is never walked as a frame, whatever it descends from.
  EXPECT_EQ(ChooseSkinner(Windowed({"TDCEdit", "TCustomFrame"}), All()).row, 34);
}

TEST(ScrollNeed, StylesClassesAndTag) {
  EXPECT_TRUE(NeedsScrollSkinner(Windowed({"TX"}, 0x100000)));
  EXPECT_TRUE(NeedsScrollSkinner(Windowed({"TX"}, 0x200000)));
  EXPECT_FALSE(NeedsScrollSkinner(Windowed({"TX"}, 0x400000)));
  // Styles count only for windowed controls.
  ControlDescriptor g = Graphic({"TX"});
  g.style = 0x300000;
  EXPECT_FALSE(NeedsScrollSkinner(g));
  for (const char* cls : {"TListBox", "TMemo", "TCustomListBox", "TCustomTreeView", "TScrollBox"})
    EXPECT_TRUE(NeedsScrollSkinner(Windowed({"TDerived", cls}))) << cls;
  EXPECT_TRUE(NeedsScrollSkinner(Graphic({"TX"}, 55)));
  EXPECT_FALSE(NeedsScrollSkinner(Graphic({"TX"}, 155)));
}

TEST(DisableTag, RemainderKeepsTheSignOfTheTag) {
  EXPECT_TRUE(TagDisabled(99, 99));
  EXPECT_TRUE(TagDisabled(199, 99));
  EXPECT_FALSE(TagDisabled(-1, 99));
  EXPECT_FALSE(TagDisabled(-99, 99));
  EXPECT_TRUE(TagDisabled(-99, -99));
  EXPECT_TRUE(TagDisabled(-199, -99));
  EXPECT_FALSE(TagDisabled(0, 99));
  EXPECT_TRUE(TagDisabled(0, 0));
  EXPECT_TRUE(TagDisabled(300, 0));
}

TEST(AlreadySkinned, ListPreviewFormsAndMissingWindows) {
  EXPECT_TRUE(CountsAsSkinned(true, true, true, "MAIN_KQ"));
  EXPECT_FALSE(CountsAsSkinned(false, true, true, "MAIN_KQ"));
  // No window yet: created and skinned, except on a preview form.
  EXPECT_FALSE(CountsAsSkinned(false, true, false, "MAIN_KQ"));
  EXPECT_TRUE(CountsAsSkinned(false, true, false, "PrintPreviewForm"));
  EXPECT_TRUE(CountsAsSkinned(false, true, false, "TQRStandardPreview"));
  EXPECT_TRUE(CountsAsSkinned(false, true, false, "TppPrintPreview"));
  EXPECT_TRUE(CountsAsSkinned(false, true, false, "TdxfmStdPreview"));
  // Window-less controls never need one.
  EXPECT_FALSE(CountsAsSkinned(false, false, false, "PreviewForm"));
}

// ---- Skin3rd -----------------------------------------------------------------------------

namespace {

struct KindCase {
  const char* kind;
  std::vector<TSkinControlType> flags;  // each of them switches it off
  SkinnerKind skinner;
  AttachMode mode;
  ChildPlan children;
};

std::vector<KindCase> KindCases() {
  using K = SkinnerKind;
  using M = AttachMode;
  using P = ChildPlan;
  return {
      {"combobox", {xcCombo}, K::ComBox, M::Control, P::None},
      {"edit", {xcEdit}, K::Edit, M::Window, P::None},
      {"radiobutton", {xcRadioButton}, K::RadioButton, M::Control, P::None},
      {"panel", {xcPanel}, K::Box, M::ControlColour, P::None},
      {"trackbar", {xcButton}, K::TrackBar, M::Control, P::None},
      {"button", {xcButton}, K::Button, M::Control, P::None},
      {"bitbtn", {xcButton}, K::BitButton, M::Control, P::None},
      {"speedbutton", {xcSpeedButton}, K::SpeedButton, M::Graphic, P::None},
      {"tab", {xcTab}, K::Tab, M::Window, P::None},
      {"progress", {xcProgress}, K::Progress, M::Control, P::None},
      {"scrollbar", {xcScrollbar}, K::Scrollbar, M::Scroll, P::Walk},
      {"embedscrollbar", {xcScrollbar}, K::None, M::Control, P::EmbedScroll},
      {"container", {}, K::None, M::Control, P::Skin3rdOnly},
      {"groupbox", {xcGroupBox}, K::GroupBox, M::ControlColour, P::None},
      {"radiogroup", {xcGroupBox}, K::GroupBox, M::ControlColour, P::Each},
      {"checkgroup", {xcPanel}, K::GroupBox, M::ControlColour, P::Each},
      {"checkbox", {xcCheckBox}, K::CheckBox, M::Control, P::None},
  };
}

}  // namespace

TEST(Skin3rdKinds, EveryKindWithItsFlagOnAndOff) {
  for (const KindCase& c : KindCases()) {
    SCOPED_TRACE(c.kind);
    Selection on = SelectionForKind(c.kind, All());
    EXPECT_EQ(on.source, Selection::Source::Skin3rd);
    EXPECT_EQ(on.skinner, c.skinner);
    if (c.skinner != SkinnerKind::None) {
      EXPECT_EQ(on.mode, c.mode);
    }
    EXPECT_EQ(on.children, c.children);
    for (TSkinControlType t : c.flags) {
      Selection off = SelectionForKind(c.kind, Without({t}));
      EXPECT_FALSE(off.Skinned()) << "flag " << kSkinControlTypeNames[t];
      EXPECT_EQ(off.children, ChildPlan::None) << "flag " << kSkinControlTypeNames[t];
    }
  }
  // Tabs also need the skin's tab object.
  EXPECT_FALSE(SelectionForKind("tab", All(/*tabs=*/false)).Skinned());
}

TEST(Skin3rdKinds, GroupsSkinTheirChildrenOnlyWithRadioButtonsOn) {
  Selection radio = SelectionForKind("radiogroup", All());
  EXPECT_EQ(radio.childSkinner, SkinnerKind::RadioButton);
  Selection check = SelectionForKind("checkgroup", All());
  EXPECT_EQ(check.childSkinner, SkinnerKind::CheckBox);

  Selection r = SelectionForKind("radiogroup", Without({xcRadioButton}));
  EXPECT_EQ(r.skinner, SkinnerKind::GroupBox);
  EXPECT_EQ(r.children, ChildPlan::None);
  // A check group asks for xcPanel, then xcGroupBox for itself.
  Selection c = SelectionForKind("checkgroup", Without({xcGroupBox}));
  EXPECT_FALSE(c.Skinned());
  EXPECT_EQ(c.children, ChildPlan::Each);
}

TEST(Skin3rdKinds, PropertiesSetToTrue) {
  EXPECT_EQ(SelectionForKind("panel", All()).setTrue, "Transparent");
  EXPECT_EQ(SelectionForKind("trackbar", All()).setTrue, "Transparent");
  EXPECT_EQ(SelectionForKind("button", All()).setTrue, "");
}

TEST(Skin3rdKinds, NilAndUnknownKindsLeaveTheControlAlone) {
  for (const char* kind : {"nil", "NIL", "mystery", ""}) {
    Selection s = SelectionForKind(kind, All());
    EXPECT_FALSE(s.Skinned()) << kind;
    EXPECT_EQ(s.children, ChildPlan::None) << kind;
  }
  EXPECT_EQ(SelectionForKind("ComboBox", All()).skinner, SkinnerKind::ComBox);
}

TEST(Skin3rdLookup, TheTableComesBeforeTheClassRows) {
  std::vector<std::string> rows = {"TMyButton=nil", "TButton=mystery", "TRzButton=button"};
  SelectionSettings s = All();
  s.skin3rd = &rows;
  // "nil" wins over row 30, which would take the button.
  Selection r = ChooseSkinner(Windowed({"TMyButton", "TButton", "TButtonControl"}), s);
  EXPECT_EQ(r.source, Selection::Source::Skin3rd);
  EXPECT_FALSE(r.Skinned());
  // An unknown kind also ends it there.
  r = ChooseSkinner(Windowed({"TButton", "TButtonControl"}), s);
  EXPECT_EQ(r.source, Selection::Source::Skin3rd);
  EXPECT_EQ(r.kind, "mystery");
  EXPECT_FALSE(r.Skinned());
  // Letter case of the class name does not matter.
  r = ChooseSkinner(Windowed({"TRZBUTTON"}), s);
  EXPECT_EQ(r.skinner, SkinnerKind::Button);
  // The table is read by the control's own class name only, not its ancestors'.
  r = ChooseSkinner(Windowed({"TMyRz", "TRzButton"}), s);
  EXPECT_EQ(r.source, Selection::Source::ClassRow);
}

TEST(Skin3rdLookup, DefaultTableFirstMatchWins) {
  SelectionSettings s = All();
  s.skin3rd = &DefaultSkin3rd();
  // TLMDGroupBox is listed twice, first as Groupbox: that one decides.
  Selection r = ChooseSkinner(Windowed({"TLMDGroupBox"}), s);
  EXPECT_EQ(r.kind, "groupbox");
  EXPECT_EQ(r.skinner, SkinnerKind::GroupBox);
  r = ChooseSkinner(Windowed({"TAdvPageControl"}), s);
  EXPECT_FALSE(r.Skinned());
  EXPECT_EQ(r.source, Selection::Source::Skin3rd);
  EXPECT_EQ(ChooseSkinner(Graphic({"TRxSpeedButton"}), s).skinner, SkinnerKind::SpeedButton);
  // Our own classes are not in it.
  EXPECT_EQ(ChooseSkinner(Windowed({"TButton", "TButtonControl"}), s).row, 30);
}

TEST(Skin3rdLookup, ContainersLookUpTheirChildrenInTheTableOnly) {
  std::vector<std::string> rows = {"TBox=container", "TInner=container", "TRzCheckBox=Checkbox"};
  SelectionSettings s = All();
  s.skin3rd = &rows;
  EXPECT_EQ(ChooseSkinner(Windowed({"TBox"}), s).children, ChildPlan::Skin3rdOnly);
  EXPECT_EQ(ChooseBySkin3rd(Windowed({"TRzCheckBox"}), s)->skinner, SkinnerKind::CheckBox);
  EXPECT_EQ(ChooseBySkin3rd(Windowed({"TInner"}), s)->children, ChildPlan::Skin3rdOnly);
  // A child the table does not name is left alone, even a plain button.
  EXPECT_FALSE(ChooseBySkin3rd(Windowed({"TButton", "TButtonControl"}), s).has_value());
}

TEST(ExcludedClasses, AreLeftAlone) {
  for (const char* cls : {"TDBComboBoxEh", "TQRPreview", "TfrDesignerPage", "TfrPBox"}) {
    Selection r = ChooseSkinner(Windowed({cls, "TCustomComboBox", "TCustomPanel"}), All());
    EXPECT_EQ(r.source, Selection::Source::Excluded) << cls;
    EXPECT_FALSE(r.Skinned()) << cls;
  }
  // The table still comes first.
  std::vector<std::string> rows = {"TQRPreview=panel"};
  SelectionSettings s = All();
  s.skin3rd = &rows;
  EXPECT_EQ(ChooseSkinner(Windowed({"TQRPreview"}), s).skinner, SkinnerKind::Box);
}

TEST(EmbeddedScroll, ScrollBarsAndScrollingChildren) {
  EXPECT_EQ(ChooseEmbeddedScroll(Windowed({"TScrollBar"}), All()).skinner, SkinnerKind::ScControl);
  Selection s = ChooseEmbeddedScroll(Windowed({"TListBox", "TCustomListBox"}), All());
  EXPECT_EQ(s.skinner, SkinnerKind::Scrollbar);
  EXPECT_EQ(s.mode, AttachMode::Scroll);
  EXPECT_FALSE(ChooseEmbeddedScroll(Windowed({"TButton"}), All()).Skinned());
}

TEST(ChildWindows, ButtonStyles) {
  struct {
    std::uint32_t style;
    SkinnerKind expected;
  } cases[] = {
      {0x0, SkinnerKind::Button},        // BS_PUSHBUTTON
      {0x1, SkinnerKind::Button},        // BS_DEFPUSHBUTTON
      {0x2, SkinnerKind::CheckBox},      // BS_CHECKBOX
      {0x3, SkinnerKind::CheckBox},      // BS_AUTOCHECKBOX
      {0x4, SkinnerKind::RadioButton},   // BS_RADIOBUTTON
      {0x5, SkinnerKind::CheckBox},      // BS_3STATE
      {0x6, SkinnerKind::CheckBox},      // BS_AUTO3STATE
      {0x7, SkinnerKind::None},          // BS_GROUPBOX
      {0x8, SkinnerKind::Button},        // BS_USERBUTTON
      {0x9, SkinnerKind::RadioButton},   // BS_AUTORADIOBUTTON
      {0xB, SkinnerKind::None},          // BS_OWNERDRAW: drawn by its program
      {0x50010000, SkinnerKind::Button}, // window styles do not disturb the type
      {0x50010007, SkinnerKind::None},
      {0x50010009, SkinnerKind::RadioButton},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ChooseForChildWindow("Button", c.style).skinner, c.expected) << std::hex << c.style;
}

TEST(ChildWindows, OtherClasses) {
  EXPECT_EQ(ChooseForChildWindow("ComboBox", 0x2).skinner, SkinnerKind::ComBox);  // drop-down
  EXPECT_EQ(ChooseForChildWindow("COMBOBOX", 0x3).skinner, SkinnerKind::ComBox);  // drop-down list
  EXPECT_EQ(ChooseForChildWindow("combobox", 0x1).skinner, SkinnerKind::None);    // simple
  ChildWindowChoice ex = ChooseForChildWindow("ComboBoxEx32", 0);
  EXPECT_EQ(ex.skinner, SkinnerKind::ComBox);
  EXPECT_TRUE(ex.onFirstChild);
  EXPECT_EQ(ChooseForChildWindow("ScrollBar", 0x10).skinner, SkinnerKind::Sizer);
  EXPECT_EQ(ChooseForChildWindow("#32770", 0).skinner, SkinnerKind::BoxH);
  EXPECT_EQ(ChooseForChildWindow("Edit", 0).skinner, SkinnerKind::Edit);
  EXPECT_EQ(ChooseForChildWindow("Static", 0).skinner, SkinnerKind::None);
  EXPECT_EQ(ChooseForChildWindow("SysListView32", 0).skinner, SkinnerKind::None);
  EXPECT_FALSE(ChooseForChildWindow("Edit", 0).onFirstChild);
}

TEST(SkinnerNames, AreTheClassNamesOfTheSkinners) {
  EXPECT_EQ(SkinnerClassName(SkinnerKind::Button), "TSkinButton");
  EXPECT_EQ(SkinnerClassName(SkinnerKind::BitButton), "TSkinBitButton");
  EXPECT_EQ(SkinnerClassName(SkinnerKind::SpeedButton), "TSkinSpeedButton");
  EXPECT_EQ(SkinnerClassName(SkinnerKind::Sizer), "TSkinSizer");
  EXPECT_EQ(SkinnerClassName(SkinnerKind::None), "");
}

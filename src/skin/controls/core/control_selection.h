// Which control skinner a control gets, decided without a window.
//
// The form skinner's discovery (skin/form/control_discovery.h) describes each control it
// finds in a ControlDescriptor and asks, in this order:
//   1. TagDisabled            - the skin's DisableTag switches this control off;
//   2. CountsAsSkinned        - a skinner already has it (or it lives on a preview form);
//   3. (creates the window, asks the program's OnSkinControl event: Win32 side)
//   4. ChooseSkinner          - the Skin3rd table of other libraries' classes, the excluded
//                               class names and the ordered class rows.
// For plain child windows of foreign windows ("#32770" dialogs) ChooseForChildWindow reads
// the window class and style instead.
//
// The answer names the skinner and how it is attached, what is done to the control's
// properties, and which of its children are looked at next.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "skin/controls/core/skin_options.h"

namespace kq::skin {

// The control skinner classes the rules choose from.
enum class SkinnerKind : std::uint8_t {
  None,
  Button,         // TSkinButton
  BitButton,      // TSkinBitButton
  SpeedButton,    // TSkinSpeedButton
  CheckBox,       // TSkinCheckBox
  RadioButton,    // TSkinRadioButton
  GroupBox,       // TSkinGroupBox
  Box,            // TSkinBox
  BoxH,           // TSkinBoxH (dialog windows)
  StatusBar,      // TSkinStatusBar
  Progress,       // TSkinProgress
  Scrollbar,      // TSkinScrollbar (scroll bars of a scrolling control)
  ScControl,      // TSkinScControl (a scroll bar control)
  ListView,       // TSkinListView
  ComBox,         // TSkinComBox
  Edit,           // TSkinEdit
  Tab,            // TSkinTab
  Tab31,          // TSkinTab31
  TrackBar,       // TSkinTrackBar
  UpDown,         // TSkinUpDown
  ObjImageCheck,  // TSkinObjImage in check-image mode
  Sizer,          // TSkinSizer
};

// "TSkinButton" ... ; "" for None.
std::string_view SkinnerClassName(SkinnerKind kind);

// How a skinner is put in front of a control.
enum class AttachMode : std::uint8_t {
  Control,        // AttachToControl, the control keeps its Color
  ControlColour,  // AttachToControl, Color becomes the skin's face colour while attached
  Window,         // AttachToWindow on the control's window
  Graphic,        // the speed-button attach of a window-less control
  Scroll,         // AttachScrollBars
  Own,            // the skinner's own attach (TSkinScControl)
};

// What the rules know about a control.
struct ControlDescriptor {
  // The class name first, then the ancestors' names (as the class tree answers "is X").
  std::vector<std::string> ancestry;
  int tag = 0;
  std::uint32_t style = 0;  // window style, for windowed controls
  bool windowed = false;
  // Published properties the rules read ("NumButtons", "DateMode", "Kind"), as text, for
  // the controls that have them.
  std::vector<std::pair<std::string, std::string>> props;

  // The class name, upper-cased.
  std::string ClassUpper() const;
  // Of class `name` or a descendant (any letter case).
  bool Is(std::string_view name) const;
  // Exactly of class `name` (any letter case).
  bool IsExactly(std::string_view name) const;
  const std::string* Prop(std::string_view name) const;
};

// The published properties ControlDescriptor::props carries.
inline constexpr std::string_view kPropsRead[] = {"NumButtons", "DateMode", "Kind"};

// What the skin component says.
struct SelectionSettings {
  TSkinControls controls;
  const std::vector<std::string>* skin3rd = nullptr;  // rows "ClassName=kind"
  bool hasTabs = false;                               // the skin has a "Tabs" object
};

// What happens to the children of a chosen control.
enum class ChildPlan : std::uint8_t {
  None,
  Walk,          // every component of the control goes through the whole procedure
  Each,          // every child control gets `childSkinner` (attached as `childMode`)
  EmbedScroll,   // every child control: ChooseEmbeddedScroll
  Skin3rdOnly,   // every child control: ChooseBySkin3rd only
};

struct Selection {
  SkinnerKind skinner = SkinnerKind::None;
  AttachMode mode = AttachMode::Control;
  ChildPlan children = ChildPlan::None;
  SkinnerKind childSkinner = SkinnerKind::None;
  AttachMode childMode = AttachMode::Control;
  // A published property set to "True" first ("Flat", "Transparent"), when the control has it.
  std::string setTrue;
  bool sizeGripOff = false;        // a status bar loses its size grip
  bool fixedColorFace = false;     // a grid's FixedColor becomes the face colour
  bool toolbarCustomDraw = false;  // a tool bar's custom draw goes to the form skinner
  bool prepareMenuItems = false;   // the control's menu items get skinned menu drawing

  // Where the decision was made.
  enum class Source : std::uint8_t { Skin3rd, Excluded, ClassRow, NoRow };
  Source source = Source::NoRow;
  int row = 0;           // the class row (1..34) that decided, for Source::ClassRow
  std::string kind;      // the Skin3rd kind, for Source::Skin3rd

  bool Skinned() const { return skinner != SkinnerKind::None; }
};

// Step 1: the control's Tag, remainder by 100 with the sign of the Tag, equals DisableTag.
bool TagDisabled(int tag, int disableTag);

// Step 2: a skinner of the form skinner has this control (by graphic control or window);
// a windowed control that has no window yet counts as skinned only on a preview form (its
// window is not made just to be skinned).
bool CountsAsSkinned(bool skinnerHasIt, bool windowed, bool hasWindow, std::string_view formName);
bool IsPreviewFormName(std::string_view formName);

// The first Skin3rd row naming the control's class (ignoring case) gives a kind.
std::optional<std::string> FindSkin3rdKind(const ControlDescriptor& c, const SelectionSettings& s);

// Steps 5 to 7: the Skin3rd table, the excluded classes and the ordered class rows.
Selection ChooseSkinner(const ControlDescriptor& c, const SelectionSettings& s);

// The Skin3rd table alone (children of a "container" entry); nothing when no row names it.
std::optional<Selection> ChooseBySkin3rd(const ControlDescriptor& c, const SelectionSettings& s);

// What a Skin3rd kind gives (the kind in any letter case).
Selection SelectionForKind(std::string_view kind, const SelectionSettings& s);

// The ordered class rows alone.
Selection ChooseByClass(const ControlDescriptor& c, const SelectionSettings& s);

// Scroll bars are skinned on a scrolling window: one with WS_HSCROLL or WS_VSCROLL, a list
// box, memo, tree view or scroll box, or a control tagged 55.
bool NeedsScrollSkinner(const ControlDescriptor& c);

// A child of an "embedscrollbar" control: a scroll bar control gets TSkinScControl, a
// scrolling control TSkinScrollbar.
Selection ChooseEmbeddedScroll(const ControlDescriptor& child, const SelectionSettings& s);

// A plain child window of a foreign window, by its class name (any case) and style. The
// skinner of a "ComboBoxEx32" goes on its first child window.
struct ChildWindowChoice {
  SkinnerKind skinner = SkinnerKind::None;
  bool onFirstChild = false;
};
ChildWindowChoice ChooseForChildWindow(std::string_view className, std::uint32_t style);

}  // namespace kq::skin

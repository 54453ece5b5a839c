#include "skin/controls/core/control_selection.h"

#include <array>

#include "base/ascii_case.h"
#include "skin/controls/core/skin3rd.h"

namespace kq::skin {
namespace {

Selection Make(SkinnerKind kind, AttachMode mode) {
  Selection s;
  s.skinner = kind;
  s.mode = mode;
  return s;
}

Selection Nothing() { return Selection{}; }

bool TabsOn(const SelectionSettings& s) { return s.controls.Has(xcTab) && s.hasTabs; }

// One row of the ordered class tests. A row whose test holds but whose flag is clear lets
// the control fall through to the next row, unless the row closes the chain.
struct ClassRow {
  int no;
  bool (*test)(const ControlDescriptor&);
  bool (*flag)(const ControlDescriptor&, const SelectionSettings&);
  Selection (*result)(const ControlDescriptor&, const SelectionSettings&);
  bool closesChain;
};

bool Always(const ControlDescriptor&, const SelectionSettings&) { return true; }

template <TSkinControlType T>
bool Flag(const ControlDescriptor&, const SelectionSettings& s) {
  return s.controls.Has(T);
}

bool TabFlag(const ControlDescriptor&, const SelectionSettings& s) { return TabsOn(s); }

bool IsDcEdit(const ControlDescriptor& c) { return c.IsExactly("TDCEDIT") || c.IsExactly("TDCDBEDIT"); }

Selection WalkOnly() {
  Selection s;
  s.children = ChildPlan::Walk;
  return s;
}

Selection Scroll(const ControlDescriptor&, const SelectionSettings&) {
  return Make(SkinnerKind::Scrollbar, AttachMode::Scroll);
}

Selection DateTimePicker(const ControlDescriptor& c, const SelectionSettings&) {
  const std::string* mode = c.Prop("DateMode");
  const std::string* kind = c.Prop("Kind");
  const bool upDown = mode && SameAsciiNoCase(*mode, "dmUpDown");
  const bool time = kind && SameAsciiNoCase(*kind, "dtkTime");
  if (upDown || time) return Make(SkinnerKind::Edit, AttachMode::Window);
  return Make(SkinnerKind::ComBox, AttachMode::Control);
}

Selection DcEdit(const ControlDescriptor& c, const SelectionSettings& s) {
  const std::string* n = c.Prop("NumButtons");
  if (!n) return Nothing();
  if (*n == "1" && s.controls.Has(xcCombo)) return Make(SkinnerKind::ComBox, AttachMode::Control);
  if (*n == "0" && s.controls.Has(xcEdit)) return Make(SkinnerKind::Edit, AttachMode::Window);
  return Nothing();
}

const std::array<ClassRow, 34>& ClassRows() {
  using C = const ControlDescriptor&;
  using S = const SelectionSettings&;
  static const std::array<ClassRow, 34> rows = {{
      {1, [](C c) { return c.Is("TCustomTabControl"); }, TabFlag,
       [](C, S) { return Make(SkinnerKind::Tab, AttachMode::Window); }, false},
      {2, [](C c) { return c.Is("TToolButton"); }, Flag<xcMainMenu>,
       [](C, S) {
         Selection s;
         s.prepareMenuItems = true;
         return s;
       },
       false},
      {3, [](C c) { return c.IsExactly("TTABSET"); }, TabFlag,
       [](C, S) { return Make(SkinnerKind::Tab31, AttachMode::Control); }, false},
      {4, [](C c) { return c.IsExactly("TTABBEDNOTEBOOK"); }, TabFlag,
       [](C, S) { return Make(SkinnerKind::Tab, AttachMode::Window); }, false},
      {5, [](C c) { return c.IsExactly("TMVCPANEL"); }, Always, [](C, S) { return WalkOnly(); }, true},
      {6, [](C c) { return c.Is("TCustomCheckBox"); }, Flag<xcCheckBox>,
       [](C, S) { return Make(SkinnerKind::CheckBox, AttachMode::Control); }, false},
      {7, [](C c) { return c.IsExactly("TTRACKBAR"); }, Flag<xcButton>,
       [](C, S) { return Make(SkinnerKind::TrackBar, AttachMode::Control); }, false},
      {8, [](C c) { return c.IsExactly("TUPDOWN") || c.IsExactly("TSPINBUTTON"); }, Flag<xcButton>,
       [](C, S) { return Make(SkinnerKind::UpDown, AttachMode::Control); }, false},
      {9, [](C c) { return c.Is("TCustomRadioGroup"); }, Flag<xcRadioButton>,
       [](C, S) {
         Selection s = Make(SkinnerKind::GroupBox, AttachMode::ControlColour);
         s.children = ChildPlan::Each;
         s.childSkinner = SkinnerKind::RadioButton;
         s.childMode = AttachMode::Control;
         return s;
       },
       false},
      {10, [](C c) { return c.IsExactly("TDBNAVIGATOR"); }, Flag<xcPanel>,
       [](C, S) {
         Selection s = Make(SkinnerKind::Box, AttachMode::ControlColour);
         s.setTrue = "Flat";
         return s;
       },
       false},
      {11, [](C c) { return c.IsExactly("TRZDBCHECKBOX"); }, Flag<xcCheckBox>,
       [](C, S) { return Make(SkinnerKind::ObjImageCheck, AttachMode::ControlColour); }, false},
      {12, [](C c) { return c.Is("TCustomGroupBox"); }, Flag<xcPanel>,
       [](C, S) {
         Selection s = Make(SkinnerKind::GroupBox, AttachMode::ControlColour);
         s.children = ChildPlan::Walk;
         return s;
       },
       false},
      {13, [](C c) { return c.Is("TRadioButton"); }, Flag<xcRadioButton>,
       [](C, S) { return Make(SkinnerKind::RadioButton, AttachMode::Control); }, false},
      {14, [](C c) { return c.Is("TToolBar"); }, Flag<xcToolbar>,
       [](C, S) {
         Selection s = Make(SkinnerKind::Box, AttachMode::ControlColour);
         s.setTrue = "Flat";
         s.toolbarCustomDraw = true;
         s.prepareMenuItems = true;
         return s;
       },
       false},
      {15, [](C c) { return c.Is("TCustomStatusBar"); }, Flag<xcStatusBar>,
       [](C, S) {
         Selection s = Make(SkinnerKind::StatusBar, AttachMode::Control);
         s.sizeGripOff = true;
         return s;
       },
       false},
      {16, [](C c) { return c.Is("TProgressBar"); }, Flag<xcProgress>,
       [](C, S) { return Make(SkinnerKind::Progress, AttachMode::Control); }, false},
      {17, [](C c) { return c.Is("TScrollBar"); }, Flag<xcScrollbar>,
       [](C, S) { return Make(SkinnerKind::ScControl, AttachMode::Own); }, false},
      {18, [](C c) { return c.Is("TCustomComboBox"); }, Flag<xcCombo>,
       [](C, S) { return Make(SkinnerKind::ComBox, AttachMode::Control); }, false},
      {19, [](C c) { return c.IsExactly("TDATETIMEPICKER"); }, Flag<xcEdit>, DateTimePicker, false},
      {20, [](C c) { return c.IsExactly("TRICHEDIT"); }, Flag<xcScrollbar>, Scroll, false},
      {21, [](C c) { return c.IsExactly("TWWDBRICHEDIT") || c.IsExactly("TDXDBMEMO"); },
       Flag<xcScrollbar>, Scroll, false},
      {22, [](C c) { return c.Is("TBitBtn"); }, Flag<xcBitBtn>,
       [](C, S) { return Make(SkinnerKind::BitButton, AttachMode::Control); }, true},
      {23, [](C c) { return c.Is("TSpeedButton"); }, Flag<xcSpeedButton>,
       [](C, S) { return Make(SkinnerKind::SpeedButton, AttachMode::Graphic); }, false},
      {24, [](C c) { return c.Is("TCustomPanel"); }, Flag<xcPanel>,
       [](C, S) {
         Selection s = Make(SkinnerKind::Box, AttachMode::ControlColour);
         s.children = ChildPlan::Walk;
         return s;
       },
       false},
      {25,
       [](C c) { return c.IsExactly("TDXTREELIST") || c.IsExactly("TDXDBTREELIST") || c.IsExactly("TDXDBGRID"); },
       Flag<xcScrollbar>, Scroll, false},
      {26, [](C c) { return c.Is("TCustomListView"); }, Flag<xcScrollbar>,
       [](C, S) { return Make(SkinnerKind::ListView, AttachMode::Scroll); }, false},
      {27, [](C c) { return c.Is("TCustomMemo"); }, Flag<xcScrollbar>, Scroll, false},
      {28, [](C c) { return c.Is("TCustomGrid"); }, Flag<xcScrollbar>,
       [](C, S) {
         Selection s = Make(SkinnerKind::Scrollbar, AttachMode::Scroll);
         s.fixedColorFace = true;
         return s;
       },
       false},
      {29, NeedsScrollSkinner, Flag<xcScrollbar>, Scroll, false},
      {30, [](C c) { return c.Is("TButton"); }, Flag<xcButton>,
       [](C, S) { return Make(SkinnerKind::Button, AttachMode::Control); }, false},
      {31, [](C c) { return c.Is("TCustomEdit"); }, Flag<xcEdit>,
       [](C, S) { return Make(SkinnerKind::Edit, AttachMode::Window); }, false},
      // Rows 32 to 34 end the chain for everything: a control that is not a TDCEDIT is
      // walked when it is a frame, skinned as a box when it is a form, and left alone
      // otherwise.
      {32, [](C c) { return !IsDcEdit(c) && c.Is("TCustomFrame"); }, Always,
       [](C, S) { return WalkOnly(); }, true},
      {33, [](C c) { return !IsDcEdit(c) && c.Is("TCustomForm"); }, Always,
       [](C, S) {
         Selection s = Make(SkinnerKind::Box, AttachMode::ControlColour);
         s.children = ChildPlan::Walk;
         return s;
       },
       true},
      {34, [](C) { return true; }, Always,
       [](C c, S s) { return IsDcEdit(c) ? DcEdit(c, s) : Nothing(); }, true},
  }};
  return rows;
}

}  // namespace

std::string_view SkinnerClassName(SkinnerKind kind) {
  switch (kind) {
    case SkinnerKind::None: return "";
    case SkinnerKind::Button: return "TSkinButton";
    case SkinnerKind::BitButton: return "TSkinBitButton";
    case SkinnerKind::SpeedButton: return "TSkinSpeedButton";
    case SkinnerKind::CheckBox: return "TSkinCheckBox";
    case SkinnerKind::RadioButton: return "TSkinRadioButton";
    case SkinnerKind::GroupBox: return "TSkinGroupBox";
    case SkinnerKind::Box: return "TSkinBox";
    case SkinnerKind::BoxH: return "TSkinBoxH";
    case SkinnerKind::StatusBar: return "TSkinStatusBar";
    case SkinnerKind::Progress: return "TSkinProgress";
    case SkinnerKind::Scrollbar: return "TSkinScrollbar";
    case SkinnerKind::ScControl: return "TSkinScControl";
    case SkinnerKind::ListView: return "TSkinListView";
    case SkinnerKind::ComBox: return "TSkinComBox";
    case SkinnerKind::Edit: return "TSkinEdit";
    case SkinnerKind::Tab: return "TSkinTab";
    case SkinnerKind::Tab31: return "TSkinTab31";
    case SkinnerKind::TrackBar: return "TSkinTrackBar";
    case SkinnerKind::UpDown: return "TSkinUpDown";
    case SkinnerKind::ObjImageCheck: return "TSkinObjImage";
    case SkinnerKind::Sizer: return "TSkinSizer";
  }
  return "";
}

// ---- ControlDescriptor -------------------------------------------------------------------

std::string ControlDescriptor::ClassUpper() const { return ancestry.empty() ? std::string() : AsciiUpper(ancestry.front()); }

bool ControlDescriptor::Is(std::string_view name) const {
  for (const std::string& a : ancestry)
    if (SameAsciiNoCase(a, name)) return true;
  return false;
}

bool ControlDescriptor::IsExactly(std::string_view name) const {
  return !ancestry.empty() && SameAsciiNoCase(ancestry.front(), name);
}

const std::string* ControlDescriptor::Prop(std::string_view name) const {
  for (const auto& [k, v] : props)
    if (SameAsciiNoCase(k, name)) return &v;
  return nullptr;
}

// ---- the steps ---------------------------------------------------------------------------

bool TagDisabled(int tag, int disableTag) { return tag % 100 == disableTag; }

bool IsPreviewFormName(std::string_view formName) {
  return AsciiLower(formName).find("preview") != std::string::npos || formName == "TQRStandardPreview" ||
         formName == "TppPrintPreview" || formName == "TdxfmStdPreview";
}

bool CountsAsSkinned(bool skinnerHasIt, bool windowed, bool hasWindow, std::string_view formName) {
  if (skinnerHasIt) return true;
  return windowed && !hasWindow && IsPreviewFormName(formName);
}

std::optional<std::string> FindSkin3rdKind(const ControlDescriptor& c, const SelectionSettings& s) {
  if (!s.skin3rd || c.ancestry.empty()) return std::nullopt;
  return Skin3rdKind(*s.skin3rd, c.ancestry.front());
}

Selection SelectionForKind(std::string_view kindText, const SelectionSettings& s) {
  const std::string kind = AsciiLower(kindText);
  const TSkinControls& f = s.controls;
  Selection r;
  if (kind == "combobox") {
    if (f.Has(xcCombo)) r = Make(SkinnerKind::ComBox, AttachMode::Control);
  } else if (kind == "edit") {
    if (f.Has(xcEdit)) r = Make(SkinnerKind::Edit, AttachMode::Window);
  } else if (kind == "radiobutton") {
    if (f.Has(xcRadioButton)) r = Make(SkinnerKind::RadioButton, AttachMode::Control);
  } else if (kind == "panel") {
    if (f.Has(xcPanel)) {
      r = Make(SkinnerKind::Box, AttachMode::ControlColour);
      r.setTrue = "Transparent";
    }
  } else if (kind == "trackbar") {
    if (f.Has(xcButton)) {
      r = Make(SkinnerKind::TrackBar, AttachMode::Control);
      r.setTrue = "Transparent";
    }
  } else if (kind == "button") {
    if (f.Has(xcButton)) r = Make(SkinnerKind::Button, AttachMode::Control);
  } else if (kind == "bitbtn") {
    if (f.Has(xcButton)) r = Make(SkinnerKind::BitButton, AttachMode::Control);
  } else if (kind == "speedbutton") {
    if (f.Has(xcSpeedButton)) r = Make(SkinnerKind::SpeedButton, AttachMode::Graphic);
  } else if (kind == "tab") {
    if (TabsOn(s)) r = Make(SkinnerKind::Tab, AttachMode::Window);
  } else if (kind == "progress") {
    if (f.Has(xcProgress)) r = Make(SkinnerKind::Progress, AttachMode::Control);
  } else if (kind == "scrollbar") {
    if (f.Has(xcScrollbar)) {
      r = Make(SkinnerKind::Scrollbar, AttachMode::Scroll);
      r.children = ChildPlan::Walk;
    }
  } else if (kind == "embedscrollbar") {
    if (f.Has(xcScrollbar)) r.children = ChildPlan::EmbedScroll;
  } else if (kind == "container") {
    r.children = ChildPlan::Skin3rdOnly;
  } else if (kind == "groupbox") {
    if (f.Has(xcGroupBox)) r = Make(SkinnerKind::GroupBox, AttachMode::ControlColour);
  } else if (kind == "radiogroup" || kind == "checkgroup") {
    const bool radio = kind == "radiogroup";
    if (f.Has(radio ? xcGroupBox : xcPanel)) {
      if (f.Has(xcGroupBox)) r = Make(SkinnerKind::GroupBox, AttachMode::ControlColour);
      // Both kinds ask for xcRadioButton before their children get skinned.
      if (f.Has(xcRadioButton)) {
        r.children = ChildPlan::Each;
        r.childSkinner = radio ? SkinnerKind::RadioButton : SkinnerKind::CheckBox;
        r.childMode = AttachMode::Control;
      }
    }
  } else if (kind == "checkbox") {
    if (f.Has(xcCheckBox)) r = Make(SkinnerKind::CheckBox, AttachMode::Control);
  }
  // "nil" and unknown kinds: nothing.
  r.source = Selection::Source::Skin3rd;
  r.kind = kind;
  return r;
}

std::optional<Selection> ChooseBySkin3rd(const ControlDescriptor& c, const SelectionSettings& s) {
  std::optional<std::string> kind = FindSkin3rdKind(c, s);
  if (!kind) return std::nullopt;
  return SelectionForKind(*kind, s);
}

Selection ChooseByClass(const ControlDescriptor& c, const SelectionSettings& s) {
  for (const ClassRow& row : ClassRows()) {
    if (!row.test(c)) continue;
    const bool flag = row.flag(c, s);
    if (!flag && !row.closesChain) continue;
    Selection r = flag ? row.result(c, s) : Nothing();
    r.source = Selection::Source::ClassRow;
    r.row = row.no;
    return r;
  }
  return Nothing();  // not reached: row 34 takes everything
}

Selection ChooseSkinner(const ControlDescriptor& c, const SelectionSettings& s) {
  if (std::optional<Selection> third = ChooseBySkin3rd(c, s)) return *third;
  static constexpr std::string_view kExcluded[] = {"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE",
                                                   "TFRPBOX"};
  const std::string cls = c.ClassUpper();
  for (std::string_view name : kExcluded) {
    if (cls == name) {
      Selection r;
      r.source = Selection::Source::Excluded;
      return r;
    }
  }
  return ChooseByClass(c, s);
}

bool NeedsScrollSkinner(const ControlDescriptor& c) {
  constexpr std::uint32_t kScrollStyles = 0x100000u | 0x200000u;  // WS_HSCROLL | WS_VSCROLL
  if (c.windowed && (c.style & kScrollStyles)) return true;
  for (std::string_view name : {"TListBox", "TMemo", "TCustomListBox", "TCustomTreeView", "TScrollBox"})
    if (c.Is(name)) return true;
  return c.tag == 55;
}

Selection ChooseEmbeddedScroll(const ControlDescriptor& child, const SelectionSettings&) {
  if (child.Is("TScrollBar")) return Make(SkinnerKind::ScControl, AttachMode::Own);
  if (NeedsScrollSkinner(child)) return Make(SkinnerKind::Scrollbar, AttachMode::Scroll);
  return Nothing();
}

ChildWindowChoice ChooseForChildWindow(std::string_view className, std::uint32_t style) {
  const std::string cls = AsciiLower(className);
  ChildWindowChoice r;
  if (cls == "button") {
    const std::uint32_t type = style & 0xF;
    if ((style & 7) == 7) return r;          // group box
    if (type == 0xB) return r;                // owner-drawn: the program draws it itself
    if ((style & 3) == 3 || (style & 2) || (style & 5) == 5)
      r.skinner = SkinnerKind::CheckBox;
    else if ((style & 9) == 9 || (style & 4))
      r.skinner = SkinnerKind::RadioButton;
    else
      r.skinner = SkinnerKind::Button;
  } else if (cls == "combobox") {
    if ((style & 3) != 1) r.skinner = SkinnerKind::ComBox;  // not a simple combo box
  } else if (cls == "comboboxex32") {
    r.skinner = SkinnerKind::ComBox;
    r.onFirstChild = true;
  } else if (cls == "scrollbar") {
    r.skinner = SkinnerKind::Sizer;
  } else if (cls == "#32770") {
    r.skinner = SkinnerKind::BoxH;
  } else if (cls == "edit") {
    r.skinner = SkinnerKind::Edit;
  }
  return r;
}

}  // namespace kq::skin

#include "skin/form/control_discovery.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/skin_bars.h"
#include "skin/controls/skin_boxes.h"
#include "skin/controls/skin_buttons.h"
#include "skin/controls/skin_checks.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_edits.h"
#include "skin/controls/skin_look.h"
#include "skin/controls/skin_scrollbars.h"
#include "skin/controls/skin_tabs.h"
#include "skin/form/win_skin_form.h"
#include "ui/forms.h"
#include "ui/text.h"

using namespace kq::skin;

namespace {

struct Walk {
  explicit Walk(TWinSkinForm& fs) : formSkinner(fs) {}
  TWinSkinForm& formSkinner;
  TSkinLook* skin = nullptr;
  SelectionSettings settings;
  std::string formName;
  std::vector<TSkinChoice> choices;
};

Walk StartWalk(TWinSkinForm& fs, std::string formName) {
  Walk w(fs);
  w.skin = fs.Skin();
  if (w.skin) {
    w.settings.controls = w.skin->SkinControls;
    w.settings.skin3rd = &w.skin->Skin3rd();
    w.settings.hasTabs = w.skin->Tabs != nullptr;
  }
  w.formName = std::move(formName);
  return w;
}

bool ListHolds(const TWinSkinForm& fs, const TControl* control, HWND wnd) {
  return std::any_of(fs.ControlSkinners.begin(), fs.ControlSkinners.end(), [&](const TSkinControl* s) {
    return (control && (s->Control == control || s->GraphicControl == control)) || (wnd && s->Handle == wnd);
  });
}

HWND WindowOf(TControl* c) {
  auto* w = dynamic_cast<TWinControl*>(c);
  return w ? w->HandleOrNull() : nullptr;
}

// The skinner object of a kind this program has, owned by `owner`; nullptr for kinds whose
// classes are not in the program yet.
TSkinControl* MakeSkinner(SkinnerKind kind, TComponent* owner) {
  switch (kind) {
    case SkinnerKind::Button:
      return new TSkinButton(owner);
    case SkinnerKind::BitButton:
      return new TSkinBitButton(owner);
    case SkinnerKind::SpeedButton:
      return new TSkinSpeedButton(owner);
    case SkinnerKind::Scrollbar:
      return new TSkinScrollbar(owner);
    case SkinnerKind::ListView:
      return new TSkinListView(owner);
    case SkinnerKind::ScControl:
      return new TSkinScControl(owner);
    case SkinnerKind::CheckBox:
      return new TSkinCheckBox(owner);
    case SkinnerKind::RadioButton:
      return new TSkinRadioButton(owner);
    case SkinnerKind::ObjImageCheck: {
      auto* s = new TSkinObjImage(owner);
      s->Mode = 1;
      return s;
    }
    case SkinnerKind::GroupBox:
      return new TSkinGroupBox(owner);
    case SkinnerKind::Box:
      return new TSkinBox(owner);
    case SkinnerKind::BoxH:
      return new TSkinBoxH(owner);
    case SkinnerKind::Sizer:
      return new TSkinSizer(owner);
    case SkinnerKind::StatusBar:
      return new TSkinStatusBar(owner);
    case SkinnerKind::Edit:
      return new TSkinEdit(owner);
    case SkinnerKind::ComBox:
      return new TSkinComBox(owner);
    case SkinnerKind::TrackBar:
      return new TSkinTrackBar(owner);
    case SkinnerKind::UpDown:
      return new TSkinUpDown(owner);
    case SkinnerKind::Progress:
      return new TSkinProgress(owner);
    case SkinnerKind::Tab:
      return new TSkinTab(owner);
    case SkinnerKind::Tab31:
      return new TSkinTab31(owner);
    default:
      return nullptr;
  }
}

void AttachSkinner(Walk& w, TControl* c, SkinnerKind kind, AttachMode mode) {
  TSkinChoice choice;
  choice.Control = c;
  choice.Kind = kind;
  choice.Mode = mode;
  TCanvas* canvas = &w.formSkinner.ControlCanvas();
  if (TSkinControl* s = MakeSkinner(kind, c)) {
    switch (mode) {
      case AttachMode::Control:
      case AttachMode::ControlColour:
        s->AttachToControl(&w.formSkinner, w.skin, mode == AttachMode::ControlColour, canvas);
        break;
      case AttachMode::Window:
        if (HWND h = WindowOf(c)) s->AttachToWindow(h, w.skin, &w.formSkinner, canvas);
        break;
      case AttachMode::Graphic:
        if (auto* speed = dynamic_cast<TSkinSpeedButton*>(s)) speed->AttachToGraphic(&w.formSkinner, w.skin, canvas);
        break;
      case AttachMode::Scroll:
        if (auto* sb = dynamic_cast<TSkinScrollbar*>(s)) sb->AttachScrollBars(c, w.skin, &w.formSkinner, canvas);
        break;
      case AttachMode::Own:
        if (auto* sc = dynamic_cast<TSkinScControl*>(s)) sc->AttachScControl(c, w.skin, &w.formSkinner, canvas);
        break;
    }
    if (s->Attached) {
      choice.Skinner = s;
    } else {
      delete s;
    }
  }
  w.choices.push_back(choice);
}

void SkinComponents(Walk& w, TComponent* container);
void ApplySelection(Walk& w, TControl* c, const Selection& sel);

// The children (controls placed on it) of a container control.
std::vector<TControl*> ChildControls(TControl* c) {
  auto* w = dynamic_cast<TWinControl*>(c);
  return w ? std::vector<TControl*>(w->Controls()) : std::vector<TControl*>();
}

void ApplyToChildren(Walk& w, TControl* c, const Selection& sel) {
  switch (sel.children) {
    case ChildPlan::None:
      return;
    case ChildPlan::Walk:
      SkinComponents(w, c);
      return;
    case ChildPlan::Each:
      for (TControl* child : ChildControls(c))
        if (!ListHolds(w.formSkinner, child, WindowOf(child)))
          AttachSkinner(w, child, sel.childSkinner, sel.childMode);
      return;
    case ChildPlan::EmbedScroll:
      for (TControl* child : ChildControls(c))
        if (!ListHolds(w.formSkinner, child, WindowOf(child)))
          ApplySelection(w, child, ChooseEmbeddedScroll(DescribeControl(child), w.settings));
      return;
    case ChildPlan::Skin3rdOnly:
      for (TControl* child : ChildControls(c)) {
        if (ListHolds(w.formSkinner, child, WindowOf(child))) continue;
        if (std::optional<Selection> s = ChooseBySkin3rd(DescribeControl(child), w.settings))
          ApplySelection(w, child, *s);
      }
      return;
  }
}

void ApplySelection(Walk& w, TControl* c, const Selection& sel) {
  // What the rules change on the control itself comes first.
  if (!sel.setTrue.empty() && HasProp(c, sel.setTrue)) SetPropText(c, sel.setTrue, L"True");
  if (sel.sizeGripOff) SetPropText(c, "SizeGrip", L"False");
  if (sel.fixedColorFace && w.skin)
    SetPropText(c, "FixedColor", std::to_wstring(static_cast<unsigned long>(w.skin->ButtonFaceColour)));
  // Tool bar drawing and menu items are the form skinner's menu part; no control of this
  // program has them.
  if (sel.Skinned()) AttachSkinner(w, c, sel.skinner, sel.mode);
  ApplyToChildren(w, c, sel);
}

bool IsPanel(const TControl* c) { return c->InheritsFrom("TCustomPanel"); }

void SkinControl(Walk& w, TControl* c, TComponent* container) {
  if (!w.skin) return;
  // 1. DisableTag.
  if (TagDisabled(c->Tag, w.skin->DisableTag)) return;
  // 2. Already skinned (or a preview form's control without a window).
  auto* windowed = dynamic_cast<TWinControl*>(c);
  const HWND wnd = WindowOf(c);
  if (CountsAsSkinned(ListHolds(w.formSkinner, c, wnd), windowed != nullptr, wnd != nullptr, w.formName)) return;
  // 3. A window for a windowed control.
  if (windowed && !wnd) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return;
    }
    if (!windowed->HandleAllocated()) return;
  }
  // 4. The program's own choice.
  {
    std::string cls = c->ClassName();
    std::transform(cls.begin(), cls.end(), cls.begin(), [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    TComponent* given = w.skin->ProgramSkinner(&w.formSkinner, dynamic_cast<TControl*>(container), c, cls);
    if (auto* s = dynamic_cast<TSkinControl*>(given)) {
      auto& list = w.formSkinner.ControlSkinners;
      if (std::find(list.begin(), list.end(), s) == list.end()) {
        list.push_back(s);
        s->AttachToControl(&w.formSkinner, w.skin, s->UseSkinColor, &w.formSkinner.ControlCanvas());
      }
      TSkinChoice choice;
      choice.Control = c;
      choice.Skinner = s;
      w.choices.push_back(choice);
      if (IsPanel(c)) SkinComponents(w, c);
      return;
    }
  }
  // 5 to 7. Skin3rd, excluded classes, the class rows.
  ApplySelection(w, c, ChooseSkinner(DescribeControl(c), w.settings));
}

void SkinComponents(Walk& w, TComponent* container) {
  // A snapshot: skinners become components of the controls they skin.
  const std::vector<TComponent*> list = container->Components();
  for (TComponent* comp : list) {
    if (std::find(container->Components().begin(), container->Components().end(), comp) ==
        container->Components().end())
      continue;  // freed meanwhile
    if (auto* c = dynamic_cast<TControl*>(comp)) SkinControl(w, c, container);
  }
}

std::string ClassNameOf(HWND wnd) {
  wchar_t buf[256] = {};
  GetClassNameW(wnd, buf, 256);
  return kq::ui::Narrow(buf);
}

}  // namespace

kq::skin::ControlDescriptor DescribeControl(TControl* c) {
  ControlDescriptor d;
  d.ancestry = c->ClassType().Ancestry();
  d.tag = c->Tag;
  d.windowed = c->IsWindowed();
  if (HWND h = WindowOf(c)) d.style = static_cast<std::uint32_t>(GetWindowLongPtrW(h, GWL_STYLE));
  for (std::string_view name : kPropsRead)
    if (auto v = GetPropText(c, name)) d.props.emplace_back(std::string(name), kq::ui::Narrow(*v));
  return d;
}

std::vector<TSkinChoice> SkinFormControls(TWinSkinForm& skinner, TForm& form) {
  Walk w = StartWalk(skinner, form.Name);
  SkinComponents(w, &form);
  return std::move(w.choices);
}

std::vector<TSkinChoice> SkinChildWindow(TWinSkinForm& skinner, HWND child) {
  std::vector<TSkinChoice> out;
  TSkinLook* skin = skinner.Skin();
  if (!skin || !IsWindow(child) || ListHolds(skinner, nullptr, child)) return out;
  const ChildWindowChoice choice =
      ChooseForChildWindow(ClassNameOf(child), static_cast<std::uint32_t>(GetWindowLongPtrW(child, GWL_STYLE)));
  if (choice.skinner == SkinnerKind::None) return out;
  HWND target = choice.onFirstChild ? GetWindow(child, GW_CHILD) : child;
  if (!target || ListHolds(skinner, nullptr, target)) return out;
  TSkinChoice record;
  record.Window = target;
  record.Kind = choice.skinner;
  record.Mode = AttachMode::Window;
  // Bare windows' skinners belong to the form skinner.
  if (TSkinControl* s = MakeSkinner(choice.skinner, &skinner)) {
    s->AttachToWindow(target, skin, &skinner, &skinner.ControlCanvas());
    if (s->Attached)
      record.Skinner = s;
    else
      delete s;
  }
  out.push_back(record);
  return out;
}

std::vector<TSkinChoice> SkinChildWindows(TWinSkinForm& skinner, HWND parent) {
  std::vector<TSkinChoice> out;
  if (!parent) return out;
  for (HWND c = GetTopWindow(parent); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(c, GWL_STYLE) & WS_CHILD)) continue;
    std::vector<TSkinChoice> one = SkinChildWindow(skinner, c);
    out.insert(out.end(), one.begin(), one.end());
  }
  return out;
}

void DiscoverFormControls(TWinSkinForm& skinner, TForm& form) { (void)SkinFormControls(skinner, form); }
void DiscoverChildWindows(TWinSkinForm& skinner, HWND parent) { (void)SkinChildWindows(skinner, parent); }
void DiscoverSizeGrip(TWinSkinForm& skinner, HWND grip) { (void)SkinChildWindow(skinner, grip); }

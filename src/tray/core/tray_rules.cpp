#include "tray/core/tray_rules.h"

#include "base/encoding.h"

namespace kq::tray {

std::string_view TrayIconMessageName(TTrayIconMessage m) {
  return m < kTrayIconMessageNames.size() ? kTrayIconMessageNames[m] : std::string_view();
}

std::optional<TTrayIconMessage> TrayIconMessageFromName(std::string_view name) {
  for (std::size_t i = 0; i < kTrayIconMessageNames.size(); ++i) {
    if (kTrayIconMessageNames[i] == name) return static_cast<TTrayIconMessage>(i);
  }
  return std::nullopt;
}

unsigned IconFlags(bool hasHint) {
  return kFlagMessage | kFlagIcon | (hasHint ? kFlagTip : 0u);
}

bool AcceptsHint(std::string_view current, std::string_view proposed) {
  return proposed != current && Cp936ByteLength(proposed) < kHintLimitBytes;
}

namespace {

constexpr unsigned kMouseMove = 0x200;

struct CallbackRow {
  unsigned message;
  CallbackPlan plan;
};

constexpr StepEntry Do(Step s, Button b = Button::Left) { return {s, b, imNone}; }
constexpr StepEntry React(TTrayIconMessage a) { return {Step::React, Button::Left, a}; }

// One row per mouse message, in message order 0x200 .. 0x209. The click of WM_LBUTTONUP
// (first entry) is dropped when no OnClick handler is assigned.
constexpr std::array<CallbackRow, 10> kCallbackTable = {{
    {0x200, {{Do(Step::MouseMove)}, 1}},
    {0x201, {{Do(Step::MouseDown, Button::Left)}, 1}},
    {0x202, {{Do(Step::Click), Do(Step::MouseUp, Button::Left), React(imLeftClickUp)}, 3}},
    {0x203, {{Do(Step::DblClick), React(imLeftDoubleClick)}, 2}},
    {0x204, {{Do(Step::MouseDown, Button::Right)}, 1}},
    {0x205, {{Do(Step::MouseUp, Button::Right), React(imRightClickUp)}, 2}},
    {0x206, {{Do(Step::DblClick), React(imRightDoubleClick)}, 2}},
    {0x207, {{Do(Step::MouseDown, Button::Middle)}, 1}},
    {0x208, {{Do(Step::MouseUp, Button::Middle)}, 1}},
    {0x209, {{Do(Step::DblClick)}, 1}},
}};

}  // namespace

CallbackPlan PlanCallback(unsigned mouseMessage, bool onClickAssigned) {
  if (mouseMessage < kMouseMove || mouseMessage >= kMouseMove + kCallbackTable.size()) return {};
  CallbackPlan plan = kCallbackTable[mouseMessage - kMouseMove].plan;
  if (plan.steps[0].step == Step::Click && !onClickAssigned) {
    for (int i = 1; i < plan.count; ++i) plan.steps[i - 1] = plan.steps[i];
    --plan.count;
  }
  return plan;
}

Reaction ReactTo(TTrayIconMessage action, TTrayIconMessage restoreOn,
                 TTrayIconMessage popupMenuOn) {
  if (action == imNone) return {};
  return {restoreOn == action, popupMenuOn == action};
}

int NextIconIndex(int index, int imageCount) {
  return index < imageCount - 1 ? index + 1 : 0;
}

HideEffect HideSetterEffect(bool visible, bool appMinimized, bool hide) {
  if (!visible) return HideEffect::None;
  if (appMinimized && hide) return HideEffect::HideAppWindow;
  if (!appMinimized && !hide) return HideEffect::RestoreAppWindow;
  return HideEffect::None;
}

bool AnimateTakesValue(bool hasIcons, bool loading) { return hasIcons || loading; }

LoadedPlan PlanLoaded(bool hasIcons, bool animate) {
  if (!hasIcons) return {false, false, false};
  return {animate, animate, true};
}

}  // namespace kq::tray

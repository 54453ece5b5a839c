#include "skin/engine/core/manager_rules.h"

#include <string>

#include "base/ascii_case.h"

namespace kq::skin {

bool IsDialogClassName(std::string_view className) {
  const std::string l = AsciiLower(className);
  return l == "tmessageform" || l == "#32770";
}

bool IsRefusedFormClass(std::string_view className) {
  return className == "TApplication" || className == "TQRStandardPreview";
}

bool IsSizeGripCreation(std::string_view className, std::uint32_t style) {
  return className == "ScrollBar" && (style & 0x10u) != 0;
}

std::optional<std::size_t> ChooseSkinData(const std::vector<SkinDataChoice>& list, bool dialogClass) {
  std::optional<std::size_t> own, dialog, main;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const SkinDataChoice& c = list[i];
    if (c.formType == sfOnlyThisForm && c.ownerIsWindow) own = i;
    if (c.formType == sfDialog) dialog = i;
    if (c.formType == sfMainform) main = i;
  }
  if (own) return own;
  if (dialogClass && dialog) return dialog;
  if (main) return main;
  if (!list.empty()) return 0;
  return std::nullopt;
}

bool PopupMenuKindAllowed(int menuKind, TSkinControls set) {
  switch (menuKind) {
    case kMenuKindPopup:
      return set.Has(xcPopupMenu);
    case kMenuKindMenuBar:
      return set.Has(xcMainMenu) || set.Has(xcMenuItem);
    case kMenuKindSystem:
      return set.Has(xcSystemMenu);
    default:
      return false;
  }
}

RequestEffect DecideRequest(int startState, SkinAction action) {
  RequestEffect e;
  if (startState != kStartNone) {
    e.runTimer = true;
    return e;
  }
  if (action == SkinAction::Activate) e.skinningEnabled = true;
  if (action == SkinAction::Deactivate) e.skinningEnabled = false;
  return e;
}

}  // namespace kq::skin

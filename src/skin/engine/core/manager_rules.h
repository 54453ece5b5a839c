// The skin manager's decisions that need no window: which skin component serves a window,
// which windows are never taken, whether a menu window gets a skinned look for the kind of
// menu that is opening, what a deferred request does before the first window was activated,
// and which ready-made window is a size grip. TSkinManage (skin/engine/skin_manager.h) asks
// these with what it read from the real windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "skin/controls/core/skin_options.h"
#include "skin/form/core/form_rules.h"

namespace kq::skin {

// Deferred actions of the manager.
enum class SkinAction : int { None = 0, Activate = 1, Deactivate = 2, SkinChanged = 3, Purge = 6 };

// The manager's start states (kStartNone ...) and the menu kinds (kMenuKindPopup ...) are in
// form_rules.h: the form skinners set them.

// A window whose class name is one of these is a message box or common dialog.
bool IsDialogClassName(std::string_view className);  // "tmessageform", "#32770" (any case)
// The application window and the report preview are never skinned.
bool IsRefusedFormClass(std::string_view className);  // "TApplication", "TQRStandardPreview"
// A menu window.
inline constexpr std::string_view kMenuWindowClass = "#32768";
// A window being created is a size grip: class exactly "ScrollBar" with SBS_SIZEGRIP (0x10).
bool IsSizeGripCreation(std::string_view className, std::uint32_t style);

// Form Tag that is never skinned, whatever the skin's DisableTag says.
inline constexpr int kNeverSkinTag = 99;

// One entry of the manager's list of skin components, as ChooseSkinData sees it.
struct SkinDataChoice {
  TSkinFormType formType = sfMainform;
  bool ownerIsWindow = false;  // the component's owner form is the window being skinned
};

// The entry that serves a window, in list order: an sfOnlyThisForm one owned by the window
// (last wins); else, for message boxes and dialogs, an sfDialog one (last wins); else an
// sfMainform one (last wins); else the first. Nothing for an empty list.
std::optional<std::size_t> ChooseSkinData(const std::vector<SkinDataChoice>& list, bool dialogClass);

// Whether a menu window opening as `menuKind` gets a skinned look under these settings.
bool PopupMenuKindAllowed(int menuKind, TSkinControls set);

// What RequestAction does at once: before the first activation (start state 0) an
// activation or deactivation only switches new-window skinning on or off and nothing runs
// later; afterwards every request runs through the timer.
struct RequestEffect {
  bool runTimer = false;
  std::optional<bool> skinningEnabled;  // the value SkinningEnabled takes now, if any
};
RequestEffect DecideRequest(int startState, SkinAction action);

}  // namespace kq::skin

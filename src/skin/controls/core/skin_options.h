// The skin component's settings that need no window: what kinds of controls are skinned,
// the further switches, which forms a skin serves, their published names and defaults, the
// adjustment of the control kinds after loading and the default answer to "may this window
// class be skinned". TSkinData (skin/engine/skin_data.h) publishes them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Kinds of controls the skinners handle. Values are bit numbers of the stored set (3 bytes,
// bit n for member n): they are part of stored window definitions.
enum TSkinControlType : std::uint8_t {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcSystemMenu,
  xcFastReport,
};

enum TSkinOption : std::uint8_t { xoMDIScrollbar, xoMenuMerge, xoNCPaint };

// Which forms a skin serves.
enum TSkinFormType : std::uint8_t { sfMainform, sfOnlyThisForm, sfDialog };

namespace kq::skin {

// A set of enumeration members, bit n for member n (the stored form of a set property).
template <class E, int Count>
class EnumSet {
 public:
  static constexpr int kCount = Count;
  constexpr EnumSet() = default;
  constexpr explicit EnumSet(std::uint32_t bits) : bits_(bits & Mask()) {}
  constexpr EnumSet(std::initializer_list<E> members) {
    for (E m : members) Include(m);
  }
  constexpr bool Has(E m) const { return (bits_ >> static_cast<int>(m)) & 1u; }
  constexpr void Include(E m) { bits_ |= 1u << static_cast<int>(m); }
  constexpr void Exclude(E m) { bits_ &= ~(1u << static_cast<int>(m)); }
  constexpr std::uint32_t Bits() const { return bits_; }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(EnumSet a, EnumSet b) { return a.bits_ == b.bits_; }
  static constexpr std::uint32_t Mask() { return (Count >= 32) ? ~0u : ((1u << Count) - 1u); }

 private:
  std::uint32_t bits_ = 0;
};

using TSkinControls = EnumSet<TSkinControlType, 20>;
using TSkinOptions = EnumSet<TSkinOption, 3>;

// Every kind except xcMenuItem and xcFastReport.
inline constexpr TSkinControls kDefaultSkinControls{0x7FFFBu};
// The fixed text of the Version property.
inline constexpr std::string_view kSkinVersion = "3.02.03.09";
// The SkinStore indicator: "(Good)" while a skin is embedded and the component is being
// edited in a designer, "(none)" otherwise (this program has no designer).
inline constexpr std::string_view kSkinStoreGood = "(Good)";
inline constexpr std::string_view kSkinStoreNone = "(none)";
std::string_view SkinStoreText(bool designing, bool skinStored);

// Published names, in value order.
inline constexpr std::array<std::string_view, 20> kSkinControlTypeNames = {
    "xcMainMenu",    "xcPopupMenu", "xcMenuItem", "xcToolbar",  "xcControlbar",
    "xcCombo",       "xcCheckBox",  "xcRadioButton", "xcProgress", "xcScrollbar",
    "xcEdit",        "xcButton",    "xcBitBtn",   "xcSpeedButton", "xcPanel",
    "xcGroupBox",    "xcStatusBar", "xcTab",      "xcSystemMenu", "xcFastReport"};
inline constexpr std::array<std::string_view, 3> kSkinOptionNames = {"xoMDIScrollbar", "xoMenuMerge",
                                                                     "xoNCPaint"};
inline constexpr std::array<std::string_view, 3> kSkinFormTypeNames = {"sfMainform", "sfOnlyThisForm",
                                                                       "sfDialog"};

// A set as a published property writes it: "[xcMainMenu,xcPopupMenu]", members in value order.
std::string SkinControlsText(TSkinControls set);
std::string SkinOptionsText(TSkinOptions set);
// Reads that form back (member names compared ignoring case, blanks allowed around them);
// an unknown name makes the whole text invalid.
std::optional<TSkinControls> SkinControlsFromText(std::string_view text);
std::optional<TSkinOptions> SkinOptionsFromText(std::string_view text);
std::optional<TSkinFormType> SkinFormTypeFromName(std::string_view name);

// After loading a main-form skin: a skinned menu bar draws its own items (no owner-drawn
// menu items then), and without it there is no skinned system menu either.
TSkinControls AdjustSkinControls(TSkinControls set);

// The answer to "may a window of this class be skinned" when the application gives none:
// never "SysMonthCal32" (exact), and not class names beginning with "Tfr" (exact case)
// while xcFastReport is in the set (those report windows draw themselves).
bool DefaultMayBeSkinned(std::string_view className, TSkinControls set);

}  // namespace kq::skin

#include "skin/controls/core/skin_options.h"

#include "base/ascii_case.h"

namespace kq::skin {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

template <std::size_t N>
std::string SetText(std::uint32_t bits, const std::array<std::string_view, N>& names) {
  std::string out = "[";
  bool first = true;
  for (std::size_t i = 0; i < N; ++i) {
    if (!((bits >> i) & 1u)) continue;
    if (!first) out += ',';
    out += names[i];
    first = false;
  }
  out += ']';
  return out;
}

template <std::size_t N>
std::optional<std::uint32_t> SetFromText(std::string_view text, const std::array<std::string_view, N>& names) {
  text = Trim(text);
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  text = text.substr(1, text.size() - 2);
  std::uint32_t bits = 0;
  if (Trim(text).empty()) return bits;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = Trim(text.substr(0, comma));
    bool found = false;
    for (std::size_t i = 0; i < N; ++i)
      if (SameAsciiNoCase(item, names[i])) {
        bits |= 1u << i;
        found = true;
        break;
      }
    if (!found) return std::nullopt;
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return bits;
}

}  // namespace

std::string_view SkinStoreText(bool designing, bool skinStored) {
  return designing && skinStored ? kSkinStoreGood : kSkinStoreNone;
}

std::string SkinControlsText(TSkinControls set) { return SetText(set.Bits(), kSkinControlTypeNames); }
std::string SkinOptionsText(TSkinOptions set) { return SetText(set.Bits(), kSkinOptionNames); }

std::optional<TSkinControls> SkinControlsFromText(std::string_view text) {
  if (auto bits = SetFromText(text, kSkinControlTypeNames)) return TSkinControls(*bits);
  return std::nullopt;
}

std::optional<TSkinOptions> SkinOptionsFromText(std::string_view text) {
  if (auto bits = SetFromText(text, kSkinOptionNames)) return TSkinOptions(*bits);
  return std::nullopt;
}

std::optional<TSkinFormType> SkinFormTypeFromName(std::string_view name) {
  for (std::size_t i = 0; i < kSkinFormTypeNames.size(); ++i)
    if (SameAsciiNoCase(Trim(name), kSkinFormTypeNames[i])) return static_cast<TSkinFormType>(i);
  return std::nullopt;
}

TSkinControls AdjustSkinControls(TSkinControls set) {
  if (set.Has(xcMainMenu))
    set.Exclude(xcMenuItem);
  else
    set.Exclude(xcSystemMenu);
  return set;
}

bool DefaultMayBeSkinned(std::string_view className, TSkinControls set) {
  if (className == "SysMonthCal32") return false;
  if (set.Has(xcFastReport) && className.starts_with("Tfr")) return false;
  return true;
}

}  // namespace kq::skin

#include "app/core/launch.h"

#include "app/core/texts.h"

namespace kq {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace

bool IsAutorunStart(const std::vector<std::string>& arguments) {
  return arguments.size() == 1 && SameIgnoringCase(arguments[0], texts::kAutorunArgument);
}

bool StartsSavedSchedule(bool autorun, const LoadedSettings& loaded) {
  return autorun && loaded.stage == LoadedSettings::kAll && loaded.values.every_day &&
         loaded.values.at_time;
}

}  // namespace kq

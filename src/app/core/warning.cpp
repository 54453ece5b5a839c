#include "app/core/warning.h"

#include <cmath>

#include "app/core/texts.h"

namespace kq {
namespace {
constexpr long long kWarningAheadMs = kWarningAheadSeconds * 1000LL;
}

bool WarnsAhead(DateTime left) { return LeftMilliseconds(left) > kWarningAheadMs; }

bool WarningShows(bool warns_ahead, DateTime left) {
  return warns_ahead && LeftMilliseconds(left) <= kWarningAheadMs && !IsDue(left);
}

int ShownSeconds(const RemainingParts& p) {
  return static_cast<int>(((p.days * 24 + p.hours) * 60 + p.minutes) * 60 + p.seconds);
}

std::string WarningText(int seconds, std::string_view task_item) {
  std::string text(texts::kWarningBefore);
  text += std::to_string(seconds);
  text += texts::kWarningSeconds;
  text += task_item;
  text += texts::kWarningEnd;
  return text;
}

DateTime Postponed(DateTime target) {
  const double ms = std::round(target * kMSecsPerDay) + 10 * 60 * 1000;
  return ms / kMSecsPerDay;
}

}  // namespace kq

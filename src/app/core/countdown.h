// The countdown of a running schedule: the time left split into days, hours, minutes and
// seconds, the text shown in the window and as the tray hint, and when the task is due.
#pragma once

#include <string>

#include "base/datetime.h"

namespace kq {

// Whole numbers held as doubles; each step truncates toward zero, so time already past
// gives negative parts.
struct RemainingParts {
  double days = 0, hours = 0, minutes = 0, seconds = 0;
  friend bool operator==(const RemainingParts&, const RemainingParts&) = default;
};

// `left` = target - now, in days.
RemainingParts SplitRemaining(DateTime left);

// "剩余：" D " 天 " H " 时 " M " 分 " S " 秒 ": hours, minutes and seconds padded to two
// characters (a negative "-3" stays as it is), days not padded; the text ends in a space.
std::string RemainingText(const RemainingParts& parts);

// Less than one second left (or the target already past).
bool IsDue(DateTime left);

}  // namespace kq

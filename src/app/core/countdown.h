// The countdown of a running schedule: the time left split into days, hours, minutes and
// seconds, the text shown in the window and as the tray hint, when the task is due, and when
// the countdown's timer must next wake.
#pragma once

#include <string>

#include "base/datetime.h"

namespace kq {

// The time left (`left` = target - now, in days) in whole milliseconds, the resolution of
// every time the program reads. Read this way a whole second left is that second: the
// floating-point difference of two times is a hair off, and truncating it would show one
// second less than is left just at the boundary.
long long LeftMilliseconds(DateTime left);

// Whole numbers held as doubles; each step truncates toward zero, so time already past
// gives negative parts.
struct RemainingParts {
  double days = 0, hours = 0, minutes = 0, seconds = 0;
  friend bool operator==(const RemainingParts&, const RemainingParts&) = default;
};

RemainingParts SplitRemaining(DateTime left);

// "剩余：" D " 天 " H " 时 " M " 分 " S " 秒 ": hours, minutes and seconds padded to two
// characters (a negative "-3" stays as it is), days not padded; the text ends in a space.
std::string RemainingText(const RemainingParts& parts);

// Less than one second left (or the target already past).
bool IsDue(DateTime left);

// The last warning comes when this many seconds or fewer are left.
inline constexpr int kWarningAheadSeconds = 60;

// The countdown's timer is aimed at the next moment the display must change instead of
// waking a hundred times a second: the milliseconds until the shown seconds next drop or,
// when `warning_ahead`, until a minute is left, whichever comes first; never less than the
// system's 10 ms.
inline constexpr unsigned kShortestTickMs = 10;
unsigned NextTickDelayMs(DateTime left, bool warning_ahead);

}  // namespace kq

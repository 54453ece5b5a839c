#include "app/core/countdown.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/core/schedule.h"
#include "app/core/texts.h"

namespace kq {
namespace {

// A whole number as plain decimal digits, without a decimal point; negative zero is "0".
std::string WholeNumber(double value) {
  if (value == 0 || !std::isfinite(value)) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", value);
  return buffer;
}

constexpr long long kMsPerSecond = 1000, kMsPerMinute = 60 * kMsPerSecond,
                    kMsPerHour = 60 * kMsPerMinute;

}  // namespace

long long LeftMilliseconds(DateTime left) {
  // Far beyond any schedule (and clear of the integer's range).
  constexpr double kLimit = 1e15;
  const double ms = left * kMSecsPerDay;
  if (std::isnan(ms)) return 0;
  return std::llround(std::clamp(ms, -kLimit, kLimit));
}

RemainingParts SplitRemaining(DateTime left) {
  // Integer division truncates toward zero, as each step of the split must.
  long long ms = LeftMilliseconds(left);
  RemainingParts p;
  p.days = static_cast<double>(ms / kMSecsPerDay);
  ms %= kMSecsPerDay;
  p.hours = static_cast<double>(ms / kMsPerHour);
  ms %= kMsPerHour;
  p.minutes = static_cast<double>(ms / kMsPerMinute);
  ms %= kMsPerMinute;
  p.seconds = static_cast<double>(ms / kMsPerSecond);
  return p;
}

std::string RemainingText(const RemainingParts& parts) {
  std::string text(texts::kRemaining);
  text += WholeNumber(parts.days);
  text += texts::kDays;
  text += PadTwoDigits(WholeNumber(parts.hours));
  text += texts::kHours;
  text += PadTwoDigits(WholeNumber(parts.minutes));
  text += texts::kMinutes;
  text += PadTwoDigits(WholeNumber(parts.seconds));
  text += texts::kSeconds;
  return text;
}

bool IsDue(DateTime left) { return LeftMilliseconds(left) < kMsPerSecond; }

unsigned NextTickDelayMs(DateTime left, bool warning_ahead) {
  const long long ms = LeftMilliseconds(left);
  if (ms <= 0) return kShortestTickMs;
  // The shown seconds drop one millisecond after the time left reaches its whole second.
  long long delay = ms % kMsPerSecond + 1;
  const long long warning_at = kWarningAheadSeconds * kMsPerSecond;
  if (warning_ahead && ms > warning_at) delay = std::min(delay, ms - warning_at);
  return static_cast<unsigned>(std::max<long long>(delay, kShortestTickMs));
}

}  // namespace kq

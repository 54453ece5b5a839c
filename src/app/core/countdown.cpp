#include "app/core/countdown.h"

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

}  // namespace

RemainingParts SplitRemaining(DateTime left) {
  RemainingParts p;
  p.days = std::trunc(left);
  const double hours = (left - p.days) * 24;
  p.hours = std::trunc(hours);
  const double minutes = (hours - p.hours) * 60;
  p.minutes = std::trunc(minutes);
  p.seconds = std::trunc((minutes - p.minutes) * 60);
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

bool IsDue(DateTime left) { return !(left * 24 * 60 * 60 >= 1); }

}  // namespace kq

#include "app/core/schedule.h"

#include <cmath>

#include "app/core/texts.h"
#include "base/convert.h"
#include "base/error.h"

namespace kq {
namespace {

// Copy(s, index, count) of the runtime: 1-based, clipped to what is there.
std::string_view Copy(std::string_view s, std::size_t index, std::size_t count) {
  if (index < 1 || index > s.size()) return {};
  return s.substr(index - 1, count);
}

std::string Notice(ScheduleMode mode, std::string_view tail) {
  std::string text(texts::kNoticePrefix);
  text += ModeWord(mode);
  text += tail;
  return text;
}

ScheduleDecision Refuse(ScheduleDecision::Kind kind, std::string text) {
  ScheduleDecision d;
  d.kind = kind;
  d.text = std::move(text);
  return d;
}

ScheduleDecision Start(DateTime target) {
  ScheduleDecision d;
  d.kind = ScheduleDecision::kStart;
  d.target = target;
  return d;
}

// "yyyymmdd" of the picked date, then the hour and minute texts, then "00".
std::string AtTimeDigits(DateTime picked, std::string_view hour, std::string_view minute) {
  std::string digits = FormatDateTime(kDateDigitsFormat, picked);
  digits += hour;
  digits += minute;
  digits += "00";
  return digits;
}

// year-month-day, three spaces, hour:minute:second, cut at fixed places.
std::string CutDigits(std::string_view digits) {
  std::string text;
  text += Copy(digits, 1, 4);
  text += '-';
  text += Copy(digits, 5, 2);
  text += '-';
  text += Copy(digits, 7, 2);
  text += "   ";
  text += Copy(digits, 9, 2);
  text += ':';
  text += Copy(digits, 11, 2);
  text += ':';
  text += Copy(digits, 13, 2);
  return text;
}

// The first of (day + n) + time_of_day, n = 1, 2, ..., that is not before `now`. Whole
// days are added to the date before the time of day, so the result is exactly the value
// the same entry on that later date would give.
DateTime NextOccurrence(DateTime day, DateTime time_of_day, DateTime now) {
  double n = std::ceil(now - (day + time_of_day));
  if (n < 1) n = 1;
  while (n > 1 && (day + (n - 1)) + time_of_day >= now) --n;
  while ((day + n) + time_of_day < now) ++n;
  return (day + n) + time_of_day;
}

}  // namespace

std::string PadTwoDigits(std::string_view text) {
  std::string padded;
  if (text.size() == 1) padded += '0';
  padded += text;
  return padded;
}

std::string_view ModeWord(ScheduleMode mode) {
  return mode == ScheduleMode::kAtTime ? texts::kModeAtTime : texts::kModeDelay;
}

std::string AtTimeText(DateTime picked, std::string_view hour, std::string_view minute) {
  return CutDigits(AtTimeDigits(picked, hour, minute));
}

ScheduleDecision DecideAtTime(DateTime picked, std::string_view hour, std::string_view minute,
                              bool every_day, DateTime now) {
  const ScheduleMode mode = ScheduleMode::kAtTime;
  const int h = StrToInt(hour);
  if (h < 0 || h > 24) return Refuse(ScheduleDecision::kNotice, Notice(mode, texts::kHourRangeTail));
  const int m = StrToInt(minute);
  if (m < 0 || m > 60)
    return Refuse(ScheduleDecision::kNotice, Notice(mode, texts::kMinuteRangeTail));
  const std::string digits = AtTimeDigits(picked, hour, minute);
  const std::string text = CutDigits(digits);
  // Digits beyond the fourteen the cut reads would be dropped silently (minute "005" would
  // read as 00:50), so a string of any other length is no date and time either.
  if (digits.size() != kDateTimeDigitsFormat.size())
    throw ConvertError("'" + text + "' is not a valid date and time");
  const DateTime target = StrToDateTime(text);
  if (target >= now) return Start(target);
  if (!every_day) return Refuse(ScheduleDecision::kInPast, Notice(mode, texts::kInPastTail));
  return Start(NextDailyTarget(target, now));
}

DateTime NextDailyTarget(DateTime schedule, DateTime now) {
  const CalendarDate date = DecodeDate(schedule);
  const ClockTime clock = DecodeTime(schedule);
  return NextOccurrence(EncodeDate(date.year, date.month, date.day),
                        EncodeTime(clock.hour, clock.minute, clock.second, clock.millisecond), now);
}

ScheduleDecision DecideDelay(std::string_view hours, std::string_view minutes, DateTime now) {
  int h = 0, m = 0;
  if (!TryStrToInt(hours, h) || !TryStrToInt(minutes, m))
    return Refuse(ScheduleDecision::kBadDelay, std::string(texts::kBadDelay));
  // In extended precision, as the runtime computes: x * 24 and x * 1440 are exact there, so
  // a delay of 0 hours 0 minutes gives back exactly `now` and is never refused.
  long double target = (static_cast<long double>(now) * 24 + h) / 24;
  target = (static_cast<long double>(static_cast<DateTime>(target)) * 1440 + m) / 1440;
  const DateTime result = static_cast<DateTime>(target);
  if (result >= now) return Start(result);
  return Refuse(ScheduleDecision::kInPast, Notice(ScheduleMode::kDelay, texts::kInPastTail));
}

std::optional<std::string_view> TaskCommandFor(int index) {
  switch (index) {
    case 0: return "command.com /C shutdown -f";
    case 1: return "command.com /C shutdown -l";
    case 2: return "command.com /C shutdown -r";
    default: return std::nullopt;
  }
}

std::optional<std::string_view> TaskItemText(int index, std::string_view task_command) {
  if (index >= 0 && index < 3) return texts::kTaskItems[index];
  for (int i = 0; i < 3; ++i)
    if (task_command == *TaskCommandFor(i)) return texts::kTaskItems[i];
  return std::nullopt;
}

std::optional<MachineTask> TaskToCarryOut(int index, std::string_view task_command) {
  switch (index) {
    case 0: return MachineTask::kShutdown;
    case 1: return MachineTask::kLogOff;
    case 2: return MachineTask::kRestart;
    default: break;
  }
  // No item selected: the command line of the last successful start says which task.
  for (int i = 0; i < 3; ++i)
    if (task_command == *TaskCommandFor(i)) return TaskToCarryOut(i, {});
  return std::nullopt;
}

}  // namespace kq

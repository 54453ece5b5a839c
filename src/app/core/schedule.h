// Turning the entries of the main window into a target moment, with the checks and notices
// a refused start shows, and the task table.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/datetime.h"

namespace kq {

// A text of exactly one character gets a leading "0"; "" and longer texts stay as they are.
std::string PadTwoDigits(std::string_view text);

enum class ScheduleMode { kAtTime, kDelay };
// "定时" or "延迟", the word the notices carry.
std::string_view ModeWord(ScheduleMode mode);

struct ScheduleDecision {
  enum Kind {
    kStart,     // `target` is set; start the countdown
    kNotice,    // hour or minute out of range: show `text` as a notice
    kInPast,    // the moment has gone: timer off, show `text` as a notice
    kBadDelay,  // delay not a number: show `text` in the standard message box
  };
  Kind kind = kStart;
  DateTime target = 0;
  std::string text;
};

// At a time: the date of `picked` with `hour` and `minute` (already padded by the caller, as
// the edits show them) and second 0. The texts are put into a "yyyymmddhhmm00" digit string
// that is cut at fixed places and read strictly, so hour "24", minute "60" or a three-digit
// entry (a string longer than fourteen digits) end in
// ConvertError("'<text>' is not a valid date and time"); an hour or minute that
// is no integer throws ConvertError("'<text>' is not a valid integer value"). With
// `every_day` a moment already past moves on by whole days to its next occurrence.
ScheduleDecision DecideAtTime(DateTime picked, std::string_view hour, std::string_view minute,
                              bool every_day, DateTime now);

// "每天": the schedule started for `schedule` runs again at the same wall-clock time of day
// on a later date: the first such moment, one day or more after the date of `schedule`,
// that is not before `now`. Dates and times are local, so a daylight-saving change moves
// nothing.
DateTime NextDailyTarget(DateTime schedule, DateTime now);

// After a delay of `hours` and `minutes` from `now`; no upper bound, negative values end in
// the past. Never throws.
ScheduleDecision DecideDelay(std::string_view hours, std::string_view minutes, DateTime now);

// The date-and-time text the at-a-time entry is read from ("yyyy-mm-dd   hh:mm:ss"), cut at
// fixed places out of the digit string whatever its length.
std::string AtTimeText(DateTime picked, std::string_view hour, std::string_view minute);

// The task list's item for a selected index, or (no item selected) for the item whose
// command `task_command` holds; nullopt when neither names one.
std::optional<std::string_view> TaskItemText(int index, std::string_view task_command);

// What a task does to the machine.
enum class MachineTask { kShutdown, kLogOff, kRestart };

// `TaskCommand` for a selected index of the task list: the table's command line, or nullopt
// for no item (the caller keeps its previous command).
std::optional<std::string_view> TaskCommandFor(int index);

// The task to carry out when the countdown ends: by the selected index when there is one,
// else the one `task_command` names; nothing for an empty or unknown command.
std::optional<MachineTask> TaskToCarryOut(int index, std::string_view task_command);

}  // namespace kq

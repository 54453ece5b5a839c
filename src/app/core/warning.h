// The last warning before the task: when it shows, what it says each second, and what
// "推迟 10 分钟" does to the target.
#pragma once

#include <string>
#include <string_view>

#include "app/core/countdown.h"
#include "base/datetime.h"

namespace kq {

// A countdown (re)started with `left` (days) gets a warning: one that starts with a minute
// or less to go was just asked for and is not questioned.
bool WarnsAhead(DateTime left);

// The warning is up while `left` is a minute or less and the task is not yet due.
bool WarningShows(bool warns_ahead, DateTime left);

// The whole seconds the countdown shows (60 for "0 天 00 时 01 分 00 秒").
int ShownSeconds(const RemainingParts& parts);

// "还有 " N " 秒将" + item + "。", e.g. "还有 60 秒将关闭计算机。".
std::string WarningText(int seconds, std::string_view task_item);

// The target ten minutes later, kept to whole milliseconds as every time of the program is.
DateTime Postponed(DateTime target);

}  // namespace kq

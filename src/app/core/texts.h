// The program's own texts, byte for byte as users have always seen them (UTF-8 here; the
// INI files get them in code page 936 at the file boundary).
#pragma once

#include <string_view>

namespace kq::texts {

// Application title: taskbar button and caption of the standard message and error boxes.
inline constexpr std::string_view kAppTitle = "Zelvo定时自动关机器";
inline constexpr std::string_view kMainCaption = "Zelvo定时自动关机器V1.0";
inline constexpr std::string_view kNoticeCaption = "注意";

// Notices of a refused start; the mode word ("定时" or "延迟") follows "注意：".
inline constexpr std::string_view kModeAtTime = "定时";
inline constexpr std::string_view kModeDelay = "延迟";
inline constexpr std::string_view kNoticePrefix = "注意：";
inline constexpr std::string_view kHourRangeTail = "小时只能在0-24之间！";
inline constexpr std::string_view kMinuteRangeTail = "分钟只能在0-60之间";  // no "！": as shipped
inline constexpr std::string_view kInPastTail = "时间不能小于当前时间！";
inline constexpr std::string_view kBadDelay = "您输入的延迟天数与小时数不正确,必须为数字!";
// A start with no task: no item chosen and no command from an earlier start.
inline constexpr std::string_view kNoTask = "注意：请选择要执行的任务！";
// The machine refused the task, or the session end was cancelled after it was asked for.
inline constexpr std::string_view kTaskFailed = "注意：未能执行约定的任务！";
inline constexpr std::string_view kTaskCancelled = "注意：约定的任务被取消！";

inline constexpr std::string_view kSaved = "保存成功！";
inline constexpr std::string_view kStopped = "已经停止执行";

// Countdown: "剩余：" D " 天 " H " 时 " M " 分 " S " 秒 ".
inline constexpr std::string_view kRemaining = "剩余：";
inline constexpr std::string_view kDays = " 天 ";
inline constexpr std::string_view kHours = " 时 ";
inline constexpr std::string_view kMinutes = " 分 ";
inline constexpr std::string_view kSeconds = " 秒 ";

// Event log texts.
inline constexpr std::string_view kLogRun = "运行Zelvo定时自动关机器。";
inline constexpr std::string_view kLogStart = "开始执行Zelvo定时自动关机器。";
inline constexpr std::string_view kLogStop = "停止执行Zelvo定时自动关机器。";
inline constexpr std::string_view kLogDue = "到时执行之前约定的任务";
inline constexpr std::string_view kLogTaskFailed = "未能执行约定的任务";
inline constexpr std::string_view kLogTaskCancelled = "约定的任务被取消";
inline constexpr std::string_view kLogSave = "保存设置Zelvo定时自动关机器。";
inline constexpr std::string_view kLogExit = "退出Zelvo定时自动关机器。";
inline constexpr std::string_view kLogPostpone = "推迟执行Zelvo定时自动关机器。";

// The items of the task list, in the order of their indexes.
inline constexpr std::string_view kTaskItems[] = {"关闭计算机", "注销计算机", "重启计算机"};

// The last warning before the task: "还有 " N " 秒将" + task item + "。".
inline constexpr std::string_view kWarningCaption = "即将执行任务";
inline constexpr std::string_view kWarningBefore = "还有 ";
inline constexpr std::string_view kWarningSeconds = " 秒将";
inline constexpr std::string_view kWarningEnd = "。";
inline constexpr std::string_view kPostponeButton = "推迟 10 分钟";
inline constexpr std::string_view kCancelButton = "取消执行";

// The argument the Startup-folder shortcut starts the program with.
inline constexpr std::string_view kAutorunArgument = "/autorun";

// Settings file: what "info" always says.
inline constexpr std::string_view kInfo = "Zelvo定时自动关机器 V1.0";

}  // namespace kq::texts

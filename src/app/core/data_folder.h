// Which folder holds the settings file and the event log: the program's own folder when it
// can be written (a portable copy, or one unpacked anywhere), otherwise a folder of the
// user's own (a program installed under "Program Files" cannot write beside itself).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace kq {

// The per-user folder's name, inside the user's local application-data folder.
inline constexpr std::string_view kPerUserDataFolder = "Zelvo定时自动关机器";

// `program_folder` (ending in a separator) when `can_write` says it can be written (or there
// is no `local_app_data`); else `local_app_data` + kPerUserDataFolder, ending in a separator.
// `can_write` is asked at most once.
std::string ChooseDataFolder(const std::string& program_folder, const std::string& local_app_data,
                             const std::function<bool(const std::string&)>& can_write);

}  // namespace kq

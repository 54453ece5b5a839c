// The data folder on Windows: whether a folder can be written (a file made and removed
// there), the user's local application-data folder, and the choice between them, made once
// at start.
#pragma once

#include <functional>
#include <string>

namespace kq {

// Creates and deletes a file in `folder` (UTF-8, ending in a separator); true when both work.
bool CanWriteFolder(const std::string& folder);

// FOLDERID_LocalAppData (UTF-8, no trailing separator); "" when Windows cannot say.
std::string LocalAppDataFolder();

// The folder the program keeps its two files in (see ChooseDataFolder), the per-user one
// created when it is missing. Empty `local_app_data` and `can_write` mean the real ones.
std::string DataFolderFor(const std::string& program_folder, std::string local_app_data,
                          std::function<bool(const std::string&)> can_write);

}  // namespace kq

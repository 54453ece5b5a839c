#include "app/data_folder_win.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include "app/core/data_folder.h"
#include "ui/text.h"

namespace kq {

bool CanWriteFolder(const std::string& folder) {
  // A name of our own, so no file of the user's is ever touched.
  const std::wstring probe = ui::Widen(folder) + L"~kqshutdown-" +
                             std::to_wstring(GetCurrentProcessId()) + L".tmp";
  HANDLE f = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_TEMPORARY, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  CloseHandle(f);
  return DeleteFileW(probe.c_str()) != FALSE;
}

std::string LocalAppDataFolder() {
  PWSTR path = nullptr;
  std::string folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &path)))
    folder = ui::Narrow(path);
  CoTaskMemFree(path);
  return folder;
}

std::string DataFolderFor(const std::string& program_folder, std::string local_app_data,
                          std::function<bool(const std::string&)> can_write) {
  if (!can_write) can_write = CanWriteFolder;
  if (local_app_data.empty())
    local_app_data = LocalAppDataFolder();
  const std::string folder = ChooseDataFolder(program_folder, local_app_data, can_write);
  // When it cannot be made, writing there fails with "Unable to write to ..." as anywhere.
  if (folder != program_folder) CreateDirectoryW(ui::Widen(folder).c_str(), nullptr);
  return folder;
}

}  // namespace kq

#include "app/core/data_folder.h"

namespace kq {

std::string ChooseDataFolder(const std::string& program_folder, const std::string& local_app_data,
                             const std::function<bool(const std::string&)>& can_write) {
  // Without a per-user folder there is nowhere better: writes fail with their usual error.
  if (local_app_data.empty() || can_write(program_folder)) return program_folder;
  std::string folder = local_app_data;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  folder += kPerUserDataFolder;
  folder += '\\';
  return folder;
}

}  // namespace kq

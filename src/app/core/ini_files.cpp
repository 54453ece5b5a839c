#include "app/core/ini_files.h"

#include "base/ini_store.h"

namespace kq {

std::string FolderOf(std::string_view file_path) {
  const std::size_t slash = file_path.find_last_of("\\/:");
  if (slash == std::string_view::npos) return {};
  return std::string(file_path.substr(0, slash + 1));
}

std::string IniFiles::Read(std::string_view file, std::string_view section,
                           std::string_view key) const {
  return ReadIniString(PathOf(file), section, key);
}

void IniFiles::Write(std::string_view file, std::string_view section, std::string_view key,
                     std::string_view value) const {
  WriteIniString(PathOf(file), section, key, value);
}

}  // namespace kq

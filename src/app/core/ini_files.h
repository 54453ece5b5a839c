// The two INI files of the program, found in the folder of the program file (never the
// current directory), read and written one value per call.
#pragma once

#include <string>
#include <string_view>

namespace kq {

inline constexpr std::string_view kSettingsFile = "zelvosoft.ini";
inline constexpr std::string_view kLogFile = "zelvolog.txt";

// The folder part of a file path, its trailing separator ("\" or "/") kept; "" when the
// path has no folder part.
std::string FolderOf(std::string_view file_path);

class IniFiles {
 public:
  // `folder` ends in a separator (or is empty: the current directory).
  explicit IniFiles(std::string folder) : folder_(std::move(folder)) {}

  const std::string& Folder() const { return folder_; }
  std::string PathOf(std::string_view file) const { return folder_ + std::string(file); }

  // "" for a missing file, section or key.
  std::string Read(std::string_view file, std::string_view section, std::string_view key) const;
  // Throws WriteError("Unable to write to <full path>") when the value cannot be stored.
  void Write(std::string_view file, std::string_view section, std::string_view key,
             std::string_view value) const;

 private:
  std::string folder_;
};

}  // namespace kq

// A fresh folder for one test, removed afterwards; paths are handed out as UTF-8.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace kq::test {

inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string s = path.u8string();
  return std::string(s.begin(), s.end());
}

class TempDir {
 public:
  TempDir() {
    std::random_device random;
    root_ = std::filesystem::temp_directory_path() /
            ("kq_test_" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(root_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // UTF-8 path of a name inside the folder.
  std::string Path(const std::string& name) const {
    return Utf8FromPath(root_ / PathFromUtf8(name));
  }

  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream out(root_ / PathFromUtf8(name), std::ios::binary);
    out << bytes;
  }

  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(root_ / PathFromUtf8(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  bool Exists(const std::string& name) const {
    return std::filesystem::exists(root_ / PathFromUtf8(name));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace kq::test

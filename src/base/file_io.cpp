#include "base/file_io.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <io.h>
#include <windows.h>

#include "base/encoding.h"
#else
#include <unistd.h>
#endif

namespace kq {
namespace {

// Closes the file on every path out.
class File {
 public:
  explicit File(std::FILE* f) : f_(f) {}
  ~File() {
    if (f_ != nullptr) std::fclose(f_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  std::FILE* get() const { return f_; }
  // Closes now and reports whether the last buffered bytes made it out.
  bool Close() {
    std::FILE* f = f_;
    f_ = nullptr;
    return std::fclose(f) == 0;
  }

 private:
  std::FILE* f_;
};

#ifdef _WIN32
std::FILE* Open(const std::string& path, const wchar_t* mode) {
  return _wfopen(Utf8ToWide(path).c_str(), mode);
}
void Remove(const std::string& path) { _wremove(Utf8ToWide(path).c_str()); }
bool SyncToDisk(std::FILE* f) { return _commit(_fileno(f)) == 0; }
bool RenameOver(const std::string& from, const std::string& to) {
  return MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#define KQ_MODE(m) L##m
#else
std::FILE* Open(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}
void Remove(const std::string& path) { std::remove(path.c_str()); }
bool SyncToDisk(std::FILE* f) { return fsync(fileno(f)) == 0; }
bool RenameOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}
#define KQ_MODE(m) m
#endif

}  // namespace

FileReadResult ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  errno = 0;
  File file(Open(path, KQ_MODE("rb")));
  if (file.get() == nullptr)
    return errno == ENOENT || errno == ENOTDIR ? FileReadResult::kMissing
                                               : FileReadResult::kFailed;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, n);
  if (std::ferror(file.get())) {
    bytes.clear();
    return FileReadResult::kFailed;
  }
  return FileReadResult::kOk;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".tmp";
  File file(Open(temp, KQ_MODE("wb")));
  if (file.get() == nullptr) return false;
  const bool written =
      (bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size()) &&
      std::fflush(file.get()) == 0 && SyncToDisk(file.get());
  if (!file.Close() || !written || !RenameOver(temp, path)) {
    Remove(temp);
    return false;
  }
  return true;
}

}  // namespace kq

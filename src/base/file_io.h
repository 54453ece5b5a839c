// Whole-file reads and crash-safe whole-file writes at UTF-8 paths (wide paths on Windows,
// so folders with Chinese names work).
#pragma once

#include <string>
#include <string_view>

namespace kq {

enum class FileReadResult {
  kOk,
  kMissing,  // no such file (or a folder on the way is missing or is not a folder)
  kFailed,   // it exists but cannot be read
};

// Reads all bytes of the file into `bytes` (emptied first).
FileReadResult ReadWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to "<path>.tmp" beside the file, forces them to the disk and renames that
// over `path`, so a crash or a full disk leaves either the old file or the new one, never
// half of one. Returns false (and removes the temporary file) when any step fails.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kq

// The INI files the program keeps beside itself (settings and event log). One value per
// call and no file held open between calls. The file's bytes are code page 936; names and
// values cross this interface as UTF-8.
//
// Format: "[section]" lines, then "key=value" lines, each ended with CR LF when written
// (CR-only and LF-only lines are read too). Sections and keys match without regard to ASCII
// letter case; the first match counts. Values are kept exactly as written, spaces included.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kq {

// The most bytes a read gives back (of the file's encoding), as a 2048-byte buffer would.
constexpr std::size_t kIniValueLimit = 2047;

// The value, or "" when the file, the section or the key is missing or unreadable. A longer
// value is cut at kIniValueLimit bytes, never inside a character, and at a NUL byte.
std::string ReadIniString(const std::string& path, std::string_view section,
                          std::string_view key);

// Sets the value: an existing key is replaced in its line, a new key goes after the last
// line of its section, a new section at the end of the file. CR and LF in names or value
// become spaces, so a value can never add lines. The file is replaced atomically; when that
// cannot be done it is left as it was and WriteError("Unable to write to <path>") is thrown.
void WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value);

}  // namespace kq

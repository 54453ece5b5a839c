#include "base/ini_store.h"

#include "base/encoding.h"
#include "base/error.h"
#include "base/file_io.h"

namespace kq {
namespace {

// The file is handled as code page 936 bytes, character by character: a trail byte may be
// an ASCII letter or ']' and must neither be case-folded nor end a section name.
std::size_t CharLength(std::string_view s, std::size_t i) {
  const unsigned char b = static_cast<unsigned char>(s[i]);
  return b >= 0x81 && b <= 0xFE && i + 1 < s.size() ? 2 : 1;
}

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    const std::size_t n = CharLength(a, i);
    if (n == 2 ? a.substr(i, 2) != b.substr(i, 2) : FoldAscii(a[i]) != FoldAscii(b[i]))
      return false;
    i += n;
  }
  return true;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

enum class LineKind { kOther, kSection, kKey };

// One line of the file: where it lies, what it is, and for a section or key its name.
struct Line {
  std::size_t begin = 0;  // first byte
  std::size_t end = 0;    // end of the text, before the line break
  std::size_t next = 0;   // first byte of the next line
  LineKind kind = LineKind::kOther;
  std::string_view name;
  std::size_t value = 0;  // first byte of a key's value
};

Line ParseLine(std::string_view text, std::size_t begin, std::size_t end, std::size_t next) {
  Line line;
  line.begin = begin;
  line.end = end;
  line.next = next;
  const std::string_view body = text.substr(begin, end - begin);
  const std::string_view content = Trim(body);
  if (content.empty() || content.front() == ';') return line;
  if (content.front() == '[') {
    std::size_t i = 1;
    while (i < content.size() && content[i] != ']') i += CharLength(content, i);
    line.kind = LineKind::kSection;
    line.name = Trim(content.substr(1, i - 1));
    return line;
  }
  const std::size_t eq = body.find('=');  // '=' is never a trail byte
  if (eq == std::string_view::npos) return line;
  line.kind = LineKind::kKey;
  line.name = Trim(body.substr(0, eq));
  line.value = begin + eq + 1;
  return line;
}

// The line that starts at `begin`; lines end at CR LF, CR or LF. The file is walked line
// by line rather than split up front, so a file of millions of empty lines costs no memory.
Line LineAt(std::string_view text, std::size_t begin) {
  std::size_t end = begin;
  while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
  std::size_t next = end;
  if (next < text.size() && text[next] == '\r') ++next;
  if (next < text.size() && text[next] == '\n') ++next;
  return ParseLine(text, begin, end, next);
}

bool IsHeaderOf(const Line& line, std::string_view section) {
  return line.kind == LineKind::kSection && NamesEqual(line.name, section);
}

// Cuts at the limit without splitting a double-byte character, and at a NUL.
std::string_view CutValue(std::string_view value) {
  value = value.substr(0, value.find('\0'));
  std::size_t i = 0;
  while (i < value.size()) {
    const std::size_t n = CharLength(value, i);
    if (i + n > kIniValueLimit) break;
    i += n;
  }
  return value.substr(0, i);
}

// Names and values in the file's encoding, with no line breaks left in them.
std::string ToFileText(std::string_view utf8) {
  std::string bytes = Utf8ToCp936(utf8);
  for (char& c : bytes)
    if (c == '\r' || c == '\n') c = ' ';
  return bytes;
}

}  // namespace

std::string ReadIniString(const std::string& path, std::string_view section,
                          std::string_view key) {
  std::string text;
  if (ReadWholeFile(path, text) != FileReadResult::kOk) return {};
  const std::string wanted_section = ToFileText(section);
  const std::string wanted_key = ToFileText(key);
  bool inside = false;
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    if (line.kind == LineKind::kSection) {
      if (inside) break;  // only the first section of that name counts
      inside = NamesEqual(line.name, wanted_section);
    } else if (inside && line.kind == LineKind::kKey && NamesEqual(line.name, wanted_key)) {
      const std::string_view all = text;
      return Cp936ToUtf8(CutValue(all.substr(line.value, line.end - line.value)));
    }
  }
  return {};
}

void WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) {
  std::string text;
  // A file that exists but cannot be read must not be replaced by one holding a single value.
  if (ReadWholeFile(path, text) == FileReadResult::kFailed)
    throw WriteError("Unable to write to " + path);
  const std::string file_section = ToFileText(section);
  const std::string file_key = ToFileText(key);
  const std::string file_value = ToFileText(value);

  // Find the section's header, the end of its last line that is not blank, and the key.
  bool inside = false, found_section = false;
  Line last;  // of the section
  for (std::size_t pos = 0; pos < text.size();) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    if (line.kind == LineKind::kSection) {
      if (inside) break;
      inside = found_section = IsHeaderOf(line, file_section);
      if (inside) last = line;
      continue;
    }
    if (!inside) continue;
    if (line.kind == LineKind::kKey && NamesEqual(line.name, file_key)) {
      // Replace the value in its line, keeping the line's own spelling of the key and
      // everything up to its "=".
      const std::string result =
          text.substr(0, line.value) + file_value + "\r\n" + text.substr(line.next);
      if (result == text) return;  // nothing changes: leave the file alone
      if (!WriteFileAtomically(path, result)) throw WriteError("Unable to write to " + path);
      return;
    }
    if (!Trim(std::string_view(text).substr(line.begin, line.end - line.begin)).empty())
      last = line;
  }

  std::string result;
  if (found_section) {
    // A new key after the section's last line.
    result = text.substr(0, last.next);
    if (last.next == last.end) result += "\r\n";  // the file ended without a line break
    result += file_key + "=" + file_value + "\r\n" + text.substr(last.next);
  } else {
    // A new section at the end of the file.
    result = text;
    if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += "\r\n";
    result += "[" + file_section + "]\r\n" + file_key + "=" + file_value + "\r\n";
  }
  if (!WriteFileAtomically(path, result)) throw WriteError("Unable to write to " + path);
}

}  // namespace kq

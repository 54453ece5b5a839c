// The skin definition text: an INI-style text parsed from memory, and the readers that
// turn its values into integers and colours.
//
// Rules of the text:
//   - a NUL byte ends the text; lines end at CR LF, CR or LF;
//   - every line is trimmed of characters with codes up to 32 at both ends;
//   - an empty line, or one whose first character is ';', is dropped (no other comment
//     form exists: "#..." is an ordinary line and a ';' later in a line belongs to it);
//   - a line that begins with '[' and ends with ']' is a section header.
// Lookups:
//   - a section matches its header "[" + name + "]" ignoring case (A-Z); spaces inside
//     the brackets count. Only the first header of a name is ever searched;
//   - a line's key is the text before its first '=', trimmed, compared ignoring case; the
//     first line whose key matches ends the search, and its trimmed value is the answer
//     unless it is empty (then the default is).
// Values are not cached: every lookup walks its section's lines again; only where each
// section starts is indexed, so a text with many sections costs no more per lookup.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/bitmap.h"

namespace kq {

class TQuickIni {
 public:
  static constexpr std::size_t kNoLineLimit = static_cast<std::size_t>(-1);

  // Replaces the content with the given text. A text with more than `maxLines` kept lines
  // is not taken: the parser is left empty and the answer is false.
  bool LoadFromStream(std::span<const std::uint8_t> text, std::size_t maxLines = kNoLineLimit);
  bool LoadFromText(std::string_view text, std::size_t maxLines = kNoLineLimit);

  // Section names in text order, without their brackets, trimmed.
  std::vector<std::string> ReadSections() const;
  // Line index of the first header equal to "[" + name + "]" ignoring case, or -1.
  int SectionIndex(std::string_view name) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // "0x"/"0X" before the digits reads as hexadecimal ("$" works too); a value that is not
  // a whole 32-bit integer gives the default.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;

  // The kept lines, trimmed, in text order.
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  struct Section {
    std::string header;  // with its brackets
    int line;
  };
  void Clear();

  std::vector<std::string> lines_;
  std::vector<Section> sections_;
  // Lower-cased header -> line of its first occurrence.
  std::unordered_map<std::string, int> first_header_;
};

// Integer conversion of a value text: an optional sign and decimal digits in the 32-bit
// range, or "$" and up to eight significant hexadecimal digits (taken as the 32-bit
// pattern, so $FFFFFFFF is -1). "0x"/"0X" in front of a text longer than two characters
// reads as "$". Anything else has no value.
std::optional<std::int32_t> ParseSkinInteger(std::string_view text);

// A colour text: the first three runs of decimal digits are red, green and blue, each
// kept to its low 8 bits. A run counts only when a non-digit follows it, except that a
// run ending the text counts when it is the third. Missing parts are 0.
Color StrToColour(std::string_view text);

// ReadString with an empty default; no value gives `def`, any value goes through
// StrToColour.
Color ReadColour(const TQuickIni& ini, std::string_view section, std::string_view key, Color def);

// Reads the integers name+"R", name+"G", name+"B"; only when all three are present and
// not negative is `colour` set (each part cut to 8 bits). Returns whether it was set.
bool ReadRGB(const TQuickIni& ini, std::string_view section, std::string_view name, Color& colour);

// Trims characters with codes up to 32 from both ends.
std::string_view TrimText(std::string_view s);

}  // namespace kq

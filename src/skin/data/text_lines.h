// Line splitting shared by the archive's name table and the definition text.
#pragma once

#include <string_view>
#include <vector>

namespace kq {

// Splits at CR LF, CR or LF (CR LF counts once; CR CR or LF LF leave an empty line
// between them). A last line without an ending still counts; an empty text has no lines.
inline std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.push_back(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

}  // namespace kq

// Line splitting shared by the archive's name table and the definition text.
#pragma once

#include <string_view>
#include <vector>

namespace kq {

// Calls `line(text)` for each line, splitting at CR LF, CR or LF (CR LF counts once; CR CR
// or LF LF leave an empty line between them). A last line without an ending still counts;
// an empty text has no lines. `line` returns false to stop early; so does ForEachLine then.
template <typename F>
bool ForEachLine(std::string_view text, F&& line) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = i;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    if (!line(text.substr(i, end - i))) return false;
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return true;
}

// Every line of the text.
inline std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view l) {
    lines.push_back(l);
    return true;
  });
  return lines;
}

// The lines of the text, but never more than `maxLines`: false when there are more (a
// hostile text cannot make us hold millions of them just to count them).
inline bool SplitLinesAtMost(std::string_view text, std::size_t maxLines, std::vector<std::string_view>& lines) {
  lines.clear();
  return ForEachLine(text, [&](std::string_view l) {
    if (lines.size() == maxLines) return false;
    lines.push_back(l);
    return true;
  });
}

}  // namespace kq

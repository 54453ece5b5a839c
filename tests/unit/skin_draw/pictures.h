// Tiny pictures written as text, one character per pixel, so tests can spell out the
// pixels they expect: '.' black, 'M' magenta (the key), any other letter or digit a colour
// of its own, '?' (only in results) a colour that has no letter.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/bitmap.h"

namespace kq::test {

inline Color ColourOf(char c) {
  if (c == '.') return 0;
  if (c == 'M') return kTransparentKey;
  return MakeColor(c, 255 - c, 3 * c);
}

inline char LetterOf(Color c) {
  if (c == 0) return '.';
  if (c == kTransparentKey) return 'M';
  const char r = static_cast<char>(ColorR(c));
  if (((r >= 'a' && r <= 'z') || (r >= 'A' && r <= 'Z') || (r >= '0' && r <= '9')) &&
      ColourOf(r) == c)
    return r;
  return '?';
}

inline Bitmap Picture(std::initializer_list<std::string_view> rows) {
  const int h = static_cast<int>(rows.size());
  const int w = h ? static_cast<int>(rows.begin()->size()) : 0;
  Bitmap b(w, h);
  int y = 0;
  for (std::string_view row : rows) {
    for (int x = 0; x < w && x < static_cast<int>(row.size()); ++x) b.SetPixel(x, y, ColourOf(row[x]));
    ++y;
  }
  return b;
}

// A picture of the given size filled with one letter.
inline Bitmap Canvas(int w, int h, char fill) {
  Bitmap b(w, h);
  b.Fill(ColourOf(fill));
  return b;
}

inline std::vector<std::string> Rows(const Bitmap& b) {
  std::vector<std::string> out;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) row += LetterOf(b.Pixel(x, y));
    out.push_back(row);
  }
  return out;
}

inline std::vector<std::string> Lines(std::initializer_list<std::string_view> rows) {
  return std::vector<std::string>(rows.begin(), rows.end());
}

}  // namespace kq::test

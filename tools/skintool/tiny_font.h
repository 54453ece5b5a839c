// A 5 x 7 pixel font for the names on a skin sheet: capitals, digits and the punctuation
// skin names use. Small letters are drawn as capitals; characters it lacks as a box.
#pragma once

#include <string_view>

#include "base/bitmap.h"

namespace kq::skintool {

inline constexpr int kTinyFontHeight = 7;
inline constexpr int kTinyFontAdvance = 6;  // 5 pixels and a gap

int TinyTextWidth(std::string_view text);
// Draws `text` with its top-left corner at (x, y), each glyph pixel `scale` pixels square.
void DrawTinyText(Bitmap& b, int x, int y, std::string_view text, Color colour, int scale = 1);

}  // namespace kq::skintool

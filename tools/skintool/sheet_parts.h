// Pieces shared by the two halves of the skin sheet (sheet.cpp, sheet_preview.cpp).
#pragma once

#include <string_view>

#include "base/bitmap.h"
#include "skin/data/skin_model.h"

namespace kq::skintool::sheet {

inline constexpr Color kPaper = MakeColor(250, 250, 250);
inline constexpr Color kInk = MakeColor(34, 34, 34);
inline constexpr Color kNote = MakeColor(110, 110, 110);

// A skin colour as RGB: system colours as the classic Windows scheme has them.
Color Resolve(Color c);

// A light checkerboard, so that transparent (magenta) pixels show as such.
void Checker(Bitmap& b, const Rect& r);

// The same picture enlarged `zoom` times, pixel for pixel.
Bitmap Zoom(const Bitmap& b, const Rect& part, int zoom);

// The previews: a window of the given size, active or not, with a title text, as the
// frame painter composes it (magenta where the window region leaves it out).
Bitmap PreviewWindow(const TSkinModel& m, int w, int h, bool active, std::string_view title);
// A face-coloured panel with push buttons, check boxes, radio buttons, a combo box, a
// progress bar, scroll bars, a menu and the other controls in their states.
Bitmap PreviewControls(const TSkinModel& m);

}  // namespace kq::skintool::sheet

// The skin sheet: one picture that shows everything a skin gives, drawn through the real
// model build and the real pixel operations. A window in both states and a panel of
// controls show the skin as the painters will use it; below them every object follows
// with its frames side by side (enlarged when small, on a checkerboard where transparent)
// and sliced at two sizes.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "base/bitmap.h"
#include "skin/data/skin_model.h"

namespace kq::skintool {

// The arrow width the sheet builds the combo composite with (Windows at 96 dpi).
inline constexpr int kSheetArrowWidth = 17;

Bitmap RenderSheet(const TSkinModel& model, std::string_view caption);

// `skintool sheet <file.skn> <out.bmp>`. Returns 0, or 1 when the skin cannot be read or
// the picture not written (with the reason on `err`).
int SheetCommand(const std::string& skinFile, const std::string& outBmp, std::ostream& report,
                 std::ostream& err);

}  // namespace kq::skintool

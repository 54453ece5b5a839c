#include "skin/data/skin_load.h"

#include "skin/data/skin_image.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_scale.h"
#include "skin/draw/resample.h"

namespace kq {

bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile, int hscrollArrowWidth,
                   TLoadBudget& budget, TSkinReader::Notice notice, int sourceDpi,
                   int targetDpi) {
  model.NotLoaded = true;
  TSkinReader reader(std::move(notice));
  if (!reader.LoadFromStream(skinFile, budget)) return false;
  TQuickIni ini;
  for (int i = 0; i < reader.Count(); ++i) {
    if (reader.Names()[static_cast<std::size_t>(i)].find(".ini") == std::string::npos) continue;
    if (!ini.LoadFromStream(reader.Entry(i), static_cast<std::size_t>(budget.Limits().textLines))) {
      budget.Break(budget.TextLinesText());
      return false;
    }
    break;
  }
  // Built aside, so a skin refused half-way leaves the previous objects as they were.
  TSkinModel built;
  TSkinImages images(reader, budget);
  const bool scaled = sourceDpi > 0 && targetDpi > 0 && sourceDpi != targetDpi;
  built.Build(ini, images,
              scaled ? ScaleLength(hscrollArrowWidth, sourceDpi, targetDpi) : hscrollArrowWidth);
  if (budget.Broken()) return false;
  // The scaled copies count against the same budget as the pictures they come from.
  if (scaled) ScaleSkinModel(built, sourceDpi, targetDpi, &budget);
  if (budget.Broken()) return false;
  model = std::move(built);
  return true;
}

bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile, int hscrollArrowWidth,
                   TSkinReader::Notice notice, int sourceDpi, int targetDpi) {
  TLoadBudget budget;
  return LoadSkinModel(model, skinFile, hscrollArrowWidth, budget, std::move(notice), sourceDpi,
                       targetDpi);
}

}  // namespace kq

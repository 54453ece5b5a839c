#include "skin/data/skin_load.h"

#include "skin/data/skin_image.h"
#include "skin/data/skin_ini.h"

namespace kq {

bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile, int hscrollArrowWidth,
                   TLoadBudget& budget, TSkinReader::Notice notice) {
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
  built.Build(ini, images, hscrollArrowWidth);
  if (budget.Broken()) return false;
  model = std::move(built);
  return true;
}

bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile, int hscrollArrowWidth,
                   TSkinReader::Notice notice) {
  TLoadBudget budget;
  return LoadSkinModel(model, skinFile, hscrollArrowWidth, budget, std::move(notice));
}

}  // namespace kq

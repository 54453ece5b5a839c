#include "skin/data/skin_load.h"

#include <string>
#include <vector>

#include "skin/data/skin_ini.h"
#include "skin/data/skin_scale.h"
#include "skin/draw/resample.h"

namespace kq {

bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile,
                   int hscrollArrowWidth, TSkinReader::Notice notice, int sourceDpi,
                   int targetDpi) {
  model.NotLoaded = true;
  TSkinReader reader(std::move(notice));
  if (!reader.LoadFromStream(skinFile)) return false;
  std::vector<std::uint8_t> text;
  std::string name;
  reader.FindFile(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(text);
  const bool scaled = sourceDpi > 0 && targetDpi > 0 && sourceDpi != targetDpi;
  model.Build(ini, reader,
              scaled ? ScaleLength(hscrollArrowWidth, sourceDpi, targetDpi) : hscrollArrowWidth);
  if (scaled) ScaleSkinModel(model, sourceDpi, targetDpi);
  return true;
}

}  // namespace kq

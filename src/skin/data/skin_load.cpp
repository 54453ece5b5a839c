#include "skin/data/skin_load.h"

#include <string>
#include <vector>

#include "skin/data/skin_ini.h"

namespace kq {

bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile,
                   int hscrollArrowWidth, TSkinReader::Notice notice) {
  model.NotLoaded = true;
  TSkinReader reader(std::move(notice));
  if (!reader.LoadFromStream(skinFile)) return false;
  std::vector<std::uint8_t> text;
  std::string name;
  reader.FindFile(".ini", text, name);
  TQuickIni ini;
  ini.LoadFromStream(text);
  model.Build(ini, reader, hscrollArrowWidth);
  return true;
}

}  // namespace kq

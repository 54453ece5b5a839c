// The committed sources of the default skin (resources/skin, and resources/skin-<dpi> for
// each other stored variant), packed into an archive in the order of their skin.lst, as the
// build packs them.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/skin_ini.h"
#include "skin/data/text_lines.h"
#include "unit/skin_data/archive_builder.h"

namespace kq::test {

inline std::string DefaultSkinDir(int dpi = 96) {
  return std::string(KQ_TESTDATA_DIR) + "/../../resources/skin" + (dpi == 96 ? "" : "-" + std::to_string(dpi));
}

inline std::string ReadText(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// (name, content) of every file skin.lst names, in its order.
inline std::vector<std::pair<std::string, std::string>> DefaultSkinFiles(int dpi = 96) {
  std::vector<std::pair<std::string, std::string>> files;
  const std::string dir = DefaultSkinDir(dpi);
  const std::string list = ReadText(dir + "/skin.lst");
  for (std::string_view line : SplitLines(list)) {
    const std::string name(TrimText(line));
    if (!name.empty()) files.emplace_back(name, ReadText(dir + "/" + name));
  }
  return files;
}

}  // namespace kq::test

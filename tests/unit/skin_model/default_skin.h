// The committed sources of the default skin (resources/skin), packed into an archive in
// the order of their skin.lst, as the build packs them.
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

inline std::string DefaultSkinDir() { return std::string(KQ_TESTDATA_DIR) + "/../../resources/skin"; }

inline std::string ReadText(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// (name, content) of every file skin.lst names, in its order.
inline std::vector<std::pair<std::string, std::string>> DefaultSkinFiles() {
  std::vector<std::pair<std::string, std::string>> files;
  const std::string list = ReadText(DefaultSkinDir() + "/skin.lst");
  for (std::string_view line : SplitLines(list)) {
    const std::string name(TrimText(line));
    if (!name.empty()) files.emplace_back(name, ReadText(DefaultSkinDir() + "/" + name));
  }
  return files;
}

}  // namespace kq::test

// The program's own default skin: its definition text and pictures, made entirely by code
// so that anyone can regenerate them and get the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kq::skingen {

struct SkinFile {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// The definition text first, then the pictures in the order the text names them, all drawn
// for a display of `dpi` (96 is 100 %; the stored variants are kStoredSkinDpis).
std::vector<SkinFile> MakeDefaultSkin(int dpi = 96);

// The folder of resources/ that holds the sources of the variant for `dpi`: "skin" for
// 96 dpi, "skin-120" and so on for the others.
std::string SourceFolderName(int dpi);

// The name of the definition text among them.
inline constexpr const char* kDefinitionName = "default.ini";

}  // namespace kq::skingen

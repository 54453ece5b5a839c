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

// The definition text first, then the pictures in the order the text names them.
std::vector<SkinFile> MakeDefaultSkin();

// The name of the definition text among them.
inline constexpr const char* kDefinitionName = "default.ini";

}  // namespace kq::skingen

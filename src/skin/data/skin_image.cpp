#include "skin/data/skin_image.h"

#include <vector>

#include "skin/data/bmp.h"

namespace kq {

std::string_view ImageFileName(std::string_view reference) {
  const std::size_t cut = reference.find_last_of("\\:");
  return cut == std::string_view::npos ? reference : reference.substr(cut + 1);
}

bool LoadImage(const TSkinReader& reader, Bitmap& bitmap, std::string_view reference) {
  bitmap = Bitmap();
  const std::string_view name = ImageFileName(reference);
  const std::size_t dot = name.rfind('.');
  if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") return false;
  std::vector<std::uint8_t> entry;
  if (!reader.ReadFile(name, entry) || entry.empty()) return false;
  return ReadBmp(entry, bitmap);
}

}  // namespace kq

#include "skin/data/skin_variants.h"

namespace kq {

std::string StoredSkinResourceName(int dpi) {
  return dpi == kSkinDesignDpi ? "SKINSTREAM" : "SKINSTREAM" + std::to_string(dpi);
}

int ChooseStoredSkinDpi(int systemDpi, std::span<const int> available) {
  int below = 0, smallest = 0;
  for (int dpi : available) {
    if (dpi == systemDpi) return dpi;
    if (dpi < systemDpi && dpi > below) below = dpi;
    if (smallest == 0 || dpi < smallest) smallest = dpi;
  }
  return below ? below : smallest;
}

}  // namespace kq

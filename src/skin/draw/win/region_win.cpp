#include "skin/draw/win/region_win.h"

#include <cstdint>


namespace kq {

HRGN CreateRegionFromBlocks(const std::vector<RegionBlock>& blocks) {
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  if (!result) return nullptr;
  std::vector<std::uint8_t> data;
  for (const RegionBlock& block : blocks) {
    const DWORD count = static_cast<DWORD>(block.rects.size());
    data.assign(sizeof(RGNDATAHEADER) + count * sizeof(RECT), 0);
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = count;
    header->rcBound = RECT{block.bounds.left, block.bounds.top, block.bounds.right, block.bounds.bottom};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (DWORD i = 0; i < count; ++i) {
      const Rect& r = block.rects[i];
      rects[i] = RECT{r.left, r.top, r.right, r.bottom};
    }
    HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                reinterpret_cast<const RGNDATA*>(data.data()));
    if (!part) {
      DeleteObject(result);
      return nullptr;
    }
    CombineRgn(result, result, part, RGN_OR);
    DeleteObject(part);
  }
  return result;
}

}  // namespace kq

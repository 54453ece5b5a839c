// Turns the rectangle blocks of RegionFromBitmap into one GDI region.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/draw/region.h"

namespace kq {

// One ExtCreateRegion per block, OR-combined. The caller owns the result (SetWindowRgn
// takes it over). No blocks give an empty region; nullptr only when GDI runs out.
HRGN CreateRegionFromBlocks(const std::vector<RegionBlock>& blocks);

}  // namespace kq

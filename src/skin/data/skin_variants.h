// The default skin is stored once per display scale, each variant drawn natively for its
// dpi: "SKINSTREAM" (96 dpi, 100 %) and "SKINSTREAM120", "SKINSTREAM144", "SKINSTREAM168",
// "SKINSTREAM192" (125, 150, 175 and 200 %). A variant's definition text gives its lengths
// at its own scale; a skin loaded for another dpi is scaled from the dpi it was drawn for.
#pragma once

#include <span>
#include <string>

namespace kq {

inline constexpr int kSkinDesignDpi = 96;
inline constexpr int kStoredSkinDpis[] = {96, 120, 144, 168, 192};

// The resource name of the stored variant drawn for `dpi`.
std::string StoredSkinResourceName(int dpi);

// Which of the `available` variants (their dpis) to load on a display of `systemDpi`: the
// one drawn for it; else the largest one below it (the rest is scaled up at load); else the
// smallest one. 0 when none is available.
int ChooseStoredSkinDpi(int systemDpi, std::span<const int> available);

}  // namespace kq

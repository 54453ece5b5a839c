// Loading a skin file into a skin model: unpack, read the archive, parse the definition
// text, build. The portable part of the skin component's LoadSkin.
#pragma once

#include <cstdint>
#include <span>

#include "skin/data/load_budget.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_reader.h"

namespace kq {

// Sets NotLoaded, then unpacks `skinFile` (4-byte length + LZHUF stream) and builds the
// model from the first entry whose name contains ".ini" and the images it names. An archive
// of another version shows kOlderSkinText through `notice`; that, a malformed archive and
// a skin over `budget` (the budget then says what was spent) return false with the model's
// objects left as they were and NotLoaded set. A skin without definition text builds from
// an empty text (every default, no image object). Throws ElzhException when the decoder
// cannot get its tables.
//
// `sourceDpi` is the dpi the skin's images were drawn for, `targetDpi` the display's; when
// they differ the built model is scaled once (ScaleSkinModel), its scaled copies charged to
// `budget`. `hscrollArrowWidth` is the display's metric: the combo composite is built at the
// source dpi from it and scaled with the rest.
bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile, int hscrollArrowWidth,
                   TLoadBudget& budget, TSkinReader::Notice notice = {}, int sourceDpi = 96,
                   int targetDpi = 96);
// The same with the default budget.
bool LoadSkinModel(TSkinModel& model, std::span<const std::uint8_t> skinFile,
                   int hscrollArrowWidth, TSkinReader::Notice notice = {}, int sourceDpi = 96,
                   int targetDpi = 96);

}  // namespace kq

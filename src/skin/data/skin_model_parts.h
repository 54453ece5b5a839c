// Steps of the model build that stand on their own (used by skin_model.cpp, and by tests
// through TSkinModel::Build only).
#pragma once

#include <memory>
#include <vector>

#include "skin/data/skin_image.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_reader.h"

namespace kq {

// Whether a section is a caption button section by its name: upper-cased it begins with
// "BUTTON" and is none of "BUTTON", "BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX".
bool IsCaptionButtonSection(std::string_view section);

// The caption buttons of the given sections (in text order), then the three window-menu
// buttons cut from MDICONTROLS / Image (their cuts charged to the images' budget).
std::vector<std::unique_ptr<TDataSkinSysButton>> ReadSysButtons(
    const TQuickIni& ini, TSkinImages& images, const std::vector<std::string>& sections);

// The frame count a caption button gets when the skin gives none (or 0).
int DerivedCaptionButtonFrames(const Bitmap& image, int action);

// Cells in a check or radio strip when the skin gives no count: width div 13 for strips
// under 16 pixels high, else width div 16, but at least 4.
int DerivedCellCount(const Bitmap& strip);

// The composite combo images: SunkEdge, the combo button and its arrow glyph drawn into one
// strip of 50 x 21 frames; ComboButton gets it (Style 2, caps 2 and b + 2), SunkEdge its
// mirror image (caps b + 2 and 2). b is the arrow width + 2. `extra` may be null.
void BuildComboComposite(TDataSkinObject& sunkEdge, TDataSkinBorder& comboButton,
                         const TDataSkinObject* extra, int hscrollArrowWidth);

}  // namespace kq

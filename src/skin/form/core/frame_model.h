// The skin model's frame as the frame painter reads it: the four border pieces and the
// caption text placement of the skin's title.
#pragma once

#include "skin/data/skin_model.h"
#include "skin/form/core/caption_buttons.h"
#include "skin/form/core/caption_text.h"
#include "skin/form/core/frame_paint.h"

namespace kq::skin {

BorderPiece PieceOf(const TDataSkinBorder& border);
FrameSkin FrameSkinOf(const TSkinModel& model);
// Title: Margins left, top and right hold TextShift, TextShiftVert and TextRightClip.
CaptionTextStyle CaptionTextStyleOf(const TDataSkinTitle& title);
CaptionButtonSpec SpecOf(const TDataSkinSysButton& button);

}  // namespace kq::skin

// Scaling a built skin model from the dpi its images were drawn for to the dpi of the
// display. Done once per load, right after the build: painters then only read pixels that
// already have the display's size, never stretch per paint.
#pragma once

#include <cstddef>

#include "skin/data/skin_model.h"

namespace kq { class TLoadBudget; }

namespace kq {

// Scales every length of the model (margins, caption text shifts and clip, caption button
// positions, caption back caps, group-box label shifts, the caption font height) by
// toDpi / fromDpi, rounded as MulDiv rounds, and resamples every image frame by frame
// (ResampleFrames: magenta stays exactly magenta, colours never mix with it). Frame counts,
// flags and colours are kept. Nothing changes when the two are equal or either is not
// positive. Objects that share one picture share its scaled copy. With a `budget`, each
// scaled copy is charged to it before it is made; once it does not fit, the budget breaks
// and the rest stays unscaled (the load then refuses the skin).
void ScaleSkinModel(TSkinModel& model, int fromDpi, int toDpi, TLoadBudget* budget = nullptr);

// The bytes of pixels the model's images hold (rows padded as stored), so a load can
// count its scaled copies against what it may decode.
std::size_t SkinModelImageBytes(const TSkinModel& model);

}  // namespace kq

// The colours of the default skin. One steel-blue accent on cool light grays: calm, with
// dark text (about 13:1 on the face colour) so Chinese glyphs stay legible at small sizes.
#pragma once

#include "skingen/paint.h"

namespace kq::skingen::pal {

// Window frame and caption, active.
inline constexpr Color kCaptionTop = Hex(0x3B6D9C);
inline constexpr Color kCaption = Hex(0x2D5E8C);
inline constexpr Color kCaptionLight = Hex(0x5584B0);  // 1-pixel highlight inside the rim
inline constexpr Color kFrameRim = Hex(0x1B3C5E);
inline constexpr Color kFrameInner = Hex(0x244E77);
inline constexpr Color kCaptionText = Hex(0xFFFFFF);
// Inactive.
inline constexpr Color kCaptionTopI = Hex(0xDCE2E9);
inline constexpr Color kCaptionI = Hex(0xCED6DF);
inline constexpr Color kCaptionLightI = Hex(0xEBEFF3);
inline constexpr Color kFrameRimI = Hex(0x8D9AA8);
inline constexpr Color kFrameInnerI = Hex(0xAEB8C3);
inline constexpr Color kCaptionTextI = Hex(0x4E5A66);

// Faces, text and lines.
inline constexpr Color kFace = Hex(0xF0F2F5);
inline constexpr Color kWhite = Hex(0xFFFFFF);
inline constexpr Color kText = Hex(0x1F2933);
inline constexpr Color kGlyph = Hex(0x4A5561);
inline constexpr Color kGlyphDisabled = Hex(0xB0B8C1);
inline constexpr Color kBorder = Hex(0xA9B4C0);
inline constexpr Color kBorderDark = Hex(0x8A97A5);
inline constexpr Color kBorderLight = Hex(0xCDD3DA);
inline constexpr Color kLine = Hex(0xDDE2E8);
inline constexpr Color kDisabledFill = Hex(0xF5F6F8);
inline constexpr Color kDisabledBorder = Hex(0xD3D8DE);
inline constexpr Color kShadow = Hex(0xA9B4C0);
inline constexpr Color kDkShadow = Hex(0x6B7785);

// The accent and its light tints (hot and pressed states, selections).
inline constexpr Color kAccent = Hex(0x2F6DB0);
inline constexpr Color kAccentDark = Hex(0x245789);
inline constexpr Color kAccentHot = Hex(0x4A88C7);
inline constexpr Color kAccentLight = Hex(0x5B93CF);
inline constexpr Color kHotFill = Hex(0xE6F0FA);
inline constexpr Color kHotBorder = Hex(0xA9C8E8);
inline constexpr Color kPressFill = Hex(0xCFE0F1);
inline constexpr Color kPressBorder = Hex(0x7FA6CF);
inline constexpr Color kSelection = Hex(0xDCE9F7);
inline constexpr Color kSelectionBorder = Hex(0xB4CFEC);

// Scroll bars.
inline constexpr Color kTrack = Hex(0xE9ECF0);
inline constexpr Color kTrackDisabled = Hex(0xF2F4F6);
inline constexpr Color kThumb = Hex(0xBAC3CD);
inline constexpr Color kThumbHot = Hex(0xA2ADB9);
inline constexpr Color kThumbDrag = Hex(0x8693A1);

// Caption button faces.
inline constexpr Color kCloseHot = Hex(0xD9463F);
inline constexpr Color kClosePressed = Hex(0xB23530);

}  // namespace kq::skingen::pal

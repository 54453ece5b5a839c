// Where the caption text of a skinned frame goes: horizontal alignment, vertical offset, the
// clip on the right, the text background and the rectangle DrawText gets. The text is
// measured by the caller (GDI); everything else is decided here.
#pragma once

#include <string>

#include "base/bitmap.h"

namespace kq::skin {

// Put around the window text: room before it, and after it for the ellipsis to breathe.
inline constexpr wchar_t kCaptionPrefix[] = L" ";
inline constexpr wchar_t kCaptionSuffix[] = L"  ";
std::wstring DecorateCaption(const std::wstring& windowText);

// The skin's title placement (TDataSkinTitle: Margins left/top/right are TextShift,
// TextShiftVert and TextRightClip).
struct CaptionTextStyle {
  int textShift = 0;
  int textShiftVert = 0;
  int textRightClip = 0;
  int textAlignment = 0;  // 0 left after TextShift, 1 centred, 2 right before TextRightClip
  int textBackLeft = 0;
  int textBackRight = 0;
};

struct CaptionTextInput {
  Rect caption;  // the caption between the left and right frame pieces
  int textWidth = 0, textHeight = 0;  // measured text, prefix and suffix included
  bool rightToLeft = false;
  bool popup = false;        // WS_POPUP: the text ends before the right-aligned buttons
  bool dialogFrame = false;  // no icon, so left-aligned text moves 16 pixels left
  int rightmostButtonLeft = 0;
};

struct CaptionTextPlacement {
  Rect text;  // the text's place, background caps included (caption buttons align to it)
  Rect back;  // the text background: the text's columns over the caption's height
  Rect draw;  // what DrawText gets: the text without the background caps
};

// The text stays inside the caption, so a long centred or right-aligned text does not spill
// over the left frame piece nor a popup's text over the right one; it is cut at the right
// and ends in an ellipsis.
CaptionTextPlacement PlaceCaptionText(const CaptionTextStyle& s, const CaptionTextInput& in);

}  // namespace kq::skin

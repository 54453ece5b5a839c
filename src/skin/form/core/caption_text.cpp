#include "skin/form/core/caption_text.h"

#include <algorithm>

namespace kq::skin {

std::wstring DecorateCaption(const std::wstring& windowText) {
  return kCaptionPrefix + windowText + kCaptionSuffix;
}

CaptionTextPlacement PlaceCaptionText(const CaptionTextStyle& s, const CaptionTextInput& in) {
  const Rect& cap = in.caption;
  const int width = in.textWidth + s.textBackLeft + s.textBackRight;
  const int rightAligned = cap.Width() - s.textRightClip - width;
  int dx = 0;
  if (in.rightToLeft) {
    dx = rightAligned;
  } else {
    switch (s.textAlignment) {
      case 0: dx = s.textShift; break;
      case 1: dx = (cap.Width() - width) / 2; break;
      case 2: dx = rightAligned; break;
      default: dx = 0; break;
    }
  }
  const int dy = (cap.Height() - in.textHeight) / 2 + s.textShiftVert / 2;

  Rect text{cap.left + dx, cap.top + dy, cap.left + dx + width, cap.top + dy + in.textHeight};
  if (in.popup) {
    if (in.rightmostButtonLeft > 5 && in.rightmostButtonLeft - 5 < text.right)
      text.right = in.rightmostButtonLeft - 5;
  } else {
    text.right = std::min(text.right, cap.right - s.textRightClip);
  }
  if (in.dialogFrame && s.textAlignment == 0) text.left -= 16;
  text.left = std::max(text.left, cap.left);
  text.right = std::min(text.right, cap.right);

  CaptionTextPlacement p;
  p.text = text;
  p.back = Rect{text.left, cap.top, text.right, cap.bottom};
  p.draw = Rect{text.left + s.textBackLeft, text.top, text.right - s.textBackRight, text.bottom};
  return p;
}

}  // namespace kq::skin

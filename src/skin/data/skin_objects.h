// The skin objects every painter reads: an image with its caps, frame count, flags and
// state colours, and the five kinds that add fields of their own. They are plain data;
// the skin model (skin_model.h) creates and fills them on every load, and painters only
// read them.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "base/bitmap.h"
#include "skin/draw/frame.h"

namespace kq {

// A skin colour that names a system colour rather than an RGB value: 0x80000000 plus the
// platform's system colour index (0x8000000F is the button face).
constexpr Color kSystemColourFlag = 0x80000000u;
constexpr Color SystemColour(int index) { return kSystemColourFlag | static_cast<Color>(index); }
constexpr bool IsSystemColour(Color c) { return (c & kSystemColourFlag) != 0; }
// The title text colours hold this when the skin gives none.
constexpr Color kNoTitleColour = 0x1FFFFFFF;

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name = {}) : Name(std::move(name)) {}
  virtual ~TDataSkinObject() = default;
  TDataSkinObject(const TDataSkinObject&) = default;
  TDataSkinObject& operator=(const TDataSkinObject&) = default;
  TDataSkinObject(TDataSkinObject&&) = default;
  TDataSkinObject& operator=(TDataSkinObject&&) = default;

  // The caps kept unscaled, in source pixels (LeftWidth, TopHeight, RightWidth,
  // BottomHeight unless the object's reader says otherwise).
  kq::Margins Margins;
  kq::Bitmap Bitmap;          // empty when the skin gives none
  std::int32_t Trans = 0;     // draw keyed on magenta
  std::int32_t Tile = 0;      // 1 tile / 0 stretch the middle (frame edges: their Stretch key)
  std::string Name;           // the section or object name
  std::int32_t FrameCount = 0;
  std::int32_t Style = 0;
  // Text colours of the three states as plain integers; -1 means none.
  std::int32_t NormalColour = -1, MouseOverColour = -1, PressedColour = -1;
  Color NormalColour2 = 0, MouseOverColour2 = 0, PressedColour2 = 0;
};

// An object with a second image: the frame edges, tabs (their border image), the combo
// button (its mirrored image), the up-down buttons (their glyph strip) and the progress bar
// (its chunk).
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  kq::Bitmap Bitmap2;
};

// The group box: where its caption background sits.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t BackgroundLeftShift = 0;
  std::int32_t BackgroundRightShift = 0;
  std::int32_t BackgroundAlignment = 0;
};

// The caption: text placement (Margins left = TextShift, top = TextShiftVert, right =
// TextRightClip) and the text background image with its caps.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t TextAlignment = 0;
  std::int32_t TextBackground = 0;
  std::int32_t FontHeight = 0;
  std::int32_t TextBackLeft = 0;
  std::int32_t TextBackRight = 0;
  Color ActiveTextColour = kNoTitleColour;
  Color InactiveTextColour = kNoTitleColour;
};

// Push buttons (Bitmap), check boxes and radio buttons (their cell strips).
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  kq::Bitmap CheckBitmap;
  kq::Bitmap RadioBitmap;
  std::int32_t RadioButtonFrame = 0;
  std::int32_t CheckButtonFrame = 0;
  // Whether the skin gave each of the three text colours (only given ones are used).
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// A caption button, or one of the three window-menu buttons of a maximised child window.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  std::int32_t Action = 0;
  std::int32_t Align = 0;
  std::int32_t XCoord = 0;
  std::int32_t YCoord = 0;
  std::int32_t CombineOp = 0;
  std::int32_t Visibility = 0;
  std::int32_t Visibility1 = 0;
};

}  // namespace kq

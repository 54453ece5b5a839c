// What the button skinners decide without a window: which frame of the skin's button image
// shows, which glyph cell, where glyph and text go, and how captions break into lines.
//
// Frames of the button image, counted from 1: 1 normal, 2 pressed (or a speed button that is
// down), 3 disabled, 4 hot or focused, 5 default button.
#pragma once

#include <string>

#include "base/bitmap.h"

namespace kq::skin {

inline constexpr int kFrameNormal = 1, kFramePressed = 2, kFrameDisabled = 3, kFrameHot = 4,
                     kFrameDefault = 5;
// A plain push button's image always holds five frames.
inline constexpr int kButtonFrameCount = 5;

// MouseState bits of a control skinner.
inline constexpr unsigned kMouseHot = 1, kMousePressed = 2;

// A push button: pressed, then hot, then the default button, then focus; disabled above all.
// A default button that has the focus therefore shows frame 5.
int PushButtonFrame(bool pressed, bool hot, bool defaultButton, bool focused, bool enabled);
// A bit button: focus and hover come before Default, so a default bit button with the focus
// shows frame 4.
int BitButtonFrame(bool pressed, bool hot, bool focused, bool defaultButton, bool enabled);
// A speed button: down, else disabled, else pressed, hot or normal.
int SpeedButtonFrame(bool pressed, bool hot, bool down, bool enabled);
// A flat speed button at rest shows only the face colour.
bool SpeedButtonDrawsFrame(int frame, bool flat);

// Glyph cell state by frame: pressed 3, disabled 2, anything else 1.
int GlyphState(int frame);
// The cell (0-based) of a glyph strip of `numGlyphs` cells: a four-cell strip has one per
// state, any other strip always shows its first cell.
int GlyphCell(int glyphState, int numGlyphs);
// NumGlyphs as the skinner takes it: 0 (or less) counts as 1.
int EffectiveNumGlyphs(int numGlyphs);

// Every "||" of a caption starts a new line.
template <class Ch>
std::basic_string<Ch> CaptionLines(const std::basic_string<Ch>& caption) {
  std::basic_string<Ch> out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == Ch('|') && i + 1 < caption.size() && caption[i + 1] == Ch('|')) {
      out += Ch('\r');
      out += Ch('\n');
      ++i;
    } else {
      out += caption[i];
    }
  }
  return out;
}

// Where a measured text box goes in `rect`: centred horizontally when `centre` is set, else
// as wide as `rect`; vertically one pixel above the centre (halves rounded toward zero).
Rect CentredTextBox(const Rect& rect, int textWidth, int textHeight, bool centre);

// Glyph and text of a bit button or speed button.
enum class GlyphLayout { Left, Right, Top, Bottom };  // blGlyphLeft .. blGlyphBottom

struct GlyphLayoutInput {
  int width = 0, height = 0;        // the button
  int glyphWidth = 0, glyphHeight = 0;
  int textWidth = 0, textHeight = 0;
  int margin = -1, spacing = 4;     // -1: computed
  GlyphLayout layout = GlyphLayout::Left;
  bool alignCentre = false;         // a bit button's Alignment is taCenter
};

struct GlyphPlacement {
  int glyphX = 0, glyphY = 0;
  Rect text;                        // the measured text box moved into place
  unsigned textFlags = 0;           // DT_* alignment (and DT_WORDBREAK for bit buttons)
};

// TBitBtn: Margin -1 or Alignment taCenter centres glyph and text together.
GlyphPlacement PlaceBitButtonGlyph(const GlyphLayoutInput& in);
// TSpeedButton: only Margin -1 centres; a given Spacing puts one pixel more before the glyph;
// no word break.
GlyphPlacement PlaceSpeedButtonGlyph(const GlyphLayoutInput& in);

// Horizontal start of an icon and text laid out in a tab or header of `width`: layout 0
// left, 1 centred, 2 right; never closer than 2 pixels to the left edge.
int GlyphAndTextStart(int layout, int width, int iconWidth, int textWidth);

// DT_* values the rules hand out (same as Win32).
inline constexpr unsigned kDtCenter = 0x1, kDtRight = 0x2, kDtWordBreak = 0x10;

}  // namespace kq::skin

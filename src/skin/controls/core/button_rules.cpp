#include "skin/controls/core/button_rules.h"

#include <algorithm>

namespace kq::skin {

int PushButtonFrame(bool pressed, bool hot, bool defaultButton, bool focused, bool enabled) {
  if (!enabled) return kFrameDisabled;
  if (pressed) return kFramePressed;
  if (hot) return kFrameHot;
  if (defaultButton) return kFrameDefault;
  if (focused) return kFrameHot;
  return kFrameNormal;
}

int BitButtonFrame(bool pressed, bool hot, bool focused, bool defaultButton, bool enabled) {
  if (!enabled) return kFrameDisabled;
  if (pressed) return kFramePressed;
  if (focused || hot) return kFrameHot;
  if (defaultButton) return kFrameDefault;
  return kFrameNormal;
}

int SpeedButtonFrame(bool pressed, bool hot, bool down, bool enabled) {
  if (down) return kFramePressed;
  if (!enabled) return kFrameDisabled;
  if (pressed) return kFramePressed;
  if (hot) return kFrameHot;
  return kFrameNormal;
}

bool SpeedButtonDrawsFrame(int frame, bool flat) { return !(frame == kFrameNormal && flat); }

int GlyphState(int frame) {
  if (frame == kFramePressed) return 3;
  if (frame == kFrameDisabled) return 2;
  return 1;
}

int GlyphCell(int glyphState, int numGlyphs) { return numGlyphs == 4 ? glyphState - 1 : 0; }

int EffectiveNumGlyphs(int numGlyphs) { return numGlyphs < 1 ? 1 : numGlyphs; }

Rect CentredTextBox(const Rect& rect, int textWidth, int textHeight, bool centre) {
  Rect r;
  if (centre) {
    r.left = rect.left + (rect.Width() - textWidth) / 2;
    r.right = r.left + textWidth;
  } else {
    r.left = rect.left;
    r.right = rect.right;
  }
  r.top = rect.top + (rect.Height() - textHeight) / 2 - 1;
  r.bottom = r.top + textHeight;
  return r;
}

namespace {

GlyphPlacement Place(const GlyphLayoutInput& in, bool speed) {
  const bool across = in.layout == GlyphLayout::Left || in.layout == GlyphLayout::Right;
  GlyphPlacement p;
  int textX = 0, textY = 0;
  // Across the layout axis both are centred.
  if (across) {
    p.glyphY = (in.height - in.glyphHeight + 1) / 2;
    textY = (in.height - in.textHeight + 1) / 2;
  } else {
    p.glyphX = (in.width - in.glyphWidth + 1) / 2;
    textX = (in.width - in.textWidth + 1) / 2;
  }
  const int size = across ? in.width : in.height;
  const int glyph = across ? in.glyphWidth : in.glyphHeight;
  const int text = across ? in.textWidth : in.textHeight;

  int margin = in.margin, spacing = in.spacing;
  // Without text or glyph there is nothing to space.
  if (in.textWidth == 0 || in.glyphWidth == 0) spacing = 0;
  const bool centred = margin == -1 || (!speed && in.alignCentre);
  if (centred) {
    if (spacing == -1) {
      margin = (size - (glyph + text)) / 3;
      spacing = margin;
    } else {
      margin = (size - (glyph + spacing + text)) / 2;
      if (speed) margin += 1;
    }
  } else if (spacing == -1) {
    spacing = ((size - (margin + glyph)) - text) / 2;
  }

  switch (in.layout) {
    case GlyphLayout::Left:
      p.glyphX = margin;
      textX = p.glyphX + in.glyphWidth + spacing;
      p.textFlags = 0;
      break;
    case GlyphLayout::Right:
      p.glyphX = in.width - margin - in.glyphWidth;
      textX = p.glyphX - spacing - in.textWidth;
      p.textFlags = kDtRight;
      break;
    case GlyphLayout::Top:
      p.glyphY = margin;
      textY = p.glyphY + in.glyphHeight + spacing;
      p.textFlags = kDtCenter;
      break;
    case GlyphLayout::Bottom:
      p.glyphY = in.height - margin - in.glyphHeight;
      textY = p.glyphY - spacing - in.textHeight;
      p.textFlags = kDtCenter;
      break;
  }
  if (!speed) p.textFlags |= kDtWordBreak;
  p.text = Rect{textX, textY, textX + in.textWidth, textY + in.textHeight};
  return p;
}

}  // namespace

GlyphPlacement PlaceBitButtonGlyph(const GlyphLayoutInput& in) { return Place(in, false); }
GlyphPlacement PlaceSpeedButtonGlyph(const GlyphLayoutInput& in) { return Place(in, true); }

int GlyphAndTextStart(int layout, int width, int iconWidth, int textWidth) {
  int dx = 2;
  if (layout == 1) dx = (width - iconWidth - textWidth) / 2;
  else if (layout == 2) dx = width - iconWidth - textWidth - 2;
  return std::max(dx, 2);
}

}  // namespace kq::skin

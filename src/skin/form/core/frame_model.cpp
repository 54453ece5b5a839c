#include "skin/form/core/frame_model.h"

namespace kq::skin {

BorderPiece PieceOf(const TDataSkinBorder& b) {
  return BorderPiece{&b.Bitmap, b.FrameCount, b.Margins, b.Tile, b.Trans};
}

FrameSkin FrameSkinOf(const TSkinModel& m) {
  return FrameSkin{PieceOf(m.BorderLeft), PieceOf(m.BorderRight), PieceOf(m.BorderTop),
                   PieceOf(m.BorderBottom)};
}

CaptionTextStyle CaptionTextStyleOf(const TDataSkinTitle& t) {
  CaptionTextStyle s;
  s.textShift = t.Margins.left;
  s.textShiftVert = t.Margins.top;
  s.textRightClip = t.Margins.right;
  s.textAlignment = t.TextAlignment;
  s.textBackLeft = t.TextBackLeft;
  s.textBackRight = t.TextBackRight;
  return s;
}

CaptionButtonSpec SpecOf(const TDataSkinSysButton& b) {
  return CaptionButtonSpec{b.Action, b.Align, b.XCoord, b.YCoord, b.Visibility, b.Visibility1};
}

}  // namespace kq::skin

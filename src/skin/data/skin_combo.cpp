// The composite combo box images: each frame of the sunken edge with the button and its
// arrow already in place, so drawing a combo box is one nine-slice of a prepared frame.
#include "skin/data/skin_model.h"
#include "skin/data/skin_model_parts.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"
#include "skin/draw/transform.h"

namespace kq {

void BuildComboComposite(TDataSkinObject& sunkEdge, TDataSkinBorder& comboButton,
                         const TDataSkinObject* extra, int hscrollArrowWidth) {
  constexpr int W = kComboCompositeWidth, H = kComboCompositeHeight;
  const int b = hscrollArrowWidth + 2;
  const int frames = sunkEdge.FrameCount > 0 ? sunkEdge.FrameCount : 1;
  Bitmap strip(W * frames, H);
  strip.Fill(kTransparentKey);
  const Rect button{W - b, 0, W, H};
  Bitmap work(W, H);
  for (int k = 1; k <= frames; ++k) {
    // Each frame starts transparent, so keyed parts of the edge stay see-through instead
    // of showing the previous frame.
    work.Fill(kTransparentKey);
    DrawSkinPiece(work, work.Bounds(), sunkEdge.Bitmap, Layout::SideBySide, Centre::Stretch,
                  sunkEdge.Trans ? Blend::Keyed : Blend::Opaque, frames, k, sunkEdge.Margins);
    DrawSkinPiece(work, button, comboButton.Bitmap, Layout::SideBySide, Centre::Stretch,
                  Blend::Keyed, comboButton.FrameCount, k, comboButton.Margins);
    if (extra) DrawSkinFrameCentred(work, button, extra->Bitmap, Blend::Keyed, extra->FrameCount, k);
    // The edit's area stays transparent: the control paints its own text there.
    FillRect(work, Rect{2, 2, W - 1 - b, H - 3}, kTransparentKey);
    CopyPixels(strip, W * (k - 1), 0, work, work.Bounds());
  }

  comboButton.Style = 2;
  comboButton.Margins = sunkEdge.Margins;
  comboButton.Margins.left = 2;
  comboButton.Margins.right = b + 2;
  comboButton.Bitmap = strip;

  MirrorBitmap(strip);
  sunkEdge.Bitmap = std::move(strip);
  sunkEdge.Margins.left = b + 2;
  sunkEdge.Margins.right = 2;
}

}  // namespace kq

#include "skin/form/core/frame_region.h"

#include <algorithm>
#include <utility>

#include "skin/draw/blit.h"

namespace kq::skin {
namespace {

constexpr int kTolerance = 1;

// Collects rectangles and cuts them into blocks as they come.
class RectSink {
 public:
  void Add(const Rect& r) {
    if (r.IsEmpty()) return;
    if (blocks_.empty() || blocks_.back().rects.size() >= static_cast<std::size_t>(kRegionBlockSize))
      blocks_.push_back(RegionBlock{r, {}});
    RegionBlock& b = blocks_.back();
    b.rects.push_back(r);
    b.bounds = Rect{std::min(b.bounds.left, r.left), std::min(b.bounds.top, r.top),
                    std::max(b.bounds.right, r.right), std::max(b.bounds.bottom, r.bottom)};
  }
  void AddShape(const Bitmap& image, int dx, int dy) {
    for (const RegionBlock& b :
         RegionFromBitmap(image, dx, dy, kTolerance, kTolerance, kTolerance, kTransparentKey))
      for (const Rect& r : b.rects) Add(r);
  }
  std::vector<RegionBlock> Take() { return std::move(blocks_); }

 private:
  std::vector<RegionBlock> blocks_;
};

}  // namespace

bool SkinShapesWindows(const FrameSkin& skin) {
  return skin.left.trans != 0 || skin.right.trans != 0 || skin.top.trans != 0;
}

std::vector<RegionBlock> FrameRegion(const FrameSkin& skin, const FrameRegionInput& in) {
  const int w = in.width, h = in.height;
  RectSink sink;
  if (w <= 0 || h <= 0) return {};
  if (!SkinShapesWindows(skin)) {
    sink.Add(Rect{0, 0, w, h});
    return sink.Take();
  }
  const Margins& f = in.frame;
  const FrameRects r = LayoutFrame(w, h, f, 0);
  sink.Add(r.client);
  if (in.frameless) return sink.Take();

  auto side = [&](const BorderPiece& piece, FramePart part, const Rect& at) {
    if (piece.trans == 1 && h > 1 && !at.IsEmpty())
      sink.AddShape(RenderBorderPiece(piece, part, at.Width(), h, in.active), at.left, 0);
    else
      sink.Add(at);
  };
  side(skin.left, FramePart::Left, r.left);
  side(skin.right, FramePart::Right, r.right);

  if (skin.bottom.trans == 1 && f.bottom >= 2 && !r.bottom.IsEmpty())
    sink.AddShape(RenderBorderPiece(skin.bottom, FramePart::Bottom, r.bottom.Width(), f.bottom,
                                    in.active),
                  r.bottom.left, r.bottom.top);
  else
    sink.Add(r.bottom);

  if (skin.top.trans == 1 && f.top > 1 && !r.top.IsEmpty()) {
    Bitmap strip;
    if (in.caption && in.caption->Width() >= w && in.caption->Height() >= f.top) {
      strip = Bitmap(r.top.Width(), r.top.Height());
      CopyPixels(strip, 0, 0, *in.caption, r.top);
    } else {
      strip = RenderBorderPiece(skin.top, FramePart::Top, r.top.Width(), r.top.Height(), in.active);
    }
    sink.AddShape(strip, r.top.left, 0);
  } else {
    sink.Add(r.top);
  }
  return sink.Take();
}

}  // namespace kq::skin

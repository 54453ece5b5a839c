// The default skin's frame composed in memory as the painter composes it: every pixel inside
// the window's region is a pixel of the skin (no magenta shows), the active and inactive
// looks differ, and the caption buttons of the main window sit where the skin puts them.
#include <gtest/gtest.h>

#include <vector>

#include "skin/data/skin_model.h"
#include "skin/form/core/caption_buttons.h"
#include "skin/form/core/frame_model.h"
#include "skin/form/core/frame_paint.h"
#include "skin/form/core/frame_region.h"
#include "unit/skin_model/default_skin.h"
#include "unit/skin_model/skin_fixture.h"

namespace kq::skin {
namespace {

class DefaultFrame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(test::Archive(test::DefaultSkinFiles())));
    std::vector<std::uint8_t> text;
    std::string name;
    ASSERT_TRUE(reader.FindFile(".ini", text, name));
    TQuickIni ini;
    ini.LoadFromStream(text);
    model_ = new TSkinModel;
    model_->Build(ini, reader, test::kArrowWidth);
  }
  static void TearDownTestSuite() {
    delete model_;
    model_ = nullptr;
  }
  static Margins Widths() {
    const TSkinModel& m = *model_;
    return Margins{m.BorderLeft.Bitmap.Width() / m.BorderLeft.FrameCount,
                   m.BorderTop.Bitmap.Height() / m.BorderTop.FrameCount,
                   m.BorderRight.Bitmap.Width() / m.BorderRight.FrameCount,
                   m.BorderBottom.Bitmap.Height() / m.BorderBottom.FrameCount};
  }
  static TSkinModel* model_;
};
TSkinModel* DefaultFrame::model_ = nullptr;

std::vector<std::vector<bool>> Inside(const std::vector<RegionBlock>& blocks, int w, int h) {
  std::vector<std::vector<bool>> in(h, std::vector<bool>(w, false));
  for (const RegionBlock& b : blocks)
    for (const Rect& r : b.rects)
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) in[y][x] = true;
  return in;
}

TEST_F(DefaultFrame, NoMagentaShowsInsideTheRegionAndTheCornersAreCut) {
  const int w = 326, h = 252;
  const Margins f = Widths();
  EXPECT_EQ(f, (Margins{4, 30, 4, 4}));
  const FrameSkin skin = FrameSkinOf(*model_);
  EXPECT_TRUE(SkinShapesWindows(skin));
  for (const bool active : {true, false}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    Bitmap frame(w, h);
    ComposeFrame(frame, skin, f, active);
    FrameRegionInput in;
    in.width = w;
    in.height = h;
    in.frame = f;
    in.active = active;
    in.caption = &frame;
    const auto inside = Inside(FrameRegion(skin, in), w, h);
    const Rect client = LayoutFrame(w, h, f, 0).client;
    int cut = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const bool inClient = x >= client.left && x < client.right && y >= client.top && y < client.bottom;
        if (inClient) {
          EXPECT_TRUE(inside[y][x]);
          continue;
        }
        if (inside[y][x])
          EXPECT_NE(frame.Pixel(x, y), kTransparentKey) << x << "," << y;
        else
          ++cut;
      }
    // Rounded upper corners: the very corner pixels are outside, the caption's middle inside.
    EXPECT_FALSE(inside[0][0]);
    EXPECT_FALSE(inside[0][w - 1]);
    EXPECT_TRUE(inside[0][w / 2]);
    EXPECT_TRUE(inside[h - 1][0]);  // square bottom corners: "Bottom" is opaque
    EXPECT_GT(cut, 4);
    EXPECT_LT(cut, 200);
  }
}

TEST_F(DefaultFrame, ActiveAndInactiveLooksDiffer) {
  const int w = 326, h = 252;
  const FrameSkin skin = FrameSkinOf(*model_);
  Bitmap a(w, h), b(w, h);
  ComposeFrame(a, skin, Widths(), true);
  ComposeFrame(b, skin, Widths(), false);
  for (const Rect& r : {Rect{0, 40, 4, 200}, Rect{100, 2, 200, 28}, Rect{10, 248, 300, 252}}) {
    int differing = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) differing += a.Pixel(x, y) != b.Pixel(x, y);
    EXPECT_GT(differing, 0) << r.left << "," << r.top;
  }
}

TEST_F(DefaultFrame, TheMainWindowsCaptionButtons) {
  // The scheduler's main window: system menu and minimise box, no maximise box, active.
  CaptionContext c;
  c.hasSystemMenu = c.canMinimise = true;
  std::vector<CaptionButtonSlot> slots;
  std::vector<int> asked;
  for (std::size_t i = 0; i < model_->SysButtons.size(); ++i) {
    const TDataSkinSysButton& b = *model_->SysButtons[i];
    const bool visible = CaptionButtonVisible(SpecOf(b), c, [&] {
      asked.push_back(static_cast<int>(i));
      return false;
    });
    const ButtonSize size = IsIconAction(b.Action) ? ButtonSize{16, 16}
                                                   : CaptionButtonSize(b.Bitmap.Width(), b.Bitmap.Height(), b.FrameCount);
    slots.push_back(CaptionButtonSlot{SpecOf(b), size, visible, {}});
  }
  CaptionGeometry g;
  g.windowWidth = 326;
  g.frameLeft = g.frameRight = 4;
  g.frameTop = 30;
  const int rightmost = LayoutCaptionButtons(slots, g);
  std::vector<int> shown;
  for (const CaptionButtonSlot& s : slots)
    if (s.visible) shown.push_back(s.spec.action);
  // Close, minimise and the icon; maximise and restore need a maximise box, the window's own
  // button (Visibility 1000) is asked for and refused, the window-menu buttons need an MDI frame.
  EXPECT_EQ(shown, (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(asked, (std::vector<int>{5}));
  EXPECT_EQ(slots[0].bounds, (Rect{293, 5, 321, 25}));
  EXPECT_EQ(rightmost, 293);
}

}  // namespace
}  // namespace kq::skin

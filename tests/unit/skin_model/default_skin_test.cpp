// The program's default skin, built from its committed sources: every object the painters
// read is there, with an image whose size fits its frames.
#include <gtest/gtest.h>

#include "skin/data/skin_model.h"
#include "unit/skin_model/default_skin.h"
#include "unit/skin_model/skin_fixture.h"

namespace kq {
namespace {

class DefaultSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto files = test::DefaultSkinFiles();
    ASSERT_GT(files.size(), 40u);
    TSkinReader reader;
    ASSERT_TRUE(reader.LoadArchive(test::Archive(files)));
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
  static TSkinModel* model_;
};
TSkinModel* DefaultSkin::model_ = nullptr;

// Frames side by side must split the width evenly (stacked ones the height), so that no
// frame picks up a column of its neighbour and none is left over.
void ExpectFrames(const std::string& name, const Bitmap& b, int count, bool stacked = false) {
  SCOPED_TRACE(name);
  ASSERT_FALSE(b.Empty());
  ASSERT_GE(count, 1);
  EXPECT_EQ((stacked ? b.Height() : b.Width()) % count, 0);
}

TEST_F(DefaultSkin, BuildsCompletely) {
  const TSkinModel& m = *model_;
  EXPECT_FALSE(m.NotLoaded);
  EXPECT_FALSE(m.SkinName.empty());
  const std::pair<const char*, const TDataSkinObject*> objects[] = {
      {"MenuBar", m.MenuBar.get()}, {"Progress", m.Progress.get()}, {"Tabs", m.Tabs.get()},
      {"ComboButton", m.ComboButton.get()}, {"UpDownHorz", m.UpDownHorz.get()}, {"UpDownVert", m.UpDownVert.get()},
      {"GroupBox", m.GroupBox.get()}, {"GroupBoxEdge", m.GroupBoxEdge.get()}, {"Toolbars", m.Toolbars.get()},
      {"StatusBarEdges", m.StatusBarEdges.get()}, {"SunkEdge", m.SunkEdge.get()}, {"ExtraImages", m.ExtraImages.get()},
      {"Headerbar", m.Headerbar.get()}, {"MenuItem", m.MenuItem.get()}, {"MenuBackground", m.MenuBackground.get()},
      {"Scrollbar", m.Scrollbar.get()}, {"HorzScroll", m.HorzScroll.get()}, {"VertScroll", m.VertScroll.get()},
      {"HorzScrollThumb", m.HorzScrollThumb.get()}, {"VertScrollThumb", m.VertScrollThumb.get()},
      {"TrackbarThumbHorz", m.TrackbarThumbHorz.get()}, {"TrackbarThumbVert", m.TrackbarThumbVert.get()},
      {"TrackbarThumbLeft", m.TrackbarThumbLeft.get()}, {"TrackbarThumbRight", m.TrackbarThumbRight.get()},
      {"TrackbarThumbUp", m.TrackbarThumbUp.get()}, {"TrackbarThumbDown", m.TrackbarThumbDown.get()}};
  for (const auto& [name, o] : objects) {
    ASSERT_NE(o, nullptr) << name;
    ExpectFrames(name, o->Bitmap, o->FrameCount, o == m.MenuBar.get());
  }
  ExpectFrames("Progress chunk", m.Progress->Bitmap2, 1);
  ExpectFrames("Tabs border", m.Tabs->Bitmap2, 1);
  ExpectFrames("UpDown.Horz glyphs", m.UpDownHorz->Bitmap2, 8);
  ExpectFrames("UpDown.Vert glyphs", m.UpDownVert->Bitmap2, 8);
  ExpectFrames("Title", m.Title.Bitmap, 2, true);
  ExpectFrames("Buttons", m.Buttons.Bitmap, 5);
  ExpectFrames("Check", m.Buttons.CheckBitmap, m.Buttons.CheckButtonFrame);
  ExpectFrames("Radio", m.Buttons.RadioBitmap, m.Buttons.RadioButtonFrame);
  EXPECT_GE(m.Buttons.CheckButtonFrame, 4);
  EXPECT_GE(m.Buttons.RadioButtonFrame, 4);

  // Every colour is the skin's own, none falls back to a system colour.
  for (Color c : {m.WindowTextColour, m.TitleTextActiveColour, m.TitleTextNoActiveColour, m.ButtonFaceColour,
                  m.ButtonTextColour, m.ButtonHilightColour, m.ButtonLightColour, m.ButtonShadowColour,
                  m.ButtonDkShadowColour, m.HilightTextColour, m.HilightColour, m.MenubarColour, m.MenuBarTextColour,
                  m.MenuTextColour, m.MenuColour, m.ScrollbarColour})
    EXPECT_FALSE(IsSystemColour(c));
  EXPECT_EQ(m.ColourTable.size(), 8u);
  EXPECT_NE(m.Title.ActiveTextColour, kNoTitleColour);
  EXPECT_NE(m.Title.InactiveTextColour, kNoTitleColour);
}

TEST_F(DefaultSkin, FrameEdgesMeetTheCaption) {
  const TSkinModel& m = *model_;
  for (const TDataSkinBorder* e : {&m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom}) {
    EXPECT_EQ(e->FrameCount, 2) << e->Name;  // active and inactive
    ExpectFrames(e->Name, e->Bitmap, 2, e == &m.BorderTop || e == &m.BorderBottom);
  }
  const int caption = m.BorderTop.Bitmap.Height() / 2;
  // The side pieces keep the caption's height and the bottom border unscaled.
  for (const TDataSkinBorder* e : {&m.BorderLeft, &m.BorderRight}) {
    EXPECT_EQ(e->Margins.top, caption) << e->Name;
    EXPECT_EQ(e->Margins.bottom, m.BorderBottom.Bitmap.Height() / 2) << e->Name;
    EXPECT_GT(e->Bitmap.Height(), e->Margins.top + e->Margins.bottom) << e->Name;
  }
  // Rounded top corners: the outermost pixel is transparent, the caption's edge is not.
  EXPECT_EQ(m.BorderLeft.Bitmap.Pixel(0, 0), kTransparentKey);
  EXPECT_EQ(m.BorderRight.Bitmap.Pixel(m.BorderRight.Bitmap.Width() / 2 - 1, 0), kTransparentKey);
  EXPECT_NE(m.BorderLeft.Bitmap.Pixel(0, caption), kTransparentKey);
  EXPECT_TRUE(m.BorderLeft.Trans && m.BorderRight.Trans && m.BorderTop.Trans);
}

TEST_F(DefaultSkin, CaptionButtonsAndWindowMenuButtons) {
  const TSkinModel& m = *model_;
  std::vector<int> actions;
  for (const auto& b : m.SysButtons) actions.push_back(b->Action);
  EXPECT_EQ(actions, (std::vector<int>{0, 1, 1, 2, 3, 200, 7, 8, 9}));
  for (const auto& b : m.SysButtons) {
    SCOPED_TRACE(b->Name);
    if (b->Action == 3) {
      EXPECT_TRUE(b->Bitmap.Empty());  // the window's own icon is shown
      continue;
    }
    EXPECT_EQ(b->FrameCount, 4);
    ExpectFrames(b->Name, b->Bitmap, 4);
  }
  // Close, maximise/restore and minimise sit side by side from the right, inside the frame.
  const int bw = m.SysButtons[0]->Bitmap.Width() / 4;
  EXPECT_EQ(m.SysButtons[0]->Align, 1);
  EXPECT_GE(m.SysButtons[0]->XCoord - bw, m.BorderRight.Bitmap.Width() / 2);
  EXPECT_EQ(m.SysButtons[1]->XCoord, m.SysButtons[0]->XCoord + bw);
  EXPECT_EQ(m.SysButtons[3]->XCoord, m.SysButtons[1]->XCoord + bw);
  EXPECT_EQ(m.Title.Margins.right, m.SysButtons[5]->XCoord + 8);
  // Window-menu buttons: four frames of 18 pixels each.
  EXPECT_EQ(m.SysButtons[6]->Bitmap.Width(), 72);
  EXPECT_EQ(m.SysButtons[6]->XCoord, 66);
  EXPECT_EQ(m.SysButtons[8]->XCoord, 22);
}

TEST_F(DefaultSkin, ComboCompositeIsBuilt) {
  const TSkinModel& m = *model_;
  EXPECT_EQ(m.ComboButton->Style, 2);
  EXPECT_EQ(m.ComboButton->Bitmap.Width(), 4 * kComboCompositeWidth);
  EXPECT_EQ(m.ComboButton->Bitmap.Height(), kComboCompositeHeight);
  EXPECT_EQ(m.ComboButton->Margins.right, test::kArrowWidth + 4);
  EXPECT_EQ(m.SunkEdge->Margins.left, test::kArrowWidth + 4);
  // The edit's area stays transparent; the sunken edge's rim does not.
  EXPECT_EQ(m.ComboButton->Bitmap.Pixel(10, 10), kTransparentKey);
  EXPECT_NE(m.ComboButton->Bitmap.Pixel(0, 10), kTransparentKey);
}

}  // namespace
}  // namespace kq

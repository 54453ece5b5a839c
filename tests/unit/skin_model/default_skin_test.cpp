// The program's default skin, built from its committed sources: every object the painters
// read is there, with an image whose size fits its frames.
#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/skin_model.h"
#include "skin/data/skin_variants.h"
#include "unit/skin_model/default_skin.h"
#include "unit/skin_model/skin_fixture.h"

namespace kq {
namespace {

// The model of the committed variant drawn for `dpi`.
void BuildDefaultSkin(int dpi, TSkinModel& model) {
  const auto files = test::DefaultSkinFiles(dpi);
  ASSERT_GT(files.size(), 40u);
  TSkinReader reader;
  ASSERT_TRUE(reader.LoadArchive(test::Archive(files)));
  std::vector<std::uint8_t> text;
  std::string name;
  ASSERT_TRUE(reader.FindFile(".ini", text, name));
  TQuickIni ini;
  ini.LoadFromStream(text);
  model.Build(ini, reader, test::kArrowWidth);
}

class DefaultSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    model_ = new TSkinModel;
    BuildDefaultSkin(96, *model_);
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
  // The caption text keeps room for these three buttons and no more: it ends left of the
  // minimise button, and less than one more button's width before it.
  const int textEnd = m.BorderRight.Bitmap.Width() / 2 + m.Title.Margins.right;  // from the right
  EXPECT_GT(textEnd, m.SysButtons[3]->XCoord);
  EXPECT_LT(textEnd, m.SysButtons[3]->XCoord + bw);
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

// Every stored variant is the 96-dpi skin drawn at its own scale: the same objects and frame
// counts, and every length its definition text gives and every picture size at dpi / 96
// (rounded as MulDiv rounds), so the model needs no scaling when the system has that dpi.
TEST_F(DefaultSkin, EveryStoredVariantIsTheSkinAtItsOwnScale) {
  const TSkinModel& base = *model_;
  for (int dpi : kStoredSkinDpis) {
    if (dpi == kSkinDesignDpi) continue;
    SCOPED_TRACE(dpi);
    TSkinModel m;
    BuildDefaultSkin(dpi, m);
    ASSERT_FALSE(m.NotLoaded);
    auto scaled = [&](int v) { return static_cast<int>((static_cast<long long>(v) * dpi + 48) / 96); };
    auto expectObject = [&](const char* what, const TDataSkinObject& b, const TDataSkinObject& v) {
      SCOPED_TRACE(what);
      EXPECT_EQ(v.FrameCount, b.FrameCount);
      EXPECT_EQ(v.Margins.left, scaled(b.Margins.left));
      EXPECT_EQ(v.Margins.top, scaled(b.Margins.top));
      EXPECT_EQ(v.Margins.right, scaled(b.Margins.right));
      EXPECT_EQ(v.Margins.bottom, scaled(b.Margins.bottom));
      // The frames of a strip are drawn at the scale one by one, side by side or stacked.
      const int n = std::max(1, b.FrameCount), w = b.Bitmap.Width(), h = b.Bitmap.Height();
      const bool sideBySide = v.Bitmap.Width() == n * scaled(w / n) && v.Bitmap.Height() == scaled(h);
      const bool stacked = v.Bitmap.Width() == scaled(w) && v.Bitmap.Height() == n * scaled(h / n);
      EXPECT_TRUE(sideBySide || stacked) << v.Bitmap.Width() << " x " << v.Bitmap.Height();
    };
    expectObject("Left", base.BorderLeft, m.BorderLeft);
    expectObject("Right", base.BorderRight, m.BorderRight);
    expectObject("Top", base.BorderTop, m.BorderTop);
    expectObject("Bottom", base.BorderBottom, m.BorderBottom);
    expectObject("Title", base.Title, m.Title);
    expectObject("Buttons", base.Buttons, m.Buttons);
    expectObject("Tabs", *base.Tabs, *m.Tabs);
    expectObject("MenuItem", *base.MenuItem, *m.MenuItem);
    expectObject("GroupBoxEdge", *base.GroupBoxEdge, *m.GroupBoxEdge);
    expectObject("Scrollbar", *base.Scrollbar, *m.Scrollbar);
    expectObject("HorzScrollThumb", *base.HorzScrollThumb, *m.HorzScrollThumb);
    EXPECT_EQ(m.Title.TextBackLeft, scaled(base.Title.TextBackLeft));
    EXPECT_EQ(m.Title.FontHeight, scaled(base.Title.FontHeight));
    EXPECT_EQ(m.GroupBox->BackgroundLeftShift, scaled(base.GroupBox->BackgroundLeftShift));
    EXPECT_EQ(m.Buttons.CheckButtonFrame, base.Buttons.CheckButtonFrame);
    EXPECT_EQ(m.Buttons.CheckBitmap.Height(), scaled(base.Buttons.CheckBitmap.Height()));
    ASSERT_EQ(m.SysButtons.size(), base.SysButtons.size());
    for (std::size_t i = 0; i < m.SysButtons.size(); ++i) {
      SCOPED_TRACE(m.SysButtons[i]->Name);
      const TDataSkinSysButton &b = *base.SysButtons[i], &v = *m.SysButtons[i];
      EXPECT_EQ(v.Action, b.Action);
      EXPECT_EQ(v.FrameCount, b.FrameCount);
      EXPECT_EQ(v.Bitmap.Height(), scaled(b.Bitmap.Height()));
      // Caption buttons keep their places relative to the frame within a pixel of rounding
      // (the window-menu buttons, 7 to 9, are placed by the model build, not by the text).
      if (v.Action >= 7 && v.Action <= 9) continue;
      EXPECT_NEAR(v.XCoord, scaled(b.XCoord), 1);
      EXPECT_NEAR(v.YCoord, scaled(b.YCoord), 1);
    }
  }
}

}  // namespace
}  // namespace kq

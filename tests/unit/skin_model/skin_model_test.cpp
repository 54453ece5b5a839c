#include "skin/data/skin_model.h"

#include <gtest/gtest.h>

#include "unit/skin_model/skin_fixture.h"

namespace kq {
namespace {

using test::SkinFixture;

constexpr Color kFill = MakeColor(10, 20, 30);

// Every optional object slot with its section name, for walking them all.
std::vector<std::pair<std::string, const TDataSkinObject*>> OptionalObjects(const TSkinModel& m) {
  return {{"MenuBar", m.MenuBar.get()},
          {"Progress", m.Progress.get()},
          {"Tabs", m.Tabs.get()},
          {"ComboButton", m.ComboButton.get()},
          {"UpDown.Horz", m.UpDownHorz.get()},
          {"UpDown.Vert", m.UpDownVert.get()},
          {"GroupBox", m.GroupBox.get()},
          {"GroupBoxEdge", m.GroupBoxEdge.get()},
          {"Toolbars", m.Toolbars.get()},
          {"StatusBarEdges", m.StatusBarEdges.get()},
          {"SunkEdge", m.SunkEdge.get()},
          {"ExtraImages", m.ExtraImages.get()},
          {"Headerbar", m.Headerbar.get()},
          {"MenuItem", m.MenuItem.get()},
          {"MenuBackground", m.MenuBackground.get()},
          {"Scrollbar", m.Scrollbar.get()},
          {"HorzScroll", m.HorzScroll.get()},
          {"VertScroll", m.VertScroll.get()},
          {"HorzScrollThumb", m.HorzScrollThumb.get()},
          {"VertScrollThumb", m.VertScrollThumb.get()},
          {"Trackbar.ThumbHorz", m.TrackbarThumbHorz.get()},
          {"Trackbar.ThumbVert", m.TrackbarThumbVert.get()},
          {"Trackbar.ThumbLeft", m.TrackbarThumbLeft.get()},
          {"Trackbar.ThumbRight", m.TrackbarThumbRight.get()},
          {"Trackbar.ThumbUp", m.TrackbarThumbUp.get()},
          {"Trackbar.ThumbDown", m.TrackbarThumbDown.get()}};
}

TEST(SkinModelDefaults, AnEmptyTextGivesEveryDefault) {
  const TSkinModel m = SkinFixture("").Build();
  EXPECT_FALSE(m.NotLoaded);
  EXPECT_EQ(m.SkinName, "");

  EXPECT_EQ(m.WindowTextColour, 0x80000008u);
  EXPECT_EQ(m.ButtonFaceColour, 0x8000000Fu);
  EXPECT_EQ(m.ScrollbarColour, 0x80000000u);
  EXPECT_EQ(m.HilightTextColour, 0x8000000Eu);
  EXPECT_EQ(m.HilightColour, 0x8000000Du);
  EXPECT_EQ(m.MenubarColour, 0x8000000Fu);
  EXPECT_EQ(m.MenuColour, 0x80000004u);
  EXPECT_EQ(m.MenuTextColour, 0x80000007u);
  EXPECT_EQ(m.ButtonTextColour, 0x80000012u);
  EXPECT_EQ(m.ButtonHilightColour, 0x80000014u);
  EXPECT_EQ(m.ButtonLightColour, 0x80000014u);
  EXPECT_EQ(m.ButtonShadowColour, 0x80000010u);
  EXPECT_EQ(m.ButtonDkShadowColour, 0x80000015u);
  EXPECT_EQ(m.MenuBarTextColour, 0x80000007u);
  EXPECT_EQ(m.TitleTextActiveColour, 0x80000009u);
  EXPECT_EQ(m.TitleTextNoActiveColour, 0x80000013u);
  EXPECT_TRUE(m.ColourTable.empty());
  for (Color c : m.CustomColours) EXPECT_EQ(c, 0xFFFFFFu);

  for (const TDataSkinBorder* e : {&m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom}) {
    SCOPED_TRACE(e->Name);
    EXPECT_TRUE(e->Bitmap.Empty());
    EXPECT_EQ(e->FrameCount, 1);
    EXPECT_EQ(e->Tile, 1);
    EXPECT_EQ(e->Trans, 1);
    EXPECT_EQ(e->Margins, Margins{});
  }
  EXPECT_EQ(m.BorderLeft.Name, "Left");
  EXPECT_EQ(m.BorderBottom.Name, "Bottom");

  EXPECT_EQ(m.Title.Name, "Title");
  EXPECT_EQ(m.Title.FontHeight, 14);
  EXPECT_EQ(m.Title.FrameCount, 2);
  EXPECT_EQ(m.Title.ActiveTextColour, kNoTitleColour);
  EXPECT_EQ(m.Title.InactiveTextColour, kNoTitleColour);

  EXPECT_EQ(m.Buttons.Name, "Buttons");
  EXPECT_EQ(m.Buttons.FrameCount, 5);
  EXPECT_EQ(m.Buttons.NormalColour, -1);
  EXPECT_EQ(m.Buttons.PressedColour2, 0x80000012u);
  EXPECT_FALSE(m.Buttons.HasNormalColour2 || m.Buttons.HasMouseOverColour2 ||
               m.Buttons.HasPressedColour2);
  // Empty strips still count four cells.
  EXPECT_EQ(m.Buttons.CheckButtonFrame, 4);
  EXPECT_EQ(m.Buttons.RadioButtonFrame, 4);

  for (const auto& [name, o] : OptionalObjects(m)) EXPECT_EQ(o, nullptr) << name;

  // Only the three window-menu buttons, without images.
  ASSERT_EQ(m.SysButtons.size(), 3u);
  for (int j = 0; j < 3; ++j) {
    const TDataSkinSysButton& b = *m.SysButtons[static_cast<std::size_t>(j)];
    EXPECT_EQ(b.Action, 7 + j);
    EXPECT_EQ(b.Align, 100);
    EXPECT_EQ(b.Visibility, 100);
    EXPECT_EQ(b.Visibility1, 100);
    EXPECT_EQ(b.FrameCount, 4);
    EXPECT_EQ(b.XCoord, 0);
    EXPECT_TRUE(b.Bitmap.Empty());
  }
}

TEST(SkinModelDefaults, AFreshModelCountsAsNotLoadedWithDefaultColours) {
  const TSkinModel m;
  EXPECT_TRUE(m.NotLoaded);
  EXPECT_EQ(m.ButtonFaceColour, 0x8000000Fu);
  EXPECT_EQ(m.TitleTextNoActiveColour, 0x80000013u);
  EXPECT_EQ(m.CustomColours[9], 0xFFFFFFu);
}

TEST(SkinModelColours, EachKeyFillsItsSlot) {
  const TSkinModel m = SkinFixture(
                           "[Colours]\n"
                           "WindowText=1 0 0\nButtonFace=2 0 0\nScrollbar=3 0 0\n"
                           "HilightText=4 0 0\nHilight=5 0 0\nMenu=7 0 0\n"
                           "MenuText=8 0 0\nButtonText=9 0 0\nButtonHilight=10 0 0\n"
                           "Buttonlight=11 0 0\nButtonShadow=12 0 0\nButtonDkShadow=13 0 0\n"
                           "MenuBarText=14 0 0\nTitleTextActive=15 0 0\nTitleTextNoActive=16 0 0\n")
                           .Build();
  EXPECT_EQ(m.WindowTextColour, 1u);
  EXPECT_EQ(m.ButtonFaceColour, 2u);
  EXPECT_EQ(m.ScrollbarColour, 3u);
  EXPECT_EQ(m.HilightTextColour, 4u);
  EXPECT_EQ(m.HilightColour, 5u);
  EXPECT_EQ(m.MenubarColour, 2u);  // follows ButtonFace when not given
  EXPECT_EQ(m.MenuColour, 7u);
  EXPECT_EQ(m.MenuTextColour, 8u);
  EXPECT_EQ(m.ButtonTextColour, 9u);
  EXPECT_EQ(m.ButtonHilightColour, 10u);
  EXPECT_EQ(m.ButtonLightColour, 11u);
  EXPECT_EQ(m.ButtonShadowColour, 12u);
  EXPECT_EQ(m.ButtonDkShadowColour, 13u);
  EXPECT_EQ(m.MenuBarTextColour, 14u);
  EXPECT_EQ(m.TitleTextActiveColour, 15u);
  EXPECT_EQ(m.TitleTextNoActiveColour, 16u);
  // Text colours of objects default to the button text colour just read.
  EXPECT_EQ(m.Buttons.NormalColour2, 9u);

  const TSkinModel menubar = SkinFixture("[Colours]\nButtonFace=1 2 3\nMenubar=4 5 6\n").Build();
  EXPECT_EQ(menubar.MenubarColour, MakeColor(4, 5, 6));
}

TEST(SkinModelColours, ColourSectionsFormTheTableInTextOrder) {
  const TSkinModel m = SkinFixture(
                           "[Colour0]\ncolor=1 2 3\n"
                           "[Colours]\nWindowText=9 9 9\n"
                           "[ColoursRevert]\nother=1\n"
                           "[colour7]\nCOLOR=0 0 255\n"
                           "[Colour]\ncolor=4 4 4\n"
                           "[MyColour]\ncolor=5 5 5\n"
                           "[Customcolors]\nColor0=1 1 1\nColor9=0,0,9\nColor5=\n")
                           .Build();
  EXPECT_EQ(m.ColourTable,
            (std::vector<Color>{MakeColor(1, 2, 3), 0x80000008u, MakeColor(0, 0, 255), MakeColor(4, 4, 4)}));
  EXPECT_EQ(m.CustomColours[0], MakeColor(1, 1, 1));
  EXPECT_EQ(m.CustomColours[5], 0xFFFFFFu);
  EXPECT_EQ(m.CustomColours[9], MakeColor(0, 0, 9));
}

TEST(SkinModelEdges, KeysOfEachEdge) {
  const TSkinModel m = SkinFixture(
                           "[Personality]\n"
                           "Left=l.bmp\nLeftFrame=2\nLeftTopHeight=30\nLeftBotHeight=4\nLeftStretch=0\n"
                           "Right=r.bmp\nRightTrans=0\n"
                           "Top=t.bmp\nTopFrame=2\nTopTopHeight=12\nTopBotHeight=90\n"
                           "Bottom=B.BMP\nBottomStretch=0\n")
                           .Image("l.bmp", 8, 40)
                           .Image("r.bmp", 4, 40)
                           .Image("t.bmp", 120, 60)
                           .Image("B.BMP", 10, 10)
                           .Build();
  EXPECT_EQ(m.BorderLeft.Bitmap.Width(), 8);
  EXPECT_EQ(m.BorderLeft.FrameCount, 2);
  EXPECT_EQ(m.BorderLeft.Margins, (Margins{0, 30, 0, 4}));
  EXPECT_EQ(m.BorderLeft.Tile, 0);
  EXPECT_EQ(m.BorderLeft.Trans, 1);
  EXPECT_EQ(m.BorderRight.Trans, 0);
  EXPECT_EQ(m.BorderRight.Tile, 1);
  EXPECT_EQ(m.BorderTop.Margins, (Margins{12, 0, 90, 0}));
  EXPECT_EQ(m.BorderTop.Bitmap.Height(), 60);
  // An upper-case extension names no image.
  EXPECT_TRUE(m.BorderBottom.Bitmap.Empty());
  EXPECT_EQ(m.BorderBottom.Tile, 0);
}

TEST(SkinModelTitle, CaptionKeysFontAndTextColours) {
  const TSkinModel m = SkinFixture(
                           "[Personality]\nTextBack=tb.bmp\nTextShift=20\nTextShiftVert=3\n"
                           "TextRightClip=70\nTextAlignment=1\nTextbackground=2\nTXTBackleft=5\n"
                           "TXTBackRight=6\nActiveTextR=255\nActiveTextG=128\nActiveTextB=1\n"
                           "InActiveTextR=10\nInActiveTextG=10\n"
                           "[Fonts]\nFontHeight=16\n")
                           .Image("tb.bmp", 30, 40)
                           .Build();
  const TDataSkinTitle& t = m.Title;
  EXPECT_EQ(t.Bitmap.Width(), 30);
  EXPECT_EQ(t.Margins, (Margins{20, 3, 70, 0}));
  EXPECT_EQ(t.TextAlignment, 1);
  EXPECT_EQ(t.TextBackground, 2);
  EXPECT_EQ(t.TextBackLeft, 5);
  EXPECT_EQ(t.TextBackRight, 6);
  EXPECT_EQ(t.FontHeight, 16);
  EXPECT_EQ(t.ActiveTextColour, MakeColor(255, 128, 1));
  // Only two of the three parts given: not set.
  EXPECT_EQ(t.InactiveTextColour, kNoTitleColour);
}

TEST(SkinModelButtons, ImagesMarginsAndTextColours) {
  const TSkinModel m = SkinFixture(
                           "[Colours]\nButtonText=1 1 1\n"
                           "[Buttons]\nBitmap=push.bmp\nCheckButton=check.bmp\nRadioButton=radio.bmp\n"
                           "LeftWidth=3\nRightWidth=4\nTopHeight=5\nBottomHeight=6\nTrans=1\nTile=2\n"
                           "NormalColour=255\nMouseOverColour2=0 0 200\nPressedColour2=\n")
                           .Image("push.bmp", 100, 21)
                           .Image("check.bmp", 52, 13)
                           .Image("radio.bmp", 48, 16)
                           .Build();
  const TDataSkinButton& b = m.Buttons;
  EXPECT_EQ(b.Bitmap.Width(), 100);
  EXPECT_EQ(b.Margins, (Margins{3, 5, 4, 6}));
  EXPECT_EQ(b.Trans, 1);
  EXPECT_EQ(b.Tile, 2);  // Buttons keeps whatever it reads
  EXPECT_EQ(b.NormalColour, 255);
  EXPECT_EQ(b.MouseOverColour, -1);
  EXPECT_FALSE(b.HasNormalColour2);
  EXPECT_TRUE(b.HasMouseOverColour2);
  EXPECT_FALSE(b.HasPressedColour2);  // an empty value is no value
  EXPECT_EQ(b.NormalColour2, MakeColor(1, 1, 1));
  EXPECT_EQ(b.MouseOverColour2, MakeColor(0, 0, 200));
  // 52 x 13: cells of 13 -> 4. 48 x 16: cells of 16 -> 3, raised to 4.
  EXPECT_EQ(b.CheckButtonFrame, 4);
  EXPECT_EQ(b.RadioButtonFrame, 4);
}

TEST(SkinModelButtons, CellCountsGivenOrDerived) {
  const TSkinModel m = SkinFixture("[Buttons]\nCheckButton=c.bmp\nRadioButton=r.bmp\nRadioButtonFrame=3\n")
                           .Image("c.bmp", 96, 16)
                           .Image("r.bmp", 96, 16)
                           .Build();
  EXPECT_EQ(m.Buttons.CheckButtonFrame, 6);
  EXPECT_EQ(m.Buttons.RadioButtonFrame, 3);  // a given count is kept, even below 4
  const TSkinModel tall = SkinFixture("[Buttons]\nCheckButton=c.bmp\n").Image("c.bmp", 104, 13).Build();
  EXPECT_EQ(tall.Buttons.CheckButtonFrame, 8);
}

TEST(SkinModelCaptionButtons, FrameCountsActionsAndKeptSections) {
  const TSkinModel m =
      SkinFixture(
          "[Button0]\nAction=0\nButtonImage=wide.bmp\nAlign=1\nXcoord=30\nYcoord=5\nCombineOp=2\n"
          "[Button1]\nAction=1\nButtonImage=narrow.bmp\n"
          "[ButtonDecor]\nAction=-1\nVisibility=0\nButtonImage=narrow.bmp\n"
          "[ButtonGone]\nAction=-1\nButtonImage=narrow.bmp\n"
          "[ButtonGoneToo]\nAction=-1\nVisibility=3\n"
          "[Buttons]\nAction=0\n[Button]\nAction=0\n[Button.Radio]\n[BUTTON.CHECKBOX]\n"
          "[button7]\nAction=3\nButtonImage=narrow.bmp\n"
          "[Button8]\nAction=11\nButtonImage=narrow.bmp\nframe=2\n"
          "[Button9]\nAction=200\nButtonImage=missing.bmp\nVisibility1=5\n")
          .Image("wide.bmp", 97, 17)
          .Image("narrow.bmp", 51, 17)
          .Build();
  ASSERT_EQ(m.SysButtons.size(), 6u + 3u);
  const auto& b = m.SysButtons;
  EXPECT_EQ(b[0]->Name, "BUTTON0");
  EXPECT_EQ(b[0]->FrameCount, 6);  // 97 / 17 > 3.8
  EXPECT_EQ(b[0]->Align, 1);
  EXPECT_EQ(b[0]->XCoord, 30);
  EXPECT_EQ(b[0]->YCoord, 5);
  EXPECT_EQ(b[0]->CombineOp, 2);
  EXPECT_EQ(b[0]->Visibility1, 0);

  EXPECT_EQ(b[1]->FrameCount, 3);  // 51 / 17 = 3
  EXPECT_EQ(b[1]->CombineOp, -1);

  // Action -1 with Visibility 0 stays, always with six frames.
  EXPECT_EQ(b[2]->Name, "BUTTONDECOR");
  EXPECT_EQ(b[2]->Action, -1);
  EXPECT_EQ(b[2]->FrameCount, 6);
  EXPECT_EQ(b[2]->Visibility1, -1);
  EXPECT_EQ(b[2]->Bitmap.Width(), 51);

  // The icon button loses its derived image; a given frame count keeps it.
  EXPECT_EQ(b[3]->Name, "BUTTON7");
  EXPECT_EQ(b[3]->Action, 3);
  EXPECT_EQ(b[3]->FrameCount, 3);
  EXPECT_TRUE(b[3]->Bitmap.Empty());
  EXPECT_EQ(b[4]->Action, 11);
  EXPECT_EQ(b[4]->FrameCount, 2);
  EXPECT_EQ(b[4]->Bitmap.Width(), 51);

  // A missing image entry leaves the image empty; the count defaults to 6.
  EXPECT_EQ(b[5]->Action, 200);
  EXPECT_TRUE(b[5]->Bitmap.Empty());
  EXPECT_EQ(b[5]->FrameCount, 6);
  EXPECT_EQ(b[5]->Visibility1, 5);

  EXPECT_EQ(b[6]->Action, 7);
}

TEST(SkinModelCaptionButtons, WindowMenuButtonsAreCutFromTheStrip) {
  // A 180 x 14 strip, each of its 12 frames of 15 pixels filled with its own colour.
  Bitmap strip(180, 14);
  for (int x = 0; x < 180; ++x)
    for (int y = 0; y < 14; ++y) strip.SetPixel(x, y, MakeColor(x / 15, 100, 0));
  const TSkinModel m = SkinFixture("[Button0]\nAction=0\n[MDICONTROLS]\nImage=mdi.bmp\n").Image("mdi.bmp", strip).Build();
  ASSERT_EQ(m.SysButtons.size(), 4u);
  const int xs[] = {57, 38, 19};
  for (int j = 0; j < 3; ++j) {
    SCOPED_TRACE(j);
    const TDataSkinSysButton& b = *m.SysButtons[static_cast<std::size_t>(j + 1)];
    EXPECT_EQ(b.Action, 7 + j);
    EXPECT_EQ(b.XCoord, xs[j]);
    EXPECT_EQ(b.FrameCount, 4);
    ASSERT_EQ(b.Bitmap.Width(), 60);
    ASSERT_EQ(b.Bitmap.Height(), 14);
    for (int f = 0; f < 4; ++f) EXPECT_EQ(b.Bitmap.Pixel(f * 15 + 7, 13), MakeColor(4 * j + f, 100, 0));
  }
}

TEST(SkinModelImageObjects, PresentOnlyWithAnImageKey) {
  const TSkinModel m = SkinFixture(
                           "[Scrollbar]\nImage=\nTile=1\n"
                           "[Headerbar]\nImage=missing.bmp\n"
                           "[MenuItem]\nImage=item.bmp\n"
                           "[Progress]\nImage=item.bmp\n"
                           "[UpDown.Horz]\nGlyphImage=item.bmp\n")
                           .Image("item.bmp", 50, 20)
                           .Build();
  EXPECT_EQ(m.Scrollbar, nullptr);  // empty value: absent
  ASSERT_NE(m.Headerbar, nullptr);  // named but not in the archive: present, empty
  EXPECT_TRUE(m.Headerbar->Bitmap.Empty());
  EXPECT_EQ(m.Headerbar->FrameCount, 5);
  ASSERT_NE(m.MenuItem, nullptr);
  EXPECT_EQ(m.MenuItem->Name, "MenuItem");
  EXPECT_EQ(m.MenuItem->Bitmap.Width(), 50);
  EXPECT_EQ(m.Progress, nullptr);  // its image key is Bitmap
  EXPECT_EQ(m.UpDownHorz, nullptr);
}

TEST(SkinModelImageObjects, FieldsOfEachKind) {
  const TSkinModel m =
      SkinFixture(
          "[Colours]\nButtonText=7 7 7\n"
          "[Toolbars]\nImage=a.bmp\nStyle=3\nLeftWidth=1\nTopHeight=2\nRightWidth=3\nBottomHeight=4\n"
          "Trans=1\nTile=2\nNormalColour=5\nMouseOverColour=6\nPressedColour=7\nNormalColour2=1 2 3\n"
          "FrameCount=9\n"
          "[Tabs]\nImage=a.bmp\nBorder=b.bmp\nStyle=3\nTile=1\n"
          "[UpDown.Vert]\nImage=a.bmp\nGlyphImage=b.bmp\n"
          "[Progress]\nBitmap=a.bmp\nChunk=b.bmp\nStyle=1\nTile=2\nTrans=1\nLeftWidth=2\nNormalColour=5\n"
          "[GroupBox]\nImage=a.bmp\nStyle=2\nBackgroundAlignment=1\nBackgroundLeftShift=8\n"
          "BackgroundRightShift=9\nTile=3\n"
          "[Personality]\nmenuBar=a.bmp\nTileMenu=1\nTileRightMenu=6\n"
          "[HorzScrollThumb]\nImage=a.bmp\nFrameCount=2\n"
          "[VertScrollThumb]\nImage=a.bmp\n"
          "[Scrollbar]\nImage=a.bmp\n"
          "[ComboButton]\nImage=b.bmp\n****=a.bmp\n")
          .Image("a.bmp", 40, 10)
          .Image("b.bmp", 12, 6)
          .Build();
  ASSERT_NE(m.Toolbars, nullptr);
  const TDataSkinObject& t = *m.Toolbars;
  EXPECT_EQ(t.Style, 3);
  EXPECT_EQ(t.Margins, (Margins{1, 2, 3, 4}));
  EXPECT_EQ(t.Trans, 1);
  EXPECT_EQ(t.Tile, 0);  // above 1 reads 0
  EXPECT_EQ(t.NormalColour, 5);
  EXPECT_EQ(t.MouseOverColour, 6);
  EXPECT_EQ(t.PressedColour, 7);
  EXPECT_EQ(t.NormalColour2, MakeColor(1, 2, 3));
  EXPECT_EQ(t.PressedColour2, MakeColor(7, 7, 7));
  EXPECT_EQ(t.FrameCount, 5);  // fixed, whatever the text says

  ASSERT_NE(m.Tabs, nullptr);
  EXPECT_EQ(m.Tabs->Style, 0);  // two-image objects read no style
  EXPECT_EQ(m.Tabs->Tile, 1);
  EXPECT_EQ(m.Tabs->Bitmap2.Width(), 12);
  EXPECT_EQ(m.Tabs->FrameCount, 5);
  ASSERT_NE(m.UpDownVert, nullptr);
  EXPECT_EQ(m.UpDownVert->Bitmap2.Width(), 12);
  EXPECT_EQ(m.UpDownVert->FrameCount, 8);

  ASSERT_NE(m.Progress, nullptr);
  EXPECT_EQ(m.Progress->Name, "Progress");
  EXPECT_EQ(m.Progress->Tile, 2);  // kept in Progress
  EXPECT_EQ(m.Progress->Style, 1);
  EXPECT_EQ(m.Progress->Trans, 1);
  EXPECT_EQ(m.Progress->Margins.left, 2);
  EXPECT_EQ(m.Progress->NormalColour, -1);  // reads no colours
  EXPECT_EQ(m.Progress->Bitmap2.Width(), 12);
  EXPECT_EQ(m.Progress->FrameCount, 2);

  ASSERT_NE(m.GroupBox, nullptr);
  EXPECT_EQ(m.GroupBox->Style, 2);
  EXPECT_EQ(m.GroupBox->BackgroundAlignment, 1);
  EXPECT_EQ(m.GroupBox->BackgroundLeftShift, 8);
  EXPECT_EQ(m.GroupBox->BackgroundRightShift, 9);
  EXPECT_EQ(m.GroupBox->Tile, 0);
  EXPECT_EQ(m.GroupBox->FrameCount, 1);

  ASSERT_NE(m.MenuBar, nullptr);
  EXPECT_EQ(m.MenuBar->Name, "Personality");
  EXPECT_EQ(m.MenuBar->Margins, (Margins{1, 0, 6, 0}));
  EXPECT_EQ(m.MenuBar->Tile, 1);
  EXPECT_EQ(m.MenuBar->FrameCount, 2);

  EXPECT_EQ(m.HorzScrollThumb->FrameCount, 2);
  EXPECT_EQ(m.VertScrollThumb->FrameCount, 3);
  EXPECT_EQ(m.Scrollbar->FrameCount, 23);

  // No SunkEdge: the combo button keeps its own image, and its second image is that image
  // mirrored (the "****" key is overridden).
  ASSERT_NE(m.ComboButton, nullptr);
  EXPECT_EQ(m.ComboButton->Bitmap.Width(), 12);
  EXPECT_EQ(m.ComboButton->Style, 0);
  EXPECT_EQ(m.ComboButton->Bitmap2.Width(), 12);
  EXPECT_EQ(m.ComboButton->FrameCount, 4);
}

TEST(SkinModelImageObjects, TileTwoReadsZeroExceptInProgress) {
  const TSkinModel m = SkinFixture("[SunkEdge]\nImage=a.bmp\nTile=2\n[Progress]\nBitmap=a.bmp\nTile=2\n"
                                   "[MenuBackground]\nImage=a.bmp\nTile=1\n")
                           .Image("a.bmp", 8, 8)
                           .Build();
  EXPECT_EQ(m.SunkEdge->Tile, 0);
  EXPECT_EQ(m.Progress->Tile, 2);
  EXPECT_EQ(m.MenuBackground->Tile, 1);
}

TEST(SkinModelRebuild, ANewBuildReplacesEverything) {
  TSkinModel m;
  SkinFixture("[Scrollbar]\nImage=a.bmp\n[Personality]\nActiveTextR=1\nActiveTextG=1\nActiveTextB=1\n"
              "Top=a.bmp\nTopFrame=2\n[Button0]\nAction=0\n[Colour0]\ncolor=1 1 1\n[TitlebarSkin]\nSkinName=One\n")
      .Image("a.bmp", 8, 8)
      .BuildInto(m);
  ASSERT_NE(m.Scrollbar, nullptr);
  ASSERT_EQ(m.SysButtons.size(), 4u);
  EXPECT_EQ(m.SkinName, "One");
  SkinFixture("[HorzScroll]\nImage=a.bmp\n").Image("a.bmp", 8, 8).BuildInto(m);
  EXPECT_EQ(m.Scrollbar, nullptr);
  EXPECT_NE(m.HorzScroll, nullptr);
  EXPECT_EQ(m.SysButtons.size(), 3u);
  EXPECT_TRUE(m.ColourTable.empty());
  EXPECT_EQ(m.SkinName, "");
  EXPECT_EQ(m.Title.ActiveTextColour, kNoTitleColour);
  EXPECT_TRUE(m.BorderTop.Bitmap.Empty());
  EXPECT_EQ(m.BorderTop.FrameCount, 1);
}

}  // namespace
}  // namespace kq

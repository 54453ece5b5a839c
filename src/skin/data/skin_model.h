// The skin model: every skin object, colour and derived image that painters read, built
// from a parsed definition text and the archive that holds its images.
//
// TSkinModel is the portable half of the skin component: it holds the model slots of
// TSkinData under their own names and knows how to build them, but owns nothing of the
// window system. The Win32 TSkinData derives from it (so painters write
// `skin->BorderTop.Bitmap`, `skin->Progress`), keeps the not-loaded flag's meaning, and
// adds what needs the platform: the face brush (made from ButtonFaceColour after every
// successful build), the default caption icon and the menu glyph list.
//
// Slots marked "always" exist whether or not the skin describes them; every other object
// slot is empty (null) when the skin has no image key for it. The model is rebuilt
// completely by each Build and is read-only between builds.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/skin_image.h"
#include "skin/data/skin_ini.h"
#include "skin/data/skin_objects.h"
#include "skin/data/skin_reader.h"

namespace kq {

// The combo box composite is made in a picture of this size per frame.
inline constexpr int kComboCompositeWidth = 50;
inline constexpr int kComboCompositeHeight = 21;

class TSkinModel {
 public:
  TSkinModel();
  virtual ~TSkinModel() = default;
  TSkinModel(TSkinModel&&) = default;
  TSkinModel& operator=(TSkinModel&&) = default;

  // Builds the whole model from `ini` and the images of `reader`, in this order: skin name,
  // frame edges, colours, colour table, custom colours, caption and window-menu buttons,
  // Buttons, Title, Progress, MenuBar, every image object, fixed frame counts and check and
  // radio cells, the composite combo images. `hscrollArrowWidth` is the platform's
  // horizontal scroll-bar arrow width (GetSystemMetrics(SM_CXHSCROLL) on Windows): the
  // combo composite makes its button that plus 2 pixels wide. Never fails: missing keys
  // take their defaults, missing images stay empty. Clears NotLoaded at the end.
  //
  // Every picture comes through `images`, so each archive entry is decoded once and shared,
  // and every picture the build makes is charged to the images' budget. A picture that does
  // not fit is left empty and breaks the budget: the caller then refuses the whole model
  // (LoadSkinModel does).
  void Build(const TQuickIni& ini, TSkinImages& images, int hscrollArrowWidth);
  // The same with a budget of its own, for texts and archives at hand (tests, tools).
  void Build(const TQuickIni& ini, const TSkinReader& reader, int hscrollArrowWidth);

  // True until a Build has completed; the component sets it again at the start of every
  // load, so a load that fails keeps the previous objects but counts as no skin.
  bool NotLoaded = true;

  std::string SkinName;  // TitlebarSkin / SkinName

  // Frame edges (always; named "Left", "Right", "Top", "Bottom"). Left and Right keep
  // their top and bottom caps (Margins.top/bottom), Top and Bottom their left and right
  // caps (Margins.left/right); Tile holds the edge's Stretch key.
  TDataSkinBorder BorderLeft{"Left"};
  TDataSkinBorder BorderRight{"Right"};
  TDataSkinBorder BorderTop{"Top"};
  TDataSkinBorder BorderBottom{"Bottom"};
  TDataSkinTitle Title{"Title"};       // always
  TDataSkinButton Buttons{"Buttons"};  // always
  std::unique_ptr<TDataSkinObject> MenuBar;  // named "Personality"
  // Caption buttons in text order, then the minimise, restore and close buttons of a
  // maximised child window (Action 7, 8, 9).
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;

  std::unique_ptr<TDataSkinBorder> Progress;     // Bitmap2: the chunk
  std::unique_ptr<TDataSkinBorder> Tabs;         // Bitmap2: the border
  std::unique_ptr<TDataSkinBorder> ComboButton;  // Bitmap2: the button image mirrored
  std::unique_ptr<TDataSkinBorder> UpDownHorz;   // Bitmap2: the glyph strip
  std::unique_ptr<TDataSkinBorder> UpDownVert;
  std::unique_ptr<TDataSkinBoxLabel> GroupBox;
  std::unique_ptr<TDataSkinObject> GroupBoxEdge, Toolbars, StatusBarEdges, SunkEdge, ExtraImages,
      Headerbar, MenuItem, MenuBackground, Scrollbar, HorzScroll, VertScroll, HorzScrollThumb,
      VertScrollThumb, TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft,
      TrackbarThumbRight, TrackbarThumbUp, TrackbarThumbDown;

  // Section Colours. Until a skin gives them they are the system colours of the defaults.
  Color WindowTextColour, TitleTextActiveColour, TitleTextNoActiveColour, ButtonFaceColour,
      ButtonTextColour, ButtonHilightColour, ButtonLightColour, ButtonShadowColour,
      ButtonDkShadowColour, HilightTextColour, HilightColour, MenubarColour, MenuBarTextColour,
      MenuTextColour, MenuColour, ScrollbarColour;
  // One colour per section named "Colour..." (but not "Colours"), in text order.
  std::vector<Color> ColourTable;
  // Section Customcolors, keys Color0 .. Color9.
  std::array<Color, 10> CustomColours;

 private:
  void ReadColours(const TQuickIni& ini);
};

}  // namespace kq

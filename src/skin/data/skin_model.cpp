#include "skin/data/skin_model.h"

#include <string_view>

#include "skin/data/skin_image.h"
#include "skin/data/skin_model_parts.h"
#include "skin/draw/transform.h"

namespace kq {
namespace {

constexpr std::string_view kPersonality = "Personality";

// The readers of one build: the text, the pictures of the load and the button text colour
// that is the default of every object's three state colours.
struct Reader {
  const TQuickIni& ini;
  TSkinImages& images;
  Color buttonText;

  std::int32_t Int(std::string_view section, std::string_view key, std::int32_t def) const {
    return ini.ReadInteger(section, key, def);
  }
  std::string Text(std::string_view section, std::string_view key) const {
    return ini.ReadString(section, key, "");
  }
  void Image(kq::Bitmap& bitmap, std::string_view section, std::string_view key) const {
    images.Load(bitmap, Text(section, key));
  }
  // LeftWidth, TopHeight, RightWidth, BottomHeight.
  Margins SideMargins(std::string_view section) const {
    return Margins{Int(section, "LeftWidth", 0), Int(section, "TopHeight", 0),
                   Int(section, "RightWidth", 0), Int(section, "BottomHeight", 0)};
  }
  void StateColours(TDataSkinObject& o, std::string_view section) const {
    o.NormalColour = Int(section, "NormalColour", -1);
    o.MouseOverColour = Int(section, "MouseOverColour", -1);
    o.PressedColour = Int(section, "PressedColour", -1);
    o.NormalColour2 = ReadColour(ini, section, "NormalColour2", buttonText);
    o.MouseOverColour2 = ReadColour(ini, section, "MouseOverColour2", buttonText);
    o.PressedColour2 = ReadColour(ini, section, "PressedColour2", buttonText);
  }
  // What every image section shares: image, caps, flags and colours; Tile above 1 reads 0.
  void ImageFields(TDataSkinObject& o, std::string_view section, bool withStyle) const {
    Image(o.Bitmap, section, "Image");
    if (withStyle) o.Style = Int(section, "Style", 0);
    o.Margins = SideMargins(section);
    o.Trans = Int(section, "Trans", 0);
    o.Tile = Int(section, "Tile", 0);
    if (o.Tile > 1) o.Tile = 0;
    StateColours(o, section);
  }

  // An image object exists only when its section gives an image key.
  template <typename T>
  std::unique_ptr<T> Create(std::string_view section, std::string_view imageKey) const {
    if (Text(section, imageKey).empty()) return nullptr;
    return std::make_unique<T>(std::string(section));
  }

  std::unique_ptr<TDataSkinObject> ImageObject(std::string_view section) const {
    auto o = Create<TDataSkinObject>(section, "Image");
    if (o) ImageFields(*o, section, true);
    return o;
  }

  std::unique_ptr<TDataSkinBorder> TwoImageObject(std::string_view section,
                                                  std::string_view secondKey) const {
    auto o = Create<TDataSkinBorder>(section, "Image");
    if (!o) return o;
    ImageFields(*o, section, false);
    if (!Text(section, secondKey).empty()) Image(o->Bitmap2, section, secondKey);
    return o;
  }

  // The progress bar reads no colours and keeps any Tile value.
  std::unique_ptr<TDataSkinBorder> ProgressObject(std::string_view section) const {
    auto o = Create<TDataSkinBorder>(section, "Bitmap");
    if (!o) return o;
    Image(o->Bitmap, section, "Bitmap");
    if (!Text(section, "Chunk").empty()) Image(o->Bitmap2, section, "Chunk");
    o->Style = Int(section, "Style", 0);
    o->Margins = SideMargins(section);
    o->Trans = Int(section, "Trans", 0);
    o->Tile = Int(section, "Tile", 0);
    return o;
  }

  std::unique_ptr<TDataSkinBoxLabel> BoxLabelObject(std::string_view section) const {
    auto o = Create<TDataSkinBoxLabel>(section, "Image");
    if (!o) return o;
    ImageFields(*o, section, true);
    o->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
    o->BackgroundLeftShift = Int(section, "BackgroundLeftShift", 0);
    o->BackgroundRightShift = Int(section, "BackgroundRightShift", 0);
    return o;
  }

  std::unique_ptr<TDataSkinObject> MenuBarObject() const {
    auto o = Create<TDataSkinObject>(kPersonality, "menuBar");
    if (!o) return o;
    Image(o->Bitmap, kPersonality, "menuBar");
    o->Margins = Margins{Int(kPersonality, "TileLeftMenu", 1), 0,
                         Int(kPersonality, "TileRightMenu", 1), 0};
    o->Tile = Int(kPersonality, "TileMenu", 0);
    return o;
  }

  // Left and Right keep caps at their top and bottom, Top and Bottom at their left and
  // right; all four come from the keys <edge>TopHeight and <edge>BotHeight.
  void Edge(TDataSkinBorder& edge, bool vertical) const {
    const std::string n = edge.Name;
    edge = TDataSkinBorder(n);
    Image(edge.Bitmap, kPersonality, n);
    edge.FrameCount = Int(kPersonality, n + "Frame", 1);
    edge.Tile = Int(kPersonality, n + "Stretch", 1);
    edge.Trans = Int(kPersonality, n + "Trans", 1);
    const int first = Int(kPersonality, n + "TopHeight", 0);
    const int last = Int(kPersonality, n + "BotHeight", 0);
    edge.Margins = vertical ? Margins{0, first, 0, last} : Margins{first, 0, last, 0};
  }

  void ButtonsObject(TDataSkinButton& b) const {
    constexpr std::string_view s = "Buttons";
    b = TDataSkinButton(std::string(s));
    b.Margins = SideMargins(s);
    b.Trans = Int(s, "Trans", 0);
    b.Tile = Int(s, "Tile", 0);
    Image(b.Bitmap, s, "Bitmap");
    Image(b.CheckBitmap, s, "CheckButton");
    Image(b.RadioBitmap, s, "RadioButton");
    b.RadioButtonFrame = Int(s, "RadioButtonFrame", 0);
    b.CheckButtonFrame = Int(s, "CheckButtonFrame", 0);
    b.HasNormalColour2 = !Text(s, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Text(s, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Text(s, "PressedColour2").empty();
    StateColours(b, s);
  }

  void TitleObject(TDataSkinTitle& t) const {
    t = TDataSkinTitle("Title");
    Image(t.Bitmap, kPersonality, "TextBack");
    t.Margins = Margins{Int(kPersonality, "TextShift", 0), Int(kPersonality, "TextShiftVert", 0),
                        Int(kPersonality, "TextRightClip", 0), 0};
    t.TextAlignment = Int(kPersonality, "TextAlignment", 0);
    t.TextBackground = Int(kPersonality, "Textbackground", 0);
    t.TextBackLeft = Int(kPersonality, "TXTBackleft", 0);
    t.TextBackRight = Int(kPersonality, "TXTBackRight", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    t.ActiveTextColour = kNoTitleColour;
    t.InactiveTextColour = kNoTitleColour;
    ReadRGB(ini, kPersonality, "ActiveText", t.ActiveTextColour);
    ReadRGB(ini, kPersonality, "InActiveText", t.InactiveTextColour);
  }
};

template <typename T>
void SetFrames(const std::unique_ptr<T>& o, int frames) {
  if (o) o->FrameCount = frames;
}

}  // namespace

TSkinModel::TSkinModel() {
  ReadColours(TQuickIni());
  CustomColours.fill(MakeColor(255, 255, 255));
}

void TSkinModel::ReadColours(const TQuickIni& ini) {
  constexpr std::string_view s = "Colours";
  auto c = [&](std::string_view key, Color def) { return ReadColour(ini, s, key, def); };
  WindowTextColour = c("WindowText", SystemColour(8));
  ButtonFaceColour = c("ButtonFace", SystemColour(15));
  ScrollbarColour = c("Scrollbar", SystemColour(0));
  HilightTextColour = c("HilightText", SystemColour(14));
  HilightColour = c("Hilight", SystemColour(13));
  MenubarColour = c("Menubar", ButtonFaceColour);
  MenuColour = c("Menu", SystemColour(4));
  MenuTextColour = c("MenuText", SystemColour(7));
  ButtonTextColour = c("ButtonText", SystemColour(18));
  ButtonHilightColour = c("ButtonHilight", SystemColour(20));
  ButtonLightColour = c("Buttonlight", SystemColour(20));
  ButtonShadowColour = c("ButtonShadow", SystemColour(16));
  ButtonDkShadowColour = c("ButtonDkShadow", SystemColour(21));
  MenuBarTextColour = c("MenuBarText", SystemColour(7));
  TitleTextActiveColour = c("TitleTextActive", SystemColour(9));
  TitleTextNoActiveColour = c("TitleTextNoActive", SystemColour(19));
}

void TSkinModel::Build(const TQuickIni& ini, const TSkinReader& reader, int hscrollArrowWidth) {
  TLoadBudget budget;
  TSkinImages images(reader, budget);
  Build(ini, images, hscrollArrowWidth);
}

void TSkinModel::Build(const TQuickIni& ini, TSkinImages& images, int hscrollArrowWidth) {
  TLoadBudget& budget = images.Budget();
  const std::vector<std::string> sections = ini.ReadSections();
  SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");

  // The colours come first: every object's state colours default to the button text.
  Reader colourless{ini, images, 0};
  colourless.Edge(BorderLeft, true);
  colourless.Edge(BorderRight, true);
  colourless.Edge(BorderTop, false);
  colourless.Edge(BorderBottom, false);

  ReadColours(ini);
  ColourTable.clear();
  for (const std::string& name : sections) {
    const std::string lower = LowerAscii(name);
    if (lower.starts_with("colour") && lower != "colours")
      ColourTable.push_back(ReadColour(ini, name, "color", SystemColour(8)));
  }
  for (int i = 0; i < 10; ++i)
    CustomColours[static_cast<std::size_t>(i)] =
        ReadColour(ini, "Customcolors", "Color" + std::to_string(i), MakeColor(255, 255, 255));

  SysButtons = ReadSysButtons(ini, images, sections);

  Reader r{ini, images, ButtonTextColour};
  r.ButtonsObject(Buttons);
  r.TitleObject(Title);
  Progress = r.ProgressObject("Progress");
  MenuBar = r.MenuBarObject();

  GroupBoxEdge = r.ImageObject("GroupBoxEdge");
  GroupBox = r.BoxLabelObject("GroupBox");
  Toolbars = r.ImageObject("Toolbars");
  Tabs = r.TwoImageObject("Tabs", "Border");
  StatusBarEdges = r.ImageObject("StatusBarEdges");
  ComboButton = r.TwoImageObject("ComboButton", "****");
  // The right-hand button image, mirrored, serves combos whose button sits on the left.
  if (ComboButton && !ComboButton->Bitmap.Empty() &&
      budget.ChargePicture(ComboButton->Bitmap.Width(), ComboButton->Bitmap.Height())) {
    ComboButton->Bitmap2 = ComboButton->Bitmap;
    MirrorBitmap(ComboButton->Bitmap2);
  }

  SunkEdge = r.ImageObject("SunkEdge");
  ExtraImages = r.ImageObject("ExtraImages");
  Headerbar = r.ImageObject("Headerbar");
  MenuItem = r.ImageObject("MenuItem");
  MenuBackground = r.ImageObject("MenuBackground");
  Scrollbar = r.ImageObject("Scrollbar");
  HorzScroll = r.ImageObject("HorzScroll");
  VertScroll = r.ImageObject("VertScroll");
  HorzScrollThumb = r.ImageObject("HorzScrollThumb");
  VertScrollThumb = r.ImageObject("VertScrollThumb");
  TrackbarThumbHorz = r.ImageObject("Trackbar.ThumbHorz");
  TrackbarThumbVert = r.ImageObject("Trackbar.ThumbVert");
  TrackbarThumbLeft = r.ImageObject("Trackbar.ThumbLeft");
  TrackbarThumbRight = r.ImageObject("Trackbar.ThumbRight");
  TrackbarThumbUp = r.ImageObject("Trackbar.ThumbUp");
  TrackbarThumbDown = r.ImageObject("Trackbar.ThumbDown");
  UpDownHorz = r.TwoImageObject("UpDown.Horz", "GlyphImage");
  UpDownVert = r.TwoImageObject("UpDown.Vert", "GlyphImage");

  // Frame counts the painters rely on, whatever the text says.
  Buttons.FrameCount = 5;
  Title.FrameCount = 2;
  SetFrames(Progress, 2);
  SetFrames(MenuBar, 2);
  SetFrames(GroupBoxEdge, 2);
  SetFrames(Toolbars, 5);
  SetFrames(Tabs, 5);
  SetFrames(StatusBarEdges, 3);
  SetFrames(GroupBox, 1);
  for (auto* t : {&TrackbarThumbHorz, &TrackbarThumbVert, &TrackbarThumbLeft,
                  &TrackbarThumbRight, &TrackbarThumbUp, &TrackbarThumbDown})
    SetFrames(*t, 5);
  SetFrames(ComboButton, 4);
  SetFrames(SunkEdge, 4);
  SetFrames(ExtraImages, 5);
  SetFrames(Headerbar, 5);
  SetFrames(MenuItem, 5);
  SetFrames(MenuBackground, 1);
  SetFrames(Scrollbar, 23);
  SetFrames(HorzScroll, 4);
  SetFrames(VertScroll, 4);
  SetFrames(UpDownHorz, 8);
  SetFrames(UpDownVert, 8);
  SetFrames(HorzScrollThumb, ini.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  SetFrames(VertScrollThumb, ini.ReadInteger("VertScrollThumb", "FrameCount", 3));
  if (Buttons.RadioButtonFrame == 0) Buttons.RadioButtonFrame = DerivedCellCount(Buttons.RadioBitmap);
  if (Buttons.CheckButtonFrame == 0) Buttons.CheckButtonFrame = DerivedCellCount(Buttons.CheckBitmap);

  // The composite makes two strips of its frames (the button's and its mirror image).
  const int compositeFrames = SunkEdge && SunkEdge->FrameCount > 0 ? SunkEdge->FrameCount : 1;
  if (SunkEdge && ComboButton &&
      budget.ChargePicture(2 * kComboCompositeWidth * compositeFrames, kComboCompositeHeight))
    BuildComboComposite(*SunkEdge, *ComboButton, ExtraImages.get(), hscrollArrowWidth);

  NotLoaded = false;
}

}  // namespace kq

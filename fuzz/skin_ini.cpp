// The definition-text parser and every reader the skin model uses, over the keys of the
// catalogue and whatever keys the text itself holds.
#include "skin/data/skin_ini.h"

#include <algorithm>

namespace {

const char* const kSections[] = {"Personality", "Fonts", "TitlebarSkin", "Colours", "Customcolors", "Buttons",
                                 "Button0", "MDICONTROLS", "GroupBox", "Progress", "Tabs", "ComboButton",
                                 "UpDown.Horz", "HorzScrollThumb", "Colour0"};
const char* const kKeys[] = {"Top", "TopTopHeight", "LeftBotHeight", "RightStretch", "BottomFrame", "TopTrans",
                             "TextShift", "menuBar", "TileMenu", "FontHeight", "SkinName", "WindowText",
                             "ButtonFace", "Menubar", "Color0", "Bitmap", "CheckButtonFrame", "NormalColour",
                             "NormalColour2", "Action", "Align", "Visibility", "Visibility1", "CombineOp", "frame",
                             "ButtonImage", "Image", "Style", "LeftWidth", "Tile", "FrameCount", "color", "****",
                             "BackgroundAlignment", ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kq::TQuickIni ini;
  ini.LoadFromStream(std::span<const std::uint8_t>(data, size));
  // Each lookup walks the lines: a bounded number of the text's own sections keeps the
  // runs fast without losing any path.
  std::vector<std::string> sections = ini.ReadSections();
  if (sections.size() > 8) sections.resize(8);
  for (const char* s : kSections) sections.emplace_back(s);
  for (const std::string& section : sections) {
    if (ini.SectionIndex(section) >= static_cast<int>(ini.Lines().size())) __builtin_trap();
    for (const char* key : kKeys) {
      // What ReadInteger and ReadColour do with the text, without walking the lines again.
      const std::string value = ini.ReadString(section, key, "");
      kq::ParseSkinInteger(value);
      if (!value.empty()) kq::StrToColour(value);
    }
    kq::Color c = 0x1FFFFFFF;
    kq::ReadRGB(ini, section, "ActiveText", c);
    kq::ReadColour(ini, section, "color", 0x80000008);
    ini.ReadInteger(section, "Action", 0);
  }
  // The text's own keys through every conversion (bounded: each lookup walks the lines).
  const std::vector<std::string> own = ini.ReadSections();
  const std::size_t lines = std::min<std::size_t>(ini.Lines().size(), 32);
  for (std::size_t i = 0; i < lines; ++i) {
    const std::string& line = ini.Lines()[i];
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    for (std::size_t s = 0; s < own.size() && s < 8; ++s) {
      const std::string& section = own[s];
      const std::string value = ini.ReadString(section, kq::TrimText(key), "");
      kq::ParseSkinInteger(value);
      kq::StrToColour(value);
    }
  }
  return 0;
}

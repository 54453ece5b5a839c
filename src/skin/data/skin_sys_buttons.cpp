// Caption buttons and the window-menu buttons of a maximised child window.
#include <algorithm>

#include "skin/data/skin_model_parts.h"
#include "skin/draw/blit.h"

namespace kq {
namespace {

std::string UpperAscii(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return u;
}

}  // namespace

bool IsCaptionButtonSection(std::string_view section) {
  const std::string lower = LowerAscii(section);
  return lower.starts_with("button") && lower != "button" && lower != "buttons" &&
         lower != "button.radio" && lower != "button.checkbox";
}

int DerivedCaptionButtonFrames(const Bitmap& image, int action) {
  if (image.Empty() || action < 0) return 6;
  // Three frames (normal, pressed, hot) when the strip is at most 3.8 times as wide as
  // high, else six; compared in integers so 19 x 5 counts as exactly 3.8.
  return 10LL * image.Width() <= 38LL * image.Height() ? 3 : 6;
}

int DerivedCellCount(const Bitmap& strip) {
  const int cell = strip.Height() < 16 ? 13 : 16;
  return std::max(strip.Width() / cell, 4);
}

std::vector<std::unique_ptr<TDataSkinSysButton>> ReadSysButtons(
    const TQuickIni& ini, TSkinImages& images, const std::vector<std::string>& sections) {
  std::vector<std::unique_ptr<TDataSkinSysButton>> buttons;
  for (const std::string& s : sections) {
    if (!IsCaptionButtonSection(s)) continue;
    const int action = ini.ReadInteger(s, "Action", 0);
    // A button without action is kept only as a decoration that is always shown.
    if (action == -1 && ini.ReadInteger(s, "Visibility", -1) != 0) continue;
    auto b = std::make_unique<TDataSkinSysButton>(UpperAscii(s));
    b->Action = action;
    b->Align = ini.ReadInteger(s, "Align", 0);
    b->XCoord = ini.ReadInteger(s, "Xcoord", 0);
    b->YCoord = ini.ReadInteger(s, "Ycoord", 0);
    b->Visibility = ini.ReadInteger(s, "Visibility", 0);
    b->Visibility1 = ini.ReadInteger(s, "Visibility1", action == -1 ? -1 : 0);
    b->CombineOp = ini.ReadInteger(s, "CombineOp", -1);
    b->FrameCount = ini.ReadInteger(s, "frame", 0);
    images.Load(b->Bitmap, ini.ReadString(s, "ButtonImage", ""));
    if (b->FrameCount == 0) {
      b->FrameCount = DerivedCaptionButtonFrames(b->Bitmap, action);
      // The system-menu button shows the window's own icon.
      if (action == 3 || action == 11) b->Bitmap = Bitmap();
    }
    buttons.push_back(std::move(b));
  }

  // Minimise, restore and close of a maximised child window, drawn in the menu bar from
  // one strip of 12 frames, four per button.
  Bitmap strip;
  images.Load(strip, ini.ReadString("MDICONTROLS", "Image", ""));
  const int w = strip.Width() / 12;
  static constexpr const char* kNames[] = {"MDIMINIMIZE", "MDIRESTORE", "MDICLOSE"};
  for (int j = 0; j < 3; ++j) {
    auto b = std::make_unique<TDataSkinSysButton>(kNames[j]);
    b->Action = 7 + j;
    b->Align = b->Visibility = b->Visibility1 = 100;
    b->FrameCount = 4;
    if (!strip.Empty() && images.Budget().ChargePicture(4 * w, strip.Height())) {
      b->Bitmap = Bitmap(4 * w, strip.Height());
      CopyPixels(b->Bitmap, 0, 0, strip, Rect{4 * w * j, 0, 4 * w * (j + 1), strip.Height()});
      b->XCoord = (w + 4) * (3 - j);
    }
    buttons.push_back(std::move(b));
  }
  return buttons;
}

}  // namespace kq

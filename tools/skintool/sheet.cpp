#include "skintool/sheet.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/bmp.h"
#include "skin/data/skin_load.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"
#include "skintool/archive.h"
#include "skintool/sheet_parts.h"
#include "skintool/tiny_font.h"

namespace kq::skintool {
namespace {

using namespace sheet;

constexpr int kSheetWidth = 1200;
constexpr int kMargin = 16;
constexpr int kGap = 8;

enum class Slice { Nine, Three, None };

// One picture of the skin and how its painter cuts and draws it.
struct Item {
  std::string name;
  std::string note;
  const Bitmap* image;
  Layout layout = Layout::SideBySide;
  int count = 1;
  Margins margins;
  Centre centre = Centre::Stretch;
  Blend blend = Blend::Opaque;
  Slice slice = Slice::Nine;
};

std::string MarginText(const Margins& m) {
  return "MARGINS " + std::to_string(m.left) + "," + std::to_string(m.top) + "," + std::to_string(m.right) + "," +
         std::to_string(m.bottom);
}

Item ObjectItem(const std::string& name, const TDataSkinObject& o, const Bitmap& image) {
  Item it{name, "", &image, Layout::SideBySide, 1, Margins{}, Centre::Stretch, Blend::Opaque, Slice::Nine};
  it.count = o.FrameCount > 0 ? o.FrameCount : 1;
  it.margins = o.Margins;
  it.centre = o.Tile == 1 ? Centre::Tile : Centre::Stretch;
  it.blend = o.Trans ? Blend::Keyed : Blend::Opaque;
  it.note = std::to_string(it.count) + " FRAMES  " + MarginText(o.Margins) + "  TRANS " + std::to_string(o.Trans) +
            "  TILE " + std::to_string(o.Tile) + "  STYLE " + std::to_string(o.Style);
  return it;
}

std::vector<Item> Items(const TSkinModel& m) {
  std::vector<Item> items;
  // Frame edges: Left and Right side by side, Top and Bottom stacked; the middle stretches
  // when Tile (their Stretch key) is 1.
  auto edge = [&](const TDataSkinBorder& e, bool stacked) {
    Item it = ObjectItem("PERSONALITY " + e.Name, e, e.Bitmap);
    it.layout = stacked ? Layout::Stacked : Layout::SideBySide;
    it.centre = e.Tile == 1 ? Centre::Stretch : Centre::Tile;
    it.blend = Blend::Opaque;
    it.note = std::to_string(it.count) + " FRAMES " + (stacked ? "STACKED  " : "SIDE BY SIDE  ") + MarginText(e.Margins) +
              "  TRANS " + std::to_string(e.Trans) + "  STRETCH " + std::to_string(e.Tile);
    items.push_back(it);
  };
  edge(m.BorderLeft, false);
  edge(m.BorderRight, false);
  edge(m.BorderTop, true);
  edge(m.BorderBottom, true);
  {
    const TDataSkinTitle& t = m.Title;
    Item it{"PERSONALITY TEXTBACK", "", &t.Bitmap, Layout::Stacked, 2, Margins{t.TextBackLeft, 0, t.TextBackRight, 0},
            Centre::Tile, Blend::Keyed, Slice::Three};
    it.note = "2 FRAMES STACKED  CAPS " + std::to_string(t.TextBackLeft) + "," + std::to_string(t.TextBackRight) +
              "  TEXT SHIFT " + std::to_string(t.Margins.left) + "  CLIP " + std::to_string(t.Margins.right) +
              "  ALIGN " + std::to_string(t.TextAlignment);
    items.push_back(it);
  }
  if (m.MenuBar) {
    Item it = ObjectItem("PERSONALITY MENUBAR", *m.MenuBar, m.MenuBar->Bitmap);
    it.layout = Layout::Stacked;
    it.slice = m.MenuBar->Tile == 1 ? Slice::Nine : Slice::Three;
    it.centre = Centre::Stretch;
    items.push_back(it);
  }
  for (const auto& sp : m.SysButtons) {
    const TDataSkinSysButton& s = *sp;
    Item it = ObjectItem(s.Name, s, s.Bitmap);
    it.slice = Slice::None;
    it.blend = Blend::Keyed;
    it.note = std::to_string(it.count) + " FRAMES  ACTION " + std::to_string(s.Action) + "  ALIGN " +
              std::to_string(s.Align) + "  AT " + std::to_string(s.XCoord) + "," + std::to_string(s.YCoord) +
              "  VISIBILITY " + std::to_string(s.Visibility) + "/" + std::to_string(s.Visibility1);
    if (s.Bitmap.Empty()) it.note += (s.Action == 3 || s.Action == 11) ? "  (WINDOW ICON)" : "  (NO IMAGE)";
    items.push_back(it);
  }
  items.push_back(ObjectItem("BUTTONS BITMAP", m.Buttons, m.Buttons.Bitmap));
  {
    Item check = ObjectItem("BUTTONS CHECKBUTTON", m.Buttons, m.Buttons.CheckBitmap);
    check.count = std::max(1, m.Buttons.CheckButtonFrame);
    check.note = std::to_string(check.count) + " CELLS";
    check.slice = Slice::None;
    check.blend = Blend::Keyed;
    items.push_back(check);
    Item radio = check;
    radio.name = "BUTTONS RADIOBUTTON";
    radio.image = &m.Buttons.RadioBitmap;
    radio.count = std::max(1, m.Buttons.RadioButtonFrame);
    radio.note = std::to_string(radio.count) + " CELLS";
    items.push_back(radio);
  }
  auto object = [&](const char* name, const TDataSkinObject* o) {
    if (o) items.push_back(ObjectItem(name, *o, o->Bitmap));
  };
  auto second = [&](const char* name, const TDataSkinBorder* o, int count) {
    if (!o || o->Bitmap2.Empty()) return;
    Item it{name, std::to_string(count) + " FRAMES", &o->Bitmap2, Layout::SideBySide, count, o->Margins,
            Centre::Stretch, Blend::Keyed, Slice::None};
    items.push_back(it);
  };
  object("PROGRESS", m.Progress.get());
  second("PROGRESS CHUNK", m.Progress.get(), 1);
  object("TABS", m.Tabs.get());
  if (m.Tabs && !m.Tabs->Bitmap2.Empty()) {
    Item it = ObjectItem("TABS BORDER", *m.Tabs, m.Tabs->Bitmap2);
    it.count = 1;
    it.note = "1 FRAME  " + MarginText(m.Tabs->Margins);
    items.push_back(it);
  }
  object("COMBOBUTTON (COMPOSITE)", m.ComboButton.get());
  second("COMBOBUTTON BITMAP2", m.ComboButton.get(), 4);
  object("SUNKEDGE (MIRRORED COMPOSITE)", m.SunkEdge.get());
  object("EXTRAIMAGES", m.ExtraImages.get());
  object("GROUPBOXEDGE", m.GroupBoxEdge.get());
  object("GROUPBOX", m.GroupBox.get());
  object("TOOLBARS", m.Toolbars.get());
  object("STATUSBAREDGES", m.StatusBarEdges.get());
  object("HEADERBAR", m.Headerbar.get());
  object("MENUITEM", m.MenuItem.get());
  object("MENUBACKGROUND", m.MenuBackground.get());
  object("SCROLLBAR", m.Scrollbar.get());
  object("HORZSCROLL", m.HorzScroll.get());
  object("VERTSCROLL", m.VertScroll.get());
  object("HORZSCROLLTHUMB", m.HorzScrollThumb.get());
  object("VERTSCROLLTHUMB", m.VertScrollThumb.get());
  object("TRACKBAR.THUMBHORZ", m.TrackbarThumbHorz.get());
  object("TRACKBAR.THUMBVERT", m.TrackbarThumbVert.get());
  object("TRACKBAR.THUMBLEFT", m.TrackbarThumbLeft.get());
  object("TRACKBAR.THUMBRIGHT", m.TrackbarThumbRight.get());
  object("TRACKBAR.THUMBUP", m.TrackbarThumbUp.get());
  object("TRACKBAR.THUMBDOWN", m.TrackbarThumbDown.get());
  object("UPDOWN.HORZ", m.UpDownHorz.get());
  second("UPDOWN.HORZ GLYPHIMAGE", m.UpDownHorz.get(), 8);
  object("UPDOWN.VERT", m.UpDownVert.get());
  second("UPDOWN.VERT GLYPHIMAGE", m.UpDownVert.get(), 8);
  return items;
}

// The two sizes an item is sliced at: a small one near its own size and a large one.
std::pair<Rect, Rect> SliceSizes(const Item& it, const Rect& frame) {
  const int fw = frame.Width(), fh = frame.Height();
  const Margins& m = it.margins;
  const bool vertical = it.layout == Layout::SideBySide && fh > 2 * fw && it.slice == Slice::Nine;
  if (vertical) return {Rect{0, 0, fw, std::max(fh / 2, m.top + m.bottom + 6)}, Rect{0, 0, fw, std::min(fh * 3, 200)}};
  const bool horizontal = it.layout == Layout::Stacked && fw > 2 * fh;
  if (horizontal || it.slice == Slice::Three)
    return {Rect{0, 0, std::max(fw / 2, m.left + m.right + 6), fh}, Rect{0, 0, std::min(std::max(fw * 3, 180), 360), fh}};
  const int sw = std::max(fw * 2, m.left + m.right + 10), sh = std::max(fh, m.top + m.bottom + 4);
  return {Rect{0, 0, std::min(sw, 200), std::min(sh, 60)},
          Rect{0, 0, std::min(std::max(fw * 5, 160), 360), std::min(std::max(fh * 2, m.top + m.bottom + 12), 90)}};
}

class SheetWriter {
 public:
  explicit SheetWriter(int height) : b_(kSheetWidth, height) { b_.Fill(kPaper); }

  int Y() const { return y_; }
  void Skip(int dy) { y_ += dy; }
  Bitmap& Canvas() { return b_; }

  void Heading(std::string_view text, int scale = 2) {
    DrawTinyText(b_, kMargin, y_, text, kInk, scale);
    y_ += kTinyFontHeight * scale + 6;
  }

  // Frames enlarged on a checkerboard with their numbers, then the slices at two sizes.
  void Draw(const Item& it) {
    DrawTinyText(b_, kMargin, y_, it.name, kInk);
    DrawTinyText(b_, kMargin + TinyTextWidth(it.name) + 12, y_, it.note, kNote);
    const Bitmap& img = *it.image;
    std::string size = std::to_string(img.Width()) + " x " + std::to_string(img.Height());
    DrawTinyText(b_, kSheetWidth - kMargin - TinyTextWidth(size), y_, size, kNote);
    y_ += kTinyFontHeight + 5;
    if (img.Empty()) {
      DrawTinyText(b_, kMargin, y_, "(EMPTY)", kNote);
      y_ += kTinyFontHeight + 12;
      return;
    }
    const Rect first = FrameRect(img, it.layout, it.count, 1);
    const int big = std::max(first.Width(), first.Height());
    const int zoom = big <= 64 ? 3 : big <= 128 ? 2 : 1;
    int x = kMargin, rowTop = y_, rowBottom = y_;
    // Each box takes at least the width of its label.
    auto place = [&](int w, int h, std::string_view label = {}) {
      const int taken = std::max(w, TinyTextWidth(label));
      if (x + taken > kSheetWidth - kMargin && x > kMargin) {
        x = kMargin;
        rowTop = rowBottom + kGap;
      }
      const Rect at{x, rowTop, x + w, rowTop + h};
      x += taken + kGap;
      rowBottom = std::max(rowBottom, at.bottom);
      return at;
    };
    for (int i = 1; i <= it.count; ++i) {
      const Rect f = FrameRect(img, it.layout, it.count, i);
      if (f.IsEmpty()) continue;
      const Bitmap z = Zoom(img, f, zoom);
      const Rect at = place(z.Width(), z.Height() + kTinyFontHeight + 3);
      Checker(b_, Rect{at.left, at.top, at.left + z.Width(), at.top + z.Height()});
      CopyPixels(b_, at.left, at.top, z, z.Bounds(), Blend::Keyed);
      DrawTinyText(b_, at.left, at.top + z.Height() + 2, std::to_string(i), kNote);
    }
    if (it.slice != Slice::None) {
      x += kGap * 2;
      const auto [small, large] = SliceSizes(it, first);
      for (const Rect& s : {small, large}) {
        const std::string label = std::to_string(s.Width()) + "x" + std::to_string(s.Height());
        const Rect at = place(s.Width(), s.Height() + kTinyFontHeight + 3, label);
        const Rect target{at.left, at.top, at.left + s.Width(), at.top + s.Height()};
        Checker(b_, target);
        if (it.slice == Slice::Three)
          DrawHorzThreeSlice(b_, target, img, it.layout, Blend::Keyed, it.count, 1, it.margins);
        else
          DrawSkinPiece(b_, target, img, it.layout, it.centre, Blend::Keyed, it.count, 1, it.margins);
        DrawTinyText(b_, at.left, target.bottom + 2, label, kNote);
      }
    }
    y_ = rowBottom + 14;
  }

  Bitmap Finish() {
    Bitmap out(kSheetWidth, y_ + kMargin);
    CopyPixels(out, 0, 0, b_, out.Bounds());
    return out;
  }

 private:
  Bitmap b_;
  int y_ = kMargin;
};

}  // namespace

Bitmap RenderSheet(const TSkinModel& m, std::string_view caption) {
  SheetWriter w(12000);
  w.Heading("SKIN " + (m.SkinName.empty() ? std::string("(NO NAME)") : m.SkinName) + "   " + std::string(caption));

  // A desktop behind the two windows, so their transparent corners show.
  const int top = w.Y();
  Bitmap& c = w.Canvas();
  FillRect(c, Rect{kMargin, top, kMargin + 2 * 326 + 3 * 12, top + 252 + 24}, MakeColor(92, 107, 122));
  for (int i = 0; i < 2; ++i) {
    const Bitmap win = PreviewWindow(m, 326, 252, i == 0, "ZELVO SHUTDOWN V1.0");
    CopyPixels(c, kMargin + 12 + i * (326 + 12), top + 12, win, win.Bounds(), Blend::Keyed);
  }
  const Bitmap controls = PreviewControls(m);
  CopyPixels(c, kSheetWidth - kMargin - controls.Width(), top, controls, controls.Bounds());
  w.Skip(std::max(252 + 24, controls.Height()) + 20);

  for (const Item& it : Items(m)) w.Draw(it);
  return w.Finish();
}

int SheetCommand(const std::string& skinFile, const std::string& outBmp, std::ostream& report, std::ostream& err) {
  std::ifstream f(skinFile, std::ios::binary);
  if (!f) {
    err << "skintool: cannot open " << skinFile << "\n";
    return 1;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  TSkinModel model;
  std::string notice;
  TLoadBudget budget;
  if (!LoadSkinModel(model, bytes, kSheetArrowWidth, budget, [&](const std::string& t) { notice = t; })) {
    if (budget.Broken()) {
      err << "skintool: " << skinFile << ": " << OverBudgetText(budget.What()) << "\n";
    } else {
      err << "skintool: " << skinFile << ": not a readable skin" << (notice.empty() ? "" : " (" + notice + ")") << "\n";
    }
    return 1;
  }
  const Bitmap sheet = RenderSheet(model, std::filesystem::path(skinFile).filename().string());
  const std::vector<std::uint8_t> bmp = WriteBmp24(sheet);
  std::ofstream out(outBmp, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  out.close();
  if (!out) {
    err << "skintool: cannot write " << outBmp << "\n";
    return 1;
  }
  report << "sheet of " << sheet.Width() << " x " << sheet.Height() << " pixels written to " << outBmp << "\n";
  return 0;
}

}  // namespace kq::skintool

#include "skin/data/skin_scale.h"

#include <map>
#include <tuple>
#include <utility>

#include "skin/data/load_budget.h"
#include "skin/draw/resample.h"

namespace kq {
namespace {

struct Scaler {
  int to, from;
  TLoadBudget* budget;
  // Objects that name one picture share its pixels: scale it once per cut and share the
  // result too, so the scaled model holds (and the budget pays for) each copy once.
  mutable std::map<std::tuple<const std::uint8_t*, Layout, int>, Bitmap> done;

  int Len(int v) const { return ScaleLength(v, to, from); }
  void Caps(Margins& m) const { m = Margins{Len(m.left), Len(m.top), Len(m.right), Len(m.bottom)}; }
  void Image(Bitmap& b, Layout layout, int frames) const {
    if (b.Empty()) return;
    const auto key = std::make_tuple(std::as_const(b).Data(), layout, frames);
    if (auto it = done.find(key); it != done.end()) {
      b = it->second;
      return;
    }
    if (budget) {
      const int count = frames < 1 ? 1 : frames;
      const bool stacked = layout == Layout::Stacked;
      const int w = Len(stacked ? b.Width() : b.Width() / count);
      const int h = Len(stacked ? b.Height() / count : b.Height());
      if (w > 0 && h > 0 &&
          !budget->ChargePicture(stacked ? w : w * count, stacked ? h * count : h)) {
        return;  // the budget is broken: the load refuses the skin
      }
    }
    Bitmap scaled = ResampleFrames(b, layout, frames, to, from);
    scaled.Share();
    done.emplace(key, scaled);
    b = std::move(scaled);
  }
  // The image, cut into the frames its painters cut it into, and its caps.
  void Object(TDataSkinObject& o, Layout layout, int frames) const {
    Image(o.Bitmap, layout, frames);
    Caps(o.Margins);
  }
  template <typename T>
  void Object(const std::unique_ptr<T>& o) const {
    if (o) Object(*o, Layout::SideBySide, o->FrameCount);
  }
  // Second images: the tab border and the progress chunk are single pictures; the combo's
  // mirrored button and the up-down glyphs are strips like their first image.
  void Second(const std::unique_ptr<TDataSkinBorder>& o, int frames) const {
    if (o) Image(o->Bitmap2, Layout::SideBySide, frames);
  }
};

void AddBytes(std::size_t& total, const Bitmap& b) {
  total += static_cast<std::size_t>(b.Stride()) * static_cast<std::size_t>(b.Height());
}

}  // namespace

void ScaleSkinModel(TSkinModel& m, int fromDpi, int toDpi, TLoadBudget* budget) {
  if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi) return;
  const Scaler s{toDpi, fromDpi, budget, {}};

  // Left and right edges hold their frames side by side, top and bottom one above another.
  s.Object(m.BorderLeft, Layout::SideBySide, m.BorderLeft.FrameCount);
  s.Object(m.BorderRight, Layout::SideBySide, m.BorderRight.FrameCount);
  s.Object(m.BorderTop, Layout::Stacked, m.BorderTop.FrameCount);
  s.Object(m.BorderBottom, Layout::Stacked, m.BorderBottom.FrameCount);

  // The caption back is two frames stacked (active, inactive).
  TDataSkinTitle& t = m.Title;
  s.Object(t, Layout::Stacked, t.FrameCount);
  t.FontHeight = s.Len(t.FontHeight);
  t.TextBackLeft = s.Len(t.TextBackLeft);
  t.TextBackRight = s.Len(t.TextBackRight);

  TDataSkinButton& b = m.Buttons;
  s.Object(b, Layout::SideBySide, b.FrameCount);
  s.Image(b.CheckBitmap, Layout::SideBySide, b.CheckButtonFrame);
  s.Image(b.RadioBitmap, Layout::SideBySide, b.RadioButtonFrame);

  if (m.MenuBar) s.Object(*m.MenuBar, Layout::Stacked, m.MenuBar->FrameCount);
  for (const auto& sb : m.SysButtons) {
    s.Object(sb);
    sb->XCoord = s.Len(sb->XCoord);
    sb->YCoord = s.Len(sb->YCoord);
  }

  // A progress bar of style 1 draws its image as one piece.
  if (m.Progress) s.Object(*m.Progress, Layout::SideBySide, m.Progress->Style == 1 ? 1 : m.Progress->FrameCount);
  s.Second(m.Progress, 1);
  s.Object(m.Tabs);
  s.Second(m.Tabs, 1);
  s.Object(m.ComboButton);
  s.Second(m.ComboButton, m.ComboButton ? m.ComboButton->FrameCount : 1);
  s.Object(m.UpDownHorz);
  s.Second(m.UpDownHorz, 8);
  s.Object(m.UpDownVert);
  s.Second(m.UpDownVert, 8);
  s.Object(m.GroupBox);
  if (m.GroupBox) {
    m.GroupBox->BackgroundLeftShift = s.Len(m.GroupBox->BackgroundLeftShift);
    m.GroupBox->BackgroundRightShift = s.Len(m.GroupBox->BackgroundRightShift);
  }
  for (auto* o : {&m.GroupBoxEdge, &m.Toolbars, &m.StatusBarEdges, &m.SunkEdge, &m.ExtraImages,
                  &m.Headerbar, &m.MenuItem, &m.MenuBackground, &m.Scrollbar, &m.HorzScroll,
                  &m.VertScroll, &m.HorzScrollThumb, &m.VertScrollThumb, &m.TrackbarThumbHorz,
                  &m.TrackbarThumbVert, &m.TrackbarThumbLeft, &m.TrackbarThumbRight,
                  &m.TrackbarThumbUp, &m.TrackbarThumbDown})
    s.Object(*o);
}

std::size_t SkinModelImageBytes(const TSkinModel& m) {
  std::size_t total = 0;
  auto add = [&total](const TDataSkinObject* o) {
    if (o) AddBytes(total, o->Bitmap);
  };
  for (const TDataSkinBorder* e : {&m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom}) {
    add(e);
    AddBytes(total, e->Bitmap2);
  }
  add(&m.Title);
  add(&m.Buttons);
  AddBytes(total, m.Buttons.CheckBitmap);
  AddBytes(total, m.Buttons.RadioBitmap);
  add(m.MenuBar.get());
  for (const auto& sb : m.SysButtons) add(sb.get());
  for (const TDataSkinBorder* o : {m.Progress.get(), m.Tabs.get(), m.ComboButton.get(),
                                   m.UpDownHorz.get(), m.UpDownVert.get()}) {
    add(o);
    if (o) AddBytes(total, o->Bitmap2);
  }
  add(m.GroupBox.get());
  for (const TDataSkinObject* o :
       {m.GroupBoxEdge.get(), m.Toolbars.get(), m.StatusBarEdges.get(), m.SunkEdge.get(),
        m.ExtraImages.get(), m.Headerbar.get(), m.MenuItem.get(), m.MenuBackground.get(),
        m.Scrollbar.get(), m.HorzScroll.get(), m.VertScroll.get(), m.HorzScrollThumb.get(),
        m.VertScrollThumb.get(), m.TrackbarThumbHorz.get(), m.TrackbarThumbVert.get(),
        m.TrackbarThumbLeft.get(), m.TrackbarThumbRight.get(), m.TrackbarThumbUp.get(),
        m.TrackbarThumbDown.get()})
    add(o);
  return total;
}

}  // namespace kq

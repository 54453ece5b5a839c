// The previews at the top of a skin sheet: a window frame in both states and a panel of
// controls, each composed the way its painter composes it.
#include <algorithm>
#include <string>

#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"
#include "skintool/sheet_parts.h"
#include "skintool/tiny_font.h"

namespace kq::skintool::sheet {

Color Resolve(Color c) {
  if (!IsSystemColour(c)) return c & 0xFFFFFF;
  // The classic Windows scheme.
  static constexpr unsigned kSystem[] = {
      0xC8C8C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8,
      0x808080, 0x808080, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000,
      0xFFFFE1, 0xB5B5B5, 0x000080, 0xA6CAF0, 0xC0C0C0, 0x316AC5, 0xECE9D8};
  const unsigned i = c & 0xFF;
  const unsigned rgb = i < std::size(kSystem) ? kSystem[i] : 0;
  return MakeColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF));
}

void Checker(Bitmap& b, const Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const bool dark = (((x - r.left) / 4) + ((y - r.top) / 4)) % 2 != 0;
      b.SetPixel(x, y, dark ? MakeColor(150, 150, 150) : MakeColor(178, 178, 178));
    }
}

Bitmap Zoom(const Bitmap& b, const Rect& part, int zoom) {
  Bitmap out(part.Width() * zoom, part.Height() * zoom);
  StretchCopy(out, out.Bounds(), b, part);
  return out;
}

namespace {

int Count(const TDataSkinObject& o) { return o.FrameCount > 0 ? o.FrameCount : 1; }

Centre CentreOf(const TDataSkinObject& o) { return o.Tile == 1 ? Centre::Tile : Centre::Stretch; }
Blend BlendOf(const TDataSkinObject& o) { return o.Trans ? Blend::Keyed : Blend::Opaque; }

// What a control painter does with a skin object: frame `frame` of its frames side by
// side, sliced by its margins over `r`.
void Piece(Bitmap& b, const TDataSkinObject* o, const Rect& r, int frame) {
  if (!o) return;
  DrawSkinPiece(b, r, o->Bitmap, Layout::SideBySide, CentreOf(*o), BlendOf(*o), Count(*o), frame,
                o->Margins);
}

void Text(Bitmap& b, const Rect& r, std::string_view s, Color c) {
  DrawTinyText(b, r.left + (r.Width() - TinyTextWidth(s)) / 2, r.top + (r.Height() - kTinyFontHeight) / 2, s, c);
}

// A small clock on a blue disc stands for the window icon.
void DrawIcon(Bitmap& b, int x, int y) {
  for (int dy = 0; dy < 16; ++dy)
    for (int dx = 0; dx < 16; ++dx) {
      const int ex = 2 * dx - 15, ey = 2 * dy - 15;
      const int d = ex * ex + ey * ey;
      if (d <= 15 * 15) b.SetPixel(x + dx, y + dy, d > 12 * 12 ? MakeColor(230, 238, 246) : MakeColor(47, 109, 176));
    }
  FillRect(b, Rect{x + 7, y + 3, x + 9, y + 9}, MakeColor(255, 255, 255));
  FillRect(b, Rect{x + 7, y + 7, x + 12, y + 9}, MakeColor(255, 255, 255));
}

// Caption-button visibility for an ordinary resizable main window with system menu,
// minimise and maximise boxes, shown normal. The two window states share one set of
// buttons, and buttons that appear only when the window asks for them (1000..2000) are
// shown, so the sheet shows their art.
bool Condition(int v, bool second) {
  switch (v) {
    case 0: case 2: case 3: case 6: case 8: return true;
    case 1: case 4: case 5: case 7: case 9: case 10: case 11: case 100: case 200: return false;
    default:
      if (v >= 201 && v <= 2000) return !second;
      return false;
  }
}

bool Visible(const TDataSkinSysButton& s) { return Condition(s.Visibility, false) && Condition(s.Visibility1, true); }

}  // namespace

Bitmap PreviewWindow(const TSkinModel& m, int w, int h, bool active, std::string_view title) {
  Bitmap win(w, h);
  win.Fill(Resolve(m.ButtonFaceColour));
  const int fl = m.BorderLeft.Bitmap.Width() / Count(m.BorderLeft);
  const int fr = m.BorderRight.Bitmap.Width() / Count(m.BorderRight);
  const int ft = m.BorderTop.Bitmap.Height() / Count(m.BorderTop);
  const int fb = m.BorderBottom.Bitmap.Height() / Count(m.BorderBottom);
  auto border = [&](const TDataSkinBorder& piece, bool stacked, const Rect& r) {
    const int count = piece.FrameCount;
    const int frame = active || count < 2 ? 1 : 2;
    const Bitmap part = RenderNineSlice(Rect{0, 0, r.Width(), r.Height()}, piece.Bitmap, piece.Margins,
                                        stacked ? Layout::Stacked : Layout::SideBySide,
                                        piece.Tile == 1 ? Centre::Stretch : Centre::Tile, count, frame);
    CopyPixels(win, r.left, r.top, part, part.Bounds());
  };
  border(m.BorderLeft, false, Rect{0, 0, fl, h});
  border(m.BorderRight, false, Rect{w - fr, 0, w, h});
  border(m.BorderBottom, true, Rect{fl, h - fb, w - fr, h});
  const Rect caption{fl, 0, w - fr, ft};
  border(m.BorderTop, true, caption);

  // Caption text placed as the frame painter places it.
  const TDataSkinTitle& t = m.Title;
  std::string text(" ");
  text.append(title).append("  ");
  const int tw = TinyTextWidth(text) + t.TextBackLeft + t.TextBackRight;
  const int capw = caption.Width();
  int dx = 0;
  switch (t.TextAlignment) {
    case 0: dx = t.Margins.left; break;
    case 1: dx = (capw - tw) / 2; break;
    case 2: dx = capw - t.Margins.right - tw; break;
    default: break;
  }
  const int ty = (ft - kTinyFontHeight) / 2 + t.Margins.top / 2;
  const int textLeft = caption.left + dx;
  const int textRight = std::min(textLeft + tw, caption.right - t.Margins.right);
  if (!t.Bitmap.Empty())
    DrawHorzThreeSlice(win, Rect{textLeft, 0, textRight, ft}, t.Bitmap, Layout::Stacked, Blend::Keyed, 2,
                       active ? 1 : 2, Margins{t.TextBackLeft, 0, t.TextBackRight, 0});
  DrawTinyText(win, textLeft + t.TextBackLeft, ty, text,
               Resolve(active ? m.TitleTextActiveColour : m.TitleTextNoActiveColour));

  for (const auto& sp : m.SysButtons) {
    const TDataSkinSysButton& s = *sp;
    if (s.Visibility == 100 || !Visible(s)) continue;
    const bool icon = s.Action == 3 || s.Action == 11;
    if (s.Bitmap.Empty() && !icon) continue;
    const int bw = icon && s.Bitmap.Empty() ? 16 : s.Bitmap.Width() / Count(s);
    const int bh = icon && s.Bitmap.Empty() ? 16 : s.Bitmap.Height();
    int x = 0, y = s.YCoord;
    switch (s.Align) {
      case 0: x = s.XCoord; break;
      case 1: x = w - s.XCoord; break;
      case 2: case 8: x = textLeft - bw - s.XCoord; break;
      case 3: case 9: x = textRight + s.XCoord; break;
      default: y = 0; break;
    }
    if (icon) {
      DrawIcon(win, x, y);
      continue;
    }
    DrawSkinFrame(win, Rect{x, y, x + bw, y + bh}, s.Bitmap, Blend::Keyed, Count(s),
                  !active && Count(s) >= 4 ? 4 : 1);
  }
  return win;
}

Bitmap PreviewControls(const TSkinModel& m) {
  const Color face = Resolve(m.ButtonFaceColour), text = Resolve(m.ButtonTextColour),
              shadow = Resolve(m.ButtonShadowColour), white = MakeColor(255, 255, 255);
  Bitmap p(460, 350);
  p.Fill(face);

  // Push buttons in their five frames.
  const char* states[] = {"NORMAL", "PRESSED", "DISABLED", "HOT", "DEFAULT"};
  for (int i = 0; i < 5; ++i) {
    const Rect r{10 + i * 82, 10, 10 + i * 82 + 74, 35};
    Piece(p, &m.Buttons, r, i + 1);
    Text(p, r, states[i], i == 2 ? shadow : text);
  }

  // Check boxes and radio buttons: unchecked, checked, and both disabled.
  const char* checks[] = {"OFF", "ON", "OFF", "ON"};
  auto cells = [&](const Bitmap& strip, int count, int y) {
    if (strip.Empty() || count < 1) return;
    const int cw = strip.Width() / count, ch = strip.Height();
    for (int i = 0; i < 4 && i < count; ++i) {
      const int x = 10 + i * 82;
      DrawSkinFrame(p, Rect{x, y, x + cw, y + ch}, strip, Blend::Keyed, count, i + 1);
      DrawTinyText(p, x + cw + 5, y + (ch - kTinyFontHeight) / 2, checks[i], i >= 2 ? shadow : text);
    }
  };
  cells(m.Buttons.CheckBitmap, m.Buttons.CheckButtonFrame, 46);
  cells(m.Buttons.RadioBitmap, m.Buttons.RadioButtonFrame, 66);

  // Combo boxes (normal, focused, disabled) from the composite, and an edit.
  for (int i = 0; i < 3; ++i) {
    const Rect r{10 + i * 110, 90, 10 + i * 110 + 100, 111};
    FillRect(p, r, i == 2 ? face : white);
    if (m.ComboButton && m.ComboButton->Style == 2)
      DrawSkinPiece(p, r, m.ComboButton->Bitmap, Layout::SideBySide, Centre::Stretch, Blend::Keyed,
                    Count(*m.ComboButton), i == 0 ? 1 : i == 1 ? 4 : 3, m.ComboButton->Margins);
    DrawTinyText(p, r.left + 5, r.top + 7, "SHUTDOWN", i == 2 ? shadow : text);
  }
  {
    const Rect r{340, 90, 400, 111};
    FillRect(p, r, shadow);
    FillRect(p, Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, white);
    DrawTinyText(p, r.left + 5, r.top + 7, "17", text);
  }

  // Progress bar at 60 %.
  if (const auto* o = m.Progress.get()) {
    const Rect bar{10, 124, 210, 140};
    Piece(p, o, bar, 1);
    Piece(p, o, Rect{bar.left, bar.top, bar.left + bar.Width() * 6 / 10, bar.bottom}, 2);
  }

  // Up-down buttons, upright and lying.
  auto updown = [&](const TDataSkinBorder* o, const Rect& r, bool horizontal) {
    if (!o) return;
    for (int n = 0; n < 2; ++n) {
      const Rect half = horizontal ? Rect{r.left + n * r.Width() / 2, r.top, r.left + (n + 1) * r.Width() / 2, r.bottom}
                                   : Rect{r.left, r.top + n * r.Height() / 2, r.right, r.top + (n + 1) * r.Height() / 2};
      const int frame = 1 + 4 * n + (n == 1 ? 3 : 0);  // the second half shown hot
      DrawSkinFrame(p, half, o->Bitmap, Blend::Opaque, 8, frame);
      DrawSkinFrameCentred(p, half, o->Bitmap2, Blend::Keyed, 8, frame);
    }
  };
  updown(m.UpDownVert.get(), Rect{222, 118, 239, 142}, false);
  updown(m.UpDownHorz.get(), Rect{246, 122, 276, 139}, true);

  // Track bar: the channel as the system draws it, the skin's thumb over it.
  FillRect(p, Rect{290, 128, 400, 130}, shadow);
  FillRect(p, Rect{290, 130, 400, 132}, white);
  if (const auto* o = m.TrackbarThumbHorz.get())
    DrawSkinFrame(p, Rect{330, 120, 341, 139}, o->Bitmap, Blend::Keyed, Count(*o), 2);
  if (const auto* o = m.TrackbarThumbDown.get())
    DrawSkinFrame(p, Rect{370, 120, 381, 139}, o->Bitmap, Blend::Keyed, Count(*o), 2);

  // Scroll bars: track, arrows, thumb; the lower one with its left arrow pressed.
  auto hscroll = [&](const Rect& bar, bool pressed) {
    if (!m.Scrollbar) return;
    const int a = bar.Height();
    FillRect(p, bar, face);
    Piece(p, m.HorzScroll.get(), Rect{bar.left + a, bar.top, bar.right - a, bar.bottom}, 1);
    DrawSkinFrame(p, Rect{bar.left, bar.top, bar.left + a, bar.bottom}, m.Scrollbar->Bitmap, Blend::Keyed, 23, pressed ? 2 : 1);
    DrawSkinFrame(p, Rect{bar.right - a, bar.top, bar.right, bar.bottom}, m.Scrollbar->Bitmap, Blend::Keyed, 23, 5);
    Piece(p, m.HorzScrollThumb.get(), Rect{bar.left + a + 40, bar.top, bar.left + a + 110, bar.bottom}, pressed ? 2 : 1);
  };
  hscroll(Rect{10, 152, 270, 169}, false);
  hscroll(Rect{10, 174, 270, 191}, true);
  if (m.Scrollbar) {
    const Rect bar{433, 10, 450, 200};
    const int a = bar.Width();
    FillRect(p, bar, face);
    Piece(p, m.VertScroll.get(), Rect{bar.left, bar.top + a, bar.right, bar.bottom - a}, 1);
    DrawSkinFrame(p, Rect{bar.left, bar.top, bar.right, bar.top + a}, m.Scrollbar->Bitmap, Blend::Keyed, 23, 9);
    DrawSkinFrame(p, Rect{bar.left, bar.bottom - a, bar.right, bar.bottom}, m.Scrollbar->Bitmap, Blend::Keyed, 23, 13);
    Piece(p, m.VertScrollThumb.get(), Rect{bar.left, bar.top + a + 30, bar.right, bar.top + a + 90}, 3);
  }

  // Tabs (selected, normal, hot) over their page.
  if (const auto* o = m.Tabs.get()) {
    const Rect page{10, 222, 270, 272};
    if (!o->Bitmap2.Empty())
      DrawSkinPiece(p, page, o->Bitmap2, Layout::SideBySide, Centre::Stretch, Blend::Opaque, 1, 1, o->Margins);
    const char* names[] = {"GENERAL", "TIMER", "LOG"};
    const int frames[] = {2, 1, 4};
    for (int i = 0; i < 3; ++i) {
      const Rect r{12 + i * 66, i == 0 ? 200 : 203, 12 + i * 66 + 64, 223};
      Piece(p, o, r, frames[i]);
      Text(p, r, names[i], text);
    }
  }

  // Header items.
  if (const auto* o = m.Headerbar.get()) {
    const char* names[] = {"NAME", "TIME", "TASK"};
    const int frames[] = {1, 4, 2};
    for (int i = 0; i < 3; ++i) {
      const Rect r{10 + i * 87, 282, 10 + (i + 1) * 87, 304};
      Piece(p, o, r, frames[i]);
      Text(p, r, names[i], text);
    }
  }

  // Status bar with a lowered and a plain panel, and the size grip.
  if (const auto* o = m.StatusBarEdges.get()) {
    Piece(p, o, Rect{10, 320, 180, 340}, 1);
    Piece(p, o, Rect{180, 320, 450, 340}, 3);
    DrawTinyText(p, 16, 327, "READY", Resolve(o->NormalColour2));
    if (const auto* e = m.ExtraImages.get()) {
      const int cw = e->Bitmap.Width() / Count(*e), ch = e->Bitmap.Height();
      DrawSkinFrame(p, Rect{450 - cw, 340 - ch, 450, 340}, e->Bitmap, Blend::Keyed, Count(*e), 5);
    }
  }

  // A popup menu: normal, selected, separator, disabled.
  if (const auto* bg = m.MenuBackground.get()) {
    const Rect menu{290, 150, 425, 270};
    const Bitmap back = RenderNineSlice(Rect{0, 0, menu.Width(), menu.Height()}, bg->Bitmap, bg->Margins,
                                        Layout::SideBySide, CentreOf(*bg), 1, 1);
    CopyPixels(p, menu.left, menu.top, back, back.Bounds());
    const TDataSkinObject* item = m.MenuItem.get();
    const char* items[] = {"SHOW / HIDE", "STOP", "-", "ABOUT", "EXIT"};
    int y = menu.top + 3;
    for (int i = 0; i < 5; ++i) {
      const bool sep = items[i][0] == '-';
      const int ih = sep ? 9 : 22;
      const Rect r{menu.left + 3, y, menu.right - 3, y + ih};
      if (item && sep) {
        // The separator: the lowest rows of frame 2, caps kept, middle stretched.
        const int fw = item->Bitmap.Width() / 5, fh = item->Bitmap.Height();
        const int top = std::max(0, fh - ih);
        Bitmap line(r.Width(), ih);
        line.Fill(kTransparentKey);
        const Rect src{fw, top, 2 * fw, fh};
        const int l = item->Margins.left, rr = item->Margins.right;
        StretchCopy(line, Rect{0, 0, l, ih}, item->Bitmap, Rect{src.left, src.top, src.left + l, src.bottom});
        StretchCopy(line, Rect{l, 0, r.Width() - rr, ih}, item->Bitmap, Rect{src.left + l, src.top, src.right - rr, src.bottom});
        StretchCopy(line, Rect{r.Width() - rr, 0, r.Width(), ih}, item->Bitmap, Rect{src.right - rr, src.top, src.right, src.bottom});
        CopyPixels(p, r.left, r.top, line, line.Bounds(), Blend::Keyed);
      } else if (item) {
        Piece(p, item, r, i == 1 ? 4 : 1);
      }
      if (!sep)
        DrawTinyText(p, r.left + 1 + item->Margins.left + 16 + 3, r.top + (ih - kTinyFontHeight) / 2, items[i],
                     i == 3 ? Resolve(m.ButtonShadowColour) : Resolve(i == 1 ? m.HilightTextColour : m.MenuTextColour));
      y += ih;
    }
  }

  return p;
}

}  // namespace kq::skintool::sheet

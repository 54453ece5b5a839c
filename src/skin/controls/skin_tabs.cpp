#include "skin/controls/skin_tabs.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/controls/control_skinner_host.h"
#include "skin/controls/core/scroll_rules.h"
#include "skin/controls/core/tab_rules.h"
#include "skin/controls/skin_edits.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/transform.h"
#include "ui/tabs.h"

using namespace kq::skin;

namespace {

kq::Color ToPixel(COLORREF c) { return kq::MakeColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
kq::Rect ToRect(const RECT& r) { return kq::Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const kq::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void Apply(kq::Bitmap& b, Turn turn) {
  switch (turn) {
    case Turn::Flip:
      kq::FlipBitmap(b);
      break;
    case Turn::Left:
      kq::RotateBitmapLeft(b);
      break;
    case Turn::Right:
      kq::RotateBitmapRight(b);
      break;
    case Turn::None:
      break;
  }
}

Turn Opposite(Turn t) { return t == Turn::Left ? Turn::Right : t == Turn::Right ? Turn::Left : t; }

// The canvas draws with the window's own font (WM_GETFONT), in the skin's text colour.
void UseWindowFont(TCanvas& canvas, HFONT font, TColor colour) {
  LOGFONTW lf{};
  if (font && GetObjectW(font, sizeof(lf), &lf)) {
    canvas.Font().SetName(lf.lfFaceName);
    canvas.Font().SetHeight(lf.lfHeight);
    canvas.Font().SetCharset(lf.lfCharSet);
  }
  canvas.Font().SetColor(colour);
}

void DrawPiece(kq::Bitmap& px, const kq::Rect& r, const TTabImages& im, const kq::Bitmap& image,
               const kq::Margins& margins, int frames, int frame) {
  kq::DrawSkinPiece(px, r, image, kq::Layout::SideBySide, kq::Centre::Stretch,
                    im.Keyed ? kq::Blend::Keyed : kq::Blend::Opaque, frames, frame, margins);
}

}  // namespace

void TTabImages::Read(const TSkinLook* skin, int orientation) {
  *this = TTabImages{};
  const kq::TDataSkinBorder* t = skin ? skin->Tabs.get() : nullptr;
  if (!t || t->Bitmap.Empty()) return;
  const TabImageTurns turns = TabTurns(orientation);
  Tabs = t->Bitmap;
  Border = t->Bitmap2;
  Apply(Tabs, turns.tabs);
  Apply(Border, turns.border);
  TabMargins = TurnMargins(t->Margins, turns.tabs);
  BorderMargins = TurnMargins(t->Margins, turns.border);
  FrameCount = t->FrameCount > 0 ? t->FrameCount : 5;
  Keyed = t->Trans == 1;
}

// ---- TSkinTab ----------------------------------------------------------------------------

const TClassInfo& TSkinTab::StaticClass() {
  static const TClassInfo info("TSkinTab", &TSkinControl::StaticClass());
  return info;
}

TSkinTab::TSkinTab(TComponent* owner) : TSkinControl(owner) {}

TSkinTab::~TSkinTab() {
  Destroying();
  delete updown_;
  updown_ = nullptr;
}

void TSkinTab::Notification(TComponent* component, TOperation op) {
  TSkinControl::Notification(component, op);
  if (op == opRemove && component == updown_) updown_ = nullptr;
}

void TSkinTab::AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner, TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachToWindow(window, skinData, formSkinner, canvas);
  if (!Attached) return;
  Focused = GetFocus() == Handle;
  Enabled = IsWindowEnabled(Handle) != FALSE;
  Orientation = TabOrientation(static_cast<unsigned>(GetWindowLongPtrW(Handle, GWL_STYLE)));
  images_.Read(SkinData, Orientation);
  FindUpDown();
}

void TSkinTab::SkinChanged() {
  images_.Read(SkinData, Orientation);
  TSkinControl::SkinChanged();
}

void TSkinTab::FindUpDown() {
  if (updown_ || !Handle) return;
  HWND child = FindWindowExW(Handle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!child) return;
  if (FormSkinner)
    for (TSkinControl* s : FormSkinner->ControlSkinners)
      if (s->Handle == child) return;
  auto* s = new TSkinUpDown(Owner());
  // The arrows lie side by side whatever their style says.
  s->Horizontal = true;
  s->AttachToWindow(child, SkinData, FormSkinner, Canvas);
  if (!s->Attached) {
    delete s;
    return;
  }
  updown_ = s;
  FreeNotification(s);
}

int TSkinTab::ItemAt(POINT client) const {
  TCHITTESTINFO hit{};
  hit.pt = client;
  return static_cast<int>(SendMessageW(Handle, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

TColor TSkinTab::BackgroundColour() const {
  // The strip beside the tabs belongs to the parent's surface.
  if (TWinControl* parent = TWinControl::FromHandle(GetParent(Handle))) return parent->Color();
  return FaceColour();
}

bool TSkinTab::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (images_.Empty()) break;
      PaintInPlace(m);
      m.Result = 0;
      return false;
    case WM_PRINTCLIENT:
      if (images_.Empty()) break;
      PaintInPlace(m);
      return false;
    case WM_ERASEBKGND:
      if (images_.Empty()) break;
      m.Result = 1;
      return false;
    case WM_MOUSEMOVE:
      FollowHotItem(ItemAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}), HotItem, tracking_);
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (HotItem != -1) {
        HotItem = -1;
        InvalidateRect(Handle, nullptr, FALSE);
      }
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTab::DrawTab(kq::Bitmap& px, TBitmap& picture, const RECT& item, bool selected, int frame,
                       bool focusCue, const std::wstring& text, int image, HIMAGELIST list, HFONT font) {
  const kq::Rect piece = TabPieceRect(ToRect(item), selected, Orientation);
  if (piece.IsEmpty()) return;
  const TColor ink = SkinData ? SkinData->ButtonTextColour : clBtnText;
  const Turn turn = TabPieceTurn(Orientation);
  GdiFlush();
  if (turn == Turn::None) {
    DrawPiece(px, piece, images_, images_.Tabs, images_.TabMargins, images_.FrameCount, frame);
    RECT tr = item;
    // The selected tab's caption moves out with it.
    if (selected) OffsetRect(&tr, 0, Orientation == 1 ? 1 : -1);
    TCanvas& canvas = picture.Canvas();
    UseWindowFont(canvas, font, ink);
    DrawGlyphAndText(canvas, tr, 1, text, image, list);
    if (focusCue) {
      InflateRect(&tr, -3, -3);
      DrawFocusRect(picture.MemoryDC(), &tr);
    }
    return;
  }
  // A tab at the side is composed lying down, as a tab at the top, over what lies under it,
  // and turned upright: its caption turns with it, as the system draws vertical tabs.
  kq::Bitmap under(piece.Width(), piece.Height());
  kq::CopyPixels(under, 0, 0, px, piece);
  Apply(under, Opposite(turn));
  TBitmap lying;
  lying.Assign(under);
  {
    kq::Bitmap lp = lying.Pixels();
    DrawPiece(lp, lp.Bounds(), images_, images_.Tabs, images_.TabMargins, images_.FrameCount, frame);
  }
  RECT tr{0, selected ? 1 : 0, lying.Width(), lying.Height() - (selected ? 1 : 0)};
  TCanvas& canvas = lying.Canvas();
  UseWindowFont(canvas, font, ink);
  DrawGlyphAndText(canvas, tr, 1, text, image, list);
  if (focusCue) {
    InflateRect(&tr, -3, -3);
    DrawFocusRect(lying.MemoryDC(), &tr);
  }
  GdiFlush();
  kq::Bitmap upright = lying.Pixels();
  Apply(upright, turn);
  kq::CopyPixels(px, piece.left, piece.top, upright, upright.Bounds());
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0 || !Handle) return;
  const int orientation = TabOrientation(static_cast<unsigned>(GetWindowLongPtrW(Handle, GWL_STYLE)));
  if (orientation != Orientation) {
    Orientation = orientation;
    images_.Read(SkinData, Orientation);
  }
  if (images_.Empty()) return;
  Enabled = IsWindowEnabled(Handle) != FALSE;
  Focused = GetFocus() == Handle;
  FindUpDown();

  const int count = std::max(0, static_cast<int>(SendMessageW(Handle, TCM_GETITEMCOUNT, 0, 0)));
  const int selected = static_cast<int>(SendMessageW(Handle, TCM_GETCURSEL, 0, 0));
  const int focusItem = static_cast<int>(SendMessageW(Handle, TCM_GETCURFOCUS, 0, 0));
  std::vector<RECT> items(static_cast<size_t>(count));
  std::vector<kq::Rect> rects;
  for (int i = 0; i < count; ++i) {
    SendMessageW(Handle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&items[static_cast<size_t>(i)]));
    rects.push_back(ToRect(items[static_cast<size_t>(i)]));
  }

  if (scratch_.Width() != w || scratch_.Height() != h) scratch_.SetSize(w, h);
  kq::Bitmap px = scratch_.Pixels();
  kq::FillRect(px, px.Bounds(), ToPixel(ColorToRGB(BackgroundColour())));
  const kq::Rect body = TabBodyRect(w, h, rects, Orientation);
  LastBody = ToRECT(body);
  if (!images_.Border.Empty()) {
    DrawPiece(px, body, images_, images_.Border, images_.BorderMargins, 1, 1);
    // A page lies inside the body in its own colour: the body's inside around it takes that
    // colour too, or a band of the border image's inside shows between rim and page.
    const auto* pages = dynamic_cast<TPageControl*>(TWinControl::FromHandle(Handle));
    if (const TTabSheet* page = pages ? pages->ActivePage() : nullptr; page && page->Visible()) {
      const kq::Margins& m = images_.BorderMargins;
      const kq::Rect inside{body.left + m.left, body.top + m.top, body.right - m.right, body.bottom - m.bottom};
      kq::FillRect(px, inside, ToPixel(ColorToRGB(page->Color())));
    }
  } else {
    kq::FillRect(px, body, ToPixel(ColorToRGB(FaceColour())));
  }

  HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0));
  HIMAGELIST list = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, TCM_GETIMAGELIST, 0, 0));
  LastFrames.assign(static_cast<size_t>(count), 0);
  // The selected tab last: it stands over its neighbours and the body's edge.
  std::vector<int> order;
  for (int i = 0; i < count; ++i)
    if (i != selected) order.push_back(i);
  if (selected >= 0 && selected < count) order.push_back(selected);
  for (int i : order) {
    wchar_t text[260] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text;
    item.cchTextMax = 260;
    item.iImage = -1;
    SendMessageW(Handle, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    const bool isSelected = i == selected;
    const int frame = ControlStateFrame(isSelected, i == HotItem, Focused && i == focusItem, Enabled);
    LastFrames[static_cast<size_t>(i)] = frame;
    // The keyboard's place: the dotted frame the system draws on the focused tab.
    const bool focusCue = Focused && i == focusItem && !(SendMessageW(Handle, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    DrawTab(px, scratch_, items[static_cast<size_t>(i)], isSelected, frame, focusCue, text,
            list ? item.iImage : -1, list, font);
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, w, h, scratch_.MemoryDC(), 0, 0, SRCCOPY);
}

// ---- TSkinTab31 --------------------------------------------------------------------------

const TClassInfo& TSkinTab31::StaticClass() {
  static const TClassInfo info("TSkinTab31", &TSkinControl::StaticClass());
  return info;
}

TSkinTab31::TSkinTab31(TComponent* owner) : TSkinControl(owner) {}

void TSkinTab31::AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                                 TCanvas* canvas) {
  if (Attached) return;
  // The tabs hang below a page: the images of tabs at the bottom.
  images_.Read(skinData, 1);
  TSkinControl::AttachToControl(formSkinner, skinData, useSkinColor, canvas);
}

void TSkinTab31::SkinChanged() {
  images_.Read(SkinData, 1);
  TSkinControl::SkinChanged();
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      if (images_.Empty()) break;
      if (m.WParam == 0) {
        // Drawn on the screen now; the control's own handling then finds nothing left to
        // paint.
        PaintInPlace(m);
        painting_ = true;
        return true;
      }
      // A picture to paint into (the control's double buffer, or a print): the skin goes in,
      // and the control's own painting must not cover it.
      PaintInPlace(m);
      m.Result = 0;
      return false;
    case WM_ERASEBKGND:
      if (images_.Empty()) break;
      m.Result = 1;
      return false;
    case WM_MOUSEMOVE: {
      auto* set = dynamic_cast<TTabSet*>(Control);
      const int item = set ? set->TabAtPos(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)) : -1;
      if (item != HotItem) {
        HotItem = item;
        InvalidateControl();
      }
      break;
    }
    case CM_MOUSELEAVE:
      if (HotItem != -1) {
        HotItem = -1;
        InvalidateControl();
      }
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinTab31::AfterMessage(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    // Painted in BeforeMessage; nothing goes on the window afterwards.
    painting_ = false;
    return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
  auto* set = dynamic_cast<TTabSet*>(Control);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (!set || images_.Empty() || w <= 0 || h <= 0) return;
  Enabled = set->Enabled() && Handle && IsWindowEnabled(Handle);
  Focused = Handle && GetFocus() == Handle;
  TBitmap picture(w, h);
  kq::Bitmap px = picture.Pixels();
  const TColor back = set->Parent() ? set->Parent()->Color() : FaceColour();
  kq::FillRect(px, px.Bounds(), ToPixel(ColorToRGB(back)));
  // The bottom of the page above: the edge of the (flipped) border next to the tabs, as wide
  // as the set.
  const int edge = images_.Border.Empty() ? 0 : std::max(images_.BorderMargins.bottom, 1);
  if (edge > 0) {
    const int bw = images_.Border.Width();
    kq::Bitmap band(w + 2 * bw, std::max(images_.Border.Height(), 2 * edge + 1));
    band.Fill(kq::kTransparentKey);
    DrawPiece(band, band.Bounds(), images_, images_.Border, images_.BorderMargins, 1, 1);
    kq::CopyPixels(px, 0, 0, band, kq::Rect{bw, band.Height() - edge, bw + w, band.Height()},
                   kq::Blend::Keyed);
  }
  const int count = static_cast<int>(set->Tabs().size());
  const int selected = set->TabIndex();
  LastFrames.assign(static_cast<size_t>(count), 0);
  std::vector<RECT> rects;
  for (int i = 0; i < count; ++i) rects.push_back(set->TabRect(i));
  std::vector<int> order;
  for (int i = 0; i < count; ++i)
    if (i != selected) order.push_back(i);
  if (selected >= 0 && selected < count) order.push_back(selected);
  for (int i : order) {
    const bool isSelected = i == selected;
    const int frame = ControlStateFrame(isSelected, i == HotItem, false, Enabled);
    LastFrames[static_cast<size_t>(i)] = frame;
    const kq::Rect piece = TabSetPieceRect(ToRect(rects[static_cast<size_t>(i)]), isSelected, edge);
    DrawPiece(px, piece, images_, images_.Tabs, images_.TabMargins, images_.FrameCount, frame);
  }
  GdiFlush();
  TCanvas& canvas = picture.Canvas();
  canvas.Font().Assign(set->Font());
  for (int i = 0; i < count; ++i) {
    canvas.Font().SetColor(SkinData ? SkinData->ButtonTextColour : clBtnText);
    RECT r = rects[static_cast<size_t>(i)];
    r.top = edge;
    if (i == selected) OffsetRect(&r, 0, 1);
    DrawCentredText(canvas, r, DT_CENTER, Enabled, set->Tabs()[static_cast<size_t>(i)]);
  }
  if (Focused && selected >= 0 && selected < count) {
    RECT f = rects[static_cast<size_t>(selected)];
    InflateRect(&f, -3, 0);
    f.top = edge + 2;
    f.bottom -= 2;
    DrawFocusRect(picture.MemoryDC(), &f);
  }
  GdiFlush();
  BitBlt(dc, rect.left, rect.top, w, h, picture.MemoryDC(), 0, 0, SRCCOPY);
}

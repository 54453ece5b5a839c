#include "skin/controls/skin_scrollbars.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/controls/core/scroll_paint.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "ui/skin_messages.h"
#include "ui/text.h"

using namespace kq::skin;

namespace {

constexpr wchar_t kOverlayClass[] = L"TWScrollbar";

void RegisterOverlayClass() {
  static bool done = false;
  if (done) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;  // replaced per window at creation
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kOverlayClass;
  RegisterClassExW(&wc);
  done = true;
}

int ReadIntProp(const TControl* c, const char* name, int fallback) {
  if (!c) return fallback;
  auto v = GetPropText(c, name);
  if (!v) return fallback;
  auto n = TextToInt(*v);
  return n ? static_cast<int>(*n) : fallback;
}

bool HasArea(const RECT& r) { return r.right > r.left && r.bottom > r.top; }

RECT ToWindowCoords(HWND wnd, RECT screen) {
  RECT w{};
  GetWindowRect(wnd, &w);
  OffsetRect(&screen, -w.left, -w.top);
  return screen;
}

}  // namespace

// ---- TWScrollbar -------------------------------------------------------------------------

TWScrollbar::TWScrollbar(TSkinControl* skinner, int kind)
    : Kind(kind), Vertical(kind == 1), ArrowSize(GetSystemMetrics(SM_CXHSCROLL)), Skinner(skinner) {}

TWScrollbar::~TWScrollbar() {
  *alive_ = false;
  if (wnd_ && IsWindow(wnd_)) {
    SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
    DestroyWindow(wnd_);
  }
  wnd_ = nullptr;
  // Give the target back the style it had.
  if (added_clip_siblings_ && Target && IsWindow(Target))
    SetWindowLongPtrW(Target, GWL_STYLE, GetWindowLongPtrW(Target, GWL_STYLE) & ~WS_CLIPSIBLINGS);
}

void TWScrollbar::Attach(HWND target, TControl* control) {
  if (wnd_ || !IsWindow(target)) return;
  Target = target;
  TargetControl = control;
  if (Kind == 2) {
    if (control) {
      auto kind = GetPropText(control, "Kind");
      Vertical = !(kind && _wcsicmp(kind->c_str(), L"sbHorizontal") == 0);
    } else {
      Vertical = (GetWindowLongPtrW(target, GWL_STYLE) & SBS_VERT) != 0;
    }
  }
  HWND parent = GetParent(target);
  if (!parent) return;  // a top-level window has no parent to lay the overlay on
  // The target must not paint its own bars over the overlay.
  const LONG_PTR style = GetWindowLongPtrW(target, GWL_STYLE);
  if (!(style & WS_CLIPSIBLINGS)) {
    SetWindowLongPtrW(target, GWL_STYLE, style | WS_CLIPSIBLINGS);
    added_clip_siblings_ = true;
  }
  RegisterOverlayClass();
  wnd_ = CreateWindowExW(0, kOverlayClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  if (!wnd_) return;
  SetWindowLongPtrW(wnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OverlayProc));
  PlaceOverlay();
}

bool TWScrollbar::HasArrowImage() const {
  const TSkinLook* skin = Skinner ? Skinner->SkinData : nullptr;
  return skin && skin->Scrollbar && skin->Scrollbar->Bitmap.Width() > 0 && skin->Scrollbar->Bitmap.Height() > 0;
}

bool TWScrollbar::ReadGeometry(Geometry& g) const {
  if (!Target || !IsWindow(Target)) return false;
  if (Kind != 2) {
    SCROLLBARINFO sbi{};
    sbi.cbSize = sizeof(sbi);  // 60 bytes
    if (!GetScrollBarInfo(Target, Kind == 0 ? OBJID_HSCROLL : OBJID_VSCROLL, &sbi)) return false;
    g.bar = sbi.rcScrollBar;
    g.length = Vertical ? g.bar.bottom - g.bar.top : g.bar.right - g.bar.left;
    g.thumb = {sbi.xyThumbTop, sbi.xyThumbBottom};
    g.invisible = (sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE) || !HasArea(g.bar);
    // A disabled window's bars cannot be used either.
    g.enabled = !(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && IsWindowEnabled(Target);
    return true;
  }
  RECT c{};
  if (!GetClientRect(Target, &c)) return false;
  MapWindowPoints(Target, nullptr, reinterpret_cast<POINT*>(&c), 2);
  g.bar = c;
  g.length = Vertical ? c.bottom - c.top : c.right - c.left;
  int position = 0, max = 0, page = 0;
  if (TargetControl) {
    const int min = ReadIntProp(TargetControl, "Min", 0);
    position = ReadIntProp(TargetControl, "Position", 0) - min;
    max = ReadIntProp(TargetControl, "Max", 0) - min;
    page = ReadIntProp(TargetControl, "PageSize", 0);
  } else {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    if (GetScrollInfo(Target, SB_CTL, &si)) {
      position = si.nPos - si.nMin;
      max = si.nMax - si.nMin;
      page = static_cast<int>(si.nPage);
    }
  }
  g.thumb = ScrollControlThumb(g.length, ArrowSize, position, max, page);
  g.invisible = !HasArea(c);
  g.enabled = IsWindowEnabled(Target) != FALSE;
  return true;
}

bool TWScrollbar::AlreadyInFront() const {
  // The overlays of one target sit together directly in front of it.
  for (HWND w = GetWindow(Target, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == wnd_) return true;
    auto* other = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    if (wcscmp(cls, kOverlayClass) != 0 || !other || other->Target != Target) return false;
  }
  return false;
}

void TWScrollbar::PlaceOverlay() {
  if (!wnd_) return;
  Geometry g;
  if (!ReadGeometry(g)) {
    HideOverlay();
    return;
  }
  if (g.invisible || !IsWindowVisible(Target) || !HasArrowImage()) {
    HideOverlay();
    return;
  }
  BarOrigin = POINT{g.bar.left, g.bar.top};
  BarRect = g.bar;
  MapWindowPoints(nullptr, Target, reinterpret_cast<POINT*>(&BarRect), 2);
  RECT inParent = g.bar;
  MapWindowPoints(nullptr, GetParent(wnd_), reinterpret_cast<POINT*>(&inParent), 2);
  Length = g.length;
  ThumbStart = g.thumb.start;
  ThumbEnd = g.thumb.end;
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  HWND after = nullptr;
  if (AlreadyInFront()) {
    flags |= SWP_NOZORDER;
  } else {
    after = GetWindow(Target, GW_HWNDPREV);
    if (!after) after = HWND_TOP;
  }
  SetWindowPos(wnd_, after, inParent.left, inParent.top, inParent.right - inParent.left,
               inParent.bottom - inParent.top, flags);
  Shown = true;
}

void TWScrollbar::HideOverlay() {
  Shown = false;
  if (wnd_ && IsWindowVisible(wnd_)) ShowWindow(wnd_, SW_HIDE);
}

void TWScrollbar::Repaint() {
  if (!wnd_ || !Shown) return;
  HDC dc = GetDC(wnd_);
  if (!dc) return;
  Paint(dc);
  ReleaseDC(wnd_, dc);
}

ScrollPart TWScrollbar::HitTest(POINT p) const {
  return ScrollHitTest(Vertical ? p.y : p.x, Length, ArrowSize, ThumbExtent{ThumbStart, ThumbEnd});
}

void TWScrollbar::Paint(HDC dc) {
  Geometry g;
  if (!ReadGeometry(g) || g.invisible) {
    // The bar went away without a frame repaint of the target: nothing to cover any more.
    HideOverlay();
    return;
  }
  const TSkinLook* skin = Skinner ? Skinner->SkinData : nullptr;
  if (!HasArrowImage()) return;
  RECT cr{};
  GetClientRect(wnd_, &cr);
  const int w = cr.right, h = cr.bottom;
  if (w <= 0 || h <= 0) return;
  Length = g.length;
  ThumbStart = g.thumb.start;
  ThumbEnd = g.thumb.end;

  ScrollBarPaintInput in;
  in.width = w;
  in.height = h;
  in.vertical = Vertical;
  in.enabled = g.enabled;
  in.arrowSize = ArrowSize;
  in.thumb = g.thumb;
  in.thumbThickness = ScrollThumbThickness(skin->Scrollbar->Bitmap.Height(), ArrowSize);
  in.dragging = Pressing && PressedPart == spThumb;
  POINT c{};
  GetCursorPos(&c);
  if (in.dragging && Kind != 2) {
    // The thumb follows the cursor while dragged, held between the arrows.
    const int delta = Vertical ? c.y - PressPoint.y : c.x - PressPoint.x;
    const int len = g.thumb.end - g.thumb.start;
    int start = DraggedThumbStart(PressThumbStart, delta, len, Length, ArrowSize);
    // Dragged too far off the bar, the system puts the thumb back where it was (its track
    // position is the position of the press again): so does the skin.
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(Target, Vertical ? SB_VERT : SB_HORZ, &si) && si.nTrackPos == PressPosition)
      start = PressThumbStart;
    in.thumb = ThumbExtent{start, start + len};
  }
  const ScrollBarLayout layout = LayoutScrollBar(in);
  ScrollBarImages images;
  images.arrows = skin->Scrollbar.get();
  images.track = Vertical ? skin->VertScroll.get() : skin->HorzScroll.get();
  images.thumb = Vertical ? skin->VertScrollThumb.get() : skin->HorzScrollThumb.get();
  images.face = ColorToRGB(Skinner->FaceColour());
  ScrollArrowState arrows;
  arrows.firstPressed = Pressing && PressedPart == spLineUp;
  arrows.lastPressed = Pressing && PressedPart == spLineDown;

  TBitmap picture(w, h);
  kq::Bitmap pixels = picture.Pixels();
  const ScrollPaintResult r = PaintScrollBar(pixels, layout, Vertical, arrows, images);
  GdiFlush();
  BitBlt(dc, 0, 0, w, h, picture.MemoryDC(), 0, 0, SRCCOPY);

  LastPaint.count++;
  LastPaint.enabled = g.enabled;
  LastPaint.layout = layout;
  LastPaint.firstArrowFrame = r.firstArrowFrame;
  LastPaint.lastArrowFrame = r.lastArrowFrame;
  LastPaint.cursor = c;
}

void TWScrollbar::Press(LPARAM l) {
  // A disabled window takes no mouse input, so its bars do not scroll either (the press sent
  // below would reach it all the same).
  if (!Target || !IsWindowEnabled(Target)) return;
  const POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  POINT screen = p;
  if (Kind != 2) {
    screen.x += BarOrigin.x;
    screen.y += BarOrigin.y;
  }
  GetCursorPos(&PressPoint);
  Geometry g;
  if (Kind != 2) {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_POS;
    PressPosition = GetScrollInfo(Target, Kind == 0 ? SB_HORZ : SB_VERT, &si) ? si.nPos : 0;
  }
  if (ReadGeometry(g)) {
    PressThumbStart = g.thumb.start;
    Length = g.length;
    ThumbStart = g.thumb.start;
    ThumbEnd = g.thumb.end;
  }
  // The part under the press shows pressed at once (for window bars the scroll loop's first
  // message comes only when the thumb moves).
  PressedPart = HitTest(p);
  Pressing = true;
  Repaint();
  ReleaseCapture();
  const std::shared_ptr<bool> alive = alive_;
  // The system's scroll loop runs inside this call, until the button is released.
  if (Kind != 2)
    SendMessageW(Target, WM_NCLBUTTONDOWN, Kind == 0 ? HTHSCROLL : HTVSCROLL, MAKELPARAM(screen.x, screen.y));
  else
    SendMessageW(Target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  if (!*alive) return;
  Pressing = false;
  ReleaseCapture();
  Repaint();
}

LRESULT CALLBACK TWScrollbar::OverlayProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* self = reinterpret_cast<TWScrollbar*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(wnd, msg, w, l);
  if (msg == WM_NCDESTROY) {
    // Destroyed with its parent: the object stays (its skinner frees it) without a window.
    self->wnd_ = nullptr;
    self->Shown = false;
    SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    return DefWindowProcW(wnd, msg, w, l);
  }
  return self->Message(msg, w, l);
}

LRESULT TWScrollbar::Message(UINT msg, WPARAM w, LPARAM l) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const LRESULT r = DefWindowProcW(wnd_, msg, w, l);
      Press(l);
      return r;
    }
    case WM_LBUTTONUP: {
      const LRESULT r = DefWindowProcW(wnd_, msg, w, l);
      Pressing = false;
      ReleaseCapture();
      if (Kind != 2)
        PostMessageW(Target, WM_NCLBUTTONUP, Kind == 0 ? HTHSCROLL : HTVSCROLL, l);
      else
        PostMessageW(Target, WM_LBUTTONUP, MK_LBUTTON, l);
      if (Kind == 2) Repaint();
      return r;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd_, &ps);
      try {
        Paint(dc);
      } catch (...) {
        // A broken skin image never takes the window down.
      }
      EndPaint(wnd_, &ps);
      return 0;
    }
  }
  return DefWindowProcW(wnd_, msg, w, l);
}

// ---- TSkinScrollbar ----------------------------------------------------------------------

const TClassInfo& TSkinScrollbar::StaticClass() {
  static const TClassInfo info("TSkinScrollbar", &TSkinControl::StaticClass());
  return info;
}

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbar::~TSkinScrollbar() { FreeOverlays(); }

void TSkinScrollbar::AttachScrollBars(TControl* control, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                      TCanvas* canvas) {
  if (Attached || !control) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return;
  SkinData = skinData;
  FormSkinner = formSkinner;
  Canvas = canvas;
  Control = control;
  Handle = windowed->Handle();
  JoinFormSkinner();
  CreateOverlays(Handle);
  if (!control->Visible()) HideOverlays();
  HookWindowProc(control);
  Attached = true;
  Phase = 1;
}

void TSkinScrollbar::CreateOverlays(HWND target) {
  horz_ = std::make_unique<TWScrollbar>(this, 0);
  vert_ = std::make_unique<TWScrollbar>(this, 1);
  horz_->Attach(target, Control);
  vert_->Attach(target, Control);
}

void TSkinScrollbar::FreeOverlays() {
  horz_.reset();
  vert_.reset();
}

void TSkinScrollbar::PlaceOverlays() {
  for (TWScrollbar* o : {horz_.get(), vert_.get()})
    if (o) {
      if (o->Target != Handle && Handle) o->Target = Handle;
      o->PlaceOverlay();
    }
}

void TSkinScrollbar::HideOverlays() {
  for (TWScrollbar* o : {horz_.get(), vert_.get()})
    if (o) o->HideOverlay();
}

void TSkinScrollbar::RepaintOverlays() {
  for (TWScrollbar* o : {horz_.get(), vert_.get()})
    if (o) o->Repaint();
}

void TSkinScrollbar::Detach() {
  TSkinControl::Detach();
  if (Phase != 6) FreeOverlays();
}

void TSkinScrollbar::FollowScroll(TMessage& m) {
  // A scroll-bar control's notification (lParam its window) is not about these bars.
  if (m.LParam != 0) return;
  TWScrollbar* o = m.Msg == WM_HSCROLL ? horz_.get() : vert_.get();
  if (!o) return;
  o->PressedPart = LOWORD(m.WParam);
  o->Repaint();
}

void TSkinScrollbar::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE:
      InvalidateControl();
      break;
    case WM_NCPAINT:
      if (auto* w = dynamic_cast<TWinControl*>(Control); w && w->HandleAllocated()) Handle = w->HandleOrNull();
      PlaceOverlays();
      // The system has just drawn its own corner square: ours goes over it again.
      PaintWindow(nullptr);
      break;
    case WM_PAINT:
      // The corner lies outside the client area: always drawn on the window's own DC (a
      // paint into a given DC may reach the client area only).
      PaintWindow(nullptr);
      return;
    case WM_WINDOWPOSCHANGED:
      // Moved or shown without a frame repaint: the overlays follow.
      PlaceOverlays();
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      FollowScroll(m);
      break;
    case WM_MOUSEWHEEL:
      RepaintOverlays();
      break;
    case CM_VISIBLECHANGED:
      if (m.WParam == 0) HideOverlays();
      break;
  }
  TSkinControl::AfterMessage(m);
  if (m.Msg == SKM_SWITCHSKINNER && !Active) HideOverlays();
}

void TSkinScrollbar::DrawOverlaysAndCorner(HDC dc) {
  for (TWScrollbar* o : {horz_.get(), vert_.get()}) {
    if (!o) continue;
    // Shown again after the skinner was switched back on.
    if (!o->Shown) o->PlaceOverlay();
    o->Repaint();
  }
  LastCorner = RECT{};
  if (horz_ && vert_ && horz_->Shown && vert_->Shown && Handle) {
    // The square between the two bars, in the window's coordinates.
    TWScrollbar::Geometry gh, gv;
    if (horz_->ReadGeometry(gh) && vert_->ReadGeometry(gv)) {
      const RECT h = ToWindowCoords(Handle, gh.bar);
      const RECT v = ToWindowCoords(Handle, gv.bar);
      const kq::Rect c = kq::skin::ScrollCornerSquare(kq::Rect{v.left, v.top, v.right, v.bottom},
                                                      kq::Rect{h.left, h.top, h.right, h.bottom});
      const RECT corner{c.left, c.top, c.right, c.bottom};
      if (HasArea(corner)) {
        FillSkinFace(dc, corner);
        LastCorner = corner;
      }
    }
  }
}

void TSkinScrollbar::DrawSkin(HDC dc, const RECT&) { DrawOverlaysAndCorner(dc); }

// ---- TSkinHeader -------------------------------------------------------------------------

const TClassInfo& TSkinHeader::StaticClass() {
  static const TClassInfo info("TSkinHeader", &TSkinControl::StaticClass());
  return info;
}

TSkinHeader::TSkinHeader(TComponent* owner) : TSkinControl(owner) {}

void TSkinHeader::AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner, TCanvas* canvas) {
  TSkinControl::AttachToWindow(window, skinData, formSkinner, canvas);
  Enabled = IsWindowEnabled(window) != FALSE;
}

bool TSkinHeader::HasHeaderImage() const {
  return SkinData && SkinData->Headerbar && SkinData->Headerbar->Bitmap.Width() > 0 &&
         SkinData->Headerbar->Bitmap.Height() > 0;
}

int TSkinHeader::ItemAt(POINT client) const {
  HDHITTESTINFO hit{};
  hit.pt = client;
  const int item = static_cast<int>(SendMessageW(Handle, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & HHT_ONHEADER) || (hit.flags & HHT_ONDIVIDER) ? item : -1;
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      if (HasHeaderImage()) {
        m.Result = 1;
        return false;
      }
      break;
    case WM_MOUSEMOVE:
      FollowHotItem(ItemAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}), HotItem, tracking_);
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (HotItem != -1 && !Pressed()) {
        HotItem = -1;
        InvalidateRect(Handle, nullptr, FALSE);
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressed(true);
      HotItem = ItemAt(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      InvalidateRect(Handle, nullptr, FALSE);
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (Pressed()) {
        SetPressed(false);
        InvalidateRect(Handle, nullptr, FALSE);
      }
      break;
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
  if (!HasHeaderImage()) return;
  const kq::TDataSkinObject& obj = *SkinData->Headerbar;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  // A disabled list view leaves its header enabled, but it takes no input either.
  Enabled = IsWindowEnabled(Handle) && (!GetParent(Handle) || IsWindowEnabled(GetParent(Handle)));
  const int frames = obj.FrameCount > 0 ? obj.FrameCount : 5;
  const auto blend = obj.Trans == 1 ? kq::Blend::Keyed : kq::Blend::Opaque;
  const auto centre = obj.Tile ? kq::Centre::Tile : kq::Centre::Stretch;

  TBitmap picture(w, h);
  {
    kq::Bitmap px = picture.Pixels();
    kq::FillRect(px, kq::Rect{0, 0, w, h}, ColorToRGB(FaceColour()));
    // The empty part after the last item shows the normal frame.
    kq::DrawSkinPiece(px, kq::Rect{0, 0, w, h}, obj.Bitmap, kq::Layout::SideBySide, centre, blend, frames,
                      Enabled ? 1 : 3, obj.Margins);
  }
  const int count = static_cast<int>(SendMessageW(Handle, HDM_GETITEMCOUNT, 0, 0));
  LastFrames.assign(static_cast<size_t>(std::max(count, 0)), 0);
  struct Item {
    RECT r;
    std::wstring text;
    int layout;
    int image;
  };
  std::vector<Item> items;
  for (int i = 0; i < count; ++i) {
    Item it{};
    if (!SendMessageW(Handle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&it.r))) continue;
    wchar_t text[260] = {};
    HDITEMW hd{};
    hd.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
    hd.pszText = text;
    hd.cchTextMax = 260;
    SendMessageW(Handle, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&hd));
    it.text = text;
    it.layout = (hd.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? 1 : (hd.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT ? 2 : 0;
    it.image = (hd.fmt & HDF_IMAGE) ? hd.iImage : -1;
    const int frame = ControlStateFrame(Pressed() && i == HotItem, i == HotItem, false, Enabled);
    LastFrames[static_cast<size_t>(i)] = frame;
    kq::Bitmap px = picture.Pixels();
    kq::DrawSkinPiece(px, kq::Rect{it.r.left, it.r.top, it.r.right, it.r.bottom}, obj.Bitmap, kq::Layout::SideBySide,
                      centre, blend, frames, frame, obj.Margins);
    items.push_back(std::move(it));
  }
  GdiFlush();
  TCanvas& canvas = picture.Canvas();
  if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle, WM_GETFONT, 0, 0))) {
    LOGFONTW lf{};
    if (GetObjectW(font, sizeof(lf), &lf)) {
      canvas.Font().SetName(lf.lfFaceName);
      canvas.Font().SetHeight(lf.lfHeight);
    }
  }
  // The items' icons come from the header's own image list (a list view's small images).
  HIMAGELIST icons = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle, HDM_GETIMAGELIST, 0, 0));
  for (const Item& it : items) {
    canvas.Font().SetColor(SkinData->ButtonTextColour);
    DrawGlyphAndText(canvas, it.r, it.layout, it.text, it.image, icons);
  }
  BitBlt(dc, rect.left, rect.top, w, h, picture.MemoryDC(), 0, 0, SRCCOPY);
}

// ---- TSkinListView -----------------------------------------------------------------------

const TClassInfo& TSkinListView::StaticClass() {
  static const TClassInfo info("TSkinListView", &TSkinScrollbar::StaticClass());
  return info;
}

TSkinListView::TSkinListView(TComponent* owner) : TSkinScrollbar(owner) {}

void TSkinListView::AttachScrollBars(TControl* control, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                     TCanvas* canvas) {
  if (Attached) return;
  TSkinScrollbar::AttachScrollBars(control, skinData, formSkinner, canvas);
  if (!Attached || !Handle) return;
  HWND header = reinterpret_cast<HWND>(SendMessageW(Handle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  header_ = new TSkinHeader(control);
  header_->FreeNotification(this);
  header_->AttachToWindow(header, skinData, formSkinner, canvas);
  if (!header_->Attached) {
    delete header_;
    header_ = nullptr;
  }
}

void TSkinListView::AfterMessage(TMessage& m) {
  TSkinScrollbar::AfterMessage(m);
  // The header shows its list view's state.
  if ((m.Msg == WM_ENABLE || m.Msg == CM_ENABLEDCHANGED) && header_ && header_->Handle)
    InvalidateRect(header_->Handle, nullptr, FALSE);
}

void TSkinListView::Notification(TComponent* component, TOperation op) {
  TSkinScrollbar::Notification(component, op);
  if (op == opRemove && component == header_) header_ = nullptr;
}

// ---- TSkinScrollbarH ---------------------------------------------------------------------

const TClassInfo& TSkinScrollbarH::StaticClass() {
  static const TClassInfo info("TSkinScrollbarH", &TSkinControl::StaticClass());
  return info;
}

TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbarH::~TSkinScrollbarH() {
  horz_.reset();
  vert_.reset();
}

void TSkinScrollbarH::AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                     TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachToWindow(window, skinData, formSkinner, canvas);
  if (!Attached) return;
  horz_ = std::make_unique<TWScrollbar>(this, 0);
  vert_ = std::make_unique<TWScrollbar>(this, 1);
  horz_->Attach(window, nullptr);
  vert_->Attach(window, nullptr);
  Phase = 1;
}

void TSkinScrollbarH::PlaceOverlays() {
  for (TWScrollbar* o : {horz_.get(), vert_.get()})
    if (o) o->PlaceOverlay();
}

void TSkinScrollbarH::HideOverlays() {
  for (TWScrollbar* o : {horz_.get(), vert_.get()})
    if (o) o->HideOverlay();
}

void TSkinScrollbarH::Detach() {
  TSkinControl::Detach();
  if (Phase != 6) {
    horz_.reset();
    vert_.reset();
  }
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
  // A hidden window shows no bars (whatever hid it).
  if (Handle && IsWindow(Handle) && !IsWindowVisible(Handle)) HideOverlays();
  switch (m.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED:
      PlaceOverlays();
      PaintWindow(nullptr);
      break;
    case WM_PAINT:
      PaintWindow(nullptr);
      return;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (m.LParam == 0) {
        if (TWScrollbar* o = m.Msg == WM_HSCROLL ? horz_.get() : vert_.get()) {
          o->PressedPart = LOWORD(m.WParam);
          o->Repaint();
        }
      }
      break;
    case WM_MOUSEWHEEL:
      for (TWScrollbar* o : {horz_.get(), vert_.get()})
        if (o) o->Repaint();
      break;
  }
  TSkinControl::AfterMessage(m);
  if (m.Msg == SKM_SWITCHSKINNER && !Active) HideOverlays();
}

void TSkinScrollbarH::DrawSkin(HDC dc, const RECT&) {
  for (TWScrollbar* o : {horz_.get(), vert_.get()}) {
    if (!o) continue;
    if (!o->Shown) o->PlaceOverlay();
    o->Repaint();
  }
  if (horz_ && vert_ && horz_->Shown && vert_->Shown && Handle) {
    TWScrollbar::Geometry gh, gv;
    if (horz_->ReadGeometry(gh) && vert_->ReadGeometry(gv)) {
      const RECT h = ToWindowCoords(Handle, gh.bar);
      const RECT v = ToWindowCoords(Handle, gv.bar);
      const kq::Rect c = kq::skin::ScrollCornerSquare(kq::Rect{v.left, v.top, v.right, v.bottom},
                                                      kq::Rect{h.left, h.top, h.right, h.bottom});
      const RECT corner{c.left, c.top, c.right, c.bottom};
      if (HasArea(corner)) FillSkinFace(dc, corner);
    }
  }
}

// ---- TSkinScControl ----------------------------------------------------------------------

const TClassInfo& TSkinScControl::StaticClass() {
  static const TClassInfo info("TSkinScControl", &TSkinControl::StaticClass());
  return info;
}

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() { bar_.reset(); }

void TSkinScControl::AttachScControl(TControl* control, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                     TCanvas* canvas) {
  if (Attached || !control) return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return;
  SkinData = skinData;
  FormSkinner = formSkinner;
  Canvas = canvas;
  Control = control;
  Handle = windowed->Handle();
  JoinFormSkinner();
  bar_ = std::make_unique<TWScrollbar>(this, 2);
  bar_->Attach(Handle, control);
  if (!control->Visible()) bar_->HideOverlay();
  HookWindowProc(control);
  Attached = true;
  Phase = 1;
}

void TSkinScControl::Detach() {
  TSkinControl::Detach();
  if (Phase != 6) bar_.reset();
}

void TSkinScControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED:
      if (auto* w = dynamic_cast<TWinControl*>(Control); w && w->HandleAllocated()) Handle = w->HandleOrNull();
      if (bar_) {
        if (Handle && bar_->Target != Handle) bar_->Target = Handle;
        bar_->PlaceOverlay();
        bar_->Repaint();
      }
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
      if (bar_) bar_->Repaint();
      break;
    case CM_VISIBLECHANGED:
      if (m.WParam == 0 && bar_) bar_->HideOverlay();
      break;
  }
  TSkinControl::AfterMessage(m);
  if (m.Msg == SKM_SWITCHSKINNER && !Active && bar_) bar_->HideOverlay();
}

void TSkinScControl::DrawSkin(HDC, const RECT&) {
  if (!bar_) return;
  if (!bar_->Shown) bar_->PlaceOverlay();
  bar_->Repaint();
}

TSkinControl* MakeListScrollSkinner(TComponent* owner) { return new TSkinScrollbarH(owner); }

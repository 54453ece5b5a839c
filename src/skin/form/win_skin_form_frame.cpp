// The frame painter's part of TWinSkinForm: the skinned frame and caption, the caption
// buttons, the window icon and the window region.
//
// The whole frame is composed in memory (CaptionBitmap holds the window-sized picture; its
// top FrameTop rows are the caption strip) and put on the screen with one BitBlt clipped to
// the frame, so nothing is drawn twice on the screen and nothing flickers. The caption's ends
// come from the side pieces as composed, never read back from the screen, where another window
// or the screen's edge may cover them.
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/blit.h"
#include "skin/draw/skin_frame.h"
#include "skin/draw/win/region_win.h"
#include "skin/form/core/caption_buttons.h"
#include "skin/form/core/caption_text.h"
#include "skin/form/core/frame_model.h"
#include "skin/form/core/frame_paint.h"
#include "skin/form/core/frame_region.h"
#include "skin/form/form_skinner_host.h"
#include "skin/form/sys_button.h"
#include "skin/form/win_skin_form.h"
#include "ui/forms.h"
#include "ui/messages.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"

namespace {

using kq::skin::CaptionButtonSlot;

TWinSysButton* SysButton(TNCObject* o) { return static_cast<TWinSysButton*>(o); }

// The window's DC for the time of one paint.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd, HDC given) : wnd_(wnd), dc_(given) {
    if (!dc_) {
      dc_ = GetWindowDC(wnd);
      owned_ = true;
    }
  }
  ~WindowDC() {
    if (owned_ && dc_) ReleaseDC(wnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
  bool owned_ = false;
};

std::wstring WindowText(HWND wnd, bool unicodeWindow) {
  std::wstring text(1000, L'\0');
  int n = 0;
  if (unicodeWindow)
    n = GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()));
  else
    n = static_cast<int>(SendMessageW(wnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

SIZE WindowSize(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT ToRECT(const kq::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
kq::Rect FromRECT(const RECT& r) { return kq::Rect{r.left, r.top, r.right, r.bottom}; }

// Draws the window icon (an icon handle, else the icon bitmap on magenta) at (x, y).
void DrawWindowIcon(HDC dc, kq::Bitmap& picture, HICON icon, int size, TBitmap& iconBitmap, int x,
                    int y) {
  if (icon) {
    HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYFROMRESOURCE));
    if (copy) {
      DrawIconEx(dc, x, y, copy, size, size, 0, nullptr, DI_NORMAL);
      DestroyIcon(copy);
      GdiFlush();
      return;
    }
  }
  if (iconBitmap.Empty()) return;
  kq::Bitmap pixels = iconBitmap.Pixels();
  kq::DrawTransparent(picture, kq::Rect{x, y, x + pixels.Width(), y + pixels.Height()}, pixels,
                      kq::kTransparentKey);
}

kq::skin::CaptionContext CaptionState(const TWinSkinForm& f) {
  using kq::skin::MdiRole;
  kq::skin::CaptionContext c;
  c.hasSystemMenu = (f.Capabilities & kq::skin::kHasSystemMenu) != 0;
  c.canMaximise = (f.Capabilities & kq::skin::kCanMaximise) != 0;
  c.canMinimise = (f.Capabilities & kq::skin::kCanMinimise) != 0;
  c.maximised = f.WindowState == kq::skin::WinState::Maximised;
  c.active = f.Active;
  c.dialogFrame = f.Kind == kq::skin::FrameKind::Dialog;
  c.messageDialog = f.MessageDialog;
  c.mdiChildMaximised = f.Mdi == MdiRole::Frame && CurrentFormSkinnerHost() && CurrentFormSkinnerHost()->MaximisedChildShown;
  c.menuBarHeight = f.MenuBarHeight;
  return c;
}

// Visibility of caption button `index` by the skin's table, asked again on every paint.
void UpdateButtonVisibility(TWinSkinForm& f, int index) {
  if (index < 0 || index >= static_cast<int>(f.CaptionButtons.size())) return;
  TWinSysButton* b = SysButton(f.CaptionButtons[index]);
  const HWND wnd = f.Window();
  b->Visible = kq::skin::CaptionButtonVisible(b->Spec(), CaptionState(f), [wnd, index] {
    return SendMessageW(wnd, SKM_QUERYBUTTONVISIBLE, static_cast<WPARAM>(index), 0) > 0;
  });
}

// " " + window text + "  " in the caption font and the title colour of the state, placed by
// the skin's title; the text background three-slice goes under it. Remembers where the text
// went (caption buttons align to it).
void DrawCaptionText(TWinSkinForm& f, kq::Bitmap& picture, HDC dc, const kq::Rect& caption) {
  TSkinLook& skin = *f.Skin();
  const std::wstring text = kq::skin::DecorateCaption(WindowText(f.Window(), f.UnicodeWindow));
  HGDIOBJ oldFont = SelectObject(dc, f.CaptionFont());
  const UINT flags = DT_SINGLELINE | DT_NOPREFIX;
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, flags | DT_CALCRECT | DT_NOCLIP);

  kq::skin::CaptionTextInput in;
  in.caption = caption;
  in.textWidth = measured.right - measured.left;
  in.textHeight = measured.bottom - measured.top;
  in.rightToLeft = f.RightToLeft;
  in.popup = (GetWindowLongPtrW(f.Window(), GWL_STYLE) & WS_POPUP) != 0;
  in.dialogFrame = f.Kind == kq::skin::FrameKind::Dialog;
  in.rightmostButtonLeft = f.RightmostButtonLeft;
  const kq::TDataSkinTitle& title = skin.Title;
  const kq::skin::CaptionTextPlacement at =
      kq::skin::PlaceCaptionText(kq::skin::CaptionTextStyleOf(title), in);
  f.CaptionTextRect = ToRECT(at.text);

  kq::skin::DrawCaptionBack(picture, title.Bitmap, at.back, title.TextBackLeft, title.TextBackRight,
                            f.Active);
  if (!at.draw.IsEmpty()) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(
        dc, ColorToRGB(f.Active ? skin.TitleTextActiveColour : skin.TitleTextNoActiveColour));
    RECT r = ToRECT(at.draw);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              flags | DT_END_ELLIPSIS | (f.RightToLeft ? DT_RIGHT : 0));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
  }
  SelectObject(dc, oldFont);
  GdiFlush();
}

// Places the shown buttons; returns the left edge of the rightmost right-aligned one.
int LayoutCaptionButtons(TWinSkinForm& f, int windowWidth) {
  std::vector<CaptionButtonSlot> slots;
  slots.reserve(f.CaptionButtons.size());
  for (std::size_t i = 0; i < f.CaptionButtons.size(); ++i) {
    UpdateButtonVisibility(f, static_cast<int>(i));
    TWinSysButton* b = SysButton(f.CaptionButtons[i]);
    slots.push_back(CaptionButtonSlot{b->Spec(), b->Size(), b->Visible, FromRECT(b->BoundsRect)});
  }
  const TSkinLook& skin = *f.Skin();
  kq::skin::CaptionGeometry g;
  g.windowWidth = windowWidth;
  g.frameLeft = f.FrameLeft;
  g.frameTop = f.FrameTop;
  g.frameRight = f.FrameRight;
  g.menuBarHeight = f.MenuBarHeight;
  g.menuBarMarginLeft = skin.MenuBar ? skin.MenuBar->Margins.left : 0;
  g.rightToLeft = f.RightToLeft;
  g.captionText = FromRECT(f.CaptionTextRect);
  const int rightmost = kq::skin::LayoutCaptionButtons(slots, g);
  for (std::size_t i = 0; i < slots.size(); ++i) f.CaptionButtons[i]->BoundsRect = ToRECT(slots[i].bounds);
  return rightmost;
}

// Every shown button in the look of the window's state (frame 1, or 4 when inactive);
// `stateButton` in the frame of its hover or press state. Buttons of the menu row are the
// menu bar's.
void DrawCaptionButtons(TWinSkinForm& f, kq::Bitmap& picture, HDC dc, const TNCObject* stateButton) {
  for (TNCObject* o : f.CaptionButtons) {
    TWinSysButton* b = SysButton(o);
    const kq::Bitmap& image = b->Image();
    if (!b->Visible || image.Empty()) continue;
    if (b->SkinButton->Visibility == kq::skin::kVisibleInMenuBar) continue;
    const kq::Rect r = FromRECT(b->BoundsRect);
    if (b->IsIcon()) {
      DrawWindowIcon(dc, picture, f.IconHandle, f.SmallIconSize, f.IconBitmap, r.left, r.top);
      continue;
    }
    const int frame = b == stateButton
                          ? kq::skin::CaptionStateFrame(b->State, b->SkinButton->Visibility, b->Frames())
                          : kq::skin::CaptionPaintFrame(b->Frames(), f.Active);
    kq::DrawSkinFrame(picture, r, image, kq::Blend::Keyed, b->Frames(), frame);
  }
}

}  // namespace

// ---- caption buttons ----

void TWinSkinForm::FillIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  SmallIconSize = cx;
  IconBitmap.SetSize(cx, cy);
  kq::Bitmap pixels = IconBitmap.Pixels();
  pixels.Fill(kq::kTransparentKey);
  IconHandle = reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_SMALL, 0));
  if (!IconHandle) IconHandle = reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_BIG, 0));
  if (IconHandle) {
    HICON copy = static_cast<HICON>(CopyImage(IconHandle, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE));
    if (copy) {
      DrawIconEx(IconBitmap.MemoryDC(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
      DestroyIcon(copy);
    }
    return;
  }
  // No icon of its own: the skin's default icon, else that of the main form's skin.
  TBitmap* fallback = nullptr;
  if (skin_ && !skin_->DefaultIcon().Empty()) {
    fallback = &skin_->DefaultIcon();
  } else if (FormSkinnerHost* manager = CurrentFormSkinnerHost()) {
    fallback = manager->MainFormIcon();
  }
  if (fallback) IconBitmap.Assign(*fallback);
}

void TWinSkinForm::BuildCaptionButtons() {
  FreeCaptionButtons();
  if (!skin_) return;
  kq::Bitmap icon = IconBitmap.Pixels();
  int index = 0;
  for (const auto& object : skin_->SysButtons) {
    auto* button = new TWinSysButton(this, object.get(), index++, icon);
    // The first window with an icon lends it to windows of this skin that have none.
    if (button->IsIcon() && skin_->DefaultIcon().Empty() && !IconBitmap.Empty())
      skin_->DefaultIcon().Assign(IconBitmap);
    CaptionButtons.push_back(button);
  }
  CaptionButtonCount = static_cast<int>(CaptionButtons.size());
}

void TWinSkinForm::FreeCaptionButtons() {
  for (TNCObject* b : CaptionButtons) delete b;  // a hot button empties HotObject
  CaptionButtons.clear();
  CaptionButtonCount = 0;
}

void TWinSkinForm::HoverTimerTick() {
  if (!Active || MenuTracking) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (HotObject) {
    const POINT p = ScreenToFrame(cursor.x, cursor.y);
    if (!PtInRect(&HotObject->BoundsRect, p)) HotObject->MouseLeave();
  }
  if (!form_ && HotButton && HotButton->Handle) {
    RECT r{};
    GetWindowRect(HotButton->Handle, &r);
    if (!PtInRect(&r, cursor)) {
      TSkinControl* button = HotButton;
      HotButton = nullptr;
      SendMessageW(button->Handle, CM_MOUSELEAVE, 0, 0);
    }
  }
}

// ---- painting ----

bool TWinSkinForm::ComposeFrame(const TNCObject* stateButton) {
  if (!skin_ || !hwnd_) return false;
  const SIZE size = WindowSize(hwnd_);
  const int w = size.cx, h = size.cy;
  if (w <= 0 || h <= 0) return false;
  GetWindowRect(hwnd_, &WindowRect);
  CaptionBitmap.SetSize(w, h);
  kq::Bitmap picture = CaptionBitmap.Pixels();
  if (picture.Width() != w || picture.Height() != h) return false;
  PaintedWidth = w;
  PaintedHeight = h;

  const kq::Margins widths{FrameLeft, FrameTop, FrameRight, FrameBottom};
  kq::skin::ComposeFrame(picture, kq::skin::FrameSkinOf(*skin_), widths, Active);

  HDC dc = CaptionBitmap.MemoryDC();
  const kq::skin::FrameRects rects = kq::skin::LayoutFrame(w, h, widths, MenuBarHeight);
  PaintCaption(picture, dc, rects.top, stateButton);
  if (HasMenuBar()) PaintMenuBar(dc, stateButton);
  GdiFlush();
  return true;
}

void TWinSkinForm::PaintCaption(kq::Bitmap& picture, HDC dc, const kq::Rect& caption,
                                const TNCObject* stateButton) {
  const int w = picture.Width();
  // Right-aligned buttons do not depend on the text: a popup's text ends before them.
  RightmostButtonLeft = LayoutCaptionButtons(*this, w);
  DrawCaptionText(*this, picture, dc, caption);
  LayoutCaptionButtons(*this, w);
  DrawCaptionButtons(*this, picture, dc, stateButton);
}

void TWinSkinForm::PaintFrame(HDC given) {
  if (Phase != SkinPhase::Ready && Phase != SkinPhase::Reapplying) return;
  if (Kind == FrameKind::Frameless || UnderMaximisedChild() || !hwnd_) return;
  {
    WindowDC dc(hwnd_, given);
    try {
      if (dc.get() && ComposeFrame(nullptr)) {
        const int w = PaintedWidth, h = PaintedHeight;
        const kq::skin::FrameRects rects = kq::skin::LayoutFrame(
            w, h, kq::Margins{FrameLeft, FrameTop, FrameRight, FrameBottom}, MenuBarHeight);
        const int saved = SaveDC(dc.get());
        ExcludeClipRect(dc.get(), rects.client.left, rects.client.top, rects.client.right,
                        rects.client.bottom);
        BitBlt(dc.get(), 0, 0, w, h, CaptionBitmap.MemoryDC(), 0, 0, SRCCOPY);
        RestoreDC(dc.get(), saved);
      }
    } catch (...) {
      // The frame keeps what was drawn so far.
    }
  }
  // No caption button stays highlighted after a whole repaint (the menu bar draws its hot
  // button itself).
  if (HotObject && IsCaptionButton(HotObject)) HotObject = nullptr;
}

void TWinSkinForm::PaintCaptionButton(TNCObject* button) {
  if (Phase != SkinPhase::Ready && Phase != SkinPhase::Reapplying) return;
  if (Kind == FrameKind::Frameless || UnderMaximisedChild() || !hwnd_ || !button) return;
  WindowDC dc(hwnd_, nullptr);
  try {
    if (!dc.get() || !ComposeFrame(button)) return;
    const RECT& r = button->BoundsRect;
    BitBlt(dc.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, CaptionBitmap.MemoryDC(),
           r.left, r.top, SRCCOPY);
  } catch (...) {
  }
}

// ---- window region ----

void TWinSkinForm::BuildWindowRegion() {
  if (Phase == SkinPhase::Destroyed || !hwnd_ || !skin_) return;
  const SIZE size = WindowSize(hwnd_);
  const int w = size.cx, h = size.cy;
  if (w <= 0 || h <= 0) return;
  if (IsMdiChild() && WindowState != WinState::Normal) return;
  if (RegionSet && w == RegionWidth && h == RegionHeight && !IsMdiChild() &&
      Phase != SkinPhase::Reapplying)
    return;

  kq::skin::FrameRegionInput in;
  in.width = w;
  in.height = h;
  in.frame = kq::Margins{FrameLeft, FrameTop, FrameRight, FrameBottom};
  in.frameless = Kind == FrameKind::Frameless;
  in.active = Active;
  kq::Bitmap painted;
  if (PaintedWidth == w && PaintedHeight == h && CaptionBitmap.Width() == w &&
      CaptionBitmap.Height() == h) {
    painted = CaptionBitmap.Pixels();
    in.caption = &painted;
  }
  HRGN region = kq::CreateRegionFromBlocks(kq::skin::FrameRegion(kq::skin::FrameSkinOf(*skin_), in));
  if (!region) return;  // the window stays as it is
  // The system owns a region it was given and frees the one it replaces.
  if (!SetWindowRgn(hwnd_, region, TRUE)) {
    DeleteObject(region);
    return;
  }
  Region = region;
  RegionSet = true;
  RegionWidth = w;
  RegionHeight = h;
}

void TWinSkinForm::RemoveWindowRegion() {
  if (!RegionSet) return;
  CaptionBitmap.SetSize(0, 0);
  PaintedWidth = PaintedHeight = 0;
  SetWindowRgn(hwnd_, nullptr, IsMdiChild());
  Region = nullptr;
  RegionSet = false;
  RegionWidth = RegionHeight = 0;
}

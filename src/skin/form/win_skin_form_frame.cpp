// The frame painter's part of the form skinner: the frame, the window region, the caption
// buttons, the window icon and the hover timer.
//
// Painting the skin's border pieces and caption and cutting the window to the skin's shape
// come with the frame painter; until then the frame is filled with the skin's face colour (its
// geometry is the skinned one), the window keeps its rectangle and no caption buttons exist.
#include "skin/controls/skin_data.h"
#include "skin/controls/skin_manager.h"
#include "skin/controls/skin_control.h"
#include "skin/form/nc_object.h"
#include "skin/form/win_skin_form.h"
#include "ui/messages.h"
#include "ui/timer.h"

using namespace kq::skin;

void TWinSkinForm::PaintFrame(HDC dc) {
  if (Phase != SkinPhase::Ready && Phase != SkinPhase::Reapplying) return;
  if (Kind == FrameKind::Frameless || UnderMaximisedChild() || !skin_ || !hwnd_) return;
  HDC use = dc ? dc : GetWindowDC(hwnd_);
  GetWindowRect(hwnd_, &WindowRect);
  const int w = WindowRect.right - WindowRect.left, h = WindowRect.bottom - WindowRect.top;
  PaintedWidth = w;
  PaintedHeight = h;
  const RECT pieces[] = {
      {0, 0, FrameLeft, h},
      {w - FrameRight, 0, w, h},
      {FrameLeft, h - FrameBottom, w - FrameRight, h},
      {FrameLeft, 0, w - FrameRight, FrameTop + MenuBarHeight},
  };
  for (const RECT& r : pieces)
    if (r.right > r.left && r.bottom > r.top) FillRect(use, &r, skin_->FaceBrush());
  // A one-pixel outline, so the window's edge shows against its neighbours.
  kq::ui::GdiHandle<HBRUSH> edge(kq::ui::CreateSolidBrushCounted(ColorToRGB(skin_->ButtonShadowColour)));
  const RECT whole{0, 0, w, h};
  FrameRect(use, &whole, edge.get());
  HotObject = nullptr;
  if (!dc) ReleaseDC(hwnd_, use);
}

// No region yet: the window keeps its rectangle and is redrawn whole, frame included, as
// giving it a region with SetWindowRgn(..., TRUE) does (the first fit relies on that).
void TWinSkinForm::BuildWindowRegion() {
  if (Phase == SkinPhase::Destroyed || !hwnd_) return;
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::RemoveWindowRegion() {
  if (!RegionSet) return;
  CaptionBitmap.SetSize(0, 0);
  // The system owns the region it was given and deletes it when it is replaced.
  SetWindowRgn(hwnd_, nullptr, IsMdiChild());
  Region = nullptr;
  RegionSet = false;
  RegionWidth = RegionHeight = 0;
}

void TWinSkinForm::BuildCaptionButtons() { FreeCaptionButtons(); }

void TWinSkinForm::FreeCaptionButtons() {
  HotObject = nullptr;
  for (TNCObject* b : CaptionButtons) {
    b->Form = nullptr;
    delete b;
  }
  CaptionButtons.clear();
}

void TWinSkinForm::FillIconBitmap() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  SmallIconSize = cx;
  IconBitmap.SetSize(cx, cy);
  {
    kq::Bitmap pixels = IconBitmap.Pixels();
    pixels.Fill(kq::kTransparentKey);
  }
  auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_BIG, 0));
  IconHandle = icon;
  if (icon) {
    if (auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE))) {
      DrawIconEx(IconBitmap.Canvas().Handle(), 0, 0, copy, cx, cy, 0, nullptr, DI_NORMAL);
      DestroyIcon(copy);
    }
    return;
  }
  // No icon of its own: the skin's default one, else that of the last main-form skin that has one.
  const TBitmap* fallback = nullptr;
  if (skin_ && !skin_->DefaultIcon().Empty()) fallback = &skin_->DefaultIcon();
  if (!fallback)
    if (TSkinManage* m = SkinManager())
      for (TSkinData* d : m->SkinDataList)
        if (d->SkinFormtype == sfMainform && !d->DefaultIcon().Empty()) fallback = &d->DefaultIcon();
  if (fallback) IconBitmap.Canvas().StretchDraw(RECT{0, 0, cx, cy}, *fallback);
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
      TSkinControl* b = HotButton;
      HotButton = nullptr;
      SendMessageW(b->Handle, CM_MOUSELEAVE, 0, 0);
    }
  }
}

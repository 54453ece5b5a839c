#include "skin/controls/skin_control.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/controls/control_skinner_host.h"
#include "skin/controls/core/button_rules.h"
#include "skin/controls/skin_look.h"
#include "skin/draw/nine_slice.h"
#include "ui/handles.h"
#include "ui/imglist.h"
#include "ui/skin_messages.h"

using namespace kq::ui;

std::wstring WindowTextOf(HWND wnd) {
  if (!wnd) return {};
  wchar_t buf[1000] = {};
  const LRESULT n = SendMessageW(wnd, WM_GETTEXT, 1000, reinterpret_cast<LPARAM>(buf));
  return std::wstring(buf, static_cast<size_t>(std::clamp<LRESULT>(n, 0, 999)));
}

const TClassInfo& TSkinControl::StaticClass() {
  static const TClassInfo info("TSkinControl", &TComponent::StaticClass());
  return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  Destroying();
  UnhookWindowProc();
  if (object_instance_) {
    object_instance_->Detach();
    object_instance_.reset();
  }
  if (FormSkinner) {
    auto& list = FormSkinner->ControlSkinners;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (FormSkinner->HotButton == this) FormSkinner->HotButton = nullptr;
  }
}

WNDPROC TSkinControl::OldWndProc() const { return object_instance_ ? object_instance_->Saved() : nullptr; }

// ---- attaching ---------------------------------------------------------------------------

void TSkinControl::JoinFormSkinner() {
  if (!FormSkinner) return;
  auto& list = FormSkinner->ControlSkinners;
  if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
}

void TSkinControl::HookWindowProc(TControl* control) {
  if (!control || hooked_) return;
  hooked_ = control;
  OldWindowProc = control->WindowProc;
  control->WindowProc = [this](TMessage& m) { SkinWndProc(m); };
  if (control != Owner()) FreeNotification(control);
}

void TSkinControl::UnhookWindowProc() {
  TControl* c = hooked_;
  hooked_ = nullptr;
  // A control that is being destroyed has no message method left to give back.
  if (c && OldWindowProc && !c->IsDestroying()) c->WindowProc = OldWindowProc;
  OldWindowProc = nullptr;
}

void TSkinControl::Notification(TComponent* component, TOperation op) {
  TComponent::Notification(component, op);
  if (op != opRemove) return;
  if (component == hooked_) {
    hooked_ = nullptr;
    OldWindowProc = nullptr;
  }
  if (component == Control) Control = nullptr;
  if (component == GraphicControl) GraphicControl = nullptr;
}

bool TSkinControl::BindToOwner(ControlSkinnerHost* formSkinner, TSkinLook* skinData, TCanvas* canvas) {
  auto* control = dynamic_cast<TControl*>(Owner());
  if (!control) return false;
  SkinData = skinData;
  FormSkinner = formSkinner;
  Canvas = canvas;
  Control = control;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  Handle = windowed ? windowed->Handle() : nullptr;
  return true;
}

void TSkinControl::AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                                   TCanvas* canvas) {
  if (Attached || !BindToOwner(formSkinner, skinData, canvas)) return;
  UseSkinColor = useSkinColor;
  TControl* control = Control;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  HookWindowProc(control);
  if (windowed) windowed->SetDoubleBuffered(true);
  JoinFormSkinner();
  Focused = Handle && GetFocus() == Handle;
  Enabled = Handle ? !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED) : control->Enabled();
  Caption = Handle ? WindowTextOf(Handle) : control->Caption();
  if (UseSkinColor) TakeSkinColour();
  control->Invalidate();
  Attached = true;
  Phase = 1;
}

void TSkinControl::AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                  TCanvas* canvas) {
  if (Attached || !IsWindow(window)) return;
  SkinData = skinData;
  Canvas = canvas;
  FormSkinner = formSkinner;
  Handle = window;
  Enabled = true;
  JoinFormSkinner();
  Caption = WindowTextOf(window);
  object_instance_ = std::make_unique<WindowSubclass>(SubclassKind::Control);
  object_instance_->Attach(window, this);
  InvalidateRect(Handle, nullptr, TRUE);
  Attached = true;
  Phase = 1;
}

void TSkinControl::TakeSkinColour() {
  if (!Control) return;
  SavedColor = Control->Color();
  SavedParentColor = Control->ParentColor();
  Control->SetColor(FaceColour());
}

void TSkinControl::Detach() {
  if (!UseSkinColor || !Control) return;
  Control->SetColor(SavedColor);
  // A control that followed its parent's colour follows it again.
  if (SavedParentColor) Control->SetParentColor(true);
}

void TSkinControl::SkinChanged() {
  if (UseSkinColor && Control) Control->SetColor(FaceColour());
  InvalidateControl();
}

// ---- messages ----------------------------------------------------------------------------

LRESULT TSkinControl::SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  TMessage m{msg, w, l, 0};
  try {
    SkinWndProc(m);
  } catch (...) {
    // Nothing may unwind through the system's window procedure frames.
  }
  // The window is gone: give back its procedure now, while it still answers.
  if (msg == WM_NCDESTROY && object_instance_ && wnd == Handle) object_instance_->Detach();
  return m.Result;
}

void TSkinControl::SkinWndProc(TMessage& m) {
  if (!Active) {
    if (m.Msg == SKM_SWITCHSKINNER) {
      Active = m.WParam > 0;
      if (Active) InvalidateControl();
      return;
    }
    CallOriginal(m);
    return;
  }
  if (BeforeMessage(m)) {
    CallOriginal(m);
    AfterMessage(m);
  }
}

void TSkinControl::CallOriginal(TMessage& m) {
  if (OldWindowProc) {
    OldWindowProc(m);
  } else if (object_instance_) {
    m.Result = object_instance_->CallSaved(Handle, m.Msg, m.WParam, m.LParam);
  }
}

bool TSkinControl::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_NCDESTROY) {
    CallOriginal(m);
    Phase = 6;
    Detach();
    return false;
  }
  return true;
}

void TSkinControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
      InvalidateControl();
      break;
    case WM_SETTEXT:
      Caption = m.LParam ? reinterpret_cast<const wchar_t*>(m.LParam) : L"";
      InvalidateControl();
      break;
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(m.WParam));
      break;
    case SKM_SWITCHSKINNER:
      Active = m.WParam > 0;
      if (!Active) {
        // Off: the control's own look comes back at once, and a press it never saw ends.
        if ((MouseState & 2) && Handle && GetCapture() == Handle) ReleaseCapture();
        MouseState = 0;
        InvalidateControl();
      }
      break;
  }
}

void TSkinControl::FollowHotItem(int item, int& hot, bool& tracking) {
  if (!tracking) {
    TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, Handle, 0};
    tracking = TrackMouseEvent(&t) != FALSE;
  }
  if (item != hot) {
    hot = item;
    InvalidateRect(Handle, nullptr, FALSE);
  }
}

void TSkinControl::InvalidateControl() {
  if (Control) {
    Control->Invalidate();
  } else if (GraphicControl) {
    GraphicControl->Invalidate();
  } else if (Handle) {
    InvalidateRect(Handle, nullptr, TRUE);
    UpdateWindow(Handle);
  }
}

// ---- painting ----------------------------------------------------------------------------

void TSkinControl::PaintWindow(HDC dc) {
  if (!Handle) return;
  RECT r;
  if (!GetWindowRect(Handle, &r)) return;
  WindowRect = r;
  OffsetRect(&r, -r.left, -r.top);
  HDC own = nullptr;
  if (!dc) dc = own = GetWindowDC(Handle);
  try {
    DrawSkin(dc, r);
  } catch (...) {
    // A broken skin never stops the control's own painting.
  }
  if (own) ReleaseDC(Handle, own);
}

void TSkinControl::DrawSkin(HDC, const RECT&) {}

void TSkinControl::PaintInPlace(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  PAINTSTRUCT ps;
  const bool began = dc == nullptr;
  if (began) dc = BeginPaint(Handle, &ps);
  RECT r{};
  GetWindowRect(Handle, &r);
  WindowRect = r;
  OffsetRect(&r, -r.left, -r.top);
  try {
    DrawSkin(dc, r);
  } catch (...) {
    // as PaintWindow
  }
  if (began) EndPaint(Handle, &ps);
}

TColor TSkinControl::FaceColour() const { return SkinData ? SkinData->ButtonFaceColour : clBtnFace; }

void TSkinControl::FillSkinFace(HDC dc, const RECT& rect) {
  GdiHandle<HBRUSH> brush(CreateSolidBrushCounted(ColorToRGB(FaceColour())));
  FillRect(dc, &rect, brush.get());
}

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) {
  TControl* c = Control ? Control : GraphicControl;
  const TColor colour = c && c->Parent() ? c->Parent()->Color() : FaceColour();
  GdiHandle<HBRUSH> brush(CreateSolidBrushCounted(ColorToRGB(colour)));
  FillRect(dc, &rect, brush.get());
}

void TSkinControl::DrawSkinObjectFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                       const kq::TDataSkinObject& object) {
  if (rect.right < rect.left || rect.bottom < rect.top) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  kq::Bitmap picture =
      kq::RenderNineSlice(kq::Rect{0, 0, w, h}, object.Bitmap, object.Margins, kq::Layout::SideBySide,
                          object.Tile ? kq::Centre::Tile : kq::Centre::Stretch, frameCount, frameIndex);
  if (picture.Width() == 0 || picture.Height() == 0) return;
  TBitmap piece;
  piece.Assign(picture);
  if (object.Trans == 1)
    TransparentBlt(dc, rect.left, rect.top, w, h, piece.MemoryDC(), 0, 0, w, h, RGB(255, 0, 255));
  else
    BitBlt(dc, rect.left, rect.top, w, h, piece.MemoryDC(), 0, 0, SRCCOPY);
}

void TSkinControl::DrawCentredText(TCanvas& canvas, const RECT& rect, UINT alignment, bool enabled,
                                   const std::wstring& text) {
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetStyle(0);
  RECT box = rect;
  canvas.DrawText(text, box, alignment | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
  const kq::Rect place =
      kq::skin::CentredTextBox(kq::Rect{rect.left, rect.top, rect.right, rect.bottom}, box.right - box.left,
                               box.bottom - box.top, alignment == DT_CENTER);
  RECT r{place.left, place.top, place.right, place.bottom};
  if (!enabled) canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, r, alignment | DT_EXPANDTABS);
}

void TSkinControl::DrawGlyphAndText(TCanvas& canvas, const RECT& rect, int layout, const std::wstring& text,
                                    int imageIndex, TImageList* images) {
  DrawGlyphAndText(canvas, rect, layout, text, imageIndex, images ? images->Handle() : nullptr);
}

void TSkinControl::DrawGlyphAndText(TCanvas& canvas, const RECT& rect, int layout, const std::wstring& text,
                                    int imageIndex, HIMAGELIST images) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int iconW = 0, iconH = 0;
  int listW = 0, listH = 0;
  if (images && imageIndex != -1 && ImageList_GetIconSize(images, &listW, &listH) && listW < width) {
    iconW = listW;
    iconH = listH;
  }
  constexpr UINT kTextFlags = DT_END_ELLIPSIS | DT_EXPANDTABS | DT_SINGLELINE;  // 0x8060
  int tw = 0, th = 0;
  if (!text.empty()) {
    RECT calc{0, 0, width, height};
    canvas.DrawText(text, calc, kTextFlags | DT_CALCRECT | DT_NOCLIP);
    tw = calc.right - calc.left;
    th = calc.bottom - calc.top;
  }
  const int dx = kq::skin::GlyphAndTextStart(layout, width, iconW, tw);
  if (iconW > 0)
    ImageList_Draw(images, imageIndex, canvas.Handle(), rect.left + dx,
                   rect.top + (height - iconH) / 2, ILD_TRANSPARENT);
  if (text.empty()) return;
  RECT tr{rect.left + dx + iconW + 1, rect.top + (height - th) / 2, 0, 0};
  tr.right = tr.left + tw;
  tr.bottom = tr.top + th;
  IntersectRect(&tr, &tr, &rect);
  canvas.Brush().SetStyle(bsClear);
  if (!Enabled) canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, tr, kTextFlags);
}

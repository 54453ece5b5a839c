#include "skin/controls/skin_edits.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "skin/controls/core/edit_rules.h"
#include "skin/controls/core/scroll_rules.h"
#include "skin/controls/skin_look.h"
#include "skin/controls/skin_scrollbars.h"
#include "skin/draw/blit.h"
#include "skin/draw/nine_slice.h"
#include "skin/draw/skin_frame.h"
#include "ui/skin_messages.h"

using namespace kq::skin;

namespace {

kq::Color ToPixel(COLORREF c) { return kq::MakeColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

bool HasImage(const kq::TDataSkinObject* o) {
  return o && o->Bitmap.Width() > 0 && o->Bitmap.Height() > 0;
}

std::wstring LowerClassName(HWND wnd) {
  wchar_t buf[256] = {};
  GetClassNameW(wnd, buf, 256);
  std::wstring s(buf);
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

// Frames `rect` one pixel wide in `colour`, with the DC's own brush (no brush is made).
void FrameInColour(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF old = SetDCBrushColor(dc, colour);
  FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, old);
}

// A composed picture with magenta where the control's own painting is to stay, put on `dc`
// at `at` in one keyed blit.
void BlitKeyed(HDC dc, const RECT& at, TBitmap& picture) {
  GdiFlush();
  TransparentBlt(dc, at.left, at.top, picture.Width(), picture.Height(), picture.MemoryDC(), 0, 0,
                 picture.Width(), picture.Height(), RGB(255, 0, 255));
}

kq::Rect ToRect(const RECT& r) { return kq::Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

// ---- TSkinEdit ---------------------------------------------------------------------------

const TClassInfo& TSkinEdit::StaticClass() {
  static const TClassInfo info("TSkinEdit", &TSkinControl::StaticClass());
  return info;
}

TSkinEdit::TSkinEdit(TComponent* owner) : TSkinControl(owner) {}

TSkinEdit::~TSkinEdit() { Destroying(); }

void TSkinEdit::Notification(TComponent* component, TOperation op) {
  TSkinControl::Notification(component, op);
  if (op == opRemove && component == updown_) updown_ = nullptr;
}

bool TSkinEdit::BeforeMessage(TMessage& m) {
  // An edit printing itself leaves its text clip region in the caller's DC: the state from
  // before is put back before the border goes on.
  if (m.Msg == WM_PRINT && m.WParam) print_state_ = SaveDC(reinterpret_cast<HDC>(m.WParam));
  return TSkinControl::BeforeMessage(m);
}

void TSkinEdit::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_NCPAINT:
      // The system repaints the border alone (a frame change, a focus change under some
      // systems): the skin's frame goes back over it at once.
      PaintWindow(nullptr);
      return;
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(m.WParam);
      if (dc && print_state_) RestoreDC(dc, print_state_);
      print_state_ = 0;
      HDC own = dc ? nullptr : GetWindowDC(Handle);
      try {
        PrintBorder(dc ? dc : own);
      } catch (...) {
        // A broken skin never stops printing.
      }
      if (own) ReleaseDC(Handle, own);
      return;
    }
  }
  TSkinControl::AfterMessage(m);
}

void TSkinEdit::FindEmbeddedUpDown() {
  for (HWND c = GetTopWindow(Handle); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::wstring cls = LowerClassName(c);
    if (cls != L"msctls_updown32" && cls.find(L"spin") == std::wstring::npos &&
        cls.find(L"updown") == std::wstring::npos)
      continue;
    auto* updown = new TSkinUpDown(Owner());
    updown->Embedded = true;
    updown->AttachToWindow(c, SkinData, FormSkinner, Canvas);
    if (!updown->Attached) {
      delete updown;
      return;
    }
    updown_ = updown;
    FreeNotification(updown_);
    return;
  }
}

void TSkinEdit::DrawSkin(HDC dc, const RECT& rect) {
  if (!updown_) FindEmbeddedUpDown();
  RECT client{};
  GetClientRect(Handle, &client);
  framed_ = EditHasBorder(rect.right - rect.left, rect.bottom - rect.top, client.right, client.bottom);
  if (!framed_) return;
  FrameInColour(dc, rect, ColorToRGB(SkinData->ButtonShadowColour));
  RECT inner = rect;
  InflateRect(&inner, -1, -1);
  FrameInColour(dc, inner, RGB(255, 255, 255));
}

void TSkinEdit::PrintBorder(HDC dc) {
  RECT wr{}, client{};
  GetWindowRect(Handle, &wr);
  GetClientRect(Handle, &client);
  RECT r{0, 0, wr.right - wr.left, wr.bottom - wr.top};
  if (!EditPrintsBorder(r.right, r.bottom, client.right, client.bottom)) return;
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
  FrameInColour(dc, r, ColorToRGB(SkinData->ButtonShadowColour));
}

// ---- TSkinComBox -------------------------------------------------------------------------

class TSkinComBox::EditHook : public ::SubclassTarget {
 public:
  explicit EditHook(TSkinComBox* owner) : owner_(owner) {}
  LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) override {
    return owner_->EditMessage(wnd, msg, w, l);
  }

 private:
  TSkinComBox* owner_;
};

const TClassInfo& TSkinComBox::StaticClass() {
  static const TClassInfo info("TSkinComBox", &TSkinControl::StaticClass());
  return info;
}

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}

TSkinComBox::~TSkinComBox() {
  Destroying();
  ReleaseChildren();
  delete list_skinner_;
  list_skinner_ = nullptr;
}

void TSkinComBox::Notification(TComponent* component, TOperation op) {
  TSkinControl::Notification(component, op);
  if (op == opRemove && component == list_skinner_) list_skinner_ = nullptr;
}

void TSkinComBox::AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                                  TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachToControl(formSkinner, skinData, useSkinColor, canvas);
  if (Attached) AttachChildren();
}

void TSkinComBox::AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                 TCanvas* canvas) {
  if (Attached) return;
  TSkinControl::AttachToWindow(window, skinData, formSkinner, canvas);
  if (Attached) AttachChildren();
}

void TSkinComBox::AttachChildren() {
  if (!Handle) return;
  const LONG_PTR style = GetWindowLongPtrW(Handle, GWL_STYLE);
  if ((style & 3) != CBS_SIMPLE) {
    // The edit of a drop-down combo box (a date picker's first child, when it has one).
    if (HWND child = GetWindow(Handle, GW_CHILD)) {
      edit_hook_ = std::make_unique<EditHook>(this);
      if (!edit_.Attach(child, edit_hook_.get())) edit_hook_.reset();
    }
    return;
  }
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(Handle, &info) || !info.hwndList) return;
  const LONG_PTR listStyle = GetWindowLongPtrW(info.hwndList, GWL_STYLE);
  // Only a list that lives inside the combo box (not the desktop's drop-down list).
  if ((listStyle & WS_POPUP) || !(listStyle & WS_CHILD) ||
      GetParent(info.hwndList) == reinterpret_cast<HWND>(static_cast<INT_PTR>(0x10014)))
    return;
  if (TSkinControl* s = MakeListScrollSkinner(Owner())) {
    s->AttachToWindow(info.hwndList, SkinData, FormSkinner, Canvas);
    if (!s->Attached) {
      delete s;
      return;
    }
    list_skinner_ = s;
    FreeNotification(s);
  }
}

void TSkinComBox::ReleaseChildren() {
  edit_.Detach();
  edit_hook_.reset();
}

void TSkinComBox::Detach() {
  ReleaseChildren();
  TSkinControl::Detach();
}

LRESULT TSkinComBox::EditMessage(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  const LRESULT r = edit_.CallSaved(wnd, msg, w, l);
  if (msg == WM_NCDESTROY) {
    edit_.Detach();
    return r;
  }
  if (!Active) return r;
  try {
    switch (msg) {
      case WM_PAINT:
        PaintWindow(nullptr);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        SetPressed(true);
        InvalidateControl();
        break;
      case WM_LBUTTONUP:
        SetPressed(false);
        InvalidateControl();
        break;
    }
  } catch (...) {
    // Nothing unwinds through the edit's window procedure.
  }
  return r;
}

bool TSkinComBox::BeforeMessage(TMessage& m) {
  // A simple combo box paints its edit and its list only; the strip below the list (which
  // keeps whole items) would show whatever the double buffer's picture held: the parent's
  // colour goes there first.
  if (m.Msg == WM_PAINT && m.WParam && Handle && (GetWindowLongPtrW(Handle, GWL_STYLE) & 3) == CBS_SIMPLE) {
    RECT r{};
    GetClientRect(Handle, &r);
    FillParentColor(reinterpret_cast<HDC>(m.WParam), r);
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinComBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetPressed(true);
      InvalidateControl();
      return;
    case WM_LBUTTONUP:
      SetPressed(false);
      InvalidateControl();
      return;
    case WM_DRAWITEM:
    case WM_NCPAINT:
      InvalidateControl();
      return;
    case CN_COMMAND:
      // The list closed: the press that opened it is over, wherever the mouse went up.
      if (HIWORD(m.WParam) == CBN_CLOSEUP && Pressed()) {
        SetPressed(false);
        InvalidateControl();
      }
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (Handle && !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED)) {
        SetHot(m.Msg == CM_MOUSEENTER);
        InvalidateControl();
      }
      return;
    case WM_PAINT: {
      // A double-buffered control paints into a memory picture of its client area first
      // (wParam): when the window has no border outside its client area the skin goes into
      // that picture and reaches the screen with the control's own paint; otherwise it is
      // drawn on the window afterwards.
      HDC given = reinterpret_cast<HDC>(m.WParam);
      RECT wr{}, client{};
      GetWindowRect(Handle, &wr);
      GetClientRect(Handle, &client);
      const bool noBorder = client.right == wr.right - wr.left && client.bottom == wr.bottom - wr.top;
      if (given) {
        if (noBorder) {
          PaintWindow(given);
          drawn_in_picture_ = true;
        }
      } else {
        if (!drawn_in_picture_) PaintWindow(nullptr);
        drawn_in_picture_ = false;
      }
      return;
    }
  }
  TSkinControl::AfterMessage(m);
}

void TSkinComBox::DrawSkin(HDC dc, const RECT& rect) {
  const kq::TDataSkinBorder* button = SkinData ? SkinData->ComboButton.get() : nullptr;
  if (!HasImage(button)) return;
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle, GWL_EXSTYLE);
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(Handle, &info)) info = COMBOBOXINFO{};
  if (info.stateButton & STATE_SYSTEM_INVISIBLE) return;
  Enabled = !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED);
  const HWND focus = GetFocus();
  Focused = focus && (focus == Handle || IsChild(Handle, focus));
  const int frame = ControlStateFrame(Pressed(), Hot(), Focused, Enabled);
  last_frame_ = frame;

  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  const bool left = exStyle & WS_EX_LEFTSCROLLBAR;
  TBitmap picture(w, h);
  kq::Bitmap px = picture.Pixels();
  px.Fill(kq::kTransparentKey);
  const kq::Rect all{0, 0, w, h};

  switch (ComboLayoutOf(button->Style)) {
    case ComboLayout::Framed: {
      // White within a shadow frame, the button image stretched at the right.
      const kq::Rect inner{1, 1, w - 1, h - 1};
      kq::FillRect(px, kq::Rect{inner.left, inner.top, inner.right, inner.top + 1}, ToPixel(RGB(255, 255, 255)));
      kq::FillRect(px, kq::Rect{inner.left, inner.bottom - 1, inner.right, inner.bottom}, ToPixel(RGB(255, 255, 255)));
      kq::FillRect(px, kq::Rect{inner.left, inner.top, inner.left + 1, inner.bottom}, ToPixel(RGB(255, 255, 255)));
      kq::FillRect(px, kq::Rect{inner.right - 1, inner.top, inner.right, inner.bottom}, ToPixel(RGB(255, 255, 255)));
      const kq::Rect b = ComboFramedButton(w, h, GetSystemMetrics(SM_CYVTHUMB));
      kq::FillRect(px, b, ToPixel(ColorToRGB(FaceColour())));
      kq::DrawSkinFrame(px, b, button->Bitmap, kq::Blend::Keyed, std::max(button->FrameCount, 1), frame);
      const kq::Color shadow = ToPixel(ColorToRGB(SkinData->ButtonShadowColour));
      kq::FillRect(px, kq::Rect{0, 0, w, 1}, shadow);
      kq::FillRect(px, kq::Rect{0, h - 1, w, h}, shadow);
      kq::FillRect(px, kq::Rect{0, 0, 1, h}, shadow);
      kq::FillRect(px, kq::Rect{w - 1, 0, w, h}, shadow);
      break;
    }
    case ComboLayout::Composite: {
      // One prepared image: edge, button and arrow; its middle is magenta, so the text the
      // control painted stays. The mirrored copy puts the button at the left.
      const kq::TDataSkinObject* image = button;
      if (left && SkinData->SunkEdge && HasImage(SkinData->SunkEdge.get())) image = SkinData->SunkEdge.get();
      // The strip's own frame count: its frames are 50 pixels wide only at 96 dpi.
      const int count = std::max(1, image->FrameCount);
      kq::DrawSkinPiece(px, all, image->Bitmap, kq::Layout::SideBySide, kq::Centre::Stretch, kq::Blend::Keyed,
                        count, std::min(frame, count), image->Margins);
      break;
    }
    case ComboLayout::Pieces: {
      const int arrow = GetSystemMetrics(SM_CXHSCROLL);
      const kq::Rect b = ComboButtonArea(w, h, arrow, left);
      if (const kq::TDataSkinObject* edge = SkinData->SunkEdge.get(); HasImage(edge))
        kq::DrawSkinPiece(px, all, edge->Bitmap, kq::Layout::SideBySide, kq::Centre::Stretch,
                          edge->Trans ? kq::Blend::Keyed : kq::Blend::Opaque, std::max(edge->FrameCount, 1), frame,
                          edge->Margins);
      const kq::Bitmap& side = left && button->Bitmap2.Width() > 0 ? button->Bitmap2 : button->Bitmap;
      kq::DrawSkinFrame(px, b, side, kq::Blend::Keyed, std::max(button->FrameCount, 1), frame);
      if (const kq::TDataSkinObject* extra = SkinData->ExtraImages.get(); HasImage(extra))
        kq::DrawSkinFrameCentred(px, b, extra->Bitmap, kq::Blend::Keyed, std::max(extra->FrameCount, 1), frame);
      // The text area stays the control's.
      kq::FillRect(px, ComboTextArea(w, h, arrow, left), kq::kTransparentKey);
      break;
    }
  }
  BlitKeyed(dc, rect, picture);
}

// ---- TSkinUpDown -------------------------------------------------------------------------

const TClassInfo& TSkinUpDown::StaticClass() {
  static const TClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
  return info;
}

TSkinUpDown::TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}

bool TSkinUpDown::IsHorizontal() const {
  return Horizontal || (Handle && (GetWindowLongPtrW(Handle, GWL_STYLE) & UDS_HORZ));
}

int TSkinUpDown::ButtonUnderCursor() const {
  POINT p;
  if (!Handle || !GetCursorPos(&p) || WindowFromPoint(p) != Handle) return -1;
  ScreenToClient(Handle, &p);
  RECT c{};
  GetClientRect(Handle, &c);
  kq::Rect area = ToRect(c);
  if (Embedded) area = kq::Rect{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
  const UpDownButtons b = UpDownHalves(area, IsHorizontal());
  auto inside = [&](const kq::Rect& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
  if (inside(b.first)) return 0;
  if (inside(b.second)) return 1;
  return -1;
}

bool TSkinUpDown::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintInPlace(m);
      return false;
    case WM_ERASEBKGND:
      if (!Control) {
        RECT c{};
        GetClientRect(Handle, &c);
        FillRect(reinterpret_cast<HDC>(m.WParam), &c, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      }
      m.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallOriginal(m);
      SetPressed(true);
      PaintWindow(nullptr);
      return false;
    case WM_LBUTTONUP:
      SetPressed(false);
      CallOriginal(m);
      PaintWindow(nullptr);
      return false;
    case WM_MOUSEMOVE: {
      CallOriginal(m);
      // The look follows the button under the mouse; the leave is reported when it goes.
      const int under = ButtonUnderCursor();
      if (!Hot() && !Control) {
        TRACKMOUSEEVENT t{sizeof(t), TME_LEAVE, Handle, 0};
        TrackMouseEvent(&t);
      }
      SetHot(under >= 0);
      if (under != hot_button_) {
        hot_button_ = under;
        PaintWindow(nullptr);
      }
      return false;
    }
  }
  return TSkinControl::BeforeMessage(m);
}

void TSkinUpDown::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      SetHot(false);
      hot_button_ = -1;
      PaintWindow(nullptr);
      return;
  }
  TSkinControl::AfterMessage(m);
}

void TSkinUpDown::DrawSkin(HDC dc, const RECT& rect) {
  (void)rect;
  RECT c{};
  GetClientRect(Handle, &c);
  const int w = c.right, h = c.bottom;
  if (w <= 0 || h <= 0) return;
  Enabled = !(GetWindowLongPtrW(Handle, GWL_STYLE) & WS_DISABLED);
  const bool horizontal = IsHorizontal();
  TBitmap picture(w, h);
  kq::Bitmap px = picture.Pixels();
  const kq::Color face = ToPixel(ColorToRGB(FaceColour()));
  px.Fill(face);
  kq::Rect area{0, 0, w, h};
  if (Embedded) area = kq::Rect{1, 1, w - 1, h - 1};
  const UpDownButtons buttons = UpDownHalves(area, horizontal);
  const int under = ButtonUnderCursor();
  const kq::TDataSkinBorder* object =
      SkinData ? (horizontal ? SkinData->UpDownHorz.get() : SkinData->UpDownVert.get()) : nullptr;
  const kq::Color shadow = ToPixel(ColorToRGB(SkinData ? SkinData->ButtonShadowColour : clBtnShadow));
  const kq::Color dark = ToPixel(ColorToRGB(SkinData ? SkinData->ButtonDkShadowColour : clBtnShadow));
  for (int i = 0; i < 2; ++i) {
    const kq::Rect& r = i == 0 ? buttons.first : buttons.second;
    const int frame = UpDownButtonFrame(under == i, Pressed(), Hot(), Enabled);
    last_frames_[i] = frame;
    if (r.IsEmpty()) continue;
    if (HasImage(object)) {
      const int strip = UpDownStripFrame(frame, i == 1);
      kq::DrawSkinPiece(px, r, object->Bitmap, kq::Layout::SideBySide, kq::Centre::Stretch,
                        object->Trans ? kq::Blend::Keyed : kq::Blend::Opaque, 8, strip, object->Margins);
      if (object->Bitmap2.Width() > 0)
        kq::DrawSkinFrameCentred(px, r, object->Bitmap2, kq::Blend::Keyed, 8, strip);
      continue;
    }
    // No skin image: a plain button with a small arrow.
    kq::FillRect(px, r, frame == 2 || frame == 4 ? shadow : face);
    kq::FillRect(px, kq::Rect{r.left, r.top, r.right, r.top + 1}, dark);
    kq::FillRect(px, kq::Rect{r.left, r.bottom - 1, r.right, r.bottom}, dark);
    kq::FillRect(px, kq::Rect{r.left, r.top, r.left + 1, r.bottom}, dark);
    kq::FillRect(px, kq::Rect{r.right - 1, r.top, r.right, r.bottom}, dark);
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    const kq::Color ink = Enabled ? dark : shadow;
    for (int k = 0; k < 3; ++k) {
      if (horizontal) {
        // Left arrow points left, right arrow points right.
        const int x = i == 0 ? cx - 1 + k : cx + 1 - k;
        kq::FillRect(px, kq::Rect{x, cy - k, x + 1, cy + k + 1}, ink);
      } else {
        // The up arrow sits two pixels above the centre line of its button.
        const int y = i == 0 ? cy - 2 + k : cy - 1 + (2 - k);
        kq::FillRect(px, kq::Rect{cx - k, y, cx + k + 1, y + 1}, ink);
      }
    }
  }
  GdiFlush();
  BitBlt(dc, 0, 0, w, h, picture.MemoryDC(), 0, 0, SRCCOPY);
}

// The form skinner's window procedure: three stages, one line per message where possible.
#include <windowsx.h>

#include <algorithm>

#include "skin/controls/skin_control.h"
#include "skin/controls/skin_look.h"
#include "skin/form/form_skinner_host.h"
#include "skin/form/nc_object.h"
#include "skin/form/win_skin_form.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"

using namespace kq::skin;

// The frames of the messages being handled form a stack, so that freeing the skinner while
// one of its handlers is still running (a modal loop inside the default handling) is noticed
// by every handler on the way back.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
LRESULT TWinSkinForm::SubclassedProc(HWND, UINT msg, WPARAM w, LPARAM l) {
  CallFrame frame;
  frame.prev = top_frame_;
  top_frame_ = &frame;
  LRESULT r = 0;
  try {
    r = FormWndProc(msg, w, l, frame);
  } catch (...) {
    // Nothing may leave a window procedure; the program's error box reports it.
    if (Application) Application->HandleException(std::current_exception());
  }
  if (!frame.dead) top_frame_ = frame.prev;
  return r;
}
#pragma GCC diagnostic pop

LRESULT TWinSkinForm::Default(UINT msg, WPARAM w, LPARAM l) { return subclass_.CallSaved(hwnd_, msg, w, l); }

// ---- stage 1: every window ---------------------------------------------------------------

LRESULT TWinSkinForm::FormWndProc(UINT msg, WPARAM w, LPARAM l, const CallFrame& frame) {
  switch (msg) {
    case WM_ERASEBKGND: {
      const LRESULT r = Default(msg, w, l);
      if (frame.dead || form_ || !skin_ || !skin_->FaceBrush()) return r;
      RECT rc{};
      GetClientRect(hwnd_, &rc);
      FillRect(reinterpret_cast<HDC>(w), &rc, skin_->FaceBrush());
      return 1;
    }
    case WM_NCDESTROY: {
      Phase = SkinPhase::Destroying;
      const HWND wnd = hwnd_;
      const WNDPROC saved = subclass_.Saved();
      if (attached_once_) DetachOnDestroy();
      const LRESULT r = CallWindowProcW(saved, wnd, msg, w, l);
      if (!frame.dead) Phase = SkinPhase::Destroyed;
      return r;
    }
    case WM_INITMENUPOPUP:
      if (FormSkinnerHost* m = CurrentFormSkinnerHost())
        m->MenuKind = reinterpret_cast<HMENU>(w) == SystemMenu ? kMenuKindSystem : kMenuKindMenuBar;
      return Default(msg, w, l);
    case WM_CTLCOLORBTN: {
      const LRESULT r = Default(msg, w, l);
      if (!frame.dead && !form_) SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      return r;
    }
    case WM_CTLCOLORSTATIC: {
      const LRESULT r = Default(msg, w, l);
      if (frame.dead || form_ || !skin_) return r;
      SetBkMode(reinterpret_cast<HDC>(w), TRANSPARENT);
      return reinterpret_cast<LRESULT>(skin_->FaceBrush());
    }
    case WM_MENUSELECT:
      MenuSelect(w, l);
      return Default(msg, w, l);
    case SKM_SKINCONTROLS:
      OnSkinControls();
      return 0;
    case SKM_QUERYSKINNED:
      return 1;
  }
  if (!FrameSkinning) return Default(msg, w, l);
  return FrameStage(msg, w, l, frame);
}

// ---- stage 2: frame messages of top-level windows and MDI children -------------------------

LRESULT TWinSkinForm::FrameStage(UINT msg, WPARAM w, LPARAM l, const CallFrame& frame) {
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  const auto exStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
  if (!RunsFrameStage(style, exStyle)) return Default(msg, w, l);
  switch (msg) {
    case WM_SIZE:
      SizeHandler(w, l);
      return 0;
    case WM_ACTIVATE:
      Active = LOWORD(w) != WA_INACTIVE;  // the high word only says whether it is minimised
      break;
    case WM_NCACTIVATE:
      Active = w != 0;
      break;
    case WM_GETMINMAXINFO: {
      const LRESULT r = Default(msg, w, l);
      if (frame.dead) return r;
      ReadWindowState();
      if (Minimised())
        SetCaptionStyles(true);
      else if (!IsMdiChild() || WindowState == WinState::Normal)
        SetCaptionStyles(false);
      else
        SetCaptionStyles(true);
      if (Sizeable) {
        auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
        mmi->ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
      }
      return r;
    }
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      return Default(msg, w, l);
    case WM_COMMAND:
      if (IsWindowCommand(w)) {
        PostMessageW(hwnd_, WM_SYSCOMMAND, w, 0);
        return 0;
      }
      return Default(msg, w, l);
    case WM_SYSCOMMAND:
      return SysCommand(w, l, frame);
    case CM_MENUCHANGED: {
      if (skin_) skin_->NCPaintEnabled = false;
      const LRESULT r = Default(msg, w, l);
      if (skin_) skin_->NCPaintEnabled = true;
      if (frame.dead) return r;
      if (HasMenuBar() && skin_ && skin_->MenuUpdate && (GetMenu(hwnd_) || (form_ && form_->Menu())))
        ReloadMenuBar(GetMenu(hwnd_));
      return r;
    }
    default:
      break;
  }
  // Passed on: stage 3, when it runs and knows the message, else the default.
  if (RunsNonClientStage(Minimised(), UnderMaximisedChild(), Phase)) {
    bool handled = true;
    const LRESULT r = NonClientStage(msg, w, l, handled, frame);
    if (handled) return r;
  }
  return Default(msg, w, l);
}

void TWinSkinForm::SizeHandler(WPARAM w, LPARAM l) {
  const CallFrame* frame = top_frame_;
  Default(WM_SIZE, w, l);
  if (frame->dead) return;
  if (auto s = StateFromSizeType(w)) WindowState = *s;
  // Restored from the minimised state by ShowWindow or the taskbar, the system laid out its
  // own frame while the window still counted as minimised: take the caption off again and
  // have the frame computed anew.
  if (FrameOutOfStep()) {
    SetCaptionStyles(false);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (frame->dead) return;
  }
  if (SizeChangeBuildsRegion(WindowState, IsMdiChild(), UnderMaximisedChild(), Phase)) BuildWindowRegion();
}

bool TWinSkinForm::FrameOutOfStep() const {
  if (Phase != SkinPhase::Ready || Minimised() || IsIconic(hwnd_) || Kind == FrameKind::Frameless ||
      UnderMaximisedChild())
    return false;
  RECT wr{}, cr{};
  GetWindowRect(hwnd_, &wr);
  GetClientRect(hwnd_, &cr);
  const Size expected = OuterSizeForClient(0, 0, Metrics(), MenuBarHeight);
  const int cw = std::max(0, static_cast<int>(wr.right - wr.left) - expected.width);
  const int ch = std::max(0, static_cast<int>(wr.bottom - wr.top) - expected.height);
  return cr.right != cw || cr.bottom != ch;
}

LRESULT TWinSkinForm::SysCommand(WPARAM w, LPARAM l, const CallFrame& frame) {
  (void)frame;
  if (!MenuTracking && (w & 0xFFF0) == SC_KEYMENU) {
    const bool accelerator = l > 32 && MenuBarAccelerator(static_cast<WCHAR>(l));
    if (SwallowsKeyMenu(w, l, MenuTracking, GetCapture() != nullptr, accelerator)) {
      // A bare window has no dialog-character path of a form: the entry opens from here.
      if (accelerator && !form_) ClickMenuBarAccelerator(static_cast<WCHAR>(l));
      return 1;
    }
  }
  if (auto s = StateFromSysCommand(w)) {
    WindowState = *s;
    if (IsMdiChild() && *s == WinState::Minimised) SetCaptionStyles(true);
    if (IsMdiChild() && *s == WinState::Normal) SetCaptionStyles(false);
  }
  return Default(WM_SYSCOMMAND, w, l);
}

// ---- stage 3: non-client messages --------------------------------------------------------

LRESULT TWinSkinForm::NonClientStage(UINT msg, WPARAM w, LPARAM l, bool& handled, const CallFrame& frame) {
  handled = true;
  switch (msg) {
    case WM_WINDOWPOSCHANGING:
      return Default(msg, w, l);
    case WM_NCACTIVATE:
      return NcActivate(w, l);
    case WM_NCCALCSIZE:
      return NcCalcSize(w, l);
    case WM_NCHITTEST:
      return NcHitTest(w, l);
    case WM_NCPAINT:
      if (skin_ && skin_->NCPaintEnabled) {
        if (UnderMaximisedChild() || Kind == FrameKind::Frameless) return Default(msg, w, l);
        PaintFrame(nullptr);
      }
      return 0;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
      return NcMouse(msg, w, l, frame);
    case WM_MEASUREITEM:
      if (w == 0 && MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(l))) return TRUE;
      return Default(msg, w, l);
    case WM_DRAWITEM:
      if (w == 0 && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l))) return TRUE;
      return Default(msg, w, l);
    case SKM_REPAINTFRAME:
      PaintFrame(nullptr);
      return 0;
    default:
      handled = false;
      return 0;
  }
}

LRESULT TWinSkinForm::NcActivate(WPARAM w, LPARAM l) {
  Active = w != 0;
  if (hover_timer_) hover_timer_->SetEnabled(Active);
  if (!Active && HotButton) {
    TSkinControl* b = HotButton;
    HotButton = nullptr;
    if (b->Control)
      b->Control->Perform(CM_MOUSELEAVE);
    else if (b->Handle)
      SendMessageW(b->Handle, CM_MOUSELEAVE, 0, 0);
  }
  if (Mdi == MdiRole::Frame && MdiClientWindow) SendMessageW(MdiClientWindow, WM_NCACTIVATE, w, l);
  PaintFrame(nullptr);
  return TRUE;
}

LRESULT TWinSkinForm::NcCalcSize(WPARAM w, LPARAM l) {
  const CallFrame* frame = top_frame_;
  Default(WM_NCCALCSIZE, w, l);
  if (frame->dead || !w) return 0;
  auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(l);
  if (UnderMaximisedChild() || Kind == FrameKind::Frameless) {
    p->rgrc[1] = p->rgrc[0];
    p->rgrc[2] = p->rgrc[0];
    return WVR_REDRAW;
  }
  const WINDOWPOS& wp = *p->lppos;
  kq::Rect c = SkinnedClientRect(wp.x, wp.y, wp.cx, wp.cy, Metrics(), MenuBarHeight);
  // A window smaller than its skinned frame has an empty client area, not an inverted one.
  if (c.right < c.left) c.right = c.left;
  if (c.bottom < c.top) c.bottom = c.top;
  const RECT client{c.left, c.top, c.right, c.bottom};
  p->rgrc[0] = client;
  // WVR_REDRAW: nothing of the old client area is kept. Windows then ignores the two valid
  // rectangles; Wine takes them literally and would keep the old bits under the new client
  // area (the caption or menu of the system frame showing through), so they say "nothing".
  const RECT none{c.left, c.top, c.left, c.top};
  p->rgrc[1] = none;
  p->rgrc[2] = none;
  return WVR_REDRAW;
}

LRESULT TWinSkinForm::NcHitTest(WPARAM w, LPARAM l) {
  const CallFrame* frame = top_frame_;
  const LRESULT r = Default(WM_NCHITTEST, w, l);
  if (frame->dead || (r != HTNOWHERE && r != HTCAPTION)) return r;
  const POINT p = ScreenToFrame(GET_X_LPARAM(l), GET_Y_LPARAM(l));
  return CorrectHitTest(static_cast<int>(r), p.y, FrameTop);
}

LRESULT TWinSkinForm::NcMouse(UINT msg, WPARAM w, LPARAM l, const CallFrame& frame) {
  (void)frame;
  const POINT screen{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  TNCObject* object = ObjectAt(ScreenToFrame(screen.x, screen.y));
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!Active) return 0;
      if (object) {
        object->MouseEnter();
        return 0;
      }
      if (HotObject) HotObject->MouseLeave();
      return Default(msg, w, l);
    case WM_NCLBUTTONDOWN:
      if (object) {
        if (!Active) SetForegroundWindow(hwnd_);
        object->MouseDown();
        if (!IsCaptionButton(object)) OpenMenuBarButton(object);
        return 0;
      }
      // No dragging a maximised window by its caption.
      if (WindowState == WinState::Maximised && Active && w == HTCAPTION) w = HTMENU;
      return Default(msg, w, l);
    case WM_NCLBUTTONUP:
      if (object) {
        // Only the button that was pressed acts: a press that slid onto another button does nothing.
        if (IsCaptionButton(object) && object == HotObject && object->State == TNCObject::kPressed) {
          object->MouseUp();
          PerformButtonAction(object, screen);
        }
        return 0;
      }
      return Default(msg, w, l);
    case WM_NCLBUTTONDBLCLK:
      // The system reports a quick second click as a double click: on a menu-bar entry it is
      // a click that opens the entry again; on a caption button it presses the button again
      // (a double click on the icon button closes the window when this press is released).
      if (object) {
        if (!IsCaptionButton(object) && !Active) SetForegroundWindow(hwnd_);
        object->MouseDown();
        if (!IsCaptionButton(object)) OpenMenuBarButton(object, true);
        return 0;
      }
      if (WindowState != WinState::Normal)
        RestoreWindow();
      else if (Capabilities & kCanMaximise)
        ToggleMaximize();
      return 0;
    case WM_NCRBUTTONDOWN:
      if (object) return 0;
      if (w == HTCAPTION && !IsMdiChild()) {
        ShowSystemPopup(screen.x, screen.y);
        return 0;
      }
      return Default(msg, w, l);
  }
  return Default(msg, w, l);
}

// ---- the form object's message chain -------------------------------------------------------

void TWinSkinForm::FormDispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_SETTEXT:
      saved_form_proc_(m);
      // The window may be gone by now only if its handler destroyed it; the caption repaints.
      if (IsWindow(hwnd_) && Subclassed())
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
      return;
    case SKM_REAPPLY:
      ReapplySkin();
      return;
    case CM_DIALOGCHAR: {
      const auto ch = static_cast<WCHAR>(m.WParam);
      const bool altOnly = (GetKeyState(VK_MENU) < 0) && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0;
      if (altOnly && ClickMenuBarAccelerator(ch)) {
        m.Result = 1;
        return;
      }
      if (IsMdiChild()) {
        FormSkinnerHost* mgr = CurrentFormSkinnerHost();
        if (mgr && mgr->MdiMainForm && mgr->MdiMainForm != form_) {
          const LRESULT r = mgr->MdiMainForm->Perform(CM_DIALOGCHAR, m.WParam, m.LParam);
          if (r) {
            m.Result = r;
            return;
          }
        }
      }
      break;
    }
    case CM_MENUCHANGED: {
      // The form layer tells its own message chain, not the window, that the menu changed.
      if (skin_) skin_->NCPaintEnabled = false;
      saved_form_proc_(m);
      if (skin_) skin_->NCPaintEnabled = true;
      // The form layer keeps its menu off the window while the skin draws the bar: a change of
      // the form's menu reloads the bar too.
      if (HasMenuBar() && skin_ && skin_->MenuUpdate && hwnd_ && (GetMenu(hwnd_) || (form_ && form_->Menu())))
        ReloadMenuBar(GetMenu(hwnd_));
      return;
    }
  }
  saved_form_proc_(m);
}

// The form skinner: attaching, frame geometry, detaching. The message stages are in
// win_skin_form_messages.cpp, the window commands and the system popup in
// win_skin_form_commands.cpp.
#include "skin/form/win_skin_form.h"

#include <algorithm>

#include "base/encoding.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_look.h"
#include "skin/form/control_discovery.h"
#include "skin/form/form_skinner_host.h"
#include "skin/form/nc_object.h"
#include "ui/application.h"
#include "ui/classinfo.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"

using namespace kq::skin;

const TClassInfo& TWinSkinForm::StaticClass() {
  static const TClassInfo info("TWinSkinForm", &TComponent::StaticClass(),
                               {props::Int<TWinSkinForm, int>("DisableTag", &TWinSkinForm::GetDisableTag,
                                                              &TWinSkinForm::SetDisableTag)});
  return info;
}

// ---- the MDI client's procedure ---------------------------------------------------------

class TWinSkinForm::MdiClientHook : public SubclassTarget {
 public:
  explicit MdiClientHook(TWinSkinForm* form) : form_(form) {}
  ~MdiClientHook() { subclass.Detach(); }
  LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) override {
    return form_->MdiClientWndProc(wnd, msg, w, l);
  }
  WindowSubclass subclass{SubclassKind::MdiClient};

 private:
  TWinSkinForm* form_;
};

// ---- life ------------------------------------------------------------------------------

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner) {
  double_click_time_ = GetDoubleClickTime();
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof(ncm);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0)) {
    // Older systems know the structure without the padded border field.
    ncm.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, ncm.cbSize, &ncm, 0);
  }
  caption_font_.reset(kq::ui::CreateFontCounted(ncm.lfCaptionFont));
  menu_font_.reset(kq::ui::CreateFontCounted(ncm.lfMenuFont));
  Active = true;
  Phase = SkinPhase::Attached;
}

TWinSkinForm::~TWinSkinForm() {
  Destroying();
  *self_ref_ = nullptr;
  // Message handlers of this skinner still on the stack must not touch it any more.
  for (CallFrame* f = top_frame_; f; f = f->prev) f->dead = true;
  FreeSystemPopup();
  if (hover_timer_) hover_timer_->SetEnabled(false);
  FreeControlSkinners();
  FreeCaptionButtons();
  FreeMenuBar();
  // The menus' item handlers point at this skinner.
  UnhookMenuItems();
  // Freed while still attached (its owner went first): give the window its procedures back.
  if (form_proc_hooked_ && form_ && !form_->IsDestroying()) form_->WindowProc = saved_form_proc_;
  form_proc_hooked_ = false;
  mdi_client_hook_.reset();
  subclass_.Detach();
  if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->RemoveFormSkinner(this);
}

void TWinSkinForm::Notification(TComponent* component, TOperation op) {
  TComponent::Notification(component, op);
  if (op == opRemove)
    std::erase_if(hooked_menus_, [component](const HookedMenu& h) { return static_cast<TComponent*>(h.menu) == component; });
}

// ---- attaching -------------------------------------------------------------------------

void TWinSkinForm::AttachToForm(TSkinLook* skin, TForm* form) {
  form_ = form;
  form->SetAutoScroll(false);
  if (skin->SkinControls.Has(xcMainMenu)) {
    saved_form_proc_ = form->WindowProc;
    form->WindowProc = [self = this](TMessage& m) { self->FormDispatch(m); };
    form_proc_hooked_ = true;
  }
  AttachToWindow(skin);
  saved_colour_ = form->Color();
  form->SetColor(skin->ButtonFaceColour);
  HookMenuItems();
}

void TWinSkinForm::AttachToWindow(TSkinLook* skin) {
  if (Subclassed() || !hwnd_) return;
  // 1.
  if (FormSkinnerHost* host = EnsureFormSkinnerHost()) host->StartState = kStartStarted;
  skin_ = skin;
  if (!hover_timer_) {
    hover_timer_ = new TTimer(this);
    hover_timer_->SetEnabled(false);
    hover_timer_->SetInterval(250);
    hover_timer_->OnTimer = [this](TObject*) { HoverTimerTick(); };
  }
  // 2.
  FrameSkinning = skin->SkinControls.Has(xcMainMenu);
  saved_style_ = GetWindowLongPtrW(hwnd_, GWL_STYLE);
  const auto exStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
  RightToLeft = (exStyle & kWsExLeftScrollBar) != 0;
  attached_once_ = true;
  SystemMenu = GetSystemMenu(hwnd_, FALSE);
  FillIconBitmap();
  wchar_t cls[101] = {};
  GetClassNameW(hwnd_, cls, 101);
  WindowClass = kq::WideToUtf8(cls);
  OwnerWindow = GetWindow(hwnd_, GW_OWNER);
  WindowMenu = GetMenu(hwnd_);
  GetClientRect(hwnd_, &client_rect_);
  RECT wr{};
  GetWindowRect(hwnd_, &wr);
  saved_extra_ = Size{(wr.right - wr.left) - client_rect_.right, (wr.bottom - wr.top) - client_rect_.bottom};
  // 3.
  const auto style = static_cast<std::uint32_t>(saved_style_);
  Capabilities = CapabilitiesOf(style, SystemMenu != nullptr);
  // 4.
  BuildSystemPopup();
  ReadWindowState();
  Sizeable = (style & kWsThickFrame) != 0;
  FindMdiClient();
  if (exStyle & kWsExMdiChild) Mdi = MdiRole::Child;
  // 5.
  const FrameKindResult fk = FrameKindOf(style, exStyle, WindowClass);
  Kind = fk.kind;
  MessageDialog = fk.messageDialog;
  UnicodeWindow = IsUnicodeClassName(WindowClass);
  // 6.
  if (Mdi == MdiRole::Frame && MdiClientWindow) {
    saved_menu_update_ = skin->MenuUpdate;
    mdi_client_hook_ = std::make_unique<MdiClientHook>(this);
    mdi_client_hook_->subclass.Attach(MdiClientWindow, mdi_client_hook_.get());
  }
  // 7.
  if (FrameSkinning) {
    if (WindowMenu && !IsMdiChild()) CreateMenuBar();
    if (!UnderMaximisedChild() && !Minimised()) SetCaptionStyles(false);
    ComputeFrameMetrics();
  } else {
    Phase = SkinPhase::Ready;
  }
  // 8.
  subclass_.Attach(hwnd_, this);
  // 9.
  if (IsMdiChild() && WindowState == WinState::Maximised)
    if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->SetMaximisedChildShown(true);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TWinSkinForm::FindMdiClient() {
  for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[32] = {};
    GetClassNameW(c, cls, 32);
    if (IsMdiClientClass(kq::WideToUtf8(cls))) {
      Mdi = MdiRole::Frame;
      MdiClientWindow = c;
      if (FormSkinnerHost* m = CurrentFormSkinnerHost()) {
        m->MdiClient = c;
        m->MdiMainForm = form_;
      }
      return;
    }
  }
}

bool TWinSkinForm::UnderMaximisedChild() const {
  const FormSkinnerHost* m = CurrentFormSkinnerHost();
  return IsMdiChild() && m && m->MaximisedChildShown;
}

void TWinSkinForm::SetCaptionStyles(bool on) {
  if (!hwnd_) return;
  if (!on && UnderMaximisedChild()) return;
  // A frameless popup keeps its own non-client area: the skin draws no frame for it, so its
  // border bits stay what they are.
  if (Kind == FrameKind::Frameless) return;
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  const bool owned = OwnerWindow != nullptr || IsMdiChild();
  const CaptionStyles r = SwitchCaptionStyles(style, Capabilities, removed_caption_, on, owned);
  Capabilities = r.capabilities;
  removed_caption_ = r.removedCaption;
  caption_styles_on_ = on;
  if (r.style != style) SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(r.style));
}

void TWinSkinForm::ComputeFrameMetrics() {
  if (!skin_ || skin_->NotLoaded) return;
  auto edge = [](const kq::TDataSkinBorder& b) {
    return EdgeImage{b.Bitmap.Width(), b.Bitmap.Height(), b.FrameCount};
  };
  const FrameMetrics m = kq::skin::ComputeFrameMetrics(Kind, edge(skin_->BorderLeft), edge(skin_->BorderTop),
                                                       edge(skin_->BorderRight), edge(skin_->BorderBottom));
  FrameLeft = m.left;
  FrameTop = m.top;
  FrameRight = m.right;
  FrameBottom = m.bottom;
  if (Kind == FrameKind::Frameless) MenuBarHeight = 0;
  CaptionButtonCount = static_cast<int>(skin_->SysButtons.size());
  BuildCaptionButtons();
}

void TWinSkinForm::FitWindowToSkin(bool keepClient) {
  if (!hwnd_) return;
  if (WindowState == WinState::Maximised) {
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return;
  }
  RECT wr{};
  GetWindowRect(hwnd_, &wr);
  int clientW, clientH;
  if (keepClient) {
    // The client area as it is now (the user may have resized the window since attach).
    GetClientRect(hwnd_, &client_rect_);
    clientW = client_rect_.right;
    clientH = client_rect_.bottom;
  } else if (form_) {
    // The system frame took saved_extra_ at attach; whatever the window's size now, its client
    // area is that much smaller (styles may have changed since, the frame not yet).
    clientW = (wr.right - wr.left) - saved_extra_.width;
    clientH = (wr.bottom - wr.top) - saved_extra_.height;
  } else {
    clientW = client_rect_.right;
    clientH = client_rect_.bottom;
  }
  Size size = OuterSizeForClient(clientW, clientH, Metrics(), MenuBarHeight);
  if (MessageDialog && Phase == SkinPhase::FirstFit && skin_) {
    const int len = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    GetWindowTextW(hwnd_, text.data(), len + 1);
    text.resize(static_cast<size_t>(len));
    CaptionText = CaptionPrefix + text + CaptionSuffix;
    HDC dc = kq::ui::GetDCCounted(hwnd_);
    HGDIOBJ old = SelectObject(dc, CaptionFont());
    SIZE ext{};
    GetTextExtentPoint32W(dc, CaptionText.c_str(), static_cast<int>(CaptionText.size()), &ext);
    SelectObject(dc, old);
    kq::ui::ReleaseDCCounted(hwnd_, dc);
    CaptionTextWidth = ext.cx;
    const DialogWidening wide =
        WidenForCaption(size.width, skin_->Title.Margins.left, ext.cx, skin_->Title.Margins.right);
    if (wide.childShift > 0) {
      for (HWND c = GetWindow(hwnd_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(c, &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(c, nullptr, r.left + wide.childShift, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING | SWP_NOOWNERZORDER);
      }
    }
    size.width = wide.width;
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, size.width, size.height, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::MaximisedChildChanged(bool shown) {
  if (!IsMdiChild() || !hwnd_) return;
  if (shown) {
    SetCaptionStyles(true);
    RemoveWindowRegion();
  } else if (!Minimised()) {
    SetCaptionStyles(false);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

// ---- control skinners ------------------------------------------------------------------

void TWinSkinForm::FreeControlSkinners() {
  while (!ControlSkinners.empty()) {
    TSkinControl* s = ControlSkinners.front();
    ControlSkinners.erase(ControlSkinners.begin());
    s->FormSkinner = nullptr;
    if (s->Phase != 6) s->Detach();
    delete s;
  }
  HotButton = nullptr;
}

void TWinSkinForm::DiscoverControls() {
  // Skinners whose windows are gone first.
  for (size_t i = 0; i < ControlSkinners.size();) {
    TSkinControl* s = ControlSkinners[i];
    if (s->Phase == 6) {
      ControlSkinners.erase(ControlSkinners.begin() + static_cast<std::ptrdiff_t>(i));
      s->FormSkinner = nullptr;
      delete s;
    } else {
      ++i;
    }
  }
  if (form_)
    DiscoverFormControls(*this, *form_);
  else
    DiscoverChildWindows(*this, hwnd_);
}

void TWinSkinForm::SkinSizeGrip(HWND grip) { DiscoverSizeGrip(*this, grip); }

void TWinSkinForm::OnSkinControls() {
  ControlsDiscovered = true;
  DiscoverControls();
  if (Phase != SkinPhase::Attached) return;
  if (UnderMaximisedChild()) {
    SetCaptionStyles(true);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  } else if (!Minimised() && Kind != FrameKind::Frameless) {
    Phase = SkinPhase::FirstFit;
    FitWindowToSkin(false);
    Phase = SkinPhase::Ready;
    BuildWindowRegion();
  }
  Phase = SkinPhase::Ready;
  if (hover_timer_) hover_timer_->SetEnabled(true);
}

// ---- skin changes ----------------------------------------------------------------------

void TWinSkinForm::DropCachedSkin() {
  CaptionBitmap.SetSize(0, 0);
  PaintedWidth = PaintedHeight = 0;
  RegionWidth = RegionHeight = 0;
}

void TWinSkinForm::ReloadSkin() {
  ComputeFrameMetrics();
  ReapplySkin();
}

void TWinSkinForm::RepaintAll() {
  if (hwnd_ && IsWindow(hwnd_))
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::ReapplySkin() {
  if (!skin_ || !hwnd_) return;
  const HWND focus = GetFocus();
  const bool hadFocus = focus && (focus == hwnd_ || IsChild(hwnd_, focus));
  if (form_) {
    form_->SetColor(skin_->ButtonFaceColour);
    for (TComponent* c : form_->Components()) {
      if (auto* f = dynamic_cast<TControl*>(c); f && c->InheritsFrom("TCustomForm"))
        f->SetColor(skin_->ButtonFaceColour);
      if (c->InheritsFrom("TCustomGrid"))
        SetPropText(c, "FixedColor", std::to_wstring(static_cast<long long>(skin_->ButtonFaceColour)));
    }
  }
  for (TSkinControl* s : std::vector<TSkinControl*>(ControlSkinners)) s->SkinChanged();
  Phase = SkinPhase::Reapplying;
  if (FrameSkinning) {
    UnhookMenuItems();
    HookMenuItems();
    FitWindowToSkin(true);
    if (form_) {
      // Forces the form to lay its controls out again in the new client area.
      form_->SetHeight(form_->Height() + 1);
      form_->SetHeight(form_->Height() - 1);
    }
  }
  if (hadFocus && IsWindow(focus) && GetFocus() != focus) SetFocus(focus);
  Phase = SkinPhase::Ready;
}

// ---- detaching -------------------------------------------------------------------------

void TWinSkinForm::FreeSystemPopup() {
  if (!system_popup_) return;
  if (popup_in_use_) {
    // The popup is open: close it and let the code that opened it free it.
    popup_in_use_->orphaned = true;
    popup_in_use_ = nullptr;
    EndMenu();
  } else {
    delete system_popup_;
  }
  system_popup_ = nullptr;
}

void TWinSkinForm::Detach() {
  if (!FrameSkinning) {
    DetachControlsOnly();
    return;
  }
  FreeSystemPopup();
  if (hover_timer_) hover_timer_->SetEnabled(false);
  if (Subclassed()) {
    if (form_proc_hooked_ && form_) form_->WindowProc = saved_form_proc_;
    form_proc_hooked_ = false;
    subclass_.Detach();
  }
  FreeControlSkinners();
  UnhookMenuItems();
  if (Phase != SkinPhase::Destroying && form_) form_->SetColor(saved_colour_);
  SetCaptionStyles(true);
  if (HasMenuBar()) {
    SetMenu(hwnd_, WindowMenu);
    FreeMenuBar();
  }
  mdi_client_hook_.reset();
  CaptionBitmap.SetSize(0, 0);
  const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
  if (Phase != SkinPhase::Destroying && (IsMdiChild() || !(style & kWsChild))) {
    RECT wr{};
    GetWindowRect(hwnd_, &wr);
    POINT pos{wr.left, wr.top};
    if (IsMdiChild()) ScreenToClient(GetParent(hwnd_), &pos);
    const Size s = UnskinnedOuterSize(wr.right - wr.left, wr.bottom - wr.top, saved_extra_, Metrics(),
                                      MenuBarHeight);
    SetWindowPos(hwnd_, nullptr, pos.x, pos.y, s.width, s.height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  // The system owns a region once it was given to SetWindowRgn, and deletes it when it is
  // replaced; deleting it here as well could delete an unrelated object that got its handle.
  SetWindowRgn(hwnd_, nullptr, TRUE);
  Region = nullptr;
  RegionSet = false;
  RegionWidth = RegionHeight = 0;
}

void TWinSkinForm::DetachOnDestroy() {
  FreeSystemPopup();
  if (hover_timer_) hover_timer_->SetEnabled(false);
  if (form_proc_hooked_ && form_) form_->WindowProc = saved_form_proc_;
  form_proc_hooked_ = false;
  subclass_.Detach();
  FreeControlSkinners();
  FreeMenuBar();
  mdi_client_hook_.reset();
  CaptionBitmap.SetSize(0, 0);
  Region = nullptr;
  RegionSet = false;
}

void TWinSkinForm::DetachControlsOnly() {
  if (hover_timer_) hover_timer_->SetEnabled(false);
  FreeControlSkinners();
  UnhookMenuItems();
  if (Phase != SkinPhase::Destroying && form_) form_->SetColor(saved_colour_);
  subclass_.Detach();
  mdi_client_hook_.reset();
  if (Phase == SkinPhase::Destroying) return;
  if (form_) {
    std::vector<TControl*> stack(form_->Controls().begin(), form_->Controls().end());
    while (!stack.empty()) {
      TControl* c = stack.back();
      stack.pop_back();
      c->Invalidate();
      if (auto* w = dynamic_cast<TWinControl*>(c)) stack.insert(stack.end(), w->Controls().begin(), w->Controls().end());
    }
  } else if (hwnd_) {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
}

// ---- MDI client ------------------------------------------------------------------------

LRESULT TWinSkinForm::MdiClientWndProc(HWND client, UINT msg, WPARAM w, LPARAM l) {
  const WindowSubclass& sc = mdi_client_hook_->subclass;
  auto def = [&] { return sc.CallSaved(client, msg, w, l); };
  FormSkinnerHost* mgr = CurrentFormSkinnerHost();
  switch (msg) {
    case WM_NCDESTROY: {
      const WNDPROC saved = sc.Saved();
      mdi_client_hook_.reset();
      MdiClientWindow = nullptr;
      if (mgr && mgr->MdiClient == client) mgr->MdiClient = nullptr;
      return CallWindowProcW(saved, client, msg, w, l);
    }
    case WM_NCCALCSIZE:
      if (!skin_ || !skin_->Options.Has(xoMDIScrollbar)) {
        const LONG_PTR style = GetWindowLongPtrW(client, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL))
          SetWindowLongPtrW(client, GWL_STYLE, style & static_cast<LONG_PTR>(0xFFCFFFFF));
      }
      return def();
    case WM_MDICREATE: {
      if (skin_) skin_->MenuUpdate = false;
      const LRESULT r = def();
      MdiChildCreated = reinterpret_cast<HWND>(r);
      return r;
    }
    case WM_MDIDESTROY: {
      const LRESULT r = def();
      BOOL maximised = FALSE;
      HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
      if (mgr) mgr->SetMaximisedChildShown(active && maximised);
      if (!active) {
        if (skin_) skin_->MenuUpdate = saved_menu_update_;
        if (HasMenuBar() && GetMenu(hwnd_)) ReloadMenuBar(GetMenu(hwnd_));
      }
      return r;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (mgr) mgr->SetMaximisedChildShown(false);
      return def();
    case WM_MDISETMENU: {
      const HMENU before = GetMenu(hwnd_);
      const LRESULT r = def();
      const HMENU now = GetMenu(hwnd_);
      if (HasMenuBar() && now && (now != before || MdiChildCreated)) {
        ReloadMenuBar(now);
        SetMenu(hwnd_, nullptr);
      }
      return r;
    }
    case WM_MDIREFRESHMENU: {
      const LRESULT r = def();
      if (mgr) {
        HWND child = MdiChildCreated ? MdiChildCreated
                                     : reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
        if (child) {
          mgr->ForceAttach = true;
          mgr->AttachFormSkinner(child);
          mgr->ForceAttach = false;
        }
      }
      MdiChildCreated = nullptr;
      PostMessageW(hwnd_, SKM_REPAINTFRAME, 0, 0);
      return r;
    }
  }
  return def();
}

#include "ui/subclass.h"

#include "ui/handles.h"

namespace {

struct Link {
  WNDPROC saved = nullptr;
  SubclassTarget* target = nullptr;  // none: forwarding only, until the window goes
};

const wchar_t* PropName(SubclassKind kind) {
  switch (kind) {
    case SubclassKind::Form:
      return L"KqSkinForm";
    case SubclassKind::MdiClient:
      return L"KqSkinMdiClient";
    case SubclassKind::PopupMenu:
      return L"KqSkinPopupMenu";
    case SubclassKind::Control:
      return L"KqSkinControl";
    case SubclassKind::ComboEdit:
      return L"KqSkinComboEdit";
  }
  return L"KqSkin";
}

void FreeLink(HWND wnd, SubclassKind kind, Link* link) {
  RemovePropW(wnd, PropName(kind));
  kq::ui::UserReleased(link);
  delete link;
}

template <SubclassKind Kind>
LRESULT CALLBACK SubclassProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  auto* link = static_cast<Link*>(GetPropW(wnd, PropName(Kind)));
  if (!link) return DefWindowProcW(wnd, msg, w, l);
  if (SubclassTarget* t = link->target) return t->SubclassedProc(wnd, msg, w, l);
  const WNDPROC saved = link->saved;
  if (msg == WM_NCDESTROY) FreeLink(wnd, Kind, link);
  return CallWindowProcW(saved, wnd, msg, w, l);
}

WNDPROC ProcOf(SubclassKind kind) {
  switch (kind) {
    case SubclassKind::Form:
      return &SubclassProc<SubclassKind::Form>;
    case SubclassKind::MdiClient:
      return &SubclassProc<SubclassKind::MdiClient>;
    case SubclassKind::PopupMenu:
      return &SubclassProc<SubclassKind::PopupMenu>;
    case SubclassKind::Control:
      return &SubclassProc<SubclassKind::Control>;
    case SubclassKind::ComboEdit:
      return &SubclassProc<SubclassKind::ComboEdit>;
  }
  return nullptr;
}

}  // namespace

bool WindowSubclass::Attach(HWND wnd, SubclassTarget* target) {
  if (wnd_ || !IsWindow(wnd) || GetPropW(wnd, PropName(kind_))) return false;
  auto* link = new Link;
  link->target = target;
  kq::ui::UserCreated(link);
  SetPropW(wnd, PropName(kind_), link);
  // Our procedure is a wide one, so it is installed with the W function whatever the window
  // was; the W call hands back a procedure CallWindowProcW can call, and restoring exactly that
  // value gives the window its old procedure back.
  link->saved = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProcOf(kind_))));
  wnd_ = wnd;
  saved_ = link->saved;
  return true;
}

void WindowSubclass::Detach() {
  if (!wnd_) return;
  HWND wnd = wnd_;
  wnd_ = nullptr;
  auto* link = static_cast<Link*>(GetPropW(wnd, PropName(kind_)));
  if (!link) return;  // the window went and took its forwarder along
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(wnd, GWLP_WNDPROC)) == ProcOf(kind_)) {
    SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link->saved));
    FreeLink(wnd, kind_, link);
  } else {
    link->target = nullptr;
  }
}

LRESULT WindowSubclass::CallSaved(HWND wnd, UINT msg, WPARAM w, LPARAM l) const {
  if (!saved_) return DefWindowProcW(wnd, msg, w, l);
  return CallWindowProcW(saved_, wnd, msg, w, l);
}

SubclassTarget* WindowSubclass::TargetOf(HWND wnd, SubclassKind kind) {
  auto* link = static_cast<Link*>(GetPropW(wnd, PropName(kind)));
  return link ? link->target : nullptr;
}

#include "skin/engine/skin_manager.h"

#include <algorithm>
#include <exception>

#include "base/encoding.h"
#include "skin/engine/skin_data.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_popmenu.h"
#include "ui/application.h"
#include "ui/forms.h"
#include "ui/skin_messages.h"
#include "ui/timer.h"

using namespace kq::skin;

namespace {

// The one manager of the program; freed when the program ends.
TSkinManage* g_manager = nullptr;

struct ManagerFinaliser {
  ~ManagerFinaliser() { FreeSkinManager(); }
} g_finaliser;

std::string ClassNameOf(HWND wnd) {
  wchar_t cls[256] = {};
  GetClassNameW(wnd, cls, 256);
  return kq::WideToUtf8(cls);
}

void ReportToDebugger(std::exception_ptr e) {
  std::wstring text = L"Skin manager hook: ";
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& x) {
    text += kq::Utf8ToWide(x.what());
  } catch (...) {
    text += L"unknown exception";
  }
  text += L"\n";
  OutputDebugStringW(text.c_str());
}

template <class T>
void EraseFrom(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

// The skinners below ask for the manager through their host; attaching one starts it.
[[maybe_unused]] const bool g_host_maker_set =
    (SetFormSkinnerHostMaker([]() -> FormSkinnerHost* { return &EnsureSkinManager(); }), true);

}  // namespace

TSkinManage* SkinManager() { return g_manager; }

TSkinManage& EnsureSkinManager() {
  if (!g_manager) g_manager = new TSkinManage();
  return *g_manager;
}

void FreeSkinManager() {
  TSkinManage* m = g_manager;
  if (!m) return;
  delete m;
  g_manager = nullptr;
}

// ---- life ----------------------------------------------------------------------------------

TSkinManage::TSkinManage() : timer_(std::make_unique<TTimer>(nullptr)) {
  timer_->SetEnabled(false);
  timer_->SetInterval(250);
  timer_->OnTimer = [this](TObject*) { ApplyPendingAction(); };
}

TSkinManage::~TSkinManage() {
  StartState = kStartShuttingDown;
  timer_.reset();
  if (HookHandle) UnhookWindowsHookEx(HookHandle);
  HookHandle = nullptr;
  for (TWinSkinPopMenu* p : PopupMenuSkinners) delete p;
  PopupMenuSkinners.clear();
  // Skinners of forms belong to their forms; those of bare windows (message boxes still
  // open when the program ends) have no other owner.
  for (TWinSkinForm* f : std::vector<TWinSkinForm*>(FormSkinners)) {
    if (f->Owner()) continue;
    EraseFrom(FormSkinners, f);
    if (!f->Closed()) f->Detach();
    delete f;
  }
  FormSkinners.clear();
  SkinDataList.clear();
}

// ---- skin components -----------------------------------------------------------------------

void TSkinManage::AddSkinData(TSkinData* skinData) {
  if (std::find(SkinDataList.begin(), SkinDataList.end(), skinData) == SkinDataList.end())
    SkinDataList.push_back(skinData);
  if (!MainSkinData && skinData->SkinFormtype == sfMainform) MainSkinData = skinData;
}

void TSkinManage::RemoveSkinData(TSkinData* skinData) {
  EraseFrom(SkinDataList, skinData);
  // No dangling references to a component that is gone.
  if (MainSkinData == skinData) MainSkinData = nullptr;
  if (PendingSkinData == skinData) PendingSkinData = nullptr;
}

void TSkinManage::ReleaseSkinData(TSkinData* skinData) {
  for (TWinSkinForm* f : std::vector<TWinSkinForm*>(FormSkinners))
    if (f->Skin() == skinData) UnskinAndFree(f);
  for (TWinSkinPopMenu* p : std::vector<TWinSkinPopMenu*>(PopupMenuSkinners))
    if (p->Skin == skinData) {
      EraseFrom(PopupMenuSkinners, p);
      delete p;
    }
}

LRESULT CALLBACK SkinManagerHookProc(int code, WPARAM w, LPARAM l) {
  TSkinManage* m = SkinManager();
  HHOOK hook = m ? m->HookHandle : nullptr;
  if (m && code >= 0) {
    try {
      if (code == HCBT_DESTROYWND) {
        // Also while skinning is off: a menu left open when it was switched off still has
        // its skinner.
        m->DetachPopupMenuSkinner(reinterpret_cast<HWND>(w));
      } else if (m->SkinningEnabled) {
        switch (code) {
          case HCBT_CREATEWND:
            m->HookCreateWindow(reinterpret_cast<HWND>(w), *reinterpret_cast<CBT_CREATEWNDW*>(l)->lpcs);
            break;
          case HCBT_ACTIVATE:
            if (m->StartState == kStartNone) m->StartState = kStartStarted;
            m->AttachFormSkinner(reinterpret_cast<HWND>(w));
            break;
        }
      } else if (code == HCBT_ACTIVATE && m->StartState == kStartNone) {
        m->StartState = kStartStarted;
      }
    } catch (...) {
      // The hook chain must go on whatever happened, and a box shown from here would pass
      // through this hook again while the window it was called for is half made: the text
      // goes to the debugger only.
      ReportToDebugger(std::current_exception());
    }
  }
  return CallNextHookEx(hook, code, w, l);
}

void TSkinManage::InstallHook() {
  PlatformVersion = GetVersion();
  if (HookHandle) return;
  HookHandle = SetWindowsHookExW(WH_CBT, &SkinManagerHookProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::HookCreateWindow(HWND window, const CREATESTRUCTW& cs) {
  const std::string cls = ClassNameOf(window);
  if (IsSizeGripCreation(cls, static_cast<std::uint32_t>(cs.style)))
    if (TWinSkinForm* f = FindFormSkinner(cs.hwndParent)) f->SkinSizeGrip(window);
  // Children and message-only windows (timers) are no top-level windows.
  if ((cs.style & WS_CHILD) || cs.hwndParent == HWND_MESSAGE) return;
  if (cls == kMenuWindowClass) AttachPopupMenuSkinner(window);
  if (MainSkinData && MainSkinData->OnWindowCreated) {
    try {
      MainSkinData->OnWindowCreated(MainSkinData, window, cls);
    } catch (...) {
      // The application's handler must not stop the window from being made.
    }
  }
}

void TSkinManage::RequestAction(int action, unsigned delayMs) {
  PendingAction = action;
  timer_->SetInterval(delayMs);
  const RequestEffect e = DecideRequest(StartState, static_cast<SkinAction>(action));
  if (e.skinningEnabled) SkinningEnabled = *e.skinningEnabled;
  if (e.runTimer) timer_->SetEnabled(true);
}

void TSkinManage::RefreshFormSkinners() {
  for (TWinSkinForm* f : FormSkinners)
    if (f->Skin() == PendingSkinData) f->DropCachedSkin();
}

// ---- form skinners -------------------------------------------------------------------------

TWinSkinForm* TSkinManage::FindFormSkinner(HWND window) const {
  if (!window) return nullptr;
  for (TWinSkinForm* f : FormSkinners)
    if (f->Window() == window && !f->Closed()) return f;
  return nullptr;
}

void TSkinManage::RemoveFormSkinner(TWinSkinForm* skinner) { EraseFrom(FormSkinners, skinner); }

void TSkinManage::PurgeClosedFormSkinners() {
  for (TWinSkinForm* f : std::vector<TWinSkinForm*>(FormSkinners))
    if (f->Closed()) {
      EraseFrom(FormSkinners, f);
      delete f;
    }
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  std::vector<SkinDataChoice> choices;
  for (TSkinData* d : SkinDataList) {
    auto* owner = dynamic_cast<TForm*>(d->Owner());
    choices.push_back({d->SkinFormtype, owner && owner->HandleOrNull() == window});
  }
  const auto i = kq::skin::ChooseSkinData(choices, IsDialogClassName(ClassNameOf(window)));
  return i ? SkinDataList[*i] : nullptr;
}

bool TSkinManage::AttachFormSkinner(HWND window) {
  if (!SkinningEnabled || !window || !IsWindow(window)) return false;
  // 1.
  PurgeClosedFormSkinners();
  // 2.
  if (SendMessageW(window, SKM_QUERYSKINNED, 0, 0) == 1 || FindFormSkinner(window)) return false;
  // 3.
  TForm* form = nullptr;
  if (Application)
    for (TForm* f : Application->Forms())
      if (f->HandleOrNull() == window) form = f;
  // 4.
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (!ForceAttach && (style & WS_CHILD) && IsMdiClientClass(ClassNameOf(GetParent(window)))) return false;
  // 5.
  RECT r{};
  GetWindowRect(window, &r);
  if (static_cast<long long>(r.right - r.left) * (r.bottom - r.top) == 0) return false;
  if (form && form->Tag == kNeverSkinTag) return false;
  // 6.
  const std::string cls = ClassNameOf(window);
  if (IsRefusedFormClass(cls)) return false;
  // The main skin's rule: its OnFormSkin when assigned, else never a month calendar (the drop
  // down of a date picker) nor, with xcFastReport, a report window.
  bool doSkin = true;
  if (MainSkinData) MainSkinData->MayBeSkinned(cls, doSkin);
  if (!doSkin) return false;
  // 7.
  TSkinData* skin = ChooseSkinData(window);
  if (!skin || skin->NotLoaded) return false;
  // 8.
  auto* skinner = new TWinSkinForm(form);
  skinner->SetWindow(window);
  if (form)
    skinner->AttachToForm(skin, form);
  else
    skinner->AttachToWindow(skin);
  // 9.
  FormSkinners.push_back(skinner);
  PostMessageW(window, SKM_SKINCONTROLS, 0, 1000);
  return true;
}

void TSkinManage::SkinVisibleForm(TForm* form) {
  if (!form || !form->Visible() || !form->HandleAllocated()) return;
  if ((GetWindowLongPtrW(form->HandleOrNull(), GWL_STYLE) & WS_CHILD) && form->FormStyle() != fsMDIChild) return;
  AttachFormSkinner(form->HandleOrNull());
}

void TSkinManage::UnskinAndFree(TWinSkinForm* skinner) {
  EraseFrom(FormSkinners, skinner);
  const HWND wnd = skinner->Window();
  if (!skinner->Closed()) skinner->Detach();
  if (wnd && IsWindow(wnd)) {
    InvalidateRect(wnd, nullptr, TRUE);
    UpdateWindow(wnd);
  }
  delete skinner;
}

void TSkinManage::SetMaximisedChildShown(bool shown) {
  if (shown == MaximisedChildShown) return;
  MaximisedChildShown = shown;
  for (TWinSkinForm* f : std::vector<TWinSkinForm*>(FormSkinners))
    if (f->IsMdiChild() && !f->Closed()) f->MaximisedChildChanged(shown);
}

// ---- popup menus ---------------------------------------------------------------------------

void TSkinManage::AttachPopupMenuSkinner(HWND menuWindow) {
  if (!SkinningEnabled || !menuWindow) return;
  if (SendMessageW(menuWindow, SKM_QUERYSKINNED, 0, 0) == 1) return;
  for (TWinSkinPopMenu* p : PopupMenuSkinners)
    if (p->Handle == menuWindow) return;
  TSkinData* skin = ChooseSkinData(menuWindow);
  if (!skin || skin->NotLoaded) return;
  if (!PopupMenuKindAllowed(MenuKind, skin->SkinControls)) return;
  auto* p = new TWinSkinPopMenu();
  p->Hook(menuWindow, skin, nullptr);
  PopupMenuSkinners.push_back(p);
  if (MenuFromMenuBar) p->MenuBarPopup = true;
}

void TSkinManage::DetachPopupMenuSkinner(HWND menuWindow) {
  for (TWinSkinPopMenu* p : std::vector<TWinSkinPopMenu*>(PopupMenuSkinners)) {
    if (p->Handle != menuWindow) continue;
    p->Unhook();
    EraseFrom(PopupMenuSkinners, p);
    delete p;
    break;
  }
  if (PopupMenuSkinners.empty()) {
    MenuFromMenuBar = false;
    MenuKind = kMenuKindPopup;
  }
}

void TSkinManage::MarkPopupMenusFromMenuBar() {
  for (TWinSkinPopMenu* p : PopupMenuSkinners) p->MenuBarPopup = true;
}

TWinSkinPopMenu* TSkinManage::FindPopupMenuSkinner(HMENU menu) const {
  if (!menu) return nullptr;
  for (TWinSkinPopMenu* p : PopupMenuSkinners)
    if (p->KnownMenu() == menu) return p;
  return nullptr;
}

TBitmap* TSkinManage::MainFormIcon() const {
  TBitmap* icon = nullptr;
  for (TSkinData* data : SkinDataList)
    if (data->SkinFormtype == sfMainform && !data->DefaultIcon().Empty()) icon = &data->DefaultIcon();
  return icon;
}

// ---- the deferred action -------------------------------------------------------------------

void TSkinManage::ApplyPendingAction() {
  if (!PendingSkinData) return;
  timer_->SetEnabled(false);
  TSkinData* skin = PendingSkinData;
  const auto action = static_cast<SkinAction>(PendingAction);
  auto screenForms = [] {
    return Application ? std::vector<TForm*>(Application->Forms()) : std::vector<TForm*>();
  };
  if (skin->SkinFormtype == sfOnlyThisForm) {
    switch (action) {
      case SkinAction::Activate: {
        SkinningEnabled = true;
        ForceAttach = true;
        const auto forms = screenForms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it)
          if (*it == skin->Owner()) SkinVisibleForm(*it);
        ForceAttach = false;
        break;
      }
      case SkinAction::Deactivate: {
        SkinningEnabled = false;
        PurgeClosedFormSkinners();
        for (auto it = FormSkinners.rbegin(); it != FormSkinners.rend(); ++it)
          if ((*it)->Skin() == skin) {
            UnskinAndFree(*it);
            break;
          }
        break;
      }
      case SkinAction::SkinChanged:
        PurgeClosedFormSkinners();
        for (TWinSkinForm* f : FormSkinners)
          if (f->Skin() == skin) {
            f->DropCachedSkin();
            f->ReloadSkin();
            f->RepaintAll();
            break;
          }
        break;
      case SkinAction::Purge:
        PurgeClosedFormSkinners();
        break;
      default:
        break;
    }
  } else {
    switch (action) {
      case SkinAction::Activate: {
        SkinningEnabled = true;
        ForceAttach = true;
        PurgeClosedFormSkinners();
        const auto forms = screenForms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) SkinVisibleForm(*it);
        ForceAttach = false;
        break;
      }
      case SkinAction::Deactivate:
        SkinningEnabled = false;
        PurgeClosedFormSkinners();
        while (!FormSkinners.empty()) UnskinAndFree(FormSkinners.back());
        break;
      case SkinAction::SkinChanged: {
        PurgeClosedFormSkinners();
        std::vector<TWinSkinForm*> using_;
        for (TWinSkinForm* f : FormSkinners)
          if (f->Skin() == skin) using_.push_back(f);
        for (TWinSkinForm* f : using_) {
          f->DropCachedSkin();
          f->ReloadSkin();
        }
        for (TWinSkinForm* f : using_) f->RepaintAll();
        break;
      }
      case SkinAction::Purge:
        PurgeClosedFormSkinners();
        break;
      default:
        break;
    }
  }
  skin->NotifySkinChanged();
  if (PendingSkinData == skin) PendingSkinData = nullptr;
}

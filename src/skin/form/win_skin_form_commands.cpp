// The form skinner's window commands, the system popup, frame coordinates and caption
// button actions.
#include <algorithm>
#include <vector>

#include "skin/controls/skin_look.h"
#include "skin/form/core/caption_buttons.h"
#include "skin/form/form_skinner_host.h"
#include "skin/form/nc_object.h"
#include "skin/form/sys_button.h"
#include "skin/form/win_skin_form.h"
#include "skin/form/win_skin_menu.h"
#include "ui/forms.h"
#include "ui/menus.h"
#include "ui/skin_messages.h"
#include "ui/text.h"
#include "ui/timer.h"

using namespace kq::skin;

// ---- window commands -------------------------------------------------------------------

void TWinSkinForm::PostSysCommand(WPARAM command) { PostMessageW(hwnd_, WM_SYSCOMMAND, command, 0); }

void TWinSkinForm::ToggleMaximize() {
  if (WindowState == WinState::Maximised) {
    RestoreWindow();
    return;
  }
  if (IsMdiChild())
    if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->SetMaximisedChildShown(true);
  WindowState = WinState::Maximised;
  PostSysCommand(SC_MAXIMIZE);
  HotObject = nullptr;
}

void TWinSkinForm::RestoreWindow() {
  WindowState = WinState::Normal;
  PostSysCommand(SC_RESTORE);
}

void TWinSkinForm::ToggleMinimize() {
  if (WindowState == WinState::Minimised) {
    RestoreWindow();
    return;
  }
  WindowState = WinState::Minimised;
  PostSysCommand(SC_MINIMIZE);
}

void TWinSkinForm::ReadWindowState() {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  if (hwnd_ && GetWindowPlacement(hwnd_, &wp)) WindowState = StateFromShowCmd(wp.showCmd);
}

POINT TWinSkinForm::ScreenToFrame(int x, int y) const {
  POINT p{x, y};
  ScreenToClient(hwnd_, &p);
  const Point f = ClientToFrame(Point{p.x, p.y}, Minimised(), Metrics(), MenuBarHeight);
  return POINT{f.x, f.y};
}

TNCObject* TWinSkinForm::ObjectAt(POINT p) const {
  std::vector<CaptionButtonSlot> slots;
  slots.reserve(CaptionButtons.size());
  for (TNCObject* o : CaptionButtons) {
    const auto* b = static_cast<const TWinSysButton*>(o);
    const RECT& r = b->BoundsRect;
    slots.push_back(CaptionButtonSlot{b->Spec(), b->Size(), b->Visible, kq::Rect{r.left, r.top, r.right, r.bottom}});
  }
  if (const int i = CaptionButtonAt(slots, p.x, p.y); i >= 0) return CaptionButtons[static_cast<std::size_t>(i)];
  // Menu-bar buttons come after the caption buttons.
  return MenuBar ? MenuBar->MenuBtnAt(p) : nullptr;
}

bool TWinSkinForm::IsCaptionButton(const TNCObject* object) const {
  return std::find(CaptionButtons.begin(), CaptionButtons.end(), object) != CaptionButtons.end();
}

// ---- the system popup ------------------------------------------------------------------

void TWinSkinForm::BuildSystemPopup() {
  FreeSystemPopup();
  // Not owned by this skinner: it must outlive it when the skinner goes while it is open.
  system_popup_ = new TPopupMenu(nullptr);
  system_popup_->Tag = kSystemPopupTag;
  system_popup_->SetOwnerDraw(true);
  if (skin_) system_popup_->SetImages(skin_->MenuGlyphs());
  for (const SystemPopupItem& it : SystemPopupItems(Capabilities)) {
    auto* item = new TMenuItem(system_popup_);
    item->SetCaption(kq::ui::Widen(it.caption));
    item->Tag = it.tag;
    if (it.tag != kItemSeparator) item->SetImageIndex(it.tag);
    if (!it.shortcut.empty()) item->SetShortCut(TextToShortCut(kq::ui::Widen(it.shortcut)));
    const int tag = it.tag;
    item->OnClick = [this, tag](TObject*) { SystemPopupClick(tag); };
    system_popup_->Items()->Add(item);
  }
  HookSystemPopupItems();
}

void TWinSkinForm::ShowSystemPopup(int x, int y) {
  if (system_popup_)
    for (TMenuItem* item : system_popup_->Items()->Items()) item->SetEnabled(SystemPopupItemEnabled(item->Tag, WindowState));
  const DWORD now = GetTickCount();
  switch (ClassifyPopupClick(now, last_popup_tick_, double_click_time_, HotObject != nullptr)) {
    case PopupClick::Show: {
      if (FormSkinnerHost* m = CurrentFormSkinnerHost()) m->MenuKind = kMenuKindSystem;
      last_popup_tick_ = now;
      if (skin_ && skin_->SkinControls.Has(xcSystemMenu) && !IsMdiChild() && system_popup_) {
        PopupUse use{system_popup_, false};
        popup_in_use_ = &use;
        use.menu->Popup(x, y);
        if (use.orphaned) {
          // This skinner let go of the menu (or went away) while it was open.
          delete use.menu;
          return;
        }
        popup_in_use_ = nullptr;
      } else {
        TrackPopupMenu(SystemMenu, TPM_RIGHTBUTTON, x, y, 0, hwnd_, nullptr);
      }
      return;
    }
    case PopupClick::Close:
      // The second click of a double click on the icon button.
      if (hover_timer_) hover_timer_->SetEnabled(false);
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      return;
    case PopupClick::Ignore:
      return;
  }
}

void TWinSkinForm::SystemPopupClick(int tag) {
  switch (tag) {
    case kItemRestore:
      RestoreWindow();
      break;
    case kItemMaximise:
      ToggleMaximize();
      break;
    case kItemMinimise:
      ToggleMinimize();
      break;
    case kItemClose:
      if (hover_timer_) hover_timer_->SetEnabled(false);
      PostMessageW(hwnd_, WM_CLOSE, 0, 0);
      break;
    default:
      break;
  }
}

// ---- caption button actions ------------------------------------------------------------

void TWinSkinForm::PerformButtonAction(TNCObject* button, POINT messagePoint) {
  const int action = button ? button->Action() : -1;
  auto toActiveChild = [this](WPARAM command) {
    if (Mdi != MdiRole::Frame || !MdiClientWindow) return;
    HWND child = reinterpret_cast<HWND>(SendMessageW(MdiClientWindow, WM_MDIGETACTIVE, 0, 0));
    if (!child) return;
    SendMessageW(child, WM_SYSCOMMAND, command, 0);
    BOOL maximised = FALSE;
    SendMessageW(MdiClientWindow, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised));
    if (FormSkinnerHost* m = CurrentFormSkinnerHost(); m && !maximised) m->SetMaximisedChildShown(false);
  };
  switch (CommandOfAction(action)) {
    case ButtonCommand::Close:
      if (hover_timer_) hover_timer_->SetEnabled(false);
      PostMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case ButtonCommand::ToggleMaximise:
      ToggleMaximize();
      break;
    case ButtonCommand::ToggleMinimise:
      ToggleMinimize();
      break;
    case ButtonCommand::SystemMenu:
      ShowSystemPopup(messagePoint.x + 1, messagePoint.y + 1);
      break;
    case ButtonCommand::MdiMinimise:
      toActiveChild(SC_MINIMIZE);
      break;
    case ButtonCommand::MdiRestore:
      toActiveChild(SC_RESTORE);
      break;
    case ButtonCommand::MdiClose:
      toActiveChild(SC_CLOSE);
      break;
    case ButtonCommand::Custom:
      PostMessageW(hwnd_, SKM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

// TWinSkinForm: the skinner of one top-level window (or MDI child).
//
// The skin manager makes one for every window it decides to skin: a form of the form layer
// (AttachToForm: the skinner also sits in front of the form's WindowProc) or a bare window
// such as a message box "#32770" (AttachToWindow). The skinner subclasses the window, takes
// over its non-client area (the frame is as wide as the skin's border images, the caption as
// high as its top image), keeps styles, size and region in step with the skin, owns the
// control skinners of the window's controls and, on Detach, gives the window back its
// procedure, styles, menu and an outer size that keeps the client area.
//
// Messages pass three stages (FormWndProc): stage 1 for every window (background, destroy,
// control discovery, SKM_QUERYSKINNED); stage 2 for frame messages of top-level windows and
// MDI children (size, activation, window commands); stage 3, once controls were discovered,
// for the non-client messages (frame size, hit test, painting, non-client mouse).
//
// What the frame painter supplies (win_skin_form_frame.cpp): PaintFrame, BuildWindowRegion,
// RemoveWindowRegion, the caption buttons (BuildCaptionButtons, PerformButtonAction, the
// hover timer) and the window icon. What the menu painter supplies
// (win_skin_form_menus.cpp): the skinned menu bar and owner-drawn menu items.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/controls/control_skinner_host.h"
#include "skin/form/core/form_rules.h"
#include "ui/component.h"
#include "ui/controls.h"
#include "ui/graphics.h"
#include "ui/handles.h"
#include "ui/subclass.h"

class TForm;
class TMenu;
class TMenuItem;
class TNCObject;
class TPopupMenu;
class TSkinControl;
class TSkinLook;
class TTimer;
class TWinSkinMenu;

class TWinSkinForm : public TComponent, public ControlSkinnerHost, private SubclassTarget {
  KQ_DECLARE_CLASS(TWinSkinForm)

 public:
  using FrameKind = kq::skin::FrameKind;
  using MdiRole = kq::skin::MdiRole;
  using SkinPhase = kq::skin::SkinPhase;
  using WinState = kq::skin::WinState;

  // Owner: the form, or none for a bare window.
  explicit TWinSkinForm(TComponent* owner);
  // Frees the control skinners (detaching them first), the caption buttons, the timer, the
  // system popup and the bitmaps, and tells the skin manager to forget the window.
  ~TWinSkinForm() override;

  // ---- what the skin manager calls ----
  // The window to skin; set before attaching.
  void SetWindow(HWND window) { hwnd_ = window; }
  HWND Window() const { return hwnd_; }
  void AttachToForm(TSkinLook* skin, TForm* form);
  void AttachToWindow(TSkinLook* skin);
  // The skin was switched off: everything back as it was.
  void Detach();
  // The skin changed: colours, control skinners, frame and size again (after
  // ComputeFrameMetrics).
  void ReapplySkin();
  // Drops what was cached of the skin (caption bitmap, region and painted sizes).
  void DropCachedSkin();
  // Re-reads the skin and shows it: frame metrics, ReapplySkin.
  void ReloadSkin();
  // Repaints the whole window with its frame.
  void RepaintAll();
  void SetCaptionStyles(bool on);
  void ComputeFrameMetrics();
  void FitWindowToSkin(bool keepClient);
  // A maximised MDI child appeared or went (the skin manager tells every MDI child).
  void MaximisedChildChanged(bool shown);
  // A size grip was created on this window (the skin manager's hook saw it).
  void SkinSizeGrip(HWND grip);
  bool Closed() const { return Phase == SkinPhase::Destroyed; }

  // ---- frame painter (win_skin_form_frame.cpp) ----
  void PaintFrame(HDC dc);
  // Shows one caption button in its hover or press state (TWinSysButton::Paint).
  void PaintCaptionButton(TNCObject* button);
  void BuildWindowRegion();
  void RemoveWindowRegion();

  // ---- window commands ----
  void ToggleMaximize();
  void RestoreWindow();
  void ToggleMinimize();
  void ReadWindowState();
  // Opens the skinned system popup (or the system menu) at a screen point.
  void ShowSystemPopup(int x, int y);
  // A screen point in frame coordinates (relative to the window's top-left corner).
  POINT ScreenToFrame(int x, int y) const;
  // The caption button or menu-bar button at a frame point, or nullptr.
  TNCObject* ObjectAt(POINT p) const;
  bool IsCaptionButton(const TNCObject* object) const;

  // ---- control skinners (ControlSkinners and HotButton are the ControlSkinnerHost's) ----
  // Frees them from the front of the list, detaching those whose window still exists.
  void FreeControlSkinners();
  TCanvas& ControlCanvas() { return control_canvas_; }
  TCanvas& FrameCanvas() { return frame_canvas_; }

  // ---- state the painters read ----
  TSkinLook* Skin() const { return skin_; }
  TForm* Form() const { return form_; }
  int DisableTag = 0;  // published
  HFONT CaptionFont() const { return caption_font_.get(); }
  // The system's menu font: menu-bar captions and skinned menu items.
  HFONT MenuFont() const { return menu_font_.get(); }
  std::wstring CaptionSuffix = L"  ";
  std::wstring CaptionPrefix = L" ";
  std::wstring CaptionText;  // window text last measured (message boxes)
  int CaptionTextWidth = 0;
  std::string WindowClass;  // class name at attach
  bool FrameSkinning = false;  // the skin takes the frame (xcMainMenu), not only controls
  bool RightToLeft = false;
  bool Sizeable = false;
  bool UnicodeWindow = false;
  bool MessageDialog = false;
  bool ControlsDiscovered = false;
  HWND OwnerWindow = nullptr;
  HICON IconHandle = nullptr;
  int SmallIconSize = 16;
  int FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
  int MenuBarHeight = 0;
  int CaptionButtonCount = 0;
  bool MenuTracking = false;
  RECT WindowRect{};
  RECT CaptionTextRect{};
  int RightmostButtonLeft = 0;
  TNCObject* HotObject = nullptr;
  std::vector<TNCObject*> CaptionButtons;  // owned, in skin order
  bool RegionSet = false;
  HRGN Region = nullptr;
  int PaintedWidth = 0, PaintedHeight = 0;
  int RegionWidth = 0, RegionHeight = 0;
  TBitmap IconBitmap;
  TBitmap CaptionBitmap;
  // The skinned menu bar (the menu painter's), or none.
  TWinSkinMenu* MenuBar = nullptr;
  bool HasMenuBar() const { return MenuBar != nullptr; }
  HMENU WindowMenu = nullptr;
  HMENU SystemMenu = nullptr;
  HMENU TrackedPopup = nullptr;
  HWND MdiClientWindow = nullptr;
  HWND MdiChildCreated = nullptr;
  bool Active = true;
  MdiRole Mdi = MdiRole::None;
  FrameKind Kind = FrameKind::Fixed;
  int Capabilities = 0;
  WinState WindowState = WinState::Normal;
  SkinPhase Phase = SkinPhase::Attached;
  TTimer* HoverTimer() const { return hover_timer_; }
  TPopupMenu* SystemPopup() const { return system_popup_; }
  kq::skin::FrameMetrics Metrics() const { return {FrameLeft, FrameTop, FrameRight, FrameBottom}; }
  bool Subclassed() const { return subclass_.Attached(); }
  bool Minimised() const { return WindowState == WinState::Minimised; }
  bool IsMdiChild() const { return Mdi == MdiRole::Child; }
  // An MDI child while a maximised child is shown: the frame is the system's then.
  bool UnderMaximisedChild() const;

  // ---- menu painter (win_skin_form_menus.cpp) ----
  // Draws an item of a hooked menu in the skin's look (its draw handler).
  void PaintMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT odsState);
  // Adds the skin's room to an item's own measure (its measure handler).
  void MeasureSkinnedItem(TMenuItem* item, int& width, int& height, bool systemPopup);
  // Opens a menu-bar button's popup and waits until it closes; false when it has none.
  bool OpenMenuBtn(int index);
  // Posts a click on a menu-bar button (opens it; ends an open popup first).
  void PostMenuBtnClick(int index);
  void EndMenuTracking() { MenuTracking = false; }
  // Hides the surplus separators of an item's children; the entries hidden are returned.
  std::vector<TMenuItem*> HideSurplusSeparators(TMenuItem* item);

  // Published-property adapters.
  int GetDisableTag() const { return DisableTag; }
  void SetDisableTag(int v) { DisableTag = v; }

 protected:
  void Notification(TComponent* component, TOperation op) override;

 private:
  struct CallFrame {
    bool dead = false;
    CallFrame* prev = nullptr;
  };

  LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) override;
  LRESULT FormWndProc(UINT msg, WPARAM w, LPARAM l, const CallFrame& frame);
  LRESULT FrameStage(UINT msg, WPARAM w, LPARAM l, const CallFrame& frame);
  LRESULT NonClientStage(UINT msg, WPARAM w, LPARAM l, bool& handled, const CallFrame& frame);
  LRESULT Default(UINT msg, WPARAM w, LPARAM l);
  // The form object's message chain.
  void FormDispatch(TMessage& m);

  void OnSkinControls();
  void DiscoverControls();
  void SizeHandler(WPARAM w, LPARAM l);
  bool FrameOutOfStep() const;
  LRESULT NcCalcSize(WPARAM w, LPARAM l);
  LRESULT NcHitTest(WPARAM w, LPARAM l);
  LRESULT NcMouse(UINT msg, WPARAM w, LPARAM l, const CallFrame& frame);
  LRESULT SysCommand(WPARAM w, LPARAM l, const CallFrame& frame);
  LRESULT NcActivate(WPARAM w, LPARAM l);
  void BuildSystemPopup();
  void SystemPopupClick(int tag);
  void FindMdiClient();
  void DetachOnDestroy();
  void DetachControlsOnly();
  void PostSysCommand(WPARAM command);

  // Frame painter's part (win_skin_form_frame.cpp).
  // Composes the whole frame into CaptionBitmap; `stateButton` in its state's look.
  bool ComposeFrame(const TNCObject* stateButton);
  // The caption strip (the top `caption` rows of the composed frame): text, then buttons.
  void PaintCaption(kq::Bitmap& picture, HDC dc, const kq::Rect& caption, const TNCObject* stateButton);
  void BuildCaptionButtons();
  void FreeCaptionButtons();
  void FillIconBitmap();
  void PerformButtonAction(TNCObject* button, POINT messagePoint);
  void HoverTimerTick();

  // Menu painter's part (win_skin_form_menus.cpp).
  void CreateMenuBar();
  void FreeMenuBar();
  void ReloadMenuBar(HMENU menu);
  bool MenuBarAccelerator(WCHAR ch) const;
  // Posts a click on the enabled, visible menu-bar button with this accelerator; false if none.
  bool ClickMenuBarAccelerator(WCHAR ch);
  void PaintMenuBar(HDC dc, const TNCObject* stateButton);
  // `secondClick`: the press came as the second of a double click.
  void OpenMenuBarButton(TNCObject* button, bool secondClick = false);
  void HookMenuItems();
  void UnhookMenuItems();
  bool MeasureMenuItem(MEASUREITEMSTRUCT& mis);
  // The item of the form's main menu under a command that the skin draws when its popup opens
  // from the menu bar: one below the bar's own entries without a draw or measure handler.
  TMenuItem* SkinDrawnMainMenuItem(UINT command) const;
  bool DrawMenuItem(const DRAWITEMSTRUCT& dis);
  void HookMenu(TMenu* menu, bool popup);
  void HookSystemPopupItems();
  void MenuSelect(WPARAM w, LPARAM l);
  struct HookedMenu {
    TMenu* menu = nullptr;
    bool popup = false;
    bool ownerDraw = false;  // what it was before
  };
  std::vector<HookedMenu> hooked_menus_;
  // Cleared when the skinner goes: item handlers of menus that outlive it check it.
  std::shared_ptr<TWinSkinForm*> self_ref_ = std::make_shared<TWinSkinForm*>(this);
  int menus_busy_ = 0;  // item handlers are being changed: no menu-bar reloads

  // MDI client subclassing.
  class MdiClientHook;
  friend class MdiClientHook;
  LRESULT MdiClientWndProc(HWND client, UINT msg, WPARAM w, LPARAM l);

  HWND hwnd_ = nullptr;
  TSkinLook* skin_ = nullptr;
  TForm* form_ = nullptr;
  WindowSubclass subclass_{SubclassKind::Form};
  std::unique_ptr<MdiClientHook> mdi_client_hook_;
  TWndMethod saved_form_proc_;
  bool form_proc_hooked_ = false;
  kq::ui::GdiHandle<HFONT> caption_font_;
  kq::ui::GdiHandle<HFONT> menu_font_;
  TTimer* hover_timer_ = nullptr;  // owned (component of this skinner)
  TPopupMenu* system_popup_ = nullptr;  // owned (component of this skinner)
  RECT client_rect_{};
  kq::skin::Size saved_extra_{};
  LONG_PTR saved_style_ = 0;
  TColor saved_colour_ = 0;
  bool saved_menu_update_ = true;
  bool caption_styles_on_ = true;
  std::uint32_t removed_caption_ = 0;
  bool attached_once_ = false;
  std::optional<DWORD> last_popup_tick_;
  UINT double_click_time_ = 500;
  struct PopupUse {
    TPopupMenu* menu = nullptr;
    bool orphaned = false;  // the skinner let go of the menu while it was open
  };
  PopupUse* popup_in_use_ = nullptr;
  void FreeSystemPopup();
  TCanvas frame_canvas_;
  TCanvas control_canvas_;
  CallFrame* top_frame_ = nullptr;
};

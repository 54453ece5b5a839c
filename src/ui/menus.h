// Menus: TMenuItem trees under a TMainMenu (a form's menu bar) or a TPopupMenu.
//
//   auto* N1 = new TMenuItem(this);          // owned by the form, like any component
//   N1->SetCaption(L"显示/隐藏");
//   N1->OnClick = [this](TObject*) { N1Click(); };
//   PopupMenu1->Items()->Add(N1);            // a caption of "-" is a separator
//   PopupMenu1->Popup(x, y);                 // screen point; the chosen item's OnClick runs
//
// The Win32 menu handles mirror the tree and are rebuilt when an item changes; invisible
// items are left out. Each item has a WM_COMMAND id (Command) that finds it again.
//
// Owner drawing: an item is drawn by the program when its menu's OwnerDraw is on or when it
// has its own draw handler. A skinner installs per-item handlers and clears them again:
//   item->SetOnDrawItem([](TMenuItem* i, TCanvas& c, const RECT& r, UINT odsState) {...});
//   item->SetOnMeasureItem([](TMenuItem* i, TCanvas& c, int& w, int& h) {...});
//   item->SetOnDrawItem(nullptr);            // back to the system's drawing
// Without a handler an owner-drawn item gets a plain default look.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/graphics.h"

class TMenu;
class TMenuItem;
class TImageList;

// Key + modifiers as the runtime encodes it: virtual key | scShift | scCtrl | scAlt.
using TShortCut = unsigned short;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000;
TShortCut ShortCutFromKey(WORD vk, unsigned shiftState);  // shiftState: ssShift|ssCtrl|ssAlt
std::wstring ShortCutToText(TShortCut sc);                // "Shift+F4"
TShortCut TextToShortCut(const std::wstring& text);       // 0 when not understood

using TMenuDrawItemEvent = std::function<void(TMenuItem*, TCanvas&, const RECT&, UINT state)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem*, TCanvas&, int& width, int& height)>;

class TMenuItem : public TComponent {
  KQ_DECLARE_CLASS(TMenuItem)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // Children.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Item(int i) const { return items_.at(static_cast<size_t>(i)); }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  TMenuItem* ParentItem() const { return parent_; }
  int IndexOf(const TMenuItem* item) const;
  // The menu the tree belongs to (nullptr for a loose item).
  TMenu* GetMenu() const;

  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& v);
  bool IsLine() const { return caption_ == L"-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool RadioItem() const { return radio_; }
  void SetRadioItem(bool v);
  TShortCut ShortCut() const { return shortcut_; }
  void SetShortCut(TShortCut v);
  int ImageIndex() const { return image_index_; }
  void SetImageIndex(int v);

  UINT Command() const { return command_; }
  // The submenu of an item with children (the menu bar / popup of the root item).
  HMENU Handle();
  bool HasHandle() const { return handle_ != nullptr; }
  // Whether the item is drawn by the program.
  bool IsOwnerDraw() const;

  void SetOnDrawItem(TMenuDrawItemEvent e);
  void SetOnMeasureItem(TMenuMeasureItemEvent e);
  const TMenuDrawItemEvent& OnDrawItem() const { return on_draw_; }
  const TMenuMeasureItemEvent& OnMeasureItem() const { return on_measure_; }

  virtual void Click();
  TNotifyEvent OnClick;

  // WM_DRAWITEM / WM_MEASUREITEM of an owner-drawn item, found by its command id; false
  // when the id is not one of ours.
  static bool DispatchDrawItem(const DRAWITEMSTRUCT& dis);
  static bool DispatchMeasureItem(MEASUREITEMSTRUCT& mis);
  // The item under a command id (nullptr when none).
  static TMenuItem* FromCommand(UINT cmd);

  // Published-property adapters.
  std::wstring GetCaption() const { return caption_; }
  bool GetChecked() const { return checked_; }
  bool GetEnabled() const { return enabled_; }
  bool GetVisible() const { return visible_; }
  int GetShortCutInt() const { return shortcut_; }
  void SetShortCutInt(int v) { SetShortCut(static_cast<TShortCut>(v)); }
  int GetImageIndex() const { return image_index_; }

 protected:
  friend class TMenu;
  friend class TMainMenu;
  // Makes the Win32 menu hold the visible children again, then tells the menu.
  void Rebuild();
  void Changed();
  bool DispatchShortCut(TShortCut sc);
  TMenuItem* FindCommand(UINT cmd);

  TMenu* menu_ = nullptr;  // set on the root item only
  bool menu_bar_ = false;  // the root item of a main menu: its handle is a menu bar

 private:
  void DefaultDraw(TCanvas& c, const RECT& r, UINT state);
  void DefaultMeasure(TCanvas& c, int& w, int& h);

  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  std::wstring caption_;
  bool checked_ = false, enabled_ = true, visible_ = true, radio_ = false;
  TShortCut shortcut_ = 0;
  int image_index_ = -1;
  UINT command_ = 0;
  HMENU handle_ = nullptr;
  TMenuDrawItemEvent on_draw_;
  TMenuMeasureItemEvent on_measure_;
};

class TMenu : public TComponent {
  KQ_DECLARE_CLASS(TMenu)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  HMENU Handle() const { return items_->Handle(); }
  bool OwnerDraw() const { return owner_draw_; }
  void SetOwnerDraw(bool v);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* il);
  // Runs the item with this short cut (visible and enabled); false when there is none.
  bool DispatchShortCut(TShortCut sc);
  TMenuItem* FindItem(UINT command) const;

  bool GetOwnerDraw() const { return owner_draw_; }

 protected:
  friend class TMenuItem;
  virtual void MenuChanged() {}
  void Notification(TComponent* component, TOperation op) override;

 private:
  TMenuItem* items_;
  bool owner_draw_ = false;
  TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
  KQ_DECLARE_CLASS(TMainMenu)

 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  // The window whose menu bar this is (set by TForm).
  void SetWindowHandle(HWND wnd) { window_ = wnd; }
  HWND WindowHandle() const { return window_; }

 protected:
  void MenuChanged() override;

 private:
  HWND window_ = nullptr;
};

class TPopupMenu : public TMenu {
  KQ_DECLARE_CLASS(TPopupMenu)

 public:
  explicit TPopupMenu(TComponent* owner);
  // Opens the menu at a screen point and waits until it closes; the chosen item's OnClick
  // runs before Popup returns.
  virtual void Popup(int x, int y);
  bool AutoPopup = true;                  // opened on right click of its control
  TComponent* PopupComponent = nullptr;   // the control it was last opened for
  TNotifyEvent OnPopup;

  bool GetAutoPopup() const { return AutoPopup; }
  void SetAutoPopup(bool v) { AutoPopup = v; }
};

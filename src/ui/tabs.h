// Tabbed controls: the tab control (SysTabControl32) with plain tabs, the page control whose
// tabs show one of its sheets, and the tab set, a strip of tabs the control draws itself.
//
// Class identity follows the runtime's tree, so the skin's selection rules can ask "is X":
//   TTabControl  -> TCustomTabControl -> TWinControl
//   TPageControl -> TCustomTabControl -> TWinControl
//   TTabSheet    -> TWinControl
//   TTabSet      -> TCustomTabSet -> TCustomControl -> TWinControl
//
// A page control keeps one tab per sheet, in page order; the sheet of the selected tab is the
// one shown, laid over the control's display area. The user's choice arrives as the tab
// control's TCN_SELCHANGE notification, which the parent reflects back to the control.
//
//   auto* pages = new TPageControl(form);
//   pages->SetParent(form);
//   pages->SetBounds(16, 16, 300, 200);
//   auto* sheet = new TTabSheet(form);
//   sheet->SetPageControl(pages);
//   sheet->SetCaption(L"定时");
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

using TTabChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TCustomTabControl : public TWinControl {
  KQ_DECLARE_CLASS(TCustomTabControl)

 public:
  explicit TCustomTabControl(TComponent* owner);

  // Which side the tabs are on; part of the window style, so fixed once the window exists.
  TTabPosition TabPosition() const { return position_; }
  void SetTabPosition(TTabPosition v);
  // Several rows of tabs instead of scroll arrows (tabs at the left or right are always in
  // rows).
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool v);

  int TabCount() const { return static_cast<int>(tabs_.size()); }
  // The selected tab, -1 for none.
  int TabIndex() const;
  // Selects a tab without the change events (as the runtime does).
  void SetTabIndex(int v);
  // The area the tabs leave for the page, in client coordinates.
  RECT DisplayRect();
  // A tab's rectangle in client coordinates (empty without a window).
  RECT TabRect(int index);
  // The tab at a client point, -1 for none.
  int IndexOfTabAt(int x, int y);

  // Before the user's choice takes effect; clearing allowChange keeps the old tab.
  TTabChangingEvent OnChanging;
  // After the user chose another tab.
  TNotifyEvent OnChange;

 protected:
  const std::vector<std::wstring>& TabTexts() const { return tabs_; }
  void InsertTab(int index, const std::wstring& text);
  void DeleteTab(int index);
  void SetTabText(int index, const std::wstring& text);
  void ClearTabs();

  virtual bool CanChange();
  virtual void Change();

  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  void RequireNoWindow() const;
  std::vector<std::wstring> tabs_;
  int tab_index_ = -1;
  TTabPosition position_ = tpTop;
  bool multi_line_ = false;
};

class TTabControl : public TCustomTabControl {
  KQ_DECLARE_CLASS(TTabControl)

 public:
  explicit TTabControl(TComponent* owner);
  const std::vector<std::wstring>& Tabs() const { return TabTexts(); }
  void SetTabs(const std::vector<std::wstring>& tabs);
  int AddTab(const std::wstring& text);

  // Published-property adapters.
  int GetTabIndex() const { return TabIndex(); }
};

class TPageControl;

class TTabSheet : public TWinControl {
  KQ_DECLARE_CLASS(TTabSheet)

 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;

  TPageControl* PageControl() const { return page_control_; }
  // Puts the sheet (and its tab, at the end) on a page control, or takes it off (nullptr).
  void SetPageControl(TPageControl* pc);
  // The sheet's place among its page control's pages, -1 when on none.
  int PageIndex() const;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;

 private:
  friend class TPageControl;
  TPageControl* page_control_ = nullptr;
};

class TPageControl : public TCustomTabControl {
  KQ_DECLARE_CLASS(TPageControl)

 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const;
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const { return TabIndex(); }
  void SetActivePageIndex(int v);

 protected:
  void Change() override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PageCaptionChanged(TTabSheet* page);
  // Shows the sheet of the selected tab and hides the others.
  void ShowActivePage();
  // Lays every sheet over the display area.
  void PlaceSheets();
  std::vector<TTabSheet*> pages_;
};

// A strip of tabs along the bottom of a page, drawn by the control: they hang from its top
// edge, the selected one joined to the page above.
class TTabSet : public TWinControl {
  KQ_DECLARE_CLASS(TTabSet)

 public:
  explicit TTabSet(TComponent* owner);

  const std::vector<std::wstring>& Tabs() const { return tabs_; }
  void SetTabs(const std::vector<std::wstring>& tabs);
  int AddTab(const std::wstring& text);
  int TabIndex() const { return tab_index_; }
  // Selects a tab (or none with -1) without the change event.
  void SetTabIndex(int v);
  int TabHeight() const { return tab_height_; }
  void SetTabHeight(int v);
  // Space before the first tab.
  int StartMargin() const { return start_margin_; }
  void SetStartMargin(int v);

  // A tab's rectangle in client coordinates: from the top edge down, as wide as its text
  // plus a margin on both sides.
  RECT TabRect(int index);
  // The tab at a client point, -1 for none.
  int TabAtPos(int x, int y);

  // After the user chose another tab.
  TNotifyEvent OnChange;

  // Published-property adapters.
  int GetTabIndex() const { return tab_index_; }

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
  void PaintWindow(HDC dc) override;

 private:
  std::vector<RECT> Layout();
  std::vector<std::wstring> tabs_;
  int tab_index_ = -1;
  int tab_height_ = 20;
  int start_margin_ = 5;
};

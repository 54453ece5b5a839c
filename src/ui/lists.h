// Scrolling controls: memo, list box, scroll bar, list view (report style) and scroll box.
//
// Class identity follows the runtime's tree, so the skin's selection rules can ask "is X":
//   TMemo -> TCustomMemo -> TCustomEdit -> TWinControl
//   TListBox -> TCustomListBox -> TCustomListControl -> TWinControl
//   TScrollBar -> TWinControl                      (published "Kind": sbHorizontal/sbVertical)
//   TListView -> TCustomListView -> TCustomMultiSelectListControl -> TCustomListControl
//   TScrollBox -> TScrollingWinControl -> TWinControl
//
// Each keeps its content while it has no window and hands it to the window when that is made.
#pragma once

#include <string>
#include <vector>

#include "ui/controls.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
  KQ_DECLARE_CLASS(TMemo)

 public:
  explicit TMemo(TComponent* owner);
  // The lines of the text (joined with CR LF in the window).
  std::vector<std::wstring> Lines() const;
  void SetLines(const std::vector<std::wstring>& lines);
  void AddLine(const std::wstring& line);
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle v);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v);
  // The first line shown (EM_GETFIRSTVISIBLELINE), 0 without a window.
  int TopLine();
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;

 private:
  TScrollStyle scroll_bars_ = ssNone;
  bool read_only_ = false;
};

class TListBox : public TWinControl {
  KQ_DECLARE_CLASS(TListBox)

 public:
  explicit TListBox(TComponent* owner);
  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int AddItem(const std::wstring& item);
  void ClearItems();
  // -1: no item selected.
  int ItemIndex() const;
  void SetItemIndex(int v);
  // The first item shown.
  int TopIndex() const;
  void SetTopIndex(int v);
  int ItemHeight() const;
  // A horizontal scroll bar appears when the text is wider than this (0: never).
  int ScrollWidth() const { return scroll_width_; }
  void SetScrollWidth(int v);
  TNotifyEvent OnClick;

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  std::vector<std::wstring> items_;
  int item_index_ = -1;
  int top_index_ = 0;
  int scroll_width_ = 0;
};

enum TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
  KQ_DECLARE_CLASS(TScrollBar)

 public:
  explicit TScrollBar(TComponent* owner);
  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind v);
  int Min() const { return min_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v) { SetParams(v, min_, max_); }
  int PageSize() const { return page_size_; }
  void SetPageSize(int v);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int v) { small_change_ = v; }
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int v) { large_change_ = v; }
  // Position held in [min, max - page + 1] (or [min, max] without a page).
  void SetParams(int position, int min, int max);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  void PushScrollInfo();
  void Scroll(int code, int trackPos);
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, page_size_ = 0;
  int small_change_ = 1, large_change_ = 1;
};

struct TListColumn {
  std::wstring Caption;
  int Width = 50;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView : public TWinControl {
  KQ_DECLARE_CLASS(TListView)

 public:
  explicit TListView(TComponent* owner);
  TViewStyle ViewStyle() const { return view_style_; }
  void SetViewStyle(TViewStyle v);
  void AddColumn(const std::wstring& caption, int width);
  const std::vector<TListColumn>& Columns() const { return columns_; }
  // One row: the caption, then the sub-items of the further columns.
  int AddItem(const std::vector<std::wstring>& cells);
  int ItemCount() const { return static_cast<int>(items_.size()); }
  // The header window of the report view, or nullptr.
  HWND HeaderHandle();

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;

 private:
  void InsertColumn(int index);
  void InsertItem(int index);
  TViewStyle view_style_ = vsReport;
  std::vector<TListColumn> columns_;
  std::vector<std::vector<std::wstring>> items_;
};

// A container whose children scroll: a bar appears on a side when Range is larger than the
// client area there.
class TScrollBox : public TWinControl {
  KQ_DECLARE_CLASS(TScrollBox)

 public:
  explicit TScrollBox(TComponent* owner);
  int HorzRange() const { return range_[0]; }
  int VertRange() const { return range_[1]; }
  void SetRange(int horz, int vert);
  int HorzPosition() const { return pos_[0]; }
  int VertPosition() const { return pos_[1]; }

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  void UpdateBars();
  void ScrollTo(int bar, int pos);
  int range_[2] = {0, 0};
  int pos_[2] = {0, 0};
};

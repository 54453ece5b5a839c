// The standard controls: push button, check box, radio button, edit, label, group box and
// combo box. Each is a Win32 control window (BUTTON, EDIT, COMBOBOX) driven through the
// W functions, except TLabel, which has no window and is painted by its parent.
//
// Class identity follows the runtime's tree, so selection rules can ask "is X":
//   TButton -> TButtonControl -> TWinControl        TEdit -> TCustomEdit -> TWinControl
//   TCheckBox -> TCustomCheckBox -> TButtonControl  TRadioButton -> TButtonControl
//   TGroupBox -> TCustomGroupBox -> TCustomControl  TLabel -> TCustomLabel -> TGraphicControl
//   TComboBox -> TCustomComboBox -> TCustomCombo -> TCustomListControl -> TWinControl
//
// Clicks arrive as reflected notifications (CN_COMMAND with BN_CLICKED ...) and end in
// Click(), which runs OnClick.
#pragma once

#include <string>
#include <vector>

#include "ui/controls.h"

class TButtonControl : public TWinControl {
  KQ_DECLARE_CLASS(TButtonControl)

 public:
  explicit TButtonControl(TComponent* owner);

 protected:
  void WndProc(TMessage& m) override;
  // An Alt+letter matching the caption's "&letter": what the control does then.
  virtual void Accelerated() { Click(); }
};

// True when `ch` is the accelerator ("&x") of `caption`, compared without regard to case.
bool IsAccel(wchar_t ch, const std::wstring& caption);

class TButton : public TButtonControl {
  KQ_DECLARE_CLASS(TButton)

 public:
  explicit TButton(TComponent* owner);
  // BS_DEFPUSHBUTTON; Enter on the form clicks it.
  bool Default() const { return default_; }
  void SetDefault(bool v);
  // Escape on the form clicks it.
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  // Non-zero: a click sets the form's ModalResult (ends a modal showing).
  int ModalResult() const { return modal_result_; }
  void SetModalResult(int v) { modal_result_ = v; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;

 private:
  bool default_ = false, cancel_ = false;
  int modal_result_ = 0;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButtonControl {
  KQ_DECLARE_CLASS(TCheckBox)

 public:
  explicit TCheckBox(TComponent* owner);
  bool Checked() const { return State() == cbChecked; }
  void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
  TCheckBoxState State() const;
  void SetState(TCheckBoxState v);
  bool AllowGrayed() const { return allow_grayed_; }
  void SetAllowGrayed(bool v);
  // taRightJustify (text right of the box, the default) or taLeftJustify.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;
  void Accelerated() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allow_grayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TRadioButton : public TButtonControl {
  KQ_DECLARE_CLASS(TRadioButton)

 public:
  explicit TRadioButton(TComponent* owner);
  bool Checked() const { return checked_; }
  // Checking one unchecks the other radio buttons of the same parent.
  void SetChecked(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v) { alignment_ = v; }

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;
  void Accelerated() override;

 private:
  bool checked_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TEdit : public TWinControl {
  KQ_DECLARE_CLASS(TEdit)

 public:
  explicit TEdit(TComponent* owner);
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool v);
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int v);
  void SelectAll();
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  bool read_only_ = false;
  int max_length_ = 0;
};

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
  KQ_DECLARE_CLASS(TLabel)

 public:
  explicit TLabel(TComponent* owner);
  // AutoSize (default on) fits the bounds to the text; WordWrap then keeps the width.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout v);
  // Transparent: the parent's surface shows through instead of the label's Color.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);
  bool ShowAccelChar() const { return show_accel_; }
  void SetShowAccelChar(bool v);
  // The control an Alt+accelerator of the caption focuses.
  TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(TWinControl* c);
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  void Paint(TCanvas& canvas) override;
  void WndProc(TMessage& m) override;
  void TextChanged() override;
  void FontChanged() override;
  void Notification(TComponent* component, TOperation op) override;

 private:
  UINT TextFlags() const;
  void AdjustBounds();

  bool auto_size_ = true, word_wrap_ = false, transparent_ = false, show_accel_ = true;
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  TWinControl* focus_control_ = nullptr;
  bool adjusting_ = false;
};

class TGroupBox : public TWinControl {
  KQ_DECLARE_CLASS(TGroupBox)

 public:
  explicit TGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& p) override;
  void WndProc(TMessage& m) override;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
  KQ_DECLARE_CLASS(TComboBox)

 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int AddItem(const std::wstring& item);
  void ClearItems();
  // -1: no item selected.
  int ItemIndex() const;
  void SetItemIndex(int v);
  int ItemHeight() const;
  void SetItemHeight(int v);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle v);
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int v) { drop_down_count_ = v; }
  // The combo box's inner edit window (csDropDown), or nullptr.
  HWND EditHandle() const { return edit_; }
  void SetBounds(int left, int top, int width, int height) override;
  void ChangeScale(int m, int d) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  friend LRESULT CALLBACK ComboEditProc(HWND, UINT, WPARAM, LPARAM);
  int ListHeight() const;

  std::vector<std::wstring> items_;
  int item_index_ = -1;
  int item_height_ = 0;  // 0: as the control makes it
  int drop_down_count_ = 8;
  TComboBoxStyle style_ = csDropDown;
  HWND edit_ = nullptr;
  WNDPROC edit_proc_ = nullptr;
};

// TRadioGroup: a group box holding one radio button per item, of which at most one is
// checked; ItemIndex says which (-1: none). The buttons are made, owned and placed by the
// group (in Columns columns under the caption); clicking one sets ItemIndex and runs the
// group's OnClick.
//
// Class tree: TRadioGroup -> TCustomRadioGroup -> TCustomGroupBox, so rules that ask
// "is TCustomRadioGroup" or "is TCustomGroupBox" both hold.
#pragma once

#include <string>
#include <vector>

#include "ui/stdctrls.h"

class TRadioGroup : public TGroupBox {
  KQ_DECLARE_CLASS(TRadioGroup)

 public:
  explicit TRadioGroup(TComponent* owner);

  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(const std::vector<std::wstring>& items);
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int v);
  int Columns() const { return columns_; }
  void SetColumns(int v);
  // The radio button of item i.
  TRadioButton* Button(int i) const { return buttons_.at(static_cast<size_t>(i)); }
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }

  void SetBounds(int left, int top, int width, int height) override;

  // Published-property adapters: items as lines.
  std::wstring GetItemsText() const;
  void SetItemsText(const std::wstring& lines);

 protected:
  void FontChanged() override;

 private:
  void ArrangeButtons();
  void ButtonClicked(int index);

  std::vector<std::wstring> items_;
  std::vector<TRadioButton*> buttons_;  // owned as components of the group
  int item_index_ = -1;
  int columns_ = 1;
};

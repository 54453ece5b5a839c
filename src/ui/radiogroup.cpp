#include "ui/radiogroup.h"

#include <algorithm>

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo custom("TCustomRadioGroup", TGroupBox::StaticClass().Parent());
  static const TClassInfo info(
      "TRadioGroup", &custom,
      {props::Text<TControl>("Caption", &TControl::GetCaption, &TControl::SetCaptionText),
       props::Text<TRadioGroup>("Items", &TRadioGroup::GetItemsText, &TRadioGroup::SetItemsText),
       props::Int<TRadioGroup, int>("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex),
       props::Int<TRadioGroup, int>("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)});
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {}

void TRadioGroup::SetItems(const std::vector<std::wstring>& items) {
  for (TRadioButton* b : buttons_) delete b;
  buttons_.clear();
  items_ = items;
  for (size_t i = 0; i < items_.size(); ++i) {
    auto* b = new TRadioButton(this);
    b->SetCaption(items_[i]);
    const int index = static_cast<int>(i);
    b->OnClick = [this, index](TObject*) { ButtonClicked(index); };
    b->SetParent(this);
    buttons_.push_back(b);
  }
  if (item_index_ >= static_cast<int>(items_.size())) item_index_ = -1;
  if (item_index_ >= 0) buttons_[static_cast<size_t>(item_index_)]->SetChecked(true);
  ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int v) {
  if (v < -1 || v >= static_cast<int>(buttons_.size())) v = -1;
  item_index_ = v;
  if (v >= 0) {
    buttons_[static_cast<size_t>(v)]->SetChecked(true);  // unchecks the others
  } else {
    for (TRadioButton* b : buttons_) b->SetChecked(false);
  }
}

void TRadioGroup::SetColumns(int v) {
  columns_ = std::clamp(v, 1, 16);
  ArrangeButtons();
}

void TRadioGroup::SetBounds(int left, int top, int width, int height) {
  TGroupBox::SetBounds(left, top, width, height);
  ArrangeButtons();
}

void TRadioGroup::FontChanged() {
  TGroupBox::FontChanged();
  ArrangeButtons();
}

void TRadioGroup::ButtonClicked(int index) {
  item_index_ = index;
  Click();
}

void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  // The caption's line height, from the font the group draws it in.
  int lineHeight = 13;
  if (HDC dc = GetDC(nullptr)) {
    HGDIOBJ old = SelectObject(dc, Font().Handle());
    TEXTMETRICW tm{};
    if (GetTextMetricsW(dc, &tm)) lineHeight = tm.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
  }
  const int count = static_cast<int>(buttons_.size());
  const int perColumn = (count + columns_ - 1) / columns_;
  const int buttonWidth = std::max((Width() - 10) / columns_, 0);
  const int room = std::max(Height() - lineHeight - 5, 0);
  const int buttonHeight = room / perColumn;
  const int topMargin = lineHeight + 1 + (room % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    buttons_[static_cast<size_t>(i)]->SetBounds((i / perColumn) * buttonWidth + 8,
                                                (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                buttonHeight);
}

std::wstring TRadioGroup::GetItemsText() const {
  std::wstring out;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i) out += L"\r\n";
    out += items_[i];
  }
  return out;
}

void TRadioGroup::SetItemsText(const std::wstring& lines) {
  std::vector<std::wstring> items;
  size_t start = 0;
  while (start <= lines.size() && !lines.empty()) {
    size_t end = lines.find(L'\n', start);
    std::wstring line = lines.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    items.push_back(line);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  // A final line break ends the last item; it does not start another.
  if (!items.empty() && items.back().empty()) items.pop_back();
  SetItems(items);
}

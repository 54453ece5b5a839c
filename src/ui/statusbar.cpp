#include "ui/statusbar.h"

#include <commctrl.h>

#include <algorithm>

using namespace kq::ui;

// ---- TStatusPanel ------------------------------------------------------------------------

void TStatusPanel::Changed() {
  if (bar_) bar_->UpdatePanels();
}
void TStatusPanel::SetText(const std::wstring& v) {
  text_ = v;
  Changed();
}
void TStatusPanel::SetWidth(int v) {
  width_ = std::max(v, 0);
  Changed();
}
void TStatusPanel::SetBevel(TStatusPanelBevel v) {
  bevel_ = v;
  Changed();
}
void TStatusPanel::SetStyle(TStatusPanelStyle v) {
  style_ = v;
  Changed();
}
void TStatusPanel::SetAlignment(TAlignment v) {
  alignment_ = v;
  Changed();
}
void TStatusPanel::SetBiDiMode(TBiDiMode v) {
  bidi_ = v;
  Changed();
}

int TStatusPanel::Index() const {
  if (!bar_) return -1;
  for (int i = 0; i < bar_->PanelCount(); ++i)
    if (bar_->Panel(i) == this) return i;
  return -1;
}

// ---- TStatusBar --------------------------------------------------------------------------

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo custom("TCustomStatusBar", &TWinControl::StaticClass());
  static const TClassInfo info(
      "TStatusBar", &custom,
      {props::Bool<TStatusBar>("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
       props::Text<TStatusBar>("SimpleText", &TStatusBar::GetSimpleText, &TStatusBar::SetSimpleTextProp),
       props::Bool<TStatusBar>("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)});
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  parent_color_ = false;
  color_ = clBtnFace;
  width_ = 200;
  height_ = 19;
}

TStatusBar::~TStatusBar() { panels_.clear(); }

void TStatusBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = STATUSCLASSNAMEW;
  // The layer places the bar; the control must not move itself to its parent's bottom.
  p.Style |= CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  if (size_grip_) p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::HandleCreated() {
  UpdatePanels();
}

TStatusPanel* TStatusBar::AddPanel(const std::wstring& text, int width) {
  panels_.push_back(std::make_unique<TStatusPanel>(this));
  TStatusPanel* p = panels_.back().get();
  p->SetText(text);
  p->SetWidth(width);
  return p;
}

void TStatusBar::ClearPanels() {
  panels_.clear();
  UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool v) {
  simple_panel_ = v;
  if (HWND h = HandleOrNull()) SendMessageW(h, SB_SIMPLE, v ? TRUE : FALSE, 0);
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::wstring& v) {
  simple_text_ = v;
  if (HWND h = HandleOrNull())
    SendMessageW(h, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simple_text_.c_str()));
}

void TStatusBar::SetSizeGrip(bool v) {
  if (v == size_grip_) return;
  size_grip_ = v;
  if (HandleOrNull()) {
    SetStyle(v ? (Style() | SBARS_SIZEGRIP) : (Style() & ~static_cast<LONG_PTR>(SBARS_SIZEGRIP)));
    UpdatePanels();
  }
}

void TStatusBar::UpdatePanels() {
  HWND h = HandleOrNull();
  if (!h) return;
  // The panels' right edges; the last runs to the end of the bar.
  std::vector<int> edges;
  int edge = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    edge += panels_[i]->Width();
    edges.push_back(i + 1 == panels_.size() ? -1 : edge);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(h, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panels_.size(); ++i) {
    const TStatusPanel& p = *panels_[i];
    WPARAM flags = i;
    if (p.Bevel() == pbNone) flags |= SBT_NOBORDERS;
    if (p.Bevel() == pbRaised) flags |= SBT_POPOUT;
    if (p.UseRightToLeftReading()) flags |= SBT_RTLREADING;
    if (p.Style() == psOwnerDraw) {
      SendMessageW(h, SB_SETTEXTW, flags | SBT_OWNERDRAW, static_cast<LPARAM>(i));
      continue;
    }
    // The control centres text after one tab and right-aligns it after two.
    std::wstring text = p.Alignment() == taCenter ? L"\t" + p.Text()
                        : p.Alignment() == taRightJustify ? L"\t\t" + p.Text()
                                                          : p.Text();
    SendMessageW(h, SB_SETTEXTW, flags, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageW(h, SB_SIMPLE, simple_panel_ ? TRUE : FALSE, 0);
  SendMessageW(h, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(simple_text_.c_str()));
  InvalidateRect(h, nullptr, TRUE);
}

void TStatusBar::DrawPanel(const DRAWITEMSTRUCT& item) {
  const int i = static_cast<int>(item.itemData);
  if (!OnDrawPanel || i < 0 || i >= PanelCount()) return;
  canvas_.SetHandle(item.hDC);
  canvas_.Font().Assign(Font());
  OnDrawPanel(this, Panel(i), item.rcItem);
  canvas_.SetHandle(nullptr);
}

void TStatusBar::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return;
  }
  TWinControl::WndProc(m);
}

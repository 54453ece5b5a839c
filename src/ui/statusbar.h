// TStatusBar: the common-controls status bar (msctls_statusbar32) with its panels.
//
// Either one simple text over the whole bar (SimplePanel) or a row of panels, each with its
// text, width, bevel, alignment and reading order; an owner-drawn panel is painted by the
// bar's OnDrawPanel. The last panel always runs to the right end of the bar (or to the size
// grip), whatever its Width says.
//
// The bar keeps the bounds the program gives it (it does not dock itself to its parent's
// bottom edge): the form places it, as every other control.
//
//   auto* bar = new TStatusBar(form);
//   bar->SetParent(form);
//   bar->SetBounds(0, 230, 326, 19);
//   bar->AddPanel(L"就绪", 120);
//   bar->AddPanel(L"", 80)->SetBevel(pbNone);
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls.h"

class TStatusBar;

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

class TStatusPanel {
 public:
  explicit TStatusPanel(TStatusBar* bar) : bar_(bar) {}
  TStatusPanel(const TStatusPanel&) = delete;
  TStatusPanel& operator=(const TStatusPanel&) = delete;

  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& v);
  int Width() const { return width_; }
  void SetWidth(int v);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel v);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  TBiDiMode BiDiMode() const { return bidi_; }
  void SetBiDiMode(TBiDiMode v);
  // Any right-to-left mode reads the text from the right.
  bool UseRightToLeftReading() const { return bidi_ != bdLeftToRight; }
  // The panel's position among the bar's panels.
  int Index() const;

 private:
  void Changed();
  TStatusBar* bar_;
  std::wstring text_;
  int width_ = 50;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
  TAlignment alignment_ = taLeftJustify;
  TBiDiMode bidi_ = bdLeftToRight;
};

using TDrawPanelEvent = std::function<void(TStatusBar* bar, TStatusPanel* panel, const RECT& rect)>;

class TStatusBar : public TWinControl {
  KQ_DECLARE_CLASS(TStatusBar)

 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;

  // ---- panels ----
  TStatusPanel* AddPanel(const std::wstring& text = {}, int width = 50);
  void ClearPanels();
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  TStatusPanel* Panel(int i) const { return panels_.at(static_cast<size_t>(i)).get(); }

  bool SimplePanel() const { return simple_panel_; }
  void SetSimplePanel(bool v);
  const std::wstring& SimpleText() const { return simple_text_; }
  void SetSimpleText(const std::wstring& v);
  // SBARS_SIZEGRIP: the bar shows a grip at its right end.
  bool SizeGrip() const { return size_grip_; }
  void SetSizeGrip(bool v);

  // The canvas OnDrawPanel paints on (its device context is set while a panel is drawn).
  TCanvas& Canvas() { return canvas_; }
  // Paints owner-drawn panels (Style psOwnerDraw).
  TDrawPanelEvent OnDrawPanel;

  // Sends the panels to the window again (a panel changed).
  void UpdatePanels();

  // Published-property adapters.
  std::wstring GetSimpleText() const { return simple_text_; }
  void SetSimpleTextProp(const std::wstring& v) { SetSimpleText(v); }

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  void DrawPanel(const DRAWITEMSTRUCT& item);

  std::vector<std::unique_ptr<TStatusPanel>> panels_;
  bool simple_panel_ = false;
  std::wstring simple_text_;
  bool size_grip_ = true;
  TCanvas canvas_;
};

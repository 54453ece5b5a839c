// Scroll-bar skinners. A native scroll bar cannot be repainted reliably from outside, so a
// small window of our own, TWScrollbar, lies exactly over each bar and paints the skinned bar.
// A press on it is handed to the real window as the press on its bar would arrive, so the
// system's own scroll loop does the scrolling; the skinner only follows the scroll messages
// to show the pressed part.
//
//   TSkinScrollbar   the window scroll bars of a program control (memo, list box, grid...)
//   TSkinListView    the same for a list view, and a TSkinHeader on its header
//   TSkinScrollbarH  the window scroll bars of a bare window (a simple combo box's list)
//   TSkinScControl   a stand-alone scroll-bar control (TScrollBar)
//   TSkinHeader      a header control drawn from the skin's "Headerbar" object
//
// Overlays live as long as their skinner: hidden (not freed) while the bar or the control is
// hidden, placed again on every non-client paint of the target, freed on Detach (unless the
// target window is already gone).
#pragma once

#include <windows.h>

#include <memory>

#include "skin/controls/core/scroll_rules.h"
#include "skin/controls/skin_control.h"

// The overlay over one scroll bar.
class TWScrollbar {
 public:
  // kind 0: the target's horizontal bar, 1: its vertical bar, 2: a scroll-bar control.
  TWScrollbar(TSkinControl* skinner, int kind);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Makes the overlay window on the target's parent and places it. `control` is the
  // program control of a kind-2 target (its "Kind" gives the orientation), or none.
  void Attach(HWND target, TControl* control);
  // Puts the overlay on the bar (or hides it when the bar is not there).
  void PlaceOverlay();
  void HideOverlay();
  // Paints now, when shown.
  void Repaint();
  // The scroll part under a point of the overlay (kind 2).
  kq::skin::ScrollPart HitTest(POINT p) const;
  HWND Window() const { return wnd_; }

  // Where the bar is and what the system (or the control) says of it.
  struct Geometry {
    RECT bar{};  // screen coordinates
    int length = 0;
    kq::skin::ThumbExtent thumb;
    bool invisible = false;
    bool enabled = true;
  };
  bool ReadGeometry(Geometry& g) const;

  // ---- fields ----
  int Kind = 0;
  bool Vertical = false;
  int ArrowSize = 0;
  HWND Target = nullptr;
  TControl* TargetControl = nullptr;
  TSkinControl* Skinner = nullptr;
  int Length = 0;
  int ThumbStart = 0, ThumbEnd = 0;
  POINT PressPoint{};
  int PressThumbStart = 0;
  int PressPosition = 0;  // the bar's scroll position at the last press
  int PressedPart = kq::skin::spNone;
  bool Pressing = false;
  RECT BarRect{};     // target client coordinates
  POINT BarOrigin{};  // screen
  bool Shown = false;

  // What the last paint drew (for the tests and for looking at).
  struct PaintRecord {
    int count = 0;
    bool enabled = true;
    kq::skin::ScrollBarLayout layout;
    int firstArrowFrame = 0, lastArrowFrame = 0;
    POINT cursor{};  // where the cursor was (a dragged thumb follows it)
  };
  PaintRecord LastPaint;

 private:
  static LRESULT CALLBACK OverlayProc(HWND wnd, UINT msg, WPARAM w, LPARAM l);
  LRESULT Message(UINT msg, WPARAM w, LPARAM l);
  void Paint(HDC dc);
  void Press(LPARAM l);
  bool AlreadyInFront() const;
  bool HasArrowImage() const;

  HWND wnd_ = nullptr;
  bool added_clip_siblings_ = false;
  // Cleared when the overlay is freed: a press whose scroll loop outlives it must not touch it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The window scroll bars of a program control.
class TSkinScrollbar : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinScrollbar)

 public:
  explicit TSkinScrollbar(TComponent* owner);
  ~TSkinScrollbar() override;

  // The attach of the selection rules' *scroll* mode.
  virtual void AttachScrollBars(TControl* control, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                                TCanvas* canvas);
  void Detach() override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzOverlay() const { return horz_.get(); }
  TWScrollbar* VertOverlay() const { return vert_.get(); }
  // The corner square filled by the last DrawSkin (window coordinates), empty when none.
  RECT LastCorner{};

 protected:
  void CreateOverlays(HWND target);
  void FreeOverlays();
  void PlaceOverlays();
  void HideOverlays();
  void RepaintOverlays();
  // WM_HSCROLL / WM_VSCROLL of the target's own bars: the pressed part follows the scroll code.
  void FollowScroll(TMessage& m);
  void DrawOverlaysAndCorner(HDC dc);

  std::unique_ptr<TWScrollbar> horz_, vert_;
};

// A header control, drawn from the skin's "Headerbar" object (frames: 1 normal, 2 pressed,
// 3 disabled, 4 hot).
class TSkinHeader : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinHeader)

 public:
  explicit TSkinHeader(TComponent* owner);
  void AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner, TCanvas* canvas) override;
  bool BeforeMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The item under the mouse (-1 none) and the frames the last paint gave each item.
  int HotItem = -1;
  std::vector<int> LastFrames;

 private:
  bool HasHeaderImage() const;
  int ItemAt(POINT client) const;
  bool tracking_ = false;
};

// A list view: its scroll bars and its header.
class TSkinListView : public TSkinScrollbar {
  KQ_DECLARE_CLASS(TSkinListView)

 public:
  explicit TSkinListView(TComponent* owner);
  void AttachScrollBars(TControl* control, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                        TCanvas* canvas) override;
  void AfterMessage(TMessage& m) override;
  TSkinHeader* Header() const { return header_; }

 protected:
  void Notification(TComponent* component, TOperation op) override;

 private:
  TSkinHeader* header_ = nullptr;
};

// The window scroll bars of a bare window (no program control).
class TSkinScrollbarH : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinScrollbarH)

 public:
  explicit TSkinScrollbarH(TComponent* owner);
  ~TSkinScrollbarH() override;

  void AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner, TCanvas* canvas) override;
  void Detach() override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzOverlay() const { return horz_.get(); }
  TWScrollbar* VertOverlay() const { return vert_.get(); }

 private:
  void PlaceOverlays();
  void HideOverlays();
  std::unique_ptr<TWScrollbar> horz_, vert_;
};

// A stand-alone scroll-bar control.
class TSkinScControl : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinScControl)

 public:
  explicit TSkinScControl(TComponent* owner);
  ~TSkinScControl() override;

  // Its own attach (the selection rules' *own* mode).
  void AttachScControl(TControl* control, TSkinLook* skinData, ControlSkinnerHost* formSkinner, TCanvas* canvas);
  void Detach() override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  TWScrollbar* Overlay() const { return bar_.get(); }

 private:
  std::unique_ptr<TWScrollbar> bar_;
};

// The skinner of a simple combo box's always-visible list (its scroll bars), owned by `owner`
// and not attached yet.
TSkinControl* MakeListScrollSkinner(TComponent* owner);

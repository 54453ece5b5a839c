// TControl, TGraphicControl and TWinControl: controls, their windows and their messages.
//
// Message chain. Every window the layer creates is subclassed at creation by one window
// procedure, which finds the window's TWinControl and calls its WindowProc. WindowProc is a
// replaceable callable whose default is the control's own WndProc, which ends in the window
// class's original procedure (DefaultHandler). A skinner takes over a control like this:
//
//   saved = control->WindowProc;                       // keep what was there
//   control->WindowProc = [this](TMessage& m) { SkinWndProc(m); };
//   ... SkinWndProc calls saved(m) for the control's own handling ...
//   control->WindowProc = saved;                       // on detach: give it back
//
// Perform(msg, w, l) sends a message straight into WindowProc (no window needed), so the
// layer's notifications reach skinners: CM_MOUSEENTER/CM_MOUSELEAVE (mouse tracking),
// CM_VISIBLECHANGED, CM_ENABLEDCHANGED, CM_EXIT, CM_DIALOGCHAR, CM_MENUCHANGED, CM_RELEASE.
// A parent reflects WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM and WM_CTLCOLOR* of a
// child window to that child as CN_BASE + message; the child's answer is returned.
//
// Window-less controls (TGraphicControl, e.g. TLabel) live on their parent's surface: the
// parent paints them (WM_PAINT with the parent's DC, origin moved to the control) and routes
// mouse messages to the one under the mouse, all through the control's WindowProc.
//
// Windows are created on demand (Handle(), HandleNeeded): a parent's window creates the
// windows of all its windowed children, in tab order, which is also their Z-order.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/messages.h"

class TWinControl;
class TPopupMenu;

using TWndMethod = std::function<void(TMessage&)>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TMouseButton { mbLeft, mbRight, mbMiddle };
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;
using TMouseEvent = std::function<void(TObject*, TMouseButton, TShiftState, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject*, TShiftState, int x, int y)>;

class TControl : public TComponent {
  KQ_DECLARE_CLASS(TControl)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  // The replaceable message method (see the top of this file).
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM w = 0, LPARAM l = 0);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  virtual bool IsWindowed() const { return false; }

  // Bounds, relative to the parent's client area (screen for top-level forms).
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect();
  int ClientWidth() { return ClientRect().right; }
  int ClientHeight() { return ClientRect().bottom; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);

  // The control's text (Caption of buttons and labels, Text of edits).
  virtual std::wstring Caption() const { return caption_; }
  virtual void SetCaption(const std::wstring& v);
  std::wstring Text() const { return Caption(); }
  void SetText(const std::wstring& v) { SetCaption(v); }

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool v);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TFont* FontObject() const { return const_cast<TFont*>(&font_); }
  void SetFontObject(TFont* f) {
    if (f) font_.Assign(*f);
  }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool v);

  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* m);

  // Repaints the control (its rectangle on the parent, for window-less ones).
  virtual void Invalidate();
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  virtual POINT ClientToScreen(POINT p);
  POINT ScreenToClient(POINT p);

  virtual void Click();

  // Scales the control laid out for one resolution to another: bounds by m / d (MulDiv
  // rounding) and, unless it follows its parent's font, the font height. Windowed
  // controls scale their children too.
  virtual void ChangeScale(int m, int d);

  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  // Published-property adapters.
  int GetLeft() const { return left_; }
  int GetTop() const { return top_; }
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  bool GetVisible() const { return visible_; }
  bool GetEnabled() const { return enabled_; }
  std::wstring GetCaption() const { return Caption(); }
  void SetCaptionText(const std::wstring& v) { SetCaption(v); }
  TColor GetColor() const { return color_; }
  bool GetParentColor() const { return parent_color_; }
  bool GetParentFont() const { return parent_font_; }

 protected:
  friend class TWinControl;
  // The control's own message handling; ends in DefaultHandler.
  virtual void WndProc(TMessage& m);
  virtual void DefaultHandler(TMessage& m) { (void)m; }
  // Paints a window-less control on the canvas of its parent's DC.
  virtual void Paint(TCanvas& canvas) { (void)canvas; }
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged() { Invalidate(); }
  void Notification(TComponent* component, TOperation op) override;
  void ParentFontChanged();
  void ParentColorChanged();

  bool click_events_ = false;  // WM_LBUTTONUP after a press inside makes a Click
  std::wstring caption_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parent_color_ = false;
  bool parent_font_ = true;

 private:
  void MouseMessage(TMessage& m);

  TWinControl* parent_ = nullptr;
  bool following_parent_ = false;
  bool clicked_ = false;
  TFont font_;
  TPopupMenu* popup_menu_ = nullptr;
};

// A control without a window of its own, painted by its parent.
class TGraphicControl : public TControl {
  KQ_DECLARE_CLASS(TGraphicControl)

 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  // The parent's surface at the control's place, for painting outside WM_PAINT (a skinner's
  // PaintWindow(0)); nullptr while the parent has no window. The device context is held
  // until ReleaseCanvas(), the parent window's destruction or the control's.
  TCanvas* Canvas();
  void ReleaseCanvas();

 protected:
  void WndProc(TMessage& m) override;

 private:
  TCanvas* canvas_ = nullptr;
  HDC canvas_dc_ = nullptr;
};

class TWinControl : public TControl {
  KQ_DECLARE_CLASS(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }
  // The window, created (with the parent's) when needed.
  HWND Handle();
  void HandleNeeded() { (void)Handle(); }
  bool HandleAllocated() const { return handle_ != nullptr; }
  HWND HandleOrNull() const { return handle_; }
  // The control a window of the layer belongs to (also inner windows such as a combo
  // box's edit), or nullptr.
  static TWinControl* FromHandle(HWND wnd);

  const std::vector<TControl*>& Controls() const { return controls_; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // The visible window-less child at a client point (disabled ones only when asked).
  TControl* ControlAtPos(POINT p, bool allowDisabled) const;

  int TabOrder() const;
  void SetTabOrder(int v);
  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool v);
  bool DoubleBuffered() const { return double_buffered_; }
  void SetDoubleBuffered(bool v) { double_buffered_ = v; }

  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  void ChangeScale(int m, int d) override;
  RECT ClientRect() override;
  POINT ClientToScreen(POINT p) override;
  std::wstring Caption() const override;
  void SetCaption(const std::wstring& v) override;
  void SetVisible(bool v) override;
  void SetEnabled(bool v) override;
  void Invalidate() override;
  void Update() override;
  // Sends m to every child control (through their WindowProc) until one answers non-zero.
  void Broadcast(TMessage& m);

  // The window style, read and written on the live window when there is one.
  LONG_PTR Style();
  void SetStyle(LONG_PTR style);

  // Published-property adapters.
  int GetTabOrder() const { return TabOrder(); }
  bool GetTabStop() const { return tab_stop_; }

 protected:
  struct TCreateParams {
    std::wstring WinClassName;  // an existing class ("BUTTON") or one the layer registers
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    HMENU Menu = nullptr;  // child id for child windows
  };
  virtual void CreateParams(TCreateParams& p);
  // After the window exists: push state kept while there was none (items, checks...).
  virtual void CreateWnd();
  virtual void HandleCreated() {}
  // Just before the window goes (DestroyWindow or the parent's destruction).
  virtual void HandleDestroying() {}
  void DestroyHandle();

  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  // Paints the window itself into dc (default: the class procedure's WM_PAINT).
  virtual void PaintWindow(HDC dc);
  void PaintControls(HDC dc);
  // The brush of Color, for WM_CTLCOLOR* answers and background fills.
  HBRUSH ColorBrush();
  // Answers WM_ERASEBKGND by filling the client area with Color (for classes without a
  // background brush, which would otherwise leave whatever was there).
  void EraseWithColor(TMessage& m);
  void FontChanged() override;
  void ColorChanged() override;
  WNDPROC OriginalProc() const { return default_proc_; }
  // Marks a window made by this control's class (a combo box's edit) as part of it, for
  // FromHandle and mouse tracking.
  void AttachInnerWindow(HWND inner);
  void DetachInnerWindow(HWND inner);
  bool custom_paint_ = false;  // PaintWindow draws; WM_PAINT always gets a DC
  // Set by a handler that frees the control (CM_RELEASE): the window procedure deletes it
  // once the message has been handled.
  bool free_after_message_ = false;

  // Registers (once per process) a window class of the layer; its procedure is
  // DefWindowProcW, the layer's subclassing does the rest.
  static void EnsureWindowClass(const wchar_t* name, UINT style, HBRUSH background);

 private:
  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK CreationHook(int, WPARAM, LPARAM);
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);
  void Attach(HWND wnd);
  void Detach();
  void ArrangeZOrder();
  void UpdateBoundsFromWindow();
  void WMPaint(TMessage& m);
  void WMMouse(TMessage& m);
  void WMMouseLeave(TMessage& m);
  void WMContextMenu(TMessage& m);
  bool Reflect(TMessage& m);
  void KillFocus(TMessage& m);

  HWND handle_ = nullptr;
  WNDPROC default_proc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
  bool double_buffered_ = false;
  bool creating_ = false;
  TControl* capture_control_ = nullptr;
  int next_child_id_ = 100;
  kq::ui::GdiHandle<HBRUSH> brush_;
};

// Stand-in for a control of a class this program does not have: it answers to the class
// name it is given (and to the ancestors of `base`), so the skin's class-name rules can be
// tried on it. Windowed, with a plain window of the layer.
class TStandInControl : public TWinControl {
 public:
  TStandInControl(TComponent* owner, const std::string& className,
                  const TClassInfo& base = TWinControl::StaticClass());
  const TClassInfo& ClassType() const override { return info_; }

 private:
  TClassInfo info_;
};

// Window-less stand-in.
class TStandInGraphicControl : public TGraphicControl {
 public:
  TStandInGraphicControl(TComponent* owner, const std::string& className,
                         const TClassInfo& base = TGraphicControl::StaticClass());
  const TClassInfo& ClassType() const override { return info_; }

 private:
  TClassInfo info_;
};

// Keyboard state as a TShiftState, as the mouse events report it.
TShiftState ShiftStateNow();

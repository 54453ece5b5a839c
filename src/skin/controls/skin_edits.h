// The skinners of text entry controls:
//
//   TSkinEdit    edit fields, date pickers in up-down mode, Win32 "edit" windows: the border
//                becomes a one-pixel shadow frame with a white line inside; an up-down
//                embedded in the edit (a date picker's spin buttons) gets a TSkinUpDown;
//   TSkinComBox  combo boxes (and date pickers that drop down a calendar): the border and the
//                drop-down button come from the skin's "ComboButton" object; the edit of a
//                drop-down combo box is subclassed so its presses and paints reach the skin;
//                the always-visible list of a simple combo box gets skinned scroll bars;
//   TSkinUpDown  spin buttons: both halves drawn from the "UpDown.Horz"/"UpDown.Vert" strips.
//
// The controls paint themselves first; the skin is drawn over their border afterwards (edits
// and combo boxes), or instead of them (up-downs), always composed off-screen first.
#pragma once

#include <memory>

#include "skin/controls/skin_control.h"
#include "ui/subclass.h"

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinEdit)

 public:
  explicit TSkinEdit(TComponent* owner);
  ~TSkinEdit() override;

  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The skinner of an embedded spin button, once one was found.
  TSkinUpDown* UpDown() const { return updown_; }
  // Whether the last paint drew the border frame.
  bool FramedLastPaint() const { return framed_; }

 protected:
  void Notification(TComponent* component, TOperation op) override;

 private:
  void FindEmbeddedUpDown();
  void PrintBorder(HDC dc);

  TSkinUpDown* updown_ = nullptr;
  bool framed_ = false;
  int print_state_ = 0;  // SaveDC of the DC being printed into
};

class TSkinComBox : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinComBox)

 public:
  explicit TSkinComBox(TComponent* owner);
  ~TSkinComBox() override;

  void AttachToControl(ControlSkinnerHost* formSkinner, TSkinLook* skinData, bool useSkinColor,
                       TCanvas* canvas) override;
  void AttachToWindow(HWND window, TSkinLook* skinData, ControlSkinnerHost* formSkinner,
                      TCanvas* canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // The subclassed edit (or first child) window, while subclassed.
  HWND EditWindow() const { return edit_.Window(); }
  // The skinner on a simple combo box's list, or none.
  TSkinControl* ListSkinner() const { return list_skinner_; }
  // The frame (1..4) of the last paint, 0 before the first.
  int LastFrame() const { return last_frame_; }

 protected:
  void Notification(TComponent* component, TOperation op) override;

 private:
  class EditHook;
  // After either attach: the edit child of a drop-down combo box, the list of a simple one.
  void AttachChildren();
  void ReleaseChildren();
  LRESULT EditMessage(HWND wnd, UINT msg, WPARAM w, LPARAM l);

  WindowSubclass edit_{SubclassKind::ComboEdit};
  std::unique_ptr<EditHook> edit_hook_;
  TSkinControl* list_skinner_ = nullptr;
  int last_frame_ = 0;
  bool drawn_in_picture_ = false;  // this paint's skin went into the double-buffer picture
};

class TSkinUpDown : public TSkinControl {
  KQ_DECLARE_CLASS(TSkinUpDown)

 public:
  explicit TSkinUpDown(TComponent* owner);

  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void DrawSkin(HDC dc, const RECT& rect) override;

  // Set by the edit that owns this up-down: its buttons sit one pixel in.
  bool Embedded = false;
  // Set by an owner that lays the buttons side by side without UDS_HORZ.
  bool Horizontal = false;
  // The frames of the two buttons at the last paint (0 before the first).
  int LastFrame(int button) const { return last_frames_[button & 1]; }

 private:
  bool IsHorizontal() const;
  // Which button (0 or 1) the cursor is over, -1 for none.
  int ButtonUnderCursor() const;

  int last_frames_[2] = {0, 0};
  int hot_button_ = -1;
};

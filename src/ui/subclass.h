// Subclassing a window by window property: the window procedure of a skinner is one static
// procedure per kind of skinner, which finds its object through a property of the window.
// Detaching gives the window back the procedure it had; when somebody else has subclassed the
// window since, the link stays behind as a pure forwarder until the window is destroyed, so no
// procedure is ever cut out of the chain.
#pragma once

#include <windows.h>

// What a subclassed window's messages are handed to.
class SubclassTarget {
 public:
  virtual LRESULT SubclassedProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) = 0;

 protected:
  ~SubclassTarget() = default;
};

// Kinds of skinner, one window procedure and one property each.
enum class SubclassKind : int { Form = 0, MdiClient = 1, PopupMenu = 2, Control = 3, ComboEdit = 4 };

class WindowSubclass {
 public:
  explicit WindowSubclass(SubclassKind kind) : kind_(kind) {}
  ~WindowSubclass() { Detach(); }
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // Puts the kind's procedure in front of the window's; false when this kind already holds
  // the window, or the window is gone.
  bool Attach(HWND wnd, SubclassTarget* target);
  // Gives the window its procedure back (or leaves a forwarder, see above).
  void Detach();
  bool Attached() const { return wnd_ != nullptr; }
  HWND Window() const { return wnd_; }
  // The procedure that was there before, for default handling; kept after Detach, so a
  // handler that detaches (WM_NCDESTROY) can still pass its message on.
  WNDPROC Saved() const { return saved_; }
  LRESULT CallSaved(HWND wnd, UINT msg, WPARAM w, LPARAM l) const;

  // The target a window is subclassed for by this kind, or nullptr.
  static SubclassTarget* TargetOf(HWND wnd, SubclassKind kind);

 private:
  SubclassKind kind_;
  HWND wnd_ = nullptr;
  WNDPROC saved_ = nullptr;
};

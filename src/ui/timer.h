// TTimer: a window timer. OnTimer runs every Interval milliseconds while Enabled, served
// by the message loop like every other event (so never while a handler is running).
#pragma once

#include <windows.h>

#include "ui/component.h"

class TTimer : public TComponent {
  KQ_DECLARE_CLASS(TTimer)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned ms);  // 0 stops the timer
  TNotifyEvent OnTimer;

  // Published-property adapters.
  int GetInterval() const { return static_cast<int>(interval_); }
  void SetIntervalInt(int v) { SetInterval(v < 0 ? 0 : static_cast<unsigned>(v)); }

 private:
  friend LRESULT CALLBACK TimerWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Update();
  HWND wnd_ = nullptr;
  bool enabled_ = true;
  unsigned interval_ = 1000;
  bool running_ = false;
};

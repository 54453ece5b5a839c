// One program per user session. Two copies would write the same settings and log and could
// both shut the machine down, so a second start hands over to the first and ends:
//
//   TSingleInstance instance;                 // holds the session's named mutex if first
//   if (!instance.IsFirst()) return instance.BringFirstForward(), 0;
//
// The running program answers BringForwardMessage() on its application window (the main
// window hooks it) by coming back from the notification area to the front.
#pragma once

#include <windows.h>

class TSingleInstance {
 public:
  TSingleInstance();
  ~TSingleInstance();
  TSingleInstance(const TSingleInstance&) = delete;
  TSingleInstance& operator=(const TSingleInstance&) = delete;

  // False when another copy of the program already runs in this session.
  bool IsFirst() const { return first_; }
  // Asks the running copy to show its main window, waiting up to `timeout_ms` for its
  // window to exist (it may still be starting); true when it answered.
  bool BringFirstForward(int timeout_ms = 5000) const;

  // The message the running copy's application window answers with kBroughtForward.
  static UINT BringForwardMessage();
  static constexpr LRESULT kBroughtForward = 0x4B51;  // "KQ"

 private:
  HANDLE mutex_ = nullptr;
  bool first_ = true;
};

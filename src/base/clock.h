// Where "now" comes from. The program asks a Clock it was given, never the system directly,
// so tests can build the real windows around a clock they move by hand.
#pragma once

#include "base/datetime.h"

namespace kq {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local date and time, to the millisecond.
  virtual DateTime Now() const = 0;
};

// Local time of the machine (GetLocalTime on Windows, the C library's local time elsewhere).
class SystemClock final : public Clock {
 public:
  DateTime Now() const override;
};

// A clock that stands still until it is set or advanced; for tests.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(DateTime start = 0) : now_(start) {}
  DateTime Now() const override { return now_; }
  void Set(DateTime value) { now_ = value; }
  // Moves forward (or back, for a negative step) by a number of days.
  void Advance(DateTime days) { now_ += days; }

 private:
  DateTime now_;
};

}  // namespace kq

// The common controls that show a value within a range: TTrackBar (msctls_trackbar32),
// TProgressBar (msctls_progress32) and TUpDown (msctls_updown32).
//
// Each keeps Min, Max and Position while it has no window and hands them to the window when
// it is made; once the window exists Position is read from it (the user moves a track bar's
// thumb and an up-down's value). Orientation is part of the window style: it is fixed once
// the window exists.
//
//   auto* bar = new TProgressBar(form);
//   bar->SetParent(form);
//   bar->SetBounds(16, 200, 150, 16);
//   bar->SetPosition(40);
#pragma once

#include "ui/controls.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TUDOrientation { udVertical, udHorizontal };

// What the three controls share: a range and a position, sent to the window with the
// control's own messages.
class TRangeControl : public TWinControl {
 public:
  explicit TRangeControl(TComponent* owner);
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int v) { SetRange(v, max_); }
  void SetMax(int v) { SetRange(min_, v); }
  // A maximum below the minimum is raised to it.
  void SetRange(int minimum, int maximum);
  int Position() const;
  // Kept within the range.
  void SetPosition(int v);

 protected:
  void HandleCreated() override;
  virtual void SendRange() = 0;
  virtual void SendPosition() = 0;
  virtual int ReadPosition() const = 0;
  // Refuses a style change once the window exists.
  void RequireNoWindow() const;

  int min_ = 0, max_ = 100, position_ = 0;
};

class TTrackBar : public TRangeControl {
  KQ_DECLARE_CLASS(TTrackBar)

 public:
  explicit TTrackBar(TComponent* owner);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation v);

  // Published-property adapters.
  int GetMin() const { return min_; }
  int GetMax() const { return max_; }
  int GetPosition() const { return Position(); }

 protected:
  void CreateParams(TCreateParams& p) override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() const override;

 private:
  TTrackBarOrientation orientation_ = trHorizontal;
};

class TProgressBar : public TRangeControl {
  KQ_DECLARE_CLASS(TProgressBar)

 public:
  explicit TProgressBar(TComponent* owner);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation v);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool v);

  int GetMin() const { return min_; }
  int GetMax() const { return max_; }
  int GetPosition() const { return Position(); }

 protected:
  void CreateParams(TCreateParams& p) override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() const override;

 private:
  TProgressBarOrientation orientation_ = pbHorizontal;
  bool smooth_ = false;
};

class TUpDown : public TRangeControl {
  KQ_DECLARE_CLASS(TUpDown)

 public:
  explicit TUpDown(TComponent* owner);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation v);
  // The control whose text shows the position (the up-down's buddy), or none.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* c);

  int GetMin() const { return min_; }
  int GetMax() const { return max_; }
  int GetPosition() const { return Position(); }

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() const override;
  void Notification(TComponent* component, TOperation op) override;

 private:
  TUDOrientation orientation_ = udVertical;
  TWinControl* associate_ = nullptr;
};

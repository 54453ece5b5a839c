#include "ui/ranges.h"

#include <commctrl.h>

#include <algorithm>

namespace {
const TEnumNames kTrackOrientation{"trHorizontal", "trVertical"};
const TEnumNames kProgressOrientation{"pbHorizontal", "pbVertical"};
const TEnumNames kUpDownOrientation{"udVertical", "udHorizontal"};
}  // namespace

// ---- TRangeControl -----------------------------------------------------------------------

TRangeControl::TRangeControl(TComponent* owner) : TWinControl(owner) {}

void TRangeControl::SetRange(int minimum, int maximum) {
  min_ = minimum;
  max_ = std::max(minimum, maximum);
  position_ = std::clamp(Position(), min_, max_);
  if (HandleOrNull()) {
    SendRange();
    SendPosition();
  }
}

int TRangeControl::Position() const { return HandleOrNull() ? ReadPosition() : position_; }

void TRangeControl::SetPosition(int v) {
  position_ = std::clamp(v, min_, max_);
  if (HandleOrNull()) SendPosition();
}

void TRangeControl::HandleCreated() {
  SendRange();
  SendPosition();
}

void TRangeControl::RequireNoWindow() const {
  if (HandleOrNull()) throw EInvalidOperation("The orientation cannot change once the window exists");
}

// ---- TTrackBar ---------------------------------------------------------------------------

const TClassInfo& TTrackBar::StaticClass() {
  static const TClassInfo info(
      "TTrackBar", &TWinControl::StaticClass(),
      {props::Int<TTrackBar, int>("Min", &TTrackBar::GetMin, &TTrackBar::SetMin),
       props::Int<TTrackBar, int>("Max", &TTrackBar::GetMax, &TTrackBar::SetMax),
       props::Int<TTrackBar, int>("Position", &TTrackBar::GetPosition, &TTrackBar::SetPosition),
       props::Enum<TTrackBar, TTrackBarOrientation>("Orientation", kTrackOrientation,
                                                    &TTrackBar::Orientation, &TTrackBar::SetOrientation)});
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TRangeControl(owner) {
  max_ = 10;
  width_ = 150;
  height_ = 45;
  SetTabStop(true);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  if (v == orientation_) return;
  RequireNoWindow();
  orientation_ = v;
}

void TTrackBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = TRACKBAR_CLASSW;
  p.Style |= TBS_AUTOTICKS | (orientation_ == trVertical ? TBS_VERT : TBS_HORZ);
}

void TTrackBar::SendRange() {
  SendMessageW(HandleOrNull(), TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(HandleOrNull(), TBM_SETRANGEMAX, TRUE, max_);
}

void TTrackBar::SendPosition() { SendMessageW(HandleOrNull(), TBM_SETPOS, TRUE, position_); }

int TTrackBar::ReadPosition() const {
  return static_cast<int>(SendMessageW(HandleOrNull(), TBM_GETPOS, 0, 0));
}

// ---- TProgressBar ------------------------------------------------------------------------

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info(
      "TProgressBar", &TWinControl::StaticClass(),
      {props::Int<TProgressBar, int>("Min", &TProgressBar::GetMin, &TProgressBar::SetMin),
       props::Int<TProgressBar, int>("Max", &TProgressBar::GetMax, &TProgressBar::SetMax),
       props::Int<TProgressBar, int>("Position", &TProgressBar::GetPosition, &TProgressBar::SetPosition),
       props::Enum<TProgressBar, TProgressBarOrientation>("Orientation", kProgressOrientation,
                                                          &TProgressBar::Orientation,
                                                          &TProgressBar::SetOrientation),
       props::Bool<TProgressBar>("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)});
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TRangeControl(owner) {
  width_ = 150;
  height_ = 16;
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
  if (v == orientation_) return;
  RequireNoWindow();
  orientation_ = v;
}

void TProgressBar::SetSmooth(bool v) {
  if (v == smooth_) return;
  RequireNoWindow();
  smooth_ = v;
}

void TProgressBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = PROGRESS_CLASSW;
  if (orientation_ == pbVertical) p.Style |= PBS_VERTICAL;
  if (smooth_) p.Style |= PBS_SMOOTH;
}

void TProgressBar::SendRange() { SendMessageW(HandleOrNull(), PBM_SETRANGE32, min_, max_); }

void TProgressBar::SendPosition() { SendMessageW(HandleOrNull(), PBM_SETPOS, position_, 0); }

int TProgressBar::ReadPosition() const {
  return static_cast<int>(SendMessageW(HandleOrNull(), PBM_GETPOS, 0, 0));
}

// ---- TUpDown -----------------------------------------------------------------------------

const TClassInfo& TUpDown::StaticClass() {
  static const TClassInfo custom("TCustomUpDown", &TWinControl::StaticClass());
  static const TClassInfo info(
      "TUpDown", &custom,
      {props::Int<TUpDown, int>("Min", &TUpDown::GetMin, &TUpDown::SetMin),
       props::Int<TUpDown, int>("Max", &TUpDown::GetMax, &TUpDown::SetMax),
       props::Int<TUpDown, int>("Position", &TUpDown::GetPosition, &TUpDown::SetPosition),
       props::Enum<TUpDown, TUDOrientation>("Orientation", kUpDownOrientation, &TUpDown::Orientation,
                                            &TUpDown::SetOrientation)});
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TRangeControl(owner) {
  width_ = 17;
  height_ = 21;
}

void TUpDown::SetOrientation(TUDOrientation v) {
  if (v == orientation_) return;
  RequireNoWindow();
  orientation_ = v;
}

void TUpDown::SetAssociate(TWinControl* c) {
  if (associate_) associate_->RemoveFreeNotification(this);
  associate_ = c;
  if (c) c->FreeNotification(this);
  if (HWND h = HandleOrNull())
    SendMessageW(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(c ? c->Handle() : nullptr), 0);
}

void TUpDown::Notification(TComponent* component, TOperation op) {
  TWinControl::Notification(component, op);
  if (op == opRemove && component == associate_) associate_ = nullptr;
}

void TUpDown::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = UPDOWN_CLASSW;
  p.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS;
  if (orientation_ == udHorizontal) p.Style |= UDS_HORZ;
}

void TUpDown::HandleCreated() {
  TRangeControl::HandleCreated();
  if (associate_)
    SendMessageW(HandleOrNull(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
}

void TUpDown::SendRange() { SendMessageW(HandleOrNull(), UDM_SETRANGE32, min_, max_); }

void TUpDown::SendPosition() { SendMessageW(HandleOrNull(), UDM_SETPOS32, 0, position_); }

int TUpDown::ReadPosition() const {
  return static_cast<int>(SendMessageW(HandleOrNull(), UDM_GETPOS32, 0, 0));
}

// TDateTimePicker: the common-controls date picker (SysDateTimePick32).
//
// Dates are the program's date-times: days since 1899-12-30 as a double, the fraction being
// the time of day (local time). With Kind dtkDate and DateMode dmComboBox (the defaults) the
// picker shows the date in the short date format and drops down a month calendar; no free
// text entry.
#pragma once

#include "ui/controls.h"

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };
enum TDTDateMode { dmComboBox, dmUpDown };

// Days since 1899-12-30 <-> SYSTEMTIME (milliseconds kept).
double SystemTimeToDateTime(const SYSTEMTIME& st);
SYSTEMTIME DateTimeToSystemTime(double dt);

class TDateTimePicker : public TWinControl {
  KQ_DECLARE_CLASS(TDateTimePicker)

 public:
  explicit TDateTimePicker(TComponent* owner);

  double DateTime() const;
  void SetDateTime(double v);
  // The date part (whole days); setting it keeps the time of day.
  double Date() const;
  void SetDate(double v);

  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind v);
  TDTDateFormat DateFormat() const { return format_; }
  void SetDateFormat(TDTDateFormat v);
  TDTDateMode DateMode() const { return mode_; }
  void SetDateMode(TDTDateMode v);
  // The drop-down calendar window while it is open, else nullptr.
  HWND CalendarHandle() const;

  TNotifyEvent OnChange;

  // Published-property adapters ("Date" and "DateTime" as decimal days).
  std::wstring GetDateText() const;
  void SetDateText(const std::wstring& v);

 protected:
  void CreateParams(TCreateParams& p) override;
  void HandleCreated() override;
  void WndProc(TMessage& m) override;

 private:
  void RequireStyleUnchanged() const;
  double value_ = 0;
  TDateTimeKind kind_ = dtkDate;
  TDTDateFormat format_ = dfShort;
  TDTDateMode mode_ = dmComboBox;
};

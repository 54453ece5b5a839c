#include "ui/comctrls.h"

#include <commctrl.h>

#include <cmath>
#include <cwchar>

namespace {
const TEnumNames kKindNames{"dtkDate", "dtkTime"};
const TEnumNames kFormatNames{"dfShort", "dfLong"};
const TEnumNames kModeNames{"dmComboBox", "dmUpDown"};

// Days from 0001-01-01 style civil calendar arithmetic (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}
// 1899-12-30 in days since 1970-01-01.
const long long kEpoch = DaysFromCivil(1899, 12, 30);
}  // namespace

double SystemTimeToDateTime(const SYSTEMTIME& st) {
  const double days = static_cast<double>(DaysFromCivil(st.wYear, st.wMonth, st.wDay) - kEpoch);
  const double ms = ((st.wHour * 60.0 + st.wMinute) * 60.0 + st.wSecond) * 1000.0 + st.wMilliseconds;
  const double frac = ms / 86400000.0;
  // Before the epoch the fraction still counts forward within the day, as the runtime has it.
  return days >= 0 ? days + frac : days - frac;
}

SYSTEMTIME DateTimeToSystemTime(double dt) {
  double whole = std::trunc(dt);
  double frac = std::fabs(dt - whole);
  long long ms = std::llround(frac * 86400000.0);
  if (ms >= 86400000) {
    ms -= 86400000;
    whole += dt >= 0 ? 1 : -1;
  }
  long long z = static_cast<long long>(whole) + kEpoch + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  const long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  // Day of week: 1899-12-30 was a Saturday (6).
  st.wDayOfWeek = static_cast<WORD>(((static_cast<long long>(whole) % 7) + 7 + 6) % 7);
  st.wHour = static_cast<WORD>(ms / 3600000);
  st.wMinute = static_cast<WORD>(ms / 60000 % 60);
  st.wSecond = static_cast<WORD>(ms / 1000 % 60);
  st.wMilliseconds = static_cast<WORD>(ms % 1000);
  return st;
}

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo calendar("TCommonCalendar", &TWinControl::StaticClass());
  static const TClassInfo info(
      "TDateTimePicker", &calendar,
      {props::Text<TDateTimePicker>("Date", &TDateTimePicker::GetDateText,
                                    &TDateTimePicker::SetDateText),
       props::Enum<TDateTimePicker, TDateTimeKind>("Kind", kKindNames, &TDateTimePicker::Kind,
                                                   &TDateTimePicker::SetKind),
       props::Enum<TDateTimePicker, TDTDateFormat>("DateFormat", kFormatNames,
                                                   &TDateTimePicker::DateFormat,
                                                   &TDateTimePicker::SetDateFormat),
       props::Enum<TDateTimePicker, TDTDateMode>("DateMode", kModeNames, &TDateTimePicker::DateMode,
                                                 &TDateTimePicker::SetDateMode)});
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  width_ = 186;
  height_ = 21;
  SYSTEMTIME now;
  GetLocalTime(&now);
  value_ = SystemTimeToDateTime(now);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WinClassName = DATETIMEPICK_CLASSW;
  if (kind_ == dtkTime) p.Style |= DTS_TIMEFORMAT;
  else p.Style |= format_ == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
  if (mode_ == dmUpDown || kind_ == dtkTime) p.Style |= DTS_UPDOWN;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::HandleCreated() {
  SYSTEMTIME st = DateTimeToSystemTime(value_);
  SendMessageW(HandleOrNull(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

double TDateTimePicker::DateTime() const {
  if (HandleOrNull()) {
    SYSTEMTIME st{};
    if (SendMessageW(HandleOrNull(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) == GDT_VALID)
      return SystemTimeToDateTime(st);
  }
  return value_;
}

void TDateTimePicker::SetDateTime(double v) {
  value_ = v;
  if (HandleOrNull()) {
    SYSTEMTIME st = DateTimeToSystemTime(v);
    SendMessageW(HandleOrNull(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  }
}

double TDateTimePicker::Date() const { return std::trunc(DateTime()); }

void TDateTimePicker::SetDate(double v) {
  const double cur = DateTime();
  SetDateTime(std::trunc(v) + (cur - std::trunc(cur)));
}

void TDateTimePicker::RequireStyleUnchanged() const {
  if (HandleOrNull()) throw EInvalidOperation("The picker's kind cannot change once the window exists");
}
void TDateTimePicker::SetKind(TDateTimeKind v) {
  if (v == kind_) return;
  RequireStyleUnchanged();
  kind_ = v;
}
void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
  if (v == format_) return;
  RequireStyleUnchanged();
  format_ = v;
}
void TDateTimePicker::SetDateMode(TDTDateMode v) {
  if (v == mode_) return;
  RequireStyleUnchanged();
  mode_ = v;
}

HWND TDateTimePicker::CalendarHandle() const {
  if (!HandleOrNull()) return nullptr;
  // Some implementations keep the calendar window between drop-downs, hidden.
  HWND cal = reinterpret_cast<HWND>(SendMessageW(HandleOrNull(), DTM_GETMONTHCAL, 0, 0));
  return cal && IsWindowVisible(cal) ? cal : nullptr;
}

std::wstring TDateTimePicker::GetDateText() const {
  wchar_t buf[64];
  swprintf(buf, 64, L"%.0f", Date());
  return buf;
}

void TDateTimePicker::SetDateText(const std::wstring& v) {
  wchar_t* end = nullptr;
  const double d = std::wcstod(v.c_str(), &end);
  if (end && end != v.c_str()) SetDate(d);
}

void TDateTimePicker::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY) {
    auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
    if (hdr->code == DTN_DATETIMECHANGE) {
      auto* ch = reinterpret_cast<NMDATETIMECHANGE*>(m.LParam);
      if (ch->dwFlags == GDT_VALID) value_ = SystemTimeToDateTime(ch->st);
      if (OnChange) OnChange(this);
      return;
    }
  }
  TWinControl::WndProc(m);
}

// Date and time picker: the value is kept in the object and in the window; styles the system
// reads only at creation make the window again. User-interface thread.
#include "framework/controls/date_time_picker.h"

#include <commctrl.h>

#include <cmath>

#include "framework/controls/common_controls.h"
#include "framework/core/text.h"

const TEnumInfo& DateTimeKindEnum() {
  static const TEnumInfo e{"TDateTimeKind", {"dtkDate", "dtkTime"}};
  return e;
}
const TEnumInfo& DTDateModeEnum() {
  static const TEnumInfo e{"TDTDateMode", {"dmComboBox", "dmUpDown"}};
  return e;
}
const TEnumInfo& DTDateFormatEnum() {
  static const TEnumInfo e{"TDTDateFormat", {"dfShort", "dfLong"}};
  return e;
}

namespace {

// Days from 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

// 1899-12-30, day 0 of the framework's dates, counted from 1970-01-01.
constexpr long long kEpochShift = -25569;

}  // namespace

double SystemTimeToDateTime(const SYSTEMTIME& st) {
  const long long days = DaysFromCivil(st.wYear, st.wMonth, st.wDay) - kEpochShift;
  const double ms = ((st.wHour * 60.0 + st.wMinute) * 60.0 + st.wSecond) * 1000.0 + st.wMilliseconds;
  return static_cast<double>(days) + ms / 86400000.0;
}

SYSTEMTIME DateTimeToSystemTime(double dateTime) {
  // Rounded to the millisecond, so that a value read back equals the one written.
  const long long totalMs = std::llround(dateTime * 86400000.0);
  long long days = totalMs / 86400000, ms = totalMs % 86400000;
  if (ms < 0) {
    ms += 86400000;
    --days;
  }
  SYSTEMTIME st{};
  int y;
  unsigned m, d;
  CivilFromDays(days + kEpochShift, y, m, d);
  st.wYear = static_cast<WORD>(y);
  st.wMonth = static_cast<WORD>(m);
  st.wDay = static_cast<WORD>(d);
  st.wDayOfWeek = static_cast<WORD>(((days + kEpochShift) % 7 + 11) % 7);  // 1970-01-01 was a Thursday
  st.wHour = static_cast<WORD>(ms / 3600000);
  st.wMinute = static_cast<WORD>(ms / 60000 % 60);
  st.wSecond = static_cast<WORD>(ms / 1000 % 60);
  st.wMilliseconds = static_cast<WORD>(ms % 1000);
  return st;
}

const TClassInfo& TDateTimePicker::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TDateTimePicker>("TDateTimePicker", &TWinControl::StaticClass())
          .Creatable()
          .Int("Date", &TDateTimePicker::Date, &TDateTimePicker::SetDate)
          .Enum("Kind", DateTimeKindEnum(), &TDateTimePicker::Kind, &TDateTimePicker::SetKind)
          .Enum("DateMode", DTDateModeEnum(), &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode)
          .Enum("DateFormat", DTDateFormatEnum(), &TDateTimePicker::DateFormat,
                &TDateTimePicker::SetDateFormat)
          .Str("Format", &TDateTimePicker::Format, &TDateTimePicker::SetFormat)
          .Bool("ShowCheckbox", &TDateTimePicker::ShowCheckbox, &TDateTimePicker::SetShowCheckbox)
          .Bool("Checked", &TDateTimePicker::Checked, &TDateTimePicker::SetChecked)
          .Event("OnChange", &TDateTimePicker::OnChange)
          .Event("OnDropDown", &TDateTimePicker::OnDropDown)
          .Event("OnCloseUp", &TDateTimePicker::OnCloseUp)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clWindow;
  width_ = 186;
  height_ = 21;
  SYSTEMTIME now;
  GetLocalTime(&now);
  dateTime_ = SystemTimeToDateTime(now);
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
  fw::EnsureCommonControls();
  TWinControl::CreateParams(p);
  p.superClass = DATETIMEPICK_CLASSW;
  if (kind_ == dtkTime)
    p.style |= DTS_TIMEFORMAT;
  else if (dateFormat_ == dfLong)
    p.style |= DTS_LONGDATEFORMAT;
  if (dateMode_ == dmUpDown && kind_ == dtkDate) p.style |= DTS_UPDOWN;
  if (showCheckbox_) p.style |= DTS_SHOWNONE;
  p.exStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::HandleCreated() {
  TWinControl::HandleCreated();
  if (!format_.empty())
    SendMessageW(handle_, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(wideFormat_.c_str()));
  SYSTEMTIME st = DateTimeToSystemTime(dateTime_);
  SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  if (showCheckbox_ && !checked_) SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_NONE, 0);
}

void TDateTimePicker::Remake() {
  if (!handle_) return;
  dateTime_ = DateTime();
  checked_ = Checked();
  RecreateWnd();
}

double TDateTimePicker::DateTime() const {
  if (!handle_) return dateTime_;
  SYSTEMTIME st{};
  if (SendMessageW(handle_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
    return dateTime_;
  return SystemTimeToDateTime(st);
}

void TDateTimePicker::SetDateTime(double v) {
  dateTime_ = v;
  if (!handle_) return;
  SYSTEMTIME st = DateTimeToSystemTime(v);
  SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

int TDateTimePicker::Date() const {
  return static_cast<int>(std::floor(DateTime()));
}

void TDateTimePicker::SetDate(int day) {
  // The time of day stays.
  const double current = DateTime();
  SetDateTime(day + (current - std::floor(current)));
}

void TDateTimePicker::SetKind(int v) {
  if (v == kind_) return;
  kind_ = v;
  Remake();
}

void TDateTimePicker::SetDateMode(int v) {
  if (v == dateMode_) return;
  dateMode_ = v;
  Remake();
}

void TDateTimePicker::SetDateFormat(int v) {
  if (v == dateFormat_) return;
  dateFormat_ = v;
  Remake();
}

void TDateTimePicker::SetFormat(const std::string& v) {
  format_ = v;
  wideFormat_ = fw::ToWide(v);
  if (handle_)
    SendMessageW(handle_, DTM_SETFORMATW, 0, v.empty() ? 0 : reinterpret_cast<LPARAM>(wideFormat_.c_str()));
}

void TDateTimePicker::SetShowCheckbox(bool v) {
  if (v == showCheckbox_) return;
  showCheckbox_ = v;
  Remake();
}

bool TDateTimePicker::Checked() const {
  if (!handle_ || !showCheckbox_) return checked_;
  SYSTEMTIME st{};
  return SendMessageW(handle_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) == GDT_VALID;
}

void TDateTimePicker::SetChecked(bool v) {
  checked_ = v;
  if (!handle_ || !showCheckbox_) return;
  if (v) {
    SYSTEMTIME st = DateTimeToSystemTime(dateTime_);
    SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  } else {
    SendMessageW(handle_, DTM_SETSYSTEMTIME, GDT_NONE, 0);
  }
}

void TDateTimePicker::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_NOTIFY: handled = CnNotify(*reinterpret_cast<const NMHDR*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TDateTimePicker::CnNotify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case DTN_DATETIMECHANGE: {
      const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
      if (change.dwFlags == GDT_VALID) dateTime_ = SystemTimeToDateTime(change.st);
      OnChange(this);
      break;
    }
    case DTN_DROPDOWN:
      droppedDown_ = true;
      OnDropDown(this);
      break;
    case DTN_CLOSEUP:
      droppedDown_ = false;
      OnCloseUp(this);
      break;
    default:
      break;
  }
  result = 0;
  return true;
}

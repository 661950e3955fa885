// `TDateTimePicker` over the system's date and time picker: a date or a time (`Kind`), chosen from
// a drop-down calendar or with up-down buttons (`DateMode`), with its change, drop-down and
// close-up events. Dates are day numbers counted from 30 December 1899, times fractions of a
// day (the framework's TDateTime). User-interface thread.
#pragma once
#include "framework/ui/control.h"

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTDateFormat { dfShort, dfLong };
const TEnumInfo& DateTimeKindEnum();
const TEnumInfo& DTDateModeEnum();
const TEnumInfo& DTDateFormatEnum();

// Day number (and fraction of a day) <-> calendar time, for 1601..9999.
double SystemTimeToDateTime(const SYSTEMTIME& st);
SYSTEMTIME DateTimeToSystemTime(double dateTime);

class TDateTimePicker : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TDateTimePicker(TComponent* owner);
  double DateTime() const;
  void SetDateTime(double v);
  // The whole days of DateTime, as descriptions write them.
  int Date() const;
  void SetDate(int day);
  int Kind() const { return kind_; }
  void SetKind(int v);
  int DateMode() const { return dateMode_; }
  void SetDateMode(int v);
  int DateFormat() const { return dateFormat_; }
  void SetDateFormat(int v);
  // A custom display format ("yyyy-MM-dd"); empty: the one of Kind and DateFormat.
  std::string Format() const { return format_; }
  void SetFormat(const std::string& v);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool v);
  bool Checked() const;
  void SetChecked(bool v);
  bool DroppedDown() const { return droppedDown_; }

  TNotifyEvent OnChange, OnDropDown, OnCloseUp;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnNotify(const NMHDR& header, LRESULT& result);
  void Remake();
  double dateTime_;
  int kind_ = dtkDate;
  int dateMode_ = dmComboBox;
  int dateFormat_ = dfShort;
  std::string format_;
  std::wstring wideFormat_;  // the window may keep using the text it was given
  bool showCheckbox_ = false;
  bool checked_ = true;
  bool droppedDown_ = false;
};

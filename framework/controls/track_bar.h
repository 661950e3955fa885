// `TTrackBar` over the system track bar ("msctls_trackbar32"): range, position, orientation,
// tick marks and their spacing, a selected range, and the change event when the user moves the
// thumb. User-interface thread.
#pragma once
#include <vector>

#include "framework/ui/control.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
const TEnumInfo& TrackBarOrientationEnum();
const TEnumInfo& TickMarkEnum();
const TEnumInfo& TickStyleEnum();

class TTrackBar : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TTrackBar(TComponent* owner);
  int Min() const { return min_; }
  void SetMin(int v) { SetRange(v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetRange(min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v);
  int Orientation() const { return orientation_; }
  void SetOrientation(int v);
  int TickMarks() const { return tickMarks_; }
  void SetTickMarks(int v);
  int TickStyle() const { return tickStyle_; }
  void SetTickStyle(int v);
  int Frequency() const { return frequency_; }
  void SetFrequency(int v);
  int SelStart() const { return selStart_; }
  void SetSelStart(int v);
  int SelEnd() const { return selEnd_; }
  void SetSelEnd(int v);
  int LineSize() const { return lineSize_; }
  void SetLineSize(int v);
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  // A tick mark at `value` (for tsManual).
  void SetTick(int value);
  void Loaded() override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnScroll(LRESULT& result);
  void SetRange(int min, int max);
  void ApplyToWindow();
  int min_ = 0, max_ = 10, position_ = 0;
  int orientation_ = trHorizontal;
  int tickMarks_ = tmBottomRight;
  int tickStyle_ = tsAuto;
  int frequency_ = 1;
  int selStart_ = 0, selEnd_ = 0;
  int lineSize_ = 1, pageSize_ = 2;
  std::vector<int> ticks_;
};

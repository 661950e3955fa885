// Track bars: settings kept in the object and put into the window whenever it is made; the
// scroll notifications reflected from the parent move the position. User-interface thread.
#include "framework/controls/track_bar.h"

#include <algorithm>
#include <utility>

#include "framework/controls/common_controls.h"

const TEnumInfo& TrackBarOrientationEnum() {
  static const TEnumInfo e{"TTrackBarOrientation", {"trHorizontal", "trVertical"}};
  return e;
}

const TEnumInfo& TickMarkEnum() {
  static const TEnumInfo e{"TTickMark", {"tmBottomRight", "tmTopLeft", "tmBoth"}};
  return e;
}

const TEnumInfo& TickStyleEnum() {
  static const TEnumInfo e{"TTickStyle", {"tsNone", "tsAuto", "tsManual"}};
  return e;
}

const TClassInfo& TTrackBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTrackBar>("TTrackBar", &TWinControl::StaticClass())
          .Creatable()
          .Int("Min", &TTrackBar::Min, &TTrackBar::SetMin)
          .Int("Max", &TTrackBar::Max, &TTrackBar::SetMax)
          .Int("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
          .Enum("Orientation", TrackBarOrientationEnum(), &TTrackBar::Orientation, &TTrackBar::SetOrientation)
          .Enum("TickMarks", TickMarkEnum(), &TTrackBar::TickMarks, &TTrackBar::SetTickMarks)
          .Enum("TickStyle", TickStyleEnum(), &TTrackBar::TickStyle, &TTrackBar::SetTickStyle)
          .Int("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
          .Int("SelStart", &TTrackBar::SelStart, &TTrackBar::SetSelStart)
          .Int("SelEnd", &TTrackBar::SelEnd, &TTrackBar::SetSelEnd)
          .Int("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize)
          .Int("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize)
          .Event("OnChange", &TTrackBar::OnChange)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  tabStop_ = true;
  width_ = 150;
  height_ = 45;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TTrackBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = TRACKBAR_CLASSW;
  p.style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  // Bottom/right is the default; the same bits mean top and left on a vertical bar.
  if (tickMarks_ == tmTopLeft) p.style |= TBS_TOP;
  if (tickMarks_ == tmBoth) p.style |= TBS_BOTH;
  if (tickStyle_ == tsNone) p.style |= TBS_NOTICKS;
  if (tickStyle_ == tsAuto) p.style |= TBS_AUTOTICKS;
  if (selEnd_ > selStart_) p.style |= TBS_ENABLESELRANGE;
}

void TTrackBar::HandleCreated() {
  TWinControl::HandleCreated();
  ApplyToWindow();
}

void TTrackBar::ApplyToWindow() {
  if (!handle_) return;
  SendMessageW(handle_, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(handle_, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(handle_, TBM_SETLINESIZE, 0, lineSize_);
  SendMessageW(handle_, TBM_SETPAGESIZE, 0, pageSize_);
  // Clearing drops the automatic ticks too: the frequency makes them again.
  SendMessageW(handle_, TBM_CLEARTICS, FALSE, 0);
  if (tickStyle_ == tsAuto) SendMessageW(handle_, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  if (tickStyle_ == tsManual)
    for (int tick : ticks_) SendMessageW(handle_, TBM_SETTIC, 0, tick);
  if (selEnd_ > selStart_) {
    SendMessageW(handle_, TBM_SETSELSTART, FALSE, selStart_);
    SendMessageW(handle_, TBM_SETSELEND, FALSE, selEnd_);
  } else {
    SendMessageW(handle_, TBM_CLEARSEL, FALSE, 0);
  }
  SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  // While a description is read the position may come before the range.
  if (!IsLoading()) position_ = std::clamp(position_, min_, max_);
  ApplyToWindow();
}

void TTrackBar::SetPosition(int v) {
  if (!IsLoading()) v = std::clamp(v, min_, max_);
  if (v == position_) return;
  position_ = v;
  if (handle_) SendMessageW(handle_, TBM_SETPOS, TRUE, position_);
  OnChange(this);
}

void TTrackBar::SetOrientation(int v) {
  TurnTo(orientation_, v);
}

void TTrackBar::SetTickMarks(int v) {
  if (std::exchange(tickMarks_, v) != v) RecreateWnd();
}

void TTrackBar::SetTickStyle(int v) {
  if (std::exchange(tickStyle_, v) != v) RecreateWnd();
}

void TTrackBar::SetFrequency(int v) {
  frequency_ = std::max(1, v);
  ApplyToWindow();
}

void TTrackBar::SetSelStart(int v) {
  const bool had = selEnd_ > selStart_;
  selStart_ = v;
  if (had != (selEnd_ > selStart_))
    RecreateWnd();
  else
    ApplyToWindow();
}

void TTrackBar::SetSelEnd(int v) {
  const bool had = selEnd_ > selStart_;
  selEnd_ = v;
  if (had != (selEnd_ > selStart_))
    RecreateWnd();
  else
    ApplyToWindow();
}

void TTrackBar::SetLineSize(int v) {
  lineSize_ = v;
  ApplyToWindow();
}

void TTrackBar::SetPageSize(int v) {
  pageSize_ = v;
  ApplyToWindow();
}

void TTrackBar::SetTick(int value) {
  ticks_.push_back(value);
  if (handle_) SendMessageW(handle_, TBM_SETTIC, 0, value);
}

void TTrackBar::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: handled = CnScroll(m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TTrackBar::CnScroll(LRESULT& result) {
  const int position = static_cast<int>(SendMessageW(handle_, TBM_GETPOS, 0, 0));
  if (position != position_) {
    position_ = position;
    OnChange(this);
  }
  result = 0;
  return true;
}

void TTrackBar::Loaded() {
  TWinControl::Loaded();
  position_ = std::clamp(position_, min_, max_);
  ApplyToWindow();
}

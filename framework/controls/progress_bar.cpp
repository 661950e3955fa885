// Progress bars: range, position and step kept in the object and put into the window whenever it
// is made. User-interface thread.
#include "framework/controls/progress_bar.h"

#include <algorithm>
#include <utility>

#include "framework/controls/common_controls.h"

const TEnumInfo& ProgressBarOrientationEnum() {
  static const TEnumInfo e{"TProgressBarOrientation", {"pbHorizontal", "pbVertical"}};
  return e;
}

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info = TClassBuilder<TProgressBar>("TProgressBar", &TWinControl::StaticClass())
                                     .Creatable()
                                     .Int("Min", &TProgressBar::Min, &TProgressBar::SetMin)
                                     .Int("Max", &TProgressBar::Max, &TProgressBar::SetMax)
                                     .Int("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
                                     .Enum("Orientation", ProgressBarOrientationEnum(),
                                           &TProgressBar::Orientation, &TProgressBar::SetOrientation)
                                     .Bool("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
                                     .Int("Step", &TProgressBar::Step, &TProgressBar::SetStep)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  width_ = 150;
  height_ = 16;
}

void TProgressBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = PROGRESS_CLASSW;
  if (orientation_ == pbVertical) p.style |= PBS_VERTICAL;
  if (smooth_) p.style |= PBS_SMOOTH;
}

void TProgressBar::HandleCreated() {
  TWinControl::HandleCreated();
  ApplyToWindow();
}

void TProgressBar::ApplyToWindow() {
  if (!handle_) return;
  SendMessageW(handle_, PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int min, int max) {
  if (max < min) max = min;
  min_ = min;
  max_ = max;
  // While a description is read the position may come before the range.
  if (!IsLoading()) position_ = std::clamp(position_, min_, max_);
  ApplyToWindow();
}

void TProgressBar::SetPosition(int v) {
  position_ = IsLoading() ? v : std::clamp(v, min_, max_);
  ApplyToWindow();
}

void TProgressBar::StepBy(int delta) {
  int position = position_ + delta;
  if (position > max_) position = min_ + (position - max_);
  position_ = std::clamp(position, min_, max_);
  ApplyToWindow();
}

void TProgressBar::SetOrientation(int v) {
  if (v == orientation_) return;
  orientation_ = v;
  if (!IsLoading()) std::swap(width_, height_);
  if (handle_) {
    RecreateWnd();
    SetBounds(left_, top_, width_, height_);
  }
}

void TProgressBar::SetSmooth(bool v) {
  if (std::exchange(smooth_, v) != v) RecreateWnd();
}

void TProgressBar::Loaded() {
  TWinControl::Loaded();
  position_ = std::clamp(position_, min_, max_);
  ApplyToWindow();
}

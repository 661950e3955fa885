// `TProgressBar` over the system progress bar ("msctls_progress32"): range, position, orientation,
// smooth or segmented look, and stepping. User-interface thread.
#pragma once
#include "framework/ui/control.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };
const TEnumInfo& ProgressBarOrientationEnum();

class TProgressBar : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TProgressBar(TComponent* owner);
  int Min() const { return min_; }
  void SetMin(int v) { SetRange(v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetRange(min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v);
  int Orientation() const { return orientation_; }
  void SetOrientation(int v);
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool v);
  int Step() const { return step_; }
  void SetStep(int v) { step_ = v; }
  // Moves the position by Step (or by `delta`), wrapping to the start past the end as the
  // system bar does.
  void StepIt() { StepBy(step_); }
  void StepBy(int delta);
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;

 private:
  void SetRange(int min, int max);
  void ApplyToWindow();
  int min_ = 0, max_ = 100, position_ = 0;
  int orientation_ = pbHorizontal;
  bool smooth_ = false;
  int step_ = 10;
};

// Up-down buttons over the system's up-down control ("msctls_updown32"): `TCustomUpDown` and
// `TUpDown` with the associated control that shows the position, the range, the step and the
// orientation. User-interface thread.
#pragma once
#include "framework/ui/control.h"

enum TUDOrientation { udHorizontal, udVertical };
enum TUDAlignButton { udLeft, udRight };
const TEnumInfo& UDOrientationEnum();
const TEnumInfo& UDAlignButtonEnum();

class TCustomUpDown : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomUpDown(TComponent* owner);
  // The control beside the buttons whose text shows the position (usually an edit).
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);
  int Min() const { return min_; }
  void SetMin(int v) { SetRange(v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetRange(min_, v); }
  int Position() const;
  void SetPosition(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v);
  int Orientation() const { return orientation_; }
  void SetOrientation(int v);
  int AlignButton() const { return alignButton_; }
  void SetAlignButton(int v);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool v);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool v);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool v);

  void Notification(TComponent* component, TOperation operation) override;
  // OnClick runs after each press of a button (or arrow key), once the position has moved.

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnScroll(WORD code, LRESULT& result);
  void SetRange(int min, int max);
  // Styles the system reads only when the window is made: make it again.
  void Remake();
  TWinControl* associate_ = nullptr;
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  int orientation_ = udVertical;
  int alignButton_ = udRight;
  bool wrap_ = false, arrowKeys_ = true, thousands_ = true;
};

class TUpDown : public TCustomUpDown {
  FW_DECLARE_CLASS()
 public:
  using TCustomUpDown::TCustomUpDown;
};

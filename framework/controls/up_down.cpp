// Up-down buttons: range, position and step kept in the object and in the window; the window
// writes the position into its associate itself; the reflected scroll notification that
// follows each press fires OnClick. User-interface thread.
#include "framework/controls/up_down.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/controls/common_controls.h"

const TEnumInfo& UDOrientationEnum() {
  static const TEnumInfo e{"TUDOrientation", {"udHorizontal", "udVertical"}};
  return e;
}

const TEnumInfo& UDAlignButtonEnum() {
  static const TEnumInfo e{"TUDAlignButton", {"udLeft", "udRight"}};
  return e;
}

const TClassInfo& TCustomUpDown::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomUpDown>("TCustomUpDown", &TWinControl::StaticClass())
          .Obj("Associate", &TWinControl::StaticClass, &TCustomUpDown::Associate,
               &TCustomUpDown::SetAssociate)
          .Int("Min", &TCustomUpDown::Min, &TCustomUpDown::SetMin)
          .Int("Max", &TCustomUpDown::Max, &TCustomUpDown::SetMax)
          .Int("Position", &TCustomUpDown::Position, &TCustomUpDown::SetPosition)
          .Int("Increment", &TCustomUpDown::Increment, &TCustomUpDown::SetIncrement)
          .Enum("Orientation", UDOrientationEnum(), &TCustomUpDown::Orientation,
                &TCustomUpDown::SetOrientation)
          .Enum("AlignButton", UDAlignButtonEnum(), &TCustomUpDown::AlignButton,
                &TCustomUpDown::SetAlignButton)
          .Bool("Wrap", &TCustomUpDown::Wrap, &TCustomUpDown::SetWrap)
          .Bool("ArrowKeys", &TCustomUpDown::ArrowKeys, &TCustomUpDown::SetArrowKeys)
          .Bool("Thousands", &TCustomUpDown::Thousands, &TCustomUpDown::SetThousands)
          .Build();
  return info;
}

const TClassInfo& TUpDown::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TUpDown>("TUpDown", &TCustomUpDown::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomUpDown::TCustomUpDown(TComponent* owner) : TWinControl(owner) {
  width_ = 17;
  height_ = 25;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TCustomUpDown::CreateParams(TCreateParams& p) {
  fw::EnsureCommonControls();
  TWinControl::CreateParams(p);
  p.superClass = UPDOWN_CLASSW;
  p.style |= UDS_SETBUDDYINT;
  if (orientation_ == udHorizontal) p.style |= UDS_HORZ;
  if (associate_) p.style |= alignButton_ == udLeft ? UDS_ALIGNLEFT : UDS_ALIGNRIGHT;
  if (wrap_) p.style |= UDS_WRAP;
  if (arrowKeys_) p.style |= UDS_ARROWKEYS;
  if (!thousands_) p.style |= UDS_NOTHOUSANDS;
}

void TCustomUpDown::HandleCreated() {
  TWinControl::HandleCreated();
  SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(handle_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  if (associate_) SendMessageW(handle_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::Remake() {
  if (!handle_) return;
  position_ = Position();
  RecreateWnd();
}

void TCustomUpDown::SetAssociate(TWinControl* control) {
  if (control == associate_ || control == this) return;
  if (associate_) RemoveFreeNotification(associate_);
  associate_ = control;
  if (associate_) FreeNotification(associate_);
  // The alignment style is taken when the window is made, and only with a buddy.
  Remake();
}

void TCustomUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) {
    associate_ = nullptr;
    if (handle_) SendMessageW(handle_, UDM_SETBUDDY, 0, 0);
  }
}

void TCustomUpDown::SetRange(int min, int max) {
  min_ = min;
  max_ = max;
  if (handle_) SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SetPosition(position_);
}

int TCustomUpDown::Position() const {
  if (!handle_) return position_;
  BOOL failed = FALSE;
  const int pos = static_cast<int>(SendMessageW(handle_, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  return failed ? position_ : pos;
}

void TCustomUpDown::SetPosition(int v) {
  // Loading order does not matter: the range may come after the position.
  position_ = IsLoading() ? v : std::clamp(v, std::min(min_, max_), std::max(min_, max_));
  if (handle_) SendMessageW(handle_, UDM_SETPOS32, 0, position_);
}

void TCustomUpDown::SetIncrement(int v) {
  increment_ = v < 1 ? 1 : v;
  if (!handle_) return;
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(handle_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TCustomUpDown::SetOrientation(int v) {
  if (v == orientation_) return;
  orientation_ = v;
  Remake();
}

void TCustomUpDown::SetAlignButton(int v) {
  if (v == alignButton_) return;
  alignButton_ = v;
  Remake();
}

void TCustomUpDown::SetWrap(bool v) {
  if (v == wrap_) return;
  wrap_ = v;
  Remake();
}

void TCustomUpDown::SetArrowKeys(bool v) {
  if (v == arrowKeys_) return;
  arrowKeys_ = v;
  Remake();
}

void TCustomUpDown::SetThousands(bool v) {
  if (v == thousands_) return;
  thousands_ = v;
  Remake();
}

void TCustomUpDown::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: handled = CnScroll(LOWORD(m.WParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TCustomUpDown::CnScroll(WORD code, LRESULT& result) {
  if (code == SB_THUMBPOSITION) {
    position_ = Position();
    Click();
  }
  result = 0;
  return true;
}

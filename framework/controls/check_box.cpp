// Check boxes and radio buttons: the state lives in the object and is shown by the window;
// the reflected click moves it on and fires OnClick. User-interface thread.
#include "framework/controls/check_box.h"

const TEnumInfo& CheckBoxStateEnum() {
  static const TEnumInfo e{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
  return e;
}

namespace {

// Moves the caption to the left of the box (BS_LEFTTEXT) on a window that exists.
void ApplyLeftText(HWND wnd, bool left) {
  if (!wnd) return;
  LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE) & ~static_cast<LONG_PTR>(BS_LEFTTEXT);
  SetWindowLongPtrW(wnd, GWL_STYLE, style | (left ? BS_LEFTTEXT : 0));
  InvalidateRect(wnd, nullptr, TRUE);
}

}  // namespace

const TClassInfo& TCustomCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomCheckBox>("TCustomCheckBox", &TButtonControl::StaticClass())
          .Enum("State", CheckBoxStateEnum(), &TCustomCheckBox::State, &TCustomCheckBox::SetState)
          .Bool("Checked", &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked)
          .Bool("AllowGrayed", &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed)
          .Enum("Alignment", LeftRightEnum(), &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment)
          .Build();
  return info;
}

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCheckBox>("TCheckBox", &TCustomCheckBox::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioButton>("TRadioButton", &TButtonControl::StaticClass())
          .Creatable()
          .Bool("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
          .Enum("Alignment", LeftRightEnum(), &TRadioButton::Alignment, &TRadioButton::SetAlignment)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  width_ = 97;
  height_ = 17;
}

void TCustomCheckBox::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  // A plain three-state button: the object decides what a click does.
  p.style |= BS_3STATE | BS_MULTILINE;
  if (alignment_ == lrLeftJustify) p.style |= BS_LEFTTEXT;
}

void TCustomCheckBox::HandleCreated() {
  TButtonControl::HandleCreated();
  SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::SetState(int v) {
  if (v < cbUnchecked || v > cbGrayed || v == state_) return;
  state_ = v;
  if (handle_) SendMessageW(handle_, BM_SETCHECK, static_cast<WPARAM>(v), 0);
  // A state read from a description is no click.
  if (!IsLoading()) Click();
}

void TCustomCheckBox::SetAlignment(int v) {
  alignment_ = v;
  ApplyLeftText(handle_, v == lrLeftJustify);
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked:
      SetState(cbChecked);
      break;
    case cbChecked:
      SetState(allowGrayed_ ? cbGrayed : cbUnchecked);
      break;
    default:
      SetState(cbUnchecked);
      break;
  }
}

void TCustomCheckBox::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam)); break;
    default: break;
  }
  if (!handled) TButtonControl::WndProc(m);
}

bool TCustomCheckBox::CnCommand(WORD code) {
  if (code == BN_CLICKED) Toggle();
  return true;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
  width_ = 113;
  height_ = 17;
}

void TRadioButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.style |= BS_RADIOBUTTON | BS_MULTILINE;
  if (alignment_ == lrLeftJustify) p.style |= BS_LEFTTEXT;
}

void TRadioButton::HandleCreated() {
  TButtonControl::HandleCreated();
  SendMessageW(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  if (handle_) SendMessageW(handle_, BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!v) return;
  if (parent_)
    for (int i = 0; i < parent_->ControlCount(); ++i)
      if (auto* other = ObjectAs<TRadioButton>(parent_->Controls(i)); other && other != this)
        other->SetChecked(false);
  if (!IsLoading()) Click();
}

void TRadioButton::SetAlignment(int v) {
  alignment_ = v;
  ApplyLeftText(handle_, v == lrLeftJustify);
}

void TRadioButton::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam)); break;
    default: break;
  }
  if (!handled) TButtonControl::WndProc(m);
}

bool TRadioButton::CnCommand(WORD code) {
  if (code == BN_CLICKED) SetChecked(true);
  return true;
}

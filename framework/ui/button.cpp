// Push buttons: click notifications come back from the parent as a reflected command.
// User-interface thread.
#include "framework/ui/button.h"

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info = TClassBuilder<TButtonControl>("TButtonControl", &TWinControl::StaticClass()).Build();
  return info;
}

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info = [] {
    TClassInfo i = TClassBuilder<TButton>("TButton", &TButtonControl::StaticClass())
                       .Creatable()
                       .Bool("Default", &TButton::Default, &TButton::SetDefault)
                       .Bool("Cancel", &TButton::Cancel, &TButton::SetCancel)
                       .Int("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
                       .Build();
    return i;
  }();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  width_ = 75;
  height_ = 25;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TButtonControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = L"BUTTON";
}

void TButtonControl::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam)); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TButtonControl::CnCommand(WORD code) {
  if (code == BN_CLICKED) Click();
  return true;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {}

void TButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  p.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  default_ = v;
  if (handle_) SendMessageW(handle_, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click() { TButtonControl::Click(); }

// Spin button and spin edit: the up-down control's position change is refused and reported as
// an up or a down press instead; the edit steps its value on those presses and on the arrow
// keys, and keeps its value in range when it loses the focus. User-interface thread.
#include "framework/controls/spin_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "framework/controls/common_controls.h"

const TClassInfo& TSpinButton::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSpinButton>("TSpinButton", &TWinControl::StaticClass())
                                     .Creatable()
                                     .Obj("FocusControl", &TWinControl::StaticClass,
                                          &TSpinButton::FocusControl, &TSpinButton::SetFocusControl)
                                     .Event("OnUpClick", &TSpinButton::OnUpClick)
                                     .Event("OnDownClick", &TSpinButton::OnDownClick)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TSpinButton::TSpinButton(TComponent* owner) : TWinControl(owner) {
  width_ = 20;
  height_ = 25;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TSpinButton::CreateParams(TCreateParams& p) {
  fw::EnsureCommonControls();
  TWinControl::CreateParams(p);
  p.superClass = UPDOWN_CLASSW;
  p.style &= ~WS_TABSTOP;
}

void TSpinButton::HandleCreated() {
  TWinControl::HandleCreated();
  // A position in the middle of a wide range: every press asks to move it, and is refused.
  SendMessageW(handle_, UDM_SETRANGE32, 0, 100);
  SendMessageW(handle_, UDM_SETPOS32, 0, 50);
}

void TSpinButton::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_NOTIFY: handled = CnNotify(*reinterpret_cast<const NMHDR*>(m.LParam), m.Result); break;
    case CN_HSCROLL:
    case CN_VSCROLL: handled = CnScroll(m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TSpinButton::CnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code != UDN_DELTAPOS) return false;
  const auto& delta = reinterpret_cast<const NMUPDOWN&>(header);
  if (focusControl_ && focusControl_->CanFocus() && !focusControl_->Focused()) focusControl_->SetFocus();
  if (delta.iDelta > 0)
    OnUpClick(this);
  else if (delta.iDelta < 0)
    OnDownClick(this);
  result = 1;  // the position stays where it is
  return true;
}

bool TSpinButton::CnScroll(LRESULT& result) {
  result = 0;
  return true;
}

const TClassInfo& TSpinEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSpinEdit>("TSpinEdit", &TCustomEdit::StaticClass())
          .Creatable()
          .Int("Value", &TSpinEdit::Value, &TSpinEdit::SetValue)
          .Int("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue)
          .Int("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue)
          .Int("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement)
          .Bool("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled)
          .Event("OnChange", &TSpinEdit::OnChange)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TSpinEdit::TSpinEdit(TComponent* owner) : TCustomEdit(owner), button_(CreateIn<TSpinButton>(this)) {
  caption_ = "0";
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnUpClick.code = [this](TObject*) {
    if (!readOnly_) StepUp();
  };
  button_->OnDownClick.code = [this](TObject*) {
    if (!readOnly_) StepDown();
  };
}

void TSpinEdit::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.style |= ES_AUTOHSCROLL | WS_CLIPCHILDREN;
  if (!editorEnabled_) p.style |= ES_READONLY;
}

void TSpinEdit::HandleCreated() {
  TCustomEdit::HandleCreated();
  PlaceButton();
}

void TSpinEdit::BoundsChanged() {
  TCustomEdit::BoundsChanged();
  PlaceButton();
}

void TSpinEdit::PlaceButton() {
  if (!handle_) return;
  RECT client;
  GetClientRect(handle_, &client);
  const int width = GetSystemMetrics(SM_CXVSCROLL);
  button_->SetBounds(client.right - width, 0, width, client.bottom);
  // Text stops before the button.
  SendMessageW(handle_, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width + 2));
}

int TSpinEdit::Clamp(int v) const {
  // Equal limits mean no limits.
  if (maxValue_ == minValue_) return v;
  return std::clamp(v, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

int TSpinEdit::Value() const {
  const std::string text = Text();
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  return Clamp(end == text.c_str() ? minValue_ : static_cast<int>(v));
}

void TSpinEdit::SetValue(int v) {
  // While reading a description the limits may still come: keep the number as given.
  SetText(std::to_string(IsLoading() ? v : Clamp(v)));
}

void TSpinEdit::SetMinValue(int v) {
  minValue_ = v;
  if (!IsLoading()) SetValue(Value());
}

void TSpinEdit::SetMaxValue(int v) {
  maxValue_ = v;
  if (!IsLoading()) SetValue(Value());
}

void TSpinEdit::SetEditorEnabled(bool v) {
  editorEnabled_ = v;
  if (handle_) SendMessageW(handle_, EM_SETREADONLY, !v || readOnly_, 0);
}

void TSpinEdit::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam), m.Result); break;
    case WM_KEYDOWN: handled = WmKeyDown(static_cast<UINT>(m.WParam), m.Result); break;
    case WM_KILLFOCUS: handled = WmKillFocus(); break;
    default: break;
  }
  if (!handled) TCustomEdit::WndProc(m);
}

bool TSpinEdit::CnCommand(WORD code, LRESULT& result) {
  if (code == EN_CHANGE) OnChange(this);
  result = 0;
  return true;
}

// Up and down step the value; other keys reach the edit.
bool TSpinEdit::WmKeyDown(UINT key, LRESULT& result) {
  if (key != VK_UP && key != VK_DOWN) return false;
  if (!readOnly_) key == VK_UP ? StepUp() : StepDown();
  result = 0;
  return true;
}

// Leaving the edit puts what was typed back in range; the edit still sees the focus go.
bool TSpinEdit::WmKillFocus() {
  const std::string normal = std::to_string(Value());
  if (Text() != normal) SetText(normal);
  return false;
}

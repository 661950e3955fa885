// TControl: bounds, text, colour and font shared by every control. User-interface thread.
#include "framework/ui/control.h"

#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/ui/form.h"

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControl>("TControl", &TComponent::StaticClass())
          .Int("Left", &TControl::Left, &TControl::SetLeft)
          .Int("Top", &TControl::Top, &TControl::SetTop)
          .Int("Width", &TControl::Width, &TControl::SetWidth)
          .Int("Height", &TControl::Height, &TControl::SetHeight)
          .Str("Caption", &TControl::Caption, &TControl::SetCaption)
          .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled)
          .Bool("Visible", &TControl::Visible, &TControl::SetVisible)
          .IntNamed("Color", &TControl::Color, &TControl::SetColor, IdentToColor, ColorToIdent)
          .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
          .Obj("Font", &TFont::StaticClass, &TControl::Font)
          .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
          .Str("Hint", &TControl::Hint, &TControl::SetHint)
          .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
          .Event("OnClick", &TControl::OnClick)
          .Build();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this]() {
    parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  font_.OnChange = nullptr;
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* win = ObjectAs<TWinControl>(parent)) SetParent(win);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) {
    parent->InsertControl(this);
    if (parentFont_) ParentFontChanged();
    if (parentColor_) ParentColorChanged();
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
  BoundsChanged();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  TextChanged();
}

std::wstring TControl::WideCaption() const { return fw::ToWide(Caption()); }

void TControl::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  VisibleChanged();
  Perform(CM_VISIBLECHANGED, v);
}

void TControl::SetEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED, v);
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetParentColor(bool v) {
  parentColor_ = v;
  if (v && parent_) ParentColorChanged();
}

void TControl::SetParentFont(bool v) {
  parentFont_ = v;
  if (v && parent_) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parent_ || !parentFont_) return;
  auto keep = font_.OnChange;
  font_.OnChange = nullptr;
  font_.Assign(*parent_->Font());
  font_.OnChange = keep;
  FontChanged();
}

void TControl::ParentColorChanged() {
  if (!parent_ || !parentColor_) return;
  if (color_ != parent_->Color()) {
    color_ = parent_->Color();
    ColorChanged();
  }
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  if (WindowProc) WindowProc(m);
  else WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& message) { DefaultHandler(message); }

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

void TControl::Invalidate() {}

void TControl::Repaint() {}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return ObjectAs<TCustomForm>(const_cast<TControl*>(c));
}

// TSkinSpeedButton: a windowless speed button skinned through its message method; drawn on
// its parent's DC at the control's place, with the flat and down rules. UI thread.
#include "framework/core/text.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_button.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {
bool ReadsTrue(TObject* object, const char* name) {
  return fw::AsciiLowerCase(GetEnumPropByName(object, name)) == "true";
}
bool ReadsFalse(TObject* object, const char* name) {
  return fw::AsciiLowerCase(GetEnumPropByName(object, name)) == "false";
}
}  // namespace

TSkinSpeedButton::~TSkinSpeedButton() {
  Hook().UnhookControl();
}

void TSkinSpeedButton::Init(TControlSkinHost* host, TSkinData* skinData, TCanvas* sharedCanvas) {
  auto* control = ObjectAs<TControl>(Owner());
  if (!control || Binding().GraphicControl()) return;
  BindGraphicControl(control, skinData, host, sharedCanvas);
  SetDefaultTransparency();
}

bool TSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return OnPaint(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return OnLButtonDown(m);
    case WM_LBUTTONUP:
      return false;
    default:
      return TSkinButton::BeforeMessage(m);
  }
}

// A paint into the parent's DC (the parent paints its windowless children) is the skin's.
bool TSkinSpeedButton::OnPaint(TMessage& m) {
  if (!m.WParam) return false;
  DrawOn(reinterpret_cast<HDC>(m.WParam));
  m.Result = 1;
  return true;
}

// The control takes the press first, then the skin shows it.
bool TSkinSpeedButton::OnLButtonDown(TMessage& m) {
  CallSaved(m);
  Marks().SetPressed(true);
  PaintWindow(nullptr);
  return true;
}

void TSkinSpeedButton::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED:
      break;
    case WM_NCDESTROY:
    case CM_RELEASE:
      Hook().UnhookControl();
      break;
    case WM_KEYDOWN:
      OnSpaceKey(static_cast<UINT>(m.WParam), true);
      break;
    case WM_KEYUP:
      OnSpaceKey(static_cast<UINT>(m.WParam), false);
      break;
    case WM_LBUTTONUP:
      OnReleased();
      break;
    case CM_MOUSEENTER:
      OnPointerEnter();
      break;
    case CM_MOUSELEAVE:
      OnPointerLeave();
      break;
    default:
      TSkinButton::AfterMessage(m);
      break;
  }
}

// Windowless: every change of look is painted at once on the parent's DC.
void TSkinSpeedButton::OnSpaceKey(UINT key, bool down) {
  if (key != VK_SPACE) return;
  Marks().SetPressed(down);
  PaintWindow(nullptr);
}

void TSkinSpeedButton::OnReleased() {
  Marks().SetPressed(false);
  PaintWindow(nullptr);
}

void TSkinSpeedButton::OnPointerEnter() {
  Marks().SetHot(true);
  PaintWindow(nullptr);
}

void TSkinSpeedButton::OnPointerLeave() {
  Marks().SetHot(false);
  Marks().SetPressed(false);
  TControl* button = Binding().GraphicControl();
  if (button && button->Visible()) PaintWindow(nullptr);
}

void TSkinSpeedButton::PaintWindow(HDC dc) {
  TControl* button = Binding().GraphicControl();
  if (!button) return;
  if (dc) {
    DrawOn(dc);
    return;
  }
  TWinControl* parent = button->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  fw::WindowDC parentDC(parent->RawHandle());
  if (!parentDC.get()) return;
  fw::SavedDCState saved(parentDC.get());
  SetViewportOrgEx(parentDC.get(), button->Left(), button->Top(), nullptr);
  IntersectClipRect(parentDC.get(), 0, 0, button->Width(), button->Height());
  DrawOn(parentDC.get());
}

void TSkinSpeedButton::DrawOn(HDC dc) {
  TControl* button = Binding().GraphicControl();
  if (!button || painting_ || ReadsFalse(button, "Visible")) return;
  const RECT rect{0, 0, button->Width(), button->Height()};
  if (rect.right <= 0 || rect.bottom <= 0) return;
  painting_ = true;
  try {
    Draw(dc, rect);
  } catch (...) {
  }
  painting_ = false;
}

void TSkinSpeedButton::Draw(HDC dc, const RECT& rect) {
  TDataSkinButton* buttons = ButtonsElement();
  TControl* button = Binding().GraphicControl();
  if (!buttons || !button) return;
  const bool down = ReadsTrue(button, "Down");
  Marks().SetEnabled(ReadsTrue(button, "Enabled"));
  Marks().SetFocused(0);
  SetCaption(GetTextPropByName(button, "Caption"));
  const TControlMarks& m = Marks();
  const int state = SpeedButtonState(down, m.Enabled(), m.Pressed(), m.Hot());
  lastState_ = state;
  lastFrame_ = state;
  HDC bitmapDC = PrepareBitmap(rect);
  const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
  if (SpeedButtonDrawsFrame(state, ReadsTrue(button, "Flat")))
    DrawElementFrame(bitmapDC, local, *buttons, buttons->FrameCount, state);
  SelectTextFont(bitmapDC);
  ApplyTextColours(bitmapDC, state, false);
  DrawGlyphAndCaption(bitmapDC, local, state, SpeedButtonGlyphFrame(state, down));
  Present(dc, rect);
}

}  // namespace quarnel

// TSkinControl: attaching to a framework control or a bare window, the message flow through
// SkinWindowProc, detaching and destruction that puts back what was replaced. UI thread.
#include "skin/controls/skin_control.h"

#include "skin/controls/control_fills.h"
#include "skin/controls/control_skin_host.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

TSkinControl::TSkinControl(TComponent* owner, int32_t variant)
    : TComponent(owner),
      binding_(*this),
      hook_(*this, [this](TMessage& m) { SkinWindowProc(m); }),
      variant_(variant) {}

TSkinControl::~TSkinControl() {
  hook_.Release();
  binding_.Unregister();
}

void TSkinControl::BeforeDestruction() {
  hook_.Release();
  binding_.Unregister();
  TComponent::BeforeDestruction();
}

void TSkinControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  binding_.Forget(component);
  hook_.ControlGone(component);
}

void TSkinControl::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                          TCanvas* sharedCanvas) {
  if (attach_.Attached()) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  binding_.TakeSkin(skinData, sharedCanvas);
  binding_.TakeControl(*control);
  binding_.TakeWindow(control->Handle());
  binding_.ReadWindowKind();
  focus_.Forget();
  hook_.HookControl(*control);
  binding_.Register(host);
  if (useSkinColor) {
    colorLoan_.TakeParentBackground(control, skinData);
    colorLoan_.Take(control->Color());
    control->SetColor(SkinFaceColor(*this));
  } else {
    colorLoan_.Drop();
  }
  if (colorLoan_.ParentBackgroundTaken()) variant_ = 1;
  control->Invalidate();
  attach_.AttachedByBase();
}

void TSkinControl::BindWindowedControl(TWinControl* control, TSkinData* skinData, TControlSkinHost* host,
                                       TCanvas* canvas) {
  binding_.TakeSkin(skinData, canvas);
  binding_.TakeControl(*control);
  binding_.TakeWindow(control->Handle());
  focus_.Forget();
  binding_.Register(host);
}

void TSkinControl::BindGraphicControl(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                                      TCanvas* canvas) {
  binding_.TakeSkin(skinData, canvas);
  binding_.TakeGraphicControl(*control);
  hook_.HookControl(*control);
  binding_.Register(host);
  attach_.MarkAttached();
}

void TSkinControl::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                                TCanvas* sharedCanvas) {
  if (attach_.Attached() || !IsWindow(window)) return;
  binding_.TakeSkin(skinData, sharedCanvas);
  binding_.TakeWindow(window);
  focus_.Forget();
  marks_.SetEnabled(true);
  variant_ = 0;
  binding_.Register(host);
  binding_.ReadWindowKind();
  caption_ = WindowTextWide(window);
  hook_.HookWindow(window);
  InvalidateRect(window, nullptr, TRUE);
  attach_.AttachedByBase();
}

void TSkinControl::AttachHandleFor(TWinControl& control, TSkinData* skinData, TControlSkinHost* host,
                                   TCanvas* canvas) {
  binding_.TakeControl(control);
  AttachHandle(control.Handle(), skinData, host, canvas);
}

void TSkinControl::Detach() {
  if (!attach_.Active()) return;
  attach_.SetActive(false);
  if (attach_.State() != scsWindowGone && colorLoan_.Taken() && Control())
    colorLoan_.GiveBack(*Control(), SkinData());
}

void TSkinControl::TakeRemadeWindow() {
  if (!Control() || !Control()->HandleAllocated()) return;
  binding_.FollowControlWindow();
  focus_.Forget();  // the old window may have gone with the focus, and no WM_KILLFOCUS said so
  attach_.Resume();
}

void TSkinControl::UpdateSkin() {
  if (colorLoan_.Taken() && Control()) Control()->SetColor(SkinFaceColor(*this));
  Repaint();
}

// --- message flow ---------------------------------------------------------------------------------

void TSkinControl::SkinWindowProc(TMessage& message) {
  focus_.Follow(message.Msg);
  if (message.Msg == SKM_ENABLESKIN) {
    attach_.SetActive(message.WParam > 0);
    ActiveChanged();
    if (attach_.Active()) Repaint();
    return;
  }
  if (!attach_.Active()) {
    CallSaved(message);
    return;
  }
  if (BeforeMessage(message)) return;
  CallSaved(message);
  AfterMessage(message);
}

bool TSkinControl::BeforeMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      return OnNcDestroy(message);
    case SKM_QUERYSKINNED:
      message.Result = 1;
      return true;
    default:
      return false;
  }
}

bool TSkinControl::OnNcDestroy(TMessage& message) {
  attach_.MarkWindowGone();
  CallSaved(message);
  if (attach_.Active()) Detach();
  return true;
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:  // its keyboard cues shown or hidden
    case CM_ENABLEDCHANGED:
      Repaint();
      break;
    case WM_PAINT:
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      break;
    case CM_RECREATEWND:
      OnRecreateWindow();
      break;
    default:
      break;
  }
}

// The control made its window again: the hook stays on the control, the window is new. The old
// window's last message detached this object; it serves the new one again.
void TSkinControl::OnRecreateWindow() {
  if (!Control() || !Control()->HandleAllocated() || !attach_.Attached()) return;
  binding_.FollowControlWindow();
  focus_.Forget();
  binding_.ReadWindowKind();
  attach_.Resume();
  Repaint();
}

void TSkinControl::Repaint() {
  // A frame taking a new skin invalidates its window and every child once, at the end.
  if (TInvalidationsSuspended::Active()) return;
  if (TControl* graphic = binding_.GraphicControl()) {
    graphic->Invalidate();
  } else if (Window() && IsWindow(Window())) {
    InvalidateRect(Window(), nullptr, TRUE);
    UpdateWindow(Window());
  }
}

void ForwardMouseDown(const TSkinControl& skin, WPARAM keys, POINT at) {
  TControl* control = skin.Binding().OwnerControl();
  if (!control) return;
  int x = at.x;
  int y = at.y;
  if (control->Width() > kLParamCoordinateLimit || control->Height() > kLParamCoordinateLimit) {
    POINT p{};
    GetCursorPos(&p);
    if (skin.Window()) ScreenToClient(skin.Window(), &p);
    x = p.x;
    y = p.y;
  }
  control->MouseDown(mbLeft, KeysToShiftState(keys), x, y);
}

}  // namespace quarnel

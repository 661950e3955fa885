// TSkinControl: attaching to a framework control or a bare window, the message flow through
// SkinWindowProc, detaching and destruction that puts back what was replaced. UI thread.
#include "skin/controls/skin_control.h"

#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

TSkinControl::TSkinControl(TComponent* owner, int32_t variant) : TComponent(owner), variant_(variant) {}

TSkinControl::~TSkinControl() {
  UnhookControl();
  subclass_.Restore();
  Unregister();
}

void TSkinControl::BeforeDestruction() {
  UnhookControl();
  subclass_.Restore();
  Unregister();
  TComponent::BeforeDestruction();
}

void TSkinControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == hostComponent_) {
    host_ = nullptr;
    hostComponent_ = nullptr;
  }
  if (component == hookedControl_) {
    hookedControl_ = nullptr;  // the control goes first: nothing to put back
    savedHook_ = nullptr;
  }
  if (component == skinData_) skinData_ = nullptr;
}

void TSkinControl::Register(TControlSkinHost* host) {
  if (host_ && host_ != host) Unregister();
  host_ = host;
  if (!host) return;
  hostComponent_ = &host->HostComponent();
  FreeNotification(hostComponent_);
  host->RegisterControlSkin(*this);
}

void TSkinControl::Unregister() {
  if (!host_) return;
  host_->UnregisterControlSkin(*this);
  RemoveFreeNotification(hostComponent_);
  host_ = nullptr;
  hostComponent_ = nullptr;
}

void TSkinControl::HookControl(TControl& control) {
  if (hookedControl_) return;
  hookedControl_ = &control;
  savedHook_ = control.WindowProc;
  control.WindowProc = [this](TMessage& m) { SkinWindowProc(m); };
  if (&control != Owner()) FreeNotification(&control);
}

void TSkinControl::UnhookControl() {
  if (!hookedControl_) return;
  if (savedHook_) hookedControl_->WindowProc = std::move(savedHook_);
  savedHook_ = nullptr;
  if (hookedControl_ != Owner()) RemoveFreeNotification(hookedControl_);
  hookedControl_ = nullptr;
}

void TSkinControl::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                          TCanvas* sharedCanvas) {
  if (attached_) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  useSkinColor_ = useSkinColor;
  skinData_ = skinData;
  sharedCanvas_ = sharedCanvas;
  control_ = control;
  window_ = control->Handle();
  focus_ = FocusKnown::Unknown;
  unicodeWindow_ = window_ && IsWindowUnicode(window_);
  if (skinData) FreeNotification(skinData);
  HookControl(*control);
  Register(host);
  if (useSkinColor_) {
    TakeParentBackground();
    savedColor_ = control->Color();
    control->SetColor(SkinFaceColor());
  }
  if (parentBackgroundTaken_) variant_ = 1;
  control->Invalidate();
  attached_ = true;
  state_ = scsAttached;
}

void TSkinControl::BindWindowedControl(TWinControl* control, TSkinData* skinData, TControlSkinHost* host,
                                       TCanvas* canvas) {
  skinData_ = skinData;
  sharedCanvas_ = canvas;
  control_ = control;
  window_ = control->Handle();
  focus_ = FocusKnown::Unknown;
  if (skinData) FreeNotification(skinData);
  Register(host);
}

void TSkinControl::BindGraphicControl(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                                      TCanvas* canvas) {
  skinData_ = skinData;
  sharedCanvas_ = canvas;
  graphicControl_ = control;
  if (skinData) FreeNotification(skinData);
  HookControl(*control);
  Register(host);
  state_ = scsAttached;
}

void TSkinControl::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                                TCanvas* sharedCanvas) {
  if (attached_ || !IsWindow(window)) return;
  skinData_ = skinData;
  sharedCanvas_ = sharedCanvas;
  window_ = window;
  focus_ = FocusKnown::Unknown;
  enabled_ = true;
  variant_ = 0;
  if (skinData) FreeNotification(skinData);
  Register(host);
  unicodeWindow_ = IsWindowUnicode(window) != FALSE;
  caption_ = WindowTextWide(window);
  subclass_.Install(window, [this](TMessage& m) { SkinWindowProc(m); });
  InvalidateRect(window, nullptr, TRUE);
  attached_ = true;
  state_ = scsAttached;
}

void TSkinControl::AttachHandleFor(TWinControl& control, TSkinData* skinData, TControlSkinHost* host,
                                   TCanvas* canvas) {
  control_ = &control;
  AttachHandle(control.Handle(), skinData, host, canvas);
}

void TSkinControl::FollowControlWindow() {
  if (control_ && control_->HandleAllocated()) window_ = control_->RawHandle();
}

void TSkinControl::Detach() {
  if (!active_) return;
  active_ = false;
  if (state_ != scsWindowGone && useSkinColor_ && control_) {
    GiveParentBackground();
    control_->SetColor(savedColor_);
  }
}

void TSkinControl::MarkDetached() {
  active_ = false;
  if (state_ == scsAttached) state_ = scsDetached;
}

void TSkinControl::TakeRemadeWindow() {
  if (!control_ || !control_->HandleAllocated()) return;
  window_ = control_->Handle();
  state_ = scsAttached;
  active_ = true;
}

void TSkinControl::UpdateSkin() {
  if (useSkinColor_ && control_) control_->SetColor(SkinFaceColor());
  Repaint();
}

void TSkinControl::TakeParentBackground() {
  if (!control_ || (skinData_ && HasOption(*skinData_, xoParentBackGround))) return;
  if (!control_->ClassInfo().FindProperty("ParentBackground")) return;
  std::string value = GetEnumPropByName(control_, "ParentBackground");
  for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (value == "true") {
    parentBackgroundTaken_ = true;
    SetPropByName(control_, "ParentBackground", "False");
  }
}

void TSkinControl::GiveParentBackground() {
  if (!control_ || !parentBackgroundTaken_) return;
  if (skinData_ && HasOption(*skinData_, xoParentBackGround)) return;
  SetPropByName(control_, "ParentBackground", "True");
}

// --- message flow ---------------------------------------------------------------------------------

void TSkinControl::SkinWindowProc(TMessage& message) {
  if (message.Msg == WM_SETFOCUS) focus_ = FocusKnown::Focused;
  if (message.Msg == WM_KILLFOCUS) focus_ = FocusKnown::NotFocused;
  if (message.Msg == SKM_ENABLESKIN) {
    active_ = message.WParam > 0;
    ActiveChanged();
    if (active_) Repaint();
    return;
  }
  if (!active_) {
    CallSaved(message);
    return;
  }
  if (BeforeMessage(message)) return;
  CallSaved(message);
  AfterMessage(message);
}

bool TSkinControl::HasFocus() {
  if (!window_) return false;
  if (focus_ == FocusKnown::Unknown || !HookInstalled())
    focus_ = GetFocus() == window_ ? FocusKnown::Focused : FocusKnown::NotFocused;
  return focus_ == FocusKnown::Focused;
}

void TSkinControl::CallSaved(TMessage& message) {
  if (savedHook_) {
    TWndMethod hook = savedHook_;  // the object may be freed by the message
    hook(message);
  } else if (subclass_.Installed() || subclass_.Previous()) {
    subclass_.Default(message);
  } else {
    message.Result = 0;
  }
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
  state_ = scsWindowGone;
  CallSaved(message);
  if (active_) Detach();
  return true;
}

void TSkinControl::AfterMessage(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
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
  if (!control_ || !control_->HandleAllocated() || !attached_) return;
  window_ = control_->RawHandle();
  focus_ = FocusKnown::Unknown;
  unicodeWindow_ = IsWindowUnicode(window_) != FALSE;
  active_ = true;
  state_ = scsAttached;
  Repaint();
}

void TSkinControl::Repaint() {
  // A frame taking a new skin invalidates its window and every child once, at the end.
  if (TInvalidationsSuspended::Active()) return;
  if (graphicControl_) {
    graphicControl_->Invalidate();
  } else if (window_ && IsWindow(window_)) {
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
  }
}

void TSkinControl::ForwardMouseDown(WPARAM keys, POINT at) {
  TControl* control = OwnerControl();
  if (!control) return;
  int x = at.x;
  int y = at.y;
  if (control->Width() > kLParamCoordinateLimit || control->Height() > kLParamCoordinateLimit) {
    POINT p{};
    GetCursorPos(&p);
    if (window_) ScreenToClient(window_, &p);
    x = p.x;
    y = p.y;
  }
  control->MouseDown(mbLeft, KeysToShiftState(keys), x, y);
}

LONG_PTR TSkinControl::WindowLong(int index) const {
  if (!window_) return 0;
  return unicodeWindow_ ? GetWindowLongPtrW(window_, index) : GetWindowLongPtrA(window_, index);
}

}  // namespace quarnel

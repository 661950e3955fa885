// TSkinControl: attaching to a framework control or a bare window, the message flow through
// SkinWindowProc, detaching and destruction that puts back what was replaced. UI thread.
#include "skin/controls/skin_control.h"

#include <algorithm>

#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

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
  if (component == SkinData) SkinData = nullptr;
}

void TSkinControl::Register(TControlSkinHost* host) {
  if (host_ && host_ != host) Unregister();
  host_ = host;
  if (!host) return;
  hostComponent_ = &host->HostComponent();
  FreeNotification(hostComponent_);
  auto& list = host->ControlSkins();
  if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
}

void TSkinControl::Unregister() {
  if (!host_) return;
  auto& list = host_->ControlSkins();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
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
  UseSkinColor = useSkinColor ? 1 : 0;
  SkinData = skinData;
  SharedCanvas = sharedCanvas;
  Control = control;
  Handle = control->Handle();
  focus_ = FocusKnown::Unknown;
  unicodeWindow_ = Handle && IsWindowUnicode(Handle);
  if (skinData) FreeNotification(skinData);
  HookControl(*control);
  Register(host);
  if (UseSkinColor) {
    TakeParentBackground();
    SavedColor = control->Color();
    control->SetColor(SkinFaceColor());
  }
  if (ParentBackgroundTaken) Variant = 1;
  control->Invalidate();
  attached_ = true;
  State = scsAttached;
}

void TSkinControl::BindWindowedControl(TWinControl* control, TSkinData* skinData, TControlSkinHost* host,
                                       TCanvas* canvas) {
  SkinData = skinData;
  SharedCanvas = canvas;
  Control = control;
  Handle = control->Handle();
  focus_ = FocusKnown::Unknown;
  if (skinData) FreeNotification(skinData);
  Register(host);
}

void TSkinControl::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                                TCanvas* sharedCanvas) {
  if (attached_ || !IsWindow(window)) return;
  SkinData = skinData;
  SharedCanvas = sharedCanvas;
  Handle = window;
  focus_ = FocusKnown::Unknown;
  Enabled = 1;
  Variant = 0;
  if (skinData) FreeNotification(skinData);
  Register(host);
  unicodeWindow_ = IsWindowUnicode(window) != FALSE;
  Caption = WindowTextWide(window);
  subclass_.Install(window, [this](TMessage& m) { SkinWindowProc(m); });
  InvalidateRect(window, nullptr, TRUE);
  attached_ = true;
  State = scsAttached;
}

void TSkinControl::Detach() {
  if (!Active) return;
  Active = 0;
  if (State != scsWindowGone && UseSkinColor && Control) {
    GiveParentBackground();
    Control->SetColor(SavedColor);
  }
}

void TSkinControl::UpdateSkin() {
  if (UseSkinColor && Control) Control->SetColor(SkinFaceColor());
  Repaint();
}

void TSkinControl::TakeParentBackground() {
  if (!Control || (SkinData && HasOption(*SkinData, xoParentBackGround))) return;
  if (!Control->ClassInfo().FindProperty("ParentBackground")) return;
  std::string value = GetEnumPropByName(Control, "ParentBackground");
  for (char& c : value) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (value == "true") {
    ParentBackgroundTaken = 1;
    SetPropByName(Control, "ParentBackground", "False");
  }
}

void TSkinControl::GiveParentBackground() {
  if (!Control || !ParentBackgroundTaken) return;
  if (SkinData && HasOption(*SkinData, xoParentBackGround)) return;
  SetPropByName(Control, "ParentBackground", "True");
}

// --- message flow ---------------------------------------------------------------------------------

void TSkinControl::SkinWindowProc(TMessage& message) {
  if (message.Msg == WM_SETFOCUS) focus_ = FocusKnown::Focused;
  if (message.Msg == WM_KILLFOCUS) focus_ = FocusKnown::NotFocused;
  if (message.Msg == SKM_ENABLESKIN) {
    Active = message.WParam > 0 ? 1 : 0;
    ActiveChanged();
    if (Active) Repaint();
    return;
  }
  if (!Active) {
    CallSaved(message);
    return;
  }
  if (BeforeMessage(message)) {
    CallSaved(message);
    AfterMessage(message);
  }
}

bool TSkinControl::HasFocus() {
  if (!Handle) return false;
  if (focus_ == FocusKnown::Unknown || !HookInstalled())
    focus_ = GetFocus() == Handle ? FocusKnown::Focused : FocusKnown::NotFocused;
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
      State = scsWindowGone;
      CallSaved(message);
      if (Active) Detach();
      return false;
    case SKM_QUERYSKINNED:
      message.Result = 1;
      return false;
    default:
      return true;
  }
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
      // The control made its window again: the hook stays on the control, the window is new.
      // The old window's last message detached this object; it serves the new one again.
      if (Control && Control->HandleAllocated() && attached_) {
        Handle = Control->RawHandle();
        focus_ = FocusKnown::Unknown;
        unicodeWindow_ = IsWindowUnicode(Handle) != FALSE;
        Active = 1;
        State = scsAttached;
        Repaint();
      }
      break;
    default:
      break;
  }
}

void TSkinControl::Repaint() {
  // A frame taking a new skin invalidates its window and every child once, at the end.
  if (TInvalidationsSuspended::Active()) return;
  if (GraphicControl) {
    GraphicControl->Invalidate();
  } else if (Handle && IsWindow(Handle)) {
    InvalidateRect(Handle, nullptr, TRUE);
    UpdateWindow(Handle);
  }
}

void TSkinControl::ForwardMouseDown(const TMessage& message) {
  TControl* control = OwnerControl();
  if (!control) return;
  int x = static_cast<short>(LOWORD(message.LParam));
  int y = static_cast<short>(HIWORD(message.LParam));
  if (control->Width() > kLParamCoordinateLimit || control->Height() > kLParamCoordinateLimit) {
    POINT p{};
    GetCursorPos(&p);
    if (Handle) ScreenToClient(Handle, &p);
    x = p.x;
    y = p.y;
  }
  control->MouseDown(mbLeft, KeysToShiftState(message.WParam), x, y);
}

LONG_PTR TSkinControl::WindowLong(int index) const {
  if (!Handle) return 0;
  return unicodeWindow_ ? GetWindowLongPtrW(Handle, index) : GetWindowLongPtrA(Handle, index);
}

}  // namespace quarnel

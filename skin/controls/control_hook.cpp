// TControlHook: installing and removing the message hook of a control or a bare window, and
// passing messages on to what it replaced. UI thread.
#include "skin/controls/control_hook.h"

#include <utility>

namespace quarnel {

TControlHook::TControlHook(TComponent& follower, TWndMethod replacement)
    : follower_(follower), replacement_(std::move(replacement)) {}

void TControlHook::HookControl(TControl& control) {
  if (hookedControl_) return;
  hookedControl_ = &control;
  savedMethod_ = control.WindowProc;
  control.WindowProc = replacement_;
  if (&control != follower_.Owner()) follower_.FreeNotification(&control);
}

void TControlHook::UnhookControl() {
  if (!hookedControl_) return;
  if (savedMethod_) hookedControl_->WindowProc = std::move(savedMethod_);
  savedMethod_ = nullptr;
  if (hookedControl_ != follower_.Owner()) follower_.RemoveFreeNotification(hookedControl_);
  hookedControl_ = nullptr;
}

void TControlHook::HookWindow(HWND window) {
  subclass_.Install(window, replacement_);
}

void TControlHook::Release() {
  UnhookControl();
  subclass_.Restore();
}

void TControlHook::CallSaved(TMessage& message) {
  if (savedMethod_) {
    TWndMethod method = savedMethod_;  // the skin object may be freed by the message
    method(message);
  } else if (subclass_.Installed() || subclass_.Previous()) {
    subclass_.Default(message);
  } else {
    message.Result = 0;
  }
}

void TControlHook::ControlGone(TComponent* component) {
  if (component != hookedControl_) return;
  hookedControl_ = nullptr;  // the control goes first: nothing to put back
  savedMethod_ = nullptr;
}

}  // namespace quarnel

// TControlHook: how a control skin takes over one control's message stream: a framework
// control's replaceable message method, or a bare window's procedure through a thunk. It
// keeps what it replaced, passes messages on to it and puts it back. UI thread.
#pragma once
#include <windows.h>

#include "framework/core/component.h"
#include "framework/ui/control.h"
#include "framework/ui/message.h"
#include "framework/win/window_thunk.h"

namespace quarnel {

class TControlHook {
 public:
  // `follower` is the skin object: it follows a hooked control's free notification (unless it
  // is owned by it) and hands it on through ControlGone. `replacement` takes the messages.
  TControlHook(TComponent& follower, TWndMethod replacement);
  TControlHook(const TControlHook&) = delete;
  TControlHook& operator=(const TControlHook&) = delete;

  // Replaces `control`'s message method (saving the old one); once, until UnhookControl.
  void HookControl(TControl& control);
  void UnhookControl();
  // Subclasses a bare window's procedure.
  void HookWindow(HWND window);
  // Puts back whatever was replaced.
  void Release();
  bool Installed() const { return savedMethod_ != nullptr || subclass_.Installed(); }
  // Passes `message` on to what was replaced (result 0 when nothing was).
  void CallSaved(TMessage& message);
  // The hooked control is being freed: nothing is left to put back.
  void ControlGone(TComponent* component);

 private:
  TComponent& follower_;
  TWndMethod replacement_;
  fw::WindowSubclass subclass_;  // bare window only
  TWndMethod savedMethod_;       // framework control only
  TControl* hookedControl_ = nullptr;
};

}  // namespace quarnel

// The handler a frame object's part installs on a window it subclasses: every message reaches
// the object's method, and an exception ends there (none may leave a window procedure). UI
// thread.
#pragma once
#include "framework/ui/message.h"
#include "framework/win/window_thunk.h"

namespace quarnel {

template <class Object>
fw::WindowSubclass::Handler Guarded(Object* self, void (Object::*method)(TMessage&)) {
  return [self, method](TMessage& message) {
    try {
      (self->*method)(message);
    } catch (...) {
      message.Result = 0;
    }
  };
}

}  // namespace quarnel

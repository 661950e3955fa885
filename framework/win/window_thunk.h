// Object-bound window procedures: a small piece of machine code per object that enters a
// shared procedure with the object in place of the window handle, and the subclass that uses
// it to replace and later restore a window's procedure. User-interface thread.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/ui/message.h"

namespace fw {

// Executable code that calls `target(object, message, wParam, lParam)` when Windows calls it
// as a window procedure; the window handle is replaced by `object`.
class WindowThunk {
 public:
  using Target = LRESULT(CALLBACK*)(HWND object, UINT, WPARAM, LPARAM);
  WindowThunk(void* object, Target target);
  ~WindowThunk();
  WindowThunk(const WindowThunk&) = delete;
  WindowThunk& operator=(const WindowThunk&) = delete;
  WNDPROC Procedure() const { return reinterpret_cast<WNDPROC>(code_); }
  // Thunks alive in this process (tests check that none leak).
  static int LiveCount();

 private:
  unsigned char* code_ = nullptr;
};

// Replaces a window's procedure by one bound to `handler`; the previous one is called by
// `Default` and put back by `Restore` (or at destruction). Unicode windows are read and
// replaced with the wide calls, others with the 8-bit calls.
class WindowSubclass {
 public:
  using Handler = std::function<void(TMessage&)>;
  WindowSubclass();
  ~WindowSubclass();
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;

  // False when already installed or when the window is not a window.
  bool Install(HWND window, Handler handler);
  // Stops calling the handler. The previous procedure is put back when ours is the current one;
  // when another procedure was installed over ours since, ours stays in the chain and passes
  // every message on.
  void Restore();
  bool Installed() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  bool Unicode() const { return unicode_; }
  WNDPROC Previous() const { return previous_; }
  // Passes the message to the previous procedure and stores its result.
  void Default(TMessage& message) const;
  LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const;

 private:
  static LRESULT CALLBACK Entry(HWND self, UINT msg, WPARAM wParam, LPARAM lParam);
  bool IsCurrent() const;
  void SetProcedure(WNDPROC proc);

  WindowThunk thunk_;
  HWND window_ = nullptr;       // while installed
  HWND boundWindow_ = nullptr;  // the window last installed on
  WNDPROC previous_ = nullptr;
  bool unicode_ = false;
  bool chained_ = false;  // restored while a later procedure still calls ours
  Handler handler_;
};

// Runs `work` once no subclass procedure is running on this thread's stack (the thread of the
// skinned windows: work waits for one thread at a time): at once when none
// is, else as soon as the outermost one has returned. Work that frees subclassed objects (a
// window given its own look back from inside one of its own messages) waits for it this way,
// so no procedure returns into an object that is gone. An exception `work` throws ends there.
void RunWhenSubclassesUnwound(std::function<void()> work);
// Runs now whatever waits for the procedures to return (a module going away cannot wait).
void RunUnwoundWorkNow();

}  // namespace fw

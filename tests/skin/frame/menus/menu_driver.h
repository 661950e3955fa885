// Drives a system menu loop from inside: a thread timer keeps firing while the menu is open
// and hands the popup window to a test step. Test code, UI thread.
#pragma once
#include <windows.h>

#include <functional>

#include "tests/support/window_support.h"

namespace quarnel::testing {

// Runs `step` on each timer tick of the menu loop while a popup menu window is on screen, until
// it answers true; then closes the menu. Thread timers keep firing inside the system's loop.
class MenuDriver {
 public:
  using Step = std::function<bool(HWND popup)>;
  // With `close` false the menu is left to close on its own (a step posted keys to it).
  static bool Run(const std::function<void()>& open, Step step, bool close = true) {
    current_ = std::move(step);
    close_ = close;
    ticks_ = 0;
    finished_ = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &MenuDriver::Tick);
    open();
    KillTimer(nullptr, timer);
    current_ = nullptr;
    testing_support::flush_events();
    return finished_;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!current_) return;
    HWND popup = FindWindowW(L"#32768", nullptr);
    const bool timeUp = ++ticks_ > 500;
    if (timeUp || (popup && IsWindowVisible(popup) && current_(popup))) {
      finished_ = !timeUp;
      current_ = nullptr;
      if (close_ || timeUp) EndMenu();
    }
  }
  static inline Step current_;
  static inline int ticks_ = 0;
  static inline bool finished_ = false;
  static inline bool close_ = true;
};

}  // namespace quarnel::testing

// Drives a system menu loop from inside: a thread timer keeps firing while the menu is open
// and hands the popup window to a test step; whether menu mode runs, as the screen shows it.
// Test code, UI thread.
#pragma once
#include <windows.h>

#include <functional>

#include "skin/frame/menus/menu_bar.h"
#include "tests/support/window_support.h"

namespace quarnel::testing {

// Whether menu mode runs on `window`, as Windows and the screen show it: a popup menu window is
// on screen, the window holds the pointer (the bar's own loop while its hot item has no
// drop-down to show), or an item of the skinned `bar` is shown open.
inline bool MenuModeRuns(HWND window, const TWinSkinMenu* bar) {
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (popup && IsWindowVisible(popup)) return true;
  if (window && GetCapture() == window) return true;
  if (bar)
    for (const TMenuBtn& button : bar->Buttons())
      if (button.State == 2) return true;
  return false;
}

// Runs `step` on each timer tick of the menu loop while a popup menu window is on screen, until
// it answers true; then closes the menu. Thread timers keep firing inside the system's loop.
class MenuDriver {
 public:
  using Step = std::function<bool(HWND popup)>;
  // With `close` false the menu is left to close on its own (a step posted keys to it). With
  // `everyTick` the step also runs while no popup is shown (menu mode on the bar alone); it
  // then gets null.
  static bool Run(const std::function<void()>& open, Step step, bool close = true, bool everyTick = false) {
    current_ = std::move(step);
    close_ = close;
    everyTick_ = everyTick;
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
    if (popup && !IsWindowVisible(popup)) popup = nullptr;
    const bool timeUp = ++ticks_ > 500;
    if (timeUp || ((popup || everyTick_) && current_(popup))) {
      finished_ = !timeUp;
      current_ = nullptr;
      if (close_ || timeUp) EndMenu();
    }
  }
  static inline Step current_;
  static inline int ticks_ = 0;
  static inline bool finished_ = false;
  static inline bool close_ = true;
  static inline bool everyTick_ = false;
};

}  // namespace quarnel::testing

// Helpers for tests that drive real windows under Wine + Xvfb: pumping the queue, reading
// pixels back, saving screenshots, real mouse and keys (the message spy: message_spy.h).
// User-interface thread of the test.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/message_spy.h"
#include "tests/support/object_counts.h"

namespace testing_support {

// Dispatches every queued message, repeating for `ms` milliseconds so that posted and
// timer-driven work has a chance to run.
void flush_events(DWORD ms = 0);

// Pumps messages until `done()` holds or `ms` milliseconds pass; returns whether it held.
template <class Pred>
bool wait_until(Pred done, DWORD ms = 3000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    flush_events(10);
  }
  return true;
}

// Registers a window class of the test program (once: later calls with the same name only give
// the name back) with `proc`, the arrow cursor and `background`; returns the name.
const wchar_t* test_window_class(const wchar_t* name, WNDPROC proc = DefWindowProcW,
                                 HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));

// Reads one pixel of a window as 0x00BBGGRR through a copy of the window's DC.
COLORREF window_pixel(HWND wnd, int x, int y, bool wholeWindow = false);

// Real mouse input through SendInput: the pointer moved to a screen point, the left button
// pressed or released where it is.
void move_mouse(POINT screen);
void mouse_left_button(bool down);
// A real key press or release (virtual-key code) through SendInput.
void key_event(WORD key, bool down);
// Alt+letter typed for real: Alt down, the letter pressed and released, Alt up.
void alt_letter(WORD letter);

// Copies a window (its whole rectangle) into a 32-bit top-down pixel array.
struct Capture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;  // 0x00BBGGRR
  COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture capture_window(HWND wnd);
Capture capture_screen_rect(const RECT& r);

// Writes a capture as a 24-bit BMP (the test scripts turn them into PNG for people to look at).
bool save_bmp(const Capture& c, const std::string& path);

// Width in pixels of `text` in the system's caption font.
int caption_text_width(const std::wstring& text);

// The system's window metrics, put back when the test ends however it ends.
class WindowMetricsChange {
 public:
  WindowMetricsChange();
  ~WindowMetricsChange() { Set(saved_); }
  WindowMetricsChange(const WindowMetricsChange&) = delete;
  WindowMetricsChange& operator=(const WindowMetricsChange&) = delete;
  const NONCLIENTMETRICSW& Saved() const { return saved_; }
  // Stored and announced to every top-level window, as the system's settings are (Wine
  // announces a change only when it is also stored).
  static void Set(NONCLIENTMETRICSW metrics);

 private:
  NONCLIENTMETRICSW saved_{};
};

}  // namespace testing_support

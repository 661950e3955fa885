// TFocusTracker: whether a skinned window has the keyboard focus, asked of the window system
// once and then followed through the window's own WM_SETFOCUS and WM_KILLFOCUS (under Wine
// every GetFocus is a round trip to the window server). UI thread.
#pragma once
#include <windows.h>

#include <cstdint>

namespace quarnel {

class TFocusTracker {
 public:
  // A new window: the next question goes to the window system.
  void Forget() { known_ = Known::Unknown; }
  // Follows the focus messages of the window.
  void Follow(UINT msg) {
    if (msg == WM_SETFOCUS) known_ = Known::Focused;
    if (msg == WM_KILLFOCUS) known_ = Known::NotFocused;
  }
  // Whether `window` has the focus. `following`: its messages reach Follow, so an answer once
  // known stays right; otherwise every question goes to the window system.
  bool HasFocus(HWND window, bool following) {
    if (!window) return false;
    if (known_ == Known::Unknown || !following)
      known_ = GetFocus() == window ? Known::Focused : Known::NotFocused;
    return known_ == Known::Focused;
  }

 private:
  enum class Known : uint8_t { Unknown, Focused, NotFocused };
  Known known_ = Known::Unknown;
};

}  // namespace quarnel

// Which framework control owns a window, kept in the process beside the window property that
// publishes the same link ("ControlOfs%.8X%.8X"). Every message to a framework window looks its
// control up; under Wine reading a window property is a round trip to the window server, so the
// lookups read this table instead. Any thread.
#pragma once
#include <windows.h>

class TWinControl;

namespace fw {

// Links `window` to `control` until Forget; a later Remember for the same window replaces it.
void RememberWindowControl(HWND window, TWinControl* control);
// Drops the link of `window`, only while it still names `control`.
void ForgetWindowControl(HWND window, const TWinControl* control);
// The control linked to `window`, or null.
TWinControl* WindowControl(HWND window);

}  // namespace fw

// The density a window is drawn at, in dots per inch: the window's own where the system keeps
// one per window (GetDpiForWindow, looked up by name: older systems lack it), else the screen's.
// 96 is the density every size in a form description and a skin is given at. UI thread.
#pragma once
#include <windows.h>

namespace fw {

constexpr int kDesignDpi = 96;

// The screen's density (LOGPIXELSY of the screen DC); 96 when it cannot be read.
int ScreenDpi();
// The density `window` is drawn at; the screen's for a null window or where the system keeps
// no density per window (or answers 0 for it).
int WindowDpi(HWND window);

}  // namespace fw

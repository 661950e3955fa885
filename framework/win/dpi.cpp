// Densities of the screen and of windows. UI thread.
#include "framework/win/dpi.h"

namespace fw {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn DpiForWindowEntry() {
  static const GetDpiForWindowFn entry = [] {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<GetDpiForWindowFn>(
                      reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")))
                : nullptr;
  }();
  return entry;
}

}  // namespace

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (!screen) return kDesignDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window) {
  if (window)
    if (GetDpiForWindowFn entry = DpiForWindowEntry())
      if (const UINT dpi = entry(window)) return static_cast<int>(dpi);
  return ScreenDpi();
}

}  // namespace fw

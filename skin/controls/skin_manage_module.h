// Process-wide state of the skin manager's module (the system version word, the platform, the
// program's instance, the control-of-window atom, the hook's disabled mark) and the small window
// routines the skin objects share. UI thread.
#pragma once
#include <windows.h>

#include <string>

class TBitmap;
class TWinControl;

namespace quarnel {

struct TSkinModuleState {
  DWORD VersionWord = 0;     // GetVersion(): major in the low byte, minor in the next
  bool IsNTPlatform = true;  // high bit of the version word clear
  HINSTANCE Instance = nullptr;
  ATOM ControlAtom = 0;     // global atom "ControlOfs%.8X%.8X" (instance, thread id)
  UINT ControlMessage = 0;  // registered message of the same name
};

// Read once, at first use on the user-interface thread.
TSkinModuleState& SkinModule();
// Re-reads the version word and the platform (done when the hook is installed).
void ReadSystemVersion();
int SystemMajorVersion();
int SystemMinorVersion();
// True once the manager has been destroyed: its hook only passes events on.
bool HookDisabled();
void SetHookDisabled(bool disabled);

// The framework control of a window, found through the ControlAtom property; null for others.
TWinControl* ControlOfWindow(HWND window);
// The window's class name as GetClassNameA gives it (at most 100 characters).
std::string WindowClassName(HWND window);
// The window text as wide text.
std::wstring WindowTextWide(HWND window);
// `destination` takes the source's size and pixel format, and the source drawn at (0, 0).
void CopyBitmap(TBitmap& source, TBitmap& destination);
// The window has WS_POPUP, or its parent is the desktop's child window 0x10014.
bool IsPopupOrDesktopChild(HWND window);

}  // namespace quarnel

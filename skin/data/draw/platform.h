// The platform questions of the skin engine, answered in one place: the system version word
// and platform, the program's instance and the control-of-window atom, and the small window
// routines every skin layer shares. UI thread.
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
// The 95/98/Me family, or NT before version 5: systems whose window menu always has a close item.
bool OlderWindowMenuSystem();

// How GDI is driven: NT draws wide text and reads back memory DCs; the 95/98/Me family does not.
enum class GdiPlatform { Nt, Win9x };
GdiPlatform CurrentPlatform();

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

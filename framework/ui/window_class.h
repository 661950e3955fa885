// Window classes of framework controls: each control class registers a window class named after
// itself ("TButton" built on "BUTTON", "TForm1" on its own), whose procedure routes every message
// to the control object of the window. User-interface thread.
#pragma once
#include <windows.h>

#include <string>

class TWinControl;

struct WindowClassInfo {
  std::wstring name;
  WNDPROC defaultProc = nullptr;  // the system class's procedure, or DefWindowProcW
};

// Registers (once) the window class for a framework class name.
const WindowClassInfo& RegisterControlClass(const std::string& className, const wchar_t* superClass,
                                            UINT classStyle, HCURSOR cursor);

// The control whose window is being created on this thread: its first messages arrive before
// CreateWindowEx returns.
TWinControl*& CreatingControl();

LRESULT CALLBACK ControlWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

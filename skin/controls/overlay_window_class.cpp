// The window classes of the skins' overlay windows. UI thread.
#include "skin/controls/overlay_window_class.h"

#include <windows.h>

#include <set>
#include <string>

#include "framework/win/code_module.h"

namespace quarnel {

void EnsureOverlayClass(const wchar_t* className) {
  static std::set<std::wstring> registered;
  if (!registered.insert(className).second) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = fw::CodeModule();
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

}  // namespace quarnel

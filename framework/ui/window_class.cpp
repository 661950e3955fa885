// Window class registration and the window procedure shared by all framework windows.
// User-interface thread.
#include "framework/ui/window_class.h"

#include <map>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/control.h"
#include "framework/win/code_module.h"

namespace {
std::map<std::string, WindowClassInfo>& Classes() {
  static std::map<std::string, WindowClassInfo> classes;
  return classes;
}
std::map<ATOM, WNDPROC>& DefaultProcs() {
  static std::map<ATOM, WNDPROC> procs;
  return procs;
}
}  // namespace

TWinControl*& CreatingControl() {
  static thread_local TWinControl* creating = nullptr;
  return creating;
}

const WindowClassInfo& RegisterControlClass(const std::string& className, const wchar_t* superClass,
                                            UINT classStyle, HCURSOR cursor) {
  auto it = Classes().find(className);
  if (it != Classes().end()) return it->second;
  WindowClassInfo info;
  info.name = fw::ToWide(className);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (superClass && GetClassInfoExW(nullptr, superClass, &wc)) {
    info.defaultProc = wc.lpfnWndProc;
  } else {
    info.defaultProc = DefWindowProcW;
    wc.style = classStyle;
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = nullptr;
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ControlWindowProc;
  wc.hInstance = fw::CodeModule();
  wc.lpszClassName = info.name.c_str();
  wc.style &= ~CS_GLOBALCLASS;
  ATOM atom = RegisterClassExW(&wc);
  DefaultProcs()[atom] = info.defaultProc;
  return Classes().emplace(className, std::move(info)).first->second;
}

LRESULT CALLBACK ControlWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = TWinControl::FindControl(wnd);
  if (!control && CreatingControl()) {
    control = CreatingControl();
    CreatingControl() = nullptr;
    control->AttachHandle(wnd);
  }
  if (!control) {
    auto it = DefaultProcs().find(static_cast<ATOM>(GetClassWord(wnd, GCW_ATOM)));
    WNDPROC def = it == DefaultProcs().end() ? DefWindowProcW : it->second;
    return CallWindowProcW(def, wnd, msg, wParam, lParam);
  }
  TMessage m{msg, wParam, lParam, 0};
  try {
    if (control->WindowProc) control->WindowProc(m);
    else control->WndProc(m);
  } catch (...) {
    // No exception leaves a window procedure: the application shows it and goes on.
    Application()->HandleException(std::current_exception());
  }
  return m.Result;
}

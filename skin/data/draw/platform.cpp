// The platform state (version word, platform, instance, control atom) and the window routines
// shared by the skin objects. UI thread.
#include "skin/data/draw/platform.h"

#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/ui/control.h"
#include "framework/win/code_module.h"

namespace quarnel {

namespace {

void ReadVersion(TSkinModuleState& state) {
  state.VersionWord = GetVersion();
  state.IsNTPlatform = (state.VersionWord & 0x80000000u) == 0;
}

// The global atom lives as long as the module.
struct ModuleStateHolder {
  TSkinModuleState state;
  ModuleStateHolder() {
    state.Instance = fw::CodeModule();
    char name[40];
    wsprintfA(name, "ControlOfs%.8X%.8X", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(state.Instance)),
              static_cast<unsigned>(GetCurrentThreadId()));
    state.ControlAtom = GlobalAddAtomA(name);
    state.ControlMessage = RegisterWindowMessageA(name);
    ReadVersion(state);
  }
  ~ModuleStateHolder() {
    if (state.ControlAtom) GlobalDeleteAtom(state.ControlAtom);
  }
  ModuleStateHolder(const ModuleStateHolder&) = delete;
  ModuleStateHolder& operator=(const ModuleStateHolder&) = delete;
};

ModuleStateHolder& Holder() {
  static ModuleStateHolder holder;
  return holder;
}

}  // namespace

TSkinModuleState& SkinModule() {
  return Holder().state;
}

void ReadSystemVersion() {
  ReadVersion(Holder().state);
}

int SystemMajorVersion() {
  return static_cast<int>(SkinModule().VersionWord & 0xFF);
}

int SystemMinorVersion() {
  return static_cast<int>((SkinModule().VersionWord >> 8) & 0xFF);
}

bool OlderWindowMenuSystem() {
  return !SkinModule().IsNTPlatform || SystemMajorVersion() < 5;
}

GdiPlatform CurrentPlatform() {
  return SkinModule().IsNTPlatform ? GdiPlatform::Nt : GdiPlatform::Win9x;
}

TWinControl* ControlOfWindow(HWND window) {
  return TWinControl::FindControl(window);  // the same link as the ControlAtom property
}

std::string WindowClassName(HWND window) {
  char name[101] = {};
  const int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::wstring WindowTextWide(HWND window) {
  if (SkinModule().IsNTPlatform) {
    const int length = GetWindowTextLengthW(window);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    const int n = GetWindowTextW(window, text.data(), length + 1);
    return std::wstring(text.data(), n > 0 ? static_cast<size_t>(n) : 0);
  }
  char text[1000] = {};
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  text[sizeof text - 1] = '\0';
  const int wide = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::vector<wchar_t> out(static_cast<size_t>(wide > 0 ? wide : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), wide);
  return std::wstring(out.data());
}

void CopyBitmap(TBitmap& source, TBitmap& destination) {
  destination.SetPixelFormat(source.PixelFormat());
  destination.SetSize(source.Width(), source.Height());
  if (source.Empty()) return;
  BitBlt(destination.DC(), 0, 0, source.Width(), source.Height(), source.DC(), 0, 0, SRCCOPY);
}

bool IsPopupOrDesktopChild(HWND window) {
  if (GetWindowLongPtrA(window, GWL_STYLE) & WS_POPUP) return true;
  return reinterpret_cast<ULONG_PTR>(GetParent(window)) == 0x10014;
}

}  // namespace quarnel

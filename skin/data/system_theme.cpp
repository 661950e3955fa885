// The system's light or dark setting, read from the user's registry. Any thread.
#include "skin/data/system_theme.h"

#include "framework/win/code_module.h"

namespace quarnel {

namespace {
constexpr wchar_t kWatchClass[] = L"QuarnelSystemThemeWatch";
}  // namespace

bool SystemUsesLightApps() {
  DWORD value = 1, size = sizeof value;
  const LSTATUS read =
      RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                   L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &value, &size);
  return read != ERROR_SUCCESS || value != 0;
}

bool AnnouncesColorSetChange(UINT message, LPARAM lParam) {
  const auto* area = reinterpret_cast<const wchar_t*>(lParam);
  return message == WM_SETTINGCHANGE && area && lstrcmpiW(area, L"ImmersiveColorSet") == 0;
}

TSystemThemeWatch::TSystemThemeWatch(std::function<void()> changed) : changed_(std::move(changed)) {
  WNDCLASSW cls{};
  cls.lpfnWndProc = &TSystemThemeWatch::Procedure;
  cls.hInstance = fw::CodeModule();
  cls.lpszClassName = kWatchClass;
  RegisterClassW(&cls);  // fails harmlessly when another watch registered it
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kWatchClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                fw::CodeModule(), nullptr));
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TSystemThemeWatch::~TSystemThemeWatch() {
  window_.reset();
  // A module that goes away leaves no class of its own behind: the class is registered again next time.
  UnregisterClassW(kWatchClass, fw::CodeModule());
}

LRESULT CALLBACK TSystemThemeWatch::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* watch = reinterpret_cast<TSystemThemeWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (watch && watch->changed_ && AnnouncesColorSetChange(message, lParam)) watch->changed_();
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quarnel

// The system's light or dark setting, read from the user's registry. Any thread.
#include "skin/data/system_theme.h"

namespace quarnel {

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

}  // namespace quarnel

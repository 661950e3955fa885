// The light or dark look the user set for programs on the whole system, and the announcement of
// a change to it. Any thread.
#pragma once
#include <windows.h>

#include <functional>

#include "framework/win/handles.h"

namespace quarnel {

// The system's setting for programs: light (true) or dark. Light where the system has no such
// setting.
bool SystemUsesLightApps();

// The message is the system's announcement that its light or dark setting (its colour set) has
// changed: WM_SETTINGCHANGE naming "ImmersiveColorSet".
bool AnnouncesColorSetChange(UINT message, LPARAM lParam);

// A hidden top-level window of the calling thread (the system announces its settings to
// top-level windows only) that calls `changed` each time the light or dark setting is announced.
// Made and destroyed on that thread.
class TSystemThemeWatch {
 public:
  explicit TSystemThemeWatch(std::function<void()> changed);
  ~TSystemThemeWatch();
  TSystemThemeWatch(const TSystemThemeWatch&) = delete;
  TSystemThemeWatch& operator=(const TSystemThemeWatch&) = delete;
  bool Listening() const { return static_cast<bool>(window_); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::function<void()> changed_;
  fw::UniqueWindow window_;
};

}  // namespace quarnel

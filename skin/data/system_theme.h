// The light or dark look the user set for programs on the whole system, and the announcement of
// a change to it. Any thread.
#pragma once
#include <windows.h>

namespace quarnel {

// The system's setting for programs: light (true) or dark. Light where the system has no such
// setting.
bool SystemUsesLightApps();

// The message is the system's announcement that its light or dark setting (its colour set) has
// changed: WM_SETTINGCHANGE naming "ImmersiveColorSet".
bool AnnouncesColorSetChange(UINT message, LPARAM lParam);

}  // namespace quarnel

// What skinrun hands to quarnelskin.dll inside the program it starts: the program's main thread and
// the skin to use. Written into the program's memory by the launcher and read once by the DLL's
// launch entry point (QuarnelSkinLaunched), so the layout is plain and the same in both. Any thread.
#pragma once
#include <windows.h>

namespace sdk {

constexpr char kLaunchEntryName[] = "QuarnelSkinLaunched";
constexpr size_t kLaunchSkinLength = 1024;

struct TLaunchRequest {
  DWORD thread;                     // the program's user-interface (main) thread
  DWORD builtIn;                    // nonzero: `skin` names a built-in skin, else a skin file
  wchar_t skin[kLaunchSkinLength];  // zero-terminated
};

}  // namespace sdk

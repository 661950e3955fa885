// The DLL's side of skinrun: run on a thread the launcher makes in the program before the program
// itself runs, it hooks the program's main thread; at that thread's first window the skin is
// loaded and skinning starts there, as a program that calls the SDK itself would. The launch
// thread, then the program's main thread.
#include <cstring>

#include "framework/win/code_module.h"
#include "include/quarnelskin.h"
#include "sdk/launch_request.h"

namespace {

sdk::TLaunchRequest request;
HHOOK bootstrap = nullptr;

// Once, on the main thread, as its first window is being made.
LRESULT CALLBACK FirstWindowHook(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = bootstrap;
  if (code == HCBT_CREATEWND && hook) {
    bootstrap = nullptr;
    UnhookWindowsHookEx(hook);
    const int loaded =
        request.builtIn ? QuarnelSkinLoadBuiltIn(request.skin) : QuarnelSkinLoadFile(request.skin);
    if (loaded == QUARNEL_SKIN_OK) QuarnelSkinStart();
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

// 0 when the main thread is hooked, else the system's error code.
extern "C" __declspec(dllexport) DWORD WINAPI QuarnelSkinLaunched(LPVOID parameter) {
  if (!parameter || bootstrap) return ERROR_INVALID_PARAMETER;
  std::memcpy(&request, parameter, sizeof request);
  request.skin[sdk::kLaunchSkinLength - 1] = 0;
  bootstrap = SetWindowsHookExW(WH_CBT, FirstWindowHook, fw::CodeModule(), request.thread);
  return bootstrap ? 0 : GetLastError();
}

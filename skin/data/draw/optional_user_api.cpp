// Looks up the optional user-interface functions once. UI thread.
#include "skin/data/draw/optional_user_api.h"

namespace quarnel {

namespace {

template <class Fn>
Fn Lookup(HMODULE user32, const char* name) {
  // The cast goes through a generic function pointer, as GetProcAddress has no typed form.
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name))) : nullptr;
}

TOptionalUserApi LookUpAll() {
  // user32 stays loaded for the whole process, so the module handle is not owned here.
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  TOptionalUserApi api;
  api.GetScrollBarInfo = Lookup<TOptionalUserApi::GetScrollBarInfoFn>(user32, "GetScrollBarInfo");
  api.TrackMouseEvent = Lookup<TOptionalUserApi::TrackMouseEventFn>(user32, "TrackMouseEvent");
  api.GetComboBoxInfo = Lookup<TOptionalUserApi::GetComboBoxInfoFn>(user32, "GetComboBoxInfo");
  api.DisableProcessWindowsGhosting =
      Lookup<TOptionalUserApi::DisableProcessWindowsGhostingFn>(user32, "DisableProcessWindowsGhosting");
  return api;
}

// Filled while the program module initialises, before any window exists.
const bool lookedUpAtStart = (OptionalUserApi(), true);

}  // namespace

TOptionalUserApi& OptionalUserApi() {
  static TOptionalUserApi api = LookUpAll();
  return api;
}

bool TrackMouseLeave(HWND window) {
  auto track = OptionalUserApi().TrackMouseEvent;
  if (!track || !window) return false;
  TRACKMOUSEEVENT leave{};
  leave.cbSize = sizeof leave;
  leave.dwFlags = TME_LEAVE;
  leave.hwndTrack = window;
  return track(&leave) != FALSE;
}

}  // namespace quarnel

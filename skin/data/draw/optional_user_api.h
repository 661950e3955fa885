// User-interface functions that older systems lack, looked up by name in user32 when the
// program starts; each entry is null where the system does not offer it. UI thread.
#pragma once
#include <windows.h>

namespace quarnel {

struct TOptionalUserApi {
  using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TrackMouseEventFn = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  using GetComboBoxInfoFn = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);
  using DisableProcessWindowsGhostingFn = void(WINAPI*)();

  GetScrollBarInfoFn GetScrollBarInfo = nullptr;
  TrackMouseEventFn TrackMouseEvent = nullptr;
  GetComboBoxInfoFn GetComboBoxInfo = nullptr;
  DisableProcessWindowsGhostingFn DisableProcessWindowsGhosting = nullptr;
};

// The table, filled on first use (the program's start-up uses it first). Tests may clear an
// entry to stand for an older system and put it back afterwards.
TOptionalUserApi& OptionalUserApi();

// Asks for WM_MOUSELEAVE when the pointer leaves `window`, through the looked-up entry; false
// (nothing asked) where the system has none.
bool TrackMouseLeave(HWND window);

}  // namespace quarnel

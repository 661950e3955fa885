// GDI and USER object counts, from the system or from the handle tables. User-interface thread.
#include "framework/win/object_counts.h"

#include <cstdint>

#include "framework/graphics/dib_pool.h"
#include "framework/graphics/scratch_bitmap.h"

namespace fw {
namespace {

// Handle values are a table index in the low word; a zero high word matches any generation.
constexpr uintptr_t kFirstHandle = 0x20, kLastHandle = 0xFFEF;

BOOL CALLBACK CountOwnWindow(HWND wnd, LPARAM counter) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == GetCurrentProcessId()) ++*reinterpret_cast<DWORD*>(counter);
  return TRUE;
}

BOOL CALLBACK CountOwnTree(HWND wnd, LPARAM counter) {
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<DWORD*>(counter);
  EnumChildWindows(wnd, CountOwnWindow, counter);  // every descendant, not only the children
  return TRUE;
}

}  // namespace

DWORD OwnWindowCount() {
  DWORD count = 0;
  const auto counter = reinterpret_cast<LPARAM>(&count);
  EnumWindows(CountOwnTree, counter);
  for (HWND wnd = nullptr; (wnd = FindWindowExW(HWND_MESSAGE, wnd, nullptr, nullptr)) != nullptr;)
    CountOwnTree(wnd, counter);  // message-only windows are not among the top-level ones
  return count;
}

DWORD OwnMenuCount() {
  DWORD count = 0;
  for (uintptr_t h = kFirstHandle; h <= kLastHandle; h += 2)
    if (IsMenu(reinterpret_cast<HMENU>(h))) ++count;
  return count;
}

DWORD GdiObjectCount(DWORD type) {
  fw::ScratchBitmap::Empty();  // first: its bitmaps give their sections to the pool
  fw::DibPool::Empty();
  const DWORD reported = type ? 0 : GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0) return reported;
  DWORD live = 0;
  for (uintptr_t h = kFirstHandle; h <= kLastHandle; ++h) {
    const DWORD found = GetObjectType(reinterpret_cast<HGDIOBJ>(h));
    if (found != 0 && (type == 0 || found == type)) ++live;
  }
  return live;
}

DWORD UserObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (reported != 0) return reported;
  return OwnWindowCount() + OwnMenuCount();
}

}  // namespace fw

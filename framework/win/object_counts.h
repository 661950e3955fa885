// Counts of the GDI and USER objects this process holds, for leak checks in tests and long runs.
// Where the system keeps no count (Wine reports 0), they are counted here: GDI objects from the
// handle table, USER objects as this process's windows and menus. Shared drawing buffers and
// bitmap sections kept for reuse are let go first, so a count reflects what is really held.
// User-interface thread.
#pragma once
#include <windows.h>

namespace fw {

// Every GDI object, or only those of one kind (`OBJ_BITMAP`, `OBJ_REGION`...) when `type` is set.
DWORD GdiObjectCount(DWORD type = 0);
DWORD UserObjectCount();
// The two halves of the USER count where the system keeps none: windows and menus.
DWORD OwnWindowCount();
DWORD OwnMenuCount();

}  // namespace fw

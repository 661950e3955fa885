// Counts of the GDI and USER objects this process holds, for leak checks in tests and long runs.
// Where the system keeps no count (Wine reports 0), they are counted here: GDI objects from the
// handle table, USER objects as this process's windows and menus. Bitmap sections kept for reuse
// are let go first, so a count reflects what is really held. User-interface thread.
#pragma once
#include <windows.h>

namespace fw {

DWORD GdiObjectCount();
DWORD UserObjectCount();

}  // namespace fw

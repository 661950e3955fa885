// Counts of the GDI and USER objects this process holds, for leak checks: the framework's own
// counting (framework/win/object_counts.h) under the tests' names. User-interface thread.
#pragma once
#include <windows.h>

namespace testing_support {

DWORD gdi_objects();
DWORD user_objects();

}  // namespace testing_support

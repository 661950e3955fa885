// GDI and USER object counts: the framework's own counting.
#include "tests/support/object_counts.h"

#include "framework/win/object_counts.h"

namespace testing_support {

DWORD gdi_objects() {
  return fw::GdiObjectCount();
}

DWORD user_objects() {
  return fw::UserObjectCount();
}

}  // namespace testing_support

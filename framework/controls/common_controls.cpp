// Registers the common control classes once per process. UI thread.
#include "framework/controls/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace fw {

void EnsureCommonControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES |
                                             ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS |
                                             ICC_LISTVIEW_CLASSES | ICC_DATE_CLASSES |
                                             ICC_COOL_CLASSES | ICC_USEREX_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)done;
}

}  // namespace fw

// The skin manager's side of a host program that uses the engine as a DLL: skinning the windows
// its thread already shows, and taking single windows out of skinning or back in. UI thread.
#include <vector>

#include "skin/controls/manager/skin_manage.h"
#include "skin/data/window_scope.h"
#include "skin/frame/frame_controls.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

void TSkinManage::SkinThreadWindows() {
  running_ = true;
  // Windows are on screen already: actions from now on run on the timer, not only at activation.
  if (skinningCount_ == 0) skinningCount_ = 1;
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  // Owners before the windows they own: the enumeration lists the top of the z-order first.
  for (size_t i = windows.size(); i-- > 0;)
    if (IsWindowVisible(windows[i])) SkinWindow(windows[i]);
}

void TSkinManage::ApplyExclusion(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  TWinSkinForm* rootSkin = formSkins_.Find(root);
  if (WindowScope().Excluded(window)) {
    if (root == window && rootSkin) {
      formSkins_.Unskin(rootSkin);
    } else if (rootSkin) {
      rootSkin->Controls().ReleaseControlSkinsWithin(window);
    }
    return;
  }
  if (root == window) {
    if (running_ && IsWindowVisible(window)) SkinWindow(window);
  } else if (rootSkin) {
    rootSkin->Controls().AttachControlSkins();
  }
}

}  // namespace quarnel

// The skin manager's thread hook: windows being created (size grips, popup menus, MDI
// children), destroyed (popup menus) and activated (skinned at their first activation).
// UI thread only.
#include <string>

#include "framework/ui/menu.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/draw/platform.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
constexpr DWORD kSizeGripStyle = 0x10;  // SBS_SIZEGRIP
}  // namespace

void TSkinManage::InstallHook() {
  if (hook_) return;
  ReadSystemVersion();
  hook_.reset(SetWindowsHookExA(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId()));
  // A hung skinned window must keep its own frame rather than get the system's ghost copy.
  if (auto disableGhosting = OptionalUserApi().DisableProcessWindowsGhosting) disableGhosting();
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = Instance();
  HHOOK hook = manager ? manager->hook_.get() : nullptr;
  if (HookDisabled() || !manager) return CallNextHookEx(hook, code, wParam, lParam);
  HWND window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND:
      manager->OnWindowCreating(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam));
      break;
    case HCBT_DESTROYWND:
      manager->ReleasePopupMenu(window);
      break;
    case HCBT_ACTIVATE:
      if (manager->skinningCount_ == 0) manager->skinningCount_ = 1;
      manager->SkinWindow(window);
      break;
    default:
      break;
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

// A new size grip on a skinned window gets its control skin; popup menus are taken into the
// list; MDI children are skinned as soon as they exist.
void TSkinManage::OnWindowCreating(HWND window, const CBT_CREATEWNDA& create) {
  const CREATESTRUCTA* cs = create.lpcs;
  if (!cs) return;
  const auto style = static_cast<DWORD>(cs->style);
  const std::string className = WindowClassName(window);
  if (className == "ScrollBar" && (style & kSizeGripStyle)) {
    if (TWinSkinForm* parentSkin = FindFormSkin(cs->hwndParent)) parentSkin->DispatchWindow(window);
  }
  if (!(style & WS_CHILD) && className == "#32768") SkinPopupMenu(window);
  if (cs->dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

}  // namespace quarnel

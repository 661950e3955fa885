// The skin manager's thread hook: windows being created (size grips, popup menus, MDI
// children), destroyed (popup menus) and activated (skinned at their first activation), and
// keyboard-menu commands of child windows (for the skinned menu bar).
// UI thread only.
#include "skin/controls/manager/thread_hook.h"

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

void TThreadHook::Install() {
  if (hook_) return;
  ReadSystemVersion();
  hook_.reset(SetWindowsHookExA(WH_CBT, &TThreadHook::Proc, nullptr, GetCurrentThreadId()));
  // A hung skinned window must keep its own frame rather than get the system's ghost copy.
  if (auto disableGhosting = OptionalUserApi().DisableProcessWindowsGhosting) disableGhosting();
}

LRESULT CALLBACK TThreadHook::Proc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = TSkinManage::Instance();
  HHOOK hook = manager ? manager->Hook().hook_.get() : nullptr;
  if (HookDisabled() || !manager) return CallNextHookEx(hook, code, wParam, lParam);
  HWND window = reinterpret_cast<HWND>(wParam);
  switch (code) {
    case HCBT_CREATEWND:
      manager->Hook().OnWindowCreating(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam));
      break;
    case HCBT_DESTROYWND:
      manager->Popups().Release(window);
      break;
    case HCBT_ACTIVATE:
      if (manager->SkinningCount() == 0) manager->SetSkinningCount(1);
      manager->SkinWindow(window);
      break;
    case HCBT_SYSCOMMAND:
      if (manager->Hook().RouteChildKeyMenu(wParam, lParam)) return 1;  // the system does nothing more
      break;
    default:
      break;
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

// A new size grip on a skinned window gets its control skin; popup menus are taken into the
// list; MDI children are skinned as soon as they exist.
void TThreadHook::OnWindowCreating(HWND window, const CBT_CREATEWNDA& create) {
  const CREATESTRUCTA* cs = create.lpcs;
  if (!cs) return;
  const auto style = static_cast<DWORD>(cs->style);
  const std::string className = WindowClassName(window);
  if (className == "ScrollBar" && (style & kSizeGripStyle)) {
    if (TWinSkinForm* parentSkin = manager_.FormSkins().Find(cs->hwndParent))
      parentSkin->Controls().DispatchWindow(window);
  }
  if (!(style & WS_CHILD) && className == "#32768") manager_.Popups().Take(window);
  if (cs->dwExStyle & WS_EX_MDICHILD) manager_.SkinWindow(window);
}

// Alt+letter typed in a control comes to the system as the control's keyboard-menu command,
// and the system looks for a native bar on the control's top-level window, which a skinned bar
// has taken away: the letter goes to the skinned bar instead. The window's own commands reach
// its frame object first, through its window procedure.
bool TThreadHook::RouteChildKeyMenu(WPARAM command, LPARAM key) const {
  if ((command & 0xFFF0) != SC_KEYMENU) return false;
  HWND focus = GetFocus();
  HWND root = focus ? GetAncestor(focus, GA_ROOT) : nullptr;
  if (!root || root == focus) return false;
  TWinSkinForm* skin = manager_.FormSkins().Find(root);
  return skin && skin->ChildKeyMenu(static_cast<wchar_t>(key));
}

}  // namespace quarnel

// TWinSkinForm's window commands from its caption and window menu: restore, the maximise and
// minimise toggles, and close. UI thread.
#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

void TWinSkinForm::RestoreWindow() {
  activation_.WindowShowState = wssNormal;
  PostMessageW(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMaximize() {
  if (activation_.WindowShowState == wssMaximized) {
    RestoreWindow();
    return;
  }
  if (TFrameRegistry* manager = FrameRegistry(); manager && activation_.FormKind == fkMDIChild)
    manager->SetMaximizedChildMode(true);
  activation_.WindowShowState = wssMaximized;
  PostMessageW(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  caption_.SetHot(nullptr);
}

void TWinSkinForm::ToggleMinimize() {
  if (activation_.WindowShowState == wssMinimized) {
    RestoreWindow();
    return;
  }
  activation_.WindowShowState = wssMinimized;
  if (caption_.WindowMenu().Native() && !(activation_.BorderIcons & kbiKeepSystemMenuStyle)) {
    const LONG style = GetWindowLongW(window_, GWL_STYLE);
    SetWindowLongW(window_, GWL_STYLE, style | WS_SYSMENU);
  }
  PostMessageW(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::CaptionCommand(TCaptionCommand command) {
  switch (command) {
    case TCaptionCommand::Restore:
      RestoreWindow();
      break;
    case TCaptionCommand::ToggleMaximize:
      ToggleMaximize();
      break;
    case TCaptionCommand::ToggleMinimize:
      ToggleMinimize();
      break;
    case TCaptionCommand::Close:
      caption_.SetHoverTimer(false);
      PostMessageW(window_, WM_CLOSE, 0, 0);
      break;
  }
}

}  // namespace quarnel

// TWinSkinForm and the pointer on its frame: the non-client mouse messages once the frame is
// the skin's, shared out between the caption and the menu band, and the window commands of the
// caption (restore, maximise and minimise toggles). UI thread.
#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/menu_bar.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

// The non-client mouse messages once the frame is the skin's: true when a caption button or
// the bar took the message, which the system then does not see.
bool TWinSkinForm::OnNcMouseMove(POINT screen) {
  if (!NonClientDrawn()) return false;
  if (!activation_.Active) return true;
  if (TWinSysButton* button = caption_.ButtonAt(FramePoint(screen))) {
    button->MouseMove();
    return true;
  }
  if (caption_.Hot()) {
    caption_.Hot()->MouseLeave();
    caption_.SetHot(nullptr);
  }
  return menuBand_.MouseMove(FramePoint(screen));
}

bool TWinSkinForm::OnNcLButtonDown(TMessage& m, UINT hit, POINT screen) {
  if (!NonClientDrawn()) return false;
  caption_.HideHint();
  if (TWinSysButton* button = caption_.ButtonAt(FramePoint(screen))) {
    if (!activation_.Active) SetForegroundWindow(window_);
    button->MouseDown();
    return true;
  }
  if (menuBand_.Bar() && hit == HTMENU) {
    if (!activation_.Active) SetForegroundWindow(window_);
    menuBand_.OpenButton(menuBand_.Bar()->ButtonAt(FramePoint(screen)));
    return true;
  }
  // A maximised window cannot be dragged by its caption: the press goes on as one on the menu.
  if (activation_.WindowShowState == wssMaximized && activation_.Active && hit == HTCAPTION)
    m.WParam = HTMENU;
  return false;
}

bool TWinSkinForm::OnNcLButtonUp(POINT screen) {
  if (!NonClientDrawn()) return false;
  caption_.HideHint();
  TWinSysButton* button = caption_.ButtonAt(FramePoint(screen));
  if (!button) return false;
  // Only the button that was pressed acts: releasing over another one does nothing.
  if (caption_.Hot() == button && button->State == 2) {
    button->MouseUp();
    caption_.ButtonClick(*button);
  }
  return true;
}

bool TWinSkinForm::OnNcLButtonDblClk(UINT hit, POINT screen) {
  if (!NonClientDrawn()) return false;
  if (TWinSysButton* button = caption_.ButtonAt(FramePoint(screen))) {
    if (button->IsIconButton()) {
      caption_.SetHoverTimer(false);
      PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return true;
  }
  // A second press on the bar soon after the first is a press like any other.
  if (menuBand_.Bar() && hit == HTMENU) {
    menuBand_.OpenButton(menuBand_.Bar()->ButtonAt(FramePoint(screen)));
    return true;
  }
  if (hit != HTCAPTION) return false;
  if (activation_.WindowShowState != wssNormal) {
    RestoreWindow();
    return true;
  }
  if (activation_.BorderIcons & kbiMaximize) {
    ToggleMaximize();
    return true;
  }
  return false;
}

bool TWinSkinForm::OnNcRButtonDown(UINT hit, POINT screen) {
  if (!NonClientDrawn()) return false;
  caption_.HideHint();
  if (hit != HTCAPTION || activation_.FormKind == fkMDIChild) return false;
  caption_.ShowSystemMenu(screen);
  return true;
}

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
  if (caption_.SystemMenu() && !(activation_.BorderIcons & kbiKeepSystemMenuStyle)) {
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
  }
}

}  // namespace quarnel

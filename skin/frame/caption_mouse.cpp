// Non-client mouse input of a skinned frame: the caption button under a point, the handlers of
// the non-client mouse messages, what a caption button's click does and the window commands
// (restore, maximise and minimise toggles). UI thread.
#include <windowsx.h>

#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
POINT MessagePoint(const TMessage& message) {
  return {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
}
}  // namespace

TWinSysButton* TWinSkinForm::CaptionButtonAt(POINT framePoint) const {
  for (const auto& button : caption_.Buttons) {
    if (button->Visible && button->Skin->Action >= 0 && PtInRect(&button->Rect, framePoint))
      return button.get();
  }
  return nullptr;
}

bool TWinSkinForm::SystemMenuHasClose() const {
  if (OlderWindowMenuSystem()) return true;
  if (!caption_.SystemMenu) return false;
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_ID;
  return GetMenuItemInfoA(caption_.SystemMenu, SC_CLOSE, FALSE, &info) != FALSE;
}

bool TWinSkinForm::NCMouseMove(TMessage& message) {
  if (!activation_.Active) return true;
  if (TWinSysButton* button = CaptionButtonAt(FramePoint(MessagePoint(message)))) {
    button->MouseMove();
    return true;
  }
  if (caption_.HotObject) {
    caption_.HotObject->MouseLeave();
    caption_.HotObject = nullptr;
  }
  return MenuBarMouseMove(FramePoint(MessagePoint(message)));
}

bool TWinSkinForm::NCLButtonDown(TMessage& message) {
  HideCaptionHint();
  if (TWinSysButton* button = CaptionButtonAt(FramePoint(MessagePoint(message)))) {
    if (!activation_.Active) SetForegroundWindow(Window);
    button->MouseDown();
    return true;
  }
  if (menuBand_.Bar && message.WParam == HTMENU) {
    if (!activation_.Active) SetForegroundWindow(Window);
    OpenMenuButton(menuBand_.Bar->ButtonAt(FramePoint(MessagePoint(message))));
    return true;
  }
  // A maximised window cannot be dragged by its caption.
  if (activation_.WindowShowState == wssMaximized && activation_.Active && message.WParam == HTCAPTION)
    message.WParam = HTMENU;
  return false;
}

bool TWinSkinForm::NCLButtonUp(TMessage& message) {
  HideCaptionHint();
  TWinSysButton* button = CaptionButtonAt(FramePoint(MessagePoint(message)));
  if (!button) return false;
  // Only the button that was pressed acts: releasing over another one does nothing.
  if (caption_.HotObject == button && button->State == 2) {
    button->MouseUp();
    CaptionButtonClick(*button);
  }
  return true;
}

bool TWinSkinForm::NCLButtonDblClk(TMessage& message) {
  if (TWinSysButton* button = CaptionButtonAt(FramePoint(MessagePoint(message)))) {
    if (button->IsIconButton()) {
      SetHoverTimer(false);
      PostMessageW(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    return true;
  }
  // A second press on the bar soon after the first is a press like any other.
  if (menuBand_.Bar && message.WParam == HTMENU) {
    OpenMenuButton(menuBand_.Bar->ButtonAt(FramePoint(MessagePoint(message))));
    return true;
  }
  if (message.WParam != HTCAPTION) return false;
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

bool TWinSkinForm::NCRButtonDown(TMessage& message) {
  HideCaptionHint();
  if (message.WParam != HTCAPTION || activation_.FormKind == fkMDIChild) return false;
  ShowSystemMenu(MessagePoint(message));
  return true;
}

void TWinSkinForm::CaptionButtonClick(TWinSysButton& button) {
  const int action = button.Skin->Action;
  auto sendToActiveChild = [this](WPARAM command) {
    if (activation_.FormKind != fkMDIFrame || !MDIClient) return;
    auto child = reinterpret_cast<HWND>(SendMessageW(MDIClient, WM_MDIGETACTIVE, 0, 0));
    if (child) SendMessageW(child, WM_SYSCOMMAND, command, 0);
  };
  switch (action) {
    case 0:
      if (SystemMenuHasClose()) {
        SetHoverTimer(false);
        PostMessageW(Window, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case 1:
    case 22:
      if (button.Enabled) ToggleMaximize();
      break;
    case 2:
    case 23:
      if (button.Enabled) ToggleMinimize();
      break;
    case 3:
    case 11:
    case 12: {
      const DWORD where = GetMessagePos();
      ShowSystemMenu({GET_X_LPARAM(where) + 1, GET_Y_LPARAM(where) + 1});
      break;
    }
    case 4:
      PostMessageW(Window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case 7:
    case 60:
      sendToActiveChild(SC_MINIMIZE);
      break;
    case 8:
    case 61:
      sendToActiveChild(SC_RESTORE);
      break;
    case 9:
    case 62:
      sendToActiveChild(SC_CLOSE);
      break;
    default:
      PostMessageW(Window, SKM_CUSTOMBUTTON, static_cast<WPARAM>(action), 0);
      break;
  }
}

void TWinSkinForm::RestoreWindow() {
  activation_.WindowShowState = wssNormal;
  PostMessageW(Window, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ToggleMaximize() {
  if (activation_.WindowShowState == wssMaximized) {
    RestoreWindow();
    return;
  }
  if (TFrameRegistry* manager = FrameRegistry(); manager && activation_.FormKind == fkMDIChild)
    manager->SetMaximizedChildMode(true);
  activation_.WindowShowState = wssMaximized;
  PostMessageW(Window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  caption_.HotObject = nullptr;
}

void TWinSkinForm::ToggleMinimize() {
  if (activation_.WindowShowState == wssMinimized) {
    RestoreWindow();
    return;
  }
  activation_.WindowShowState = wssMinimized;
  if (caption_.SystemMenu && !(activation_.BorderIcons & kbiKeepSystemMenuStyle)) {
    const LONG style = GetWindowLongW(Window, GWL_STYLE);
    SetWindowLongW(Window, GWL_STYLE, style | WS_SYSMENU);
  }
  PostMessageW(Window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

}  // namespace quarnel

// TWinSkinForm's handlers of the frame's own messages: size and show state, activation and the
// window's commands. Each returns true when the message is handled. UI thread of the skinned
// window.
#include "framework/ui/form.h"
#include "skin/data/skin_data.h"
#include "skin/frame/form_skin_geometry.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

bool IsWindowMenuCommand(UINT command) {
  switch (command) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool TWinSkinForm::OnSize(TMessage& m, UINT kind) {
  if (!view_.FrameDrawn()) return false;
  Default(m);
  switch (kind) {
    case SIZE_RESTORED:
      activation_.WindowShowState = wssNormal;
      break;
    case SIZE_MINIMIZED:
      activation_.WindowShowState = wssMinimized;
      break;
    case SIZE_MAXIMIZED:
      activation_.WindowShowState = wssMaximized;
      break;
    default:
      break;
  }
  if (activation_.WindowShowState == wssMinimized) return true;
  if (activation_.FormKind == fkMDIChild) {
    TFrameRegistry* manager = FrameRegistry();
    if ((manager && manager->MaximizedChildMode()) || activation_.WindowShowState != wssNormal) return true;
  }
  if (activation_.SkinState == fsActive || activation_.SkinState == fsReskinning) UpdateWindowRegion();
  return true;
}

bool TWinSkinForm::OnActivate(bool active) {
  if (view_.FrameDrawn()) activation_.Active = active;
  return false;
}

bool TWinSkinForm::OnGetMinMaxInfo(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  Default(m);
  ReadShowState();
  return true;
}

bool TWinSkinForm::OnWindowPosChanged(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  ReadShowState();
  Default(m);
  return true;
}

bool TWinSkinForm::OnSetIcon(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  Default(m);
  caption_.BuildIconBitmap();
  return true;
}

// The skinned window menu's commands come as commands of the window: they go on as the
// window's own commands.
bool TWinSkinForm::OnCommand(UINT id) {
  if (!view_.FrameDrawn() || !IsWindowMenuCommand(id)) return false;
  PostMessageW(window_, WM_SYSCOMMAND, id, 0);
  return true;
}

bool TWinSkinForm::OnSysCommand(TMessage& m, UINT command, wchar_t menuKey) {
  if (!view_.FrameDrawn()) return false;
  switch (command) {
    case SC_KEYMENU:
      if (OnKeyMenu(m, menuKey)) return true;
      break;
    case SC_MINIMIZE:
      activation_.WindowShowState = wssMinimized;
      break;
    case SC_MAXIMIZE:
      activation_.WindowShowState = wssMaximized;
      break;
    case SC_RESTORE:
      activation_.WindowShowState = wssNormal;
      if (TFrameRegistry* manager = FrameRegistry();
          manager && activation_.FormKind == fkMDIChild && manager->MaximizedChildMode())
        manager->SetMaximizedChildMode(false);
      break;
    default:
      break;
  }
  return false;
}

// Alt+letter, F10 and Alt+Space reach the window as its keyboard-menu command.
bool TWinSkinForm::OnKeyMenu(TMessage& m, wchar_t key) {
  if (menuBand_.Tracking() || GetCapture()) return false;
  // Alt+Space on any window with a window menu: the system would look for the window-menu
  // style, which the frame has taken off.
  if (key == L' ' && (menuBand_.Bar() || (activation_.BorderIcons & kbiSystemMenu))) {
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    caption_.ShowSystemMenu(origin);
    m.Result = 0;
    return true;
  }
  return menuBand_.KeyMenu(key, m.Result);
}

bool TWinSkinForm::OnNcActivate(TMessage& m, bool active) {
  if (activation_.SkinState == fsNotActivated && activation_.FormKind != fkMDIChild) {
    m.Result = 1;  // the system caption is never drawn; deactivation is not refused
    return true;
  }
  if (!view_.FrameDrawn()) return false;
  activation_.Active = active;
  if (!view_.NonClientDrawn()) return false;
  caption_.SetHoverTimer(activation_.Active);
  if (!activation_.Active) controls_.ReleaseHotControls(false);
  if (activation_.FormKind == fkMDIFrame && mdiClient_.Window())
    SendMessageW(mdiClient_.Window(), WM_NCACTIVATE, m.WParam, 0);
  else if (activation_.FormKind == fkMDIChild)
    Default(m);
  if (!(activation_.FormKind == fkMDIChild && activation_.WindowShowState == wssMaximized))
    PaintFrame(nullptr);
  m.Result = 1;
  return true;
}

}  // namespace quarnel

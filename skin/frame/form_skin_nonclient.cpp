// TWinSkinForm's handlers of the frame's own messages: the window's system commands (the
// keyboard menu among them) and the activation of its frame. Each returns true when the message
// is handled. UI thread of the skinned window.
#include "skin/frame/win_skin_form.h"

namespace quarnel {

bool TWinSkinForm::OnSysCommand(TMessage& m, UINT command, wchar_t menuKey) {
  if (!view_.FrameDrawn()) return false;
  if (command != SC_KEYMENU) {
    show_.NoteSysCommand(command);
    return false;
  }
  // Alt+letter, F10 and Alt+Space reach the window as its keyboard-menu command.
  if (menuBand_.Tracking() || GetCapture()) return false;
  // Alt+Space on any window with a window menu: the system would look for the window-menu
  // style, which the frame has taken off.
  if (menuKey == L' ' && (menuBand_.Bar() || (activation_.BorderIcons & kbiSystemMenu))) {
    POINT origin{0, 0};
    ClientToScreen(bound_.Window, &origin);
    caption_.ShowSystemMenu(origin);
    m.Result = 0;
    return true;
  }
  return menuBand_.KeyMenu(menuKey, m.Result);
}

bool TWinSkinForm::OnNcActivate(TMessage& m, bool active) {
  if (activation_.SkinState == fsNotActivated && activation_.FormKind != fkMDIChild) {
    m.Result = 1;  // the system caption is never drawn; deactivation is not refused
    return true;
  }
  if (!view_.FrameDrawn()) return false;
  show_.SetActive(active);
  if (!view_.NonClientDrawn()) return false;
  caption_.SetHoverTimer(active);
  if (!active) controls_.ReleaseHotControls(false);
  if (activation_.FormKind == fkMDIFrame && mdiClient_.Window())
    SendMessageW(mdiClient_.Window(), WM_NCACTIVATE, m.WParam, 0);
  else if (activation_.FormKind == fkMDIChild)
    subclass_.Default(m);
  if (!(activation_.FormKind == fkMDIChild && show_.Show().State == wssMaximized)) PaintFrame(nullptr);
  m.Result = 1;
  return true;
}

}  // namespace quarnel

// TWinSkinForm's handlers of the frame's own messages: size and show state, activation, the
// window's commands, and the non-client area (its size, hit test and paint) once the frame is
// the skin's. Each returns true when the message is handled. UI thread of the skinned window.
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

// An MDI frame painted while its active child is maximised shows that child in the
// maximised-child presentation.
void NoteMaximizedChild(HWND mdiClient) {
  TFrameRegistry* manager = FrameRegistry();
  if (!manager || !mdiClient || manager->MaximizedChildMode()) return;
  BOOL maximized = FALSE;
  SendMessageW(mdiClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized));
  if (maximized) manager->SetMaximizedChildMode(true);
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

bool TWinSkinForm::OnNcCalcSize(TMessage& m, bool validRects, NCCALCSIZE_PARAMS* params) {
  if (!view_.NonClientDrawn()) return false;
  Default(m);
  if (!validRects) {
    m.Result = 0;
    return true;
  }
  if ((activation_.FormKind == fkMDIChild && activation_.WindowShowState != wssNormal) ||
      activation_.BorderKind == bkNoBorder || !params->lppos) {
    params->rgrc[1] = params->rgrc[0];
    m.Result = WVR_VALIDRECTS;
    return true;
  }
  if (!menuBand_.Bar()) menuBand_.SyncSystemBar();
  const WINDOWPOS& pos = *params->lppos;
  const FrameBox box = SkinClientBox(pos.x, pos.y, pos.cx, pos.cy, view_.Sizes());
  const RECT client{box.left, box.top, box.right, box.bottom};
  params->rgrc[0] = client;
  params->rgrc[1] = client;
  m.Result = WVR_VALIDRECTS;
  if (menuBand_.SystemBar()) {
    // The system has just laid its bar out in its own frame's place: it goes into the band.
    fw::UniqueDC memory = fw::CreateMemoryDC();
    menuBand_.LayOutSystemBar(memory.get(),
                              RECT{metrics_.BorderLeft, metrics_.CaptionHeight, pos.cx - metrics_.BorderRight,
                                   metrics_.CaptionHeight + metrics_.MenuBarHeight});
  }
  return true;
}

bool TWinSkinForm::OnNcHitTest(TMessage& m, POINT screen) {
  if (!view_.NonClientDrawn()) return false;
  Default(m);
  // The system places a native bar kept on the window below its own caption, not the skin's.
  if (m.Result != HTNOWHERE && m.Result != HTCAPTION && m.Result != HTMENU) return true;
  const POINT frame = view_.FramePoint(screen);
  m.Result =
      CaptionHitTest(static_cast<int>(m.Result), frame.y, metrics_.CaptionHeight, metrics_.MenuBarHeight);
  return true;
}

bool TWinSkinForm::OnNcPaint(TMessage& m) {
  if (activation_.SkinState == fsNotActivated) {
    m.Result = 0;  // the system frame never shows before the skin's
    return true;
  }
  if (!view_.NonClientDrawn()) return false;
  if (activation_.FormKind == fkMDIFrame) NoteMaximizedChild(mdiClient_.Window());
  if (!(activation_.BorderIcons & kbiKeepSystemMenuStyle)) {
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    if (style & WS_SYSMENU) SetWindowLongPtrW(window_, GWL_STYLE, style & ~WS_SYSMENU);
  }
  m.Result = 0;
  if (!skinData_->FramePainting) return true;
  if ((activation_.FormKind == fkMDIChild && activation_.WindowShowState == wssMaximized) ||
      activation_.BorderKind == bkNoBorder)
    return false;
  PaintFrame(nullptr);
  return true;
}

bool TWinSkinForm::OnRepaintFrame() {
  if (!view_.NonClientDrawn()) return false;
  PaintFrame(nullptr);
  return true;
}

}  // namespace quarnel
